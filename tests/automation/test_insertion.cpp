// Automatic insertion of jingles and new tracks: the order of a list run with a jingle every 3
// files, the list file growing by one record per insertion, the draw from small files, the
// stop row, the blinking switch, an interval below 1, and a draw file that cannot be read.
#include <QFile>
#include <QFileInfo>

#include "automation/scene_liste.h"
#include "windows/err_form.h"
#include "platform/conversions.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "support/repondeur.h"
#include "windows/Form_options.h"

using namespace Radio;

namespace {
// A draw file of records pointing at the given files (10-second jingles).
QString fichier_tirage(SceneListe& s, const QString& nom, const QStringList& pistes) {
    const QString chemin = s.dossier.filePath(nom);
    for (int i = 0; i < pistes.size(); ++i) {
        TypeEnregListe e;
        e.chemin = pistes[i];
        e.fin_lecture = QStringLiteral("10");
        e.debut_lecture = 0.5;
        e.volume = 85;
        enreg_liste::ecrire(chemin, i + 1, e);
    }
    return chemin;
}

int enregistrements(const QString& fichier) { return int(QFileInfo(fichier).size() / enreg_liste::Longueur); }

// A list of n 40-second tracks F1..Fn shown in the playlist window, row 1 selected.
QStringList pistes(SceneListe& s, int n) {
    const QStringList p = s.pistes(QStringLiteral("F"), n, 40, QStringLiteral("40"));
    s.l.ListView1.setSelectedItem(s.l.ListView1.ListItem(1));
    return p;
}
}  // namespace

class TestInsertion : public QObject {
    Q_OBJECT
private slots:
    // N = 3: the jingle counts as a list play, so F1 F2 F3 J F4 F5 J F6 F1; a two-record jingle
    // file alternates; back at the start row the side switches itself off.
    void une_liste_avec_jingle_tous_les_3() {
        SceneListe s;
        const QStringList f = pistes(s, 6);
        const QStringList j = {s.fichier(QStringLiteral("J1.mp3"), 10), s.fichier(QStringLiteral("J2.mp3"), 10)};
        Chemin_fichier_aleatoire = fichier_tirage(s, QStringLiteral("jingles.dfm"), j);
        Nb_fichier_aleatoire = 3;
        Form_options::instance().Check1.setValue(1);
        s.demarrer(false);
        QVERIFY(s.f.Timer8.Enabled());
        QCOMPARE(jingle_auto_actif, Vrai);

        // The blinking caption counts the files left; its colour changes every second.
        QStringList legendes;
        QVector<int32_t> couleurs;
        for (int i = 0; i < 4; ++i) {
            s.tic();
            legendes << s.l.Label14.Caption();
            couleurs << s.l.Label14.ForeColor();
        }
        QCOMPARE(legendes.last(), QStringLiteral("Jingle / On ( 2 )"));
        QVERIFY(couleurs.contains(8454016));
        QVERIFY(couleurs.contains(-2147483630));
        QVERIFY(couleurs[0] != couleurs[1] && couleurs[1] != couleurs[2]);

        QVERIFY(s.jusqu_a(9, 600));
        QStringList attendu = {f[0], f[1], f[2], QString(), f[3], f[4], QString(), f[5], f[0]};
        const QStringList joue = s.pistes().mid(0, 9);
        for (int i = 0; i < attendu.size(); ++i) {
            if (attendu[i].isEmpty())
                QVERIFY2(j.contains(joue[i]), qPrintable(joue.join(QLatin1Char(' '))));
            else
                QCOMPARE(joue[i], attendu[i]);
        }
        QVERIFY(joue[3] != joue[6]);

        // The list file holds the two jingles in place, with the drawn record's values.
        QCOMPARE(enregistrements(chemin_liste), 8);
        QCOMPARE(enreg_liste::lire(chemin_liste, 4).chemin.trimmed(), joue[3]);
        QCOMPARE(enreg_liste::lire(chemin_liste, 7).chemin.trimmed(), joue[6]);
        QCOMPARE(enreg_liste::lire(chemin_liste, 4).volume, int16_t(85));
        QCOMPARE(s.l.ListView1.ListItem(4)->text(1), rt::format_nombre(0.5));

        // F1 on air again is the stop row: no third jingle, the side is off.
        s.tics(5);
        QCOMPARE(jingle_auto_actif, Faux);
        QCOMPARE(s.l.Label14.Caption(), QStringLiteral("Jingle auto / Off"));
        QVERIFY(!s.f.Timer8.Enabled());
        QCOMPARE(enregistrements(chemin_liste), 8);
    }

