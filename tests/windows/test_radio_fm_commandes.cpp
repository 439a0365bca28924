// The main window's skin buttons, label menus, display modes, small menu commands, banner and
// keyboard, on a plain main window (no start-up).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/bandeau.h"
#include "platform/programme.h"
#include "platform/reglages.h"
#include "support/petit_disque.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/commandes_fenetres.h"
#include "windows/err_form.h"
#include "windows/mini_lecteur.h"

using namespace Radio;
using Procedure = Radio_FM::Procedure;
Q_DECLARE_METATYPE(Procedure)

namespace {
QString nom_image(const Image& i) { return QFileInfo(i.Picture()).fileName(); }

// Closes the pop-up menus a command left open (they never block).
void fermer_menus() {
    while (QWidget* p = QApplication::activePopupWidget()) p->close();
}

Radio_FM& fenetre() {
    Radio_FM& f = Radio_FM::instance();
    Chemin_programme = sonavel_test::dossier_images() + QLatin1Char('/');
    return f;
}

QString reglage(const char* cle) { return lire_reglage(cle::Config, cle); }
}  // namespace

class TestRadioFmCommandes : public QObject {
    Q_OBJECT
private slots:
    void init() { sonavel_test::nouveau_programme(); }
    void cleanup() { fermer_menus(); }

    // ---- Skin buttons.

    void presse_puis_relache_data() {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("presse");
        QTest::addColumn<QString>("relache");
        QTest::newRow("quitter") << "Image1" << "bouton_noir_grosdoux.jpg" << "bouton_noir_gros.jpg";
        QTest::newRow("menu fichier") << "Image2" << "boutons_bas.jpg" << "";
        QTest::newRow("a propos") << "Image10" << "bouton_noir_moyendoux.jpg" << "";
        QTest::newRow("superposition -") << "Image14" << "bouton_noir_petitdoux.jpg" << "";
    }
    void presse_puis_relache() {
        QFETCH(QString, bouton);
        QFETCH(QString, presse);
        QFETCH(QString, relache);
        Radio_FM& f = fenetre();
        f.Text1.setText(QStringLiteral("4"));
        const QMap<QString, Image*> images{
            {"Image1", &f.Image1}, {"Image2", &f.Image2}, {"Image10", &f.Image10}, {"Image14", &f.Image14}};
        Image* i = images.value(bouton);
        f.show();
        Repondeur r;
        if (bouton == "Image1") r.attendre_message(boites::Non);  // the release asks to quit
        QTest::mousePress(i, Qt::LeftButton);
        QCOMPARE(nom_image(*i), presse);
        QTest::mouseRelease(i, Qt::LeftButton);
        QCOMPARE(nom_image(*i), relache);
        if (bouton == "Image1") {
            QCOMPARE(r.messages().size(), 1);
            QCOMPARE(r.messages()[0].texte, QStringLiteral("Confirmer la fermeture de Sonavel_V5"));
            QCOMPARE(r.messages()[0].style, 292);
        }
    }

    void image_manquante_laisse_le_bouton_tel_quel() {
        Radio_FM& f = fenetre();
        QTemporaryDir vide;
        Chemin_programme = vide.path() + QLatin1Char('/');
        f.micro_actif = Vrai;
        evenement::utilisateur(f.Image16.Click);  // the microphone picture is missing: nothing changes
        QCOMPARE(f.Image16.Picture(), QString());
        QCOMPARE(f.micro_actif, Vrai);
        f.Text1.setText(QStringLiteral("4"));
        evenement::utilisateur([&] { f.Image15.MouseDown(1, 0, 0, 0); });
        QCOMPARE(f.Image15.Picture(), QString());
    }

