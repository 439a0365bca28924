// The mode switches: what each leaves in the timers, menus, flags and captions, the preload
// switch, the play orders, the fade options, and the history window's commands.
#include "config/etat.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/liste.h"

using namespace Radio;

namespace {
Radio_FM& fenetre() {
    sonavel_test::nouveau_programme();
    Nom_radio_fm = QStringLiteral("Radio Test");
    Valeur_vitesse_timer = 1000;
    Préchargement = 7;
    chemin_lecteur1 = chemin_lecteur2 = chemin_lecteur3 = QStringLiteral("/m/a.mp3");
    return Radio_FM::instance();
}
}  // namespace

class TestModes : public QObject {
    Q_OBJECT
private slots:
    // Each row: a starting mode ("" none, "liste" list mix, "decks" deck mix), a switch, and
    // the state it leaves: timers 1 to 4 ("1" on, "0" off, "-" untouched from the start),
    // lecture_liste_auto, the checked mode menu, coche2 / coche3 selected.
    void table_des_modes_data() {
        QTest::addColumn<QString>("depart");
        QTest::addColumn<QString>("bascule");
        QTest::addColumn<QString>("timers");
        QTest::addColumn<int>("liste_auto");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<bool>("coche2");
        QTest::addColumn<bool>("coche3");
        QTest::newRow("automatique") << "" << "auto" << "11-0" << 0 << "auto" << false << false;
        QTest::newRow("manuel depuis le mix liste") << "liste" << "manuel" << "1010" << 0 << "manuel" << true << false;
        QTest::newRow("manuel depuis le mix lecteurs") << "decks" << "manuel" << "0000" << 0 << "manuel" << true << false;
        QTest::newRow("prédéfini") << "" << "predefini" << "10-1" << -1 << "predefini" << false << true;
        QTest::newRow("mix lecteurs") << "" << "coche2" << "1110" << 0 << "auto" << true << false;
        QTest::newRow("mix liste") << "" << "coche3" << "10--" << 0 << "predefini" << false << true;
        QTest::newRow("sans fondu") << "predef" << "desactive" << "-0--" << 0 << "predefini" << false << true;
    }
    void table_des_modes() {
        QFETCH(QString, depart);
        QFETCH(QString, bascule);
        QFETCH(QString, timers);
        QFETCH(int, liste_auto);
        QFETCH(QString, menu);
        QFETCH(bool, coche2);
        QFETCH(bool, coche3);
        Radio_FM& f = fenetre();
        Timer* t[] = {&f.Timer1, &f.Timer2, &f.Timer3, &f.Timer4};
        if (depart == QLatin1String("liste")) f.coche3.setValue(true);
        if (depart == QLatin1String("decks")) f.coche2.setValue(true);
        if (depart == QLatin1String("predef")) f.a_mode_predefini_Click();
        // Start from every timer off, so that "untouched" is visible.
        for (Timer* x : t) x->setEnabled(false);
        Timer2Interval(f, 0);
        ordre_aleatoire = Vrai;

        if (bascule == QLatin1String("auto")) f.a_mode_auto_Click();
        if (bascule == QLatin1String("manuel")) f.a_mode_manuel_Click();
        if (bascule == QLatin1String("predefini")) f.a_mode_predefini_Click();
        if (bascule == QLatin1String("coche2")) f.coche2.setValue(true);
        if (bascule == QLatin1String("coche3")) f.coche3.setValue(true);
        if (bascule == QLatin1String("desactive")) f.Désactive_audio_Click();

        for (int i = 0; i < 4; ++i) {
            if (timers[i] == QLatin1Char('-')) {
                QVERIFY2(!t[i]->Enabled(), qPrintable(QStringLiteral("Timer%1").arg(i + 1)));
                continue;
            }
            QVERIFY2(t[i]->Enabled() == (timers[i] == QLatin1Char('1')), qPrintable(QStringLiteral("Timer%1").arg(i + 1)));
        }
        QCOMPARE(int(lecture_liste_auto), liste_auto);
        QCOMPARE(f.a_mode_auto.Checked(), menu == QLatin1String("auto"));
        QCOMPARE(f.a_mode_manuel.Checked(), menu == QLatin1String("manuel"));
        QCOMPARE(f.a_mode_predefini.Checked(), menu == QLatin1String("predefini"));
        QCOMPARE(f.coche2.Value(), coche2);
        QCOMPARE(f.coche3.Value(), coche3);
        // Deck mix selects the continuous play order of the playlist window, which is not random.
        const bool ordre_remis = bascule == QLatin1String("auto") || bascule == QLatin1String("manuel") ||
                                 bascule == QLatin1String("predefini") || bascule == QLatin1String("coche2");
        QCOMPARE(int(ordre_aleatoire), ordre_remis ? 0 : -1);
        // The supervision interval comes back with the automatic, deck-mix and list-mix switches.
        if (bascule == QLatin1String("auto") || bascule == QLatin1String("coche2") || bascule == QLatin1String("coche3"))
            QCOMPARE(f.Timer2.Interval(), 1000);
    }

