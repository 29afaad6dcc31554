#pragma once

#include "framework/tbx_types.h"

#include <QObject>
#include <QPoint>
#include <QString>

class QPainter;
class ImageList;

// View kinds (TTBXItemInfo::ViewKind and the view arguments below).
enum : int {
    VT_UNKNOWN = 0,
    TVT_MENUBAR = 0x0002,
    TVT_TOOLBOX = 0x0004,
    TVT_EMBEDDED = 0x0200,
    TVT_RESIZABLE = 0x0400,
    TVT_FLOATING = 0x0800,
    VT_TOOLBAR = 0x1000,
    VT_POPUP = 0x2000,
    PVT_POPUPMENU = 0x0001,
    PVT_LISTBOX = 0x0002,
    PVT_TOOLBOX = 0x0004,
    VT_DOCKPANEL = 0x4000,
    VT_POPUPMENU = VT_POPUP | PVT_POPUPMENU,  // 0x2001, every menu of the program
};

// Item flags (TTBXItemInfo::ItemFlags).
enum : int {
    IO_TOOLBARSTYLE = 0x01,
    IO_SUBMENUITEM = 0x04,
    IO_COMBO = 0x08,
    IO_DESIGNING = 0x10,
    IO_APPACTIVE = 0x20,
    IO_RADIO = 0x40,
};

// TTBXItemInfo::Hover.
enum : quint8 { HOVER_NONE = 0, HOVER_KEYBOARD = 1, HOVER_MOUSE = 2 };

enum class TItemPart { Body, Text, Frame };
enum class TBtnItemState { Normal, Disabled, Selected, Pressed, Hot, DisabledHot, SelectedHot, PopupParent };
enum class TMenuItemState { Normal, Disabled, Hot, DisabledHot };

// A fixed table with one cell per value of the enum Key (0 to Size - 1).
template<class Key, int Size, class Value>
struct EnumTable
{
    Value cells[Size] = {};
    Value &operator[](Key key) { return cells[int(key)]; }
    const Value &operator[](Key key) const { return cells[int(key)]; }
    Value *begin() { return cells; }
    Value *end() { return cells + Size; }
    const Value *begin() const { return cells; }
    const Value *end() const { return cells + Size; }
};

// What the menu framework tells the theme about one item it asks about.
struct TTBXItemInfo
{
    int ViewKind = 0;
    int ItemFlags = 0;
    bool Enabled = true;
    bool Pushed = false;
    quint8 Hover = HOVER_NONE;
    bool Checked = false;
    bool HasImage = false;
    int ImageWidth = 0;
    int ImageHeight = 0;
    bool Vertical = false;
    quint8 SplitPart = 0;
    bool PopupOpen = false;
    int ImageStripWidth = 0;
};

struct TTBXMargins
{
    int leftWidth = 0;
    int rightWidth = 0;
    int topHeight = 0;
    int bottomHeight = 0;
    bool operator==(const TTBXMargins &o) const
    {
        return leftWidth == o.leftWidth && rightWidth == o.rightWidth && topHeight == o.topHeight
            && bottomHeight == o.bottomHeight;
    }
};

// Margin kinds of GetMargins.
enum : int { MID_TOOLBARITEM = 1, MID_MENUITEM = 2, MID_STATUSPANE = 3 };

// Integer metrics of GetIntegerMetrics.
enum : int {
    TMI_SPLITBTN_ARROWWIDTH = 10,
    TMI_DROPDOWN_ARROWWIDTH = 20,
    TMI_DROPDOWN_ARROWMARGIN = 21,
    TMI_MENU_IMGTEXTSPACE = 32,
    TMI_MENU_LCAPTIONMARGIN = 33,
    TMI_MENU_RCAPTIONMARGIN = 34,
    TMI_MENU_SEPARATORSIZE = 35,
    TMI_MENU_MDI_DW = 36,
    TMI_MENU_MDI_DH = 37,
    TMI_TLBR_SEPARATORSIZE = 50,
    TMI_EDIT_FRAMEWIDTH = 60,
    TMI_EDIT_TEXTMARGINHORZ = 61,
    TMI_EDIT_TEXTMARGINVERT = 62,
    TMI_EDIT_BTNWIDTH = 65,
    TMI_EDIT_MENURIGHTINDENT = 66,
};

// Codes of the system-change notification (TBXSysCommand).
enum : int { TSC_BEFOREVIEWCHANGE = 1, TSC_VIEWCHANGE = 2, TSC_AFTERVIEWCHANGE = 3 };

// Page scroll button kinds.
enum : int { PSBT_UP = 1, PSBT_DOWN = 2, PSBT_LEFT = 3, PSBT_RIGHT = 4 };

struct TTBXPopupInfo
{
    int windowHandle = 0;
    Rect parentRect;
};

// The painter of every menu part. The framework (the themed popup menu and
// its style) never draws anything itself: it fills a TTBXItemInfo and calls
// these. Rectangles are in the painter's coordinates; item rectangles are
// passed with their top-left at (0, 0).
class TTBXTheme : public QObject
{
    Q_OBJECT
public:
    explicit TTBXTheme(const QString &name);
    ~TTBXTheme() override;

    const QString &Name() const { return m_name; }

    virtual QPoint GetImageOffset(QPainter &canvas, const TTBXItemInfo &info, const ImageList *images) const = 0;
    virtual Color GetItemColor(const TTBXItemInfo &info) const = 0;
    virtual Color GetItemTextColor(const TTBXItemInfo &info) const = 0;
    virtual Color GetItemImageBackground(const TTBXItemInfo &info) const = 0;
    virtual TTBXMargins GetMargins(int marginID) const = 0;
    virtual int GetPopupShadowType() const = 0;
    // (horizontal, vertical) border size of a view.
    virtual QPoint GetViewBorder(int viewType) const = 0;
    virtual Color GetViewColor(int viewType) const = 0;
    virtual TTBXMargins GetViewMargins(int viewType) const = 0;

    virtual void PaintBackgnd(QPainter &canvas, const Rect &dockRect, const Rect &rect, const Rect &clipRect,
                              Color color, bool transparent, int viewType) = 0;
    virtual void PaintButton(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) = 0;
    // flags: Qt::AlignmentFlag | Qt::TextFlag. The pen colour of the canvas is
    // the text colour; with Qt::NoPen the theme picks the item's text colour.
    virtual void PaintCaption(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info, const QString &caption,
                              int flags, bool rotated) = 0;
    virtual void PaintCheckMark(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) = 0;
    virtual void PaintDropDownArrow(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) = 0;
    virtual void PaintFrame(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) = 0;
    virtual void PaintImage(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info, const ImageList *images,
                            int imageIndex) = 0;
    virtual void PaintMenuItem(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) = 0;
    virtual void PaintMenuItemFrame(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) = 0;
    virtual void PaintPageScrollButton(QPainter &canvas, const Rect &rect, int buttonType, bool hot) = 0;
    virtual void PaintPopupNCArea(QPainter &canvas, const Rect &rect, const TTBXPopupInfo &info) = 0;
    virtual void PaintSeparator(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info, bool horizontal,
                                bool lineOnly) = 0;

    virtual int GetIntegerMetrics(int index) const = 0;
    virtual bool GetBooleanMetrics(int index) const = 0;

    // The framework's system-change notification (TSC_* codes).
    virtual void TBXSysCommand(int code) { Q_UNUSED(code) }

private:
    QString m_name;
};
