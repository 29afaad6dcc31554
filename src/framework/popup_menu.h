#pragma once

#include <QMenu>
#include <QPointer>

#include <optional>

class ImageList;

// A popup menu painted entirely by the current theme (see ThemeRegistry).
//
// Items are ordinary QActions:
//   caption      QAction::text (a '&' marks the access key)
//   image        index into the menu's image list: setImageIndex(action, i)
//                (a QAction icon is used when there is no index)
//   tag          QAction::setData
//   tick         setCheckable(true) + setChecked; in an exclusive
//                QActionGroup it is a radio item
//   enabled      setEnabled
//   click        connect to QAction::triggered
// Separators: QMenu::addSeparator.
// Submenus: addSubmenu() returns a PopupMenu that shares the image list;
//   its aboutToShow() signal is the event raised before it opens.
// Hosted controls (the colour palette): QWidgetAction items, addAction().
// Open with popup(screenPoint) (returns at once) or exec(screenPoint)
// (returns when the menu has closed); a pick closes the whole chain.
class PopupMenu : public QMenu
{
    Q_OBJECT
public:
    explicit PopupMenu(QWidget *parent = nullptr);
    explicit PopupMenu(const QString &title, QWidget *parent = nullptr);
    ~PopupMenu() override;

    // Not owned. A submenu without a list of its own uses its parent menu's.
    void setImages(ImageList *images);
    ImageList *images() const;

    QAction *addItem(const QString &caption, int imageIndex = -1);
    PopupMenu *addSubmenu(const QString &caption, int imageIndex = -1);

    // Closes this menu and every popup menu open above or below it.
    static void closeAllMenus();

    static void setImageIndex(QAction *action, int index);
    static int imageIndex(const QAction *action);

    // How the current item became hot: HOVER_MOUSE or HOVER_KEYBOARD.
    quint8 hoverKind() const { return m_hoverKind; }
    int ImageStripWidth() const;
    // While the menu handles a mouse move: where the pointer is (global).
    // Empty otherwise, so an item made hot by a key never looks at a pointer
    // position from an earlier opening.
    std::optional<QPoint> movingPointer() const { return m_movingPointer; }

Q_SIGNALS:
    // The hot item moved onto `action` from a lower index (fromAbove true),
    // from a higher one (false); `hadPrevious` false when nothing was hot.
    void itemEntered(QAction *action, bool hadPrevious, bool fromAbove);

protected:
    bool event(QEvent *event) override;

private:
    void init();
    void onHovered(QAction *action);

    QPointer<ImageList> m_images;
    QPointer<QAction> m_lastHot;
    quint8 m_hoverKind = 2;
    std::optional<QPoint> m_movingPointer;
};
