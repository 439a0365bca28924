// The file manager: selecting each file of a folder of 500 generated MP3s (measure + tag
// read), in files per second, beside gst-discoverer-1.0 on the same folder; and browsing a
// folder of 10,000 files (the file list filled), in milliseconds. Prints figures only.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

#include "config/etat.h"
#include "support/fixtures.h"
#include "support/sonavel_test.h"
#include "windows/ajout_fichier.h"

namespace {
constexpr int kMp3 = 500;
constexpr int kFichiers = 10000;
}  // namespace

int main(int argc, char** argv) {
    sonavel_test::preparer_environnement();
    QApplication app(argc, argv);
    QTemporaryDir racine;
    const QString mp3 = racine.filePath(QStringLiteral("mp3"));
    const QString gros = racine.filePath(QStringLiteral("dix_mille"));
    QDir().mkpath(mp3);
    QDir().mkpath(gros);

    // Three lengths and both bit-rate kinds, copied under 500 names.
    const QString sources[] = {fixtures::mp3(30), fixtures::mp3(180), fixtures::mp3(60, fixtures::Debit::Variable)};
    QStringList chemins;
    for (int i = 0; i < kMp3; ++i) {
        const QString c = mp3 + QStringLiteral("/titre_%1.mp3").arg(i, 3, 10, QLatin1Char('0'));
        QFile::copy(sources[i % 3], c);
        chemins << c;
    }

    ajout_fichier& a = ajout_fichier::instance();
    a.Dir1.setPath(mp3);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < a.File1.ListCount(); ++i) {
        a.File1.setListIndex(i);
        a.File1_Click();
    }
    const double nous_s = t.nsecsElapsed() / 1e9;
    std::printf("Selecting %d MP3s (measure + tag): %.2f s, %.1f files/s (last: %s, %d s)\n", a.File1.ListCount(),
                nous_s, a.File1.ListCount() / nous_s, qPrintable(Radio::duree_texte), int(Radio::duree_secondes_fichier));

    const QString discoverer = QStandardPaths::findExecutable(QStringLiteral("gst-discoverer-1.0"));
    if (discoverer.isEmpty()) {
        std::printf("gst-discoverer-1.0: not installed\n");
    } else {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        t.restart();
        p.start(discoverer, chemins);
        p.waitForFinished(-1);
        const double disc_s = t.nsecsElapsed() / 1e9;
        std::printf("gst-discoverer-1.0 on the same %d files (one process): %.2f s, %.1f files/s\n", kMp3, disc_s,
                    kMp3 / disc_s);
    }

    for (int i = 0; i < kFichiers; ++i) {
        QFile f(gros + QStringLiteral("/Piste %1.%2").arg(i, 5, 10, QLatin1Char('0')).arg(i % 2 ? "mp3" : "MP3"));
        f.open(QIODevice::WriteOnly);
    }
    double meilleur = 1e9;
    int listes = 0;
    for (int essai = 0; essai < 5; ++essai) {
        a.Dir1.setPath(mp3);
        t.restart();
        a.Dir1.setPath(gros);
        meilleur = std::min(meilleur, t.nsecsElapsed() / 1e6);
        listes = a.File1.ListCount();
    }
    std::printf("Browsing a folder of %d files (%d listed): best of 5 %.1f ms\n", kFichiers, listes, meilleur);
    return 0;
}
