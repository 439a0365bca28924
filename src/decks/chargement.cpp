// Putting a file on a deck without starting it (file and list loads), and the two loads of
// deck 1 from the command line and from the file manager.
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/conversions.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/mini_lecteur.h"

namespace {
// The title of a loaded deck: its shortened name and duration, drawn at once.
void titrer(Radio_FM& f, ControlesLecteur& d) {
    f.format_heure();
    f.formate_nom();
    d.titre.setCaption(Radio::nom_fichier_affiche + QStringLiteral(" ( ") + Radio::duree_texte + QStringLiteral(" )"));
    f.repaint();
}
}  // namespace

void Radio_FM::charger_fichier(int n) {
    using namespace Radio;
    ControlesLecteur d = deck(n);
    decks::nouveau_graphe(d.lecteur);
    // Any failure ends the load silently; what was done stays.
    try {
        d.chemin = rt::Trim(enreg_destinataire.chemin);
        recup_path(n);
        if (d.chemin.isEmpty()) {
            d.titre.setCaption(QStringLiteral("Non trouvé"));
            return;
        }
        chemin_fichier_charge = d.chemin;
        nom_du_fich();
        d.lecteur.graphe.RenderFile(d.chemin);
        duree_fichier = d.lecteur.position.Duration();
        titrer(*this, d);
        const int16_t secondes = decks::secondes_entieres(duree_fichier);
        d.duree.setCaption(QString::number(secondes));
        if (duree_fichier >= 1) {
            d.barre.setMax(secondes);
            d.zap.setEnabled(true);
            mini_lecteur::instance().setCaption(nom_fichier_affiche);
        }
    } catch (const Erreur&) {
    }
}

void Radio_FM::charger_liste(int n) {
    using namespace Radio;
    ControlesLecteur d = deck(n);
    decks::nouveau_graphe(d.lecteur);
    decks::ecrire_separateurs(*this);
    // Any failure is reported to the caller through erreur_chargement_liste.
    try {
        const QString& source = charge_ecoute == Vrai ? chemin_ecoute : chemin_entree_liste;
        Text2.setText(source);
        d.chemin = source;
        chemin_fichier_charge = d.chemin;
        nom_du_fich();
        d.lecteur.graphe.RenderFile(d.chemin);
        duree_fichier = d.lecteur.position.Duration();
        d.fin_lecture = enreg_destinataire.fin_lecture;
        const int16_t secondes = decks::secondes_entieres(duree_fichier);
        d.duree_liste = QString::number(secondes);

        if (Liste_son::instance().Option4.Value()) {
            d.duree.setCaption(d.duree_liste);
        } else if (lecture_liste_auto == Vrai) {
            Timer4.setEnabled(true);
            if (preecoute_active == Vrai)
                d.duree.setCaption(QString::number(secondes <= duree_preecoute ? secondes : duree_preecoute));
            else
                d.duree.setCaption(enreg_destinataire.fin_lecture);
        } else {
            d.duree.setCaption(QString::number(secondes));
        }

        titrer(*this, d);
        mini_lecteur::instance().setCaption(nom_fichier_affiche);
        if (nom_fichier_affiche.size() > 16) nom_fichier_affiche = rt::Left(nom_fichier_affiche, 16) + QStringLiteral(" ...");
        if (ecoute_en_cours == Faux) {
            Liste_son& liste = Liste_son::instance();
            liste.setCaption(nom_fichier_affiche);
            liste.Label2.setCaption(nom_fichier_affiche);
            liste.Label4.setCaption(duree_texte);
        }
        if (duree_fichier >= 1) d.barre.setMax(secondes);
    } catch (const Erreur&) {
        erreur_chargement_liste = Vrai;
    }
}

void Radio_FM::charge_1() { charger_fichier(1); }
void Radio_FM::charge_2() { charger_fichier(2); }
void Radio_FM::charge_3() { charger_fichier(3); }
void Radio_FM::charge_1_F() { charger_fichier(1); }
void Radio_FM::charge_2_F() { charger_fichier(2); }
void Radio_FM::charge_3_F() { charger_fichier(3); }
void Radio_FM::charge_1_list() { charger_liste(1); }
void Radio_FM::charge_2_list() { charger_liste(2); }
void Radio_FM::charge_3_list() { charger_liste(3); }

void Radio_FM::charge_lire() {
    using namespace Radio;
    decks::nouveau_graphe(lecteur1);
    QString description;
    try {
        lecteur_en_cours = 1;
        chemin_lecteur1 = fichier_ligne_commande;
        enreg_destinataire.chemin = fichier_ligne_commande;
        chemin_fichier_charge = chemin_lecteur1;
        nom_du_fich();
        Label2.setCaption(nom_fichier_affiche);
        lecteur1.graphe.RenderFile(chemin_lecteur1);
        lecteur1.graphe.Run();
        const double duree = lecteur1.position.Duration();
        const int16_t secondes = decks::secondes_entieres(duree);
        Label6.setCaption(QString::number(secondes));
        if (duree >= 1) {
            picProgBack.setMax(secondes);
            HLBSoftBttn1.setEnabled(true);
            Choix_mix();
            Command3.setEnabled(true);
            Slider1.setValue(0);
            Timer2.setInterval(Valeur_vitesse_timer);
            coche2.setValue(true);
            return;
        }
        // Shorter than a second: reported like a file that cannot be opened, with no
        // description.
    } catch (const Erreur& e) {
        description = e.description();
    }
    MsgBox(description + QStringLiteral(" Ne peut ouvrir ") + chemin_lecteur1, boites::Critique);
}

void Radio_FM::charge_() {
    using namespace Radio;
    decks::nouveau_graphe(lecteur1);
    try {
        if (chemin_lecteur1.isEmpty()) {
            Label2.setCaption(QStringLiteral("Non trouvé"));
            return;
        }
        lecteur1.graphe.RenderFile(chemin_lecteur1);
        A_lire_volume();
        chemin_fichier_charge = chemin_lecteur1;
        nom_du_fich();
        Label2.setCaption(QStringLiteral(" - ") + nom_fichier_affiche);
        const double duree = lecteur1.position.Duration();
        const int16_t secondes = decks::secondes_entieres(duree);
        Label6.setCaption(QString::number(secondes));
        if (duree >= 1) picProgBack.setMax(secondes);
    } catch (const Erreur&) {
    }
}
