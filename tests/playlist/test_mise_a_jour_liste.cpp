// The information update on generated media: the whole list (after the file check, or
// without it) and one entry. Measured rows get end = length, the tag's genre, volume 100 and
// the duration; a file that cannot be decoded leaves its row as it was and is reported.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "config/etat.h"
#include "platform/conversions.h"
#include "platform/fichiers.h"
#include "platform/media_mpeg.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "support/fixtures.h"
#include "support/graphe_simule.h"
#include "support/lignes_liste.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "support/suivi_boucle.h"
#include "support/titres_fenetre.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/fsauve.h"

using namespace Radio;
using sonavel_test::cellules_ligne;

namespace {
// An old row: nothing in it comes from a measurement.
const QStringList Ancienne{"", "0.10", "9.00", "vieux", "50", "X"};

QStringList ancienne(const QString& chemin) {
    QStringList r = Ancienne;
    r[0] = chemin;
    return r;
}

// The end cell is the exact length, within the encoders' padding.
void verifier_fin(const QString& fin, double attendue) {
    QVERIFY2(std::abs(rt::CDbl(fin) - attendue) <= 0.07, qPrintable(fin + " / " + QString::number(attendue)));
}

QByteArray tag_v1(int genre) {
    QByteArray t = "TAG";
    t += QByteArray("Titre").leftJustified(30, '\0');
    t += QByteArray("Artiste").leftJustified(30, '\0');
    t += QByteArray("Album").leftJustified(30, '\0');
    t += "2001";
    t += QByteArray(30, '\0');
    t += char(genre);
    return t;
}
}  // namespace

class TestMiseAJourListe : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_rock, m_wav, m_illisible;

    Liste_son& liste_de(const QStringList& chemins) {
        Liste_son& l = Liste_son::instance();
        for (const QString& c : chemins) {
            QStringList cellules = ancienne(c);
            QTreeWidgetItem* i = l.ListView1.AddItem(c);
            for (int k = 1; k <= 5; ++k) ListView::setSubItem(i, k, cellules[k]);
        }
        l.sauve_tout();
        return l;
    }

