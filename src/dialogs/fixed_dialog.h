#pragma once

#include <QDialog>

#include <initializer_list>
#include <utility>

class QLabel;

// The frame both dialogs share: a captioned, fixed-size dialog that stays on
// top, opens centred on the screen under the pointer and destroys itself
// when it closes, however it closes.
class FixedDialog : public QDialog
{
    Q_OBJECT
public:
    FixedDialog(const QString &caption, const QSize &clientSize, QWidget *parent);

protected:
    // A label sized to its text at (left, top) of parent.
    static QLabel *addLabel(const QString &text, QWidget *parent, int left, int top);
    // Gives each control its name, for tests and accessibility tools.
    static void nameControls(std::initializer_list<std::pair<QObject *, const char *>> controls);

    void showEvent(QShowEvent *event) override;

private:
    // Controls placed by coordinates do not follow a right-to-left language
    // as laid-out ones do: each is mirrored once within its parent.
    void mirrorPlacedControls();

    bool m_centred = false;
    bool m_mirrored = false;
};
