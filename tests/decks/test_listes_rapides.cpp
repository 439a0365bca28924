// The quick-load lists (filling them from list files, reading the chosen entry), their deck
// pop-ups, the unload menu and the deck menus.
#include <QFileInfo>
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <unistd.h>

#include "config/etat.h"
#include "platform/enregistrements.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "platform/reglages.h"
#include "support/fixtures.h"
#include "support/graphe_simule.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
struct Entree {
    QString chemin, fin, genre;
    int16_t volume;
    double debut;
    QString duree;
};

QByteArray enregistrement(const Entree& e) {
    QByteArray r(418, '\0');
    champ::ecrire_texte(r, 0, 200, e.chemin);
    champ::ecrire_texte(r, 200, 100, e.fin);
    champ::ecrire_texte(r, 300, 100, e.genre);
    champ::ecrire_entier16(r, 400, e.volume);
    champ::ecrire_reel64(r, 402, e.debut);
    champ::ecrire_texte(r, 410, 8, e.duree);
    return r;
}

QString liste(const QString& chemin, const QVector<Entree>& entrees, const QByteArray& reste = {}) {
    QByteArray contenu;
    for (const Entree& e : entrees) contenu += enregistrement(e);
    fichiers::reecrire_fichier(chemin, contenu + reste);
    return chemin;
}

QString reglage(const QString& cle) {
    return reglages::lire(QStringLiteral("Sonavel V5"), QStringLiteral("Config"), cle, QStringLiteral("(absent)"));
}

const QVector<Entree> Trois = {
    {QStringLiteral("/musique/Intro.mp3"), QStringLiteral("200"), QStringLiteral("Pop"), 50, 1.5, QStringLiteral("00:03:20")},
    {QStringLiteral("/musique/Jingle matin.wav"), QStringLiteral("12"), QStringLiteral("Jingle"), 100, 0, QStringLiteral("03:20")},
    {QStringLiteral("/musique/Outro.mp3"), QStringLiteral("90"), QStringLiteral("réseau"), 5, 0, QStringLiteral("00:01:30")},
};
}  // namespace

class TestListesRapides : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;

    QString chemin(const QString& nom) const { return m_dossier.path() + QLatin1Char('/') + nom; }

