// Figures for the platform core: a 10 000-entry list of 418-byte records written safely, then
// read the way the program reads a list (one record file, record after record, each decoded
// into an entry) and one entry at a time (enreg_liste::lire opens the file for each); settings
// reads.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/enregistrements.h"
#include "platform/fichiers.h"
#include "platform/reglages.h"
#include "playlist/enregistrement_liste.h"
#include "support/liste_exemple.h"

int main(int argc, char** argv) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    QCoreApplication app(argc, argv);
    const int n = 10000;
    const QString liste = dir.filePath("liste.dfm");

    QElapsedTimer t;
    t.start();
    fichiers::reecrire_fichier(liste, sonavel_test::liste_exemple(n));
    const qint64 ecriture = t.nsecsElapsed();

    // The program's list load: one open, every record read and decoded in turn.
    t.restart();
    qint64 total = 0;
    {
        FichierEnregistrements f(liste, enreg_liste::Longueur, FichierEnregistrements::Acces::Lecture);
        const int nombre = f.nombre();
        for (int i = 1; i <= nombre; ++i) {
            const TypeEnregListe e = enreg_liste::decoder(f.lire(i));
            total += e.chemin.trimmed().size() + e.duree_piste.size() + e.volume;
        }
    }
    const qint64 lecture = t.nsecsElapsed();

    // One entry at a time, as a deck loads the entry it plays.
    t.restart();
    for (int i = 1; i <= 200; ++i) total += enreg_liste::lire(liste, i * 50).volume;
    const qint64 unitaire = t.nsecsElapsed() / 200;

    reglages::ecrire("Sonavel V5", "Config", "Mix", "6");
    t.restart();
    for (int i = 0; i < 10000; ++i) (void)reglages::lire("Sonavel V5", "config", "MIX");
    const qint64 reglage = t.nsecsElapsed() / 10000;

    std::printf("list of %d records: safe rewrite %.1f ms, load and decode (record after record) %.1f ms "
                "(checksum %lld)\n",
                n, ecriture / 1e6, lecture / 1e6, static_cast<long long>(total));
    std::printf("one entry read (enreg_liste::lire, file opened each time): %.1f us\n", unitaire / 1e3);
    std::printf("one settings read: %.2f us\n", reglage / 1e3);
    return 0;
}
