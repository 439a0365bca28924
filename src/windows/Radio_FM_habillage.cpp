// The main window's skin: picture buttons that show a pressed picture while the mouse button
// is down and act on release, the label menu bar with its hover colour, the mode buttons, the
// overlap steps and the microphone.
#include <utility>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/boites.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/commandes_fenetres.h"
#include "windows/frmAbout.h"
#include "windows/infoplus.h"

using namespace Radio;

namespace {
constexpr const char* QuitterRepos = "bouton_noir_gros.jpg";
constexpr const char* QuitterPresse = "bouton_noir_grosdoux.jpg";
constexpr const char* MoyenPresse = "bouton_noir_moyendoux.jpg";
constexpr const char* PetitPresse = "bouton_noir_petitdoux.jpg";
constexpr const char* BasPresse = "boutons_bas.jpg";
constexpr const char* MicroCoupe = "micro_desactive.jpg";
constexpr int32_t Rouge = 255;
const QString AdresseWeb = QStringLiteral("https://sonavel.example.org");

// The playlist window's colour and picture menu, at the pointer.
void menu_look() { Liste_son::instance().Image6_Click(); }
}  // namespace

void Radio_FM::image_skin(Image& image, const char* nom) {
    if (!image.setPicture(Chemin_programme + QString::fromUtf8(nom))) throw Erreur(err::FichierIntrouvable);
}

void Radio_FM::Image1_Click() { Quitter__Click(); }

void Radio_FM::refus_mode_manuel() {
    MsgBox(QStringLiteral("Vous ètes en mode manuel") + QStringLiteral("\r") +
               QStringLiteral("Modifiez cette option pour une lecture de liste"),
           boites::Information);
    coche2.setValue(true);
    image_skin(Image12, PetitPresse);
}

void Radio_FM::Image6_MouseDown() {
    liste_refusee_a_l_appui = a_mode_manuel.Checked();
    if (liste_refusee_a_l_appui)
        refus_mode_manuel();
    else
        image_skin(Image6, BasPresse);
}

// The list menu opens on the release; a press that has just refused in manual mode does not
// have the menu's opening refuse a second time: one box per click.
void Radio_FM::Image6_MouseUp() {
    Image6.setPicture(QString());
    if (!std::exchange(liste_refusee_a_l_appui, false)) {
        liste_.PopupMenu();
        return;
    }
    const auto ouverture = std::exchange(liste_.Click, nullptr);
    liste_.PopupMenu();
    liste_.Click = ouverture;
}

void Radio_FM::Image12_MouseDown() {
    coche2.setValue(true);
    image_skin(Image12, PetitPresse);
}

void Radio_FM::Image12_MouseUp() {
    Image13.setPicture(QString());
    coche2_Click();
}

void Radio_FM::Image13_MouseDown() {
    Liste_son::instance().Label3.setCaption(QStringLiteral("( - - )"));
    image_skin(Image13, PetitPresse);
}

void Radio_FM::Image13_MouseUp() {
    Image12.setPicture(QString());
    if (coche3.Click) coche3.Click();
}

// The list-mix mode button: list chaining by the list sequencer, the list window at hand.
void Radio_FM::Image13_Click() {
    try {
        coche3.setValue(true);
        Liste_son& liste = Liste_son::instance();
        fenetres::etat_normal(liste);
        liste.A_precoute.setChecked(false);
        liste.A_precoute.setEnabled(false);
        liste.A_precoute.setVisible(true);
        liste.A_a_zapping.setChecked(true);
        liste.Label3.setCaption(QStringLiteral("( - - )"));
        image_skin(Image13, PetitPresse);
        liste.Option4.setValue(true);
        Timer4.setEnabled(true);
        Timer1.setEnabled(true);
        Timer2.setEnabled(false);
        lecture_liste_auto = Vrai;
    } catch (const Erreur&) {
        // A missing skin picture ends the command, as the other skin handlers do.
    }
}

void Radio_FM::pas_superposition(int sens) {
    const int16_t lu = rt::CInt(Text1.Text());
    int n = lu;
    if (sens < 0) {
        if (n >= 2)
            --n;
        else if (n == 1)
            Text1.setText(QStringLiteral("1"));
    } else if (n <= 0) {
        n = 1;
        Text1.setText(QStringLiteral("1"));
    } else {
        ++n;
        if (n > INT16_MAX) throw Erreur(err::Depassement);
    }
    Text1.setText(QString::number(n));
    superposition = int16_t(n);
    Mix = int16_t(n);
    prechargement_en_cours = Préchargement;
    // An overlap that reaches the preload (or one second short of it) would start the next
    // deck before it is loaded: the preload moves ahead.
    if (n == prechargement_en_cours)
        prechargement_en_cours = int16_t(prechargement_en_cours + 2);
    else if (n == prechargement_en_cours - 1)
        prechargement_en_cours = int16_t(prechargement_en_cours + 3);
    ecrire_reglage(cle::Config, cle::Mix, QString::number(n));
}

void Radio_FM::Image14_MouseUp() {
    Image14.setPicture(QString());
    pas_superposition(-1);
}

void Radio_FM::Image15_MouseUp() {
    Image15.setPicture(QString());
    pas_superposition(+1);
}

void Radio_FM::Image16_Click() {
    if (micro_actif != Faux) {
        image_skin(Image16, MicroCoupe);
        micro_actif = Faux;
    } else {
        Image16.setPicture(QString());
        micro_actif = Vrai;
    }
}

