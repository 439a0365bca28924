// How far from its mix point each hand-over of deck-to-deck mix falls, over a run of ten short
// generated files on the real media layer, for two supervision intervals. The hand-over is
// tested once per tick on whole seconds, so the figure to compare is the tick interval.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "config/etat.h"
#include "platform/conversions.h"
#include "support/fixtures.h"
#include "support/sonavel_test.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
// Milliseconds between each hand-over and its mix point, read on the outgoing deck.
std::vector<double> une_serie(const QStringList& fichiers, int intervalle_ms) {
    sonavel_test::nouveau_programme();
    Radio_FM& f = Radio_FM::instance();
    Valeur_vitesse_timer = int16_t(intervalle_ms);
    Forcer_Mix_Jingles = 2;
    valeur_max_jingles = 30;
    std::vector<double> ecarts;
    int suivant = 2;  // the next file to put on a deck
    f.Timer2.Tick = [&] {
        const int avant = lecteur_en_cours;
        if (avant < 1 || avant > 3) return f.Timer2_Timer();
        ControlesLecteur d = f.deck(avant);
        const double position = d.lecteur.position.CurrentPosition();
        const double mix = rt::CInt(d.duree.Caption()) - superposition;
        f.Timer2_Timer();
        if (lecteur_en_cours == avant) return;
        ecarts.push_back((position - mix) * 1000.0);
        // The deck after the new one gets the next file of the run.
        f.deck(lecteur_suivant(lecteur_en_cours)).chemin = suivant < fichiers.size() ? fichiers[suivant++] : QString();
    };
    chemin_lecteur1 = fichiers[0];
    chemin_lecteur2 = fichiers[1];
    f.Command3_Click();
    QElapsedTimer t;
    t.start();
    while (int(ecarts.size()) < fichiers.size() - 1 && t.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    f.Timer2.setEnabled(false);
    return ecarts;
}

void afficher(int intervalle_ms, std::vector<double> ecarts) {
    if (ecarts.empty()) {
        std::printf("tick %4d ms: no hand-over\n", intervalle_ms);
        return;
    }
    double somme = 0;
    for (double& e : ecarts) {
        somme += e;
        e = std::fabs(e);
    }
    std::sort(ecarts.begin(), ecarts.end());
    const size_t n = ecarts.size();
    const double mediane = n % 2 ? ecarts[n / 2] : (ecarts[n / 2 - 1] + ecarts[n / 2]) / 2;
    // A negative mean: the hand-over comes early (a position rounds to the mix second from
    // half a second before it).
    std::printf("tick %4d ms: %zu hand-overs, distance from the mix point: median %6.1f ms, max %6.1f ms, "
                "mean signed %+7.1f ms\n",
                intervalle_ms, n, mediane, ecarts.back(), somme / double(n));
}
}  // namespace

int main(int argc, char** argv) {
    sonavel_test::preparer_environnement();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sonavel_V5"));
    QStringList fichiers;
    for (int i = 0; i < 10; ++i) fichiers << fixtures::mp3(4.0 + 0.1 * i);
    for (int intervalle : {1000, 250}) afficher(intervalle, une_serie(fichiers, intervalle));
    return 0;
}