    void superposition_pas_a_pas_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("sens");
        QTest::addColumn<int>("mix");
        QTest::addColumn<int>("prechargement");
        QTest::newRow("1 moins reste 1") << "1" << -1 << 1 << 7;
        QTest::newRow("1 plus") << "1" << +1 << 2 << 7;
        QTest::newRow("0 moins reste 0") << "0" << -1 << 0 << 7;
        QTest::newRow("negatif plus donne 1") << "-3" << +1 << 1 << 7;
        QTest::newRow("6 plus atteint le prechargement") << "6" << +1 << 7 << 9;
        QTest::newRow("5 plus une seconde avant") << "5" << +1 << 6 << 10;
        QTest::newRow("8 moins") << "8" << -1 << 7 << 9;
        QTest::newRow("9 plus") << "9" << +1 << 10 << 7;
    }
    void superposition_pas_a_pas() {
        QFETCH(QString, texte);
        QFETCH(int, sens);
        QFETCH(int, mix);
        QFETCH(int, prechargement);
        Radio_FM& f = fenetre();
        Préchargement = 7;
        prechargement_en_cours = 3;
        f.Text1.setText(texte);
        (sens < 0 ? f.Image14.MouseUp : f.Image15.MouseUp)(1, 0, 0, 0);
        QCOMPARE(f.Text1.Text(), QString::number(mix));
        QCOMPARE(int(superposition), mix);
        QCOMPARE(int(Mix), mix);
        QCOMPARE(int(prechargement_en_cours), prechargement);
        QCOMPARE(reglage(cle::Mix), QString::number(mix));
    }

    void superposition_illisible_ne_change_rien() {
        Radio_FM& f = fenetre();
        const QString avant = reglage(cle::Mix);
        for (const char* texte : {"", "abc", "40000"}) {
            Mix = 5;
            f.Image15.setPicture(Chemin_programme + "bouton_noir_petitdoux.jpg");
            f.Text1.setText(QString::fromUtf8(texte));
            evenement::utilisateur([&] { f.Image15.MouseUp(1, 0, 0, 0); });  // the handler stops there
            QCOMPARE(f.Image15.Picture(), QString());
            QCOMPARE(int(Mix), 5);
            QCOMPARE(reglage(cle::Mix), avant);
        }
    }

    void boutons_de_mode() {
        Radio_FM& f = fenetre();
        f.Image12.MouseDown(1, 0, 0, 0);
        f.Image12.MouseUp(1, 0, 0, 0);
        f.Image12.Click();
        QVERIFY(f.coche2.Value());
        QCOMPARE(nom_image(f.Image12), QStringLiteral("bouton_noir_petitdoux.jpg"));
        QVERIFY(f.a_mode_auto.Checked());
        QVERIFY(!f.Timer4.Enabled());

        f.Image13.MouseDown(1, 0, 0, 0);
        f.Image13.MouseUp(1, 0, 0, 0);
        f.Image13.Click();
        QVERIFY(f.coche3.Value());
        QCOMPARE(f.Image12.Picture(), QString());
        QCOMPARE(nom_image(f.Image13), QStringLiteral("bouton_noir_petitdoux.jpg"));
        QVERIFY(f.Timer4.Enabled() && f.Timer1.Enabled() && !f.Timer2.Enabled());
        QCOMPARE(lecture_liste_auto, Vrai);
        Liste_son& l = Liste_son::instance();
        QVERIFY(l.Option4.Value());
        QVERIFY(!l.A_precoute.Checked() && !l.A_precoute.Enabled());
        QVERIFY(l.A_a_zapping.Checked());
        QCOMPARE(l.Label3.Caption(), QStringLiteral("( - - )"));
    }

    void bouton_liste_en_mode_manuel() {
        Radio_FM& f = fenetre();
        f.coche3.setValue(true);
        f.a_mode_manuel.setChecked(true);
        Repondeur r;
        r.attendre_message();
        f.Image6.MouseDown(1, 0, 0, 0);
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte,
                 QStringLiteral("Vous ètes en mode manuel\rModifiez cette option pour une lecture de liste"));
        QCOMPARE(r.messages()[0].style, 64);
        QVERIFY(f.coche2.Value());
        QCOMPARE(nom_image(f.Image12), QStringLiteral("bouton_noir_petitdoux.jpg"));
        QCOMPARE(f.Image6.Picture(), QString());
        f.Image6.MouseUp(1, 0, 0, 0);  // the list menu opens all the same
        QVERIFY(f.liste_.menu()->isVisible());
    }

    // A real click: the refusal box is up while the user lets go of the button, so the
    // release reaches the box, not the button. The menu opens all the same, without its own
    // refusal (one box per click), and the button is drawn released.
    void clic_reel_sur_le_bouton_liste_en_mode_manuel() {
        Radio_FM& f = fenetre();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.a_mode_manuel.setChecked(true);
        const QImage au_repos = f.Image6.grab().toImage();
        QWindow* fenetre_x = f.windowHandle();
        const QPoint ici = f.Image6.mapTo(&f, f.Image6.rect().center());
        const boites::Interception garde = boites::definir_interception({});  // the real boxes
        QStringList textes;
        QPointer<QWidget> vue;
        QTimer t;
        t.setInterval(50);
        QObject::connect(&t, &QTimer::timeout, [&] {
            QWidget* boite = QApplication::activeModalWidget();
            if (!boite || boite == vue) return;
            vue = boite;
            if (auto* m = qobject_cast<QMessageBox*>(boite)) textes << m->text();
            if (textes.size() == 1) QTest::mouseRelease(fenetre_x, Qt::LeftButton, {}, ici);
            QTest::keyClick(boite, Qt::Key_Return);
        });
        t.start();
        QTest::mousePress(fenetre_x, Qt::LeftButton, {}, ici);
        // The menu shows once its opening handler is done: any second box has come and gone.
        QTRY_VERIFY(f.liste_.menu()->isVisible());
        t.stop();
        boites::definir_interception(garde);
        QCOMPARE(textes.size(), 1);
        QVERIFY(textes[0].startsWith(QStringLiteral("Vous ètes en mode manuel")));
        fermer_menus();
        QCOMPARE(f.Image6.grab().toImage(), au_repos);
        // The next click on the list button in manual mode refuses again, once (the refusal
        // switched to deck mixing, which leaves manual mode).
        f.a_mode_manuel.setChecked(true);
        Repondeur r;
        r.attendre_message();
        QTest::mouseClick(&f.Image6, Qt::LeftButton);
        QCOMPARE(r.messages().size(), 1);
        fermer_menus();
    }

    void microphone() {
        Radio_FM& f = fenetre();
        f.micro_actif = Vrai;
        micro_actif_bascule(f);
    }

    // ---- Label menu bar and hover.

    void survol_des_labels_data() {
        QTest::addColumn<int>("couleur");
        QTest::addColumn<int>("survol");
        QTest::newRow("noir") << 0 << 18000;
        QTest::newRow("gris") << 0x808080 << 0x808080 + 18000;
        QTest::newRow("blanc deborde") << 0xFFFFFF << 0xFFFFFF;
        QTest::newRow("couleur systeme") << int(0x80000012) << int(0x80000012);
    }
    void survol_des_labels() {
        QFETCH(int, couleur);
        QFETCH(int, survol);
        Radio_FM& f = fenetre();
        coul_label = couleur;
        f.Label14.setForeColor(couleur);
        f.Label14.MouseMove(0, 0, 1, 1);
        QCOMPARE(f.Label14.ForeColor(), survol);
        f.Label25.MouseMove(0, 0, 1, 1);
        QCOMPARE(f.Label25.ForeColor(), 255);
        QCOMPARE(f.Label25.toolTip(), programme::nom());
        // The window's own background puts every label back and the quit button at rest.
        f.Form_MouseMove(0, 0, 5, 5);
        QCOMPARE(f.Label14.ForeColor(), couleur);
        QCOMPARE(f.Label25.ForeColor(), couleur);
        QCOMPARE(nom_image(f.Image1), QStringLiteral("bouton_noir_gros.jpg"));
    }

    void labels_ouvrent_leurs_menus() {
        Radio_FM& f = fenetre();
        const struct {
            Label& l;
            MenuItem& m;
        } cas[] = {{f.Label12, f.Fichier_}, {f.Label13, f.lire_play}, {f.Label14, f.liste_}, {f.Label15, f.affiche},
                   {f.Label16, f.Option_}, {f.Label17, f.aide_}, {f.Label19, f.A_Propos}};
        for (const auto& c : cas) {
            c.l.Click();
            QVERIFY2(c.m.menu()->isVisible(), qPrintable(c.m.Caption()));
            fermer_menus();
        }
        f.Label18.Click();
        QVERIFY(Liste_son::instance().A_looK.menu()->isVisible());
        fermer_menus();
        f.Label25.MouseUp(1, 0, 0, 0);
        QVERIFY(f.A_visuel.menu()->isVisible());
    }

    // ---- Window background: the two menu bars.

    void clic_et_double_clic_sur_le_fond() {
        Radio_FM& f = fenetre();
        f.show();
        const QPoint fond(3, f.height() - 3);
        QTest::mouseClick(&f, Qt::LeftButton, {}, fond);
        QVERIFY(!f.barre_menus()->isVisible());
        QVERIFY(!f.Fichier_.Visible() && !f.A_Propos.Visible());
        QVERIFY(f.Label12.isVisible());
        QTest::mouseDClick(&f, Qt::LeftButton, {}, fond);
        QVERIFY(f.barre_menus()->isVisible());
        QVERIFY(f.Fichier_.Visible() && f.affiche.Visible());
        QVERIFY(!f.Label12.isVisible() && !f.Label19.isVisible());
        QTest::mouseClick(&f, Qt::RightButton, {}, fond);
        QVERIFY(f.affiche.menu()->isVisible());
    }

    // ---- Display modes.

    void modes_d_affichage_data() {
        QTest::addColumn<int>("commande");
        QTest::addColumn<int>("coche");  // index in affiche_toujour, P, L, tout, barre
        QTest::addColumn<bool>("aligner");  // from "fenetre principale" (disabled), or "tout" before it
        QTest::addColumn<bool>("dessus");
        QTest::addColumn<bool>("liste");
        QTest::addColumn<bool>("mini");
        QTest::addColumn<bool>("minimisee");
        QTest::newRow("mini lecteur") << 0 << 4 << false << false << false << true << true;
        QTest::newRow("fenetre principale") << 1 << 1 << false << false << false << false << false;
        QTest::newRow("fenetre liste") << 2 << 2 << true << false << true << false << true;
        QTest::newRow("toujours") << 3 << 0 << false << true << true << false << false;
        QTest::newRow("tout") << 4 << 3 << true << false << true << false << false;
        QTest::newRow("barre") << 5 << 4 << false << false << false << false << true;
    }
    void modes_d_affichage() {
        QFETCH(int, commande);
        QFETCH(int, coche);
        QFETCH(bool, aligner);
        QFETCH(bool, dessus);
        QFETCH(bool, liste);
        QFETCH(bool, mini);
        QFETCH(bool, minimisee);
        Radio_FM& f = fenetre();
        f.show();
        // Start from the opposite state: another mode, Aligner enabled or not, on top.
        if (commande == 1) f.affiche_tout_Click(); else f.Affiche_Fenetre_P_Click();
        fenetres::premier_plan(f, !dessus);
        const Procedure commandes[] = {&Radio_FM::a_mini_Click, &Radio_FM::Affiche_Fenetre_P_Click,
                                       &Radio_FM::Affiche_Fenetre_L_Click, &Radio_FM::affiche_toujour_Click,
                                       &Radio_FM::affiche_tout_Click, &Radio_FM::Affiche_barre_Click};
        (f.*commandes[commande])();
        MenuItem* modes[] = {&f.affiche_toujour, &f.Affiche_Fenetre_P, &f.Affiche_Fenetre_L, &f.affiche_tout,
                             &f.Affiche_barre};
        for (int i = 0; i < 5; ++i) QCOMPARE(modes[i]->Checked(), i == coche);
        QVERIFY(!f.a_mini.Checked());
        QCOMPARE(f.Aligner_liste.Enabled(), aligner);
        QCOMPARE(fenetres::est_au_premier_plan(f), dessus);
        QCOMPARE(Liste_son::instance().isVisible(), liste);
        QCOMPARE(mini_lecteur::existe() && mini_lecteur::instance().isVisible(), mini);
        if (mini) QVERIFY(fenetres::est_au_premier_plan(mini_lecteur::instance()));
        QCOMPARE(bool(f.windowState() & Qt::WindowMinimized), minimisee);
        capturer_ecran(QString::fromLatin1(QTest::currentDataTag()));
        Form::decharger_tout();
    }

    void fenetre_liste_amarree_sous_la_principale() {
        Radio_FM& f = fenetre();
        f.setTop(1500);
        f.setLeft(3000);
        f.Affiche_Fenetre_P_Click();
        Liste_son& l = Liste_son::instance();
        QCOMPARE(l.Top(), f.Top() + f.Height());
        QCOMPARE(l.Left(), f.Left());
        QCOMPARE(l.Width(), f.Width());
        // 4425 twips, or what the screen leaves below the main window.
        const int reste = QGuiApplication::primaryScreen()->availableGeometry().bottom() + 1 - l.y();
        QCOMPARE(l.Height(), std::min(4425, reste * TwipsParPixel));
        QVERIFY(l.isHidden());
    }

    void coins_et_centre() {
        Radio_FM& f = fenetre();
        const int ecran = fenetres::ecran_twips().width();
        f.a_droite_haut_Click();
        QCOMPARE(f.Top(), 15);
        QCOMPARE(f.Left(), ecran - f.Width());
        f.a_gauche_haut_Click();
        QCOMPARE(f.Top(), 15);
        QCOMPARE(f.Left(), 15);
    }

    void effets_visuels_et_curseurs() {
        Radio_FM& f = fenetre();
        f.A_affichage2_Click();
        QVERIFY(f.A_affichage2.Checked() && !f.A_affichage1.Checked() && f.A_visuel_active.Checked());
        QCOMPARE(effet_visuel, Faux);
        f.A_affichage1_Click();
        QVERIFY(f.A_affichage1.Checked() && !f.A_affichage2.Checked());
        f.A_visuel_active_Click();
        QCOMPARE(effet_visuel, Vrai);
        QCOMPARE(reglage(cle::Effet_visuel), QStringLiteral("Oui"));
        QVERIFY(!f.a_mode_manuel.Enabled());
        f.A_visuel_desactive_Click();
        QCOMPARE(effet_visuel, Faux);
        QVERIFY(f.A_visuel_desactive.Checked() && !f.A_visuel_active.Checked() && !f.A_affichage1.Checked());
        QVERIFY(!f.a_mode_manuel.Enabled());
        QCOMPARE(reglage(cle::Effet_visuel), QStringLiteral("Non"));

        f.aa_montrer_curseur_Click();
        QVERIFY(!f.Slider.isHidden() && f.Label27.isHidden());
        QCOMPARE(reglage(cle::Montrer_curseur), QStringLiteral("Oui"));
        f.aa_cacher_curseur_Click();
        for (::Slider* s : {&f.Slider, &f.Slider1, &f.Slider2}) QVERIFY(s->isHidden());
        for (Label* l : {&f.Label27, &f.Label28, &f.Label29}) {
            QVERIFY(!l->isHidden());
            QCOMPARE(l->Caption(), QStringLiteral("Volume"));
            QCOMPARE(l->toolTip(), QStringLiteral("H + / B -"));
        }
        QVERIFY(f.aa_cacher_curseur.Checked() && !f.aa_montrer_curseur.Checked());
        QCOMPARE(reglage(cle::Montrer_curseur), QStringLiteral("Non"));
    }

    // ---- Small menu commands.

    // Cancelled, or nothing typed: the name stays as it was, shown and stored as before.
    void nom_de_la_radio_vide_ou_annule() {
        Radio_FM& f = fenetre();
        Nom_radio_fm = QStringLiteral("Radio Nord");
        f.setCaption(Nom_radio_fm);
        f.Combo1.setText(QStringLiteral("Liste Radio Nord"));
        for (bool annuler : {false, true}) {
            Repondeur r;
            if (annuler) r.attendre_annulation(); else r.attendre_saisie(QString());
            f.nom_radio_Click();
            QCOMPARE(r.boites()[0].texte, QStringLiteral("Saisie d'un nouveau nom"));
            QCOMPARE(r.boites()[0].titre, QStringLiteral(" Nom de votre Radio "));
            QCOMPARE(r.boites()[0].defaut, QStringLiteral("Radio Nord"));
            QCOMPARE(Nom_radio_fm, QStringLiteral("Radio Nord"));
            QCOMPARE(f.Caption(), QStringLiteral("Radio Nord"));
            QCOMPARE(f.Combo1.Text(), QStringLiteral("Liste Radio Nord"));
            QCOMPARE(reglage(cle::Nom_radio_fm), QString());  // nothing written
        }
        Repondeur r;
        r.attendre_saisie(QStringLiteral("Radio Sud"));
        f.nom_radio_Click();
        QCOMPARE(Nom_radio_fm, QStringLiteral("Radio Sud"));
        QCOMPARE(f.Quitter_.Caption(), QStringLiteral("Quitter Radio Sud (Q)"));
        QCOMPARE(f.Caption(), QStringLiteral("Radio Sud"));
        QCOMPARE(mini_lecteur::instance().Caption(), QStringLiteral("Radio Sud"));
        QCOMPARE(f.nom_radio.Caption(), QStringLiteral("Nom de la radio :Radio Sud"));
        QCOMPARE(f.Combo1.Text(), QStringLiteral("Liste Radio Sud"));
        QCOMPARE(f.Combo2.Text(), QStringLiteral("Jingles Radio Sud"));
        QCOMPARE(Liste_son::instance().Label24.Caption(), QStringLiteral("Radio Sud"));
        QCOMPARE(reglage(cle::Nom_radio_fm), QStringLiteral("Radio Sud"));
        f.Option__Click();
        QCOMPARE(f.nom_radio.Caption(), QStringLiteral("Nom de la radio : Radio Sud"));
    }

    // On a read-only settings folder a change shows and the user is told, once per command,
    // that it is not stored; the next start would find the old value.
    void reglage_non_enregistre_dit_une_fois() {
        Radio_FM& f = fenetre();
        const QString fichier = reglages::chemin_fichier();
        QVERIFY(ecrire_reglage(cle::Config, cle::Nom_radio_fm, QStringLiteral("Radio Nord")));
        DossierLectureSeule lecture_seule(QFileInfo(fichier).absolutePath());
        if (!lecture_seule.monte()) QSKIP("no read-only bind mount here (needs root)");
        const QString refus = QStringLiteral("Réglage non enregistré : ") + fichier + QStringLiteral("\rPermission refusée");

        Repondeur r;
        r.attendre_saisie(QStringLiteral("Radio Sud")).attendre_message();
        f.nom_radio_Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, refus);
        QCOMPARE(r.messages()[0].style, 48);
        QCOMPARE(f.Caption(), QStringLiteral("Radio Sud"));

        // A season's theme stores fourteen keys: one message, then the theme's own notice.
        r.attendre_message().attendre_message();
        Liste_son::instance().T_Hiver_Click();
        QCOMPARE(r.messages().size(), 3);
        QCOMPARE(r.messages()[1].texte, refus);
        QVERIFY(r.messages()[2].texte != refus);

        lecture_seule.liberer();
        QCOMPARE(reglage(cle::Nom_radio_fm), QStringLiteral("Radio Nord"));
        Nom_radio_fm = QStringLiteral("Radio Nord");
    }

    void ouvrir_une_liste() {
        Radio_FM& f = fenetre();
        Repondeur r;
        r.attendre_annulation();  // the playlist window's open dialog
        f.ouvre_L_Click();
        QCOMPARE(r.boites().size(), 1);
        QCOMPARE(r.boites()[0].titre, QStringLiteral("Ouvrir un fichier liste"));
        QVERIFY(f.coche3.Value());
        QVERIFY(f.affiche_tout.Checked());
        QVERIFY(Liste_son::instance().isVisible());
        QCOMPARE(f.Image12.Picture(), QString());
        QCOMPARE(nom_image(f.Image13), QStringLiteral("bouton_noir_petitdoux.jpg"));
    }

    void nombre_de_fichiers_ecoutes() {
        Radio_FM& f = fenetre();
        nb_fichiers_joues = 3;
        f.nb_fich_Click();
        err_form& e = err_form::instance();
        QVERIFY(e.isVisible());
        QCOMPARE(e.Caption(), QStringLiteral("Sonavel_V5"));
        QVERIFY(e.Label1.Caption().startsWith(QStringLiteral("Info \rNombre de fichiers ayant étés lus\n\r\n\r")));
        QVERIFY(e.Label1.Caption().endsWith(QStringLiteral("\n\r\n\rNb : 3")));
        QVERIFY(f.ligne_journal.isEmpty());
        f.Form_Click();  // a click on the window hides the notice
        QVERIFY(!e.isVisible());
    }

    void supprimer_les_recherches_deux_fois() {
        Radio_FM& f = fenetre();
        const QString chemin = QDir(sonavel_test::dossier_programme()).filePath(QStringLiteral("recherche.dit"));
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(QByteArray(200, ' '));
        fichier.close();
        Liste_son::instance().Combo1.AddItem(QStringLiteral("jazz"));
        {
            Repondeur r;
            r.attendre_message();
            f.Supprimer_recherche_Click();
            QCOMPARE(r.messages()[0].texte, QStringLiteral("Ok liste recherche vide"));
            QCOMPARE(r.messages()[0].style, 64);
        }
        QVERIFY(!QFile::exists(chemin));
        QCOMPARE(Liste_son::instance().Combo1.ListCount(), 0);
        Repondeur r;  // the second time: nothing to delete, nothing shown
        f.Supprimer_recherche_Click();
        QCOMPARE(r.boites().size(), 0);
    }

    // ---- Banner.

    void bandeau_swf_montre_le_gif() {
        QTemporaryDir d;
        QFile::copy(sonavel_test::dossier_images() + "/bandeau.gif", d.filePath("Bandeau.GIF"));
        QFile::copy(sonavel_test::dossier_images() + "/fond_noir1.jpg", d.filePath("fond.jpg"));
        const struct {
            QString source;
            QString fichier;
        } cas[] = {
            {d.filePath("bandeau.swf"), d.filePath("Bandeau.GIF")},
            {d.filePath("fond.jpg"), d.filePath("fond.jpg")},
            {d.filePath("absent.swf"), QString()},
            {QStringLiteral("https://example.org/bandeau_Flash.swf"), QString()},
            {QString(), QString()},
        };
        for (const auto& c : cas) QCOMPARE(Bandeau::fichier_pour(c.source), c.fichier);

        Bandeau b;
        b.resize(468, 60);
        b.setTexte(QStringLiteral("Radio Nord"));
        b.setMovie(d.filePath("absent.swf"));
        QCOMPARE(b.text(), QStringLiteral("Radio Nord"));
        b.setMovie(d.filePath("bandeau.swf"));
        b.setLoop(true);
        b.Play();
        QVERIFY(b.Playing());
        const int premiere = b.image_courante();
        QTRY_VERIFY_WITH_TIMEOUT(b.image_courante() != premiere, 3000);  // it moves
        b.StopPlay();
        QVERIFY(!b.Playing());
    }

    void banniere_changee_ou_gardee() {
        Radio_FM& f = fenetre();
        chemin_banniere = Chemin_programme + "bandeau_Flash.swf";
        f.A_Rafraichir_Click();  // no web address: the local banner
        QCOMPARE(QFileInfo(f.ShockwaveFlash1.fichier_affiche()).fileName(), QStringLiteral("bandeau_Flash.gif"));
        QVERIFY(f.ShockwaveFlash1.Playing() && f.ShockwaveFlash1.Loop());
        {
            Repondeur r;
            r.attendre_annulation();
            f.Modifie_banniere_Click();
            QCOMPARE(r.boites()[0].titre, QStringLiteral("Ouvrir une nouvelle banniere"));
            QCOMPARE(r.boites()[0].dossier, Chemin_programme);
        }
        QCOMPARE(QFileInfo(f.ShockwaveFlash1.fichier_affiche()).fileName(), QStringLiteral("bandeau_Flash.gif"));
        QVERIFY(f.ShockwaveFlash1.Playing());
        Repondeur r;
        r.attendre_fichier(Chemin_programme + "bandeau.swf");
        f.Modifie_banniere_Click();
        QCOMPARE(QFileInfo(f.ShockwaveFlash1.fichier_affiche()).fileName(), QStringLiteral("bandeau.gif"));
        QCOMPARE(chemin_banniere, Chemin_programme + "bandeau.swf");
        QCOMPARE(reglage(cle::banniere), chemin_banniere);
    }

    // ---- Keyboard.

    void table_des_touches_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<Procedure>("commande");
        const struct {
            int code;
            Procedure p;
        } cas[] = {
            {27, &Radio_FM::Quitter__Click},       {'Q', &Radio_FM::Quitter__Click},
            {'q', &Radio_FM::Quitter__Click},      {'1', &Radio_FM::HLBSoftBttn18_Click},
            {'&', &Radio_FM::HLBSoftBttn18_Click}, {'2', &Radio_FM::HLBSoftBttn19_Click},
            {233, &Radio_FM::HLBSoftBttn19_Click}, {'3', &Radio_FM::HLBSoftBttn20_Click},
            {'"', &Radio_FM::HLBSoftBttn20_Click}, {'A', &Radio_FM::Label15_Click},
            {'a', &Radio_FM::Label15_Click},       {'O', &Radio_FM::Label16_Click},
            {'o', &Radio_FM::Label16_Click},       {'H', &Radio_FM::volume_plus},
            {'h', &Radio_FM::volume_plus},         {'B', &Radio_FM::volume_moins},
            {'b', &Radio_FM::volume_moins},        {'F', &Radio_FM::A_gere_Click},
            {'f', &Radio_FM::A_gere_Click},        {'I', &Radio_FM::a_mini_Click},
            {'m', &Radio_FM::a_mini_Click},        {'L', &Radio_FM::touche_liste},
            {'l', &Radio_FM::touche_liste},        {'P', &Radio_FM::Mettre_en_pause},
            {'p', &Radio_FM::Mettre_en_pause},     {'Z', &Radio_FM::zapping},
            {'z', &Radio_FM::zapping},             {178, &Radio_FM::touche_coin},
            {'i', nullptr},                        {'M', nullptr},
            {'4', nullptr},                        {'9', nullptr},
            {13, nullptr},                         {'x', nullptr},
            {' ', nullptr},
        };
        for (const auto& c : cas) QTest::newRow(qPrintable(QString(QChar(c.code)) + QString::number(c.code))) << c.code << c.p;
    }
    void table_des_touches() {
        QFETCH(int, code);
        QFETCH(Procedure, commande);
        QVERIFY(fenetre().commande_touche(int16_t(code)) == commande);
    }

    void touches_tapees_sur_la_fenetre() {
        Radio_FM& f = fenetre();
        f.show();
        const int ecran = fenetres::ecran_twips().width();
        // "²" three times: top right, top left, top right.
        const int gauches[] = {ecran - f.Width(), 15, ecran - f.Width()};
        for (int attendu : gauches) {
            QTest::keyClick(&f, Qt::Key_twosuperior, {}, 0);
            QCOMPARE(f.Left(), attendu);
        }
        // Ctrl+Q is no quit (no box may appear), and "I" opens the mini player.
        QTest::keyClick(&f, Qt::Key_Q, Qt::ControlModifier);
        QTest::keyClick(&f, 'I');
        QVERIFY(mini_lecteur::instance().isVisible());
    }

    void volume_du_lecteur_en_cours() {
        Radio_FM& f = fenetre();
        for (::Slider* s : {&f.Slider, &f.Slider1, &f.Slider2}) s->setValue(10);
        lecteur_en_cours = 0;
        f.Form_KeyPress('H');
        f.Form_KeyPress('b');
        QCOMPARE(f.Slider.Value() + f.Slider1.Value() + f.Slider2.Value(), 30);
        const struct {
            int lecteur;
            ::Slider& s;
        } cas[] = {{1, f.Slider}, {2, f.Slider1}, {3, f.Slider2}};
        for (const auto& c : cas) {
            lecteur_en_cours = int16_t(c.lecteur);
            f.Form_KeyPress('h');
            QCOMPARE(c.s.Value(), 9);
            f.Form_KeyPress('B');
            f.Form_KeyPress('B');
            QCOMPARE(c.s.Value(), 11);
        }
    }

    void touche_l_selon_le_mode() {
        Radio_FM& f = fenetre();
        f.a_mode_manuel.setChecked(true);
        {
            Repondeur r;
            r.attendre_message();
            f.Form_KeyPress('L');
            QCOMPARE(r.messages().size(), 1);
            QVERIFY(f.coche2.Value());
            QVERIFY(!Liste_son::instance().isVisible());
        }
        f.a_mode_manuel.setChecked(false);
        f.Form_KeyPress('l');
        QVERIFY(f.coche3.Value());
        QVERIFY(f.affiche_tout.Checked());
        QVERIFY(Liste_son::instance().isVisible());
    }

    void zapping_sans_lecture() {
        Radio_FM& f = fenetre();
        Repondeur r;
        r.attendre_message();
        f.Form_KeyPress('z');
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Aucune lecture en cours"));
    }

