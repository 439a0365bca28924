// The overlap and preload chosen from the length of the track on air.
#include "config/etat.h"
#include "support/sonavel_test.h"
#include "windows/Radio_FM.h"

using namespace Radio;

class TestChoixMix : public QObject {
    Q_OBJECT
private slots:
    void bandes_de_duree_data() {
        QTest::addColumn<int>("lecteur");
        QTest::addColumn<QString>("duree");
        QTest::addColumn<int>("max_jingles");
        QTest::addColumn<int>("prechargement");
        QTest::addColumn<int>("superposition_attendue");
        QTest::addColumn<int>("prechargement_attendu");
        // Forcer_Mix_Jingles 2, Mix 6.
        QTest::newRow("0 s") << 1 << "0" << 30 << 10 << 0 << 3;
        QTest::newRow("1 s") << 2 << "1" << 30 << 10 << 0 << 3;
        QTest::newRow("2 s") << 3 << "2" << 30 << 10 << 2 << 5;
        QTest::newRow("3 s") << 1 << "3" << 30 << 10 << 2 << 5;
        QTest::newRow("4 s") << 1 << "4" << 30 << 10 << 2 << 3;
        QTest::newRow("6 s") << 1 << "6" << 30 << 10 << 2 << 3;
        QTest::newRow("7 s") << 1 << "7" << 30 << 10 << 2 << 5;
        QTest::newRow("max jingles") << 1 << "30" << 30 << 10 << 2 << 5;
        QTest::newRow("au-delà") << 1 << "31" << 30 << 10 << 6 << 10;
        QTest::newRow("préchargement = Mix") << 1 << "200" << 30 << 6 << 6 << 9;
        QTest::newRow("max jingles 4, 6 s") << 1 << "6" << 4 << 10 << 2 << 3;
        QTest::newRow("max jingles 4, 5 s") << 1 << "5" << 4 << 10 << 2 << 3;
        QTest::newRow("max jingles 4, 7 s") << 1 << "7" << 4 << 10 << 6 << 10;
        QTest::newRow("aucun lecteur") << 0 << "200" << 30 << 10 << 0 << 3;
    }
    void bandes_de_duree() {
        QFETCH(int, lecteur);
        QFETCH(QString, duree);
        QFETCH(int, max_jingles);
        QFETCH(int, prechargement);
        QFETCH(int, superposition_attendue);
        QFETCH(int, prechargement_attendu);
        sonavel_test::nouveau_programme();
        Radio_FM& f = Radio_FM::instance();
        Forcer_Mix_Jingles = 2;
        Mix = 6;
        Préchargement = int16_t(prechargement);
        valeur_max_jingles = int16_t(max_jingles);
        for (int n = 1; n <= 3; ++n) f.deck(n).duree.setCaption(duree);
        lecteur_en_cours = int16_t(lecteur);
        f.Choix_mix();
        QCOMPARE(int(superposition), superposition_attendue);
        QCOMPARE(f.Text1.Text(), QString::number(superposition_attendue));
        QCOMPARE(int(prechargement_en_cours), prechargement_attendu);
    }

    // A long track switches the preload on, except in list-driven mode.
    void long_fichier_active_le_prechargement() {
        for (Drapeau liste : {Faux, Vrai}) {
            sonavel_test::nouveau_programme();
            Radio_FM& f = Radio_FM::instance();
            valeur_max_jingles = 30;
            lecture_liste_auto = liste;
            f.Label1.setCaption(QStringLiteral("200"));
            lecteur_en_cours = 2;
            f.Choix_mix();
            QCOMPARE(f.coche4.Value(), liste == Faux ? 1 : 0);
        }
    }

    void duree_qui_n_est_pas_un_nombre() {
        sonavel_test::nouveau_programme();
        Radio_FM& f = Radio_FM::instance();
        f.Label9.setCaption(QStringLiteral("abc"));
        lecteur_en_cours = 3;
        QCOMPARE(sonavel_test::erreur_de([&] { f.Choix_mix(); }), int(err::TypeIncompatible));
    }
};

SONAVEL_TEST_MAIN(TestChoixMix)
#include "test_choix_mix.moc"
