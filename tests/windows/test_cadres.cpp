// Window frames under a real window manager: the stored places are the frames' places, the
// title bars stay on the screen, the places hold over restarts and every window fits the
// screen, frame included. Skipped without an X display and a window manager (ctest runs it on
// tools/affichage.sh's display with openbox).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <functional>

#include "config/etat.h"
#include "help_viewer/aide_prog.h"
#include "config/placement.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "support/cadres.h"
#include "support/configuration.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Association.h"
#include "windows/Chargement.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Propriete.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/commandes_fenetres.h"
#include "windows/copie.h"
#include "windows/err_form.h"
#include "windows/frmAbout.h"
#include "windows/fsauve.h"
#include "windows/infoplus.h"
#include "windows/liste.h"
#include "windows/mini_lecteur.h"
#include "windows/renom.h"

using namespace Radio;
using cadres_test::cadre_montre;
using cadres_test::capture;

namespace {
QRect ecran() { return QGuiApplication::primaryScreen()->geometry(); }

QPoint position_gardee(const char* cle_haut, const char* cle_gauche) {
    return {lire_reglage(cle::Position, cle_gauche).toInt() / TwipsParPixel,
            lire_reglage(cle::Position, cle_haut).toInt() / TwipsParPixel};
}

template <class T>
void verifier_dans_l_ecran(const char* nom) {
    T& f = T::instance();
    const QRect r = cadre_montre(f);
    capture(QLatin1String(nom));
    QVERIFY2(ecran().contains(r), qPrintable(QStringLiteral("%1: %2,%3 %4x%5")
                                                 .arg(QLatin1String(nom))
                                                 .arg(r.x())
                                                 .arg(r.y())
                                                 .arg(r.width())
                                                 .arg(r.height())));
    f.hide();
}
}  // namespace

