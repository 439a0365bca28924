// The list on air belongs to list play, on the simulated graph and clock: the row on air and
// the next one stay on their entries through the operator's edits (a delete above it by the
// pop-up or the space bar, a drag across it, a paste above it, the delete of the row on air),
// the entry played takes its start and end from the view row even when the list file differs,
// no tick opens a box, and the smaller cases: the zap's cut refused for an older list, the
// failed-save state ended by a clear or an open, the quick-listen buttons of a file manager
// opened later, and a pop-up command whose row left the list.
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <sys/mount.h>

#include "automation/choix_entree.h"
#include "automation/scene_liste.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "playlist/fichier_liste.h"
#include "support/repondeur.h"
#include "windows/ajout_fichier.h"
#include "windows/err_form.h"

using namespace Radio;

namespace {
QPoint centre(Liste_son& l, int ligne) { return l.ListView1.visualItemRect(l.ListView1.ListItem(ligne)).center(); }

// The playlist window on screen, large enough for its rows.
void montrer_liste(SceneListe& s) {
    s.l.resize(900, 500);
    SceneListe::montrer(s.l);
}

// A real click on a row of the list.
void cliquer_ligne(SceneListe& s, int ligne) {
    QTest::mouseClick(s.l.ListView1.viewport(), Qt::LeftButton, {}, centre(s.l, ligne));
}

// The list pop-up opened by a real right click on a row; returns the menu on screen.
QMenu* menu_sur(SceneListe& s, int ligne) {
    cliquer_ligne(s, ligne);
    QTest::mouseClick(s.l.ListView1.viewport(), Qt::RightButton, {}, centre(s.l, ligne));
    QMenu* menu = s.l.Load_Pl.menu();
    if (!QTest::qWaitFor([&] { return menu->isVisible(); }, 5000)) return nullptr;
    return menu;
}

void choisir_dans(QMenu* menu, MenuItem& article) {
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(article.action()).center());
}

bool notice_d_erreur_visible() {
    return err_form::existe() && err_form::instance().isVisible() &&
           err_form::instance().Label1.Caption().contains(QStringLiteral("ATTENTION ERREUR"));
}

// The program folder made read-only for the scope (a bind mount on itself); empty when this
// system does not allow it (it needs root).
struct LectureSeule {
    QByteArray d = QFile::encodeName(sonavel_test::dossier_programme());
    bool monte = false;
    bool lecture_seule = false;
    LectureSeule() {
        monte = ::mount(d.constData(), d.constData(), nullptr, MS_BIND, nullptr) == 0;
        if (monte)
            lecture_seule =
                ::mount(nullptr, d.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    ~LectureSeule() {
        if (monte) ::umount2(d.constData(), MNT_DETACH);
    }
};
}  // namespace

class TestListeEnOndes : public QObject {
    Q_OBJECT
private slots:
    // A delete above the row on air, by the pop-up's "Supprimer" or the space bar, with real
    // clicks and keys while the list plays: the list goes on with the entry after the one on
    // air, nothing is played again or skipped, no tick fails.
    void supprimer_au_dessus_du_courant_data() {
        QTest::addColumn<bool>("par_le_menu");
        QTest::newRow("menu Supprimer") << true;
        QTest::newRow("barre d'espace") << false;
    }
    void supprimer_au_dessus_du_courant() {
        QFETCH(bool, par_le_menu);
        SceneListe s;
        const QStringList p = s.pistes(QStringLiteral("p"), 5, 12, QStringLiteral("12.00"));
        s.demarrer(false, 3);
        montrer_liste(s);
        s.tics(3);
        if (par_le_menu) {
            QMenu* menu = menu_sur(s, 1);
            QVERIFY(menu);
            choisir_dans(menu, s.l.supprime);
        } else {
            cliquer_ligne(s, 1);
            QTest::keyClick(&s.l.ListView1, Qt::Key_Space);
        }
        QCOMPARE(s.l.ListView1.ListCount(), 4);
        QCOMPARE(s.l.ListView1.ListItem(1)->text(0), p[1]);
        // The entry on air is row 2 now, in the cursor and in its record number.
        QCOMPARE(index_liste_en_cours, 2);
        QCOMPARE(num_enreg_courant, 2);
        QVERIFY(s.jusqu_a(5, 60));
        QCOMPARE(s.pistes(), (QStringList{p[2], p[3], p[4], p[1], p[2]}));
        QVERIFY(!notice_d_erreur_visible());
        QVERIFY(s.f.coche3.Value());
        QVERIFY(s.f.Timer4.Enabled());
    }

