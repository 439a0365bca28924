// The settings store: names without regard to case, values kept exactly, the file shared with
// the other program, and safe writes.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <utime.h>

#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "platform/reglages.h"
#include "support/sonavel_test.h"

namespace {
const QString App = QStringLiteral("Sonavel V5");

QString contenu_fichier() {
    QFile f(reglages::chemin_fichier());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Replaces the file as the other program would (a new file under the same name).
void ecrire_comme_l_autre_programme(const QByteArray& contenu) {
    const QString chemin = reglages::chemin_fichier();
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin + ".autre");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    f.close();
    QFile::remove(chemin);
    QVERIFY(QFile::rename(chemin + ".autre", chemin));
}
}  // namespace

class TestReglages : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(reglages::chemin_fichier()); }

    void fichier_dans_le_dossier_de_configuration() {
        QVERIFY(reglages::chemin_fichier().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Sonavel/"));
        QVERIFY(reglages::ecrire(App, "Config", "Mix", "6"));
        QVERIFY(QFile::exists(reglages::chemin_fichier()));
    }

    // The user's copies beside the settings file stay through a write, and a settings file
    // reached through a link stays a link (the target is what changes).
    void copies_et_lien_gardes() {
        const QString chemin = reglages::chemin_fichier();
        QVERIFY(reglages::ecrire(App, "Config", "Mix", "1"));
        const QStringList copies = {chemin + ".copie2", chemin + ".save01", chemin + ".old123", chemin + ".2024v1"};
        for (const QString& c : copies) {
            QFile f(c);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("copie");
            f.close();
            struct utimbuf t;
            t.actime = t.modtime = time(nullptr) - 600;
            ::utime(QFile::encodeName(c).constData(), &t);
        }
        QVERIFY(reglages::ecrire(App, "Config", "Mix", "2"));
        for (const QString& c : copies) {
            QVERIFY2(QFile::exists(c), qPrintable(c));
            QFile::remove(c);
        }

        const QString cible = QFileInfo(chemin).absolutePath() + "/partage.ini";
        QFile::remove(cible);
        QVERIFY(QFile::rename(chemin, cible));
        QVERIFY(QFile::link("partage.ini", chemin));
        QVERIFY(reglages::ecrire(App, "Config", "Mix", "3"));
        QVERIFY(QFileInfo(chemin).isSymLink());
        QVERIFY(QString::fromUtf8(fichiers::lire_fichier(cible)).contains("Mix=3"));
        QFile::remove(chemin);
        QFile::remove(cible);
    }

    void noms_sans_egard_a_la_casse() {
        QCOMPARE(reglages::lire(App, "Config", "logo_liste", "absent"), QString("absent"));
        QVERIFY(reglages::ecrire(App, "Config", "Logo_liste", "oui"));
        QCOMPARE(reglages::lire(App, "Config", "logo_liste"), QString("oui"));
        QCOMPARE(reglages::lire("SONAVEL v5", "CONFIG", "LOGO_LISTE"), QString("oui"));
        QVERIFY(reglages::ecrire(App, "config", "LOGO_LISTE", "/chemin/Liste_sonavel1.jpg"));
        QCOMPARE(reglages::lire(App, "Config", "Logo_liste"), QString("/chemin/Liste_sonavel1.jpg"));
        // One entry, in the spelling first written; accented names fold too.
        const QString texte = contenu_fichier();
        QCOMPARE(texte.count("logo_liste", Qt::CaseInsensitive), 1);
        QVERIFY(texte.contains("[Sonavel V5/Config]\nLogo_liste=/chemin/Liste_sonavel1.jpg\n"));
        QVERIFY(reglages::ecrire(App, "Couleur_liste", "coul_fenètre", "9408399"));
        QCOMPARE(reglages::lire(App, "couleur_liste", "COUL_FENÈTRE"), QString("9408399"));
        // Sections and applications stay apart.
        QCOMPARE(reglages::lire(App, "Position", "Logo_liste", "d"), QString("d"));
        QCOMPARE(reglages::lire("Autre", "Config", "Logo_liste", "d"), QString("d"));
    }

    void valeurs_gardees_exactement_data() {
        QTest::addColumn<QString>("valeur");
        QTest::newRow("vide") << "";
        QTest::newRow("espaces autour") << "  a b  ";
        QTest::newRow("accents") << "Eté à l'écoute";
        QTest::newRow("egal et point-virgule") << "a=b;c ; #d [e]";
        QTest::newRow("barres inverses") << "C:\\Musique\\n.mp3\\";
        QTest::newRow("fins de ligne") << "l1\r\nl2\n\rl3\r";
        QTest::newRow("negatif") << "-2147483630";
    }
    void valeurs_gardees_exactement() {
        QFETCH(QString, valeur);
        QVERIFY(reglages::ecrire(App, "Config", "Nom_radio_fm", valeur));
        QVERIFY(reglages::ecrire(App, "Config", "Suivante", "x"));
        // Read back from the file itself, not from memory.
        ecrire_comme_l_autre_programme(contenu_fichier().toUtf8());
        QCOMPARE(reglages::lire(App, "Config", "Nom_radio_fm", "absent"), valeur);
        QCOMPARE(reglages::lire(App, "Config", "Suivante"), QString("x"));
    }

    void changements_de_l_autre_programme_repris() {
        QVERIFY(reglages::ecrire(App, "Couleur_liste", "coul_label", "1"));
        QCOMPARE(reglages::lire(App, "Couleur_liste", "coul_label"), QString("1"));
        ecrire_comme_l_autre_programme("; edited\r\n[Sonavel V5/Couleur_liste]\r\ncoul_label=2\r\ncoul_bouton=3\r\n");
        QCOMPARE(reglages::lire(App, "Couleur_liste", "coul_label"), QString("2"));
        // A write keeps what the other program wrote in the meantime.
        QVERIFY(reglages::ecrire(App, "Config", "Mix", "6"));
        ecrire_comme_l_autre_programme(contenu_fichier().toUtf8());
        QCOMPARE(reglages::lire(App, "Couleur_liste", "coul_bouton"), QString("3"));
        QCOMPARE(reglages::lire(App, "Config", "Mix"), QString("6"));
    }

    void valeur_inchangee_sans_attendre_le_verrou() {
        QVERIFY(reglages::ecrire(App, "Config", "Mix", "6"));
        const QString avant = contenu_fichier();
        // The other program holds the lock: the same value again is already stored.
        QLockFile verrou(reglages::chemin_fichier() + ".lock");
        QVERIFY(verrou.tryLock(0));
        QElapsedTimer t;
        t.start();
        QVERIFY(reglages::ecrire(App, "config", "MIX", "6"));
        QVERIFY(t.elapsed() < 1000);
        QCOMPARE(contenu_fichier(), avant);
        // A value the other program changed meanwhile is no longer the same value.
        ecrire_comme_l_autre_programme("[Sonavel V5/Config]\r\nMix=7\r\n");
        QVERIFY(!reglages::ecrire(App, "Config", "Mix", "6"));
        verrou.unlock();
        QVERIFY(reglages::ecrire(App, "Config", "Mix", "6"));
        QCOMPARE(reglages::lire(App, "Config", "Mix"), QString("6"));
    }

    void noms_impossibles_refuses() {
        QVERIFY(!reglages::ecrire(App, "Config", "a=b", "v"));
        QVERIFY(!reglages::ecrire(App, "Config", "", "v"));
        QVERIFY(!reglages::ecrire("a/b", "Config", "k", "v"));
        QVERIFY(!reglages::ecrire(App, "Config", "[k", "v"));
        QVERIFY(!QFile::exists(reglages::chemin_fichier()));
    }

    void ecriture_manquee_laisse_l_ancien_fichier() {
        const QString chemin = QDir::temp().filePath("sonavel_sur.txt");
        fichiers::reecrire_fichier(chemin, QByteArray("ancien contenu"));
        QCOMPARE(sonavel_test::erreur_de([&] {
                     fichiers::reecrire_fichier(chemin, [](QIODevice& d) {
                         d.write("nouveau con");
                         throw Erreur(err::DisquePlein);  // the writer fails half-way
                     });
                 }),
                 err::DisquePlein);
        QCOMPARE(fichiers::lire_fichier(chemin), QByteArray("ancien contenu"));
        // No temporary file is left beside it.
        QCOMPARE(QDir::temp().entryList({"sonavel_sur*"}, QDir::Files), QStringList{"sonavel_sur.txt"});
        QFile::remove(chemin);
    }

    void fichier_illisible_jamais_ecrase() {
        // A folder standing where the file should be: reads give defaults, writes fail.
        QDir().mkpath(reglages::chemin_fichier());
        QCOMPARE(reglages::lire(App, "Config", "Mix", "d"), QString("d"));
        QVERIFY(!reglages::ecrire(App, "Config", "Mix", "6"));
        QVERIFY(QFileInfo(reglages::chemin_fichier()).isDir());
        QDir(reglages::chemin_fichier()).removeRecursively();
    }
};

SONAVEL_TEST_MAIN(TestReglages)
#include "test_reglages.moc"
