// The options dialog: every field's checks on focus loss, the insertion check boxes, the
// save, the list choosers and the help panel.
#include <QApplication>
#include <QFocusEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QRegularExpression>

#include "config/etat.h"
#include "config/table_reglages.h"
#include "platform/programme.h"
#include "support/configuration.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
struct Champ {
    TextBox Form_options::*boite;
    void (Form_options::*perte_focus)();
    int16_t* variable;
};

Champ champ(const QString& nom) {
    const QHash<QString, Champ> champs = {
        {"Text3", {&Form_options::Text3, &Form_options::Text3_LostFocus, &prechargement_en_cours}},
        {"Text4", {&Form_options::Text4, &Form_options::Text4_LostFocus, &superposition}},
        {"Text5", {&Form_options::Text5, &Form_options::Text5_LostFocus, &valeur_max_jingles}},
        {"Text6", {&Form_options::Text6, &Form_options::Text6_LostFocus, &Mix_audio_vitesse}},
        {"Text14", {&Form_options::Text14, &Form_options::Text14_LostFocus, &Mix_audio}},
        {"Text7", {&Form_options::Text7, &Form_options::Text7_LostFocus, &Mix_audio_attenuation}},
        {"Text8", {&Form_options::Text8, &Form_options::Text8_LostFocus, &Valeur_vitesse_timer}},
        {"Text11", {&Form_options::Text11, &Form_options::Text11_LostFocus, &Forcer_Mix_Jingles}},
    };
    return champs.value(nom);
}
}  // namespace

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void init() {
        sonavel_test::nouveau_programme();
        sonavel_test::vider_reglages();
        Chemin_programme = programme::dossier();
    }

    // Every numeric field: the empty text, the bounds, the values that stand, and the text
    // put in when the text is not a whole number (the variable then keeps its value, 99).
    // The dialog, frame included, fits a 1024 x 768 screen.
    void tient_dans_l_ecran() {
        Form_options& f = Form_options::instance();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTRY_VERIFY(f.frameGeometry().width() <= 1024);
        QVERIFY(f.frameGeometry().height() <= 768);
    }

    void champ_verifie_a_la_perte_du_focus_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("valeur");
        const struct {
            const char *nom, *saisie, *texte;
            int valeur;
        } cas[] = {
            {"Text3", "", "7", 7},        {"Text3", "0", "7", 7},        {"Text3", "-5", "7", 7},
            {"Text3", "1", "1", 1},       {"Text3", "10", "10", 10},     {"Text3", "11", "10", 10},
            {"Text3", "abc", "7", 99},    {"Text3", "2.5", "2.5", 2},    {"Text3", "3,5", "3,5", 4},
            {"Text4", "", "6", 6},        {"Text4", "0", "6", 6},        {"Text4", "20", "20", 20},
            {"Text4", "21", "20", 20},    {"Text4", "x", "6", 99},       {"Text5", "", "30", 30},
            {"Text5", "0", "30", 30},     {"Text5", "-4", "-4", -4},     {"Text5", "500", "500", 500},
            {"Text5", "?", "30", 99},     {"Text6", "", "40", 40},       {"Text6", "10", "10", 10},
            {"Text6", "9", "10", 10},     {"Text6", "11", "11", 11},     {"Text6", "100", "100", 100},
            {"Text6", "101", "100", 100}, {"Text6", "z", "40", 99},      {"Text14", "", "13", 13},
            {"Text14", "5", "5", 5},      {"Text14", "6", "6", 6},       {"Text14", "21", "20", 20},
            {"Text14", "x", "13", 99},    {"Text7", "", "3", 3},         {"Text7", "0", "0", 3},
            {"Text7", "-1", "3", 3},      {"Text7", "10", "10", 10},     {"Text7", "11", "10", 10},
            {"Text7", "x", "3", 99},      {"Text8", "", "1000", 1000},   {"Text8", "499", "800", 800},
            {"Text8", "500", "500", 500}, {"Text8", "1000", "1000", 1000}, {"Text8", "1001", "1000", 1000},
            {"Text8", "x", "1000", 99},   {"Text11", "", "0", 0},        {"Text11", "4", "3", 3},
            {"Text11", "-2", "0", 0},     {"Text11", "2", "2", 2},       {"Text11", "x", "0", 99},
            {"Text3", "40000", "7", 99},  // beyond 16 bits: not a whole number here
        };
        for (const auto& c : cas)
            QTest::addRow("%s «%s»", c.nom, c.saisie)
                << QString(c.nom) << QString::fromUtf8(c.saisie) << QString::fromUtf8(c.texte) << c.valeur;
    }
    void champ_verifie_a_la_perte_du_focus() {
        QFETCH(QString, nom);
        QFETCH(QString, saisie);
        QFETCH(QString, texte);
        QFETCH(int, valeur);
        Form_options& f = Form_options::instance();
        const Champ c = champ(nom);
        *c.variable = 99;
        (f.*c.boite).setText(saisie);
        (f.*c.perte_focus)();
        QCOMPARE((f.*c.boite).Text(), texte);
        QCOMPARE(int(*c.variable), valeur);
    }

    // The two insertion intervals stay at least 2 apart.
    void intervalles_d_insertion_data() {
        QTest::addColumn<int>("autre");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("valeur");
        QTest::newRow("3 vs 4") << 4 << "3" << "2" << 2;
        QTest::newRow("4 vs 4") << 4 << "4" << "6" << 6;
        QTest::newRow("5 vs 4") << 4 << "5" << "6" << 6;
        QTest::newRow("8 vs 4") << 4 << "8" << "8" << 8;
        QTest::newRow("0 vs 4") << 4 << "0" << "0" << 0;
        QTest::newRow("empty vs 4") << 4 << "" << "2" << 2;
        QTest::newRow("empty vs 0") << 0 << "" << "2" << 2;
        QTest::newRow("0 vs 0") << 0 << "0" << "2" << 2;
        QTest::newRow("1 vs 0") << 0 << "1" << "2" << 2;
        QTest::newRow("0 vs 1") << 1 << "0" << "-1" << -1;
        QTest::newRow("not a number") << 4 << "x" << "3" << 0;
        QTest::newRow("overflow") << 32767 << "5" << "3" << 5;
    }
    void intervalles_d_insertion() {
        QFETCH(int, autre);
        QFETCH(QString, saisie);
        QFETCH(QString, texte);
        QFETCH(int, valeur);
        Form_options& f = Form_options::instance();
        // The fields are edited while their box is ticked.
        f.Check1.setValue(1);
        f.Check2.setValue(1);
        Nb_fichier_aleatoire1 = int16_t(autre);
        f.Text1.setText(saisie);
        f.Text1_LostFocus();
        QCOMPARE(f.Text1.Text(), texte);
        QCOMPARE(int(Nb_fichier_aleatoire), valeur);
        // The other field does the same with the roles swapped.
        Nb_fichier_aleatoire = int16_t(autre);
        f.Text13.setText(saisie);
        f.Text13_LostFocus();
        QCOMPARE(f.Text13.Text(), texte);
        QCOMPARE(int(Nb_fichier_aleatoire1), valeur);
    }

    void intervalle_rectifie_coche_sa_case() {
        Form_options& f = Form_options::instance();
        Nb_fichier_aleatoire1 = 4;
        f.Text1.setText(QStringLiteral("4"));
        f.Text1_LostFocus();
        QCOMPARE(f.Check1.Value(), 1);
        QVERIFY(f.Text1.isEnabled());
    }

    void pas_de_retour_rapide() {
        Form_options& f = Form_options::instance();
        QCOMPARE(f.Text10.Text(), QStringLiteral("0.3"));
        QVERIFY(f.Text10.isReadOnly());
        for (auto [saisie, attendu] : {std::pair{"0.3", 3.0}, {"", 3.0}, {"5", 5.0}, {"0,7", 1.0}}) {
            f.Text10.setText(QString::fromUtf8(saisie));
            f.Text10_LostFocus();
            QCOMPARE(pas_retour_rapide, attendu);
        }
        f.Text10.setText(QStringLiteral("x"));
        f.Text10_LostFocus();
        QCOMPARE(f.Text10.Text(), QStringLiteral("3"));
        QCOMPARE(pas_retour_rapide, 1.0);
    }

    void cases_d_insertion_et_champ_verrouille() {
        Form_options& f = Form_options::instance();
        QVERIFY(!f.Text1.isEnabled());
        f.Check1.setValue(1);
        QVERIFY(f.Text1.isEnabled());
        QCOMPARE(f.Text1.Text(), QStringLiteral("2"));
        f.Check1.setValue(0);
        QVERIFY(!f.Text1.isEnabled());
        QCOMPARE(f.Text1.Text(), QStringLiteral("0"));
        Nb_fichier_aleatoire = 5;
        f.Check1_LostFocus();
        QCOMPARE(int(Nb_fichier_aleatoire), 0);

        QVERIFY(f.Text11.isReadOnly());
        f.Label12_DblClick();
        QVERIFY(!f.Text11.isReadOnly());
    }

    void sauvegarde_refusee_sans_fichier_de_jingles() {
        Form_options& f = Form_options::instance();
        Radio_FM& r = Radio_FM::instance();
        compteur_jingle_auto = 4;
        f.Check1.setValue(1);
        f.Text2.setText(QString::fromUtf8(valeur::Aucun_fichier));
        Repondeur rep;
        rep.attendre_message();
        f.Command3_Click();
        QCOMPARE(rep.messages()[0].texte, QStringLiteral("Pas de fichier jingles : .dfm sélectionné"));
        QCOMPARE(rep.messages()[0].style, 64);
        QCOMPARE(int(compteur_jingle_auto), 0);
        QVERIFY(!r.Timer8.Enabled());
        QCOMPARE(sonavel_test::reglage(cle::Config, cle::valide_fichier_aleatoire), QStringLiteral("<absent>"));
    }

    void sauvegarde_sans_insertion() {
        Form_options& f = Form_options::instance();
        Radio_FM& r = Radio_FM::instance();
        r.Timer8.setEnabled(true);
        f.Text2.setText(QStringLiteral("/listes/j.dfm"));
        f.Text4.setText(QStringLiteral("8"));
        f.Text7.setText(QStringLiteral("0"));
        f.Text7_LostFocus();
        Repondeur rep;
        rep.attendre_message();
        f.Command3_Click();
        QCOMPARE(rep.messages()[0].texte, QStringLiteral("Paramètres enregistrés"));
        using sonavel_test::reglage;
        QCOMPARE(reglage(cle::Config, cle::valide_fichier_aleatoire), QStringLiteral("false"));
        QCOMPARE(reglage(cle::Config, cle::Nb_fichier_aleatoire1), QStringLiteral("0"));
        QCOMPARE(reglage(cle::Config, cle::Chemin_fichier_aleatoire), QStringLiteral("/listes/j.dfm"));
        QCOMPARE(reglage(cle::Config, cle::Mix), QStringLiteral("8"));
        QCOMPARE(reglage(cle::Config, cle::Mix_audio_attenuation), QStringLiteral("0"));
        QCOMPARE(reglage(cle::Config, cle::Valeur_vitesse_timer), QStringLiteral("1000"));
        QCOMPARE(int(Mix), 8);
        QCOMPARE(int(superposition), 8);
        QCOMPARE(int(Mix_audio_attenuation), 0);
        QVERIFY(!r.Timer8.Enabled() && !r.Timer9.Enabled());
        QCOMPARE(Liste_son::instance().Label14.Caption(), QStringLiteral("Jingle auto / Off"));
        QCOMPARE(Liste_son::instance().Label15.Caption(), QStringLiteral("New auto / Off"));
    }

    void sauvegarde_avec_jingle_auto() {
        Form_options& f = Form_options::instance();
        Radio_FM& r = Radio_FM::instance();
        r.A_ordre_aléatoire.setChecked(true);
        ordre_aleatoire = Vrai;
        f.Check1.setValue(1);
        f.Text1.setText(QStringLiteral("5"));
        f.Text2.setText(QStringLiteral("/listes/j.dfm"));
        Repondeur rep;
        rep.attendre_message();
        f.Command3_Click();
        QCOMPARE(sonavel_test::reglage(cle::Config, cle::valide_fichier_aleatoire), QStringLiteral("true"));
        QCOMPARE(sonavel_test::reglage(cle::Config, cle::Nb_fichier_aleatoire), QStringLiteral("5"));
        QCOMPARE(int(Nb_fichier_aleatoire), 5);
        QVERIFY(r.Timer8.Enabled());
        QCOMPARE(jingle_auto_actif, Vrai);
        QCOMPARE(ordre_aleatoire, Faux);
        QVERIFY(r.A_ordre_continue.Checked() && !r.A_ordre_aléatoire.Checked());
        QVERIFY(Liste_son::instance().Option4.Value());
        QCOMPARE(Liste_son::instance().Label14.Caption(), QStringLiteral("Jingle auto On"));
    }

    void sauvegarde_d_un_champ_invalide() {
        Form_options& f = Form_options::instance();
        f.Text5.setText(QStringLiteral("abc"));
        Repondeur rep;
        rep.attendre_message();
        f.Command3_Click();
        QCOMPARE(rep.messages()[0].style, 16);
        QCOMPARE(rep.messages()[0].texte, Erreur(err::TypeIncompatible).description());
        QCOMPARE(sonavel_test::reglage(cle::Config, cle::Prechargement), QStringLiteral("7"));
        QCOMPARE(sonavel_test::reglage(cle::Config, cle::valeur_max_jingles), QStringLiteral("<absent>"));
    }

    void choix_d_une_liste() {
        Form_options& f = Form_options::instance();
        Repondeur rep;
        rep.attendre_fichier(QStringLiteral("/listes/jingles.dfm"));
        f.Command1_Click();
        QCOMPARE(rep.boites()[0].titre, QStringLiteral("Ouvrir un fichier liste"));
        QCOMPARE(rep.boites()[0].filtre, QStringLiteral("fichier (*.dfm)|*.dfm"));
        QCOMPARE(f.Text2.Text(), QStringLiteral("/listes/jingles.dfm"));
        QCOMPARE(nom_fichier_aleatoire, QStringLiteral("jingles.dfm"));
        rep.attendre_annulation();
        f.Command4_Click();
        QCOMPARE(f.Text12.Text(), QStringLiteral("-"));
        QCOMPARE(sonavel_test::reglage(cle::Config, cle::Chemin_fichier_aleatoire), QStringLiteral("<absent>"));
    }

    // The checks run on the focus leaving each field, not only when called.
    void perte_de_focus_branchee() {
        Form_options& f = Form_options::instance();
        const struct {
            QWidget* champ;
            const char* texte;  // what an emptied field shows once left
        } cas[] = {
            {&f.Text1, "2"},  {&f.Text13, "2"},   {&f.Text3, "7"}, {&f.Text4, "6"},  {&f.Text5, "30"},   {&f.Text6, "40"},
            {&f.Text14, "13"}, {&f.Text7, "3"}, {&f.Text8, "1000"}, {&f.Text11, "0"}, {&f.Text10, "3"},
        };
        for (const auto& c : cas) {
            auto* boite = static_cast<TextBox*>(c.champ);
            boite->setText(QString());
            QFocusEvent sortie(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(boite, &sortie);
            QCOMPARE(boite->Text(), QString::fromUtf8(c.texte));
        }
        Nb_fichier_aleatoire = 5;
        QFocusEvent sortie(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&f.Check1, &sortie);
        QCOMPARE(int(Nb_fichier_aleatoire), 0);
    }

    // The pointer over each control of the help table puts that control's text in the panel
    // (first and last line shown here, values read at that moment).
    void aide_au_survol_de_chaque_controle() {
        Form_options& f = Form_options::instance();
        nom_fichier_aleatoire = QStringLiteral("j.dfm");
        nom_fichier_aleatoire1 = QStringLiteral("n.dfm");
        prechargement_en_cours = 7;
        superposition = 6;
        valeur_max_jingles = 30;
        Mix_audio_vitesse = 40;
        Mix_audio = 13;
        Mix_audio_attenuation = 3;
        Forcer_Mix_Jingles = 1;
        const char* ecart = "Il est conseillé de conserver un écart de passage de minimum + 2";
        const struct {
            QWidget* controle;
            const char* premiere;
            const char* derniere;
        } cas[] = {
            {&f.Check1, "Insérer un jingle aléatoirement en lecture liste", ecart},
            {&f.Check2, "Insérer un morceaux aléatoirement en lecture liste", ecart},
            {&f.Text1, "Insérer un jingle aléatoirement en lecture liste", "Attention le jingles est comptabilisé"},
            {&f.Text13, "Insérer un morceaux aléatoirement en lecture liste", "Attention le morceaux est comptabilisé"},
            {&f.Command1, "Rechercher un fichier", "j.dfm"},
            {&f.Command4, "Rechercher un fichier", "n.dfm"},
            {&f.Label3, "Entrez la nouvelle valeur temps de préchargement avant le mixage", "En cours : 7"},
            {&f.Label4, "Valeur de superposition ", "En cours : 6"},
            {&f.Label5, "Valeur_maxi d'un jingles", "En cours : 30"},
            {&f.Label6, "Vitesse fondu audio", "En cours : 13"},
            {&f.Text6, "Vitesse fondu audio", "En cours : 40"},
            {&f.Text14, "Temps fondu audio", "En cours : 13"},
            {&f.Label7, "Valeur atténuation audio pour mixage jingles", "En cours : 3"},
            {&f.Label8, "Entrez la nouvelle valeur (de 500 a 1000 (1000 = 1 S) ",
             "si les enchainements ne sont pas réguliers (Voir aussi l'aide pour certain fichier)"},
            {&f.Label10, "Pour retour arriere rapide", "0.3"},
            {&f.Label12, "Valeur superposition ", "En cours : 1"},
            {&f.Image1, "Sonavel V5 - Version 5.8.0", " Paramètres "},
        };
        const QRegularExpression separateurs(QStringLiteral("\n\r\n\r|\r"));
        for (const auto& c : cas) {
            f.Label11.setCaption(QString());
            QMouseEvent survol(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                               Qt::NoModifier);
            QApplication::sendEvent(c.controle, &survol);
            const QStringList lignes = f.Label11.Caption().split(separateurs);
            QCOMPARE(lignes.first(), QString::fromUtf8(c.premiere));
            QCOMPARE(lignes.last(), QString::fromUtf8(c.derniere));
        }
    }

    void textes_d_aide() {
        Form_options& f = Form_options::instance();
        Valeur_vitesse_timer = 800;
        f.aide_survol(&f.Label8);
        const QStringList lignes = f.Label11.Caption().split(QRegularExpression(QStringLiteral("\n\r\n\r|\r")));
        QCOMPARE(lignes.value(3), QStringLiteral("En cours valeur : 800"));
        Chemin_fichier_aleatoire = QStringLiteral("/listes/jingles.dfm");
        f.aide_survol(&f.Text2);
        QCOMPARE(f.Text2.toolTip(), Chemin_fichier_aleatoire);
        QCOMPARE(f.Label11.Caption().left(15), QStringLiteral("Entrez la nouve"));

        // The pictures are not in this program folder: the background shows the warning and
        // the close picture does not close.
        QCOMPARE(f.images_trouvees, Faux);
        f.Form_MouseMove();
        QVERIFY(f.Label11.Caption().startsWith(QStringLiteral("Attention\rDes fichiers graphique")));
        QVERIFY(f.Label11.Caption().endsWith(QStringLiteral("Ces fichiers sont a copier dans : ") + Chemin_programme));
        f.Show();
        f.Image1_Click();
        QVERIFY(f.isVisible());
        f.Command2_Click();
        QVERIFY(!f.isVisible() && Form_options::existe());
    }
};

SONAVEL_TEST_MAIN(TestOptions)
#include "test_options.moc"
