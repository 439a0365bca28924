#pragma once
// A list of n made-up entries as the list file holds them, for the benchmarks.
#include <QByteArray>

#include "playlist/enregistrement_liste.h"

namespace sonavel_test {
inline QByteArray liste_exemple(int n) {
    QByteArray b;
    b.reserve(qsizetype(n) * enreg_liste::Longueur);
    for (int i = 1; i <= n; ++i) {
        TypeEnregListe e;
        e.chemin = QStringLiteral("/musique/été/titre numéro %1.mp3").arg(i);
        e.fin_lecture = QStringLiteral("185.5");
        e.genre = QStringLiteral("divers");
        e.volume = 100;
        e.debut_lecture = 0.1;
        e.duree_piste = QStringLiteral("00:03:25");
        b += enreg_liste::encoder(e);
    }
    return b;
}
}  // namespace sonavel_test
