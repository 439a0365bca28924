#pragma once
// Small helpers the deck procedures share.
#include <QString>
#include <cstdint>

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
// A duration or position in whole seconds: nearest, halves to even; error 6 past 16 bits.
int16_t secondes_entieres(double secondes);
}  // namespace decks
