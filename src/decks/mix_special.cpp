// The special mix plays a deck's file over the deck on air (a jingle over a song): the deck on
// air is lowered by a few steps until the supervision tick sees the jingle end. Also the two
// small procedures the open buttons run when a file is opened by hand.
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/conversions.h"
#include "platform/boites.h"
#include "platform/erreur.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
const QString AucunFichier = QStringLiteral("(Aucun fichier en cours)");
// The function key of each deck's special mix, as its tooltip names it.
const char* const Touche[] = {"F8", "F9", "F11"};
}  // namespace

void Radio_FM::HLBSoftBttn8_Click() { lancer_mix_special(1); }
void Radio_FM::HLBSoftBttn6_Click() { lancer_mix_special(2); }
void Radio_FM::HLBSoftBttn7_Click() { lancer_mix_special(3); }
void Radio_FM::HLBSoftBttn8_info_bulle() { info_bulle_mix_special(1); }
void Radio_FM::HLBSoftBttn6_info_bulle() { info_bulle_mix_special(2); }
void Radio_FM::HLBSoftBttn7_info_bulle() { info_bulle_mix_special(3); }

void Radio_FM::lancer_mix_special(int k) {
    // The deck on air cannot be mixed over itself.
    if (lecteur_en_cours == k) return;
    ControlesLecteur d = deck(k);
    // A jingle started again while it sounds keeps the level it lowered: saved again, the
    // lowered level would be the one restored after it.
    const bool relance = mix_special_sonore(k);
    decks::nouveau_graphe(d.lecteur);
    try {
        if (d.chemin.isEmpty()) {
            d.titre.setCaption(AucunFichier);
            return;
        }
        if (k == 1) HLBSoftBttn12.setEnabled(true);
        if (k == 3) lecture_gestionnaire = Faux;
        d.lecteur.graphe.RenderFile(d.chemin);
        const QString secondes = QString::number(decks::secondes_entieres(d.lecteur.position.Duration()));
        d.duree.setCaption(secondes);
        if (!relance) vol_pour_mix_spc();
        lecteur_superpose = int16_t(k);
        d.lecteur.graphe.Run();
        d.barre.setCaption(QStringLiteral("Mixage spécial en cours (") + secondes + QStringLiteral(" S)"));
        Active_audio_jingles.setChecked(true);
        ecoute_en_cours = Faux;
        setCaption(Nom_radio_fm + QStringLiteral(" : ") + d.chemin);
        Label7.setCaption(decks::ligne_etat());
        drapeau_mix_special(k) = 1;
        d.mix_special.setEnabled(false);
    } catch (const Erreur&) {
        d.titre.setCaption(AucunFichier);
        d.zap.setEnabled(false);
    }
}

void Radio_FM::info_bulle_mix_special(int k) {
    ControlesLecteur d = deck(k);
    d.mix_special.setToolTip(QStringLiteral("Mixage spécial sur lecteur en cours (") + QLatin1String(Touche[k - 1]) +
                             QStringLiteral(") avec : ") + d.chemin);
}

void Radio_FM::manuel_mix() {
    try {
        Image13.setPicture(QString());
        Image12.setPicture(Chemin_programme + QStringLiteral("bouton_noir_petitdoux.jpg"));
        Timer1.setEnabled(false);
        coche4.setValue(0);
    } catch (const Erreur& e) {
        MsgBox(e.description());
    }
}

// Leaves only the zap and play buttons of the deck on air enabled (all of them with none).
void Radio_FM::select_bouton() {
    const int n = lecteur_en_cours;
    if (n < 0 || n > 3) return;
    for (int i = 1; i <= 3; ++i) {
        const bool actif = n == 0 || n == i;
        deck(i).zap.setEnabled(actif);
        deck(i).lire.setEnabled(actif);
    }
}

void Radio_FM::choix_mix_volume() {}
