#pragma once
// The length of a media file measured on a worker thread, for the long commands (information
// update, listening time, folders added to the list). The graph made there only measures: no
// sound device, no window. Safe to call from any thread but the window thread's, where a deck
// load measures instead.
#include <QString>

namespace mesure {
struct Resultat {
    bool ok = false;
    double duree = 0;  // seconds, exact (MPEG frames counted where needed)
    QString erreur;    // the media layer's description when !ok
};

// Waits for an exact count however slow; gives up only on a count that has read nothing for
// GrapheFiltres::DelaiComptageBloque_ms, or on the load's own time limit.
Resultat mesurer(const QString& chemin);
}  // namespace mesure
