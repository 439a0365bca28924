// Zapping on the simulated graph and clock: the 30-second guard of continuous play in the
// predefined mode and the cut written into the list file, the journal lines, the list zaps
// that choose, load and start the next entry while the outgoing deck fades and is released,
// and the retry of a row that cannot be played.
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "automation/scene_liste.h"
#include "playlist/enregistrement_liste.h"
#include "support/repondeur.h"
#include "windows/err_form.h"
#include "windows/liste.h"

using namespace Radio;

namespace {
QString journal_texte() {
    QFile j(sonavel_test::dossier_programme() + QStringLiteral("journal.doc"));
    if (!j.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(j.readAll());
}

// Three 100-second tracks played in list order from row `ligne`.
QStringList trois_pistes(SceneListe& s, int ligne = 1) {
    const QStringList p = s.pistes(QStringLiteral("p"), 3, 100, QStringLiteral("100"));
    s.demarrer(false, ligne);
    return p;
}
}  // namespace

class TestZapping : public QObject {
    Q_OBJECT
private slots:
    void garde_de_30_secondes_et_fin_notee() {
        SceneListe s;
        const QStringList p = trois_pistes(s, 2);
        journal_actif = Vrai;
        s.tics(30);
        QCOMPARE(s.f.Label5.Caption(), QStringLiteral("30"));
        // Continuous play with the predefined chaining still on: the guarded case.
        s.l.Option1.setValue(true);
        lecture_liste_auto = Vrai;
        valeur_max_jingles = 25;
        s.l.Image1.setEnabled(false);
        s.l.Image2.setEnabled(false);
        {
            Repondeur r;
            r.attendre_message();
            s.f.zap1();
            QCOMPARE(r.messages().size(), 1);
            QCOMPARE(r.messages()[0].style, 48);
            QCOMPARE(r.messages()[0].texte,
                     QStringLiteral("Action mpossible avec l'option :\n\r\n\rMode enchainement auto liste prédéfini\r"
                                    "du menu Option\r25 secondes minimun sont demandées"));
        }
        QVERIFY(s.l.Image1.isEnabled());
        QVERIFY(s.l.Image2.isEnabled());
        QCOMPARE(s.l.Label12.Caption(), QStringLiteral("Zapping autorisé"));
        QCOMPARE(lecteur_en_cours, 1);
        QCOMPARE(enreg_liste::lire(chemin_liste, 2).fin_lecture.trimmed(), QStringLiteral("100"));
        // zapping refuses the same way and leaves the zap image off.
        {
            Repondeur r;
            r.attendre_message();
            s.f.zapping();
        }
        QVERIFY(!s.l.Image2.isEnabled());

        // At 31 s the zap goes through: the cut becomes the entry's end, row 3 starts on deck 2.
        s.f.Label5.setCaption(QStringLiteral("31"));
        s.noter();
        s.f.zap1();
        s.noter();
        const TypeEnregListe coupe = enreg_liste::lire(chemin_liste, 2);
        QCOMPARE(coupe.fin_lecture.trimmed(), QStringLiteral("31"));
        QCOMPARE(coupe.chemin.trimmed(), p[1]);
        QCOMPARE(coupe.volume, int16_t(100));
        QCOMPARE(enreg_liste::lire(chemin_liste, 1).fin_lecture.trimmed(), QStringLiteral("100"));
        QCOMPARE(s.l.ListView1.ListItem(2)->text(2).left(2), QStringLiteral("31"));
        QCOMPARE(lecteur_en_cours, 2);
        QCOMPARE(s.departs.last().chemin, p[2]);
        QVERIFY(journal_texte().contains(QStringLiteral("ZAPPING sur ----> : ")));
        QCOMPARE(s.f.Timer3.Interval(), Mix_audio_vitesse);
        QCOMPARE(s.f.Timer2.Interval(), Valeur_vitesse_timer);

        // From deck 2 the list branch writes its own line; after the last row comes row 1.
        QVERIFY(!journal_texte().contains(QStringLiteral("----> ZAPPING sur ")));
        s.f.Label5.setCaption(QStringLiteral("40"));
        s.f.zap2();
        s.noter();
        QCOMPARE(lecteur_en_cours, 3);
        QCOMPARE(s.departs.last().chemin, p[0]);
        QVERIFY(journal_texte().contains(QStringLiteral("----> ZAPPING sur ")));
    }

    void zapping_sans_lecture() {
        SceneListe s;
        lecteur_en_cours = 0;
        s.l.Image2.setEnabled(false);
        Repondeur r;
        r.attendre_message();
        s.f.zapping();
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Aucune lecture en cours"));
        QCOMPARE(r.messages()[0].style, 64);
        QVERIFY(s.l.Image2.isEnabled());
        QCOMPARE(s.l.Label12.Caption(), QStringLiteral("Zapping autorisé"));
    }

