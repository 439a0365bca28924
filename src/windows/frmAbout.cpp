#include "windows/frmAbout.h"

#include <QCloseEvent>
#include <QGridLayout>

#include "config/Radio.h"
#include "platform/boites.h"
#include "platform/lancement.h"
#include "platform/programme.h"

const QStringList frmAbout::OutilsInfosSysteme = {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                                  QStringLiteral("kinfocenter")};

frmAbout::frmAbout() {
    setWindowTitle(QStringLiteral("A propos"));
    cmdOK.setObjectName(QStringLiteral("cmdOK"));  // the theme colours it by name
    QFont titre = lblTitle.font();
    titre.setBold(true);
    titre.setPointSize(titre.pointSize() + 6);
    lblTitle.setFont(titre);
    lblDisclaimer.setWordWrap(true);
    lblDescription.setWordWrap(true);
    Label2.setCursor(Qt::PointingHandCursor);
    Image1.setLegende(QStringLiteral("Télécharger"));
    Image2.setLegende(QStringLiteral("Site web"));
    Image1.setCursor(Qt::PointingHandCursor);
    Image2.setCursor(Qt::PointingHandCursor);
    Image3.setPicture(programme::dossier() + QStringLiteral("Sonavel_V5.png"));
    Image3.setFixedSize(96, 96);
    Image1.setFixedSize(110, 28);
    Image2.setFixedSize(110, 28);
    Line1.setFrameShape(QFrame::HLine);

    auto* g = new QGridLayout(this);
    g->setContentsMargins(16, 14, 16, 14);
    g->addWidget(&Image3, 0, 0, 2, 1, Qt::AlignTop);
    g->addWidget(&lblTitle, 0, 1, 1, 2);
    g->addWidget(&lblDescription, 1, 1, 1, 2);
    g->addWidget(&Label1, 2, 1, 1, 2);
    g->addWidget(&Label2, 3, 1, 1, 2);
    g->addWidget(&Line1, 4, 0, 1, 3);
    g->addWidget(&lblDisclaimer, 5, 0, 1, 2);
    g->addWidget(&cmdOK, 5, 2);
    g->addWidget(&Image1, 6, 0);
    g->addWidget(&Image2, 6, 1, Qt::AlignLeft);
    g->addWidget(&cmdSysInfo, 6, 2);
    g->setColumnStretch(1, 1);

    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdSysInfo.Click = [this] { cmdSysInfo_Click(); };
    Image1.Click = [this] { Image1_Click(); };
    Image2.Click = [this] { Image2_Click(); };
    Label2.Click = [this] { Label2_Click(); };
    resize(520, 300);
}

void frmAbout::Form_Load() {
    const QString nom = programme::nom();
    setCaption(QStringLiteral("À propos de ") + nom);
    lblTitle.setCaption(nom);
    lblDescription.setCaption(QStringLiteral("Sonavel Lecteur / Mixeur jingles 3 pistes multimédia"));
    lblDisclaimer.setCaption(lblDisclaimer.Caption() + QStringLiteral("\n") + QStringLiteral("© ") +
                             QString::fromUtf8(Radio::Editeur) + QStringLiteral(". Tous droits réservés."));
    Label1.setCaption(QStringLiteral("Téléchargement des nouvelles versions : sonavel.example.org"));
    Label2.setCaption(QStringLiteral("Visitez le site de ") + nom + QStringLiteral(" : ") +
                      QString::fromLatin1(AdresseSite));
}

bool frmAbout::WebJump(const QString& adresse) { return lancement::ouvrir(adresse); }

void frmAbout::StartSysInfo() {
    if (lancement::demarrer_premier(OutilsInfosSysteme)) return;
    MsgBox(QStringLiteral("Les informations système ne sont pas disponibles actuellement"), 0);
}

void frmAbout::cmdOK_Click() { hide(); }
void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::Image1_Click() {
    hide();
    WebJump(QString::fromLatin1(AdresseTelechargement));
}

void frmAbout::Image2_Click() { WebJump(QString::fromLatin1(AdresseSite)); }
void frmAbout::Label2_Click() { WebJump(QString::fromLatin1(AdresseSite)); }

void frmAbout::closeEvent(QCloseEvent* e) {
    e->ignore();
    evenement::utilisateur([this] { cmdOK_Click(); });
}
