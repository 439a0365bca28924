// Import of older lists: 410-byte records written here from hex tables, appended to the view
// with the start "0.10", and converted byte for byte into a ".dfm" list by the save-as.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "config/etat.h"
#include "platform/fichiers.h"
#include "platform/travail.h"
#include "support/lignes_liste.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;
using sonavel_test::cellules_ligne;

namespace {
// Bytes at an offset of a record; the rest of the record is spaces.
struct Champ {
    int position;
    const char* hex;
};

QByteArray enregistrement(int longueur, std::initializer_list<Champ> champs) {
    QByteArray r(longueur, ' ');
    for (const Champ& c : champs) {
        const QByteArray b = QByteArray::fromHex(c.hex);
        r.replace(c.position, b.size(), b);
    }
    return r;
}

// Old records: path 0, end 200, genre 300, volume 400 (int16 LE), duration 402.
const QByteArray Ancien1 = enregistrement(410, {{0, "612e6d7033"},              // a.mp3
                                                {200, "31322e35"},              // 12.5
                                                {300, "526f636b"},              // Rock
                                                {400, "5000"},                  // 80
                                                {402, "30303a30333a3130"}});    // 00:03:10
const QByteArray Ancien2 = enregistrement(410, {{0, "e974e92e6d7033"},          // été.mp3 (Windows-1252)
                                                {200, "3230"},                  // 20
                                                {300, "4a617a7a"},              // Jazz
                                                {400, "0000"},                  // 0
                                                {402, "30303a30303a3230"}});    // 00:00:20
const QByteArray Ancien3 = enregistrement(410, {{0, "6e6f6e2e776176"},          // non.wav, end blank
                                                {400, "ffff"},                  // -1
                                                {402, "3130"}});                // 10

// The same entries as list records: path 0, end 200, genre 300, volume 400, start 402
// (double 0.1 LE), duration 410.
const QByteArray DebutDixieme = "9a9999999999b93f";
QByteArray nouveau(std::initializer_list<Champ> champs) { return enregistrement(418, champs); }

}  // namespace

class TestImportRfm : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString fichier(const QString& nom, const QByteArray& contenu) {
        const QString c = m_dir.filePath(nom);
        fichiers::reecrire_fichier(c, contenu);
        return c;
    }

