// The default look reads: every text against what is behind it reaches 4.5:1, check marks
// included; the main window fits a 1024 x 768 screen and its figures carry their legends.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>
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
#include "platform/rtf_boite.h"
#include "support/configuration.h"
#include "support/sonavel_test.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/Association.h"
#include "windows/ajout_fichier.h"
#include "windows/copie.h"
#include "windows/err_form.h"
#include "windows/frmAbout.h"
#include "windows/fsauve.h"
#include "windows/infoplus.h"
#include "windows/liste.h"
#include "windows/renom.h"
#include "windows/mini_lecteur.h"
#include "windows/Propriete.h"

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

// The most contrasted pixel of a text as drawn, against the same place drawn without the
// text; 1 when the text draws nothing.
double contraste_trace(const QImage& avec, const QImage& sans) {
    double meilleur = 1;
    for (int y = 0; y < std::min(avec.height(), sans.height()); ++y)
        for (int x = 0; x < std::min(avec.width(), sans.width()); ++x)
            if (avec.pixel(x, y) != sans.pixel(x, y))
                meilleur = std::max(meilleur, contraste(avec.pixelColor(x, y), sans.pixelColor(x, y)));
    return meilleur;
}

// Pixels of a caption's place that look like its letters but are not its letters: a glyph or
// a glow of the picture under the caption.
int faux_traits(const QImage& avec, const QImage& sans, const QRect& place, const QColor& texte) {
    int n = 0;
    for (int y = std::max(0, place.top()); y <= std::min(place.bottom(), avec.height() - 1); ++y)
        for (int x = std::max(0, place.left()); x <= std::min(place.right(), avec.width() - 1); ++x)
            if (avec.pixel(x, y) == sans.pixel(x, y) && contraste(avec.pixelColor(x, y), texte) < 2.5) ++n;
    return n;
}

// Every text of a shown window as the screen draws it: each label, button and picture
// caption reaches 4.5:1 against what is behind it, and no caption lies over a glyph.
QStringList illisibles_a_l_ecran(QWidget& fenetre) {
    QStringList fautes;
    const double echelle = fenetre.devicePixelRatioF();
    auto mesurer = [&](QWidget* c, const QString& texte, const std::function<void(const QString&)>& ecrire,
                       bool legende) {
        // Controls switched off need not read.
        if (!c->isVisibleTo(&fenetre) || !c->isEnabled() || texte.trimmed().isEmpty()) return;
        const QRect r = QRect(c->mapTo(&fenetre, QPoint(0, 0)), c->size()) & fenetre.rect();
        if (r.isEmpty()) return;
        const QImage avec = fenetre.grab(r).toImage();
        ecrire(QString());
        const QImage sans = fenetre.grab(r).toImage();
        ecrire(texte);
        // A picture's caption stands aside while the picture shows its own glyph.
        if (legende && avec == sans) return;
        const double ct = contraste_trace(avec, sans);
        if (ct < Minimum) fautes << QStringLiteral("%1 \"%2\": %3:1").arg(nom(c), texte.left(20)).arg(ct, 0, 'f', 2);
        if (!legende) return;
        const QRect lettres = c->fontMetrics().boundingRect(c->rect(), Qt::AlignCenter | Qt::TextWordWrap, texte);
        const QRect place(QPointF(lettres.topLeft()) .toPoint() * echelle, lettres.size() * echelle);
        const int faux = faux_traits(avec, sans, place, c->palette().color(QPalette::WindowText));
        if (faux > 0) fautes << QStringLiteral("%1 \"%2\" over a drawing (%3 pixels)").arg(nom(c), texte.left(20)).arg(faux);
    };
    for (Label* l : fenetre.findChildren<Label*>())
        mesurer(l, l->text(), [l](const QString& t) { l->setText(t); }, false);
    for (QAbstractButton* b : fenetre.findChildren<QAbstractButton*>())
        mesurer(b, b->text(), [b](const QString& t) { b->setText(t); }, false);
    for (Image* i : fenetre.findChildren<Image*>())
        mesurer(i, i->legende(), [i](const QString& t) { i->setLegende(t); }, true);
    return fautes;
}

