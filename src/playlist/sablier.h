#pragma once
// The busy pointer of a long list command, back to the default at its end whatever happens.
#include <QWidget>

struct Sablier {
    explicit Sablier(QWidget& w) : fenetre(w) { fenetre.setCursor(Qt::BusyCursor); }
    ~Sablier() { fenetre.unsetCursor(); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;
    QWidget& fenetre;
};
