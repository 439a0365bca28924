#include "platform/travail.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <QVector>
#include <atomic>
#include <chrono>
#include <mutex>

#include "platform/erreur.h"

namespace travail {
namespace {
std::atomic<int> g_en_cours{0};

// Applications are handed to the window thread in small batches: one event per batch keeps
// a walk of thousands of tiny steps from flooding the event queue, and the batch is sent at
// least every few hundredths of a second so progress shows.
constexpr auto kLotMax = std::chrono::milliseconds(30);
constexpr int kLotTaille = 256;

class TravailFil final : public Travail, public std::enable_shared_from_this<TravailFil> {
public:
    TravailFil(EtapeOuverte etape, Fin fin, QObject* proprietaire)
        : m_etape(std::move(etape)), m_fin(std::move(fin)), m_proprietaire(proprietaire),
          m_a_proprietaire(proprietaire != nullptr) {}

    void arreter() override { m_arret = true; }
    bool fini() const override { return m_fini; }

    void demarrer() {
        ++g_en_cours;
        auto moi = shared_from_this();
        QThreadPool::globalInstance()->start([moi] { moi->travailler(); });
    }

private:
    void travailler() {
        QVector<Application> lot;
        auto depuis = std::chrono::steady_clock::now();
        bool dernier = false;
        for (int i = 0; !dernier && !m_arret; ++i) {
            Application a;
            try {
                a = m_etape(i, dernier);
            } catch (...) {
                // A step that failed applies nothing; the work goes on.
            }
            if (a) lot.push_back(std::move(a));
            const auto maintenant = std::chrono::steady_clock::now();
            if (lot.size() >= kLotTaille || (!lot.isEmpty() && maintenant - depuis >= kLotMax)) {
                envoyer(std::move(lot), false);
                lot = {};
                depuis = maintenant;
            }
        }
        envoyer(std::move(lot), true);
    }

    // Runs on the window thread, in the order sent.
    void envoyer(QVector<Application> lot, bool dernier) {
        auto moi = shared_from_this();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [moi, lot = std::move(lot), dernier] {
                if (moi->m_fini) return;
                if (moi->m_a_proprietaire && !moi->m_proprietaire) {
                    moi->terminer(false, false);
                    return;
                }
                for (const Application& a : lot) {
                    if (moi->m_arret) break;
                    try {
                        a();
                    } catch (const Erreur&) {
                        moi->m_arret = true;
                    }
                }
                if (dernier || moi->m_arret) moi->terminer(!moi->m_arret, true);
            },
            Qt::QueuedConnection);
    }

    void terminer(bool complet, bool avec_fin) {
        if (m_fini) return;
        m_fini = true;
        m_arret = true;
        --g_en_cours;
        if (avec_fin && m_fin) m_fin(complet);
    }

    const EtapeOuverte m_etape;
    const Fin m_fin;
    QPointer<QObject> m_proprietaire;
    const bool m_a_proprietaire;
    std::atomic<bool> m_arret{false};
    bool m_fini = false;  // window thread only
};
}  // namespace

std::shared_ptr<Travail> lancer_jusqu_au_bout(EtapeOuverte etape, Fin fin, QObject* proprietaire) {
    auto t = std::make_shared<TravailFil>(std::move(etape), std::move(fin), proprietaire);
    t->demarrer();
    return t;
}

std::shared_ptr<Travail> lancer(int etapes, Etape etape, Fin fin, QObject* proprietaire) {
    const int n = qMax(0, etapes);
    return lancer_jusqu_au_bout(
        [n, etape = std::move(etape)](int i, bool& dernier) -> Application {
            dernier = i + 1 >= n;
            return n == 0 ? Application() : etape(i);
        },
        std::move(fin), proprietaire);
}

int en_cours() { return g_en_cours.load(); }
}  // namespace travail
