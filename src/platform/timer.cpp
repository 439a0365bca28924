#include "platform/timer.h"

#include <QPointer>

#include "platform/erreur.h"
#include "platform/evenements.h"

Timer::Timer(QObject* parent, int interval_ms) : QObject(parent) {
    m_qtimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_qtimer, &QTimer::timeout, this, [this] { evenement::utilisateur([this] { declencher(); }); });
    setInterval(interval_ms);
}

void Timer::setEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    relancer();
}

void Timer::setInterval(int interval_ms) {
    if (interval_ms < 0 || interval_ms > 65535) throw Erreur(err::ValeurPropriete);
    m_interval = interval_ms;
    relancer();
}

void Timer::relancer() {
    if (m_enabled && m_interval > 0)
        m_qtimer.start(m_interval);  // (re)starts the count from now
    else
        m_qtimer.stop();
}

void Timer::declencher() {
    if (m_dans_tick || !Tick) return;
    // The handler may unload the window that owns this timer.
    QPointer<Timer> garde(this);
    m_dans_tick = true;
    try {
        Tick();
    } catch (...) {
        if (garde) m_dans_tick = false;
        throw;
    }
    if (garde) m_dans_tick = false;
}