void Radio_FM::Label12_Click() { Fichier_.PopupMenu(); }
void Radio_FM::Label13_Click() { lire_play.PopupMenu(); }
void Radio_FM::Label14_Click() { liste_.PopupMenu(); }
void Radio_FM::Label15_Click() { affiche.PopupMenu(); }
void Radio_FM::Label16_Click() { Option_.PopupMenu(); }
void Radio_FM::Label17_Click() { aide_.PopupMenu(); }
void Radio_FM::Label18_Click() { menu_look(); }
void Radio_FM::Label19_Click() { A_Propos.PopupMenu(); }
void Radio_FM::Label20_Click() { infoplus::instance().Show(true); }
void Radio_FM::Label25_MouseUp() { A_visuel.PopupMenu(); }

void Radio_FM::survol_label(Label& l) {
    // The sum is a colour only while it stays a plain RGB value: a light label colour would
    // overflow into the system colours, and then the label keeps its colour.
    const int64_t survol = int64_t(coul_label) + 18000;
    if (survol >= 0 && survol <= 0xFFFFFF) l.setForeColor(int32_t(survol));
}

void Radio_FM::brancher_commandes() {
    // Picture buttons: pressed picture on mouse down; on release the picture goes, then the
    // action. A handler stops at a picture that cannot be read.
    auto presse = [this](Image& i, const char* nom) {
        i.MouseDown = [this, &i, nom](int, int, float, float) { image_skin(i, nom); };
    };
    auto relache = [](Image& i, std::function<void()> action) {
        i.MouseUp = [&i, action](int, int, float, float) {
            i.setPicture(QString());
            action();
        };
    };
    Image1.MouseDown = [this](int, int, float, float) { image_skin(Image1, QuitterPresse); };
    Image1.MouseMove = [this](int, int, float, float) { image_skin(Image1, QuitterPresse); };
    Image1.MouseUp = [this](int, int, float, float) { image_skin(Image1, QuitterRepos); };
    Image1.Click = [this] { Image1_Click(); };
    for (Image* i : {&Image2, &Image3, &Image4, &Image5, &Image7}) presse(*i, BasPresse);
    Image6.MouseDown = [this](int, int, float, float) { Image6_MouseDown(); };
    relache(Image2, [this] { Fichier_.PopupMenu(); });
    relache(Image3, [] { menu_look(); });
    relache(Image4, [this] { Option_.PopupMenu(); });
    relache(Image5, [this] { lire_play.PopupMenu(); });
    Image6.MouseUp = [this](int, int, float, float) { Image6_MouseUp(); };
    relache(Image7, [this] { affiche.PopupMenu(); });
    for (Image* i : {&Image9, &Image10, &Image11}) presse(*i, MoyenPresse);
    relache(Image9, [this] { aideprog_Click(); });
    relache(Image10, [] { frmAbout::instance().Show(); });
    relache(Image11, [] { infoplus::instance().Show(true); });
    Image12.MouseDown = [this](int, int, float, float) { Image12_MouseDown(); };
    Image12.MouseUp = [this](int, int, float, float) { Image12_MouseUp(); };
    Image12.Click = [this] { Image12_Click(); };
    Image13.MouseDown = [this](int, int, float, float) { Image13_MouseDown(); };
    Image13.MouseUp = [this](int, int, float, float) { Image13_MouseUp(); };
    Image13.Click = [this] { Image13_Click(); };
    presse(Image14, PetitPresse);
    presse(Image15, PetitPresse);
    Image14.MouseUp = [this](int, int, float, float) { Image14_MouseUp(); };
    Image15.MouseUp = [this](int, int, float, float) { Image15_MouseUp(); };
    Image16.Click = [this] { Image16_Click(); };

    // The label menu bar.
    const struct {
        Label& label;
        void (Radio_FM::*clic)();
    } barre[] = {
        {Label12, &Radio_FM::Label12_Click}, {Label13, &Radio_FM::Label13_Click}, {Label14, &Radio_FM::Label14_Click},
        {Label15, &Radio_FM::Label15_Click}, {Label16, &Radio_FM::Label16_Click}, {Label17, &Radio_FM::Label17_Click},
        {Label18, &Radio_FM::Label18_Click}, {Label19, &Radio_FM::Label19_Click},
    };
    for (const auto& b : barre) {
        Label* l = &b.label;
        auto clic = b.clic;
        l->Click = [this, clic] { (this->*clic)(); };
        l->MouseMove = [this, l](int, int, float, float) { survol_label(*l); };
    }
    Label20.setCaption(QStringLiteral("www.sonavel.example.org"));
    Label20.Click = [this] { Label20_Click(); };
    Label20.setToolTip(AdresseWeb);
    Label20.MouseMove = [this](int, int, float, float) {
        Label20.setForeColor(Rouge);
        Label20.setToolTip(AdresseWeb);
    };
    Label25.MouseUp = [this](int, int, float, float) { Label25_MouseUp(); };
    Label25.MouseMove = [this](int, int, float, float) {
        Label25.setForeColor(Rouge);
        Label25.setToolTip(programme::nom());
    };
    // The banner's place is at least the height its file menu names (475 * 40).
    ShockwaveFlash1.setMinimumSize(160, 40);
    Label5.MouseMove = [this](int, int, float, float) {
        Label5.setToolTip(QStringLiteral("temps piste en secondes ") + Label5.Caption());
    };

    brancher_menus();
    brancher_clavier();
}
