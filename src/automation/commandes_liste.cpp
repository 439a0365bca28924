// The play controls of the playlist window: zap, stop, pause, the entry on air, the main window
// in full, help, the list's zapping mode, loading the selected entry on a deck, the row
// double-click, and listening and pre-listening from the list. The enabled state of Image1
// (play), Image2 (zap) and Image3 (stop) carries the run state of the list.
#include <QApplication>
#include <QTime>

#include "config/Radio.h"
#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/lancement.h"
#include "platform/programme.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
const QString ZappingAutorise = QStringLiteral("Zapping autorisé");
const QString BoutonPresse = QStringLiteral("bouton_noir_petitdoux.jpg");

// The hourglass over the playlist window while a row loads.
struct Sablier {
    explicit Sablier(QWidget& w) : fenetre(w) { fenetre.setCursor(Qt::WaitCursor); }
    ~Sablier() { fenetre.unsetCursor(); }
    QWidget& fenetre;
};
}  // namespace

void Liste_son::Image2_Click() {
    Radio_FM& f = Radio_FM::instance();
    try {
        const bool sans_fondu = f.Désactive_audio.Checked();
        const bool par_liste = !sans_fondu && (Option2.Value() || Option3.Value() || Option4.Value());
        if (!sans_fondu) Label12.setCaption(QStringLiteral("Zapping suspendue !"));
        if (lecteur_en_cours < 1 || lecteur_en_cours > 3) {
            Image2.setEnabled(true);
            Label12.setCaption(ZappingAutorise);
            return;
        }
        const Radio_FM::Procedure directs[] = {&Radio_FM::zap1, &Radio_FM::zap2, &Radio_FM::zap3};
        const Radio_FM::Procedure listes[] = {&Radio_FM::zap11, &Radio_FM::zap12, &Radio_FM::zap13};
        if (par_liste) {
            Image2.setEnabled(false);
            (f.*listes[lecteur_en_cours - 1])();
        } else {
            Image2.setEnabled(true);
            (f.*directs[lecteur_en_cours - 1])();
            if (f.Désactive_audio.Checked()) f.Pas_demix_audio();
        }
    } catch (const Erreur&) {
    }
}

void Liste_son::A_a_zapping_Click() {
    Radio_FM& f = Radio_FM::instance();
    if (lecture_liste_auto == Vrai) {
        lecture_liste_auto = Faux;
        f.Timer2.setEnabled(true);
        f.Timer1.setEnabled(true);
        f.Timer4.setEnabled(false);
        f.Timer2.setInterval(Valeur_vitesse_timer);
        Option1.setValue(true);
        A_precoute.setChecked(false);
        A_precoute.setVisible(false);
        A_a_zapping.setChecked(false);
        f.Active_audio.setEnabled(false);
        f.a_mode_predefini.setChecked(false);
        f.a_mode_auto.setChecked(true);
        f.a_mode_manuel.setChecked(false);
    } else if (lecture_liste_auto == Faux) {
        lecture_liste_auto = Vrai;
        superposition = 1;
        f.Text1.setText(QStringLiteral("1"));
        f.Active_audio_Click();
        f.Timer4.setEnabled(true);
        f.Timer1.setEnabled(true);
        f.Timer2.setEnabled(false);
        Option3.setValue(true);
        f.Active_audio.setEnabled(true);
        f.a_mode_auto.setChecked(false);
        f.a_mode_manuel.setChecked(false);
        A_a_zapping.setChecked(true);
        A_precoute.setVisible(true);
        f.a_mode_predefini.setChecked(true);
    }
}

void Liste_son::Image3_Click() {
    Radio_FM& f = Radio_FM::instance();
    try {
        ligne_journal = QStringLiteral("\r Arrét lecture liste a ") + rt::Time();
        if (journal_actif != Faux) journal();
        ligne_journal.clear();
        switch (lecteur_en_cours) {
        case 1: f.HLBSoftBttn9_Click(); break;
        case 2: f.HLBSoftBttn10_Click(); break;
        case 3: f.HLBSoftBttn11_Click(); break;
        default:
            Image1.setEnabled(true);
            Image2.setEnabled(true);
            Image3.setEnabled(true);
            return;
        }
        lecteur_en_cours = 0;
        Image1.setEnabled(true);
        Image2.setEnabled(true);
        Label3.setCaption(QStringLiteral("Liste"));
        Label12.setCaption(ZappingAutorise);
        if (ListView1.ListCount() >= 1) a_mettre_Enabled();
    } catch (const Erreur&) {
    }
}

