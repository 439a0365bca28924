// The list file behind the playlist window: the whole-list rewrite after every edit, the
// reload after a single-record write, and the two readers of one record.
#include <QDir>
#include <QIODevice>

#include "automation/avis.h"
#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "playlist/volume_liste.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"
#include "windows/liste.h"

using namespace Radio;

namespace {
// Makes row `index` the selected, visible one; a row that does not exist leaves the selection.
QTreeWidgetItem* selectionner(ListView& vue, int32_t index) {
    if (index < 1 || index > vue.ListCount()) return nullptr;
    QTreeWidgetItem* ligne = vue.ListItem(index);
    vue.EnsureVisible(ligne);
    vue.setSelectedItem(ligne);
    return ligne;
}

const QString& notice_volume_nul() {
    static const QString texte = QStringLiteral("le niveau son est nul") + QStringLiteral("\r") +
                                 QStringLiteral("vous devez si vous utilisez des listes") +
                                 QStringLiteral("\n\r\n\r") +
                                 QStringLiteral("créés avec une version anterieure de Sonavel") + QStringLiteral("\r") +
                                 QStringLiteral("Mettez a jour vos listes (voir menu clic droit)") + QStringLiteral("\r") +
                                 QStringLiteral("- Mettre a jour les infos de la liste -");
    return texte;
}
}  // namespace

void Liste_son::sauve_tout() {
    programme::aller_au_dossier();
    nom_fichier_liste = QString::fromLatin1(fichier_liste::NomDefaut);
    chemin_liste = nom_fichier_liste;
    Text2.setText(nom_fichier_liste);
    // Empty cells take their defaults in the view itself as the rows are written, and the
    // whole list replaces the file at once: the old file stays whole until the new one is
    // complete.
    const QString chemin = fichier_liste::chemin_complet(chemin_liste);
    bool completee = false;
    try {
        fichiers::reecrire_fichier(chemin, [this, &completee](QIODevice& d) {
            completee = true;
            fichier_liste::completer_et_ecrire(ListView1, d);
        });
        sauvegarde_en_echec = false;
    } catch (const Erreur& e) {
        // A file refused before any row was written: the view is completed all the same.
        if (!completee) fichier_liste::completer_cellules(ListView1);
        // Inside a tick of list play the failure is said once, in the notice window, until a
        // save succeeds again: play goes on from the view.
        const bool deja_dit = sauvegarde_en_echec && avis::dans_un_tic();
        sauvegarde_en_echec = true;
        if (!deja_dit) fichier_liste::signaler_ecriture(chemin, e);
    }
    // num_enreg_courant 0 stays 0: the entry on air left the list, nothing is to be written
    // into another one.
    element_courant = selectionner(ListView1, index_liste_en_cours);
    a_mettre_Enabled();
    setCaption(QStringLiteral("Fichier liste ( Modification : ") + chemin_liste + QStringLiteral(" )"));
}

bool Liste_son::liste_sauvegardee() {
    if (!sauvegarde_en_echec) return true;
    MsgBox(QStringLiteral("La liste n'a pas pu être enregistrée : cette commande relirait l'ancien fichier "
                          "et les lignes affichées seraient perdues.") +
               QStringLiteral("\r") + QStringLiteral("Enregistrez d'abord la liste (Enregistrer sous)."),
           boites::Exclamation);
    return false;
}

void Liste_son::charge_liste() {
    programme::aller_au_dossier();
    if (!liste_sauvegardee()) return;
    nom_fichier_liste = chemin_liste;
    if (chemin_liste.isEmpty()) return;
    try {
        const QByteArray contenu = fichier_liste::lire(chemin_liste);
        sauvegarde_en_echec = false;
        ListView1.Clear();
        Text2.setText(chemin_liste);
        fichier_liste::ajouter_lignes(ListView1, contenu);
        Supprimer_fichier.setCaption(QStringLiteral("Supprimer le fichier ") + chemin_liste);
        selectionner(ListView1, index_liste_en_cours);
        element_courant = nullptr;
    } catch (const Erreur& e) {
        element_courant = nullptr;
        fichier_liste::signaler(e);
    }
}

namespace {
// Row `numero` of the view as an entry: texts trimmed and the end in lower case, as a stored
// record reads. A row the view does not have is error 63.
TypeEnregListe entree_de_la_vue(const ListView& vue, int32_t numero) {
    if (numero < 1 || numero > vue.ListCount()) throw Erreur(err::NumeroEnregistrement);
    return fichier_liste::entree_lue(fichier_liste::entree_de_ligne(vue.ListItem(numero)));
}
}  // namespace

void Liste_son::lire_enreg_destinataire() {
    if (num_enreg_destinataire == 0) num_enreg_destinataire = 1;
    enreg_destinataire = entree_de_la_vue(ListView1, num_enreg_destinataire);
    const int16_t stocke = enreg_destinataire.volume;
    if (volume_nul_signale != Vrai && stocke == 0) {
        volume_nul_signale = Vrai;
        if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3) {
            Radio_FM& f = Radio_FM::instance();
            for (::Slider* c : {&f.Slider, &f.Slider1, &f.Slider2}) c->setValue(0);
        }
        err_form& notice = err_form::instance();
        notice.Label1.setCaption(notice_volume_nul());
        notice.show();
    }
    enreg_destinataire.volume = volume_liste::niveau_du_pourcent(stocke);
    nom_fichier_affiche = chemins::nom_fichier(enreg_destinataire.chemin);

    if (info_entree_a_afficher == Vrai) {
        liste::instance().afficher_entree(stocke);
        info_entree_a_afficher = Faux;
    }
}

void Liste_son::lire_enreg_dragdrop() {
    enreg_dragdrop = entree_de_la_vue(ListView1, num_enreg_survol);
    enreg_dragdrop.debut_lecture = rt::CDbl(rt::format_nombre(enreg_dragdrop.debut_lecture));
}

void Liste_son::convertir_valeur_son_ecriture() {
    enreg_destinataire.volume = volume_liste::pourcent_du_niveau(enreg_destinataire.volume);
}
