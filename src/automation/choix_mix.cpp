// The overlap and preload chosen from the length of the track on air, and the start and stop
// of a list run.
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"

using namespace Radio;

namespace {
int16_t plus(int16_t a, int b) { return rt::CInt(double(a) + b); }
}  // namespace

void Radio_FM::Choix_mix() {
    int16_t d = 0;
    if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3) d = rt::CInt(deck(lecteur_en_cours).duree.Caption());

    auto choisir = [this](int16_t recouvrement, int16_t avance) {
        superposition = recouvrement;
        Text1.setText(QString::number(recouvrement));
        prechargement_en_cours = avance;
    };
    // Bands tested in this order; their bounds overlap, the first that holds decides.
    if (d >= 0 && d <= 1)
        choisir(0, 0);
    else if (d >= 1 && d <= 3)
        choisir(Forcer_Mix_Jingles, 0);
    else if (d >= 3 && d <= 6)
        choisir(Forcer_Mix_Jingles, plus(Forcer_Mix_Jingles, 1));
    else if (d >= 6 && d <= valeur_max_jingles)
        choisir(Forcer_Mix_Jingles, plus(Forcer_Mix_Jingles, 3));
    else if (d > valeur_max_jingles) {
        if (lecture_liste_auto == Faux) coche4.setValue(1);
        choisir(Mix, Préchargement);
    }
    // The next entry is always prepared some seconds before the overlap starts.
    if (prechargement_en_cours <= superposition) prechargement_en_cours = plus(superposition, 3);
}

// Deck 1 starts the list with the entry in hand.
void Radio_FM::Start_liste() {
    decks::nouveau_graphe(lecteur1);
    try {
        if (chemin_lecteur1.isEmpty()) {
            update();
            return;
        }
        Command3.setEnabled(true);
        HLBSoftBttn1.setEnabled(true);
        lecteur_en_cours = 1;
        // No visual-effect component exists here: the start only records that one was wanted.
        if (effet_visuel != Faux) effet_visuel_demarre = Vrai;
        lecteur1.graphe.RenderFile(chemin_lecteur1);
        lecteur1.position.setCurrentPosition(enreg_destinataire.debut_lecture);
        A_lire_volume();
        // The first entry of a run ends where every later one does (their deck starts set the
        // same length): at its end point, or the pre-listen length. The list load shows the
        // whole track in the track-duration order, which made the first entry play past it.
        if (lecture_liste_auto == Vrai)
            if (const auto texte = decks::duree_de_liste(lecteur1.position.Duration())) deck(1).duree.setCaption(*texte);
        Choix_mix();
        lecteur1.graphe.Run();
        duree_fichier = lecteur1.position.Duration();
        format_heure();
        chemin_fichier_charge = coche2.Value() ? chemin_lecteur1 : chemin_entree_liste;
        nom_du_fich();
        Liste_son& l = Liste_son::instance();
        l.setCaption(nom_fichier_affiche);
        formate_nom();
        Label2.setCaption(nom_fichier_affiche + QStringLiteral(" - "));
        l.Label2.setCaption(nom_fichier_affiche);
        Timer5.setEnabled(true);
        if (decks::extension_video_arret(extension_fichier)) {
            lecteur1.video = lecteur1.graphe;
            lecteur1.video.setCaption(nom_fichier_affiche);
        }
        l.Label4.setCaption(duree_texte);
        if (jingle_auto_actif != Faux) {
            compteur_jingle_auto = 1;
            index_fin_jingle_auto = index_liste_en_cours;
        }
        if (new_auto_actif != Faux) {
            compteur_new_auto = 1;
            Timer9.setEnabled(true);
            index_fin_new_auto = index_liste_en_cours;
        }
        setCaption(Nom_radio_fm + QStringLiteral(" : ") + chemin_lecteur1);
        Label7.setCaption(decks::ligne_etat());
        const QString& cr = saut_ligne;
        ligne_journal = cr + QStringLiteral(" Démmarage lecture liste a ") + rt::Time() + cr +
                        QStringLiteral("Nb_de_fichier_écouté ") + QString::number(nb_fichiers_joues) + cr + rt::Time() +
                        QStringLiteral(" Lecture de ") + chemin_lecteur1;
        if (journal_actif != Faux) journal();
        ligne_journal.clear();
        Shape1.setVisible(true);
        Shape2.setVisible(false);
        Shape3.setVisible(false);
    } catch (const Erreur& e) {
        try {
            Liste_son& l = Liste_son::instance();
            l.Image1.setEnabled(true);
            l.Label2.setCaption(QStringLiteral("Non trouvé"));
            // The deck-mix switch hides the playlist window: it is shown after it, so that
            // "Non trouvé" stays in sight.
            coche2.setValue(true);
            l.Show();
            Timer2.setEnabled(false);
            const QString& cr = saut_ligne;
            ligne_journal = QStringLiteral("Recherche de fichier") + double_saut + QStringLiteral("Demarrage liste") + cr +
                            chemin_entree_liste + cr + e.description() +
                            QStringLiteral(" / format / lecture impossible  ") + cr + QStringLiteral("abandon lecture liste");
            err_form& f = err_form::instance();
            f.Label1.setCaption(ligne_journal);
            f.Show();
            chemin_entree_liste.clear();
        } catch (const Erreur&) {
        }
    }
}

// A deck loaded by hand from a quick-load menu ends a running list.
void Radio_FM::stoppe_list() {
    try {
        Image12.setPicture(Chemin_programme + QStringLiteral("bouton_noir_petitdoux.jpg"));
        Image13.setPicture(QString());
        coche2.setValue(true);
        ligne_journal += saut_ligne + QStringLiteral("Liste soppée a ") + rt::Time();
        if (journal_actif != Faux) journal();
        ligne_journal.clear();
        Label10.setCaption(QStringLiteral("Chargement rapide"));
    } catch (const Erreur&) {
    }
}

// Leaves the list run after a failure.
void Radio_FM::stoppe_liste() {
    Timer2.setEnabled(false);
    chemin_entree_liste.clear();
    for (int n = 1; n <= 3; ++n) deck(n).ouvrir.setEnabled(true);
    coche4.setValue(0);
    coche2.setValue(true);
    coche2.setEnabled(true);
    if (journal_actif != Faux) journal();
    ligne_journal.clear();
    Label5.setCaption(QStringLiteral("0"));
    Label7.setCaption(QStringLiteral("Play en attente"));
    Label10.setCaption(QStringLiteral("Chargement rapide"));
}
