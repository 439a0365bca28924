#pragma once
// Watches the window thread's event loop while it lives: a timer ticking every few
// milliseconds, its ticks counted and the longest time between two of them (or between the
// last one and now) kept. A loop that stops turning shows as few ticks and a long gap.
//
//   SuiviBoucle suivi;
//   liste.a_mettre_a_jour_liste_Click();
//   QVERIFY(suivi.tops() > 0);
#include <QElapsedTimer>
#include <QTimer>

class SuiviBoucle {
public:
    explicit SuiviBoucle(int intervalle_ms = 5);
    int tops() const { return m_tops; }
    // Milliseconds, the gap still open up to now included.
    double plus_long_ecart_ms() const;

private:
    QTimer m_timer;
    QElapsedTimer m_horloge;
    qint64 m_dernier_ns = 0;
    qint64 m_plus_long_ns = 0;
    int m_tops = 0;
};
