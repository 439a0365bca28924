// The tag panel of the file manager: genre names and numbers, edits written into generated
// MP3s and read back, refused and failed writes, the defaults and field buttons, the mask file.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "config/etat.h"
#include "filemanager/ini_masque.h"
#include "platform/programme.h"
#include "support/fixtures.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "tags/TypeTagV1.h"
#include "windows/ajout_fichier.h"

namespace {
QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
}  // namespace

class TestEditeurTag : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    int m_n = 0;

    // The file manager showing a fresh folder with one file, selected.
    ajout_fichier& avec_fichier(const QString& nom, const QString& source) {
        const QString d = m_dir.path() + QStringLiteral("/d%1").arg(++m_n);
        QDir().mkpath(d);
        QFile::copy(source, d + QLatin1Char('/') + nom);
        ajout_fichier& a = ajout_fichier::instance();
        a.Combo1.setText(QStringLiteral("*.*"));
        a.Combo1_Change();
        a.Dir1.setPath(d);
        a.File1.setListIndex(0);
        return a;
    }
    static QString chemin(ajout_fichier& a) { return a.dossier_courant() + a.File1.FileName(); }

private slots:
    void init() { sonavel_test::nouveau_programme(); }

    void noms_de_genre() {
        QCOMPARE(ajout_fichier::nom_genre(0), QStringLiteral("Divers"));
        QCOMPARE(ajout_fichier::nom_genre(6), QStringLiteral("Jingles"));
        QCOMPARE(ajout_fichier::nom_genre(147), QStringLiteral("Divers_autres"));
        for (int16_t n : {int16_t(148), int16_t(255), int16_t(-1)}) QCOMPARE(ajout_fichier::nom_genre(n), QString());
        // Every name comes back to its number, in any case; the window's list holds them in order.
        ajout_fichier& a = ajout_fichier::instance();
        QCOMPARE(a.Combo2.ListCount(), 148);
        for (int16_t n = 0; n < 148; ++n) {
            const QString nom = ajout_fichier::nom_genre(n);
            QCOMPARE(a.Combo2.List(n), nom);
            QCOMPARE(ajout_fichier::numero_genre(nom.toLower()), n);
            QCOMPARE(ajout_fichier::numero_genre(nom.toUpper()), n);
        }
    }

    void numeros_de_genre_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("numero");
        QTest::newRow("(12)") << "(12)" << 12;
        QTest::newRow("(1 7)") << "(1 7)" << 17;
        QTest::newRow("((12)") << "((12)" << 255;
        QTest::newRow("(x)") << "(x)" << 0;
        QTest::newRow("(200) unchecked") << "(200)" << 200;
        QTest::newRow("147") << "147" << 147;
        QTest::newRow("148") << "148" << 255;
        QTest::newRow("12abc") << "12abc" << 12;
        QTest::newRow("abc") << "abc" << 255;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("leading blank") << " Rock" << 255;
        QTest::newRow("Drum Solo") << "Drum Solo" << 122;
        QTest::newRow("soul") << "SOUL" << 42;
    }
    void numeros_de_genre() {
        QFETCH(QString, texte);
        QFETCH(int, numero);
        QCOMPARE(int(ajout_fichier::numero_genre(texte)), numero);
    }

    void genre_hors_16_bits() {
        QCOMPARE(sonavel_test::erreur_de([] { ajout_fichier::numero_genre(QStringLiteral("(99999)")); }), 6);
    }

    // Texts longer than their boxes show their start once a click on the file loaded them.
    void textes_longs_lus_depuis_le_debut() {
        ajout_fichier& a = avec_fichier(QStringLiteral("long.mp3"), fixtures::mp3(1));
        a.show();
        const QString longue = QStringLiteral("Début d'un texte trop long");  // within the tag's 28
        const QList<TextBox*> boites{&a.txtv1Titre, &a.txtv1Artiste, &a.txtv1Album, &a.txtv1Commentaire};
        for (TextBox* t : boites) t->setText(longue);
        a.cmdv1v2_Click();
        for (TextBox* t : boites) t->clear();
        QTest::mouseClick(a.File1.viewport(), Qt::LeftButton, {}, a.File1.visualItemRect(a.File1.item(0)).center());
        for (TextBox* t : boites) {
            QCOMPARE(t->Text(), longue);
            const QImage vu = t->grab().toImage();
            t->end(false);
            QVERIFY2(t->grab().toImage() != vu, "the text fits its box: nothing to show");
            t->home(false);
            QVERIFY(t->grab().toImage() == vu);
        }
    }

    void modification_relue() {
        ajout_fichier& a = avec_fichier(QStringLiteral("chanson.mp3"), fixtures::mp3(1));
        a.File1_Click();
        // An untagged file: empty fields, empty genre.
        QCOMPARE(a.txtv1Titre.Text(), QString());
        QCOMPARE(a.Combo2.Text(), QString());
        QCOMPARE(Radio::genre_fichier, QString());

        a.txtv1Titre.setText(QStringLiteral("Été indien"));
        a.txtv1Artiste.setText(QStringLiteral("Joe"));
        a.txtv1Album.setText(QStringLiteral("Album ??"));
        a.txtv1Annee.setText(QStringLiteral("1975"));
        a.txtv1Piste.setText(QStringLiteral("7"));
        a.txtv1Commentaire.setText(QStringLiteral("remarque"));
        a.Combo2.setText(QStringLiteral("rock"));
        a.cmdv1v2_Click();  // no box: it worked

        for (QLineEdit* t : {static_cast<QLineEdit*>(&a.txtv1Titre), static_cast<QLineEdit*>(&a.txtv1Piste)}) t->clear();
        a.loadtags(chemin(a));
        QCOMPARE(a.txtv1Titre.Text(), QStringLiteral("Été indien"));
        QCOMPARE(a.txtv1Artiste.Text(), QStringLiteral("Joe"));
        QCOMPARE(a.txtv1Album.Text(), QStringLiteral("Album ??"));
        QCOMPARE(a.txtv1Annee.Text(), QStringLiteral("1975"));
        QCOMPARE(a.txtv1Piste.Text(), QStringLiteral("7"));
        QCOMPARE(a.txtv1Commentaire.Text(), QStringLiteral("remarque"));
        QCOMPARE(a.Combo2.Text(), QStringLiteral("Rock"));
        QCOMPARE(Radio::genre_fichier, QStringLiteral("Rock"));

        // An empty track box stores 0, shown empty.
        a.txtv1Piste.clear();
        a.cmdv1v2_Click();
        a.txtv1Piste.setText(QStringLiteral("x"));
        a.loadtags(chemin(a));
        QCOMPARE(a.txtv1Piste.Text(), QString());
        QCOMPARE(a.txtv1Titre.Text(), QStringLiteral("Été indien"));
    }

    void ecriture_refusee_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("piste");
        QTest::addColumn<bool>("lecture_seule");
        QTest::newRow("read-only file") << "protege.mp3" << "1" << true;
        QTest::newRow("not an mp3") << "son.wav" << "1" << false;
        QTest::newRow("track past a byte") << "piste.mp3" << "300" << false;
        QTest::newRow("track not a number") << "piste2.mp3" << "a" << false;
    }
    void ecriture_refusee() {
        QFETCH(QString, nom);
        QFETCH(QString, piste);
        QFETCH(bool, lecture_seule);
        ajout_fichier& a = avec_fichier(nom, fixtures::mp3(1));
        const QString c = chemin(a);
        if (lecture_seule) QFile::setPermissions(c, QFile::ReadOwner | QFile::ReadGroup);
        const QByteArray avant = contenu(c);
        a.txtv1Titre.setText(QStringLiteral("Titre"));
        a.txtv1Piste.setText(piste);
        Repondeur r;
        r.attendre_message();
        a.cmdv1v2_Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("une erreur est survenue lors de l'attribution des tags "));
        QCOMPARE(r.messages()[0].style, 16);
        QCOMPARE(contenu(c), avant);
    }

    void artiste_et_commentaire_par_defaut() {
        ajout_fichier& a = ajout_fichier::instance();
        Repondeur r;
        r.attendre_saisie(QStringLiteral("Moi"));
        a.Command10_Click();
        QCOMPARE(r.boites()[0].texte, QStringLiteral("Nom de l'artiste par défaut\rEntrez le nom\n\r\n\rpour cette session "));
        QCOMPARE(r.boites()[0].titre, QStringLiteral("Nom de l'artiste"));
        a.txtv1Artiste.clear();
        a.Command10_Click();  // no second question
        QCOMPARE(a.txtv1Artiste.Text(), QStringLiteral("Moi"));
        a.Command8_Click();
        QCOMPARE(a.txtv1Artiste.Text(), QStringLiteral("Moi"));
        r.attendre_annulation();
        a.Command10_Click();
        QCOMPARE(a.txtv1Artiste.Text(), QString());
        QCOMPARE(r.boites().size(), 2);

        r.attendre_saisie(QStringLiteral("Sonavel - lecteur multimedia"));
        a.Command11_Click();
        QCOMPARE(r.boites()[2].defaut, QStringLiteral("Sonavel - lecteur multimedia"));
        QCOMPARE(a.txtv1Commentaire.Text(), QStringLiteral("Sonavel - lecteur multimedia"));
    }

    void boutons_de_champ() {
        ajout_fichier& a = avec_fichier(QStringLiteral("song.mp3"), fixtures::mp3(1));
        a.Command7_Click();
        QCOMPARE(a.txtv1Titre.Text(), QStringLiteral("song"));
        QCOMPARE(a.txtv1Artiste.Text(), QStringLiteral("song"));
        ajout_fichier& b = avec_fichier(QStringLiteral("a.b"), fixtures::mp3(1));
        b.Combo1.setText(QStringLiteral("*.b"));
        b.Combo1_Change();
        b.File1.setListIndex(0);
        b.Command7_Click();  // too short a name: unchanged
        QCOMPARE(b.txtv1Titre.Text(), QStringLiteral("song"));
        a.txtv1Album_DragDrop();
        QCOMPARE(a.txtv1Album.Text(), a.Dir1.Path());
        a.Command4_Click();
        QCOMPARE(a.Width(), 6690);
    }

    void fichier_de_masque() {
        ajout_fichier& a = ajout_fichier::instance();
        QVERIFY(a.Command6.isEnabled());
        a.txtmasque.setText(QStringLiteral("%titre% - %artiste%"));
        Repondeur r;
        r.attendre_message();
        a.Command6_Click();
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Sauvegarde Ok !"));
        QCOMPARE(r.messages()[0].style, 64);
        QVERIFY(!a.Command6.isEnabled());
        const QString ini = programme::dossier() + QStringLiteral("radio_fm_tag.ini");
        QCOMPARE(contenu(ini), QByteArray("[global]\r\nmasque=%titre% - %artiste%\r\n"));

        // A second key keeps the first; the file is found in any case at the next load.
        QVERIFY(!Module2::ecrire_ini(ini, QStringLiteral("GLOBAL"), QStringLiteral("autre"), QStringLiteral("x")).isEmpty());
        QCOMPARE(contenu(ini), QByteArray("[global]\r\nmasque=%titre% - %artiste%\r\nautre=x\r\n"));
        // Lines left unchanged keep their bytes, an older file's Windows-1252 included.
        {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::Append));
            f.write("auteur=Ren\xe9\r\n");
        }
        QVERIFY(!Module2::ecrire_ini(ini, QStringLiteral("global"), QStringLiteral("autre"), QStringLiteral("été")).isEmpty());
        QCOMPARE(contenu(ini), QByteArray("[global]\r\nmasque=%titre% - %artiste%\r\nautre=\xc3\xa9t\xc3\xa9\r\n"
                                          "auteur=Ren\xe9\r\n"));
        // Line by line, not by decoded text: lines with a NUL decode alike (to what comes before
        // it) and each keeps its own bytes.
        const QByteArray avec_nul("\0itre%n\r\n\r\nx\0y\r\nx\0z\r\n", 21);
        {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::Append));
            f.write(avec_nul);
        }
        QVERIFY(!Module2::ecrire_ini(ini, QStringLiteral("global"), QStringLiteral("autre"), QStringLiteral("y")).isEmpty());
        QCOMPARE(contenu(ini), QByteArray("[global]\r\nmasque=%titre% - %artiste%\r\nautre=y\r\n"
                                          "auteur=Ren\xe9\r\n") + avec_nul);
        QFile::rename(ini, programme::dossier() + QStringLiteral("Radio_FM_TAG.INI"));
        ajout_fichier::decharger();
        QVERIFY(!ajout_fichier::instance().Command6.isEnabled());

        r.attendre_message();
        QCOMPARE(Module2::ecrire_ini(m_dir.path() + QStringLiteral("/absent/m.ini"), QStringLiteral("global"),
                                     QStringLiteral("masque"), QStringLiteral("x")),
                 QString());
        QCOMPARE(r.messages()[1].texte, QStringLiteral("erreur lors de l'écriture"));
        QCOMPARE(r.messages()[1].style, 16);
    }
};

SONAVEL_TEST_MAIN(TestEditeurTag)
#include "test_editeur_tag.moc"
