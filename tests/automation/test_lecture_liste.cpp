// List runs on the simulated graph and clock, one-second ticks: preparation ahead of the mix
// point, the change-over through a list zap with a fade or directly for short tracks, random
// order without repeat, list order with its wrap, skips and removals, and the lists on which
// a search finds nothing new.
#include <QSet>
#include <QImage>
#include <QTest>

#include "automation/scene_liste.h"
#include "platform/erreur.h"
#include "support/repondeur.h"
#include "windows/err_form.h"
#include "windows/liste.h"

using namespace Radio;

namespace {
bool permutation(const QStringList& pistes, const QStringList& lignes) {
    return QSet<QString>(pistes.begin(), pistes.end()) == QSet<QString>(lignes.begin(), lignes.end()) &&
           pistes.size() == lignes.size();
}
}  // namespace

class TestLectureListe : public QObject {
    Q_OBJECT
private slots:
    void aleatoire_avec_fondu() {
        SceneListe s;
        QStringList lignes;
        QVector<SceneListe::Entree> entrees;
        for (int i = 1; i <= 5; ++i) {
            lignes << s.fichier(QStringLiteral("piste%1.mp3").arg(i), 40);
            entrees.append({lignes.last(), QStringLiteral("40.00")});
        }
        s.liste(entrees);
        s.demarrer(true);
        QCOMPARE(s.departs.size(), 1);
        QCOMPARE(s.departs[0].chemin, lignes[0]);

        // Track 2: loaded at 27 s (40 - overlap 6 - preload 7), started at the mix point, 34 s.
        s.tics(27);
        QCOMPARE(s.chargements.last().seconde, 27);
        QVERIFY(!s.f.Timer1.Enabled());
        const QString prepare = s.chargements.last().chemin;
        QVERIFY(prepare != lignes[0]);
        QVERIFY(s.jusqu_a(2, 10));
        QCOMPARE(s.departs[1].seconde, 34);
        QCOMPARE(s.departs[1].chemin, prepare);
        QCOMPARE(lecteur_en_cours, 2);
        QVERIFY(s.f.Timer1.Enabled());
        QCOMPARE(s.f.Timer3.Interval(), 40);
        QCOMPARE(s.f.Label2.Caption(), QStringLiteral(" - En attente"));

        // The outgoing deck fades and goes Mix_audio (13) seconds later.
        const int sortant = s.departs[0].graphe;
        s.tics(12);
        QVERIFY(SceneListe::vivant(sortant));
        s.tic();
        QVERIFY(!SceneListe::vivant(sortant));
        QCOMPARE(s.f.Timer3.Interval(), 0);

        // Nine tracks: 1-5 and 5-9 are each the five rows; no row twice in a row; the history
        // window traced the draws.
        bool nul_vu = false;
        while (s.departs.size() < 9 && s.seconde < 400) {
            s.tic();
            for (int i = 0; i < liste::instance().List2.ListCount(); ++i)
                nul_vu = nul_vu || liste::instance().List2.List(i).endsWith(QStringLiteral(" - Trouvé Nul"));
            QVERIFY(nb_index_tires < 5);
        }
        const QStringList p = s.pistes();
        QCOMPARE(p.size(), 9);
        QVERIFY2(permutation(p.mid(0, 5), lignes), qPrintable(p.join(QLatin1Char(' '))));
        QVERIFY2(permutation(p.mid(4, 5), lignes), qPrintable(p.join(QLatin1Char(' '))));
        for (int i = 1; i < p.size(); ++i) QVERIFY(p[i] != p[i - 1]);
        for (int i = 1; i < s.departs.size(); ++i) QCOMPARE(s.departs[i].seconde - s.departs[i - 1].seconde, 34);
        QVERIFY(nul_vu);
        const liste& h = liste::instance();
        QVERIFY(h.List2.List(h.List2.ListCount() - 1).endsWith(QStringLiteral(" - Pas Trouvé Ok")));
        QVERIFY(h.Label2.Caption().startsWith(QStringLiteral("Dans fichier ")));
    }

