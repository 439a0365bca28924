// The playlist window's play controls on the simulated graph and clock: the run state carried
// by Image1..Image3, loading the selected entry on a deck, the row double-click, the play-order
// options, and listening and pre-listening from the list.
#include "automation/scene_liste.h"
#include "support/repondeur.h"
#include "windows/Form_options.h"
#include "windows/liste.h"

using namespace Radio;

namespace {
QStringList trois(SceneListe& s) { return s.pistes(QStringLiteral("c"), 3, 100, QStringLiteral("45")); }
bool boutons(Liste_son& l, bool i1, bool i2, bool i3) {
    return l.Image1.isEnabled() == i1 && l.Image2.isEnabled() == i2 && l.Image3.isEnabled() == i3;
}
}  // namespace

class TestCommandesListe : public QObject {
    Q_OBJECT
private slots:
    void etats_des_boutons_pendant_une_lecture() {
        SceneListe s;
        trois(s);
        QVERIFY(boutons(s.l, true, true, true));
        s.demarrer(false, 1);
        QVERIFY(boutons(s.l, false, true, true));
        QCOMPARE(lecteur_en_cours, 1);
        QVERIFY(s.f.Timer1.Enabled() && s.f.Timer4.Enabled() && !s.f.Timer2.Enabled());
        s.tics(3);
        // A zap in a list order: the zap image waits for the change-over.
        s.l.Image2_Click();
        s.noter();
        QVERIFY(boutons(s.l, false, false, true));
        QCOMPARE(s.l.Label12.Caption(), QStringLiteral("Zapping suspendue !"));
        QCOMPARE(lecteur_en_cours, 2);
        // Stop: the deck on air stops, the list is idle again; the timers stay.
        s.l.Image3_Click();
        QVERIFY(boutons(s.l, true, true, true));
        QCOMPARE(lecteur_en_cours, 0);
        QCOMPARE(s.l.Label3.Caption(), QStringLiteral("Liste"));
        QCOMPARE(s.l.Label12.Caption(), QStringLiteral("Zapping autorisé"));
        QVERIFY(s.f.Timer4.Enabled());
        // A paused deck mid-track keeps the play button from starting anything.
        s.f.picProgBack1.setValue(5);
        s.noter();
        const int departs = s.departs.size();
        s.l.Image1_Click();
        s.noter();
        QCOMPARE(s.departs.size(), departs);
        QVERIFY(s.l.Image1.isEnabled());
        // Pause with nothing on air says so.
        Repondeur r;
        r.attendre_message();
        s.l.Mettre_en_pause();
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Aucun lecteur en cours"));
    }

    void images_pressees() {
        SceneListe s;
        Chemin_programme = sonavel_test::dossier_images();
        if (!Chemin_programme.endsWith(QLatin1Char('/'))) Chemin_programme += QLatin1Char('/');
        s.l.Image3.MouseDown(1, 0, 1, 1);
        QCOMPARE(s.l.Image3.Picture(), Chemin_programme + QStringLiteral("b3noir.jpg"));
        s.l.Image3.MouseUp(1, 0, 1, 1);
        QVERIFY(s.l.Image3.Picture().isEmpty());
        s.l.Image8.MouseDown(1, 0, 1, 1);
        QCOMPARE(s.l.Image8.Picture(), Chemin_programme + QStringLiteral("bouton_noir_grosdoux.jpg"));
        num_enreg_courant = 4;
        s.l.Image4.MouseMove(0, 0, 1, 1);
        QCOMPARE(s.l.Image4.toolTip(), QStringLiteral("Position en cours N° 4"));
    }

