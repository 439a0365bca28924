#pragma once
// A window timer. Enabled and Interval are separate: the timer ticks only while it is
// enabled and its interval is above 0 (a QTimer with interval 0 would fire on every pass of
// the event loop). Setting the interval restarts the count. A tick never re-enters its own
// handler: a message box shown inside a tick runs a nested event loop, and the same timer
// must not tick again until the handler has returned.
#include <QObject>
#include <QTimer>
#include <functional>

class Timer : public QObject {
public:
    explicit Timer(QObject* parent = nullptr, int interval_ms = 0);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Milliseconds, 0 to 65535; outside that range raises error 380.
    int Interval() const { return m_interval; }
    void setInterval(int interval_ms);

    // The tick handler (`TimerN_Timer` of the window).
    std::function<void()> Tick;

    // True while the timer is counting towards a tick, and the milliseconds left (-1 when not).
    bool actif() const { return m_qtimer.isActive(); }
    int restant_ms() const { return m_qtimer.remainingTime(); }
    // True while the handler runs.
    bool dans_tick() const { return m_dans_tick; }

    // Runs one tick now, as the clock would (tests call this instead of waiting).
    void declencher();

private:
    void relancer();

    QTimer m_qtimer;
    bool m_enabled = false;
    int m_interval = 0;
    bool m_dans_tick = false;
};
