// The mode switches: automatic, manual and predefined modes, deck mix and list mix, preload,
// the two play orders and the fade options. There is no mode variable: a mode is what these
// handlers leave in the menus, option buttons, flags and timers that the ticks read.
#include <QApplication>
#include <QEvent>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"

using namespace Radio;

namespace {
const QString BoutonPresse = QStringLiteral("bouton_noir_petitdoux.jpg");

// The playlist window's pre-listen and zapping menus, off outside the predefined mode.
void sans_preecoute(Liste_son& l) {
    l.A_precoute.setChecked(false);
    l.A_precoute.setVisible(false);
    l.A_a_zapping.setChecked(false);
}

// The quick-listen buttons of the file manager would take deck 1 from under the chaining.
void sans_ecoute_rapide(ajout_fichier& a) {
    for (QWidget* b : std::initializer_list<QWidget*>{&a.HLBSoftBttn1, &a.HLBSoftBttn2, &a.HLBSoftBttn3})
        b->setEnabled(false);
}

// List mix keeps them off in a file manager shown while it runs, also one created after the
// list mix was chosen (unless its own quick-listen command took the decks over).
class EcouteRapideEnListe : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() != QEvent::Show || !objet->isWidgetType()) return false;
        auto* a = dynamic_cast<ajout_fichier*>(objet);
        if (a && Radio_FM::existe() && Radio_FM::instance().coche3.Value() && lecture_gestionnaire == Faux)
            sans_ecoute_rapide(*a);
        return false;
    }
};

void journal_ordre(Radio_FM& f, const QString& texte) {
    f.ligne_journal = f.saut_ligne + texte + rt::Time();
    if (journal_actif != Faux) f.journal();
    f.ligne_journal.clear();
}
}  // namespace

