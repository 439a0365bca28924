// Deck load latency: RenderFile plus Duration, against a bare playbin preroll (the floor: what
// any GStreamer load costs) and GStreamer's discoverer, on the same files, interleaved after a
// warm-up. Our load is timed twice: with the remembered lengths forgotten ("first") and with
// them kept ("again"). The floor and the first load are also timed cold, the file evicted from
// the page cache just before (posix_fadvise DONTNEED). The discoverer's duration error is
// printed beside its time.
// Each fixture is made in a process of its own with a time limit (SONAVEL_BENCH_DELAI_S,
// default 300 s): a file not made in time is left out, with a message.
// Then the first load of a fresh process, the window thread's stall: our load without the
// start-up warm-up (as before it), at once after the warm-up starts, and once it has ended,
// beside a bare playbin's first preroll in a fresh process (GStreamer's initialisation
// included); each in its own process, a few rounds interleaved.
// SONAVEL_BENCH_TOURS sets the number of rounds (default 15). Prints figures; never fails on
// time.
#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <optional>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "platform/media.h"
#include "platform/media_mpeg.h"
#include "support/discoverer.h"
#include "support/fixtures.h"
#include "support/sonavel_test.h"

namespace {
struct Serie {
    std::vector<double> ms;
    double duree = 0;
    double mediane() {
        std::sort(ms.begin(), ms.end());
        return ms.empty() ? 0 : ms[ms.size() / 2];
    }
};

template <class Charger>
void chronometrer(Serie& s, Charger charger) {
    QElapsedTimer t;
    t.start();
    s.duree = charger();
    s.ms.push_back(t.nsecsElapsed() / 1e6);
}

// The file's pages leave the page cache: the next read comes from the disk.
void evincer(const QString& chemin) {
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

double charger_programme(const QString& chemin) {
    IMediaControl g = FilgraphManager::creer();
    g.RenderFile(chemin);
    return IMediaPosition(g).Duration();
}

// Runs this program again with the arguments, within the limit: its last line of output, or
// none (with a message naming what) when it failed or ran out of time.
std::optional<QByteArray> enfant(const QStringList& arguments, int delai_s, const QString& quoi) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), arguments);
    if (!p.waitForStarted(10000)) {
        std::printf("%s: left out, the child process did not start\n", qPrintable(quoi));
        return std::nullopt;
    }
    if (!p.waitForFinished(delai_s * 1000)) {
        p.kill();
        p.waitForFinished(5000);
        std::printf("%s: left out, not done within %d s (SONAVEL_BENCH_DELAI_S sets the limit)\n", qPrintable(quoi),
                    delai_s);
        return std::nullopt;
    }
    const QList<QByteArray> lignes = p.readAllStandardOutput().trimmed().split('\n');
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || lignes.last().isEmpty()) {
        std::printf("%s: left out, the child process failed (exit %d)\n", qPrintable(quoi), p.exitCode());
        return std::nullopt;
    }
    return lignes.last();
}

// In a child: makes one fixture and prints its path.
int fabriquer_fixture(const QStringList& a) {
    const QString genre = a.value(0);
    const double secondes = a.value(1).toDouble();
    QString chemin;
    if (genre == QStringLiteral("mp3"))
        chemin = fixtures::mp3(secondes,
                               a.value(2) == QStringLiteral("vbr") ? fixtures::Debit::Variable : fixtures::Debit::Constant,
                               a.value(3) == QStringLiteral("xing"));
    else if (genre == QStringLiteral("wav"))
        chemin = fixtures::wav(secondes);
    else
        chemin = fixtures::wma(secondes);
    std::printf("%s\n", QFile::encodeName(chemin).constData());
    return 0;
}

// In a child, a fresh process: the window thread's time in its first load, in ms. "plancher": a
// bare playbin's first preroll, GStreamer's initialisation included; "sans": our load, no
// warm-up; "aussitot": the warm-up started just before; "apres": the load once the warm-up
// has ended (its own time printed first).
int premier_chargement(const QString& mode, const QString& chemin) {
    QElapsedTimer t;
    if (mode == QStringLiteral("plancher")) {
        t.start();
        gst_init(nullptr, nullptr);
        gchar* uri = gst_filename_to_uri(QFile::encodeName(chemin).constData(), nullptr);
        sonavel_bench::preroll_playbin(QString::fromUtf8(uri));
        g_free(uri);
        std::printf("%.1f\n", t.nsecsElapsed() / 1e6);
        return 0;
    }
    if (mode != QStringLiteral("sans")) {
        t.start();
        FilgraphManager::prechauffer_en_fond();
        if (mode == QStringLiteral("apres")) {
            while (!FilgraphManager::prechauffage_fini() && t.elapsed() < 60000) QThread::msleep(1);
            std::printf("%.1f\n", t.nsecsElapsed() / 1e6);
        }
    }
    t.start();
    charger_programme(chemin);
    std::printf("%.1f\n", t.nsecsElapsed() / 1e6);
    return 0;
}

