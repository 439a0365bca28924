// The entry-properties dialog: filling, the preview and its marks, the bar, and "Valider".
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "support/graphe_simule.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Propriete.h"

using namespace Radio;

namespace {
// A list file of three entries "/m/1.mp3".. at volume 10, opened in the playlist window.
QString ouvrir_liste(const QString& chemin) {
    for (int i = 1; i <= 3; ++i) {
        TypeEnregListe e;
        e.chemin = QStringLiteral("/m/%1.mp3").arg(i);
        e.debut_lecture = 0.1;
        e.fin_lecture = QStringLiteral("190.00");
        e.genre = QStringLiteral("jazz");
        e.volume = 10;
        e.duree_piste = QStringLiteral("00:03:20");
        enreg_liste::ecrire(chemin, i, e);
    }
    chemin_liste = chemin;
    Liste_son::instance().charge_liste();
    return chemin;
}

double position_apercu() { return GrapheSimule::vivants().back()->CurrentPosition(); }
}  // namespace

class TestPropriete : public QObject {
    Q_OBJECT
    QTemporaryDir dossier;
    std::unique_ptr<GrapheSimule::Installation> m_simule;

private slots:
    void init() {
        sonavel_test::nouveau_programme();
        QLocale::setDefault(QLocale::c());
        m_simule = std::make_unique<GrapheSimule::Installation>();
        for (int i = 1; i <= 3; ++i) GrapheSimule::definir(QStringLiteral("/m/%1.mp3").arg(i), 200);
    }
    void cleanup() { m_simule.reset(); }

    void remplie_par_la_liste() {
        ouvrir_liste(dossier.filePath(QStringLiteral("a.dfm")));
        num_enreg_destinataire = 2;
        Liste_son::instance().a_modif_Click();
        Propriete& p = Propriete::instance();
        QVERIFY(p.isVisible());
        QCOMPARE(p.windowTitle(), QStringLiteral("Propriété"));
        QCOMPARE(p.Label1.Caption(), QStringLiteral("2.mp3"));
        QCOMPARE(p.Text1.Text(), QStringLiteral("0.1"));
        QCOMPARE(p.Text2.Text(), QStringLiteral("190.00"));
        QCOMPARE(p.Text3.Text(), QStringLiteral("jazz"));
        QCOMPARE(p.Text4.Text(), QStringLiteral("10"));
        QCOMPARE(p.Text5.Text(), QStringLiteral("00:03:20"));
        QCOMPARE(chemin_fichier_maj, QStringLiteral("/m/2.mp3"));
        QCOMPARE(p.numero_ouvert(), 2);
    }

    // Marks taken by ear: "Début" and "Fin" do nothing before "Lecture"; pausing at 12.346 s
    // shows 12.35 and stops the timers that follow the preview.
    void marques() {
        ouvrir_liste(dossier.filePath(QStringLiteral("a.dfm")));
        num_enreg_destinataire = 1;
        Liste_son::instance().a_modif_Click();
        Propriete& p = Propriete::instance();
        p.Label12_Click();
        p.Label13_Click();
        QVERIFY(p.graphe.estNul());
        QVERIFY(!p.Label13.isEnabled() && !p.Label14.isEnabled());
        p.Label11_Click();
        QCOMPARE(p.picProgBack.Max(), 200);
        QVERIFY(p.Label14.isEnabled() && p.Timer1.Enabled() && p.Timer2.Enabled());
        GrapheSimule::avancer(12.346);
        p.Timer1.declencher();
        QCOMPARE(p.picProgBack.Value(), 12);
        p.Label12_Click();
        QCOMPARE(p.Text1.Text(), QStringLiteral("12.35"));
        QVERIFY(!p.Timer2.Enabled() && !p.Timer3.Enabled() && p.Label13.isEnabled());
        QCOMPARE(p.graphe.GetState(), etat_graphe::EnPause);
        // "Fin" runs the preview again with its mark following, then pauses it.
        p.Label13_Click();
        QVERIFY(p.Timer3.Enabled());
        GrapheSimule::avancer(10);
        p.Timer3.declencher();
        QCOMPARE(p.Text2.Text(), QStringLiteral("22.35"));
        p.Label13_Click();
        QVERIFY(!p.Timer3.Enabled());
        QCOMPARE(p.graphe.GetState(), etat_graphe::EnPause);
    }

