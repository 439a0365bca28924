// Deck volume: sliders, step buttons, the stored entry volume and the special-mix lowering.
#include "config/etat.h"
#include "decks/commun.h"
#include "support/graphe_simule.h"
#include "support/sonavel_test.h"
#include "windows/Radio_FM.h"

namespace {
// Deck n holding a rendered file with sound.
void charger(Radio_FM& f, int n) {
    TypeLecteur& l = f.deck(n).lecteur;
    decks::nouveau_graphe(l);
    l.graphe.RenderFile(QStringLiteral("/son.mp3"));
}
int niveau(Radio_FM& f, int n) { return f.deck(n).lecteur.graphe.objet()->Volume(); }
}  // namespace

class TestVolume : public QObject {
    Q_OBJECT
    std::unique_ptr<GrapheSimule::Installation> m_simule;

private slots:
    void init() {
        sonavel_test::nouveau_programme();
        m_simule = std::make_unique<GrapheSimule::Installation>();
        GrapheSimule::definir(QStringLiteral("/son.mp3"), 200);
        GrapheSimule::definir(QStringLiteral("/muet.avi"), 200, false, true);
    }
    void cleanup() { m_simule.reset(); }

    void curseur_data() {
        QTest::addColumn<int>("deck");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("pourcent");
        QTest::newRow("deck 1 loudest") << 1 << 0 << 0 << "100";
        QTest::newRow("deck 1 v=7") << 1 << 7 << -1400 << "65";
        QTest::newRow("deck 2 v=5") << 2 << 5 << -1000 << "75";
        QTest::newRow("deck 3 silent") << 3 << 20 << -4000 << "0";
    }
    void curseur() {
        QFETCH(int, deck);
        QFETCH(int, v);
        QFETCH(int, niveau);
        QFETCH(QString, pourcent);
        Radio_FM& f = Radio_FM::instance();
        charger(f, deck);
        f.Label11.setCaption(QStringLiteral("avant"));
        f.deck(deck).volume.setValue(v == 0 ? 1 : 0);  // so that the value below is a change
        f.deck(deck).volume.setValue(v);
        QCOMPARE(::niveau(f, deck), niveau);
        QCOMPARE(int(Radio::enreg_destinataire.volume), niveau);
        QCOMPARE(f.deck(deck).pourcent.Caption(), pourcent + QLatin1Char('%'));
        QCOMPARE(f.deck(deck).volume.toolTip(), QStringLiteral("Volume %") + pourcent);
        // Only deck 1 shows its level read back.
        QCOMPARE(f.Label11.Caption(), deck == 1 ? QString::number(niveau) : QStringLiteral("avant"));
    }

    void curseur_sans_fichier_ou_sans_son() {
        Radio_FM& f = Radio_FM::instance();
        Radio::enreg_destinataire.volume = -600;
        f.Slider1.setValue(4);  // no graph on deck 2
        QCOMPARE(f.Label22.Caption(), QStringLiteral("80%"));
        QCOMPARE(f.Slider1.toolTip(), QStringLiteral("Volume %80"));
        QCOMPARE(int(Radio::enreg_destinataire.volume), -600);
        // A graph without sound refuses the level: the text follows the slider, nothing else.
        decks::nouveau_graphe(f.lecteur3);
        f.lecteur3.graphe.RenderFile(QStringLiteral("/muet.avi"));
        f.Slider2.setValue(6);
        QCOMPARE(f.Label23.Caption(), QStringLiteral("70%"));
        QCOMPARE(int(Radio::enreg_destinataire.volume), -600);
    }

    void clic_et_appui_rafraichissent_le_texte() {
        Radio_FM& f = Radio_FM::instance();
        f.Label21.setCaption(QString());
        f.Slider.Click();
        QCOMPARE(f.Label21.Caption(), QStringLiteral("100%"));
        f.Label22.setCaption(QString());
        f.Slider1.MouseDown(1, 0, 3, 3);
        QCOMPARE(f.Label22.Caption(), QStringLiteral("100%"));
    }

    void boutons_pas() {
        Radio_FM& f = Radio_FM::instance();
        charger(f, 1);
        const struct {
            OwnerDrawnButton& bouton;
            ::Slider& curseur;
            int pas;
        } boutons[] = {{f.AnyButton1, f.Slider, -1},  {f.AnyButton2, f.Slider, +1},  {f.AnyButton3, f.Slider1, -1},
                       {f.AnyButton5, f.Slider1, +1}, {f.AnyButton4, f.Slider2, -1}, {f.AnyButton6, f.Slider2, +1}};
        for (const auto& b : boutons) {
            b.curseur.setValue(10);
            b.bouton.click();
            QCOMPARE(b.curseur.Value(), 10 + b.pas);
        }
        QCOMPARE(niveau(f, 1), -2200);  // deck 1 quieter by one from 10, applied through its slider
        // The bounds hold.
        f.Slider.setValue(0);
        f.AnyButton1_Click();
        QCOMPARE(f.Slider.Value(), 0);
        f.Slider2.setValue(20);
        f.AnyButton6_Click();
        QCOMPARE(f.Slider2.Value(), 20);
    }

