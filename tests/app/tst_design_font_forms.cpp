// The program's forms are drawn in the design's face, Tahoma, wherever its
// faces are on the system: the application object makes them available.

#include "../common/find_child.h"

#include "app/main_form.h"
#include "dialogs/about_dialog.h"
#include "dialogs/settings_dialog.h"
#include "framework/application.h"
#include "notes/note_window.h"
#include "platform/design_font.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <memory>

class TestDesignFontForms final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void formsUseTahoma_data();
    void formsUseTahoma();
    void cleanupTestCase();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TFR_PLT_MAIN> m_form;
};

void TestDesignFontForms::initTestCase()
{
    bool onDisk = false;
    for (const QString &folder : DesignFont::folders())
        onDisk = onDisk || QFile::exists(folder + QStringLiteral("/tahoma.ttf"));
    if (!onDisk && !QFontDatabase::families().contains(DesignFont::Family))
        QSKIP("no Tahoma faces on this system (Debian: fonts-wine)");
    m_form = std::make_unique<TFR_PLT_MAIN>(m_dir.path());
    m_form->mnAddNoteClick();
    QCOMPARE(Application::instance()->formsOf<TFR_NOTE>().size(), 1);
}

void TestDesignFontForms::cleanupTestCase()
{
    Application::instance()->destroyForms();
    m_form.reset();
}

void TestDesignFontForms::formsUseTahoma_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QByteArray>("control");
    QTest::newRow("note title") << QStringLiteral("note") << QByteArray("pnTitlePanel");
    QTest::newRow("note text") << QStringLiteral("note") << QByteArray("reEdit");
    QTest::newRow("Settings label") << QStringLiteral("settings") << QByteArray("lbTtile");
    QTest::newRow("Settings check box") << QStringLiteral("settings") << QByteArray("cbAutoStart");
    QTest::newRow("About version") << QStringLiteral("about") << QByteArray("lbVersion");
    QTest::newRow("About name, bold") << QStringLiteral("about") << QByteArray("lbProgram");
}

void TestDesignFontForms::formsUseTahoma()
{
    QFETCH(QString, form);
    QFETCH(QByteArray, control);
    std::unique_ptr<QWidget> dialog;
    QWidget *owner = nullptr;
    if (form == QLatin1String("note")) {
        owner = Application::instance()->formsOf<TFR_NOTE>().first();
    } else if (form == QLatin1String("settings")) {
        dialog = std::make_unique<TFR_SETTINGS>(*m_form);
        owner = dialog.get();
    } else {
        dialog = std::make_unique<TFR_ABOUT>(*m_form);
        owner = dialog.get();
    }
    const QWidget *widget = child<QWidget>(*owner, control.constData());
    const QFontInfo shown(widget->font());
    QCOMPARE(shown.family(), DesignFont::Family);
    QCOMPARE(shown.bold(), widget->font().bold());
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    TestDesignFontForms test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_design_font_forms.moc"
