// A long list run in random order on the simulated graph and clock (one-second ticks): 10,000
// tracks of a 7-row list. Prints whether each cycle of the draw played every row once (a cycle
// is n tracks, the last of one cycle opening the next), whether any track started while the
// previous fade still ran, the largest history seen, resident memory at 1,000 and 10,000
// tracks, and the simulated tracks per second.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QSet>
#include <cstdio>

#include "automation/scene_liste.h"

using namespace Radio;

namespace {
// Resident memory from /proc/self/status, in kB.
long memoire_residente_ko() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:")) return ligne.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}
}  // namespace

int main(int argc, char** argv) {
    sonavel_test::preparer_environnement();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sonavel_V5"));
    constexpr int Lignes = 7;
    constexpr int Pistes = 10000;

    SceneListe s;
    QVector<SceneListe::Entree> entrees;
    for (int i = 1; i <= Lignes; ++i)
        entrees.append({s.fichier(QStringLiteral("piste%1.mp3").arg(i), 40), QStringLiteral("40.00")});
    s.liste(entrees);
    s.demarrer(true);

    // The rows played, kept compact so that the figures are the program's own memory.
    QHash<QString, int> ligne_de;
    for (int i = 0; i < Lignes; ++i) ligne_de.insert(entrees[i].chemin, i + 1);
    QVector<int8_t> p;
    p.reserve(Pistes);
    auto relever = [&] {
        for (const SceneListe::Depart& d : s.departs) p.append(int8_t(ligne_de.value(d.chemin)));
        s.departs.clear();
        s.chargements.clear();
    };
    relever();

    int fondus_en_cours = 0;
    int historique_max = 0;
    QElapsedTimer chrono;
    chrono.start();
    while (p.size() < Pistes) {
        const int avant = p.size();
        const bool fondu = s.f.Timer3.Interval() != 0;
        s.tic();
        relever();
        historique_max = qMax(historique_max, nb_index_tires);
        if (p.size() > avant && fondu) ++fondus_en_cours;
        if (p.size() >= 1000 && avant < 1000)
            std::printf("resident memory at  1,000 tracks: %ld kB\n", memoire_residente_ko());
        if (s.seconde > Pistes * 40) {
            std::printf("the run stopped after %d tracks\n", int(p.size()));
            return 1;
        }
    }
    const double secondes = chrono.elapsed() / 1000.0;
    std::printf("resident memory at 10,000 tracks: %ld kB\n", memoire_residente_ko());

    int cycles = 0, cycles_complets = 0, repetitions = 0;
    for (int debut = 0; debut + Lignes <= p.size(); debut += Lignes - 1) {
        const QVector<int8_t> c = p.mid(debut, Lignes);
        ++cycles;
        if (QSet<int8_t>(c.begin(), c.end()).size() == Lignes && !c.contains(0)) ++cycles_complets;
    }
    for (int i = 1; i < p.size(); ++i)
        if (p[i] == p[i - 1]) ++repetitions;
    std::printf("%d tracks of a %d-row list, %d simulated seconds\n", int(p.size()), Lignes, s.seconde);
    std::printf("cycles playing every row once: %d of %d; a row twice in a row: %d\n", cycles_complets, cycles,
                repetitions);
    std::printf("tracks started while a fade still ran: %d\n", fondus_en_cours);
    std::printf("largest history: %d (rows %d)\n", historique_max, Lignes);
    std::printf("%.0f simulated tracks per second (%.1f s)\n", p.size() / secondes, secondes);
    return 0;
}
