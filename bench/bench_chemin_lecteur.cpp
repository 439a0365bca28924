// Figures for the path check before a deck load, in music folders of 100, 10 000 and 30 000
// files: the entry's exact name, and a name whose case differs from the one on disk.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "config/etat.h"
#include "windows/Radio_FM.h"

namespace {
double mesurer(Radio_FM& f, const QString& chemin, int fois) {
    Radio::enreg_destinataire.chemin = chemin;
    Radio::enreg_destinataire.genre.clear();
    f.recup_path(1);  // the first check points the file manager at the folder
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < fois; ++i) f.recup_path(1);
    return t.nsecsElapsed() / 1e6 / fois;
}
}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Radio_FM& f = Radio_FM::instance();
    int faits = 0;
    for (int n : {100, 10000, 30000}) {
        const QString musique = dir.filePath(QStringLiteral("musique%1").arg(n));
        QDir().mkpath(musique);
        for (int i = 0; i < n; ++i) QFile(musique + QStringLiteral("/Titre %1.mp3").arg(i)).open(QIODevice::WriteOnly);
        faits = n;
        const QString nom = QStringLiteral("/Titre %1.mp3").arg(n / 2);
        const double exact = mesurer(f, musique + nom, 20);
        const double casse = mesurer(f, musique + nom.toLower(), 5);
        std::printf("path check, %5d files: exact name %.3f ms, other case %.2f ms\n", faits, exact, casse);
    }
    return 0;
}
