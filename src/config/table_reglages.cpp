#include "config/table_reglages.h"

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "platform/couleurs.h"
#include "platform/programme.h"

namespace reglages_table {
namespace {
constexpr Valeur T(const char* texte) { return {Valeur::Texte, texte}; }
constexpr Valeur Dossier{Valeur::DossierProgramme, ""};
constexpr Valeur P(const char* fichier) { return {Valeur::DansProgramme, fichier}; }

using namespace cle;

constexpr Ecriture k_premier_lancement[] = {
    {Config, valide_fichier_aleatoire, T("false")},
    {Config, Nb_fichier_aleatoire, T("0")},
    {Config, Chemin_fichier_aleatoire, T("Aucun fichier")},
    {Config, valide_fichier_aleatoire1, T("false")},
    {Config, Nb_fichier_aleatoire1, T("0")},
    {Config, Chemin_fichier_aleatoire1, T("Aucun fichier")},
    {Config, Forcer_Mix_Jingles, T("1")},
    {Config, Mix_audio, T("13")},
    {Config, Mix_audio_vitesse, T("40")},
    {Config, Mix_audio_attenuation, T("3")},
    {Config, valeur_max_jingles, T("30")},
    {Config, Prechargement, T("7")},
    {Config, Effet_visuel, T("Non")},
    {Config, Montrer_curseur, T("Non")},
    {Position, Position_haut, T("100")},
    {Position, Position_gauche, T("100")},
    {Position, Position_haut_liste, T("100")},
    {Position, Position_gauche_liste, T("100")},
    {Position, Position_haut_mini_lecteur, T("100")},
    {Position, Position_gauche_mini_lecteur, T("100")},
    {Config, Mix, T("6")},
    {Config, Nom_radio_fm, T("Sonavel")},
    {Config, Chemin_dossier_jingles, Dossier},
    {Config, Chemin_dernier_fichier, Dossier},
    {Config, Valeur_vitesse_timer, T("1000")},
    {Config, Chemin_programme, Dossier},
    {Config, type_affichage, T("T_défaut")},
    {Config, logo_fond, P("fond_noir1.jpg")},
    {Config, Logo_liste, P("Liste_sonavel1.jpg")},
    {Config, Logo_fichier, P("Menu_fichier_noir.gif")},
    {Config, logo, P("Logo_liste1.gif")},
    {Config, banniere, P("bandeau.swf")},
    {Config, Load_combo1, T("")},
    {Config, Load_combo2, T("")},
};

constexpr Ecriture k_couleurs[] = {
    {Couleur_liste, coul_texte_liste, T("986895")},
    {Couleur_liste, coul_label, T("16777215")},
    {Couleur_liste, coul_text_cadre, T("-2147483630")},
    {Couleur_liste, coul_text_bouton, T("-2147483630")},
    {Couleur_liste, coul_fond_liste, T("9408399")},
    {Couleur_liste, coul_fond_label, T("-2147483630")},
    {Couleur_liste, coul_fenetre, T("9408399")},
    {Couleur_liste, coul_cadre, T("-2147483630")},
    {Couleur_liste, coul_bouton, T("10461087")},
    {Couleur_liste, coul_bouton_groupe_lecture, T("noir")},
};

constexpr Ecriture k_purge[] = {
    {Config, Forcer_Mix_Jingles, T("1")},
    {Config, Mix_audio, T("10")},
    {Config, Mix_audio_vitesse, T("35")},
    {Config, Mix_audio_attenuation, T("2")},
    {Config, Prechargement, T("7")},
    {Config, Effet_visuel, T("Non")},
    {Config, Montrer_curseur, T("Non")},
    {Position, Position_haut, T("100")},
    {Position, Position_gauche, T("100")},
    {Position, Position_haut_liste, T("100")},
    {Position, Position_gauche_liste, T("100")},
    {Position, Position_haut_mini_lecteur, T("100")},
    {Position, Position_gauche_mini_lecteur, T("100")},
    {Config, Mix, T("6")},
    {Config, Nom_radio_fm, T("Sonavel")},
    {Config, Chemin_dossier_jingles, Dossier},
    {Config, Chemin_dernier_fichier, Dossier},
    {Config, Valeur_vitesse_timer, T("1000")},
    {Config, valeur_max_jingles, T("30")},
    {Config, valide_fichier_aleatoire, T("false")},
    {Config, Nb_fichier_aleatoire, T("0")},
    {Config, valide_fichier_aleatoire1, T("false")},
    {Config, Nb_fichier_aleatoire1, T("0")},
    {Config, Chemin_fichier_aleatoire, T("Aucun fichier")},
    {Config, Chemin_fichier_aleatoire1, T("Aucun fichier")},
    {Config, Chemin_programme, Dossier},
    {Config, type_affichage, T("T_défaut")},
    {Config, logo_fond, P("fond_noir1.jpg")},
    {Config, Logo_liste, T("oui")},
    {Config, Logo_liste, P("Liste_sonavel1.jpg")},
    {Config, Logo_fichier, P("Menu_fichier_noir.gif")},
    {Config, logo, P("Logo_liste1.gif")},
    {Config, banniere, P("bandeau_Flash.swf")},
    {Config, Load_combo1, T("")},
    {Config, Load_combo2, T("")},
    // then the ten default colours
};

constexpr Ecriture k_usine[] = {
    {Config, Forcer_Mix_Jingles, T("1")},
    {Config, Mix_audio, T("13")},
    {Config, Mix_audio_vitesse, T("40")},
    {Config, Mix_audio_attenuation, T("3")},
    {Config, Prechargement, T("7")},
    {Config, Effet_visuel, T("Non")},
    {Config, Montrer_curseur, T("Non")},
    {Position, Position_haut, T("100")},
    {Position, Position_gauche, T("100")},
    {Position, Position_haut_liste, T("100")},
    {Position, Position_gauche_liste, T("100")},
    {Position, Position_haut_mini_lecteur, T("100")},
    {Position, Position_gauche_mini_lecteur, T("100")},
    {Config, Mix, T("6")},
    {Config, Nom_radio_fm, T("Sonavel")},
    {Config, Chemin_dossier_jingles, Dossier},
    {Config, Chemin_dernier_fichier, Dossier},
    {Config, Valeur_vitesse_timer, T("1000")},
    {Config, Chemin_programme, Dossier},
    {Config, type_affichage, T("T_défaut")},
    {Config, logo_fond, P("fond_noir1.jpg")},
    {Config, Logo_liste, P("Liste_sonavel1.jpg")},
    {Config, Logo_fichier, P("Menu_fichier_noir.gif")},
    {Config, logo, P("Logo_liste1.gif")},
    {Config, banniere, P("bandeau_Flash.swf")},
    {Config, Load_combo1, T("")},
    {Config, Load_combo2, T("")},
    // then the ten default colours
};

// The purge and the factory reset end with the default colours: one table each, built once.
template <std::size_t N>
struct AvecCouleurs {
    Ecriture lignes[N + std::size(k_couleurs)];
    constexpr explicit AvecCouleurs(const Ecriture (&debut)[N]) : lignes{} {
        std::size_t n = 0;
        for (const Ecriture& e : debut) lignes[n++] = e;
        for (const Ecriture& e : k_couleurs) lignes[n++] = e;
    }
};
constexpr AvecCouleurs k_purge_complete{k_purge};
constexpr AvecCouleurs k_usine_complete{k_usine};

constexpr Theme k_themes[] = {
    {"T_Automne",
     {"16777152", "16777152", "16777152", "16777152", "16744703", "12583104", "12583104", "12583104", "12583104",
      "12632256"}},
    {"T_Eté", {"65535", "65535", "16777215", "65535", "33023", "192", "192", "192", "192", "255"}},
    {"T_Hiver",
     {"16777215", "16777215", "16777215", "16777215", "16033024", "12615680", "12615680", "12615680", "12615680",
      "16033024"}},
    {"T_printemps",
     {"16711680", "16711680", "16711680", "16711680", "8454016", "49152", "49152", "49152", "49152", "65280"}},
};
}  // namespace

Serie premier_lancement() { return {k_premier_lancement, std::size(k_premier_lancement)}; }
Serie couleurs_par_defaut() { return {k_couleurs, std::size(k_couleurs)}; }
Serie purge() { return {k_purge_complete.lignes, std::size(k_purge_complete.lignes)}; }
Serie usine() { return {k_usine_complete.lignes, std::size(k_usine_complete.lignes)}; }
const Theme& theme(Saison saison) { return k_themes[saison]; }

QString texte(const Valeur& v) {
    switch (v.genre) {
    case Valeur::DossierProgramme:
        return Radio::dossier_programme();
    case Valeur::DansProgramme:
        return Radio::Chemin_programme + QString::fromUtf8(v.texte);
    case Valeur::Texte:
        break;
    }
    return QString::fromUtf8(v.texte);
}

namespace {
// The six theme colours of the default look, in the order of the variables below.
constexpr int32_t k_defaut_texte_liste = 0x0F0F0F, k_defaut_text_bouton = couleur::TexteBouton,
                  k_defaut_label = 0xFFFFFF, k_defaut_fond_liste = 0x8F8F8F, k_defaut_fenetre = 0x8F8F8F,
                  k_defaut_bouton = 0x9F9F9F;
}  // namespace

void couleurs_par_defaut_en_memoire() {
    Radio::coul_texte_liste = k_defaut_texte_liste;
    Radio::coul_text_bouton = k_defaut_text_bouton;
    Radio::coul_label = k_defaut_label;
    Radio::coul_fond_liste = k_defaut_fond_liste;
    Radio::coul_fenètre = k_defaut_fenetre;
    Radio::coul_bouton = k_defaut_bouton;
    Radio::coul_bouton_groupe_lecture = QStringLiteral("noir");
}

bool couleurs_par_defaut_en_usage() {
    return Radio::coul_texte_liste == k_defaut_texte_liste && Radio::coul_text_bouton == k_defaut_text_bouton &&
           Radio::coul_label == k_defaut_label && Radio::coul_fond_liste == k_defaut_fond_liste &&
           Radio::coul_fenètre == k_defaut_fenetre && Radio::coul_bouton == k_defaut_bouton;
}

int ecrire_serie(const Serie& serie) {
    int echecs = 0;
    for (const Ecriture& e : serie)
        if (!Radio::ecrire_reglage_discret(e.section, e.cle, texte(e.valeur))) ++echecs;
    return echecs;
}
}  // namespace reglages_table
