// Settings loader, start-up reads, colour theme, journal, colour menus, season themes,
// factory reset and the command line.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "config/Radio.h"
#include "config/etat.h"
#include "config/journal.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "config/utilitaires.h"
#include "platform/conversions.h"
#include "platform/programme.h"
#include "platform/reglages.h"
#include "support/configuration.h"
#include "support/petit_disque.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Chargement.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/err_form.h"
#include "windows/frmAbout.h"
#include "windows/mini_lecteur.h"

using namespace Radio;
using sonavel_test::reglage;

namespace {
// A store as a second start finds it: the purge's values.
void reglages_complets() {
    Chemin_programme = programme::dossier();
    reglages_table::ecrire_serie(reglages_table::purge());
}

QByteArray contenu_journal() {
    QFile f(programme::dossier() + QStringLiteral("journal.doc"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

class TestConfiguration : public QObject {
    Q_OBJECT
private slots:
    void init() {
        sonavel_test::nouveau_programme();
        sonavel_test::vider_reglages();
    }

    void premier_lancement_sur_magasin_vide() {
        lire_config();
        QCOMPARE(premier_lancement, Vrai);
        QCOMPARE(reglage(cle::Config, cle::Mix_audio), QStringLiteral("13"));
        QCOMPARE(reglage(cle::Config, cle::banniere), programme::dossier() + QStringLiteral("bandeau.swf"));
        QCOMPARE(reglage(cle::Config, cle::Chemin_programme), dossier_programme());
        QVERIFY(!dossier_programme().endsWith(QLatin1Char('/')));
        QCOMPARE(reglage(cle::Position, cle::Position_gauche_mini_lecteur), QStringLiteral("100"));
        QCOMPARE(reglage(cle::Config, cle::Chemin_editeur_audio), QStringLiteral("<absent>"));
        QCOMPARE(Chemin_editeur_audio, QStringLiteral("X"));
        QCOMPARE(reglage(cle::Couleur_liste, cle::coul_fenetre), QStringLiteral("9408399"));
        QCOMPARE(coul_text_bouton, int32_t(0x80000012));
        QCOMPARE(int(prechargement_en_cours), 7);
        // Its text stays empty until the purge: an unreadable interval runs at the default.
        QCOMPARE(int(Valeur_vitesse_timer), 1000);
    }

    void demarrage_normal_lit_chaque_reglage() {
        reglages_complets();
        ecrire_reglage(cle::Config, cle::Mix_audio, QString());  // empty: read as 13, no first start
        ecrire_reglage(cle::Config, cle::Effet_visuel, QStringLiteral("Oui"));
        ecrire_reglage(cle::Config, cle::Montrer_curseur, QStringLiteral("Oui"));
        ecrire_reglage(cle::Config, cle::valide_fichier_aleatoire, QStringLiteral("true"));
        ecrire_reglage(cle::Config, cle::Nb_fichier_aleatoire, QStringLiteral("4"));
        ecrire_reglage(cle::Config, cle::Nom_radio_fm, QStringLiteral("Radio Bleue"));
        ecrire_reglage(cle::Position, cle::Position_haut, QStringLiteral("1500"));
        ecrire_reglage(cle::Couleur_liste, cle::coul_label, QStringLiteral("255"));
        lire_config();
        QCOMPARE(premier_lancement, Faux);
        QCOMPARE(int(Mix_audio), 13);
        QCOMPARE(int(Mix_audio_vitesse), 35);
        QCOMPARE(int(Valeur_vitesse_timer), 1000);
        QCOMPARE(int(superposition), 6);
        QCOMPARE(Chemin_programme, programme::dossier());
        QCOMPARE(coul_label, 255);

        Form_options& o = Form_options::instance();
        QCOMPARE(o.Check1.Value(), 1);
        QCOMPARE(o.Text1.Text(), QStringLiteral("4"));
        QCOMPARE(o.Text6.Text(), QStringLiteral("35"));
        QCOMPARE(o.Text14.Text(), QStringLiteral("13"));
        QCOMPARE(o.Text2.Text(), QStringLiteral("Aucun fichier"));
        QCOMPARE(int(Nb_fichier_aleatoire), 4);
        QCOMPARE(jingle_auto_actif, Vrai);
        QCOMPARE(Liste_son::instance().Label14.Caption(), QStringLiteral("Jingle auto On"));

        Radio_FM& r = Radio_FM::instance();
        QVERIFY(r.Timer8.Enabled());
        QVERIFY(!r.Timer9.Enabled());
        QVERIFY(r.A_visuel_active.Checked() && !r.A_visuel_desactive.Checked());
        QCOMPARE(effet_visuel, Faux);
        QVERIFY(!r.Slider.isHidden() && r.Label27.isHidden());
        QCOMPARE(r.Quitter_.Caption(), QStringLiteral("Quitter Radio Bleue (Q)"));
        QCOMPARE(r.Text1.Text(), QStringLiteral("6"));
        QCOMPARE(r.Top(), 1500);
        QCOMPARE(mini_lecteur::instance().Left(), 100 / 15 * 15);
        QCOMPARE(reglage(cle::Config, cle::Chemin_programme), programme::dossier());
    }

    // A setting that does not convert sends the start down the first-start path; a position
    // stored beyond 16 bits too (position writers clamp, so the program itself never stores one).
    void reglage_illisible_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("premier");
        QTest::newRow("position beyond 16 bits") << "Position" << "Position_gauche" << "40000" << true;
        QTest::newRow("interval not a number") << "Config" << "Nb_fichier_aleatoire1" << "x" << true;
        QTest::newRow("Mix not a number") << "Config" << "Mix" << "x" << false;
        QTest::newRow("colour not a number") << "Couleur_liste" << "coul_bouton" << "x" << false;
    }
    void reglage_illisible() {
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, texte);
        QFETCH(bool, premier);
        reglages_complets();
        ecrire_reglage(cle::Couleur_liste, cle::coul_label, QStringLiteral("255"));
        ecrire_reglage(section.toUtf8().constData(), cle.toUtf8().constData(), texte);
        lire_config();
        QCOMPARE(premier_lancement == Vrai, premier);
        // Any failure brings the default colours back.
        QCOMPARE(coul_label, 0xFFFFFF);
        QCOMPARE(reglage(cle::Couleur_liste, cle::coul_label), QStringLiteral("16777215"));
    }

    // A supervision interval that would never tick is read as the default.
    void vitesse_timer_illisible_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("attendu");
        QTest::newRow("zéro") << "0" << 1000;
        QTest::newRow("négatif") << "-5" << 1000;
        QTest::newRow("pas un nombre") << "vite" << 1000;
        QTest::newRow("au-delà de 16 bits") << "99999" << 1000;
        QTest::newRow("valable") << "250" << 250;
    }
    void vitesse_timer_illisible() {
        QFETCH(QString, texte);
        QFETCH(int, attendu);
        reglages_complets();
        ecrire_reglage(cle::Config, cle::Valeur_vitesse_timer, texte);
        lire_config();
        QCOMPARE(int(Valeur_vitesse_timer), attendu);
        QCOMPARE(Form_options::instance().Text8.Text(), QString::number(attendu));
        QCOMPARE(premier_lancement, Faux);
    }

    void positions_bornees_a_16_bits() {
        ecrire_position(cle::Position_gauche, 40000 * 15);
        ecrire_position(cle::Position_haut, -600000);
        QCOMPARE(reglage(cle::Position, cle::Position_gauche), QStringLiteral("32767"));
        QCOMPARE(reglage(cle::Position, cle::Position_haut), QStringLiteral("-32768"));
        reglages_complets();
        ecrire_position(cle::Position_gauche, 40000 * 15);
        lire_config();
        QCOMPARE(premier_lancement, Faux);
        QCOMPARE(int(Position_gauche), 32767);
    }

    void theme_applique_a_chaque_fenetre() {
        reglages_complets();
        // A desktop palette of its own: system colours must not follow it.
        const QPalette palette_avant = QApplication::palette();
        QPalette systeme = palette_avant;
        systeme.setColor(QPalette::ButtonText, QColor(1, 2, 3));
        QApplication::setPalette(systeme);
        ecrire_reglage(cle::Couleur_liste, cle::coul_fond_liste, QStringLiteral("255"));
        ecrire_reglage(cle::Couleur_liste, cle::coul_label, QStringLiteral("65280"));
        ecrire_reglage(cle::Couleur_liste, cle::coul_fenetre, QStringLiteral("16711680"));
        lire_config();
        Radio_FM& r = Radio_FM::instance();
        QCOMPARE(r.Text1.ForeColor(), 65280);  // the text-box loop comes last
        QCOMPARE(r.Text1.BackColor(), 255);
        QCOMPARE(r.Label7.ForeColor(), 65280);
        QCOMPARE(r.picProgBack.FillColor(), 0x0F0F0F);
        QCOMPARE(r.HLBSoftBttn9.ForeColor(), int32_t(0x80000012));
        QCOMPARE(r.palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(Form_options::instance().Text3.BackColor(), 255);
        QCOMPARE(Liste_son::instance().ListView1.ForeColor(), 0x0F0F0F);
        err_form& e = err_form::instance();
        QCOMPARE(e.Label1.ForeColor(), 65280);
        QCOMPARE(e.AnyButton1.BackColor(), 16711680);
        QCOMPARE(e.AnyButton2.BackColorOver(), 255);
        QCOMPARE(mini_lecteur::instance().Command1.BackColor(), 10461087);
        // The file manager's lists, found by name.
        ajout_fichier& a = ajout_fichier::instance();
        for (Couleurs* liste : std::initializer_list<Couleurs*>{&a.File1, &a.Dir1, &a.Drive1}) {
            QCOMPARE(liste->ForeColor(), 65280);
            QCOMPARE(liste->BackColor(), 255);
        }
        // A system colour comes from our own palette: the stop button's text is dark at rest,
        // pressed and under the pointer, whatever the desktop.
        for (int32_t c : {r.HLBSoftBttn9.ForeColor(), r.HLBSoftBttn9.ForeColorDown(), r.HLBSoftBttn9.ForeColorOver()})
            QCOMPARE(couleur_qt(c), QColor(0, 0, 0));
        QApplication::setPalette(palette_avant);
    }

    void lecture_initiale_de_l_affichage() {
        demarrer();
        QCOMPARE(reglage(cle::Couleur_liste, cle::coul_label), QStringLiteral("-2147483630"));
        QCOMPARE(reglage(cle::Couleur_liste, cle::coul_fenetre), QStringLiteral("-2147483633"));
        QCOMPARE(reglage(cle::Config, cle::type_affichage), QStringLiteral("T_perso"));
        QCOMPARE(type_affichage, QString());
        QVERIFY(Chargement::existe() && Chargement::instance().isVisible());

        sonavel_test::nouveau_programme();
        ecrire_reglage(cle::Config, cle::type_affichage, QStringLiteral("T_Hiver"));
        ecrire_reglage(cle::Couleur_liste, cle::coul_fenetre, QStringLiteral("12"));
        QDir::setCurrent(QDir::tempPath());
        demarrer();
        QCOMPARE(type_affichage, QStringLiteral("T_Hiver"));
        QCOMPARE(coul_fenètre, 12);
        QCOMPARE(reglage(cle::Config, cle::type_affichage), QStringLiteral("T_Hiver"));
        QCOMPARE(QDir::currentPath() + QLatin1Char('/'), programme::dossier());
    }

    void journal_ajoute_un_enregistrement() {
        QDir::setCurrent(QDir::tempPath());
        journal::ecrire(QString());
        QCOMPARE(contenu_journal(), QByteArray("\r\n"));
        QCOMPARE(QDir::currentPath() + QLatin1Char('/'), programme::dossier());
        Radio_FM& r = Radio_FM::instance();
        r.ligne_journal = QStringLiteral("\r Arrét lecture liste a 10:00:00");
        r.journal();
        QCOMPARE(r.ligne_journal, QStringLiteral("\r Arrét lecture liste a 10:00:00"));  // the caller empties it
        Liste_son::instance().ligne_journal = QStringLiteral("Liste");
        Liste_son::instance().journal();
        QCOMPARE(QString::fromUtf8(contenu_journal()), QStringLiteral("\r\n\r Arrét lecture liste a 10:00:00\r\nListe\r\n"));
    }

    void journal_impossible_a_ecrire() {
        // A folder in the journal's place cannot be appended to, whatever the user's rights.
        QVERIFY(QDir(programme::dossier()).mkdir(QStringLiteral("journal.doc")));
        Repondeur rep;
        rep.attendre_message();
        journal::ecrire(QStringLiteral("x"));
        QDir(programme::dossier()).rmdir(QStringLiteral("journal.doc"));
        QCOMPARE(rep.messages().size(), 1);
        QCOMPARE(rep.messages()[0].texte, QStringLiteral("Erreur écriture journal"));
        QCOMPARE(rep.messages()[0].style, 16);
        // The next record tries again.
        journal::ecrire(QStringLiteral("y"));
        QCOMPARE(contenu_journal(), QByteArray("y\r\n"));
    }

    // A disk that fills during the append takes part of the record: the part is taken back and
    // the next record, once space returns, starts on a line of its own.
    void journal_sur_disque_plein_garde_des_lignes_entieres() {
        PetitDisque disque(64);
        if (!disque.monte()) QSKIP("no tmpfs can be mounted here (needs root)");
        const QString journal_doc = programme::dossier() + QStringLiteral("journal.doc");
        QFile::remove(journal_doc);
        QVERIFY(QFile::link(disque.chemin("journal.doc"), journal_doc));  // the journal itself on the small disk
        const QByteArray debut = QByteArray(3998, 'a') + "\r\n";   // 96 bytes left in its page
        journal::ecrire(QString::fromLatin1(debut.left(3998)));
        disque.remplir();
        Repondeur rep;
        rep.attendre_message();
        journal::ecrire(QString(110, QLatin1Char('b')));  // 112 bytes: only 96 fit
        QCOMPARE(rep.messages().size(), 1);
        QCOMPARE(rep.messages()[0].texte, QStringLiteral("Erreur écriture journal"));
        QCOMPARE(contenu_journal(), debut);
        QVERIFY(QFile::remove(disque.chemin("remplissage")));
        journal::ecrire(QStringLiteral("c"));
        QCOMPARE(contenu_journal(), debut + "c\r\n");
        QFile::remove(journal_doc);
    }

    void themes_de_saison() {
        chemin_logo_fond = QStringLiteral("/p/fond.jpg");
        chemin_logo = QStringLiteral("/p/logo.gif");
        const struct {
            void (Liste_son::*commande)();
            const char* nom;
            const char* fond_liste;
            const char* texte_bouton;
        } saisons[] = {
            {&Liste_son::T_Autonne_Click, "T_Automne", "16744703", "16777152"},
            {&Liste_son::T_Eté_Click, "T_Eté", "33023", "16777215"},
            {&Liste_son::T_Hiver_Click, "T_Hiver", "16033024", "16777215"},
            {&Liste_son::T_Printemps_Click, "T_printemps", "8454016", "16711680"},
        };
        for (const auto& s : saisons) {
            Repondeur rep;
            rep.attendre_message();
            (Liste_son::instance().*s.commande)();
            QCOMPARE(rep.messages()[0].texte, QStringLiteral("Pour prendre effet..le redémarrage de \rSonavel_V5 est nécessaire "));
            QCOMPARE(reglage(cle::Config, cle::type_affichage), QString::fromUtf8(s.nom));
            QCOMPARE(reglage(cle::Couleur_liste, cle::coul_fond_liste), QString::fromUtf8(s.fond_liste));
            QCOMPARE(reglage(cle::Couleur_liste, cle::coul_text_bouton), QString::fromUtf8(s.texte_bouton));
            QCOMPARE(reglage(cle::Config, cle::Logo_liste), QStringLiteral("Vrai"));
            QCOMPARE(reglage(cle::Config, cle::logo), chemin_logo);
        }
        QCOMPARE(coul_fenètre, 0);  // nothing is recoloured before the next start

        // At the next start the theme applies.
        reglages_complets();
        Repondeur rep;
        rep.attendre_message();
        Liste_son::instance().T_Hiver_Click();
        lire_config();
        QCOMPARE(coul_fenètre, 12615680);
        QCOMPARE(Radio_FM::instance().Label7.ForeColor(), 16777215);
    }

    void couleur_des_textes() {
        Liste_son& l = Liste_son::instance();
        // The window colour takes the dialog's colour without opening it: its initial one first.
        l.A_coul_fenètre_Click();
        QCOMPARE(l.palette().color(QPalette::Window), couleur_qt(l.CommonDialog1.Color));

        Repondeur rep;
        rep.attendre_couleur(0x00FF00);
        QVERIFY(!ajout_fichier::existe());
        Liste_son::instance().a_coul_label_Click();
        QCOMPARE(Radio_FM::instance().Label7.ForeColor(), 0x00FF00);
        QCOMPARE(err_form::instance().Label1.ForeColor(), 0x00FF00);
        // The file manager, never opened, is loaded hidden and recoloured.
        QVERIFY(ajout_fichier::existe() && !ajout_fichier::instance().isVisible());
        QCOMPARE(ajout_fichier::instance().File1.ForeColor(), 0x00FF00);
        QCOMPARE(coul_label, 0x00FF00);
        QCOMPARE(reglage(cle::Couleur_liste, cle::coul_label), QStringLiteral("65280"));

        rep.attendre_annulation();
        Liste_son::instance().a_coul_label_Click();
        QCOMPARE(coul_label, 0x00FF00);

        rep.attendre_couleur(0x0000FF);
        Liste_son::instance().A_coul_texte_liste_Click();
        QCOMPARE(Liste_son::instance().ListView1.ForeColor(), 0x0000FF);
        QCOMPARE(reglage(cle::Couleur_liste, cle::coul_texte_liste), QStringLiteral("255"));
        QCOMPARE(coul_texte_liste, 0);
        l.A_coul_fenètre_Click();
        QCOMPARE(l.palette().color(QPalette::Window), QColor(255, 0, 0));
    }

    // Placing a window (twips, a window larger than the screen goes negative); the CD door
    // and the Internet test never fail, whatever the machine has.
    void utilitaires_systeme() {
        Form& f = Radio_FM::instance();
        const QSize ecran = QGuiApplication::primaryScreen()->geometry().size() * TwipsParPixel;
        f.resize(200, 100);
        centre_fenetre(f);
        QVERIFY(qAbs(f.Top() - (ecran.height() - f.Height()) / 2) < TwipsParPixel);
        QVERIFY(qAbs(f.Left() - (ecran.width() - f.Width()) / 2) < TwipsParPixel);
        centre_haut(f);
        QCOMPARE(f.Top(), TwipsParPixel);
        f.resize(ecran.width() / TwipsParPixel + 200, ecran.height() / TwipsParPixel + 100);
        centre_fenetre(f);
        QVERIFY(f.Top() < 0 && f.Left() < 0);
        ouvre_cd();
        ferme_cd();
        const int16_t connecte = connexion_internet();
        QVERIFY(connecte == Vrai || connecte == Faux);
    }

    void retour_aux_reglages_d_usine() {
        Chemin_programme = programme::dossier();
        const char* gardees[] = {cle::valeur_max_jingles, cle::Chemin_editeur_audio, cle::Chemin_fichier_aleatoire,
                                 cle::Chemin_fichier_aleatoire1, cle::Nb_fichier_aleatoire, cle::Nb_fichier_aleatoire1,
                                 cle::valide_fichier_aleatoire, cle::valide_fichier_aleatoire1};
        for (const char* c : gardees) ecrire_reglage(cle::Config, c, QStringLiteral("gardée"));
        ecrire_reglage(cle::Config, cle::Load_combo1, QStringLiteral("/l/fav.dfm"));
        Repondeur rep;
        rep.attendre_message();
        QVERIFY(sonavel_test::termine([] { Liste_son::instance().A_revenir_couleur_Click(); }));
        QCOMPARE(rep.messages()[0].texte, QStringLiteral("Pour prendre effet..le redémarrage de Sonavel_V5 est nécessaire "));
        QCOMPARE(rep.messages()[0].titre, QStringLiteral("Sonavel_V5"));
        QCOMPARE(int(reglages_table::usine().taille), 37);
        for (const char* c : gardees) QCOMPARE(reglage(cle::Config, c), QStringLiteral("gardée"));
        QCOMPARE(reglage(cle::Config, cle::Load_combo1), QString());
        QCOMPARE(reglage(cle::Config, cle::Mix_audio), QStringLiteral("13"));
        QCOMPARE(reglage(cle::Config, cle::Chemin_dossier_jingles), dossier_programme());
        QCOMPARE(reglage(cle::Config, cle::banniere), programme::dossier() + QStringLiteral("bandeau_Flash.swf"));
        QCOMPARE(reglage(cle::Couleur_liste, cle::coul_bouton_groupe_lecture), QStringLiteral("noir"));
    }

    void ligne_de_commande_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("quoted") << "\"/m/a b.mp3\"" << "/m/a b.mp3";
        QTest::newRow("plain path taken whole") << "  /m/a.mp3 " << "/m/a.mp3";
        QTest::newRow("one character") << "x" << "x";
        QTest::newRow("a lone quote") << "\"" << "\"";
        QTest::newRow("quote on one side") << "\"/m/a.dfm" << "\"/m/a.dfm";
        QTest::newRow("empty") << "" << "";
    }
    void ligne_de_commande() {
        QFETCH(QString, ligne);
        QFETCH(QString, fichier);
        QCOMPARE(fichier_de_ligne_commande(ligne), fichier);
    }
};

SONAVEL_TEST_MAIN(TestConfiguration)
#include "test_configuration.moc"
