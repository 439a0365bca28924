#include "windows/infoplus.h"

#include <QGridLayout>

#include "config/Radio.h"
#include "platform/boites.h"
#include "platform/lancement.h"
#include "platform/programme.h"
#include "windows/frmAbout.h"

infoplus::infoplus() {
    setWindowTitle(QStringLiteral("sonavel.example.org - ") + QString::fromLatin1(frmAbout::AdresseCourriel));
    Label1.setCaption(QString::fromLatin1(frmAbout::AdresseCourriel));
    for (Label* l : {&Label4, &Label3, &Label1}) l->setCursor(Qt::PointingHandCursor);
    Image1.setPicture(programme::dossier() + QStringLiteral("Sonavel_V5.png"));
    Image1.setLegende(QStringLiteral("sonavel.example.org"));
    Image1.setFixedSize(96, 96);
    Image1.setCursor(Qt::PointingHandCursor);
    Text2.hide();  // kept for its name; it has no role
    QFont gras = Label2.font();
    gras.setBold(true);
    Label2.setFont(gras);

    auto* g = new QGridLayout(this);
    g->setContentsMargins(16, 14, 16, 14);
    g->addWidget(&Image1, 0, 0, 4, 1, Qt::AlignTop);
    g->addWidget(&Label2, 0, 1);
    g->addWidget(&Label4, 1, 1);
    g->addWidget(&Label3, 2, 1);
    g->addWidget(&Label1, 3, 1);
    g->setColumnStretch(1, 1);

    Image1.Click = [this] { Image1_Click(); };
    Label1.Click = [this] { Label1_Click(); };
    Label2.Click = [this] { Label2_Click(); };
    Label3.Click = [this] { Label3_Click(); };
    Label3.MouseMove = [this](int, int, float, float) { Label3_MouseMove(); };
    Label4.Click = [this] { Label4_Click(); };
    resize(420, 170);
}

void infoplus::Form_Load() {
    Label2.setCaption(programme::nom() + QStringLiteral(" - Version : ") + QString::number(Radio::VersionMajeure) +
                      QStringLiteral(".") + QString::number(Radio::VersionMineure) + QStringLiteral(".") +
                      QString::number(Radio::VersionRevision));
}

bool infoplus::WebJump(const QString& adresse) { return lancement::ouvrir(adresse); }

void infoplus::Label1_Click() { WebJump(QStringLiteral("mailto:") + Label1.Caption()); }
void infoplus::Label2_Click() {}

void infoplus::Image1_Click() {
    hide();
    WebJump(QString::fromLatin1(frmAbout::AdresseSite));
}

void infoplus::Label3_Click() {
    hide();
    WebJump(QString::fromLatin1(frmAbout::AdresseTelechargement));
}

void infoplus::Label3_MouseMove() { Label3.setToolTip(QStringLiteral("Mise a jour de ") + programme::nom()); }

void infoplus::Label4_Click() {
    // The program has no ".exe" here: the file to download is the program itself.
    MsgBox(QStringLiteral("Info mise a jour") + QStringLiteral("\n\r\n\r") +
               QStringLiteral("1° télecharger la derniere version de ") + programme::nom() + QStringLiteral("\r") +
               QStringLiteral("Site de téléchargement : ") + QString::fromLatin1(frmAbout::AdresseTelechargement) +
               QStringLiteral("\r") + QStringLiteral("Rechercher le dossier d'installation : ") + programme::dossier() +
               QStringLiteral("\r") + QStringLiteral("2°Ecraser ou remplacer l'ancienne version exécutable"),
           boites::Information);
}
