// The shared state and the window instances behave as the whole program expects.
#include "config/etat.h"
#include "platform/erreur.h"
#include "platform/form.h"
#include "support/sonavel_test.h"

namespace {
class FenetreA : public FormInstance<FenetreA> {
public:
    void Form_Load() override { ++chargements; }
    void Form_Unload() override { ordre_dechargement().push_back('A'); }
    static inline int chargements = 0;
    static std::string& ordre_dechargement() {
        static std::string o;
        return o;
    }
};
class FenetreB : public FormInstance<FenetreB> {
public:
    void Form_Unload() override { FenetreA::ordre_dechargement().push_back('B'); }
};
}  // namespace

class TestFondations : public QObject {
    Q_OBJECT
private slots:
    void etat_commence_a_zero_et_se_reinitialise() {
        QCOMPARE(Radio::lecteur_en_cours, int16_t(0));
        QVERIFY(Radio::chemin_lecteur1.isEmpty() && Radio::chemin_lecteur3.isEmpty());
        Radio::journal_actif = Vrai;
        Radio::Préchargement = 12;
        Radio::enreg_destinataire.chemin = "x.mp3";
        Radio::index_tires.append(3);
        Radio::reinitialiser_etat();
        QCOMPARE(Radio::journal_actif, Faux);
        QCOMPARE(Radio::Préchargement, int16_t(0));
        QVERIFY(Radio::enreg_destinataire.chemin.isEmpty());
        QVERIFY(Radio::index_tires.isEmpty());
        QCOMPARE(Vrai, int16_t(-1));
    }

    void fenetre_creee_au_premier_usage_et_dechargee_derniere_en_premier() {
        QVERIFY(!FenetreA::existe());
        FenetreA& a = FenetreA::instance();
        QCOMPARE(&FenetreA::instance(), &a);
        QCOMPARE(FenetreA::chargements, 1);
        FenetreB::instance();
        Form::decharger_tout();
        QVERIFY(!FenetreA::existe() && !FenetreB::existe());
        QCOMPARE(FenetreA::ordre_dechargement(), std::string("BA"));
        FenetreA::instance();
        QCOMPARE(FenetreA::chargements, 2);  // a new instance loads again
        FenetreA::decharger();
    }

    void positions_en_twips() {
        FenetreA& a = FenetreA::instance();
        a.setLeft(1500);
        a.setTop(300);
        QCOMPARE(a.Left(), 1500);
        QCOMPARE(a.Top(), 300);
        FenetreA::decharger();
    }

    void erreur_porte_numero_et_description() {
        const Erreur e(err::VariableObjetNonDefinie);
        QCOMPARE(e.numero(), 91);
        QVERIFY(e.description().startsWith("Variable objet"));
        QCOMPARE(Erreur(5, "texte").description(), QString("texte"));
    }
};

SONAVEL_TEST_MAIN(TestFondations)
#include "test_fondations.moc"
