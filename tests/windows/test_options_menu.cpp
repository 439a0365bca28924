// The Option menu and its neighbours: outside programs (what is started, in which order,
// and the messages when nothing is found), the journal switches and file, drag and drop,
// the file manager and the path choices made through it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/programme.h"
#include "support/programmes_factices.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Association.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/frmAbout.h"

using namespace Radio;

namespace {
struct Attendu {
    QString programme;  // name of the program found on PATH, or "" for a document
    QStringList arguments;
};

void verifier_lancements(const Lancements& l, const QString& dossier_path, const QVector<Attendu>& attendus) {
    QCOMPARE(l.demandes().size(), attendus.size());
    for (int i = 0; i < attendus.size(); ++i) {
        const lancement::Demande& d = l.demandes()[i];
        QCOMPARE(d.cible, dossier_path + QLatin1Char('/') + attendus[i].programme);
        QCOMPARE(d.genre, lancement::Demande::Programme);
        QCOMPARE(d.arguments, attendus[i].arguments);
    }
}

QStringList textes(const Repondeur& r) {
    QStringList t;
    for (const Repondeur::Boite& b : r.messages()) t << QString::number(b.style) + QLatin1Char(' ') + b.texte;
    return t;
}

const QString MessageCD = QStringLiteral("64 CDPLAYER.EXE (sous windows 95/98) est introuvable"
                                         "Windows Media Player sous windows XP va etre testé");
}  // namespace

class TestOptionsMenu : public QObject {
    Q_OBJECT
private slots:
    void init() { sonavel_test::nouveau_programme(); }

    void programmes_exterieurs_data() {
        QTest::addColumn<int>("commande");  // 0 CD player, 1 volume mixer
        QTest::addColumn<QStringList>("installes");
        QTest::addColumn<bool>("reussite");
        QTest::addColumn<QStringList>("lances");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cd: the CD player") << 0 << QStringList{"audacious", "vlc"} << true << QStringList{"audacious"}
                                           << QStringList{};
        QTest::newRow("cd: no CD player, the media player after the notice")
            << 0 << QStringList{"mpv"} << true << QStringList{"mpv"} << QStringList{MessageCD};
        QTest::newRow("cd: each found program tried, in order, until none is left")
            << 0 << QStringList{"audacious", "kscd", "totem", "vlc"} << false
            << QStringList{"kscd", "audacious", "vlc", "totem"} << QStringList{MessageCD, "64 Fichier introuvable"};
        QTest::newRow("cd: nothing installed") << 0 << QStringList{} << true << QStringList{}
                                               << QStringList{MessageCD, "64 Fichier introuvable"};
        QTest::newRow("volume: second choice") << 1 << QStringList{"pavucontrol-qt"} << true
                                               << QStringList{"pavucontrol-qt"} << QStringList{};
        QTest::newRow("volume: none") << 1 << QStringList{} << true << QStringList{}
                                      << QStringList{"64 sndvol32.exe est introuvable"};
    }

    void programmes_exterieurs() {
        QFETCH(int, commande);
        QFETCH(QStringList, installes);
        QFETCH(bool, reussite);
        QFETCH(QStringList, lances);
        QFETCH(QStringList, messages);
        ProgrammesFactices p(installes);
        Radio_FM& r = Radio_FM::instance();
        Repondeur rep;
        for (int i = 0; i < messages.size(); ++i) rep.attendre_message();
        Lancements l(reussite);
        if (commande == 0) r.A_lecteur_CD_Win.choisir();
        else r.a_vol.choisir();
        QVector<Attendu> attendus;
        for (const QString& n : lances)
            attendus.append({n, commande == 0 ? QStringList{QStringLiteral("cdda://")} : QStringList{}});
        verifier_lancements(l, p.dossier(), attendus);
        QCOMPARE(textes(rep), messages);
    }

