// Windows and boxes under a real window manager: a key that opens a box runs its command once
// when the box is answered from the keyboard, a window opened by a command stands above the
// window it was opened from, a dialog is back on top when a box it opened closes, and the
// program's end keeps the place of every window shown. The stacking order is the window
// manager's own (_NET_CLIENT_LIST_STACKING). Skipped without an X display and a window manager
// (ctest runs it on tools/affichage.sh's display with openbox).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QFileDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "config/etat.h"
#include "config/placement.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/boites.h"
#include "support/cadres.h"
#include "support/configuration.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/liste.h"
#include "windows/mini_lecteur.h"

using namespace Radio;
using cadres_test::cadre_montre;
using cadres_test::capture;

namespace {
// The client windows from bottom to top, as the window manager stacks them.
QList<WId> pile() {
    QProcess p;
    p.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    p.waitForFinished(5000);
    QList<WId> ids;
    const QString sortie = QString::fromLatin1(p.readAllStandardOutput());
    for (QString mot : sortie.mid(sortie.indexOf(QLatin1Char('#')) + 1).split(QLatin1Char(','))) {
        bool ok = false;
        const WId id = mot.trimmed().toULongLong(&ok, 16);
        if (ok) ids << id;
    }
    return ids;
}

// The window the window manager holds active.
WId active() {
    QProcess p;
    p.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
    p.waitForFinished(5000);
    const QString sortie = QString::fromLatin1(p.readAllStandardOutput());
    return sortie.mid(sortie.indexOf(QLatin1Char('#')) + 1).trimmed().toULongLong(nullptr, 16);
}

// True when the window manager stacks `dessus` above `dessous`.
bool au_dessus(const QWidget& dessus, const QWidget& dessous) {
    const QList<WId> p = pile();
    const qsizetype a = p.indexOf(dessus.winId()), b = p.indexOf(dessous.winId());
    return a >= 0 && b >= 0 && a > b;
}

// A key typed on the keyboard as the X server gets it (XTEST): it goes to the window that has
// the focus, through the window manager and the toolkit as a user's key does.
void taper(const QString& touche) {
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), touche});
}

// While it lives, the real boxes show (no responder) and each one is answered by `touche`,
// typed on the keyboard once the box is active, as a user answers it.
class ReponsesAuClavier {
public:
    explicit ReponsesAuClavier(const QString& touche) : m_garde(boites::definir_interception({})) {
        m_minuterie.setInterval(20);
        QObject::connect(&m_minuterie, &QTimer::timeout, [this, touche] {
            QWidget* boite = QApplication::activeModalWidget();
            if (!boite || boite == m_vue) return;
            if (!boite->isActiveWindow()) return;  // the user answers the box he sees in front
            m_vue = boite;
            if (auto* m = qobject_cast<QMessageBox*>(boite)) textes << m->text();
            else textes << boite->windowTitle();
            // A box that keeps coming back would never end the test: the third goes by code.
            if (textes.size() > 2) {
                static_cast<QDialog*>(boite)->reject();
                return;
            }
            taper(touche);
        });
        m_minuterie.start();
    }
    ~ReponsesAuClavier() { boites::definir_interception(m_garde); }
    QStringList textes;

private:
    boites::Interception m_garde;
    QTimer m_minuterie;
    QPointer<QWidget> m_vue;
};

Radio_FM& principale() {
    Radio_FM& f = Radio_FM::instance();
    Chemin_programme = sonavel_test::dossier_images() + QLatin1Char('/');
    return f;
}
}  // namespace

