// Keeping the deck's volume in the current entry of the list file.
#include <QFile>
#include <QTemporaryDir>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/fichiers.h"
#include "playlist/enregistrement_liste.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
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
            e.volume = 100;
            enreg_liste::ecrire(chemin, i, e);
        }
        if (enregistrements == 0) QFile(chemin).open(QIODevice::WriteOnly);
        return chemin;
    }

private slots:
    void init() { sonavel_test::nouveau_programme(); }

    void ecrit_le_pourcentage_du_lecteur_a_l_antenne() {
        Radio_FM& f = Radio_FM::instance();
        chemin_liste = liste_de(3);
        lecteur_en_cours = 2;
        index_liste_en_cours = 2;
        enreg_destinataire.chemin = QStringLiteral("/m/titre2.mp3");
        enreg_destinataire.volume = -1000;  // a level in memory
        f.Label22.setCaption(QStringLiteral("75%"));
        Repondeur r;
        r.attendre_message(boites::OK);
        f.A_sauve();
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Sauvegarde des paramètres en cours éffectués ."));
        QCOMPARE(r.messages()[0].style, 64);
        QCOMPARE(enreg_liste::lire(chemin_liste, 2).volume, int16_t(75));
        QCOMPARE(enreg_liste::lire(chemin_liste, 1).volume, int16_t(100));
        QCOMPARE(QFile(chemin_liste).size(), qint64(3 * enreg_liste::Longueur));
    }

    // Nothing written and nothing said: an empty list, an empty label, a cancelled dialog.
    void rien_sans_enregistrement_ni_pourcentage_ni_fichier_choisi() {
        Radio_FM& f = Radio_FM::instance();
        lecteur_en_cours = 1;
        index_liste_en_cours = 1;
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
