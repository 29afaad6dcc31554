#include "app/application.h"
#include "app/data_place.h"
#include "app/error.h"
#include "app/main_form.h"
#include "app/single_instance.h"
#include "framework/message_box.h"
#include "notes/rescue_log.h"
#include "platform/termination_watcher.h"

#include <QTimer>

namespace {

const QString VersionText = QStringLiteral("1.1");

// Notes must land where they were; a Wayland desktop does not let programs
// place their own windows, its X compatibility layer does. Qt tries the
// platforms of the list in turn, so a desktop without that layer still gets
// Wayland. Returns whether it chose, so that the choice can be taken back
// from the environment that the program's children inherit.
bool preferX11OnWayland()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return false;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool choseX11 = preferX11OnWayland();

    // 1. The version text and the instance caption.
    const QString instanceCaption = QStringLiteral("Paperlet") + VersionText;

    Application app(argc, argv);
    if (choseX11)
        qunsetenv("QT_QPA_PLATFORM");

    // 2. One running copy per version.
    SingleInstance instance(instanceCaption);
    if (!instance.acquire()) {
        Messages::exec({QMessageBox::Warning, QStringLiteral("Warning"),
                        QStringLiteral("Paperlet Already Running!")});
        return 0;
    }

    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &app,
                     [] { QCoreApplication::exit(0); });

    try {
        // 5. The hidden main form.
        auto *mainForm = app.createForm<TFR_PLT_MAIN>(DataPlace().homeFolder());
        mainForm->winId();
        // 6. The version, then the caption that a second start looks for.
        mainForm->Version = VersionText;
        mainForm->setWindowTitle(instanceCaption);
        // 7. and 8.
        if (mainForm->CheckForUpdates)
            mainForm->StartUpdateCheck(false);
        mainForm->ShowAllNotes();
        // Notes rescued while the last run ended are news for whoever is here now.
        QTimer::singleShot(0, &app, [] {
            const QString report = RescueLog::takeReport();
            if (!report.isEmpty())
                Messages::exec({QMessageBox::Warning, RescueLog::Caption, report});
        });
        // 9. The message loop.
        app.exec();
    } catch (const std::exception &error) {
        Application::showException(&error);
    } catch (...) {
        Application::showException(nullptr);
    }
    // 10. Teardown: every form, newest first, the main form last.
    app.destroyForms();
    return 0;
}
