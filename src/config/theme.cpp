// The colour theme: the six theme colours painted on every window, kind of control by kind
// of control, in a fixed order so that a later step overrides an earlier one.
#include "config/Radio.h"
#include "config/etat.h"
#include "config/placement.h"
#include "config/table_reglages.h"
#include "platform/barre_position.h"
#include "platform/controles.h"
#include "platform/images.h"
#include "windows/Association.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Propriete.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/copie.h"
#include "windows/err_form.h"
#include "windows/frmAbout.h"
#include "windows/mini_lecteur.h"
#include "windows/renom.h"

namespace Radio {
namespace {
template <class T, class F>
void pour_chaque(QWidget& fenetre, F&& f) {
    for (T* c : fenetre.findChildren<T*>()) f(*c);
}
template <class T>
void fond(QWidget& f, int32_t c) {
    pour_chaque<T>(f, [c](T& x) { x.setBackColor(c); });
}
template <class T>
void texte(QWidget& f, int32_t c) {
    pour_chaque<T>(f, [c](T& x) { x.setForeColor(c); });
}

// A single control that the window names itself (its object name), skipped when the window
// has none of that name.
void nomme(QWidget& fenetre, const char* nom, int32_t texte_c, int32_t fond_c, bool texte_dabord = true) {
    QWidget* w = fenetre.findChild<QWidget*>(QString::fromUtf8(nom));
    if (!w) return;
    auto* c = dynamic_cast<Couleurs*>(w);
    if (!c) {
        if (texte_dabord) appliquer_couleur_texte(w, texte_c);
        appliquer_couleur_fond(w, fond_c);
        if (!texte_dabord) appliquer_couleur_texte(w, texte_c);
        return;
    }
    if (texte_dabord) c->setForeColor(texte_c);
    c->setBackColor(fond_c);
    if (!texte_dabord) c->setForeColor(texte_c);
}
void nomme_fond(QWidget& fenetre, const char* nom, int32_t fond_c) {
    QWidget* w = fenetre.findChild<QWidget*>(QString::fromUtf8(nom));
    if (!w) return;
    if (auto* c = dynamic_cast<Couleurs*>(w))
        c->setBackColor(fond_c);
    else
        appliquer_couleur_fond(w, fond_c);
}

void boutons_dessines(QWidget& f, int32_t dos, int32_t bas, int32_t survol, int32_t txt) {
    pour_chaque<OwnerDrawnButton>(f, [&](OwnerDrawnButton& b) { b.setBackColor(dos); });
    pour_chaque<OwnerDrawnButton>(f, [&](OwnerDrawnButton& b) { b.setBackColorDown(bas); });
    pour_chaque<OwnerDrawnButton>(f, [&](OwnerDrawnButton& b) { b.setBackColorOver(survol); });
    pour_chaque<OwnerDrawnButton>(f, [&](OwnerDrawnButton& b) { b.setForeColor(txt); });
    pour_chaque<OwnerDrawnButton>(f, [&](OwnerDrawnButton& b) { b.setForeColorDown(txt); });
    pour_chaque<OwnerDrawnButton>(f, [&](OwnerDrawnButton& b) { b.setForeColorOver(txt); });
}

void barres(QWidget& f, int32_t texte_c) {
    pour_chaque<PositionBar>(f, [texte_c](PositionBar& b) {
        b.setBackColor(coul_fond_liste);
        b.setFillColor(coul_texte_liste);
        b.setForeColor(texte_c);
    });
}
}  // namespace

int32_t texte_lisible(int32_t texte, int32_t fond) {
    if (!reglages_table::couleurs_par_defaut_en_usage() || contraste(couleur_qt(texte), couleur_qt(fond)) >= 4.5)
        return texte;
    return coul_texte_liste;
}

int32_t survol_lisible(int32_t fond) {
    constexpr int32_t VertClair = 8454016;  // &H80FF80
    constexpr int32_t VertSombre = 0x002C00;
    return texte_lisible(VertClair, fond) == VertClair ? VertClair : VertSombre;
}

// The playlist window's labels lie on the list's own grey picture, like the list's ground.
int32_t couleur_labels_liste() { return texte_lisible(coul_label, coul_fond_liste); }

void appliquer_theme() {
    // The default look writes white on mid-grey (3.2:1). While it is in use, texts on a plain
    // ground take the dark list text of the same look instead; over the dark background
    // pictures (main window, options dialog) labels stay white. Colours the user chose are
    // applied as chosen.
    const int32_t sur_champ = texte_lisible(coul_label, coul_fond_liste);
    const int32_t sur_fenetre = texte_lisible(coul_label, coul_fenètre);

    // Options dialog.
    Form_options& o = Form_options::instance();
    appliquer_couleur_fond(&o, coul_fenètre);
    fond<CheckBox>(o, coul_fenètre);
    texte<CheckBox>(o, sur_fenetre);
    texte<Label>(o, coul_label);
    fond<CommandButton>(o, coul_fenètre);
    fond<ComboBox>(o, coul_fond_liste);
    texte<ComboBox>(o, sur_champ);
    texte<TextBox>(o, sur_champ);
    fond<TextBox>(o, coul_fond_liste);

    // Mini player.
    mini_lecteur& m = mini_lecteur::instance();
    placement::placer(m, Position_haut_mini_lecteur, Position_gauche_mini_lecteur);
    appliquer_couleur_fond(&m, coul_fenètre);
    m.Label1.setBackColor(coul_fenètre);
    m.Label1.setForeColor(sur_fenetre);
    fond<CommandButton>(m, coul_bouton);

    // Playlist window.
    Liste_son& l = Liste_son::instance();
    l.ListView1.setForeColor(coul_texte_liste);
    l.Combo1.setForeColor(sur_champ);
    fond<OptionButton>(l, coul_fenètre);
    texte<Label>(l, couleur_labels_liste());
    l.ListView1.setBackColor(coul_fond_liste);
    l.Combo1.setBackColor(coul_fond_liste);
    appliquer_couleur_fond(&l, coul_fenètre);
    fond<CommandButton>(l, coul_bouton);

    // Main window.
    Radio_FM& r = Radio_FM::instance();
    appliquer_couleur_fond(&r, coul_fenètre);
    r.Text1.setForeColor(coul_texte_liste);
    r.Text1.setBackColor(coul_fond_liste);
    texte<Label>(r, coul_label);
    fond<Label>(r, coul_fenètre);
    pour_chaque<Shape>(r, [](Shape& s) { s.setBorderColor(coul_label); });
    boutons_dessines(r, coul_fenètre, coul_fond_liste, coul_fond_liste, coul_text_bouton);
    texte<CheckBox>(r, sur_champ);
    fond<CheckBox>(r, coul_fond_liste);
    fond<OptionButton>(r, coul_fenètre);
    texte<OptionButton>(r, sur_fenetre);
    fond<CommandButton>(r, coul_bouton);
    texte<ComboBox>(r, sur_champ);
    fond<ComboBox>(r, coul_fond_liste);
    barres(r, sur_champ);
    // Text1 lies on the list colour; the hidden boxes keep their own ground.
    pour_chaque<TextBox>(r, [&](TextBox& t) { t.setForeColor(texte_lisible(coul_label, t.BackColor())); });

    // File manager.
    ajout_fichier& a = ajout_fichier::instance();
    texte<TextBox>(a, sur_champ);
    fond<TextBox>(a, coul_fond_liste);
    // Labels on the grey panel (Frame1) read in the readable colour; those right of it lie on the
    // dark file-menu picture and keep the label colour.
    const QWidget* panneau = a.findChild<QWidget*>(QStringLiteral("Frame1"));
    const int bord = panneau ? panneau->geometry().right() : 0;
    pour_chaque<Label>(a, [&](Label& l) { l.setForeColor(l.geometry().left() > bord ? coul_label : sur_fenetre); });
    fond<CommandButton>(a, coul_fenètre);
    nomme(a, "File1", sur_champ, coul_fond_liste);
    appliquer_couleur_fond(&a, coul_fenètre);
    nomme(a, "Dir1", sur_champ, coul_fond_liste);
    nomme(a, "Drive1", sur_champ, coul_fond_liste);
    nomme_fond(a, "Frame1", coul_fenètre);
    texte<ComboBox>(a, sur_champ);
    fond<ComboBox>(a, coul_fond_liste);
    boutons_dessines(a, coul_fenètre, coul_label, coul_fond_liste, coul_text_bouton);

    // About box (its back colour; its controls below).
    frmAbout& apropos = frmAbout::instance();
    appliquer_couleur_fond(&apropos, coul_fenètre);

    // Notice window. Its two buttons: back, pressed back, hovered back, text, pressed text,
    // hovered text.
    err_form& e = err_form::instance();
    appliquer_couleur_fond(&e, coul_fenètre);
    e.Label1.setForeColor(sur_fenetre);
    e.Label1.setBackColor(coul_fenètre);
    for (OwnerDrawnButton* b : {&e.AnyButton1, &e.AnyButton2}) {
        b->setBackColor(coul_fenètre);
        b->setBackColorDown(coul_label);
        b->setBackColorOver(coul_fond_liste);
        b->setForeColor(sur_fenetre);
        b->setForeColorDown(coul_text_bouton);
        b->setForeColorOver(coul_text_bouton);
    }

    // Entry properties.
    Propriete& p = Propriete::instance();
    appliquer_couleur_fond(&p, coul_fenètre);
    barres(p, sur_champ);
    texte<TextBox>(p, sur_champ);
    fond<TextBox>(p, coul_fond_liste);
    texte<Label>(p, sur_fenetre);
    fond<Label>(p, coul_fenètre);
    boutons_dessines(p, coul_fenètre, coul_label, coul_fond_liste, coul_text_bouton);

    // Rename dialog.
    renom& rn = renom::instance();
    nomme_fond(rn, "Text1", coul_fond_liste);
    appliquer_couleur_fond(&rn, coul_fenètre);
    nomme(rn, "Text1", sur_champ, coul_fond_liste, false);
    texte<Label>(rn, sur_fenetre);
    fond<Label>(rn, coul_fenètre);

    // About box controls.
    nomme_fond(apropos, "cmdOK", coul_bouton);
    fond<Label>(apropos, coul_fenètre);
    texte<Label>(apropos, sur_fenetre);
    fond<CommandButton>(apropos, coul_fenètre);

    // Copy dialog.
    copie& cp = copie::instance();
    fond<CommandButton>(cp, coul_fenètre);
    appliquer_couleur_fond(&cp, coul_fenètre);
    for (const char* nom : {"Dir1", "Drive1", "Text1", "Text2"}) nomme(cp, nom, coul_texte_liste, coul_fond_liste);
    nomme(cp, "Frame1", sur_fenetre, coul_fenètre, false);
    fond<Label>(cp, coul_fenètre);
    texte<Label>(cp, sur_fenetre);

    // File-type association.
    Association& as = Association::instance();
    appliquer_couleur_fond(&as, coul_fenètre);
    fond<CommandButton>(as, coul_fenètre);
    nomme_fond(as, "Text1", coul_fond_liste);
    nomme_fond(as, "Text2", coul_fond_liste);
    nomme(as, "Text1", coul_texte_liste, coul_fond_liste);
    nomme(as, "Text2", coul_texte_liste, coul_fond_liste);
    fond<OptionButton>(as, coul_fenètre);
    texte<OptionButton>(as, sur_fenetre);
    fond<Label>(as, coul_fenètre);
    texte<Label>(as, sur_fenetre);
}
}  // namespace Radio

#include <QPixmap>
#include <QPalette>

#include "platform/erreur.h"

namespace Radio {
void charger_image_fond(QWidget& w, const QString& chemin) {
    QPixmap image;
    if (!charger_image(chemin, image) || image.isNull()) throw Erreur(err::FichierIntrouvable);
    QPalette p = w.palette();
    p.setBrush(QPalette::Window, QBrush(image));
    p.setBrush(QPalette::Base, QBrush(image));
    w.setPalette(p);
    w.setAutoFillBackground(true);
}
}  // namespace Radio
