// The file manager's action panel: validation of the tool modes and the existence check.
#include "config/etat.h"
#include "filemanager/commun.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/programme.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"

using namespace Radio;

void ajout_fichier::Label8_Click() {
    liberer_du_dessus();
    const QString choisi = dossier_courant();
    const QString mode = Caption();
    if (mode == QStringLiteral("Définir chemin des jingles")) {
        Chemin_dossier_jingles = choisi;
        Radio_FM::instance().A_def_jingles.setCaption(QStringLiteral("Définir le chemin des jingles : ") +
                                                     Chemin_dossier_jingles);
        hide();
    } else if (mode == QStringLiteral("Définir chemin du dossier Musique")) {
        Chemin_dernier_fichier = choisi;
        Radio_FM::instance().A_def_musique.setCaption(QStringLiteral("Définir le chemin du dossier Musique :") +
                                                     Chemin_dernier_fichier);
        hide();
    } else if (mode == QStringLiteral("Définir chemin de l'editeur audio")) {
        Chemin_editeur_audio = choisi + File1.FileName();
        Radio_FM::instance().a_editeur_audio.setCaption(QStringLiteral("Définir le chemin de l'editeur audio (wav) :") +
                                                       Chemin_editeur_audio);
        hide();
    } else {
        const int reponse =
            MsgBox(QStringLiteral("Activation d'écoute rapide de fichier") + gestionnaire::saut_paragraphe +
                       QStringLiteral("Si une liste ou un lecteur est en cours de lecture ") + gestionnaire::retour_ligne +
                       QStringLiteral("Vous allez  la ou le stopper !"),
                   boites::OuiNon + boites::Exclamation + boites::DeuxiemeBouton, programme::nom());
        if (reponse != boites::Oui) {
            garder_au_dessus();
            return;
        }
        setCaption(QStringLiteral("Ecoute rapide de fichier"));
        lecture_gestionnaire = Vrai;
        Radio_FM& r = Radio_FM::instance();
        r.HLBSoftBttn9_Click();
        r.HLBSoftBttn10_Click();
        r.HLBSoftBttn11_Click();
        Label8.setEnabled(false);
        for (QWidget* b : std::initializer_list<QWidget*>{&HLBSoftBttn1, &HLBSoftBttn2, &HLBSoftBttn3, &Command2})
            b->setEnabled(true);
        Label7.setEnabled(false);
        Label7.setCaption(QStringLiteral("Ajouter un fichier"));
    }
}

void ajout_fichier::Controle_existence() {
    ListView& vue = Liste_son::instance().ListView1;
    // An empty list holds nothing: never a stale "oui" from an earlier check.
    fichier_present = QStringLiteral("non");
    const int n = vue.ListCount();
    if (n == 0) return;
    const QString nom = rt::Trim(File1.FileName()).toLower();
    for (int i = 1; i <= n; ++i) {
        QTreeWidgetItem* ligne = vue.ListItem(i);
        vue.setSelectedItem(ligne);
        if (!nom.isEmpty() && ligne->text(0).toLower().contains(nom)) {
            vue.EnsureVisible(ligne);
            fichier_present = QStringLiteral("oui");
            return;
        }
    }
    vue.EnsureVisible(vue.ListItem(n));
}

void ajout_fichier::A_active_Click() {
    A_jouter.setEnabled(true);
    Label7.setCaption(QStringLiteral("Ajouter un fichier"));
    Label8.setEnabled(true);
}

void ajout_fichier::A_jouter_Click() {
    // The rows go into the playlist: it shows, so the user sees them arrive.
    Liste_son& liste = Liste_son::instance();
    if (!liste.isVisible()) liste.show();
    Label7_Click();
}
