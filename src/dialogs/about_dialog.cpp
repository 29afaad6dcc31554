#include "dialogs/about_dialog.h"

#include "core/note_host.h"
#include "dialogs/click_label.h"
#include "framework/guarded.h"
#include "theme/tray_images.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

const char *const Copyright = QT_TRANSLATE_NOOP("TFR_ABOUT", "Copyright © 2024 The Paperlet developers");

} // namespace

TFR_ABOUT::TFR_ABOUT(NoteHost &host, QWidget *parent)
    : FixedDialog(tr("About"), QSize(406, 249), parent)
{
    setObjectName(QStringLiteral("FR_ABOUT"));

    Panel1 = new QWidget(this);
    Panel1->setGeometry(0, 0, 406, 209);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);

    Image1 = new QLabel(Panel1);
    Image1->setGeometry(8, 14, 32, 32);
    Image1->setPixmap(TrayImages::icon(TrayImages::Note).pixmap(32, 32));
    Image1->setAccessibleName(tr("Paperlet"));

    lbProgram = addLabel(tr("Paperlet"), Panel1, 46, 25);
    QFont bold = lbProgram->font();
    bold.setBold(true);
    lbProgram->setFont(bold);
    lbProgram->adjustSize();
    lbVersion = addLabel(tr("Version %1").arg(host.settings().Version), Panel1, 47, 52);
    lbCopyright = addLabel(tr(Copyright), Panel1, 47, 71);

    // An etched line along the bottom edge of its 392 x 9 box.
    bvLine = new QFrame(Panel1);
    bvLine->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bvLine->setGeometry(9, 104 + 9 - 2, 392, 2);

    lbWebSite = new ClickLabel(webSite(), Panel1);
    lbWebSite->move(8, 127);
    lbWebSite->adjustSize();
    lbMail = new ClickLabel(mailAddress(), Panel1);
    lbMail->move(8, 162);
    lbMail->adjustSize();

    btOK = new QPushButton(tr("OK"), this);
    btOK->setGeometry(167, 215, 75, 25);
    btOK->setFocus();

    nameControls({{Panel1, "Panel1"}, {Image1, "Image1"}, {lbProgram, "lbProgram"}, {lbVersion, "lbVersion"},
                  {lbCopyright, "lbCopyright"}, {bvLine, "bvLine"}, {lbWebSite, "lbWebSite"}, {lbMail, "lbMail"},
                  {btOK, "btOK"}});

    connect(btOK, &QPushButton::clicked, this, guarded(this, &TFR_ABOUT::btOKClick));
    connect(lbWebSite, &ClickLabel::clicked, this, guarded(this, &TFR_ABOUT::lbWebSiteClick));
    connect(lbMail, &ClickLabel::clicked, this, guarded(this, &TFR_ABOUT::lbMailClick));
}

QString TFR_ABOUT::webSite()
{
    return QStringLiteral(PAPERLET_WEB_SITE);
}

QString TFR_ABOUT::mailAddress()
{
    return QStringLiteral(PAPERLET_MAIL);
}

void TFR_ABOUT::btOKClick()
{
    accept();
}

void TFR_ABOUT::lbWebSiteClick()
{
    // Whether a browser opened is not looked at, as with any link.
    QDesktopServices::openUrl(QUrl(webSite()));
}

void TFR_ABOUT::lbMailClick()
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(mailAddress());
    QDesktopServices::openUrl(url);
}
