// The ID3v1.1 tag: reading, the setters' cleaning and cuts, writing and removing in place,
// Windows-1252 both ways.
#include "support/sonavel_test.h"
#include "tags/TagType.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// A 128-byte tag from raw Windows-1252 fields, each padded with zero bytes.
QByteArray tag(const QByteArray& titre, const QByteArray& artiste = {}, const QByteArray& album = {},
               const QByteArray& annee = {}, const QByteArray& commentaire = {}, int piste = 0,
               int genre = 255, const QByteArray& marque = "TAG") {
    auto champ = [](QByteArray t, int largeur) { return t.leftJustified(largeur, '\0', true); };
    QByteArray t = marque + champ(titre, 30) + champ(artiste, 30) + champ(album, 30) +
                   champ(annee, 4) + champ(commentaire, 28);
    t += '\0';
    t += char(piste);
    t += char(genre);
    return t;
}

QByteArray audio(int n) {
    QByteArray a(n, '\0');
    for (int i = 0; i < n; ++i) a[i] = char(0xFF - (i % 251));  // no "TAG" anywhere
    return a;
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(octets), octets.size());
}
}  // namespace

class TestTagV1 : public QObject {
    Q_OBJECT
    QTemporaryDir dossier;
    QString fichier() const { return dossier.filePath("morceau.mp3"); }

private slots:
    void init() {
        QVERIFY(dossier.isValid());
        for (const QString& nom : QDir(dossier.path()).entryList(QDir::Files)) {
            QFile::setPermissions(dossier.filePath(nom), QFile::ReadOwner | QFile::WriteOwner);
            QFile::remove(dossier.filePath(nom));
        }
    }