    void charger_sur_un_lecteur() {
        SceneListe s;
        const QStringList p = trois(s);
        s.l.ListView1.setSelectedItem(s.l.ListView1.ListItem(3));
        // Deck 1 on air: deck 2 takes row 3 but its zap and play buttons stay off.
        lecteur_en_cours = 1;
        s.l.char2_Click();
        QCOMPARE(chemin_lecteur2, p[2]);
        QCOMPARE(s.chargements.size() + GrapheSimule::journal().filter(QStringLiteral("RenderFile")).size(), 1);
        QVERIFY(!s.f.HLBSoftBttn2.isEnabled());
        QVERIFY(!s.f.Command4.isEnabled());
        // Nothing on air: deck 3 takes row 2, its buttons and special mix are on.
        lecteur_en_cours = 0;
        s.f.HLBSoftBttn7.setEnabled(false);
        s.l.ListView1.setSelectedItem(s.l.ListView1.ListItem(2));
        s.l.Charg3_son();
        QCOMPARE(chemin_lecteur3, p[1]);
        QVERIFY(s.f.HLBSoftBttn3.isEnabled() && s.f.Command6.isEnabled() && s.f.HLBSoftBttn7.isEnabled());
        // A list never saved loads nothing.
        chemin_liste.clear();
        s.l.char1_Click();
        QVERIFY(chemin_lecteur1.isEmpty());
    }