    void journal_ouvert_dans_un_editeur_ou_l_application_par_defaut() {
        // A program folder with a blank and an accent: the journal's path is one argument.
        QTemporaryDir racine;
        const QString ancien = programme::dossier();
        const std::unique_ptr<void, std::function<void(void*)>> retour(
            this, [ancien](void*) { programme::definir_dossier(ancien); });
        const QString dossier = racine.path() + QStringLiteral("/Mes émissions/");
        QDir().mkpath(dossier);
        programme::definir_dossier(dossier);
        const QString journal = dossier + QStringLiteral("journal.doc");
        Radio_FM& r = Radio_FM::instance();
        {
            // No journal yet: said as such, nothing started.
            ProgrammesFactices p({"kate"});
            Lancements l;
            Repondeur rep;
            rep.attendre_message();
            r.A_ouvre_journal.choisir();
            QCOMPARE(l.demandes().size(), 0);
            QCOMPARE(textes(rep), QStringList{"64 Pas de journal à ouvrir : " + journal + " n'existe pas"});
        }
        QVERIFY(QFile(journal).open(QIODevice::WriteOnly));
        {
            ProgrammesFactices p({"mousepad", "kate"});
            Lancements l;
            r.A_ouvre_journal.choisir();
            verifier_lancements(l, p.dossier(), {{QStringLiteral("kate"), {journal}}});
            QCOMPARE(QDir::currentPath() + QLatin1Char('/'), dossier);
        }
        {
            ProgrammesFactices p;
            Lancements l;
            r.A_ouvre_journal_Click();
            QCOMPARE(l.demandes().size(), 1);
            QCOMPARE(l.demandes()[0].genre, lancement::Demande::Document);
            QCOMPARE(l.demandes()[0].cible, journal);
        }
        {
            // The journal is there but nothing opens it: every program tried is named.
            ProgrammesFactices p({"mousepad", "kate"});
            Lancements l(false);
            Repondeur rep;
            rep.attendre_message();
            r.A_ouvre_journal.choisir();
            QCOMPARE(l.demandes().size(), 3);
            QCOMPARE(textes(rep), QStringList{"64 Aucun programme n'a pu ouvrir le journal " + journal +
                                              "\rEssayés : kate, mousepad, l'application par défaut du bureau"});
        }
        {
            // The real desktop opener: one that finds no application ends with an error, and
            // that is said; one that opens the journal says nothing.
            ProgrammesFactices p;
            p.ajouter(QStringLiteral("xdg-open"), "#!/bin/sh\nexit 3\n");
            Repondeur rep;
            rep.attendre_message();
            // The launches go to the real programs of the fake PATH, not to the stand-in.
            auto remise = lancement::definir_interception({});
            r.A_ouvre_journal.choisir();
            QCOMPARE(textes(rep), QStringList{"64 Aucun programme n'a pu ouvrir le journal " + journal +
                                              "\rEssayés : l'application par défaut du bureau"});
            p.ajouter(QStringLiteral("xdg-open"), "#!/bin/sh\nexit 0\n");
            r.A_ouvre_journal.choisir();
            QCOMPARE(rep.messages().size(), 1);
            lancement::definir_interception(remise);
        }
    }

    void aide_demarree_depuis_le_dossier_du_programme() {
        Radio_FM& r = Radio_FM::instance();
        Chemin_programme = programme::dossier();
        {
            Lancements l;
            r.aideprog.choisir();
            QCOMPARE(l.demandes().size(), 1);
            QCOMPARE(l.demandes()[0].cible, programme::dossier() + QStringLiteral("Aide_Sonavel"));
            QVERIFY(l.demandes()[0].arguments.isEmpty());
            QCOMPARE(l.demandes()[0].dossier, programme::dossier());
        }
        // Missing: the exclamation message and nothing else.
        Lancements l(false);
        Repondeur rep;
        rep.attendre_message();
        r.aideprog_Click();
        QCOMPARE(rep.boites().size(), 1);
        QCOMPARE(rep.messages()[0].style, 48);
        QVERIFY(rep.messages()[0].texte.startsWith(QStringLiteral("L'aide est introuvable . Télécharger le sur http")));
    }

    void commutateurs_du_journal_data() {
        QTest::addColumn<int>("commande");
        QTest::addColumn<QVector<bool>>("coches");  // A_desacive_J, Active_journal, Active_journal1
        QTest::addColumn<int>("actif");
        QTest::newRow("Désactiver") << 0 << QVector<bool>{true, false, false} << int(Faux);
        QTest::newRow("Activer  conserver") << 1 << QVector<bool>{false, true, false} << int(Vrai);
        QTest::newRow("Activer et ne pas conserver") << 2 << QVector<bool>{false, false, true} << int(Vrai);
    }

