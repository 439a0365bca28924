#pragma once
// Window positions kept in the settings store ("Position", in twips). A window's position is
// that of its inner window, not of the frame a window manager adds around it: saving one and
// restoring the other moved the window up by its title bar at every start.
#include <QPoint>
#include <QSize>

class QWidget;

namespace placement {
// The inner window's top and left, in twips.
int haut(const QWidget& w);
int gauche(const QWidget& w);
// Puts the inner window at top and left (twips). A position that would leave the window's top
// edge off every screen is brought back onto the nearest screen.
void placer(QWidget& w, int haut, int gauche);
// Writes the inner window's top and left under the two keys of section "Position".
void sauver(const QWidget& w, const char* cle_haut, const char* cle_gauche);
// The top-left corner, in pixels, where a window of that size is fully reachable: unchanged
// when its top edge lies on a screen, else moved onto the nearest screen's available area.
QPoint sur_un_ecran(const QPoint& coin, const QSize& taille);
}  // namespace placement
