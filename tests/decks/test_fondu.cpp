// The fade-out of the outgoing deck after a zap, on the simulated graph and clock.
#include "config/etat.h"
#include "decks/commun.h"
#include "decks/scene_decks.h"
#include "windows/Liste_son.h"
#include "windows/err_form.h"
#include "windows/mini_lecteur.h"

using namespace Radio;

namespace {
// Deck 1 on air at level -800 (slider 4), deck 2 loaded; zap1 hands over at 30 s of deck 1.
struct Zap : SceneDecks {
    // Deck 1's graph, kept alive here to be looked at after the deck has let it go.
    std::shared_ptr<GrapheFiltres> garde;
    GrapheSimule* sortant = nullptr;
    Zap() {
        fichier(1, "un.mp3", 200);
        fichier(2, "deux.mp3", 180);
        f.Command3_Click();
        f.Slider.setValue(4);
        lecteur(1).audio.setVolume(-800);
        GrapheSimule::avancer(30);
        sortant = graphe(1);
        garde = lecteur(1).graphe.objet();
        Liste_son::instance().Image2.setEnabled(false);
        mini_lecteur::instance().Command2.setEnabled(false);
        f.zap1();
    }
    // One fade tick after s seconds of the clock.
    void tick(double s = 0) {
        GrapheSimule::avancer(s);
        f.Timer3_Timer();
    }
    bool fini() const { return f.Timer3.Interval() == 0; }
};
}  // namespace

class TestFondu : public QObject {
    Q_OBJECT
private slots:
    void fondu_puis_arret_apres_mix_audio_secondes() {
        Zap s;
        QCOMPARE(lecteur_en_cours, int16_t(2));
        QCOMPARE(s.f.Timer3.Interval(), 40);
        QCOMPARE(s.f.seconde_debut_fondu, int16_t(0));
        QVERIFY(s.f.Active_audio_zapping.Checked());
        QCOMPARE(s.f.Label2.Caption(), QStringLiteral(" - En attente"));
        for (int v : {-810, -820, -830}) {
            s.tick();
            QCOMPARE(s.sortant->Volume(), v);
            QCOMPARE(s.f.Slider.Value(), 4);
        }
        s.tick(12);
        QCOMPARE(s.f.Label5.Caption(), QStringLiteral("12"));
        QVERIFY(!s.fini());
        QVERIFY(s.en_lecture(1));

        s.tick(1);  // 13 s of deck 2: the fade ends
        QVERIFY(s.fini());
        QVERIFY(s.lecteur(1).graphe.estNul());
        QCOMPARE(s.sortant->GetState(0), etat_graphe::Arrete);
        QCOMPARE(s.f.Label2.Caption(), QStringLiteral(" - En attente"));
        QCOMPARE(s.f.Label6.Caption(), QStringLiteral("0"));
        QCOMPARE(s.f.picProgBack.Value(), 0);
        QCOMPARE(s.f.Slider.Value(), 0);
        QVERIFY(!s.f.HLBSoftBttn1.isEnabled());
        QVERIFY(s.f.HLBSoftBttn2.isEnabled());
        QCOMPARE(s.f.Label7.Caption(), QStringLiteral("- - Radio Test - -"));
        QVERIFY(Liste_son::instance().Image2.isEnabled());
        QCOMPARE(Liste_son::instance().Label12.Caption(), QStringLiteral("Zapping autorisé"));
        QVERIFY(mini_lecteur::instance().Command2.isEnabled());
        QVERIFY(s.en_lecture(2));
    }

    // The slider stands at the position nearest to the faded level.
    void le_curseur_suit_le_niveau() {
        Zap s;
        s.sortant->setVolume(-890);
        s.tick();
        QCOMPARE(s.f.Slider.Value(), 4);  // -900: 4.5 goes to the even 4
        s.tick();
        QCOMPARE(s.f.Slider.Value(), 5);  // -910
    }

    void niveau_deja_au_silence_ou_fondu_non_choisi() {
        Zap s;
        s.sortant->setVolume(-4000);
        s.f.Slider.setValue(20);
        s.tick();
        QCOMPARE(s.sortant->Volume(), -4000);
        QCOMPARE(s.f.Slider.Value(), 20);
        s.sortant->setVolume(-800);
        s.f.Active_audio_zapping.setChecked(false);
        s.f.Active_audio_jingles.setChecked(true);
        s.tick(13);
        // Never lowered; the end of the fade then puts the slider, and so the level, back to 0.
        QVERIFY(!GrapheSimule::journal().join('\n').contains(QStringLiteral("Volume -810")));
        QVERIFY(s.fini());
        QVERIFY(s.lecteur(1).graphe.estNul());
    }

    // The end second reached or passed ends the fade: a seek of the new deck past it, or a
    // start second left from an earlier fade.
    void fin_atteinte_ou_depassee_data() {
        QTest::addColumn<bool>("saut");
        QTest::newRow("saut au-delà") << true;
        QTest::newRow("seconde de départ ancienne") << false;
    }
    void fin_atteinte_ou_depassee() {
        QFETCH(bool, saut);
        Zap s;
        if (saut) {
            s.lecteur(2).position.setCurrentPosition(40);
        } else {
            GrapheSimule::avancer(60);
            s.f.seconde_debut_fondu = 5;
        }
        s.tick();
        QVERIFY(s.fini());
        QVERIFY(s.lecteur(1).graphe.estNul());
        QCOMPARE(s.f.Label2.Caption(), QStringLiteral(" - En attente"));
    }

