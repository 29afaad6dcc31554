#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <utility>

// The application object. It owns every form (the main form, the notes and
// the dialogs) in the order they were created, destroys them newest first at
// teardown, and shows any exception that escapes an event handler.
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

    bool notify(QObject *receiver, QEvent *event) override;

Q_SIGNALS:
    // A form was created (createForm) or handed over (adoptForm).
    void formAdopted(QWidget *form);

public:

    // The standard error display: a message box captioned "Paperlet".
    static void showException(const std::exception *error);

protected:
    bool event(QEvent *event) override;

private:
    QList<QPointer<QWidget>> m_forms;
};
