#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// Keys that work while another program has the focus. One backend per
// desktop, asked in this order, the first one the desktop offers taken: the
// desktop portal's GlobalShortcuts interface, KDE's kglobalaccel on the
// session bus, a key grab on an X11 display (Windows: RegisterHotKey).
class GlobalShortcuts : public QObject
{
    Q_OBJECT
public:
    enum class Action { NewNote, NewNoteFromClipboard, ToggleAllNotes, AllNotes };

    struct Binding
    {
        Action action;
        QKeySequence keys; // empty: not bound
    };

    // Ctrl+Alt+Shift with a letter: no default of GNOME, KDE Plasma or Xfce
    // uses these (theirs are Super, Ctrl+Alt and Alt combinations).
    static QList<Binding> defaults();
    // A stable name for each action, as desktops list them.
    static QString actionId(Action action);
    static QString actionText(Action action);

    // Picks the first backend the desktop offers, from the from-th one on
    // (see failed()); nullptr where none is.
    static std::unique_ptr<GlobalShortcuts> create(QObject *parent = nullptr, int from = 0);
    // Its place in the order.
    int rank() const { return m_rank; }

    // The backend's name for the user ("desktop portal", "KDE global shortcuts",
    // "X11 key grab").
    virtual QString backendName() const = 0;

    // Asks for these keys, replacing what was asked before. The answer comes
    // as taken() or refused() per action (a portal may answer later, after
    // asking the user).
    virtual void bind(const QList<Binding> &bindings) = 0;

Q_SIGNALS:
    void activated(GlobalShortcuts::Action action);
    // The action has these keys now (the desktop may have given others).
    void taken(GlobalShortcuts::Action action, const QKeySequence &keys);
    // Another program holds the keys; holder names it when the desktop says.
    void refused(GlobalShortcuts::Action action, const QKeySequence &keys, const QString &holder);
    // The service is there but gives this program no shortcuts at all (a
    // portal that cannot tell which application asks): the next backend in
    // the order should be asked instead.
    void failed();

protected:
    using QObject::QObject;

private:
    int m_rank = 0;
};
