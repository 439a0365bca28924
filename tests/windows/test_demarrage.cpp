// The main window's start-up load, its close sequence, the settings purge and the notice
// window's life.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

#include "config/Radio.h"
#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/boites.h"
#include "platform/conversions.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "support/configuration.h"
#include "support/fixtures.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Chargement.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"
#include "windows/mini_lecteur.h"

using namespace Radio;
using sonavel_test::reglage;
using sonavel_test::termine;

namespace {
QString journal() {
    QFile f(programme::dossier() + QStringLiteral("journal.doc"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<absent>");
}

// The pictures the load shows, in the test's program folder.
void copier_images() {
    for (const char* nom : {"fond_noir1.jpg", "Liste_sonavel1.jpg", "Logo_liste1.gif", "Menu_fichier_noir.gif",
                            "Open_noir.gif", "bouton_fleche_noir.gif", "tplay_noir.gif"}) {
        QImage(8, 8, QImage::Format_RGB32).save(programme::dossier() + QString::fromUtf8(nom), "PNG");
    }
}

// A store as the first start leaves it.
void apres_premier_lancement() {
    Chemin_programme = programme::dossier();
    reglages_table::ecrire_serie(reglages_table::purge());
    Chemin_programme.clear();
}

Radio_FM& charger() { return Radio_FM::instance(); }
}  // namespace

class TestDemarrage : public QObject {
    Q_OBJECT
private slots:
    void init() {
        sonavel_test::nouveau_programme();
        sonavel_test::vider_reglages();
        definir_ligne_commande(QString());
        definir_demarrage(true);
    }
    void cleanup() {
        definir_demarrage(false);
        sonavel_test::FinInterceptee fin;  // the main window's unload must not end the tests
        Form::decharger_tout();
    }

    void premier_demarrage() {
        Repondeur rep;
        rep.attendre_message();
        QVERIFY(termine([] { charger(); }));
        QCOMPARE(rep.messages().size(), 1);
        QCOMPARE(rep.messages()[0].style, 64);
        QCOMPARE(rep.messages()[0].texte,
                 QStringLiteral("Ecrirure dans la base de registre éffectuée! \n\r\n\rLes paramètre de Sonavel ont étés "
                                "mis a jour\rVeuillez vérifier toutes les valeurs dans le menu options puis Paramètre du "
                                "programme\rEt les modifier si il y a lieu\n\r\n\rVérifier également vos paramètres "
                                "régionaux si erreur type incompatible\rLa séparation des décimales pour les nombres doit "
                                "ètre un point\n\r\n\rVous pouvez relancer Sonavel_V5 pour valider "));
        // The store holds the purge's values, not the loader's.
        QCOMPARE(reglage(cle::Config, cle::Mix_audio), QStringLiteral("10"));
        QCOMPARE(reglage(cle::Config, cle::Mix_audio_vitesse), QStringLiteral("35"));
        QCOMPARE(reglage(cle::Config, cle::Mix_audio_attenuation), QStringLiteral("2"));
        QCOMPARE(reglage(cle::Config, cle::Logo_liste), programme::dossier() + QStringLiteral("Liste_sonavel1.jpg"));
        QCOMPARE(reglage(cle::Config, cle::banniere), programme::dossier() + QStringLiteral("bandeau_Flash.swf"));
        QCOMPARE(reglage(cle::Config, cle::Chemin_editeur_audio), QStringLiteral("<absent>"));
        QCOMPARE(reglage(cle::Position, cle::Position_haut), QStringLiteral("100"));
        QCOMPARE(journal(), QStringLiteral("<absent>"));
        QVERIFY(!Radio_FM::instance().isVisible());
    }

    void deuxieme_lancement() {
        apres_premier_lancement();
        copier_images();
        ecrire_reglage(cle::Position, cle::Position_haut, QStringLiteral("1500"));
        ecrire_reglage(cle::Position, cle::Position_gauche, QStringLiteral("3000"));
        // The quick-load lists come back from their stored list files, without a dialog.
        const QString favoris = programme::dossier() + QStringLiteral("favoris.dfm");
        TypeEnregListe e;
        e.chemin = QStringLiteral("/musique/Intro.mp3");
        enreg_liste::ecrire(favoris, 1, e);
        e.chemin = QStringLiteral("/musique/Outro.mp3");
        e.duree_piste = QStringLiteral("00:03:10");
        enreg_liste::ecrire(favoris, 2, e);
        ecrire_reglage(cle::Config, cle::Load_combo1, favoris);
        ecrire_reglage(cle::Config, cle::Load_combo2, favoris);
        rt::definir_horloge([] { return QDateTime(QDate(2025, 3, 4), QTime(9, 5, 7)); });
        Radio_FM& r = charger();
        rt::definir_horloge({});
        QCOMPARE(Radio::premier_lancement, Faux);
        QCOMPARE(journal(), QStringLiteral("\r\n04/03/2025 - 09:05:07 Exécution de Sonavel_V5\r\n"));
        // The deck-to-deck mix is selected, and the version caption is what the window shows.
        QCOMPARE(r.Caption(), QStringLiteral("Sonavel V 5.8.0 - Sonavel Radio"));
        QCOMPARE(r.Timer2.Interval(), 1000);
        QCOMPARE(Liste_son::instance().Label24.Caption(), QStringLiteral("Sonavel V 5.8.0"));
        QCOMPARE(r.Top(), 1500);
        QCOMPARE(r.Left(), 3000);
        QCOMPARE(r.Label7.Caption(), QStringLiteral("Lecture en attente"));
        QCOMPARE(r.Timer4.Interval(), 1000);
        QCOMPARE(journal_actif, Faux);
        QCOMPARE(int(mode_insertion), 2);
        QVERIFY(r.coche2.Value());
        QCOMPARE(r.Combo1.Text(), QStringLiteral("Favoris Sonavel"));
        QCOMPARE(r.Combo1.ListCount(), 2);
        QCOMPARE(r.Combo1.List(1), QStringLiteral("Outro"));
        QCOMPARE(r.Combo2.List(1), QStringLiteral("00:03:10 - Outro"));
        QCOMPARE(r.Combo2.Text(), QStringLiteral("Jingles Sonavel"));
        QCOMPARE(chemin_logo_fond, programme::dossier() + QStringLiteral("fond_noir1.jpg"));
        QCOMPARE(reglage(cle::Config, cle::Chemin_programme), programme::dossier());
        QCOMPARE(Form_options::instance().Text6.Text(), QStringLiteral("35"));
    }

    void nom_de_radio_dans_les_titres() {
        apres_premier_lancement();
        copier_images();
        ecrire_reglage(cle::Config, cle::Nom_radio_fm, QStringLiteral("Radio Bleue"));
        Radio_FM& r = charger();
        QCOMPARE(r.Caption(), QStringLiteral("Radio Bleue"));
        QCOMPARE(mini_lecteur::instance().Caption(), QStringLiteral("Radio Bleue"));
        QCOMPARE(Liste_son::instance().Label24.Caption(), QStringLiteral("Radio Bleue"));
    }

    void image_manquante_au_chargement() {
        apres_premier_lancement();  // no pictures in the program folder
        Repondeur rep;
        rep.attendre_message();
        Radio_FM& r = charger();
        QCOMPARE(rep.messages()[0].style, 48);
        QVERIFY(rep.messages()[0].texte.startsWith(QStringLiteral("Attention  !\n\r\n\rErreur Sonavel_V5  ")));
        QVERIFY(rep.messages()[0].texte.contains(QStringLiteral(" Erreur N°  53\rDes paramètres ou des fichiers sont manquants!!!")));
        QCOMPARE(journal(), QStringLiteral("\r\n"));  // the start line is skipped
        QVERIFY(Radio_FM::existe());
        Q_UNUSED(r);
    }

    // The file of the command line: a one-character argument is an ordinary file, handed to
    // the deck load like any other.
    void fichier_en_ligne_de_commande_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<bool>("liste");
        const QString piste = fixtures::mp3(3);
        QTest::newRow("quoted audio file") << "\"" + piste + "\"" << piste << false;
        QTest::newRow("plain audio file") << piste << piste << false;
        QTest::newRow("one character") << "x" << "x" << false;
        QTest::newRow("list, any case") << "\"/l/Soir.DFM\"" << "/l/Soir.DFM" << true;
        QTest::newRow("plain list") << "/l/soir.dfm" << "/l/soir.dfm" << true;
    }
    void fichier_en_ligne_de_commande() {
        QFETCH(QString, ligne);
        QFETCH(QString, fichier);
        QFETCH(bool, liste);
        apres_premier_lancement();
        copier_images();
        definir_ligne_commande(ligne);
        // A file that cannot be opened says so, and the program goes on in the mini player.
        Repondeur rep;
        if (!liste && !QFileInfo::exists(fichier)) rep.attendre_message(boites::OK);
        // The playlist window asks for the list; cancelled, the list named is not there: that
        // is said, and there is nothing to play or save.
        if (liste) rep.attendre_annulation().attendre_message();
        Radio_FM& r = charger();
        if (!liste && QFileInfo::exists(fichier))
            QCOMPARE(r.lecteur1.graphe.GetState(0), etat_graphe::EnLecture);
        if (liste) QCOMPARE(rep.messages().last().texte, QStringLiteral("Chemin d'accès introuvable"));
        QCOMPARE(fichier_ligne_commande, fichier);
        QCOMPARE(extension_fichier == QLatin1String("dfm"), liste);
        QCOMPARE(r.Command1.isEnabled(), liste);
        QCOMPARE(mini_lecteur::instance().isVisible(), !liste);
        QCOMPARE(bool(mini_lecteur::instance().windowFlags() & Qt::WindowStaysOnTopHint), !liste);
    }

    // A list on the command line: the playlist window asks for the list to open (starting in
    // the program folder) and shows its rows.
    void liste_en_ligne_de_commande() {
        apres_premier_lancement();
        copier_images();
        const QString soir = programme::dossier() + QStringLiteral("soir.dfm");
        TypeEnregListe e;
        e.chemin = QStringLiteral("/m/a.mp3");
        enreg_liste::ecrire(soir, 1, e);
        enreg_liste::ecrire(soir, 2, e);
        definir_ligne_commande(soir);
        Repondeur rep;
        rep.attendre_fichier(soir);
        charger();
        QCOMPARE(rep.boites()[0].titre, QStringLiteral("Ouvrir un fichier liste"));
        QVERIFY(Liste_son::instance().isVisible());
        QCOMPARE(Liste_son::instance().ListView1.ListCount(), 2);
        QCOMPARE(chemin_liste, soir);
    }

    // A list named on the command line that cannot be read says why, once: no offer to save
    // an empty list on top.
    void liste_illisible_en_ligne_de_commande_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");
        QTest::newRow("absente") << "absente.dfm" << "Erreur 53 Fichier introuvable";
        QTest::newRow("FIFO") << "tube.dfm" << "Erreur d'accès au chemin/fichier";
        QTest::newRow("plus de 256 Mo") << "enorme.dfm"
                                        << "Erreur 7 Fichier trop volumineux pour une liste (256 Mo au plus)";
    }
    void liste_illisible_en_ligne_de_commande() {
        QFETCH(QString, nom);
        QFETCH(QString, message);
        apres_premier_lancement();
        copier_images();
        const QString chemin = programme::dossier() + nom;
        QFile::remove(chemin);
        if (nom == QLatin1String("tube.dfm")) QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
        if (nom == QLatin1String("enorme.dfm")) {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize((qint64(256) << 20) + 418));  // sparse
        }
        definir_ligne_commande(chemin);
        Repondeur rep;
        rep.attendre_fichier(chemin).attendre_message();
        charger();
        QFile::remove(chemin);
        QCOMPARE(rep.messages().size(), 1);
        QCOMPARE(rep.messages()[0].texte, message);
        QCOMPARE(Liste_son::instance().ListView1.ListCount(), 0);
    }

    void fermeture_refusee() {
        apres_premier_lancement();
        copier_images();
        Radio_FM& r = charger();
        r.setLeft(40000 * 15);  // far right on a very wide desktop
        Repondeur rep;
        rep.attendre_message(boites::Non);
        int16_t annuler = 0;
        QVERIFY(!termine([&] { r.Form_Unload(annuler); }));
        QCOMPARE(annuler, int16_t(-1));
        QCOMPARE(rep.messages()[0].texte, QStringLiteral("Confirmer la fermeture de Sonavel_V5"));
        QCOMPARE(rep.messages()[0].style, 292);
        QCOMPARE(rep.messages()[0].titre, QStringLiteral("Sonavel_V5"));
        QCOMPARE(Radio::fermeture_confirmee, Faux);
        QVERIFY(Radio_FM::existe());
        QVERIFY(!journal().contains(QStringLiteral("Fermeture")));
        // The position is kept within 16 bits, so the next start reads it.
        QCOMPARE(reglage(cle::Position, cle::Position_gauche), QStringLiteral("32767"));
    }

    // Yes: the closing line, the session's records kept only under "Activer  conserver" (a
    // journal kept by an earlier session stays whatever the option), every window unloaded,
    // the end.
    void fermeture_acceptee_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("conserve");
        QTest::addColumn<bool>("garde_avant");
        for (bool avant : {false, true}) {
            const char* suffixe = avant ? ", journal gardé avant" : "";
            QTest::addRow("Activer  conserver%s", suffixe) << "Active_journal" << true << avant;
            QTest::addRow("Activer et ne pas conserver%s", suffixe) << "Active_journal1" << false << avant;
            QTest::addRow("Désactiver%s", suffixe) << "A_desacive_J" << false << avant;
        }
    }
    void fermeture_acceptee() {
        QFETCH(QString, option);
        QFETCH(bool, conserve);
        QFETCH(bool, garde_avant);
        apres_premier_lancement();
        copier_images();
        const QByteArray avant = "12/03/2026 - 08:00:00 Fermeture de Sonavel_V5\r\n";
        QFile::remove(programme::dossier() + QStringLiteral("journal.doc"));
        if (garde_avant) {
            QFile j(programme::dossier() + QStringLiteral("journal.doc"));
            QVERIFY(j.open(QIODevice::WriteOnly));
            j.write(avant);
        }
        Radio_FM& r = charger();
        err_form::instance();
        r.Active_journal.setChecked(option == "Active_journal");
        r.Active_journal1.setChecked(option == "Active_journal1");
        r.A_desacive_J.setChecked(option == "A_desacive_J");
        r.ligne_journal = QStringLiteral("en attente");
        Repondeur rep;
        rep.attendre_message(boites::Oui);
        QVERIFY(termine([&] { r.Quitter__Click(); }));
        QCOMPARE(Radio::fermeture_confirmee, Vrai);
        QVERIFY(Form::fenetres_chargees().empty());
        QCOMPARE(QFile::exists(programme::dossier() + QStringLiteral("journal.doc")), conserve || garde_avant);
        if (conserve) QVERIFY(journal().contains(QStringLiteral("en attente\r")) && journal().contains(QStringLiteral(" Fermeture de Sonavel_V5\r\n")));
        if (garde_avant) QVERIFY(journal().startsWith(QString::fromUtf8(avant)));
        if (garde_avant && !conserve) QCOMPARE(journal(), QString::fromUtf8(avant));
    }

    void fermeture_apres_premier_lancement() {
        definir_demarrage(false);
        Radio_FM& r = Radio_FM::instance();
        Radio::premier_lancement = Vrai;
        QVERIFY(termine([&] { r.Quitter__Click(); }));
        QCOMPARE(journal(), QStringLiteral("<absent>"));
    }

    void purge_depuis_le_menu() {
        apres_premier_lancement();
        copier_images();
        ecrire_reglage(cle::Config, cle::Chemin_editeur_audio, QStringLiteral("/usr/bin/audacieux"));
        ecrire_reglage(cle::Config, cle::Mix_audio, QStringLiteral("17"));
        Radio_FM& r = charger();
        r.setTop(3000);
        Repondeur rep;
        rep.attendre_message().attendre_message(boites::Non);
        QVERIFY(termine([&] { r.A_purger_registre_Click(); }));  // ends even after No
        QCOMPARE(rep.messages()[0].texte,
                 QStringLiteral("Purge éffectué avec succés\n\r\n\rPour prendre effet..le redémarrage de Sonavel_V5 est nécessaire"));
        QCOMPARE(rep.messages()[1].style, 292);
        QCOMPARE(reglage(cle::Config, cle::Mix_audio), QStringLiteral("10"));
        QCOMPARE(reglage(cle::Position, cle::Position_haut), QStringLiteral("3000"));
        QCOMPARE(reglage(cle::Config, cle::Chemin_editeur_audio), QStringLiteral("/usr/bin/audacieux"));
        QCOMPARE(Chemin_editeur_audio, QStringLiteral("X"));
    }

    void fenetre_d_information_cachee_jamais_dechargee() {
        err_form& e = err_form::instance();
        e.Label1.setCaption(QStringLiteral("Fichier introuvable"));
        e.Show();
        e.close();
        QVERIFY(err_form::existe() && !e.isVisible());
        e.Show();
        e.Form_KeyPress(27);
        QVERIFY(err_form::existe() && !e.isVisible());
        e.AnyButton2_Click();
        QVERIFY(e.isVisible());
        QVERIFY(e.Label1.Caption().endsWith(QStringLiteral("Nb : 0")));
        QCOMPARE(texte_message, QString());
    }

    void ecran_de_demarrage() {
        apres_premier_lancement();
        copier_images();
        demarrer();
        Chargement& c = Chargement::instance();
        c.Form_Activate();
        QVERIFY(Radio_FM::instance().isVisible());
        QTRY_VERIFY(!Chargement::existe());
    }
};

SONAVEL_TEST_MAIN(TestDemarrage)
#include "test_demarrage.moc"
