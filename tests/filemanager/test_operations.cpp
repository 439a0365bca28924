// The file manager's file and folder commands, its rename and copy dialogs, in temporary
// folder trees: the files on disk afterwards, the questions and their answers, the refusals.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "config/etat.h"
#include "filemanager/commun.h"
#include "platform/boites.h"
#include "platform/programme.h"
#include "support/petit_disque.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/ajout_fichier.h"
#include "windows/copie.h"
#include "windows/fsauve.h"
#include "windows/renom.h"

using namespace Radio;

namespace {
void ecrire(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}
QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}
// Everything in a folder, hidden names and folders included, by name.
QStringList contenu(const QString& dossier) {
    return QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}
void lecture_seule(const QString& chemin) {
    QFile::setPermissions(chemin, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
}  // namespace

class TestOperations : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_racine;
    QString m_dossier;  // the folder the file manager shows
    QStringList m_legendes;  // the progress window's captions, in order

    QString chemin(const QString& nom) const { return m_dossier + QLatin1Char('/') + nom; }
    // The folder shown holds these files, each containing its own name.
    ajout_fichier& montrer(const QStringList& noms, const QString& motif = QStringLiteral("*.mp3")) {
        for (const QString& n : noms) ecrire(chemin(n), n.toUtf8());
        ajout_fichier& a = ajout_fichier::instance();
        a.Combo1.setText(motif);
        a.Combo1_Change();
        a.Dir1.setPath(m_dossier);
        a.File1.Refresh();
        return a;
    }
    static void choisir(ajout_fichier& a, const QString& nom) {
        const QList<QListWidgetItem*> t = a.File1.findItems(nom, Qt::MatchExactly);
        a.File1.setListIndex(t.isEmpty() ? -1 : a.File1.row(t[0]));
    }
    void suivre_la_progression() {
        m_legendes.clear();
        connect(&fsauve::instance(), &QWidget::windowTitleChanged, this, [this](const QString& t) { m_legendes << t; });
    }

private slots:
    void init() {
        sonavel_test::nouveau_programme();
        m_racine = std::make_unique<QTemporaryDir>();
        // The system's temporary folder of this test: the backup of "delete all" goes there.
        qputenv("TMPDIR", QFile::encodeName(m_racine->filePath(QStringLiteral("tmp"))));
        QDir().mkpath(m_racine->filePath(QStringLiteral("tmp")));
        m_dossier = QDir(m_racine->path()).canonicalPath() + QStringLiteral("/musique");
        QDir().mkpath(m_dossier);
    }
    void cleanup() {
        sonavel_test::nouveau_programme();
        // Read-only files and folders must not stop the cleaning.
        QDir(m_racine->path()).removeRecursively();
        qunsetenv("TMPDIR");
    }

    void supprimer_un_fichier_data() {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<bool>("protege");
        QTest::addColumn<int>("reponse");  // 0: no question expected
        QTest::addColumn<QStringList>("titres");
        QTest::addColumn<bool>("reste");
        QTest::newRow("rien de choisi") << "" << false << 0 << QStringList{" Suppréssion Fichier impossible "} << true;
        QTest::newRow("non") << "a.mp3" << false << int(boites::Non) << QStringList{" Suppréssion Fichier ?"} << true;
        QTest::newRow("oui") << "a.mp3" << false << int(boites::Oui) << QStringList{" Suppréssion Fichier ?"} << false;
        QTest::newRow("protégé") << "a.mp3" << true << int(boites::Oui)
                                 << QStringList{" Suppréssion Fichier ?", " Suppréssion Fichier impossible "} << true;
    }
    void supprimer_un_fichier() {
        QFETCH(QString, selection);
        QFETCH(bool, protege);
        QFETCH(int, reponse);
        QFETCH(QStringList, titres);
        QFETCH(bool, reste);
        ajout_fichier& a = montrer({"a.mp3", "b.mp3"});
        if (protege) lecture_seule(chemin("a.mp3"));
        choisir(a, selection);
        Repondeur r;
        if (reponse) r.attendre_message(reponse);
        for (int i = reponse ? 1 : 0; i < titres.size(); ++i) r.attendre_message();
        a.A_supprime_Click();
        QStringList vus;
        for (const auto& b : r.messages()) vus << b.titre;
        QCOMPARE(vus, titres);
        if (reponse) {
            QCOMPARE(r.messages()[0].style, 276);
            QCOMPARE(r.messages()[0].texte,
                     QStringLiteral(" Vous allez supprimer le fichier :  a.mp3\n\r\n\rVoulez vous continuer ? "));
        }
        QCOMPARE(QFile::exists(chemin("a.mp3")), reste);
        QVERIFY(QFile::exists(chemin("b.mp3")));
        QCOMPARE(a.File1.ListCount(), reste ? 2 : 1);
    }

    void supprimer_tout_data() {
        QTest::addColumn<QString>("motif");
        QTest::addColumn<QString>("protege");
        QTest::addColumn<bool>("sauvegarde_bloquee");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<QStringList>("restants");
        QTest::addColumn<QStringList>("sauves");
        QTest::addColumn<QString>("dernier");  // start of the last message
        const QStringList tous{"a.mp3", "b.mp3", "c.mp3", "notes.txt"};
        QTest::newRow("tout") << "*.mp3" << "" << false << int(boites::Oui) << QStringList{"notes.txt"}
                              << QStringList{"a.mp3", "b.mp3", "c.mp3"} << "Suppréssion éffectuée...! dans dossier temporaire...";
        QTest::newRow("réponse non") << "*.mp3" << "" << false << int(boites::Non) << tous << QStringList{}
                                     << "Vous ètes sur le point";
        QTest::newRow("rien ne correspond") << "*.wma" << "" << false << 0 << tous << QStringList{}
                                            << "\rAucun fichier a supprimer";
        QTest::newRow("un fichier protégé") << "*.mp3" << "b.mp3" << false << int(boites::Oui)
                                            << QStringList{"b.mp3", "c.mp3", "notes.txt"}
                                            << QStringList{"a.mp3", "b.mp3", "c.mp3"}
                                            << "Suppression impossible de certains fichiers";
        QTest::newRow("sauvegarde impossible") << "*.mp3" << "" << true << int(boites::Oui) << tous << QStringList{}
                                               << "Suppression impossible de certains fichiers";
    }
    void supprimer_tout() {
        QFETCH(QString, motif);
        QFETCH(QString, protege);
        QFETCH(bool, sauvegarde_bloquee);
        QFETCH(int, reponse);
        QFETCH(QStringList, restants);
        QFETCH(QStringList, sauves);
        QFETCH(QString, dernier);
        ajout_fichier& a = montrer({"a.mp3", "b.mp3", "c.mp3", "notes.txt"}, motif);
        if (!protege.isEmpty()) lecture_seule(chemin(protege));
        // A link planted at the old fixed name must take nothing anywhere.
        const QString tmp = m_racine->filePath(QStringLiteral("tmp"));
        QDir(m_racine->path()).mkpath(QStringLiteral("ailleurs"));
        QFile::link(m_racine->filePath(QStringLiteral("ailleurs")), tmp + QStringLiteral("/Sonavel_sauvegarde"));
        if (sauvegarde_bloquee) {  // no folder can be made where the temporary folder should be
            QDir(m_racine->path()).rename(QStringLiteral("tmp"), QStringLiteral("tmp_"));
            ecrire(tmp, "un fichier à la place du dossier");
        }
        suivre_la_progression();
        Repondeur r;
        if (reponse) r.attendre_message(reponse);
        if (reponse == boites::Oui) r.attendre_message();
        if (reponse == boites::Oui && restants.size() == 1) r.attendre_message();
        if (!reponse) r.attendre_message();
        a.A_supprime_tout_Click();
        if (sauvegarde_bloquee) {
            QFile::remove(tmp);
            QDir(m_racine->path()).rename(QStringLiteral("tmp_"), QStringLiteral("tmp"));
        }
        const QStringList faites =
            QDir(tmp).entryList({QStringLiteral("Sonavel_sauvegarde_*")}, QDir::Dirs | QDir::NoSymLinks);
        QCOMPARE(faites.size(), (sauvegarde_bloquee || !reponse || reponse != boites::Oui) ? 0 : 1);
        const QString sauvegarde = faites.isEmpty() ? QString() : QDir(tmp).filePath(faites[0]);
        if (!sauvegarde.isEmpty()) {
            QCOMPARE(QFileInfo(sauvegarde).permissions() & 0x0077, QFileDevice::Permissions());
            QCOMPARE(QFileInfo(sauvegarde).canonicalFilePath(), sauvegarde);
        }
        QFile::remove(tmp + QStringLiteral("/Sonavel_sauvegarde"));
        QCOMPARE(contenu(m_racine->filePath(QStringLiteral("ailleurs"))), QStringList());

        QCOMPARE(contenu(m_dossier), restants);
        if (!sauvegarde.isEmpty()) QCOMPARE(contenu(sauvegarde), sauves);
        for (const QString& s : sauves) QCOMPARE(lire(sauvegarde + QLatin1Char('/') + s), s.toUtf8());
        QVERIFY(r.messages().last().texte.startsWith(dernier));
        if (reponse) {
            QCOMPARE(r.messages()[0].style, 276);
            QCOMPARE(r.messages()[0].texte, QStringLiteral("Vous ètes sur le point de SUPPRIMER TOUS les FICHIERS  ") + motif +
                                                QStringLiteral("\rdu dossier : ") + m_dossier +
                                                QStringLiteral("\n\r\n\rVoulez vous continuer ? "));
        }
        if (dernier.startsWith(QStringLiteral("Suppression impossible"))) {
            QCOMPARE(r.messages().last().style, 272);
            QCOMPARE(r.messages().last().titre, QStringLiteral(" Suppréssion Fichier ?"));
            QVERIFY(!fsauve::existe());
        }
        if (!reponse) QCOMPARE(a.Combo1.Text(), QStringLiteral("*.*"));
        if (restants.size() == 1) {
            // Both runs, with the dots; the messages name the real backup folder.
            QCOMPARE(m_legendes, (QStringList{"Copie de secours en cours.", "Copie de secours en cours..",
                                              "Copie de secours en cours....", "Suppréssion en cours.",
                                              "Suppréssion en cours..", "Suppréssion en cours...."}));
            QCOMPARE(r.messages()[1].texte, QStringLiteral("Suppréssion éffectuée..une copie de secours se trouve ") + sauvegarde);
            QVERIFY(r.messages()[2].texte.endsWith(sauvegarde));
            QCOMPARE(r.messages()[1].style, 64);
            QVERIFY(fsauve::existe() && !fsauve::instance().isVisible());
            QCOMPARE(QDir::currentPath() + QLatin1Char('/'), programme::dossier());
        }
        QVERIFY(!gestionnaire::pointeur_occupe());
        if (!sauvegarde.isEmpty()) QDir(sauvegarde).removeRecursively();  // the next case starts with none
    }

    // The rename dialog for one file, as the file manager's command fills it.
    void renommer_un_fichier_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<bool>("pris");  // Nouveau.<ext> already there
        QTest::addColumn<int>("reponse");
        QTest::addColumn<QStringList>("apres");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("ouvert");
        QTest::newRow("mp3") << "Titre.mp3" << "Nouveau" << false << 0 << QStringList{"Nouveau.mp3"}
                             << " fichier renommé OK " << false;
        QTest::newRow("extension longue") << "Titre.flac" << "Nouveau" << false << 0 << QStringList{"Nouveau.flac"}
                                          << " fichier renommé OK " << false;
        QTest::newRow("nom pris, non") << "Titre.mp3" << "Nouveau" << true << int(boites::Non)
                                       << QStringList{"Nouveau.mp3", "Titre.mp3"} << " Attention  ce fichier existe déja ! "
                                       << true;
        QTest::newRow("nom pris, oui") << "Titre.mp3" << "Nouveau" << true << int(boites::Oui)
                                       << QStringList{"Nouveau.mp3"} << " fichier renommé OK " << false;
        QTest::newRow("vide") << "Titre.mp3" << "" << false << 0 << QStringList{"Titre.mp3"}
                              << " Vous devez lui donner un nouveau nom " << true;
        QTest::newRow("barre oblique") << "Titre.mp3" << "../Nouveau" << false << 0 << QStringList{"Titre.mp3"}
                                       << " Le nom ne doit pas contenir de / " << true;
    }
    void renommer_un_fichier() {
        QFETCH(QString, fichier);
        QFETCH(QString, saisie);
        QFETCH(bool, pris);
        QFETCH(int, reponse);
        QFETCH(QStringList, apres);
        QFETCH(QString, message);
        QFETCH(bool, ouvert);
        ajout_fichier& a = montrer({fichier}, QStringLiteral("*.*"));
        const QString ext = fichier.mid(fichier.lastIndexOf(QLatin1Char('.')));
        if (pris) ecrire(chemin(QStringLiteral("Nouveau") + ext), "ancien");
        a.File1.Refresh();
        choisir(a, fichier);
        renom& d = renom::instance();
        d.preparer_fichier(fichier);
        QCOMPARE(d.Text1.Text(), QStringLiteral("Titre"));
        QCOMPARE(d.Label6.Caption(), QStringLiteral("Renommer"));
        d.show();
        d.Text1.setText(saisie);
        Repondeur r;
        if (reponse) r.attendre_message(reponse);
        if (reponse != boites::Non) r.attendre_message();
        d.Label6_Click();
        QCOMPARE(contenu(m_dossier), apres);
        QVERIFY(r.messages().last().texte.startsWith(message));
        QCOMPARE(d.isVisible(), ouvert);
        // The renamed file keeps its content; a replaced one is gone.
        if (!ouvert) QCOMPARE(lire(chemin(QStringLiteral("Nouveau") + ext)), fichier.toUtf8());
        if (reponse) QCOMPARE(r.messages()[0].style, 276);
    }

    // Through the file manager's command: the dialog opens modally and renames.
    void renommer_par_la_commande() {
        ajout_fichier& a = montrer({"Titre.mp3"});
        choisir(a, QStringLiteral("Titre.mp3"));
        Repondeur r;
        r.attendre_message();
        QTimer::singleShot(0, [] {
            renom& d = renom::instance();
            QVERIFY(d.isVisible());
            QCOMPARE(d.Caption(), QStringLiteral("Renommer un fichier"));
            QCOMPARE(d.Label1.Caption(), QStringLiteral("fichier : Titre.mp3"));
            d.Text1.setText(QStringLiteral("Autre"));
            d.Label6_Click();
        });
        a.A_Renome_Click();
        QCOMPARE(contenu(m_dossier), QStringList{"Autre.mp3"});
        QCOMPARE(a.File1.List(0), QStringLiteral("Autre.mp3"));
        // With nothing selected the dialog does not open.
        a.File1.setListIndex(-1);
        a.A_Renome_Click();
        QVERIFY(!renom::instance().isVisible());
    }

    void renommer_par_bloc_data() {
        QTest::addColumn<QStringList>("avant");
        QTest::addColumn<QStringList>("apres");
        QTest::addColumn<QString>("message");
        QTest::newRow("pistes") << QStringList{"Piste01.mp3", "Piste02.mp3"} << QStringList{"Album_01.mp3", "Album_02.mp3"}
                                << "Renommer par bloc : éffectuée ";
        // Autre01 goes first and takes Album_01.mp3; Piste01 then fails and stays.
        QTest::newRow("collision") << QStringList{"Autre01.mp3", "Piste01.mp3", "Piste02.mp3"}
                                   << QStringList{"Album_01.mp3", "Piste01.mp3", "Piste02.mp3"} << "Origine      :";
    }
    void renommer_par_bloc() {
        QFETCH(QStringList, avant);
        QFETCH(QStringList, apres);
        QFETCH(QString, message);
        ajout_fichier& a = montrer(avant);
        Repondeur r;
        r.attendre_message();
        a.A_renommer_bloc_Click();
        renom& d = renom::instance();
        QVERIFY(d.isVisible());
        QCOMPARE(d.Caption(), QStringLiteral("Renommer tous les fichiers de ce dossier"));
        d.Text1.setText(QStringLiteral("Album"));
        d.Label6_Click();
        QCOMPARE(contenu(m_dossier), apres);
        QCOMPARE(lire(chemin(QStringLiteral("Album_01.mp3"))), avant[0].toUtf8());
        QVERIFY(r.messages().last().texte.startsWith(message));
        const bool reussi = message.startsWith(QStringLiteral("Renommer"));
        QCOMPARE(d.Label6.Caption(), reussi ? QStringLiteral("Renommer") : QStringLiteral("Renommer par bloc"));
        QCOMPARE(d.isVisible(), !reussi);
        QVERIFY(!fsauve::instance().isVisible());
        QVERIFY(!gestionnaire::pointeur_occupe());
    }

    void copier_un_fichier_data() {
        QTest::addColumn<QString>("vers");  // "autre", "meme" or "lien" (a link to the same folder)
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("pris");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<QByteArray>("cible");  // the destination's content afterwards
        QTest::addColumn<QString>("message");
        QTest::newRow("autre dossier, autre nom") << "autre" << "copie.mp3" << false << 0 << QByteArray("a.mp3")
                                                  << " Copie fichier :";
        QTest::newRow("existe, non") << "autre" << "a.mp3" << true << int(boites::Non) << QByteArray("ancien")
                                     << " Attention  ce fichier existe déja ! Vous allez ECRASER ";
        QTest::newRow("existe, oui") << "autre" << "a.mp3" << true << int(boites::Oui) << QByteArray("a.mp3")
                                     << " Copie fichier :";
        QTest::newRow("sur lui-même") << "meme" << "a.mp3" << false << 0 << QByteArray("a.mp3")
                                      << " La source et la destination sont le même fichier ";
        QTest::newRow("sur lui-même par un lien") << "lien" << "a.mp3" << false << 0 << QByteArray("a.mp3")
                                                  << " La source et la destination sont le même fichier ";
        QTest::newRow("nom vide") << "autre" << "" << false << 0 << QByteArray("<absent>") << "Origine : ";
    }
    void copier_un_fichier() {
        QFETCH(QString, vers);
        QFETCH(QString, nom);
        QFETCH(bool, pris);
        QFETCH(int, reponse);
        QFETCH(QByteArray, cible);
        QFETCH(QString, message);
        ajout_fichier& a = montrer({"a.mp3"});
        QString dest = m_racine->filePath(QStringLiteral("dest"));
        if (vers == QStringLiteral("meme")) dest = m_dossier;
        if (vers == QStringLiteral("lien")) QFile::link(m_dossier, dest);
        QDir().mkpath(dest);
        if (pris) ecrire(dest + QLatin1Char('/') + nom, "ancien");
        choisir(a, QStringLiteral("a.mp3"));
        Repondeur r;
        a.A_deplace_Click();
        copie& c = copie::instance();
        QVERIFY(c.isVisible());
        QCOMPARE(c.Text2.Text(), QStringLiteral("a.mp3"));
        c.Dir1.setPath(dest);
        QCOMPARE(c.Text1.Text(), dest);
        c.Text2.setText(nom);
        if (reponse) r.attendre_message(reponse);
        if (reponse != boites::Non) r.attendre_message();
        c.Command5_Click();
        QVERIFY(r.messages().last().texte.startsWith(message));
        QCOMPARE(lire(dest + QLatin1Char('/') + nom), cible);
        QCOMPARE(lire(chemin(QStringLiteral("a.mp3"))), QByteArray("a.mp3"));
        const bool fait = message == QStringLiteral(" Copie fichier :");
        QCOMPARE(c.isVisible(), !fait);
        if (fait) QCOMPARE(r.messages().last().style, 64);
        // No temporary file is left beside the copy.
        for (const QString& f : contenu(dest)) QVERIFY2(!f.startsWith(QLatin1Char('.')), qPrintable(f));
    }

    void copier_tous_les_fichiers() {
        ajout_fichier& a = montrer({"a.mp3", "b.mp3", "c.mp3", "notes.txt"});
        const QString dest = m_racine->filePath(QStringLiteral("dest"));
        QDir().mkpath(dest);
        ecrire(dest + QStringLiteral("/a.mp3"), "ancien a");
        ecrire(dest + QStringLiteral("/b.mp3"), "ancien b");
        a.A_deplace_tout_Click();
        copie& c = copie::instance();
        QCOMPARE(c.Command5.Caption(), QStringLiteral("Copie multiple"));
        QVERIFY(c.Text2.isHidden());
        QCOMPARE(c.Dir1.Path(), m_dossier);
        // The same folder as the source: refused, nothing asked.
        {
            Repondeur r;
            r.attendre_message();
            c.Command5_Click();
            QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral(" La source et la destination sont le même dossier ")));
        }
        c.Dir1.setPath(dest);
        suivre_la_progression();
        Repondeur r;
        r.attendre_message(boites::Non).attendre_message(boites::Oui).attendre_message();
        c.Command5_Click();
        QCOMPARE(r.messages().size(), 3);
        QCOMPARE(r.messages()[0].texte, QStringLiteral(" Attention  ce fichier existe déja ! Vous allez ECRASER \r") + dest +
                                            QStringLiteral("/a.mp3 a.mp3\r  Voulez vous continuer ? "));
        QCOMPARE(r.messages()[0].titre, QStringLiteral(" Copie mutiple de fichier ?"));
        QCOMPARE(r.messages()[2].texte, QStringLiteral(" Copie multiple éffectuée sous ") + dest + QLatin1Char('/'));
        QCOMPARE(lire(dest + QStringLiteral("/a.mp3")), QByteArray("ancien a"));
        QCOMPARE(lire(dest + QStringLiteral("/b.mp3")), QByteArray("b.mp3"));
        QCOMPARE(lire(dest + QStringLiteral("/c.mp3")), QByteArray("c.mp3"));
        QCOMPARE(contenu(dest), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
        QCOMPARE(contenu(m_dossier), (QStringList{"a.mp3", "b.mp3", "c.mp3", "notes.txt"}));
        QCOMPARE(m_legendes, (QStringList{"Copie multiple en cours.", "Copie multiple en cours..", "Copie multiple en cours...."}));
        QCOMPARE(fsauve::instance().Label3.Caption(), QStringLiteral("c.mp3"));
        QVERIFY(!c.isVisible());
        QVERIFY(!gestionnaire::pointeur_occupe());
        QCOMPARE(QDir::currentPath() + QLatin1Char('/'), programme::dossier());

        // An opening for one file shows the single mode again.
        choisir(a, QStringLiteral("b.mp3"));
        a.A_deplace_Click();
        QCOMPARE(c.Command5.Caption(), QStringLiteral("Copier"));
        QVERIFY(!c.Text2.isHidden());
        QCOMPARE(c.Text2.Text(), QStringLiteral("b.mp3"));
        QCOMPARE(c.Label5.Caption(), copie::instruction());
        // Selecting another file in the file manager proposes its name (this one is no media).
        choisir(a, QStringLiteral("c.mp3"));
        Repondeur illisible;
        illisible.attendre_message();
        a.File1_Click();
        QCOMPARE(c.Text2.Text(), QStringLiteral("c.mp3"));
    }

    // A copy that fails stops the run: what was copied stays, the rest is not copied.
    void copie_multiple_interrompue() {
        ajout_fichier& a = montrer({"a.mp3", "b.mp3", "c.mp3"});
        const QString dest = m_racine->filePath(QStringLiteral("dest"));
        QDir().mkpath(dest + QStringLiteral("/b.mp3"));  // a folder in the way
        a.A_deplace_tout_Click();
        copie& c = copie::instance();
        c.Dir1.setPath(dest);
        Repondeur r;
        r.attendre_message(boites::Oui).attendre_message();
        c.Command5_Click();
        QVERIFY(r.messages()[1].texte.startsWith(QStringLiteral(" Impossible pour l'instant! réessayez. \n\r\n\r")));
        QCOMPARE(r.messages()[1].style, 16);
        QCOMPARE(lire(dest + QStringLiteral("/a.mp3")), QByteArray("a.mp3"));
        QVERIFY(QFileInfo(dest + QStringLiteral("/b.mp3")).isDir());
        QVERIFY(!QFile::exists(dest + QStringLiteral("/c.mp3")));
        QCOMPARE(contenu(dest), (QStringList{"a.mp3", "b.mp3"}));
        QVERIFY(!fsauve::existe());
        QVERIFY(c.isVisible());
        QVERIFY(!gestionnaire::pointeur_occupe());
    }

    // A folder on another volume: the drive list follows, the folder list stays on the folder.
    // A copy onto a full disk (with nothing, or a little, left) says the disk is full; nothing
    // of it stays there.
    void copier_sur_un_disque_plein_data() {
        QTest::addColumn<int>("reste");  // bytes left free before the copy, about
        QTest::newRow("0 octet libre") << 0;
        QTest::newRow("presque plein") << 8192;
    }
    void copier_sur_un_disque_plein() {
        QFETCH(int, reste);
        PetitDisque disque(256);
        if (!disque.monte()) QSKIP("no tmpfs can be mounted here (needs root)");
        ajout_fichier& a = montrer({});
        ecrire(chemin(QStringLiteral("gros.mp3")), QByteArray(200 * 1024, 'g'));
        a.File1.Refresh();
        disque.remplir();
        if (reste) {
            QFile f(disque.chemin(QStringLiteral("remplissage")));
            QVERIFY(f.resize(f.size() - reste));
        }
        choisir(a, QStringLiteral("gros.mp3"));
        Repondeur r;
        a.A_deplace_Click();
        copie& c = copie::instance();
        c.Dir1.setPath(disque.dossier());
        c.Text2.setText(QStringLiteral("gros.mp3"));
        r.attendre_message();
        c.Command5_Click();
        QCOMPARE(r.messages().size(), 1);
        QVERIFY2(r.messages()[0].texte.contains(QStringLiteral("Disque plein")), qPrintable(r.messages()[0].texte));
        QCOMPARE(contenu(disque.dossier()), QStringList{QStringLiteral("remplissage")});
        c.hide();
    }

    void copier_tout_depuis_un_autre_volume() {
        bool liste = false;
        for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
            liste = liste || (v.isValid() && v.isReady() && v.rootPath() == QStringLiteral("/dev/shm"));
        if (!liste || QStorageInfo(programme::dossier()).rootPath() == QStringLiteral("/dev/shm"))
            QSKIP("no second volume listed at /dev/shm");
        QTemporaryDir ailleurs(QStringLiteral("/dev/shm/sonavel_XXXXXX"));
        ecrire(ailleurs.filePath(QStringLiteral("a.mp3")), "a");
        copie::instance();  // first opened on the program folder's volume
        ajout_fichier& a = ajout_fichier::instance();
        a.Dir1.setPath(ailleurs.path());
        a.Drive1.setDrive(QStringLiteral("/dev/shm"));
        a.A_deplace_tout_Click();
        copie& c = copie::instance();
        QCOMPARE(c.Dir1.Path(), ailleurs.path());
        QCOMPARE(c.Drive1.Drive(), QStringLiteral("/dev/shm"));
        QCOMPARE(c.Text1.Text(), ailleurs.path());
    }

    // After "Rafraichir" no file is highlighted: copy and delete name none, even though the
    // list's current row is its first line.
    void copier_ou_supprimer_sans_fichier_choisi() {
        ajout_fichier& a = montrer({"a.mp3", "b.mp3"});
        a.File1.setListIndex(1);
        a.A_Rafraichir_Click();
        QVERIFY(a.File1.FileName().isEmpty());
        Repondeur r;
        r.attendre_message().attendre_message();
        a.A_deplace_Click();
        a.A_supprime_Click();
        for (int i : {0, 1}) {
            QCOMPARE(r.messages()[i].texte, QStringLiteral("Vous devez sélectionner un fichier"));
            QCOMPARE(r.messages()[i].style, 16);
        }
        QVERIFY(!copie::existe() || !copie::instance().isVisible());
        QVERIFY(QFile::exists(chemin("a.mp3")) && QFile::exists(chemin("b.mp3")));
        a.File1.setListIndex(1);  // a highlighted file is the one named
        QCOMPARE(a.File1.FileName(), QStringLiteral("b.mp3"));
    }

    void creer_un_dossier_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");  // "" when none
        QTest::addColumn<QStringList>("apres");
        const QStringList avant{"a.mp3"};
        QTest::newRow("nouveau") << "Nouveau_dossier" << "" << QStringList{"Nouveau_dossier", "a.mp3"};
        QTest::newRow("annulé") << "" << "" << avant;
        QTest::newRow("nom d'un fichier") << "a.mp3" << "a.mp3 existe déja !" << avant;
        QTest::newRow("racine") << "/" << "Nom de dossier non valide : /" << avant;
        QTest::newRow("point") << "." << "Nom de dossier non valide : ." << avant;
        QTest::newRow("point point") << ".." << "Nom de dossier non valide : .." << avant;
        QTest::newRow("chemin") << "x/y" << "Nom de dossier non valide : x/y" << avant;
    }
    void creer_un_dossier() {
        QFETCH(QString, nom);
        QFETCH(QString, message);
        QFETCH(QStringList, apres);
        ajout_fichier& a = montrer({"a.mp3"});
        Repondeur r;
        r.attendre_saisie(nom);
        if (!message.isEmpty()) r.attendre_message();
        a.A_Creer_un_dossier_Click();
        QCOMPARE(r.boites()[0].defaut, QStringLiteral("Nouveau_dossier"));
        QCOMPARE(r.boites()[0].texte, QStringLiteral("Création d'un dossier\rEntrez le nom désiré"));
        if (!message.isEmpty()) QCOMPARE(r.messages()[0].texte, message);
        QCOMPARE(contenu(m_dossier), apres);
        if (apres.size() == 2) QCOMPARE(a.Dir1.List(0), chemin(QStringLiteral("Nouveau_dossier")));
    }

    void renommer_un_dossier_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("apres");  // the parent's content
        QTest::newRow("renommé") << "chansons" << " Dossier renommé OK " << QStringList{"autre", "chansons", "tmp"};
        QTest::newRow("nom pris") << "autre" << "Ce fichier existe déjà" << QStringList{"autre", "musique", "tmp"};
        QTest::newRow("chemin") << "x/y" << "Nom de dossier non valide : x/y" << QStringList{"autre", "musique", "tmp"};
    }
    void renommer_un_dossier() {
        QFETCH(QString, nom);
        QFETCH(QString, message);
        QFETCH(QStringList, apres);
        ajout_fichier& a = montrer({"a.mp3"});
        QDir().mkpath(m_racine->filePath(QStringLiteral("autre")));
        Repondeur r;
        r.attendre_saisie(nom).attendre_message();
        a.A_renommer_dossier_Click();
        QCOMPARE(r.boites()[0].defaut, QStringLiteral("musique"));
        QVERIFY(r.messages()[0].texte.startsWith(message));
        const QString parent = QFileInfo(m_dossier).path();
        QCOMPARE(contenu(parent), apres);
        if (apres.contains(QStringLiteral("chansons"))) {
            // The list shows the folder under its new name, with its file.
            QCOMPARE(a.Dir1.Path(), parent + QStringLiteral("/chansons"));
            QCOMPARE(a.File1.List(0), QStringLiteral("a.mp3"));
            QCOMPARE(r.messages()[0].style, 64);
        } else {
            QCOMPARE(a.Dir1.Path(), m_dossier);
        }
    }

    void supprimer_un_dossier_data() {
        QTest::addColumn<bool>("sous_dossier");
        QTest::addColumn<QList<int>>("reponses");
        QTest::addColumn<bool>("reste");
        QTest::addColumn<QStringList>("contenu_apres");
        QTest::addColumn<QString>("dernier");
        QTest::newRow("oui, oui") << false << QList<int>{boites::Oui, boites::Oui, boites::OK} << false << QStringList{}
                                  << "Suppréssion éffectuée!";
        QTest::newRow("non aux fichiers") << false << QList<int>{boites::Non} << true
                                          << QStringList{".cache", "a.mp3"} << "Le Dossier  : musique contient";
        QTest::newRow("oui puis non") << false << QList<int>{boites::Oui, boites::Non} << true << QStringList{}
                                      << "Attention suppréssion dossier";
        QTest::newRow("avec un sous-dossier") << true << QList<int>{boites::Oui, boites::Oui, boites::OK} << true
                                              << QStringList{"sous"} << "Suppression suspendu ";
    }
    void supprimer_un_dossier() {
        QFETCH(bool, sous_dossier);
        QFETCH(QList<int>, reponses);
        QFETCH(bool, reste);
        QFETCH(QStringList, contenu_apres);
        QFETCH(QString, dernier);
        ajout_fichier& a = montrer({"a.mp3", ".cache"});
        if (sous_dossier) QDir().mkpath(chemin(QStringLiteral("sous")));
        a.Dir1.setPath(m_dossier);
        Repondeur r;
        for (int x : reponses) r.attendre_message(x);
        a.A_Supprimer_un_dossier_Click();
        QCOMPARE(QFileInfo(m_dossier).isDir(), reste);
        if (reste) QCOMPARE(contenu(m_dossier), contenu_apres);
        QVERIFY(r.messages().last().texte.startsWith(dernier));
        QCOMPARE(r.messages()[0].style, 276);
        QCOMPARE(a.Dir1.Path(), QFileInfo(m_dossier).path());
        if (!reste) {
            QCOMPARE(a.Text1.Text(), QString());
            // Nothing happens while the path box is empty: the parent is safe.
            a.A_Supprimer_un_dossier_Click();
            QVERIFY(QFileInfo(a.Dir1.Path()).isDir());
        }
    }

    // A folder shown through a link: only the link goes; the folder it names keeps its files.
    void supprimer_un_dossier_par_un_lien() {
        ajout_fichier& a = montrer({"a.mp3", ".cache"});
        const QString lien = QFileInfo(m_dossier).path() + QStringLiteral("/raccourci");
        QVERIFY(QFile::link(m_dossier, lien));
        a.Dir1.setPath(lien);
        QCOMPARE(a.Dir1.Path(), lien);
        Repondeur r;
        r.attendre_message(boites::Oui).attendre_message(boites::OK);
        a.A_Supprimer_un_dossier_Click();
        QVERIFY(r.messages()[0].texte.contains(QStringLiteral("seul le lien est supprimé")));
        QVERIFY(!QFileInfo(lien).isSymLink() && !QFileInfo::exists(lien));
        QCOMPARE(contenu(m_dossier), (QStringList{".cache", "a.mp3"}));
    }

    void editeur_audio() {
        ajout_fichier& a = montrer({"a.mp3"});
        choisir(a, QStringLiteral("a.mp3"));
        Chemin_editeur_audio = QStringLiteral("X");
        {
            Repondeur r;
            r.attendre_message();
            a.a_modifie_Click();
            QCOMPARE(r.messages()[0].texte, QStringLiteral("Aucun éditeur audio"));
            QCOMPARE(r.messages()[0].style, 48);
        }
        Chemin_editeur_audio = QStringLiteral("/usr/bin/editeur");
        Lancements l;
        a.show();
        a.a_modifie_Click();
        QCOMPARE(l.demandes().size(), 1);
        QCOMPARE(l.demandes()[0].cible, QStringLiteral("/usr/bin/editeur"));
        QCOMPARE(l.demandes()[0].arguments, QStringList{chemin(QStringLiteral("a.mp3"))});
        QVERIFY(!a.isVisible());
    }
};

SONAVEL_TEST_MAIN(TestOperations)
#include "test_operations.moc"
