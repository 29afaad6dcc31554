// shortcuts.ini: what the user chose for each global shortcut, read back as
// written, tolerant of hand edits, and silent about a file that is not there.
#include "core/error.h"
#include "core/shortcut_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Choices = QMap<QString, QString>;

class TestShortcutSettings final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choicesComeBackAsWritten()
    {
        QTemporaryDir dir;
        const ShortcutSettings settings(dir.path());
        QVERIFY(settings.load().isEmpty());
        const Choices choices{{QStringLiteral("new-note"), QStringLiteral("Ctrl+Alt+J")},
                              {QStringLiteral("all-notes"), QString()}};
        settings.save(choices);
        QCOMPARE(settings.path(), dir.filePath(QStringLiteral("shortcuts.ini")));
        QCOMPARE(settings.load(), choices);
        QCOMPARE(ShortcutSettings::choice(choices, QStringLiteral("all-notes")), std::optional<QString>(QString()));
        QCOMPARE(ShortcutSettings::choice(choices, QStringLiteral("show-hide-all-notes")), std::nullopt);
    }

    void handEditedLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Choices>("read");
        QTest::newRow("blanks and LF") << QByteArray(" new-note = Ctrl+Alt+K \n")
                                       << Choices{{QStringLiteral("new-note"), QStringLiteral("Ctrl+Alt+K")}};
        QTest::newRow("comments and junk skipped")
            << QByteArray("; mine\r\nno equals sign\r\n=Ctrl+X\r\nall-notes=\r\n")
            << Choices{{QStringLiteral("all-notes"), QString()}};
        QTest::newRow("the last of a repeated key") << QByteArray("new-note=Ctrl+A\r\nnew-note=Ctrl+B\r\n")
                                                    << Choices{{QStringLiteral("new-note"), QStringLiteral("Ctrl+B")}};
    }

    void handEditedLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(Choices, read);
        QTemporaryDir dir;
        QFile out(dir.filePath(QStringLiteral("shortcuts.ini")));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        QCOMPARE(ShortcutSettings(dir.path()).load(), read);
    }

    void anUnwritableFolderIsAnError()
    {
        QTemporaryDir dir;
        const ShortcutSettings settings(dir.filePath(QStringLiteral("missing/folder")));
        QVERIFY_THROWS_EXCEPTION(PaperletError, settings.save({{QStringLiteral("new-note"), QString()}}));
    }
};

QTEST_GUILESS_MAIN(TestShortcutSettings)
#include "tst_shortcut_settings.moc"