    // The draw repeats a lone record and alternates two records, from the first draw on each
    // side; the new-track side keeps its own history.
    void tirage_petits_fichiers_data() {
        QTest::addColumn<bool>("jingle");
        QTest::addColumn<int>("records");
        QTest::newRow("jingle, one record") << true << 1;
        QTest::newRow("jingle, two records") << true << 2;
        QTest::newRow("new track, one record") << false << 1;
        QTest::newRow("new track, two records") << false << 2;
    }
    void tirage_petits_fichiers() {
        QFETCH(bool, jingle);
        QFETCH(int, records);
        SceneListe s;
        pistes(s, 3);
        QStringList tirage;
        for (int i = 1; i <= records; ++i) tirage << QStringLiteral("/tirage/r%1.mp3").arg(i);
        const QString fichier = fichier_tirage(s, QStringLiteral("t.dfm"), tirage);
        (jingle ? Chemin_fichier_aleatoire : Chemin_fichier_aleatoire1) = fichier;
        QStringList inseres;
        for (int k = 0; k < 4; ++k) {
            jingle ? s.f.ouvre_fichier() : s.f.ouvre_fichier1();
            inseres << s.l.ListView1.ListItem(2)->text(0);
        }
        for (int k = 1; k < 4; ++k) {
            if (records == 1)
                QCOMPARE(inseres[k], tirage[0]);
            else
                QVERIFY(inseres[k] != inseres[k - 1]);
        }
        QCOMPARE(enregistrements(chemin_liste), 7);
        QCOMPARE(nb_index_tires_new > 0, !jingle);
        QCOMPARE(nb_index_tires > 0, jingle);
    }

    // An interval below 1 (a first start, or the box left empty) inserts nothing.
    void intervalle_nul() {
        SceneListe s;
        pistes(s, 3);
        Chemin_fichier_aleatoire = fichier_tirage(s, QStringLiteral("j.dfm"), {QStringLiteral("/j.mp3")});
        jingle_auto_actif = Vrai;
        for (int16_t n : {int16_t(0), int16_t(-1)}) {
            Nb_fichier_aleatoire = n;
            compteur_jingle_auto = 0;
            s.f.Timer8.setEnabled(true);
            for (int i = 0; i < 5; ++i) s.f.Timer8_Timer();
            QCOMPARE(s.l.ListView1.ListCount(), 3);
            QVERIFY(s.f.Timer8.Enabled());
        }
    }

