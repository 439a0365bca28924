#pragma once
// The about box: the program's name, description and credits, two pages of its web site,
// and the system-information tool. Closing it only hides it; its captions are filled once.
#include <QFrame>

#include "platform/controles.h"
#include "platform/form.h"
#include "platform/images.h"

class frmAbout : public FormInstance<frmAbout> {
public:
    frmAbout();
    void Form_Load() override;

    Label lblTitle{this, QStringLiteral("Titre de l'application")};
    Label lblDescription{this, QStringLiteral("Description de l'application")};
    Label lblDisclaimer{this, QStringLiteral("Conception / développement - L'équipe Sonavel")};
    Label Label1{this, QStringLiteral("----------")};
    Label Label2{this};
    CommandButton cmdOK{this, QStringLiteral("OK")};
    CommandButton cmdSysInfo{this, QStringLiteral("&Infos système...")};
    Image Image1{this};  // download page
    Image Image2{this};  // the site
    Image Image3{this};  // the program's picture
    QFrame Line1{this};

    // The program's web pages and its author's address (also used by the web-information
    // box and the help command).
    static constexpr const char* AdresseSite = "https://sonavel.example.org";
    static constexpr const char* AdresseTelechargement = "https://sonavel.example.org/telechargement";
    static constexpr const char* AdresseCourriel = "contact@sonavel.example.org";
    // The desktop's system-information tools, tried in this order.
    static const QStringList OutilsInfosSysteme;

    // Opens a web address or a document in the desktop's application; failures are silent.
    bool WebJump(const QString& adresse);
    void StartSysInfo();

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Image1_Click();
    void Image2_Click();
    void Label2_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
};
