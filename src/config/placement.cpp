#include "config/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <climits>

#include "config/reglages_radio.h"
#include "platform/form.h"

namespace placement {
namespace {
// The strip along the top of the window that must stay on a screen: the menu bar and the
// window manager's title bar above it are reached there.
constexpr int Bande = 24;
constexpr int LargeurVisible = 48;

bool hauteur_visible(const QRect& ecran, const QRect& fenetre) {
    return fenetre.top() >= ecran.top() && fenetre.top() + std::min(Bande, fenetre.height()) <= ecran.bottom() + 1;
}
bool largeur_visible(const QRect& ecran, const QRect& fenetre) {
    const int commun = std::min(ecran.right(), fenetre.right()) - std::max(ecran.left(), fenetre.left()) + 1;
    return commun >= std::min(LargeurVisible, fenetre.width());
}

int distance(const QRect& ecran, const QPoint& p) {
    const int dx = std::max({ecran.left() - p.x(), 0, p.x() - ecran.right()});
    const int dy = std::max({ecran.top() - p.y(), 0, p.y() - ecran.bottom()});
    return dx + dy;
}

// Into [debut, fin - longueur], or at debut when the window is longer than the screen.
int dans(int v, int debut, int fin, int longueur) { return std::clamp(v, debut, std::max(debut, fin + 1 - longueur)); }
}  // namespace

int haut(const QWidget& w) { return cadre::coin(w).y() * TwipsParPixel; }
int gauche(const QWidget& w) { return cadre::coin(w).x() * TwipsParPixel; }

QPoint sur_un_ecran(const QPoint& coin, const QSize& taille) {
    const QRect fenetre(coin, taille.expandedTo(QSize(1, 1)));
    QRect proche;
    int meilleure = INT_MAX;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect ecran = s->availableGeometry();
        if (hauteur_visible(ecran, fenetre) && largeur_visible(ecran, fenetre)) return coin;
        const int d = distance(ecran, coin);
        if (d < meilleure) {
            meilleure = d;
            proche = ecran;
        }
    }
    if (proche.isNull()) return coin;  // no screen known: nothing to measure against
    // Only the way it is off moves: a window above the screen keeps its left.
    QPoint r = coin;
    if (!largeur_visible(proche, fenetre)) r.setX(dans(coin.x(), proche.left(), proche.right(), fenetre.width()));
    if (!hauteur_visible(proche, fenetre)) r.setY(dans(coin.y(), proche.top(), proche.bottom(), fenetre.height()));
    return r;
}

void placer(QWidget& w, int haut, int gauche) {
    // The frame, as the position is saved: its top is the title bar.
    cadre::placer(w, sur_un_ecran(QPoint(gauche / TwipsParPixel, haut / TwipsParPixel), cadre::taille(w)));
}

void sauver(const QWidget& w, const char* cle_haut, const char* cle_gauche) {
    Radio::ecrire_position(cle_haut, haut(w));
    Radio::ecrire_position(cle_gauche, gauche(w));
}
}  // namespace placement
