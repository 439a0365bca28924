// The supervision tick on the simulated graph and clock: the hand-over of deck-to-deck mix,
// the special mix and its end, manual display and the error path.
#include <QApplication>

#include "config/etat.h"
#include "decks/scene_decks.h"
#include "support/repondeur.h"
#include "windows/Liste_son.h"
#include "windows/err_form.h"
#include "windows/mini_lecteur.h"

using namespace Radio;

namespace {
// Deck 1 on air in deck-to-deck mix with a 200 s file (overlap 6), deck 2 loaded.
struct MixLecteur : SceneDecks {
    explicit MixLecteur(double duree1 = 200, int16_t recouvrement_jingles = 2) {
        Radio::Forcer_Mix_Jingles = recouvrement_jingles;
        fichier(1, "un.mp3", duree1);
        fichier(2, "deux.mp3", 180);
        f.Command3_Click();  // empty playlist: deck-to-deck mix is selected first
    }
};
// Deck 1 on air at slider 12; a 7.6 s jingle mixed over it from deck 2, a 20 s one ready on 3.
struct DeuxJingles : MixLecteur {
    DeuxJingles() {
        fichier(2, "jingle.mp3", 7.6);
        fichier(3, "long.mp3", 20);
        f.Slider.setValue(12);
        f.HLBSoftBttn6_Click();
    }
};
}  // namespace

class TestSupervision : public QObject {
    Q_OBJECT
private slots:
    void passage_au_lecteur_suivant_au_point_de_mix() {
        MixLecteur s;
        QVERIFY(s.f.coche2.Value());
        QCOMPARE(superposition, int16_t(6));
        journal_actif = Vrai;
        s.seconde();
        QCOMPARE(s.f.Label7.Caption(), QStringLiteral("Play 1 : player mix a 194"));
        QCOMPARE(s.f.Label10.Caption(), QStringLiteral(" Mix lecteur : Play 1"));
        QCOMPARE(Liste_son::instance().Label11.Caption(), QStringLiteral("Play 1 Mix lecteur"));
        QCOMPARE(mini_lecteur::instance().Label1.Text(), QStringLiteral("199"));
        s.seconde(192);
        QCOMPARE(lecteur_en_cours, int16_t(1));
        QCOMPARE(s.f.picProgBack.Value(), 193);

        s.seconde();  // 194 s
        QCOMPARE(lecteur_en_cours, int16_t(2));
        QCOMPARE(s.f.Label2.Caption(), QStringLiteral(" - En attente"));
        QVERIFY(s.en_lecture(2));
        QCOMPARE(s.f.Timer2.Interval(), 1000);
        // An overlap, not a fade: deck 1 plays on at its own level.
        QVERIFY(s.en_lecture(1));
        QCOMPARE(s.lecteur(1).audio.Volume(), 0);
        const QStringList j = s.journal();
        QCOMPARE(j.size(), 1);
        QVERIFY(j[0].startsWith(QStringLiteral("Mix lecteur : Play1\rNb_de_fichier_écouté 2\r")));
        QVERIFY(j[0].endsWith(QStringLiteral(" Lecture de ") + chemin_lecteur2 + QStringLiteral(" (%1)").arg(index_liste_en_cours)));

        // From the next tick the countdown follows deck 2.
        s.seconde();
        QCOMPARE(mini_lecteur::instance().Label1.Text(), QStringLiteral("179"));
        QCOMPARE(s.f.Label7.Caption(), QStringLiteral("Play 2 : player mix a 174"));
        QVERIFY(s.en_lecture(1));
    }

    // The mix second (194) skipped between two ticks still hands over, at once and once: a
    // jump of the clock, or ticks on half seconds, whose positions round half to even.
    void seconde_du_mix_depassee_data() {
        QTest::addColumn<double>("depart");
        QTest::addColumn<double>("pas");
        QTest::newRow("saut") << 193.0 << 2.0;
        QTest::newRow("demi-secondes") << 0.5 << 1.0;
    }
    void seconde_du_mix_depassee() {
        QFETCH(double, depart);
        QFETCH(double, pas);
        MixLecteur s;
        s.seconde(depart);
        while (lecteur_en_cours == 1 && s.lecteur(1).position.CurrentPosition() < 197)
            s.seconde(pas);
        QCOMPARE(lecteur_en_cours, int16_t(2));
        QVERIFY(s.en_lecture(2));
        QVERIFY(s.en_lecture(1));  // an overlap, well before the end of deck 1
        QVERIFY(s.lecteur(1).position.CurrentPosition() <= 196);
    }