// A place of the window's own background: no control there, or only a background picture or
// frame.
QPoint fond_de(QWidget& fenetre) {
    for (int y = 2; y < fenetre.height(); y += 4)
        for (int x = 2; x < fenetre.width(); x += 4)
            if (!fenetre.childAt(x, y)) return {x, y};
    for (int y = 2; y < fenetre.height(); y += 4)
        for (int x = 2; x < fenetre.width(); x += 4) {
            QWidget* c = fenetre.childAt(x, y);
            const auto* i = qobject_cast<Image*>(c);
            if ((i && i->legende().isEmpty()) || QByteArray(c->metaObject()->className()) == "QFrame") return {x, y};
        }
    return {};
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

    // Every window of the default look, as drawn on the screen after a start: at rest, with
    // the pointer over each of its labels and buttons, and once it has passed over the
    // window's background.
    void fenetres_a_l_ecran() {
        Radio::Chemin_programme = programme::dossier();
        reglages_table::ecrire_serie(reglages_table::purge());
        Radio::Chemin_programme.clear();
        const QDir images(sonavel_test::dossier_images());
        for (const QString& n : images.entryList(QDir::Files)) QFile::copy(images.filePath(n), programme::dossier() + n);
        Radio::definir_ligne_commande(QString());
        Radio::definir_demarrage(true);
        struct Fin {
            ~Fin() {
                Radio::definir_demarrage(false);
                sonavel_test::FinInterceptee fin;  // the main window's unload must not end the tests
                Form::decharger_tout();
            }
        } fin;
        QWidget* fenetres[] = {&Radio_FM::instance(), &Liste_son::instance(), &Form_options::instance(),
                               &mini_lecteur::instance(), &err_form::instance(), &ajout_fichier::instance(),
                               &Association::instance(), &renom::instance(), &copie::instance(),
                               &fsauve::instance(), &frmAbout::instance(), &infoplus::instance(),
                               &Propriete::instance(), &liste::instance()};
        for (QWidget* f : fenetres) {
            f->show();
            QVERIFY(QTest::qWaitForWindowExposed(f));
            const QString quoi = f->windowTitle();
            auto verifier = [&](const QString& quand) {
                const QString entete = quoi + QLatin1Char(' ') + quand + QStringLiteral(": ");
                QCOMPARE(entete + illisibles_a_l_ecran(*f).join(QStringLiteral(", ")), entete);
            };
            verifier(QStringLiteral("at rest"));
            for (QWidget* c : f->findChildren<QWidget*>())
                if (c->isVisible() && (qobject_cast<Label*>(c) || qobject_cast<QAbstractButton*>(c)))
                    QTest::mouseMove(c, c->rect().center());
            verifier(QStringLiteral("hovered"));
            const QPoint fond = fond_de(*f);
            QVERIFY2(!fond.isNull(), qPrintable(quoi));
            QTest::mouseMove(f, fond);
            verifier(QStringLiteral("after the background"));
            f->hide();
        }

        // The jingle switch blinking while a list plays: both phases read, and differ; the
        // hovered "Ajouter" too.
        Radio_FM& r = Radio_FM::instance();
        Liste_son& l = Liste_son::instance();
        r.coche3.setValue(true);  // list mix
        l.show();
        QVERIFY(QTest::qWaitForWindowExposed(&l));
        Radio::jingle_auto_actif = Vrai;
        Radio::Nb_fichier_aleatoire = 3;
        r.clignote_jingle = Vrai;  // the lit phase first
        QStringList phases;
        for (int i = 0; i < 2; ++i) {
            r.Timer8_Timer();
            phases << QString::number(l.Label14.ForeColor()) + QLatin1Char('/') + QString::number(l.Label14.BackStyle());
            QVERIFY(l.Label14.Caption().startsWith(QStringLiteral("Jingle / On")));
            const QString quand = QStringLiteral("blink phase %1: ").arg(i);
            QCOMPARE(quand + illisibles_a_l_ecran(l).join(QStringLiteral(", ")), quand);
        }
        QVERIFY(phases[0] != phases[1]);
        QTest::mouseMove(&l.Label7, l.Label7.rect().center());
        QCOMPARE(l.Label7.ForeColor(), 8454016);  // lit
        QCOMPARE(QStringLiteral("hovered: ") + illisibles_a_l_ecran(l).join(QStringLiteral(", ")), QStringLiteral("hovered: "));
        l.hide();
    }

    // The shipped help file as the viewer shows it on the default colours: every line of
    // text, title and headings included, against the list's ground.
    void aide_livree() {
        reglages_table::ecrire_serie(reglages_table::purge());
        Radio::lire_config();
        RichTextBox boite;
        boite.setBackColor(Radio::coul_fond_liste);
        boite.setForeColor(Radio::coul_texte_liste);
        boite.resize(900, 700);
        boite.setCursorWidth(0);  // no caret in the shots
        boite.LoadFile(sonavel_test::dossier_images() + QStringLiteral("/aide_sonavel_V5.rtf"));
        boite.show();
        QVERIFY(QTest::qWaitForWindowExposed(&boite));
        const QColor fond = couleur_qt(Radio::coul_fond_liste);
        QStringList fautes;
        int lignes = 0;
        for (QTextBlock b = boite.document()->begin(); b.isValid(); b = b.next()) {
            const QString texte = b.text().trimmed();
            if (texte.isEmpty() || texte == QString(QChar::ObjectReplacementCharacter)) continue;
            QTextCursor fin(b);
            fin.movePosition(QTextCursor::EndOfBlock);
            boite.setTextCursor(fin);
            boite.ensureCursorVisible();
            const QTextCursor debut(b);
            const QRect r(0, boite.cursorRect(debut).top(), boite.viewport()->width(),
                          boite.cursorRect(fin).bottom() - boite.cursorRect(debut).top() + 1);
            const QImage vue = boite.viewport()->grab(r).toImage();
            double meilleur = 1;
            for (int y = 0; y < vue.height(); ++y)
                for (int x = 0; x < vue.width(); ++x) meilleur = std::max(meilleur, contraste(vue.pixelColor(x, y), fond));
            if (meilleur < Minimum) fautes << QStringLiteral("\"%1\": %2:1").arg(texte.left(30)).arg(meilleur, 0, 'f', 2);
            ++lignes;
        }
        QVERIFY(lignes > 20);
        QCOMPARE(fautes, QStringList());
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
