#include "platform/jalons.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <time.h>

namespace jalons {
namespace {
bool actifs() {
    static const bool a = qEnvironmentVariableIsSet("SONAVEL_JALONS");
    return a;
}

// A window is painted when its native window is first exposed: the expose handler paints the
// widgets and flushes them to the screen before the event loop runs the next timer.
class PremierAffichage : public QObject {
public:
    PremierAffichage(QWidget& fenetre, const char* nom) : QObject(&fenetre), m_fenetre(fenetre), m_nom(nom) {}

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (!m_vu && e->type() == QEvent::Expose && m_fenetre.windowHandle() == objet &&
            m_fenetre.windowHandle()->isExposed()) {
            m_vu = true;
            QTimer::singleShot(0, this, [this] {
                marquer(m_nom);
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget& m_fenetre;
    const char* m_nom;
    bool m_vu = false;
};
}  // namespace

void marquer(const char* nom) {
    if (!actifs()) return;
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    std::fprintf(stderr, "jalon %s %lld\n", nom, static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
    std::fflush(stderr);
}

void au_premier_affichage(QWidget& fenetre, const char* nom) {
    if (!actifs()) return;
    // The native window is made when the widget is shown: watch every object for its expose.
    QCoreApplication::instance()->installEventFilter(new PremierAffichage(fenetre, nom));
}
}  // namespace jalons
