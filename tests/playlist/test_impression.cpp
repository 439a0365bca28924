// The print window: a list file's paths in the rich-text box, the format check, printing to
// a PDF file (whole text, selection, cancelled dialogs), saving as RTF, closing.
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include "config/etat.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "platform/rtf.h"
#include "playlist/enregistrement_liste.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/impression.h"

using namespace Radio;

namespace {
QByteArray liste_de(const QStringList& chemins) {
    QByteArray b;
    for (const QString& c : chemins) {
        TypeEnregListe e;
        e.chemin = c;
        b += enreg_liste::encoder(e);
    }
    return b;
}

QString texte_pdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

const QString Pret = QStringLiteral(
    "Le fichier est pret a etre imprimé\n\r\n\rIl est possible également avant l'impréssion,\rDe formater le "
    "texte ,\rChanger la police de caractère ,\rOu bien y ajouter ou insérer une image.");
const QStringList Chemins{"/musique/un.mp3", "/musique/deux été.mp3", "/musique/trois.wav"};
}  // namespace

class TestImpression : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_liste;

    // The window shown by the playlist window's command, for the list set beforehand.
    impression& ouvrir(const QString& liste) {
        fichier_impression = liste;
        Repondeur r;
        r.attendre_message();
        Liste_son::instance().A_imprime_Click();
        return impression::instance();
    }

