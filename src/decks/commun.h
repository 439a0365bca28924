#pragma once
// Small helpers the deck procedures share.
#include <QString>
#include <cstdint>
#include <optional>

class Radio_FM;
struct TypeLecteur;

namespace decks {
// Rewrites the window's line separators (a carriage return; LF CR LF CR), as the procedures
// that build journal and message texts do first.
void ecrire_separateurs(Radio_FM& f);
// 1-based position of the last "/" or "\" of a path (0 when none): names of stored paths
// split at either, so lists made on another system still give their names.
int dernier_separateur(const QString& chemin);
// A new, empty graph for a deck: graphe, position and audio become its views; video stays.
void nouveau_graphe(TypeLecteur& lecteur);
// Drops the deck's views, and with them its graph (the video view too unless told not to).
void liberer(TypeLecteur& lecteur, bool avec_video = true);
// A duration or position in whole seconds: nearest, halves to even; error 6 past 16 bits.
int16_t secondes_entieres(double secondes);
// The length a deck started by a list run shows: the smaller of the pre-listen length and the
// file's while pre-listen is on, else the entry's end point; nothing when the flag is unset.
std::optional<QString> duree_de_liste(double duree_fichier);
// A 16-bit counter plus one; past 32767 it raises the overflow error.
int16_t plus_un(int16_t compteur);

// Extensions that play opens a video window for (exact, case-sensitive: the extension is the
// last three characters of the path in lower case, so "mpeg" and ".wm" stand for longer names).
bool extension_video_lecture(const QString& ext);
// Extensions whose video view the display reset drops.
bool extension_video_arret(const QString& ext);
// The status line while a deck is on air.
QString ligne_etat();
}  // namespace decks
