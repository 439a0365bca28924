// Playing, stopping and pausing a deck, on the simulated graph.
#include "config/etat.h"
#include "decks/scene_decks.h"
#include "support/repondeur.h"
#include "windows/Liste_son.h"
#include "windows/liste.h"
#include "windows/mini_lecteur.h"

using namespace Radio;

class TestLecture : public QObject {
    Q_OBJECT
private slots:
    void play_depuis_le_point_de_depart_avec_le_volume_et_le_journal() {
        SceneDecks s;
        const QString chemin = s.fichier(2, "Titre du jour.mp3", 200);
        chemin_entree_liste = chemin;
        enreg_destinataire.debut_lecture = 12.5;
        enreg_destinataire.volume = -800;
        index_liste_en_cours = 7;
        nb_fichiers_joues = 11;
        journal_actif = Vrai;
        s.f.play2();

        QVERIFY(s.en_lecture(2));
        QCOMPARE(s.lecteur(2).position.CurrentPosition(), 12.5);
        QCOMPARE(s.f.Slider1.Value(), 4);  // the entry's level -800
        QCOMPARE(s.lecteur(2).audio.Volume(), -800);
        QCOMPARE(s.f.Label1.Caption(), QStringLiteral("200"));
        QCOMPARE(s.f.picProgBack1.Max(), 200);
        QCOMPARE(s.f.Label3.Caption(), QStringLiteral(" - Titre du jour"));
        QVERIFY(s.f.Timer6.Enabled());
        QCOMPARE(lecteur_en_cours, int16_t(2));
        QCOMPARE(superposition, int16_t(6));
        QCOMPARE(s.f.windowTitle(), QStringLiteral("Radio Test : Titre du jour"));
        QCOMPARE(Liste_son::instance().Label4.Caption(), QStringLiteral("00:03:20"));
        QCOMPARE(Liste_son::instance().Label1.Caption(), QStringLiteral("En cours index N° : (7)"));
        QCOMPARE(mini_lecteur::instance().windowTitle(), QStringLiteral("Titre du jour"));
        QCOMPARE(liste::instance().Label11.Caption(), QStringLiteral("Info fichier chargé"));
        QCOMPARE(s.f.Label7.Caption(), QStringLiteral("- - Radio Test - -"));

        const QStringList j = s.journal();
        QCOMPARE(j.size(), 1);
        const QStringList lignes = j[0].split('\r');
        QCOMPARE(lignes.size(), 3);
        QCOMPARE(lignes[0], QString());
        QCOMPARE(lignes[1], QStringLiteral("Nb_de_fichier_écouté 12"));
        QVERIFY(lignes[2].endsWith(QStringLiteral(" Lecture de ") + chemin + QStringLiteral(" (7)")));
        QVERIFY(s.f.ligne_journal.isEmpty());
    }

    // In deck-to-deck mix the entry's stored volume is not applied; the new graph plays at the
    // level the deck's slider shows.
    void play_en_melange_de_lecteurs_au_niveau_du_curseur() {
        SceneDecks s;
        s.fichier(3, "Suivant.mp3", 120);
        s.f.coche2.setValue(true);
        enreg_destinataire.volume = -1600;
        s.f.Slider2.setValue(5);
        s.f.play3();
        QVERIFY(s.en_lecture(3));
        QCOMPARE(s.f.Slider2.Value(), 5);
        QCOMPARE(s.lecteur(3).audio.Volume(), -1000);
    }

    // The files-played count never stops a play: past 16 bits it goes on, at its top it wraps.
    void compte_des_fichiers_joues_sans_fin() {
        for (int32_t avant : {int32_t(32767), int32_t(INT32_MAX)}) {
            SceneDecks s;
            s.fichier(1, "un.mp3", 120);
            s.f.coche2.setValue(true);
            nb_fichiers_joues = avant;
            s.f.play1();
            QVERIFY(s.en_lecture(1));
            QCOMPARE(nb_fichiers_joues, avant == INT32_MAX ? 1 : avant + 1);
        }
    }

