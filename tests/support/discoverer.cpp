#include "support/discoverer.h"

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
}  // namespace sonavel_bench
