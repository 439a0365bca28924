// Memory of repeated deck use: resident memory after 1, 100 and 1000 load-play-release cycles,
// for the program's graph and, beside it, for a bare playbin doing the same (GStreamer's own
// growth, the floor our figure is read against). Each loop runs in a process of its own,
// started afresh (never a fork of this one: the fixture's GStreamer threads would leave locks
// held in the copy), with a time limit; the fixture is made before any of them starts.
// SONAVEL_BENCH_DELAI_S sets the limit per loop (default 300 s). Prints figures only.
#include <gst/gst.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <functional>
#include <optional>

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

// In the child: the loop, one line of figures.
int boucle(const char* nom, const std::function<void()>& cycle) {
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
        if (palier == 1000) std::printf("#croissance %f\n", (rss - a_100) / 900.0);
    }
    std::fflush(stdout);
    return 0;
}

// In this process: one loop in a fresh child, its line printed, or why there is none.
// The growth per cycle, or none.
std::optional<double> mesurer(const char* nom, const char* genre, const QString& chemin, int delai_s) {
    QProcess enfant;
    enfant.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    enfant.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--boucle"), QLatin1String(genre), chemin});
    if (!enfant.waitForStarted(10000)) {
        std::printf("%-16s no figure: the child process did not start\n", nom);
        return std::nullopt;
    }
    if (!enfant.waitForFinished(delai_s * 1000)) {
        enfant.kill();
        enfant.waitForFinished(5000);
        std::printf("%-16s no figure: the loop did not finish within %d s and was stopped "
                    "(SONAVEL_BENCH_DELAI_S sets the limit)\n",
                    nom, delai_s);
        return std::nullopt;
    }
    std::optional<double> croissance;
    const QByteArray sortie = enfant.readAllStandardOutput();
    if (enfant.exitStatus() != QProcess::NormalExit || enfant.exitCode() != 0)
        std::printf("%-16s no figure: the child process failed (exit %d)\n", nom, enfant.exitCode());
    for (const QByteArray& ligne : sortie.split('\n')) {
        if (ligne.startsWith("#croissance "))
            croissance = ligne.mid(12).toDouble();
        else if (!ligne.isEmpty())
            std::printf("%s\n", ligne.constData());
    }
    std::fflush(stdout);
    return croissance;
}
}  // namespace

int main(int argc, char** argv) {
    sonavel_test::preparer_environnement();
    QApplication app(argc, argv);
    gst_init(nullptr, nullptr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args.at(1) == QStringLiteral("--boucle")) {
        const QString chemin = args.at(3);
        if (args.at(2) == QStringLiteral("playbin")) return boucle("bare playbin", [&] { cycle_playbin(chemin); });
        return boucle("program graph", [&] { cycle_programme(chemin); });
    }
    const int delai_s = qEnvironmentVariableIntValue("SONAVEL_BENCH_DELAI_S") > 0
                            ? qEnvironmentVariableIntValue("SONAVEL_BENCH_DELAI_S")
                            : 300;
    const QString chemin = fixtures::mp3(3);  // before any child starts
    std::printf("Load-play-release cycles on %s, audio sink %s\n", qPrintable(chemin),
                qgetenv("SONAVEL_AUDIO_SINK").constData());
    std::fflush(stdout);
    const auto plancher = mesurer("bare playbin", "playbin", chemin, delai_s);
    const auto programme = mesurer("program graph", "programme", chemin, delai_s);
    if (plancher && programme)
        std::printf("growth 100 -> 1000 per cycle: program %.2f kB, floor (bare playbin) %.2f kB, ratio %.2f; "
                    "the program's own leak %.2f kB per cycle\n",
                    *programme, *plancher, *plancher != 0 ? *programme / *plancher : 0.0, *programme - *plancher);
    return 0;
}
