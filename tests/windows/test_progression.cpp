// The progress window during a long run: the run moves the bar and the captions after every
// item, the window paints a few times a second at most, and the last state is painted.
#include <QElapsedTimer>
#include <QtTest>

#include "support/sonavel_test.h"
#include "windows/fsauve.h"

namespace {
// Counts the states of the bar that were painted (one window paint may paint the bar more
// than once) and the last value painted.
class Peintures : public QObject {
public:
    int nombre = 0;
    int derniere_valeur = -1;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            const int valeur = static_cast<BarreProgression*>(o)->Value();
            if (valeur != derniere_valeur) ++nombre;
            derniere_valeur = valeur;
        }
        return false;
    }
};
}  // namespace

class TestProgression : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { fsauve::decharger(); }

    // With and without the event loop turning between items (the file check turns it; the
    // file manager's copy, delete and rename runs do not).
    void une_peinture_par_intervalle_pas_par_ligne_data() {
        QTest::addColumn<bool>("boucle");
        QTest::newRow("event loop turned") << true;
        QTest::newRow("event loop not turned") << false;
    }
    void une_peinture_par_intervalle_pas_par_ligne() {
        QFETCH(bool, boucle);
        fsauve& f = fsauve::instance();
        f.ProgressBar1.setMax(1000000);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        Peintures peintures;
        f.ProgressBar1.installEventFilter(&peintures);
        QTRY_VERIFY(peintures.nombre == 0 || peintures.derniere_valeur == 0);
        peintures.nombre = 0;

        // Rows until both many rows and several intervals have gone by.
        QElapsedTimer t;
        t.start();
        int ligne = 0;
        while (ligne < 500 || t.elapsed() < 4 * fsauve::IntervallePeinture_ms) {
            ++ligne;
            f.setCaption(QStringLiteral("fichier Ok : %1").arg(ligne));
            f.Label1.setCaption(QStringLiteral("Titre %1.mp3").arg(ligne));
            f.ProgressBar1.setValue(ligne);
            f.repaint();
            if (boucle) QCoreApplication::processEvents();
        }
        const qint64 duree = t.elapsed();
        QVERIFY2(peintures.nombre <= duree / fsauve::IntervallePeinture_ms + 2,
                 qPrintable(QStringLiteral("%1 paints for %2 rows in %3 ms").arg(peintures.nombre).arg(ligne).arg(duree)));
        QVERIFY2(peintures.nombre >= 1, "the bar never painted during the run");
        // The last row shows once the run gives the event loop a turn.
        QTRY_COMPARE(peintures.derniere_valeur, ligne);
        f.ProgressBar1.removeEventFilter(&peintures);
    }

    // A paint held back when the window hides does not keep the next showing from painting.
    void cachee_puis_montree_peint_encore() {
        fsauve& f = fsauve::instance();
        f.ProgressBar1.setMax(100);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        Peintures peintures;
        f.ProgressBar1.installEventFilter(&peintures);
        f.ProgressBar1.setValue(10);
        f.repaint();
        f.ProgressBar1.setValue(20);  // held: within the interval of the paint above
        f.repaint();
        f.hide();
        f.ProgressBar1.setValue(30);
        f.show();
        QTRY_COMPARE(peintures.derniere_valeur, 30);
        f.ProgressBar1.setValue(40);
        f.repaint();
        QTRY_COMPARE(peintures.derniere_valeur, 40);
        f.ProgressBar1.removeEventFilter(&peintures);
    }
};

SONAVEL_TEST_MAIN(TestProgression)
#include "test_progression.moc"