    // A hand-over that found nothing to start is not tried again at every later tick.
    void une_seule_tentative_par_piste() {
        MixLecteur s;
        chemin_lecteur2.clear();
        s.seconde(194);
        QCOMPARE(s.f.Label2.Caption(), QStringLiteral(" - En attente"));
        s.f.Label2.setCaption(QStringLiteral("Titre"));
        s.seconde();
        s.seconde();
        QCOMPARE(s.f.Label2.Caption(), QStringLiteral("Titre"));
        QCOMPARE(lecteur_en_cours, int16_t(1));
        QVERIFY(s.en_lecture(1));
    }

    void fichier_plus_court_que_le_recouvrement_ne_passe_jamais_la_main() {
        MixLecteur s(5, 6);
        QCOMPARE(superposition, int16_t(6));
        s.f.Label7.setCaption(QStringLiteral("avant"));
        for (int i = 0; i < 7; ++i) s.seconde();
        QCOMPARE(lecteur_en_cours, int16_t(1));
        QVERIFY(s.graphe(2) == nullptr || !s.en_lecture(2));
        QCOMPARE(s.f.Label7.Caption(), QStringLiteral("avant"));
        QCOMPARE(s.f.picProgBack.Percent(), 100);
    }

    // A hand-over to a file without overlap ends the tick: never a hand-over into another.
    void passage_vers_un_recouvrement_nul_termine_le_tick() {
        MixLecteur s;
        s.fichier(2, "bip.mp3", 1);
        s.seconde(194);
        QCOMPARE(lecteur_en_cours, int16_t(2));
        QCOMPARE(superposition, int16_t(0));
        QCOMPARE(s.f.Timer2.Interval(), 1000);
        QVERIFY(s.graphe(3) == nullptr);
    }

    void pas_de_lecteur_a_l_antenne() {
        SceneDecks s;
        s.f.coche2.setValue(true);
        s.f.Label10.setCaption(QString());
        s.seconde();
        QCOMPARE(s.f.Label10.Caption(), QStringLiteral("Chargement rapide"));
    }

    void rien_pendant_le_gestionnaire_ou_la_liste_auto() {
        MixLecteur s;
        lecture_gestionnaire = Vrai;
        s.seconde(194);
        QCOMPARE(lecteur_en_cours, int16_t(1));
        lecture_gestionnaire = Faux;
        lecture_liste_auto = Vrai;
        s.seconde();
        QCOMPARE(lecteur_en_cours, int16_t(1));
        QCOMPARE(s.f.Label5.Caption(), QStringLiteral("0"));
    }

    void bouton_zap_deverrouille_a_la_seconde_de_prechargement() {
        MixLecteur s;
        s.f.HLBSoftBttn1.setEnabled(false);
        s.seconde(9);
        QVERIFY(!s.f.HLBSoftBttn1.isEnabled());
        s.seconde();  // 10 s, the preload lead
        QVERIFY(s.f.HLBSoftBttn1.isEnabled());
    }

    void affichage_manuel() {
        SceneDecks s;
        s.fichier(1, "a.mp3", 60);
        s.fichier(2, "b.mp3", 60);
        s.f.play1();
        s.f.play2();
        s.f.a_mode_manuel.setChecked(true);
        s.lecteur(1).graphe.Run();
        s.seconde(5);
        QCOMPARE(s.f.Label7.Caption(), QStringLiteral("Mode manuel"));
        QCOMPARE(s.f.picProgBack.Value(), 5);
        QCOMPARE(s.f.picProgBack1.Value(), 5);  // deck 3 never loaded: the tick ends there
        s.f.Désactive_audio.setChecked(true);
        s.seconde();
        QCOMPARE(s.f.Label7.Caption(), QStringLiteral("Fondu audio désactivé"));
    }