    // At random, the delete of a row already played, above other rows already played: the
    // draw's history follows its rows, so every row left plays once before any repeats.
    void tirage_sans_repetition_apres_une_suppression_data() {
        QTest::addColumn<uint32_t>("graine");
        for (uint32_t g = 1; g <= 6; ++g) QTest::newRow(qPrintable(QStringLiteral("graine %1").arg(g))) << g;
    }
    void tirage_sans_repetition_apres_une_suppression() {
        QFETCH(uint32_t, graine);
        SceneListe s;
        choix::semer(graine);
        const QStringList p = s.pistes(QStringLiteral("p"), 7, 12, QStringLiteral("12.00"));
        s.demarrer(true, 1);
        montrer_liste(s);
        QVERIFY(s.jusqu_a(4, 80));
        int ligne = 0;
        for (int r = 1; r <= 7 && !ligne; ++r)
            if (r != num_enreg_courant && s.pistes().contains(p[r - 1])) ligne = r;
        QVERIFY(ligne > 0);
        const QString retire = p[ligne - 1];
        cliquer_ligne(s, ligne);
        QTest::keyClick(&s.l.ListView1, Qt::Key_Space);
        QCOMPARE(s.l.ListView1.ListCount(), 6);
        QVERIFY(s.jusqu_a(7, 120));
        QStringList joues = s.pistes().mid(0, 7);
        joues.removeAll(retire);
        QCOMPARE(QSet<QString>(joues.begin(), joues.end()).size(), 6);
        QVERIFY(!notice_d_erreur_visible());
    }

    // Other edits while p3 plays: the next entries are the ones after it in the view as it
    // now is.
    void le_courant_suit_les_editions_data() {
        QTest::addColumn<QString>("edition");
        QTest::addColumn<int>("curseur");          // the list cursor after the edit
        QTest::addColumn<QList<int>>("suivantes");  // files (1-based) played after p3
        QTest::newRow("glisser p1 par-dessus sur p4") << "glisser" << 2 << QList<int>{1, 4};
        QTest::newRow("glisser p5 au-dessus") << "remonter" << 4 << QList<int>{4, 5};
        QTest::newRow("coller p5 deux fois au-dessus") << "coller" << 5 << QList<int>{4, 5};
        QTest::newRow("supprimer p3 lui-même") << "supprimer" << 2 << QList<int>{4, 5};
        QTest::newRow("effacer et recharger le fichier") << "recharger" << 3 << QList<int>{4, 5};
    }
    void le_courant_suit_les_editions() {
        QFETCH(QString, edition);
        QFETCH(int, curseur);
        QFETCH(QList<int>, suivantes);
        SceneListe s;
        const QStringList p = s.pistes(QStringLiteral("p"), 5, 12, QStringLiteral("12.00"));
        s.demarrer(false, 3);
        montrer_liste(s);
        glisser_deplacer_actif = Vrai;
        s.tics(3);
        const auto glisser = [&](int de, int sur) {
            s.l.ListView1.setSelectedItem(s.l.ListView1.ListItem(de));
            glisser_liste_en_cours = Vrai;
            const QPoint c = centre(s.l, sur);
            s.l.ListView1_DragOver(c.x(), c.y());
            s.l.ListView1_DragDrop(c.x(), c.y());
        };
        if (edition == QLatin1String("glisser")) {
            glisser(1, 4);  // p2 p3 p1 p4 p5
        } else if (edition == QLatin1String("remonter")) {
            glisser(5, 1);  // p5 p1 p2 p3 p4
        } else if (edition == QLatin1String("coller")) {
            QMenu* menu = menu_sur(s, 5);
            QVERIFY(menu);
            choisir_dans(menu, s.l.copier_);
            for (int fois = 0; fois < 2; ++fois) {
                menu = menu_sur(s, 1);
                QVERIFY(menu);
                choisir_dans(menu, s.l.coller_);
            }
            QCOMPARE(s.l.ListView1.ListCount(), 7);  // p1 p5 p5 p2 p3 p4 p5
        } else if (edition == QLatin1String("supprimer")) {
            cliquer_ligne(s, 3);
            QTest::keyClick(&s.l.ListView1, Qt::Key_Space);
        } else {
            s.l.charge_liste();
        }
        QCOMPARE(index_liste_en_cours, curseur);
        QVERIFY(s.jusqu_a(3, 40));
        QCOMPARE(s.departs[1].chemin, p[suivantes[0] - 1]);
        QCOMPARE(s.departs[2].chemin, p[suivantes[1] - 1]);
        QVERIFY(!notice_d_erreur_visible());
        // The item of the entry in hand is a row of the list.
        QVERIFY(!element_courant || s.l.suivi.contient(element_courant));
    }

