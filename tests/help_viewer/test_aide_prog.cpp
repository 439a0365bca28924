// The help viewer: colours from the shared settings, load and save of the help file, the
// pop-up menu's commands, printing, and the built-in help text.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTimer>
#include <unistd.h>
#include <utime.h>

#include "help_viewer/aide_prog.h"
#include "platform/conversions.h"
#include "platform/couleurs.h"
#include "platform/programme.h"
#include "platform/reglages.h"
#include "platform/rtf.h"
#include "support/petit_disque.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"

namespace {

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

QByteArray png(int l, int h, QColor couleur) {
    QImage image(l, h, QImage::Format_RGB32);
    image.fill(couleur);
    QByteArray octets;
    QBuffer b(&octets);
    b.open(QIODevice::WriteOnly);
    image.save(&b, "PNG");
    return octets;
}

// A formatted help file: a bold red title, a centred paragraph, a picture.
QByteArray fichier_mis_en_forme() {
    return "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 DejaVu Sans;}}{\\colortbl;\\red200\\green0\\blue0;}"
           "\\pard\\ql{\\f0\\fs36\\b\\cf1 Titre d'aide}\\par\\pard\\qc{\\f0\\fs20 Texte centr\\'e9 }"
           "{\\pict\\pngblip\\picwgoal150\\pichgoal150 " +
           png(10, 10, Qt::blue).toHex() + "}\\par\\pard{\\f0\\fs20\\i Notes}}";
}

QString texte_pdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Makes a folder unwritable, even for root (immutable attribute); false when that cannot be done.
bool proteger(const QString& dossier, bool oui) {
    if (geteuid() != 0) {
        QFile::setPermissions(dossier, oui ? QFile::ReadOwner | QFile::ExeOwner
                                           : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else {
        QProcess p;
        p.start(QStringLiteral("chattr"), {oui ? "+i" : "-i", dossier});
        if (!p.waitForFinished(10000) || p.exitCode() != 0) return false;
    }
    QFile essai(dossier + "/essai");
    const bool ecrit = essai.open(QIODevice::WriteOnly);
    if (ecrit) essai.remove();
    return oui ? !ecrit : ecrit;
}

}  // namespace

class TestAideProg : public QObject {
    Q_OBJECT
    int m_fins = 0;

private slots:
    void init() {
        sonavel_test::nouveau_programme();
        QFile::remove(aide_prog::chemin_aide());
        aide_prog::App = aide_prog::Application{};
        m_fins = 0;
        aide_prog::fin_programme = [this] { ++m_fins; };
        rt::definir_horloge({});
    }
    void cleanup() { aide_prog::decharger(); }

    void couleurs_du_theme_et_fichier_charge() {
        reglages::ecrire("Sonavel V5", "Couleur_liste", "coul_texte_liste", "255");
        reglages::ecrire("Sonavel V5", "Couleur_liste", "coul_label", "65280");
        reglages::ecrire("Sonavel V5", "Couleur_liste", "coul_fond_liste", "16711680");
        reglages::ecrire("Sonavel V5", "Couleur_liste", "coul_fenètre", "8421504");
        reglages::ecrire("Sonavel V5", "Couleur_liste", "coul_bouton", "12632256");
        ecrire(aide_prog::chemin_aide(), fichier_mis_en_forme());
        aide_prog& a = aide_prog::instance();
        QCOMPARE(a.windowTitle(), QStringLiteral("Aide programme Sonavel V5"));
        QCOMPARE(a.HLBSoftBttn1.Caption(), QStringLiteral("Créer ou mettre a jour l'aide (la mise en forme est perdu)"));
        QCOMPARE(a.Command2.BackColor(), 12632256);
        QCOMPARE(a.HLBSoftBttn1.BackColor(), 12632256);
        QCOMPARE(a.RichTextBox1.palette().color(QPalette::Base), QColor(0, 0, 255));
        QCOMPARE(a.RichTextBox1.palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(a.Label1.BackColor(), 8421504);
        QCOMPARE(a.Label2.ForeColor(), 255);
        QCOMPARE(a.RichTextBox1.toPlainText(), QStringLiteral("Titre d'aide\nTexte centré \ufffc\nNotes"));
        // The "Fermer" link lights up under the pointer and goes back over the window.
        a.Label2_MouseMove(0, 0, 1, 1);
        QCOMPARE(a.Label2.ForeColor(), 65280 + 18000);
        a.Form_MouseMove(0, 0, 1, 1);
        QCOMPARE(a.Label2.ForeColor(), 65280);
        const QStringList menu{"Effacer tout", "Insérer la date", "Ajouter une image",
                               "Modifier la police de la sélection", "Modifier la couleur de la sélection", "",
                               "Imprimer la sélection", "Imprimer la page"};
        QStringList vu;
        for (QAction* action : a.menu_text.menu()->actions()) vu << action->text();
        QCOMPARE(vu, menu);
    }

    void sans_couleurs_ni_fichier() {
        reglages::ecrire("Sonavel V5", "Couleur_liste", "coul_bouton", "pas un nombre");
        reglages::ecrire("Sonavel V5", "Couleur_liste", "coul_label", "2147483647");
        Repondeur r;
        r.attendre_message();
        aide_prog& a = aide_prog::instance();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].style, 48);
        QVERIFY(!r.messages()[0].texte.isEmpty());
        QCOMPARE(a.RichTextBox1.toPlainText(), QString());
        const int32_t lien = a.Label2.ForeColor();
        a.Label2_MouseMove(0, 0, 1, 1);  // past 32 bits: the link keeps its colour
        QCOMPARE(a.Label2.ForeColor(), lien);
        // The next save creates the file.
        QTest::keyClick(&a.RichTextBox1, Qt::Key_Escape);
        QVERIFY(rtf::est_rtf(contenu(aide_prog::chemin_aide())));
        QCOMPARE(m_fins, 1);
    }

    // Formatting and pictures survive an edit, Esc and a restart.
    void mise_en_forme_conservee_apres_edition_echap_et_redemarrage() {
        ecrire(aide_prog::chemin_aide(), fichier_mis_en_forme());
        aide_prog& a = aide_prog::instance();
        a.RichTextBox1.moveCursor(QTextCursor::End);
        a.RichTextBox1.insertPlainText(QStringLiteral(" ajoutées"));
        const QByteArray avant = a.RichTextBox1.TextRTF();
        QTest::keyClick(&a.RichTextBox1, Qt::Key_Escape);
        QCOMPARE(m_fins, 1);
        QCOMPARE(contenu(aide_prog::chemin_aide()), avant);
        aide_prog::decharger();
        aide_prog& b = aide_prog::instance();
        QCOMPARE(b.RichTextBox1.TextRTF(), avant);
        QVERIFY(avant.contains("\\cf1\\b Titre") && avant.contains("\\qc") && avant.contains("\\pngblip"));
        // "Fermer" and the window's close box save and end the same way.
        b.RichTextBox1.setPlainText(QStringLiteral("par Fermer"));
        b.Label2_Click();
        QCOMPARE(lire_texte(), QStringLiteral("par Fermer"));
        aide_prog::decharger();
        aide_prog& c = aide_prog::instance();
        c.RichTextBox1.setPlainText(QStringLiteral("par la croix"));
        c.close();
        QCOMPARE(lire_texte(), QStringLiteral("par la croix"));
        QCOMPARE(m_fins, 3);
    }

    void effacer_tout_puis_echap_ecrit_un_document_vide() {
        ecrire(aide_prog::chemin_aide(), fichier_mis_en_forme());
        aide_prog& a = aide_prog::instance();
        a.tout.choisir();
        a.Form_KeyPress(27);
        QVERIFY(rtf::est_rtf(contenu(aide_prog::chemin_aide())));
        QCOMPARE(lire_texte(), QString());
    }

    // A save that fails is reported and the old file stays whole.
    void sauvegarde_impossible() {
        const QString dossier = programme::dossier();
        ecrire(aide_prog::chemin_aide(), fichier_mis_en_forme());
        aide_prog& a = aide_prog::instance();
        a.RichTextBox1.setPlainText(QStringLiteral("perdu"));
        if (!proteger(dossier, true)) QSKIP("the folder cannot be made unwritable here");
        Repondeur r;
        r.attendre_message();
        a.Command2_Click();
        proteger(dossier, false);
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Erreur sauvegarde"));
        QCOMPARE(r.messages()[0].style, 0);
        QCOMPARE(contenu(aide_prog::chemin_aide()), fichier_mis_en_forme());
    }

    // On a full disk the save says so and the old help file stays whole, with no temporary left.
    void disque_plein_garde_l_ancien_fichier() {
        PetitDisque point(128);
        if (!point.monte()) QSKIP("no tmpfs can be mounted here (needs root)");
        const QString ancien_dossier = programme::dossier();
        programme::definir_dossier(point.dossier());
        struct Retour {
            QString d;
            ~Retour() { programme::definir_dossier(d); }
        } retour{ancien_dossier};
        const QByteArray ancien = fichier_mis_en_forme();
        ecrire(aide_prog::chemin_aide(), ancien);
        ecrire(point.chemin("remplissage"), QByteArray(100 * 1024, 'r'));
        aide_prog& a = aide_prog::instance();
        // Far more text than the room left (about 20 KB).
        a.RichTextBox1.setPlainText(QString(QStringLiteral("Une ligne d'aide assez longue.\n")).repeated(3000));
        Repondeur r;
        r.attendre_message();
        a.Command2_Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Erreur sauvegarde"));
        QCOMPARE(contenu(aide_prog::chemin_aide()), ancien);
        QCOMPARE(QDir(point.dossier()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QString::fromLatin1(aide_prog::NomFichierAide), "remplissage"}));

        // "Créer ou mettre a jour l'aide" on the full disk says so too.
        point.remplir(QStringLiteral("remplissage2"));
        r.attendre_message();
        a.HLBSoftBttn1.click();
        QCOMPARE(r.messages().size(), 2);
        QCOMPARE(r.messages()[1].texte, QStringLiteral("Erreur sauvegarde\rDisque plein"));
        QCOMPARE(contenu(aide_prog::chemin_aide()), ancien);
    }

