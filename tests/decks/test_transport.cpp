// The deck transport buttons and seeking, on the simulated graph.
#include <QTemporaryDir>

#include "config/etat.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "support/graphe_simule.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

class TestTransport : public QObject {
    Q_OBJECT
    std::unique_ptr<GrapheSimule::Installation> m_simule;

    // Deck n holds the file, played up to `position` seconds.
    void charger(int n, double duree, double position, bool en_lecture = true) {
        const QString chemin = QStringLiteral("/musique/piste%1.mp3").arg(n);
        GrapheSimule::definir(chemin, duree);
        const ControlesLecteur d = Radio_FM::instance().deck(n);
        d.lecteur.graphe = FilgraphManager::creer();
        d.lecteur.position = d.lecteur.graphe;
        d.lecteur.audio = d.lecteur.graphe;
        d.lecteur.graphe.RenderFile(chemin);
        d.chemin = chemin;
        d.lecteur.position.setCurrentPosition(position);
        if (en_lecture) d.lecteur.graphe.Run();
    }

private slots:
    void init() {
        sonavel_test::nouveau_programme();
        m_simule = std::make_unique<GrapheSimule::Installation>();
        Chemin_programme = programme::dossier();
    }
    void cleanup() {
        Form::decharger_tout();
        m_simule.reset();
    }

    void arreter_un_lecteur_qui_n_est_pas_a_l_antenne() {
        Radio_FM& f = Radio_FM::instance();
        charger(1, 200, 80);
        charger(2, 200, 50);
        lecteur_en_cours = 1;
        f.coche2.setValue(true);
        lecture_liste_auto = Vrai;
        Nom_radio_fm = QStringLiteral("Radio");
        chemin_entree_liste = QStringLiteral("/musique/suivante.mp3");
        f.Slider1.setValue(6);
        f.HLBSoftBttn13.setCaption(QStringLiteral("=>"));
        f.Shape2.setVisible(true);
        f.Command2.setEnabled(false);
        f.HLBSoftBttn6.setEnabled(false);
        f.Active_audio_jingles.setChecked(true);
        f.Timer3.setInterval(40);
        index_fin_jingle_auto = 4;
        index_fin_new_auto = 5;
        Liste_son::instance().Image1.setEnabled(false);

        f.HLBSoftBttn10_Click();

        QCOMPARE(f.Label3.Caption(), QStringLiteral(" - En attente"));
        QVERIFY(f.Command2.isEnabled());
        QVERIFY(f.HLBSoftBttn6.isEnabled());
        QCOMPARE(f.lecteur2.graphe.GetState(0), etat_graphe::Arrete);
        QCOMPARE(f.lecteur2.position.CurrentPosition(), 0.0);
        QCOMPARE(chemin_lecteur2, QStringLiteral("/musique/piste2.mp3"));  // the file stays loaded
        QCOMPARE(f.Slider1.value(), 0);
        QCOMPARE(Liste_son::instance().Label4.Caption(), QStringLiteral("00:00:00"));
        QCOMPARE(f.Label7.Caption(), QStringLiteral("Play 1 : mix player"));  // the deck on air
        QCOMPARE(f.HLBSoftBttn13.Caption(), QStringLiteral("II"));
        QVERIFY(!f.Shape2.isVisibleTo(&f));
        QCOMPARE(f.Timer3.Interval(), 40);  // deck 2 takes no part in deck 1's fade
        QCOMPARE(index_fin_jingle_auto, int16_t(0));
        QCOMPARE(index_fin_new_auto, int16_t(0));
        QCOMPARE(f.windowTitle(), QStringLiteral("Radio : /musique/suivante.mp3"));
        QVERIFY(!f.Active_audio_jingles.Checked());
        QVERIFY(f.Timer4.Enabled());
        QVERIFY(Liste_son::instance().Image1.isEnabled());
        QCOMPARE(f.lecteur1.graphe.GetState(0), etat_graphe::EnLecture);  // deck 1 plays on
    }

    void arreter_au_debut_ne_touche_pas_au_temps_affiche() {
        Radio_FM& f = Radio_FM::instance();
        charger(3, 200, 0, false);
        Liste_son::instance().Label4.setCaption(QStringLiteral("00:02:00"));
        const int ecritures = GrapheSimule::journal().filter(QStringLiteral("CurrentPosition")).size();
        f.HLBSoftBttn11_Click();
        QCOMPARE(Liste_son::instance().Label4.Caption(), QStringLiteral("00:02:00"));
        QCOMPARE(GrapheSimule::journal().filter(QStringLiteral("CurrentPosition")).size(), ecritures);
    }

