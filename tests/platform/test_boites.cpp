// Message and input boxes, common dialogs, the test responder and outside programs.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QPointer>
#include <QTimer>

#include "platform/boites.h"
#include "platform/dialogue_commun.h"
#include "platform/erreur.h"
#include "platform/lancement.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"

namespace {
// Runs f with real windows (no interception), acting on the first modal window through
// `agir` as soon as it shows. A window that never becomes modal is closed after a while, so
// the test fails instead of waiting.
template <typename F, typename A>
void avec_vraie_fenetre(F&& f, A&& agir) {
    const boites::Interception garde = boites::definir_interception({});
    QTimer t;
    t.setInterval(10);
    QElapsedTimer attente, depuis_action;
    attente.start();
    QPointer<QWidget> vue;
    QObject::connect(&t, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (attente.elapsed() > 10000) {
            t.stop();
            sonavel_test::echec("aucune fenêtre modale, ou elle ne se ferme pas");
            for (QWidget* x : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QDialog*>(x)) d->reject();
            return;
        }
        if (!w) return;
        // On a busy machine a file dialog may still be filling its model when it is first
        // answered, and then stays open: answer it again until it closes.
        if (w != vue || depuis_action.elapsed() > 500) {
            vue = w;
            depuis_action.start();
            agir(w);
        }
    });
    t.start();
    f();
    t.stop();
    boites::definir_interception(garde);
}
}  // namespace

class TestBoites : public QObject {
    Q_OBJECT
private slots:
    void repondeur_note_et_repond_dans_l_ordre() {
        Repondeur r;
        r.attendre_message(boites::Oui).attendre_message(boites::Non).attendre_saisie("Radio X").attendre_annulation();
        const QString texte = QStringLiteral("Vous allez modifier\rla liste\n\r\n\rContinuer ?");
        QCOMPARE(MsgBox(texte, 292, "Sonavel_V5"), boites::Oui);
        QCOMPARE(MsgBox("Fichier introuvable", 16), boites::Non);
        QCOMPARE(InputBox("Saisie d'un nouveau nom", " Nom de votre Radio ", "Radio_FM"), QString("Radio X"));
        QCOMPARE(InputBox("Encore"), QString());  // cancelled
        QCOMPARE(r.boites().size(), 4);
        QCOMPARE(r.messages().size(), 2);
        QCOMPARE(r.messages()[0].texte, texte);  // exactly as built
        QCOMPARE(r.messages()[0].style, 292);
        QCOMPARE(r.messages()[1].titre, QString("Sonavel_V5"));  // the default title
        QCOMPARE(r.boites()[2].titre, QString(" Nom de votre Radio "));
        QCOMPARE(r.boites()[2].defaut, QString("Radio_FM"));
    }

    void boite_imprevue_echoue_sans_attendre() {
        sonavel_test::CaptureEchecs echecs;
        {
            Repondeur r;
            r.attendre_saisie("x");
            // Wrong kind: the box gets its default button (No for 292) and the test fails.
            QCOMPARE(MsgBox("Confirmer ?", 292), boites::Non);
            QVERIFY(r.boites()[0].imprevue);
        }  // the unused answer fails too
        QCOMPARE(echecs.messages().size(), 2);
        QVERIFY(echecs.messages()[0].contains("Confirmer ?"));
        // Without a responder, the guard of every test answers and fails the same way.
        QCOMPARE(MsgBox("Sans répondeur", 1), boites::OK);
        QCOMPARE(InputBox("Nom ?"), QString());
        QVERIFY(!lancement::demarrer("/usr/bin/true"));
        QCOMPARE(echecs.messages().size(), 5);
    }

