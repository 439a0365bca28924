#pragma once
// One playlist entry as held in memory, with variable-length texts.
// On disk it is a 418-byte record: chemin 200, fin_lecture 100, genre 100, volume 2,
// debut_lecture 8, duree_piste 8.
#include <QString>
#include <cstdint>

struct TypeEnregListe {
    QString chemin;
    QString fin_lecture;     // end of play in seconds, as text
    QString genre;           // exactly "réseau" marks a network file
    int16_t volume = 0;      // stored percent on disk; a DirectShow-style level once read
    double debut_lecture = 0;
    QString duree_piste;
};
