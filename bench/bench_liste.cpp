// Figures for the playlist window's list file: opening a list into the view and rewriting it
// (sauve_tout), beside reading the same bytes raw and writing them two ways: a plain write
// (open, write, close: the floor) and the safe write (temporary file, fsync, rename, which
// sauve_tout uses), at several sizes so that a step growing faster than the rows shows. Then
// the file check of 10,000 and 100,000 rows with no entry missing and with 50 missing, from
// the command to its end, beside its floor: a plain C loop that stats each file.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "platform/travail.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/travail_liste.h"
#include "support/liste_exemple.h"
#include "support/repondeur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

namespace {
double ms(qint64 ns) { return double(ns) / 1e6; }

// Waits for the list's long work to end, its closing box answered; false past the limit.
bool attendre_fin(int limite_s) {
    QElapsedTimer t;
    t.start();
    while (travail::en_cours() > 0 || travail_liste::occupe()) {
        if (t.elapsed() > limite_s * 1000LL) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// The file check, interleaved with its floor at each size.
void banc_verification(const QTemporaryDir& dir) {
    const QString musique = dir.filePath(QStringLiteral("musique"));
    QDir().mkpath(musique);
    for (int i = 0; i < 1000; ++i) QFile(musique + QStringLiteral("/piste_%1.mp3").arg(i)).open(QIODevice::WriteOnly);
    std::printf("%8s %8s %12s %14s %8s\n", "rows", "missing", "file check", "floor (stat)", "ratio");
    for (int lignes : {10000, 100000}) {
        for (int manquants : {0, 50}) {
            QStringList chemins;
            for (int i = 0; i < lignes; ++i) {
                const bool absent = manquants && i % (lignes / manquants) == lignes / manquants / 2;
                chemins << musique + (absent ? QStringLiteral("/absent_%1.mp3").arg(i)
                                             : QStringLiteral("/piste_%1.mp3").arg(i % 1000));
            }
            // The floor: the same paths, one stat each, in C.
            std::vector<QByteArray> c;
            for (const QString& chemin : chemins) c.push_back(QFile::encodeName(chemin));
            QElapsedTimer t;
            t.start();
            int presents = 0;
            for (const QByteArray& b : c) {
                struct stat st;
                if (::stat(b.constData(), &st) == 0 && S_ISREG(st.st_mode)) ++presents;
            }
            const double plancher = t.nsecsElapsed() / 1e9;

            Liste_son::decharger();
            Liste_son& l = Liste_son::instance();
            for (const QString& chemin : chemins) l.ListView1.AddItem(chemin);
            // The first save of rows just added fills every cell of the view.
            t.restart();
            l.sauve_tout();
            const double premiere = t.nsecsElapsed() / 1e9;
            // The list is on screen when the user asks for the check: its first layout is not
            // the check's.
            l.show();
            QCoreApplication::processEvents();
            Repondeur r;
            r.attendre_message();
            t.restart();
            l.prechar_Click();
            if (!attendre_fin(600)) {
                std::printf("file check of %d rows: no end after 600 s, stopped\n", lignes);
                std::exit(1);
            }
            const double s = t.nsecsElapsed() / 1e9;
            // What the one write of the list at the end costs, alone.
            t.restart();
            l.sauve_tout();
            const double ecriture = t.nsecsElapsed() / 1e9;
            std::printf("%8d %8d %10.3f s %12.3f s %7.2fx   (of which the list's write %.3f s; %d rows left, %d found "
                        "by stat; first save of the added rows %.3f s)\n",
                        lignes, manquants, s, plancher, s / plancher, ecriture, l.ListView1.ListCount(), presents,
                        premiere);
        }
    }
    std::printf("aim: file check <= 3x the stat loop\n");
}

// The floor of a safe save, in plain C: write a temporary file, fsync it, rename it over the
// list, fsync the folder.
qint64 ecriture_sure_en_c(const QByteArray& dossier, const QByteArray& octets) {
    const QByteArray provisoire = dossier + "/.plancher.tmp", final = dossier + "/plancher.dfm";
    QElapsedTimer t;
    t.start();
    const int fd = ::open(provisoire.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const char* p = octets.constData();
    size_t reste = size_t(octets.size());
    while (fd >= 0 && reste > 0) {
        const ssize_t n = ::write(fd, p, reste);
        if (n <= 0) break;
        p += n;
        reste -= size_t(n);
    }
    ::fsync(fd);
    ::close(fd);
    ::rename(provisoire.constData(), final.constData());
    const int d = ::open(dossier.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(d);
    ::close(d);
    return t.nsecsElapsed();
}

double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// sauve_tout of a long list beside the plain C safe write of the same bytes, runs interleaved.
// The aim: at most 2x the floor, at 10,000 and 100,000 rows alike (linear in rows).
void sauve_tout_contre_c(const QTemporaryDir& dir, const QString& source) {
    std::printf("\n%8s %14s %16s %8s %14s\n", "rows", "sauve_tout", "C safe write", "ratio", "per row");
    for (int n : {10000, 100000}) {
        fichiers::reecrire_fichier(source, sonavel_test::liste_exemple(n));
        Liste_son::decharger();
        Liste_son& l = Liste_son::instance();
        l.A_liste_Click();
        QApplication::processEvents();
        const QByteArray octets = fichiers::lire_fichier(source);
        std::vector<double> sauve, plancher;
        for (int essai = 0; essai < 7; ++essai) {
            QElapsedTimer t;
            t.start();
            l.sauve_tout();
            sauve.push_back(ms(t.nsecsElapsed()));
            plancher.push_back(ms(ecriture_sure_en_c(QFile::encodeName(dir.path()), octets)));
        }
        const double s = mediane(sauve), c = mediane(plancher);
        std::printf("%8d %11.1f ms %13.1f ms %7.2fx %11.2f us\n", n, s, c, s / c, s * 1000.0 / n);
    }
    std::printf("aim: sauve_tout <= 2x the C safe write at 10k and 100k rows\n\n");
}
}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    programme::definir_dossier(dir.path() + QStringLiteral("/"));
    const QString source = dir.filePath("source.dfm");
    boites::definir_interception([&](const boites::Demande&) {
        boites::Reponse r;
        r.fichier = source;
        return r;
    });

    // "bench_liste sauve_tout" prints that row alone.
    if (argc > 1 && qstrcmp(argv[1], "sauve_tout") == 0) {
        sauve_tout_contre_c(dir, source);
        Liste_son::decharger();
        return 0;
    }
    std::printf("%8s %12s %12s %12s %12s %12s %14s\n", "rows", "raw read", "open", "plain write", "safe write",
                "sauve_tout", "open+save/1k");
    for (int n : {1000, 5000, 10000, 20000}) {
        fichiers::reecrire_fichier(source, sonavel_test::liste_exemple(n));
        QElapsedTimer t;
        t.start();
        const QByteArray octets = fichiers::lire_fichier(source);
        const qint64 lecture_brute = t.nsecsElapsed();

        Liste_son::decharger();
        Liste_son& l = Liste_son::instance();
        t.restart();
        l.A_liste_Click();
        QApplication::processEvents();
        const qint64 ouverture = t.nsecsElapsed();

        t.restart();
        {
            QFile simple(dir.filePath("simple.dfm"));
            simple.open(QIODevice::WriteOnly | QIODevice::Truncate);
            simple.write(octets);
        }
        const qint64 ecriture_simple = t.nsecsElapsed();
        t.restart();
        fichiers::reecrire_fichier(dir.filePath("brut.dfm"), octets);
        const qint64 ecriture_sure = t.nsecsElapsed();

        Radio::index_liste_en_cours = n / 2;
        t.restart();
        l.sauve_tout();
        QApplication::processEvents();
        const qint64 sauvegarde = t.nsecsElapsed();
        if (l.ListView1.ListCount() != n) std::printf("unexpected row count %d\n", l.ListView1.ListCount());

        std::printf("%8d %10.1f ms %9.1f ms %9.1f ms %9.1f ms %9.1f ms %11.2f ms\n", n, ms(lecture_brute),
                    ms(ouverture), ms(ecriture_simple), ms(ecriture_sure), ms(sauvegarde),
                    ms(ouverture + sauvegarde) / (n / 1000.0));
    }
    std::printf("aim at 10000 rows: open <= 300 ms, sauve_tout <= 150 ms\n");
    sauve_tout_contre_c(dir, source);

    banc_verification(dir);
    Radio_FM::instance().Timer1.setEnabled(false);
    Radio_FM::instance().Timer4.setEnabled(false);
    Liste_son::decharger();
    return 0;
}
