// The playlist window's shell: columns, layouts and docking, hiding, keys, the list's pointer
// and drags, the pop-up's enabling, the labels used as buttons, find-in-list and saved searches.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "config/etat.h"
#include "config/table_reglages.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "support/configuration.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include <QMenu>

using namespace Radio;

namespace {
QString dans_programme(const QString& nom) { return programme::dossier() + nom; }

// A view of rows, saved so that the list file matches it.
Liste_son& liste_de(const QStringList& chemins) {
    Liste_son& l = Liste_son::instance();
    for (const QString& c : chemins) l.ListView1.AddItem(c);
    l.sauve_tout();
    return l;
}

int selection(const Liste_son& l) { return l.ListView1.Index(l.ListView1.SelectedItem()); }
}  // namespace

class TestListeSon : public QObject {
    Q_OBJECT
private slots:
    void init() {
        sonavel_test::nouveau_programme();
        QApplication::clipboard()->clear();
    }

    void chargement() {
        index_liste_en_cours = 0;
        Nom_radio_fm = QStringLiteral("Radio Test");
        Position_haut_liste = 1500;
        Position_gauche_liste = 3000;
        Liste_son& l = Liste_son::instance();
        const char* titres[] = {"Chemin complet du fichier ", "Début lecture a : (Secondes)",
                                "Fin lecture a : (Secondes)", "Genre", "Volume %", "Durée piste"};
        const int largeurs[] = {6700, 2500, 2500, 1300, 1000, 1100};
        QCOMPARE(l.ListView1.columnCount(), 6);
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(l.ListView1.headerItem()->text(c), QString::fromUtf8(titres[c]));
            QCOMPARE(l.ListView1.columnWidth(c), largeurs[c] / 15);
        }
        QVERIFY(!l.ListView1.isSortingEnabled());
        QCOMPARE(l.Label1.Caption(), QStringLiteral("Ouverture en attente (0)"));
        QCOMPARE(l.Caption(), QStringLiteral("Radio Test"));
        QCOMPARE(l.Combo1.Text(), QStringLiteral("Recherche "));
        QCOMPARE(l.Top(), 1500);
        QCOMPARE(l.Left(), 3000);
        QCOMPARE(l.sens_tri, int16_t(1));
        QCOMPARE(l.liste_agrandie, Faux);
        QVERIFY(!l.a_modif.Enabled() && !l.A_conserver.Enabled() && l.A_sauve.Checked());
        // The list view starts below the band of labels and buttons.
        l.show();
        l.resize(800, 500);
        QCOMPARE(l.ListView1.geometry(), QRect(0, 2000 / 15, 800, 500 - 2000 / 15));
    }

    // The time of day and the time left are two clocks: apart, each shown in full, at the
    // docked width as in full height.
    void deux_horloges_separees() {
        Liste_son& l = Liste_son::instance();
        l.Label13.setCaption(QStringLiteral("18:33:29"));
        l.Label4.setCaption(QStringLiteral("00:00:16"));
        l.show();
        for (int largeur : {640, 1000}) {
            l.resize(largeur, 300);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const QRect heure = l.Label13.geometry();
            const QRect reste = l.Label4.geometry();
            QVERIFY2(reste.left() - heure.right() > 10, qPrintable(QString::number(largeur)));
            for (const Label* h : {&l.Label13, &l.Label4}) {
                QVERIFY(h->isVisible());
                QVERIFY(h->width() >= h->fontMetrics().horizontalAdvance(h->Caption()));
            }
            QVERIFY(l.Label4.mapTo(&l, QPoint(l.Label4.width(), 0)).x() <= l.width());
        }
    }

    // "<" alternates full height and docked; Down always docks; Aligne_liste_son follows the
    // main window.
    void dispositions() {
        Radio_FM& f = Radio_FM::instance();
        f.show();
        f.setTop(1500);
        f.setLeft(3000);
        Liste_son& l = Liste_son::instance();
        const auto ancree = [&] {
            // As high as the screen leaves below the main window, up to 4425 twips.
            const int reste = QGuiApplication::primaryScreen()->availableGeometry().bottom() + 1 - l.y();
            QCOMPARE(l.frameGeometry().height(), std::min(4425 / 15, reste));
            QCOMPARE(l.Width(), f.Width());
            QCOMPARE(l.Left(), f.Left());
            QCOMPARE(l.Top(), f.Top() + f.Height());
        };
        l.Form_KeyPress('<');
        QCOMPARE(l.liste_agrandie, Vrai);
        QCOMPARE(l.Top(), 15);
        QVERIFY(l.isVisible());
        l.Form_KeyPress('<');
        QCOMPARE(l.liste_agrandie, Faux);
        ancree();
        l.Form_KeyPress('<');
        QCOMPARE(l.liste_agrandie, Vrai);
        l.ListView1_KeyDown(40);
        ancree();
        QCOMPARE(l.liste_agrandie, Vrai);

        l.setTop(0);
        l.setLeft(0);
        f.setTop(3000);
        l.Aligne_liste_son();
        QCOMPARE(l.Top(), f.Top() + f.Height());
        QCOMPARE(l.Left(), f.Left());
    }

    // Closing only hides, saves the position and brings the main window back.
    void fermer_cache_et_garde_la_position() {
        Liste_son& l = Liste_son::instance();
        Radio_FM& f = Radio_FM::instance();
        f.hide();
        f.Aligner_liste.setEnabled(true);
        f.affiche_tout.setChecked(true);
        l.show();
        l.setTop(1200);
        l.setLeft(2400);
        QVERIFY(!l.close());
        QVERIFY(Liste_son::existe());
        QVERIFY(!l.isVisible());
        QCOMPARE(sonavel_test::reglage(cle::Position, cle::Position_haut_liste), QStringLiteral("1200"));
        QCOMPARE(sonavel_test::reglage(cle::Position, cle::Position_gauche_liste), QStringLiteral("2400"));
        QVERIFY(f.isVisible());
        QVERIFY(f.Affiche_Fenetre_P.Checked() && !f.affiche_tout.Checked() && !f.Aligner_liste.Enabled());
    }

    // The deck on air cannot be chosen; paste is enabled by text on the clipboard, never disabled.
    void ouverture_du_menu_de_la_liste() {
        Liste_son& l = Liste_son::instance();
        const struct {
            int lecteur;
            bool un, deux, trois;
        } cas[] = {{0, true, true, true}, {1, false, true, true}, {2, true, false, true}, {3, true, true, false}};
        l.coller_.setEnabled(false);
        for (const auto& c : cas) {
            lecteur_en_cours = int16_t(c.lecteur);
            l.Load_Pl_Click();
            QCOMPARE(l.char1.Enabled(), c.un);
            QCOMPARE(l.char2.Enabled(), c.deux);
            QCOMPARE(l.char3.Enabled(), c.trois);
        }
        QVERIFY(!l.coller_.Enabled());
        QApplication::clipboard()->setText(QStringLiteral("x"));
        l.Load_Pl_Click();
        QVERIFY(l.coller_.Enabled());
    }

    // Keys typed in the list: the space bar and Delete remove the selected row and rewrite the
    // list; every typed key shows the count and the row.
    void touches_de_la_liste() {
        Liste_son& l = liste_de({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"});
        l.show();
        l.ListView1.setFocus();
        l.ListView1.setSelectedItem(l.ListView1.ListItem(2));
        QTest::keyClick(&l.ListView1, Qt::Key_Space);
        QCOMPARE(l.ListView1.ListCount(), 2);
        QCOMPARE(l.ListView1.ListItem(2)->text(0), QStringLiteral("/m/c.mp3"));
        QCOMPARE(QFile(dans_programme("liste.dfm")).size(), qint64(2 * 418));
        QVERIFY(l.Label1.Caption().startsWith(QStringLiteral("Nb de morceaux : 2 (")));

        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        QTest::keyClick(&l.ListView1, Qt::Key_Delete);
        QCOMPARE(l.ListView1.ListCount(), 1);
        QCOMPARE(QFile(dans_programme("liste.dfm")).size(), qint64(418));

        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        QTest::keyClick(&l.ListView1, Qt::Key_X);  // in neither table
        QCOMPARE(l.Label1.Caption(), QStringLiteral("Nb de morceaux : 1 (1)"));
        // The window's table sees the key first: "v" clears the list.
        QTest::keyClick(&l.ListView1, Qt::Key_V);
        QCOMPARE(l.ListView1.ListCount(), 0);
        QCOMPARE(l.Label1.Caption(), QStringLiteral("Nb de morceaux : 0 (0)"));
    }

    // While the search box has the focus the window's keys are off.
    void la_recherche_coupe_les_touches_de_la_fenetre() {
        Liste_son& l = liste_de({"/m/a.mp3"});
        l.show();
        l.activateWindow();
        l.Combo1.setFocus();
        QApplication::processEvents();
        QVERIFY(!l.KeyPreview);
        l.ListView1.setFocus();
        QApplication::processEvents();
        QVERIFY(l.KeyPreview);
    }

    void clic_sur_la_liste() {
        Liste_son& l = liste_de({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"});
        glisser_liste_en_cours = Vrai;
        l.ListView1.setSelectedItem(l.ListView1.ListItem(2));
        modif_chemin_autorisee = Vrai;
        l.ListView1_Click();
        QCOMPARE(l.Label1.Caption(), QStringLiteral("Nb de morceaux : 2 / 3"));
        QCOMPARE(index_liste_en_cours, 2);
        QCOMPARE(num_enreg_destinataire, 2);
        QCOMPARE(ligne_insertion, 2);
        QCOMPARE(glisser_liste_en_cours, Faux);
        QVERIFY(l.ListView1.editTriggers() != QAbstractItemView::NoEditTriggers);
        QVERIFY(l.ListView1.ListItem(2)->flags() & Qt::ItemIsEditable);
        modif_chemin_autorisee = Faux;
        l.ListView1_Click();
        QCOMPARE(l.ListView1.editTriggers(), QAbstractItemView::NoEditTriggers);

        // An empty list: only the editing mode and the drag state move.
        l.ListView1.Clear();
        index_liste_en_cours = 7;
        glisser_liste_en_cours = Vrai;
        enreg_dragdrop.chemin = QStringLiteral("/m/x.mp3");
        l.ListView1_Click();
        l.ListView1_MouseUp(1);
        QCOMPARE(index_liste_en_cours, 7);
        QVERIFY(!l.A_conserver.Enabled());
        QCOMPARE(glisser_liste_en_cours, Faux);
        QVERIFY(enreg_dragdrop.chemin.isEmpty());
    }

    // The first click after a row drag runs the list click: the drag took the button's
    // release, and the view must not take the next press as the rest of that drag.
    void clic_apres_un_glisser() {
        Liste_son& l = liste_de({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3", "/m/d.mp3", "/m/e.mp3"});
        glisser_deplacer_actif = Vrai;
        l.show();
        l.resize(800, 500);
        QVERIFY(QTest::qWaitForWindowExposed(&l));
        // Through the window, as the platform delivers the pointer.
        QWindow* w = l.windowHandle();
        const auto centre = [&](int ligne) {
            return l.ListView1.viewport()->mapTo(&l, l.ListView1.visualItemRect(l.ListView1.ListItem(ligne)).center());
        };
        QTest::mouseClick(w, Qt::LeftButton, {}, centre(1));
        QCOMPARE(index_liste_en_cours, 1);

        // Row 2 dragged towards row 4. On a real display the drag runs its own loop until the
        // button comes up: the release is sent from inside it.
        // The drag object is made on the viewport (a child that is no widget).
        struct Depart : QObject {
            bool vu = false;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::ChildAdded)
                    vu = vu || !static_cast<QChildEvent*>(e)->child()->isWidgetType();
                return false;
            }
        } depart;
        l.ListView1.viewport()->installEventFilter(&depart);
        bool relache = false;
        QTimer::singleShot(200, &l, [&] {
            if (glisser_liste_en_cours != Vrai) return;
            relache = true;
            QTest::mouseRelease(w, Qt::LeftButton, {}, centre(4));
        });
        QTest::mousePress(w, Qt::LeftButton, {}, centre(2));
        QTest::mouseMove(w, centre(3));
        QTest::mouseMove(w, centre(4));
        QVERIFY(depart.vu);
        if (!relache) QTest::mouseRelease(w, Qt::LeftButton, {}, centre(4));
        QTest::qWait(300);

        for (int ligne : {3, 5}) {
            index_liste_en_cours = 0;
            QTest::mouseClick(w, Qt::LeftButton, {}, centre(ligne));
            QCOMPARE(index_liste_en_cours, ligne);
            QCOMPARE(l.Label1.Caption(), QStringLiteral("Nb de morceaux : %1 / 5").arg(ligne));
        }
    }

    // A drag over the list reads the dragged row's record, only while drags are on.
    void glisser_sur_la_liste() {
        Liste_son& l = liste_de({"/m/a.mp3", "/m/b.mp3"});
        l.ListView1.setSelectedItem(l.ListView1.ListItem(2));
        glisser_liste_en_cours = Vrai;
        glisser_deplacer_actif = Faux;
        l.ListView1_DragOver(1, 1);
        QVERIFY(enreg_dragdrop.chemin.isEmpty());
        glisser_deplacer_actif = Vrai;
        l.ListView1_DragOver(1, 1);
        QCOMPARE(l.index_glisse, 2);
        QCOMPARE(num_enreg_destinataire, 2);
        QCOMPARE(enreg_dragdrop.chemin, QStringLiteral("/m/b.mp3"));
        l.ListView1_KeyUp();
        QCOMPARE(glisser_liste_en_cours, Faux);
        QVERIFY(enreg_dragdrop.chemin.isEmpty());
    }

    // Without regard to case; no match selects the last row and says so.
    void chercher_dans_la_liste() {
        Liste_son& l = liste_de({"/m/Alpha.mp3", "/m/beta.MP3", "/m/gamma.mp3"});
        Repondeur r;
        l.Combo1.setText(QStringLiteral("  BETA "));
        l.Combo1_Change();
        QCOMPARE(selection(l), 2);
        l.Combo1.setText(QString());
        l.Combo1_Change();
        QCOMPARE(selection(l), 1);
        r.attendre_message();
        l.Combo1.setText(QStringLiteral("delta"));
        l.Combo1_Change();
        QCOMPARE(selection(l), 3);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Fichier non trouvé"));
        QCOMPARE(r.messages()[0].style, 64);

        enreg_destinataire.chemin = QStringLiteral("/x");
        l.Combo1.setText(QStringLiteral("alpha"));
        l.Combo1_Click();
        QVERIFY(enreg_destinataire.chemin.isEmpty());
        QCOMPARE(selection(l), 1);

        l.ListView1.Clear();
        l.Combo1_Change();  // an empty list: nothing, no box
    }

    // Each saved search adds one 200-byte record and is offered again.
    void recherches_enregistrees() {
        Liste_son& l = Liste_son::instance();
        const QString fichier = dans_programme("recherche.dit");
        QVERIFY(!QFile::exists(fichier));  // the load read nothing and created nothing
        Repondeur r;
        l.Combo1.setText(QStringLiteral("Rechercher"));
        l.Label10_Click();
        l.Combo1.setText(QString());
        r.attendre_message();
        l.Label10_Click();
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Rien a sauvegarder !"));
        QCOMPARE(r.messages()[0].style, 48);

        nom_fichier_affiche = QStringLiteral("Été.mp3");
        l.A_conserver.setEnabled(true);
        l.Combo1.setText(QStringLiteral("tapé"));
        r.attendre_message(boites::Oui).attendre_message(boites::Oui).attendre_message(boites::Non);
        l.Label10_Click();
        l.enregistre_recherche();
        QCOMPARE(r.messages()[1].texte, QStringLiteral("Conservez cette recherche ? - Été.mp3"));
        QCOMPARE(r.messages()[1].style, 292);
        QCOMPARE(r.messages()[1].titre, QStringLiteral("Sonavel_V5"));
        QCOMPARE(QFile(fichier).size(), qint64(400));
        QCOMPARE(fichiers::lire_fichier(fichier).left(200), QByteArray("\xc9t\xe9.mp3").leftJustified(200, ' '));
        QCOMPARE(l.Combo1.ListCount(), 2);
        QCOMPARE(l.Combo1.List(1), QStringLiteral("Été.mp3"));
        QVERIFY(!l.A_conserver.Enabled());
        l.enregistre_recherche();  // "No"
        QCOMPARE(QFile(fichier).size(), qint64(400));
        QCOMPARE(enreg_destinataire.chemin, QStringLiteral("Été.mp3"));

        // Stray bytes after the records are overwritten; a long term is cut to 200.
        fichiers::reecrire_fichier(fichier, fichiers::lire_fichier(fichier) + QByteArray(50, 'z'));
        nom_fichier_affiche = QString(250, QLatin1Char('a'));
        r.attendre_message(boites::Oui);
        l.enregistre_recherche();
        QCOMPARE(QFile(fichier).size(), qint64(600));
        QCOMPARE(l.Combo1.List(2), QString(200, QLatin1Char('a')));

        // A new window offers them again.
        Liste_son::decharger();
        QCOMPARE(Liste_son::instance().Combo1.ListCount(), 3);
    }

    // No display name and no entry pending: a blank record after "? - ".
    void recherche_vide() {
        Liste_son& l = Liste_son::instance();
        Repondeur r;
        r.attendre_message(boites::Oui);
        l.enregistre_recherche();
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Conservez cette recherche ? - "));
        QCOMPARE(fichiers::lire_fichier(dans_programme("recherche.dit")), QByteArray(200, ' '));
        QCOMPARE(l.Combo1.List(0), QString());
    }

    // The disk search asks first; "No" stops nothing and puts the file manager away.
    void recherche_sur_disque_refusee() {
        Liste_son& l = Liste_son::instance();
        Repondeur r;
        r.attendre_message(boites::Non);
        l.A_recherche_Click();
        QCOMPARE(r.messages()[0].texte,
                 QStringLiteral("Recherche sur disque\n\r\n\rSi une liste ou un lecteur est en cours de lecture \r"
                                "Vous allez la ou le stopper ! \rSi vous validez,sélectionnez le départ de la recherche"
                                "\rpuis menu : Rechercher\rContinuer ?"));
        QCOMPARE(r.messages()[0].style, 308);
        QCOMPARE(r.messages()[0].titre, QStringLiteral("Sonavel_V5"));
        QVERIFY(!ajout_fichier::instance().isVisible());
    }

    // "Ajouter" shows everything and offers the add menu.
    void ajouter_affiche_tout() {
        Liste_son& l = Liste_son::instance();
        Radio_FM& f = Radio_FM::instance();
        f.Affiche_Fenetre_P.setChecked(true);
        f.Aligner_liste.setEnabled(false);
        l.Label7_Click();
        QVERIFY(f.affiche_tout.Checked() && !f.Affiche_Fenetre_P.Checked() && f.Aligner_liste.Enabled());
        QVERIFY(f.isVisible());
        QVERIFY(l.ajout_tous.menu()->isVisible());
        l.ajout_tous.menu()->hide();
    }

    void a_mettre_enabled_sans_condition() {
        Liste_son& l = Liste_son::instance();
        l.a_mettre_Enabled();
        for (MenuItem* m : {&l.a_mettre_a_jour, &l.a_mettre_a_jour_liste, &l.prechar_fich, &l.prechar,
                            &l.Modifier_lettre_lecteur, &l.a_debutpiste, &l.A_Debut_piste, &l.a_modif, &l.Modifier_volume})
            QVERIFY(m->Enabled());
    }
};

SONAVEL_TEST_MAIN(TestListeSon)
#include "test_liste_son.moc"
