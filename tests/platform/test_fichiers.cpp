// Fixed-record files, their field codecs, and path helpers.
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <utime.h>

#include "platform/chemins.h"
#include "platform/enregistrements.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "support/petit_disque.h"
#include "support/sonavel_test.h"

namespace {
void ecrire_octets(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

// Dates a file back, as a temporary left by a run killed long ago.
void vieillir(const QString& chemin, int secondes) {
    struct utimbuf t;
    t.actime = t.modtime = time(nullptr) - secondes;
    ::utime(QFile::encodeName(chemin).constData(), &t);
}

QStringList noms(const QString& dossier) {
    return QDir(dossier).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
}  // namespace

using sonavel_test::erreur_de;

class TestFichiers : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString chemin(const QString& nom) const { return m_dir.filePath(nom); }

private slots:
    void aller_retour_d_un_enregistrement() {
        // A 30-byte record: text 20, 16-bit integer, double.
        QByteArray e;
        champ::ecrire_texte(e, 0, 20, QStringLiteral("Réseau été"));
        champ::ecrire_entier16(e, 20, -3800);
        champ::ecrire_reel64(e, 22, 0.1);
        QCOMPARE(e.size(), 30);
        QCOMPARE(e.mid(20, 2), QByteArray::fromHex("28f1"));  // little-endian
        QCOMPARE(e.mid(22, 8), QByteArray::fromHex("9a9999999999b93f"));
        {
            FichierEnregistrements f(chemin("l.dfm"), 30);
            f.ecrire(1, e);
            f.ecrire(3, e);  // leaves record 2 as zero bytes
            QCOMPARE(f.nombre(), 3);
        }
        FichierEnregistrements f(chemin("l.dfm"), 30, FichierEnregistrements::Acces::Lecture);
        const QByteArray lu = f.lire(3);
        QCOMPARE(champ::lire_texte(lu, 0, 20), QStringLiteral("Réseau été          "));  // 10 bytes + 10 spaces
        QCOMPARE(champ::lire_entier16(lu, 20), int16_t(-3800));
        QCOMPARE(champ::lire_reel64(lu, 22), 0.1);
        QCOMPARE(champ::lire_texte(f.lire(2), 0, 20), QString());
        QCOMPARE(f.lire_tout().size(), 3);
        QCOMPARE(erreur_de([&] { f.ecrire(1, e); }), err::ModeAccesIncorrect);
    }

    void partie_finale_ignoree_et_lecture_au_dela() {
        ecrire_octets(chemin("p.dfm"), QByteArray(10 * 3 + 7, 'x'));
        FichierEnregistrements f(chemin("p.dfm"), 10, FichierEnregistrements::Acces::Lecture);
        QCOMPARE(f.nombre(), 3);
        QCOMPARE(f.lire_tout().size(), 3);
        QCOMPARE(f.lire(4), QByteArray(7, 'x') + QByteArray(3, '\0'));  // the partial record
        QCOMPARE(f.lire(50), QByteArray(10, '\0'));                     // no error past the end
        QCOMPARE(erreur_de([&] { f.lire(0); }), err::NumeroEnregistrement);
        QCOMPARE(erreur_de([&] { f.ecrire(1, QByteArray(11, 'y')); }), err::LongueurEnregistrement);
    }

    void ancienne_liste_en_windows_1252() {
        QByteArray e = QByteArray("Caf\xe9 \x80 \x9c", 9) + QByteArray(11, ' ');
        QCOMPARE(champ::lire_texte(e, 0, 20).trimmed(), QStringLiteral("Café € œ"));
        // Valid UTF-8 stays UTF-8.
        QCOMPARE(champ::decoder(QByteArray("Caf\xc3\xa9")), QStringLiteral("Café"));
        // A text field ends at its first NUL byte.
        QCOMPARE(champ::decoder(QByteArray("ab\0cd", 5)), QString("ab"));
    }

    void texte_coupe_a_une_limite_de_caractere_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<QString>("relu");
        QTest::newRow("tient") << "abc" << 5 << "abc  ";
        QTest::newRow("coupe ascii") << "abcdef" << 4 << "abcd";
        QTest::newRow("e accent, un octet du code page") << "abcé" << 4 << "abcé";
        QTest::newRow("cyrillique coupe en deux") << "abcП" << 4 << "abc ";
        QTest::newRow("cyrillique entier") << "abcП" << 5 << "abcП";
        QTest::newRow("fleche sur trois octets") << "a→" << 3 << "a  ";
        QTest::newRow("hors plan de base") << "a\U0001F3B5b" << 4 << "a   ";
    }
    // The format's own code page whenever it holds the text, so older lists keep their bytes;
    // UTF-8 otherwise, or when the page's bytes would read back as other UTF-8 characters.
    void code_page_du_champ_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("ascii") << "/m/a.mp3" << QByteArray("/m/a.mp3");
        QTest::newRow("accents") << "René été" << QByteArray("Ren\xe9 \xe9t\xe9");
        QTest::newRow("euro") << "€ œ" << QByteArray("\x80 \x9c");
        QTest::newRow("hors page") << "Пётр" << QString("Пётр").toUtf8();
        QTest::newRow("lu comme utf-8") << "Ã©" << QString("Ã©").toUtf8();
    }
    void code_page_du_champ() {
        QFETCH(QString, texte);
        QFETCH(QByteArray, octets);
        QCOMPARE(champ::octets_de(texte), octets);
        QCOMPARE(champ::decoder(champ::texte(texte, 40)).trimmed(), texte);
    }

    // A 195-character path of the code page fits a 200-byte field; in UTF-8 it would not.
    void chemin_long_du_code_page() {
        const QString c = QStringLiteral("/musique/") + QString(186, QChar(u'é'));
        QCOMPARE(c.size(), 195);
        QVERIFY(champ::tient(c, 200));
        QCOMPARE(champ::decoder(champ::texte(c, 200)).trimmed(), c);
        QVERIFY(!champ::tient(QStringLiteral("/m/") + QString(100, QChar(u'П')), 200));
    }

    void texte_coupe_a_une_limite_de_caractere() {
        QFETCH(QString, texte);
        QFETCH(int, largeur);
        QFETCH(QString, relu);
        const QByteArray champ = champ::texte(texte, largeur);
        QCOMPARE(champ.size(), largeur);
        QCOMPARE(champ::decoder(champ), relu);
    }

    void erreurs_d_ouverture() {
        using A = FichierEnregistrements::Acces;
        QCOMPARE(erreur_de([&] { FichierEnregistrements(chemin("absent.dfm"), 418, A::Lecture); }),
                 err::FichierIntrouvable);
        QCOMPARE(erreur_de([&] { FichierEnregistrements(chemin("nul/part.dfm"), 418); }), err::CheminIntrouvable);
        QCOMPARE(erreur_de([&] { FichierEnregistrements(m_dir.path(), 418); }), err::AccesCheminFichier);
        QCOMPARE(erreur_de([&] { FichierEnregistrements(QString(), 418); }), err::NomFichierIncorrect);
        // Opening for writing creates the file.
        QCOMPARE(erreur_de([&] { FichierEnregistrements(chemin("neuf.dfm"), 418); }), 0);
        QVERIFY(QFile::exists(chemin("neuf.dfm")));
    }

    // A real small filesystem: the disk fills during the write; the old file stays whole.
    void disque_plein_garde_l_ancien_fichier() {
        PetitDisque point(256);
        if (!point.monte()) QSKIP("no tmpfs can be mounted here (needs root)");
        const QString liste = point.chemin("liste.dfm");
        const QByteArray ancien(418 * 100, 'a');
        fichiers::reecrire_fichier(liste, ancien);
        ecrire_octets(point.chemin("remplissage"), QByteArray(150 * 1024, 'r'));  // about 60 KB left
        QCOMPARE(erreur_de([&] { fichiers::reecrire_fichier(liste, QByteArray(418 * 200, 'n')); }), err::DisquePlein);
        QCOMPARE(fichiers::lire_fichier(liste), ancien);
        QCOMPARE(noms(point.dossier()), QStringList({"liste.dfm", "remplissage"}));  // no temporary left
        QFile::remove(point.chemin("remplissage"));
        fichiers::reecrire_fichier(liste, QByteArray(418 * 200, 'n'));
        QCOMPARE(fichiers::lire_fichier(liste).size(), 418 * 200);
    }

    // FIFOs and huge files are refused at once, before any read (a FIFO would block).
    void fichiers_speciaux_et_enormes_refuses() {
        using A = FichierEnregistrements::Acces;
        const QString fifo = chemin("tube.dfm");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString enorme = chemin("enorme.dfm");
        {
            QFile f(enorme);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(fichiers::TailleMaximale + 418));  // sparse: nothing written
        }
        QElapsedTimer t;
        t.start();
        QCOMPARE(erreur_de([&] { fichiers::lire_fichier(fifo); }), err::AccesCheminFichier);
        QCOMPARE(erreur_de([&] { FichierEnregistrements(fifo, 418, A::Lecture); }), err::AccesCheminFichier);
        QCOMPARE(erreur_de([&] { FichierEnregistrements(fifo, 418); }), err::AccesCheminFichier);
        QCOMPARE(erreur_de([&] { fichiers::lire_fichier("/dev/zero"); }), err::AccesCheminFichier);
        QCOMPARE(erreur_de([&] { fichiers::lire_fichier(enorme); }), err::MemoireInsuffisante);
        QCOMPARE(erreur_de([&] { FichierEnregistrements(enorme, 418, A::Lecture); }), err::MemoireInsuffisante);
        QVERIFY(t.elapsed() < 5000);  // a guard against a hang, not a speed figure
    }

    // The next save removes the temporaries a killed run left beside that file, and only those:
    // the user's own copies beside it stay, whatever their names.
    void provisoires_abandonnes_supprimes() {
        QTemporaryDir d;
        const QStringList a_nous = {".liste.dfm.sonavel~Ab3xYz", ".liste.dfm.sonavel~abcdef"};
        const QStringList a_l_utilisateur = {"liste.dfm.copie2", "liste.dfm.save01", "liste.dfm.old123",
                                             "liste.dfm.2024v1", "liste.dfm.Ab3xYz", ".liste.dfm.Ab3xYz",
                                             ".LISTE.DFM.SONAVEL~Ab3xYz", "autre.dfm.Ab3xYz"};
        for (const QString& n : a_nous + a_l_utilisateur) {
            ecrire_octets(d.filePath(n), "x");
            vieillir(d.filePath(n), 600);
        }
        ecrire_octets(d.filePath(".liste.dfm.sonavel~Cd4eFg"), "x");  // fresh: a save under way elsewhere
        fichiers::reecrire_fichier(d.filePath("liste.dfm"), QByteArray("neuf"));
        QStringList restent = a_l_utilisateur + QStringList{"liste.dfm", ".liste.dfm.sonavel~Cd4eFg"};
        restent.sort();
        QCOMPARE(noms(d.path()), restent);
    }

    // Through a symbolic link (absolute, relative, a chain, dangling) the target is written and
    // renamed in its own folder; the link stays a link.
    void sauvegarde_a_travers_un_lien() {
        QTemporaryDir d;
        QVERIFY(QDir(d.path()).mkpath("partage"));
        const QString vraie = d.filePath("partage/liste.dfm");
        ecrire_octets(vraie, "ancien");
        QVERIFY(QFile::link("partage/liste.dfm", d.filePath("relatif.dfm")));
        QVERIFY(QFile::link(vraie, d.filePath("absolu.dfm")));
        QVERIFY(QFile::link(d.filePath("relatif.dfm"), d.filePath("chaine.dfm")));
        for (const char* lien : {"relatif.dfm", "absolu.dfm", "chaine.dfm"}) {
            const QByteArray contenu = QByteArray("par ") + lien;
            fichiers::reecrire_fichier(d.filePath(lien), contenu);
            QVERIFY2(QFileInfo(d.filePath(lien)).isSymLink(), lien);
            QCOMPARE(fichiers::lire_fichier(vraie), contenu);
        }
        QVERIFY(QFile::link("partage/nouvelle.dfm", d.filePath("pendant.dfm")));
        fichiers::reecrire_fichier(d.filePath("pendant.dfm"), QByteArray("cree"));
        QVERIFY(QFileInfo(d.filePath("pendant.dfm")).isSymLink());
        QCOMPARE(fichiers::lire_fichier(d.filePath("partage/nouvelle.dfm")), QByteArray("cree"));
        QCOMPARE(noms(d.filePath("partage")), QStringList({"liste.dfm", "nouvelle.dfm"}));  // no temporary left
    }

    // A file the user made read-only: a silent save is refused as an open for writing is; the
    // save the user confirmed replaces it. The superuser's rights do not change the answer.
    void fichier_en_lecture_seule() {
        QTemporaryDir d;
        const QString f = d.filePath("liste.dfm");
        ecrire_octets(f, "protege");
        QVERIFY(::chmod(QFile::encodeName(f).constData(), 0444) == 0);
        QCOMPARE(erreur_de([&] { fichiers::reecrire_fichier(f, QByteArray("perdu")); }), err::PermissionRefusee);
        QCOMPARE(fichiers::lire_fichier(f), QByteArray("protege"));
        fichiers::reecrire_fichier(f, QByteArray("choisi"), fichiers::Ecrasement::Remplacer);
        QCOMPARE(fichiers::lire_fichier(f), QByteArray("choisi"));
        QCOMPARE(noms(d.path()), QStringList({"liste.dfm"}));
    }

    void chemins_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("dossier");
        QTest::addColumn<QString>("extension");
        QTest::newRow("linux") << "/home/a/son.MP3" << "son.MP3" << "/home/a" << "MP3";
        QTest::newRow("autre systeme") << "C:\\Musique\\titre.mp3" << "titre.mp3" << "C:\\Musique" << "mp3";
        QTest::newRow("melange") << "/m/x\\y.wav" << "y.wav" << "/m/x" << "wav";
        QTest::newRow("nom seul") << "liste.dfm" << "liste.dfm" << "" << "dfm";
        QTest::newRow("racine") << "/a" << "a" << "/" << "";
        QTest::newRow("point dans le dossier") << "/a.b/c" << "c" << "/a.b" << "";
    }
    void chemins() {
        QFETCH(QString, chemin);
        QFETCH(QString, nom);
        QFETCH(QString, dossier);
        QFETCH(QString, extension);
        QCOMPARE(chemins::nom_fichier(chemin), nom);
        QCOMPARE(chemins::dossier(chemin), dossier);
        QCOMPARE(chemins::extension(chemin), extension);
        QCOMPARE(chemins::sans_extension(chemin) + (extension.isEmpty() ? "" : "." + extension), chemin);
    }

    void joindre_avec_un_seul_separateur() {
        QCOMPARE(chemins::joindre("/m", "a.mp3"), QString("/m/a.mp3"));
        QCOMPARE(chemins::joindre("/m/", "a.mp3"), QString("/m/a.mp3"));
        QCOMPARE(chemins::joindre("/", "a.mp3"), QString("/a.mp3"));
        QCOMPARE(chemins::joindre("/m", "/a.mp3"), QString("/m/a.mp3"));
        QCOMPARE(chemins::joindre("", "a.mp3"), QString("a.mp3"));
        QVERIFY(chemins::a_extension("/m/L.DFM", "dfm"));
        QVERIFY(!chemins::a_extension("/m/dfm", "dfm"));
    }

    void fichier_trouve_sans_egard_a_la_casse() {
        QDir(m_dir.path()).mkpath("Musique/Rock");
        ecrire_octets(chemin("Musique/Rock/Titre.MP3"), "x");
        QCOMPARE(chemins::trouver_sans_casse(chemin("Musique/Rock"), "titre.mp3"), QString("Titre.MP3"));
        QCOMPARE(chemins::trouver_sans_casse(chemin("Musique/Rock"), "autre.mp3"), QString());
        QCOMPARE(chemins::chemin_sur_disque(chemin("musique/ROCK/titre.mp3")), chemin("Musique/Rock/Titre.MP3"));
        QCOMPARE(chemins::chemin_sur_disque(chemin("musique/pop/titre.mp3")), QString());
    }
};

SONAVEL_TEST_MAIN(TestFichiers)
#include "test_fichiers.moc"