    // ±0.1 s; going back needs a mark above 0 once rounded.
    void pas_de_un_dixieme() {
        ouvrir_liste(dossier.filePath(QStringLiteral("a.dfm")));
        num_enreg_destinataire = 1;
        Liste_son::instance().a_modif_Click();
        Propriete& p = Propriete::instance();
        p.Label11_Click();
        p.graphe.Pause();
        p.position.setCurrentPosition(0.6);
        p.Text1.setText(QStringLiteral("0.40"));
        p.Label7_Click();
        QCOMPARE(p.Text1.Text(), QStringLiteral("0.40"));
        QCOMPARE(position_apercu(), 0.6);
        p.Text1.setText(QStringLiteral("0.60"));
        p.Label7_Click();
        QCOMPARE(p.Text1.Text(), QStringLiteral("0.50"));
        p.Label9_Click();
        p.Label9_Click();
        QCOMPARE(p.Text1.Text(), QStringLiteral("0.70"));
        p.Text2.setText(QStringLiteral("0.40"));
        p.Label8_Click();
        QCOMPARE(p.Text2.Text(), QStringLiteral("0.40"));
        p.Label10_Click();
        QCOMPARE(p.Text2.Text(), QStringLiteral("0.80"));
    }

    // The bar: a click at X = 111.5 of 223 seeks to 50 %; the pointer shows the percent.
    void barre() {
        ouvrir_liste(dossier.filePath(QStringLiteral("a.dfm")));
        num_enreg_destinataire = 1;
        Liste_son::instance().a_modif_Click();
        Propriete& p = Propriete::instance();
        p.picProgBack_positionner(111.5f);  // no preview yet: nothing
        p.Label11_Click();
        p.picProgBack_positionner(111.5f);
        QCOMPARE(position_apercu(), 100.0);
        p.Timer1.declencher();
        p.picProgBack_info_bulle(55.75f);
        QCOMPARE(p.picProgBack.Caption(), QStringLiteral("25%"));
        QCOMPARE(p.picProgBack.toolTip(), QStringLiteral("lecteur chargé (F8) avec : /m/1.mp3"));
        // Stop: bar back to 0; Fermer hides the dialog and stops the preview.
        p.AnyButton1_Click();
        QVERIFY(!p.isVisible());
        QCOMPARE(p.picProgBack.Value(), 0);
        QCOMPARE(p.graphe.GetState(), etat_graphe::Arrete);
    }

    // "Valider" writes into the list and record the dialog was opened on, even after the list
    // in hand changed under it; numbers are checked first; the volume lands on the table.
    void valider() {
        const QString a = ouvrir_liste(dossier.filePath(QStringLiteral("a.dfm")));
        num_enreg_destinataire = 2;
        Liste_son& l = Liste_son::instance();
        l.a_modif_Click();
        Propriete& p = Propriete::instance();
        // The list changes under the open dialog: row 1 goes, the working list takes over.
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        l.supprime_Click();
        QCOMPARE(chemin_liste, QStringLiteral("liste.dfm"));
        num_enreg_destinataire = 1;
        const QByteArray travail = fichier_liste::lire(QStringLiteral("liste.dfm"));

        p.Text1.setText(QStringLiteral("12.5"));
        p.Text2.setText(QStringLiteral("180"));
        p.Text3.setText(QStringLiteral("blues"));
        p.Text4.setText(QStringLiteral("150"));
        Repondeur r;
        r.attendre_message();
        p.Text1.setText(QStringLiteral("douze"));
        const QByteArray avant = fichiers::lire_fichier(a);
        p.AnyButton2_Click();
        QCOMPARE(r.messages()[0].style, 48);
        QCOMPARE(fichiers::lire_fichier(a), avant);
        p.Text1.setText(QStringLiteral("12.5"));
        p.AnyButton2_Click();
        const TypeEnregListe e = enreg_liste::lire(a, 2);
        QCOMPARE(e.chemin.trimmed(), QStringLiteral("/m/2.mp3"));
        QCOMPARE(e.debut_lecture, 12.5);
        QCOMPARE(e.fin_lecture.trimmed(), QStringLiteral("180"));
        QCOMPARE(e.genre.trimmed(), QStringLiteral("blues"));
        QCOMPARE(e.volume, int16_t(100));
        QCOMPARE(enreg_liste::lire(a, 1).genre.trimmed(), QStringLiteral("jazz"));
        QCOMPARE(fichier_liste::lire(QStringLiteral("liste.dfm")), travail);
        QVERIFY(p.isVisible());
    }

