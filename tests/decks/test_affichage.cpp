// Time texts, the title marquee and the display names of the files loaded on the decks.
#include <QTemporaryDir>

#include "config/etat.h"
#include "platform/reglages.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"

class TestAffichage : public QObject {
    Q_OBJECT
private slots:
    void init() { sonavel_test::nouveau_programme(); }

    void format_heure_data() {
        QTest::addColumn<double>("duree");
        QTest::addColumn<QString>("texte");
        QTest::newRow("zero") << 0.0 << "00:00:00";
        QTest::newRow("59.4") << 59.4 << "00:00:59";
        QTest::newRow("59.5 to the even minute") << 59.5 << "00:01:00";
        QTest::newRow("2.5 down to even") << 2.5 << "00:00:02";
        QTest::newRow("659") << 659.0 << "00:10:59";
        QTest::newRow("3599") << 3599.0 << "00:59:59";
        QTest::newRow("3725") << 3725.0 << "01:02:05";
        QTest::newRow("largest") << 32767.0 << "09:06:07";
    }
    void format_heure() {
        QFETCH(double, duree);
        QFETCH(QString, texte);
        Radio::duree_fichier = duree;
        Radio_FM::instance().format_heure();
        QCOMPARE(Radio::duree_texte, texte);
    }
    void format_heure_hors_16_bits() {
        Radio::duree_fichier = 32767.5;
        Radio::duree_texte = QStringLiteral("avant");
        QCOMPARE(sonavel_test::erreur_de([] { Radio_FM::instance().format_heure(); }), 6);
        QCOMPARE(Radio::duree_texte, QStringLiteral("avant"));
    }

    void compteur_data() {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("apres");
        QTest::newRow("seconds") << "12:34:56" << "12:34:55";
        QTest::newRow("minute") << "00:10:00" << "00:09:59";
        QTest::newRow("hour") << "01:00:00" << "00:59:59";
        QTest::newRow("ten hours") << "10:00:00" << "09:59:59";
        QTest::newRow("last second") << "00:00:01" << "00:00:00";
        QTest::newRow("stops at zero") << "00:00:00" << "00:00:00";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("not a time") << "en attente" << "en attente";
    }
    void compteur() {
        QFETCH(QString, avant);
        QFETCH(QString, apres);
        Liste_son::instance().Label4.setCaption(avant);
        Radio_FM::instance().compteur();
        QCOMPARE(Liste_son::instance().Label4.Caption(), apres);
    }

    void defilement_data() {
        QTest::addColumn<int>("deck");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QStringList>("tics");
        // An even length first gains a copy of its first character, then rotates.
        QTest::newRow("even, deck 1") << 1 << " - abc" << QStringList{" - abc ", "- abc  ", " abc  -"};
        QTest::newRow("odd, deck 3") << 3 << " - abcd" << QStringList{"- abcd ", " abcd -"};
        QTest::newRow("one character") << 2 << "x" << QStringList{"x"};
        QTest::newRow("empty") << 2 << "" << QStringList{""};
    }
    void defilement() {
        QFETCH(int, deck);
        QFETCH(QString, titre);
        QFETCH(QStringList, tics);
        Radio_FM& f = Radio_FM::instance();
        Timer* timers[] = {&f.Timer5, &f.Timer6, &f.Timer7};
        f.deck(deck).titre.setCaption(titre);
        for (const QString& attendu : tics) {
            timers[deck - 1]->declencher();
            QCOMPARE(f.deck(deck).titre.Caption(), attendu);
        }
    }

    void nom_du_fich_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("extension");
        QTest::newRow("plain") << "/musique/Song.mp3" << "Song" << "mp3";
        QTest::newRow("path of another system") << "C:\\Music\\Song.MP3" << "Song" << "mp3";
        QTest::newRow("four-letter extension") << "/musique/Clip.MPEG" << "Clip." << "peg";
        QTest::newRow("bare name") << "Titre.wav" << "Titre" << "wav";
        QTest::newRow("spaces around the name") << "/musique/ Song.mp3 " << "Song" << "p3 ";
        // Too short for an extension: the name stays whole and the extension unchanged.
        QTest::newRow("three characters") << "/musique/a.b" << "a.b" << "avant";
        QTest::newRow("folder only") << "/musique/" << "" << "avant";
    }
    void nom_du_fich() {
        QFETCH(QString, chemin);
        QFETCH(QString, nom);
        QFETCH(QString, extension);
        Radio::extension_fichier = QStringLiteral("avant");
        Radio::chemin_fichier_charge = chemin;
        Radio_FM& f = Radio_FM::instance();
        f.nom_du_fich();
        QCOMPARE(Radio::nom_fichier_affiche, nom);
        QCOMPARE(Radio::extension_fichier, extension);
        QCOMPARE(f.saut_ligne, QStringLiteral("\r"));
        QCOMPARE(f.double_saut, QStringLiteral("\n\r\n\r"));
    }

    void formate_nom_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("resultat");
        QTest::newRow("22 characters kept") << "Un Titre De Vingt Deux" << "Un Titre De Vingt Deux";
        QTest::newRow("23 capitals") << "ABCDEFGHIJKLMNOPQRSTUVW" << "abcdefghijklmnopqrstuvw ...";
        QTest::newRow("longer") << "Une Chanson Au Titre Bien Trop Long" << "une chanson au titre bi ...";
    }
    void formate_nom() {
        QFETCH(QString, nom);
        QFETCH(QString, resultat);
        Radio::nom_fichier_affiche = nom;
        Radio_FM::instance().formate_nom();
        QCOMPARE(Radio::nom_fichier_affiche, resultat);
    }

    void ecrire_path_fichier() {
        QTemporaryDir dossier;
        Radio_FM& f = Radio_FM::instance();
        auto stocke = [] {
            return reglages::lire(QStringLiteral("Sonavel V5"), QStringLiteral("Config"), QStringLiteral("Chemin_dernier_fichier"),
                                  QStringLiteral("absent"));
        };
        // From the open dialog: the folder keeps its closing "/".
        f.Dialogue1.FileName = QStringLiteral("/musique/rock/Song.mp3");
        f.ecrire_path_fichier();
        QCOMPARE(Radio::Chemin_dernier_fichier, QStringLiteral("/musique/rock/"));
        QCOMPARE(stocke(), QStringLiteral("/musique/rock/"));
        // A dropped file.
        Radio::fichier_depose = Vrai;
        f.chemin_fichier_depose = QStringLiteral("/depose/ici/a.mp3");
        f.ecrire_path_fichier();
        QCOMPARE(stocke(), QStringLiteral("/depose/ici/"));
        // A drag from the file manager: its folder, with one "/" (the root keeps its own).
        Radio::glisser_fichier_en_cours = Vrai;
        ajout_fichier::instance().Dir1.setPath(dossier.path());
        f.ecrire_path_fichier();
        QCOMPARE(stocke(), dossier.path() + QLatin1Char('/'));
        ajout_fichier::instance().Dir1.setPath(QStringLiteral("/"));
        f.ecrire_path_fichier();
        QCOMPARE(stocke(), QStringLiteral("/"));
        // A dialog name without a folder saves empty text.
        Radio::glisser_fichier_en_cours = Faux;
        Radio::fichier_depose = Faux;
        f.Dialogue1.FileName = QStringLiteral("Song.mp3");
        f.ecrire_path_fichier();
        QCOMPARE(stocke(), QString());
    }
};

SONAVEL_TEST_MAIN(TestAffichage)
#include "test_affichage.moc"