    void erreur_nomme_ce_qui_a_echoue_et_arrete_la_supervision() {
        MixLecteur s;
        Liste_son::instance();
        s.f.Label6.setCaption(QStringLiteral("abc"));  // not a number
        s.seconde();
        QVERIFY(!s.f.Timer2.Enabled());
        QVERIFY(!Liste_son::existe());
        QVERIFY(err_form::existe());
        err_form& e = err_form::instance();
        QCOMPARE(e.windowTitle(), QStringLiteral("ATTENTION ERREUR"));
        const QStringList lignes = e.Label1.Caption().split('\r');
        QCOMPARE(lignes.size(), 6);
        QCOMPARE(lignes[0], QStringLiteral("ATTENTION ERREUR ! T2"));
        QCOMPARE(lignes[2], Erreur::description_standard(err::TypeIncompatible));
        QVERIFY(!lignes[2].isEmpty());
        QCOMPARE(lignes[5], QStringLiteral("Revoir la sélection"));
        QCOMPARE(s.f.Label7.Caption(), QStringLiteral("Play en attente"));
    }

    void mixage_special_puis_retour_du_lecteur_a_l_antenne() {
        MixLecteur s;
        s.fichier(2, "jingle.mp3", 7.6);
        s.f.Slider.setValue(12);
        s.f.HLBSoftBttn6_Click();
        QCOMPARE(s.f.Slider.Value(), 15);
        QCOMPARE(s.f.slider_sauve1, int16_t(12));
        QCOMPARE(lecteur_en_cours, int16_t(1));
        QCOMPARE(lecteur_superpose, int16_t(2));
        QVERIFY(s.en_lecture(2));
        QCOMPARE(s.f.Label1.Caption(), QStringLiteral("8"));
        QCOMPARE(s.f.picProgBack1.Caption(), QStringLiteral("Mixage spécial en cours (8 S)"));
        QVERIFY(s.f.Active_audio_jingles.Checked());
        QVERIFY(!s.f.HLBSoftBttn6.isEnabled());
        QCOMPARE(s.f.mix_special2, int16_t(1));
        QCOMPARE(s.f.windowTitle(), QStringLiteral("Radio Test : ") + chemin_lecteur2);

        for (int i = 0; i < 7; ++i) s.seconde();
        QCOMPARE(s.f.picProgBack1.Value(), 7);
        QVERIFY(!s.f.Active_audio_zapping.Checked());
        QCOMPARE(s.f.Slider.Value(), 15);
        s.seconde();  // the jingle has ended
        QCOMPARE(s.f.Slider.Value(), 12);
        QVERIFY(s.f.HLBSoftBttn6.isEnabled());
        QCOMPARE(s.f.picProgBack1.Value(), 0);
        QCOMPARE(s.f.picProgBack1.Caption(), QString());
        QCOMPARE(s.f.mix_special2, int16_t(0));
        QVERIFY(!s.f.Active_audio_jingles.Checked());
        QVERIFY(s.f.Active_audio_zapping.Checked());
        QCOMPARE(lecteur_en_cours, int16_t(1));
    }

    // F9 (the Play menu's deck 2 mix) pressed again while deck 2's jingle sounds starts it
    // over without lowering the song again: after it the song is back at its own level.
    void jingle_relance_par_f9() {
        MixLecteur s;
        s.fichier(2, "jingle.mp3", 7.6);
        s.f.Slider.setValue(12);
        s.f.show();
        QApplication::setActiveWindow(&s.f);
        QVERIFY(QTest::qWaitForWindowActive(&s.f));
        QTest::keyClick(&s.f, Qt::Key_F9);
        QCOMPARE(s.f.Slider.Value(), 15);
        s.seconde(3);
        QTest::keyClick(&s.f, Qt::Key_F9);
        QVERIFY(s.en_lecture(2));
        QCOMPARE(s.f.Slider.Value(), 15);
        QCOMPARE(s.f.slider_sauve1, int16_t(12));
        s.seconde(7);
        QVERIFY(s.en_lecture(2));
        s.seconde(2);
        QCOMPARE(s.f.Slider.Value(), 12);
        QVERIFY(!s.f.Active_audio_jingles.Checked());
    }