    void commutateurs_du_journal() {
        QFETCH(int, commande);
        QFETCH(QVector<bool>, coches);
        QFETCH(int, actif);
        Radio_FM& r = Radio_FM::instance();
        // From the opposite state, every item checked, so each one is seen to move.
        for (MenuItem* m : {&r.A_desacive_J, &r.Active_journal, &r.Active_journal1}) m->setChecked(true);
        journal_actif = actif ? Faux : Vrai;
        MenuItem* items[] = {&r.A_desacive_J, &r.Active_journal, &r.Active_journal1};
        items[commande]->choisir();
        QCOMPARE((QVector<bool>{r.A_desacive_J.Checked(), r.Active_journal.Checked(), r.Active_journal1.Checked()}),
                 coches);
        QCOMPARE(int(journal_actif), actif);
    }

    void glisser_deplacer_bascule() {
        Radio_FM& r = Radio_FM::instance();
        glisser_deplacer_actif = Vrai;
        r.A_glisser_déplacer.choisir();
        QCOMPARE(r.A_glisser_déplacer.Caption(), QStringLiteral("Ne pas autoriser sur la liste, le glisser / déplacer"));
        QCOMPARE(glisser_deplacer_actif, Faux);
        QVERIFY(r.A_glisser_déplacer.Checked());
        r.A_glisser_déplacer.choisir();
        QCOMPARE(r.A_glisser_déplacer.Caption(), QStringLiteral("Autoriser sur la liste, le glisser / déplacer"));
        QCOMPARE(glisser_deplacer_actif, Vrai);
        QVERIFY(r.A_glisser_déplacer.Checked());
    }

    void purge_du_journal() {
        Radio_FM& r = Radio_FM::instance();
        const QString journal = programme::dossier() + QStringLiteral("journal.doc");
        QFile f(journal);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x\r\n");
        f.close();
        {
            Repondeur rep;
            rep.attendre_message();
            r.A_purger_journal.choisir();
            QCOMPARE(textes(rep), QStringList{"64 Ok journal supprimé"});
            QVERIFY(!QFile::exists(journal));
        }
        Repondeur rep;  // none left: nothing is shown
        r.A_purger_journal_Click();
        QVERIFY(rep.boites().isEmpty());
    }

    void gestionnaire_de_fichiers() {
        Radio_FM& r = Radio_FM::instance();
        ajout_fichier& a = ajout_fichier::instance();
        QTemporaryDir musique;
        const QString avant = a.Dir1.Path();

        Chemin_dernier_fichier.clear();
        r.A_gere.choisir();
        QVERIFY(a.isVisible());
        QCOMPARE(a.Caption(), QStringLiteral("Gestion de fichier (Click droit sur élément)"));
        QVERIFY(!a.Label7.isEnabled());
        QCOMPARE(a.Dir1.Path(), avant);
        a.hide();

        Chemin_dernier_fichier = QStringLiteral(" ") + musique.path() + QStringLiteral("/ ");
        r.A_gere_Click();
        QVERIFY(a.isVisible());
        QCOMPARE(a.Dir1.Path(), musique.path());
        QCOMPARE(QDir::currentPath(), musique.path());
        a.hide();

        // A folder gone since: silent, the file manager not shown.
        Chemin_dernier_fichier = musique.path() + QStringLiteral("/parti");
        a.setCaption(QStringLiteral("x"));
        Repondeur rep;
        r.A_gere_Click();
        QVERIFY(!a.isVisible());
        QVERIFY(rep.boites().isEmpty());
    }

    void choix_des_chemins_data() {
        QTest::addColumn<int>("variante");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<bool>("liste_fichiers");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("cle");
        QTest::newRow("jingles") << 0 << "Définir chemin des jingles" << false << "*.mp3" << "Chemin_dossier_jingles";
        QTest::newRow("musique") << 1 << "Définir chemin du dossier Musique" << false << "*.mp3"
                                 << "Chemin_dernier_fichier";
        QTest::newRow("editeur") << 2 << "Définir chemin de l'editeur audio" << true << "*" << "Chemin_editeur_audio";
    }

