// List runs on the real media layer with generated files and the real timers: a list of five
// 12-second files and one of three 40-second files play through in list order, the journal
// names every track once per pass, and the 40-second tracks fade out; a list with a jingle,
// bad files and a Z-key zap plays every good entry once per pass, in order; a delete above the
// row on air during play neither repeats nor skips an entry.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "automation/scene_liste.h"
#include "config/etat.h"
#include "playlist/enregistrement_liste.h"
#include "support/fixtures.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"

using namespace Radio;

namespace {
struct ListeReelle {
    bool remis_a_zero = (sonavel_test::nouveau_programme(), true);
    QTemporaryDir dossier;
    Radio_FM& f = Radio_FM::instance();
    Liste_son& l = Liste_son::instance();
    QStringList chemins;

    // A row of the list: a generated file of that length; Illisible is a text file named .mp3,
    // Manquant a path with no file.
    struct Piste {
        QString nom;
        double secondes;
    };
    static constexpr double Illisible = -1, Manquant = 0;

    // n copies of one generated file of that length, listed with their end as stored.
    ListeReelle(int n, double secondes) : ListeReelle(copies(n, secondes)) {}
    // The rows in that order, played from row 1 in the predefined mode. `chemins` keeps the
    // paths of the files that can play.
    explicit ListeReelle(const QVector<Piste>& pistes, bool fin_definie = false) {
        SceneListe::reglages();
        journal_actif = Vrai;
        // The main window's load gives the chaining timer its interval.
        f.Timer4.setInterval(Valeur_vitesse_timer);
        chemin_liste = Chemin_programme + QStringLiteral("liste.dfm");
        for (int i = 0; i < pistes.size(); ++i) {
            const Piste& p = pistes[i];
            const QString chemin = dossier.filePath(p.nom);
            if (p.secondes == Illisible) QFile::copy(fixtures::texte_nomme_mp3(), chemin);
            if (p.secondes > 0) {
                QFile::copy(fixtures::mp3(p.secondes), chemin);
                chemins << chemin;
            }
            TypeEnregListe e;
            e.chemin = chemin;
            e.fin_lecture = QString::number(int(qMax(p.secondes, 1.0))) + QStringLiteral(".00");
            e.volume = 100;
            enreg_liste::ecrire(chemin_liste, i + 1, e);
        }
        l.charge_liste();
        f.a_mode_predefini_Click();
        // The list order that lets the operator zap at any second.
        if (fin_definie) l.Option3.setValue(true);
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        l.Image1_Click();
    }
    static QVector<Piste> copies(int n, double secondes) {
        QVector<Piste> p;
        for (int i = 1; i <= n; ++i) p.append({QStringLiteral("piste%1.mp3").arg(i), secondes});
        return p;
    }
    // The decks that sound now: running and not yet at the end of their stream.
    QVector<int> decks_en_lecture() {
        QVector<int> r;
        for (int i = 1; i <= 3; ++i) {
            TypeLecteur& d = f.deck(i).lecteur;
            if (!d.graphe.estNul() && d.graphe.GetState(0) == etat_graphe::EnLecture &&
                d.position.CurrentPosition() < d.position.Duration() - 0.1)
                r << i;
        }
        return r;
    }
    ~ListeReelle() {
        for (Timer* t : {&f.Timer1, &f.Timer2, &f.Timer3, &f.Timer4}) t->setEnabled(false);
    }
    // The tracks the journal records as started, in order.
    QStringList lectures() const {
        QFile j(sonavel_test::dossier_programme() + QStringLiteral("journal.doc"));
        QStringList r;
        if (!j.open(QIODevice::ReadOnly)) return r;
        for (const QString& ligne : QString::fromUtf8(j.readAll()).split(QRegularExpression(QStringLiteral("[\r\n]+"))))
            for (const QString& c : chemins)
                if (ligne.contains(QStringLiteral(" Lecture de ") + c)) r << c;
        return r;
    }
    bool attendre_lectures(int n, int limite_ms) {
        return QTest::qWaitFor([&] { return lectures().size() >= n; }, limite_ms);
    }
};
}  // namespace

class TestLectureListeReelle : public QObject {
    Q_OBJECT
private slots:
    void cinq_pistes_de_12_secondes() {
        ListeReelle s(5, 12);
        QCOMPARE(lecteur_en_cours, 1);
        QVERIFY(s.f.lecteur1.graphe.GetState(0) == etat_graphe::EnLecture);
        // A short track every 10 s (12 s less the 2 s overlap of jingles), then the list wraps.
        QVERIFY2(s.attendre_lectures(6, 70000), qPrintable(s.lectures().join(QLatin1Char(' '))));
        QCOMPARE(s.lectures(), s.chemins + QStringList{s.chemins[0]});
        QVERIFY(!s.f.Timer3.Enabled());
    }