private slots:
    void init() {
        sonavel_test::nouveau_programme();
        Chemin_programme = programme::dossier();
        Nom_radio_fm = QStringLiteral("Radio Test");
    }
    void cleanup() {
        for (MenuItem* m : {&Radio_FM::instance().cha, &Radio_FM::instance().char_F}) m->menu()->hide();
    }

    void le_bouton_charge_une_liste_de_favoris() {
        const QString fichier = liste(chemin(QStringLiteral("favoris.dfm")), Trois, QByteArray(100, 'x'));
        Radio_FM& f = Radio_FM::instance();
        f.Combo1.AddItem(QStringLiteral("ancien"));
        Repondeur r;
        r.attendre_fichier(fichier);
        f.HLBSoftBttn4.click();

        const Repondeur::Boite& b = r.boites().at(0);
        QCOMPARE(b.genre, boites::Genre::Ouvrir);
        QCOMPARE(b.titre, QStringLiteral("Charger un fichier (.dfm)"));
        QCOMPARE(b.filtre, QStringLiteral("fichier (*.dfm)|*.dfm"));
        QCOMPARE(b.fichier, QStringLiteral("*.dfm"));
        QCOMPARE(b.dossier, programme::dossier());
        QCOMPARE(f.Combo1.ListCount(), 3);  // 100 stray bytes make no entry
        QCOMPARE(f.Combo1.List(1), QStringLiteral("Jingle matin"));  // the display name, not the path
        QCOMPARE(f.Combo1.Text(), QStringLiteral("Favoris Radio Test"));
        QCOMPARE(Load_combo1, fichier);
        QCOMPARE(reglage(QStringLiteral("Load_combo1")), fichier);
    }

    void le_bouton_charge_une_liste_de_jingles() {
        const QString fichier = liste(chemin(QStringLiteral("jingles.dfm")), Trois);
        Radio_FM& f = Radio_FM::instance();
        Repondeur r;
        r.attendre_fichier(fichier);
        f.HLBSoftBttn5_Click();
        QCOMPARE(f.Combo2.ListCount(), 3);
        QCOMPARE(f.Combo2.List(0), QStringLiteral("00:03:20 - Intro"));
        QCOMPARE(f.Combo2.List(1), QStringLiteral("03:20    - Jingle matin"));  // the field's padding stays
        QCOMPARE(f.Combo2.Text(), QStringLiteral("Jingles Radio Test"));
        QCOMPARE(f.Combo1.ListCount(), 0);
        QCOMPARE(reglage(QStringLiteral("Load_combo2")), fichier);

        // A cancelled dialog is no choice: the list stays as it is, no message.
        r.attendre_annulation();
        f.HLBSoftBttn5_Click();
        QCOMPARE(f.Combo2.ListCount(), 3);
    }

    void au_demarrage_les_listes_reviennent_sans_dialogue() {
        Radio_FM& f = Radio_FM::instance();
        Load_combo1 = liste(chemin(QStringLiteral("depart.dfm")), Trois);
        Load_combo2 = chemin(QStringLiteral("disparue.dfm"));
        QFile::remove(Load_combo2);
        reglages::ecrire(QStringLiteral("Sonavel V5"), QStringLiteral("Config"), QStringLiteral("Load_combo2"),
                         QStringLiteral("inchangé"));
        f.mode_combo = 3;
        f.Charge_combo();
        f.mode_combo = 4;
        f.Charge_combo();  // a list file gone from its folder: empty list, no message
        QCOMPARE(f.Combo1.ListCount(), 3);
        QCOMPARE(f.Combo2.ListCount(), 0);
        QCOMPARE(f.Combo2.Text(), QStringLiteral("Jingles Radio Test"));
        QCOMPARE(reglage(QStringLiteral("Load_combo2")), QStringLiteral("inchangé"));
    }

    // The lists are read, never opened for writing: a list the user protected loads (as an
    // ordinary user, for whom a write open fails) and a list gone from its folder is not made again.
    void liste_protegee_ou_disparue_lue_sans_ecrire() {
        Radio_FM& f = Radio_FM::instance();
        QFile::setPermissions(m_dossier.path(), QFile::Permissions(0x7755));
        Load_combo1 = liste(chemin(QStringLiteral("protegee.dfm")), Trois);
        QVERIFY(QFile::setPermissions(Load_combo1, QFile::Permissions(0x4444)));
        Load_combo2 = chemin(QStringLiteral("partie.dfm"));
        QFile::remove(Load_combo2);
        f.Combo1.Clear();
        f.Combo2.Clear();
        {
            const uid_t avant = geteuid();
            if (avant == 0) QVERIFY(seteuid(65534) == 0);
            f.choix_combo = 3;
            f.Charge_combo();
            f.choix_combo = 4;
            f.Charge_combo();
            if (avant == 0) QVERIFY(seteuid(0) == 0);
        }
        QCOMPARE(f.Combo1.ListCount(), 3);
        QCOMPARE(f.Combo2.ListCount(), 0);
        QVERIFY(!QFileInfo::exists(Load_combo2));
        f.choix_combo = 0;
    }

    void une_liste_illisible() {
        Radio_FM& f = Radio_FM::instance();
        Load_combo1 = m_dossier.path();  // a folder
        f.Combo1.setText(QStringLiteral("avant"));
        Repondeur r;
        r.attendre_message();
        f.choix_combo = 3;
        f.Charge_combo();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Erreur chargement liste"));
        QCOMPARE(r.messages()[0].style, 64);
        QCOMPARE(f.Combo1.Text(), QStringLiteral("avant"));

        Load_combo1.clear();  // nothing stored: nothing happens
        f.Charge_combo();
        QCOMPARE(f.Combo1.ListCount(), 0);
    }

    void lire_un_enregistrement_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("fin_stockee");
        QTest::addColumn<int16_t>("volume_stocke");
        QTest::addColumn<QString>("fin");
        QTest::addColumn<int16_t>("volume");
        QTest::newRow("50 %") << 1 << "200" << int16_t(50) << "200" << int16_t(-2000);
        QTest::newRow("100 %, 12,5 s") << 1 << "12,5" << int16_t(100) << "12" << int16_t(0);
        QTest::newRow("13.5 s, 10 %") << 2 << "13.5" << int16_t(10) << "14" << int16_t(-3800);
        QTest::newRow("hors table") << 2 << "7" << int16_t(5) << "7" << int16_t(5);
        QTest::newRow("numéro 0 lit le premier") << 0 << "8" << int16_t(20) << "8" << int16_t(-3200);
    }
    void lire_un_enregistrement() {
        QFETCH(int, numero);
        QFETCH(QString, fin_stockee);
        QFETCH(int16_t, volume_stocke);
        QFETCH(QString, fin);
        QFETCH(int16_t, volume);
        QVector<Entree> entrees = Trois;
        Entree& e = entrees[qMax(numero, 1) - 1];
        e.chemin = QStringLiteral("  /musique/Choisi.mp3");
        e.fin = fin_stockee;
        e.volume = volume_stocke;
        e.debut = 2.25;
        e.duree = QStringLiteral("00:20");
        Radio_FM& f = Radio_FM::instance();
        f.chemin_liste_lire = liste(chemin(QStringLiteral("lire.dfm")), entrees);
        num_enreg_destinataire = numero;
        f.lire();
        QCOMPARE(num_enreg_destinataire, qMax(numero, 1));
        QCOMPARE(enreg_destinataire.chemin, QStringLiteral("/musique/Choisi.mp3"));
        QCOMPARE(enreg_destinataire.fin_lecture, fin);
        QCOMPARE(enreg_destinataire.volume, volume);
        QCOMPARE(enreg_destinataire.debut_lecture, 2.25);
        QCOMPARE(enreg_destinataire.duree_piste, QStringLiteral("00:20   "));
    }

    void une_fin_illisible_arrete_la_lecture_apres_le_chemin() {
        QVector<Entree> entrees = Trois;
        entrees[0].fin = QStringLiteral("fin");
        Radio_FM& f = Radio_FM::instance();
        f.chemin_combo = liste(chemin(QStringLiteral("abimee.dfm")), entrees);
        enreg_destinataire.genre = QStringLiteral("précédent");
        num_enreg_destinataire = 1;
        f.lire();
        QCOMPARE(enreg_destinataire.chemin, QStringLiteral("/musique/Intro.mp3"));
        QCOMPARE(enreg_destinataire.genre, QStringLiteral("précédent"));
    }

    void choisir_une_entree_lit_son_enregistrement_et_propose_les_lecteurs() {
        Radio_FM& f = Radio_FM::instance();
        f.show();
        Load_combo2 = liste(chemin(QStringLiteral("choix.dfm")), Trois);
        f.choix_combo = 4;
        f.Charge_combo();
        lecteur_en_cours = 3;
        f.Combo2.setListIndex(2);  // the third item: record 3
        QCOMPARE(f.chemin_liste_lire, Load_combo2);
        QCOMPARE(num_enreg_destinataire, 3);
        QCOMPARE(enreg_destinataire.genre, QStringLiteral("réseau"));
        QVERIFY(f.char_F.menu()->isVisible());
        // The deck on air is not offered, in either pop-up.
        QVERIFY(!f.lect3_F.Enabled());
        QVERIFY(!f.lect3.Enabled());
        QVERIFY(f.lect1.Enabled() && f.lect2.Enabled() && f.lect1_F.Enabled() && f.lect2_F.Enabled());
        f.char_F.menu()->hide();

        // Space offers the decks again without reading a record; the space reaches the box.
        num_enreg_destinataire = 1;
        f.Combo2.setFocus();
        QTest::keyClick(f.Combo2.lineEdit(), Qt::Key_Space);
        QVERIFY(f.char_F.menu()->isVisible());
        QCOMPARE(num_enreg_destinataire, 1);
        QVERIFY(f.Combo2.Text().endsWith(QLatin1Char(' ')));
        f.char_F.menu()->hide();

        // With no deck on air the items keep their state.
        lecteur_en_cours = 0;
        f.cha_Click();
        QVERIFY(!f.lect3.Enabled());
    }

    // An entry past 32,767 is read from its own record, not the one chosen before.
    void entree_au_dela_de_16_bits() {
        Radio_FM& f = Radio_FM::instance();
        f.show();
        QVector<Entree> entrees(32770, Trois[0]);
        entrees[32767].chemin = QStringLiteral("/musique/Loin.mp3");
        Load_combo2 = liste(chemin(QStringLiteral("longue.dfm")), entrees);
        f.choix_combo = 4;
        f.Charge_combo();
        f.Combo2.setListIndex(0);
        f.char_F.menu()->hide();
        QCOMPARE(enreg_destinataire.chemin, QStringLiteral("/musique/Intro.mp3"));
        f.Combo2.setListIndex(32767);
        f.char_F.menu()->hide();
        QCOMPARE(num_enreg_destinataire, 32768);
        QCOMPARE(enreg_destinataire.chemin, QStringLiteral("/musique/Loin.mp3"));
    }

    void decharger_un_lecteur() {
        GrapheSimule::Installation simule;
        GrapheSimule::definir(QStringLiteral("/musique/a.mp3"), 100);
        Radio_FM& f = Radio_FM::instance();
        f.lecteur2.graphe = FilgraphManager::creer();
        f.lecteur2.position = f.lecteur2.graphe;
        f.lecteur2.audio = f.lecteur2.graphe;
        f.lecteur2.video = f.lecteur2.graphe;
        f.lecteur2.graphe.RenderFile(QStringLiteral("/musique/a.mp3"));
        chemin_lecteur2 = QStringLiteral("/musique/a.mp3");
        f.Label3.setCaption(QStringLiteral("a ( 00:01:40 )"));

        lecteur_en_cours = 2;
        f.A_décharge_2.choisir();  // the deck on air stays
        QCOMPARE(chemin_lecteur2, QStringLiteral("/musique/a.mp3"));
        QCOMPARE(GrapheSimule::vivants().size(), size_t(1));

        lecteur_en_cours = 1;
        f.A_décharge_2.choisir();
        QCOMPARE(f.Label3.Caption(), QStringLiteral(" - En attente"));
        QCOMPARE(chemin_lecteur2, QString());
        QVERIFY(f.lecteur2.graphe.estNul() && f.lecteur2.video.estNul());
        QCOMPARE(GrapheSimule::vivants().size(), size_t(0));  // the graph is gone
    }

    void charger_une_entree_sur_un_lecteur_data() {
        QTest::addColumn<bool>("jingles");
        QTest::addColumn<int>("n");
        QTest::newRow("Charger liste > Sur lecteur 1") << false << 1;
        QTest::newRow("Charger favoris > Sur lecteur 3") << true << 3;
    }
    void charger_une_entree_sur_un_lecteur() {
        QFETCH(bool, jingles);
        QFETCH(int, n);
        const QString piste = fixtures::mp3(2);
        Radio_FM& f = Radio_FM::instance();
        enreg_destinataire.chemin = piste;
        (jingles ? f.Combo2 : f.Combo1).setText(QStringLiteral("   ") + piste + QStringLiteral("  "));
        const ControlesLecteur d = f.deck(n);
        d.lire.setEnabled(false);
        f.Label10.setCaption(QStringLiteral("Mix liste"));
        MenuItem* items[] = {&f.lect1, &f.lect2, &f.lect3, &f.lect1_F, &f.lect2_F, &f.lect3_F};
        items[(jingles ? 3 : 0) + n - 1]->choisir();
        QCOMPARE(f.Label10.Caption(), QStringLiteral("Chargement rapide"));  // a running list ends first
        // The deck's path check leaves the file's folder in Text2.
        QCOMPARE(f.Text2.Text(), QFileInfo(piste).absolutePath());
        QCOMPARE(d.chemin, piste);
        QVERIFY(d.lire.isEnabled());
    }

    void le_menu_play_suit_le_lecteur_a_l_antenne() {
        Radio_FM& f = Radio_FM::instance();
        f.show();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QSignalSpy play2(f.lire_2.action(), &QAction::triggered);
        QSignalSpy mix2(f.Mix2.action(), &QAction::triggered);
        QSignalSpy play1(f.lire_1.action(), &QAction::triggered);

        lecteur_en_cours = 0;
        f.lire_play_Click();  // nothing on air: the items keep their state
        QVERIFY(f.lire_2.Enabled() && f.Mix2.Enabled());

        lecteur_en_cours = 2;
        f.lire_play_Click();
        QVERIFY(!f.lire_2.Enabled() && !f.Mix2.Enabled());
        QVERIFY(f.lire_1.Enabled() && f.lire_3.Enabled() && f.Mix1.Enabled() && f.Mix3.Enabled());
        QTest::keyClick(&f, Qt::Key_F6);
        QTest::keyClick(&f, Qt::Key_F9);
        QTest::keyClick(&f, Qt::Key_F5);
        QCOMPARE(play2.size(), 0);
        QCOMPARE(mix2.size(), 0);
        QCOMPARE(play1.size(), 1);
    }

    void le_menu_liste_en_mode_manuel() {
        Radio_FM& f = Radio_FM::instance();
        Repondeur r;
        f.liste__Click();  // outside manual mode: nothing
        QVERIFY(!f.coche2.Value());

        f.a_mode_manuel.setChecked(true);
        r.attendre_message();
        f.liste__Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte,
                 QStringLiteral("Vous ètes en mode manuel\rModifiez cette option pour une lecture de liste"));
        QCOMPARE(r.messages()[0].style, 64);
        QVERIFY(f.coche2.Value());
    }
};

SONAVEL_TEST_MAIN(TestListesRapides)
#include "test_listes_rapides.moc"