    // A save that fails on the way out keeps the window open with the typed text; once the
    // save can be made, Esc and "Fermer" end the real event loop, which closes the window: the
    // file is still written once (a folder in the help file's place makes every save fail,
    // even for root; a second message would go unanswered).
    void une_sauvegarde_par_sortie_data() {
        QTest::addColumn<bool>("echap");
        QTest::newRow("Echap") << true;
        QTest::newRow("Fermer") << false;
    }
    void une_sauvegarde_par_sortie() {
        QFETCH(bool, echap);
        QVERIFY(QDir().mkpath(aide_prog::chemin_aide()));
        Repondeur r;
        r.attendre_message();  // the help file cannot be loaded
        aide_prog& a = aide_prog::instance();
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        QTest::keyClicks(&a.RichTextBox1, QStringLiteral("texte tape"));
        const auto sortir = [&a, echap] {
            if (echap)
                QTest::keyClick(&a.RichTextBox1, Qt::Key_Escape);
            else
                QTest::mouseClick(&a.Label2, Qt::LeftButton);
        };
        r.attendre_message();
        sortir();
        QCOMPARE(r.messages().size(), 2);
        QCOMPARE(r.messages()[1].texte, QStringLiteral("Erreur sauvegarde"));
        QVERIFY(a.isVisible());
        QCOMPARE(m_fins, 0);
        QCOMPARE(a.RichTextBox1.toPlainText(), QStringLiteral("texte tape"));

        QDir().rmdir(aide_prog::chemin_aide());
        aide_prog::fin_programme = nullptr;
        QTimer::singleShot(0, &a, sortir);
        QTimer::singleShot(5000, qApp, &QCoreApplication::quit);  // never hang the suite
        QApplication::exec();
        QCOMPARE(r.messages().size(), 2);
        QVERIFY(!a.isVisible());
        QVERIFY(QString::fromUtf8(contenu(aide_prog::chemin_aide())).contains(QStringLiteral("texte tape")));
    }

