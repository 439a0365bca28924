// List editing: every edit rewrites the list file, and the record number of the entry on air
// follows that entry.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QMenu>
#include <QTest>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "platform/boites.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "platform/travail.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "support/fixtures.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/ajout_fichier.h"

using namespace Radio;

namespace {
// Row names: the file name without folder and extension ("/m/3.mp3" is "3").
QString nom(const QString& chemin) {
    const QString n = chemin.trimmed().section(QLatin1Char('/'), -1);
    return n.left(n.lastIndexOf(QLatin1Char('.')));
}

// The list file's entries by name, space-separated.
QString fichier() {
    const QByteArray octets = fichier_liste::lire(QString::fromLatin1(fichier_liste::NomDefaut));
    QStringList noms;
    for (int i = 0; i + enreg_liste::Longueur <= octets.size(); i += enreg_liste::Longueur)
        noms.append(nom(enreg_liste::decoder(octets.mid(i, enreg_liste::Longueur)).chemin));
    return noms.join(QLatin1Char(' '));
}

// A list of n rows "/m/1.mp3" .. "/m/n.mp3", volume 40, saved.
Liste_son& liste(int n) {
    Liste_son& l = Liste_son::instance();
    l.show();
    l.resize(900, 500);
    for (int i = 1; i <= n; ++i) {
        QTreeWidgetItem* r = l.ListView1.AddItem(QStringLiteral("/m/%1.mp3").arg(i));
        for (int c = 1; c <= 5; ++c)
            r->setText(c, QStringList{QStringLiteral("2.50"), QStringLiteral("200.00"), QStringLiteral("pop"),
                                      QStringLiteral("40"), QStringLiteral("00:03:20")}[c - 1]);
    }
    l.sauve_tout();
    return l;
}

void choisir(Liste_son& l, int ligne) { l.ListView1.setSelectedItem(l.ListView1.ListItem(ligne)); }

QPoint centre(Liste_son& l, int ligne) {
    return l.ListView1.visualItemRect(l.ListView1.ListItem(ligne)).center();
}

// Row `de` dragged and dropped on row `sur`, as the drag-over and drop handlers see it.
void glisser(Liste_son& l, int de, int sur) {
    choisir(l, de);
    glisser_liste_en_cours = Vrai;
    const QPoint p = centre(l, sur);
    l.ListView1_DragOver(p.x(), p.y());
    l.ListView1_DragDrop(p.x(), p.y());
}

// Files named A, B, C (real sound files) for the drops from the desktop.
QStringList fichiers_bureau(const QTemporaryDir& dossier) {
    QStringList f;
    for (const char* n : {"A", "B", "C"}) {
        const QString chemin = dossier.filePath(QString::fromLatin1(n) + QStringLiteral(".mp3"));
        QFile::remove(chemin);
        QFile::copy(fixtures::mp3(1), chemin);
        f.append(chemin);
    }
    return f;
}
}  // namespace

class TestEditionListe : public QObject {
    Q_OBJECT
    QTemporaryDir dossier;

private slots:
    void init() {
        sonavel_test::nouveau_programme();
        glisser_deplacer_actif = Vrai;
        mode_insertion = 2;
    }