    // Short tracks chain at their mix point with no fade; list order wraps at the end.
    void ordre_de_la_liste_et_pistes_courtes() {
        SceneListe s;
        const QString a = s.fichier(QStringLiteral("a.mp3"), 12), b = s.fichier(QStringLiteral("b.mp3"), 12),
                      c = s.fichier(QStringLiteral("c.mp3"), 12);
        s.liste({{a, QStringLiteral("12.00")}, {b, QStringLiteral("12.00")}, {c, QStringLiteral("12.00")}});
        s.demarrer(false);
        QVERIFY(s.jusqu_a(7, 100));
        QCOMPARE(s.pistes(), (QStringList{a, b, c, a, b, c, a}));
        // 12 s with an overlap of 2 (Forcer_Mix_Jingles): every 10 s, and no fade.
        for (int i = 1; i < s.departs.size(); ++i) QCOMPARE(s.departs[i].seconde - s.departs[i - 1].seconde, 10);
        QVERIFY(!s.f.Timer3.Enabled());
        // The history window traced the entries read after each preparation, in list order.
        const liste& h = liste::instance();
        QVERIFY(h.List1.ListCount() >= 5);
        QCOMPARE(h.List1.List(0), QStringLiteral("2"));
        QCOMPARE(h.List2.List(0), QStringLiteral("b.mp3"));
        QCOMPARE(h.Label4.Caption(), QString::number(h.List1.ListCount()));
        QCOMPARE(h.Label14.Caption(), QStringLiteral("Fin a : 12.00"));
        QCOMPARE(h.Label15.Caption(), QStringLiteral("Volume : 100 %"));
    }

    // An entry whose end is "0.00" plays to its end: the next starts when the bar is full,
    // with no overlap.
    void fin_zero_joue_jusqu_au_bout() {
        SceneListe s;
        const QString a = s.fichier(QStringLiteral("a.mp3"), 12), b = s.fichier(QStringLiteral("b.mp3"), 10);
        s.liste({{a, QStringLiteral("12.00")}, {b, QStringLiteral("0.00")}});
        s.demarrer(false);
        QVERIFY(s.jusqu_a(3, 60));
        QCOMPARE(s.pistes(), (QStringList{a, b, a}));
        QCOMPARE(s.departs[1].seconde, 10);
        QCOMPARE(s.departs[2].seconde, 20);
    }

    void une_ligne_au_dernier_chemin_est_sautee() {
        SceneListe s;
        const QString a = s.fichier(QStringLiteral("a.mp3"), 12), b = s.fichier(QStringLiteral("b.mp3"), 12);
        s.liste({{a, QStringLiteral("12.00")}, {a, QStringLiteral("12.00")}, {b, QStringLiteral("12.00")}});
        s.demarrer(false);
        QVERIFY(s.jusqu_a(4, 100));
        QCOMPARE(s.pistes(), (QStringList{a, b, a, b}));
    }

    // A missing file leaves the list and the list file, the notice says so, and the row that
    // moved up is taken in the same tick.
    void fichier_manquant_retire() {
        SceneListe s;
        const QString a = s.fichier(QStringLiteral("a.mp3"), 12), c = s.fichier(QStringLiteral("c.mp3"), 12);
        const QString manquant = s.dossier.filePath(QStringLiteral("parti.mp3"));
        s.liste({{a, QStringLiteral("12.00")}, {manquant, QStringLiteral("12.00")}, {c, QStringLiteral("12.00")}});
        s.demarrer(false);
        s.tics(5);
        QCOMPARE(s.l.ListView1.ListCount(), 2);
        QCOMPARE(s.l.ListView1.ListItem(2)->text(0), c);
        const QString fichier = sonavel_test::dossier_programme() + QStringLiteral("liste.dfm");
        QCOMPARE(chemin_liste, QStringLiteral("liste.dfm"));
        QCOMPARE(enreg_liste::lire(fichier, 2).chemin.trimmed(), c);
        QCOMPARE(QFileInfo(fichier).size(), 2 * enreg_liste::Longueur);
        QCOMPARE(err_form::instance().Label1.Caption(),
                 QStringLiteral("Recherche de fichier valide \n\r\n\r") + manquant +
                     QStringLiteral("\rCe fichier est non trouvé ou non valide !\n\r\n\rIl a été supprimé de la liste."));
        QVERIFY(err_form::instance().isVisible());
        QCOMPARE(s.chargements.last().chemin, c);
        QVERIFY(s.jusqu_a(2, 10));
        QCOMPARE(s.departs[1].chemin, c);
    }