    void volume_enregistre_data() {
        QTest::addColumn<int>("deck");
        QTest::addColumn<int>("stocke");
        QTest::addColumn<int>("curseur_avant");
        QTest::addColumn<int>("curseur");
        QTest::addColumn<int>("niveau");
        QTest::newRow("-800 on deck 2") << 2 << -800 << 0 << 4 << -800;
        QTest::newRow("-4000") << 1 << -4000 << 0 << 20 << -4000;
        QTest::newRow("-500 halves to even") << 3 << -500 << 0 << 2 << -400;
        QTest::newRow("-300 slider moves") << 1 << -300 << 0 << 2 << -400;
        QTest::newRow("-300 slider already there") << 1 << -300 << 2 << 2 << -300;
        // Full level shows as full level.
        QTest::newRow("0") << 2 << 0 << 7 << 0 << 0;
        QTest::newRow("a percent left unconverted") << 3 << 12 << 3 << 0 << 0;
        QTest::newRow("below the scale") << 1 << -6000 << 0 << 20 << -4000;
    }
    void volume_enregistre() {
        QFETCH(int, deck);
        QFETCH(int, stocke);
        QFETCH(int, curseur_avant);
        QFETCH(int, curseur);
        QFETCH(int, niveau);
        Radio_FM& f = Radio_FM::instance();
        f.deck(deck).volume.setValue(curseur_avant);
        charger(f, deck);
        Radio::enreg_destinataire.volume = int16_t(stocke);
        void (Radio_FM::*lire[])() = {&Radio_FM::A_lire_volume, &Radio_FM::A_lire_volume1, &Radio_FM::A_lire_volume2};
        (f.*lire[deck - 1])();
        QCOMPARE(f.deck(deck).volume.Value(), curseur);
        QCOMPARE(::niveau(f, deck), niveau);
        QCOMPARE(f.deck(deck).pourcent.Caption(), QString::number(100 - 5 * curseur) + QLatin1Char('%'));
    }

    void volume_enregistre_sans_effet() {
        Radio_FM& f = Radio_FM::instance();
        Radio::enreg_destinataire.volume = -800;
        f.A_lire_volume();  // no graph on deck 1
        QCOMPARE(f.Slider.Value(), 0);
        charger(f, 1);
        f.coche2.setValue(true);  // deck-to-deck mix keeps the decks' own levels
        f.A_lire_volume();
        QCOMPARE(f.Slider.Value(), 0);
        QCOMPARE(niveau(f, 1), 0);
    }

    void mix_special_baisse_et_retablit() {
        Radio_FM& f = Radio_FM::instance();
        charger(f, 2);
        Radio::Mix_audio_attenuation = 3;
        Radio::lecteur_en_cours = 2;
        f.Slider1.setValue(12);
        f.vol_pour_mix_spc();
        QCOMPARE(f.Slider1.Value(), 15);
        QCOMPARE(niveau(f, 2), -3000);
        QCOMPARE(int(f.slider_sauve2), 12);
        f.vol_pour_stop();
        QCOMPARE(f.Slider1.Value(), 12);
        QCOMPARE(niveau(f, 2), -2400);
        // Past the quietest position the slider stays at it.
        Radio::Mix_audio_attenuation = 10;
        f.vol_pour_mix_spc();
        f.vol_pour_mix_spc();
        QCOMPARE(f.Slider1.Value(), 20);
        // No deck on air: nothing moves.
        Radio::lecteur_en_cours = 0;
        f.vol_pour_stop();
        QCOMPARE(f.Slider1.Value(), 20);
        // A restore without a lowering since the window was made goes back to full level.
        Radio::lecteur_en_cours = 3;
        f.Slider2.setValue(9);
        f.vol_pour_stop();
        QCOMPARE(f.Slider2.Value(), 0);
    }

    void conversion_avant_ecriture_data() {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("pourcent");
        QTest::newRow("-3800 is 10") << -3800 << 10;
        QTest::newRow("-3600 has no row") << -3600 << -3600;
        QTest::newRow("0") << 0 << 100;
        QTest::newRow("-800") << -800 << 80;
    }
    void conversion_avant_ecriture() {
        QFETCH(int, niveau);
        QFETCH(int, pourcent);
        Radio::enreg_destinataire.volume = int16_t(niveau);
        Radio_FM::instance().convertir_valeur_son_ecriture();
        QCOMPARE(int(Radio::enreg_destinataire.volume), pourcent);
    }
};

SONAVEL_TEST_MAIN(TestVolume)
#include "test_volume.moc"