void Radio_FM::brancher_modes() {
    a_mode_auto.Click = [this] { a_mode_auto_Click(); };
    a_mode_manuel.Click = [this] { a_mode_manuel_Click(); };
    a_mode_predefini.Click = [this] { a_mode_predefini_Click(); };
    coche2.GotFocus = [this] { coche2_GotFocus(); };
    coche3.Click = [this] { coche3_Click(); };
    coche4.Click = [this] { coche4_Click(); };
    coche4.MouseMove = [this](int, int, float, float) { coche4_MouseMove(); };
    A_ordre_aléatoire.Click = [this] { A_ordre_aléatoire_Click(); };
    A_ordre_continue.Click = [this] { A_ordre_continue_Click(); };
    Active_audio.Click = [this] { Active_audio_Click(); };
    Active_audio_jingles.Click = [this] { Active_audio_jingles_Click(); };
    Active_audio_zapping.Click = [this] { Active_audio_zapping_Click(); };
    Désactive_audio.Click = [this] { Désactive_audio_Click(); };
    Afficher_C_aleatoire.Click = [this] { Afficher_C_aleatoire_Click(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer4.Tick = [this] { Timer4_Timer(); };
    Timer8.Tick = [this] { Timer8_Timer(); };
    Timer9.Tick = [this] { Timer9_Timer(); };
}

void Radio_FM::a_mode_auto_Click() {
    ordre_aleatoire = Faux;
    lecture_liste_auto = Faux;
    a_mode_auto.setChecked(true);
    a_mode_manuel.setChecked(false);
    a_mode_predefini.setEnabled(true);
    a_mode_predefini.setChecked(false);
    Liste_son& l = Liste_son::instance();
    sans_preecoute(l);
    l.Option1.setValue(true);
    coche2.setCaption(QStringLiteral("Mixer les titres"));
    for (QWidget* w : std::initializer_list<QWidget*>{&HLBSoftBttn6, &HLBSoftBttn7, &HLBSoftBttn8, &Image13})
        w->setEnabled(true);
    Timer4.setEnabled(false);
    Timer2.setInterval(Valeur_vitesse_timer);
    Image12.setPicture(Chemin_programme + BoutonPresse);
    Image13.setPicture(QString());
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
}

void Radio_FM::a_mode_manuel_Click() {
    if (chemin_lecteur1.isEmpty() || chemin_lecteur2.isEmpty() || chemin_lecteur3.isEmpty()) {
        MsgBox(QStringLiteral("les trois lecteurs doivent etre chargés") + saut_ligne +
                   QStringLiteral("avant de passer en mode manuel "),
               boites::Exclamation);
        return;
    }
    a_mode_manuel.setChecked(true);
    a_mode_auto.setChecked(false);
    a_mode_predefini.setChecked(false);
    sans_preecoute(Liste_son::instance());
    ordre_aleatoire = Faux;
    lecture_liste_auto = Faux;
    coche2.setValue(true);
    coche2.setCaption(QStringLiteral("Mix Manuel"));
    // The deck-mix handler checks the automatic mode: manual mode has the last word.
    a_mode_manuel.setChecked(true);
    a_mode_auto.setChecked(false);
    a_mode_predefini.setChecked(false);
    for (int n = 1; n <= 3; ++n) {
        deck(n).ouvrir.setEnabled(true);
        deck(n).lire.setEnabled(true);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{&HLBSoftBttn6, &HLBSoftBttn7, &HLBSoftBttn8, &Image13})
        w->setEnabled(false);
    Timer4.setEnabled(false);
    Timer2.setEnabled(false);
    lecteur_en_cours = 0;
}

void Radio_FM::a_mode_predefini_Click() {
    lecture_liste_auto = Vrai;
    ordre_aleatoire = Faux;
    Text1.setText(QString::number(superposition));
    Active_audio_Click();
    Timer4.setEnabled(true);
    Timer2.setEnabled(false);
    Timer1.setEnabled(true);
    Active_audio.setEnabled(true);
    Image12.setPicture(QString());
    a_mode_auto.setChecked(false);
    a_mode_manuel.setChecked(false);
    a_mode_predefini.setChecked(true);
    Liste_son& l = Liste_son::instance();
    l.A_a_zapping.setChecked(true);
    l.A_precoute.setVisible(true);
    coche3.setValue(true);
    l.Option4.setValue(true);
    l.Label3.setCaption(QStringLiteral("( - - )"));
    Image13.setPicture(Chemin_programme + BoutonPresse);
}

// Deck-to-deck mix: the supervision tick hands over from deck to deck.
void Radio_FM::coche2_Click() {
    Text1.setSelection(0, Text1.text().size());
    Liste_son& l = Liste_son::instance();
    sans_preecoute(l);
    Active_audio.setChecked(false);
    l.Option1.setValue(true);
    for (OptionButton* o : {&l.Option2, &l.Option3, &l.Option4}) o->setValue(false);
    a_mode_predefini.setChecked(false);
    a_mode_auto.setChecked(true);
    a_mode_manuel.setChecked(false);
    lecture_liste_auto = Faux;
    Timer4.setEnabled(false);
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
    Timer2.setInterval(Valeur_vitesse_timer);
    Timer3.setEnabled(true);
    Label7.setCaption(QStringLiteral("- - ") + Nom_radio_fm + QStringLiteral(" - -"));
    index_liste_en_cours = 1;
    Active_audio.setEnabled(false);
    l.hide();
    setCaption(Nom_radio_fm + QStringLiteral(" ( Mix lecteur )"));
}

void Radio_FM::coche2_GotFocus() { Label7.setCaption(QStringLiteral("- - ") + Nom_radio_fm + QStringLiteral(" - -")); }

// List mix: the sequencer prepares each next entry, the chaining tick starts it.
void Radio_FM::coche3_Click() {
    try {
        setCaption(Nom_radio_fm + QStringLiteral(" ( Mix liste )"));
        if (Text1.text().isEmpty()) Text1.setText(QStringLiteral("2"));
        superposition = rt::CInt(Text1.text());
        Timer2.setEnabled(false);
        Timer1.setEnabled(true);
        Timer2.setInterval(Valeur_vitesse_timer);
        a_mode_predefini.setChecked(true);
        a_mode_auto.setChecked(false);
        a_mode_manuel.setChecked(false);
        Active_audio.setEnabled(true);
        Active_audio_zapping.setEnabled(true);
        Text1.setText(QString::number(superposition));
        lecture_gestionnaire = Faux;
        if (ajout_fichier::existe()) sans_ecoute_rapide(ajout_fichier::instance());
        static bool garde_posee = false;
        if (!garde_posee) {
            qApp->installEventFilter(new EcouteRapideEnListe(qApp));
            garde_posee = true;
        }
        coche4.setValue(1);
        affiche_tout_Click();
    } catch (const Erreur& e) {
        const QString& cr = saut_ligne;
        MsgBox(QStringLiteral("Une erreur est apparue !") + cr + programme::nom() + QStringLiteral(" - ") + e.description() +
                   QStringLiteral(" - ") + QString::number(e.numero()) + double_saut +
                   QStringLiteral("C'est peut etre la premiere exécution du programme") + cr +
                   QStringLiteral("Vérifier et entrez toutes les valeurs dans le menu options du programme.") + cr +
                   QStringLiteral("Vérifier également vos paramètres régionaux si erreur type incompatible") + cr +
                   QStringLiteral("La séparation des décimales pour les nombres doit ètre un point") + cr +
                   QStringLiteral("Essayer a nouveau !"),
               boites::Exclamation);
    }
}

void Radio_FM::coche4_Click() {
    if (coche4.Value() == 0) {
        Timer1.setEnabled(false);
        prechargement_en_cours = 0;
    } else if (coche4.Value() == 1) {
        Timer1.setEnabled(true);
        prechargement_en_cours = Préchargement;
    }
}

void Radio_FM::coche4_MouseMove() {
    coche4.setToolTip(QStringLiteral("Préchargement (") + QString::number(prechargement_en_cours) +
                      QStringLiteral(" s avant le mix) "));
}

void Radio_FM::A_ordre_aléatoire_Click() {
    ordre_aleatoire = Vrai;
    A_ordre_continue.setChecked(false);
    A_ordre_aléatoire.setChecked(true);
    Form_options& o = Form_options::instance();
    o.Check1.setEnabled(false);
    o.Check2.setEnabled(false);
    Liste_son::instance().Option2.setValue(true);
    journal_ordre(*this, QStringLiteral(" Démmarage mode lecture aléatoire a "));
}

// The options' automatic insertions stay as random order left them.
void Radio_FM::A_ordre_continue_Click() {
    ordre_aleatoire = Faux;
    A_ordre_continue.setChecked(true);
    A_ordre_aléatoire.setChecked(false);
    Liste_son::instance().Option1.setValue(true);
    journal_ordre(*this, QStringLiteral("Démmarage mode lecture continue a "));
}

void Radio_FM::Active_audio_Click() {
    Active_audio.setChecked(true);
    Active_audio_jingles.setChecked(false);
    Active_audio_zapping.setChecked(false);
    Désactive_audio.setChecked(false);
}

void Radio_FM::Active_audio_jingles_Click() {
    Active_audio.setChecked(false);
    Active_audio_jingles.setChecked(true);
    Active_audio_zapping.setChecked(false);
    Désactive_audio.setChecked(false);
}

void Radio_FM::Active_audio_zapping_Click() {
    Active_audio.setChecked(false);
    Active_audio_jingles.setChecked(false);
    Active_audio_zapping.setChecked(true);
    Désactive_audio.setChecked(false);
}

// The play-over choice is left as it stands.
void Radio_FM::Désactive_audio_Click() {
    Active_audio.setChecked(false);
    Active_audio_zapping.setChecked(false);
    Désactive_audio.setChecked(true);
    lecture_liste_auto = Faux;
    Timer2.setEnabled(false);
}

// The automatic mode button of the main window.
void Radio_FM::Image12_Click() {
    a_mode_predefini.setChecked(false);
    a_mode_manuel.setChecked(false);
    a_mode_auto.setChecked(true);
    Timer4.setEnabled(false);
    Timer8.setEnabled(false);
    Timer9.setEnabled(false);
    Timer3.setEnabled(true);
    ordre_aleatoire = Faux;
}
