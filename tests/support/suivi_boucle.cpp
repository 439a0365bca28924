#include "support/suivi_boucle.h"

#include <algorithm>

SuiviBoucle::SuiviBoucle(int intervalle_ms) {
    m_horloge.start();
    m_timer.setInterval(intervalle_ms);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        const qint64 maintenant = m_horloge.nsecsElapsed();
        m_plus_long_ns = std::max(m_plus_long_ns, maintenant - m_dernier_ns);
        m_dernier_ns = maintenant;
        ++m_tops;
    });
    m_timer.start();
}

double SuiviBoucle::plus_long_ecart_ms() const {
    return std::max(m_plus_long_ns, m_horloge.nsecsElapsed() - m_dernier_ns) / 1e6;
}
