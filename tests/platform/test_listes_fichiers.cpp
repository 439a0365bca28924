// Drive, folder and file lists.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/time.h>

#include "platform/listes_fichiers.h"
#include "support/sonavel_test.h"

namespace {
void creer(const QString& chemin) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
}  // namespace

class TestListesFichiers : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_racine;

private slots:
    void initTestCase() {
        m_racine = QDir(m_dir.path()).canonicalPath();
        QDir(m_racine).mkpath(QStringLiteral("Zeta/profond"));
        QDir(m_racine).mkpath(QStringLiteral("alpha"));
        for (const char* n : {"b.MP3", "a.mp3", "c.wav", ".cache.mp3", "sans_extension"})
            creer(m_racine + QLatin1Char('/') + QLatin1String(n));
    }

    void dossiers() {
        DirListBox d;
        int changements = 0;
        d.Change = [&] { ++changements; };
        d.setPath(m_racine + QStringLiteral("/"));
        QCOMPARE(d.Path(), m_racine);
        QCOMPARE(changements, 1);
        d.setPath(m_racine);  // the same folder: no change
        QCOMPARE(changements, 1);
        // Subfolders by name without regard to case; the folder itself and its ancestors below 0.
        QCOMPARE(d.ListCount(), 2);
        QCOMPARE(d.List(0), m_racine + QStringLiteral("/alpha"));
        QCOMPARE(d.List(1), m_racine + QStringLiteral("/Zeta"));
        QCOMPARE(d.List(-1), m_racine);
        QCOMPARE(d.List(-2), QFileInfo(m_racine).absolutePath());
        QCOMPARE(d.ListIndex(), -1);
        d.setListIndex(1);
        QCOMPARE(d.ListIndex(), 1);
        QCOMPARE(sonavel_test::erreur_de([&] { d.List(2); }), 381);
        // A missing folder changes nothing.
        QCOMPARE(sonavel_test::erreur_de([&] { d.setPath(m_racine + QStringLiteral("/absent")); }), 76);
        QCOMPARE(d.Path(), m_racine);
        QCOMPARE(changements, 1);
    }

    void fichiers() {
        FileListBox f;
        int changements = 0;
        f.PathChange = [&] { ++changements; };
        f.setPath(m_racine);
        QCOMPARE(changements, 1);
        // Plain files only, hidden ones left out; "*.*" takes names without a dot too.
        QCOMPARE(f.ListCount(), 4);
        QCOMPARE(f.List(0), QStringLiteral("a.mp3"));
        QCOMPARE(f.List(1), QStringLiteral("b.MP3"));
        QCOMPARE(f.List(3), QStringLiteral("sans_extension"));
        int motifs = 0;
        f.PatternChange = [&] { ++motifs; };
        f.setPattern(QStringLiteral("*.mp3;*.WAV"));
        QCOMPARE(motifs, 1);
        QCOMPARE(f.ListCount(), 3);
        f.setListIndex(2);
        QCOMPARE(f.FileName(), QStringLiteral("c.wav"));
        f.setListIndex(-1);
        QCOMPARE(f.FileName(), QString());
        QCOMPARE(sonavel_test::erreur_de([&] { f.setListIndex(3); }), 380);
        QCOMPARE(sonavel_test::erreur_de([&] { f.setPath(QStringLiteral("/absent/xyz")); }), 76);
    }

    // Hidden, the lists read their folder only when shown or read: what the widget shows after
    // a change made while hidden is the folder as it is when shown.
    void lecture_a_l_affichage() {
        QWidget fenetre;
        auto* d = new DirListBox(&fenetre);
        auto* f = new FileListBox(&fenetre);
        const QListWidget& vue_d = *d;
        const QListWidget& vue_f = *f;
        d->setPath(m_racine);
        f->setPath(m_racine);
        QCOMPARE(vue_f.count(), 0);  // nothing read yet
        QDir(m_racine).mkdir(QStringLiteral("nouveau"));
        creer(m_racine + QStringLiteral("/nouveau.mp3"));
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        QVERIFY(!vue_f.findItems(QStringLiteral("nouveau.mp3"), Qt::MatchExactly).isEmpty());
        QVERIFY(!vue_d.findItems(QStringLiteral("▸ nouveau"), Qt::MatchEndsWith).isEmpty());
        // Shown, a refresh reads at once.
        creer(m_racine + QStringLiteral("/suivant.mp3"));
        f->Refresh();
        QVERIFY(!vue_f.findItems(QStringLiteral("suivant.mp3"), Qt::MatchExactly).isEmpty());
        // Hidden again, a change waits for the next show; reading the list reads the folder.
        fenetre.hide();
        QFile::remove(m_racine + QStringLiteral("/suivant.mp3"));
        f->Refresh();
        QVERIFY(!vue_f.findItems(QStringLiteral("suivant.mp3"), Qt::MatchExactly).isEmpty());
        QVERIFY(f->findItems(QStringLiteral("suivant.mp3"), Qt::MatchExactly).isEmpty());
        QDir(m_racine).rmdir(QStringLiteral("nouveau"));
        QFile::remove(m_racine + QStringLiteral("/nouveau.mp3"));
    }

    // What the lists take from a folder read in one pass: links followed to what they name,
    // broken links, pipes and hidden names left out; "*.ext" against the end of the name only.
    void genres_et_motifs() {
        QTemporaryDir d;
        const QString r = d.path();
        QDir(r).mkpath(QStringLiteral("Dossier"));
        QDir(r).mkpath(QStringLiteral(".cache"));
        for (const char* n : {"Un.mp3", "deux.Mp3", "trois.mp3.bak", "quatre.wav", "mp3"})
            creer(r + QLatin1Char('/') + QLatin1String(n));
        QVERIFY(QFile::link(r + QStringLiteral("/Un.mp3"), r + QStringLiteral("/lien.mp3")));
        QVERIFY(QFile::link(r + QStringLiteral("/absent.mp3"), r + QStringLiteral("/casse.mp3")));
        QVERIFY(QFile::link(r + QStringLiteral("/Dossier"), r + QStringLiteral("/vers_dossier")));
        QCOMPARE(::mkfifo(QFile::encodeName(r + QStringLiteral("/tube.mp3")).constData(), 0600), 0);
        using listes_fichiers::fichiers;
        QCOMPARE(fichiers(r, QStringLiteral("*.mp3")), (QStringList{"deux.Mp3", "lien.mp3", "Un.mp3"}));
        QCOMPARE(fichiers(r, QStringLiteral(" *.WAV ; *.mp3.*")), (QStringList{"quatre.wav", "trois.mp3.bak"}));
        QCOMPARE(fichiers(r, QStringLiteral("?n.mp3;mp*")), (QStringList{"mp3", "Un.mp3"}));
        QCOMPARE(fichiers(r, QStringLiteral("*.*")).size(), 6);
        QCOMPARE(listes_fichiers::sous_dossiers(r), (QStringList{"Dossier", "vers_dossier"}));
        QCOMPARE(listes_fichiers::sous_dossiers(r, false), QStringList{"Dossier"});
        // A name in another case: the one on disk; the exact one when both are there.
        using listes_fichiers::fichier_sans_casse;
        QCOMPARE(fichier_sans_casse(r, QStringLiteral("UN.MP3")), QStringLiteral("Un.mp3"));
        QCOMPARE(fichier_sans_casse(r, QStringLiteral("Deux.mp3")), QStringLiteral("deux.Mp3"));
        creer(r + QStringLiteral("/deux.mp3"));
        QCOMPARE(fichier_sans_casse(r, QStringLiteral("deux.mp3")), QStringLiteral("deux.mp3"));
        QCOMPARE(fichier_sans_casse(r, QStringLiteral("DEUX.MP3")), QStringLiteral("deux.Mp3"));
        QCOMPARE(fichier_sans_casse(r, QStringLiteral("dossier")), QString());  // a folder
        QCOMPARE(fichier_sans_casse(r, QStringLiteral("TUBE.mp3")), QString());
        QCOMPARE(fichier_sans_casse(r, QStringLiteral("CASSE.mp3")), QString());
        QCOMPARE(fichier_sans_casse(r + QStringLiteral("/absent"), QStringLiteral("un.mp3")), QString());

        // A folder unchanged for a while is read once for the lists and the lookup of one
        // change of folder; what is made or taken away afterwards shows at the next reading,
        // even when the folder's date is set back to what it was (as a copy keeping dates does).
        const timeval passe[2] = {{1000000000, 0}, {1000000000, 0}};
        QCOMPARE(::utimes(QFile::encodeName(r).constData(), passe), 0);
        QCOMPARE(fichiers(r, QStringLiteral("*.wav")), QStringList{"quatre.wav"});
        creer(r + QStringLiteral("/cinq.wav"));
        QCOMPARE(fichiers(r, QStringLiteral("*.wav")), (QStringList{"cinq.wav", "quatre.wav"}));
        QCOMPARE(fichier_sans_casse(r, QStringLiteral("CINQ.WAV")), QStringLiteral("cinq.wav"));
        QCOMPARE(::utimes(QFile::encodeName(r).constData(), passe), 0);
        QCOMPARE(fichiers(r, QStringLiteral("*.wav")).size(), 2);
        QVERIFY(QFile::remove(r + QStringLiteral("/cinq.wav")));
        QCOMPARE(fichiers(r, QStringLiteral("*.wav")), QStringList{"quatre.wav"});
        QCOMPARE(fichier_sans_casse(r, QStringLiteral("cinq.wav")), QString());
    }

    // Names beyond ASCII: sorted by their case-folded form, then by spelling; found without
    // regard to case by folding, not only by ASCII letters.
    void noms_hors_ascii() {
        QTemporaryDir d;
        const QString r = d.path();
        const QStringList noms{QStringLiteral("été.mp3"), QStringLiteral("Été.mp3"), QStringLiteral("zeta.mp3"),
                               QStringLiteral("Alpha.mp3"), QStringLiteral("\u212Aelvin.mp3"),
                               QStringLiteral("kelvin.MP3"), QStringLiteral("b.mp3")};
        for (const QString& n : noms) creer(r + QLatin1Char('/') + n);
        QCOMPARE(listes_fichiers::fichiers(r, QStringLiteral("*.mp3")),
                 (QStringList{QStringLiteral("Alpha.mp3"), QStringLiteral("b.mp3"), QStringLiteral("kelvin.MP3"),
                              QStringLiteral("\u212Aelvin.mp3"), QStringLiteral("zeta.mp3"), QStringLiteral("Été.mp3"),
                              QStringLiteral("été.mp3")}));
        QFile::remove(r + QStringLiteral("/kelvin.MP3"));
        QCOMPARE(listes_fichiers::fichier_sans_casse(r, QStringLiteral("KELVIN.mp3")), QStringLiteral("\u212Aelvin.mp3"));
        QCOMPARE(listes_fichiers::fichier_sans_casse(r, QStringLiteral("ÉTÉ.MP3")), QStringLiteral("Été.mp3"));
        QCOMPARE(listes_fichiers::fichier_sans_casse(r, QStringLiteral("ALPHA.MP3")), QStringLiteral("Alpha.mp3"));
        QCOMPARE(listes_fichiers::fichier_sans_casse(r, QStringLiteral("ALPHA.MP")), QString());
    }

    void volumes() {
        DriveListBox d;
        QVERIFY(d.ListCount() >= 1);
        int changements = 0;
        d.Change = [&] { ++changements; };
        // A path chooses the volume it lies on.
        d.setDrive(m_racine);
        QVERIFY(m_racine.startsWith(d.Drive()));
        QCOMPARE(sonavel_test::erreur_de([&] { d.setDrive(QStringLiteral("/absent/xyz")); }), 68);
        QVERIFY(changements <= 1);
    }

    // The home folder comes first and holds the paths under it; a volume mounted deeper wins.
    void dossier_personnel() {
        QTemporaryDir maison;
        const QByteArray avant = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(maison.path()));
        DriveListBox d;
        qputenv("HOME", avant);
        QCOMPARE(d.List(0), QDir::cleanPath(maison.path()));
        QVERIFY(QDir(maison.path()).mkpath(QStringLiteral("Musique/Rock")));
        d.setDrive(maison.filePath(QStringLiteral("Musique/Rock")));
        QCOMPARE(d.Drive(), QDir::cleanPath(maison.path()));
        d.setDrive(QStringLiteral("/"));
        QCOMPARE(d.Drive(), QStringLiteral("/"));
        if (d.findText(QStringLiteral("/dev/shm")) >= 0) {
            d.setDrive(QStringLiteral("/dev/shm/."));
            QCOMPARE(d.Drive(), QStringLiteral("/dev/shm"));
        }
    }
};

SONAVEL_TEST_MAIN(TestListesFichiers)
#include "test_listes_fichiers.moc"