    // Each edit on a 6-row list: the list file afterwards and the record number of the entry
    // on air (which must keep naming the same entry).
    void edition_data() {
        QTest::addColumn<QString>("edition");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("courant");
        QTest::addColumn<QString>("lignes");
        QTest::addColumn<int>("courant_apres");
        // Paste: the entry copied from row 1 goes after the selected row 3.
        QTest::newRow("coller, courant dessous") << "coller" << 1 << 3 << 5 << "1 2 3 1 4 5 6" << 6;
        QTest::newRow("coller, courant a la ligne inseree") << "coller" << 1 << 3 << 4 << "1 2 3 1 4 5 6" << 5;
        QTest::newRow("coller, courant dessus") << "coller" << 1 << 3 << 3 << "1 2 3 1 4 5 6" << 3;
        QTest::newRow("couper") << "couper" << 2 << 0 << 5 << "1 3 4 5 6" << 4;
        QTest::newRow("couper au-dessous du courant") << "couper" << 4 << 0 << 2 << "1 2 3 5 6" << 2;
        QTest::newRow("supprimer") << "supprimer" << 4 << 0 << 5 << "1 2 3 5 6" << 4;
        QTest::newRow("glisser 5 sur 2, courant glisse") << "glisser" << 5 << 2 << 5 << "1 5 2 3 4 6" << 2;
        QTest::newRow("glisser 5 sur 2, courant a la cible") << "glisser" << 5 << 2 << 2 << "1 5 2 3 4 6" << 3;
        QTest::newRow("glisser 5 sur 2, courant dessous") << "glisser" << 5 << 2 << 6 << "1 5 2 3 4 6" << 6;
        QTest::newRow("glisser 2 sur 5, courant entre") << "glisser" << 2 << 5 << 3 << "1 3 4 2 5 6" << 2;
        QTest::newRow("glisser 2 sur 5, courant glisse") << "glisser" << 2 << 5 << 2 << "1 3 4 2 5 6" << 4;
        QTest::newRow("glisser 2 sur 5, courant a la cible") << "glisser" << 2 << 5 << 5 << "1 3 4 2 5 6" << 5;
        QTest::newRow("glisser sur elle-meme") << "glisser" << 3 << 3 << 3 << "1 2 3 4 5 6" << 3;
        // Drops: a = insertion mode (1 before, 2 after, 3 end), b = reference row.
        QTest::newRow("gestionnaire apres 2") << "gestionnaire" << 2 << 2 << 3 << "1 2 F 3 4 5 6" << 4;
        QTest::newRow("gestionnaire avant 2") << "gestionnaire" << 1 << 2 << 2 << "1 F 2 3 4 5 6" << 3;
        QTest::newRow("gestionnaire en fin") << "gestionnaire" << 3 << 2 << 6 << "1 2 3 4 5 6 F" << 6;
        QTest::newRow("bureau avant 2") << "bureau" << 1 << 2 << 2 << "1 C B A 2 3 4 5 6" << 5;
        QTest::newRow("bureau apres 4") << "bureau" << 2 << 4 << 5 << "1 2 3 4 C B A 5 6" << 8;
        QTest::newRow("bureau apres 4, courant dessus") << "bureau" << 2 << 4 << 4 << "1 2 3 4 C B A 5 6" << 4;
        QTest::newRow("bureau apres une ligne au-dela") << "bureau" << 2 << 9 << 6 << "1 2 3 4 5 6 C B A" << 6;
        QTest::newRow("bureau en fin") << "bureau" << 3 << 1 << 6 << "1 2 3 4 5 6 C B A" << 6;
    }

