// Quick listen: the selected file plays on deck 1 of the main window, with stop and next.
#include "config/etat.h"
#include "filemanager/commun.h"
#include "platform/boites.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"

using namespace Radio;

namespace {
QString ligne_etat_ecoute() { return QStringLiteral("- - ") + Nom_radio_fm + QStringLiteral(" - -"); }
}  // namespace

void ajout_fichier::Command2_Click() { HLBSoftBttn1_Click(); }

void ajout_fichier::HLBSoftBttn1_Click() {
    try {
        Radio_FM& r = Radio_FM::instance();
        // The list sequencer must not take deck 1 back.
        r.Timer1.setEnabled(false);
        lecture_gestionnaire = Vrai;
        const QString nom = File1.FileName();
        chemin_lecteur1 = dossier_courant() + nom;
        if (nom.isEmpty()) return;
        lecteur_en_cours = 0;
        r.charge_();
        r.Start_liste();
        r.setCaption(QStringLiteral("En cours sur ") + Nom_radio_fm + QStringLiteral(" : ") + chemin_lecteur1);
        r.Label7.setCaption(ligne_etat_ecoute());
        nom_fichier_affiche = nom;
        r.formate_nom();
        r.Label2.setCaption(nom_fichier_affiche + QStringLiteral(" - "));
        r.update();
        HLBSoftBttn1.setEnabled(false);
        HLBSoftBttn2.setEnabled(true);
        r.Timer2.setInterval(Valeur_vitesse_timer);
        lecteur_en_cours = 1;
    } catch (const Erreur& e) {
        MsgBox(programme::nom() + QLatin1Char(' ') + e.description() + QStringLiteral(" N° ") + QString::number(e.numero()),
               boites::Critique);
    }
}

void ajout_fichier::HLBSoftBttn2_Click() {
    try {
        if (File1.FileName().isEmpty()) {
            update();
            return;
        }
        // Deck 1 keeps the full path of what it plays, so its own play button still works.
        if (chemin_lecteur1.isEmpty()) chemin_lecteur1 = dossier_courant() + File1.FileName();
        lecteur_en_cours = 0;
        Radio_FM& r = Radio_FM::instance();
        r.HLBSoftBttn9_Click();
        r.setCaption(Nom_radio_fm);
        r.Label7.setCaption(ligne_etat_ecoute());
        HLBSoftBttn1.setEnabled(true);
        HLBSoftBttn2.setEnabled(false);
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Critique);
    }
}

void ajout_fichier::HLBSoftBttn3_Click() {
    HLBSoftBttn2_Click();
    // An empty folder has no next file.
    if (File1.ListCount() == 0) return;
    try {
        if (File1.ListIndex() == File1.ListCount() - 1) File1.setListIndex(-1);
        selectionner(File1.ListIndex() + 1);
    } catch (const Erreur&) {
        return;
    }
    HLBSoftBttn1_Click();
}
