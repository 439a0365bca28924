// The mini player: its buttons act on the deck on air through the main window, its keys, its
// place on top and in the settings, and its own close question.
#include <QDir>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "decks/scene_decks.h"
#include "support/configuration.h"
#include "support/repondeur.h"
#include "windows/Liste_son.h"
#include "windows/commandes_fenetres.h"
#include "windows/mini_lecteur.h"

using namespace Radio;

class TestMiniLecteur : public QObject {
    Q_OBJECT
private slots:
    void init() { sonavel_test::nouveau_programme(); }

    void sans_lecteur_en_cours_chaque_commande_le_dit() {
        Radio_FM::instance();
        mini_lecteur& m = mini_lecteur::instance();
        lecteur_en_cours = 0;
        m.Command2.setEnabled(false);
        const std::function<void()> commandes[] = {
            [&] { m.Command2_Click(); }, [&] { m.Command3_Click(); }, [&] { m.pause_mini(); },
            [&] { m.Command6_Click(); }, [&] { m.Command7_Click(); },
        };
        Repondeur r;
        for (int i = 0; i < 5; ++i) r.attendre_message();
        for (const auto& c : commandes) c();
        QCOMPARE(r.messages().size(), 5);
        for (const auto& b : r.messages()) {
            QCOMPARE(b.texte, QStringLiteral("Aucun lecteur en cours"));
            QCOMPARE(b.style, 64);
        }
        QVERIFY(m.Command2.isEnabled());  // the refused zap leaves the button usable
        lecteur_en_cours = 4;  // no such deck: nothing at all
        m.Command3_Click();
    }

    void les_commandes_vont_au_lecteur_en_cours() {
        SceneDecks s;
        mini_lecteur& m = mini_lecteur::instance();
        chemin_entree_liste = s.fichier(2, QStringLiteral("deux.mp3"), 120);
        s.f.play2();
        QCOMPARE(int(lecteur_en_cours), 2);
        chemin_entree_liste = s.fichier(3, QStringLiteral("trois.mp3"), 120);
        GrapheSimule::avancer(40);
        const double avant = s.lecteur(2).position.CurrentPosition();
        m.Command6_Click();  // rewind deck 2
        QVERIFY(s.lecteur(2).position.CurrentPosition() < avant);
        m.Command7_Click();  // forward deck 2
        QVERIFY(s.lecteur(2).position.CurrentPosition() > avant);
        m.pause_mini();
        QVERIFY(!s.en_lecture(2));
        m.pause_mini();
        QVERIFY(s.en_lecture(2));
        // "Z" zaps from deck 2 to deck 3; the button waits for the end of the fade.
        QVERIFY(m.Form_KeyPress('Z'));
        QVERIFY(s.en_lecture(3));
        QCOMPARE(int(lecteur_en_cours), 3);
        QVERIFY(!m.Command2.isEnabled());
        // Space stops the deck on air.
        QVERIFY(m.Form_KeyPress(' '));
        QCOMPARE(s.f.Label4.Caption(), QStringLiteral(" - En attente"));
    }

    void lecture_sans_rien_ouvre_le_lecteur_1() {
        Radio_FM::instance();
        lecteur_en_cours = 0;
        chemin_lecteur1.clear();
        Repondeur r;
        r.attendre_annulation();  // the open dialog of deck 1
        mini_lecteur::instance().Command1_Click();
        QCOMPARE(r.boites().size(), 1);
        QCOMPARE(r.boites()[0].genre, boites::Genre::Ouvrir);
    }

    void touches() {
        Radio_FM::instance();
        mini_lecteur& m = mini_lecteur::instance();
        lecteur_en_cours = 0;
        // Keys that reach a deck command: its refusal shows which one ran.
        for (char code : {'S', 's', 'z', 'P', 'p', ' '}) {
            Repondeur r;
            r.attendre_message();
            QVERIFY(m.Form_KeyPress(int16_t(code)));
            QCOMPARE(r.messages().size(), 1);
        }
        for (int code : {int('i'), int('x'), int('1'), 13}) QVERIFY(!m.Form_KeyPress(int16_t(code)));
        m.Show();
        QVERIFY(m.Form_KeyPress('l'));  // back to the list
        QVERIFY(!m.isVisible());
        QVERIFY(Liste_son::instance().isVisible());
    }

    void au_dessus_et_position_gardee() {
        Radio_FM& f = Radio_FM::instance();
        f.show();
        f.a_mini_Click();
        mini_lecteur& m = mini_lecteur::instance();
        QVERIFY(m.isVisible());
        QVERIFY(fenetres::est_au_premier_plan(m));
        QVERIFY(m.testAttribute(Qt::WA_ShowWithoutActivating));
        m.move(120, 80);
        m.Command4_Click();
        QVERIFY(!fenetres::est_au_premier_plan(m));
        QCOMPARE(lire_reglage(cle::Position, cle::Position_haut_mini_lecteur), QString::number(80 * 15));
        QCOMPARE(lire_reglage(cle::Position, cle::Position_gauche_mini_lecteur), QString::number(120 * 15));
    }

    void fermer_non_revient_a_la_fenetre_principale() {
        Radio_FM& f = Radio_FM::instance();
        f.show();
        f.a_mini_Click();
        mini_lecteur& m = mini_lecteur::instance();
        m.move(200, 40);
        Repondeur r;
        r.attendre_message(boites::Non);
        QVERIFY(m.Form_KeyPress(27));
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Confirmer la fermeture de Sonavel_V5 ?"));
        QCOMPARE(r.messages()[0].titre, QStringLiteral("Sonavel_V5"));
        QCOMPARE(r.messages()[0].style, 292);
        QVERIFY(!m.isVisible());
        QVERIFY(f.isVisible() && !(f.windowState() & Qt::WindowMinimized));
        QCOMPARE(fermeture_confirmee, Faux);
        QCOMPARE(lire_reglage(cle::Position, cle::Position_gauche_mini_lecteur), QString::number(200 * 15));
    }

    void fermer_oui_sans_seconde_question() {
        Radio_FM::instance().show();
        mini_lecteur& m = mini_lecteur::instance();
        m.Show();
        sonavel_test::FinInterceptee fin;
        Repondeur r;
        r.attendre_message(boites::Oui);  // one question only: the main window's is skipped
        QVERIFY(sonavel_test::termine([&] { m.Command5_Click(); }));
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(fermeture_confirmee, Vrai);
    }

    void titre_double_clic_vide_la_legende() {
        mini_lecteur& m = mini_lecteur::instance();
        m.setCaption(QStringLiteral("Titre"));
        m.Label1_Click();
        QVERIFY(m.titre_selectionne);
        QTest::mouseDClick(&m.Label1, Qt::LeftButton);
        QCOMPARE(m.Caption(), QString());
        QVERIFY(!m.titre_selectionne);
    }
};

SONAVEL_TEST_MAIN(TestMiniLecteur)
#include "test_mini_lecteur.moc"
