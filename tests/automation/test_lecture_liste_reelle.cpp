// List runs on the real media layer with generated files and the real timers: a list of five
// 12-second files and one of three 40-second files play through in list order, the journal
// names every track once per pass, and the 40-second tracks fade out.
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

using namespace Radio;

namespace {
struct ListeReelle {
    bool remis_a_zero = (sonavel_test::nouveau_programme(), true);
    QTemporaryDir dossier;
    Radio_FM& f = Radio_FM::instance();
    Liste_son& l = Liste_son::instance();
    QStringList chemins;

    // n copies of one generated file of that length, listed with their end as stored.
    ListeReelle(int n, double secondes) {
        SceneListe::reglages();
        journal_actif = Vrai;
        // The main window's load gives the chaining timer its interval.
        f.Timer4.setInterval(Valeur_vitesse_timer);
        const QString source = fixtures::mp3(secondes);
        chemin_liste = Chemin_programme + QStringLiteral("liste.dfm");
        for (int i = 1; i <= n; ++i) {
            chemins << dossier.filePath(QStringLiteral("piste%1.mp3").arg(i));
            QFile::copy(source, chemins.last());
            TypeEnregListe e;
            e.chemin = chemins.last();
            e.fin_lecture = QString::number(int(secondes)) + QStringLiteral(".00");
            e.volume = 100;
            enreg_liste::ecrire(chemin_liste, i, e);
        }
        l.charge_liste();
        f.a_mode_predefini_Click();
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        l.Image1_Click();
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
};

SONAVEL_TEST_MAIN(TestLectureListeReelle)
#include "test_lecture_liste_reelle.moc"
