// The deck ring and the controls of each deck.
#include "config/etat.h"
#include "support/sonavel_test.h"
#include "windows/Radio_FM.h"

class TestLecteur : public QObject {
    Q_OBJECT
private slots:
    void anneau() {
        QCOMPARE(lecteur_suivant(1), 2);
        QCOMPARE(lecteur_suivant(3), 1);
        QCOMPARE(lecteur_precedent(1), 3);
        QCOMPARE(lecteur_precedent(2), 1);
        QCOMPARE(lecteur_suivant(0), 0);
    }
    void controles_par_numero() {
        Radio_FM& f = Radio_FM::instance();
        QCOMPARE(&f.deck(2).duree, &f.Label1);
        QCOMPARE(&f.deck(3).barre, &f.picProgBack2);
        QCOMPARE(&f.deck(1).chemin, &Radio::chemin_lecteur1);
        QCOMPARE(&f.deck(3).lecteur, &f.lecteur3);
        QVERIFY(f.lecteur2.graphe.estNul());
    }
};

SONAVEL_TEST_MAIN(TestLecteur)
#include "test_lecteur.moc"
