// The file manager's action panel on generated media: rows added to the playlist for a file,
// a jingle and a folder, the duplicate question, the saved list and settings, and the
// validation of the tool modes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/conversions.h"
#include "platform/programme.h"
#include "platform/travail.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "support/fixtures.h"
#include "support/lignes_liste.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"

using namespace Radio;
using sonavel_test::cellules_ligne;

namespace {
qint64 taille_liste() { return QFileInfo(programme::dossier() + QStringLiteral("liste.dfm")).size(); }
// The rows of the list file, as the view shows a row.
QList<QStringList> lignes_du_fichier() {
    const QByteArray c = fichier_liste::lire(QStringLiteral("liste.dfm"));
    QList<QStringList> r;
    for (qsizetype i = 0; i + enreg_liste::Longueur <= c.size(); i += enreg_liste::Longueur)
        r << fichier_liste::cellules(enreg_liste::decoder(c.mid(i, enreg_liste::Longueur)));
    return r;
}
QList<QStringList> lignes_de_la_vue() {
    QList<QStringList> r;
    for (int i = 1; i <= Liste_son::instance().ListView1.ListCount(); ++i) r << cellules_ligne(i);
    return r;
}
}  // namespace

class TestAjout : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_musique, m_vide;

    ajout_fichier& en_mode(const QString& action, const QString& dossier) {
        ajout_fichier& a = ajout_fichier::instance();
        a.Label7.setCaption(action);
        a.Dir1.setPath(dossier);
        return a;
    }
    // Selects a file by name, as a click does, then sets the genre box.
    static void choisir(ajout_fichier& a, const QString& nom, const QString& genre = QStringLiteral("Rock")) {
        const QList<QListWidgetItem*> trouves = a.File1.findItems(nom, Qt::MatchExactly);
        a.File1.setListIndex(trouves.isEmpty() ? -1 : a.File1.row(trouves[0]));
        a.File1_Click();
        a.Combo2.setText(genre);
    }

