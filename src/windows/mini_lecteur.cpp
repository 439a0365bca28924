#include "windows/mini_lecteur.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "config/etat.h"
#include "config/placement.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/boites.h"
#include "platform/programme.h"
#include "windows/Liste_son.h"
#include "windows/commandes_fenetres.h"

using namespace Radio;

mini_lecteur::mini_lecteur() {
    setWindowTitle(QStringLiteral("Sonavel"));
    // Shown above the other windows without taking the focus from the one in use.
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    const struct {
        CommandButton& bouton;
        const char* legende;
        const char* bulle;
        void (mini_lecteur::*clic)();
    } boutons[] = {
        {Command6, "◀◀", "Arrière", &mini_lecteur::Command6_Click},
        {Command1, "▶", "Lecture", &mini_lecteur::Command1_Click},
        {Command3, "■", "Stop (barre espace)", &mini_lecteur::Command3_Click},
        {Command7, "▶▶", "Avant", &mini_lecteur::Command7_Click},
        {Command2, "Zap", "Fichier suivant (Z ou S)", &mini_lecteur::Command2_Click},
        {Command4, "Liste", "Liste (L)", &mini_lecteur::Command4_Click},
        {Command5, "✕", "Fermer le mini lecteur (Esc)", &mini_lecteur::Command5_Click},
    };
    auto* rang = new QHBoxLayout;
    rang->setSpacing(4);
    for (const auto& b : boutons) {
        b.bouton.setCaption(QString::fromUtf8(b.legende));
        b.bouton.setToolTip(QString::fromUtf8(b.bulle));
        b.bouton.setFixedSize(44, 30);
        auto clic = b.clic;
        b.bouton.Click = [this, clic] { (this->*clic)(); };
        rang->addWidget(&b.bouton);
    }
    Label1.setReadOnly(true);
    Label1.setAlignment(Qt::AlignCenter);
    Label1.Click = [this] { Label1_Click(); };
    Label1.installEventFilter(this);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);
    v->addLayout(rang);
    v->addWidget(&Label1);
    setFixedSize(sizeHint());
    // The mini player takes its keys before its buttons: the space bar stops, it never
    // presses the button that has the focus.
    new ApercuClavier(*this, [this](int code) { return Form_KeyPress(int16_t(code)); });
}

bool mini_lecteur::sur_lecteur_en_cours(Radio_FM::Procedure deck1, Radio_FM::Procedure deck2,
                                        Radio_FM::Procedure deck3) {
    if (lecteur_en_cours == 0) {
        MsgBox(QStringLiteral("Aucun lecteur en cours"), boites::Information);
        return false;
    }
    return Radio_FM::instance().sur_lecteur_en_cours(deck1, deck2, deck3);
}

void mini_lecteur::Command1_Click() {
    Radio_FM& f = Radio_FM::instance();
    if (lecteur_en_cours == 0) {
        // Nothing on air: a file is chosen for deck 1 when it has none, and deck 1 plays.
        if (chemin_lecteur1.isEmpty()) f.Command1_Click();
        f.Command3_Click();
        return;
    }
    sur_lecteur_en_cours(&Radio_FM::Command3_Click, &Radio_FM::Command4_Click, &Radio_FM::Command6_Click);
}

void mini_lecteur::Command2_Click() {
    // The fade's end enables the button again.
    if (lecteur_en_cours >= 1 && lecteur_en_cours <= 3) Command2.setEnabled(false);
    if (!sur_lecteur_en_cours(&Radio_FM::HLBSoftBttn1_Click, &Radio_FM::HLBSoftBttn2_Click,
                              &Radio_FM::HLBSoftBttn3_Click) &&
        lecteur_en_cours == 0)
        Command2.setEnabled(true);
}

void mini_lecteur::Command3_Click() {
    sur_lecteur_en_cours(&Radio_FM::HLBSoftBttn9_Click, &Radio_FM::HLBSoftBttn10_Click, &Radio_FM::HLBSoftBttn11_Click);
}

