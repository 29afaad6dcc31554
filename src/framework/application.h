#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <exception>
#include <functional>
#include <utility>

// The application object. It owns every form (the main form, the notes and
// the dialogs) in the order they were created, destroys them newest first at
// teardown, and shows the errors of our handlers.
class Application final : public QApplication
{
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("Paperlet");

    Application(int &argc, char **argv);
    ~Application() override;

    static Application *instance() { return static_cast<Application *>(qApp); }

    // Creates a top-level form owned by the application.
    template<class Form, class... Args>
    Form *createForm(Args &&...args)
    {
        auto *form = new Form(std::forward<Args>(args)...);
        adoptForm(form);
        return form;
    }
    void adoptForm(QWidget *form);

    // The live forms, oldest first.
    QList<QWidget *> forms() const;
    template<class Form>
    QList<Form *> formsOf() const
    {
        QList<Form *> result;
        for (QWidget *w : forms())
            if (auto *f = qobject_cast<Form *>(w))
                result.append(f);
        return result;
    }

    // Destroys every form, the most recently created first.
    void destroyForms();

    // The last resort: an exception that reached Qt's event delivery all the
    // same. Handlers are wrapped with guarded() so that none does; one that
    // is not is named in the log with UnguardedWarning.
    bool notify(QObject *receiver, QEvent *event) override;
    static constexpr const char *UnguardedWarning = "An error passed through Qt's event delivery: a handler is not guarded.";

    // The standard error display: a message box captioned "Paperlet" with
    // the error's text; null stands for an exception of unknown type.
    static void showException(const std::exception *error);
    // The text that display shows for an error.
    static QString errorText(const std::exception *error);
    // Runs handler and shows in the standard display what it throws.
    static void runGuarded(const std::function<void()> &handler);
    // The same, once the current event is over: a modal box in the middle of
    // a close or a timer would run a nested loop at a bad moment.
    static void reportLater(const QString &message);

Q_SIGNALS:
    // A form was created (createForm) or handed over (adoptForm).
    void formAdopted(QWidget *form);

protected:
    bool event(QEvent *event) override;

private:
    QList<QPointer<QWidget>> m_forms;
};
