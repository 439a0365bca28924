// The windows: one instance each, created on first use and unloaded; the main window's
// timers, groups and pictures at start; the notice window hides instead of unloading.
#include <QCloseEvent>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QDialog>
#include <QPixmap>

#include "config/etat.h"
#include "platform/programme.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Association.h"
#include "windows/Chargement.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Propriete.h"
#include "windows/Radio_FM.h"
#include "windows/commandes_fenetres.h"
#include "windows/ajout_fichier.h"
#include "windows/copie.h"
#include "windows/err_form.h"
#include "windows/frmAbout.h"
#include "windows/fsauve.h"
#include "windows/impression.h"
#include "windows/infoplus.h"
#include "windows/liste.h"
#include "windows/mini_lecteur.h"
#include "windows/renom.h"

namespace {
template <class T>
void verifier_cycle(const char* nom) {
    QVERIFY2(!T::existe(), nom);
    T& f = T::instance();
    QVERIFY2(T::existe() && &T::instance() == &f, nom);
    QVERIFY2(!f.Caption().isEmpty(), nom);
    QVERIFY2(!f.isVisible(), nom);  // created, not shown
    T::decharger();
    QVERIFY2(!T::existe(), nom);
}

template <class... T>
void verifier_tous(const char* const (&noms)[sizeof...(T)]) {
    int i = 0;
    (verifier_cycle<T>(noms[i++]), ...);
}
}  // namespace

class TestFenetres : public QObject {
    Q_OBJECT
private slots:
    void init() { sonavel_test::nouveau_programme(); }

    void chaque_fenetre_creee_au_premier_usage_et_dechargee() {
        const char* const noms[] = {"Radio_FM", "Liste_son", "ajout_fichier", "mini_lecteur", "Form_options", "Propriete",
                                    "err_form", "renom", "copie", "fsauve", "Association", "Chargement",
                                    "liste", "frmAbout", "infoplus"};
        verifier_tous<Radio_FM, Liste_son, ajout_fichier, mini_lecteur, Form_options, Propriete, err_form, renom, copie,
                      fsauve, Association, Chargement, liste, frmAbout, infoplus>(noms);
        // The print window's load asks for a list when none is set.
        Repondeur r;
        r.attendre_annulation().attendre_message();
        verifier_cycle<impression>("impression");
    }