private:
    void micro_actif_bascule(Radio_FM& f) {
        Chemin_programme = sonavel_test::dossier_images() + QLatin1Char('/');
        f.micro_actif = Vrai;
        f.Image16.Click();
        QCOMPARE(nom_image(f.Image16), QStringLiteral("micro_desactive.jpg"));
        QCOMPARE(f.micro_actif, Faux);
        f.Image16.Click();
        QCOMPARE(f.Image16.Picture(), QString());
        QCOMPARE(f.micro_actif, Vrai);
    }

    // The screen as it would look: every visible window at its place, kept beside the test
    // program (captures_affichage/) for a look.
    void capturer_ecran(const QString& nom) {
        QRect zone(QPoint(0, 0), QGuiApplication::primaryScreen()->geometry().size());
        QList<QWidget*> visibles;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !(w->windowState() & Qt::WindowMinimized) && dynamic_cast<Form*>(w)) {
                visibles << w;
                zone |= w->geometry();
            }
        QImage ecran(zone.size(), QImage::Format_RGB32);
        ecran.fill(QColor(40, 60, 90));
        QPainter p(&ecran);
        // Windows on top are drawn last.
        std::stable_sort(visibles.begin(), visibles.end(), [](QWidget* a, QWidget* b) {
            return !fenetres::est_au_premier_plan(*a) && fenetres::est_au_premier_plan(*b);
        });
        for (QWidget* w : visibles) p.drawPixmap(w->geometry().topLeft() - zone.topLeft(), w->grab());
        p.end();
        QDir dossier(QCoreApplication::applicationDirPath());
        dossier.mkpath(QStringLiteral("captures_affichage"));
        QString fichier = nom;
        fichier.replace(QLatin1Char(' '), QLatin1Char('_'));
        QVERIFY(ecran.save(dossier.filePath(QStringLiteral("captures_affichage/") + fichier + QStringLiteral(".png"))));
    }
};

SONAVEL_TEST_MAIN(TestRadioFmCommandes)
#include "test_radio_fm_commandes.moc"