    // The help file's neighbours the user named like copies of it stay through a save.
    void copies_de_l_utilisateur_gardees() {
        const QString aide = aide_prog::chemin_aide();
        ecrire(aide, fichier_mis_en_forme());
        const QStringList copies = {aide + ".copie2", aide + ".save01", aide + ".Ab3xYz"};
        for (const QString& c : copies) {
            ecrire(c, "copie");
            struct utimbuf t;
            t.actime = t.modtime = time(nullptr) - 600;
            ::utime(QFile::encodeName(c).constData(), &t);
        }
        aide_prog& a = aide_prog::instance();
        a.RichTextBox1.setPlainText(QStringLiteral("neuf"));
        a.Command2_Click();
        for (const QString& c : copies) QCOMPARE(contenu(c), QByteArray("copie"));
    }

    void date_inseree_au_curseur_sans_perdre_la_mise_en_forme() {
        rt::definir_horloge([] { return QDateTime(QDate(2026, 12, 10), QTime(9, 0)); });
        ecrire(aide_prog::chemin_aide(), fichier_mis_en_forme());
        aide_prog& a = aide_prog::instance();
        const QByteArray avant = a.RichTextBox1.TextRTF();
        QTextCursor c = a.RichTextBox1.textCursor();
        c.movePosition(QTextCursor::End);
        a.RichTextBox1.setTextCursor(c);
        a.dat.choisir();
        QVERIFY(a.RichTextBox1.toPlainText().endsWith(QStringLiteral("Notesjeudi, 10 décembre 2026")));
        // Everything before the date is as it was: title, colour, picture.
        const QByteArray apres = a.RichTextBox1.TextRTF();
        QVERIFY(apres.startsWith(avant.left(avant.indexOf("Notes"))));
    }

