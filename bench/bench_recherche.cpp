// The disk search over a generated tree of 100,000 files in 10,000 folders (30,000 of them
// matching "*.mp3"), every match inserted into the playlist, beside `find` with the same
// pattern on the same tree (the floor: a walk that inserts nothing). Prints figures only.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "config/etat.h"
#include "platform/boites.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/ajout_fichier.h"

namespace {
constexpr int kHaut = 100;       // folders under the root
constexpr int kSous = 99;        // folders in each of them: 100 + 100 x 99 = 10,000 folders
constexpr int kParDossier = 10;  // files per folder, 3 of them MP3
const char* const kNoms[kParDossier] = {"piste_a.mp3", "piste_b.MP3", "piste_c.mp3", "son.wav",   "son.wma",
                                        "notes.txt",   "image.jpg",   "liste.dfm",   "video.avi", "tag.ini"};

void remplir(const QString& dossier) {
    QDir().mkpath(dossier);
    for (const char* n : kNoms) {
        QFile f(dossier + QLatin1Char('/') + QLatin1String(n));
        f.open(QIODevice::WriteOnly);
    }
}
}  // namespace

int main(int argc, char** argv) {
    sonavel_test::preparer_environnement();
    QApplication app(argc, argv);
    // No box waits for a user.
    boites::definir_interception([](const boites::Demande& d) {
        boites::Reponse r;
        r.code = boites::reponse_par_defaut(d.style);
        return r;
    });
    QTemporaryDir tmp;
    const QString racine = tmp.filePath(QStringLiteral("arbre"));
    QElapsedTimer t;
    t.start();
    int dossiers = 0;
    for (int i = 0; i < kHaut; ++i) {
        const QString haut = racine + QStringLiteral("/dossier_%1").arg(i, 3, 10, QLatin1Char('0'));
        remplir(haut);
        ++dossiers;
        for (int j = 0; j < kSous; ++j, ++dossiers) remplir(haut + QStringLiteral("/album_%1").arg(j, 2, 10, QLatin1Char('0')));
    }
    std::printf("Tree: %d folders, %d files, made in %.1f s\n", dossiers, dossiers * kParDossier, t.nsecsElapsed() / 1e9);

    // The floor: find with the same pattern (without regard to case, links not followed).
    QProcess find;
    t.restart();
    find.start(QStringLiteral("find"), {racine, QStringLiteral("-type"), QStringLiteral("f"), QStringLiteral("-iname"),
                                        QStringLiteral("*.mp3")});
    find.waitForFinished(-1);
    const double find_s = t.nsecsElapsed() / 1e9;
    const int trouves_find = int(find.readAllStandardOutput().count('\n'));
    std::printf("find -iname '*.mp3': %d files in %.3f s\n", trouves_find, find_s);

    ajout_fichier& a = ajout_fichier::instance();
    a.Combo1.setText(QStringLiteral("*.mp3"));
    a.Combo1_Change();
    a.Dir1.setPath(racine);
    // Both windows on screen, as in use: the count label repaints at each folder's event pass.
    a.show();
    Liste_son::instance().show();
    QString depart = racine;
    t.restart();
    a.recherche_fichiers(depart, int16_t(a.Dir1.ListCount()), QString());
    const double nous_s = t.nsecsElapsed() / 1e9;
    const int lignes = Liste_son::instance().ListView1.ListCount();
    std::printf("Search (walk + %d playlist rows): %.3f s, %.0f folders/s, %.1f x find\n", lignes, nous_s,
                dossiers / nous_s, nous_s / find_s);
    if (lignes != trouves_find) std::printf("MISMATCH: %d rows, find %d\n", lignes, trouves_find);
    return 0;
}
