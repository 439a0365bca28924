// Window timers: Enabled and Interval apart, no ticks at interval 0, a new interval restarts
// the count, a tick never re-enters its own handler.
#include <QEventLoop>
#include <QTimer>

#include "platform/erreur.h"
#include "platform/timer.h"
#include "support/sonavel_test.h"

class TestTimer : public QObject {
    Q_OBJECT
private slots:
    void ne_tourne_que_active_avec_intervalle() {
        Timer t;
        int tics = 0;
        t.Tick = [&] { ++tics; };
        t.setInterval(5);
        QTest::qWait(40);
        QCOMPARE(tics, 0);  // interval set, not enabled
        t.setInterval(0);
        t.setEnabled(true);
        QVERIFY(!t.actif());
        QTest::qWait(40);
        QCOMPARE(tics, 0);  // enabled, interval 0: never ticks
        t.setInterval(5);
        QTRY_VERIFY_WITH_TIMEOUT(tics >= 2, 2000);
        t.setEnabled(false);
        const int fige = tics;
        QTest::qWait(30);
        QCOMPARE(tics, fige);
        QVERIFY(!t.Enabled());
        QCOMPARE(t.Interval(), 5);  // the interval stays when disabled
    }

    void nouvel_intervalle_relance_le_compte() {
        Timer t(nullptr, 1000);
        t.Tick = [] {};
        t.setEnabled(true);
        QTest::qWait(300);
        QVERIFY(t.restant_ms() <= 720);
        t.setInterval(1000);
        QVERIFY(t.restant_ms() >= 950);
        // Enabling an enabled timer does not restart it.
        QTest::qWait(100);
        t.setEnabled(true);
        QVERIFY(t.restant_ms() <= 930);
    }

    void intervalle_hors_limites_refuse() {
        Timer t;
        for (int v : {-1, 65536}) {
            try {
                t.setInterval(v);
                QFAIL("accepted");
            } catch (const Erreur& e) {
                QCOMPARE(e.numero(), 380);
            }
        }
        QCOMPARE(t.Interval(), 0);
    }

    void pas_de_reentree_pendant_une_boucle_imbriquee() {
        Timer t(nullptr, 5);
        int profondeur = 0, profondeur_max = 0, tics = 0;
        t.Tick = [&] {
            ++tics;
            profondeur_max = std::max(profondeur_max, ++profondeur);
            if (tics == 1) {
                // What a modal message box does inside a tick.
                QEventLoop boucle;
                QTimer::singleShot(80, &boucle, &QEventLoop::quit);
                boucle.exec();
            }
            --profondeur;
        };
        t.setEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(tics >= 3, 3000);
        QCOMPARE(profondeur_max, 1);
        QVERIFY(!t.dans_tick());
    }

    void declencher_direct_et_destruction_dans_le_tick() {
        auto* t = new Timer;
        int tics = 0;
        t->declencher();  // no handler: nothing
        t->Tick = [&] {
            ++tics;
            delete t;  // a window unloaded by its own timer
        };
        t->declencher();
        QCOMPARE(tics, 1);
    }
};

SONAVEL_TEST_MAIN(TestTimer)
#include "test_timer.moc"
