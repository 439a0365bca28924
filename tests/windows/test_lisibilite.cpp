// The default look reads: every text against what is behind it reaches 4.5:1, check marks
// included; the main window fits a 1024 x 768 screen and its figures carry their legends.
#include <QImage>
#include <QLabel>
#include <QStyleOptionButton>

#include "config/Radio.h"
#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/barre_position.h"
#include "platform/controles.h"
#include "platform/images.h"
#include "platform/programme.h"
#include "support/sonavel_test.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"
#include "windows/fsauve.h"
#include "windows/renom.h"
#include "windows/mini_lecteur.h"

namespace {
constexpr double Minimum = 4.5;

// The lightest colour of a picture: a label over it must read against that.
QColor plus_clair(const QString& image) {
    const QImage i(image);
    QColor clair(0, 0, 0);
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x) {
            const QColor c = i.pixelColor(x, y);
            if (c.lightness() > clair.lightness()) clair = c;
        }
    return clair;
}

QString nom(const QObject* o) {
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
}

// Every text of a window against the ground behind it; the failures, named.
QStringList illisibles(QWidget& fenetre, const QColor& sous_les_etiquettes) {
    QStringList fautes;
    auto verifier = [&](const QObject* o, const QString& quoi, int32_t texte, const QColor& fond) {
        const double c = contraste(couleur_qt(texte), fond);
        if (c < Minimum) fautes << QStringLiteral("%1 %2: %3:1").arg(nom(o), quoi).arg(c, 0, 'f', 2);
    };
    auto paire = [&](const QObject* o, const Couleurs& c) { verifier(o, "text", c.ForeColor(), couleur_qt(c.BackColor())); };
    for (CheckBox* c : fenetre.findChildren<CheckBox*>()) paire(c, *c);
    for (OptionButton* c : fenetre.findChildren<OptionButton*>()) paire(c, *c);
    for (TextBox* c : fenetre.findChildren<TextBox*>()) paire(c, *c);
    for (ComboBox* c : fenetre.findChildren<ComboBox*>()) paire(c, *c);
    for (CommandButton* c : fenetre.findChildren<CommandButton*>()) paire(c, *c);
    for (Label* l : fenetre.findChildren<Label*>())
        verifier(l, "label", l->ForeColor(), l->BackStyle() == 0 ? sous_les_etiquettes : couleur_qt(l->BackColor()));
    for (OwnerDrawnButton* b : fenetre.findChildren<OwnerDrawnButton*>()) {
        verifier(b, "button", b->ForeColor(), couleur_qt(b->BackColor()));
        verifier(b, "hovered button", b->ForeColorOver(), couleur_qt(b->BackColorOver()));
        verifier(b, "pressed button", b->ForeColorDown(), couleur_qt(b->BackColorDown()));
    }
    for (PositionBar* b : fenetre.findChildren<PositionBar*>()) {
        verifier(b, "bar caption", b->ForeColor(), couleur_qt(b->BackColor()));
        // Over the filled part the caption is drawn in the back colour.
        verifier(b, "bar caption on the fill", b->BackColor(), couleur_qt(b->FillColor()));
    }
    return fautes;
}

// The labels of a window whose text does not fit them, or that leave the window, named.
QStringList coupes(QWidget& fenetre) {
    QStringList fautes;
    for (Label* l : fenetre.findChildren<Label*>()) {
        if (l->isHidden() || l->text().isEmpty()) continue;
        const QSize besoin = l->wordWrap() ? QSize(l->width(), l->heightForWidth(l->width())) : l->sizeHint();
        if (besoin.width() > l->width() || besoin.height() > l->height() || !fenetre.rect().contains(l->geometry()))
            fautes << QStringLiteral("%1 \"%2\": %3x%4 in %5x%6")
                          .arg(nom(l), l->text().left(20))
                          .arg(besoin.width())
                          .arg(besoin.height())
                          .arg(l->width())
                          .arg(l->height());
    }
    return fautes;
}

// The colour of the mark of a check box or option button drawn checked, against the same
// place drawn unchecked.
double contraste_de_la_marque(QAbstractButton& b) {
    b.resize(b.sizeHint());
    b.setChecked(false);
    const QImage vide = b.grab().toImage();
    b.setChecked(true);
    const QImage coche = b.grab().toImage();
    double meilleur = 1;
    for (int y = 0; y < vide.height(); ++y)
        for (int x = 0; x < vide.width(); ++x)
            meilleur = std::max(meilleur, contraste(vide.pixelColor(x, y), coche.pixelColor(x, y)));
    return meilleur;
}
}  // namespace

class TestLisibilite : public QObject {
    Q_OBJECT
private slots:
    void init() { sonavel_test::nouveau_programme(); }

