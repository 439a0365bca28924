// Memory of repeated deck use: resident memory after 1, 100 and 1000 load-play-release cycles
// in one process. The growth from 100 to 1000 cycles should be flat. Prints figures only.
#include <QApplication>
#include <QFile>
#include <QThread>
#include <cstdio>

#include "platform/media.h"
#include "support/fixtures.h"
#include "support/sonavel_test.h"

namespace {
long memoire_residente_ko() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:")) return ligne.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
}  // namespace

int main(int argc, char** argv) {
    sonavel_test::preparer_environnement();
    QApplication app(argc, argv);
    const QString chemin = fixtures::mp3(3);
    std::printf("Load-play-release cycles on %s, audio sink %s\n", qPrintable(chemin),
                qgetenv("SONAVEL_AUDIO_SINK").constData());
    long a_100 = 0;
    int fait = 0;
    for (int palier : {1, 100, 1000}) {
        for (; fait < palier; ++fait) {
            IMediaControl g = FilgraphManager::creer();
            IMediaPosition p = g;
            IBasicAudio a = g;
            g.RenderFile(chemin);
            a.setVolume(-200);
            g.Run();
            QThread::msleep(5);
            p.CurrentPosition();
        }
        const long rss = memoire_residente_ko();
        std::printf("after %4d cycles: resident %7ld kB\n", palier, rss);
        if (palier == 100) a_100 = rss;
        if (palier == 1000)
            std::printf("growth 100 -> 1000 cycles: %ld kB (%.2f kB per cycle)\n", rss - a_100,
                        (rss - a_100) / 900.0);
    }
    return 0;
}
