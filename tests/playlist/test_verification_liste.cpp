// The file check of the playlist window: the whole list in passes (missing entries taken out,
// the list file rewritten once at its end), and the one-entry check with its messages. The
// disk is asked on a worker; the window applies each answer to its row if it is still there.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <unistd.h>

#include "config/etat.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "platform/travail.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/travail_liste.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "support/titres_fenetre.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/fsauve.h"

using namespace Radio;

namespace {
QStringList chemins_de(const Liste_son& l) {
    QStringList r;
    for (int i = 1; i <= l.ListView1.ListCount(); ++i) r << l.ListView1.ListItem(i)->text(0);
    return r;
}

// The paths of the list file in the program folder.
QStringList chemins_du_fichier() {
    const QByteArray b = fichiers::lire_fichier(programme::dossier() + QStringLiteral("liste.dfm"));
    QStringList r;
    for (int i = 0; i + enreg_liste::Longueur <= b.size(); i += enreg_liste::Longueur)
        r << enreg_liste::decoder(b.mid(i, enreg_liste::Longueur)).chemin.trimmed();
    return r;
}

const QString Suite = QStringLiteral("\rElément supprimé de la liste\rContinuez...");

// The check ends by itself, its closing box included.
bool fini() { return travail::en_cours() == 0 && !travail_liste::occupe(); }
}  // namespace

class TestVerificationListe : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_musique;  // holds a.mp3, b.mp3, Majuscule.MP3

    // The rows become the list, written as the current list.
    Liste_son& liste_de(const QStringList& chemins) {
        Liste_son& l = Liste_son::instance();
        for (const QString& c : chemins) l.ListView1.AddItem(c);
        l.sauve_tout();
        return l;
    }
    QString dans_musique(const QString& nom) const { return m_musique + QLatin1Char('/') + nom; }

