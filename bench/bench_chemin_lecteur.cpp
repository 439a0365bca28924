// Figures for the path check before a deck load, in music folders of 100, 10 000 and 30 000
// files: the same folder as the last check, a folder other than the last one (the file manager
// follows it), each with the entry's exact name and with a name whose case differs from the
// one on disk; the file manager hidden (as during play) and shown. Beside them the floor: one
// listing of the folder.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "config/etat.h"
#include "platform/listes_fichiers.h"
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
    std::printf("%6s %-7s %12s %12s %14s %14s %12s %10s\n", "files", "manager", "same exact", "same case",
                "changed exact", "changed case", "one listing", "changed/listing");
    for (int n : {100, 10000, 30000}) {
        const QString a = dir.filePath(QStringLiteral("musique%1").arg(n));
        const QString b = a + QStringLiteral("_bis");
        remplir(a, n);
        remplir(b, n);
        const QString nom = QStringLiteral("/Titre %1.mp3").arg(n / 2);
        const int fois = n > 1000 ? 6 : 40;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < fois; ++i) listes_fichiers::fichiers(a, QStringLiteral("*.mp3"));
        const double liste = t.nsecsElapsed() / 1e6 / fois;
        for (bool montre : {false, true}) {
            gestionnaire.setVisible(montre);
            QApplication::processEvents();
            const double meme = mesurer(f, {a + nom}, fois * 3);
            const double meme_casse = mesurer(f, {a + nom.toLower()}, fois);
            const double change = mesurer(f, {a + nom, b + nom}, fois);
            const double change_casse = mesurer(f, {a + nom.toLower(), b + nom.toLower()}, fois);
            std::printf("%6d %-7s %9.3f ms %9.3f ms %11.3f ms %11.3f ms %9.3f ms %9.2f x\n", n,
                        montre ? "shown" : "hidden", meme, meme_casse, change, change_casse, liste, change / liste);
        }
        gestionnaire.hide();
    }
    std::printf("listing: the names of the folder matching *.mp3 once (the work a changed folder needs at most)\n");
    return 0;
}
