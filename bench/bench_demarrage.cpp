// Start-up figures: wall time from starting a process to its main window painted, for
//   (a) a bare window: QApplication and one QWidget of the main window's size, shown (this
//       bench run again with --fenetre-nue), the floor;
//   (b) the same plus gst_init (--fenetre-gst);
//   (c) the real program (build/bin/Sonavel_V5, or the path given), started on a copy of its
//       folder with a settings store as a first start leaves it.
// The three run interleaved, round after round, on the display in DISPLAY (run it under
// tools/affichage.sh: Xvfb and a window manager), or offscreen without one (make bench).
// "Painted" is the same for all three: the event loop's turn right after the window's first
// expose (whose handler paints and flushes), which each process prints on stderr with the
// monotonic clock when SONAVEL_JALONS is set (platform/jalons.h). The clock is read here just
// before the process is started, so the figure includes the exec, the dynamic linking and
// everything up to that paint. The program's own marks give the split: where its time goes
// beyond the bare window's.
//
// Where the rest goes (Xvfb and openbox, a shared 8-core machine; (c) was 2.35-2.69x (a) and
// is 1.94-2.09x): the program links more libraries (Qt Network and Print Support, GStreamer's:
// a few ms before main); it builds and shows the splash (about 25 ms, though under a window
// manager the splash is not painted before the main window: the load runs from its first
// activation); it builds the main window's widgets (about 25 ms) and the hidden file manager,
// playlist and options windows (about 14 ms) before the first paint, then shows a second
// window. The pictures are decoded on a worker meanwhile, and the network is not asked while
// there is no web banner address.
//   bench_demarrage [--tours N] [--preparer DIR] [PROGRAM]
// --preparer only prepares DIR (DIR/prog, DIR/config) for a profile of the program and ends.
#include <QApplication>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <gst/gst.h>
#include <time.h>
#include <vector>

#include "config/etat.h"
#include "config/table_reglages.h"
#include "platform/jalons.h"
#include "platform/programme.h"