    void arreter_un_lecteur_vide() {
        Radio_FM& f = Radio_FM::instance();
        f.Label2.setCaption(QStringLiteral("Titre"));
        f.HLBSoftBttn8.setEnabled(false);
        f.a_mode_manuel.setChecked(true);
        f.HLBSoftBttn9_Click();
        QVERIFY(!f.HLBSoftBttn8.isEnabled());  // manual mode keeps it
        f.a_mode_manuel.setChecked(false);
        f.HLBSoftBttn9_Click();
        QVERIFY(f.HLBSoftBttn8.isEnabled());
        QCOMPARE(f.Label2.Caption(), QStringLiteral("Titre"));
    }

    void pause_et_reprise() {
        Radio_FM& f = Radio_FM::instance();
        charger(3, 200, 10);
        f.HLBSoftBttn14.click();
        QCOMPARE(f.lecteur3.graphe.GetState(0), etat_graphe::EnPause);
        f.HLBSoftBttn14.click();
        QCOMPARE(f.lecteur3.graphe.GetState(0), etat_graphe::EnLecture);
    }

    void le_zap_suit_l_ordre_de_la_liste_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("manuel");
        QTest::addColumn<bool>("par_liste");
        QTest::newRow("continue") << 1 << false << false;
        QTest::newRow("aléatoire") << 2 << false << true;
        QTest::newRow("fin définie") << 3 << false << true;
        QTest::newRow("durée piste") << 4 << false << true;
        QTest::newRow("manuel") << 2 << true << false;
    }
    void le_zap_suit_l_ordre_de_la_liste() {
        QFETCH(int, option);
        QFETCH(bool, manuel);
        QFETCH(bool, par_liste);
        Radio_FM& f = Radio_FM::instance();
        Liste_son& l = Liste_son::instance();
        OptionButton* options[] = {&l.Option1, &l.Option2, &l.Option3, &l.Option4};
        options[option - 1]->setValue(true);
        f.a_mode_manuel.setChecked(manuel);
        const Radio_FM::Procedure simples[] = {&Radio_FM::zap1, &Radio_FM::zap2, &Radio_FM::zap3};
        const Radio_FM::Procedure par_ordre[] = {&Radio_FM::zap11, &Radio_FM::zap12, &Radio_FM::zap13};
        for (int n = 1; n <= 3; ++n) {
            const Radio_FM::Procedure attendu = manuel ? nullptr : (par_liste ? par_ordre : simples)[n - 1];
            QVERIFY(f.zap_choisi(n) == attendu);
        }
    }

    void garder_le_volume() {
        Radio_FM& f = Radio_FM::instance();
        Repondeur r;
        f.coche2.setValue(true);
        f.Command6.setEnabled(false);
        f.HLBSoftBttn17_Click();  // deck-to-deck mix: nothing, not even the message
        QCOMPARE(r.boites().size(), 0);

        f.coche3.setValue(true);
        r.attendre_message();
        f.HLBSoftBttn17_Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("le lecteur n'est pas encore validé "));
        QCOMPARE(r.messages()[0].style, 64);

        // A validated deck keeps its volume only while it is on air.
        QTemporaryDir dossier;
        chemin_liste = dossier.filePath(QStringLiteral("liste.dfm"));
        TypeEnregListe e;
        e.chemin = QStringLiteral("/musique/piste3.mp3");
        for (int i = 1; i <= 2; ++i) enreg_liste::ecrire(chemin_liste, i, e);
        index_liste_en_cours = 2;
        enreg_destinataire = e;
        f.Command6.setEnabled(true);
        f.Slider2.setValue(5);  // 75 %
        chemin_lecteur3 = e.chemin;  // the record holds the deck's file
        lecteur_en_cours = 1;
        f.HLBSoftBttn17_Click();
        QCOMPARE(r.boites().size(), 1);
        QCOMPARE(enreg_liste::lire(chemin_liste, 2).volume, int16_t(0));
        lecteur_en_cours = 3;
        r.attendre_message();
        f.HLBSoftBttn17_Click();
        QCOMPARE(enreg_liste::lire(chemin_liste, 2).volume, int16_t(75));
        QCOMPARE(enreg_liste::lire(chemin_liste, 1).volume, int16_t(0));
        QCOMPARE(r.messages().last().texte, QStringLiteral("Sauvegarde des paramètres en cours éffectués ."));

        num_enreg_courant = 0;
        f.HLBSoftBttn16.MouseOver();
        QCOMPARE(f.HLBSoftBttn16.toolTip(), QStringLiteral("Conserver réglage volume dans enreg. 0"));
        num_enreg_courant = 12;
        f.HLBSoftBttn15_info_bulle();
        QCOMPARE(f.HLBSoftBttn15.toolTip(), QStringLiteral("Conserver réglage volume dans enreg. 12"));
    }

    void reculer_data() {
        QTest::addColumn<double>("position");
        QTest::addColumn<double>("pas");
        QTest::addColumn<double>("attendue");
        QTest::newRow("0.1 s: refusé") << 0.1 << 0.0 << 0.1;
        QTest::newRow("0.2 s: au début") << 0.2 << 0.0 << 0.0;
        QTest::newRow("pas des options") << 30.0 << 5.0 << 25.0;
    }
    void reculer() {
        QFETCH(double, position);
        QFETCH(double, pas);
        QFETCH(double, attendue);
        pas_retour_rapide = pas;
        charger(2, 300, position, false);
        Radio_FM::instance().HLBSoftBttn19_Click();
        QCOMPARE(Radio_FM::instance().lecteur2.position.CurrentPosition(), attendue);
        QCOMPARE(pas_retour_rapide, pas == 0 ? 0.2 : pas);
    }

    void avancer() {
        Radio_FM& f = Radio_FM::instance();
        charger(1, 300, 295);
        Liste_son::instance().Label4.setCaption(QStringLiteral("avant"));
        f.ReyCommand1_Click();
        QCOMPARE(f.lecteur1.position.CurrentPosition(), 295.0);  // past the end: refused
        QCOMPARE(Liste_son::instance().Label4.Caption(), QStringLiteral("avant"));
        QCOMPARE(pas_avance_rapide, 10.0);
        f.lecteur1.position.setCurrentPosition(290);
        f.ReyCommand1_Click();
        QCOMPARE(f.lecteur1.position.CurrentPosition(), 300.0);  // exactly the end is allowed
        f.lecteur1.position.setCurrentPosition(100);
        f.ReyCommand1_Click();
        QCOMPARE(Liste_son::instance().Label4.Caption(), QStringLiteral("00:03:10"));  // time left
        QCOMPARE(f.lecteur1.graphe.GetState(0), etat_graphe::EnLecture);
    }

    void cliquer_sur_la_barre_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<double>("attendue");
        QTest::newRow("111.5: 50 %") << 111.5f << 150.0;
        QTest::newRow("200: 89.69 % donne 90") << 200.0f << 270.0;
        QTest::newRow("223: plafond") << 223.0f << 270.0;
        QTest::newRow("au-delà") << 400.0f << 270.0;
        QTest::newRow("0: début") << 0.0f << 0.0;
    }
    void cliquer_sur_la_barre() {
        QFETCH(float, x);
        QFETCH(double, attendue);
        charger(3, 300, 120, false);
        Radio_FM::instance().picProgBack2_positionner(1, 0, x, 5);
        QCOMPARE(Radio_FM::instance().lecteur3.position.CurrentPosition(), attendue);
        QCOMPARE(Radio_FM::instance().lecteur3.graphe.GetState(0), etat_graphe::Arrete);
    }

    void un_clic_de_souris_sur_la_barre() {
        Radio_FM& f = Radio_FM::instance();
        charger(1, 300, 0);
        QTest::mouseClick(&f.picProgBack, Qt::LeftButton, Qt::NoModifier, QPoint(111, 6));
        QCOMPARE(f.lecteur1.position.CurrentPosition(), 150.0);  // 111 px: 49.78 % rounds to 50
        QCOMPARE(Liste_son::instance().Label4.Caption(), QStringLiteral("00:02:30"));
    }

    void sans_graphe_rien_ne_bouge() {
        Radio_FM& f = Radio_FM::instance();
        Liste_son::instance().Label4.setCaption(QStringLiteral("avant"));
        f.HLBSoftBttn20_Click();
        f.ReyCommand3_Click();
        f.picProgBack2_positionner(1, 0, 100, 5);
        QCOMPARE(Liste_son::instance().Label4.Caption(), QStringLiteral("avant"));
        QCOMPARE(pas_retour_rapide, 0.0);
    }

    void info_bulle_de_la_barre() {
        Radio_FM& f = Radio_FM::instance();
        f.picProgBack1.setCaption(QStringLiteral("avant"));
        f.picProgBack1_info_bulle(0, 0, 223, 5);
        QCOMPARE(f.picProgBack1.toolTip(), QStringLiteral(" lecteur chargé (F9) avec : "));
        QCOMPARE(f.picProgBack1.Caption(), QStringLiteral("avant"));  // bar at 0: caption kept

        chemin_lecteur1 = QStringLiteral("/musique/a.mp3");
        f.picProgBack.setMax(300);
        f.picProgBack.setValue(40);
        f.picProgBack_info_bulle(0, 0, 223, 5);
        QCOMPARE(f.picProgBack.toolTip(), QStringLiteral("lecteur chargé (F8) avec : /musique/a.mp3"));
        QCOMPARE(f.picProgBack.Caption(), QStringLiteral("100%"));
        f.picProgBack2.setValue(1);
        f.picProgBack2_info_bulle(0, 0, 111.5f, 5);
        QCOMPARE(f.picProgBack2.toolTip(), QStringLiteral(" lecteur chargé (F11) avec : "));
        QCOMPARE(f.picProgBack2.Caption(), QStringLiteral("50%"));
    }
};

SONAVEL_TEST_MAIN(TestTransport)
#include "test_transport.moc"