    void lecture_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("artiste");
        QTest::addColumn<QString>("commentaire");
        QTest::addColumn<int>("piste");
        QTest::addColumn<int>("genre");
        const QByteArray a = audio(300);
        QTest::newRow("champs coupés au premier zéro")
            << a + tag("Titre", "Artiste", "Album", "1999", QByteArray("Com\0ment", 8), 7, 12)
            << true << "Titre" << "Artiste" << "Com" << 7 << 12;
        QTest::newRow("espaces de fin gardés")
            << a + tag(QByteArray(30, ' ').replace(0, 5, "Titre"), "A  ")
            << true << "Titre" + QString(25, ' ') << "A  " << "" << 0 << 255;
        QTest::newRow("marque en minuscules") << a + tag("x", {}, {}, {}, {}, 1, 0, "tag")
                                              << true << "x" << "" << "" << 1 << 0;
        QTest::newRow("genre 147") << a + tag("x", {}, {}, {}, {}, 0, 147) << true << "x" << "" << "" << 0 << 147;
        QTest::newRow("genre 148") << a + tag("x", {}, {}, {}, {}, 0, 148) << true << "x" << "" << "" << 0 << 255;
        QTest::newRow("genre 200") << a + tag("x", {}, {}, {}, {}, 0, 200) << true << "x" << "" << "" << 0 << 255;
        // ID3v1.0: a 30-character comment runs into bytes 125 and 126; there is no track. A
        // track is read only behind a zero 29th byte (ID3v1.1).
        const auto commentaire_30 = [&](const QByteArray& c) {
            QByteArray t = a + tag("x");
            t.replace(t.size() - 31, 30, c);
            return t;
        };
        QTest::newRow("commentaire de 30") << commentaire_30(QByteArray(29, 'c') + 'n') << true << "x" << ""
                                           << QString(29, 'c') + 'n' << 0 << 255;
        QTest::newRow("29e octet non nul, 30e nul") << commentaire_30(QByteArray(29, 'c') + '\0') << true << "x" << ""
                                                    << QString(29, 'c') << 0 << 255;
        QTest::newRow("29e nul, 30e non nul: piste") << commentaire_30(QByteArray(28, 'c') + '\0' + '\x6e') << true
                                                     << "x" << "" << QString(28, 'c') << 110 << 255;
        QTest::newRow("Windows-1252") << a + tag("Caf\xe9 \x80", "No\xebl \x8c\x9c\x99")
                                      << true << "Café €" << "Noël Œœ™" << "" << 0 << 255;
        QTest::newRow("sans marque") << a + tag("x", {}, {}, {}, {}, 0, 0, "TAF")
                                     << false << "" << "" << "" << 0 << 255;
        QTest::newRow("127 octets") << tag("x").left(127) << false << "" << "" << "" << 0 << 255;
        QTest::newRow("128 octets, rien d'autre") << tag("x") << true << "x" << "" << "" << 0 << 255;
        QTest::newRow("vide") << QByteArray() << false << "" << "" << "" << 0 << 255;
    }
    void lecture() {
        QFETCH(QByteArray, octets);
        ecrire(fichier(), octets);
        TypeTagV1 t;
        QCOMPARE(t.Genre(), 0);  // a tag never read
        const TypeTagV1 copie = t.lire_tag(fichier());
        QFETCH(bool, valide);
        QCOMPARE(t.Valide(), valide);
        QTEST(t.Titre(), "titre");
        QTEST(t.Artiste(), "artiste");
        QTEST(t.Commentaire(), "commentaire");
        QTEST(int(t.Piste()), "piste");
        QTEST(int(t.Genre()), "genre");
        QCOMPARE(copie.Valide(), t.Valide());
        QCOMPARE(copie.Titre(), t.Titre());
        QCOMPARE(copie.Genre(), t.Genre());
        QCOMPARE(copie.Commentaire(), t.Commentaire());
        QCOMPARE(copie.Piste(), t.Piste());
        QCOMPARE(lire(fichier()), octets);  // reading never writes
    }

    // An ID3v1.0 tag read and written back with a new title keeps its 30-character comment.
    void commentaire_de_30_reecrit_entier() {
        QByteArray avant = audio(200) + tag("x");
        avant.replace(avant.size() - 31, 30, "0123456789012345678901234567AB");
        ecrire(fichier(), avant);
        TypeTagV1 t;
        const TypeTagV1 lu = t.lire_tag(fichier());
        TagType nouveau;
        nouveau.TagV1 = lu;
        nouveau.TagV1.setTitre("y");
        QVERIFY(Module1::ecrire_tag_v1(fichier(), nouveau));
        QByteArray attendu = avant;
        attendu[avant.size() - 128 + 3] = 'y';
        QCOMPARE(lire(fichier()), attendu);
    }

    void lecture_garde_le_texte_brut_et_la_copie_le_nettoie() {
        ecrire(fichier(), audio(10) + tag("a\x01" "b\x7f", {}, "x\ty", "19\n9"));
        TypeTagV1 t;
        const TypeTagV1 copie = t.lire_tag(fichier());
        QCOMPARE(t.Titre(), QString("a\x01" "b\x7f"));
        QCOMPARE(copie.Titre(), QString("ab"));
        QCOMPARE(t.Album(), QString("x\ty"));
        QCOMPARE(copie.Album(), QString("xy"));
        QCOMPARE(copie.Annee(), QString("199"));
    }

    void lecture_manquante_remet_a_zero() {
        TypeTagV1 t;
        t.setTitre("ancien");
        t.setValide(true);
        const TypeTagV1 copie = t.lire_tag(dossier.filePath("absent.mp3"));
        QVERIFY(!t.Valide() && !copie.Valide());
        QVERIFY(t.Titre().isEmpty());
        QCOMPARE(t.Genre(), 255);
        QCOMPARE(copie.Genre(), 255);
    }

    void nettoyage_data() {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("accent gardé") << "é" << "é";
        QTest::newRow("page de code") << "Café Noël ÿ € ‚ ™ Ÿ « »" << "Café Noël ÿ € ‚ ™ Ÿ « »";
        QTest::newRow("CR LF gardé") << "a\r\nb" << "a\r\nb";
        QTest::newRow("CR final") << "ab\r" << "ab";
        QTest::newRow("CR seul") << "a\rb" << "ab";
        QTest::newRow("LF seul") << "a\nb" << "ab";
        QTest::newRow("CR CR LF") << "a\r\r\nb" << "a\r\nb";
        QTest::newRow("LF CR") << "a\n\rb" << "ab";
        QTest::newRow("après le dernier zéro") << QString("x") + QChar(0) + "y" + QChar(0) + "z" << "z";
        QTest::newRow("contrôles et DEL") << "a\tb\x1b" "c\x7f" << "abc";
        QTest::newRow("codes non attribués") << QString("a") + QChar(0x81) + QChar(0x8D) + QChar(0x9D) + "b"
                                             << "ab";
        QTest::newRow("hors de la page") << "Łódź 東京 🎵!" << "ód  !";
        QTest::newRow("espace insécable") << QString(QChar(0xA0)) << QString(QChar(0xA0));
    }
    void nettoyage() {
        QFETCH(QString, entree);
        TypeTagV1 t;
        t.setTitre(entree);
        QTEST(t.Titre(), "attendu");
    }

    void coupes_aux_largeurs() {
        const QString long_texte = QString("\x01\x02") + QString(40, 'a') + "z";
        TypeTagV1 t;
        t.setTitre(long_texte);
        t.setArtiste(long_texte);
        t.setAlbum(long_texte);
        t.setAnnee(long_texte);
        t.setCommentaire(long_texte);
        // Cleaning comes before the cut, so the control characters take no room.
        QCOMPARE(t.Titre(), QString(30, 'a'));
        QCOMPARE(t.Artiste(), QString(30, 'a'));
        QCOMPARE(t.Album(), QString(30, 'a'));
        QCOMPARE(t.Annee(), QString(4, 'a'));
        QCOMPARE(t.Commentaire(), QString(28, 'a'));
    }

    void regle_du_genre() {
        const QList<QPair<int, int>> cas = {{0, 0}, {147, 147}, {148, 255}, {254, 255}, {255, 255},
                                             {256, 255}, {-1, 255}, {100000, 255}};
        for (const auto& [donne, garde] : cas) {
            TypeTagV1 t;
            t.setGenre(donne);
            QCOMPARE(t.Genre(), garde);
        }
        TypeTagV1 t;
        t.setPiste(300);  // kept; only writing refuses it
        QCOMPARE(t.Piste(), int16_t(300));
    }

    void ecriture_data() {
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<int>("taille_apres");
        const QByteArray a = audio(1000);
        QTest::newRow("sans tag: N + 128") << a << true << 1128;
        QTest::newRow("avec tag: N") << a + tag("vieux") << true << 1128;
        QTest::newRow("tag en minuscules remplacé") << a + tag("vieux", {}, {}, {}, {}, 0, 0, "tag") << true << 1128;
        QTest::newRow("retrait: N - 128") << a + tag("vieux") << false << 1000;
        QTest::newRow("retrait sans tag: inchangé") << a << false << 1000;
        QTest::newRow("fichier de 128 octets sans tag") << a.left(128) << true << 256;
    }
    void ecriture() {
        QFETCH(QByteArray, avant);
        QFETCH(bool, valide);
        ecrire(fichier(), avant);
        TagType t;
        t.TagV1.setValide(valide);
        t.TagV1.setTitre("Éléonore à l’été");
        t.TagV1.setArtiste("Zoë & Œdipe");
        t.TagV1.setAlbum("€uro™");
        t.TagV1.setAnnee("2024");
        t.TagV1.setCommentaire("ligne\r\nsuite");
        t.TagV1.setPiste(255);
        t.TagV1.setGenre(147);
        QVERIFY(Module1::ecrire_tag_v1(fichier(), t));

        const QByteArray apres = lire(fichier());
        QTEST(int(apres.size()), "taille_apres");
        QVERIFY(apres.startsWith(audio(1000).left(qMin(1000, avant.size()))));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{"morceau.mp3"});
        if (!valide) return;
        const QByteArray nouveau = apres.right(128);
        QCOMPARE(nouveau, tag("\xc9l\xe9onore \xe0 l\x92\xe9t\xe9", "Zo\xeb & \x8c" "dipe", "\x80uro\x99",
                              "2024", "ligne\r\nsuite", 255, 147));
        TypeTagV1 relu;
        relu.lire_tag(fichier());
        QCOMPARE(relu.Titre(), t.TagV1.Titre());
        QCOMPARE(relu.Artiste(), QString("Zoë & Œdipe"));
        QCOMPARE(relu.Album(), QString("€uro™"));
        QCOMPARE(relu.Commentaire(), QString("ligne\r\nsuite"));
        QCOMPARE(relu.Piste(), int16_t(255));
        QCOMPARE(relu.Genre(), 147);
    }

    void ecriture_garde_les_droits() {
        ecrire(fichier(), audio(500));
        QFile::setPermissions(fichier(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        TypeTagV1 t;
        t.setValide(true);
        QVERIFY(t.ecrire_tag(fichier()));
        const auto bits = QFileDevice::Permissions(0x7077);  // owner, group, others
        QCOMPARE(QFile::permissions(fichier()) & bits, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }

    // In place: the song keeps its inode, owner, group, mode and second link, written and
    // removed alike.
    void ecriture_en_place_garde_inode_proprietaire_et_liens() {
        ecrire(fichier(), audio(3000));
        const QString lien = dossier.filePath("lien.mp3");
        QVERIFY(::link(QFile::encodeName(fichier()).constData(), QFile::encodeName(lien).constData()) == 0);
        const QByteArray f = QFile::encodeName(fichier());
        QVERIFY(::chmod(f.constData(), 0640) == 0);
        // Root can give the song to someone else; another user keeps their own.
        if (::geteuid() == 0) QVERIFY(::chown(f.constData(), 4321, 8765) == 0);
        struct stat avant {};
        QVERIFY(::stat(f.constData(), &avant) == 0);
        for (bool valide : {true, true, false}) {
            TypeTagV1 t;
            t.setValide(valide);
            t.setTitre(valide ? "un" : "");
            QVERIFY(t.ecrire_tag(fichier()));
            struct stat apres {};
            QVERIFY(::stat(f.constData(), &apres) == 0);
            QCOMPARE(apres.st_ino, avant.st_ino);
            QCOMPARE(apres.st_uid, avant.st_uid);
            QCOMPARE(apres.st_gid, avant.st_gid);
            QCOMPARE(apres.st_mode & 07777, mode_t(0640));
            QCOMPARE(apres.st_nlink, nlink_t(2));
            QCOMPARE(lire(lien), lire(fichier()));
            QCOMPARE(lire(fichier()).left(3000), audio(3000));
            QCOMPARE(int(apres.st_size), valide ? 3128 : 3000);
        }
        QFile::remove(lien);
    }

    // A writable song in a folder the user cannot write is tagged: nothing is made beside it.
    void ecriture_dans_un_dossier_en_lecture_seule() {
        ecrire(fichier(), audio(800));
        const QByteArray d = QFile::encodeName(dossier.path());
        QVERIFY(::chmod(d.constData(), 0555) == 0);
        TypeTagV1 t;
        t.setValide(true);
        t.setTitre("dossier fermé");
        const bool ok = t.ecrire_tag(fichier());
        ::chmod(d.constData(), 0755);
        QVERIFY(ok);
        TypeTagV1 relu;
        relu.lire_tag(fichier());
        QCOMPARE(relu.Titre(), QString("dossier fermé"));
    }

    // A writer killed at random moments leaves the audio, the old or the new tag, and nothing
    // else in the folder.
    void ecrivain_tue_laisse_l_ancien_ou_le_nouveau_tag() {
        const QByteArray son = audio(200000);
        ecrire(fichier(), son);
        const QByteArray tag_a = tag("premier"), tag_b = tag("second");
        auto *alea = QRandomGenerator::global();
        for (int essai = 0; essai < 100; ++essai) {
            const pid_t enfant = ::fork();
            QVERIFY(enfant >= 0);
            if (enfant == 0) {
                // Writes A, B and no tag in turn, forever.
                for (int i = 0;; ++i) {
                    TypeTagV1 t;
                    t.setValide(i % 3 != 2);
                    t.setTitre(i % 3 == 0 ? "premier" : "second");
                    t.setGenre(255);
                    t.ecrire_tag(fichier());
                }
            }
            QThread::usleep(alea->bounded(200, 5000));
            ::kill(enfant, SIGKILL);
            int statut = 0;
            ::waitpid(enfant, &statut, 0);
            const QByteArray apres = lire(fichier());
            QVERIFY2(apres == son || apres == son + tag_a || apres == son + tag_b,
                     qPrintable(QString("essai %1, %2 octets").arg(essai).arg(apres.size())));
            QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"morceau.mp3"});
        }
    }

    void echecs_laissent_le_fichier_intact_data() {
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<bool>("lecture_seule");
        QTest::addColumn<int>("piste");
        const QByteArray tagge = audio(700) + tag("garde");
        QTest::newRow("lecture seule") << tagge << true << 1;
        QTest::newRow("moins de 128 octets") << audio(127) << false << 1;
        QTest::newRow("fichier vide") << QByteArray() << false << 1;
        QTest::newRow("piste 256") << tagge << false << 256;
        QTest::newRow("piste négative") << tagge << false << -1;
    }
    void echecs_laissent_le_fichier_intact() {
        QFETCH(QByteArray, avant);
        QFETCH(int, piste);
        ecrire(fichier(), avant);
        QFETCH(bool, lecture_seule);
        if (lecture_seule)
            QFile::setPermissions(fichier(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        TagType t;
        t.TagV1.setValide(true);
        t.TagV1.setTitre("nouveau");
        t.TagV1.setPiste(int16_t(piste));
        QVERIFY(!Module1::ecrire_tag_v1(fichier(), t));
        QCOMPARE(lire(fichier()), avant);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{"morceau.mp3"});
    }

    void echec_fichier_absent() {
        TagType t;
        t.TagV1.setValide(true);
        QVERIFY(!Module1::ecrire_tag_v1(dossier.filePath("absent.mp3"), t));
        QVERIFY(QDir(dossier.path()).entryList(QDir::Files).isEmpty());
        t.TagV1.setValide(false);
        QVERIFY(!Module1::ecrire_tag_v1(dossier.filePath("absent.mp3"), t));
        QVERIFY(!Module1::ecrire_tag_v1(dossier.path(), t));  // a folder is no file
    }
};

SONAVEL_TEST_MAIN(TestTagV1)
#include "test_tag_v1.moc"