class TestCadres : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        const QString manque = cadres_test::sans_gestionnaire_de_fenetres();
        if (!manque.isEmpty()) QSKIP(qPrintable(manque));
    }
    void init() { sonavel_test::nouveau_programme(); }

    // The default place (the purge writes 100 twips) puts the frames at 6 px: title bars on
    // the screen. Saved and restored over several restarts, the frames do not move.
    void place_par_defaut_et_redemarrages() {
        for (int demarrage = 0; demarrage < 3; ++demarrage) {
            const int haut = demarrage ? lire_reglage(cle::Position, cle::Position_haut).toInt() : 100;
            const int gauche = demarrage ? lire_reglage(cle::Position, cle::Position_gauche).toInt() : 100;
            const int haut_l = demarrage ? lire_reglage(cle::Position, cle::Position_haut_liste).toInt() : 100;
            const int gauche_l = demarrage ? lire_reglage(cle::Position, cle::Position_gauche_liste).toInt() : 100;
            Radio_FM& f = Radio_FM::instance();
            placement::placer(f, haut, gauche);
            Liste_son& l = Liste_son::instance();
            placement::placer(l, haut_l, gauche_l);
            const QRect cadre_f = cadre_montre(f);
            const QRect cadre_l = cadre_montre(l);
            if (demarrage == 0) capture(QStringLiteral("place_par_defaut"));
            QCOMPARE(cadre_f.topLeft(), QPoint(6, 6));
            QCOMPARE(cadre_l.topLeft(), QPoint(6, 6));
            QVERIFY(f.geometry().top() > cadre_f.top());  // the title bar above the inner area
            // Saved as the main window's close box and the list's close button save them.
            placement::sauver(f, cle::Position_haut, cle::Position_gauche);
            l.Label9_Click();
            QCOMPARE(position_gardee(cle::Position_haut, cle::Position_gauche), QPoint(6, 6));
            QCOMPARE(position_gardee(cle::Position_haut_liste, cle::Position_gauche_liste), QPoint(6, 6));
            Form::decharger_tout();
        }
    }

    // A stored place that would put a title bar above the screen or past its right edge:
    // the window comes back with its whole title bar reachable.
    void titre_ramene_sur_l_ecran_data() {
        QTest::addColumn<int>("haut");
        QTest::addColumn<int>("gauche");
        QTest::addColumn<QPoint>("coin");
        QTest::newRow("au-dessus") << -3000 << 4500 << QPoint(300, 0);
        QTest::newRow("titre juste au-dessus") << -15 << 1500 << QPoint(100, 0);
        QTest::newRow("a droite") << 3000 << 30000 << QPoint(-1, 200);
    }
    void titre_ramene_sur_l_ecran() {
        QFETCH(int, haut);
        QFETCH(int, gauche);
        QFETCH(QPoint, coin);
        Radio_FM& f = Radio_FM::instance();
        placement::placer(f, haut, gauche);
        cadre_montre(f);
        // A loaded machine can leave the window manager's last move pending a while.
        QTRY_COMPARE_WITH_TIMEOUT(f.frameGeometry().top(), coin.y(), 10000);
        if (coin.x() >= 0) QTRY_COMPARE_WITH_TIMEOUT(f.frameGeometry().left(), coin.x(), 10000);
        const QRect r = f.frameGeometry();
        QVERIFY(r.top() >= 0 && r.left() < ecran().right() - 48);
    }

    // The mini player's place is its frame's, whichever answer closes the program from it;
    // put back there, it stands where it stood.
    void mini_lecteur_garde_sa_place_data() {
        QTest::addColumn<int>("reponse");
        QTest::newRow("Oui") << int(boites::Oui);
        QTest::newRow("Non") << int(boites::Non);
    }
    void mini_lecteur_garde_sa_place() {
        QFETCH(int, reponse);
        Radio_FM& f = Radio_FM::instance();
        f.show();
        f.a_mini_Click();
        mini_lecteur& m = mini_lecteur::instance();
        cadre_montre(m);
        m.move(200, 150);  // where the user put it
        const QRect avant = cadre_montre(m);
        QCOMPARE(avant.topLeft(), QPoint(200, 150));
        {
            sonavel_test::FinInterceptee fin;
            Repondeur r;
            r.attendre_message(reponse);
            const bool fini = sonavel_test::termine([&] { m.Command5_Click(); });
            QCOMPARE(fini, reponse == boites::Oui);
        }
        const QPoint gardee = position_gardee(cle::Position_haut_mini_lecteur, cle::Position_gauche_mini_lecteur);
        QCOMPARE(gardee, avant.topLeft());
        Form::decharger_tout();
        mini_lecteur& apres = mini_lecteur::instance();
        placement::placer(apres, gardee.y() * TwipsParPixel, gardee.x() * TwipsParPixel);
        QCOMPARE(cadre_montre(apres).topLeft(), avant.topLeft());
    }

    // Putting a window above the others or back among them leaves it where it stands.
    void premier_plan_sans_deplacer() {
        mini_lecteur& m = mini_lecteur::instance();
        cadre_montre(m);
        m.move(300, 100);
        const QRect avant = cadre_montre(m);
        for (bool dessus : {true, false}) {
            fenetres::premier_plan(m, dessus);
            QCOMPARE(cadre_montre(m), avant);
        }
    }

    // Every window and dialog of both programs, frame included, within the screen.
    void chaque_fenetre_dans_l_ecran() {
        verifier_dans_l_ecran<Radio_FM>("Radio_FM");
        verifier_dans_l_ecran<Liste_son>("Liste_son");
        verifier_dans_l_ecran<ajout_fichier>("ajout_fichier");
        verifier_dans_l_ecran<mini_lecteur>("mini_lecteur");
        verifier_dans_l_ecran<Form_options>("Form_options");
        verifier_dans_l_ecran<Propriete>("Propriete");
        verifier_dans_l_ecran<err_form>("err_form");
        verifier_dans_l_ecran<renom>("renom");
        verifier_dans_l_ecran<copie>("copie");
        verifier_dans_l_ecran<fsauve>("fsauve");
        verifier_dans_l_ecran<Association>("Association");
        verifier_dans_l_ecran<liste>("liste");
        verifier_dans_l_ecran<frmAbout>("frmAbout");
        verifier_dans_l_ecran<infoplus>("infoplus");
        // The help viewer, a program of its own, with the shipped help file.
        QFile::copy(sonavel_test::dossier_images() + QStringLiteral("/aide_sonavel_V5.rtf"), aide_prog::chemin_aide());
        verifier_dans_l_ecran<aide_prog>("aide_prog");
        // The frameless splash goes as soon as the main window shows: its size is enough.
        QVERIFY(QRect(ecran().topLeft(), Chargement::instance().size()).intersected(ecran()).size() ==
                Chargement::instance().size());
    }

    // The playlist window's layouts: docked under the main window at its default place, as
    // wide as it; full height; each within the screen.
    void dispositions_de_la_liste() {
        Radio_FM& f = Radio_FM::instance();
        placement::placer(f, 100, 100);
        const QRect principale = cadre_montre(f);
        Liste_son& l = Liste_son::instance();
        // "<" in the list window alternates full height and docked.
        const auto disposer = [&](bool pleine_hauteur) {
            l.Form_KeyPress('<');
            if ((l.liste_agrandie == Vrai) != pleine_hauteur) l.Form_KeyPress('<');
        };

        const auto sous_la_principale = [&](const QRect& r) { return r.topLeft() == principale.bottomLeft() + QPoint(0, 1); };
        disposer(false);
        QRect r = cadre_montre(l, sous_la_principale);
        capture(QStringLiteral("liste_ancree"));
        QVERIFY2(ecran().contains(r), qPrintable(QStringLiteral("ancree: %1 %2").arg(r.bottom()).arg(r.width())));
        QCOMPARE(r.left(), principale.left());
        QCOMPARE(r.width(), principale.width());
        QCOMPARE(r.top(), principale.bottom() + 1);

        disposer(true);
        r = cadre_montre(l, [](const QRect& r) { return r.top() == 1; });
        capture(QStringLiteral("liste_pleine_hauteur"));
        QVERIFY2(ecran().contains(r), qPrintable(QStringLiteral("pleine hauteur: %1..%2").arg(r.top()).arg(r.bottom())));
        QVERIFY(r.height() > ecran().height() - 40);

        f.Aligner_liste_Click();  // the display menu's docking
        r = cadre_montre(l, sous_la_principale);
        QVERIFY(ecran().contains(r));
        QCOMPARE(r.topLeft(), principale.bottomLeft() + QPoint(0, 1));
        QCOMPARE(r.width(), principale.width());

        // The list-play monitor beside them, as high as both: its buttons above the edge.
        for (bool pleine_hauteur : {false, true}) {
            disposer(pleine_hauteur);
            cadre_montre(l);
            f.Afficher_C_aleatoire_Click();
            liste& h = liste::instance();
            r = cadre_montre(h);
            h.raise();  // over the list window for the capture, drawn
            h.activateWindow();
            QTest::qWait(400);
            capture(pleine_hauteur ? QStringLiteral("historique_liste_pleine_hauteur") : QStringLiteral("historique"));
            QVERIFY2(ecran().contains(r), qPrintable(QStringLiteral("historique: %1..%2").arg(r.top()).arg(r.bottom())));
            QVERIFY(h.Command1.mapToGlobal(QPoint(0, h.Command1.height())).y() <= ecran().bottom());
        }
    }

    // The main window low on the screen; the list shown at full height and docked right after,
    // before the window manager has framed it, so that it answers the first request after the
    // second: the list stands under the main window, as wide, as high as the screen leaves
    // below it (less than the docked height), whatever came first. By "<" in the list window
    // and by the display menu's docking.
    void ancree_sous_une_principale_basse_data() {
        QTest::addColumn<bool>("menu");
        QTest::newRow("touche <") << false;
        QTest::newRow("menu Aligner") << true;
    }
    void ancree_sous_une_principale_basse() {
        QFETCH(bool, menu);
        Radio_FM& f = Radio_FM::instance();
        placement::placer(f, 100, 100);
        const int hauteur = cadre_montre(f).height();
        // Low enough that the docked height (295 px) does not fit below it.
        const int haut = ecran().height() - hauteur - 150;
        f.setTop(haut * TwipsParPixel);
        const QRect principale = cadre_montre(f, [&](const QRect& r) { return r.top() == haut; });
        QCOMPARE(principale.top(), haut);

        Liste_son& l = Liste_son::instance();
        l.liste_agrandie = Faux;
        l.Form_KeyPress('<');  // full height, from the top of the screen
        QCOMPARE(l.liste_agrandie, Vrai);
        if (menu)
            f.Aligner_liste_Click();
        else
            l.Form_KeyPress('<');

        const QRect r = cadre_montre(l, [&](const QRect& r) { return r.top() == principale.bottom() + 1; });
        capture(QStringLiteral("liste_ancree_basse"));
        QCOMPARE(r.topLeft(), principale.bottomLeft() + QPoint(0, 1));
        QCOMPARE(r.width(), principale.width());
        QCOMPARE(r.bottom(), QGuiApplication::primaryScreen()->availableGeometry().bottom());
    }
};

SONAVEL_TEST_MAIN(TestCadres)
#include "test_cadres.moc"