    void choix_des_chemins() {
        QFETCH(int, variante);
        QFETCH(QString, legende);
        QFETCH(bool, liste_fichiers);
        QFETCH(QString, type);
        QFETCH(QString, cle);
        Radio_FM& r = Radio_FM::instance();
        ajout_fichier& a = ajout_fichier::instance();
        QTemporaryDir choisi;
        QFile editeur(choisi.path() + QStringLiteral("/editeur"));
        QVERIFY(editeur.open(QIODevice::WriteOnly));
        editeur.close();

        // While the file manager is open (modal), the state it was given; then validate.
        bool vu = false;
        QTimer::singleShot(0, [&] {
            vu = true;
            QVERIFY(a.isVisible() && a.isModal());
            QCOMPARE(a.Caption(), legende);
            QCOMPARE(a.File1.isEnabled(), liste_fichiers);
            QCOMPARE(a.Combo1.Text(), type);
            QVERIFY(!a.Combo1.isEnabled());
            for (QWidget* w : std::initializer_list<QWidget*>{&a.HLBSoftBttn1, &a.HLBSoftBttn2, &a.HLBSoftBttn3, &a.Label7})
                QVERIFY(w->isHidden());
            QCOMPARE(a.Label8.Caption(), QStringLiteral("Valider"));
            a.Dir1.setPath(choisi.path());
            a.File1.setPath(choisi.path());
            if (variante == 2) a.File1.setListIndex(0);
            a.Label8_Click();
        });
        MenuItem* items[] = {&r.A_def_jingles, &r.A_def_musique, &r.a_editeur_audio};
        items[variante]->choisir();
        QVERIFY(vu);

        QString attendu = choisi.path() + QLatin1Char('/');
        if (variante == 2) attendu += QStringLiteral("editeur");
        QCOMPARE(lire_reglage(cle::Config, cle.toUtf8().constData()), attendu);
        // The file manager as it was.
        QVERIFY(!a.isVisible());
        QCOMPARE(a.Caption(), QStringLiteral("Ajout / recherche fichier (s)"));
        QVERIFY(a.File1.isEnabled() && a.Combo1.isEnabled());
        QCOMPARE(a.Combo1.Text(), QStringLiteral("*.mp3"));
        for (QWidget* w : std::initializer_list<QWidget*>{&a.HLBSoftBttn1, &a.HLBSoftBttn2, &a.HLBSoftBttn3, &a.Label7})
            QVERIFY(!w->isHidden());
    }

    void chemin_enregistre_tel_quel_sans_validation() {
        Radio_FM& r = Radio_FM::instance();
        ajout_fichier& a = ajout_fichier::instance();
        Chemin_dossier_jingles = QStringLiteral("  /jingles/d'avant ");
        QTimer::singleShot(0, [&] { a.hide(); });
        r.A_def_jingles_Click();
        QCOMPARE(lire_reglage(cle::Config, cle::Chemin_dossier_jingles), QStringLiteral("/jingles/d'avant"));
    }

    void porte_cd_sans_lecteur() {
        // No drive here: nothing is shown, nothing waits.
        Repondeur r;
        Radio_FM& f = Radio_FM::instance();
        f.A_Ouvrir_CD.choisir();
        f.A_fermer_CD.choisir();
        QVERIFY(r.boites().isEmpty());
    }

    void a_propos_et_association() {
        Radio_FM& r = Radio_FM::instance();
        r.a_pp.choisir();
        QVERIFY(frmAbout::instance().isVisible());
        QVERIFY(!frmAbout::instance().isModal());
        bool modal = false;
        QTimer::singleShot(0, [&] {
            modal = Association::instance().isModal();
            Association::instance().Command2_Click();
        });
        r.a_assosiation.choisir();
        QVERIFY(modal);
        QVERIFY(!Association::instance().isVisible());
    }
};

SONAVEL_TEST_MAIN(TestOptionsMenu)
#include "test_options_menu.moc"
