// The play orders of the playlist window: continuous play by the decks (Option1), or the list
// driven by the sequencer and the list chaining at random (Option2), to each entry's defined
// end (Option3) or to its duration (Option4). Each switches the timers, modes, menus, the
// automatic insertions and the history window's panel, and writes a journal line.
#include "config/etat.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/liste.h"

using namespace Radio;

namespace {
const QString BoutonPresse = QStringLiteral("bouton_noir_petitdoux.jpg");

void journal_ordre(Liste_son& l, const QString& texte) {
    l.ligne_journal = rt::Date() + QStringLiteral(" - ") + rt::Time() + QStringLiteral("\r") + texte;
    if (journal_actif != Faux) l.journal();
    l.ligne_journal.clear();
}

// Insertion off on both sides; their timers stop at their next tick.
void sans_insertion(Liste_son& l) {
    if (jingle_auto_actif == Vrai) {
        jingle_auto_actif = Faux;
        l.Label14.setCaption(QStringLiteral("Jingle auto / Off"));
    }
    if (new_auto_actif == Vrai) {
        new_auto_actif = Faux;
        l.Label15.setCaption(QStringLiteral("New auto / Off"));
    }
}

QString secondes_texte(const QString& texte) { return QString::number(rt::CInt(rt::CDbl(texte))); }

// The list orders: 2 random, 3 defined end (pre-listen rule), 4 track duration.
void ordre_de_liste(int option) {
    Radio_FM& f = Radio_FM::instance();
    Liste_son& l = Liste_son::instance();
    try {
        ordre_aleatoire = option == 2 ? Vrai : Faux;
        if (option == 2) {
            f.A_ordre_aléatoire.setChecked(true);
            f.A_ordre_continue.setChecked(false);
        }
        l.A_precoute.setChecked(false);
        l.A_precoute.setEnabled(option != 4);
        if (option == 2) sans_insertion(l);
        f.Image13.setPicture(Chemin_programme + BoutonPresse);
        f.Image12.setPicture(QString());
        if (option != 2) {
            f.A_ordre_aléatoire.setChecked(false);
            f.A_ordre_continue.setChecked(true);
            Form_options& o = Form_options::instance();
            if (o.Check1.Value() == 1) {
                jingle_auto_actif = Vrai;
                f.Timer8.setEnabled(true);
            }
            if (o.Check2.Value() == 1) {
                new_auto_actif = Vrai;
                f.Timer9.setEnabled(true);
            }
        }
        const char* textes[] = {"Liste - Lecture aléatoire", "Liste - Lecture fin de piste définie",
                                "Liste - Lecture durée piste"};
        journal_ordre(l, QString::fromUtf8(textes[option - 2]));
        if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3) {
            ControlesLecteur d = f.deck(lecteur_en_cours);
            const int16_t fin = rt::CInt(rt::CDbl(d.fin_lecture));
            int16_t affiche = fin;
            if (option != 4 && preecoute_active == Vrai && fin > duree_preecoute) affiche = duree_preecoute;
            d.duree.setCaption(QString::number(affiche));
        }
        lecture_liste_auto = Vrai;
        f.Active_audio_Click();
        f.Timer4.setEnabled(true);
        f.Timer1.setEnabled(true);
        f.Timer2.setEnabled(false);
        f.a_mode_predefini.setChecked(true);
        f.a_mode_auto.setChecked(false);
        f.a_mode_manuel.setChecked(false);
        f.Active_audio.setEnabled(true);
        l.A_precoute.setVisible(true);
        l.A_a_zapping.setChecked(true);
        l.Label3.setCaption(QStringLiteral("( - - )"));
        liste& h = liste::instance();
        const char* modes[] = {"Lecture aléatoire", "Lecture durée définie", "Lecture durée piste"};
        h.Label8.setCaption(QString::fromUtf8(modes[option - 2]));
        h.Frame1.setVisible(option == 2);
        h.Label10.setVisible(option == 2);
        if (option == 2) {
            h.List1.Clear();
            h.List2.Clear();
        }
    } catch (const Erreur&) {
    }
}

void bulle(OptionButton& o, const char* texte) {
    o.setToolTip(QString::fromUtf8(texte) + QString::number(superposition));
}
}  // namespace

void Liste_son::Option1_Click() {
    Radio_FM& f = Radio_FM::instance();
    try {
        sans_insertion(*this);
        A_precoute.setChecked(false);
        A_precoute.setEnabled(false);
        ordre_aleatoire = Faux;
        journal_ordre(*this, QStringLiteral("Lecteur - Lecture continue auto"));
        f.Image12.setPicture(Chemin_programme + BoutonPresse);
        f.Image13.setPicture(QString());
        // At start-up (nothing shown yet) the start sequence places and shows the main window.
        if (isVisible() || f.isVisible()) Image5_Click();
        if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3) {
            ControlesLecteur d = f.deck(lecteur_en_cours);
            d.duree.setCaption(secondes_texte(d.duree_liste));
        }
        f.Active_audio_zapping_Click();
        if (lecteur_en_cours == 3)
            Label3.setCaption(QStringLiteral("lecteur"));
        else if (lecteur_en_cours != 1)
            Label3.setCaption(QStringLiteral("Lecteur"));
        lecture_liste_auto = Faux;
        f.Timer4.setEnabled(false);
        f.Timer2.setEnabled(true);
        f.a_mode_predefini.setChecked(false);
        f.a_mode_auto.setChecked(true);
        f.a_mode_manuel.setChecked(false);
        f.A_ordre_aléatoire.setChecked(false);
        f.A_ordre_continue.setChecked(true);
        preecoute_active = Faux;
        A_precoute.setChecked(false);
        A_precoute.setVisible(false);
        A_a_zapping.setChecked(false);
        hide();
        if (liste::existe()) liste::instance().hide();
    } catch (const Erreur&) {
    }
}

void Liste_son::Option2_Click() { ordre_de_liste(2); }
void Liste_son::Option3_Click() { ordre_de_liste(3); }
void Liste_son::Option4_Click() { ordre_de_liste(4); }

void Liste_son::Option1_MouseMove() { bulle(Option1, "Lecteur - Lecture continue auto / Mix : "); }
void Liste_son::Option2_MouseMove() { bulle(Option2, "Liste - Lecture aléatoire auto / Mix : "); }
void Liste_son::Option3_MouseMove() { bulle(Option3, "Liste - Lecture Début / fin de piste définie/ Mix : "); }
void Liste_son::Option4_MouseMove() { bulle(Option4, "Liste - Lecture Début / durée piste - Mix : "); }
