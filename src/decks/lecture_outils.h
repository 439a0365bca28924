#pragma once
// Small helpers shared by the deck playback procedures.
#include <QString>
#include <cstdint>

#include "config/etat.h"
#include "decks/lecteur.h"
#include "platform/conversions.h"

namespace lecture {
// Line separators of journal and message texts.
inline const QString SautLigne = QStringLiteral("\r");
inline const QString DoubleSaut = QStringLiteral("\n\r\n\r");

// A new, empty graph as the deck's control, position and audio views; video is kept.
inline void nouveau_graphe(TypeLecteur& l) {
    l.graphe = FilgraphManager::creer();
    l.position = l.graphe;
    l.audio = l.graphe;
}

// Drops the deck's views, and with them its graph.
inline void liberer(TypeLecteur& l, bool avec_video = true) {
    l.graphe = nullptr;
    l.position = nullptr;
    l.audio = nullptr;
    if (avec_video) l.video = nullptr;
}

// A 16-bit counter plus one; past 32767 it raises the overflow error.
inline int16_t plus_un(int16_t compteur) { return rt::CInt(double(compteur) + 1.0); }

// Extensions that play opens a video window for (exact, case-sensitive: the extension is the
// last three characters of the path in lower case, so "mpeg" and ".wm" stand for longer names).
inline bool extension_video_lecture(const QString& ext) {
    return ext == QLatin1String("mpeg") || ext == QLatin1String("avi") || ext == QLatin1String("mpg") ||
           ext == QLatin1String("wmv") || ext == QLatin1String(".wm");
}
// Extensions whose video view the display reset drops.
inline bool extension_video_arret(const QString& ext) {
    return ext == QLatin1String("mpeg") || ext == QLatin1String("avi") || ext == QLatin1String("mpg");
}

// The status line while a deck is on air.
inline QString ligne_etat() { return QStringLiteral("- - ") + Radio::Nom_radio_fm + QStringLiteral(" - -"); }

// The whole seconds of a position or duration.
inline int16_t secondes(double s) { return rt::CInt(s); }
}  // namespace lecture
