// Deck-to-deck mix on the real media layer: two short generated files hand over at the mix
// point, and both decks run during the overlap.
#include "config/etat.h"
#include "support/fixtures.h"
#include "support/sonavel_test.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"

using namespace Radio;

namespace {
// A fresh program whose supervision ticks every 100 ms, for files of a few seconds.
Radio_FM& programme_neuf() {
    sonavel_test::nouveau_programme();
    Valeur_vitesse_timer = 100;
    Forcer_Mix_Jingles = 2;
    valeur_max_jingles = 30;
    return Radio_FM::instance();
}
}  // namespace

class TestEnchainementReel : public QObject {
    Q_OBJECT
private slots:
    void deux_fichiers_se_recouvrent() {
        Radio_FM& f = programme_neuf();
        chemin_lecteur1 = fixtures::mp3(4);
        chemin_lecteur2 = fixtures::wav(4);
        f.Command3_Click();
        QVERIFY(f.coche2.Value());
        QCOMPARE(lecteur_en_cours, int16_t(1));
        QCOMPARE(f.Label6.Caption(), QStringLiteral("4"));
        QCOMPARE(superposition, int16_t(2));
        QVERIFY(f.Timer2.actif());

        // Limits are generous: a loaded machine stretches every step; the states are exact.
        QTRY_VERIFY_WITH_TIMEOUT(lecteur_en_cours == 2, 30000);
        // Handed over at the mix point (2 s before the end), deck 1 still inside its file.
        const double depart = f.lecteur1.position.CurrentPosition();
        QVERIFY2(depart >= 1.5 && depart < 4, qPrintable(QString::number(depart)));
        QCOMPARE(f.lecteur1.graphe.GetState(), etat_graphe::EnLecture);
        QCOMPARE(f.Label2.Caption(), QStringLiteral(" - En attente"));

        // The overlap: deck 1 plays on beside deck 2, both moving.
        QTRY_VERIFY_WITH_TIMEOUT(f.lecteur2.position.CurrentPosition() > 0.3 &&
                                     f.lecteur1.position.CurrentPosition() > depart + 0.3,
                                 30000);
        QCOMPARE(f.lecteur1.graphe.GetState(), etat_graphe::EnLecture);
        QCOMPARE(f.lecteur2.graphe.GetState(), etat_graphe::EnLecture);
        QCOMPARE(f.Label7.Caption(), QStringLiteral("Play 2 : player mix a 2"));
        f.Timer2.setEnabled(false);
    }

    // A video without sound takes the air at the hand-over and is faded out after a zap: there
    // is simply no level to read or set.
    void video_sans_son_dans_l_anneau() {
        Radio_FM& f = programme_neuf();
        Mix_audio = 1;
        Mix_audio_vitesse = 40;
        chemin_lecteur1 = fixtures::mp3(4);
        chemin_lecteur2 = fixtures::avi(4, false);
        chemin_lecteur3 = fixtures::wav(4);
        f.Command3_Click();
        QTRY_VERIFY_WITH_TIMEOUT(lecteur_en_cours == 2, 30000);
        QCOMPARE(f.lecteur2.graphe.GetState(), etat_graphe::EnLecture);
        QVERIFY(!err_form::existe());
        QVERIFY(f.Timer2.actif());

        // Zap from the silent deck: the fade ends after Mix_audio seconds of deck 3.
        f.Timer2.setEnabled(false);
        f.zap2();
        QCOMPARE(lecteur_en_cours, int16_t(3));
        QCOMPARE(f.Timer3.Interval(), 40);
        f.Timer3.setEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(f.Timer3.Interval() == 0, 30000);
        QVERIFY(f.lecteur2.graphe.estNul());
        QVERIFY(!err_form::existe());
        f.Timer3.setInterval(0);
    }
};

SONAVEL_TEST_MAIN(TestEnchainementReel)
#include "test_enchainement_reel.moc"