    void couleur_de_la_selection() {
        ecrire(aide_prog::chemin_aide(), QByteArray("abc def"));
        aide_prog& a = aide_prog::instance();
        QTextCursor c = a.RichTextBox1.textCursor();
        c.setPosition(4);
        c.setPosition(7, QTextCursor::KeepAnchor);
        a.RichTextBox1.setTextCursor(c);
        Repondeur r;
        r.attendre_annulation();
        a.ajout_coul.choisir();  // a cancel changes nothing (it used to paint the text black)
        QVERIFY(!a.RichTextBox1.document()->lastBlock().begin().fragment().charFormat().hasProperty(
            QTextFormat::ForegroundBrush));
        r.attendre_couleur(couleur::rgb(0, 0, 255));
        a.ajout_coul.choisir();
        const QTextFragment def = (--a.RichTextBox1.document()->lastBlock().end()).fragment();
        QCOMPARE(def.text(), QStringLiteral("def"));
        QCOMPARE(def.charFormat().foreground().color(), QColor(0, 0, 255));
    }

    void police_de_la_selection_ecrite_aussitot() {
        ecrire(aide_prog::chemin_aide(), QByteArray("abc def"));
        aide_prog& a = aide_prog::instance();
        a.RichTextBox1.selectAll();
        Repondeur r;
        r.attendre_annulation();
        a.ajout_pol.choisir();
        QCOMPARE(contenu(aide_prog::chemin_aide()), QByteArray("abc def"));  // cancelled: nothing
        QFont police(QStringLiteral("DejaVu Serif"), 15);
        police.setBold(true);
        police.setUnderline(true);
        r.attendre_police(police);
        a.ajout_pol.choisir();
        QCOMPARE(r.boites().last().flags, 259);
        const QByteArray ecrit = contenu(aide_prog::chemin_aide());
        QVERIFY2(ecrit.contains("DejaVu Serif;") && ecrit.contains("\\fs30\\b\\ul abc def"), ecrit.constData());
    }

