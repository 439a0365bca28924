#pragma once
// The benchmarks' references: GStreamer's own discoverer over the same files, and the floor
// any GStreamer load costs (a bare playbin prerolled on each file in turn).
#include <QStringList>

namespace sonavel_bench {
// Runs gst-discoverer-1.0 once over every file and prints its time and files per second, or
// that it is not installed.
void imprimer_discoverer(const QStringList& chemins);
// A bare playbin (fake sinks) prerolled on a file's URI: its duration in seconds, -1 when
// GStreamer gave none.
double preroll_playbin(const QString& uri);
// Prerolls a bare playbin (fake sinks) on every file in turn, prints the time and files per
// second and returns the seconds.
double imprimer_plancher(const QStringList& chemins);
}  // namespace sonavel_bench