private slots:
    void initTestCase() {
        m_musique = QDir(m_dir.path()).filePath(QStringLiteral("musique"));
        m_vide = QDir(m_dir.path()).filePath(QStringLiteral("vide"));
        QDir().mkpath(m_musique);
        QDir().mkpath(m_vide);
        QFile::copy(fixtures::mp3(3), m_musique + QStringLiteral("/un.mp3"));
        QFile::copy(fixtures::mp3(2), m_musique + QStringLiteral("/deux.mp3"));
        // Unreadable, and last of the folder.
        QFile::copy(fixtures::texte_nomme_mp3(), m_musique + QStringLiteral("/zz.mp3"));
        m_musique = QDir(m_musique).canonicalPath();
        m_vide = QDir(m_vide).canonicalPath();
    }
    void init() { sonavel_test::nouveau_programme(); }

    void ajout_d_un_fichier_et_doublon() {
        ajout_fichier& a = en_mode(QStringLiteral("Ajouter un fichier"), m_musique);
        choisir(a, QStringLiteral("deux.mp3"));
        const QString fin = rt::format_nombre(rt::CDbl(enreg_dragdrop.fin_lecture));
        QVERIFY(fin.startsWith(QStringLiteral("2")));
        a.Label7_Click();
        const QString deux = m_musique + QStringLiteral("/deux.mp3");
        QCOMPARE(cellules_ligne(1), (QStringList{deux, "0.10", fin, "Rock", "100", "00:00:02"}));
        QCOMPARE(taille_liste(), 418);
        QCOMPARE(lire_reglage(cle::Config, cle::Chemin_dernier_fichier), m_musique + QLatin1Char('/'));
        QCOMPARE(Chemin_dernier_fichier, m_musique + QLatin1Char('/'));

        // Already in the list: the question; No adds nothing, Yes adds it again.
        Repondeur r;
        r.attendre_message(boites::Non).attendre_message(boites::Oui);
        a.Label7_Click();
        QCOMPARE(Liste_son::instance().ListView1.ListCount(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Vous allez ajouter le fichier :  deux.mp3\n\r\n\rUne nouvelle fois ?"));
        QCOMPARE(r.messages()[0].titre, QStringLiteral("Fichier déja présent dans la liste ?"));
        QCOMPARE(r.messages()[0].style, 276);
        a.Label7_Click();
        QCOMPARE(Liste_son::instance().ListView1.ListCount(), 2);
        QCOMPARE(taille_liste(), 2 * 418);
    }

    void ajout_d_un_jingle_a_la_ligne_d_insertion_ou_en_fin() {
        Liste_son& l = Liste_son::instance();
        for (const char* p : {"/x/a.mp3", "/x/b.mp3"}) l.ListView1.AddItem(QString::fromUtf8(p));
        ajout_fichier& a = en_mode(QStringLiteral("Ajouter un jingles"), m_musique);
        choisir(a, QStringLiteral("un.mp3"), QStringLiteral("Jingles"));
        ligne_insertion = 2;  // row 2 in hand: the jingle goes after it
        a.Label7_Click();
        QCOMPARE(cellules_ligne(3), (QStringList{m_musique + QStringLiteral("/un.mp3"), "0", "3", "Jingles", "100", "00:00:03"}));
        QCOMPARE(lire_reglage(cle::Config, cle::Chemin_dossier_jingles), m_musique + QLatin1Char('/'));

        l.inser_fin.setChecked(true);
        ligne_insertion = 1;
        a.Label7.setCaption(QStringLiteral("Ajouter un fichier"));
        choisir(a, QStringLiteral("deux.mp3"));
        a.Label7_Click();
        QCOMPARE(l.ListView1.ListCount(), 4);
        QCOMPARE(cellules_ligne(4)[0], m_musique + QStringLiteral("/deux.mp3"));
    }

    // Real clicks: a row of the list, then files one at a time and the action button. With
    // "Insérer après l'élément sélectionné" (the default) each new row goes after the last one
    // added, so the list keeps the order the files were added in; "Insérer en fin de liste"
    // puts them at the end.
    void ajouts_successifs_apres_la_ligne_choisie() {
        Liste_son& l = Liste_son::instance();
        for (const char* p : {"/x/a.mp3", "/x/b.mp3"}) l.ListView1.AddItem(QString::fromUtf8(p));
        l.show();
        QVERIFY(QTest::qWaitForWindowExposed(&l));
        l.inser_apres.choisir();
        const auto cliquer_ligne = [&](int rang) {
            QTreeWidgetItem* ligne = l.ListView1.ListItem(rang);
            QTest::mouseClick(l.ListView1.viewport(), Qt::LeftButton, {},
                              l.ListView1.visualItemRect(ligne).center());
        };
        cliquer_ligne(1);
        QCOMPARE(l.ListView1.Index(l.ListView1.SelectedItem()), 1);

        ajout_fichier& a = en_mode(QStringLiteral("Ajouter un fichier"), m_musique);
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        const auto ajouter = [&](const QString& nom) {
            const QList<QListWidgetItem*> trouves = a.File1.findItems(nom, Qt::MatchExactly);
            QVERIFY(!trouves.isEmpty());
            QTest::mouseClick(a.File1.viewport(), Qt::LeftButton, {}, a.File1.visualItemRect(trouves[0]).center());
            QTest::mouseClick(&a.Label7, Qt::LeftButton);
        };
        const auto chemins = [&] {
            QStringList c;
            for (int i = 1; i <= l.ListView1.ListCount(); ++i) c << QFileInfo(cellules_ligne(i)[0]).fileName();
            return c;
        };
        ajouter(QStringLiteral("un.mp3"));
        ajouter(QStringLiteral("deux.mp3"));
        QCOMPARE(chemins(), (QStringList{"a.mp3", "un.mp3", "deux.mp3", "b.mp3"}));

        // Jingles the same way, after the row clicked (the files are in the list already: the
        // question, answered yes).
        Repondeur r;
        r.attendre_message(boites::Oui).attendre_message(boites::Oui).attendre_message(boites::Oui);
        cliquer_ligne(4);
        a.Label7.setCaption(QStringLiteral("Ajouter un jingles"));
        ajouter(QStringLiteral("deux.mp3"));
        ajouter(QStringLiteral("un.mp3"));
        QCOMPARE(chemins(), (QStringList{"a.mp3", "un.mp3", "deux.mp3", "b.mp3", "deux.mp3", "un.mp3"}));

        // At the end of the list whatever row is in hand.
        l.inser_fin.choisir();
        cliquer_ligne(1);
        a.Label7.setCaption(QStringLiteral("Ajouter un fichier"));
        ajouter(QStringLiteral("un.mp3"));
        QCOMPARE(chemins().size(), 7);
        QCOMPARE(chemins().last(), QStringLiteral("un.mp3"));
        QCOMPARE(chemins().first(), QStringLiteral("a.mp3"));
    }

    void fichier_illisible_refuse_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("file") << "Ajouter un fichier";
        QTest::newRow("jingle") << "Ajouter un jingles";
    }
    void fichier_illisible_refuse() {
        QFETCH(QString, action);
        ajout_fichier& a = en_mode(action, m_musique);
        Repondeur r;
        r.attendre_message();
        choisir(a, QStringLiteral("zz.mp3"));
        a.Label7_Click();
        QCOMPARE(Liste_son::instance().ListView1.ListCount(), 0);
        QCOMPARE(taille_liste(), 0);
    }

    void ajout_d_un_dossier() {
        Liste_son& l = Liste_son::instance();
        l.ListView1.AddItem(QStringLiteral("/x/avant.mp3"));
        ligne_insertion = 1;
        ajout_fichier& a = en_mode(QStringLiteral("Ajouter un dossier"), m_musique);
        a.Combo2.setText(QStringLiteral("Pop"));
        Repondeur r;
        r.attendre_message();  // the unreadable last file is reported and skipped
        a.Label7_Click();
        QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 60000);
        QVERIFY(r.messages()[0].texte.contains(QStringLiteral("zz.mp3")));
        QCOMPARE(l.ListView1.ListCount(), 3);
        QCOMPARE(cellules_ligne(1)[0], QStringLiteral("/x/avant.mp3"));
        const QStringList deux = cellules_ligne(2), un = cellules_ligne(3);
        QCOMPARE(deux[0], m_musique + QStringLiteral("/deux.mp3"));
        QCOMPARE(un.mid(0, 2), (QStringList{m_musique + QStringLiteral("/un.mp3"), "0.10"}));
        QVERIFY(un[2].startsWith(QStringLiteral("3")));
        // The untagged file left the genre box empty: the save gives the list's default.
        QCOMPARE(un.mid(3), (QStringList{"divers", "100", "00:00:03"}));
        QCOMPARE(taille_liste(), 3 * 418);
        QVERIFY(!a.File1.isHidden() && !a.Dir1.isHidden());
    }

    // A folder of a few hundred files: the walk adds exactly the files listed when it started,
    // whatever points the file manager elsewhere meanwhile (the chaining's look-up of an entry
    // on disk did); a second start while it runs is refused; each row is whole as it appears;
    // at the end the list file holds what the view shows.
    void ajout_d_un_dossier_pointe_ailleurs_en_route() {
        const QString grand = QDir(m_dir.path()).filePath(QStringLiteral("grand"));
        const QString ailleurs = QDir(m_dir.path()).filePath(QStringLiteral("ailleurs"));
        QDir().mkpath(grand);
        QDir().mkpath(ailleurs + QStringLiteral("/sous"));
        constexpr int N = 240;
        QStringList attendus;
        for (int i = 0; i < N; ++i) {
            const QString nom = QStringLiteral("piste_%1.mp3").arg(i, 3, 10, QLatin1Char('0'));
            QFile::copy(fixtures::mp3(1), grand + QLatin1Char('/') + nom);
            attendus << QDir(grand).canonicalPath() + QLatin1Char('/') + nom;
        }
        for (const char* n : {"autre_1.mp3", "autre_2.mp3", "autre_3.mp3", "autre_4.mp3", "autre_5.mp3"})
            QFile::copy(fixtures::mp3(1), ailleurs + QLatin1Char('/') + QLatin1String(n));

        ajout_fichier& a = en_mode(QStringLiteral("Ajouter un dossier"), QDir(grand).canonicalPath());
        a.show();
        ListView& vue = Liste_son::instance().ListView1;
        QStringList incompletes;
        bool pointe = false;
        const QRegularExpression hms(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
        QObject::connect(vue.model(), &QAbstractItemModel::rowsInserted, &a, [&](const QModelIndex&, int de, int a_) {
            for (int i = de; i <= a_; ++i) {
                const QTreeWidgetItem* l = vue.topLevelItem(i);
                if (l->text(1) != QStringLiteral("0.10") || !(rt::CDbl(l->text(2)) > 0.5) || l->text(3).isEmpty() ||
                    l->text(4) != QStringLiteral("100") || !hms.match(l->text(5)).hasMatch())
                    incompletes << QStringList{l->text(0), l->text(1), l->text(2), l->text(3), l->text(4), l->text(5)}
                                       .join(QLatin1Char('|'));
            }
            if (pointe || vue.ListCount() < N / 3) return;
            pointe = true;
            // Mid-walk: the lists pointed at another folder, and both starts pressed again.
            QTimer::singleShot(0, &a, [&] {
                a.Dir1.setPath(QDir(ailleurs).canonicalPath());
                a.File1.setListIndex(0);
                QTest::mouseClick(&a.Label7, Qt::LeftButton);
                QTest::mouseClick(&a.Label10, Qt::LeftButton);
            });
        });
        a.Label7_Click();
        QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 240000);
        QVERIFY(pointe);
        QCOMPARE(incompletes, QStringList());
        QStringList chemins;
        for (const QStringList& l : lignes_de_la_vue()) chemins << l[0];
        QCOMPARE(chemins, attendus);
        QCOMPARE(lignes_du_fichier(), lignes_de_la_vue());
        QCOMPARE(Chemin_dernier_fichier, QDir(grand).canonicalPath() + QLatin1Char('/'));
        QVERIFY(!a.File1.isHidden() && !a.Dir1.isHidden());
        QCOMPARE(a.Label3.Caption(), QStringLiteral("Nb de Fichier(s) trouvé(s) : (240) : 240"));
    }

    void dossier_vide_et_filtre_tout() {
        ecrire_reglage(cle::Config, cle::Chemin_dernier_fichier, QStringLiteral("avant"));
        ajout_fichier& a = en_mode(QStringLiteral("Ajouter un dossier"), m_vide);
        a.Label7_Click();
        QCOMPARE(Liste_son::instance().ListView1.ListCount(), 0);
        QVERIFY(!QFile::exists(programme::dossier() + QStringLiteral("liste.dfm")));
        QCOMPARE(lire_reglage(cle::Config, cle::Chemin_dernier_fichier), QStringLiteral("avant"));

        a.Combo1.setText(QStringLiteral("*.*"));
        Repondeur r;
        r.attendre_message();
        a.Label7_Click();
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Sélectionnez un type de fichier!"));
        QCOMPARE(r.messages()[0].style, 64);
    }

    void double_clic_sur_un_fichier() {
        ajout_fichier& a = en_mode(QStringLiteral("Ajouter un fichier"), m_musique);
        Liste_son& l = Liste_son::instance();
        choisir(a, QStringLiteral("un.mp3"));
        l.show();
        a.File1_DblClick();  // the playlist is in view: nothing
        QCOMPARE(l.ListView1.ListCount(), 0);
        l.hide();
        a.File1_DblClick();
        QVERIFY(l.isVisible());
        QCOMPARE(l.ListView1.ListCount(), 1);
        l.hide();
        a.HLBSoftBttn1.setEnabled(true);  // quick listen on: a double click adds nothing
        a.File1_DblClick();
        QCOMPARE(l.ListView1.ListCount(), 1);
    }

    void controle_existence() {
        ajout_fichier& a = en_mode(QStringLiteral("Ajouter un fichier"), m_musique);
        choisir(a, QStringLiteral("un.mp3"));
        Liste_son::instance().ListView1.AddItem(QStringLiteral("/d/jingles/top_un.mp3"));
        a.Controle_existence();
        QCOMPARE(a.fichier_present, QStringLiteral("oui"));
        // An empty list answers "non", never the last answer.
        Liste_son::instance().ListView1.Clear();
        a.Controle_existence();
        QCOMPARE(a.fichier_present, QStringLiteral("non"));
    }

    void validation_des_modes_de_chemin() {
        ecrire_reglage(cle::Config, cle::Chemin_dossier_jingles, QStringLiteral("avant"));
        Radio_FM& r = Radio_FM::instance();
        ajout_fichier& a = en_mode(QStringLiteral("Ajouter un fichier"), m_musique);
        a.show();
        a.setCaption(QStringLiteral("Définir chemin des jingles"));
        a.Label8_Click();
        QCOMPARE(Chemin_dossier_jingles, m_musique + QLatin1Char('/'));
        QCOMPARE(r.A_def_jingles.Caption(), QStringLiteral("Définir le chemin des jingles : ") + m_musique + QLatin1Char('/'));
        QVERIFY(!a.isVisible());

        a.setCaption(QStringLiteral("Définir chemin de l'editeur audio"));
        a.File1.setListIndex(0);
        a.Label8_Click();
        QCOMPARE(Chemin_editeur_audio, m_musique + QStringLiteral("/deux.mp3"));
        // Nothing is written to the settings here: the menu that opened the window does it.
        QCOMPARE(lire_reglage(cle::Config, cle::Chemin_dossier_jingles), QStringLiteral("avant"));
    }

    void activation_de_l_ecoute_rapide() {
        ajout_fichier& a = en_mode(QStringLiteral("Ajouter un fichier"), m_musique);
        a.setCaption(QStringLiteral("Gestion de fichier (Click droit sur élément)"));
        Repondeur r;
        r.attendre_message(boites::Non).attendre_message(boites::Oui);
        a.Label8_Click();
        QCOMPARE(r.messages()[0].style, 308);
        QCOMPARE(r.messages()[0].titre, QStringLiteral("Sonavel_V5"));
        QCOMPARE(lecture_gestionnaire, Faux);
        QVERIFY(a.windowFlags() & Qt::WindowStaysOnTopHint);
        a.Label8_Click();
        QCOMPARE(a.Caption(), QStringLiteral("Ecoute rapide de fichier"));
        QCOMPARE(lecture_gestionnaire, Vrai);
        QVERIFY(!a.Label8.isEnabled() && !a.Label7.isEnabled());
        QVERIFY(a.HLBSoftBttn1.isEnabled() && a.HLBSoftBttn3.isEnabled() && a.Command2.isEnabled());
        QCOMPARE(a.Label7.Caption(), QStringLiteral("Ajouter un fichier"));
    }
};

SONAVEL_TEST_MAIN(TestAjout)
#include "test_ajout.moc"
