// Loading files onto the decks, on generated media through the real media layer.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "config/etat.h"
#include "support/fixtures.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/err_form.h"
#include "windows/mini_lecteur.h"

namespace {
using Chargement = void (Radio_FM::*)();
const Chargement charges[] = {&Radio_FM::charge_1, &Radio_FM::charge_2, &Radio_FM::charge_3};
const Chargement charges_F[] = {&Radio_FM::charge_1_F, &Radio_FM::charge_2_F, &Radio_FM::charge_3_F};
const Chargement charges_liste[] = {&Radio_FM::charge_1_list, &Radio_FM::charge_2_list, &Radio_FM::charge_3_list};

// What a load leaves on deck n and around it.
QStringList etat_deck(int n) {
    Radio_FM& f = Radio_FM::instance();
    ControlesLecteur d = f.deck(n);
    return {d.titre.Caption(), d.duree.Caption(), QString::number(d.barre.Max()), QString::number(d.zap.isEnabled()),
            d.chemin, f.Text2.Text(), mini_lecteur::instance().Caption(), Radio::nom_fichier_affiche,
            Radio::extension_fichier, Radio::duree_texte, QDir::currentPath()};
}
}  // namespace

class TestChargement : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_dossier;

    // A generated file under a chosen name in the test folder.
    QString fichier(const QString& source, const QString& nom) {
        const QString chemin = m_dossier + QLatin1Char('/') + nom;
        if (!QFile::exists(chemin)) QFile::copy(source, chemin);
        return chemin;
    }
    QString chanson() { return fichier(fixtures::mp3(200), QStringLiteral("Chanson.mp3")); }

    // Deck n before a load: a bar maximum, the zap button off, a caption on the mini player.
    void etat_avant(int n) {
        Radio_FM& f = Radio_FM::instance();
        f.deck(n).barre.setMax(77);
        f.deck(n).zap.setEnabled(false);
        f.deck(n).titre.setCaption(QStringLiteral("titre avant"));
        f.deck(n).duree.setCaption(QStringLiteral("duree avant"));
        mini_lecteur::instance().setCaption(QStringLiteral("avant"));
    }

