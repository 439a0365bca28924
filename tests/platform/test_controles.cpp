// Controls keep the platform's event semantics: what code changes raises (or not), what the
// user does raises, and the values they report.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "platform/barre_position.h"
#include "platform/controles.h"
#include "platform/couleurs.h"
#include "platform/erreur.h"
#include "platform/images.h"
#include "platform/liste_vue.h"
#include "support/sonavel_test.h"

namespace {
template <class F>
int numero_erreur(F f) {
    try {
        f();
    } catch (const Erreur& e) {
        return e.numero();
    }
    return 0;
}
}  // namespace

class TestControles : public QObject {
    Q_OBJECT
private slots:
    void curseur_change_quand_le_code_le_bouge() {
        QWidget w;
        Slider s(&w);
        QCOMPARE(s.Min(), 0);
        QCOMPARE(s.Max(), 20);
        int changes = 0, vu = -1;
        s.Change = [&] {
            ++changes;
            vu = s.Value();  // the new value is there inside the handler
        };
        s.setValue(0);  // already 0
        QCOMPARE(changes, 0);
        s.setValue(7);
        QCOMPARE(changes, 1);
        QCOMPARE(vu, 7);
        s.setValue(7);
        QCOMPARE(changes, 1);
        s.setValue(25);  // out of range: the bound
        QCOMPARE(s.Value(), 20);
        QCOMPARE(changes, 2);
        s.setValue(21);  // already at the bound: no change
        QCOMPARE(changes, 2);
        s.setValue(-1);
        QCOMPARE(s.Value(), 0);
        QCOMPARE(changes, 3);
        // A move by the user raises it too.
        w.show();
        s.setFocus();
        QTest::keyClick(&s, Qt::Key_Right);
        QCOMPARE(s.Value(), 1);
        QCOMPARE(changes, 4);
    }

    void erreur_du_gestionnaire_remonte_au_code() {
        Slider s;
        s.Change = [] { throw Erreur(err::VariableObjetNonDefinie); };
        QCOMPARE(numero_erreur([&] { s.setValue(3); }), 91);
        QCOMPARE(s.Value(), 3);
    }

    void bouton_option_click_seulement_si_nouvelle_selection() {
        QWidget w, autre;
        OptionButton a(&w, "A"), b(&w, "B"), c(&autre, "C");
        int clics_a = 0, clics_b = 0, clics_c = 0;
        a.Click = [&] { ++clics_a; };
        b.Click = [&] { ++clics_b; };
        c.Click = [&] { ++clics_c; };
        c.setValue(true);
        a.setValue(true);
        QCOMPARE(clics_a, 1);
        a.setValue(true);  // already selected
        QCOMPARE(clics_a, 1);
        b.setValue(true);
        QCOMPARE(clics_b, 1);
        QVERIFY(!a.Value());
        QVERIFY(c.Value());  // another parent is another group
        b.setValue(false);  // clearing runs nothing
        QVERIFY(!b.Value());
        QCOMPARE(clics_b, 1);
        // The user: a click on the selected one runs nothing, on another one runs its Click.
        w.show();
        a.setValue(true);
        QTest::mouseClick(&a, Qt::LeftButton);
        QCOMPARE(clics_a, 2);
        QTest::mouseClick(&b, Qt::LeftButton);
        QCOMPARE(clics_b, 2);
        QVERIFY(!a.Value());
        QCOMPARE(clics_c, 1);
    }

