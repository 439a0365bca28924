#pragma once
// Window positions kept in the settings store ("Position", in twips). A window's position is
// that of its frame, the outer corner the window manager draws, as the commands that put a
// window in a corner or the middle of the screen use it: saved and restored the same way, a
// window stays put over restarts, and a place at the screen's top edge keeps the title bar on it.
#include <QPoint>
#include <QSize>

class QWidget;

namespace placement {
// The frame's top and left, in twips.
int haut(const QWidget& w);
int gauche(const QWidget& w);
// Puts the frame at top and left (twips). A position that would leave the title bar off every
// screen is brought back onto the nearest screen.
void placer(QWidget& w, int haut, int gauche);
// Writes the frame's top and left under the two keys of section "Position".
void sauver(const QWidget& w, const char* cle_haut, const char* cle_gauche);
// The top-left corner, in pixels, where a window of that size is fully reachable: unchanged
// when its top edge lies on a screen, else moved onto the nearest screen's available area.
QPoint sur_un_ecran(const QPoint& coin, const QSize& taille);
}  // namespace placement