private slots:
    void initTestCase() {
        m_liste = m_dir.filePath(QStringLiteral("soir.dfm"));
        fichiers::reecrire_fichier(m_liste, liste_de(Chemins));
    }
    void init() { sonavel_test::nouveau_programme(); }

    // A list set by the playlist window: the program's name, then one path a line, without
    // the header of a file chosen here; the window is not modal.
    void liste_de_la_fenetre_liste() {
        fichier_impression = m_liste;
        Repondeur r;
        r.attendre_message();
        Liste_son::instance().A_imprime_Click();
        QCOMPARE(r.messages()[0].texte, Pret);
        QCOMPARE(r.messages()[0].style, 64);
        impression& f = impression::instance();
        QVERIFY(f.isVisible());
        QVERIFY(!f.isModal());
        QCOMPARE(f.Caption(), QStringLiteral("Impression"));
        QCOMPARE(f.RichTextBox1.toPlainText(), QStringLiteral("Sonavel_V5\n\n") + Chemins.join('\n') + '\n');
        QVERIFY(f.cursor().shape() != Qt::BusyCursor);
    }

    // A name that does not end in "dfm" exactly is refused, upper case included.
    void mauvais_format() {
        const QString majuscules = m_dir.filePath(QStringLiteral("MAJ.DFM"));
        QFile::copy(m_liste, majuscules);
        Repondeur r;
        r.attendre_message();
        impression& f = ouvrir_sans_attente(majuscules);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Mauvais format de fichier !"));
        QCOMPARE(r.messages()[0].style, 48);
        QCOMPARE(f.RichTextBox1.toPlainText(), QStringLiteral("Sonavel_V5\n\n"));
    }

    // With no list set the window asks for one: its header, then the paths; a name chosen here
    // counts in lower case. After "Effacer tout", "Ouvrir" asks again; a cancel then closes
    // the window, which empties the list name.
    void choix_du_fichier_puis_effacer() {
        const QString choisi = m_dir.filePath(QStringLiteral("Choisi.DFM"));
        QFile::copy(m_liste, choisi);
        Repondeur r;
        r.attendre_fichier(choisi).attendre_message();
        impression& f = ouvrir_sans_attente(QString());
        QCOMPARE(r.boites()[0].titre, QStringLiteral("Rechercher un fichier"));
        QCOMPARE(r.boites()[0].filtre, QStringLiteral("fichier (*.dfm)|*.dfm"));
        const QStringList lignes = f.RichTextBox1.toPlainText().split('\n');
        QCOMPARE(lignes.mid(0, 3), (QStringList{"Sonavel_V5", "", "Fichier " + choisi}));
        QVERIFY(lignes[3].startsWith(QStringLiteral("Fichier crée le ")));
        QVERIFY(lignes[3].contains(QStringLiteral(" a : ")));
        QCOMPARE(lignes.mid(5, 3), Chemins);
        QCOMPARE(r.messages()[0].texte, Pret);

        f.tout.choisir();
        QVERIFY(f.RichTextBox1.toPlainText().isEmpty());
        QVERIFY(fichier_impression.isEmpty());
        r.attendre_annulation();
        f.imprime_moteur.choisir();
        QCOMPARE(r.boites().last().titre, QStringLiteral("Rechercher un fichier"));
        QVERIFY(f.fermeture_demandee() && f.isHidden());
        QApplication::processEvents();
        QVERIFY(!impression::existe());
    }

    // Printing to a PDF file: everything, then the selection; a cancelled dialog prints
    // nothing. "Imprimer la page" empties the list name, "Imprimer la sélection" keeps it.
    void impression_pdf() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
        impression& f = ouvrir(m_liste);
        const QString pdf = m_dir.filePath(QStringLiteral("page.pdf"));
        Repondeur r;
        r.attendre_impression(pdf);
        f.imp_page.choisir();
        QCOMPARE(r.boites().last().flags, 264);
        QString texte = texte_pdf(pdf);
        for (const QString& c : Chemins) QVERIFY2(texte.contains(c), qPrintable(texte));
        QVERIFY(texte.contains(QStringLiteral("Sonavel_V5")));
        QVERIFY(fichier_impression.isEmpty());

        fichier_impression = m_liste;
        QTextCursor c(f.RichTextBox1.document()->findBlockByNumber(3));
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        f.RichTextBox1.setTextCursor(c);
        QFile::remove(pdf);
        r.attendre_impression(pdf);
        f.imp_select.choisir();
        QCOMPARE(r.boites().last().flags, 265);
        texte = texte_pdf(pdf);
        QVERIFY2(texte.contains(Chemins[1]), qPrintable(texte));
        QVERIFY2(!texte.contains(Chemins[0]) && !texte.contains(QStringLiteral("Sonavel_V5")), qPrintable(texte));
        QCOMPARE(fichier_impression, m_liste);

        // Cancelled: nothing printed. Once "Imprimer la sélection" has run, a cancel is an
        // error the window reports.
        QFile::remove(pdf);
        r.attendre_annulation().attendre_message();
        f.imp_page.choisir();
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(r.messages().last().style, 64);
        QCOMPARE(r.messages().last().texte, Erreur(err::Annulation).description());
    }

    void annulation_de_la_page_sans_message() {
        impression& f = ouvrir(m_liste);
        const QString pdf = m_dir.filePath(QStringLiteral("rien.pdf"));
        Repondeur r;
        r.attendre_annulation();
        f.imp_page.choisir();
        QCOMPARE(r.boites().size(), 1);
        QVERIFY(!QFile::exists(pdf));
    }

    // Saved as RTF, read back the same; the date goes at the end, each time it is asked.
    void enregistrer_et_date() {
        impression& f = ouvrir(m_liste);
        f.dat.choisir();
        f.dat.choisir();
        const QString date = QLocale().toString(QDate::currentDate(), QStringLiteral("dddd, dd MMMM yyyy"));
        QVERIFY(f.RichTextBox1.toPlainText().endsWith(Chemins[2] + '\n' + date + date));
        const QString rtf = m_dir.filePath(QStringLiteral("liste.rtf"));
        Repondeur r;
        r.attendre_fichier(rtf);
        f.enregistre.choisir();
        QCOMPARE(r.boites()[0].genre, boites::Genre::Enregistrer);
        QCOMPARE(r.boites()[0].titre, QStringLiteral("Enregistrer sous un fichier"));
        QCOMPARE(r.boites()[0].filtre, QStringLiteral("fichier (*.rtf)|*.rtf"));
        const QByteArray octets = fichiers::lire_fichier(rtf);
        QVERIFY(rtf::est_rtf(octets));
        QTextDocument relu;
        rtf::lire(octets, relu);
        QCOMPARE(relu.toPlainText(), f.RichTextBox1.toPlainText());
        // The dialogs opened after it show their own titles, not the save's.
        r.attendre_impression(m_dir.filePath(QStringLiteral("page.pdf"))).attendre_annulation();
        f.imp_page.choisir();
        f.ajout_img.choisir();
        QCOMPARE(r.boites().size(), 3);
        QCOMPARE(r.boites()[1].genre, boites::Genre::Imprimante);
        QCOMPARE(r.boites()[1].titre, QStringLiteral("Imprimer"));
        QCOMPARE(r.boites()[2].genre, boites::Genre::Ouvrir);
        QCOMPARE(r.boites()[2].titre, QStringLiteral("Ouvrir"));
    }

    // Esc closes the window and forgets the list.
    void echap() {
        impression& f = ouvrir(m_liste);
        QTest::keyClick(&f.RichTextBox1, Qt::Key_Escape);
        QVERIFY(f.isHidden());
        QApplication::processEvents();
        QVERIFY(!impression::existe());
        QVERIFY(fichier_impression.isEmpty());
    }

private:
    impression& ouvrir_sans_attente(const QString& liste) {
        fichier_impression = liste;
        Liste_son::instance().A_imprime_Click();
        return impression::instance();
    }
};

SONAVEL_TEST_MAIN(TestImpression)
#include "test_impression.moc"
