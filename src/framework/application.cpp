#include "framework/application.h"

#include "core/error.h"
#include "framework/message_box.h"
#include "framework/translations.h"
#include "platform/design_font.h"

#include <QTimer>

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(Title);
    // The program lives in the tray: closing its last note must not end it.
    setQuitOnLastWindowClosed(false);
    Translations::install(*this);
    DesignFont::ensure();
}

Application::~Application()
{
    destroyForms();
}

void Application::adoptForm(QWidget *form)
{
    m_forms.append(QPointer<QWidget>(form));
    // A form that closes itself leaves the list at once, so that the list
    // does not grow with every dialog and deleted note of a long session.
    connect(form, &QObject::destroyed, this, [this](QObject *gone) {
        m_forms.removeIf([gone](const QPointer<QWidget> &f) { return f.isNull() || f.data() == gone; });
    });
    Q_EMIT formAdopted(form);
}

QList<QWidget *> Application::forms() const
{
    QList<QWidget *> result;
    result.reserve(m_forms.size());
    for (const auto &form : m_forms)
        if (form)
            result.append(form.data());
    return result;
}

void Application::destroyForms()
{
    // Newest first, so that the notes are written before the main form goes.
    while (!m_forms.isEmpty()) {
        const QPointer<QWidget> form = m_forms.takeLast();
        delete form.data();
    }
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // Every entry of ours is guarded; getting here means one is not, and
        // the error has already unwound through Qt's frames.
        qWarning("%s", UnguardedWarning);
        runGuarded([] { throw; });
    }
    return false;
}

void Application::runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        showException(&error);
    } catch (...) {
        showException(nullptr);
    }
}

bool Application::event(QEvent *event)
{
    // A quit request from the platform (the session manager's "die" at log-out,
    // or quit()) would first offer every window a close event, and one note
    // that ignores it would cancel the quit. Leave the loop directly instead:
    // the teardown after it destroys every form in order, as Exit does.
    if (event->type() == QEvent::Quit) {
        QCoreApplication::exit(0);
        return true;
    }
    return QApplication::event(event);
}

QString Application::errorText(const std::exception *error)
{
    if (const auto *own = dynamic_cast<const PaperletError *>(error))
        return own->message();
    const QString what = error ? QString::fromLocal8Bit(error->what()) : QString();
    // Never an empty box: the user must see that something failed.
    return what.isEmpty() ? tr("An unexpected error occurred.") : what;
}

void Application::reportLater(const QString &message)
{
    QTimer::singleShot(0, qApp, [message] {
        const PaperletError error(message);
        showException(&error);
    });
}

void Application::showException(const std::exception *error)
{
    const QString text = errorText(error);
    // Also in the log, where a report can quote it after the box is gone.
    qWarning("%s", qPrintable(text));
    Messages::exec({QMessageBox::Critical, tr("Paperlet"), text, QMessageBox::Ok, QMessageBox::NoButton,
                    Qt::PlainText});
}
