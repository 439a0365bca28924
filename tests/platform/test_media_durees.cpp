// Durations of files made by other tools than our encoders' defaults: MPEG audio behind tags
// and junk, inside RIFF/WAVE, joined streams of different rates, AAC; huge seeks; a long walk
// that must not hold the GUI thread.
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cmath>
#include <limits>

#include "platform/erreur.h"
#include "platform/media.h"
#include "platform/media_mpeg.h"
#include "support/fixtures.h"
#include "support/sonavel_test.h"
#include "support/suivi_boucle.h"

namespace {
// Any GLib critical or warning (GStreamer refusing a value we passed) ends the test run.
const bool g_critiques_fatales = qputenv("G_DEBUG", "fatal-criticals");

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

double frames(const QByteArray& flux) {
    auto d = media_mpeg::duree(reinterpret_cast<const uint8_t*>(flux.constData()), flux.size());
    return d ? *d : -1;
}

QByteArray le32(uint32_t v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i) b[i] = char(v >> (8 * i));
    return b;
}
QByteArray le16(uint16_t v) { return le32(v).left(2); }

// A RIFF/WAVE file whose format tag says MPEG audio, around raw frames.
QByteArray riff(const QByteArray& mpeg, uint16_t format, int frequence) {
    const QByteArray fmt = le16(format) + le16(1) + le32(frequence) + le32(8000) + le16(1) +
                           le16(0) + le16(0);
    const QByteArray corps = "WAVE" + QByteArray("fmt ") + le32(fmt.size()) + fmt + "data" +
                             le32(mpeg.size()) + mpeg;
    return "RIFF" + le32(corps.size()) + corps;
}

// An ID3v2.3 tag of n bytes of body.
QByteArray id3v2(int n, char remplissage = 'x') {
    QByteArray t("ID3\x03\x00\x00", 6);
    for (int decalage : {21, 14, 7, 0}) t += char((n >> decalage) & 0x7F);
    return t + QByteArray(n, remplissage);
}

// An APE tag with header, one item and footer.
QByteArray ape() {
    const QByteArray item = le32(5) + le32(0) + "Title" + '\0' + "Essai";
    auto bloc = [&](bool entete) {
        return "APETAGEX" + le32(2000) + le32(item.size() + 32) + le32(1) +
               le32((1u << 31) | (entete ? (1u << 29) : 0)) + QByteArray(8, '\0');
    };
    return bloc(true) + item + bloc(false);
}

// A 44.1 kHz MP3 with its Xing header, and a 48 kHz stream joined behind it.
QString xing_puis_48k() {
    return fixtures::octets("joint_xing.mp3", contenu(fixtures::mp3(3, fixtures::Debit::Constant, true)) +
                                                  contenu(fixtures::mpeg_audio(2, 3, 48000)));
}

double charger(const QString& chemin) {
    IMediaControl g = FilgraphManager::creer();
    g.RenderFile(chemin);
    return IMediaPosition(g).Duration();
}
}  // namespace