void mini_lecteur::pause_mini() {
    sur_lecteur_en_cours(&Radio_FM::HLBSoftBttn12_Click, &Radio_FM::HLBSoftBttn13_Click,
                         &Radio_FM::HLBSoftBttn14_Click);
}

void mini_lecteur::Command6_Click() {
    sur_lecteur_en_cours(&Radio_FM::HLBSoftBttn18_Click, &Radio_FM::HLBSoftBttn19_Click,
                         &Radio_FM::HLBSoftBttn20_Click);
}

void mini_lecteur::Command7_Click() {
    sur_lecteur_en_cours(&Radio_FM::ReyCommand1_Click, &Radio_FM::ReyCommand2_Click, &Radio_FM::ReyCommand3_Click);
}

void mini_lecteur::sauver_position() {
    placement::sauver(*this, cle::Position_haut_mini_lecteur, cle::Position_gauche_mini_lecteur);
    fenetres::premier_plan(*this, false);
}

void mini_lecteur::Form_Unload() {
    if (fermeture_confirmee == Vrai && isVisible())
        placement::sauver(*this, cle::Position_haut_mini_lecteur, cle::Position_gauche_mini_lecteur);
}

void mini_lecteur::Command4_Click() {
    sauver_position();
    hide();
    Liste_son::instance().Show();
}

void mini_lecteur::Command5_Click() {
    const QString nom = programme::nom();
    Radio_FM& f = Radio_FM::instance();
    if (MsgBox(QStringLiteral("Confirmer la fermeture de ") + nom + QStringLiteral(" ?"), 292, nom) != boites::Oui) {
        sauver_position();
        hide();
        fenetres::etat_normal(f);
        f.setVisible(true);
        return;
    }
    f.hide();
    if (Liste_son::existe()) Liste_son::instance().hide();
    sauver_position();
    fermeture_confirmee = Vrai;
    f.Quitter__Click();
}

bool mini_lecteur::Form_KeyPress(int16_t KeyAscii) {
    Radio_FM& f = Radio_FM::instance();
    switch (KeyAscii) {
    case 'S':
    case 's':
    case 'Z':
    case 'z': Command2_Click(); return true;
    case ' ':
        Command3.setFocus();
        Command3_Click();
        return true;
    case 'L':
    case 'l': Command4_Click(); return true;
    case 'Q':
    case 'q':
    case 27: Command5_Click(); return true;
    case 'P':
    case 'p': pause_mini(); return true;
    case 'F':
    case 'f': f.A_gere_Click(); return true;
    case 'A':
    case 'a': f.Label15_Click(); return true;
    case 'O':
    case 'o': f.Label16_Click(); return true;
    default: return false;
    }
}

void mini_lecteur::Form_GotFocus() { fenetres::premier_plan(*this, true); }
void mini_lecteur::Form_DblClick() { titre_selectionne = false; }
void mini_lecteur::Label1_Click() { titre_selectionne = true; }

void mini_lecteur::Label1_DblClick() {
    setCaption(QString());
    titre_selectionne = false;
}

bool mini_lecteur::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) evenement::utilisateur([this] { Form_GotFocus(); });
    return Form::event(e);
}

bool mini_lecteur::eventFilter(QObject* objet, QEvent* e) {
    if (objet == &Label1 && e->type() == QEvent::MouseButtonDblClick)
        evenement::utilisateur([this] { Label1_DblClick(); });
    return Form::eventFilter(objet, e);
}

void mini_lecteur::mouseDoubleClickEvent(QMouseEvent*) { evenement::utilisateur([this] { Form_DblClick(); }); }

// The window's close box is the close button: the same question.
void mini_lecteur::closeEvent(QCloseEvent* e) {
    e->ignore();
    evenement::utilisateur([this] { Command5_Click(); });
}