private slots:
    void init() {
        sonavel_test::nouveau_programme();
        QLocale::setDefault(QLocale(QLocale::C));
    }

    // Three records after a row already there: four rows, saved byte for byte under the
    // ".dfm" name, then checked.
    void import_et_conversion() {
        const QString rfm = fichier("matin.rfm", Ancien1 + Ancien2 + Ancien3);
        QCOMPARE(QFileInfo(rfm).size(), 1230);
        Liste_son& l = Liste_son::instance();
        QTreeWidgetItem* avant = l.ListView1.AddItem(QStringLiteral("avant.mp3"));
        for (int c = 1; c <= 5; ++c) ListView::setSubItem(avant, c, QStringList{"1.00", "2.00", "pop", "90", "X"}[c - 1]);
        const QString dfm = m_dir.filePath("matin.dfm");
        Repondeur r;
        r.attendre_fichier(rfm).attendre_fichier(dfm).attendre_message();
        l.A_Copen_rfm_Click();
        QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 60000);  // a file check after the import

        const Repondeur::Boite& ouvrir = r.boites()[0];
        QCOMPARE(ouvrir.titre, QStringLiteral("Ouvrir un fichier liste"));
        QCOMPARE(ouvrir.fichier, QStringLiteral("*.rfm"));
        QCOMPARE(ouvrir.filtre, QStringLiteral("fichier (*.rfm)|*.rfm"));
        QCOMPARE(r.boites()[1].fichier, dfm);  // the save-as offers the same name as ".dfm"
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Validation des fichiers terminé avec succés "));

        QCOMPARE(l.ListView1.ListCount(), 4);
        QCOMPARE(cellules_ligne(2), (QStringList{"a.mp3", "0.10", "12.50", "Rock", "80", "00:03:10"}));
        QCOMPARE(cellules_ligne(3), (QStringList{"été.mp3", "0.10", "20.00", "Jazz", "0", "00:00:20"}));
        // The check after the save-as rewrote the list: empty cells took their defaults.
        QCOMPARE(cellules_ligne(4), (QStringList{"non.wav", "0.10", "0.00", "divers", "-1", "10"}));

        const QByteArray attendu =
            nouveau({{0, "6176616e742e6d7033"}, {200, "322e3030"}, {300, "706f70"}, {400, "5a00"},
                     {402, "000000000000f03f"}, {410, "58"}}) +
            nouveau({{0, "612e6d7033"}, {200, "31322e3530"}, {300, "526f636b"}, {400, "5000"}, {402, DebutDixieme},
                     {410, "30303a30333a3130"}}) +
            nouveau({{0, "e974e92e6d7033"}, {200, "32302e3030"}, {300, "4a617a7a"}, {400, "0000"},
                     {402, DebutDixieme}, {410, "30303a30303a3230"}}) +
            nouveau({{0, "6e6f6e2e776176"}, {400, "ffff"}, {402, DebutDixieme}, {410, "3130"}});
        QCOMPARE(fichiers::lire_fichier(dfm).toHex(), attendu.toHex());
        QCOMPARE(fichier_impression, rfm);
        QVERIFY(extension_fichier.isEmpty());
    }

    // A trailing part of a record is not read; a cancelled save-as skips the check, and the
    // conversion command offers the ".dfm" name again (before any import it does nothing).
    void enregistrement_partiel_et_conversion() {
        Liste_son& l = Liste_son::instance();
        {
            Repondeur r;
            l.A_Convertir_dfm_Click();
            QCOMPARE(r.boites().size(), 0);
        }
        const QString rfm = fichier("soir.rfm", (Ancien3 + Ancien1 + Ancien2).left(1229));
        Repondeur r;
        r.attendre_fichier(rfm).attendre_annulation().attendre_annulation();
        l.A_Copen_rfm_Click();
        QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 60000);  // a file check after the import
        QCOMPARE(l.ListView1.ListCount(), 2);
        QCOMPARE(cellules_ligne(1), (QStringList{"non.wav", "0.10", "", "", "-1", "10"}));
        QCOMPARE(l.erreur_enregistrement, Vrai);
        QCOMPARE(chemin_liste, rfm);
        l.A_Convertir_dfm_Click();
        QCOMPARE(r.boites().size(), 3);
        QCOMPARE(r.boites()[1].fichier, m_dir.filePath("soir.dfm"));
        QCOMPARE(r.boites()[2].fichier, m_dir.filePath("soir.dfm"));
    }

    // The command line's file is read by its full path, without a dialog; a missing one is
    // reported and never created, and the next import asks for a file again.
    void fichier_de_la_ligne_de_commande() {
        Liste_son& l = Liste_son::instance();
        const QString absent = m_dir.filePath("absent.rfm");
        extension_fichier = QStringLiteral("rfm");
        fichier_ligne_commande = absent;
        {
            Repondeur r;
            r.attendre_message();
            l.A_Copen_rfm_Click();
            QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 60000);  // a file check after the import
            QCOMPARE(r.messages()[0].style, 16);
            QVERIFY(r.messages()[0].texte.endsWith(QStringLiteral("\r") + absent));
        }
        QVERIFY(!QFile::exists(absent));
        QVERIFY(!QFile::exists(QDir::current().filePath("absent.rfm")));
        QCOMPARE(l.ListView1.ListCount(), 0);
        QVERIFY(extension_fichier.isEmpty());

        extension_fichier = QStringLiteral("rfm");
        fichier_ligne_commande = fichier("ligne.rfm", Ancien1);
        Repondeur r;
        r.attendre_fichier(m_dir.filePath("ligne.dfm"));
        l.A_Copen_rfm_Click();
        QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 60000);  // a file check after the import
        QCOMPARE(r.boites()[0].genre, boites::Genre::Enregistrer);
        QCOMPARE(l.ListView1.ListCount(), 1);
        QCOMPARE(QFileInfo(m_dir.filePath("ligne.dfm")).size(), 418);
    }

    // A chosen file that cannot be read: silent, no row, the failed-save flag cleared.
    void fichier_illisible() {
        Liste_son& l = Liste_son::instance();
        l.erreur_enregistrement = Vrai;
        Repondeur r;
        r.attendre_fichier(m_dir.filePath("disparu.rfm"));
        l.A_Copen_rfm_Click();
        QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 60000);  // a file check after the import
        QCOMPARE(r.messages().size(), 0);
        QCOMPARE(l.ListView1.ListCount(), 0);
        QCOMPARE(l.erreur_enregistrement, Faux);
        QVERIFY(chemin_liste.isEmpty());
    }
};

SONAVEL_TEST_MAIN(TestImportRfm)
#include "test_import_rfm.moc"