    // The deck-by-deck differences of a start outside manual mode.
    void play_par_lecteur_data() {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 3; ++n) QTest::newRow(qPrintable(QString("lecteur %1").arg(n))) << n;
    }
    void play_par_lecteur() {
        QFETCH(int, n);
        SceneDecks s;
        for (int i = 1; i <= 3; ++i) s.fichier(i, QString("f%1.mp3").arg(i), 100);
        s.f.coche2.setValue(true);
        const int prec = lecteur_precedent(n), suiv = lecteur_suivant(n);
        // The previous deck is on air, the next one is loaded.
        s.f.jouer(prec);
        s.lecteur(suiv).graphe = FilgraphManager::creer();
        s.f.deck(n).volume.setValue(7);
        s.f.deck(suiv).volume.setValue(9);
        s.f.drapeau_mix_special(n) = 1;
        s.f.Timer2.setInterval(0);
        s.f.jouer(n);

        for (int i = 1; i <= 3; ++i) {
            ControlesLecteur d = s.f.deck(i);
            QCOMPARE(d.zap.isEnabled(), i == n);
            QCOMPARE(d.lire.isEnabled(), i == n);
        }
        QVERIFY(!s.f.deck(n).ouvrir.isEnabled());
        Shape* marqueurs[] = {&s.f.Shape1, &s.f.Shape2, &s.f.Shape3};
        for (int i = 1; i <= 3; ++i) QCOMPARE(marqueurs[i - 1]->isVisibleTo(&s.f), i == n);
        QCOMPARE(s.f.deck(suiv).volume.Value(), 0);
        QCOMPARE(s.f.valeur_slider_sauve(n), int16_t(7));
        QCOMPARE(s.f.drapeau_mix_special(n), int16_t(0));
        QCOMPARE(s.f.Timer2.Interval(), 1000);
        // The previous deck's display is reset but it keeps sounding, its title still moving;
        // the next is emptied.
        QCOMPARE(s.f.deck(prec).duree.Caption(), QStringLiteral("0"));
        QVERIFY(s.f.deck(prec).defilement.Enabled());
        QVERIFY(s.en_lecture(prec));
        QVERIFY(s.lecteur(suiv).graphe.estNul());
        QCOMPARE(nb_fichiers_joues, int32_t(2));
    }

    // List-driven mode: the duration label shows the entry's end or the pre-listen length,
    // supervision stays off; deck 1 leaves the supervision interval alone there.
    void play_en_mode_liste_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("preecoute");
        QTest::addColumn<double>("duree");
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<int>("intervalle");
        QTest::newRow("fin de l'entrée") << 1 << 0 << 200.0 << "150" << 0;
        QTest::newRow("pré-écoute plus courte") << 2 << -1 << 200.0 << "30" << 1000;
        QTest::newRow("fichier plus court") << 3 << -1 << 20.0 << "20" << 1000;
    }
    void play_en_mode_liste() {
        QFETCH(int, n);
        QFETCH(int, preecoute);
        QFETCH(double, duree);
        QFETCH(QString, affiche);
        QFETCH(int, intervalle);
        SceneDecks s;
        s.fichier(n, "a.mp3", duree);
        lecture_liste_auto = Vrai;
        jingle_auto_actif = Vrai;
        preecoute_active = Drapeau(preecoute);
        duree_preecoute = 30;
        enreg_destinataire.fin_lecture = QStringLiteral("150");
        s.f.Timer2.setEnabled(true);
        s.f.jouer(n);
        QCOMPARE(s.f.deck(n).duree.Caption(), affiche);
        QVERIFY(!s.f.Timer2.Enabled());
        QVERIFY(s.f.Timer1.Enabled());
        QCOMPARE(s.f.Timer2.Interval(), intervalle);
        QCOMPARE(compteur_jingle_auto, int16_t(1));
    }

    void duree_affichee_en_secondes_entieres_data() {
        QTest::addColumn<double>("duree");
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<int>("max_barre");
        QTest::addColumn<double>("position");
        QTest::newRow("0,6 s: ni départ ni maximum") << 0.6 << "1" << 100 << 0.0;
        QTest::newRow("2,5 s") << 2.5 << "2" << 2 << 1.0;
        QTest::newRow("3,5 s") << 3.5 << "4" << 4 << 1.0;
    }
    void duree_affichee_en_secondes_entieres() {
        QFETCH(double, duree);
        QFETCH(QString, affiche);
        QFETCH(int, max_barre);
        QFETCH(double, position);
        SceneDecks s;
        s.fichier(1, "court.mp3", duree);
        enreg_destinataire.debut_lecture = 1.0;
        s.f.play1();
        QCOMPARE(s.f.Label6.Caption(), affiche);
        QCOMPARE(s.f.picProgBack.Max(), max_barre);
        QCOMPARE(s.lecteur(1).position.CurrentPosition(), position);
    }

    void fenetre_video_selon_l_extension_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("video");
        QTest::newRow("wmv") << "clip.wmv" << true;
        QTest::newRow("avi") << "clip.avi" << true;
        QTest::newRow("mp3") << "clip.mp3" << false;
    }
    void fenetre_video_selon_l_extension() {
        QFETCH(QString, nom);
        QFETCH(bool, video);
        SceneDecks s;
        s.fichier(1, nom, 60, true);
        s.f.coche2.setValue(true);
        s.f.play1();
        QCOMPARE(!s.lecteur(1).video.estNul(), video);
        if (video) QCOMPARE(s.graphe(1)->Caption(), QStringLiteral("clip"));
    }

    void play_qui_ne_fait_rien() {
        SceneDecks s;
        // A deck whose bar has moved is running: nothing is built, nothing counted.
        s.fichier(1, "a.mp3", 60);
        s.f.picProgBack.setValue(5);
        GrapheSimule* avant = s.graphe(1);
        s.f.play1();
        QCOMPARE(s.graphe(1), avant);
        QCOMPARE(nb_fichiers_joues, int16_t(0));

        // An empty deck only gets an empty new graph.
        s.f.HLBSoftBttn2.setEnabled(false);
        s.f.play2();
        QVERIFY(!s.lecteur(2).graphe.estNul());
        QVERIFY(s.graphe(2)->chemin().isEmpty());
        QVERIFY(!s.f.HLBSoftBttn2.isEnabled());
        QCOMPARE(lecteur_en_cours, int16_t(0));
    }

    void play_qui_echoue_vide_le_lecteur_sans_message() {
        SceneDecks s;
        Repondeur r;
        chemin_lecteur3 = s.dossier.filePath("illisible.mp3");  // unknown to the graph
        s.f.play3();
        QVERIFY(!s.f.HLBSoftBttn3.isEnabled());
        QVERIFY(s.lecteur(3).graphe.estNul());
        QVERIFY(s.lecteur(3).position.estNul());
        QCOMPARE(lecteur_en_cours, int16_t(3));
        QCOMPARE(r.boites().size(), 0);
        QVERIFY(s.journal().isEmpty());
    }

    void mode_manuel_ni_journal_ni_anneau() {
        SceneDecks s;
        s.fichier(1, "a.mp3", 60);
        s.fichier(2, "b.mp3", 90);
        s.fichier(3, "c.mp3", 30);
        s.f.play1();
        s.lecteur(3).graphe = FilgraphManager::creer();
        s.f.a_mode_manuel.setChecked(true);
        journal_actif = Vrai;
        s.f.play2();
        QVERIFY(s.en_lecture(2));
        QCOMPARE(s.f.Label1.Caption(), QStringLiteral("90"));
        QCOMPARE(s.f.Label6.Caption(), QStringLiteral("60"));  // the previous deck is not reset
        QVERIFY(s.f.Command3.isEnabled());
        QVERIFY(!s.lecteur(3).graphe.estNul());                  // the next deck keeps its graph
        QVERIFY(s.journal().isEmpty());
        QCOMPARE(nb_fichiers_joues, int32_t(2));
    }

    // Mixing off: each deck's start stops and releases the deck before it, deck 3 too.
    void melange_coupe_libere_le_lecteur_precedent_data() {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 3; ++n) QTest::newRow(qPrintable(QString("lecteur %1").arg(n))) << n;
    }
    void melange_coupe_libere_le_lecteur_precedent() {
        QFETCH(int, n);
        SceneDecks s;
        const int prec = lecteur_precedent(n);
        // A wmv file keeps its video view through the display reset, and with it its graph.
        s.fichier(prec, "avant.wmv", 60, true);
        s.fichier(n, "apres.mp3", 60);
        s.f.coche2.setValue(true);
        s.f.jouer(prec);
        GrapheSimule* ancien = s.graphe(prec);
        QVERIFY(!s.lecteur(prec).video.estNul());
        s.f.Désactive_audio.setChecked(true);
        s.f.jouer(n);
        QVERIFY(s.lecteur(prec).graphe.estNul());
        // The video view still holds the old graph: it must be silent.
        QCOMPARE(static_cast<GrapheSimule*>(s.lecteur(prec).video.objet().get()), ancien);
        QCOMPARE(ancien->GetState(0), etat_graphe::Arrete);
    }

    void pas_demix_audio_selon_le_lecteur_en_cours() {
        SceneDecks s;
        for (int i = 1; i <= 3; ++i) s.lecteur(i).graphe = FilgraphManager::creer();
        lecteur_en_cours = 2;
        s.f.Pas_demix_audio();
        QVERIFY(s.lecteur(1).graphe.estNul());
        QVERIFY(!s.lecteur(2).graphe.estNul());
        QVERIFY(!s.lecteur(3).graphe.estNul());
        s.f.Pas_demix_audio();  // nothing left to release: harmless
        lecteur_en_cours = 0;
        s.f.Pas_demix_audio();
        QVERIFY(!s.lecteur(3).graphe.estNul());
    }

    void reinitialisation_de_l_affichage_data() {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("video_gardee");
        QTest::newRow("mp3") << "mp3" << true;
        QTest::newRow("avi") << "avi" << false;
        QTest::newRow("wmv") << "wmv" << true;
    }
    void reinitialisation_de_l_affichage() {
        QFETCH(QString, extension);
        QFETCH(bool, video_gardee);
        SceneDecks s;
        s.fichier(2, "b." + extension, 60, true);
        s.f.play2();
        s.lecteur(2).video = s.lecteur(2).graphe;
        s.f.picProgBack1.setValue(20);
        s.f.picProgBack1.setCaption("x");
        s.f.Command2.setEnabled(false);
        extension_fichier = extension;
        s.f.stop_play2();
        QCOMPARE(s.f.Label1.Caption(), QStringLiteral("0"));
        QVERIFY(!s.f.Timer6.Enabled());
        QCOMPARE(s.f.picProgBack1.Value(), 0);
        QCOMPARE(s.f.picProgBack1.Caption(), QString());
        QVERIFY(s.f.Command2.isEnabled());
        QCOMPARE(!s.lecteur(2).video.estNul(), video_gardee);
        QVERIFY(s.en_lecture(2));  // only the display was reset
    }

    void stop_play_arrete_le_lecteur_1() {
        SceneDecks s;
        s.f.stop_play();  // no graph: silent
        s.fichier(1, "a.mp3", 60);
        s.f.play1();
        s.f.stop_play();
        QVERIFY(!s.en_lecture(1));
        QVERIFY(!s.lecteur(1).graphe.estNul());
        QCOMPARE(s.f.Label6.Caption(), QStringLiteral("0"));
        QVERIFY(!s.f.Command3.isEnabled());
        QVERIFY(s.f.Command1.isEnabled());
    }

    void pause_puis_reprise() {
        SceneDecks s;
        Repondeur r;
        s.f.A_pause_1();  // no graph: nothing, no message
        s.fichier(2, "b.mp3", 60);
        s.f.play2();
        s.f.A_pause_1();
        QCOMPARE(s.graphe(2)->GetState(0), etat_graphe::EnPause);
        QCOMPARE(s.f.HLBSoftBttn13.Caption(), QStringLiteral("=>"));
        QVERIFY(s.f.Command4.isEnabled());
        QVERIFY(!s.f.Timer1.Enabled());
        s.f.A_pause_1();
        QVERIFY(s.en_lecture(2));
        QCOMPARE(s.f.HLBSoftBttn13.Caption(), QStringLiteral("II"));
        QVERIFY(!s.f.Command4.isEnabled());
        QVERIFY(s.f.Timer1.Enabled());
        QCOMPARE(r.boites().size(), 0);
    }

    void reprise_d_un_lecteur_de_mixage_special_rabaisse_le_lecteur_a_l_antenne() {
        SceneDecks s;
        s.fichier(1, "chanson.mp3", 200);
        s.fichier(2, "jingle.mp3", 8);
        s.f.play1();
        s.f.Slider.setValue(10);
        s.f.HLBSoftBttn6_Click();
        QCOMPARE(s.f.Slider.Value(), 13);
        s.f.A_pause_1();                 // pause: the deck on air comes back to its level
        QCOMPARE(s.f.Slider.Value(), 10);
        s.f.A_pause_1();                 // resume: lowered again
        QCOMPARE(s.f.Slider.Value(), 13);
    }

    void mettre_en_pause_le_lecteur_a_l_antenne() {
        SceneDecks s;
        {
            Repondeur r;
            r.attendre_message();
            s.f.Mettre_en_pause();
            QCOMPARE(r.messages().size(), 1);
            QCOMPARE(r.messages()[0].texte, QStringLiteral("Aucun lecteur en cours"));
            QCOMPARE(r.messages()[0].style, 64);
        }
        s.fichier(3, "c.mp3", 60);
        s.f.play3();
        s.f.Mettre_en_pause();
        QCOMPARE(s.graphe(3)->GetState(0), etat_graphe::EnPause);
        s.f.Mettre_en_pause();
        QVERIFY(s.en_lecture(3));
    }
};

SONAVEL_TEST_MAIN(TestLecture)
#include "test_lecture.moc"
