// Playing the list from the playlist window: the selected row goes to deck 1 and starts the
// run in list mix, with the sequencer and the chaining on.
#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/liste.h"

using namespace Radio;

void Liste_son::Image1_Click() {
    Radio_FM& f = Radio_FM::instance();
    try {
        for (int n = 1; n <= 3; ++n)
            if (f.deck(n).barre.Value() > 0) return;
        f.coche3.setValue(true);
        f.Image12.setPicture(QString());
        f.Image13.setPicture(Chemin_programme + QStringLiteral("bouton_noir_petitdoux.jpg"));
        // With no row selected (a list named on the command line, Play before any click) the
        // run starts from the first row, and that row is the one on air, not a row 0.
        QTreeWidgetItem* choisie = ListView1.SelectedItem();
        if (!choisie && ListView1.ListCount() > 0) {
            choisie = ListView1.ListItem(1);
            ListView1.setSelectedItem(choisie);
        }
        index_liste_en_cours = ListView1.Index(choisie);
        num_enreg_destinataire = index_liste_en_cours;
        liste& h = liste::instance();
        h.Label2.setCaption(QStringLiteral("Dans fichier ") + chemin_liste);
        // A list never saved is saved under a name first.
        if (chemin_liste.isEmpty()) {
            Label8_Click();
            return;
        }
        Image3.setEnabled(true);
        Image2.setEnabled(true);
        Image1.setEnabled(false);
        lire_enreg_destinataire();
        // The entry on air from now on: a zap's cut or a kept volume goes to this record.
        if (ecoute_en_cours == Faux) num_enreg_courant = index_liste_en_cours;
        chemin_entree_liste = rt::Trim(enreg_destinataire.chemin);
        f.Text2.setText(chemin_entree_liste);
        dernier_chemin_liste = chemin_entree_liste;
        h.Text1.setText(QString::number(index_liste_en_cours));
        f.charge_1_list();
        f.Timer2.setEnabled(false);
        f.Timer1.setEnabled(true);
        f.Timer4.setEnabled(true);
        lect_liste();
    } catch (const Erreur&) {
        Image1.setEnabled(true);
    }
}

void Liste_son::lect_liste() {
    Radio_FM& f = Radio_FM::instance();
    try {
        if (chemin_lecteur1.isEmpty()) return;
        f.HLBSoftBttn1.setEnabled(true);
        f.coche3.setValue(true);
        lecteur_en_cours = 1;
        f.Start_liste();
    } catch (const Erreur& e) {
        MsgBox(e.description() + QStringLiteral(" Module liste : lect_liste"), boites::Exclamation);
    }
}