    // The settings as the first start leaves them, read as the second start reads them.
    void look_par_defaut() {
        Radio::Chemin_programme = programme::dossier();
        reglages_table::ecrire_serie(reglages_table::purge());
        Radio::lire_config();
        QVERIFY(reglages_table::couleurs_par_defaut_en_usage());
        const QString images = sonavel_test::dossier_images() + QLatin1Char('/');
        // The main window and the options dialog show dark pictures under their labels.
        QCOMPARE(illisibles(Radio_FM::instance(), plus_clair(images + "fond_noir1.jpg")).join(", "), QString());
        QCOMPARE(illisibles(Form_options::instance(), plus_clair(images + "Logo_form_option.jpg")), QStringList());
        QCOMPARE(illisibles(mini_lecteur::instance(), couleur_qt(Radio::coul_fenètre)), QStringList());
        QCOMPARE(illisibles(err_form::instance(), couleur_qt(Radio::coul_fenètre)), QStringList());
        // The playlist window's labels lie on the list's grey picture.
        Liste_son& l = Liste_son::instance();
        QCOMPARE(illisibles(l, couleur_qt(Radio::coul_fond_liste)).join(", "), QString());
        l.Form_MouseMove();  // the labels' colour at rest, as the pointer gives it back
        QCOMPARE(illisibles(l, couleur_qt(Radio::coul_fond_liste)).join(", "), QString());
    }

    // The progress window's title and the renaming instructions are shown whole.
    void textes_entiers() {
        fsauve& f = fsauve::instance();
        QCOMPARE(coupes(f), QStringList());
        renom& r = renom::instance();
        r.preparer_fichier(QStringLiteral("chanson.mp3"));
        QCOMPARE(coupes(r), QStringList());
        r.preparer_bloc();
        QCOMPARE(coupes(r), QStringList());
        QVERIFY(r.Label4.text().endsWith(QStringLiteral("les 6 dernieres lettres sont conservées")));
    }

    // A colour the user chose is applied as chosen, readable or not.
    void couleurs_choisies() {
        Radio::Chemin_programme = programme::dossier();
        reglages_table::ecrire_serie(reglages_table::purge());
        Radio::ecrire_reglage(cle::Couleur_liste, cle::coul_label,
                              QStringLiteral("12632256"));  // light grey on the default grey
        Radio::lire_config();
        QCOMPARE(Radio_FM::instance().coche4.ForeColor(), 12632256);
        QCOMPARE(Radio_FM::instance().Combo1.ForeColor(), 12632256);
    }

    // The system colours of the stored defaults: dark button text on the grey buttons.
    void couleurs_systeme() {
        QVERIFY(contraste(couleur_qt(couleur::TexteBouton), couleur_qt(10461087)) >= Minimum);
        QVERIFY(contraste(couleur_qt(couleur::TexteBouton), couleur_qt(couleur::FaceBouton)) >= Minimum);
        QVERIFY(contraste(couleur_qt(couleur::TexteFenetre), couleur_qt(couleur::FondFenetre)) >= Minimum);
        QVERIFY(contraste(couleur_qt(couleur::TexteSurbrillance), couleur_qt(couleur::Surbrillance)) >= Minimum);
        QCOMPARE(contraste(QColor(255, 255, 255), QColor(0, 0, 0)), 21.0);
    }

    // The mark shows even with white text on the grey ground of the default look.
    void marques_visibles() {
        CheckBox c(nullptr, QStringLiteral("Préchargement"));
        OptionButton o(nullptr, QStringLiteral("Mix liste"));
        for (Couleurs* x : std::initializer_list<Couleurs*>{&c, &o}) {
            x->setForeColor(0xFFFFFF);
            x->setBackColor(0x8F8F8F);
        }
        QVERIFY2(contraste_de_la_marque(c) >= Minimum, qPrintable(QString::number(contraste_de_la_marque(c))));
        QVERIFY2(contraste_de_la_marque(o) >= Minimum, qPrintable(QString::number(contraste_de_la_marque(o))));
    }

    // The whole main window, frame allowance included, fits 1024 pixels at the default position.
    void fenetre_dans_1024() {
        Radio_FM& r = Radio_FM::instance();
        r.ensurePolished();
        QVERIFY2(r.minimumSizeHint().width() <= 1000, qPrintable(QString::number(r.minimumSizeHint().width())));
        QVERIFY2(r.width() <= 1000, qPrintable(QString::number(r.width())));
        QVERIFY2(r.height() <= 700, qPrintable(QString::number(r.height())));
    }

    // Each figure of a deck has a legend and a tooltip.
    void figures_legendees() {
        Radio_FM& r = Radio_FM::instance();
        QStringList legendes;
        for (QLabel* l : r.findChildren<QLabel*>(QStringLiteral("legende"))) legendes << l->text();
        for (const char* l : {"durée", "écoulé", "niveau L1"}) QVERIFY2(legendes.contains(QString::fromUtf8(l)), l);
        for (Label* figure : {&r.Label6, &r.Label1, &r.Label9, &r.Label5, &r.Label11})
            QVERIFY(!figure->toolTip().isEmpty());
    }
};

SONAVEL_TEST_MAIN(TestLisibilite)
#include "test_lisibilite.moc"
