// The file manager window on generated media: selection, the folder's listening time, the
// duration text, closing, quick listen on deck 1, and the progress window's dots.
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStorageInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <functional>
#include <unistd.h>

#include "config/etat.h"
#include "filemanager/commun.h"
#include "platform/conversions.h"
#include "platform/media_mpeg.h"
#include "platform/travail.h"
#include "support/fixtures.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "support/suivi_boucle.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/fsauve.h"

using namespace Radio;

class TestGestionnaire : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // A folder of the test holding copies of generated files under the names given.
    QString dossier(const QString& nom, const QList<QPair<QString, QString>>& fichiers) {
        const QString d = m_dir.path() + QLatin1Char('/') + nom;
        QDir().mkpath(d);
        for (const auto& f : fichiers)
            if (!QFile::exists(d + QLatin1Char('/') + f.first)) QFile::copy(f.second, d + QLatin1Char('/') + f.first);
        return QDir(d).canonicalPath();
    }
    // The file manager showing a folder.
    ajout_fichier& ouvrir(const QString& d) {
        ajout_fichier& a = ajout_fichier::instance();
        a.Dir1.setPath(d);
        return a;
    }
    static void cliquer(ajout_fichier& a, int index) {
        a.File1.setListIndex(index);
        a.File1_Click();
    }
    static void clic(QWidget* w, Qt::MouseButton b = Qt::LeftButton, QPoint p = QPoint()) {
        QTest::mouseClick(w, b, {}, p.isNull() ? w->rect().center() : p);
    }
    // An item picked with the mouse in its menu, once the menu shows.
    static void choisir(MenuItem& menu, MenuItem& item) {
        QMenu* m = menu.menu();
        QTRY_VERIFY(m->isVisible());
        clic(m, Qt::LeftButton, m->actionGeometry(item.action()).center());
    }
    // The controls a mode sets, as one line.
    static QString etat(ajout_fichier& a) {
        auto oui = [](bool b) { return b ? QStringLiteral("on") : QStringLiteral("off"); };
        return QStringLiteral("%1 | %2 %3 | Label8 %4 | > %5 Go %6 | ajouter %7")
            .arg(a.Caption(), a.Label7.Caption(), oui(a.Label7.isEnabled() && a.Label7.isVisible()),
                 oui(a.Label8.isEnabled()), oui(a.HLBSoftBttn1.isEnabled()), oui(a.HLBSoftBttn3.isEnabled()),
                 oui(a.A_jouter.Enabled()));
    }