    // In a list order the zap button cuts at once: the next row starts on the next deck and the
    // outgoing deck fades and is released Mix_audio seconds later, whatever start second an
    // earlier zap left.
    void zap_de_liste_avec_fondu() {
        SceneListe s;
        const QStringList p = trois_pistes(s);
        s.l.Option3.setValue(true);
        s.tics(10);
        s.f.seconde_debut_mix = 200;
        const int sortant = s.departs[0].graphe;
        s.f.HLBSoftBttn1_Click();
        s.noter();
        QCOMPARE(s.departs.size(), 2);
        QCOMPARE(s.departs[1].chemin, p[1]);
        QCOMPARE(lecteur_en_cours, 2);
        QCOMPARE(s.f.seconde_debut_mix, int16_t(0));
        QCOMPARE(s.f.Timer3.Interval(), Mix_audio_vitesse);
        QVERIFY(!s.f.Timer2.Enabled());
        QCOMPARE(s.f.Label2.Caption(), QStringLiteral(" - En attente"));
        QCOMPARE(s.f.Slider2.value(), 0);
        QCOMPARE(s.l.ListView1.Index(s.l.ListView1.SelectedItem()), 2);
        s.tics(12);
        QVERIFY(SceneListe::vivant(sortant));
        s.tic();
        QVERIFY(!SceneListe::vivant(sortant));
        QCOMPARE(s.f.Timer3.Interval(), 0);
    }

    // A row that cannot be played in list order is replaced by a draw without repeat, unless
    // the sequencer already drew one; the zap never spins.
    void reprise_par_tirage() {
        SceneListe s;
        const QString a = s.fichier(QStringLiteral("a.mp3"), 100);
        const QString b = s.fichier(QStringLiteral("b.mp3"), 100);
        const QString c = s.fichier(QStringLiteral("c.mp3"), 100);
        // Row 2 names the track on air again.
        s.liste({{a, QStringLiteral("100")}, {a, QStringLiteral("100")}, {b, QStringLiteral("100")},
                 {c, QStringLiteral("100")}});
        s.demarrer(false);
        s.l.Option3.setValue(true);
        s.tics(5);
        s.f.zap11();
        s.noter();
        QCOMPARE(s.departs.size(), 2);
        QVERIFY(s.departs[1].chemin == b || s.departs[1].chemin == c);
        QVERIFY(liste::instance().List2.item(liste::instance().List2.count() - 1)->text().endsWith(
            QStringLiteral(" - Zapping Pas Trouvé Ok")));

        // Random order with a row already drawn by the sequencer: that row, no new draw.
        s.tics(5);
        ordre_aleatoire = Vrai;
        entree_tiree_au_hasard = Vrai;
        index_liste_en_cours = 4;
        const int traces = liste::instance().List2.count();
        s.f.zap12();
        s.noter();
        QCOMPARE(s.departs.last().chemin, c);
        QCOMPARE(liste::instance().List2.count(), traces);
    }

    // A zap before the preparation second that meets a file no deck can render: its row leaves
    // the list, the next entry starts in the same zap, and the track on air plays until it
    // does. The Z key (plain zap, list branch) and the deck's zap button (list zap), in list
    // and random order.
    void zap_sur_fichier_illisible_data() {
        QTest::addColumn<bool>("touche");
        QTest::addColumn<bool>("aleatoire");
        QTest::newRow("touche Z, ordre de la liste") << true << false;
        QTest::newRow("touche Z, aléatoire") << true << true;
        QTest::newRow("bouton, ordre de la liste") << false << false;
        QTest::newRow("bouton, aléatoire") << false << true;
    }
    void zap_sur_fichier_illisible() {
        QFETCH(bool, touche);
        QFETCH(bool, aleatoire);
        SceneListe s;
        const QString a = s.fichier(QStringLiteral("a.mp3"), 100), b = s.fichier(QStringLiteral("b.mp3"), 100),
                      c = s.fichier(QStringLiteral("c.mp3"), 100);
        const QString texte = s.illisible(QStringLiteral("texte.mp3"));
        s.liste({{a, QStringLiteral("100")}, {texte, QStringLiteral("100")}, {b, QStringLiteral("100")},
                 {c, QStringLiteral("100")}});
        s.demarrer(aleatoire);
        (aleatoire ? s.l.Option2 : s.l.Option3).setValue(true);
        s.tics(5);
        // At random the draw without repeat meets the bad row within one cycle.
        for (int zap = 0; zap < 3 && s.l.ListView1.ListCount() == 4; ++zap) {
            const int avant = s.departs.size();
            if (touche) {
                s.touche(Qt::Key_Z);
            } else {
                s.cliquer(s.f.deck(lecteur_en_cours).zap);
            }
            QCOMPARE(s.departs.size(), avant + 1);
            QVERIFY(s.departs.last().chemin != texte);
            QVERIFY(s.antenne_seule());
            s.tics(3);
        }
        QCOMPARE(s.l.ListView1.ListCount(), 3);
        QCOMPARE(QFileInfo(sonavel_test::dossier_programme() + QStringLiteral("liste.dfm")).size(),
                 3 * enreg_liste::Longueur);
        QVERIFY(err_form::instance().Label1.Caption().contains(texte));
        if (!aleatoire) QCOMPARE(s.pistes(), (QStringList{a, b}));
        // The run goes on.
        s.tics(200);
        QVERIFY(s.departs.size() >= 4);
        QVERIFY(!s.pistes().contains(texte));
        QVERIFY(s.antenne_seule());
    }

