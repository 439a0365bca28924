// The decisions of a list run on their own: list order, the draw without repeat against the
// history, the skip rules and the bounded search, network paths, the preparation second and
// the chaining tick's choice.
#include <QSet>
#include <QTest>

#include "automation/choix_entree.h"

using choix::Bascule;

class TestChoixEntree : public QObject {
    Q_OBJECT
private slots:
    void ordre_de_la_liste_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<int>("attendu");
        QTest::newRow("milieu") << 2 << 5 << 3;
        QTest::newRow("avant-dernière") << 4 << 5 << 5;
        QTest::newRow("dernière: retour à 1") << 5 << 5 << 1;
        QTest::newRow("une seule ligne") << 1 << 1 << 1;
    }
    void ordre_de_la_liste() {
        QFETCH(int, index);
        QFETCH(int, lignes);
        QFETCH(int, attendu);
        QCOMPARE(choix::suivant(index, lignes), attendu);
    }

    void historique_data() {
        QTest::addColumn<QVector<int32_t>>("avant");
        QTest::addColumn<int>("quitte");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<QVector<int32_t>>("apres");
        QTest::addColumn<bool>("vide");
        QTest::newRow("premier tirage") << QVector<int32_t>{} << 1 << 5 << QVector<int32_t>{1} << false;
        QTest::newRow("il s'allonge") << QVector<int32_t>{1, 3} << 4 << 5 << QVector<int32_t>{1, 3, 4} << false;
        QTest::newRow("plein: vidé jusqu'à la ligne quittée")
            << QVector<int32_t>{1, 3, 4, 2} << 5 << 5 << QVector<int32_t>{5} << true;
        QTest::newRow("liste raccourcie sous un historique plein")
            << QVector<int32_t>{1, 2, 3, 4, 5, 6} << 2 << 3 << QVector<int32_t>{2} << true;
        QTest::newRow("ligne seule") << QVector<int32_t>{} << 1 << 1 << QVector<int32_t>{1} << true;
    }
    void historique() {
        QFETCH(QVector<int32_t>, avant);
        QFETCH(int, quitte);
        QFETCH(int, lignes);
        QFETCH(QVector<int32_t>, apres);
        QFETCH(bool, vide);
        for (uint32_t graine = 1; graine <= 20; ++graine) {
            choix::semer(graine);
            QVector<int32_t> h = avant;
            int32_t nombre = avant.size();
            const choix::Tirage t = choix::tirer(h, nombre, quitte, lignes);
            QCOMPARE(h, apres);
            QCOMPARE(nombre, int32_t(apres.size()));
            QCOMPARE(t.historique_vide, vide);
            QVERIFY(t.index >= 1 && t.index <= lignes);
            // The row drawn is outside the history, except the lone row, which repeats.
            QVERIFY(lignes == 1 || !h.contains(t.index));
            for (int32_t r : t.rejetes) QVERIFY(h.contains(r));
        }
    }

    // A long run: each cycle plays every row once, the row on air opening the next cycle;
    // never the same row twice in a row; the history stays below the row count; the same seed
    // gives the same run.
    void cycles_sans_repetition() {
        for (int lignes : {2, 3, 5, 8}) {
            auto serie = [lignes](uint32_t graine) {
                choix::semer(graine);
                QVector<int32_t> h;
                int32_t nombre = 0;
                QVector<int32_t> pistes{1};
                for (int i = 0; i < 40 * lignes; ++i) {
                    pistes.append(choix::tirer(h, nombre, pistes.last(), lignes).index);
                    if (nombre >= lignes) return QVector<int32_t>{};
                }
                return pistes;
            };
            const QVector<int32_t> pistes = serie(7);
            QVERIFY(!pistes.isEmpty());
            QCOMPARE(serie(7), pistes);
            for (int i = 1; i < pistes.size(); ++i) QVERIFY(pistes[i] != pistes[i - 1]);
            for (int debut = 0; debut + lignes <= pistes.size(); debut += lignes - 1) {
                const QVector<int32_t> fenetre = pistes.mid(debut, lignes);
                QCOMPARE(QSet<int32_t>(fenetre.begin(), fenetre.end()).size(), lignes);
            }
        }
    }

    void lignes_sautees_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<bool>("sautee");
        QTest::newRow("autre chemin") << "/m/b.mp3" << 5 << false;
        QTest::newRow("dernier chemin envoyé") << "/m/a.mp3" << 5 << true;
        QTest::newRow("casse différente: pas le même") << "/m/A.mp3" << 5 << false;
        QTest::newRow("fichier manquant") << "" << 5 << true;
        QTest::newRow("ligne seule: elle se répète") << "/m/a.mp3" << 1 << false;
        QTest::newRow("ligne seule manquante") << "" << 1 << true;
    }
    void lignes_sautees() {
        QFETCH(QString, chemin);
        QFETCH(int, lignes);
        QFETCH(bool, sautee);
        QCOMPARE(choix::a_sauter(chemin, QStringLiteral("/m/a.mp3"), lignes), sautee);
    }

    void une_passe_complete_arrete_la_recherche() {
        choix::Passe p;
        QVERIFY(p.encore(2, 3));
        QVERIFY(p.encore(3, 3));
        QVERIFY(!p.encore(1, 3));
        // A row removed: the rows moved up, the pass starts again.
        choix::Passe q;
        QVERIFY(q.encore(1, 3));
        q.recommencer();
        QVERIFY(q.encore(1, 2));
        QVERIFY(!q.encore(2, 2));
        // Random draws that keep landing on seen rows still end.
        choix::Passe r;
        int essais = 0;
        while (r.encore(1, 4)) ++essais;
        QVERIFY(essais < 100);
    }

    void chemins_reseau_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<bool>("reseau");
        QTest::newRow("//serveur") << "//serveur/musique/a.mp3" << true;
        QTest::newRow("\\\\serveur") << "\\\\serveur\\musique\\a.mp3" << true;
        QTest::newRow("smb://") << "smb://serveur/a.mp3" << true;
        QTest::newRow("http://") << "http://radio.example/flux.mp3" << true;
        QTest::newRow("chemin local") << "/home/radio/a.mp3" << false;
        QTest::newRow("racine") << "/a.mp3" << false;
        QTest::newRow("lecteur Windows") << "C:\\musique\\a.mp3" << false;
        QTest::newRow("nom seul") << "a.mp3" << false;
    }
    void chemins_reseau() {
        QFETCH(QString, chemin);
        QFETCH(bool, reseau);
        QCOMPARE(choix::chemin_reseau(chemin), reseau);
    }

    void seconde_de_preparation() {
        QVERIFY(choix::moment_preparation(200, 6, 7, 187));
        QVERIFY(!choix::moment_preparation(200, 6, 7, 186));
        QVERIFY(!choix::moment_preparation(200, 6, 7, 188));
        // Preload off: the overlap alone.
        QVERIFY(choix::moment_preparation(200, 6, 0, 194));
    }

    void bascule_data() {
        QTest::addColumn<int>("duree");
        QTest::addColumn<int>("seconde");
        QTest::addColumn<int>("superposition");
        QTest::addColumn<bool>("fin_barre");
        QTest::addColumn<int>("attendu");
        // valeur_max_jingles 30.
        QTest::newRow("avant le point de mix") << 40 << 33 << 6 << false << int(Bascule::Attendre);
        QTest::newRow("point de mix, piste longue") << 40 << 34 << 6 << false << int(Bascule::Zap);
        QTest::newRow("point de mix, jingle") << 10 << 8 << 2 << false << int(Bascule::Jingle);
        QTest::newRow("jingle de 30 s") << 30 << 28 << 2 << false << int(Bascule::Jingle);
        QTest::newRow("31 s: zap") << 31 << 25 << 6 << false << int(Bascule::Zap);
        QTest::newRow("1 s") << 1 << 1 << 0 << false << int(Bascule::Jingle);
        QTest::newRow("fin \"0.00\" au départ") << 0 << 0 << 0 << false << int(Bascule::Effacer);
        QTest::newRow("fin \"0.00\" en cours") << 0 << 12 << 0 << false << int(Bascule::Attendre);
        QTest::newRow("barre à 100 %") << 0 << 40 << 0 << true << int(Bascule::FinPiste);
        QTest::newRow("barre à 100 % avant le mix") << 200 << 40 << 6 << true << int(Bascule::FinPiste);
        QTest::newRow("point de mix sauté") << 40 << 35 << 6 << false << int(Bascule::Attendre);
        QTest::newRow("durée négative") << -2 << -8 << 6 << false << int(Bascule::Attendre);
    }
    void bascule() {
        QFETCH(int, duree);
        QFETCH(int, seconde);
        QFETCH(int, superposition);
        QFETCH(bool, fin_barre);
        QFETCH(int, attendu);
        QCOMPARE(int(choix::bascule(duree, seconde, superposition, 30, fin_barre)), attendu);
    }
};

QTEST_APPLESS_MAIN(TestChoixEntree)
#include "test_choix_entree.moc"