    // Rows moved while the dialog was open: "Valider" follows its entry, never writes over
    // another; an entry gone is refused; a list that is not a ".dfm" is never written.
    void valider_suit_son_entree() {
        const QString a = ouvrir_liste(QStringLiteral("liste.dfm"));
        num_enreg_destinataire = 2;
        Liste_son& l = Liste_son::instance();
        l.a_modif_Click();
        Propriete& p = Propriete::instance();
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        l.supprime_Click();  // "/m/2.mp3" is now record 1, "/m/3.mp3" record 2
        p.Text3.setText(QStringLiteral("blues"));
        p.AnyButton2_Click();
        QCOMPARE(enreg_liste::lire(fichier_liste::chemin_complet(a), 1).genre.trimmed(), QStringLiteral("blues"));
        QCOMPARE(enreg_liste::lire(fichier_liste::chemin_complet(a), 2).chemin.trimmed(), QStringLiteral("/m/3.mp3"));
        QCOMPARE(enreg_liste::lire(fichier_liste::chemin_complet(a), 2).genre.trimmed(), QStringLiteral("jazz"));

        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        l.supprime_Click();  // the entry itself goes
        const QByteArray avant = fichier_liste::lire(a);
        Repondeur r;
        r.attendre_message().attendre_message();
        p.AnyButton2_Click();
        QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral("L'entrée ne figure plus dans la liste")));
        QCOMPARE(fichier_liste::lire(a), avant);

        const QString rfm = dossier.filePath(QStringLiteral("vieille.rfm"));
        fichiers::reecrire_fichier(rfm, QByteArray(1229, 'r'));
        p.prendre_entree(rfm, 1, QStringLiteral("/m/1.mp3"));
        p.AnyButton2_Click();
        QCOMPARE(r.messages()[1].texte, QStringLiteral("Sauvegarder dans format .dfm avant traitement !"));
        QCOMPARE(fichiers::lire_fichier(rfm), QByteArray(1229, 'r'));
    }

    // Under the do-not-save option nothing is written.
    void valider_refuse_sous_option() {
        const QString a = ouvrir_liste(dossier.filePath(QStringLiteral("a.dfm")));
        num_enreg_destinataire = 1;
        Liste_son& l = Liste_son::instance();
        l.a_modif_Click();
        l.a_Ne_pas_Sauve_Click();
        const QByteArray avant = fichiers::lire_fichier(a);
        Repondeur r;
        r.attendre_message();
        Propriete::instance().Text3.setText(QStringLiteral("autre"));
        Propriete::instance().AnyButton2_Click();
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Traitement impossible avec l'option\rNe pas sauver les "
                                                       "modifications dans le fichier par défaut\n\r\n\rSauvegarder "
                                                       "cette liste"));
        QCOMPARE(fichiers::lire_fichier(a), avant);
    }
};

SONAVEL_TEST_MAIN(TestPropriete)
#include "test_propriete.moc"