    void edition() {
        QFETCH(QString, edition);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, courant);
        QFETCH(QString, lignes);
        QFETCH(int, courant_apres);
        Liste_son& l = liste(6);
        num_enreg_courant = courant;
        Repondeur r;
        // A drop from the desktop is followed by the list information update: the rows "1".."6"
        // name no file, so it counts them as unreadable, then offers to save.
        const bool bureau = edition == QLatin1String("bureau");
        if (bureau) r.attendre_message().attendre_message(boites::Non);
        if (edition == QLatin1String("coller")) {
            choisir(l, a);
            l.copier__Click();
            choisir(l, b);
            l.coller__Click();
        } else if (edition == QLatin1String("couper")) {
            choisir(l, a);
            l.Couper__Click();
            QVERIFY(l.coller_.Enabled());
        } else if (edition == QLatin1String("supprimer")) {
            choisir(l, a);
            l.supprime_Click();
            QCOMPARE(l.Label1.Caption(), QStringLiteral("Nb de morceaux : 5"));
        } else if (edition == QLatin1String("glisser")) {
            glisser(l, a, b);
        } else {
            void (Liste_son::*modes[])() = {&Liste_son::inser_avant_Click, &Liste_son::inser_apres_Click,
                                            &Liste_son::inser_fin_Click};
            (l.*modes[a - 1])();
            QCOMPARE(mode_insertion, int16_t(a));
            ligne_insertion = b;
            if (edition == QLatin1String("gestionnaire")) {
                enreg_dragdrop = enreg_liste::decoder(enreg_liste::encoder({}));
                enreg_dragdrop.chemin = QStringLiteral("/g/F.mp3");
                glisser_fichier_en_cours = Vrai;
                l.ListView1_DragDrop(0, 0);
                QCOMPARE(glisser_fichier_en_cours, Faux);
            } else {
                l.ListView1_OLEDragDrop(fichiers_bureau(dossier));
                QCOMPARE(ajout_sans_controle, Vrai);
            }
        }
        // The update after a drop from the desktop runs on a worker: its end is waited for.
        QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 60000);
        QCOMPARE(fichier(), lignes);
        QCOMPARE(num_enreg_courant, courant_apres);
        QCOMPARE(r.boites().size(), bureau ? 2 : 0);
        if (bureau) QVERIFY(r.boites()[0].texte.startsWith(QStringLiteral("Fichier(s) non mis a jour (lecture impossible) : 6")));
    }

    // The pasted row keeps the copied entry's start and end but plays at 100 %.
    void coller_garde_le_debut_et_remet_le_volume() {
        Liste_son& l = liste(3);
        choisir(l, 2);
        l.copier__Click();
        QVERIFY(l.coller_.Enabled());
        choisir(l, 3);
        l.coller__Click();
        QCOMPARE(ligne_insertion, 4);
        const TypeEnregListe e = enreg_liste::lire(programme::dossier() + QStringLiteral("liste.dfm"), 4);
        QCOMPARE(e.debut_lecture, 2.5);
        QCOMPARE(e.fin_lecture.trimmed(), QStringLiteral("200.00"));
        QCOMPARE(e.volume, int16_t(100));
        // Pasting with nothing selected is refused with the reason.
        l.ListView1.setCurrentItem(nullptr);
        Repondeur r;
        r.attendre_message();
        l.coller__Click();
        QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral("Impossible de coller !  ")));
        QCOMPARE(r.messages()[0].style, 0);
        QCOMPARE(fichier(), QStringLiteral("1 2 3 2"));
    }

    // Cutting the last row empties the list without enabling paste; row drops are refused
    // for a list held in another format.
    void couper_la_derniere_ligne_et_format_refuse() {
        Liste_son& l = liste(1);
        choisir(l, 1);
        l.Couper__Click();
        QCOMPARE(l.ListView1.ListCount(), 0);
        QVERIFY(!l.coller_.Enabled());
        QCOMPARE(fichier(), QString());

        Liste_son& m = liste(3);
        m.chemin_liste_ouverte = QStringLiteral("vieille.rfm");
        Repondeur r;
        r.attendre_message();
        glisser(m, 3, 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Sauvegarder dans format .dfm avant traitement !"));
        QCOMPARE(r.messages()[0].style, 48);
        QCOMPARE(fichier(), QStringLiteral("1 2 3"));
    }

    // Under the do-not-save option copy, cut and paste refuse; delete takes the row from the
    // view only, leaving the file and the record number alone.
    void option_ne_pas_sauver() {
        Liste_son& l = liste(4);
        num_enreg_courant = 4;
        l.a_Ne_pas_Sauve_Click();
        const QByteArray avant = fichier_liste::lire(QStringLiteral("liste.dfm"));
        Repondeur r;
        r.attendre_message().attendre_message().attendre_message();
        choisir(l, 2);
        l.copier__Click();
        l.Couper__Click();
        l.coller__Click();
        QCOMPARE(r.messages().size(), 3);
        for (const auto& m : r.messages()) QVERIFY(m.texte.startsWith(QStringLiteral("Traitement impossible")));
        QCOMPARE(l.ListView1.ListCount(), 4);
        l.supprime_Click();
        QCOMPARE(l.ListView1.ListCount(), 3);
        QCOMPARE(l.Label1.Caption(), QStringLiteral("Nb de morceaux : 3"));
        QCOMPARE(fichier_liste::lire(QStringLiteral("liste.dfm")), avant);
        // The entry on air is followed in the view, the list list play reads.
        QCOMPARE(num_enreg_courant, 3);
    }

    // The pop-up acts on the row it opened on, though the play selected another row while it
    // was open: real clicks on the list and on the menu.
    void menu_de_la_liste_sur_sa_ligne() {
        Liste_son& l = liste(3);
        QTest::mouseClick(l.ListView1.viewport(), Qt::LeftButton, {}, centre(l, 1));
        QTest::mouseClick(l.ListView1.viewport(), Qt::RightButton, {}, centre(l, 1));
        QMenu* menu = l.Load_Pl.menu();
        QTRY_VERIFY(menu->isVisible());
        choisir(l, 2);  // the chaining starts the next entry and selects its row
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(l.supprime.action()).center());
        QCOMPARE(fichier(), QStringLiteral("2 3"));
    }

    // With drag and drop off, a drop from the desktop adds nothing.
    void depot_bureau_desactive() {
        Liste_son& l = liste(2);
        glisser_deplacer_actif = Faux;
        l.ListView1_OLEDragDrop(fichiers_bureau(dossier));
        QCOMPARE(fichier(), QStringLiteral("1 2"));
        QCOMPARE(l.cursor().shape(), Qt::ArrowCursor);
        // An empty list takes dropped files at row 1 whatever the mode.
        glisser_deplacer_actif = Vrai;
        l.ListView1.Clear();
        l.inser_fin_Click();
        ligne_insertion = 7;
        l.ListView1_OLEDragDrop(fichiers_bureau(dossier).mid(0, 1));
        QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 60000);
        QCOMPARE(fichier(), QStringLiteral("A"));
        QCOMPARE(ligne_cible_insertion, 1);
    }

    // The sort asks first; confirmed sorts alternate ascending and descending and rewrite the
    // file; No changes nothing, not even the next direction. The entry on air keeps its number.
    void tri() {
        Liste_son& l = Liste_son::instance();
        for (const char* n : {"/m/b.mp3", "/m/c.mp3", "/m/a.mp3"}) l.ListView1.AddItem(QString::fromLatin1(n));
        l.sauve_tout();
        num_enreg_courant = 1;  // "b"
        Repondeur r;
        r.attendre_message(boites::Non).attendre_message(boites::Oui).attendre_message(boites::Oui);
        l.ListView1_ColumnClick(4);
        QCOMPARE(fichier(), QStringLiteral("b c a"));
        QCOMPARE(l.ordre_tri, 0);
        l.ListView1_ColumnClick(4);
        QCOMPARE(fichier(), QStringLiteral("a b c"));
        QCOMPARE(num_enreg_courant, 2);
        l.ListView1_ColumnClick(1);
        QCOMPARE(fichier(), QStringLiteral("c b a"));
        QCOMPARE(num_enreg_courant, 2);
        QCOMPARE(r.messages()[0].style, 292);
        QCOMPARE(r.messages()[0].titre, QStringLiteral("Sonavel_V5"));
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Vous allez modifier l'ordre de lecture de la liste ..\r"
                                                       "il est possible de la sauvegarder au paravent!\r"
                                                       "Continuer le trie ?"));
        // An empty list is never asked.
        l.ListView1.Clear();
        l.ListView1_ColumnClick(1);
        QCOMPARE(r.boites().size(), 3);
    }

    // The add commands open the file manager in their mode; a folder that no longer exists
    // resets the setting to the program folder instead.
    void commandes_ajout() {
        Liste_son& l = Liste_son::instance();
        Chemin_dernier_fichier = dossier.path();
        l.ajout_fich_Click();
        ajout_fichier& a = ajout_fichier::instance();
        QVERIFY(a.isVisible());
        QCOMPARE(a.Label7.Caption(), QStringLiteral("Ajouter un fichier"));
        QCOMPARE(a.Dir1.Path(), dossier.path());
        a.hide();
        Chemin_dossier_jingles = dossier.filePath(QStringLiteral("parti"));
        l.ajout_jingl_Click();
        QVERIFY(!a.isVisible());
        QCOMPARE(Chemin_dossier_jingles, programme::dossier());
        QCOMPARE(lire_reglage("Config", "Chemin_dossier_jingles"), programme::dossier());
    }

    // A file added from the file manager goes in after the row in hand ("Insérer après
    // l'élément sélectionné", the default); the entry on air keeps its number pointing at it.
    void ajout_par_le_gestionnaire() {
        Liste_son& l = liste(3);
        fichiers_bureau(dossier);
        Chemin_dernier_fichier = dossier.path();
        l.ajout_fich_Click();
        ajout_fichier& a = ajout_fichier::instance();
        const QList<QListWidgetItem*> b = a.File1.findItems(QStringLiteral("B.mp3"), Qt::MatchExactly);
        QVERIFY(!b.isEmpty());
        a.File1.setListIndex(a.File1.row(b[0]));
        a.File1_Click();
        ligne_insertion = 2;
        num_enreg_courant = 3;
        a.Label7_Click();
        QCOMPARE(fichier(), QStringLiteral("1 2 B 3"));
        QCOMPARE(num_enreg_courant, 4);
    }
};

SONAVEL_TEST_MAIN(TestEditionListe)
#include "test_edition_liste.moc"
