#include "platform/attente.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace attente {
namespace {
// How often a wait looks at the work it waits for.
constexpr int ScrutationMs = 10;

// A window closed from its close box in the middle of the work would pull the lists or the
// window away from under it.
class SansFermeture : public QObject {
public:
    SansFermeture() {
        if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
    }
    ~SansFermeture() override {
        if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Close && e->spontaneous()) {
            e->ignore();
            return true;
        }
        return false;
    }
};

constexpr QEventLoop::ProcessEventsFlags SansSaisie = QEventLoop::ExcludeUserInputEvents;
}  // namespace

bool attendre(const std::function<bool()>& fini, const std::function<int64_t()>& progres, int32_t delai_ms) {
    if (fini()) return true;
    int64_t vu = progres();
    QElapsedTimer immobile;
    immobile.start();
    // False once the work has stood still for delai_ms.
    const auto avance = [&] {
        const int64_t maintenant = progres();
        if (maintenant == vu) return immobile.elapsed() < delai_ms;
        vu = maintenant;
        immobile.restart();
        return true;
    };
    if (!QCoreApplication::instance()) {
        // No event loop to turn: the same wait, asleep.
        for (;;) {
            QThread::msleep(ScrutationMs);
            if (fini()) return true;
            if (!avance()) return false;
        }
    }
    bool termine = false;
    QEventLoop boucle;
    QTimer scrutation;
    scrutation.setInterval(ScrutationMs);
    QObject::connect(&scrutation, &QTimer::timeout, &boucle, [&] {
        termine = fini();
        if (termine || !avance()) boucle.quit();
    });
    SansFermeture garde;
    scrutation.start();
    boucle.exec(SansSaisie);
    return termine;
}
}  // namespace attente
