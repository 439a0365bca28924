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

bool bande_visible(const QRect& ecran, const QRect& fenetre) {
    const QRect bande(fenetre.left(), fenetre.top(), fenetre.width(), std::min(Bande, fenetre.height()));
    const QRect commun = ecran.intersected(bande);
    return fenetre.top() >= ecran.top() && commun.height() > 0 &&
           commun.width() >= std::min(LargeurVisible, fenetre.width());
}

int distance(const QRect& ecran, const QPoint& p) {
    const int dx = std::max({ecran.left() - p.x(), 0, p.x() - ecran.right()});
    const int dy = std::max({ecran.top() - p.y(), 0, p.y() - ecran.bottom()});
    return dx + dy;
}
}  // namespace

int haut(const QWidget& w) { return w.geometry().top() * TwipsParPixel; }
int gauche(const QWidget& w) { return w.geometry().left() * TwipsParPixel; }

QPoint sur_un_ecran(const QPoint& coin, const QSize& taille) {
    const QRect fenetre(coin, taille.expandedTo(QSize(1, 1)));
    QRect proche;
    int meilleure = INT_MAX;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect ecran = s->availableGeometry();
        if (bande_visible(ecran, fenetre)) return coin;
        const int d = distance(ecran, coin);
        if (d < meilleure) {
            meilleure = d;
            proche = ecran;
        }
    }
    if (proche.isNull()) return coin;  // no screen known: nothing to measure against
    const int x = std::clamp(coin.x(), proche.left(), std::max(proche.left(), proche.right() + 1 - fenetre.width()));
    const int y = std::clamp(coin.y(), proche.top(), std::max(proche.top(), proche.bottom() + 1 - fenetre.height()));
    return {x, y};
}

void placer(QWidget& w, int haut, int gauche) {
    const QPoint coin = sur_un_ecran(QPoint(gauche / TwipsParPixel, haut / TwipsParPixel), w.size());
    // The inner geometry, as the position is saved: move() would place the frame there.
    w.setGeometry(QRect(coin, w.size()));
}

void sauver(const QWidget& w, const char* cle_haut, const char* cle_gauche) {
    Radio::ecrire_position(cle_haut, haut(w));
    Radio::ecrire_position(cle_gauche, gauche(w));
}
}  // namespace placement