    // "Mix liste" clicked: the playlist window comes back in the full layout and the file
    // manager's quick-listen buttons go off, so a quick listen cannot take deck 1 from the
    // chaining.
    void mix_liste_au_clic() {
        Radio_FM& f = fenetre();
        ajout_fichier& a = ajout_fichier::instance();
        const std::initializer_list<QWidget*> ecoute{&a.HLBSoftBttn1, &a.HLBSoftBttn2, &a.HLBSoftBttn3};
        for (QWidget* b : ecoute) b->setEnabled(true);
        lecture_gestionnaire = Vrai;
        Liste_son& l = Liste_son::instance();
        f.coche2.setValue(true);  // deck mix hides the playlist window
        QVERIFY(!l.isVisible());
        f.show();
        QTest::mouseClick(&f.coche3, Qt::LeftButton, {}, QPoint(6, f.coche3.height() / 2));
        QVERIFY(f.coche3.Value());
        QVERIFY(l.isVisible());
        QVERIFY(f.affiche_tout.Checked());
        for (QWidget* b : ecoute) QVERIFY(!b->isEnabled());
        QCOMPARE(lecture_gestionnaire, Faux);
    }

    void legendes_et_menus_de_la_liste() {
        Radio_FM& f = fenetre();
        Liste_son& l = Liste_son::instance();
        f.a_mode_predefini_Click();
        QVERIFY(l.A_a_zapping.Checked());
        QVERIFY(l.A_precoute.Visible());
        QVERIFY(l.Option4.Value());
        QCOMPARE(l.Label3.Caption(), QStringLiteral("( - - )"));
        QVERIFY(f.Active_audio.Checked());
        QCOMPARE(f.Caption(), QStringLiteral("Radio Test ( Mix liste )"));
        QCOMPARE(f.coche4.Value(), 1);

        f.a_mode_manuel_Click();
        QCOMPARE(f.coche2.Caption(), QStringLiteral("Mix Manuel"));
        QVERIFY(!l.A_precoute.Visible());
        QVERIFY(!l.A_a_zapping.Checked());
        QVERIFY(!f.HLBSoftBttn8.isEnabled());
        QVERIFY(f.Command7.isEnabled() && f.Command6.isEnabled());
        QCOMPARE(lecteur_en_cours, 0);
        QCOMPARE(index_liste_en_cours, 1);
        QCOMPARE(f.Caption(), QStringLiteral("Radio Test ( Mix lecteur )"));
        QCOMPARE(f.Label7.Caption(), QStringLiteral("- - Radio Test - -"));
        QVERIFY(!f.Active_audio.Enabled());

        f.a_mode_auto_Click();
        QCOMPARE(f.coche2.Caption(), QStringLiteral("Mixer les titres"));
        QVERIFY(f.HLBSoftBttn8.isEnabled() && f.Image13.isEnabled());
        QVERIFY(l.Option1.Value());
    }

