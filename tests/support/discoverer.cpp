#include "support/discoverer.h"

#include <gst/gst.h>

#include <QFile>

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

namespace sonavel_bench {
void imprimer_discoverer(const QStringList& chemins) {
    const QString discoverer = QStandardPaths::findExecutable(QStringLiteral("gst-discoverer-1.0"));
    if (discoverer.isEmpty()) {
        std::printf("gst-discoverer-1.0: not installed\n");
        return;
    }
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer t;
    t.start();
    p.start(discoverer, chemins);
    p.waitForFinished(-1);
    const double s = t.nsecsElapsed() / 1e9;
    std::printf("gst-discoverer-1.0 on the same %d files (one process): %.2f s, %.1f files/s\n", int(chemins.size()), s,
                chemins.size() / s);
}

double preroll_playbin(const QString& uri) {
    GstElement* p = gst_element_factory_make("playbin", nullptr);
    g_object_set(p, "uri", uri.toUtf8().constData(), "audio-sink", gst_element_factory_make("fakesink", nullptr),
                 "video-sink", gst_element_factory_make("fakesink", nullptr), nullptr);
    gst_element_set_state(p, GST_STATE_PAUSED);
    gst_element_get_state(p, nullptr, nullptr, 10 * GST_SECOND);
    gint64 ns = -1;
    gst_element_query_duration(p, GST_FORMAT_TIME, &ns);
    gst_element_set_state(p, GST_STATE_NULL);
    gst_object_unref(p);
    return ns > 0 ? double(ns) / GST_SECOND : -1;
}

double imprimer_plancher(const QStringList& chemins) {
    gst_init(nullptr, nullptr);
    QStringList uris;
    for (const QString& c : chemins) {
        gchar* uri = gst_filename_to_uri(QFile::encodeName(c).constData(), nullptr);
        uris << QString::fromUtf8(uri);
        g_free(uri);
    }
    QElapsedTimer t;
    t.start();
    for (const QString& uri : uris) preroll_playbin(uri);
    const double s = t.nsecsElapsed() / 1e9;
    std::printf("Floor: a bare playbin prerolled on the same %d files: %.2f s, %.1f files/s\n", int(chemins.size()),
                s, chemins.size() / s);
    return s;
}
}  // namespace sonavel_bench
