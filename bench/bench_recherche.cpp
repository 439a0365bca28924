// The disk search over a generated tree of 100,000 files in 10,000 folders (30,000 of them
// matching "*.mp3"), every match inserted into the playlist, beside its floors computed by
// their own means: `find` with the same pattern run as a process, a plain C walk (readdir and
// fnmatch, links not followed), and the rows inserted into the shown playlist in one go with a
// repaint. The search runs as the command does (walk on a worker, rows inserted in batches on
// the window thread) with the windows hidden and shown, in interleaved rounds; printed: the
// median of each, the ratio to the aim (search <= 2 x find + the rows floor), and the longest
// the window thread went without turning its event loop. Prints figures only; a search that
// does not end in its time limit is said and ends the bench.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fnmatch.h>
#include <string>
#include <vector>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/travail.h"
#include "support/sonavel_test.h"
#include "support/suivi_boucle.h"
#include "windows/Liste_son.h"
#include "windows/ajout_fichier.h"

namespace {
constexpr int kHaut = 100;       // folders under the root
constexpr int kSous = 99;        // folders in each of them: 100 + 100 x 99 = 10,000 folders
constexpr int kParDossier = 10;  // files per folder, 3 of them MP3
constexpr int kTours = 3;        // interleaved rounds
constexpr int kLimiteS = 300;    // the longest one search may take here
const char* const kNoms[kParDossier] = {"piste_a.mp3", "piste_b.MP3", "piste_c.mp3", "son.wav",   "son.wma",
                                        "notes.txt",   "image.jpg",   "liste.dfm",   "video.avi", "tag.ini"};

double secondes(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e9; }

double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void remplir(const QString& dossier) {
    QDir().mkpath(dossier);
    for (const char* n : kNoms) {
        QFile f(dossier + QLatin1Char('/') + QLatin1String(n));
        f.open(QIODevice::WriteOnly);
    }
}

// The plain C walk: every folder read once, the pattern matched on the bytes, links not
// followed; the full paths of the matches kept, as any search must.
void marche_c(const std::string& dossier, std::vector<std::string>& trouves) {
    DIR* d = opendir(dossier.c_str());
    if (!d) return;
    while (const dirent* e = readdir(d)) {
        if (e->d_name[0] == '.') continue;
        if (e->d_type == DT_DIR)
            marche_c(dossier + '/' + e->d_name, trouves);
        else if (e->d_type == DT_REG && fnmatch("*.mp3", e->d_name, FNM_CASEFOLD) == 0)
            trouves.push_back(dossier + '/' + e->d_name);
    }
    closedir(d);
}

// find with the same pattern (without regard to case, links not followed); -1 on failure.
double lancer_find(const QString& racine, int& trouves) {
    QProcess find;
    QElapsedTimer t;
    t.start();
    find.start(QStringLiteral("find"), {racine, QStringLiteral("-type"), QStringLiteral("f"), QStringLiteral("-iname"),
                                        QStringLiteral("*.mp3")});
    QByteArray sortie;
    while (find.state() != QProcess::NotRunning && t.elapsed() < kLimiteS * 1000) {
        find.waitForReadyRead(100);
        sortie += find.readAllStandardOutput();
    }
    if (find.state() != QProcess::NotRunning) {
        find.kill();
        std::printf("find: TIME LIMIT, not ended after %d s\n", kLimiteS);
        std::exit(1);
    }
    const double s = secondes(t);
    sortie += find.readAllStandardOutput();
    trouves = int(sortie.count('\n'));
    return find.exitCode() == 0 ? s : -1;
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
    std::printf("Tree: %d folders, %d files, made in %.1f s\n", dossiers, dossiers * kParDossier, secondes(t));

    Liste_son& liste = Liste_son::instance();
    ajout_fichier& a = ajout_fichier::instance();
    a.Combo1.setText(QStringLiteral("*.mp3"));
    a.Combo1_Change();
    a.Dir1.setPath(racine);

    // The rows floor: as many rows as find finds, into the shown playlist in one go.
    int trouves_find = 0;
    lancer_find(racine, trouves_find);
    liste.show();
    QApplication::processEvents();
    double lignes_s = 0;
    {
        QList<QTreeWidgetItem*> lignes;
        for (int i = 0; i < trouves_find; ++i)
            lignes << new QTreeWidgetItem(QStringList{racine + QStringLiteral("/dossier/piste_%1.mp3").arg(i),
                                                      QStringLiteral("0.10"), QStringLiteral("0"),
                                                      QStringLiteral("divers"), QStringLiteral("100"),
                                                      QStringLiteral("X")});
        t.restart();
        liste.ListView1.insertTopLevelItems(0, lignes);
        liste.ListView1.repaint();
        QApplication::processEvents();
        lignes_s = secondes(t);
    }
    std::printf("rows floor: %d rows into the shown playlist in one go and a repaint: %.3f s\n", trouves_find, lignes_s);

    std::vector<double> find_s, c_s, cache_s, montre_s, ecart_cache, ecart_montre;
    const std::string racine_c = QFile::encodeName(racine).toStdString();
    for (int tour = 0; tour < kTours; ++tour) {
        int n = 0;
        find_s.push_back(lancer_find(racine, n));
        if (n != trouves_find) std::printf("MISMATCH: find %d, then %d\n", trouves_find, n);
        std::vector<std::string> trouves;
        t.restart();
        marche_c(racine_c, trouves);
        c_s.push_back(secondes(t));
        if (int(trouves.size()) != trouves_find) std::printf("MISMATCH: C walk %zu, find %d\n", trouves.size(), trouves_find);

        for (bool montre : {false, true}) {
            liste.ListView1.Clear();
            a.setVisible(montre);
            liste.setVisible(montre);
            QApplication::processEvents();
            Radio::nb_fichiers_trouves = 0;
            Radio::ligne_insertion = 1;
            bool fini = false;
            SuiviBoucle suivi(1);
            t.restart();
            a.recherche_fichiers(racine, [&](bool) { fini = true; });
            while (!fini && t.elapsed() < kLimiteS * 1000) QTest::qWait(1);
            // Shown, the rows are painted before the search counts as done.
            if (montre) {
                liste.ListView1.repaint();
                QApplication::processEvents();
            }
            const double s = secondes(t);
            if (!fini) {
                std::printf("Search: TIME LIMIT, not ended after %d s\n", kLimiteS);
                return 1;
            }
            (montre ? montre_s : cache_s).push_back(s);
            (montre ? ecart_montre : ecart_cache).push_back(suivi.plus_long_ecart_ms());
            const int lignes = liste.ListView1.ListCount();
            if (lignes != trouves_find) std::printf("MISMATCH: %d rows, find %d\n", lignes, trouves_find);
        }
    }
    const double f = mediane(find_s), c = mediane(c_s);
    std::printf("floor: find -iname '*.mp3' (%d files), median of %d: %.3f s; plain C walk: %.3f s\n", trouves_find,
                kTours, f, c);
    for (bool montre : {false, true}) {
        const double s = mediane(montre ? montre_s : cache_s);
        std::printf("Search, windows %s (walk + %d playlist rows), median of %d: %.3f s, %.0f folders/s, %.2f x find, "
                    "%.2f x the C walk; aim 2 x find + rows floor = %.3f s: %.2f of it; longest event gap on the "
                    "window thread %.0f ms\n",
                    montre ? "shown" : "hidden", trouves_find, kTours, s, dossiers / s, s / f, s / c,
                    2 * f + lignes_s, s / (2 * f + lignes_s), mediane(montre ? ecart_montre : ecart_cache));
    }
    return 0;
}
