// Figures for the playlist window's list file: opening a list into the view and rewriting it
// (sauve_tout), beside reading and writing the same bytes raw (the floor), at several sizes so
// that a step growing faster than the rows shows.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "support/liste_exemple.h"
#include "windows/Liste_son.h"

namespace {
double ms(qint64 ns) { return double(ns) / 1e6; }
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

    std::printf("%8s %12s %12s %12s %12s %14s\n", "rows", "raw read", "open", "raw write", "sauve_tout",
                "open+save/1k");
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
        fichiers::reecrire_fichier(dir.filePath("brut.dfm"), octets);
        const qint64 ecriture_brute = t.nsecsElapsed();

        Radio::index_liste_en_cours = n / 2;
        t.restart();
        l.sauve_tout();
        QApplication::processEvents();
        const qint64 sauvegarde = t.nsecsElapsed();
        if (l.ListView1.ListCount() != n) std::printf("unexpected row count %d\n", l.ListView1.ListCount());

        std::printf("%8d %10.1f ms %9.1f ms %9.1f ms %9.1f ms %11.2f ms\n", n, ms(lecture_brute), ms(ouverture),
                    ms(ecriture_brute), ms(sauvegarde), ms(ouverture + sauvegarde) / (n / 1000.0));
    }
    std::printf("aim at 10000 rows: open <= 300 ms, sauve_tout <= 150 ms\n");
    Liste_son::decharger();
    return 0;
}
