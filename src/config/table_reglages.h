#pragma once
// The settings table: the application, the three sections, every key, and the sets of values
// that the program writes at once (first start, purge, factory reset, default colours, season
// themes). Procedures name keys through these constants and write a set with ecrire_serie.
#include <QString>
#include <cstddef>

namespace cle {
constexpr const char* Application = "Sonavel V5";
constexpr const char* Config = "Config";
constexpr const char* Position = "Position";
constexpr const char* Couleur_liste = "Couleur_liste";

// "Config"
constexpr const char* Chemin_programme = "Chemin_programme";
constexpr const char* Forcer_Mix_Jingles = "Forcer_Mix_Jingles";
constexpr const char* Mix_audio = "Mix_audio";
constexpr const char* Mix_audio_vitesse = "Mix_audio_vitesse";
constexpr const char* Mix_audio_attenuation = "Mix_audio_attenuation";
constexpr const char* valeur_max_jingles = "valeur_max_jingles";
constexpr const char* Mix = "Mix";
constexpr const char* Nom_radio_fm = "Nom_radio_fm";
constexpr const char* Load_combo1 = "Load_combo1";
constexpr const char* Load_combo2 = "Load_combo2";
constexpr const char* Prechargement = "Préchargement";
constexpr const char* Valeur_vitesse_timer = "Valeur_vitesse_timer";
constexpr const char* logo = "logo";
constexpr const char* logo_fond = "logo_fond";
constexpr const char* Logo_liste = "Logo_liste";
constexpr const char* Logo_fichier = "Logo_fichier";
constexpr const char* banniere = "banniere";
constexpr const char* Effet_visuel = "Effet visuel";
constexpr const char* Montrer_curseur = "Montrer curseur";
constexpr const char* type_affichage = "type_affichage";
constexpr const char* Chemin_dossier_jingles = "Chemin_dossier_jingles";
constexpr const char* Chemin_dernier_fichier = "Chemin_dernier_fichier";
constexpr const char* Chemin_editeur_audio = "Chemin_editeur_audio";
constexpr const char* valide_fichier_aleatoire = "valide_fichier_aleatoire";
constexpr const char* Nb_fichier_aleatoire = "Nb_fichier_aleatoire";
constexpr const char* Chemin_fichier_aleatoire = "Chemin_fichier_aleatoire";
constexpr const char* valide_fichier_aleatoire1 = "valide_fichier_aleatoire1";
constexpr const char* Nb_fichier_aleatoire1 = "Nb_fichier_aleatoire1";
constexpr const char* Chemin_fichier_aleatoire1 = "Chemin_fichier_aleatoire1";

// "Position" (twips)
constexpr const char* Position_haut = "Position_haut";
constexpr const char* Position_gauche = "Position_gauche";
constexpr const char* Position_haut_liste = "Position_haut_liste";
constexpr const char* Position_gauche_liste = "Position_gauche_liste";
constexpr const char* Position_haut_mini_lecteur = "Position_haut_mini_lecteur";
constexpr const char* Position_gauche_mini_lecteur = "Position_gauche_mini_lecteur";

// "Couleur_liste" (decimal text of a 32-bit colour, low byte red; negative = system colour)
constexpr const char* coul_texte_liste = "coul_texte_liste";
constexpr const char* coul_text_cadre = "coul_text_cadre";
constexpr const char* coul_text_bouton = "coul_text_bouton";
constexpr const char* coul_label = "coul_label";
constexpr const char* coul_fond_liste = "coul_fond_liste";
constexpr const char* coul_fond_label = "coul_fond_label";
constexpr const char* coul_fenetre = "coul_fenètre";
constexpr const char* coul_cadre = "coul_cadre";
constexpr const char* coul_bouton = "coul_bouton";
constexpr const char* coul_bouton_groupe_lecture = "coul_bouton_groupe_lecture";
}  // namespace cle

namespace valeur {
// Texts of the flags and theme names as stored.
constexpr const char* Vrai = "true";
constexpr const char* Faux = "false";
constexpr const char* Oui = "Oui";
constexpr const char* Non = "Non";
constexpr const char* Aucun_fichier = "Aucun fichier";
constexpr const char* Nom_radio_defaut = "Sonavel";
constexpr const char* T_defaut = "T_défaut";
constexpr const char* T_perso = "T_perso";

// The loader's replacements for an empty stored text.
constexpr const char* Forcer_Mix_Jingles_vide = "1";
constexpr const char* Mix_audio_vide = "13";
constexpr const char* Mix_audio_vitesse_vide = "40";
constexpr const char* Mix_audio_attenuation_vide = "3";
constexpr const char* valeur_max_jingles_vide = "30";

// Start-up colours written when the display settings cannot be read.
constexpr const char* coul_label_demarrage = "-2147483630";    // system button text
constexpr const char* coul_fenetre_demarrage = "-2147483633";  // system button face
}  // namespace valeur

namespace reglages_table {
// A value to write: a fixed text, the program folder (without its trailing "/"), or the
// in-memory program folder Chemin_programme (with its "/") followed by a file name.
struct Valeur {
    enum Genre { Texte, DossierProgramme, DansProgramme };
    Genre genre;
    const char* texte;
};
struct Ecriture {
    const char* section;
    const char* cle;
    Valeur valeur;
};
struct Serie {
    const Ecriture* debut;
    std::size_t taille;
    const Ecriture* begin() const { return debut; }
    const Ecriture* end() const { return debut + taille; }
};

// What the settings loader writes on a first start (before the colours), in order.
Serie premier_lancement();
// The default colours, written when any setting could not be read.
Serie couleurs_par_defaut();
// The purge command: every key, in order ("Logo_liste" twice: "oui", then the path).
Serie purge();
// The factory reset: 37 keys, in order.
Serie usine();

// A season theme: the ten colours (in the order the theme writes them) and its name.
struct Theme {
    const char* nom;  // stored as "type_affichage"
    const char* couleurs[10];
};
constexpr const char* cles_couleurs_theme[10] = {
    cle::coul_texte_liste, cle::coul_text_cadre, cle::coul_text_bouton, cle::coul_label, cle::coul_fond_liste,
    cle::coul_fond_label, cle::coul_fenetre, cle::coul_cadre, cle::coul_bouton, cle::coul_bouton_groupe_lecture};
enum Saison { Automne, Ete, Hiver, Printemps };
const Theme& theme(Saison saison);

// The six theme colours and the play-group colour name as the default colours set them.
void couleurs_par_defaut_en_memoire();
// True while the six theme colours are those of the default look (nothing chosen by the user).
bool couleurs_par_defaut_en_usage();
// The text of a value for the program now running.
QString texte(const Valeur& v);
// Writes each entry of the series in order; a failing write is ignored, as the store's
// callers expect. Returns the number of writes that failed.
int ecrire_serie(const Serie& serie);
}  // namespace reglages_table
