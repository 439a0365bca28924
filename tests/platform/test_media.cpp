// The media graph on GStreamer, on generated media: durations right after a load, refused
// files, positions and states while playing, volume, and the views' shared lifetime.
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <memory>

#include <sys/stat.h>

#include "platform/erreur.h"
#include "platform/media.h"
#include "platform/media_mpeg.h"
#include "support/fixtures.h"
#include "support/graphe_simule.h"
#include "support/sonavel_test.h"

namespace {
// The four views of one deck, as the decks hold them.
struct Platine {
    IMediaControl graphe;
    IMediaPosition position;
    IBasicAudio audio;
    IVideoWindow video;

    void charger(const QString& chemin) {
        graphe = FilgraphManager::creer();
        position = graphe;
        audio = graphe;
        graphe.RenderFile(chemin);
    }
};

IMediaControl charge(const QString& chemin) {
    IMediaControl g = FilgraphManager::creer();
    g.RenderFile(chemin);
    return g;
}

// Plays for a while of real time; the Qt event loop does not run meanwhile.
void jouer_pendant(int ms) { QThread::msleep(ms); }

// Waits, bounded, until the position reads as the duration.
bool attendre_fin(const IMediaPosition& p, int limite_ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < limite_ms) {
        if (p.CurrentPosition() == p.Duration()) return true;
        QThread::msleep(20);
    }
    return false;
}
}  // namespace

class TestMedia : public QObject {
    Q_OBJECT
private slots:
    // The start-up warm-up runs beside the first loads: a load made while it loads plugins
    // waits for what it needs and is whole, and the warm-up ends.
    void prechauffage_pendant_un_chargement() {
        const QString vbr = fixtures::mp3(10, fixtures::Debit::Variable);
        FilgraphManager::prechauffer_en_fond();
        FilgraphManager::prechauffer_en_fond();  // once per process, however often asked
        IMediaControl g = charge(vbr);
        QVERIFY(IMediaPosition(g).AttendreDuree(GrapheFiltres::DelaiComptageBloque_ms));
        QVERIFY2(qAbs(IMediaPosition(g).Duration() - 10.0) <= 0.1, qPrintable(QString::number(IMediaPosition(g).Duration())));
        QTRY_VERIFY_WITH_TIMEOUT(FilgraphManager::prechauffage_fini(), 120000);
        IMediaControl encore = charge(fixtures::wav(3));
        QVERIFY(qAbs(IMediaPosition(encore).Duration() - 3.0) <= 0.06);
    }