    // A file no deck can render, met by the chaining after a 3-second track (no preparation
    // comes that early): its row leaves the view and the list file, the notice says so, the
    // row after it starts in the same tick, and the run goes on with the deck named on air
    // always playing.
    void illisible_apres_piste_courte_data() {
        QTest::addColumn<bool>("aleatoire");
        QTest::newRow("ordre de la liste") << false;
        QTest::newRow("aléatoire") << true;
    }
    void illisible_apres_piste_courte() {
        QFETCH(bool, aleatoire);
        SceneListe s;
        const QString j = s.fichier(QStringLiteral("j.mp3"), 3), a = s.fichier(QStringLiteral("a.mp3"), 12),
                      b = s.fichier(QStringLiteral("b.mp3"), 12);
        const QString texte = s.illisible(QStringLiteral("texte.mp3"));
        s.liste({{j, QStringLiteral("3.00")}, {texte, QStringLiteral("12.00")}, {a, QStringLiteral("12.00")},
                 {b, QStringLiteral("12.00")}});
        s.demarrer(aleatoire);
        QVERIFY(s.jusqu_a(2, 5));
        QCOMPARE(s.departs[1].chemin, a);
        QCOMPARE(s.l.ListView1.ListCount(), 3);
        QCOMPARE(s.l.ListView1.ListItem(2)->text(0), a);
        const QString fichier = sonavel_test::dossier_programme() + QStringLiteral("liste.dfm");
        QCOMPARE(QFileInfo(fichier).size(), 3 * enreg_liste::Longueur);
        QCOMPARE(enreg_liste::lire(fichier, 2).chemin.trimmed(), a);
        const QString notice = err_form::instance().Label1.Caption();
        QVERIFY2(notice.contains(texte) && notice.endsWith(QStringLiteral("Il a été supprimé de la liste.")),
                 qPrintable(notice));
        for (int i = 0; i < 60; ++i) {
            s.tic();
            QVERIFY2(s.antenne_seule(), qPrintable(QString::number(s.seconde)));
        }
        QVERIFY(s.departs.size() >= 6);
        QVERIFY(!s.pistes().contains(texte));
        QVERIFY(s.f.coche3.Value());
        QVERIFY(s.f.Timer4.Enabled());
    }

    void dossier_manquant_arrete_la_liste() {
        SceneListe s;
        journal_actif = Vrai;
        const QString a = s.fichier(QStringLiteral("a.mp3"), 12);
        s.liste({{a, QStringLiteral("12.00")}, {QStringLiteral("/pas/de/dossier/b.mp3"), QStringLiteral("12.00")}});
        s.demarrer(false);
        s.tics(5);
        QVERIFY(s.f.coche2.Value());
        QCOMPARE(s.f.coche4.Value(), 0);
        QVERIFY(!s.f.Timer4.Enabled());
        QCOMPARE(s.f.Label7.Caption(), QStringLiteral("Play en attente"));
        QCOMPARE(s.l.ListView1.ListCount(), 2);
        QFile j(sonavel_test::dossier_programme() + QStringLiteral("journal.doc"));
        QVERIFY(j.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(j.readAll()).contains(QStringLiteral("Erreur au chargement de fichier...liste stoppée")));
        s.tics(20);
        QCOMPARE(s.departs.size(), 1);
    }