    void double_clic_sur_une_ligne() {
        SceneListe s;
        const QStringList p = trois(s);
        s.l.ListView1.setSelectedItem(s.l.ListView1.ListItem(2));
        s.l.ListView1_DblClick();
        s.noter();
        QCOMPARE(chemin_lecteur1, p[1]);
        QCOMPARE(s.chargements.size(), 1);
        QVERIFY(s.departs.isEmpty());
        QVERIFY(s.f.coche3.Value());
        QCOMPARE(num_enreg_courant, 2);
        QCOMPARE(index_liste_en_cours, 2);
        // While listening the record on air is kept.
        ecoute_en_cours = Vrai;
        s.l.ListView1.setSelectedItem(s.l.ListView1.ListItem(3));
        s.l.ListView1_DblClick();
        QCOMPARE(num_enreg_courant, 2);
        ecoute_en_cours = Faux;
        // The do-not-save option refuses.
        s.l.a_Ne_pas_Sauve.setChecked(true);
        Repondeur r;
        r.attendre_message();
        s.l.ListView1_DblClick();
        QCOMPARE(r.messages()[0].style, 64);
        QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral("Traitement impossible avec l'option\rNe pas sauver")));
        s.l.a_Ne_pas_Sauve.setChecked(false);
        // During a list run a double-click does nothing.
        s.l.Image1.setEnabled(false);
        s.noter();
        s.l.ListView1_DblClick();
        s.noter();
        QCOMPARE(s.chargements.size(), 2);
    }

    // Each option from another: lecture_liste_auto, ordre_aleatoire, timers 1 2 4 8 ("-" as it
    // was), the mode menu, insertion on, pre-listen menu enabled, the history window's caption.
    void options_d_ordre_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("jingle_coche");
        QTest::addColumn<int>("liste_auto");
        QTest::addColumn<int>("aleatoire");
        QTest::addColumn<QString>("timers");
        QTest::addColumn<bool>("predefini");
        QTest::addColumn<int>("jingle");
        QTest::addColumn<bool>("precoute");
        QTest::addColumn<QString>("mode");
        QTest::newRow("1 continuous") << 1 << true << 0 << 0 << "-100" << false << 0 << false << "";
        QTest::newRow("2 random") << 2 << true << -1 << -1 << "101-" << true << 0 << true << "Lecture aléatoire";
        QTest::newRow("3 defined end") << 3 << true << -1 << 0 << "1011" << true << -1 << true << "Lecture durée définie";
        QTest::newRow("3 jingle unticked") << 3 << false << -1 << 0 << "101-" << true << -1 << true
                                           << "Lecture durée définie";
        QTest::newRow("4 duration") << 4 << true << -1 << 0 << "1011" << true << -1 << false << "Lecture durée piste";
    }
    void options_d_ordre() {
        QFETCH(int, option);
        QFETCH(bool, jingle_coche);
        QFETCH(int, liste_auto);
        QFETCH(int, aleatoire);
        QFETCH(QString, timers);
        QFETCH(bool, predefini);
        QFETCH(int, jingle);
        QFETCH(bool, precoute);
        QFETCH(QString, mode);
        SceneListe s;
        journal_actif = Vrai;
        OptionButton* o[] = {&s.l.Option1, &s.l.Option2, &s.l.Option3, &s.l.Option4};
        // From another order, with jingle insertion on and every timer off.
        o[option == 1 ? 3 : 0]->setValue(true);
        Form_options::instance().Check1.setValue(jingle_coche ? 1 : 0);
        jingle_auto_actif = Vrai;
        s.l.Label14.setCaption(QStringLiteral("Jingle auto / On"));
        liste::instance().List1.AddItem(QStringLiteral("7"));
        Timer* t[] = {&s.f.Timer1, &s.f.Timer2, &s.f.Timer4, &s.f.Timer8};
        for (Timer* x : t) x->setEnabled(false);
        if (!jingle_coche) jingle_auto_actif = Faux;
        s.l.show();
        o[option - 1]->setValue(true);

        QCOMPARE(int(lecture_liste_auto), liste_auto);
        QCOMPARE(int(ordre_aleatoire), aleatoire);
        for (int i = 0; i < 4; ++i)
            if (timers[i] != QLatin1Char('-'))
                QVERIFY2(t[i]->Enabled() == (timers[i] == QLatin1Char('1')), qPrintable(QString::number(i)));
        QCOMPARE(s.f.a_mode_predefini.Checked(), predefini);
        QCOMPARE(s.f.a_mode_auto.Checked(), !predefini);
        // The fade: on every change-over in the list orders, on zaps only in continuous play.
        QCOMPARE(s.f.Active_audio.Checked(), option != 1);
        QCOMPARE(s.f.Active_audio_zapping.Checked(), option == 1);
        QCOMPARE(int(jingle_auto_actif), jingle_coche ? jingle : 0);
        if (option <= 2) QCOMPARE(s.l.Label14.Caption(), QStringLiteral("Jingle auto / Off"));
        QCOMPARE(s.l.A_precoute.Enabled(), precoute);
        QCOMPARE(s.l.isVisible(), option != 1);
        if (!mode.isEmpty()) QCOMPARE(liste::instance().Label8.Caption(), mode);
        QCOMPARE(liste::instance().Frame1.isVisibleTo(&liste::instance()), option == 2);
        QCOMPARE(liste::instance().List1.count(), option == 2 ? 0 : 1);
        const char* journaux[] = {"Lecteur - Lecture continue auto", "Liste - Lecture aléatoire",
                                  "Liste - Lecture fin de piste définie", "Liste - Lecture durée piste"};
        QFile j(sonavel_test::dossier_programme() + QStringLiteral("journal.doc"));
        QVERIFY(j.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(j.readAll()).endsWith(QString::fromUtf8(journaux[option - 1]) + QStringLiteral("\r\n")));
    }

    // The deck on air's duration label follows the option: the end point, or pre-listen's
    // length when shorter; Option1 the file's duration and the "Lecteur" captions.
    void options_et_libelles_de_duree() {
        SceneListe s;
        lecteur_en_cours = 2;
        fin_lecture_lecteur2 = QStringLiteral("90");
        duree_lecteur2 = QStringLiteral("200.4");
        preecoute_active = Vrai;
        duree_preecoute = 60;
        s.l.Option2.setValue(true);
        QCOMPARE(s.f.Label1.Caption(), QStringLiteral("60"));
        s.l.Option4.setValue(true);
        QCOMPARE(s.f.Label1.Caption(), QStringLiteral("90"));
        fin_lecture_lecteur2 = QStringLiteral("45");
        s.l.Option3.setValue(true);
        QCOMPARE(s.f.Label1.Caption(), QStringLiteral("45"));
        s.l.Option1.setValue(true);
        QCOMPARE(s.f.Label1.Caption(), QStringLiteral("200"));
        QCOMPARE(s.l.Label3.Caption(), QStringLiteral("Lecteur"));
        QCOMPARE(preecoute_active, Faux);
        lecteur_en_cours = 3;
        duree_lecteur3 = QStringLiteral("100");
        fin_lecture_lecteur3 = QStringLiteral("100");
        s.l.Option3.setValue(true);
        s.l.Option1.setValue(true);
        QCOMPARE(s.l.Label3.Caption(), QStringLiteral("lecteur"));
    }

    // Listening while deck 1 plays starts the entry on deck 3 over it; the flags are clear
    // after, also after a listen whose file cannot be loaded, so later loads take the list.
    void ecoute() {
        SceneListe s;
        QStringList p = trois(s);
        // Row 4 names a file that does not exist.
        p << s.dossier.filePath(QStringLiteral("absent.mp3"));
        s.liste({{p[0], QStringLiteral("45")}, {p[1], QStringLiteral("45")}, {p[2], QStringLiteral("45")},
                 {p[3], QStringLiteral("45")}});
        s.demarrer(false, 1);
        s.tics(3);
        num_enreg_destinataire = 3;
        s.l.A_ecoute_Click();
        s.noter();
        QCOMPARE(s.departs.last().chemin, p[2]);
        QCOMPARE(chemin_lecteur3, p[2]);
        QCOMPARE(index_liste_en_cours, num_enreg_courant);
        QCOMPARE(num_enreg_courant, 1);
        QCOMPARE(ecoute_en_cours, Faux);
        QCOMPARE(charge_ecoute, Faux);

        num_enreg_destinataire = 4;
        s.l.A_ecoute_Click();
        QCOMPARE(ecoute_en_cours, Faux);
        QCOMPARE(charge_ecoute, Faux);
        s.l.ListView1.setSelectedItem(s.l.ListView1.ListItem(3));
        s.l.Charg1_son();
        QCOMPARE(chemin_lecteur1, p[2]);
    }

    void preecoute_data() {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<int>("duree");
        QTest::addColumn<int>("active");
        QTest::newRow("20 below the jingle length") << "20" << 31 << -1;
        QTest::newRow("45 kept") << "45" << 45 << -1;
        QTest::newRow("0") << "0" << 31 << -1;
        QTest::newRow("not a number") << "abc" << 60 << 0;
        QTest::newRow("cancelled") << "" << 60 << 0;
    }
    void preecoute() {
        QFETCH(QString, reponse);
        QFETCH(int, duree);
        QFETCH(int, active);
        SceneListe s;
        valeur_max_jingles = 30;
        Mix = 6;
        Repondeur r;
        r.attendre_saisie(reponse);
        s.l.A_precoute_Click();
        QCOMPARE(r.boites()[0].titre, QStringLiteral("Lecture pré-écoute"));
        QCOMPARE(r.boites()[0].defaut, QStringLiteral("60"));
        QVERIFY(r.boites()[0].texte.endsWith(QStringLiteral("\n\r\n\rExemple en secondes (minimun)\r30")));
        QCOMPARE(int(duree_preecoute), duree);
        QCOMPARE(int(preecoute_active), active);
        QCOMPARE(s.l.A_precoute.Checked(), active == -1);
        QVERIFY(s.l.Option3.Value());
        QCOMPARE(superposition, int16_t(6));
        // Switching it off asks again and sets the overlap and Mix to 1.
        if (active == -1) {
            r.attendre_saisie(QStringLiteral("40"));
            s.l.A_precoute_Click();
            QCOMPARE(preecoute_active, Faux);
            QCOMPARE(Mix, int16_t(1));
            QCOMPARE(superposition, int16_t(1));
            QCOMPARE(s.f.Text1.text(), QStringLiteral("1"));
        }
    }
};

SONAVEL_TEST_MAIN(TestCommandesListe)
#include "test_commandes_liste.moc"