void Liste_son::Image4_Click() {
    try {
        element_courant = ListView1.ListItem(num_enreg_courant);
        ListView1.EnsureVisible(element_courant);
        ListView1.setSelectedItem(element_courant);
    } catch (const Erreur&) {
    }
}

void Liste_son::Image5_Click() {
    Radio_FM& f = Radio_FM::instance();
    try {
        charger_image_fond(f, chemin_logo_fond);
        for (MenuItem* m : {&f.affiche_toujour, &f.Affiche_Fenetre_P, &f.Affiche_Fenetre_L, &f.Affiche_barre})
            m->setChecked(false);
        f.affiche_tout.setChecked(true);
        if (f.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) f.setWindowState(Qt::WindowNoState);
        f.show();
        f.activateWindow();
    } catch (const Erreur&) {
    }
}

void Liste_son::Image7_Click() {
    programme::aller_au_dossier();
    if (!lancement::demarrer(programme::dossier() + QStringLiteral("Aide_Sonavel"), {}, programme::dossier()))
        MsgBox(QStringLiteral("L'aide est introuvable"), boites::Exclamation);
}

void Liste_son::Mettre_en_pause() {
    Radio_FM& f = Radio_FM::instance();
    switch (lecteur_en_cours) {
    case 0: MsgBox(QStringLiteral("Aucun lecteur en cours"), boites::Information); break;
    case 1: f.HLBSoftBttn12_Click(); break;
    case 2: f.HLBSoftBttn13_Click(); break;
    case 3: f.HLBSoftBttn14_Click(); break;
    default: break;
    }
}

// ---- Loading the selected entry on a deck (the list pop-up).
void Liste_son::charger_sur_lecteur(int n) {
    Radio_FM& f = Radio_FM::instance();
    try {
        num_enreg_destinataire = ListView1.Index(ListView1.SelectedItem());
        if (chemin_liste.isEmpty()) return;
        lire_enreg_destinataire();
        chemin_entree_liste = enreg_destinataire.chemin;
        ControlesLecteur d = f.deck(n);
        d.chemin = rt::Trim(enreg_destinataire.chemin);
        f.charger_liste(n);
        const bool autre_a_l_antenne = lecteur_en_cours >= 1 && lecteur_en_cours <= 3 && lecteur_en_cours != n;
        d.zap.setEnabled(!autre_a_l_antenne);
        d.lire.setEnabled(!autre_a_l_antenne);
        if (!autre_a_l_antenne) d.mix_special.setEnabled(true);
    } catch (const Erreur&) {
    }
}

void Liste_son::Charg1_son() { charger_sur_lecteur(1); }
void Liste_son::charg2_son() { charger_sur_lecteur(2); }
void Liste_son::Charg3_son() { charger_sur_lecteur(3); }
void Liste_son::char1_Click() { Charg1_son(); }
void Liste_son::char2_Click() { charg2_son(); }
void Liste_son::char3_Click() { Charg3_son(); }

void Liste_son::stoppe_liste() {
    Radio_FM& f = Radio_FM::instance();
    f.coche2.setValue(true);
    f.coche2.setEnabled(true);
}

void Liste_son::ListView1_DblClick() {
    if (ListView1.ListCount() == 0) return;
    glisser_liste_en_cours = Faux;
    if (!Image1.isEnabled()) return;
    if (a_Ne_pas_Sauve.Checked()) {
        ligne_journal = QStringLiteral("Traitement impossible avec l'option\rNe pas sauver les modifications dans le "
                                       "fichier par défaut\n\r\n\rSauvegarder cette liste");
        MsgBox(ligne_journal, boites::Information);
        return;
    }
    Radio_FM& f = Radio_FM::instance();
    Sablier sablier(*this);
    try {
        f.coche3.setValue(true);
        f.Image12.setPicture(QString());
        f.Image13.setPicture(Chemin_programme + BoutonPresse);
        f.Command3.setEnabled(true);
        index_liste_en_cours = ListView1.Index(ListView1.SelectedItem());
        if (ecoute_en_cours == Faux) num_enreg_courant = index_liste_en_cours;
        num_enreg_destinataire = index_liste_en_cours;
        if (chemin_liste.isEmpty()) {
            Label8_Click();
            return;
        }
        Image1.setEnabled(true);
        lire_enreg_destinataire();
        chemin_entree_liste = rt::Trim(enreg_destinataire.chemin);
        Text2.setText(chemin_entree_liste);
        recup_nom_du_fichier();
        f.charge_1_list();
        f.Choix_mix();
        Image1.setEnabled(true);
    } catch (const Erreur& e) {
        switch (e.numero()) {
        case 68: case 70: case 71: case 74: case 75: case 76: case int(0x80040111):
            Chemin_dernier_fichier = Chemin_programme;
            MsgBox(e.description(), boites::Critique);
            break;
        case 5: case 91: case 32755: break;
        default:
            MsgBox(QStringLiteral("Erreur ") + QString::number(e.numero()) + QStringLiteral(" ") + e.description(),
                   boites::Critique);
        }
    }
}

