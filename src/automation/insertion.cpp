// Automatic insertion: while a list plays, every N files a record drawn at random from a second
// list file (jingles, or new tracks) is put right after the entry on air, so it plays next, and
// the list file is rewritten. The two sides are twins; each has its switch label on the
// playlist window and its once-a-second timer on the main window.
#include "automation/choix_entree.h"
#include "automation/avis.h"
#include "config/etat.h"
#include "platform/boites.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/liste.h"

using namespace Radio;

namespace {
constexpr int32_t VertClair = 8454016;
constexpr int32_t TexteBouton = -2147483630;  // the system's button-text colour

// What differs between the jingle side and the new-track side.
struct Cote {
    Drapeau& actif;
    int16_t& compteur;
    int16_t& nb;  // N: one insertion every N files
    QString& fichier;
    int32_t& index_fin;
    ListeIndex& tires;
    int32_t& nb_tires;
    int16_t& dernier;
    Drapeau& clignote;
    Timer& minuterie;
    Label& etat;
    CheckBox& option;
    bool jingle;
    const char* clignotant;
    const char* on;
    const char* off;
};

Cote cote(bool jingle) {
    Radio_FM& f = Radio_FM::instance();
    Liste_son& l = Liste_son::instance();
    Form_options& o = Form_options::instance();
    if (jingle)
        return {jingle_auto_actif, compteur_jingle_auto, Nb_fichier_aleatoire, Chemin_fichier_aleatoire,
                index_fin_jingle_auto, index_tires, nb_index_tires, f.dernier_jingle_tire, f.clignote_jingle,
                f.Timer8, l.Label14, o.Check1, true, "Jingle / On", "Jingle auto / On", "Jingle auto / Off"};
    return {new_auto_actif, compteur_new_auto, Nb_fichier_aleatoire1, Chemin_fichier_aleatoire1,
            index_fin_new_auto, index_tires_new, nb_index_tires_new, f.dernier_new_tire, f.clignote_new,
            f.Timer9, l.Label15, o.Check2, false, "Autre / On", "New auto / On", "New auto / Off"};
}

void tic_insertion(bool jingle) {
    const avis::DansUnTic tic;
    Radio_FM& f = Radio_FM::instance();
    try {
        if (f.a_mode_manuel.Checked() || lecture_gestionnaire == Vrai || f.coche2.Value()) return;
        Cote c = cote(jingle);
        if (c.actif == Faux) {
            c.minuterie.setEnabled(false);
            return;
        }
        if (c.actif != Vrai) return;
        // The blink: lit green on its plate, then the button text on the picture; both read.
        if (c.clignote == Vrai) {
            c.etat.setCaption(QString::fromUtf8(c.clignotant) + QStringLiteral(" ( ") +
                              QString::number(c.nb - c.compteur) + QStringLiteral(" )"));
            Liste_son::eclairer(c.etat, true, VertClair);
            c.clignote = Faux;
        } else if (c.clignote == Faux) {
            Liste_son::eclairer(c.etat, false, TexteBouton);
            c.clignote = Vrai;
        }
        // Below one file nothing is inserted: an unset interval must not fill the list.
        if (c.nb < 1) return;
        if (c.compteur > c.nb) c.compteur = c.nb;
        if (c.compteur < c.nb) return;
        c.minuterie.setEnabled(false);
        if (index_liste_en_cours == c.index_fin) {
            c.actif = Faux;
            c.etat.setCaption(QString::fromUtf8(c.off));
            Liste_son::eclairer(c.etat, false, TexteBouton);
            Liste_son::instance().sauve_tout();
            return;
        }
        if (jingle)
            f.ouvre_fichier();
        else
            f.ouvre_fichier1();
        c.compteur = 0;
        c.minuterie.setEnabled(true);
    } catch (const Erreur&) {
    }
}

void inserer(bool jingle) {
    Liste_son& l = Liste_son::instance();
    Cote c = cote(jingle);
    try {
        // Right after the entry on air (the cursor follows it through every edit), not after
        // a row that a search or a check selected meanwhile; with no list running, after the
        // selected row.
        if (index_liste_en_cours < 1 || index_liste_en_cours > l.ListView1.ListCount()) {
            QTreeWidgetItem* selection = l.ListView1.SelectedItem();
            if (!selection) throw Erreur(91);
            index_liste_en_cours = l.ListView1.Index(selection);
        }
        const int32_t nombre = int32_t(fichier_liste::lire(c.fichier).size() / enreg_liste::Longueur);
        if (nombre < 1) throw Erreur(62);

        // The jingle side shares the list's history; an emptied history keeps the last draw,
        // so a two-record file alternates and a lone record repeats.
        const choix::Tirage t = choix::tirer(c.tires, c.nb_tires, c.dernier, nombre);
        liste* h = jingle ? &liste::instance() : nullptr;
        if (h) {
            if (t.historique_vide) {
                h->List1.Clear();
                h->List2.Clear();
            }
            h->Text1.setText(QString::number(c.tires.value(c.nb_tires - 1)));
            h->List1.Clear();
            for (int32_t i = 0; i < c.nb_tires; ++i) h->List1.AddItem(QString::number(c.tires[i]));
            for (int32_t r : t.rejetes) h->List2.AddItem(QString::number(r) + QStringLiteral(" - Trouvé"));
            if (!t.rejetes.isEmpty()) h->Text2.setText(QStringLiteral("Oui ce nombre existe"));
        }

        const TypeEnregListe stocke = fichier_liste::lire_enregistrement(c.fichier, t.index);
        enreg_destinataire = fichier_liste::entree_lue(stocke);
        c.dernier = int16_t(t.index);
        if (h) {
            h->Text2.setText(QStringLiteral("Index non trouvé ( ") + QString::number(nombre) + QStringLiteral(")"));
            h->Label5.setCaption(QString::number(c.nb_tires));
            h->Label8.setCaption(QStringLiteral("Jingles aléatoire tous les ") + QString::number(c.nb) +
                                 QStringLiteral(" fich.."));
            h->List2.AddItem(QString::number(t.index) + QStringLiteral(" - Pas Trouvé"));
            h->Label2.setCaption(QStringLiteral("Dans fichier ") + c.fichier);
        }

        const QStringList cellules = fichier_liste::cellules(stocke);
        QTreeWidgetItem* ligne = l.ListView1.AddItem(cellules.value(0), index_liste_en_cours + 1);
        for (int i = 1; i < cellules.size(); ++i) ListView::setSubItem(ligne, i, cellules[i]);
        l.sauve_tout();
        if (h) h->Text3.setText(QString::number(t.index));
    } catch (const Erreur& e) {
        avis::message(e.description() + QStringLiteral("Veuillez vérifier les options : insérer jingles"),
                      boites::Critique);
    }
}

void basculer(bool jingle) {
    Cote c = cote(jingle);
    const int valeur = c.option.Value();
    if (valeur == 0) {
        c.minuterie.setEnabled(false);
        c.actif = Faux;
        Form_options::instance().Show();
    } else if (valeur == 1) {
        if (c.actif == Vrai) {
            c.actif = Faux;
            c.etat.setCaption(QString::fromUtf8(c.off));
            Liste_son::eclairer(c.etat, false, TexteBouton);
            c.minuterie.setEnabled(false);
        } else if (c.actif == Faux) {
            // Continuous play runs the decks, not the list: nothing is inserted there, so an
            // "On" would promise what never comes. The list orders, random included, insert.
            if (Liste_son::instance().Option1.Value()) {
                MsgBox(QStringLiteral("Pas d'insertion en lecture continue : choisir Lecture aléatoire, Fin définie ou Durée piste"),
                       boites::Information);
                return;
            }
            c.actif = Vrai;
            c.etat.setCaption(QString::fromUtf8(c.on));
            c.minuterie.setEnabled(true);
        }
    }
}

void survol(bool jingle) {
    try {
        Cote c = cote(jingle);
        if (c.actif == Vrai) {
            c.etat.setToolTip(QStringLiteral("Insertion après ") + QString::number(c.nb - c.compteur) +
                              (jingle ? QStringLiteral(" fichiers") : QStringLiteral(" fichier(s)")));
        } else {
            c.etat.setForeColor(VertClair);
            c.etat.setToolTip(jingle ? QStringLiteral("Insertion Jingle On / Off") : QStringLiteral("Insertion New  On / Off"));
        }
    } catch (const Erreur&) {
    }
}
}  // namespace

void Radio_FM::Timer8_Timer() { tic_insertion(true); }
void Radio_FM::Timer9_Timer() { tic_insertion(false); }
void Radio_FM::ouvre_fichier() { inserer(true); }
void Radio_FM::ouvre_fichier1() { inserer(false); }

void Liste_son::montrer_insertions() {
    for (bool jingle : {true, false}) {
        Cote c = cote(jingle);
        // A blinking "On ( n )" already tells it; "Off" must never stand while it inserts.
        const bool dit_on = c.etat.Caption().contains(QLatin1String("On"));
        if ((c.actif == Vrai) == dit_on) continue;
        c.etat.setCaption(QString::fromUtf8(c.actif == Vrai ? c.on : c.off));
        if (c.actif != Vrai) eclairer(c.etat, false, TexteBouton);
    }
}

void Liste_son::Label14_Click() { basculer(true); }
void Liste_son::Label15_Click() { basculer(false); }
void Liste_son::Label14_MouseMove() { survol(true); }
void Liste_son::Label15_MouseMove() { survol(false); }
void Liste_son::Label14_MouseDown() { Label14.setForeColor(TexteBouton); }
void Liste_son::Label15_MouseDown() { Label15.setForeColor(TexteBouton); }