    // A deck released during the fade is nothing to lower or stop; the fade still ends.
    void lecteur_sortant_libere_pendant_le_fondu() {
        Zap s;
        s.f.ligne_journal.clear();
        s.f.Active_journal.setChecked(true);
        decks::liberer(s.lecteur(1), false);
        for (int i = 0; i < 5; ++i) s.tick();
        QVERIFY(!err_form::existe());
        QVERIFY(s.journal().isEmpty());
        QVERIFY(!s.fini());
        s.tick(13);
        QVERIFY(s.fini());
        QVERIFY(!s.f.HLBSoftBttn1.isEnabled());
        QCOMPARE(Liste_son::instance().Label12.Caption(), QStringLiteral("Zapping autorisé"));
    }

    void melange_coupe_libere_le_lecteur_precedent_aussitot() {
        SceneDecks s;
        s.fichier(1, "un.mp3", 200);
        s.fichier(2, "deux.mp3", 180);
        s.f.Command3_Click();
        const std::shared_ptr<GrapheFiltres> sortant = s.lecteur(1).graphe.objet();
        s.f.Désactive_audio.setChecked(true);
        s.f.zap1();
        QVERIFY(s.lecteur(1).graphe.estNul());
        QCOMPARE(sortant->GetState(0), etat_graphe::Arrete);
        s.f.Timer3_Timer();
        QVERIFY(s.en_lecture(2));
    }

    void mode_manuel_garde_le_fichier_du_lecteur_sortant() {
        Zap s;
        s.f.a_mode_manuel.setChecked(true);
        s.tick(13);
        QVERIFY(s.fini());
        QVERIFY(!s.en_lecture(1));
        QVERIFY(!s.lecteur(1).graphe.estNul());
        QCOMPARE(s.f.Label6.Caption(), QStringLiteral("0"));
    }

    void rien_sans_lecteur_a_l_antenne() {
        Zap s;
        lecteur_en_cours = 0;
        s.f.Label5.setCaption(QStringLiteral("x"));
        s.tick(20);
        QCOMPARE(s.f.Label5.Caption(), QStringLiteral("x"));
        QVERIFY(!s.fini());
    }

    // A deck without sound has nothing to lower: no error, no journal record per tick, and the
    // fade still counts its seconds, then stops and releases the deck.
    void lecteur_sortant_sans_son() {
        Zap s;
        GrapheSimule::definir(chemin_lecteur1, 200, false);
        s.lecteur(1).graphe.RenderFile(chemin_lecteur1);
        s.lecteur(1).graphe.Run();
        s.f.ligne_journal.clear();
        s.f.Active_journal.setChecked(true);
        for (int i = 0; i < 5; ++i) s.tick();
        QVERIFY(!err_form::existe());
        QVERIFY(s.journal().isEmpty());
        QVERIFY(!s.fini());
        QVERIFY(s.en_lecture(1));
        s.tick(13);
        QVERIFY(s.fini());
        QVERIFY(s.lecteur(1).graphe.estNul());
        QCOMPARE(s.sortant->GetState(0), etat_graphe::Arrete);
    }

    // A stop during the fade: the outgoing deck's ends the fade, the incoming deck's ends it at
    // once with the outgoing deck stopped and released, a third deck's leaves it running.
    void arret_d_un_lecteur_pendant_le_fondu_data() {
        QTest::addColumn<int>("arrete");
        QTest::newRow("sortant") << 1;
        QTest::newRow("entrant") << 2;
        QTest::newRow("étranger au fondu") << 3;
    }
    void arret_d_un_lecteur_pendant_le_fondu() {
        QFETCH(int, arrete);
        Zap s;
        s.fichier(3, "trois.mp3", 100);
        s.f.deck(3).lecteur.graphe = FilgraphManager::creer();
        s.tick(1);
        s.f.arreter_lecteur(arrete);
        switch (arrete) {
        case 1:
            QVERIFY(s.fini());
            QVERIFY(!s.en_lecture(1));
            break;
        case 2:
            QVERIFY(s.fini());
            QVERIFY(s.lecteur(1).graphe.estNul());
            QCOMPARE(s.sortant->GetState(0), etat_graphe::Arrete);
            QCOMPARE(s.f.Label2.Caption(), QStringLiteral(" - En attente"));
            break;
        case 3:
            QVERIFY(!s.fini());
            s.tick(13);  // the fade runs to its end
            QVERIFY(s.fini());
            QVERIFY(s.lecteur(1).graphe.estNul());
            QCOMPARE(s.sortant->GetState(0), etat_graphe::Arrete);
            break;
        }
    }
};

SONAVEL_TEST_MAIN(TestFondu)
#include "test_fondu.moc"
