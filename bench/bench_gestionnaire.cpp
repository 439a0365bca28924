// The file manager: selecting each file of a folder of 500 generated MP3s (measure + tag
// read), in files per second, beside a bare playbin preroll of the same files (the floor) and
// gst-discoverer-1.0; the folder walks over the same folder (its listening time, "Ajouter un
// dossier"), then the listening time again on a slowed disk (5 MB/s for our own frame count's
// reading; GStreamer's reads are not slowed), each with the longest the window thread went
// without turning its event loop; and browsing: the shown file manager opening a folder of
// 10,000 files (read, listed and painted), beside a bare listing of it in C (readdir, the
// pattern, a sort by name). Prints figures only; a walk that does not end in its time limit
// is said and ends the bench.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fnmatch.h>
#include <functional>
#include <string>
#include <thread>
#include <strings.h>
#include <vector>

#include "config/etat.h"
#include "support/discoverer.h"
#include "support/fixtures.h"
#include "platform/media_mpeg.h"
#include "platform/travail.h"
#include "support/sonavel_test.h"
#include "support/suivi_boucle.h"
#include "windows/Liste_son.h"
#include "windows/ajout_fichier.h"

namespace {
constexpr int kMp3 = 500;
constexpr int kFichiers = 10000;
constexpr int kLimiteS = 600;  // the longest a walk may take here

// The floor of a browse: the names of a folder matching "*.mp3" in any case, sorted by name
// without regard to case; returns how many.
int liste_nue(const char* dossier) {
    std::vector<std::string> noms;
    DIR* d = opendir(dossier);
    if (!d) return -1;
    while (const dirent* e = readdir(d))
        if (e->d_name[0] != '.' && fnmatch("*.mp3", e->d_name, FNM_CASEFOLD) == 0) noms.emplace_back(e->d_name);
    closedir(d);
    std::sort(noms.begin(), noms.end(), [](const std::string& a, const std::string& b) {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    });
    return int(noms.size());
}
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

    sonavel_bench::imprimer_plancher(chemins);
    sonavel_bench::imprimer_discoverer(chemins);

    const auto marcher = [&](const char* quoi, const std::function<void()>& marche) {
        SuiviBoucle suivi(1);
        t.restart();
        marche();
        // The walk runs on a worker: its end is the last result applied.
        while (travail::en_cours() > 0 && t.elapsed() < kLimiteS * 1000) QTest::qWait(5);
        const double s = t.nsecsElapsed() / 1e9;
        if (travail::en_cours() > 0) {
            std::printf("%s: TIME LIMIT, not ended after %d s\n", quoi, kLimiteS);
            std::exit(1);
        }
        std::printf("%s: %.2f s, %.1f files/s, longest event gap on the window thread %.0f ms\n", quoi, s,
                    a.File1.ListCount() / s, suivi.plus_long_ecart_ms());
    };
    // What this machine gives the window thread when three other threads of the process are busy
    // and it has nothing to do: the walks' gaps cannot be shorter.
    {
        std::atomic<bool> fin{false};
        std::vector<std::thread> occupes;
        for (int i = 0; i < 3; ++i)
            occupes.emplace_back([&fin] {
                volatile double x = 0;
                while (!fin) x = x + 1;
            });
        SuiviBoucle suivi(1);
        QTest::qWait(5000);
        fin = true;
        for (auto& o : occupes) o.join();
        std::printf("Machine floor: window thread idle beside 3 busy threads for 5 s, longest event gap %.0f ms\n",
                    suivi.plus_long_ecart_ms());
    }
    marcher("Folder listening time (walk of the folder)", [&] { a.Label10_Click(); });
    std::printf("  listening time: %s\n", qPrintable(a.Label10.Caption()));
    Liste_son::instance().ListView1.Clear();
    a.Label7.setCaption(QStringLiteral("Ajouter un dossier"));
    marcher("\"Ajouter un dossier\" (walk of the folder)", [&] { a.Label7_Click(); });
    std::printf("  rows added: %d\n", Liste_son::instance().ListView1.ListCount());
    media_mpeg::oublier_durees();
    media_mpeg::brider_lecture(5 * 1000 * 1000);
    marcher("Folder listening time on a 5 MB/s disk", [&] { a.Label10_Click(); });
    media_mpeg::brider_lecture(0);
    std::printf("  listening time: %s\n", qPrintable(a.Label10.Caption()));

    for (int i = 0; i < kFichiers; ++i) {
        QFile f(gros + QStringLiteral("/Piste %1.%2").arg(i, 5, 10, QLatin1Char('0')).arg(i % 2 ? "mp3" : "MP3"));
        f.open(QIODevice::WriteOnly);
    }
    // Browsing as the user sees it: the window shown, the folder opened, listed and painted.
    a.show();
    if (!QTest::qWaitForWindowExposed(&a)) std::printf("(the window was never exposed)\n");
    const QByteArray gros_c = QFile::encodeName(gros);
    double meilleur = 1e9, plancher = 1e9;
    int listes = 0, nus = 0;
    for (int essai = 0; essai < 5; ++essai) {
        a.Dir1.setPath(mp3);
        QApplication::processEvents();
        t.restart();
        nus = liste_nue(gros_c.constData());
        plancher = std::min(plancher, t.nsecsElapsed() / 1e6);
        t.restart();
        a.Dir1.setPath(gros);
        a.File1.repaint();
        QApplication::processEvents();
        meilleur = std::min(meilleur, t.nsecsElapsed() / 1e6);
        listes = a.File1.ListCount();
    }
    std::printf("Browsing a folder of %d files, shown (%d listed): best of 5 %.1f ms; floor, a bare listing in C "
                "(%d names): %.1f ms; %.1f x the floor\n",
                kFichiers, listes, meilleur, nus, plancher, meilleur / plancher);
    return 0;
}