class TestEmpilement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        const QString manque = cadres_test::sans_gestionnaire_de_fenetres();
        if (!manque.isEmpty()) QSKIP(qPrintable(manque));
        if (QProcess::execute(QStringLiteral("xprop"), {QStringLiteral("-version")}) != 0) QSKIP("needs xprop");
    }
    void init() { sonavel_test::nouveau_programme(); }

    // A key of the main window that opens a box, the box answered from the keyboard: the
    // command runs once. The control that has the focus lets the key go on up to the window,
    // and the box's answering key arrives while the command still runs.
    void une_touche_une_boite_data() {
        QTest::addColumn<QString>("touche");
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<bool>("manuel");
        QTest::addColumn<QString>("texte");
        const QString fermer = QStringLiteral("Confirmer la fermeture de ");
        QTest::newRow("Esc, Non par Entrée") << "Escape" << "Return" << false << fermer;
        QTest::newRow("Esc, Non par espace") << "Escape" << "space" << false << fermer;
        QTest::newRow("Esc, Non par Esc") << "Escape" << "Escape" << false << fermer;
        QTest::newRow("Q") << "Q" << "Return" << false << fermer;
        QTest::newRow("q") << "q" << "Escape" << false << fermer;
        QTest::newRow("z") << "z" << "Return" << false << QStringLiteral("Aucune lecture en cours");
        QTest::newRow("Z") << "Z" << "space" << false << QStringLiteral("Aucune lecture en cours");
        QTest::newRow("p") << "p" << "Return" << false << QStringLiteral("Aucun lecteur en cours");
        QTest::newRow("P") << "P" << "Escape" << false << QStringLiteral("Aucun lecteur en cours");
        QTest::newRow("L, mode manuel") << "L" << "Return" << true << QStringLiteral("Vous ètes en mode manuel");
    }
    void une_touche_une_boite() {
        QFETCH(QString, touche);
        QFETCH(QString, reponse);
        QFETCH(bool, manuel);
        QFETCH(QString, texte);
        if (QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("version")}) != 0) QSKIP("needs xdotool");
        Radio_FM& f = principale();
        f.a_mode_manuel.setChecked(manuel);
        cadre_montre(f);
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Slider1.setFocus();  // a control that leaves these keys to the window
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&f.Slider1));
        ReponsesAuClavier r{reponse};
        taper(touche);
        // The box comes, is answered, and the window is back in front: any second box of the
        // same press has come and gone by then.
        QTRY_VERIFY_WITH_TIMEOUT(!r.textes.isEmpty(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget() && f.isActiveWindow(), 10000);
        QCOMPARE(r.textes.size(), 1);
        QVERIFY2(r.textes[0].startsWith(texte), qPrintable(r.textes[0]));
        QVERIFY(f.isVisible());  // "Non": the program goes on
    }

    // The list-play monitor opened from the main window's list menu stands above the docked
    // list window, its buttons in sight.
    void historique_au_dessus_de_la_liste() {
        Radio_FM& f = principale();
        placement::placer(f, 100, 100);
        cadre_montre(f);
        Liste_son& l = Liste_son::instance();
        l.Form_KeyPress('<');
        if (l.liste_agrandie == Vrai) l.Form_KeyPress('<');  // docked
        cadre_montre(l);
        l.raise();
        QTRY_VERIFY(au_dessus(l, f) || !l.geometry().intersects(f.geometry()));
        f.Afficher_C_aleatoire.choisir();
        liste& h = liste::instance();
        cadre_montre(h);
        QTRY_VERIFY_WITH_TIMEOUT(active() == h.winId() && au_dessus(h, l), 10000);
        capture(QStringLiteral("historique_sur_liste_ancree"));
    }

    // The options dialog's "Fichier" opens the file dialog; chosen or cancelled, the options
    // dialog is back above the list window whose dialog it borrowed.
    void options_au_dessus_apres_fichier_data() {
        QTest::addColumn<bool>("choisir");
        QTest::newRow("annulé") << false;
        QTest::newRow("choisi") << true;
    }
    void options_au_dessus_apres_fichier() {
        QFETCH(bool, choisir);
        Radio_FM& f = principale();
        cadre_montre(f);
        Liste_son& l = Liste_son::instance();
        cadre_montre(l);
        Chemin_programme = sonavel_test::dossier_programme();
        QFile jingles(Chemin_programme + QStringLiteral("jingles.dfm"));
        QVERIFY(jingles.open(QIODevice::WriteOnly));
        jingles.close();
        Form_options& o = Form_options::instance();
        o.Show();
        cadre_montre(o);
        QTRY_VERIFY_WITH_TIMEOUT(au_dessus(o, l), 10000);

        const boites::Interception garde = boites::definir_interception({});
        bool vu = false;
        QElapsedTimer depuis;
        QTimer t;
        t.setInterval(50);
        QObject::connect(&t, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            if (vu) {
                // Never left waiting: a dialog that did not take the answer fails the test below.
                if (depuis.elapsed() > 10000) d->reject();
                return;
            }
            if (!d->isActiveWindow()) return;
            vu = true;
            depuis.start();
            auto* nom = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (choisir && nom) {
                nom->setFocus();
                QTest::keyClicks(nom, jingles.fileName());
                QTest::keyClick(nom, Qt::Key_Return);
            } else {
                QTest::keyClick(d->windowHandle(), Qt::Key_Escape);
            }
        });
        t.start();
        QTest::mouseClick(&o.Command1, Qt::LeftButton);
        t.stop();
        boites::definir_interception(garde);
        QVERIFY(vu);
        QCOMPARE(o.Text2.Text(), choisir ? jingles.fileName() : QStringLiteral("-"));
        // Once the window manager has settled on the active window, the dialog is it, on top.
        QTRY_VERIFY_WITH_TIMEOUT(active() == o.winId() && au_dessus(o, l), 10000);
        capture(choisir ? QStringLiteral("options_apres_fichier_choisi") : QStringLiteral("options_apres_fichier_annule"));
        o.hide();
    }

    // The radio-name box, cancelled from the keyboard, leaves the name as it was; it is wide
    // enough for its whole title.
    void nom_de_radio_annule() {
        Radio_FM& f = principale();
        Nom_radio_fm = QStringLiteral("Radio Nord");
        f.setCaption(Nom_radio_fm);
        cadre_montre(f);
        const boites::Interception garde = boites::definir_interception({});
        QString titre;
        int largeur = 0;
        QTimer t;
        t.setInterval(50);
        QObject::connect(&t, &QTimer::timeout, [&] {
            QWidget* b = QApplication::activeModalWidget();
            if (!b || !titre.isEmpty() || !b->isActiveWindow()) return;
            titre = b->windowTitle();
            largeur = b->width();
            QTest::keyClick(b->windowHandle(), Qt::Key_Escape);
        });
        t.start();
        f.nom_radio.choisir();
        t.stop();
        boites::definir_interception(garde);
        QCOMPARE(titre, QStringLiteral(" Nom de votre Radio "));
        QCOMPARE(Nom_radio_fm, QStringLiteral("Radio Nord"));
        QCOMPARE(f.Caption(), QStringLiteral("Radio Nord"));
        QCOMPARE(lire_reglage(cle::Config, cle::Nom_radio_fm), QString());
        // The title bar holds the title beside the window manager's buttons.
        QVERIFY2(largeur >= QFontMetrics(QApplication::font()).horizontalAdvance(titre.trimmed()) + 120,
                 qPrintable(QString::number(largeur)));
    }

    // The program ended with the list window and the mini player shown: each keeps the place
    // where it stands, as its own "Fermer" keeps it.
    void fin_garde_la_place_de_chaque_fenetre() {
        Radio_FM& f = principale();
        cadre_montre(f);
        Liste_son& l = Liste_son::instance();
        cadre_montre(l);
        l.move(260, 180);  // where the user put them
        const QRect liste = cadre_montre(l);
        mini_lecteur& m = mini_lecteur::instance();
        cadre_montre(m);
        m.move(600, 90);
        const QRect mini = cadre_montre(m);
        {
            sonavel_test::FinInterceptee fin;
            Repondeur r;
            r.attendre_message(boites::Oui);
            QVERIFY(sonavel_test::termine([&] { f.Quitter__Click(); }));
        }
        const auto gardee = [](const char* haut, const char* gauche) {
            return QPoint(lire_reglage(cle::Position, gauche).toInt() / TwipsParPixel,
                          lire_reglage(cle::Position, haut).toInt() / TwipsParPixel);
        };
        QCOMPARE(gardee(cle::Position_haut_liste, cle::Position_gauche_liste), liste.topLeft());
        QCOMPARE(gardee(cle::Position_haut_mini_lecteur, cle::Position_gauche_mini_lecteur), mini.topLeft());
    }
};

SONAVEL_TEST_MAIN(TestEmpilement)
#include "test_empilement.moc"
