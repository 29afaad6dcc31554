#include "app/global_shortcut_actions.h"
#include "app/main_form.h"
#include "app/no_tray_mode.h"
#include "app/script_commands.h"
#include "app/single_instance.h"
#include "app/version.h"
#include "core/command_line.h"
#include "core/error.h"
#include "core/note_query.h"
#include "core/settings_store.h"
#include "framework/application.h"
#include "framework/guarded.h"
#include "framework/message_box.h"
#include "framework/translations.h"
#include "notes/note_collection.h"
#include "notes/note_listing.h"
#include "notes/rescue_log.h"
#include "notes/stored_notes.h"
#include "platform/command_channel.h"
#include "platform/data_place.h"
#include "platform/display_check.h"
#include "platform/termination_watcher.h"
#include "platform/window_system.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
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

void printError(const QString &message)
{
    print(stderr, QStringLiteral("paperlet: ") + message + QLatin1Char('\n'));
}

// Standard input as UTF-8 text, for a TEXT of "-".
QString readStandardInput()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(input.readAll());
}

// Hands the command to the running copy, printing its answer; the
// process's exit code.
int handOver(const QString &instanceCaption, const CommandRequest &request)
{
    QString error;
    QString output;
    switch (CommandSender::send(instanceCaption, request, &error, &output)) {
    case CommandSender::Result::Failed:
        printError(error);
        return 1;
    case CommandSender::Result::Refused:
        printError(error);
        return 2;
    default:
        print(stdout, output);
        return 0;
    }
}

int handOver(int argc, char *argv[], const QString &instanceCaption, const CommandRequest &request)
{
    // No display is needed to talk to the bus.
    QCoreApplication app(argc, argv);
    Translations::install(app);
    return handOver(instanceCaption, request);
}

// With no copy running, the notes as their files hold them.
int printStored(int argc, char *argv[], const CommandRequest &request)
{
    // Documents want a GUI application; reading needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Translations::install(app);
    try {
        StoredNotes stored(SettingsStore(DataPlace().homeFolder()).NotesFolder());
        if (request.command == Command::Text) {
            const NoteDocument *note = stored.load(request.note);
            if (!note) {
                printError(NoteListing::noSuchNote(request.note, stored.notesFolder()));
                return 1;
            }
            print(stdout, NoteListing::text(*note));
            return 0;
        }
        stored.loadAll();
        print(stdout, CommandLine::listLines(NoteListing::list(stored.noteCollection(), NoteQuery(request.text))));
        return 0;
    } catch (const PaperletError &error) {
        printError(error.message());
        return 1;
    }
}

// With no copy running: starts one that runs on by itself, away from this
// process's output (a script reading it waits for its end), and hands the
// command to it.
int startCopyAndHandOver(int argc, char *argv[], const QString &instanceCaption, const CommandRequest &request)
{
    QCoreApplication app(argc, argv);
    Translations::install(app);
    // A wrong name is no reason to start anything.
    const QString folder = SettingsStore(DataPlace().homeFolder()).NotesFolder();
    if (!request.note.isEmpty() && !StoredNotes::isStored(folder, request.note)) {
        printError(NoteListing::noSuchNote(request.note, folder));
        return 1;
    }
    if (const std::optional<QString> tried = unreachableDisplay()) {
        printError(QCoreApplication::translate("main", "no display could be opened (%1)").arg(*tried));
        return 1;
    }
    QProcess copy;
    copy.setProgram(QCoreApplication::applicationFilePath());
    copy.setStandardInputFile(QProcess::nullDevice());
    copy.setStandardOutputFile(QProcess::nullDevice());
    copy.setStandardErrorFile(QProcess::nullDevice());
    if (!copy.startDetached()) {
        printError(QCoreApplication::translate("main", "the program could not be started: %1").arg(copy.errorString()));
        return 1;
    }
    return handOver(instanceCaption, request);
}

} // namespace

int main(int argc, char *argv[])
{
    std::optional<CommandRequest> command = CommandLine::parse(argumentsOf(argc, argv));
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
    if (command->command == Command::Version) {
        print(stdout, QStringLiteral("Paperlet ") + VersionText + QLatin1Char('\n'));
        return 0;
    }
    if (command->command == Command::Help) {
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
    if (command->textFromInput)
        command->text = readStandardInput();
    if (!firstCopy && CommandLine::goesToRunningCopy(command->command))
        return handOver(argc, argv, instanceCaption, *command);
    if (CommandLine::onlyReads(command->command)) {
        // Nothing to start: reading leaves the start to whoever comes next.
        instance.release();
        return printStored(argc, argv, *command);
    }
    if (CommandLine::startsCopyOfItsOwn(*command)) {
        instance.release();
        return startCopyAndHandOver(argc, argv, instanceCaption, *command);
    }
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
        if (CommandSender::send(instanceCaption, CommandRequest{}, &error) == CommandSender::Result::Done)
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
        ScriptCommands scripts(*mainForm);
        CommandReceiver commands(instanceCaption);
        QObject::connect(&commands, &CommandReceiver::commandReceived, mainForm,
                         guarded([&scripts](const CommandRequest &request, const CommandReply &reply) {
                             scripts.carryOut(request, reply);
                         }));
        commands.listen();
        // A desktop without a tray: the notes stand in for it.
        NoTrayMode noTray(*mainForm, mainForm->noteWindows());
        QObject::connect(&noTray, &NoTrayMode::activeChanged, &commands, &CommandReceiver::setStartMakesNote);
        GlobalShortcutActions globalShortcuts(*mainForm);
        QObject::connect(&globalShortcuts, &GlobalShortcutActions::allNotesRequested, mainForm,
                         guarded(mainForm, &TFR_PLT_MAIN::mnAllNotesClick));
        // The notes of the folder are open by now; the command comes on top.
        if (command->command == Command::NewNote) {
            QTimer::singleShot(0, mainForm, guarded([&scripts, request = *command] {
                CommandReply nobodyWaits;
                if (const std::optional<QString> name = scripts.newNote(request, nobodyWaits)) {
                    print(stdout, *name + QLatin1Char('\n'));
                    std::fflush(stdout);
                }
            }));
        } else if (command->command != Command::Start && command->command != Command::ShowAll) {
            QTimer::singleShot(0, mainForm, guarded([&scripts, request = *command] { scripts.carryOut(request, CommandReply()); }));
        }
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
