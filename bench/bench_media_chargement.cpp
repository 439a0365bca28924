// Deck load latency: RenderFile plus Duration on three-minute files, against GStreamer's own
// discoverer on the same files in the same process. Prints figures; never fails on time.
#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/media.h"
#include "support/fixtures.h"
#include "support/sonavel_test.h"

namespace {
constexpr int kChargements = 50;

struct Mesure {
    double mediane_ms;
    double max_ms;
    double duree_s;
};

template <class Charger>
Mesure mesurer(Charger charger) {
    std::vector<double> temps;
    double duree = 0;
    for (int i = 0; i < kChargements; ++i) {
        QElapsedTimer t;
        t.start();
        duree = charger();
        temps.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(temps.begin(), temps.end());
    return {temps[temps.size() / 2], temps.back(), duree};
}
}  // namespace

int main(int argc, char** argv) {
    sonavel_test::preparer_environnement();
    QApplication app(argc, argv);
    gst_init(nullptr, nullptr);
    GstDiscoverer* discoverer = gst_discoverer_new(10 * GST_SECOND, nullptr);

    struct Fichier {
        const char* nom;
        QString chemin;
    };
    const std::vector<Fichier> fichiers = {
        {"MP3 CBR 3 min", fixtures::mp3(180)},
        {"MP3 VBR 3 min, no Xing", fixtures::mp3(180, fixtures::Debit::Variable)},
        {"WAV 3 min", fixtures::wav(180)},
        {"WMA 3 min", fixtures::wma(180)},
    };
    std::printf("Deck load (RenderFile + Duration), %d loads each, audio sink %s; true length 180.000 s\n",
                kChargements, qgetenv("SONAVEL_AUDIO_SINK").constData());
    std::printf("%-24s %10s %10s %10s %10s %7s %12s %12s\n", "file", "ours med", "ours max",
                "disc med", "disc max", "ratio", "ours s", "disc s");
    for (const Fichier& f : fichiers) {
        const Mesure nous = mesurer([&] {
            IMediaControl g = FilgraphManager::creer();
            g.RenderFile(f.chemin);
            return IMediaPosition(g).Duration();
        });
        gchar* uri = gst_filename_to_uri(QFile::encodeName(f.chemin).constData(), nullptr);
        const Mesure eux = mesurer([&] {
            GstDiscovererInfo* info = gst_discoverer_discover_uri(discoverer, uri, nullptr);
            const double d = info ? double(gst_discoverer_info_get_duration(info)) / GST_SECOND : -1;
            if (info) g_object_unref(info);
            return d;
        });
        g_free(uri);
        std::printf("%-24s %8.1fms %8.1fms %8.1fms %8.1fms %7.2f %12.3f %12.3f\n", f.nom,
                    nous.mediane_ms, nous.max_ms, eux.mediane_ms, eux.max_ms,
                    nous.mediane_ms / eux.mediane_ms, nous.duree_s, eux.duree_s);
    }
    std::printf("ratio = our median / discoverer median\n");
    g_object_unref(discoverer);
    return 0;
}
