// The list entry on disk (418-byte record) and the list's volume tables.
#include <QFile>
#include <QTemporaryDir>
#include <cstring>

#include "platform/enregistrements.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/volume_liste.h"
#include "support/sonavel_test.h"

class TestEnregistrementListe : public QObject {
    Q_OBJECT
private slots:
    void disposition_des_champs() {
        TypeEnregListe e;
        e.chemin = QStringLiteral("/musique/Été.mp3");
        e.fin_lecture = QStringLiteral("185.5");
        e.genre = QStringLiteral("réseau");
        e.volume = -3800;
        e.debut_lecture = 0.1;
        e.duree_piste = QStringLiteral("00:03:20");
        const QByteArray r = enreg_liste::encoder(e);
        QCOMPARE(r.size(), 418);
        QCOMPARE(r.mid(0, 200), QByteArray("/musique/\xc9t\xe9.mp3").leftJustified(200, ' '));  // the list's own code page
        QCOMPARE(r.mid(200, 100), QByteArray("185.5").leftJustified(100, ' '));
        QCOMPARE(r.mid(300, 100), QByteArray("r\xe9seau").leftJustified(100, ' '));
        QCOMPARE(r.mid(400, 2), QByteArray("\x28\xf1", 2));  // -3800 little-endian
        double d;
        std::memcpy(&d, r.constData() + 402, 8);
        QCOMPARE(d, 0.1);
        QCOMPARE(r.mid(410, 8), QByteArray("00:03:20"));

        const TypeEnregListe lu = enreg_liste::decoder(r);
        QCOMPARE(lu.chemin, e.chemin.leftJustified(lu.chemin.size(), QLatin1Char(' ')));
        QCOMPARE(lu.chemin.trimmed(), e.chemin);
        QCOMPARE(lu.genre.trimmed(), e.genre);
        QCOMPARE(lu.volume, e.volume);
        QCOMPARE(lu.debut_lecture, 0.1);
        QCOMPARE(lu.duree_piste, e.duree_piste);
    }

    // Every text field is the bytes champ::texte gives, whichever way the record is encoded:
    // the code page, UTF-8 when the page's bytes would read back as UTF-8, cut texts.
    void textes_comme_le_codec_des_champs() {
        const QString textes[] = {
            QString(),
            QStringLiteral("/musique/titre 1.mp3"),
            QStringLiteral("/musique/été/titre numéro 1.mp3"),
            QStringLiteral("é"),                 // a lead byte at the end
            QStringLiteral("\u00e9\u00a9"),      // a lead, a continuation, then the end
            QStringLiteral("Ã©"),                // C3 A9: reads back as UTF-8
            QStringLiteral("\u00c2\u00a0x"),      // C2 A0: reads back as UTF-8
            QStringLiteral("\u00a9abc"),          // a continuation byte first
            QStringLiteral("a\u00a9"),            // a continuation byte after ASCII
            QStringLiteral("€uro"),              // 0x80 in the page
            QStringLiteral("abcdefg€hijklmno"),  // the same, inside a block of plain characters
            QStringLiteral("abcd\u00a9efgh"),      // a continuation byte after a block of ASCII
            QStringLiteral("/musique/abcd\u00c3\u00a9fin.mp3"),  // reads back as UTF-8, after ASCII
            QStringLiteral("titre numéro 12 - été.mp3"),
            QStringLiteral("\u0081"),             // unassigned in the page
            QStringLiteral("\u0085"),             // not in the page: UTF-8
            QStringLiteral("日本"),
            QString(200, QChar(u'é')),
            QString(201, QChar(u'é')),
            QStringLiteral("/m/") + QString(120, QChar(u'П')),
            QString(250, QLatin1Char('a')),
        };
        for (const QString& s : textes) {
            TypeEnregListe e;
            e.chemin = e.fin_lecture = e.genre = e.duree_piste = s;
            const QByteArray r = enreg_liste::encoder(e);
            QCOMPARE(r.mid(0, 200), champ::texte(s, 200));
            QCOMPARE(r.mid(200, 100), champ::texte(s, 100));
            QCOMPARE(r.mid(300, 100), champ::texte(s, 100));
            QCOMPARE(r.mid(410, 8), champ::texte(s, 8));
        }
    }

    void textes_trop_longs_coupes() {
        TypeEnregListe e;
        e.chemin = QString(250, QLatin1Char('a'));
        e.genre = QString(120, QLatin1Char('g'));
        e.duree_piste = QStringLiteral("123456789");
        const TypeEnregListe lu = enreg_liste::decoder(enreg_liste::encoder(e));
        QCOMPARE(lu.chemin, QString(200, QLatin1Char('a')));
        QCOMPARE(lu.genre, QString(100, QLatin1Char('g')));
        QCOMPARE(lu.duree_piste, QStringLiteral("12345678"));
    }

    void fichier_par_numero() {
        QTemporaryDir d;
        const QString liste = d.filePath(QStringLiteral("l.dfm"));
        TypeEnregListe a, b;
        a.chemin = QStringLiteral("/a.mp3");
        b.chemin = QStringLiteral("/b.mp3");
        b.volume = 80;
        enreg_liste::ecrire(liste, 1, a);
        enreg_liste::ecrire(liste, 2, b);
        {
            // A trailing partial record is no record.
            QFile f(liste);
            QVERIFY(f.open(QIODevice::Append));
            f.write("reste");
        }
        QCOMPARE(QFileInfo(liste).size(), 2 * 418 + 5);
        QCOMPARE(FichierEnregistrements(liste, enreg_liste::Longueur).nombre(), 2);
        QCOMPARE(enreg_liste::lire(liste, 2).chemin.trimmed(), QStringLiteral("/b.mp3"));
        QCOMPARE(enreg_liste::lire(liste, 2).volume, int16_t(80));
        QCOMPARE(enreg_liste::lire(liste, 9).chemin, QString());  // past the end: empty
        QCOMPARE(sonavel_test::erreur_de([&] { enreg_liste::lire(d.filePath(QStringLiteral("absente.dfm")), 1); }), 53);
    }

    void tables_de_volume() {
        // From 15 % the level is -4000 + 40 x percent, below it two odd rows; each direction
        // undoes the other.
        QList<QPair<int, int>> lignes{{0, -4000}, {10, -3800}};
        for (int p = 15; p <= 100; p += 5) lignes.append({p, -4000 + 40 * p});
        for (const auto& [pourcent, niveau] : lignes) {
            QCOMPARE(int(volume_liste::niveau_du_pourcent(int16_t(pourcent))), niveau);
            QCOMPARE(int(volume_liste::pourcent_du_niveau(int16_t(niveau))), pourcent);
        }
        for (int autre : {5, 12, -1, 200}) QCOMPARE(int(volume_liste::niveau_du_pourcent(int16_t(autre))), autre);
        for (int autre : {-3600, -300, 5, 12}) QCOMPARE(int(volume_liste::pourcent_du_niveau(int16_t(autre))), autre);
    }
};

SONAVEL_TEST_MAIN(TestEnregistrementListe)
#include "test_enregistrement_liste.moc"