namespace {
qint64 maintenant_ns() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// The floor: what any Qt program pays to show a window of the main window's size.
int fenetre_nue(int argc, char** argv, bool avec_gst) {
    jalons::marquer("main");
    programme::preparer_plateforme();
    QApplication app(argc, argv);
    programme::affichage_ouvert();
    jalons::marquer("qapplication");
    if (avec_gst) {
        gst_init(nullptr, nullptr);
        jalons::marquer("gstreamer");
    }
    QWidget w;
    w.setWindowTitle(QStringLiteral("nue"));
    w.resize(980, 640);
    jalons::au_premier_affichage(w, "affichee");
    w.show();
    return app.exec();
}

using Jalons = QMap<QString, double>;  // mark -> ms after the start

// Starts one process, reads its marks until the window is painted, then stops it.
Jalons mesurer(const QString& programme, const QStringList& arguments, const QProcessEnvironment& env,
               int attente_ms = 20000) {
    Jalons j;
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    const qint64 debut = maintenant_ns();
    p.start(programme, arguments);
    QByteArray reste;
    while (!j.contains(QStringLiteral("affichee"))) {
        if (!p.waitForReadyRead(attente_ms)) break;
        reste += p.readAll();
        int fin;
        while ((fin = reste.indexOf('\n')) >= 0) {
            const QList<QByteArray> mots = reste.left(fin).split(' ');
            reste.remove(0, fin + 1);
            if (mots.size() == 3 && mots[0] == "jalon")
                j.insert(QString::fromLatin1(mots[1]), double(mots[2].toLongLong() - debut) / 1e6);
        }
    }
    p.kill();
    p.waitForFinished();
    return j;
}

double mediane(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}
double minimum(const std::vector<double>& v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }
}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--fenetre-nue") == 0) return fenetre_nue(argc, argv, false);
    if (argc > 1 && qstrcmp(argv[1], "--fenetre-gst") == 0) return fenetre_nue(argc, argv, true);

    QCoreApplication app(argc, argv);
    int tours = 15;
    QString programme = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/Sonavel_V5");
    QString a_preparer;
    QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--tours") && i + 1 < args.size()) tours = args[++i].toInt();
        else if (args[i] == QLatin1String("--preparer") && i + 1 < args.size()) a_preparer = args[++i];
        else programme = args[i];
    }
    // The display in DISPLAY when there is one, else (or when asked) the offscreen platform.
    QByteArray plateforme = qgetenv("QT_QPA_PLATFORM");
    if (plateforme.isEmpty()) plateforme = qgetenv("DISPLAY").isEmpty() ? "offscreen" : "xcb";

    // A copy of the program folder (the program writes its journal beside itself) and a
    // settings store as the first start leaves it: its series, then the purge it runs.
    QTemporaryDir temporaire;
    const QDir dir(a_preparer.isEmpty() ? temporaire.path() : a_preparer);
    const QString dossier = dir.filePath(QStringLiteral("prog"));
    if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), QFileInfo(programme).absolutePath(), dossier}) !=
        0) {
        std::printf("cannot copy the program folder of %s\n", qPrintable(programme));
        return 2;
    }
    const QString copie = dossier + QLatin1Char('/') + QFileInfo(programme).fileName();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    programme::definir_dossier(dossier + QLatin1Char('/'));
    Radio::Chemin_programme = programme::dossier();
    reglages_table::ecrire_serie(reglages_table::premier_lancement());
    reglages_table::ecrire_serie(reglages_table::purge());
    if (!a_preparer.isEmpty()) {
        std::printf("XDG_CONFIG_HOME=%s %s\n", qPrintable(dir.filePath(QStringLiteral("config"))), qPrintable(copie));
        return 0;
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SONAVEL_JALONS"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(plateforme));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("SONAVEL_AUDIO_SINK"), QStringLiteral("fakesink"));
    env.insert(QStringLiteral("SONAVEL_VIDEO_SINK"), QStringLiteral("fakesink"));

    struct Cas {
        const char* nom;
        QString programme;
        QStringList arguments;
        std::vector<Jalons> mesures;
    };
    const QString moi = QCoreApplication::applicationFilePath();
    Cas cas[] = {{"(a) bare window", moi, {QStringLiteral("--fenetre-nue")}, {}},
                 {"(b) bare window + gst_init", moi, {QStringLiteral("--fenetre-gst")}, {}},
                 {"(c) Sonavel_V5", copie, {}, {}}};
    // One start of each first: caches (files, fonts, the GStreamer registry) are warm for all.
    // A window manager that is still starting may never expose the first window: try again.
    for (Cas& c : cas) {
        bool vue = false;
        for (int essai = 0; essai < 3 && !vue; ++essai)
            vue = mesurer(c.programme, c.arguments, env, 5000).contains(QStringLiteral("affichee"));
        if (!vue) {
            std::printf("%s: no painted window (is it built?)\n", c.nom);
            return 1;
        }
    }
    for (int t = 0; t < tours; ++t) {
        for (int k = 0; k < 3; ++k) {  // the order turns each round
            Cas& c = cas[(t + k) % 3];
            c.mesures.push_back(mesurer(c.programme, c.arguments, env));
        }
    }

    auto serie = [](const Cas& c, const QString& jalon) {
        std::vector<double> v;
        for (const Jalons& j : c.mesures)
            if (j.contains(jalon)) v.push_back(j.value(jalon));
        return v;
    };
    const QString affichee = QStringLiteral("affichee");
    const double nue = mediane(serie(cas[0], affichee)), gst = mediane(serie(cas[1], affichee));
    const double nue_min = minimum(serie(cas[0], affichee)), gst_min = minimum(serie(cas[1], affichee));
    std::printf("start to main window painted, %d interleaved rounds, platform %s%s\n", tours,
                plateforme.constData(), plateforme == "offscreen" ? " (no display: nothing reaches a screen)" : "");
    std::printf("%-28s %10s %10s %10s %10s %10s\n", "", "median", "min", "/ (a)", "/ (b)", "min / (a)");
    for (const Cas& c : cas) {
        const double m = mediane(serie(c, affichee)), mn = minimum(serie(c, affichee));
        std::printf("%-28s %7.1f ms %7.1f ms %9.2fx %9.2fx %9.2fx\n", c.nom, m, mn, m / nue, m / gst, mn / nue_min);
    }
    (void)gst_min;
    // The splash's first paint comes after the main window's unless it is painted before the load.
    if (const std::vector<double> s = serie(cas[2], QStringLiteral("chargement_affiche")); !s.empty())
        std::printf("(c)'s splash painted after %.1f ms (median)\n", mediane(s));
    else
        std::printf("(c)'s splash: not painted before the main window\n");

    // The split: each step's median length (ms), in the order the program reaches them.
    std::printf("\nwhere the time goes (median length of each step, ms; (a) for comparison)\n");
    const struct {
        const char* jalon;
        const char* quoi;
    } etapes[] = {
        {"main", "exec, dynamic linking, static init"},
        {"qapplication", "QApplication: display connection, platform plugin"},
        {"reglages_affichage", "display settings read"},
        {"activation", "splash built and shown, event loop reached"},
        {"principale_construite", "main window built (controls, menus)"},
        {"fenetres_cachees", "file manager and playlist windows built"},
        {"config_lue", "settings read into the windows (the options window built)"},
        {"bandeau", "banner started"},
        {"images", "pictures loaded"},
        {"chargee", "rest of the load"},
        {"affichee", "main window shown and painted"},
    };
    const char* precedent = nullptr;
    double somme = 0;
    for (const auto& e : etapes) {
        std::vector<double> v;
        for (const Jalons& j : cas[2].mesures) {
            const QString nom = QString::fromLatin1(e.jalon);
            if (!j.contains(nom)) continue;
            v.push_back(j.value(nom) - (precedent ? j.value(QString::fromLatin1(precedent)) : 0.0));
        }
        const double m = mediane(v);
        somme += m;
        std::printf("  %-22s %7.1f   %s\n", e.jalon, m, e.quoi);
        precedent = e.jalon;
    }
    std::printf("  %-22s %7.1f   (sum of the medians)\n", "", somme);
    const double nue_main = mediane(serie(cas[0], QStringLiteral("main")));
    const double nue_qapp = mediane(serie(cas[0], QStringLiteral("qapplication")));
    std::printf("  (a): main %.1f, QApplication %.1f, window shown and painted %.1f\n", nue_main, nue_qapp - nue_main,
                nue - nue_qapp);
    std::printf("  (b): gst_init %.1f\n",
                mediane(serie(cas[1], QStringLiteral("gstreamer"))) -
                    mediane(serie(cas[1], QStringLiteral("qapplication"))));
    std::printf("aim: (c) <= 2x (a)\n");
    return 0;
}