    void duree_connue_des_le_chargement_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<double>("attendue");
        QTest::addColumn<double>("tolerance");
        using fixtures::Debit;
        QTest::newRow("mp3 cbr") << fixtures::mp3(3) << 3.0 << 0.06;
        QTest::newRow("mp3 cbr xing") << fixtures::mp3(3, Debit::Constant, true) << 3.0 << 0.06;
        QTest::newRow("mp3 vbr sans xing") << fixtures::mp3(10, Debit::Variable) << 10.0 << 0.1;
        QTest::newRow("mp3 vbr xing") << fixtures::mp3(10, Debit::Variable, true) << 10.0 << 0.1;
        QTest::newRow("mp3 0.4 s") << fixtures::mp3(0.4) << 0.4 << 0.06;
        QTest::newRow("wav") << fixtures::wav(3) << 3.0 << 0.06;
        QTest::newRow("wma") << fixtures::wma(3) << 3.0 << 0.06;
        QTest::newRow("avi") << fixtures::avi(3) << 3.0 << 0.06;
        QTest::newRow("mpeg") << fixtures::mpeg(3) << 3.0 << 0.06;
    }
    void duree_connue_des_le_chargement() {
        QFETCH(QString, chemin);
        QFETCH(double, attendue);
        QFETCH(double, tolerance);
        // A load blocks without running the event loop: no timer ticks inside it.
        QTimer minuterie;
        int tics = 0;
        connect(&minuterie, &QTimer::timeout, [&] { ++tics; });
        minuterie.start(0);
        IMediaControl g = charge(chemin);
        QCOMPARE(tics, 0);
        const double d = IMediaPosition(g).Duration();
        QVERIFY2(qAbs(d - attendue) <= tolerance, qPrintable(QString::number(d)));
        QCOMPARE(g.GetState(0), etat_graphe::Arrete);
        QCOMPARE(IMediaPosition(g).CurrentPosition(), 0.0);
    }

    void fichiers_refuses_data() {
        QTest::addColumn<QString>("chemin");
        QTest::newRow("absent") << fixtures::dossier() + "/absent.mp3";
        QTest::newRow("vide") << fixtures::fichier_vide();
        QTest::newRow("texte") << fixtures::texte_nomme_mp3();
        QTest::newRow("image png") << fixtures::png_nomme_mp3();
        QTest::newRow("dossier") << fixtures::dossier();
        // A named pipe nobody writes to: opening it would block forever.
        const QString tube = fixtures::dossier() + "/tube.mp3";
        if (!QFileInfo(tube).exists()) QVERIFY(::mkfifo(QFile::encodeName(tube).constData(), 0600) == 0);
        QTest::newRow("tube nommé") << tube;
        // A header and no sample: a length that cannot exist, refused without waiting.
        const QString entete = fixtures::dossier() + "/entete_seul.wav";
        if (!QFileInfo(entete).exists()) {
            QFile f(entete);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray::fromHex("52494646240000005741564566"
                                        "6d74201000000001000100401f0000803e0000020010006461746100000000"));
        }
        QTest::newRow("wav sans échantillons") << entete;
    }
    void fichiers_refuses() {
        QFETCH(QString, chemin);
        IMediaControl g = FilgraphManager::creer();
        QElapsedTimer t;
        t.start();
        try {
            g.RenderFile(chemin);
            QFAIL("RenderFile accepted the file");
        } catch (const Erreur& e) {
            QCOMPARE(e.numero(), err::RenduImpossible);
            // French, naming the file.
            QVERIFY2(e.description().endsWith(" : " + chemin), qPrintable(e.description()));
            static const QRegularExpression anglais(
                "\\b(not|no|could|stream|resource|found|contains|error|file)\\b",
                QRegularExpression::CaseInsensitiveOption);
            QVERIFY2(!e.description().left(e.description().size() - chemin.size()).contains(anglais),
                     qPrintable(e.description()));
        }
        QVERIFY(t.elapsed() < 5000);
        // The graph stays a harmless empty graph.
        QCOMPARE(IMediaPosition(g).Duration(), 0.0);
        g.Run();
    }

    void vue_nulle_erreur_91() {
        auto numero = [](auto appel) {
            try {
                appel();
            } catch (const Erreur& e) {
                return e.numero();
            }
            return 0;
        };
        QCOMPARE(numero([] { IMediaControl().Run(); }), 91);
        QCOMPARE(numero([] { IMediaControl().GetState(0); }), 91);
        QCOMPARE(numero([] { IMediaPosition().CurrentPosition(); }), 91);
        QCOMPARE(numero([] { IBasicAudio().setVolume(0); }), 91);
        QCOMPARE(numero([] { IVideoWindow().setCaption("x"); }), 91);
        IMediaControl libere = FilgraphManager::creer();
        libere = nullptr;
        QCOMPARE(numero([&] { libere.Stop(); }), 91);
    }

    // A load replaces the three views; the video view keeps the old graph until it drops it.
    void chargement_remplace_le_graphe_la_video_garde_l_ancien() {
        Platine p;
        p.charger(fixtures::avi(3));
        p.video = p.graphe;
        p.video.setCaption("Clip");
        std::weak_ptr<GrapheFiltres> ancien = p.graphe.objet();
        QVERIFY(p.position == p.graphe && p.audio == p.graphe);

        p.charger(fixtures::mp3(3));
        QVERIFY(p.graphe.objet() != ancien.lock());
        QVERIFY(p.position == p.graphe && p.audio == p.graphe);
        QVERIFY(!ancien.expired());
        QCOMPARE(p.video.Caption(), QString("Clip"));

        p.video = nullptr;
        QVERIFY(ancien.expired());
        std::weak_ptr<GrapheFiltres> actuel = p.graphe.objet();
        p.graphe = nullptr;
        p.position = nullptr;
        QVERIFY(!actuel.expired());  // the audio view still holds it
        p.audio = nullptr;
        QVERIFY(actuel.expired());
    }

    void position_avant_lecture_pendant_et_a_l_arret() {
        Platine p;
        p.charger(fixtures::mp3(3));
        p.position.setCurrentPosition(1.5);
        QCOMPARE(p.position.CurrentPosition(), 1.5);
        p.graphe.Run();
        QCOMPARE(p.graphe.GetState(0), etat_graphe::EnLecture);
        jouer_pendant(400);
        const double apres = p.position.CurrentPosition();
        QVERIFY2(apres > 1.6 && apres < 2.3, qPrintable(QString::number(apres)));

        p.graphe.Pause();
        QCOMPARE(p.graphe.GetState(0), etat_graphe::EnPause);
        const double en_pause = p.position.CurrentPosition();
        jouer_pendant(200);
        QCOMPARE(p.position.CurrentPosition(), en_pause);

        p.graphe.Stop();
        QCOMPARE(p.graphe.GetState(0), etat_graphe::Arrete);
        QCOMPARE(p.position.CurrentPosition(), en_pause);  // a stop keeps the position
        p.position.setCurrentPosition(0);
        QCOMPARE(p.position.CurrentPosition(), 0.0);
    }

    // A name from a list that matches the file only without regard to case loads that file.
    void nom_sans_egard_a_la_casse() {
        QTemporaryDir d;
        QVERIFY(QFile::copy(fixtures::wav(3), d.filePath(QStringLiteral("Zèbre.wav"))));
        IMediaControl g = charge(d.filePath(QStringLiteral("ZÈBRE.WAV")));
        QVERIFY(qAbs(IMediaPosition(g).Duration() - 3.0) <= 0.06);
    }

    void position_depuis_le_debut_apres_une_courte_lecture() {
        IMediaControl g = charge(fixtures::wav(3));
        g.Run();
        jouer_pendant(500);
        const double p = IMediaPosition(g).CurrentPosition();
        QVERIFY2(p > 0.3 && p < 0.9, qPrintable(QString::number(p)));
    }

    // At the end the position reads exactly as the duration and the graph still says running.
    void fin_du_flux_position_egale_duree_etat_en_lecture() {
        for (const QString& chemin : {fixtures::mp3(0.4), fixtures::mp3(10, fixtures::Debit::Variable)}) {
            Platine p;
            p.charger(chemin);
            p.position.setCurrentPosition(p.position.Duration() - 0.3);
            p.graphe.Run();
            QVERIFY(attendre_fin(p.position, 3000));
            QCOMPARE(p.graphe.GetState(0), etat_graphe::EnLecture);
            jouer_pendant(100);
            QCOMPARE(p.position.CurrentPosition(), p.position.Duration());
            // A seek leaves the end.
            p.position.setCurrentPosition(0.1);
            QVERIFY(qAbs(p.position.CurrentPosition() - 0.1) < 0.03);
        }
    }

    // Three decks and the preview play side by side.
    void quatre_graphes_ensemble() {
        std::vector<IMediaControl> graphes;
        for (const QString& chemin : {fixtures::mp3(3), fixtures::mp3(10, fixtures::Debit::Variable),
                                      fixtures::wav(3), fixtures::wma(3)})
            graphes.push_back(charge(chemin));
        for (auto& g : graphes) g.Run();
        jouer_pendant(500);
        for (auto& g : graphes) {
            QCOMPARE(g.GetState(0), etat_graphe::EnLecture);
            const double p = IMediaPosition(g).CurrentPosition();
            QVERIFY2(p > 0.2 && p < 1.0, qPrintable(QString::number(p)));
        }
    }

    void volume_relu_exactement_et_borne() {
        Platine p;
        p.charger(fixtures::mp3(3));
        QCOMPARE(p.audio.Volume(), 0);
        for (int niveau : {-1, -1234, -4000, -10000, 0}) {
            p.audio.setVolume(niveau);
            QCOMPARE(p.audio.Volume(), niveau);
        }
        for (int hors : {-10001, 1, INT32_MIN}) {
            try {
                p.audio.setVolume(hors);
                QFAIL("volume out of range accepted");
            } catch (const Erreur& e) {
                QCOMPARE(e.numero(), err::ArgumentMedia);
            }
        }
        QCOMPARE(p.audio.Volume(), 0);

        Platine muet;
        muet.charger(fixtures::avi(1, false));
        QVERIFY_THROWS_EXCEPTION(Erreur, muet.audio.Volume());
        QVERIFY_THROWS_EXCEPTION(Erreur, muet.audio.setVolume(-200));
    }

    // The frame count: a tag in front, junk in the middle, a tag behind and a cut last frame.
    void comptage_des_trames_mpeg_data() {
        QTest::addColumn<QByteArray>("donnees");
        QTest::addColumn<int>("trames_en_moins");
        QFile f(fixtures::mp3(3));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray mp3 = f.readAll();
        // End of the third frame: 417 bytes at 128 kbit/s and 44.1 kHz, one more when padded.
        int limite = 0;
        for (int i = 0; i < 3; ++i) limite += 417 + ((uint8_t(mp3[limite + 2]) >> 1) & 1);
        QByteArray id3("ID3\x03\x00\x00\x00\x00\x00\x40", 10);
        QTest::newRow("brut") << mp3 << 0;
        QTest::newRow("id3v2 devant") << id3 + QByteArray(64, 'x') + mp3 << 0;
        QTest::newRow("ordures au milieu")
            << mp3.left(limite) + QByteArray("\xff\xfb\x00junk", 7) + mp3.mid(limite) << 0;
        QTest::newRow("id3v1 derriere") << mp3 + "TAG" + QByteArray(125, ' ') << 0;
        QTest::newRow("derniere trame coupee") << mp3.left(mp3.size() - 10) << 1;
    }
    void comptage_des_trames_mpeg() {
        QFETCH(QByteArray, donnees);
        QFETCH(int, trames_en_moins);
        QFile f(fixtures::mp3(3));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray mp3 = f.readAll();
        auto ref = media_mpeg::duree(reinterpret_cast<const uint8_t*>(mp3.constData()), mp3.size());
        QVERIFY(ref);
        auto d = media_mpeg::duree(reinterpret_cast<const uint8_t*>(donnees.constData()), donnees.size());
        QVERIFY(d);
        QCOMPARE(*d, *ref - trames_en_moins * 1152 / 44100.0);
    }

    void pas_du_mpeg_audio() {
        for (const QString& chemin : {fixtures::wav(1), fixtures::png_nomme_mp3(), fixtures::texte_nomme_mp3()})
            QVERIFY2(!media_mpeg::duree_fichier(chemin), qPrintable(chemin));
        QVERIFY(!media_mpeg::duree_fichier(fixtures::fichier_vide()));
    }

    // The simulated graph: what the timing tests of the decks rely on.
    void graphe_simule_suit_l_horloge() {
        GrapheSimule::Installation simule;
        GrapheSimule::definir("/a.mp3", 10);
        Platine p;
        p.charger("/a.mp3");
        QCOMPARE(p.position.Duration(), 10.0);
        GrapheSimule::avancer(3);
        QCOMPARE(p.position.CurrentPosition(), 0.0);  // moves only while running
        p.position.setCurrentPosition(2);
        p.graphe.Run();
        GrapheSimule::avancer(3);
        QCOMPARE(p.position.CurrentPosition(), 5.0);
        GrapheSimule::avancer(30);
        QCOMPARE(p.position.CurrentPosition(), 10.0);
        QCOMPARE(p.graphe.GetState(0), etat_graphe::EnLecture);
        p.audio.setVolume(-200);
        QCOMPARE(GrapheSimule::journal(),
                 QStringList({"1 RenderFile /a.mp3", "1 CurrentPosition 2", "1 Run", "1 Volume -200"}));
        QVERIFY_THROWS_EXCEPTION(Erreur, p.charger("/inconnu.mp3"));
        QCOMPARE(int(GrapheSimule::vivants().size()), 1);
    }
};

SONAVEL_TEST_MAIN(TestMedia)
#include "test_media.moc"
