#pragma once

#include <QLabel>

// A label used as a link: blue, underlined, with a hand cursor; it reports a
// click of the left button.
class ClickLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);
    // What following the link does, for assistive technology.
    Q_INVOKABLE void click() { Q_EMIT clicked(); }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