    void case_a_cocher_click_a_chaque_changement() {
        QWidget w;
        CheckBox k(&w, "k");
        int clics = 0;
        k.Click = [&] { ++clics; };
        const struct { int valeur, clics; } cas[] = {{0, 0}, {1, 1}, {1, 1}, {2, 2}, {0, 3}};
        for (const auto& c : cas) {
            k.setValue(c.valeur);
            QCOMPARE(k.Value(), c.valeur);
            QCOMPARE(clics, c.clics);
        }
        QCOMPARE(numero_erreur([&] { k.setValue(3); }), 380);
        w.show();
        QTest::mouseClick(&k, Qt::LeftButton, {}, QPoint(5, k.height() / 2));
        QCOMPARE(k.Value(), 1);
        QTest::mouseClick(&k, Qt::LeftButton, {}, QPoint(5, k.height() / 2));
        QCOMPARE(k.Value(), 0);  // the user never reaches 2
        QCOMPARE(clics, 5);
    }

    void menu_coche_par_code_sans_effet_click_par_utilisateur() {
        MenuItem menu(nullptr, "Option", MenuItem::SousMenu);
        MenuItem item(nullptr, "Mode manuel");
        menu.ajouter(item);
        int clics = 0;
        item.Click = [&] { ++clics; };
        item.setChecked(true);
        item.setChecked(false);
        QCOMPARE(clics, 0);
        item.setChecked(true);
        item.action()->trigger();  // what a pick in the menu does
        QCOMPARE(clics, 1);
        QVERIFY(item.Checked());  // the pick does not toggle the mark
        QVERIFY(item.action()->isChecked());
        item.setChecked(false);
        item.action()->trigger();
        QVERIFY(!item.Checked() && !item.action()->isChecked());
        item.setEnabled(false);
        item.choisir();
        QCOMPARE(clics, 2);
        item.setCaption("Quitter Radio (Q)");
        QCOMPARE(item.Caption(), QString("Quitter Radio (Q)"));
        QCOMPARE(menu.menu()->actions().size(), 1);
    }