private slots:
    void initTestCase() {
        // A 3 s MP3 tagged "Rock" (17), an untagged 1 s WAV, and a text file named .mp3.
        m_rock = m_dir.filePath(QStringLiteral("rock.mp3"));
        m_wav = m_dir.filePath(QStringLiteral("court.wav"));
        m_illisible = m_dir.filePath(QStringLiteral("texte.mp3"));
        QVERIFY(QFile::copy(fixtures::mp3(3), m_rock));
        QFile f(m_rock);
        QVERIFY(f.open(QIODevice::Append));
        f.write(tag_v1(17));
        f.close();
        QVERIFY(QFile::copy(fixtures::wav(1), m_wav));
        QVERIFY(QFile::copy(fixtures::texte_nomme_mp3(), m_illisible));
    }
    void init() {
        sonavel_test::nouveau_programme();
        QLocale::setDefault(QLocale(QLocale::C));
    }

    // After the file check: measured rows rebuilt, the unreadable one kept and reported, the
    // genre of the untagged file not taken from the file before it, then the save question.
    void liste_entiere() {
        Liste_son& l = liste_de({m_rock, m_wav, m_illisible});
        QApplication::clipboard()->setText(QStringLiteral("du presse-papiers"));
        sonavel_test::TitresFenetres<fsauve> titres;
        Repondeur r;
        r.attendre_message().attendre_message(boites::Non);
        l.a_mettre_a_jour_liste_Click();
        for (const char* t : {"Traitement en cours 1 / 3", "Traitement en cours 2 / 3", "Traitement en cours 3 / 3"})
            QVERIFY2(titres.vus.contains(QString::fromLatin1(t)), qPrintable(titres.vus.join('|')));
        QCOMPARE(fsauve::instance().Label1.Caption(), QStringLiteral("court.wav"));
        QCOMPARE(fsauve::instance().ProgressBar1.Value(), 3);

        QStringList rock = cellules_ligne(1);
        verifier_fin(rock[2], 3.0);
        rock[2].clear();
        QCOMPARE(rock, (QStringList{m_rock, "0.10", "", ajout_fichier::nom_genre(17), "100", "00:00:03"}));
        QStringList wav = cellules_ligne(2);
        verifier_fin(wav[2], 1.0);
        QCOMPARE(wav[3], QStringLiteral("divers"));  // no tag: the list's default genre
        QCOMPARE(wav[5], QStringLiteral("00:00:01"));
        QCOMPARE(cellules_ligne(3), ancienne(m_illisible));

        QCOMPARE(r.messages().size(), 2);
        QCOMPARE(r.messages()[0].style, 48);
        QCOMPARE(r.messages()[0].texte,
                 QStringLiteral("Fichier(s) non mis a jour (lecture impossible) : 1\n\r\n\rtexte.mp3"));
        QCOMPARE(r.messages()[1].texte, QStringLiteral("Sauvegarder la liste ?"));
        QCOMPARE(r.messages()[1].style, 292);
        QCOMPARE(r.messages()[1].titre, QStringLiteral("Sonavel_V5"));

        // The working list holds the update; the user's clipboard is left alone.
        const QByteArray b = fichiers::lire_fichier(programme::dossier() + QStringLiteral("liste.dfm"));
        QCOMPARE(b.size(), 3 * 418);
        const TypeEnregListe e = enreg_liste::decoder(b.left(418));
        QCOMPARE(e.volume, int16_t(100));
        QCOMPARE(e.duree_piste.trimmed(), QStringLiteral("00:00:03"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("du presse-papiers"));
        QCOMPARE(l.Label1.Caption(), QStringLiteral("Nb de morceaux : 3 (3)"));
        QCOMPARE(maj_liste_en_cours, Faux);
        QVERIFY(l.isVisible());
        QVERIFY(!fsauve::instance().isVisible());
        QVERIFY(Radio_FM::instance().Timer1.Enabled() && Radio_FM::instance().Timer4.Enabled());
        Radio_FM::instance().Timer1.setEnabled(false);
        Radio_FM::instance().Timer4.setEnabled(false);
    }

    // Without the check a missing file is measured too, fails and stays; "Yes" offers the
    // save-as under the list's name.
    void sans_verification_et_enregistrement() {
        Liste_son& l = liste_de({m_wav, m_dir.filePath(QStringLiteral("absent.mp3"))});
        l.nom_fichier_liste = QStringLiteral("/ailleurs/soir.dfm");
        maj_sans_prechargement = Vrai;
        const QString cible = m_dir.filePath(QStringLiteral("soir.dfm"));
        Repondeur r;
        r.attendre_message().attendre_message(boites::Oui).attendre_fichier(cible);
        l.a_mettre_a_jour_liste_Click();
        QCOMPARE(l.ListView1.ListCount(), 2);
        QCOMPARE(cellules_ligne(2), ancienne(m_dir.filePath(QStringLiteral("absent.mp3"))));
        QVERIFY(r.messages()[0].texte.contains(QStringLiteral(": 1\n\r\n\rabsent.mp3")));
        QCOMPARE(r.boites()[2].fichier, QStringLiteral("soir.dfm"));
        QCOMPARE(QFileInfo(cible).size(), 2 * 418);
        Radio_FM::instance().Timer1.setEnabled(false);
        Radio_FM::instance().Timer4.setEnabled(false);
    }

    // When the check leaves no row the update is cancelled with its notice.
    void annulee_sans_fichier() {
        Liste_son& l = liste_de({m_dir.filePath(QStringLiteral("parti/a.mp3"))});
        Repondeur r;
        r.attendre_message().attendre_message();
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        l.a_mettre_a_jour_liste_Click();
        // A list of one entry is checked as one entry: its folder is gone, so it goes.
        QCOMPARE(l.ListView1.ListCount(), 0);
        QCOMPARE(r.messages()[1].texte, QStringLiteral("Mise a jour annulé/ aucun fichier de trouvé"));
        QCOMPARE(r.messages()[1].style, 64);
        QCOMPARE(maj_liste_en_cours, Faux);
        QVERIFY(l.isVisible());
    }

    // One entry: the selected row, or while a drop is handled the insertion row; a file that
    // cannot be decoded is reported and its row stays.
    void une_entree() {
        Liste_son& l = liste_de({m_illisible, m_rock, m_wav});
        QApplication::clipboard()->setText(QStringLiteral("du presse-papiers"));
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        Repondeur r;
        r.attendre_message();
        l.a_mettre_a_jour_Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].style, 48);
        QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral("Impossible de mettre a jour.  ")));
        QVERIFY(r.messages()[0].texte.contains(m_illisible));
        QCOMPARE(cellules_ligne(1), ancienne(m_illisible));
        QCOMPARE(l.ListView1.ListCount(), 3);

        l.ListView1.setSelectedItem(l.ListView1.ListItem(2));
        l.a_mettre_a_jour_Click();
        QCOMPARE(index_liste_en_cours, 2);
        QCOMPARE(cellules_ligne(2)[4], QStringLiteral("100"));
        QCOMPARE(cellules_ligne(3), ancienne(m_wav));

        fichier_depose = Vrai;
        ligne_insertion = 3;
        l.a_mettre_a_jour_Click();
        QCOMPARE(cellules_ligne(3)[5], QStringLiteral("00:00:01"));
        QCOMPARE(fichier_depose, Faux);
        const QByteArray b = fichiers::lire_fichier(programme::dossier() + QStringLiteral("liste.dfm"));
        QCOMPARE(enreg_liste::decoder(b.mid(2 * 418, 418)).volume, int16_t(100));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("du presse-papiers"));
    }

    // An entry matched without regard to case is measured and its tag read under the name on
    // disk: it keeps its genre.
    void entree_sans_egard_a_la_casse() {
        Liste_son& l = liste_de({m_dir.filePath(QStringLiteral("ROCK.MP3"))});
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        l.a_mettre_a_jour_Click();
        QCOMPARE(cellules_ligne(1)[3], ajout_fichier::nom_genre(17));
        QCOMPARE(cellules_ligne(1)[5], QStringLiteral("00:00:03"));
    }

    // A recording of over nine hours keeps its hours past two digits.
    void enregistrement_de_plus_de_neuf_heures() {
        GrapheSimule::Installation simule;
        GrapheSimule::definir(QStringLiteral("/nuit/archive.mp3"), 40000.0);
        Liste_son& l = liste_de({QStringLiteral("/nuit/archive.mp3")});
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        l.a_mettre_a_jour_Click();
        QCOMPARE(cellules_ligne(1).mid(2),
                 (QStringList{"40000.00", "divers", "100", "11:06:40"}));
    }

    // A long variable-rate MP3 without a header on a slow disk: the load gives an estimate,
    // the update of the entry or of the list waits for the frame count, the window's timers
    // ticking meanwhile, and writes the exact length.
    void longueur_exacte_d_un_mp3_variable_data() {
        QTest::addColumn<bool>("liste_entiere");
        QTest::newRow("une entrée") << false;
        QTest::newRow("liste") << true;
    }
    void longueur_exacte_d_un_mp3_variable() {
        QFETCH(bool, liste_entiere);
        const QString vbr = fixtures::mp3(30, fixtures::Debit::Variable);
        const double exacte = *media_mpeg::duree_parcours(vbr);
        media_mpeg::oublier_durees();
        fixtures::DisqueLent disque_lent(1000 * 1000);
        Liste_son& l = liste_de({vbr});
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        SuiviBoucle suivi;
        if (liste_entiere) {
            maj_sans_prechargement = Vrai;
            Repondeur r;
            r.attendre_message(boites::Non);
            l.a_mettre_a_jour_liste_Click();
            Radio_FM::instance().Timer1.setEnabled(false);
            Radio_FM::instance().Timer4.setEnabled(false);
        } else {
            l.a_mettre_a_jour_Click();
        }
        verifier_fin(cellules_ligne(1)[2], exacte);
        QVERIFY2(suivi.tops() > 20, qPrintable(QString::number(suivi.tops())));
    }
};

SONAVEL_TEST_MAIN(TestMiseAJourListe)
#include "test_mise_a_jour_liste.moc"
