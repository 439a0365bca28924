// The information update on generated media: the whole list (after the file check, or
// without it) and one entry. Measured rows get end = length, the tag's genre, volume 100 and
// the duration; a file that cannot be decoded leaves its row as it was and is reported. The
// files are measured on a worker: the window thread goes on meanwhile, rows taken out under
// the work are skipped, a second start is refused and an unload waits for the end.
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
#include "platform/travail.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/travail_liste.h"
#include "support/fixtures.h"
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

// The work ends by itself, its closing boxes included.
bool fini() { return travail::en_cours() == 0 && !travail_liste::occupe(); }

// A silent WAV whose header says it lasts `secondes`, its samples left as a hole in the file.
QString wav_creux(const QString& chemin, quint32 secondes) {
    const quint32 frequence = 8000, donnees = secondes * frequence;  // 8-bit mono
    QByteArray h;
    auto mot = [&h](quint32 v, int octets) {
        for (int i = 0; i < octets; ++i) h += char((v >> (8 * i)) & 0xff);
    };
    h += "RIFF";
    mot(36 + donnees, 4);
    h += "WAVEfmt ";
    mot(16, 4);
    mot(1, 2);  // PCM
    mot(1, 2);  // mono
    mot(frequence, 4);
    mot(frequence, 4);
    mot(1, 2);
    mot(8, 2);
    h += "data";
    mot(donnees, 4);
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(h) != h.size() || !f.resize(h.size() + qint64(donnees)))
        return QString();
    return chemin;
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
        index_liste_en_cours = 1;
        l.a_mettre_a_jour_liste_Click();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        // The progress shows the last file done; the row on air is not the update's cursor.
        QVERIFY2(titres.vus.contains(QStringLiteral("Traitement en cours 3 / 3")), qPrintable(titres.vus.join('|')));
        QCOMPARE(fsauve::instance().Label1.Caption(), QStringLiteral("texte.mp3"));
        QCOMPARE(fsauve::instance().ProgressBar1.Value(), 3);
        QCOMPARE(index_liste_en_cours, 1);

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
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
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
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
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
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].style, 48);
        QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral("Impossible de mettre a jour.  ")));
        QVERIFY(r.messages()[0].texte.contains(m_illisible));
        QCOMPARE(cellules_ligne(1), ancienne(m_illisible));
        QCOMPARE(l.ListView1.ListCount(), 3);

        // The row after the updated one is not made the next to play.
        index_liste_en_cours = 1;
        l.ListView1.setSelectedItem(l.ListView1.ListItem(2));
        l.a_mettre_a_jour_Click();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        QCOMPARE(index_liste_en_cours, 1);
        QCOMPARE(cellules_ligne(2)[4], QStringLiteral("100"));
        QCOMPARE(cellules_ligne(3), ancienne(m_wav));

        fichier_depose = Vrai;
        ligne_insertion = 3;
        l.a_mettre_a_jour_Click();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
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
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        QCOMPARE(cellules_ligne(1)[3], ajout_fichier::nom_genre(17));
        QCOMPARE(cellules_ligne(1)[5], QStringLiteral("00:00:03"));
    }

    // A recording of over nine hours keeps its hours past two digits.
    void enregistrement_de_plus_de_neuf_heures() {
        const QString archive = wav_creux(m_dir.filePath(QStringLiteral("archive.wav")), 40000);
        QVERIFY(!archive.isEmpty());
        Liste_son& l = liste_de({archive});
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        l.a_mettre_a_jour_Click();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        QCOMPARE(cellules_ligne(1).mid(2), (QStringList{"40000.00", "divers", "100", "11:06:40"}));
        QFile::remove(archive);
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
        fixtures::DisqueLent disque_lent(200 * 1000);
        Liste_son& l = liste_de({vbr, vbr});
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        Repondeur r;
        if (liste_entiere) {
            maj_sans_prechargement = Vrai;
            r.attendre_message(boites::Non);
        }
        // The windows made before the watch starts: their first show is not the update's.
        Radio_FM::instance();
        fsauve::instance();
        SuiviBoucle suivi;
        if (liste_entiere)
            l.a_mettre_a_jour_liste_Click();
        else
            l.a_mettre_a_jour_Click();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 120000);
        const double ecart = suivi.plus_long_ecart_ms();
        verifier_fin(cellules_ligne(1)[2], exacte);
        // A measurement on the window thread would hold it for seconds at this rate; a loaded
        // machine alone can delay a tick by a fifth of one.
        QVERIFY2(ecart < 400, qPrintable(QString::number(ecart)));
        Radio_FM::instance().Timer1.setEnabled(false);
        Radio_FM::instance().Timer4.setEnabled(false);
    }

    // A row taken out of the view while the update runs (as list play's chaining does) is
    // skipped; the others are updated and the update ends cleanly, with or without the check.
    void ligne_retiree_pendant_la_mise_a_jour_data() {
        QTest::addColumn<bool>("verification");
        QTest::newRow("sans vérification") << false;
        QTest::newRow("après vérification") << true;
    }
    void ligne_retiree_pendant_la_mise_a_jour() {
        QFETCH(bool, verification);
        Liste_son& l = liste_de({m_rock, m_illisible, m_wav, m_rock});
        maj_sans_prechargement = verification ? Faux : Vrai;
        Repondeur r;
        r.attendre_message(boites::Non);
        l.a_mettre_a_jour_liste_Click();
        l.ListView1.RemoveItem(2);  // the undecodable row, gone before its result comes back
        l.sauve_tout();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        QCOMPARE(l.ListView1.ListCount(), 3);
        for (int i = 1; i <= 3; ++i) QCOMPARE(cellules_ligne(i)[4], QStringLiteral("100"));
        QCOMPARE(cellules_ligne(2)[0], m_wav);
        // Nothing reports the row that left; the closing question still comes.
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Sauvegarder la liste ?"));
        QCOMPARE(maj_liste_en_cours, Faux);
        QVERIFY(l.isVisible());
        QVERIFY(!fsauve::existe() || !fsauve::instance().isVisible());
        QVERIFY(!QApplication::overrideCursor());
        const QByteArray b = fichiers::lire_fichier(programme::dossier() + QStringLiteral("liste.dfm"));
        QCOMPARE(b.size(), 3 * 418);
        QCOMPARE(enreg_liste::decoder(b.mid(418, 418)).chemin.trimmed(), m_wav);
        QCOMPARE(enreg_liste::decoder(b.mid(418, 418)).volume, int16_t(100));
        Radio_FM::instance().Timer1.setEnabled(false);
        Radio_FM::instance().Timer4.setEnabled(false);
    }

    // While an update runs, a second update or a check is refused with a notice, and an unload
    // of the window asked meanwhile waits for the end, the state restored first.
    void occupe_refuse_et_dechargement_differe() {
        Liste_son& l = liste_de({m_rock, m_wav});
        maj_sans_prechargement = Vrai;
        Repondeur r;
        r.attendre_message().attendre_message().attendre_message().attendre_message(boites::Non);
        l.a_mettre_a_jour_liste_Click();
        l.a_mettre_a_jour_liste_Click();
        l.prechar_Click();
        l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
        l.a_mettre_a_jour_Click();
        QCOMPARE(r.messages().size(), 3);
        for (const Repondeur::Boite& b : r.messages()) {
            QCOMPARE(b.texte, QStringLiteral("Traitement en cours ......Patientez !"));
            QCOMPARE(b.style, 64);
        }
        QCOMPARE(maj_liste_en_cours, Vrai);
        Liste_son::decharger();
        QVERIFY(Liste_son::existe());
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        QVERIFY(!Liste_son::existe());
        QCOMPARE(r.messages().size(), 4);
        QCOMPARE(r.messages()[3].texte, QStringLiteral("Sauvegarder la liste ?"));
        QCOMPARE(maj_liste_en_cours, Faux);
        QVERIFY(!fsauve::existe() || !fsauve::instance().isVisible());
        QVERIFY(!QApplication::overrideCursor());
        // The update was written before the window went.
        const QByteArray b = fichiers::lire_fichier(programme::dossier() + QStringLiteral("liste.dfm"));
        QCOMPARE(enreg_liste::decoder(b.mid(418, 418)).duree_piste.trimmed(), QStringLiteral("00:00:01"));
        // With nothing under way the window goes at once.
        Liste_son::instance();
        Liste_son::decharger();
        QVERIFY(!Liste_son::existe());
        Radio_FM::instance().Timer1.setEnabled(false);
        Radio_FM::instance().Timer4.setEnabled(false);
    }
};

SONAVEL_TEST_MAIN(TestMiseAJourListe)
#include "test_mise_a_jour_liste.moc"
