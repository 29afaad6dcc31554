#include "main_form_fixture.h"

#include "dialogs/about_dialog.h"
#include "dialogs/click_label.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

// Stands in for the web browser and the mail program.
class UrlRecorder final : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls << url; }
};

class TestAboutDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void hasTheLayout();
    void showsTheMainFormsVersion_data();
    void showsTheMainFormsVersion();
    void showsTheVersionOfTheHostItIsGiven();
    void linksOpenBrowserAndMailAndLeaveItOpen();
    void closesAndDestroysItself_data();
    void closesAndDestroysItself();
    void trayMenuOpensAFreshModalDialog();

private:
    std::unique_ptr<MainFormFixture> m_fixture;
    QPointer<TFR_ABOUT> m_dialog;
    UrlRecorder m_recorder;
};

void TestAboutDialog::init()
{
    m_fixture = std::make_unique<MainFormFixture>();
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &m_recorder, "open");
    m_recorder.urls.clear();
}

void TestAboutDialog::cleanup()
{
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    delete m_dialog.data();
    m_fixture.reset();
}

void TestAboutDialog::hasTheLayout()
{
    m_dialog = new TFR_ABOUT(m_fixture->form());
    TFR_ABOUT *d = m_dialog;
    d->show();
    QCOMPARE(d->windowTitle(), QStringLiteral("About"));
    QCOMPARE(d->size(), QSize(406, 249));
    QCOMPARE(d->minimumSize(), d->maximumSize());
    const Qt::WindowFlags flags = d->windowFlags();
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(child<QWidget>(d, "Panel1")->geometry(), QRect(0, 0, 406, 209));
    QCOMPARE(child<QWidget>(d, "Panel1")->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(child<QWidget>(d, "Panel1")->autoFillBackground());
    QCOMPARE(child<QLabel>(d, "Image1")->pixmap().size(), QSize(32, 32));
    QCOMPARE(child<QLabel>(d, "lbProgram")->text(), QStringLiteral("Paperlet"));
    QVERIFY(child<QLabel>(d, "lbProgram")->font().bold());
    QVERIFY(child<QLabel>(d, "lbCopyright")->text().startsWith(QStringLiteral("Copyright")));
    QCOMPARE(child<QFrame>(d, "bvLine")->frameShape(), QFrame::HLine);
    QCOMPARE(child<QPushButton>(d, "btOK")->text(), QStringLiteral("OK"));
    QCOMPARE(child<QPushButton>(d, "btOK")->geometry(), QRect(167, 215, 75, 25));
    QVERIFY(TFR_ABOUT::webSite().startsWith(QStringLiteral("http")));
    QVERIFY(TFR_ABOUT::mailAddress().contains(u'@'));
    QCOMPARE(child<ClickLabel>(d, "lbWebSite")->text(), TFR_ABOUT::webSite());
    QCOMPARE(child<ClickLabel>(d, "lbMail")->text(), TFR_ABOUT::mailAddress());
    for (const ClickLabel *link : {child<ClickLabel>(d, "lbWebSite"), child<ClickLabel>(d, "lbMail")}) {
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(link->font().underline());
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }
}

void TestAboutDialog::showsTheMainFormsVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("line");
    QTest::newRow("1.1") << "1.1" << "Version 1.1";
    QTest::newRow("any text") << "2.0 beta" << "Version 2.0 beta";
    QTest::newRow("empty") << "" << "Version ";
}

void TestAboutDialog::showsTheMainFormsVersion()
{
    QFETCH(QString, version);
    QFETCH(QString, line);
    m_fixture->form().settings().Version = version;
    m_dialog = new TFR_ABOUT(m_fixture->form());
    QCOMPARE(child<QLabel>(m_dialog, "lbVersion")->text(), line);
}

void TestAboutDialog::showsTheVersionOfTheHostItIsGiven()
{
    StandInHost other;
    other.settings().Version = QStringLiteral("9.9");
    m_dialog = new TFR_ABOUT(m_fixture->form());
    QCOMPARE(child<QLabel>(m_dialog, "lbVersion")->text(), QStringLiteral("Version 1.1"));
    delete m_dialog.data();
    m_dialog = new TFR_ABOUT(other);
    QCOMPARE(child<QLabel>(m_dialog, "lbVersion")->text(), QStringLiteral("Version 9.9"));
}

void TestAboutDialog::linksOpenBrowserAndMailAndLeaveItOpen()
{
    m_dialog = new TFR_ABOUT(m_fixture->form());
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    QTest::mouseClick(child<ClickLabel>(m_dialog, "lbWebSite"), Qt::LeftButton);
    QTest::mouseClick(child<ClickLabel>(m_dialog, "lbMail"), Qt::LeftButton);
    QTest::mouseClick(child<ClickLabel>(m_dialog, "lbWebSite"), Qt::LeftButton);
    QCOMPARE(m_recorder.urls,
             QList<QUrl>({QUrl(TFR_ABOUT::webSite()), QUrl(QStringLiteral("mailto:") + TFR_ABOUT::mailAddress()),
                          QUrl(TFR_ABOUT::webSite())}));
    QVERIFY(m_dialog->isVisible());
}

void TestAboutDialog::closesAndDestroysItself_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("OK") << false;
    QTest::newRow("close box") << true;
}

void TestAboutDialog::closesAndDestroysItself()
{
    QFETCH(bool, closeBox);
    m_dialog = new TFR_ABOUT(m_fixture->form());
    m_dialog->show();
    if (closeBox)
        m_dialog->close();
    else
        QTest::mouseClick(child<QPushButton>(m_dialog, "btOK"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_dialog.isNull());
}

void TestAboutDialog::trayMenuOpensAFreshModalDialog()
{
    QPointer<TFR_ABOUT> opened;
    QString version;
    whenModalOpens([&](QWidget *modal) {
        opened = qobject_cast<TFR_ABOUT *>(modal);
        if (!opened) {
            modal->close();
            return;
        }
        version = child<QLabel>(opened, "lbVersion")->text();
        QTest::mouseClick(child<QPushButton>(opened, "btOK"), Qt::LeftButton);
    });
    child<QAction>(&m_fixture->form(), "mnAbout")->trigger();
    QCOMPARE(version, QStringLiteral("Version 1.1"));
    QVERIFY(opened.isNull());
    QVERIFY(Application::instance()->formsOf<TFR_ABOUT>().isEmpty());
}

PAPERLET_DIALOG_TEST_MAIN(TestAboutDialog)
#include "tst_about_dialog.moc"
