#pragma once

#include "framework/tbx_types.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class TTBXColorPalette;
class TTBXCustomColorSet;

// Supplies the colour and name of one cell. Color and Name arrive as Color::none()
// and empty; a function that leaves them so makes the cell a gap.
using TCSGetColorInfo = void (*)(TTBXCustomColorSet *Sender, int Col, int Row, ::Color &color, QString &name);

// A grid of named colours that colour palettes show.
class TTBXCustomColorSet : public QObject
{
    Q_OBJECT
public:
    explicit TTBXCustomColorSet(QObject *parent = nullptr);
    ~TTBXCustomColorSet() override;

    int ColCount() const { return m_colCount; }
    int RowCount() const { return m_rowCount; }

    // Color::none() and "" and then the cell's own colour and name.
    virtual void GetColorInfo(int Col, int Row, ::Color &color, QString &name);
    Color GetColor(int Col, int Row);
    QString GetName(int Col, int Row);
    // Stores both counts and passes them on to every attached palette.
    void UpdateSize(int NewColCount, int NewRowCount);
    // "None" for Color::none(); else the name of the first cell of that colour, or
    // "#RRGGBB" when there is none or its name is empty.
    QString ColorToString(::Color color);

private:
    friend class TTBXColorPalette;
    void attach(TTBXColorPalette *palette);
    void detach(TTBXColorPalette *palette);

    int m_colCount = 0;
    int m_rowCount = 0;
    QList<QPointer<TTBXColorPalette>> m_palettes;
};

// A colour set whose cells come from a table function bound at creation
// (`csColorSet`).
class TTBXColorSet final : public TTBXCustomColorSet
{
    Q_OBJECT
public:
    explicit TTBXColorSet(TCSGetColorInfo getColorInfo, QObject *parent = nullptr);
    void setColCount(int value) { UpdateSize(value, ColCount()); }
    void setRowCount(int value) { UpdateSize(ColCount(), value); }
    void GetColorInfo(int Col, int Row, ::Color &color, QString &name) override;

private:
    const TCSGetColorInfo m_getColorInfo;
};

// The forty named colours, 8 x 5, that a palette without a colour set shows.
class TTBXDefaultColorSet final : public TTBXCustomColorSet
{
    Q_OBJECT
public:
    explicit TTBXDefaultColorSet(QObject *parent = nullptr);
    void GetColorInfo(int Col, int Row, ::Color &color, QString &name) override;
};