class TestMediaDurees : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(g_critiques_fatales); }

    void duree_apres_chargement_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<double>("attendue");
        const QByteArray l3 = contenu(fixtures::mpeg_audio(3, 3, 44100));
        const QByteArray l3_48 = contenu(fixtures::mpeg_audio(2, 3, 48000));
        const QByteArray l2 = contenu(fixtures::mpeg_audio(3, 2, 48000));
        const QByteArray xing = contenu(fixtures::mp3(3, fixtures::Debit::Constant, true));
        const double d3 = frames(l3), d3_48 = frames(l3_48), d2 = frames(l2);
        // The plain streams themselves: the encoders' length, give or take their padding.
        QVERIFY2(std::abs(d3 - 3) < 0.08 && std::abs(d3_48 - 2) < 0.08 && std::abs(d2 - 3) < 0.08,
                 qPrintable(QString("%1 %2 %3").arg(d3).arg(d3_48).arg(d2)));
        // A lone frame header inside junk or a picture is not audio.
        QByteArray zeros(70 * 1024, '\0');
        zeros.replace(30000, 4, "\xff\xfb\x90\x64");

        QTest::newRow("riff mpeg couche 2") << fixtures::octets("riff_l2.wav", riff(l2, 0x50, 48000)) << d2;
        QTest::newRow("riff mpeg couche 3") << fixtures::octets("riff_l3.wav", riff(l3, 0x55, 44100)) << d3;
        QTest::newRow("deux id3v2") << fixtures::octets("deux_id3.mp3", id3v2(300) + id3v2(5000, '\xff') + l3) << d3;
        QTest::newRow("ape devant") << fixtures::octets("ape_devant.mp3", ape() + l3) << d3;
        QTest::newRow("70 Kio de zeros apres le tag")
            << fixtures::octets("zeros_70k.mp3", id3v2(100) + zeros + l3) << d3;
        QTest::newRow("deux frequences jointes") << fixtures::octets("joint_44_48.mp3", l3 + l3_48) << d3 + d3_48;
        QTest::newRow("xing puis un autre flux") << xing_puis_48k() << frames(xing) + d3_48;
        QTest::newRow("aac adts") << fixtures::aac_adts(3) << 3.0;
    }
    void duree_apres_chargement() {
        QFETCH(QString, chemin);
        QFETCH(double, attendue);
        media_mpeg::oublier_durees();
        const double d = charger(chemin);
        // AAC: the encoder's priming samples count; MPEG: the frame sum.
        const double tolerance = chemin.endsWith(".aac") ? 0.06 : 0.03;
        QVERIFY2(std::abs(d - attendue) <= tolerance, qPrintable(QString("%1 / %2").arg(d).arg(attendue)));
        QVERIFY(media_mpeg::duree_fichier(chemin));
    }

    // A Xing count is taken without a walk only when its byte count fits the file: a stream
    // joined behind, or no header at all, needs the walk.
    void entete_pris_seulement_s_il_concorde() {
        media_mpeg::oublier_durees();
        const QString xing = fixtures::mp3(10, fixtures::Debit::Variable, true);
        const auto rapide = media_mpeg::duree_rapide(xing);
        QVERIFY(rapide);
        QVERIFY2(std::abs(*rapide - frames(contenu(xing))) <= 0.03, qPrintable(QString::number(*rapide)));
        QVERIFY(!media_mpeg::duree_rapide(fixtures::mp3(10, fixtures::Debit::Variable)));
        const QString joint = xing_puis_48k();
        QVERIFY(!media_mpeg::duree_rapide(joint));
        // Once walked, the length is remembered until the file changes.
        QVERIFY(media_mpeg::duree_parcours(joint));
        QVERIFY(media_mpeg::duree_rapide(joint));
    }

    // Huge, tiny and non-finite positions: brought into the stream, or refused as an argument.
    void positions_hors_du_flux() {
        IMediaControl g = FilgraphManager::creer();
        g.RenderFile(fixtures::mp3(3));
        IMediaPosition p = g;
        p.setCurrentPosition(1e12);
        QCOMPARE(p.CurrentPosition(), p.Duration());
        p.setCurrentPosition(std::numeric_limits<double>::max());
        QCOMPARE(p.CurrentPosition(), p.Duration());
        p.setCurrentPosition(-1e12);
        QCOMPARE(p.CurrentPosition(), 0.0);
        QCOMPARE(sonavel_test::erreur_de([&] { p.setCurrentPosition(std::nan("")); }), err::ArgumentMedia);
        g.Run();
        p.setCurrentPosition(1e12);
        QCOMPARE(p.CurrentPosition(), p.Duration());
    }

    // A long VBR file without header on a slow disk: the load returns at once with an estimate,
    // the timers keep ticking, and the exact length follows; a second load needs no walk.
    void parcours_long_hors_du_fil_graphique() {
        const QString chemin = fixtures::mp3(120, fixtures::Debit::Variable);
        const double exacte = *media_mpeg::duree_parcours(chemin);
        charger(fixtures::mp3(3));  // GStreamer's start-up is not part of a load
        media_mpeg::oublier_durees();
        fixtures::DisqueLent disque_lent(2 * 1000 * 1000);

        // The deck timer: every gap between its ticks, the load included, is recorded.
        QElapsedTimer horloge;
        horloge.start();
        qint64 dernier = 0, plus_long_silence = 0;
        int tics_apres_chargement = 0;
        IMediaControl g;
        QTimer minuterie;
        connect(&minuterie, &QTimer::timeout, [&] {
            plus_long_silence = qMax(plus_long_silence, horloge.elapsed() - dernier);
            dernier = horloge.elapsed();
            if (!g.estNul()) ++tics_apres_chargement;
        });
        minuterie.start(10);
        QTimer::singleShot(20, [&] {
            IMediaControl charge = FilgraphManager::creer();
            charge.RenderFile(chemin);
            g = charge;
        });
        QTRY_VERIFY(!g.estNul());
        const double provisoire = IMediaPosition(g).Duration();
        QVERIFY2(provisoire > 0, qPrintable(QString::number(provisoire)));
        QTRY_COMPARE_WITH_TIMEOUT(IMediaPosition(g).Duration(), exacte, 20000);
        QVERIFY2(horloge.elapsed() > 1000, "the walk was not slowed");
        QVERIFY2(tics_apres_chargement > 20, qPrintable(QString::number(tics_apres_chargement)));
        // The load itself (preroll and a short wait for the walk) is all the timer misses;
        // the margin is for a busy machine.
        QVERIFY2(plus_long_silence < 500, qPrintable(QString::number(plus_long_silence)));

        QElapsedTimer second;
        second.start();
        QCOMPARE(charger(chemin), exacte);
        QVERIFY2(second.elapsed() < 1000, qPrintable(QString::number(second.elapsed())));
    }

    // Waiting for the exact length turns the event loop. A count that reads on is waited for
    // however long it takes (here over twice the delay); one that reads nothing for the delay
    // is given up.
    void attente_de_la_longueur_exacte_data() {
        QTest::addColumn<bool>("bloque");
        QTest::newRow("lent") << false;
        QTest::newRow("bloqué") << true;
    }
    void attente_de_la_longueur_exacte() {
        QFETCH(bool, bloque);
        // Constant rate without a header: an estimate at load, the count read block by block.
        const QString nom = bloque ? QStringLiteral("attente_bloque.mp3") : QStringLiteral("attente_lente.mp3");
        const QString chemin = fixtures::octets(nom, contenu(fixtures::mp3(300)));
        const double exacte = *media_mpeg::duree_parcours(chemin);
        charger(fixtures::mp3(3));
        media_mpeg::oublier_durees();
        fixtures::DisqueLent disque_lent(1000 * 1000);
        IMediaControl g = FilgraphManager::creer();
        g.RenderFile(chemin);
        // A disk that stops answering: the count's next block never comes.
        if (bloque) media_mpeg::brider_lecture(1);
        SuiviBoucle suivi;
        QElapsedTimer t;
        t.start();
        QCOMPARE(IMediaPosition(g).AttendreDuree(2000), !bloque);
        if (!bloque) {
            QVERIFY2(t.elapsed() > 4000, qPrintable(QString::number(t.elapsed())));
            QCOMPARE(IMediaPosition(g).Duration(), exacte);
        }
        QVERIFY2(suivi.tops() > 100, qPrintable(QString::number(suivi.tops())));
    }
};

SONAVEL_TEST_MAIN(TestMediaDurees)
#include "test_media_durees.moc"