// ---- Listening and pre-listening.
void Liste_son::A_ecoute_Click() {
    Radio_FM& f = Radio_FM::instance();
    try {
        ecoute_en_cours = Vrai;
        charge_ecoute = Vrai;
        Image3.setEnabled(true);
        Image2.setEnabled(true);
        Image1.setEnabled(true);
        lire_enreg_destinataire();
        chemin_ecoute = rt::Trim(enreg_destinataire.chemin);
        // The deck before the one on air in the ring takes the entry, mixed in over it.
        struct Ecoute {
            void (Radio_FM::*charge)();
            void (Radio_FM::*lance)();
        };
        const Ecoute ecoutes[] = {{&Radio_FM::charge_3_list, &Radio_FM::HLBSoftBttn7_Click},
                                  {&Radio_FM::charge_1_list, &Radio_FM::HLBSoftBttn8_Click},
                                  {&Radio_FM::charge_2_list, &Radio_FM::HLBSoftBttn6_Click}};
        if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3) {
            const Ecoute& e = ecoutes[lecteur_en_cours - 1];
            (f.*e.charge)();
            (f.*e.lance)();
            Image4_Click();
            index_liste_en_cours = num_enreg_courant;
        } else {
            Image3_Click();
            Image1.setEnabled(false);
            Image1_Click();
        }
        ecoute_en_cours = Faux;
        charge_ecoute = Faux;
        f.Timer4.setEnabled(true);
        show();
        lecture_liste_auto = Vrai;
    } catch (const Erreur&) {
    }
    // A failed listen must not leave the next loads taking the listened file.
    ecoute_en_cours = Faux;
    charge_ecoute = Faux;
}

void Liste_son::A_precoute_Click() {
    Radio_FM& f = Radio_FM::instance();
    duree_preecoute = 60;
    Option3.setValue(true);
    if (preecoute_active == Vrai) {
        preecoute_active = Faux;
        A_precoute.setChecked(false);
        superposition = 1;
        f.Text1.setText(QStringLiteral("1"));
        Mix = 1;
    } else {
        preecoute_active = Vrai;
        superposition = Mix;
        f.Text1.setText(QString::number(superposition));
        A_precoute.setChecked(true);
    }
    const QString invite = QStringLiteral("Pour une lecture réduite des fichier\r"
                                          "Entrez la nouvelle valeur pour cette session\r"
                                          "voir parametre régionaux si erreur Type incompatible\r"
                                          "Remplacer la virgule par un point dans séparation des décimales"
                                          "\n\r\n\rExemple en secondes (minimun)\r30");
    try {
        const QString reponse = InputBox(invite, QStringLiteral("Lecture pré-écoute"), QString::number(duree_preecoute));
        duree_preecoute = rt::CInt(rt::CDbl(reponse));
    } catch (const Erreur&) {
        // Cancelled, not a number, or past 16 bits: pre-listen is off, silently.
        preecoute_active = Faux;
        A_precoute.setChecked(false);
        return;
    }
    if (duree_preecoute <= valeur_max_jingles || duree_preecoute == 0) duree_preecoute = int16_t(valeur_max_jingles + 1);
}

void Liste_son::A_ecoute_option_Click() { Form_options::instance().Show(); }

// ---- The picture buttons: the pressed picture while the button is held down, none after.
void Liste_son::brancher_boutons_lecture() {
    struct Bouton {
        Image& image;
        const char* presse;
    };
    const Bouton boutons[] = {{Image1, "b1noir.jpg"}, {Image2, "b2noir.jpg"}, {Image3, "b3noir.jpg"},
                              {Image4, "b4noir.jpg"}, {Image5, "b5noir.jpg"}, {Image6, "b6noir.jpg"},
                              {Image7, "b7noir.jpg"}, {Image8, "bouton_noir_grosdoux.jpg"}};
    for (const Bouton& b : boutons) {
        Image* image = &b.image;
        const QString presse = QString::fromUtf8(b.presse);
        image->MouseDown = [image, presse](int, int, float, float) { image->setPicture(Chemin_programme + presse); };
        image->MouseUp = [image](int, int, float, float) {
            image->setPicture(QString());
            image->update();
        };
    }
    Image4.MouseMove = [this](int, int, float, float) {
        Image4.setToolTip(QStringLiteral("Position en cours N° ") + QString::number(num_enreg_courant));
    };
}
