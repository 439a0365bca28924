#pragma once
// The benchmarks' reference: GStreamer's own discoverer over the same files.
#include <QStringList>

namespace sonavel_bench {
// Runs gst-discoverer-1.0 once over every file and prints its time and files per second, or
// that it is not installed.
void imprimer_discoverer(const QStringList& chemins);
}  // namespace sonavel_bench