    // A zap after a short-track change-over (which switched the fade tick off) still fades the
    // outgoing deck and releases it Mix_audio seconds later; and a short-track change-over met
    // during a zap's fade ends that fade, releasing its outgoing deck.
    void fondu_apres_piste_courte() {
        SceneListe s;
        const QString j = s.fichier(QStringLiteral("j.mp3"), 3), a = s.fichier(QStringLiteral("a.mp3"), 100),
                      b = s.fichier(QStringLiteral("b.mp3"), 100);
        s.liste({{j, QStringLiteral("3.00")}, {a, QStringLiteral("100")}, {b, QStringLiteral("100")},
                 {j, QStringLiteral("3.00")}, {a, QStringLiteral("100")}});
        s.demarrer(false);
        s.l.Option3.setValue(true);
        QVERIFY(s.jusqu_a(2, 5));
        QCOMPARE(s.departs[1].chemin, a);
        QVERIFY(!s.f.Timer3.Enabled());
        s.tics(3);
        const int sortant = s.departs[1].graphe;
        s.touche(Qt::Key_Z);
        QCOMPARE(s.departs.size(), 3);
        QCOMPARE(s.departs[2].chemin, b);
        QVERIFY(s.f.Timer3.Enabled());
        QCOMPARE(s.f.Timer3.Interval(), Mix_audio_vitesse);
        s.tics(2);
        QVERIFY(s.f.lecteur2.audio.Volume() < 0);
        s.tics(10);
        QVERIFY(SceneListe::vivant(sortant));
        s.tic();
        QVERIFY(!SceneListe::vivant(sortant));
        QCOMPARE(s.f.Timer3.Interval(), 0);

        // Zapped to the jingle: its change-over, a second later, ends the fade of b at once.
        s.tics(2);
        const int b_graphe = s.departs[2].graphe;
        s.touche(Qt::Key_Z);
        QCOMPARE(s.departs.last().chemin, j);
        QVERIFY(s.f.Timer3.Enabled());
        QVERIFY(s.jusqu_a(5, 3));
        QCOMPARE(s.departs.last().chemin, a);
        QVERIFY(!SceneListe::vivant(b_graphe));
        QVERIFY(s.antenne_seule());
    }

    // The Z key in random order draws without repeat: each cycle plays every row once, traced
    // in the history window.
    void touche_z_aleatoire_sans_repetition() {
        SceneListe s;
        const QStringList p = s.pistes(QStringLiteral("p"), 5, 100, QStringLiteral("100"));
        s.demarrer(true);
        s.l.Option2.setValue(true);
        for (int zap = 0; zap < 8; ++zap) {
            s.tics(3);
            s.touche(Qt::Key_Z);
        }
        const QStringList joues = s.pistes();
        QCOMPARE(joues.size(), 9);
        for (int debut : {0, 4}) {
            const QStringList cycle = joues.mid(debut, 5);
            QCOMPARE(QSet<QString>(cycle.begin(), cycle.end()).size(), 5);
        }
        const liste& h = liste::instance();
        QVERIFY(h.List2.List(h.List2.ListCount() - 1).endsWith(QStringLiteral(" - Zapping Pas Trouvé Ok")));
    }

    void sans_mix_liste_rien_ne_part() {
        SceneListe s;
        trois_pistes(s);
        s.f.coche2.setValue(true);
        s.noter();
        const int departs = s.departs.size();
        s.f.zap11();
        s.noter();
        QCOMPARE(s.departs.size(), departs);
    }
};

SONAVEL_TEST_MAIN(TestZapping)
#include "test_zapping.moc"