    void trois_pistes_de_40_secondes_en_fondu() {
        ListeReelle s(3, 40);
        // The change-over at 34 s starts a fade of deck 1 under deck 2.
        QVERIFY(s.attendre_lectures(2, 45000));
        QCOMPARE(lecteur_en_cours, 2);
        QTest::qWait(2500);
        QCOMPARE(s.f.Timer3.Interval(), Mix_audio_vitesse);
        QCOMPARE(s.f.lecteur1.graphe.GetState(0), etat_graphe::EnLecture);
        QVERIFY2(s.f.lecteur1.audio.Volume() < -200, qPrintable(QString::number(s.f.lecteur1.audio.Volume())));
        QVERIFY(s.f.lecteur2.audio.Volume() == 0);
        // Deck 1 goes once deck 2 has played Mix_audio seconds.
        QVERIFY(QTest::qWaitFor([&] { return s.f.lecteur1.graphe.estNul(); }, 15000));
        QVERIFY(s.attendre_lectures(3, 40000));
        QCOMPARE(s.lectures(), s.chemins);
    }

    // A short jingle followed by a file no deck can render and a missing file, then a Z-key
    // zap while a jingle that came by a short change-over plays: the two bad rows leave the
    // list, every good entry plays once per pass in list order, the zapped jingle fades and
    // goes, and only the deck on air is left playing.
    void jingle_fichiers_mauvais_et_zap() {
        using P = ListeReelle::Piste;
        ListeReelle s({P{QStringLiteral("a.mp3"), 8}, P{QStringLiteral("jingle.mp3"), 3},
                       P{QStringLiteral("texte.mp3"), ListeReelle::Illisible},
                       P{QStringLiteral("parti.mp3"), ListeReelle::Manquant}, P{QStringLiteral("b.mp3"), 8},
                       P{QStringLiteral("jingle2.mp3"), 5}, P{QStringLiteral("c.mp3"), 8}},
                      true);
        const QStringList& c = s.chemins;  // a, jingle, b, jingle2, c
        QVERIFY2(s.attendre_lectures(4, 30000), qPrintable(s.lectures().join(QLatin1Char(' '))));
        QCOMPARE(s.lectures(), c.mid(0, 4));
        QCOMPARE(s.l.ListView1.ListCount(), 5);
        QVERIFY(s.f.coche3.Value());

        // jingle2 came by a short change-over; the Z key zaps it at once to c, with a fade.
        const int jingle2 = lecteur_en_cours;
        QVERIFY(!s.f.Timer3.Enabled());
        SceneListe::touche(s.f, Qt::Key_Z);
        QCOMPARE(s.lectures(), c);
        QVERIFY(s.f.Timer3.Enabled());
        QCOMPARE(s.f.Timer3.Interval(), Mix_audio_vitesse);
        QVERIFY(QTest::qWaitFor([&] { return s.f.deck(jingle2).lecteur.graphe.estNul(); }, 15000));

        // A second pass in the same order, the bad rows gone for good.
        QVERIFY2(s.attendre_lectures(9, 40000), qPrintable(s.lectures().join(QLatin1Char(' '))));
        QCOMPARE(s.lectures().mid(5, 4), c.mid(0, 4));
        QCOMPARE(s.l.ListView1.ListCount(), 5);
        const QVector<int> jouent = s.decks_en_lecture();
        QVERIFY(jouent.size() <= 2);
        QVERIFY(jouent.contains(lecteur_en_cours));
        QVERIFY(s.attendre_lectures(10, 15000));
        QCOMPARE(s.lectures().last(), c.last());
        QVERIFY(QTest::qWaitFor([&] { return s.decks_en_lecture() == QVector<int>{lecteur_en_cours}; }, 5000));
    }

    // On the real timers: the operator deletes the row above the one on air (a real click,
    // then the space bar) while it plays; the list goes on with the next entry, none is played
    // again or skipped, and no tick fails.
    void suppression_au_dessus_pendant_la_lecture() {
        ListeReelle s(5, 12);
        QVERIFY2(s.attendre_lectures(2, 20000), qPrintable(s.lectures().join(QLatin1Char(' '))));
        s.l.resize(900, 500);
        SceneListe::montrer(s.l);
        QTest::mouseClick(s.l.ListView1.viewport(), Qt::LeftButton, {},
                          s.l.ListView1.visualItemRect(s.l.ListView1.ListItem(1)).center());
        QTest::keyClick(&s.l.ListView1, Qt::Key_Space);
        QCOMPARE(s.l.ListView1.ListCount(), 4);
        QCOMPARE(s.l.ListView1.ListItem(num_enreg_courant)->text(0), s.chemins[1]);
        QVERIFY2(s.attendre_lectures(5, 45000), qPrintable(s.lectures().join(QLatin1Char(' '))));
        QCOMPARE(s.lectures(), s.chemins);
        QVERIFY(s.f.coche3.Value());
        QVERIFY(!err_form::existe() || !err_form::instance().Label1.Caption().contains(QStringLiteral("ATTENTION ERREUR")));
    }
};

SONAVEL_TEST_MAIN(TestLectureListeReelle)
#include "test_lecture_liste_reelle.moc"
