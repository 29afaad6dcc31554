#include "app/global_shortcut_actions.h"
#include "app/main_form.h"
#include "app/no_tray_mode.h"
#include "app/single_instance.h"
#include "app/version.h"
#include "core/command_line.h"
#include "core/error.h"
#include "framework/application.h"
#include "framework/guarded.h"
#include "framework/message_box.h"
#include "framework/translations.h"
#include "notes/rescue_log.h"
#include "platform/command_channel.h"
#include "platform/data_place.h"
#include "platform/display_check.h"
#include "platform/termination_watcher.h"
#include "platform/window_system.h"

#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {

const QString VersionText = QStringLiteral(PAPERLET_VERSION_TEXT);

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The tray menu's commands, as the command line asks for them.
void carryOut(TFR_PLT_MAIN &form, Command command)
{
    switch (command) {
    case Command::NewNote: form.mnAddNoteClick(); break;
    case Command::ShowAll: form.mnShowAllNotesClick(); break;
    case Command::HideAll: form.mnHideAllNotesClick(); break;
    case Command::AllNotes: form.mnAllNotesClick(); break;
    case Command::Settings: form.mnSettingsClick(); break;
    case Command::About: form.mnAboutClick(); break;
    case Command::Exit: form.mnCLOSEClick(); break;
    default: break;
    }
}

// Hands the command to the running copy; the process's exit code.
int handOver(int argc, char *argv[], const QString &instanceCaption, Command command)
{
    // No display is needed to talk to the bus.
    QCoreApplication app(argc, argv);
    QString error;
    if (CommandSender::send(instanceCaption, command, &error) == CommandSender::Result::Failed) {
        print(stderr, QStringLiteral("paperlet: ") + error + QLatin1Char('\n'));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<Command> command = CommandLine::parse(argumentsOf(argc, argv));
    const QString programName = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : QString();
    if (!command) {
        // The message and the help in the user's language, which takes an
        // application object; parsing again picks the translated message.
        QCoreApplication console(argc, argv);
        Translations::install(console);
        QString commandLineError;
        CommandLine::parse(argumentsOf(argc, argv), &commandLineError);
        print(stderr, programName + QStringLiteral(": ") + commandLineError + QLatin1Char('\n'));
        print(stderr, CommandLine::usage(programName));
        return 2;
    }
    if (*command == Command::Version) {
        print(stdout, QStringLiteral("Paperlet ") + VersionText + QLatin1Char('\n'));
        return 0;
    }
    if (*command == Command::Help) {
        QCoreApplication console(argc, argv);
        Translations::install(console);
        print(stdout, CommandLine::usage(programName));
        return 0;
    }

    // 1. The version text and the instance caption.
    const QString instanceCaption = QStringLiteral("Paperlet") + VersionText;

    // 2. One running copy per version: it carries out the commands of later starts.
    SingleInstance instance(instanceCaption);
    const bool firstCopy = instance.acquire();
    if (!firstCopy && CommandLine::goesToRunningCopy(*command))
        return handOver(argc, argv, instanceCaption, *command);
    if (!CommandLine::startsProgram(*command))
        return 0;

    const bool choseX11 = preferX11OnWayland();
    // Qt would abort with advice about reinstalling; say what is wrong instead.
    if (const std::optional<QString> tried = unreachableDisplay()) {
        print(stderr, programName + QStringLiteral(": ")
                          + QCoreApplication::translate("main", "no display could be opened (%1)").arg(*tried)
                          + QLatin1Char('\n'));
        return 1;
    }
    Application app(argc, argv);
    if (choseX11)
        qunsetenv("QT_QPA_PLATFORM");

    if (!firstCopy) {
        // A plain start: where the running copy shows no tray, it answers with a note.
        QString error;
        if (CommandSender::send(instanceCaption, Command::Start, &error) == CommandSender::Result::Done)
            return 0;
        Messages::exec({QMessageBox::Warning, QCoreApplication::translate("main", "Warning"),
                        QCoreApplication::translate("main", "Paperlet Already Running!")});
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
        mainForm->settings().Version = VersionText;
        mainForm->setWindowTitle(instanceCaption);
        // 7. and 8.
        if (mainForm->settings().CheckForUpdates)
            mainForm->StartUpdateCheck(false);
        mainForm->ShowAllNotes();
        CommandReceiver commands(instanceCaption);
        QObject::connect(&commands, &CommandReceiver::commandReceived, mainForm,
                         guarded([mainForm](Command received) { carryOut(*mainForm, received); }));
        commands.listen();
        // A desktop without a tray: the notes stand in for it.
        NoTrayMode noTray(*mainForm, mainForm->noteWindows());
        QObject::connect(&noTray, &NoTrayMode::activeChanged, &commands, &CommandReceiver::setStartMakesNote);
        GlobalShortcutActions globalShortcuts(*mainForm);
        // The notes of the folder are open by now; the command comes on top.
        if (*command != Command::Start && *command != Command::ShowAll)
            QTimer::singleShot(0, mainForm, guarded([mainForm, c = *command] { carryOut(*mainForm, c); }));
        // Notes rescued while the last run ended are news for whoever is here now.
        QTimer::singleShot(0, &app, guarded([] {
            const QString report = RescueLog::takeReport();
            if (!report.isEmpty())
                Messages::exec({QMessageBox::Warning, RescueLog::caption(), report});
        }));
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