    void le_mode_manuel_demande_trois_lecteurs() {
        Radio_FM& f = fenetre();
        chemin_lecteur3.clear();
        f.coche3.setValue(true);
        Repondeur r;
        r.attendre_message();
        f.a_mode_manuel_Click();
        QCOMPARE(r.messages()[0].texte,
                 QStringLiteral("les trois lecteurs doivent etre chargés\ravant de passer en mode manuel "));
        QCOMPARE(r.messages()[0].style, 48);
        QVERIFY(!f.a_mode_manuel.Checked());
        QVERIFY(f.coche3.Value());
    }

    // Predefined mode over list mix already selected does not run the list-mix switch again.
    void predefini_sur_mix_liste() {
        Radio_FM& f = fenetre();
        f.coche3.setValue(true);
        f.coche4.setValue(0);
        superposition = 9;
        lecture_gestionnaire = Vrai;
        f.a_mode_predefini_Click();
        QCOMPARE(f.coche4.Value(), 0);
        QCOMPARE(superposition, int16_t(9));
        QCOMPARE(f.Text1.text(), QStringLiteral("9"));
        QCOMPARE(lecture_gestionnaire, Vrai);
    }

    void recouvrement_du_mix_liste_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("superposition");
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<bool>("message");
        QTest::newRow("vide: 2 s") << "" << 2 << "2" << false;
        QTest::newRow("arrondi") << "4.5" << 4 << "4" << false;
        QTest::newRow("pas un nombre") << "abc" << 0 << "abc" << true;
        QTest::newRow("hors 16 bits") << "40000" << 0 << "40000" << true;
    }
    void recouvrement_du_mix_liste() {
        QFETCH(QString, texte);
        QFETCH(int, superposition);
        QFETCH(QString, affiche);
        QFETCH(bool, message);
        Radio_FM& f = fenetre();
        f.Text1.setText(texte);
        Repondeur r;
        if (message) r.attendre_message();
        f.coche3.setValue(true);
        QCOMPARE(int(Radio::superposition), superposition);
        QCOMPARE(f.Text1.text(), affiche);
        QCOMPARE(f.Caption(), QStringLiteral("Radio Test ( Mix liste )"));
        if (message) {
            const QString t = r.messages()[0].texte;
            QVERIFY(t.startsWith(QStringLiteral("Une erreur est apparue !\r")));
            QVERIFY(t.contains(QStringLiteral(" - 13\n\r\n\rC'est peut etre")) || t.contains(QStringLiteral(" - 6\n\r\n\rC'est peut etre")));
            QVERIFY(t.endsWith(QStringLiteral("\rEssayer a nouveau !")));
            // The steps before the error stay done, the rest is not done.
            QVERIFY(!f.Timer1.Enabled());
            QCOMPARE(f.coche4.Value(), 0);
        } else {
            QCOMPARE(f.coche4.Value(), 1);
            QCOMPARE(prechargement_en_cours, int16_t(7));
        }
    }

    void prechargement() {
        Radio_FM& f = fenetre();
        f.coche4.setValue(1);
        QVERIFY(f.Timer1.Enabled());
        QCOMPARE(prechargement_en_cours, int16_t(7));
        f.coche4_MouseMove();
        QCOMPARE(f.coche4.toolTip(), QStringLiteral("Préchargement (7 s avant le mix) "));
        f.coche4.setValue(0);
        QVERIFY(!f.Timer1.Enabled());
        QCOMPARE(prechargement_en_cours, int16_t(0));
    }

    void ordres_de_lecture() {
        Radio_FM& f = fenetre();
        Form_options& o = Form_options::instance();
        f.A_ordre_aléatoire_Click();
        QCOMPARE(ordre_aleatoire, Vrai);
        QVERIFY(f.A_ordre_aléatoire.Checked() && !f.A_ordre_continue.Checked());
        QVERIFY(!o.Check1.isEnabled() && !o.Check2.isEnabled());
        QVERIFY(Liste_son::instance().Option2.Value());
        f.A_ordre_continue_Click();
        QCOMPARE(ordre_aleatoire, Faux);
        QVERIFY(!f.A_ordre_aléatoire.Checked() && f.A_ordre_continue.Checked());
        QVERIFY(!o.Check1.isEnabled() && !o.Check2.isEnabled());
        QVERIFY(Liste_son::instance().Option1.Value());
        QVERIFY(f.ligne_journal.isEmpty());
    }

    void options_de_fondu() {
        Radio_FM& f = fenetre();
        MenuItem* m[] = {&f.Active_audio, &f.Active_audio_jingles, &f.Active_audio_zapping, &f.Désactive_audio};
        auto coches = [&] {
            QString s;
            for (MenuItem* x : m) s += x->Checked() ? QLatin1Char('x') : QLatin1Char('.');
            return s;
        };
        f.Active_audio_jingles_Click();
        QCOMPARE(coches(), QStringLiteral(".x.."));
        // No fade leaves the play-over choice as it was.
        f.Timer2.setEnabled(true);
        lecture_liste_auto = Vrai;
        f.Désactive_audio_Click();
        QCOMPARE(coches(), QStringLiteral(".x.x"));
        QVERIFY(!f.Timer2.Enabled());
        QCOMPARE(lecture_liste_auto, Faux);
        f.Active_audio_zapping_Click();
        QCOMPARE(coches(), QStringLiteral("..x."));
        f.Active_audio_Click();
        QCOMPARE(coches(), QStringLiteral("x..."));
    }

    void fenetre_historique() {
        Radio_FM& f = fenetre();
        liste& h = liste::instance();
        Liste_son::instance().ListView1.AddItem(QStringLiteral("/m/a.mp3"));
        h.Command2_Click();
        QCOMPARE(h.List1.ListCount(), 0);
        QCOMPARE(h.Label5.Caption(), QStringLiteral("0"));

        index_liste_en_cours = 4;
        h.Command5_Click();
        h.Command5_Click();
        QCOMPARE(nb_index_tires, 2);
        QCOMPARE(index_tires, (QVector<int32_t>{4, 4}));
        QCOMPARE(h.List2.List(1), QStringLiteral("4 - CH manuel"));
        QCOMPARE(h.Text2.text(), QStringLiteral("Total index ( 1)"));
        QCOMPARE(h.Label5.Caption(), QStringLiteral("2"));

        h.Command3_Click();
        QCOMPARE(h.List1.ListCount() + h.List2.ListCount(), 0);
        h.Command2_Click();
        QCOMPARE(h.List1.ListCount(), 2);

        h.List2.AddItem(QStringLiteral("trace"));
        h.Command4_Click();
        QCOMPARE(nb_index_tires, 0);
        QCOMPARE(h.Text1.text(), QStringLiteral("1"));
        QCOMPARE(h.List1.ListCount(), 0);
        QCOMPARE(h.List2.ListCount(), 1);

        f.setLeft(3000);
        h.setWidth(1500);
        f.Afficher_C_aleatoire_Click();
        QCOMPARE(h.Left(), 1500);
        QVERIFY(h.isVisible() && Liste_son::instance().isVisible());
        h.Command1_Click();
        QVERIFY(!h.isVisible());
        // Too close to the screen's left side: the window stays on the screen.
        f.setLeft(600);
        f.Afficher_C_aleatoire_Click();
        QCOMPARE(h.Left(), 0);
    }

private:
    static void Timer2Interval(Radio_FM& f, int ms) { f.Timer2.setInterval(ms); }
};

SONAVEL_TEST_MAIN(TestModes)
#include "test_modes.moc"