    void styles_et_reponses_par_defaut_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("defaut");
        QTest::newRow("0") << 0 << boites::OK;
        QTest::newRow("64") << 64 << boites::OK;
        QTest::newRow("276") << 276 << boites::Non;
        QTest::newRow("292") << 292 << boites::Non;
        QTest::newRow("308") << 308 << boites::Non;
        QTest::newRow("272") << 272 << boites::OK;  // no second button: the first
        QTest::newRow("36") << 36 << boites::Oui;
        QTest::newRow("3+512") << 3 + 512 << boites::Annuler;
    }
    void styles_et_reponses_par_defaut() {
        QFETCH(int, style);
        QFETCH(int, defaut);
        QCOMPARE(boites::reponse_par_defaut(style), defaut);
    }

    void sauts_de_ligne_affiches() {
        QCOMPARE(boites::texte_affiche("a\rb"), QString("a\nb"));
        QCOMPARE(boites::texte_affiche("a\n\r\n\rb"), QString("a\n\nb"));
        QCOMPARE(boites::texte_affiche("a\r\nb\r\n\r\nc"), QString("a\nb\n\nc"));
        QCOMPARE(boites::texte_affiche("a\nb"), QString("a\nb"));
    }

    void vraie_boite_en_francais() {
        int reponse = 0;
        QStringList boutons;
        QString defaut, texte;
        avec_vraie_fenetre([&] { reponse = MsgBox("Confirmer la fermeture\rde Sonavel_V5", 292); },
                           [&](QWidget* w) {
                               auto* b = qobject_cast<QMessageBox*>(w);
                               QVERIFY(b);
                               for (QAbstractButton* x : b->buttons()) boutons << x->text();
                               defaut = b->defaultButton()->text();
                               texte = b->text();
                               QCOMPARE(b->icon(), QMessageBox::Question);
                               QCOMPARE(b->windowTitle(), QString("Sonavel_V5"));
                               for (QAbstractButton* x : b->buttons())
                                   if (x->text() == "Oui") x->click();
                           });
        boutons.sort();
        QCOMPARE(boutons, QStringList({"Non", "Oui"}));
        QCOMPARE(defaut, QString("Non"));
        QCOMPARE(texte, QString("Confirmer la fermeture\nde Sonavel_V5"));
        QCOMPARE(reponse, boites::Oui);
        // Escape on a Yes/No box answers No.
        avec_vraie_fenetre([&] { reponse = MsgBox("?", 4); },
                           [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(reponse, boites::Non);
    }

    void dialogue_de_fichier_avec_le_repondeur() {
        QTemporaryDir dir;
        const QString choisi = dir.filePath("Ma liste.dfm");
        DialogueCommun d;
        d.CancelError = true;
        d.DialogTitle = "Ouvrir un fichier liste";
        d.InitDir = "/programme/";
        d.FileName = "*.dfm";
        d.Filter = "fichier (*.dfm)|*.dfm";
        Repondeur r;
        r.attendre_annulation().attendre_fichier(choisi);
        QCOMPARE(sonavel_test::erreur_de([&] { d.ShowOpen(); }), err::Annulation);
        QCOMPARE(d.FileName, QString("*.dfm"));  // unchanged by the cancel
        QVERIFY(d.ShowSave());
        QCOMPARE(d.FileName, choisi);
        QCOMPARE(d.FileTitle, QString("Ma liste.dfm"));
        QCOMPARE(QDir::currentPath(), dir.path());  // callers then use the bare name
        QCOMPARE(r.boites()[0].genre, boites::Genre::Ouvrir);
        QCOMPARE(r.boites()[0].titre, QString("Ouvrir un fichier liste"));
        QCOMPARE(r.boites()[0].dossier, QString("/programme/"));
        QCOMPARE(r.boites()[0].filtre, QString("fichier (*.dfm)|*.dfm"));
        QCOMPARE(r.boites()[1].genre, boites::Genre::Enregistrer);
        sonavel_test::nouveau_programme();
    }

    void annulation_sans_erreur_garde_les_valeurs() {
        DialogueCommun d;
        d.Color = 0x0000FF;
        Repondeur r;
        r.attendre_annulation().attendre_couleur(0x123456).attendre_annulation();
        QVERIFY(!d.ShowColor());
        QCOMPARE(d.Color, 0x0000FF);
        QVERIFY(d.ShowColor());
        QCOMPARE(d.Color, 0x123456);
        d.FileName = "garde.dfm";
        QVERIFY(!d.ShowOpen());
        QCOMPARE(d.FileName, QString("garde.dfm"));
    }

    void police_et_imprimante() {
        QTemporaryDir dir;
        DialogueCommun d;
        d.FontName = "DejaVu Sans";
        d.FontSize = 10;
        QFont f("DejaVu Serif");
        f.setPointSizeF(14);
        f.setBold(true);
        f.setUnderline(true);
        Repondeur r;
        r.attendre_police(f).attendre_impression(dir.filePath("page.pdf"));
        QVERIFY(d.ShowFont());
        QCOMPARE(d.FontName, QString("DejaVu Serif"));
        QCOMPARE(d.FontSize, 14.0);
        QVERIFY(d.FontBold && d.FontUnderline && !d.FontItalic && !d.FontStrikethru);
        d.Flags = 265;
        QVERIFY(d.ShowPrinter());
        QCOMPARE(d.imprimante().outputFileName(), dir.filePath("page.pdf"));
        QCOMPARE(d.imprimante().printRange(), QPrinter::Selection);
        QCOMPARE(r.boites()[1].flags, 265);
    }

    void filtres_sans_egard_a_la_casse() {
        const QString filtre = "fichier multimédia |*.mp3;*.wav|Tous fichiers (*.*)|*.*";
        QCOMPARE(DialogueCommun::filtres_qt(filtre),
                 QStringList({"fichier multimédia (*.[mM][pP]3 *.[wW][aA][vV])", "Tous fichiers (*.*) (*)"}));
        QVERIFY(DialogueCommun::correspond("TITRE.MP3", "*.mp3;*.wav"));
        QVERIFY(DialogueCommun::correspond("b.Wav", "*.mp3;*.wav"));
        QVERIFY(!DialogueCommun::correspond("b.wma", "*.mp3;*.wav"));
        QVERIFY(DialogueCommun::correspond("sans_point", "*.*"));
    }

    void vrai_dialogue_de_fichier() {
        QTemporaryDir dir;
        QFile(dir.filePath("TITRE.MP3")).open(QIODevice::WriteOnly);
        QFile(dir.filePath("notes.txt")).open(QIODevice::WriteOnly);
        DialogueCommun d;
        d.InitDir = dir.path();
        d.Filter = "fichier (*.mp3)|*.mp3|Tous fichiers (*.*)|*.*";
        QStringList filtres;
        avec_vraie_fenetre([&] { QVERIFY(d.ShowOpen()); },
                           [&](QWidget* w) {
                               auto* f = qobject_cast<QFileDialog*>(w);
                               QVERIFY(f);
                               filtres = f->nameFilters();
                               // The dialog leaves its name field alone while that field has the
                               // focus, which it may already have on a loaded machine.
                               if (QWidget* champ = f->focusWidget()) champ->clearFocus();
                               f->selectFile(dir.filePath("TITRE.MP3"));
                               QMetaObject::invokeMethod(f, "accept");
                           });
        QCOMPARE(filtres.size(), 2);
        QCOMPARE(d.FileName, dir.filePath("TITRE.MP3"));
        QCOMPARE(d.FilterIndex, 1);
        sonavel_test::nouveau_programme();
    }

    void programmes_sans_shell() {
        QTemporaryDir dir;
        {
            Lancements l;
            QVERIFY(lancement::demarrer("Aide_Sonavel", {}, "/prog"));
            QVERIFY(lancement::ouvrir("www.exemple.fr"));
            QCOMPARE(l.demandes().size(), 2);
            QCOMPARE(l.demandes()[0].cible, QString("Aide_Sonavel"));
            QCOMPARE(l.demandes()[0].dossier, QString("/prog"));
            QCOMPARE(l.demandes()[1].genre, lancement::Demande::Document);
        }
        // Real launches: the arguments reach the program as they are, and failures say so.
        const lancement::Interception garde = lancement::definir_interception({});
        QVERIFY(lancement::demarrer("/usr/bin/touch", {"a b; touch c"}, dir.path()));
        QTRY_VERIFY(QFile::exists(dir.filePath("a b; touch c")));
        QVERIFY(!QFile::exists(dir.filePath("c")));
        QVERIFY(!lancement::demarrer(dir.filePath("absent")));
        QVERIFY(!lancement::ouvrir(dir.filePath("absent.doc")));
        lancement::definir_interception(garde);
    }
};

SONAVEL_TEST_MAIN(TestBoites)
#include "test_boites.moc"