    void image_inseree_et_refus() {
        ecrire(aide_prog::chemin_aide(), QByteArray("avant"));
        const QString bmp = programme::dossier() + "dessin.bmp";
        QVERIFY(QImage(6, 4, QImage::Format_RGB32).save(bmp, "BMP"));
        aide_prog& a = aide_prog::instance();
        a.RichTextBox1.moveCursor(QTextCursor::End);
        Repondeur r;
        r.attendre_fichier(bmp);
        a.ajout_img.choisir();
        QVERIFY(r.boites()[0].filtre.startsWith("bitmap (*.bmp)|*.bmp|Icone (*.ico)|*.ico|fichier (*.gif)|*.gif"));
        QCOMPARE(a.RichTextBox1.toPlainText(), QStringLiteral("avant\ufffc"));
        QVERIFY(a.RichTextBox1.TextRTF().contains("\\pngblip\\picw6\\pich4"));
        // No file chosen, or a file that is no picture: "Erreur ".
        r.attendre_annulation().attendre_message();
        a.ajout_img.choisir();
        r.attendre_fichier(aide_prog::chemin_aide()).attendre_message();
        a.ajout_img.choisir();
        const auto m = r.messages();
        QCOMPARE(m.size(), 2);
        QCOMPARE(m[0].texte, QStringLiteral("Erreur "));
        QCOMPARE(m[1].style, 64);
        QCOMPARE(a.RichTextBox1.toPlainText(), QStringLiteral("avant\ufffc"));
    }

    // Printing to a PDF file: the selection alone, or the whole text.
    void impression_selection_ou_tout() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
        ecrire(aide_prog::chemin_aide(), QByteArray("Premier paragraphe\r\nDeuxième paragraphe\r\nTroisième"));
        aide_prog& a = aide_prog::instance();
        const QString pdf = programme::dossier() + "page.pdf";
        Repondeur r;
        r.attendre_impression(pdf);
        a.imp_page.choisir();
        QCOMPARE(r.boites().last().flags, 264);
        QString texte = texte_pdf(pdf);
        QVERIFY2(texte.contains("Premier paragraphe") && texte.contains("Troisième"), qPrintable(texte));