private slots:
    void init() { sonavel_test::nouveau_programme(); }

    void texte_duree_data() {
        QTest::addColumn<qint64>("secondes");
        QTest::addColumn<QString>("texte");
        QTest::newRow("0") << qint64(0) << "00:00:00";
        QTest::newRow("45") << qint64(45) << "00:00:45";
        QTest::newRow("183") << qint64(183) << "00:03:03";
        QTest::newRow("754") << qint64(754) << "00:12:34";
        QTest::newRow("3725") << qint64(3725) << "01:02:05";
        QTest::newRow("past 16 bits") << qint64(40000) << "11:06:40";
        QTest::newRow("past 99 hours") << qint64(360005) << "100:00:05";
    }
    void texte_duree() {
        QFETCH(qint64, secondes);
        QFETCH(QString, texte);
        QCOMPARE(gestionnaire::texte_duree(secondes), texte);
    }

    void selection_mesure_et_remplit_le_glisser() {
        const QString d = dossier("sel", {{"Chanson.mp3", fixtures::mp3(183)}, {"autre.WAV", fixtures::wav(1)}});
        ajout_fichier& a = ouvrir(d);
        QCOMPARE(a.Text1.Text(), d);
        // The filter is matched without regard to case.
        QCOMPARE(a.File1.ListCount(), 1);
        a.Combo1.setText(QStringLiteral("*.wav"));
        a.Combo1_Change();
        QCOMPARE(a.File1.List(0), QStringLiteral("autre.WAV"));
        a.Combo1.setText(QStringLiteral("*.mp3"));
        a.Combo1_Change();

        a.Combo2.setText(QStringLiteral(" Rock "));
        cliquer(a, 0);
        QCOMPARE(a.Label5.Caption(), QStringLiteral("Fichier : Chanson.mp3 (00:03:03)"));
        QCOMPARE(a.Label10.Caption(), QStringLiteral("00:03:03"));
        QCOMPARE(duree_secondes_fichier, 183);
        QCOMPARE(duree_texte, QStringLiteral("00:03:03"));
        QCOMPARE(extension_fichier, QStringLiteral("mp3"));
        QCOMPARE(a.chemin_selection, d + QStringLiteral("/Chanson.mp3"));
        QCOMPARE(a.fichier_illisible, Faux);
        // The generated file has no tag: the genre box is emptied by the tag read.
        QCOMPARE(enreg_dragdrop.chemin, d + QStringLiteral("/Chanson.mp3"));
        QCOMPARE(enreg_dragdrop.genre, QString());
        QCOMPARE(enreg_dragdrop.volume, int16_t(100));
        QCOMPARE(enreg_dragdrop.debut_lecture, 0.10);
        QCOMPARE(enreg_dragdrop.duree_piste, QStringLiteral("00:03:03"));
        QVERIFY(qAbs(rt::CDbl(enreg_dragdrop.fin_lecture) - 183) < 0.1);
        QVERIFY(a.graphe_mesure.estNul());
        QVERIFY(!gestionnaire::pointeur_occupe());
    }

    void fichier_de_moins_d_une_demi_seconde() {
        ajout_fichier& a = ouvrir(dossier("court", {{"bip.mp3", fixtures::mp3(0.4)}}));
        cliquer(a, 0);
        QCOMPARE(duree_secondes_fichier, 1);
        QCOMPARE(a.Label10.Caption(), QStringLiteral("00:00:00"));
    }

    void fichier_illisible() {
        const QString d = dossier("illisible", {{"Faux.mp3", fixtures::texte_nomme_mp3()}});
        ajout_fichier& a = ouvrir(d);
        a.Label10.setCaption(QStringLiteral("avant"));
        Repondeur r;
        r.attendre_message();
        cliquer(a, 0);
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].style, 16);
        QVERIFY(r.messages()[0].texte.startsWith(
            QStringLiteral("Faux.mp3\rCe fichier n'est pas lisible ou invalide erreur : ")));
        QCOMPARE(a.fichier_illisible, Vrai);
        QCOMPARE(a.Label10.Caption(), QStringLiteral("avant"));
        QVERIFY(!gestionnaire::pointeur_occupe());
    }

    void temps_d_ecoute_du_dossier() {
        const QString d = dossier("somme", {{"a.mp3", fixtures::mp3(2)},
                                            {"B.mp3", fixtures::mp3(3)},
                                            {"c.mp3", fixtures::mp3(183)},
                                            {"note.txt", fixtures::texte_nomme_mp3()}});
        ajout_fichier& a = ouvrir(d);
        a.Label10_Click();
        // Measured on a worker: the lists stay hidden until the last result is in.
        QVERIFY(a.File1.isHidden() && !a.Label10.isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 60000);
        QCOMPARE(a.Label3.Caption(), QStringLiteral("Nb de Fichier(s) trouvé(s) : 3"));
        QCOMPARE(a.Label10.Caption(), QStringLiteral("00:03:08"));
        QCOMPARE(a.Label5.Caption(), QStringLiteral("Fichier : c.mp3"));
        QVERIFY(!a.File1.isHidden() && !a.Dir1.isHidden() && a.Label7.isEnabled());
        QVERIFY(!gestionnaire::pointeur_occupe());
    }

    // Both folder walks on a slow disk: the disk work is on a worker, so the window thread
    // turns its loop all along, and the walk waits for each exact length (a variable-rate
    // file's estimate is far off), so it ends as it would on a fast disk. At 2 MB/s a file
    // measured on the window thread would hold it for most of a second or more; a loaded
    // machine alone can delay a tick by a fifth of one, so the bound is 0.4 s.
    void parcours_sur_disque_lent_data() {
        QTest::addColumn<bool>("ajout");
        QTest::newRow("temps d'écoute") << false;
        QTest::newRow("Ajouter un dossier") << true;
    }
    void parcours_sur_disque_lent() {
        QFETCH(bool, ajout);
        const QString constant = fixtures::mp3(183), variable = fixtures::mp3(60, fixtures::Debit::Variable);
        const QString d =
            dossier("lent", {{"a.mp3", constant}, {"b.mp3", variable}, {"c.mp3", constant}, {"d.mp3", variable}});
        const double exacte_variable = *media_mpeg::duree_parcours(variable);
        const int64_t total = 2 * rt::CLng(*media_mpeg::duree_parcours(constant)) + 2 * rt::CLng(exacte_variable);
        ajout_fichier& a = ouvrir(d);
        media_mpeg::oublier_durees();
        fixtures::DisqueLent disque_lent(2 * 1000 * 1000);
        SuiviBoucle suivi;
        QElapsedTimer duree;
        duree.start();
        if (ajout) {
            ligne_insertion = 1;
            a.Label7.setCaption(QStringLiteral("Ajouter un dossier"));
            a.Label7_Click();
        } else {
            a.Label10_Click();
        }
        QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 120000);
        const double ecart = suivi.plus_long_ecart_ms();
        if (ajout) {
            const ListView& vue = Liste_son::instance().ListView1;
            QCOMPARE(vue.ListCount(), 4);
            QCOMPARE(a.Label3.Caption(), QStringLiteral("Nb de Fichier(s) trouvé(s) : (4) : 4"));
            for (int i = 1; i <= 4; ++i)
                if (vue.ListItem(i)->text(0).endsWith(QLatin1String("b.mp3")))
                    QVERIFY2(std::abs(rt::CDbl(vue.ListItem(i)->text(2)) - exacte_variable) < 0.01,
                             qPrintable(vue.ListItem(i)->text(2)));
        } else {
            QCOMPARE(a.Label5.Caption(), QStringLiteral("Fichier : d.mp3"));
            QCOMPARE(a.Label10.Caption(), gestionnaire::texte_duree(total));
        }
        QVERIFY2(ecart < 400, qPrintable(QStringLiteral("%1 ms without an event in a walk of %2 ms")
                                              .arg(ecart)
                                              .arg(duree.elapsed())));
    }

    void temps_d_ecoute_dossier_vide() {
        const QString d = dossier("vide", {});
        ajout_fichier& a = ouvrir(d);
        a.Label10.setCaption(QStringLiteral("00:01:00"));
        Repondeur r;
        r.attendre_message();
        a.Label10_Click();
        QCOMPARE(a.Label3.Caption(), QStringLiteral("Nb de Fichier(s) trouvé(s) : 0"));
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].style, 16);
        QCOMPARE(a.Label10.Caption(), QStringLiteral("00:01:00"));
        // The failed walk gives everything back.
        QVERIFY(!a.File1.isHidden() && !a.Dir1.isHidden() && a.Label7.isEnabled() && a.Label10.isEnabled());
        QVERIFY(!gestionnaire::pointeur_occupe());
    }

    void lecteur_indisponible() {
        ajout_fichier& a = ajout_fichier::instance();
        a.Drive1.addItem(QStringLiteral("/pas/de/volume"));
        Repondeur r;
        r.attendre_message();
        a.Drive1.setListIndex(a.Drive1.ListCount() - 1);
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte,
                 QStringLiteral(" Ce lecteur n'est pas disponible.  .. Ou Insérer une disquette '"));
        QCOMPARE(r.messages()[0].style, 48);
        // The list shows the drive of the current folder again.
        QCOMPARE(a.Drive1.Drive(), QStorageInfo(QDir::currentPath()).rootPath());
    }

    void fermeture() {
        ajout_fichier& a = ajout_fichier::instance();
        QCOMPARE(a.Caption(), QStringLiteral("Ajout / Suppression / recherche fichier (s)"));
        a.show();
        QCloseEvent fermer;
        QApplication::sendEvent(&a, &fermer);
        QVERIFY(a.isVisible());  // the close box does nothing

        // Hover colours of the labels used as buttons.
        coul_label = 1000;
        a.survol(a.Label8);
        QCOMPARE(a.Label8.ForeColor(), 19000);
        a.fin_survol();
        QCOMPARE(a.Label8.ForeColor(), 1000);

        lecture_gestionnaire = Vrai;
        a.Label7.setEnabled(false);
        a.Label8.setEnabled(false);
        a.HLBSoftBttn2.setEnabled(true);
        a.Label6_Click();
        QVERIFY(!a.isVisible());
        QCOMPARE(lecture_gestionnaire, Faux);
        QVERIFY(a.Label7.isEnabled() && a.Label8.isEnabled() && !a.HLBSoftBttn2.isEnabled());
        QCOMPARE(a.Label7.Caption(), QStringLiteral("Rechercher"));
        QCOMPARE(a.Caption(), QStringLiteral("Ajout / Suppression / recherche fichier(s)"));
    }

    // Each caller, driven with the mouse as the user does, leaves the file manager in its own
    // mode; "Fermer" (or "Valider" for the path choices) between callers.
    void modes_des_appelants() {
        const QString musique = dossier("musique", {{"a.mp3", fixtures::mp3(2)}});
        const QString jingles = dossier("jingles", {{"j.mp3", fixtures::mp3(1)}});
        Chemin_dernier_fichier = musique + QLatin1Char('/');
        Chemin_dossier_jingles = jingles + QLatin1Char('/');
        Radio_FM& f = Radio_FM::instance();
        Liste_son& l = Liste_son::instance();
        f.show();
        l.show();
        ajout_fichier& a = ajout_fichier::instance();
        const QString ferme = QStringLiteral("Ajout / Suppression / recherche fichier(s)");
        auto menu_principal = [&](Label& label, MenuItem& menu, MenuItem& item) {
            return [&] {
                clic(&label);
                choisir(menu, item);
            };
        };
        auto menu_liste = [&](MenuItem& item) {
            return [&] {
                clic(&l.Label7);
                choisir(l.ajout_tous, item);
            };
        };
        const struct {
            const char* appelant;
            std::function<void()> appeler;
            QString attendu;
            QString dossier;  // the folder the caller opens, if it opens one
        } cas[] = {
            {"gestion", menu_principal(f.Label12, f.Fichier_, f.A_gere),
             "Gestion de fichier (Click droit sur élément) | Ajouter un dossier off | Label8 on | > off Go off | "
             "ajouter off", musique},
            {"activer l'ajout",
             [&] {
                 menu_principal(f.Label12, f.Fichier_, f.A_gere)();
                 clic(a.File1.viewport(), Qt::RightButton, QPoint(5, 5));
                 choisir(a.A_menu, a.A_active);
             },
             "Gestion de fichier (Click droit sur élément) | Ajouter un fichier off | Label8 on | > off Go off | "
             "ajouter on", musique},
            {"ecoute rapide", menu_principal(f.Label12, f.Fichier_, f.ecoute),
             "Ecoute rapide de fichier | Rechercher off | Label8 on | > on Go on | ajouter on", {}},
            {"ajout fichier", menu_liste(l.ajout_fich),
             ferme + " | Ajouter un fichier on | Label8 on | > off Go off | ajouter on", musique},
            {"ajout dossier", menu_liste(l.ajout_fichs),
             ferme + " | Ajouter un dossier on | Label8 on | > off Go off | ajouter on", musique},
            {"ajout jingle", menu_liste(l.ajout_jingl),
             ferme + " | Ajouter un jingles on | Label8 on | > off Go off | ajouter on", jingles},
            {"recherche", menu_liste(l.A_recherche),
             ferme + " | Rechercher on | Label8 off | > off Go off | ajouter on", {}},
            {"chemin jingles", menu_principal(f.Label16, f.Option_, f.A_def_jingles),
             "Définir chemin des jingles | Rechercher off | Label8 on | > off Go off | ajouter on", {}},
            {"chemin editeur", menu_principal(f.Label16, f.Option_, f.a_editeur_audio),
             "Définir chemin de l'editeur audio | Rechercher off | Label8 on | > off Go off | ajouter on", {}},
        };
        for (const auto& c : cas) {
            Repondeur r;
            if (QString::fromUtf8(c.appelant) == QStringLiteral("recherche")) r.attendre_message(boites::Oui);
            // The path choices are modal: their mode is read, then validated, while they show.
            QString vu;
            QTimer::singleShot(0, &a, [&] {
                if (QApplication::activeModalWidget() != &a) return;
                vu = etat(a);
                clic(&a.Label8);
            });
            c.appeler();
            if (vu.isEmpty()) {
                QTRY_VERIFY2(a.isVisible(), c.appelant);
                vu = etat(a);
                clic(&a.Label6);
            }
            QCOMPARE(vu, c.attendu);
            if (!c.dossier.isEmpty()) QCOMPARE(a.Dir1.Path(), c.dossier);
            QTRY_VERIFY2(!a.isVisible(), c.appelant);
            QApplication::processEvents();
        }
    }

    // Adding from the file list's pop-up brings the hidden playlist forward with its new row.
    void ajouter_montre_la_liste() {
        const QString d = dossier("montre", {{"un.mp3", fixtures::mp3(2)}});
        Chemin_dernier_fichier = d + QLatin1Char('/');
        Liste_son& l = Liste_son::instance();
        l.ajout_fich_Click();
        l.hide();
        ajout_fichier& a = ajout_fichier::instance();
        QVERIFY(a.isVisible());
        const QRect ligne = a.File1.visualItemRect(a.File1.item(0));
        clic(a.File1.viewport(), Qt::LeftButton, ligne.center());
        clic(a.File1.viewport(), Qt::RightButton, ligne.center());
        choisir(a.A_menu, a.A_jouter);
        QTRY_VERIFY(l.isVisible());
        QCOMPARE(l.ListView1.ListCount(), 1);
        QCOMPARE(l.ListView1.ListItem(1)->text(0), d + QStringLiteral("/un.mp3"));
    }

    // A folder the program may not read says so when opened, instead of showing as empty.
    void dossier_illisible() {
        const QString d = dossier("parent", {{"a.mp3", fixtures::mp3(1)}});
        const QString ferme = dossier("parent/ferme", {{"b.mp3", fixtures::mp3(1)}});
        // As the superuser every folder reads: the click is made as an ordinary user.
        for (QString p = d; p.startsWith(m_dir.path()); p = QFileInfo(p).path())
            QFile::setPermissions(p, QFile::Permissions(0x7755));
        QFile::setPermissions(ferme, {});
        ajout_fichier& a = ouvrir(d);
        a.show();
        const int ligne = a.Dir1.count() - 1;  // the only subfolder, under the ancestors
        QVERIFY(a.Dir1.item(ligne)->text().endsWith(QStringLiteral("ferme")));
        Repondeur r;
        r.attendre_message();
        {
            const uid_t avant = geteuid();
            if (avant == 0) QVERIFY(seteuid(65534) == 0);
            clic(a.Dir1.viewport(), Qt::LeftButton, a.Dir1.visualItemRect(a.Dir1.item(ligne)).center());
            if (avant == 0) QVERIFY(seteuid(0) == 0);
        }
        QFile::setPermissions(ferme, QFile::Permissions(0x7700));
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte,
                 QStringLiteral("Dossier illisible : ") + ferme + QStringLiteral("\rPermission refusée"));
        QCOMPARE(r.messages()[0].style, 48);
        // The lists show the folder opened, with nothing in it to act on.
        QCOMPARE(a.Text1.Text(), ferme);
        QCOMPARE(a.File1.ListCount(), 0);
    }

    void ecoute_rapide() {
        const QString d = dossier("ecoute", {{"un.mp3", fixtures::mp3(3)}, {"deux.mp3", fixtures::mp3(2)}});
        Nom_radio_fm = QStringLiteral("Radio Test");
        Radio_FM& r = Radio_FM::instance();
        r.Timer1.setEnabled(true);
        ajout_fichier& a = ouvrir(d);

        // Nothing selected: the sequencer stops, nothing is loaded.
        a.HLBSoftBttn1_Click();
        QVERIFY(!r.Timer1.Enabled());
        QCOMPARE(lecture_gestionnaire, Vrai);
        QCOMPARE(chemin_lecteur1, d + QLatin1Char('/'));
        QCOMPARE(lecteur_en_cours, int16_t(0));
        // Stop with nothing selected leaves the deck alone.
        a.HLBSoftBttn2_Click();
        QCOMPARE(chemin_lecteur1, d + QLatin1Char('/'));

        cliquer(a, 0);  // deux.mp3
        a.HLBSoftBttn1_Click();
        const QString deux = d + QStringLiteral("/deux.mp3");
        QCOMPARE(chemin_lecteur1, deux);
        QCOMPARE(r.Caption(), QStringLiteral("En cours sur Radio Test : ") + deux);
        QCOMPARE(r.Label7.Caption(), QStringLiteral("- - Radio Test - -"));
        QCOMPARE(r.Label2.Caption(), QStringLiteral("deux.mp3 - "));
        QCOMPARE(lecteur_en_cours, int16_t(1));
        QCOMPARE(r.lecteur1.graphe.GetState(), etat_graphe::EnLecture);
        QVERIFY(!a.HLBSoftBttn1.isEnabled() && a.HLBSoftBttn2.isEnabled());

        // Next steps through the folder and starts again at the top.
        a.HLBSoftBttn3_Click();
        QCOMPARE(chemin_lecteur1, d + QStringLiteral("/un.mp3"));
        QCOMPARE(r.lecteur1.graphe.GetState(), etat_graphe::EnLecture);
        a.HLBSoftBttn3_Click();
        QCOMPARE(chemin_lecteur1, deux);

        // Stop keeps the full path, so deck 1's own play still works.
        a.HLBSoftBttn2_Click();
        QCOMPARE(chemin_lecteur1, deux);
        QCOMPARE(r.lecteur1.graphe.GetState(), etat_graphe::Arrete);
        QCOMPARE(r.Caption(), QStringLiteral("Radio Test"));
        QVERIFY(a.HLBSoftBttn1.isEnabled() && !a.HLBSoftBttn2.isEnabled());
    }

    void suivant_sur_dossier_vide() {
        ajout_fichier& a = ouvrir(dossier("vide2", {}));
        a.HLBSoftBttn3_Click();  // no box, no error
        QCOMPARE(a.File1.ListIndex(), -1);
    }

    // A deck's path check points the hidden file manager at the file's folder without reading it;
    // shown, it lists the folder as it is then, the file added meanwhile included.
    void cache_relu_a_l_affichage() {
        const QString d = dossier(QStringLiteral("cache"), {{QStringLiteral("un.mp3"), fixtures::mp3(1)}});
        ajout_fichier& a = ajout_fichier::instance();
        a.hide();
        enreg_destinataire.genre.clear();
        enreg_destinataire.chemin = d + QStringLiteral("/un.mp3");
        Radio_FM::instance().recup_path(1);
        QCOMPARE(Radio_FM::instance().deck(1).chemin, d + QStringLiteral("/un.mp3"));
        QCOMPARE(a.Dir1.Path(), d);
        QFile::copy(fixtures::mp3(1), d + QStringLiteral("/deux.mp3"));
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        const QListWidget& vue = a.File1;
        QCOMPARE(vue.count(), 2);
        QCOMPARE(vue.item(0)->text(), QStringLiteral("deux.mp3"));
        QCOMPARE(a.Text1.Text(), d);
        // Shown, a check in the same folder changed on disk reads it again (file times are
        // coarse: the change comes a few ticks later).
        QTest::qWait(20);
        QFile::copy(fixtures::mp3(1), d + QStringLiteral("/trois.mp3"));
        Radio_FM::instance().recup_path(1);
        QCOMPARE(vue.count(), 3);
        a.hide();
    }

    void points_de_progression() {
        PointsProgression p;
        QStringList vus{p.texte()};
        for (int i = 0; i < 4; ++i) vus << p.suivant();
        QCOMPARE(vus, (QStringList{".", "..", "....", ".", ".."}));

        fsauve& f = fsauve::instance();
        f.ProgressBar1.setMax(3);
        f.ProgressBar1.setValue(3);
        QCOMPARE(sonavel_test::erreur_de([&] { f.ProgressBar1.setValue(4); }), 380);
        f.show();
        QVERIFY(gestionnaire::pointeur_occupe());
        f.hide();
        // The pointer stays busy until the user of the window resets it.
        QVERIFY(gestionnaire::pointeur_occupe());
        gestionnaire::pointeur_defaut();
    }
};

SONAVEL_TEST_MAIN(TestGestionnaire)
#include "test_gestionnaire.moc"
