#pragma once
// The shared state of the main program (module Radio): one set of variables that every
// window, timer and procedure reads and writes directly, all zero at start.
// Flags are 16-bit integers holding -1 for true: several readers test for exactly -1.
// Record numbers and counts of list entries are 32-bit (the list files keep their own widths).
#include <QString>
#include <QVector>
#include <cstdint>

#include "playlist/TypeEnregListe.h"

class QTreeWidgetItem;

using Drapeau = int16_t;
constexpr Drapeau Vrai = -1;
constexpr Drapeau Faux = 0;

using ListeIndex = QVector<int32_t>;  // rows drawn at random; element i-1 is entry i
using ElementListe = QTreeWidgetItem*;  // a row of the playlist window's list view

// X(type, name) for every shared variable.
#define SONAVEL_ETAT_RADIO(X)                                                              \
    /* settings mirrors */                                                                 \
    X(int16_t, Mix)                                                                        \
    X(int16_t, Préchargement)                                                              \
    X(int16_t, Forcer_Mix_Jingles)                                                         \
    X(int16_t, valeur_max_jingles)                                                         \
    X(int16_t, Mix_audio)                                                                  \
    X(int16_t, Mix_audio_vitesse)                                                          \
    X(int16_t, Mix_audio_attenuation)                                                      \
    X(int16_t, Valeur_vitesse_timer)                                                       \
    X(QString, Nom_radio_fm)                                                               \
    X(QString, Chemin_programme)                                                           \
    X(QString, Chemin_dossier_jingles)                                                     \
    X(QString, Chemin_dernier_fichier)                                                     \
    X(QString, Chemin_editeur_audio)                                                       \
    X(QString, Chemin_fichier_aleatoire)                                                   \
    X(QString, Chemin_fichier_aleatoire1)                                                  \
    X(int16_t, Nb_fichier_aleatoire)                                                       \
    X(int16_t, Nb_fichier_aleatoire1)                                                      \
    X(QString, nom_fichier_aleatoire)                                                      \
    X(QString, nom_fichier_aleatoire1)                                                     \
    X(Drapeau, jingle_auto_actif)                                                          \
    X(Drapeau, new_auto_actif)                                                             \
    X(int16_t, Position_haut)                                                              \
    X(int16_t, Position_gauche)                                                            \
    X(int16_t, Position_haut_liste)                                                        \
    X(int16_t, Position_gauche_liste)                                                      \
    X(int16_t, Position_haut_mini_lecteur)                                                 \
    X(int16_t, Position_gauche_mini_lecteur)                                               \
    X(QString, Load_combo1)                                                                \
    X(QString, Load_combo2)                                                                \
    X(QString, chemin_logo)                                                                \
    X(QString, chemin_logo_fond)                                                           \
    X(QString, chemin_banniere)                                                            \
    X(QString, chemin_logo_liste)                                                          \
    X(QString, chemin_logo_fichier)                                                        \
    X(int32_t, coul_fenètre)                                                               \
    X(int32_t, coul_label)                                                                 \
    X(int32_t, coul_fond_liste)                                                            \
    X(int32_t, coul_texte_liste)                                                           \
    X(int32_t, coul_bouton)                                                                \
    X(int32_t, coul_text_bouton)                                                           \
    X(QString, coul_bouton_groupe_lecture)                                                 \
    X(QString, type_affichage)                                                             \
    X(QString, effet_visuel_texte)                                                         \
    X(Drapeau, effet_visuel)                                                               \
    X(Drapeau, journal_actif)                                                              \
    X(Drapeau, premier_lancement)                                                          \
    /* decks and playback */                                                               \
    X(int16_t, lecteur_en_cours)                                                           \
    X(int16_t, lecteur_superpose)                                                          \
    X(QString, chemin_lecteur1)                                                            \
    X(QString, chemin_lecteur2)                                                            \
    X(QString, chemin_lecteur3)                                                            \
    X(QString, chemin_fichier_charge)                                                      \
    X(QString, nom_fichier_affiche)                                                        \
    X(QString, extension_fichier)                                                          \
    X(double, duree_fichier)                                                               \
    X(QString, duree_texte)                                                                \
    X(QString, duree_lecteur1)                                                             \
    X(QString, duree_lecteur2)                                                             \
    X(QString, duree_lecteur3)                                                             \
    X(QString, fin_lecture_lecteur1)                                                       \
    X(QString, fin_lecture_lecteur2)                                                       \
    X(QString, fin_lecture_lecteur3)                                                       \
    X(int16_t, duree_lecteur_en_cours)                                                     \
    X(int16_t, superposition)                                                              \
    X(int16_t, prechargement_en_cours)                                                     \
    X(double, pas_avance_rapide)                                                           \
    X(double, pas_retour_rapide)                                                           \
    X(int32_t, nb_fichiers_joues)                                                          \
    X(int16_t, compteur_jingle_auto)                                                       \
    X(int16_t, compteur_new_auto)                                                          \
    X(int32_t, index_fin_jingle_auto)                                                      \
    X(int32_t, index_fin_new_auto)                                                         \
    X(QString, fichier_ligne_commande)                                                     \
    /* current list entry and list position */                                             \
    X(QString, chemin_liste)                                                               \
    X(TypeEnregListe, enreg_destinataire)                                                  \
    X(int32_t, num_enreg_destinataire)                                                     \
    X(TypeEnregListe, enreg_dragdrop)                                                      \
    X(int32_t, num_enreg_courant)                                                          \
    X(int32_t, index_liste_en_cours)                                                       \
    X(QString, chemin_entree_liste)                                                        \
    X(QString, dernier_chemin_liste)                                                       \
    X(ElementListe, element_courant)                                                      \
    X(QString, chemin_ecoute)                                                              \
    X(Drapeau, charge_ecoute)                                                              \
    X(Drapeau, ecoute_en_cours)                                                            \
    X(Drapeau, preecoute_active)                                                           \
    X(int16_t, duree_preecoute)                                                            \
    X(Drapeau, lecture_liste_auto)                                                         \
    X(Drapeau, ordre_aleatoire)                                                            \
    X(Drapeau, entree_tiree_au_hasard)                                                     \
    X(ListeIndex, index_tires)                                                             \
    X(int32_t, nb_index_tires)                                                             \
    X(ListeIndex, index_tires_new)                                                         \
    X(int32_t, nb_index_tires_new)                                                         \
    X(Drapeau, info_entree_a_afficher)                                                     \
    X(Drapeau, erreur_chargement_liste)                                                    \
    X(Drapeau, lecture_gestionnaire)                                                       \
    X(int16_t, mode_insertion)                                                             \
    X(int32_t, ligne_insertion)                                                            \
    X(int32_t, ligne_cible_insertion)                                                      \
    X(Drapeau, maj_liste_en_cours)                                                         \
    X(Drapeau, maj_sans_prechargement)                                                     \
    X(Drapeau, ajout_sans_controle)                                                        \
    X(Drapeau, modif_chemin_autorisee)                                                     \
    X(QString, fichier_impression)                                                         \
    X(QString, chemin_fichier_maj)                                                         \
    X(int32_t, duree_secondes_fichier)                                                     \
    X(QString, genre_fichier)                                                              \
    /* gestures, windows and shut-down */                                                  \
    X(Drapeau, glisser_deplacer_actif)                                                     \
    X(Drapeau, glisser_fichier_en_cours)                                                   \
    X(Drapeau, glisser_liste_en_cours)                                                     \
    X(Drapeau, fichier_depose)                                                             \
    X(QString, texte_message)                                                              \
    X(int16_t, nb_fichiers_trouves)                                                        \
    X(Drapeau, fermeture_confirmee)                                                        \
    X(Drapeau, indicateur_fsauve)                                                          \
    X(Drapeau, effet_visuel_demarre)

namespace Radio {
#define SONAVEL_DECLARE(type, name) extern type name;
SONAVEL_ETAT_RADIO(SONAVEL_DECLARE)
#undef SONAVEL_DECLARE

// Puts every shared variable back to its zero start (tests start from a fresh program).
void reinitialiser_etat();
}  // namespace Radio