    // Two jingles at once: the first keeps the level to come back to, the last to end brings
    // it back; each bar drops its caption when its own jingle ends.
    void deux_mixages_speciaux_a_la_fois() {
        DeuxJingles s;
        s.seconde(2);
        s.f.HLBSoftBttn7_Click();
        QCOMPARE(s.f.Slider.Value(), 18);
        QCOMPARE(s.f.slider_sauve1, int16_t(12));
        s.seconde(6);  // the first jingle ends, the second plays on
        QCOMPARE(s.f.picProgBack1.Caption(), QString());
        QVERIFY(s.f.HLBSoftBttn6.isEnabled());
        QCOMPARE(s.f.Slider.Value(), 18);
        QVERIFY(s.f.Active_audio_jingles.Checked());
        QCOMPARE(s.f.picProgBack2.Caption(), QStringLiteral("Mixage spécial en cours (20 S)"));
        s.seconde(14);
        QCOMPARE(s.f.Slider.Value(), 12);
        QCOMPARE(s.f.picProgBack2.Caption(), QString());
        QVERIFY(!s.f.Active_audio_jingles.Checked());
        QVERIFY(s.f.Active_audio_zapping.Checked());
    }

    // A jingle stopped by hand while another sounds leaves the deck on air lowered.
    void arret_d_un_jingle_pendant_un_autre() {
        DeuxJingles s;
        s.f.HLBSoftBttn7_Click();
        s.seconde();
        s.f.HLBSoftBttn10_Click();
        QCOMPARE(s.f.Slider.Value(), 18);
        s.f.HLBSoftBttn11_Click();
        QCOMPARE(s.f.Slider.Value(), 12);
    }

    // A jingle stopped or unloaded by hand ends the watch: the supervision of the deck on air
    // goes on, with neither an error nor a watch held for ever.
    void mixage_special_arrete_ou_decharge_a_la_main_data() {
        QTest::addColumn<bool>("decharge");
        QTest::newRow("arrêté") << false;
        QTest::newRow("déchargé") << true;
    }
    void mixage_special_arrete_ou_decharge_a_la_main() {
        QFETCH(bool, decharge);
        MixLecteur s;
        Repondeur r;
        s.fichier(2, "jingle.mp3", 7.6);
        s.f.Slider.setValue(12);
        s.f.HLBSoftBttn6_Click();
        s.seconde(3);
        if (decharge)
            s.f.A_décharge_2_Click();
        else
            s.f.HLBSoftBttn10_Click();
        s.seconde();
        QVERIFY(!s.f.Active_audio_jingles.Checked());
        QVERIFY(s.f.Active_audio_zapping.Checked());
        QVERIFY(s.f.HLBSoftBttn6.isEnabled());
        QCOMPARE(s.f.Slider.Value(), 12);
        QVERIFY(s.f.Timer2.Enabled());
        QVERIFY(!err_form::existe());
        s.seconde();
        QCOMPARE(s.f.Label7.Caption(), QStringLiteral("Play 1 : player mix a 194"));
        QCOMPARE(r.boites().size(), 0);
    }

    void mixage_special_refuse_ou_sans_fichier() {
        MixLecteur s;
        s.f.Slider.setValue(4);
        GrapheSimule* a_l_antenne = s.graphe(1);
        s.f.HLBSoftBttn8_Click();  // the deck on air: nothing at all
        QCOMPARE(s.graphe(1), a_l_antenne);
        QVERIFY(!s.f.Active_audio_jingles.Checked());

        s.f.HLBSoftBttn7_Click();  // deck 3 holds no file
        QCOMPARE(s.f.Label4.Caption(), QStringLiteral("(Aucun fichier en cours)"));
        QCOMPARE(s.f.Slider.Value(), 4);
        QVERIFY(!s.f.Active_audio_jingles.Checked());

        chemin_lecteur3 = s.dossier.filePath("inconnu.mp3");
        lecture_gestionnaire = Vrai;
        s.f.HLBSoftBttn7_Click();  // cannot be rendered
        QCOMPARE(s.f.Label4.Caption(), QStringLiteral("(Aucun fichier en cours)"));
        QVERIFY(!s.f.HLBSoftBttn3.isEnabled());
        QCOMPARE(lecture_gestionnaire, Faux);
    }

