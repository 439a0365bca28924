// The disk search over a generated tree of 100,000 files in 10,000 folders (30,000 of them
// matching "*.mp3"), every match inserted into the playlist, beside `find` with the same
// pattern on the same tree (the floor of the walk), and split into its parts: the walk alone
// (reading every folder as the folder and file lists do), the walk with the pattern matched,
// the rows inserted into the shown playlist in one go (the floor of the insertion), and the
// whole search with the windows hidden and shown (the difference is the repaint). The
// aim: search <= 2 x find + the insertion floor. Prints figures only.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "config/etat.h"
#include "platform/chemins.h"
#include "platform/listes_fichiers.h"
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

// The walk the search makes, without inserting: returns the names found.
int parcourir(const QString& dossier, const QString& motif) {
    int n = 0;
    for (const QString& s : listes_fichiers::sous_dossiers(dossier, false)) n += parcourir(chemins::joindre(dossier, s), motif);
    if (motif.isEmpty())
        n += int(QDir(dossier).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase).size());
    else
        n += int(listes_fichiers::fichiers(dossier, motif).size());
    return n;
}

double secondes(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e9; }

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

    t.restart();
    const int tous = parcourir(racine, QString());
    const double marche_s = secondes(t);
    t.restart();
    const int retenus = parcourir(racine, QStringLiteral("*.mp3"));
    const double filtre_s = secondes(t);
    std::printf("walk, every folder read (%d files): %.3f s, %.1f x find\n", tous, marche_s, marche_s / find_s);
    std::printf("walk + pattern (%d matches): %.3f s, %.1f x find\n", retenus, filtre_s, filtre_s / find_s);

    Liste_son& liste = Liste_son::instance();
    liste.show();
    QApplication::processEvents();
    {
        QList<QTreeWidgetItem*> lignes;
        for (int i = 0; i < trouves_find; ++i)
            lignes << new QTreeWidgetItem(QStringList{racine + QStringLiteral("/dossier/piste_%1.mp3").arg(i),
                                                      QStringLiteral("0.10"), QStringLiteral("0"),
                                                      QStringLiteral("divers"), QStringLiteral("100"),
                                                      QStringLiteral("X")});
        t.restart();
        liste.ListView1.insertTopLevelItems(0, lignes);
        QApplication::processEvents();
    }
    const double lignes_s = secondes(t);
    std::printf("rows floor: %d rows into the shown playlist in one go and a repaint: %.3f s\n", trouves_find,
                lignes_s);
    liste.ListView1.Clear();

    ajout_fichier& a = ajout_fichier::instance();
    a.Combo1.setText(QStringLiteral("*.mp3"));
    a.Combo1_Change();
    a.Dir1.setPath(racine);
    for (bool montre : {false, true}) {
        liste.ListView1.Clear();
        a.setVisible(montre);
        liste.setVisible(montre);
        QApplication::processEvents();
        Radio::nb_fichiers_trouves = 0;
        QString depart = racine;
        t.restart();
        a.recherche_fichiers(depart, int16_t(a.Dir1.ListCount()), QString());
        QApplication::processEvents();
        const double nous_s = secondes(t);
        const int lignes = liste.ListView1.ListCount();
        // Shown, the count label repaints at each event pass, as in use.
        std::printf("Search, windows %s (walk + %d playlist rows): %.3f s, %.0f folders/s, %.1f x find, "
                    "%.2f x (2 x find + rows floor)\n",
                    montre ? "shown" : "hidden", lignes, nous_s, dossiers / nous_s, nous_s / find_s,
                    nous_s / (2 * find_s + lignes_s));
        if (lignes != trouves_find) std::printf("MISMATCH: %d rows, find %d\n", lignes, trouves_find);
    }
    return 0;
}
