#pragma once

#include <QFrame>

// A sunken panel that acts like a button: a colour swatch or the font
// preview. It paints its own background and reports a click of the left
// button (or Space when it has the focus).
class SwatchPanel final : public QFrame
{
    Q_OBJECT
public:
    explicit SwatchPanel(QWidget *parent = nullptr);

    QColor color() const;
    void setColor(const QColor &color);

    // A centred caption in the panel's font and text colour.
    QString text() const { return m_text; }
    void setText(const QString &text);
    QColor textColor() const;
    void setTextColor(const QColor &color);
    // What a press of the panel does, for assistive technology: a click as
    // from the keyboard.
    Q_INVOKABLE void click();

Q_SIGNALS:
    // fromKeyboard: the click came from the keyboard, not from the pointer.
    void clicked(bool fromKeyboard);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setPaletteColor(QPalette::ColorRole role, const QColor &color);

    QString m_text;
    bool m_pressed = false;
};