double decouvrir(GstDiscoverer* d, const QString& uri) {
    GstDiscovererInfo* info = gst_discoverer_discover_uri(d, uri.toUtf8().constData(), nullptr);
    const double s = info ? double(gst_discoverer_info_get_duration(info)) / GST_SECOND : -1;
    if (info) g_object_unref(info);
    return s;
}
}  // namespace

int main(int argc, char** argv) {
    // The children read the plugin list this process writes, as a program finds the one a
    // previous run left.
    const bool racine = argc < 2;
    sonavel_test::preparer_environnement();
    if (racine && qEnvironmentVariableIsEmpty("GST_REGISTRY"))
        qputenv("GST_REGISTRY", qgetenv("XDG_CACHE_HOME") + "/gst-registry.bin");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.value(0) == QStringLiteral("--premier"))
        return premier_chargement(arguments.value(1), arguments.value(2));
    gst_init(nullptr, nullptr);
    if (arguments.value(0) == QStringLiteral("--fixture")) return fabriquer_fixture(arguments.mid(1));
    const int delai_s = qEnvironmentVariableIntValue("SONAVEL_BENCH_DELAI_S") > 0
                            ? qEnvironmentVariableIntValue("SONAVEL_BENCH_DELAI_S")
                            : 300;
    GstDiscoverer* discoverer = gst_discoverer_new(20 * GST_SECOND, nullptr);
    const int tours = qEnvironmentVariableIntValue("SONAVEL_BENCH_TOURS") > 0
                          ? qEnvironmentVariableIntValue("SONAVEL_BENCH_TOURS")
                          : 15;

    struct Fichier {
        Fichier(QString n, QString c) : nom(std::move(n)), chemin(std::move(c)) {}
        QString nom;
        QString chemin;
        Serie plancher, premier, encore, disc, plancher_froid, premier_froid, parcours;
        double exacte = 0;
    };
    std::vector<Fichier> fichiers;
    const auto ajouter = [&](const QString& nom, const QStringList& fixture) {
        const QDateTime debut = QDateTime::currentDateTime().addSecs(-1);
        if (auto chemin = enfant(QStringList{QStringLiteral("--fixture")} + fixture, delai_s, nom)) {
            fichiers.emplace_back(nom, QFile::decodeName(*chemin));
            return;
        }
        // The half-made file of a stopped child goes.
        const QDir d(fixtures::dossier());
        for (const QFileInfo& i : d.entryInfoList({QStringLiteral("*.tmp")}, QDir::Files))
            if (i.lastModified() >= debut) QFile::remove(i.absoluteFilePath());
    };
    for (int minutes : {3, 60, 120})
        for (bool xing : {true, false})
            ajouter(QString("MP3 CBR %1 min, %2").arg(minutes).arg(xing ? "Xing" : "no header"),
                    {"mp3", QString::number(minutes * 60), "cbr", xing ? "xing" : "nu"});
    ajouter("MP3 VBR 3 min, no header", {"mp3", "180", "vbr", "nu"});
    ajouter("WAV 3 min", {"wav", "180"});
    ajouter("WMA 3 min", {"wma", "180"});

    // Warm-up: every file read once (page cache), every plugin loaded; the exact lengths.
    for (Fichier& f : fichiers) {
        const auto somme = media_mpeg::duree_fichier(f.chemin);  // MP3: the frame sum
        f.exacte = somme ? *somme : charger_programme(f.chemin);
        gchar* uri = gst_filename_to_uri(QFile::encodeName(f.chemin).constData(), nullptr);
        sonavel_bench::preroll_playbin(QString::fromUtf8(uri));
        decouvrir(discoverer, uri);
        g_free(uri);
    }

    for (int i = 0; i < tours; ++i) {
        for (Fichier& f : fichiers) {
            gchar* brut = gst_filename_to_uri(QFile::encodeName(f.chemin).constData(), nullptr);
            const QString uri = QString::fromUtf8(brut);
            g_free(brut);
            chronometrer(f.plancher, [&] { return sonavel_bench::preroll_playbin(uri); });
            media_mpeg::oublier_durees();
            chronometrer(f.premier, [&] { return charger_programme(f.chemin); });
            // A walk the first load left running finishes before the file is loaded again.
            QElapsedTimer attente;
            attente.start();
            while (f.chemin.endsWith(".mp3") && !media_mpeg::duree_rapide(f.chemin) && attente.elapsed() < 30000)
                QThread::msleep(5);
            chronometrer(f.encore, [&] { return charger_programme(f.chemin); });
            chronometrer(f.disc, [&] { return decouvrir(discoverer, uri); });
            // The frame walk alone, on this thread: what a load of MPEG audio without a
            // header runs beside the preroll.
            if (f.chemin.endsWith(".mp3"))
                chronometrer(f.parcours, [&] { return media_mpeg::duree_parcours(f.chemin).value_or(-1); });
            evincer(f.chemin);
            chronometrer(f.plancher_froid, [&] { return sonavel_bench::preroll_playbin(uri); });
            media_mpeg::oublier_durees();
            evincer(f.chemin);
            chronometrer(f.premier_froid, [&] { return charger_programme(f.chemin); });
            attente.restart();
            while (f.chemin.endsWith(".mp3") && !media_mpeg::duree_rapide(f.chemin) && attente.elapsed() < 30000)
                QThread::msleep(5);
        }
    }

    std::printf("Deck load (RenderFile + Duration), %d interleaved rounds after a warm-up, audio sink %s\n",
                tours, qgetenv("SONAVEL_AUDIO_SINK").constData());
    std::printf("%-26s %9s %9s %9s %7s %7s %9s %11s %10s %10s %10s %7s %9s\n", "file (medians)", "floor", "first",
                "again", "first/f", "again/f", "discov.", "disc. error", "length s", "cold floor", "cold first",
                "ratio", "walk");
    for (Fichier& f : fichiers) {
        const double plancher = f.plancher.mediane(), premier = f.premier.mediane(),
                     encore = f.encore.mediane(), disc = f.disc.mediane(), pf = f.plancher_froid.mediane(),
                     premf = f.premier_froid.mediane();
        std::printf("%-26s %7.1fms %7.1fms %7.1fms %7.2f %7.2f %7.1fms %+10.3fs %10.3f %8.1fms %8.1fms %7.2f %7.1fms\n",
                    qPrintable(f.nom), plancher, premier, encore, premier / plancher, encore / plancher,
                    disc, f.disc.duree - f.exacte, f.exacte, pf, premf, premf / pf, f.parcours.mediane());
    }
    std::printf("floor = bare playbin preroll; first = our load with remembered lengths forgotten; "
                "again = the same file loaded again; length = our duration (the frame sum for MP3); "
                "cold = the file evicted from the page cache just before; walk = the frame walk alone (MP3)\n");

    // The walk on a slow disk (10 MB/s): the load returns with an estimate, the exact length
    // follows. What is slowed: only our own read of the file (the frame sum); GStreamer's
    // preroll reads the disk at its real speed, from a file evicted from the page cache first.
    std::printf("Slowed disk: only our own frame-sum read is held to 10 MB/s; GStreamer's read is not slowed "
                "(the file is evicted from the page cache before each load)\n");
    media_mpeg::brider_lecture(10 * 1000 * 1000);
    for (const Fichier& f : fichiers) {
        if (!f.nom.contains("no header") || !f.nom.contains("60")) continue;
        media_mpeg::oublier_durees();
        evincer(f.chemin);
        QElapsedTimer t;
        t.start();
        IMediaControl g = FilgraphManager::creer();
        g.RenderFile(f.chemin);
        const double charge = t.nsecsElapsed() / 1e6, estimation = IMediaPosition(g).Duration();
        while (IMediaPosition(g).Duration() != f.exacte && t.elapsed() < 60000) QThread::msleep(5);
        std::printf("%s on a 10 MB/s disk: load returns in %.1f ms (length %.3f s), exact length "
                    "%.3f s after %.1f s\n",
                    qPrintable(f.nom), charge, estimation, IMediaPosition(g).Duration(), t.elapsed() / 1e3);
    }
    media_mpeg::brider_lecture(0);
    g_object_unref(discoverer);

    // The first load of a fresh process.
    const auto premier = std::find_if(fichiers.begin(), fichiers.end(),
                                      [](const Fichier& f) { return f.nom == "MP3 VBR 3 min, no header"; });
    if (premier != fichiers.end()) {
        Serie plancher, sans, aussitot, apres;
        const int manches = std::max(3, tours / 3);
        for (int i = 0; i < manches; ++i) {
            for (const char* mode : {"plancher", "sans", "aussitot", "apres"}) {
                auto sortie = enfant({QStringLiteral("--premier"), QLatin1String(mode), premier->chemin}, 120,
                                     QStringLiteral("first load (%1)").arg(QLatin1String(mode)));
                if (!sortie) continue;
                const QString m = QLatin1String(mode);
                (m == "plancher" ? plancher : m == "sans" ? sans : m == "aussitot" ? aussitot : apres)
                    .ms.push_back(sortie->toDouble());
            }
        }
        std::printf("First load of a fresh process (%s), window thread held, medians of %d processes each:\n",
                    qPrintable(premier->nom), manches);
        const double p = plancher.mediane();
        std::printf("  floor: bare playbin's first preroll, gst_init included   %8.1f ms\n", p);
        for (auto [nom, s] : {std::pair<const char*, Serie*>{"our load, no warm-up (as before)", &sans},
                              {"our load at once, warm-up just started", &aussitot},
                              {"our load once the warm-up has ended", &apres}})
            std::printf("  %-56s %8.1f ms  %6.2f x floor\n", nom, s->mediane(), p > 0 ? s->mediane() / p : 0.0);
    }
    return 0;
}