private slots:
    void initTestCase() { m_dossier = QDir(m_dir.path()).canonicalPath(); }
    void init() { sonavel_test::nouveau_programme(); }

    void chargement_fichier_data() {
        QTest::addColumn<int>("deck");
        QTest::addColumn<QString>("entree");
        QTest::newRow("deck 1") << 1 << "Chanson.mp3";
        QTest::newRow("deck 2, spelt in another case") << 2 << "chanson.MP3";
        QTest::newRow("deck 3, spaces around") << 3 << "Chanson.mp3  ";
    }
    void chargement_fichier() {
        QFETCH(int, deck);
        QFETCH(QString, entree);
        const QString chemin = chanson();
        QStringList etats[2];
        for (int variante = 0; variante < 2; ++variante) {
            sonavel_test::nouveau_programme();
            etat_avant(deck);
            Radio::enreg_destinataire.chemin = m_dossier + QLatin1Char('/') + entree;
            Radio_FM& f = Radio_FM::instance();
            const Chargement* table = variante ? charges_F : charges;
            (f.*table[deck - 1])();
            etats[variante] = etat_deck(deck);
            QVERIFY(!f.deck(deck).lecteur.graphe.estNul());
            QCOMPARE(f.deck(deck).lecteur.graphe.GetState(), etat_graphe::Arrete);
            QCOMPARE(ajout_fichier::instance().Dir1.Path(), m_dossier);
            QCOMPARE(ajout_fichier::instance().File1.Path(), m_dossier);
            // The file load leaves the list's chaining and window alone.
            QVERIFY(!f.Timer4.Enabled());
            QVERIFY(!Liste_son::existe());
        }
        // The path takes the name as it is on disk; the folder becomes current.
        QCOMPARE(etats[0], (QStringList{"Chanson ( 00:03:20 )", "200", "200", "1", chemin, m_dossier, "Chanson",
                                        "Chanson", "mp3", "00:03:20", m_dossier}));
        QCOMPARE(etats[1], etats[0]);
    }

    void fichier_trop_court() {
        const QString court = fichier(fixtures::mp3(0.5), QStringLiteral("Court.mp3"));
        etat_avant(3);
        Radio::enreg_destinataire.chemin = court;
        Radio_FM& f = Radio_FM::instance();
        f.charge_3();
        QCOMPARE(f.Label4.Caption(), QStringLiteral("Court ( ") + Radio::duree_texte + QStringLiteral(" )"));
        QCOMPARE(f.picProgBack2.Max(), 77);
        QVERIFY(!f.HLBSoftBttn3.isEnabled());
        QCOMPARE(mini_lecteur::instance().Caption(), QStringLiteral("avant"));
    }

    void fichier_absent_data() {
        QTest::addColumn<int>("deck");
        QTest::addColumn<QString>("genre");
        QTest::newRow("deck 1") << 1 << "divers";
        QTest::newRow("deck 2") << 2 << "";
        // Only the exact genre skips the check.
        QTest::newRow("deck 3, Réseau") << 3 << "Réseau";
    }
    void fichier_absent() {
        QFETCH(int, deck);
        QFETCH(QString, genre);
        chanson();
        etat_avant(deck);
        Radio::enreg_destinataire.chemin = m_dossier + QStringLiteral("/Absent.mp3");
        Radio::enreg_destinataire.genre = genre;
        Repondeur r;
        r.attendre_message();
        Radio_FM& f = Radio_FM::instance();
        (f.*charges[deck - 1])();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Absent.mp3 n'existe pas ou plus"));
        QCOMPARE(r.messages()[0].style, 16);
        QCOMPARE(f.deck(deck).titre.Caption(), QStringLiteral("Non trouvé"));
        QCOMPARE(f.deck(deck).duree.Caption(), QStringLiteral("duree avant"));
        QCOMPARE(f.deck(deck).chemin, QString());
    }

    void verification_en_echec() {
        // The folder itself is missing: the notice window, no box.
        Radio::enreg_destinataire.chemin = m_dossier + QStringLiteral("/pas/ici/Titre.mp3");
        Radio_FM& f = Radio_FM::instance();
        f.charge_1();
        QVERIFY(err_form::instance().isVisible());
        QCOMPARE(err_form::instance().Label1.Caption(), QStringLiteral("Erreur !\n\r\n\rTitre.mp3\rNON TROUVE !"));
        QCOMPARE(f.Label2.Caption(), QStringLiteral("Non trouvé"));
        QCOMPARE(Radio::chemin_lecteur1, QString());
    }

    void nom_sans_dossier_non_verifie() {
        // A bare name is taken as it is; it does not render here, so the deck shows nothing new.
        etat_avant(2);
        Radio::enreg_destinataire.chemin = QStringLiteral("Seul.mp3");
        Radio_FM& f = Radio_FM::instance();
        f.charge_2();
        QCOMPARE(Radio::chemin_lecteur2, QStringLiteral("Seul.mp3"));
        QCOMPARE(f.Label3.Caption(), QStringLiteral("titre avant"));
        QVERIFY(!ajout_fichier::existe());
    }

    void entree_reseau() {
        Radio_FM& f = Radio_FM::instance();
        f.Text2.setText(chanson());
        Radio::enreg_destinataire.chemin = QStringLiteral("/nulle/part/Autre.mp3");
        Radio::enreg_destinataire.genre = QStringLiteral("réseau");
        f.charge_1();
        QCOMPARE(Radio::chemin_lecteur1, chanson());
        QCOMPARE(f.Label2.Caption(), QStringLiteral("Chanson ( 00:03:20 )"));
        QVERIFY(!ajout_fichier::existe());
    }

    void fichier_illisible() {
        const QString faux = fichier(fixtures::texte_nomme_mp3(), QStringLiteral("Faux.mp3"));
        etat_avant(1);
        Radio::enreg_destinataire.chemin = faux;
        Radio_FM& f = Radio_FM::instance();
        f.charge_1();
        QCOMPARE(f.Label2.Caption(), QStringLiteral("titre avant"));
        QCOMPARE(f.Label6.Caption(), QStringLiteral("duree avant"));
        QCOMPARE(Radio::chemin_lecteur1, faux);
        QCOMPARE(Radio::nom_fichier_affiche, QStringLiteral("Faux"));
    }

    void liste_duree_affichee_data() {
        QTest::addColumn<int>("deck");
        QTest::addColumn<int>("secondes");
        QTest::addColumn<bool>("option4");
        QTest::addColumn<int>("auto_liste");
        QTest::addColumn<int>("preecoute");
        QTest::addColumn<QString>("duree");
        QTest::newRow("decks alone") << 1 << 200 << false << 0 << 0 << "200";
        QTest::newRow("track duration") << 2 << 200 << true << -1 << -1 << "200";
        QTest::newRow("pre-listen 30 of 200") << 3 << 200 << false << -1 << -1 << "30";
        QTest::newRow("pre-listen 30 of 20") << 1 << 20 << false << -1 << -1 << "20";
        QTest::newRow("list-driven: end point as stored") << 2 << 20 << false << -1 << 0 << "0012.50";
    }
    void liste_duree_affichee() {
        QFETCH(int, deck);
        QFETCH(int, secondes);
        QFETCH(bool, option4);
        QFETCH(int, auto_liste);
        QFETCH(int, preecoute);
        QFETCH(QString, duree);
        Radio_FM& f = Radio_FM::instance();
        Liste_son::instance().Option4.setValue(option4);
        Radio::lecture_liste_auto = Drapeau(auto_liste);
        Radio::preecoute_active = Drapeau(preecoute);
        Radio::duree_preecoute = 30;
        Radio::enreg_destinataire.fin_lecture = QStringLiteral("0012.50");
        Radio::chemin_entree_liste = fichier(fixtures::mp3(secondes), QStringLiteral("Piste %1.mp3").arg(secondes));
        (f.*charges_liste[deck - 1])();
        ControlesLecteur d = f.deck(deck);
        QCOMPARE(d.duree.Caption(), duree);
        QCOMPARE(d.duree_liste, QString::number(secondes));
        QCOMPARE(d.fin_lecture, QStringLiteral("0012.50"));
        QCOMPARE(d.barre.Max(), secondes);
        QCOMPARE(f.Timer4.Enabled(), !option4 && auto_liste == -1);
        QCOMPARE(Radio::erreur_chargement_liste, Faux);
        // The list load touches neither the zap button nor the path check.
        QVERIFY(!ajout_fichier::existe());
    }

    void liste_noms_affiches() {
        const QString vingt = fichier(fixtures::mp3(3), QStringLiteral("ABCDEFGHIJKLMNOPQRST.mp3"));
        Radio_FM& f = Radio_FM::instance();
        Radio::chemin_entree_liste = vingt;
        f.charge_2_list();
        QCOMPARE(f.Label3.Caption(), QStringLiteral("ABCDEFGHIJKLMNOPQRST ( 00:00:03 )"));
        QCOMPARE(mini_lecteur::instance().Caption(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        Liste_son& liste = Liste_son::instance();
        QCOMPARE(liste.Caption(), QStringLiteral("ABCDEFGHIJKLMNOP ..."));
        QCOMPARE(liste.Label2.Caption(), QStringLiteral("ABCDEFGHIJKLMNOP ..."));
        QCOMPARE(liste.Label4.Caption(), QStringLiteral("00:00:03"));
        QCOMPARE(f.Text2.Text(), vingt);

        // Listening takes its own path and leaves the playlist window alone.
        Radio::ecoute_en_cours = Vrai;
        Radio::charge_ecoute = Vrai;
        Radio::chemin_ecoute = chanson();
        f.charge_3_list();
        QCOMPARE(Radio::chemin_lecteur3, chanson());
        QCOMPARE(f.Text2.Text(), chanson());
        QCOMPARE(f.Label4.Caption(), QStringLiteral("Chanson ( 00:03:20 )"));
        QCOMPARE(liste.Caption(), QStringLiteral("ABCDEFGHIJKLMNOP ..."));
        QCOMPARE(liste.Label4.Caption(), QStringLiteral("00:00:03"));
    }

    void liste_echec_data() {
        QTest::addColumn<QString>("chemin");
        QTest::newRow("missing") << "/nulle/part/Absent.mp3";
        QTest::newRow("not media") << "faux";
    }
    void liste_echec() {
        QFETCH(QString, chemin);
        if (chemin == QStringLiteral("faux")) chemin = fichier(fixtures::texte_nomme_mp3(), QStringLiteral("Faux.mp3"));
        etat_avant(2);
        Radio::chemin_entree_liste = chemin;
        Radio_FM& f = Radio_FM::instance();
        f.charge_2_list();
        QCOMPARE(Radio::erreur_chargement_liste, Vrai);
        QCOMPARE(Radio::chemin_lecteur2, chemin);
        QCOMPARE(f.Text2.Text(), chemin);
        QCOMPARE(f.Label3.Caption(), QStringLiteral("titre avant"));
        QCOMPARE(f.Label1.Caption(), QStringLiteral("duree avant"));
        QCOMPARE(mini_lecteur::instance().Caption(), QStringLiteral("avant"));
    }

    void ligne_de_commande_lue() {
        Radio_FM& f = Radio_FM::instance();
        Radio::Valeur_vitesse_timer = 250;
        f.Slider1.setValue(5);
        f.HLBSoftBttn1.setEnabled(false);
        f.Command3.setEnabled(false);
        Radio::fichier_ligne_commande = fichier(fixtures::mp3(3), QStringLiteral("Ligne.mp3"));
        f.charge_lire();
        QCOMPARE(Radio::lecteur_en_cours, int16_t(1));
        QCOMPARE(f.lecteur1.graphe.GetState(1000), etat_graphe::EnLecture);
        QCOMPARE(f.Label2.Caption(), QStringLiteral("Ligne"));
        QCOMPARE(f.Label6.Caption(), QStringLiteral("3"));
        QCOMPARE(f.picProgBack.Max(), 3);
        QVERIFY(f.HLBSoftBttn1.isEnabled());
        QVERIFY(f.Command3.isEnabled());
        QCOMPARE(f.Slider1.Value(), 0);
        QCOMPARE(f.Timer2.Interval(), 250);
        QVERIFY(f.coche2.Value());
        QCOMPARE(Radio::enreg_destinataire.chemin, Radio::fichier_ligne_commande);
    }

    void ligne_de_commande_en_echec_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("description");
        QTest::newRow("0.4 s") << fixtures::mp3(0.4) << false;
        QTest::newRow("not media") << fixtures::texte_nomme_mp3() << true;
    }
    void ligne_de_commande_en_echec() {
        QFETCH(QString, source);
        QFETCH(bool, description);
        const QString chemin = fichier(source, QStringLiteral("Echec %1.mp3").arg(description));
        Radio::fichier_ligne_commande = chemin;
        Repondeur r;
        r.attendre_message();
        Radio_FM& f = Radio_FM::instance();
        f.charge_lire();
        QCOMPARE(r.messages().size(), 1);
        const QString texte = r.messages()[0].texte;
        QCOMPARE(r.messages()[0].style, 16);
        QVERIFY2(texte.endsWith(QStringLiteral(" Ne peut ouvrir ") + chemin), qPrintable(texte));
        QCOMPARE(texte.startsWith(QStringLiteral(" Ne peut ouvrir ")), !description);
        QCOMPARE(Radio::lecteur_en_cours, int16_t(1));
        QCOMPARE(f.Label2.Caption(), QStringLiteral("Echec %1").arg(description));
        if (!description) QCOMPARE(f.Label6.Caption(), QStringLiteral("0"));
        QVERIFY(!f.coche2.Value());
    }

    void gestionnaire_de_fichiers() {
        Radio_FM& f = Radio_FM::instance();
        f.HLBSoftBttn1.setEnabled(false);
        Radio::chemin_lecteur1 = chanson();
        Radio::enreg_destinataire.volume = -800;
        f.charge_();
        QCOMPARE(f.Label2.Caption(), QStringLiteral(" - Chanson"));
        QCOMPARE(f.Label6.Caption(), QStringLiteral("200"));
        QCOMPARE(f.picProgBack.Max(), 200);
        QCOMPARE(f.Slider.Value(), 4);
        QCOMPARE(f.Label21.Caption(), QStringLiteral("80%"));
        QCOMPARE(f.lecteur1.audio.Volume(), -800);
        QCOMPARE(f.lecteur1.graphe.GetState(), etat_graphe::Arrete);
        QVERIFY(!f.HLBSoftBttn1.isEnabled());
        // A file that does not render leaves the displays as they were.
        Radio::chemin_lecteur1 = fichier(fixtures::texte_nomme_mp3(), QStringLiteral("Faux.mp3"));
        f.charge_();
        QCOMPARE(f.Label2.Caption(), QStringLiteral(" - Chanson"));
        QCOMPARE(f.Label6.Caption(), QStringLiteral("200"));
        // No file: the title says so.
        Radio::chemin_lecteur1.clear();
        f.charge_();
        QCOMPARE(f.Label2.Caption(), QStringLiteral("Non trouvé"));
    }
};

SONAVEL_TEST_MAIN(TestChargement)
#include "test_chargement.moc"
