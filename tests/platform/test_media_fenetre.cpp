// The video window on a real X display. Skipped headless; run it under Xvfb:
//   Xvfb :56 -screen 0 1280x800x24 &
//   DISPLAY=:56 QT_QPA_PLATFORM=xcb SONAVEL_AUDIO_SINK=fakesink build/tests/test_media_fenetre
#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include "platform/media.h"
#include "support/fixtures.h"
#include "support/sonavel_test.h"

namespace {
QWidget* fenetre_visible(const QString& titre) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == titre) return w;
    return nullptr;
}
}  // namespace

class TestMediaFenetre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display (QT_QPA_PLATFORM=xcb)");
        qputenv("SONAVEL_VIDEO_SINK", "ximagesink");
    }

    // The window appears when the deck runs, under the caption the deck gave it, with the
    // picture drawn in it; it goes with the graph.
    void video_dans_sa_fenetre_avec_son_titre_data() {
        QTest::addColumn<QString>("chemin");
        QTest::newRow("avi") << fixtures::avi(5);
        QTest::newRow("mpeg") << fixtures::mpeg(5);
    }
    void video_dans_sa_fenetre_avec_son_titre() {
        QFETCH(QString, chemin);
        const QString titre = QStringLiteral("Clip d'essai é");
        IMediaControl graphe = FilgraphManager::creer();
        graphe.RenderFile(chemin);
        IVideoWindow video = graphe;
        video.setCaption(titre);
        QTest::qWait(300);
        QVERIFY(!fenetre_visible(titre));  // not while loading

        graphe.Run();
        QTRY_VERIFY(fenetre_visible(titre));
        QWidget* w = fenetre_visible(titre);
        QCOMPARE(w->size(), QSize(320, 240));
        QTest::qWait(qEnvironmentVariableIntValue("SONAVEL_ATTENTE_MS") + 1000);
        // The test picture has colour bars: the window is not one flat colour.
        const QImage image = w->screen()->grabWindow(w->winId()).toImage();
        QVERIFY(!image.isNull());
        QVERIFY(image.pixel(20, 20) != image.pixel(300, 20));
        QVERIFY(IMediaPosition(graphe).CurrentPosition() > 0.5);
        QCOMPARE(IBasicAudio(graphe).Volume(), 0);  // it has sound

        graphe = nullptr;
        QVERIFY(fenetre_visible(titre));  // the video view still holds the graph
        video = nullptr;
        QVERIFY(!fenetre_visible(titre));
    }
};

SONAVEL_TEST_MAIN(TestMediaFenetre)
#include "test_media_fenetre.moc"
