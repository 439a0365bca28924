// The disk search over generated folder trees: what it inserts into the playlist and in which
// order, the count, the stop, links and unreadable folders, and the most rows it takes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "config/etat.h"
#include "platform/programme.h"
#include "platform/travail.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/ajout_fichier.h"

using namespace Radio;

namespace {
void creer(const QString& chemin) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
// The search runs on a worker: its end, and the list update it starts, are waited for.
void attendre_la_fin() { QTRY_VERIFY_WITH_TIMEOUT(travail::en_cours() == 0, 60000); }
QStringList lignes() {
    const ListView& v = Liste_son::instance().ListView1;
    QStringList r;
    for (int i = 1; i <= v.ListCount(); ++i) r << v.ListItem(i)->text(0);
    return r;
}
}  // namespace

class TestRecherche : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_racine;

    QString p(const QString& relatif) const { return m_racine + QLatin1Char('/') + relatif; }
    // The file manager in search mode, showing the root of the tree.
    ajout_fichier& en_recherche() {
        ajout_fichier& a = ajout_fichier::instance();
        a.Combo1.setText(QStringLiteral("*.mp3"));
        a.Combo1_Change();
        a.Combo2.setText(QStringLiteral("Jazz"));
        a.Label7.setCaption(QStringLiteral("Rechercher"));
        a.Dir1.setPath(m_racine);
        a.show();
        return a;
    }