    // Lists on which no new row can be found: each repeats or stops within a few ticks, and
    // no tick loops.
    void listes_sans_issue_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<bool>("aleatoire");
        QTest::newRow("une ligne, ordre de la liste") << "seule" << false;
        QTest::newRow("une ligne, aléatoire") << "seule" << true;
        QTest::newRow("chemins identiques") << "identiques" << false;
        QTest::newRow("chemins identiques, aléatoire") << "identiques" << true;
        QTest::newRow("liste raccourcie sous l'historique") << "raccourcie" << true;
    }
    void listes_sans_issue() {
        QFETCH(QString, cas);
        QFETCH(bool, aleatoire);
        SceneListe s;
        const QString a = s.fichier(QStringLiteral("a.mp3"), 12), b = s.fichier(QStringLiteral("b.mp3"), 12),
                      c = s.fichier(QStringLiteral("c.mp3"), 12);
        const QString fin = QStringLiteral("12.00");
        if (cas == QLatin1String("seule")) s.liste({{a, fin}});
        if (cas == QLatin1String("identiques")) s.liste({{a, fin}, {a, fin}, {a, fin}});
        if (cas == QLatin1String("raccourcie")) {
            s.liste({{a, fin}, {b, fin}, {c, fin}});
            index_tires = {1, 2, 3, 4, 5, 6};
            nb_index_tires = 6;
        }
        s.demarrer(aleatoire);
        s.tics(60);
        if (cas == QLatin1String("identiques")) {
            QCOMPARE(s.departs.size(), 1);
            QVERIFY(s.f.coche2.Value());
            QVERIFY(!s.f.Timer4.Enabled());
            QVERIFY(err_form::instance().Label1.Caption().startsWith(QStringLiteral("Aucune entrée jouable")));
        } else {
            // A track every 10 s.
            QCOMPARE(s.departs.size(), 7);
            QVERIFY(nb_index_tires < qMax(2, s.l.ListView1.ListCount()));
        }
        if (cas == QLatin1String("raccourcie")) {
            const QStringList p = s.pistes();
            for (int i = 1; i < p.size(); ++i) QVERIFY(p[i] != p[i - 1]);
        }
    }

    // A first entry that cannot be played: deck mix again, the playlist window in sight with
    // "Non trouvé", and the notice names the file.
    void depart_impossible() {
        SceneListe s;
        const QString illisible = s.dossier.filePath(QStringLiteral("illisible.mp3"));
        QFile(illisible).open(QIODevice::WriteOnly);
        s.liste({{illisible, QStringLiteral("12.00")}});
        s.demarrer(false);
        QVERIFY(s.departs.isEmpty());
        QVERIFY(s.f.coche2.Value());
        QVERIFY(!s.f.Timer2.Enabled());
        QVERIFY(s.l.isVisible());
        QVERIFY(s.l.Image1.isEnabled());
        QCOMPARE(s.l.Label2.Caption(), QStringLiteral("Non trouvé"));
        const QString texte = err_form::instance().Label1.Caption();
        QVERIFY2(texte.startsWith(QStringLiteral("Recherche de fichier\n\r\n\rDemarrage liste\r") + illisible + QStringLiteral("\r")),
                 qPrintable(texte));
        QVERIFY(texte.endsWith(QStringLiteral(" / format / lecture impossible  \rabandon lecture liste")));
        QVERIFY(chemin_entree_liste.isEmpty());
    }

    // The file check before the chaining or a list zap starts an entry (row 2 of three).
    void verification_du_fichier_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("attendu");  // chemin_entree_liste after the check
        QTest::addColumn<int>("lignes");
        QTest::addColumn<QString>("notice");
        QTest::newRow("présent, autre casse") << "casse" << "disque" << 3 << "";
        QTest::newRow("manquant: retiré") << "manquant" << "" << 2 << "Il a été supprimé de la liste.";
        QTest::newRow("dossier manquant: gardé") << "dossier" << "" << 3 << "Ce fichier est NON TROUVE !";
        QTest::newRow("réseau") << "reseau" << "tel quel" << 3 << "";
        QTest::newRow("nom seul") << "nom" << "tel quel" << 3 << "";
    }
    void verification_du_fichier() {
        QFETCH(QString, cas);
        QFETCH(QString, attendu);
        QFETCH(int, lignes);
        QFETCH(QString, notice);
        SceneListe s;
        const QString sur_disque = s.fichier(QStringLiteral("Piste.MP3"), 12);
        QString chemin = s.dossier.filePath(QStringLiteral("piste.mp3"));
        if (cas == QLatin1String("manquant")) chemin = s.dossier.filePath(QStringLiteral("partie.mp3"));
        if (cas == QLatin1String("dossier")) chemin = QStringLiteral("/pas/de/dossier/piste.mp3");
        if (cas == QLatin1String("reseau")) chemin = QStringLiteral("smb://serveur/piste.mp3");
        if (cas == QLatin1String("nom")) chemin = QStringLiteral("piste.mp3");
        s.liste({{sur_disque, QStringLiteral("12.00")}, {chemin, QStringLiteral("12.00")}, {sur_disque, QStringLiteral("12.00")}});
        index_liste_en_cours = 2;
        num_enreg_courant = 3;  // the entry on air keeps its number pointing at it
        chemin_entree_liste = chemin;
        s.f.detecte_fichier_liste();
        QCOMPARE(num_enreg_courant, lignes);
        QCOMPARE(chemin_entree_liste, attendu == QLatin1String("disque") ? sur_disque
                                      : attendu == QLatin1String("tel quel") ? chemin
                                                                              : QString());
        QCOMPARE(s.l.ListView1.ListCount(), lignes);
        QCOMPARE(index_liste_en_cours, lignes == 2 ? 1 : 2);
        if (notice.isEmpty())
            QVERIFY(!err_form::existe() || !err_form::instance().isVisible());
        else
            QVERIFY(err_form::instance().Label1.Caption().endsWith(notice));
    }

    // Started with no row selected (from the command line, or Play before any click): the
    // first row plays, and it is the row and the record on air. In random order it is not
    // drawn again within the first pass; its volume can be kept.
    void depart_sans_ligne_choisie_data() {
        QTest::addColumn<bool>("aleatoire");
        QTest::newRow("ordre de la liste") << false;
        QTest::newRow("aléatoire") << true;
    }
    void depart_sans_ligne_choisie() {
        QFETCH(bool, aleatoire);
        SceneListe s;
        const QStringList lignes = s.pistes(QStringLiteral("piste"), 5, 40, QStringLiteral("40.00"));
        s.f.a_mode_predefini_Click();
        if (aleatoire) s.f.A_ordre_aléatoire_Click();
        QVERIFY(!s.l.ListView1.SelectedItem());
        QTest::mouseClick(&s.l.Image1, Qt::LeftButton);
        s.noter();
        QCOMPARE(s.departs.size(), 1);
        QCOMPARE(s.departs[0].chemin, lignes[0]);
        QCOMPARE(index_liste_en_cours, 1);
        QCOMPARE(num_enreg_courant, 1);
        QCOMPARE(s.l.ListView1.Index(s.l.ListView1.SelectedItem()), 1);

        // Keep-volume on deck 1 writes into record 1.
        s.f.Slider.setValue(5);
        {
            Repondeur r;
            r.attendre_message();
            QTest::mouseClick(&s.f.HLBSoftBttn15, Qt::LeftButton);
            QCOMPARE(r.messages().size(), 1);
            QCOMPARE(r.messages()[0].texte, QStringLiteral("Sauvegarde des paramètres en cours éffectués ."));
        }
        QVERIFY(enreg_liste::lire(chemin_liste, 1).volume != 100);

        QVERIFY(s.jusqu_a(5, 200));
        QVERIFY2(permutation(s.pistes(), lignes), qPrintable(s.pistes().join(QLatin1Char(' '))));
    }

    // Every entry stops at its own end point, the first of a run as the ones after it, however
    // the run was started and in each list order.
    void chaque_entree_a_son_point_de_fin_data() {
        QTest::addColumn<QString>("depart");
        QTest::newRow("Mix liste, durée piste") << "mix";
        QTest::newRow("ligne de commande") << "commande";
        QTest::newRow("fin de piste définie") << "fin";
        QTest::newRow("aléatoire") << "aleatoire";
    }
    void chaque_entree_a_son_point_de_fin() {
        QFETCH(QString, depart);
        SceneListe s;
        s.pistes(QStringLiteral("piste"), 3, 40, QStringLiteral("20.00"));
        if (depart == QLatin1String("commande")) {
            // As the start-up runs a list named on the command line: list mix, then Play.
            QImage(8, 8, QImage::Format_RGB32).save(Chemin_programme + QStringLiteral("bouton_noir_petitdoux.jpg"), "PNG");
            s.f.Image13_Click();
        } else {
            s.f.a_mode_predefini_Click();
            if (depart == QLatin1String("fin")) s.l.Option3.setValue(true);
            if (depart == QLatin1String("aleatoire")) s.l.Option2.setValue(true);
        }
        QTest::mouseClick(&s.l.Image1, Qt::LeftButton);
        s.noter();
        QVERIFY(s.jusqu_a(4, 200));
        // 20 s with the short-track overlap of 2.
        for (int i = 1; i < s.departs.size(); ++i)
            QVERIFY2(s.departs[i].seconde - s.departs[i - 1].seconde == 18,
                     qPrintable(QStringLiteral("%1: %2 s").arg(i).arg(s.departs[i].seconde)));
    }

    // A network path is not looked for on disk.
    void chemin_reseau_sans_verification() {
        SceneListe s;
        journal_actif = Vrai;
        const QString a = s.fichier(QStringLiteral("a.mp3"), 12);
        const QString reseau = QStringLiteral("//serveur/musique/b.mp3");
        GrapheSimule::definir(reseau, 12);
        s.liste({{a, QStringLiteral("12.00")}, {reseau, QStringLiteral("12.00")}});
        s.demarrer(false);
        QVERIFY(s.jusqu_a(3, 40));
        QCOMPARE(s.pistes(), (QStringList{a, reseau, a}));
    }
};

SONAVEL_TEST_MAIN(TestLectureListe)
#include "test_lecture_liste.moc"
