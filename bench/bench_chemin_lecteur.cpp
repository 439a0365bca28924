// Figures for the path check before a deck load, in music folders of 100, 10 000 and 30 000
// files: the same folder as the last check, or a folder other than the last one (the file
// manager follows it: each check alternates between two folders); the entry's exact name, or a
// name whose case differs from the one on disk; the file manager hidden (as during play) and
// shown. The floor, beside each figure: one bare listing of the folder (readdir, the names
// matching *.mp3 kept, sorted without regard to case) in plain C++, not the program's code.
// Prints figures only.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <string>
#include <strings.h>
#include <vector>

#include <dirent.h>

#include "config/etat.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"

namespace {
// Checks alternate between the folders given: with two, every check follows a folder change.
double mesurer(Radio_FM& f, const QStringList& chemins, int fois) {
    Radio::enreg_destinataire.genre.clear();
    Radio::enreg_destinataire.chemin = chemins.last();
    f.recup_path(1);  // the first check points the file manager at a folder
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < fois; ++i) {
        Radio::enreg_destinataire.chemin = chemins.at(i % chemins.size());
        f.recup_path(1);
    }
    return t.nsecsElapsed() / 1e6 / fois;
}

// The floor: the plain files of the folder whose names end in ".mp3" in any case, hidden ones
// left out, sorted without regard to case.
size_t liste_nue(const char* dossier) {
    std::vector<std::string> noms;
    DIR* d = opendir(dossier);
    if (!d) return 0;
    while (const dirent* e = readdir(d)) {
        if (e->d_name[0] == '.' || e->d_type != DT_REG) continue;
        const size_t n = strlen(e->d_name);
        if (n >= 4 && strcasecmp(e->d_name + n - 4, ".mp3") == 0) noms.emplace_back(e->d_name, n);
    }
    closedir(d);
    std::sort(noms.begin(), noms.end(),
              [](const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) < 0; });
    return noms.size();
}

double plancher(const QString& dossier, int fois) {
    const QByteArray d = QFile::encodeName(dossier);
    size_t total = 0;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < fois; ++i) total += liste_nue(d.constData());
    const double ms = t.nsecsElapsed() / 1e6 / fois;
    if (total == 0) std::printf("(the floor listed nothing in %s)\n", d.constData());
    return ms;
}

void remplir(const QString& dossier, int n) {
    QDir().mkpath(dossier);
    for (int i = 0; i < n; ++i) QFile(dossier + QStringLiteral("/Titre %1.mp3").arg(i)).open(QIODevice::WriteOnly);
}
}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Radio_FM& f = Radio_FM::instance();
    ajout_fichier& gestionnaire = ajout_fichier::instance();
    std::printf("Path check before a deck load (ms per check); floor = one bare listing of the folder "
                "(readdir + *.mp3 + sort, plain C++)\n");
    std::printf("%6s %-7s %-8s %-11s %10s %10s %8s\n", "files", "manager", "folder", "name", "check", "floor",
                "ratio");
    for (int n : {100, 10000, 30000}) {
        const QString a = dir.filePath(QStringLiteral("musique%1").arg(n));
        const QString b = a + QStringLiteral("_bis");
        remplir(a, n);
        remplir(b, n);
        const QString nom = QStringLiteral("/Titre %1.mp3").arg(n / 2);
        const int fois = n > 1000 ? 6 : 40;
        for (bool montre : {false, true}) {
            gestionnaire.setVisible(montre);
            QApplication::processEvents();
            struct Cas {
                const char* dossier;
                const char* nom;
                QStringList chemins;
                int fois;
            };
            const Cas cas[] = {
                {"same", "exact", {a + nom}, fois * 3},
                {"same", "other case", {a + nom.toLower()}, fois},
                {"changed", "exact", {a + nom, b + nom}, fois},
                {"changed", "other case", {a + nom.toLower(), b + nom.toLower()}, fois},
            };
            for (const Cas& c : cas) {
                // Interleaved: the floor just before the figure it is read against.
                const double p = plancher(a, fois);
                const double m = mesurer(f, c.chemins, c.fois);
                std::printf("%6d %-7s %-8s %-11s %7.3f ms %7.3f ms %7.2f x\n", n, montre ? "shown" : "hidden",
                            c.dossier, c.nom, m, p, m / p);
            }
        }
        gestionnaire.hide();
    }
    return 0;
}
