// The playlist's information update of a 300-file list (MP3 constant and variable rate,
// tagged or not, and WAV), in files per second: the file check alone, then the update without
// its check, with no length remembered, interleaved twice with its floor (a bare playbin
// preroll of the same files) and the ratio per file; then again with the lengths remembered,
// and gst-discoverer-1.0. Each command is timed from its start to its end (it runs on a
// worker: the bench waits for the end, within a limit). Then the update on a slowed disk
// (5 MB/s for our own frame count's reading; GStreamer's reads are not slowed) of a few files
// and two long ones whose count takes over 20 s: its time, the longest the window thread went
// without turning its event loop, and the files reported unreadable. Prints figures only.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "config/etat.h"
#include "platform/media_mpeg.h"
#include "platform/mesure.h"
#include "platform/travail.h"
#include "playlist/travail_liste.h"
#include "support/discoverer.h"
#include "support/fixtures.h"
#include "support/repondeur.h"
#include "support/suivi_boucle.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

namespace {
constexpr int kFichiers = 300;

void remplir(Liste_son& l, const QStringList& chemins) {
    l.ListView1.Clear();
    for (const QString& c : chemins) l.ListView1.AddItem(c);
    l.sauve_tout();
}

// Waits for the list's long work to end, its closing boxes answered; stops the bench past
// the limit.
void attendre_fin(int limite_s) {
    QElapsedTimer t;
    t.start();
    while (travail::en_cours() > 0 || travail_liste::occupe()) {
        if (t.elapsed() > limite_s * 1000LL) {
            std::printf("the list's work did not end within %d s: stopped\n", limite_s);
            std::exit(1);
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
}
}  // namespace

int main(int argc, char** argv) {
    sonavel_test::preparer_environnement();
    QApplication app(argc, argv);
    sonavel_test::nouveau_programme();
    QTemporaryDir racine;
    const QString sources[] = {fixtures::mp3(30), fixtures::mp3(180), fixtures::mp3(60, fixtures::Debit::Variable),
                               fixtures::mp3(120, fixtures::Debit::Variable, true), fixtures::wav(20)};
    QStringList chemins;
    for (int i = 0; i < kFichiers; ++i) {
        const QString& s = sources[i % 5];
        const QString c = racine.filePath(QStringLiteral("piste_%1.%2").arg(i, 4, 10, QLatin1Char('0')).arg(
            s.endsWith(QLatin1String(".wav")) ? "wav" : "mp3"));
        QFile::copy(s, c);
        if (i % 2 == 0 && c.endsWith(QLatin1String(".mp3"))) {
            QFile f(c);
            f.open(QIODevice::Append);
            f.write(QByteArray("TAG").leftJustified(127, '\0') + char(17));
        }
        chemins << c;
    }

    Liste_son& l = Liste_son::instance();
    QElapsedTimer t;

    remplir(l, chemins);
    {
        Repondeur r;
        r.attendre_message();
        t.start();
        l.prechar_Click();
        attendre_fin(600);
    }
    const double verif_s = t.nsecsElapsed() / 1e9;
    std::printf("File check of %d entries: %.2f s, %.0f entries/s\n", kFichiers, verif_s, kFichiers / verif_s);

    Radio::maj_sans_prechargement = Vrai;
    auto mise_a_jour = [&](const char* tour) {
        remplir(l, chemins);
        Repondeur r;
        r.attendre_message(boites::Non);
        t.restart();
        l.a_mettre_a_jour_liste_Click();
        attendre_fin(1800);
        const double s = t.nsecsElapsed() / 1e9;
        std::printf("Information update of %d files, %s: %.2f s, %.1f files/s (last row: %s, %s)\n", kFichiers, tour,
                    s, kFichiers / s, qPrintable(l.ListView1.ListItem(kFichiers)->text(2)),
                    qPrintable(l.ListView1.ListItem(kFichiers)->text(5)));
        Radio_FM::instance().Timer1.setEnabled(false);
        Radio_FM::instance().Timer4.setEnabled(false);
        return s;
    };
    for (int tour = 1; tour <= 2; ++tour) {
        const double plancher = sonavel_bench::imprimer_plancher(chemins);
        media_mpeg::oublier_durees();
        const double s = mise_a_jour("no length remembered");
        std::printf("Round %d: update %.1f ms per file, bare preroll %.1f ms per file: %.2fx (aim <= 1.5x)\n", tour,
                    s * 1000 / kFichiers, plancher * 1000 / kFichiers, s / plancher);
    }
    mise_a_jour("lengths remembered");
    {
        // The measurement alone, on a thread, as the update's worker runs it: what the list's
        // work adds is the difference.
        media_mpeg::oublier_durees();
        t.restart();
        std::thread([&] {
            for (const QString& c : chemins) mesure::mesurer(c);
        }).join();
        const double s = t.nsecsElapsed() / 1e9;
        std::printf("mesure::mesurer alone on a thread, no length remembered: %.1f ms per file\n", s * 1000 / kFichiers);
    }
    sonavel_bench::imprimer_discoverer(chemins);

    // The slowed disk: every length counted again, at 5 MB/s.
    QStringList lents;
    for (int i = 0; i < 8; ++i) lents << chemins[i];
    const QString longue = fixtures::mp3(7200);
    for (int i = 0; i < 2; ++i) {
        const QString c = racine.filePath(QStringLiteral("longue_%1.mp3").arg(i));
        QFile::copy(longue, c);
        lents << c;
    }
    media_mpeg::oublier_durees();
    media_mpeg::brider_lecture(5 * 1000 * 1000);
    remplir(l, lents);
    Radio::maj_sans_prechargement = Vrai;
    {
        // The unreadable-file notice comes only when a file failed.
        sonavel_test::CaptureEchecs imprevues;
        Repondeur r;
        SuiviBoucle suivi(1);
        t.restart();
        l.a_mettre_a_jour_liste_Click();
        attendre_fin(1800);
        const double s = t.nsecsElapsed() / 1e9;
        int echecs = 0;
        for (int i = 1; i <= l.ListView1.ListCount(); ++i)
            if (l.ListView1.ListItem(i)->text(4) != QLatin1String("100")) ++echecs;
        std::printf("Information update of %d files (two of 2 h) on a 5 MB/s disk: %.2f s, longest event gap on the "
                    "window thread %.0f ms, %d reported unreadable\n",
                    int(lents.size()), s, suivi.plus_long_ecart_ms(), echecs);
    }
    media_mpeg::brider_lecture(0);
    Radio_FM::instance().Timer1.setEnabled(false);
    Radio_FM::instance().Timer4.setEnabled(false);
    return 0;
}