private slots:
    void initTestCase() {
        m_musique = QDir(m_dir.path()).filePath(QStringLiteral("musique"));
        QDir().mkpath(m_musique);
        for (const char* nom : {"a.mp3", "b.mp3", "Majuscule.MP3"}) {
            QFile f(dans_musique(QString::fromLatin1(nom)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    }
    void init() { sonavel_test::nouveau_programme(); }

    // Two missing files side by side, a missing folder and a name in another case: one command
    // takes out the three missing entries, keeps the rest, and the list file follows.
    void liste_entiere_en_passes() {
        const QString absent1 = dans_musique("x.mp3"), absent2 = dans_musique("y.mp3");
        const QString sans_dossier = m_dir.path() + QStringLiteral("/parti/z.mp3");
        Liste_son& l = liste_de({dans_musique("a.mp3"), absent1, absent2, dans_musique("MAJUSCULE.mp3"),
                                 sans_dossier, QStringLiteral("nom_seul.mp3"), dans_musique("b.mp3")});
        sonavel_test::TitresFenetres<fsauve> titres;
        Repondeur r;
        r.attendre_message();
        l.prechar_Click();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        const QStringList restent{dans_musique("a.mp3"), dans_musique("MAJUSCULE.mp3"),
                                  QStringLiteral("nom_seul.mp3"), dans_musique("b.mp3")};
        QCOMPARE(chemins_de(l), restent);
        QCOMPARE(chemins_du_fichier(), restent);
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Validation des fichiers terminé avec succés "));
        QCOMPARE(r.messages()[0].style, 64);
        // The progress shows the first answer and the last, at most a few in between.
        QVERIFY2(titres.vus.contains(QStringLiteral("fichier Ok : 7")), qPrintable(titres.vus.join('|')));
        QCOMPARE(titres.vus.last(), QStringLiteral("fichier Ok : 4"));
        QVERIFY(!fsauve::existe());
        QVERIFY(l.isVisible());
        QCOMPARE(l.volume_nul_signale, Vrai);
    }

    // Many entries taken out in one check, the rows added without their cells: the list file is
    // the one a save after each removal gave, the last cell numbered where the first removal left
    // the row.
    void retraits_multiples_meme_fichier() {
        Liste_son& l = liste_de({});
        const QStringList lignes{dans_musique("a.mp3"), dans_musique("x1.mp3"), dans_musique("b.mp3"),
                                 dans_musique("x2.mp3"), dans_musique("x3.mp3"), dans_musique("Majuscule.MP3"),
                                 m_dir.path() + QStringLiteral("/parti/z.mp3"), dans_musique("a.mp3")};
        for (const QString& c : lignes) l.ListView1.AddItem(c);
        Repondeur r;
        r.attendre_message();
        l.prechar_Click();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        const QByteArray b = fichiers::lire_fichier(programme::dossier() + QStringLiteral("liste.dfm"));
        QStringList numeros, chemins;
        for (int i = 0; i + enreg_liste::Longueur <= b.size(); i += enreg_liste::Longueur) {
            const TypeEnregListe e = enreg_liste::decoder(b.mid(i, enreg_liste::Longueur));
            chemins << e.chemin.trimmed();
            numeros << e.duree_piste.trimmed();
        }
        QCOMPARE(chemins, QStringList({dans_musique("a.mp3"), dans_musique("b.mp3"), dans_musique("Majuscule.MP3"),
                                       dans_musique("a.mp3")}));
        // After the first removal: a 1, b 2, x2 3, x3 4, Majuscule 5, z 6, a 7.
        QCOMPARE(numeros, QStringList({"1", "2", "5", "7"}));
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Validation des fichiers terminé avec succés "));
    }

    // Every entry in a folder that is gone: an empty list and an empty list file.
    void aucun_fichier_restant() {
        Liste_son& l = liste_de({m_dir.path() + QStringLiteral("/parti/a.mp3"),
                                 m_dir.path() + QStringLiteral("/parti/b.mp3"), QStringLiteral("c:\\disque\\c.mp3")});
        Repondeur r;
        r.attendre_message();
        l.prechar_Click();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        QCOMPARE(l.ListView1.ListCount(), 0);
        QCOMPARE(QFileInfo(programme::dossier() + QStringLiteral("liste.dfm")).size(), 0);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Aucun fichier de trouvé !"));
        QCOMPARE(r.messages()[0].style, 48);
    }

    // The do-not-save option refuses both checks and touches nothing.
    void refusee_sans_sauvegarde() {
        Liste_son& l = liste_de({dans_musique("x.mp3"), dans_musique("a.mp3")});
        l.a_Ne_pas_Sauve_Click();
        Repondeur r;
        r.attendre_message().attendre_message();
        l.prechar_Click();
        l.prechar_fich_Click();
        QCOMPARE(l.ListView1.ListCount(), 2);
        QCOMPARE(r.messages().size(), 2);
        for (const Repondeur::Boite& b : r.messages()) {
            QVERIFY(b.texte.startsWith(QStringLiteral("Traitement impossible avec l'option\r")));
            QCOMPARE(b.style, 64);
        }
        QVERIFY(!fsauve::existe());
    }

    // The one-entry check reports; it takes out the entry only when its folder is gone. A list
    // of one entry checked whole behaves the same, without the progress window.
    void une_entree_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<bool>("liste_entiere");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("reste");
        const QString m = m_musique;
        QTest::newRow("present") << m + "/a.mp3" << false << "Fichier : a.mp3 Ok " << 64 << 2;
        QTest::newRow("autre casse") << m + "/majuscule.mp3" << false << "Fichier : majuscule.mp3 Ok " << 64 << 2;
        QTest::newRow("fichier absent") << m + "/x.mp3" << false << "Fichier : x.mp3 Non trouvé " << 16 << 2;
        QTest::newRow("dossier absent") << m + "/parti/x.mp3" << false
                                        << "Dossier : " + m + "/parti/ Non trouvé " + Suite << 16 << 1;
        QTest::newRow("liste d'une entree") << m + "/x.mp3" << true << "Fichier : x.mp3 Non trouvé " << 16 << 1;
    }
    void une_entree() {
        QFETCH(QString, chemin);
        QFETCH(bool, liste_entiere);
        QFETCH(QString, message);
        QFETCH(int, style);
        QFETCH(int, reste);
        Liste_son& l = liste_entiere ? liste_de({chemin}) : liste_de({dans_musique("b.mp3"), chemin});
        l.ListView1.setSelectedItem(l.ListView1.ListItem(l.ListView1.ListCount()));
        Repondeur r;
        r.attendre_message();
        if (liste_entiere)
            l.prechar_Click();
        else
            l.prechar_fich_Click();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, message);
        QCOMPARE(r.messages()[0].style, style);
        QCOMPARE(l.ListView1.ListCount(), reste);
        QCOMPARE(chemins_du_fichier().size(), reste);
        QVERIFY(!fsauve::existe());
    }

    // Rows taken out of the view while the check runs (as list play does) are skipped: the
    // missing rows above and below them still go, and the file written at the end is the view.
    void lignes_retirees_pendant_la_verification() {
        const QString absent1 = dans_musique("x.mp3"), absent2 = dans_musique("y.mp3");
        Liste_son& l = liste_de({absent1, dans_musique("a.mp3"), dans_musique("b.mp3"), absent2,
                                 dans_musique("Majuscule.MP3"), dans_musique("z.mp3")});
        Repondeur r;
        r.attendre_message();
        l.prechar_Click();
        l.ListView1.RemoveItem(4);  // a missing row, gone before its answer comes back
        l.ListView1.RemoveItem(2);  // a present one
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        const QStringList restent{dans_musique("b.mp3"), dans_musique("Majuscule.MP3")};
        QCOMPARE(chemins_de(l), restent);
        QCOMPARE(chemins_du_fichier(), restent);
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Validation des fichiers terminé avec succés "));
        QVERIFY(!fsauve::existe());
        QVERIFY(l.isVisible());
    }

    // A folder that cannot be entered: its rows go, named together in one box once the check is
    // over, then the closing message.
    void dossier_illisible() {
        if (::geteuid() == 0) {
            // Root enters any folder: this case runs again in a process of an ordinary user.
            const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (setpriv.isEmpty()) QSKIP("root enters any folder, and setpriv is not there to run as another user");
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("TMPDIR"), QStringLiteral("/tmp"));
            env.insert(QStringLiteral("HOME"), QStringLiteral("/tmp"));
            p.setProcessEnvironment(env);
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(setpriv, {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                              QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                              QStringLiteral("dossier_illisible")});
            QVERIFY(p.waitForFinished(120000));
            const QByteArray sortie = p.readAll();
            QVERIFY2(p.exitCode() == 0 && sortie.contains("PASS   : TestVerificationListe::dossier_illisible()"),
                     sortie.constData());
            return;
        }
        const QString ferme = QDir(m_dir.path()).filePath(QStringLiteral("ferme"));
        QDir().mkpath(ferme);
        QFile(ferme + QStringLiteral("/c.mp3")).open(QIODevice::WriteOnly);
        QVERIFY(QFile::setPermissions(ferme, QFileDevice::Permissions()));
        Liste_son& l = liste_de({ferme + QStringLiteral("/c.mp3"), dans_musique("a.mp3"), ferme + QStringLiteral("/d.mp3")});
        Repondeur r;
        r.attendre_message().attendre_message();
        l.prechar_Click();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        QFile::setPermissions(ferme, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(chemins_de(l), QStringList{dans_musique("a.mp3")});
        QCOMPARE(chemins_du_fichier(), QStringList{dans_musique("a.mp3")});
        QCOMPARE(r.messages().size(), 2);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Fichier ou dossier: ") + ferme + QStringLiteral("/ c.mp3 Non trouvé \r") +
                                            QStringLiteral("Fichier ou dossier: ") + ferme +
                                            QStringLiteral("/ d.mp3 Non trouvé ") + Suite);
        QCOMPARE(r.messages()[0].style, 16);
        QCOMPARE(r.messages()[1].texte, QStringLiteral("Validation des fichiers terminé avec succés "));
    }

    // A path without any folder is not tested.
    void sans_dossier_non_teste() {
        Liste_son& l = liste_de({QStringLiteral("seul.mp3")});
        Repondeur r;
        l.prechar_fich_Click();
        QTRY_VERIFY_WITH_TIMEOUT(fini(), 60000);
        QCOMPARE(l.ListView1.ListCount(), 1);
        QCOMPARE(r.boites().size(), 0);
    }
};

SONAVEL_TEST_MAIN(TestVerificationListe)
#include "test_verification_liste.moc"
