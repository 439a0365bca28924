// Long work: steps on a worker, results applied on the window thread in order, the window
// thread free meanwhile, and an end that always comes once. Measurement off the window thread.
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

#include "platform/erreur.h"
#include "platform/mesure.h"
#include "platform/travail.h"
#include "support/disque_lent.h"
#include "support/fixtures.h"
#include "support/sonavel_test.h"

class TestTravail : public QObject {
    Q_OBJECT
private slots:
    void etapes_sur_un_fil_appliquees_dans_l_ordre();
    void arret_erreur_et_proprietaire_detruit();
    void mesure_hors_du_fil_des_fenetres();
    void disque_lent_sans_retenir_les_fenetres();
};

void TestTravail::etapes_sur_un_fil_appliquees_dans_l_ordre() {
    QThread* fenetres = QThread::currentThread();
    QVector<int> appliquees;
    std::atomic<int> hors_fil{0};
    int fins = 0;
    bool complet = false;
    // Each step holds its worker 20 ms: the window thread's timer ticks meanwhile.
    int tics = 0;
    QTimer tic;
    QObject::connect(&tic, &QTimer::timeout, [&] { ++tics; });
    tic.start(5);
    travail::lancer(
        20,
        [&](int i) -> travail::Application {
            if (QThread::currentThread() != fenetres) ++hors_fil;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            return [&, i] {
                QCOMPARE(QThread::currentThread(), fenetres);
                appliquees << i;
            };
        },
        [&](bool c) {
            ++fins;
            complet = c;
        });
    QCOMPARE(travail::en_cours(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(fins, 1, 30000);
    QCOMPARE(hors_fil.load(), 20);
    QVector<int> attendu;
    for (int i = 0; i < 20; ++i) attendu << i;
    QCOMPARE(appliquees, attendu);
    QVERIFY(complet);
    QCOMPARE(travail::en_cours(), 0);
    QVERIFY2(tics >= 10, qPrintable(QString::number(tics)));

    // Steps whose number comes out as they go: the one that says it was the last ends it.
    QVector<int> ouvertes;
    bool ouverte_finie = false;
    travail::lancer_jusqu_au_bout(
        [&](int i, bool& dernier) -> travail::Application {
            dernier = i == 6;
            return [&, i] { ouvertes << i; };
        },
        [&](bool c) { ouverte_finie = c; });
    QTRY_VERIFY_WITH_TIMEOUT(ouverte_finie, 30000);
    QCOMPARE(ouvertes, (QVector<int>{0, 1, 2, 3, 4, 5, 6}));

    // No step at all still ends, as an event.
    int vide = 0;
    travail::lancer(0, [](int) { return travail::Application(); }, [&](bool c) { vide += c ? 1 : 100; });
    QCOMPARE(vide, 0);
    QTRY_COMPARE(vide, 1);
}

void TestTravail::arret_erreur_et_proprietaire_detruit() {
    // Stopped: no later step, fin(false) once.
    {
        int fins = 0, appliquees = 0;
        bool complet = true;
        std::shared_ptr<travail::Travail> t;
        t = travail::lancer(
            1000,
            [&](int) -> travail::Application {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                return [&] {
                    if (++appliquees == 3) t->arreter();
                };
            },
            [&](bool c) {
                ++fins;
                complet = c;
            });
        QTRY_COMPARE_WITH_TIMEOUT(fins, 1, 30000);
        QVERIFY(!complet);
        QCOMPARE(appliquees, 3);
        QVERIFY(t->fini());
    }
    // An error applying a step ends the work there.
    {
        int fins = 0, appliquees = 0;
        bool complet = true;
        travail::lancer(
            10,
            [&](int i) -> travail::Application {
                return [&, i] {
                    ++appliquees;
                    if (i == 4) throw Erreur(35600, QStringLiteral("Index hors limites"));
                };
            },
            [&](bool c) {
                ++fins;
                complet = c;
            });
        QTRY_COMPARE_WITH_TIMEOUT(fins, 1, 30000);
        QVERIFY(!complet);
        QCOMPARE(appliquees, 5);
    }
    // Its owner gone, nothing is applied and fin does not run; the work still ends.
    {
        int fins = 0, appliquees = 0;
        auto* proprietaire = new QObject;
        travail::lancer(
            50,
            [&](int) -> travail::Application {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                return [&] { ++appliquees; };
            },
            [&](bool) { ++fins; }, proprietaire);
        delete proprietaire;
        QTRY_COMPARE_WITH_TIMEOUT(travail::en_cours(), 0, 30000);
        QCOMPARE(fins, 0);
        QCOMPARE(appliquees, 0);
    }
}

void TestTravail::mesure_hors_du_fil_des_fenetres() {
    const struct {
        QString chemin;
        double duree;  // 0: refused
    } cas[] = {
        {fixtures::mp3(3.0, fixtures::Debit::Variable), 3.0},
        {fixtures::wav(1.5), 1.5},
        {fixtures::avi(1.0), 1.0},  // a video file opens no window off the window thread
        {fixtures::texte_nomme_mp3(), 0},
        {fixtures::dossier() + QStringLiteral("/absent.mp3"), 0},
    };
    for (const auto& c : cas) {
        mesure::Resultat r;
        std::thread([&] { r = mesure::mesurer(c.chemin); }).join();
        if (c.duree > 0) {
            QVERIFY2(r.ok, qPrintable(c.chemin + QStringLiteral(" : ") + r.erreur));
            QVERIFY2(qAbs(r.duree - c.duree) < 0.1, qPrintable(c.chemin + QString::number(r.duree)));
        } else {
            QVERIFY2(!r.ok && !r.erreur.isEmpty(), qPrintable(c.chemin));
        }
    }
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Three files measured on a real disk that reads 256 KB a second: the window thread's timer
// never waits long, and each length is exact.
void TestTravail::disque_lent_sans_retenir_les_fenetres() {
    DisqueLentReel disque;
    if (!disque.pret()) QSKIP(qPrintable(disque.raison()));
    QStringList chemins;
    for (int i = 0; i < 3; ++i) {
        chemins << disque.chemin(QStringLiteral("piste%1.mp3").arg(i));
        QVERIFY(QFile::copy(fixtures::mp3(20.0 + i, fixtures::Debit::Variable), chemins.last()));
    }
    QVERIFY2(disque.brider(256 * 1024), qPrintable(disque.raison()));
    QElapsedTimer horloge;
    horloge.start();
    qint64 dernier = 0, plus_long = 0;
    QTimer tic;
    QObject::connect(&tic, &QTimer::timeout, [&] {
        plus_long = qMax(plus_long, horloge.elapsed() - dernier);
        dernier = horloge.elapsed();
    });
    tic.start(10);
    QVector<double> durees(3, -1);
    bool fini = false;
    travail::lancer(
        3,
        [&](int i) -> travail::Application {
            const mesure::Resultat r = mesure::mesurer(chemins[i]);
            return [&durees, i, r] { durees[i] = r.ok ? r.duree : 0; };
        },
        [&](bool) { fini = true; });
    QTRY_VERIFY_WITH_TIMEOUT(fini, 120000);
    const qint64 total = horloge.elapsed();
    for (int i = 0; i < 3; ++i) QVERIFY2(qAbs(durees[i] - (20.0 + i)) < 0.1, qPrintable(QString::number(durees[i])));
    // The disk was really slow: three VBR files of about 300 KB each cannot be read at once.
    QVERIFY2(total > 1000, qPrintable(QString::number(total)));
    // Measured on the window thread, each file would hold it for over a second; a loaded
    // machine alone can delay a tick by a fifth of one.
    QVERIFY2(plus_long < 400, qPrintable(QStringLiteral("longest gap %1 ms").arg(plus_long)));
}

SONAVEL_TEST_MAIN(TestTravail)
#include "test_travail.moc"