    void barre_position_pourcentage_et_x_en_pixels() {
        QWidget w;
        PositionBar b(&w);
        QCOMPARE(b.size(), QSize(225, 13));
        b.setMax(3);
        const struct { int valeur, lu, pourcent; } cas[] = {{0, 0, 0}, {1, 1, 33}, {2, 2, 66}, {3, 3, 100}, {5, 3, 100}, {-2, 0, 0}};
        for (const auto& c : cas) {
            b.setValue(c.valeur);
            QCOMPARE(b.Value(), c.lu);
            QCOMPARE(b.Percent(), c.pourcent);
        }
        QCOMPARE(numero_erreur([&] { b.setMax(0); }), 380);
        b.setValue(3);
        b.setMax(2);  // a value above the new maximum comes down
        QCOMPARE(b.Value(), 2);
        QCOMPARE(b.Percent(), 100);
        float x_bas = -1, x_haut = -1;
        int bouton = 0;
        b.MouseDown = [&](int btn, int, float x, float) { bouton = btn, x_bas = x; };
        b.MouseUp = [&](int, int, float x, float) { x_haut = x; };
        w.show();
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(111, 6));
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(223, 6));
        QCOMPARE(bouton, 1);
        QCOMPARE(x_bas, 111.0f);
        QCOMPARE(x_haut, 223.0f);
    }

    // Pictures decoded ahead are those on disk when they are used.
    void images_prechargees() {
        const QString dossier = sonavel_test::dossier_programme();
        auto image = [&](const char* nom, QColor couleur, int cote) {
            QImage i(cote, cote, QImage::Format_RGB32);
            i.fill(couleur);
            QVERIFY(i.save(dossier + nom, "PNG"));
        };
        image("pre_rouge.png", Qt::red, 8);
        image("pre_change.png", Qt::red, 8);
        QFile faux(dossier + "pre_faux.gif");
        QVERIFY(faux.open(QIODevice::WriteOnly));
        faux.write("pas une image");
        faux.close();
        const QString courant = QDir::currentPath();
        QDir::setCurrent(dossier);  // a relative name is the program folder's, as at start-up
        // Decoded in this order: once the red one is loaded, the one to change was decoded.
        precharger_images({dossier + "pre_change.png", "pre_rouge.png", dossier + "pre_absent.jpg", dossier + "pre_faux.gif"});

        QPixmap p;
        QVERIFY(charger_image(dossier + "pre_rouge.png", p));
        QCOMPARE(p.toImage().pixelColor(0, 0), QColor(Qt::red));
        image("pre_change.png", Qt::green, 16);  // rewritten after it was decoded
        QVERIFY(charger_image(dossier + "pre_change.png", p));
        QCOMPARE(p.size(), QSize(16, 16));
        QCOMPARE(p.toImage().pixelColor(0, 0), QColor(Qt::green));
        QVERIFY(!charger_image(dossier + "pre_absent.jpg", p));
        QVERIFY(!charger_image(dossier + "pre_faux.gif", p));
        QCOMPARE(p.size(), QSize(16, 16));  // a failed load leaves the picture as it was
        // Written after the worker saw it missing: read from the disk.
        image("pre_absent.jpg", Qt::blue, 4);
        QVERIFY(charger_image(dossier + "pre_absent.jpg", p));
        QCOMPARE(p.size(), QSize(4, 4));
        oublier_images_prechargees();
        image("pre_rouge.png", Qt::blue, 8);
        QVERIFY(charger_image(dossier + "pre_rouge.png", p));
        QCOMPARE(p.toImage().pixelColor(0, 0), QColor(Qt::blue));
        QDir::setCurrent(courant);
    }

    void image_illisible_ignoree() {
        const QString dossier = sonavel_test::dossier_programme();
        QPixmap p(8, 8);
        p.fill(Qt::red);
        QVERIFY(p.save(dossier + "rouge.png"));
        QFile faux(dossier + "faux.gif");
        QVERIFY(faux.open(QIODevice::WriteOnly));
        faux.write("pas une image");
        faux.close();

        Image img;
        QVERIFY(img.setPicture(dossier + "rouge.png"));
        QVERIFY(!img.setPicture(dossier + "absent.jpg"));
        QVERIFY(!img.setPicture(dossier + "faux.gif"));
        QCOMPARE(img.Picture(), dossier + "rouge.png");  // the old picture stays
        QVERIFY(img.setPicture(""));
        QVERIFY(img.Picture().isEmpty());
        Image vide;
        QVERIFY(!vide.setPicture(dossier + "absent.jpg"));
        QVERIFY(vide.Picture().isEmpty());
        OwnerDrawnButton bouton;
        QVERIFY(!bouton.setPicture(dossier + "absent.jpg"));
        QVERIFY(bouton.setPicture(dossier + "rouge.png"));
        CommandButton commande;
        QVERIFY(!commande.setPicture(dossier + "faux.gif"));
        QVERIFY(commande.Picture().isEmpty());
    }

    void image_souris_puis_clic() {
        QWidget w;
        Image img(&w);
        img.resize(40, 20);
        QString ordre;
        img.MouseDown = [&](int, int, float, float) { ordre += 'D'; };
        img.MouseUp = [&](int, int, float, float) { ordre += 'U'; };
        img.Click = [&] { ordre += 'C'; };
        w.show();
        QTest::mouseClick(&img, Qt::LeftButton);
        QCOMPARE(ordre, QString("DUC"));
        img.setEnabled(false);
        QTest::mouseClick(&img, Qt::LeftButton);
        QCOMPARE(ordre, QString("DUC"));
    }

    void couleurs_plateforme() {
        // System colours come from our own fixed palette, not the desktop's.
        const struct { int32_t valeur; QColor attendu; } cas[] = {
            {255, QColor(255, 0, 0)},             // low byte red
            {0xFF0000, QColor(0, 0, 255)},
            {16777152, QColor(0xC0, 0xFF, 0xFF)},  // 0xFFFFC0
            {-2147483630, QColor(0, 0, 0)},  // 0x80000012, button text
            {couleur::FaceBouton, QColor(0xF0, 0xF0, 0xF0)},
            {couleur::systeme(0x05), QColor(255, 255, 255)},
            {couleur::systeme(0x08), QColor(0, 0, 0)},
            {couleur::systeme(0x7F), QColor(0xF0, 0xF0, 0xF0)},  // unknown index: the button face
        };
        for (const auto& c : cas) QCOMPARE(couleur_qt(c.valeur), c.attendu);
        QCOMPARE(valeur_couleur(QColor(0x12, 0x34, 0x56)), 0x563412);
        Label l;
        l.setBackColor(255);
        l.setForeColor(0xFF00);
        QCOMPARE(l.BackColor(), 255);
        QCOMPARE(l.palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(l.palette().color(QPalette::WindowText), QColor(0, 255, 0));
    }

    void etiquette_garde_le_texte_et_affiche_les_sauts() {
        Label l(nullptr, "Info \rNb\n\r\n\rFin");
        QCOMPARE(l.Caption(), QString("Info \rNb\n\r\n\rFin"));
        QCOMPARE(l.text(), QString("Info \nNb\n\nFin"));
        l.setCaption("<b>x</b>");
        QCOMPARE(l.textFormat(), Qt::PlainText);
    }

    void zone_texte_change_par_code() {
        TextBox t;
        int changes = 0;
        t.Change = [&] { ++changes; };
        t.setText("2");
        t.setText("2");
        QCOMPARE(changes, 1);
    }

    void liste_deroulante_ajout_sans_selection() {
        ComboBox c;
        int clics = 0;
        c.Click = [&] { ++clics; };
        c.setText("Liste Radio");
        c.AddItem("a.mp3");
        c.AddItem("b.mp3");
        c.AddItem("z.mp3", 0);
        QCOMPARE(c.ListIndex(), -1);
        QCOMPARE(c.Text(), QString("Liste Radio"));
        QCOMPARE(c.ListCount(), 3);
        QCOMPARE(c.List(0), QString("z.mp3"));
        QCOMPARE(numero_erreur([&] { c.List(3); }), 381);
        c.setListIndex(1);
        QCOMPARE(clics, 1);
        QCOMPARE(c.Text(), QString("a.mp3"));
        c.setListIndex(1);
        QCOMPARE(clics, 1);
        QCOMPARE(numero_erreur([&] { c.setListIndex(3); }), 380);
        c.Clear();
        QCOMPARE(c.ListCount(), 0);
        QVERIFY(c.Text().isEmpty());
        QCOMPARE(clics, 1);
    }

    void vue_liste_reecriture_sans_clic_de_ligne() {
        QWidget w;
        ListView v(&w);
        v.resize(300, 200);
        v.ajouter_colonne("Titre", 150);
        v.ajouter_colonne("Durée", 80);
        QList<int> clics;
        v.ItemClick = [&](QTreeWidgetItem* item) { clics << v.Index(item); };
        auto remplir = [&] {
            v.Clear();
            for (const char* t : {"c", "a", "b"}) {
                QTreeWidgetItem* item = v.AddItem(t);
                ListView::setSubItem(item, 1, "00:03");
                v.setSelectedItem(item);  // a rewrite selects every row in turn
            }
        };
        remplir();
        QCOMPARE(v.ListCount(), 3);
        QCOMPARE(v.Index(v.SelectedItem()), 3);
        QCOMPARE(ListView::SubItem(v.ListItem(1), 1), QString("00:03"));
        QVERIFY(clics.isEmpty());
        QCOMPARE(numero_erreur([&] { v.ListItem(4); }), 35600);
        w.show();
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, v.visualItemRect(v.ListItem(2)).center());
        QCOMPARE(clics, QList<int>{2});
        // A click on a column header never sorts.
        QTest::mouseClick(v.header()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(v.ListItem(1)->text(0), QString("c"));
        QVERIFY(!v.isSortingEnabled());
    }
};

SONAVEL_TEST_MAIN(TestControles)
#include "test_controles.moc"
