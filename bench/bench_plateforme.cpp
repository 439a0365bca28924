// Figures for the platform core: loading a 10 000-entry list of 418-byte records and
// decoding its fields, rewriting it safely, and reading settings.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/enregistrements.h"
#include "platform/fichiers.h"
#include "platform/reglages.h"

int main(int argc, char** argv) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    QCoreApplication app(argc, argv);
    const int n = 10000, longueur = 418;
    const QString liste = dir.filePath("liste.dfm");

    QElapsedTimer t;
    t.start();
    fichiers::reecrire_fichier(liste, [&](QIODevice& d) {
        for (int i = 1; i <= n; ++i) {
            QByteArray e;
            champ::ecrire_texte(e, 0, 200, QStringLiteral("/musique/été/titre numéro %1.mp3").arg(i));
            champ::ecrire_texte(e, 200, 100, QStringLiteral("0.00"));
            champ::ecrire_texte(e, 300, 100, QStringLiteral("divers"));
            champ::ecrire_entier16(e, 400, 100);
            champ::ecrire_reel64(e, 402, 0.1);
            champ::ecrire_texte(e, 410, 8, QStringLiteral("00:03:25"));
            d.write(e);
        }
    });
    const qint64 ecriture = t.nsecsElapsed();

    t.restart();
    qint64 total = 0;
    FichierEnregistrements f(liste, longueur, FichierEnregistrements::Acces::Lecture);
    for (const QByteArray& e : f.lire_tout()) {
        total += champ::lire_texte(e, 0, 200).size() + champ::lire_texte(e, 300, 100).size() +
                 champ::lire_texte(e, 410, 8).size() + champ::lire_entier16(e, 400);
    }
    const qint64 lecture = t.nsecsElapsed();

    t.restart();
    for (int i = 1; i <= 200; ++i) (void)f.lire(i * 50);
    const qint64 unitaire = t.nsecsElapsed() / 200;

    reglages::ecrire("Sonavel V5", "Config", "Mix", "6");
    t.restart();
    for (int i = 0; i < 10000; ++i) (void)reglages::lire("Sonavel V5", "config", "MIX");
    const qint64 reglage = t.nsecsElapsed() / 10000;

    std::printf("list of %d records: safe rewrite %.1f ms, load and decode %.1f ms (%lld chars)\n", n,
                ecriture / 1e6, lecture / 1e6, static_cast<long long>(total));
    std::printf("one record read: %.1f us\n", unitaire / 1e3);
    std::printf("one settings read: %.2f us\n", reglage / 1e3);
    return 0;
}