    // After a refused save the view, not the file, is the list: the entry that plays takes its
    // end point from its row; a missing file removed by a tick while the list cannot be
    // written is said in the notice window, no box opens, and the list goes on in order.
    void fin_lue_dans_la_vue_quand_le_fichier_differe() {
        SceneListe s;
        const QString a = s.fichier(QStringLiteral("a.mp3"), 12), b = s.fichier(QStringLiteral("b.mp3"), 12),
                      c = s.fichier(QStringLiteral("c.mp3"), 30), d = s.fichier(QStringLiteral("d.mp3"), 12);
        const QString manquant = s.dossier.filePath(QStringLiteral("parti.mp3"));
        s.liste({{a, QStringLiteral("12.00")},
                 {b, QStringLiteral("5.00")},
                 {c, QStringLiteral("20.00")},
                 {manquant, QStringLiteral("12.00")},
                 {d, QStringLiteral("12.00")}});
        const QString fichier = sonavel_test::dossier_programme() + QStringLiteral("liste.dfm");
        const QByteArray avant = fichiers::lire_fichier(fichier);
        s.demarrer(false, 1);
        montrer_liste(s);
        LectureSeule ro;
        if (!ro.lecture_seule) QSKIP("the program folder cannot be made read-only here (needs root)");
        {
            // The operator's delete: the failed save is the operator's box.
            Repondeur r;
            r.attendre_message();
            cliquer_ligne(s, 2);
            QTest::keyClick(&s.l.ListView1, Qt::Key_Space);
            QCOMPARE(r.messages().size(), 1);
            QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral("Ecriture de la liste impossible")));
        }
        QVERIFY(s.l.sauvegarde_en_echec);
        QCOMPARE(fichiers::lire_fichier(fichier), avant);
        // Row 2 is c in the view, b in the file: c plays to its own end, 20 s (18 s with the
        // overlap), not b's 5 s.
        QVERIFY(s.jusqu_a(2, 15));
        QCOMPARE(s.departs[1].chemin, c);
        // Next the missing row: the tick removes it from the view and says so without a box
        // (any box fails the test), then d.
        QVERIFY(s.jusqu_a(3, 30));
        QCOMPARE(s.departs[2].seconde - s.departs[1].seconde, 18);
        QCOMPARE(s.departs[2].chemin, d);
        QCOMPARE(s.l.ListView1.ListCount(), 3);
        QVERIFY(err_form::instance().isVisible());
        QVERIFY(s.f.Timer4.Enabled());
        QCOMPARE(fichiers::lire_fichier(fichier), avant);
    }

    // The zap's cut is noted only in a list of the current format: for an older list held
    // under its own name the zap goes through and the file stays byte for byte.
    void fin_de_zap_refusee_pour_une_ancienne_liste() {
        SceneListe s;
        const QStringList p = s.pistes(QStringLiteral("p"), 3, 100, QStringLiteral("100"));
        s.demarrer(false, 2);
        montrer_liste(s);
        s.tics(31);
        const QString ancienne = Chemin_programme + QStringLiteral("ancienne.rfm");
        const QByteArray octets(820, 'x');
        fichiers::reecrire_fichier(ancienne, octets);
        chemin_liste = ancienne;
        s.l.Option1.setValue(true);
        lecture_liste_auto = Vrai;
        valeur_max_jingles = 25;
        {
            Repondeur r;
            r.attendre_message();
            QTest::keyClick(&s.l.ListView1, Qt::Key_Z);
            QCOMPARE(r.messages().size(), 1);
            QCOMPARE(r.messages()[0].texte, QStringLiteral("Sauvegarder dans format .dfm avant traitement !"));
        }
        s.noter();
        QCOMPARE(fichiers::lire_fichier(ancienne), octets);
        QCOMPARE(lecteur_en_cours, 2);
        QCOMPARE(s.departs.last().chemin, p[2]);
    }

    // After a refused save, a clear or an open gives a view that matches a file again: the
    // commands that rebuild rows from the file are allowed again.
    void etat_d_echec_leve_data() {
        QTest::addColumn<bool>("effacer");
        QTest::newRow("effacer la liste (V)") << true;
        QTest::newRow("ouvrir la liste par défaut") << false;
    }
    void etat_d_echec_leve() {
        QFETCH(bool, effacer);
        SceneListe s;
        s.pistes(QStringLiteral("p"), 2, 12, QStringLiteral("12.00"));
        montrer_liste(s);
        const QString fichier = programme::dossier() + QStringLiteral("liste.dfm");
        const QByteArray octets = fichiers::lire_fichier(fichier);
        QFile::remove(fichier);
        QDir().mkdir(fichier);  // a folder in its place: the save fails
        {
            Repondeur r;
            r.attendre_message();
            s.l.sauve_tout();
        }
        QVERIFY(s.l.sauvegarde_en_echec);
        QDir().rmdir(fichier);
        fichiers::reecrire_fichier(fichier, octets);
        if (effacer) {
            cliquer_ligne(s, 1);
            QTest::keyClick(&s.l.ListView1, Qt::Key_V);
            QCOMPARE(s.l.ListView1.ListCount(), 0);
        } else {
            s.l.ListView1.Clear();
            s.l.A_liste_anciene.choisir();
            QCOMPARE(s.l.ListView1.ListCount(), 2);
        }
        QVERIFY(!s.l.sauvegarde_en_echec);
        QVERIFY(s.l.liste_sauvegardee());  // no box
    }

    // List mix keeps the quick-listen buttons off in a file manager first opened after it.
    void ecoute_rapide_coupee_dans_un_gestionnaire_ouvert_apres() {
        SceneListe s;
        s.pistes(QStringLiteral("p"), 2, 12, QStringLiteral("12.00"));
        QVERIFY(!ajout_fichier::existe());
        s.montrer();
        QTest::mouseClick(&s.f.coche3, Qt::LeftButton, {}, QPoint(6, s.f.coche3.height() / 2));
        QVERIFY(s.f.coche3.Value());
        s.f.ecoute.choisir();
        ajout_fichier& a = ajout_fichier::instance();
        QVERIFY(a.isVisible());
        for (QWidget* b : std::initializer_list<QWidget*>{&a.HLBSoftBttn1, &a.HLBSoftBttn2, &a.HLBSoftBttn3})
            QVERIFY(!b->isEnabled());
    }

    // A pop-up command whose row left the list while the menu was open (the chaining removed
    // it) does nothing and says so.
    void commande_du_menu_sur_une_ligne_partie() {
        SceneListe s;
        const QStringList p = s.pistes(QStringLiteral("p"), 3, 12, QStringLiteral("12.00"));
        montrer_liste(s);
        QMenu* menu = menu_sur(s, 2);
        QVERIFY(menu);
        s.l.ListView1.RemoveItem(2);  // as the chaining removes a file that cannot be played
        choisir_dans(menu, s.l.supprime);
        QCOMPARE(s.l.ListView1.ListCount(), 2);
        QCOMPARE(s.l.ListView1.ListItem(1)->text(0), p[0]);
        QCOMPARE(s.l.ListView1.ListItem(2)->text(0), p[2]);
        QVERIFY(err_form::instance().isVisible());
        QCOMPARE(err_form::instance().Label1.Caption(),
                 QStringLiteral("La ligne de ce menu n'est plus dans la liste : commande annulée."));
        QVERIFY(!menu->isVisible());
    }
};

SONAVEL_TEST_MAIN(TestListeEnOndes)
#include "test_liste_en_ondes.moc"