private slots:
    void init() {
        sonavel_test::nouveau_programme();
        m_tmp = std::make_unique<QTemporaryDir>();
        m_racine = QDir(m_tmp->path()).canonicalPath() + QStringLiteral("/racine");
        // Folders listed A, b (without regard to case); a link back to the root and a link
        // to a folder elsewhere are not followed.
        for (const char* f : {"z.mp3", "A.MP3", "notes.txt", "A/a1.mp3", "A/Sous/s.mp3", "A/Sous/s.wav", "b/b2.mp3",
                              "b/B1.mp3", "vide/.keep"})
            creer(p(QString::fromUtf8(f)));
        QFile::link(m_racine, p(QStringLiteral("A/boucle")));
        creer(m_tmp->filePath(QStringLiteral("ailleurs/x.mp3")));
        QFile::link(m_tmp->filePath(QStringLiteral("ailleurs")), p(QStringLiteral("lien")));
    }
    void cleanup() {
        QFile::setPermissions(p(QStringLiteral("b")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        sonavel_test::nouveau_programme();
    }

    void recherche_de_l_arbre() {
        ajout_fichier& a = en_recherche();
        // A refusal left by an earlier selection does not hide the matches.
        a.fichier_illisible = Vrai;
        // The files are empty: the list update that follows the search leaves their rows as
        // found, says how many it could not read, then offers to save.
        Repondeur r;
        r.attendre_message().attendre_message().attendre_message(boites::Non);
        a.Label7_Click();
        attendre_la_fin();
        // Walk: b (last listed) then A, each deepest first, a folder's files after its
        // folders, the root's last; every row goes in at row 1, so the list is the reverse.
        QCOMPARE(lignes(), (QStringList{p("z.mp3"), p("A.MP3"), p("A/a1.mp3"), p("A/Sous/s.mp3"), p("b/b2.mp3"),
                                        p("b/B1.mp3")}));
        const QTreeWidgetItem* l = Liste_son::instance().ListView1.ListItem(3);
        QCOMPARE((QStringList{l->text(1), l->text(2), l->text(3), l->text(4), l->text(5)}),
                 (QStringList{"0.10", "0", "Jazz", "100", "X"}));
        QCOMPARE(a.Label3.Caption(), QStringLiteral("Nb de Fichier(s) trouvé(s) : 6"));
        QCOMPARE(a.Label7.Caption(), QStringLiteral("Réinitialiser"));
        QCOMPARE(a.Label6.Caption(), QStringLiteral("Fermer"));
        QCOMPARE(a.Label2.Caption(), QStringLiteral("Recherche terminée"));
        QCOMPARE(nb_fichiers_trouves, int16_t(0));
        QCOMPARE(maj_sans_prechargement, Vrai);
        QVERIFY(!a.isVisible() && !a.File1.isHidden() && !a.Dir1.isHidden());
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Mise a jour de la liste ! Patientez SVP !"));
        QVERIFY(r.messages()[1].texte.startsWith(QStringLiteral("Fichier(s) non mis a jour (lecture impossible) : 6")));
        QCOMPARE(r.messages()[2].texte, QStringLiteral("Sauvegarder la liste ?"));
        QCOMPARE(QFileInfo(programme::dossier() + QStringLiteral("liste.dfm")).size(), 6 * 418);

        // "Réinitialiser" gives the panel back.
        a.Label7_Click();
        QCOMPARE(a.Label7.Caption(), QStringLiteral("Rechercher"));
        QCOMPARE(a.Label2.Caption(), QStringLiteral("Traitement en cours patientez !"));
        QCOMPARE(a.recherche_active, Faux);
    }

    void premier_appui_ouvre_le_dossier_choisi() {
        ajout_fichier& a = en_recherche();
        a.Dir1.setListIndex(0);  // "A", highlighted
        a.Label7_Click();
        QCOMPARE(a.Dir1.Path(), p("A"));
        QCOMPARE(Liste_son::instance().ListView1.ListCount(), 0);
        Repondeur r;
        r.attendre_message().attendre_message().attendre_message(boites::Non);
        a.Label7_Click();
        attendre_la_fin();
        QCOMPARE(lignes(), (QStringList{p("A/a1.mp3"), p("A/Sous/s.mp3")}));
    }

    void insertion_a_la_ligne_choisie() {
        ListView& v = Liste_son::instance().ListView1;
        v.AddItem(QStringLiteral("premier"));
        v.AddItem(QStringLiteral("second"));
        ligne_insertion = 2;
        ajout_fichier& a = en_recherche();
        a.Dir1.setPath(p("b"));
        Repondeur r;
        r.attendre_message().attendre_message().attendre_message(boites::Non);
        a.Label7_Click();
        attendre_la_fin();
        QCOMPARE(lignes(), (QStringList{"premier", p("b/b2.mp3"), p("b/B1.mp3"), "second"}));
    }

    void annuler_arrete_la_recherche() {
        ajout_fichier& a = en_recherche();
        Repondeur r;
        r.attendre_message();
        a.Label7_Click();
        // "Annuler" pressed before any result came back: nothing goes in.
        QCOMPARE(a.Label6.Caption(), QStringLiteral("Annuler"));
        QTest::mouseClick(&a.Label6, Qt::LeftButton);
        attendre_la_fin();
        QCOMPARE(Liste_son::instance().ListView1.ListCount(), 0);
        QCOMPARE(a.recherche_active, Faux);
        QCOMPARE(a.Label7.Caption(), QStringLiteral("Réinitialiser"));
        QCOMPARE(r.messages().size(), 1);
    }

    void dossier_illisible_signale_une_fois() {
        ajout_fichier& a = en_recherche();
        QFile::setPermissions(p(QStringLiteral("b")), QFileDevice::Permissions());
        Repondeur r;
        r.attendre_message().attendre_message().attendre_message().attendre_message(boites::Non);
        a.Label7_Click();
        attendre_la_fin();
        QCOMPARE(r.messages().size(), 4);
        QVERIFY(r.messages()[0].texte.endsWith(p("b")));
        QCOMPARE(r.messages()[0].style, 0);
        QCOMPARE(lignes(), (QStringList{p("z.mp3"), p("A.MP3"), p("A/a1.mp3"), p("A/Sous/s.mp3")}));
    }

    void au_plus_32767_lignes() {
        ajout_fichier& a = en_recherche();
        nb_fichiers_trouves = 32765;
        Repondeur r;
        r.attendre_message().attendre_message().attendre_message().attendre_message(boites::Non);
        a.Label7_Click();
        attendre_la_fin();
        QCOMPARE(r.messages()[0].texte, QStringLiteral("La zone de liste est remplie. Recherche abandonnée..."));
        // The two rows that fitted are the first two found; the levels above add nothing.
        QCOMPARE(lignes(), (QStringList{p("b/b2.mp3"), p("b/B1.mp3")}));
        QCOMPARE(a.recherche_active, Faux);
    }
};

SONAVEL_TEST_MAIN(TestRecherche)
#include "test_recherche.moc"
