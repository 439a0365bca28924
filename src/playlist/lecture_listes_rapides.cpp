// The main window's own access to list files: the quick-load lists (favourites and jingles)
// and the reading of the entry chosen in them.
#include <QFileInfo>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/enregistrements.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/volume_liste.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::lire() {
    programme::aller_au_dossier();
    try {
        if (num_enreg_destinataire == 0) num_enreg_destinataire = 1;
        FichierEnregistrements liste(chemin_liste_lire, enreg_liste::Longueur, FichierEnregistrements::Acces::Lecture);
        const TypeEnregListe stocke = enreg_liste::decoder(liste.lire(num_enreg_destinataire));
        liste.fermer();
        // Field by field: a field that cannot be converted leaves the rest as they were.
        enreg_destinataire.chemin = rt::Trim(stocke.chemin);
        enreg_destinataire.fin_lecture = QString::number(rt::CInt(rt::Trim(stocke.fin_lecture)));
        enreg_destinataire.genre = rt::Trim(stocke.genre);
        enreg_destinataire.volume = volume_liste::niveau_du_pourcent(stocke.volume);
        enreg_destinataire.debut_lecture = stocke.debut_lecture;
        enreg_destinataire.duree_piste = stocke.duree_piste;
    } catch (const Erreur&) {
    }
}

void Radio_FM::Charge_combo() {
    programme::aller_au_dossier();
    QString chemin;
    if (choix_combo == 3) {
        chemin = Load_combo1;
    } else if (choix_combo == 4) {
        chemin = Load_combo2;
    } else {
        Dialogue1.InitDir = Chemin_programme;
        Dialogue1.DialogTitle = QStringLiteral("Charger un fichier (.dfm)");
        Dialogue1.FileName = QStringLiteral("*.dfm");
        Dialogue1.Filter = QStringLiteral("fichier (*.dfm)|*.dfm");
        Dialogue1.FilterIndex = 1;
        Dialogue1.CancelError = false;
        // A cancelled dialog is no choice: the list shown stays.
        if (Dialogue1.ShowOpen()) chemin = Dialogue1.FileName;
    }
    if (chemin.isEmpty()) {
        update();
        return;
    }
    const bool favoris = choix_combo == 1 || choix_combo == 3;
    const bool jingles = choix_combo == 2 || choix_combo == 4;
    if (choix_combo == 1) Combo1.Clear();
    if (choix_combo == 2) Combo2.Clear();
    try {
        // Read only, like the saved searches: a protected list loads, and a list gone from its
        // folder gives an empty box and is not made again.
        if (QFileInfo::exists(chemin)) {
            FichierEnregistrements liste(chemin, enreg_liste::Longueur, FichierEnregistrements::Acces::Lecture);
            const int nombre = liste.nombre();
            for (int i = 1; i <= nombre; ++i) {
                const TypeEnregListe e = enreg_liste::decoder(liste.lire(i));
                chemin_fichier_charge = e.chemin;
                nom_du_fich();
                if (favoris) Combo1.AddItem(rt::Trim(nom_fichier_affiche));
                if (jingles) Combo2.AddItem(rt::Trim(e.duree_piste + QStringLiteral(" - ") + nom_fichier_affiche));
            }
            liste.fermer();
        }
        if (choix_combo == 1) {
            ecrire_reglage(cle::Config, cle::Load_combo1, chemin);
            Load_combo1 = chemin;
        } else if (choix_combo == 2) {
            ecrire_reglage(cle::Config, cle::Load_combo2, chemin);
            Load_combo2 = chemin;
        }
        active_text_combo();
    } catch (const Erreur&) {
        MsgBox(QStringLiteral("Erreur chargement liste"), boites::Information);
    }
}

void Radio_FM::active_text_combo() {
    Combo1.setText(QStringLiteral("Favoris ") + Nom_radio_fm);
    Combo2.setText(QStringLiteral("Jingles ") + Nom_radio_fm);
}
