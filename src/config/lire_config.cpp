// The settings loader: every setting into the shared state and the windows, the first-start
// detection, the default colours and the theme.
#include "config/Radio.h"
#include "config/etat.h"
#include "config/placement.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/mini_lecteur.h"

namespace Radio {
namespace {
QString lire(const char* cle_config) { return lire_reglage(cle::Config, cle_config); }
QString ou(const QString& texte, const char* si_vide) { return texte.isEmpty() ? QString::fromUtf8(si_vide) : texte; }
}  // namespace

void lire_config() {
    using namespace cle;
    ReprendreSurErreur essayer;

    // 1. The program folder, with its "/", as the settings record it.
    Chemin_programme = programme::dossier();
    essayer([] { ecrire_reglage_discret(Config, cle::Chemin_programme, Chemin_programme); });

    // 2. Numbers with an inline default.
    const QString t_forcer = ou(lire(cle::Forcer_Mix_Jingles), valeur::Forcer_Mix_Jingles_vide);
    const QString t_mix_audio = ou(lire(cle::Mix_audio), valeur::Mix_audio_vide);
    const QString t_vitesse = ou(lire(cle::Mix_audio_vitesse), valeur::Mix_audio_vitesse_vide);
    const QString t_attenuation = ou(lire(cle::Mix_audio_attenuation), valeur::Mix_audio_attenuation_vide);
    const QString t_max_jingles = ou(lire(cle::valeur_max_jingles), valeur::valeur_max_jingles_vide);
    essayer([&] { Forcer_Mix_Jingles = rt::CInt(t_forcer); });
    essayer([&] { Mix_audio = rt::CInt(t_mix_audio); });
    essayer([&] { Mix_audio_vitesse = rt::CInt(t_vitesse); });
    essayer([&] { Mix_audio_attenuation = rt::CInt(t_attenuation); });
    essayer([&] { valeur_max_jingles = rt::CInt(t_max_jingles); });

    // 3. Window positions.
    const struct {
        const char* cle;
        int16_t& variable;
    } positions[] = {
        {cle::Position_haut, Position_haut},
        {cle::Position_gauche, Position_gauche},
        {cle::Position_haut_liste, Position_haut_liste},
        {cle::Position_gauche_liste, Position_gauche_liste},
        {cle::Position_haut_mini_lecteur, Position_haut_mini_lecteur},
        {cle::Position_gauche_mini_lecteur, Position_gauche_mini_lecteur},
    };
    for (const auto& p : positions) essayer([&] { p.variable = rt::CInt(lire_reglage(Position, p.cle)); });

    // 4. Texts.
    QString t_mix = lire(cle::Mix);
    Nom_radio_fm = lire(cle::Nom_radio_fm);
    QString t_combo1 = lire(cle::Load_combo1);
    QString t_combo2 = lire(cle::Load_combo2);
    const QString t_prechargement = lire(cle::Prechargement);
    const QString t_vitesse_timer = lire(cle::Valeur_vitesse_timer);
    chemin_logo = lire(cle::logo);
    chemin_logo_fond = lire(cle::logo_fond);
    chemin_logo_liste = lire(cle::Logo_liste);
    chemin_logo_fichier = lire(cle::Logo_fichier);
    chemin_banniere = lire(cle::banniere);
    effet_visuel_texte = lire(cle::Effet_visuel);
    QString t_curseur = lire(cle::Montrer_curseur);
    type_affichage = lire(cle::type_affichage);
    Chemin_dossier_jingles = lire(cle::Chemin_dossier_jingles);
    Chemin_dernier_fichier = lire(cle::Chemin_dernier_fichier);
    Chemin_editeur_audio = lire(cle::Chemin_editeur_audio);
    Chemin_programme = lire(cle::Chemin_programme);

    // 5. The options dialog is loaded here.
    Form_options& options = Form_options::instance();
    options.Text5.setText(QString::number(valeur_max_jingles));

    // 6, 7. Jingle auto and New auto.
    struct Insertion {
        const char* cle_valide;
        const char* cle_nb;
        const char* cle_chemin;
        CheckBox& coche;
        TextBox& intervalle;
        TextBox& liste;
        Timer Radio_FM::*minuterie;
        Drapeau& actif;
        Label Liste_son::*etat;
        const char* on;
        int16_t& nb;
        QString& chemin;
    };
    Insertion insertions[] = {
        {cle::valide_fichier_aleatoire, cle::Nb_fichier_aleatoire, cle::Chemin_fichier_aleatoire, options.Check1,
         options.Text1, options.Text2, &Radio_FM::Timer8, jingle_auto_actif, &Liste_son::Label14, "Jingle auto On",
         Nb_fichier_aleatoire, Chemin_fichier_aleatoire},
        {cle::valide_fichier_aleatoire1, cle::Nb_fichier_aleatoire1, cle::Chemin_fichier_aleatoire1, options.Check2,
         options.Text13, options.Text12, &Radio_FM::Timer9, new_auto_actif, &Liste_son::Label15, "New auto On",
         Nb_fichier_aleatoire1, Chemin_fichier_aleatoire1},
    };
    for (Insertion& i : insertions) {
        const QString valide = lire(i.cle_valide);
        if (valide == QLatin1String(valeur::Vrai)) {
            essayer([&] {
                i.coche.setEnabled(true);
                i.coche.setValue(1);
                (Radio_FM::instance().*i.minuterie).setEnabled(true);
                i.actif = Vrai;
                (Liste_son::instance().*i.etat).setCaption(QString::fromUtf8(i.on));
            });
        }
        if (valide == QLatin1String(valeur::Faux)) (Radio_FM::instance().*i.minuterie).setEnabled(false);
        const QString nb = lire(i.cle_nb);
        essayer([&] { i.nb = rt::CInt(nb); });
        i.intervalle.setText(nb);
        i.chemin = lire(i.cle_chemin);
        i.liste.setText(i.chemin);
    }

    // 8. A setting that could not be read means a first start: write the defaults.
    if (essayer.Number() > 0) {
        Chemin_editeur_audio = QStringLiteral("X");
        Mix_audio_attenuation = 3;
        prechargement_en_cours = Préchargement = 7;
        effet_visuel = Faux;
        effet_visuel_texte = QString::fromUtf8(valeur::Non);
        t_curseur = QString::fromUtf8(valeur::Non);
        t_mix = QStringLiteral("6");
        Nom_radio_fm = QString::fromUtf8(valeur::Nom_radio_defaut);
        Chemin_dossier_jingles = dossier_programme();
        type_affichage = QString::fromUtf8(valeur::T_defaut);
        reglages_table::ecrire_serie(reglages_table::premier_lancement());
        // Chemin_programme keeps its "/": the picture paths below are built on it.
        chemin_logo_fond = Chemin_programme + QStringLiteral("fond_noir1.jpg");
        chemin_logo_liste = Chemin_programme + QStringLiteral("Liste_sonavel1.jpg");
        chemin_logo_fichier = Chemin_programme + QStringLiteral("Menu_fichier_noir.gif");
        chemin_logo = Chemin_programme + QStringLiteral("Logo_liste1.gif");
        chemin_banniere = Chemin_programme + QStringLiteral("bandeau.swf");
        t_combo1.clear();
        t_combo2.clear();
        Chemin_dernier_fichier = Chemin_programme;
        premier_lancement = Vrai;
    }

    // 9. Convert and show; a text that does not convert leaves the variable as it was.
    Radio_FM& r = Radio_FM::instance();
    const struct {
        const QString& texte;
        int16_t& variable;
        TextBox* champ;
    } nombres[] = {
        {t_vitesse, Mix_audio_vitesse, &options.Text6},
        {t_mix_audio, Mix_audio, &options.Text14},
        {t_forcer, Forcer_Mix_Jingles, &options.Text11},
        {t_attenuation, Mix_audio_attenuation, &options.Text7},
        {t_mix, superposition, &options.Text4},
        {t_prechargement, prechargement_en_cours, &options.Text3},
        {t_prechargement, Préchargement, nullptr},
        {t_mix, Mix, nullptr},
    };
    for (const auto& n : nombres) {
        essayer([&] { n.variable = rt::CInt(n.texte); });
        if (n.champ) n.champ->setText(QString::number(n.variable));
    }
    // A supervision interval of 0, below it or not a number would never tick (and an options
    // save would keep it): the default instead, without counting as a failed read.
    Valeur_vitesse_timer = 1000;
    try {
        const int16_t v = rt::CInt(t_vitesse_timer);
        if (v >= 1) Valeur_vitesse_timer = v;
    } catch (const Erreur&) {
    }
    options.Text8.setText(QString::number(Valeur_vitesse_timer));
    r.Text1.setText(t_mix);

    // 10 to 13. Menus of the main window.
    r.A_def_jingles.setCaption(QStringLiteral("Définir le chemin des jingles : ") + Chemin_dossier_jingles);
    r.A_def_musique.setCaption(QStringLiteral("Définir le chemin du dossier Musique :") + Chemin_dernier_fichier);
    r.a_editeur_audio.setCaption(QStringLiteral("Définir le chemin de l'editeur audio :") + Chemin_editeur_audio);
    const bool effet = effet_visuel_texte == QLatin1String(valeur::Oui);
    r.A_visuel_active.setChecked(effet);
    r.A_visuel_desactive.setChecked(!effet);
    const bool curseurs = t_curseur == QLatin1String(valeur::Oui);
    r.aa_montrer_curseur.setChecked(curseurs);
    r.aa_cacher_curseur.setChecked(!curseurs);
    for (QWidget* w : std::initializer_list<QWidget*>{&r.Slider, &r.Slider1, &r.Slider2}) w->setVisible(curseurs);
    for (QWidget* w : std::initializer_list<QWidget*>{&r.Label27, &r.Label28, &r.Label29}) w->setVisible(!curseurs);
    Load_combo1 = t_combo1;
    Load_combo2 = t_combo2;
    r.Quitter_.setCaption(QStringLiteral("Quitter ") + Nom_radio_fm + QStringLiteral(" (Q)"));

    // 14. Windows in place (the mini player with the theme).
    placement::placer(r, Position_haut, Position_gauche);
    Liste_son& l = Liste_son::instance();
    placement::placer(l, Position_haut_liste, Position_gauche_liste);

    // 15, 16. Colours; after any failure since the start, the default colours.
    const struct {
        const char* cle;
        int32_t& variable;
    } couleurs[] = {
        {cle::coul_texte_liste, coul_texte_liste}, {cle::coul_text_bouton, coul_text_bouton},
        {cle::coul_label, coul_label},             {cle::coul_fond_liste, coul_fond_liste},
        {cle::coul_fenetre, coul_fenètre},         {cle::coul_bouton, coul_bouton},
    };
    for (const auto& c : couleurs) essayer([&] { c.variable = rt::CLng(lire_reglage(Couleur_liste, c.cle)); });
    if (essayer.Number() > 0) {
        reglages_table::ecrire_serie(reglages_table::couleurs_par_defaut());
        reglages_table::couleurs_par_defaut_en_memoire();
    }

    // 17.
    appliquer_theme();
}
}  // namespace Radio
