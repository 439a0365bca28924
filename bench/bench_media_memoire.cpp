// Memory of repeated deck use: resident memory after 1, 100 and 1000 load-play-release cycles,
// for the program's graph and, beside it, for a bare playbin doing the same (GStreamer's own
// growth, the floor our figure is read against). Each loop runs in its own child process.
// Prints figures only.
#include <gst/gst.h>

#include <QApplication>
#include <QFile>
#include <QThread>
#include <cstdio>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

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

void cycle_programme(const QString& chemin) {
    IMediaControl g = FilgraphManager::creer();
    IMediaPosition p = g;
    IBasicAudio a = g;
    g.RenderFile(chemin);
    a.setVolume(-200);
    g.Run();
    QThread::msleep(5);
    p.CurrentPosition();
}

void cycle_playbin(const QString& chemin) {
    GstElement* p = gst_element_factory_make("playbin", nullptr);
    gchar* uri = gst_filename_to_uri(QFile::encodeName(chemin).constData(), nullptr);
    g_object_set(p, "uri", uri, "audio-sink", gst_element_factory_make("fakesink", nullptr),
                 "video-sink", gst_element_factory_make("fakesink", nullptr), nullptr);
    g_free(uri);
    gst_element_set_state(p, GST_STATE_PAUSED);
    gst_element_get_state(p, nullptr, nullptr, 5 * GST_SECOND);
    g_object_set(p, "volume", 0.8, nullptr);
    gst_element_set_state(p, GST_STATE_PLAYING);
    QThread::msleep(5);
    gint64 position = 0;
    gst_element_query_position(p, GST_FORMAT_TIME, &position);
    gst_element_set_state(p, GST_STATE_NULL);
    gst_object_unref(p);
}

void mesurer(const char* nom, const std::function<void()>& cycle) {
    std::fflush(stdout);
    const pid_t enfant = fork();
    if (enfant != 0) {
        waitpid(enfant, nullptr, 0);
        return;
    }
    long a_100 = 0, avant = 0;
    int fait = 0;
    for (int palier : {1, 100, 1000}) {
        for (; fait < palier; ++fait) cycle();
        const long rss = memoire_residente_ko();
        if (palier == 100) a_100 = rss;
        if (palier == 1) avant = rss;
        if (palier == 1000)
            std::printf("%-16s resident after 1 / 100 / 1000 cycles: %7ld / %7ld / %7ld kB; "
                        "growth 100 -> 1000: %.2f kB per cycle\n",
                        nom, avant, a_100, rss, (rss - a_100) / 900.0);
    }
    std::fflush(stdout);
    _exit(0);
}
}  // namespace

int main(int argc, char** argv) {
    sonavel_test::preparer_environnement();
    QApplication app(argc, argv);
    gst_init(nullptr, nullptr);
    const QString chemin = fixtures::mp3(3);
    std::printf("Load-play-release cycles on %s, audio sink %s\n", qPrintable(chemin),
                qgetenv("SONAVEL_AUDIO_SINK").constData());
    mesurer("bare playbin", [&] { cycle_playbin(chemin); });
    mesurer("program graph", [&] { cycle_programme(chemin); });
    std::printf("The program's leak is its growth minus the bare playbin's.\n");
    return 0;
}
