// The playlist window's colour menu: picked colours, the four season themes and the factory
// reset.
#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/barre_position.h"
#include "platform/boites.h"
#include "platform/programme.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/err_form.h"
#include "windows/frmAbout.h"

using namespace Radio;

namespace {
QString redemarrage_necessaire(const QString& separateur) {
    return QStringLiteral("Pour prendre effet..le redémarrage de ") + separateur + programme::nom() +
           QStringLiteral(" est nécessaire ");
}

template <class T, class F>
void pour_chaque(QWidget& fenetre, F&& f) {
    for (T* c : fenetre.findChildren<T*>()) f(*c);
}

void theme_saison(reglages_table::Saison saison) {
    const reglages_table::Theme& t = reglages_table::theme(saison);
    CommandeReglages commande;  // fourteen keys, one message when the store refuses them
    for (int i = 0; i < 10; ++i)
        ecrire_reglage(cle::Couleur_liste, reglages_table::cles_couleurs_theme[i], QString::fromUtf8(t.couleurs[i]));
    ecrire_reglage(cle::Config, cle::type_affichage, QString::fromUtf8(t.nom));
    ecrire_reglage(cle::Config, cle::logo_fond, chemin_logo_fond);
    // The menu's enabled state in words: the main window then shows no list logo.
    ecrire_reglage(cle::Config, cle::Logo_liste,
                   Liste_son::instance().logo_liste.Enabled() ? QStringLiteral("Vrai") : QStringLiteral("Faux"));
    ecrire_reglage(cle::Config, cle::logo, chemin_logo);
    MsgBox(redemarrage_necessaire(QStringLiteral("\r")), boites::Information);
}
}  // namespace

void Liste_son::A_coul_fenètre_Click() { appliquer_couleur_fond(this, CommonDialog1.Color); }

void Liste_son::A_coul_texte_liste_Click() {
    CommonDialog1.CancelError = true;
    try {
        CommonDialog1.ShowColor();
        ListView1.setForeColor(CommonDialog1.Color);
        ecrire_reglage(cle::Couleur_liste, cle::coul_texte_liste, QString::number(CommonDialog1.Color));
    } catch (const Erreur&) {
    }
}

void Liste_son::a_coul_label_Click() {
    CommonDialog1.CancelError = true;
    try {
        CommonDialog1.ShowColor();
    } catch (const Erreur&) {
        return;
    }
    const int32_t c = CommonDialog1.Color;
    ReprendreSurErreur essayer;
    essayer([&] { pour_chaque<Label>(*this, [c](Label& l) { l.setForeColor(c); }); });
    essayer([&] {
        Radio_FM& r = Radio_FM::instance();
        pour_chaque<OptionButton>(r, [c](OptionButton& o) { o.setForeColor(c); });
        pour_chaque<Label>(r, [c](Label& l) { l.setForeColor(c); });
        pour_chaque<CheckBox>(r, [c](CheckBox& x) { x.setForeColor(c); });
        pour_chaque<Shape>(r, [c](Shape& s) { s.setBorderColor(c); });
        pour_chaque<PositionBar>(r, [c](PositionBar& b) { b.setForeColor(c); });
        r.update();
    });
    essayer([&] {
        ajout_fichier& a = ajout_fichier::instance();
        pour_chaque<Label>(a, [c](Label& l) { l.setForeColor(c); });
        pour_chaque<OwnerDrawnButton>(a, [c](OwnerDrawnButton& b) { b.setBackColorDown(c); });
        pour_chaque<CommandButton>(a, [c](CommandButton& b) { b.setForeColor(c); });
        for (const char* nom : {"File1", "Dir1", "Drive1", "Text1"}) {
            QWidget* w = a.findChild<QWidget*>(QString::fromUtf8(nom));
            if (auto* couleurs = dynamic_cast<Couleurs*>(w))
                couleurs->setForeColor(c);
            else if (w)
                appliquer_couleur_texte(w, c);
        }
        pour_chaque<ComboBox>(a, [c](ComboBox& b) { b.setForeColor(c); });
    });
    // The about box keeps its back colour, so its labels stay readable.
    essayer([&] { pour_chaque<Label>(frmAbout::instance(), [c](Label& l) { l.setForeColor(c); }); });
    essayer([&] { err_form::instance().Label1.setForeColor(c); });
    coul_label = c;
    ecrire_reglage(cle::Couleur_liste, cle::coul_label, QString::number(c));
}

void Liste_son::T_Autonne_Click() { theme_saison(reglages_table::Automne); }
void Liste_son::T_Eté_Click() { theme_saison(reglages_table::Ete); }
void Liste_son::T_Hiver_Click() { theme_saison(reglages_table::Hiver); }
void Liste_son::T_Printemps_Click() { theme_saison(reglages_table::Printemps); }

void Liste_son::A_revenir_couleur_Click() {
    if (reglages_table::ecrire_serie(reglages_table::usine()) > 0) signaler_reglage_non_enregistre();
    MsgBox(redemarrage_necessaire(QString()), boites::Information, programme::nom());
    End();
}