    // A draw file missing, empty or not set: the critical box, nothing inserted, and the tick
    // goes on as after an insertion.
    void fichier_de_tirage_illisible_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("vide");
        QTest::newRow("missing") << "absent.dfm" << false;
        QTest::newRow("empty") << "vide.dfm" << true;
    }
    void fichier_de_tirage_illisible() {
        QFETCH(QString, nom);
        QFETCH(bool, vide);
        SceneListe s;
        pistes(s, 3);
        Chemin_fichier_aleatoire = s.dossier.filePath(nom);
        if (vide) QFile(Chemin_fichier_aleatoire).open(QIODevice::WriteOnly);
        const QByteArray avant = fichier_liste::lire(chemin_liste);
        jingle_auto_actif = Vrai;
        Nb_fichier_aleatoire = 2;
        compteur_jingle_auto = 2;
        index_fin_jingle_auto = 0;
        index_liste_en_cours = 1;
        // From the tick: the notice window, never a box that would hold the tick (any box
        // fails the test).
        s.f.Timer8_Timer();
        const QString notice = err_form::instance().Label1.Caption();
        QVERIFY(err_form::instance().isVisible());
        QVERIFY(notice.endsWith(QStringLiteral("Veuillez vérifier les options : insérer jingles")));
        QVERIFY(notice.size() > QStringLiteral("Veuillez vérifier les options : insérer jingles").size());
        QCOMPARE(s.l.ListView1.ListCount(), 3);
        QCOMPARE(fichier_liste::lire(chemin_liste), avant);
        QCOMPARE(compteur_jingle_auto, int16_t(0));
        QVERIFY(s.f.Timer8.Enabled());
        QVERIFY(s.f.ligne_journal.isEmpty());
    }

    // The switch, clicked: unticked in the options it opens them and stays off; ticked it
    // toggles in a list order.
    void interrupteur() {
        SceneListe s;
        s.f.a_mode_predefini_Click();  // list order, "Durée piste"
        s.l.show();
        const auto cliquer = [&s] { QTest::mouseClick(&s.l.Label15, Qt::LeftButton); };
        Form_options& o = Form_options::instance();
        o.Check2.setValue(0);
        new_auto_actif = Vrai;
        cliquer();
        QCOMPARE(new_auto_actif, Faux);
        QVERIFY(!s.f.Timer9.Enabled());
        QVERIFY(o.isVisible());
        o.hide();
        o.Check2.setValue(1);
        cliquer();
        QCOMPARE(new_auto_actif, Vrai);
        QCOMPARE(s.l.Label15.Caption(), QStringLiteral("New auto / On"));
        QVERIFY(s.f.Timer9.Enabled());
        Nb_fichier_aleatoire1 = 4;
        compteur_new_auto = 1;
        s.l.Label15_MouseMove();
        QCOMPARE(s.l.Label15.toolTip(), QStringLiteral("Insertion après 3 fichier(s)"));
        cliquer();
        QCOMPARE(new_auto_actif, Faux);
        QCOMPARE(s.l.Label15.Caption(), QStringLiteral("New auto / Off"));
        QVERIFY(!s.f.Timer9.Enabled());
        QCOMPARE(compteur_new_auto, int16_t(1));
    }

    // Continuous play never inserts: the switch says why and stays off, and the ticks never
    // show it on. In random order the insertion tick inserts: the switch turns it on.
    void interrupteur_selon_l_ordre_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("refus");
        QTest::newRow("lecture continue") << 1 << true;
        QTest::newRow("lecture aléatoire") << 2 << false;
    }
    void interrupteur_selon_l_ordre() {
        QFETCH(int, option);
        QFETCH(bool, refus);
        SceneListe s;
        pistes(s, 3);
        Form_options::instance().Check1.setValue(1);
        Nb_fichier_aleatoire = 2;
        s.f.a_mode_predefini_Click();
        (option == 1 ? s.l.Option1 : s.l.Option2).setValue(true);
        s.l.show();
        QCOMPARE(s.l.Label14.Caption(), QStringLiteral("Jingle auto / Off"));  // the order put it off
        Repondeur r;
        if (refus) r.attendre_message();
        QTest::mouseClick(&s.l.Label14, Qt::LeftButton);
        if (refus) {
            QCOMPARE(r.messages().size(), 1);
            QCOMPARE(r.messages()[0].texte,
                     QStringLiteral("Pas d'insertion en lecture continue : choisir Lecture aléatoire, Fin définie ou Durée piste"));
            QCOMPARE(r.messages()[0].style, 64);
            QCOMPARE(jingle_auto_actif, Faux);
            s.f.Timer8_Timer();
            QVERIFY(!s.l.Label14.Caption().contains(QStringLiteral("On")));
            QVERIFY(!s.f.Timer8.Enabled());
        } else {
            QCOMPARE(jingle_auto_actif, Vrai);
            QCOMPARE(s.l.Label14.Caption(), QStringLiteral("Jingle auto / On"));
            QVERIFY(s.f.Timer8.Enabled());
        }
    }

    // After a restart with insertion saved on: the start's continuous play puts it off and the
    // label says so; a list order switches it on again and the label says that too, so one
    // click turns it off. Every order change leaves the label telling the truth.
    void etiquette_apres_redemarrage_et_changements_d_ordre() {
        SceneListe s;
        pistes(s, 3);
        Form_options& o = Form_options::instance();
        o.Check1.setValue(1);
        // As the start reads the saved settings, then sets deck mixing (continuous play).
        jingle_auto_actif = Vrai;
        s.l.Label14.setCaption(QStringLiteral("Jingle auto On"));
        s.f.coche2.setValue(true);
        const auto dit_on = [&] { return s.l.Label14.Caption().contains(QStringLiteral("On")); };
        QCOMPARE(dit_on(), jingle_auto_actif == Vrai);
        s.l.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.l));
        // Real clicks on the order buttons.
        const auto choisir = [&](OptionButton& b) { QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(6, b.height() / 2)); };
        for (OptionButton* b : {&s.l.Option3, &s.l.Option2, &s.l.Option4, &s.l.Option3}) {
            choisir(*b);
            QVERIFY(b->Value());
            QCOMPARE(dit_on(), jingle_auto_actif == Vrai);
            if (b == &s.l.Option3) QCOMPARE(jingle_auto_actif, Vrai);
        }
        QTest::mouseClick(&s.l.Label14, Qt::LeftButton);  // one click: off
        QCOMPARE(jingle_auto_actif, Faux);
        QCOMPARE(s.l.Label14.Caption(), QStringLiteral("Jingle auto / Off"));
    }
};

SONAVEL_TEST_MAIN(TestInsertion)
#include "test_insertion.moc"
