#pragma once

#include "dialogs/fixed_dialog.h"

class ClickLabel;
class NoteHost;
class QFrame;
class QLabel;
class QPushButton;

// FR_ABOUT: the program's icon, name, version and copyright, and links to
// the maker's web site and mail address. Modal, one per opening, and it
// destroys itself when closed.
class TFR_ABOUT final : public FixedDialog
{
    Q_OBJECT
public:
    // The version shown is that of `host`'s settings.
    explicit TFR_ABOUT(NoteHost &host, QWidget *parent = nullptr);

    // The maker's addresses, as the links show and open them.
    static QString webSite();
    static QString mailAddress();

private:
    QWidget *Panel1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *lbProgram = nullptr;
    QLabel *lbVersion = nullptr;
    QLabel *lbCopyright = nullptr;
    QFrame *bvLine = nullptr;
    ClickLabel *lbWebSite = nullptr;
    ClickLabel *lbMail = nullptr;
    QPushButton *btOK = nullptr;

private Q_SLOTS:
    void btOKClick();
    void lbWebSiteClick();
    void lbMailClick();
};