    void fenetre_principale_au_depart() {
        Radio_FM& r = Radio_FM::instance();
        const struct { Timer& t; int intervalle; } timers[] = {
            {r.Timer1, 1000}, {r.Timer2, 0}, {r.Timer3, 0}, {r.Timer4, 0}, {r.Timer5, 500},
            {r.Timer6, 500}, {r.Timer7, 500}, {r.Timer8, 1000}, {r.Timer9, 1000},
        };
        for (const auto& t : timers) {
            QVERIFY(!t.t.Enabled());
            QCOMPARE(t.t.Interval(), t.intervalle);
        }
        for (::Slider* s : {&r.Slider, &r.Slider1, &r.Slider2}) QCOMPARE(s->Max(), 20);
        QVERIFY(r.Affiche_Fenetre_P.Checked());
        QVERIFY(!r.Aligner_liste.Enabled());
        // The two mix options are one group.
        r.coche2.setValue(true);
        r.coche3.setValue(true);
        QVERIFY(!r.coche2.Value());
        QVERIFY(r.Text2.isHidden());
        QCOMPARE(r.lire_1.action()->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(r.affiche.menu()->title(), QString("Affichage"));
        QVERIFY(r.a_assosiation.Caption().endsWith(programme::nom()));
    }

    void images_des_lecteurs_chargees_si_presentes() {
        QPixmap p(16, 16);
        p.fill(Qt::green);
        QVERIFY(p.save(sonavel_test::dossier_programme() + "tplay_noir.gif", "PNG"));
        Radio_FM& r = Radio_FM::instance();
        QCOMPARE(r.Command3.Picture(), sonavel_test::dossier_programme() + "tplay_noir.gif");
        QCOMPARE(r.Command6.Picture(), r.Command3.Picture());
        QVERIFY(r.Command1.Picture().isEmpty());  // "Open_noir.gif" is missing: ignored
    }

    // One press, one command: a command that opens a box moves the focus (here it ends up on
    // no control) before the same press goes on up to the window.
    void une_touche_une_commande() {
        QWidget fenetre;
        auto* champ = new QLineEdit(&fenetre);
        int commandes = 0;
        new ApercuClavier(fenetre, [&](int) {
            ++commandes;
            if (QWidget* f = QApplication::focusWidget()) f->clearFocus();  // as a closed box leaves it
            return false;
        });
        fenetre.show();
        QApplication::setActiveWindow(&fenetre);
        champ->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        QCOMPARE(QApplication::focusWidget(), champ);
        QTest::keyClick(champ, Qt::Key_Escape);
        QCOMPARE(commandes, 1);
        champ->setFocus();
        QTest::keyClick(champ, Qt::Key_Escape);  // the next press is a command again
        QCOMPARE(commandes, 2);
    }

    // The command opens a box answered from the keyboard: the answer's keys (its shortcut
    // check, press and release) come while the command runs, and the box leaves the focus
    // nowhere. The press that opened it is still one command on its way up to the window.
    void touche_qui_ouvre_une_boite_repondue_au_clavier() {
        QWidget fenetre;
        auto* champ = new QWidget(&fenetre);  // a control that lets every key go up
        champ->setFocusPolicy(Qt::StrongFocus);
        int commandes = 0;
        bool boite_fermee = false;
        new ApercuClavier(fenetre, [&](int) {
            ++commandes;
            QDialog boite;
            auto* bouton = new QPushButton(QStringLiteral("Non"), &boite);
            QObject::connect(bouton, &QPushButton::clicked, &boite, &QDialog::reject);
            bouton->setDefault(true);
            boite.show();
            QTest::keyClick(&boite, Qt::Key_Return);
            boite_fermee = !boite.isVisible();
            if (QWidget* f = QApplication::focusWidget()) f->clearFocus();
            return false;
        });
        fenetre.show();
        QApplication::setActiveWindow(&fenetre);
        champ->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        QTest::keyClick(champ, Qt::Key_Escape);
        QVERIFY(boite_fermee);
        QCOMPARE(commandes, 1);
    }

    void fenetre_info_se_cache_au_lieu_de_se_decharger() {
        err_form& e = err_form::instance();
        QCOMPARE(e.Caption(), QString("ATTENTION ERREUR"));
        e.Label1.setCaption("Fichier introuvable");
        e.Show();
        QCloseEvent fermeture;
        QApplication::sendEvent(&e, &fermeture);
        QVERIFY(!fermeture.isAccepted());
        QVERIFY(!e.isVisible());
        QVERIFY(err_form::existe());
        e.Show();
        QCOMPARE(e.Label1.Caption(), QString("Fichier introuvable"));  // the last text again
        QTest::keyClick(&e, Qt::Key_Escape);
        QVERIFY(!e.isVisible());
        e.Show();
        e.AnyButton1.click();
        QVERIFY(!e.isVisible());

        Radio::nb_fichiers_joues = 3;
        Radio::texte_message = "ancien";
        e.AnyButton2.click();
        QVERIFY(e.isVisible());
        QCOMPARE(e.Caption(), programme::nom());
        QCOMPARE(e.Label1.Caption(),
                 QString("Info \rNombre de fichiers ayant été lus\n\r\n\r Pour cette séssion\n\r\n\rNb : 3"));
        QVERIFY(Radio::texte_message.isEmpty());
    }
};

SONAVEL_TEST_MAIN(TestFenetres)
#include "test_fenetres.moc"
