#pragma once

#include "../common/find_child.h"
#include "../common/modal_answer.h"

#include "app/main_form.h"
#include "core/error.h"
#include "framework/application.h"
#include "notes/note_collection.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// A real main form (FR_PLT_MAIN) over a scratch folder, so that the dialogs
// read and write its settings and settings.ini as in the program.
class MainFormFixture
{
public:
    MainFormFixture()
        : m_dir(std::make_unique<QTemporaryDir>())
    {
        m_form.reset(new TFR_PLT_MAIN(m_dir->path()));
        m_form->settings().Version = QStringLiteral("1.1");
    }
    ~MainFormFixture() { m_form.reset(); }

    TFR_PLT_MAIN &form() { return *m_form; }
    QString settingsPath() const { return m_dir->path() + QStringLiteral("/settings.ini"); }
    QByteArray settingsBytes() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TFR_PLT_MAIN> m_form;
};

// A second host in the process with settings of its own, to show that a
// dialog keeps to the host it was given.
class StandInHost final : public NoteHost
{
public:
    ProgramSettings &settings() override { return m_settings; }
    void saveSettings() override { ++saves; }
    QString notesFolder() const override { return QString(); }
    void ensureNotesFolder() const override {}
    void makeNewNote() override {}
    NoteCollection &noteCollection() override { return m_notes; }

    int saves = 0;

private:
    ProgramSettings m_settings;
    NoteCollection m_notes{*this};
};

// The message of the PaperletError that `action` throws; empty when none.
inline QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const PaperletError &error) {
        return error.message();
    }
    return QString();
}

// The text of the error box that `step` shows (and that is answered at
// once); empty when it shows none. The box opens before the step returns.
inline QString shownErrorOf(const std::function<void()> &step)
{
    QString text;
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        text = box->text();
        box->accept();
    });
    answer.start();
    step();
    return text;
}

// Runs `answer` on the modal window or popup that the next step opens, so
// that a step which waits for a modal loop can be tested.
inline void whenModalOpens(const std::function<void(QWidget *)> &answer)
{
    answerModal(answer, true);
}

// main() with the program's own application object.
#define PAPERLET_DIALOG_TEST_MAIN(TestObject)        \
    int main(int argc, char *argv[])                 \
    {                                                \
        Application app(argc, argv);                 \
        TestObject test;                             \
        return QTest::qExec(&test, argc, argv);      \
    }