        QTextCursor c = a.RichTextBox1.textCursor();
        c.setPosition(a.RichTextBox1.document()->findBlockByNumber(1).position());
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        a.RichTextBox1.setTextCursor(c);
        for (MenuItem* commande : {&a.imp_page, &a.imp_select}) {
            QFile::remove(pdf);
            r.attendre_impression(pdf);
            commande->choisir();
            QCOMPARE(r.boites().last().flags, 265);
            texte = texte_pdf(pdf);
            QVERIFY2(texte.contains("Deuxième paragraphe"), qPrintable(texte));
            QVERIFY2(!texte.contains("Premier") && !texte.contains("Troisième"), qPrintable(texte));
        }
    }

    // Once "Imprimer la sélection" made a cancel a failure, every cancel of the shared dialog
    // is one: printing says so, the colour command changes nothing, the viewer goes on.
    void annulations_apres_imprimer_la_selection() {
        ecrire(aide_prog::chemin_aide(), QByteArray("texte"));
        aide_prog& a = aide_prog::instance();
        const QString pdf = programme::dossier() + "rien.pdf";
        Repondeur r;
        r.attendre_annulation();
        a.imp_page.choisir();  // a plain cancel: nothing printed, no message
        QCOMPARE(r.messages().size(), 0);
        r.attendre_annulation().attendre_message();
        a.imp_select.choisir();
        r.attendre_annulation();
        a.ajout_coul.choisir();
        r.attendre_annulation().attendre_message();
        a.imp_page.choisir();
        const auto m = r.messages();
        QCOMPARE(m.size(), 2);
        for (const auto& b : m) {
            QCOMPARE(b.texte, QStringLiteral("Erreur impréssion"));
            QCOMPARE(b.style, 64);
        }
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(a.RichTextBox1.toPlainText(), QStringLiteral("texte"));
    }

    void texte_integre_regenere() {
        ecrire(aide_prog::chemin_aide(), fichier_mis_en_forme());
        aide_prog& a = aide_prog::instance();
        aide_prog::App.Major = 1;
        aide_prog::App.Minor = 3;
        a.HLBSoftBttn1.click();
        const QByteArray ecrit = contenu(aide_prog::chemin_aide());
        QVERIFY(ecrit.startsWith("Aide_Sonavel\r\nAide Sonavel Version fichier d'aide : 1.3.0\r\n\r\n"
                                 "Ce fichier d 'aide est modifiable ,il est possible de conserver\r\n"));
        QVERIFY(ecrit.endsWith("Merci de le faire savoir a sonavel@example.org\r\n\r\n"));
        QVERIFY(!ecrit.contains("\n\n") && !ecrit.contains("\r\r"));  // every line ends with CR LF
        const QString texte = QString::fromUtf8(ecrit);
        int position = 0;
        for (const char* titre :
             {"PREMIERE UTILISATION de Sonavel", "Utilisation de Sonavel",
              "Touche raccourci clavier fenètre principale (Menu classique)", "Bouton de Commande supplémentaire",
              "FENETRE LISTE :", "Touche raccourci clavier : LISTE", "Option + Fenètre principale",
              "Mise a jour du 09/08/2003", "INFORMATION sur LES ENCHAINEMENTS", "20/02/2004",
              "23/10/2004  Version 3.7.14\r\nMini lecteur\r\nS ou s : Fichier suivant \r\n",
              "Mise a jour du 24/04/4005  Version 3.9.3", "Vous trouvez Sonavel intéressant ?"}) {
            const int p = texte.indexOf(QString::fromUtf8(titre), position);
            QVERIFY2(p > position, titre);
            position = p;
        }
        // The box shows the plain text; leaving saves it as RTF, the old formatting gone.
        QVERIFY(a.RichTextBox1.toPlainText().startsWith(QStringLiteral("Aide_Sonavel\nAide Sonavel Version")));
        QTest::keyClick(&a.RichTextBox1, Qt::Key_Escape);
        const QByteArray sauve = contenu(aide_prog::chemin_aide());
        QVERIFY(rtf::est_rtf(sauve) && !sauve.contains("\\pict") && !sauve.contains("\\b"));
        QCOMPARE(lire_texte(), QString::fromUtf8(ecrit).replace("\r\n", "\n"));
    }

    void fichier_aide_livre() {
        // The help file shipped in the program folder reads with its picture and headings.
        QTextDocument doc;
        rtf::lire(contenu(sonavel_test::dossier_images() + "/aide_sonavel_V5.rtf"), doc);
        QVERIFY(doc.toPlainText().contains(QStringLiteral("Aide Sonavel Version fichier d'aide : ")));
        QCOMPARE(doc.toPlainText().left(1), QString(QChar::ObjectReplacementCharacter));
    }

private:
    static QString lire_texte() {
        QTextDocument doc;
        rtf::lire(contenu(aide_prog::chemin_aide()), doc);
        return doc.toPlainText();
    }
};

SONAVEL_TEST_MAIN(TestAideProg)
#include "test_aide_prog.moc"