    void mixage_special_fin_immediate_hors_lecteurs() {
        MixLecteur s;
        s.f.Active_audio_jingles.setChecked(true);
        lecteur_superpose = 0;
        s.seconde();
        QCOMPARE(s.f.Label10.Caption(), QStringLiteral("Chargement rapide"));
        QVERIFY(!s.f.Active_audio_jingles.Checked());
        QVERIFY(s.f.Active_audio_zapping.Checked());
    }

    void bulle_du_mixage_special() {
        SceneDecks s;
        chemin_lecteur3 = QStringLiteral("/musique/jingle.mp3");
        s.f.HLBSoftBttn7_info_bulle();
        QCOMPARE(s.f.HLBSoftBttn7.toolTip(),
                 QStringLiteral("Mixage spécial sur lecteur en cours (F11) avec : /musique/jingle.mp3"));
        s.f.HLBSoftBttn8_info_bulle();
        QCOMPARE(s.f.HLBSoftBttn8.toolTip(), QStringLiteral("Mixage spécial sur lecteur en cours (F8) avec : "));
    }

    void select_bouton_data() {
        QTest::addColumn<int>("en_cours");
        QTest::addColumn<QString>("actifs");  // decks whose zap and play stay enabled
        QTest::newRow("aucun") << 0 << "123";
        QTest::newRow("1") << 1 << "1";
        QTest::newRow("2") << 2 << "2";
        QTest::newRow("3") << 3 << "3";
        QTest::newRow("autre") << 5 << "13";
    }
    void select_bouton() {
        QFETCH(int, en_cours);
        QFETCH(QString, actifs);
        SceneDecks s;
        s.f.HLBSoftBttn2.setEnabled(false);
        s.f.Command4.setEnabled(false);
        lecteur_en_cours = int16_t(en_cours);
        s.f.select_bouton();
        for (int i = 1; i <= 3; ++i) {
            const bool actif = actifs.contains(QString::number(i));
            QCOMPARE(s.f.deck(i).zap.isEnabled(), actif);
            QCOMPARE(s.f.deck(i).lire.isEnabled(), actif);
        }
    }

    void manuel_mix_arrete_le_sequenceur() {
        SceneDecks s;
        s.f.Timer1.setEnabled(true);
        s.f.coche4.setValue(1);
        s.f.manuel_mix();
        QVERIFY(!s.f.Timer1.Enabled());
        QCOMPARE(s.f.coche4.Value(), 0);
        QCOMPARE(s.f.Image13.Picture(), QString());
    }

    void boutons_play() {
        SceneDecks s;
        s.fichier(3, "c.mp3", 60);
        index_fin_jingle_auto = 7;
        index_liste_en_cours = 3;
        s.f.Command6_MouseMove();
        QCOMPARE(s.f.Command6.toolTip(), QStringLiteral("Chargé : ") + chemin_lecteur3);
        s.f.Command6_Click();
        QCOMPARE(index_fin_jingle_auto, int16_t(7));
        // With no playlist the deck-to-deck mix comes first and names row 1 as current.
        QCOMPARE(index_fin_new_auto, 1);
        QVERIFY(s.f.coche2.Value());
        QCOMPARE(s.f.windowTitle(), QStringLiteral("Radio Test : c"));
        QVERIFY(s.en_lecture(3));
        s.seconde(4);
        s.f.Command6_MouseMove();
        QCOMPARE(s.f.Command6.toolTip(), QStringLiteral("Lecture de : ") + chemin_lecteur3);
    }
};

SONAVEL_TEST_MAIN(TestSupervision)
#include "test_supervision.moc"
