#pragma once

#include <QFontDialog>

// The font chooser of the Settings dialog: face, style and size only (no
// underline, strike-out or colour), sizes of at most MaxPointSize points.
class FontChooser final : public QFontDialog
{
    Q_OBJECT
public:
    static constexpr int MaxPointSize = 36;

    explicit FontChooser(QWidget *parent = nullptr);

    void done(int result) override;

private:
    void limitSizes();
};
