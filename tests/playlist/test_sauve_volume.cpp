// Keeping the deck's volume in the entry of the list file that holds the deck's file.
#include <QFile>
#include <QTemporaryDir>

#include "config/etat.h"
#include "decks/commun.h"
#include "platform/boites.h"
#include "platform/fichiers.h"
#include "playlist/enregistrement_liste.h"
#include "support/graphe_simule.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

class TestSauveVolume : public QObject {
    Q_OBJECT
    QTemporaryDir dossier;

    QString liste_de(int enregistrements) {
        const QString chemin = dossier.filePath(QStringLiteral("l%1.dfm").arg(enregistrements));
        QFile::remove(chemin);
        for (int i = 1; i <= enregistrements; ++i) {
            TypeEnregListe e;
            e.chemin = QStringLiteral("/m/titre%1.mp3").arg(i);
            e.fin_lecture = QStringLiteral("%1.00").arg(100 + i);
            e.genre = QStringLiteral("rock");
            e.debut_lecture = 1.5;
            e.duree_piste = QStringLiteral("00:03:0%1").arg(i);
            e.volume = 100;
            enreg_liste::ecrire(chemin, i, e);
        }
        if (enregistrements == 0) QFile(chemin).open(QIODevice::WriteOnly);
        return chemin;
    }

    // Deck n on air with this file; the entry on air and the entry chosen.
    static void sur_le_lecteur(int n, const QString& chemin, int32_t courant, int32_t choisi) {
        lecteur_en_cours = int16_t(n);
        Radio_FM::instance().deck(n).chemin = chemin;
        num_enreg_courant = courant;
        index_liste_en_cours = choisi;
    }

private slots:
    void init() { sonavel_test::nouveau_programme(); }

    // During list play the index names the prepared next entry: the record of the entry on
    // air takes the deck's volume, and nothing but its volume changes.
    void ecrit_le_volume_du_lecteur_a_l_antenne() {
        Radio_FM& f = Radio_FM::instance();
        chemin_liste = liste_de(3);
        sur_le_lecteur(2, QStringLiteral("/m/titre2.mp3"), 2, 3);
        enreg_destinataire = enreg_liste::lire(chemin_liste, 3);  // the next entry, already read
        f.Slider1.setValue(5);
        QCOMPARE(f.Label22.Caption(), QStringLiteral("75%"));
        const QByteArray avant = fichiers::lire_fichier(chemin_liste);
        Repondeur r;
        r.attendre_message(boites::OK);
        f.A_sauve();
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Sauvegarde des paramètres en cours éffectués ."));
        QCOMPARE(r.messages()[0].style, 64);
        QByteArray attendu = avant;
        TypeEnregListe e = enreg_liste::decoder(avant.mid(enreg_liste::Longueur, enreg_liste::Longueur));
        e.volume = 75;
        attendu.replace(enreg_liste::Longueur, enreg_liste::Longueur, enreg_liste::encoder(e));
        QCOMPARE(fichiers::lire_fichier(chemin_liste), attendu);  // every other byte as it was
        // The playlist window shows the list as written.
        QCOMPARE(Liste_son::instance().ListView1.ListCount(), 3);
        QCOMPARE(Liste_son::instance().ListView1.ListItem(2)->text(4), QStringLiteral("75"));
    }

    // The deck's file is in neither the record on air nor the one chosen (the list changed
    // under the deck): it says so and writes nothing.
    void rien_quand_aucun_enregistrement_ne_tient_le_fichier() {
        Radio_FM& f = Radio_FM::instance();
        chemin_liste = liste_de(3);
        sur_le_lecteur(1, QStringLiteral("/m/ailleurs.mp3"), 1, 2);
        f.Slider.setValue(2);
        const QByteArray avant = fichiers::lire_fichier(chemin_liste);
        Repondeur r;
        r.attendre_message(boites::OK);
        f.A_sauve();
        QCOMPARE(r.messages()[0].style, 48);
        QVERIFY(r.messages()[0].texte.contains(QStringLiteral("/m/ailleurs.mp3")));
        QCOMPARE(fichiers::lire_fichier(chemin_liste), avant);
    }

    // An entry at 10 % plays at -3800, which the linear slider shows as 5 %; keeping it stores
    // 10 again, so the replay plays at -3800.
    void volume_garde_puis_rejoue_au_meme_niveau() {
        GrapheSimule::Installation simule;
        GrapheSimule::definir(QStringLiteral("/m/titre1.mp3"), 100);
        Radio_FM& f = Radio_FM::instance();
        Liste_son& l = Liste_son::instance();
        chemin_liste = liste_de(1);
        TypeEnregListe e = enreg_liste::lire(chemin_liste, 1);
        e.volume = 10;
        enreg_liste::ecrire(chemin_liste, 1, e);
        l.charge_liste();  // list play reads the row shown
        const auto jouer = [&] {
            num_enreg_destinataire = 1;
            l.lire_enreg_destinataire();
            decks::nouveau_graphe(f.lecteur1);
            f.lecteur1.graphe.RenderFile(QStringLiteral("/m/titre1.mp3"));
            f.A_lire_volume();
            return f.lecteur1.audio.Volume();
        };
        QCOMPARE(jouer(), -3800);
        QCOMPARE(f.Label21.Caption(), QStringLiteral("5%"));
        sur_le_lecteur(1, QStringLiteral("/m/titre1.mp3"), 1, 0);
        Repondeur r;
        r.attendre_message(boites::OK);
        f.A_sauve();
        QCOMPARE(enreg_liste::lire(chemin_liste, 1).volume, int16_t(10));
        QCOMPARE(jouer(), -3800);
    }

    // Nothing written and nothing said: an empty list, an empty label, a cancelled dialog.
    void rien_sans_enregistrement_ni_pourcentage_ni_fichier_choisi() {
        Radio_FM& f = Radio_FM::instance();
        lecteur_en_cours = 1;
        index_liste_en_cours = 1;
        chemin_lecteur1 = QStringLiteral("/m/titre1.mp3");
        f.Label21.setCaption(QStringLiteral("50%"));
        chemin_liste = liste_de(0);
        Repondeur r;
        f.A_sauve();
        QCOMPARE(QFile(chemin_liste).size(), qint64(0));

        chemin_liste = liste_de(1);
        const QByteArray avant = fichiers::lire_fichier(chemin_liste);
        f.Label21.setCaption(QString());
        f.A_sauve();
        QCOMPARE(fichiers::lire_fichier(chemin_liste), avant);

        chemin_liste.clear();
        r.attendre_annulation();
        f.A_sauve();
        QVERIFY(chemin_liste.isEmpty());
        QCOMPARE(r.messages().size(), 0);
    }

    void liste_introuvable_signalee() {
        Radio_FM& f = Radio_FM::instance();
        lecteur_en_cours = 1;
        index_liste_en_cours = 1;
        f.Label21.setCaption(QStringLiteral("50%"));
        chemin_liste = dossier.filePath(QStringLiteral("absent/liste.dfm"));
        Chemin_dernier_fichier = QStringLiteral("/ailleurs");
        Repondeur r;
        r.attendre_message(boites::OK);
        f.A_sauve();
        QCOMPARE(r.messages()[0].style, 16);
        QVERIFY(!QFile::exists(chemin_liste));
        QVERIFY(Chemin_dernier_fichier != QStringLiteral("/ailleurs"));
    }
};

SONAVEL_TEST_MAIN(TestSauveVolume)
#include "test_sauve_volume.moc"
