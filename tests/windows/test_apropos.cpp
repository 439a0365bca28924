// The about box and the web-information box: captions and texts, the pages they open, the
// system-information tool and its fallback message, closing that only hides.
#include <QCloseEvent>
#include <QCoreApplication>

#include "platform/programme.h"
#include "support/programmes_factices.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/frmAbout.h"
#include "windows/infoplus.h"

namespace {
QString ouvert(const Lancements& l) {
    if (l.demandes().size() != 1 || l.demandes()[0].genre != lancement::Demande::Document) return QStringLiteral("?");
    return l.demandes()[0].cible;
}
const QString Site = QString::fromLatin1(frmAbout::AdresseSite);
const QString Telechargement = QString::fromLatin1(frmAbout::AdresseTelechargement);
}  // namespace

class TestAPropos : public QObject {
    Q_OBJECT
private slots:
    void init() { sonavel_test::nouveau_programme(); }

    void boite_a_propos_remplie_une_fois() {
        frmAbout& f = frmAbout::instance();
        QCOMPARE(f.Caption(), QStringLiteral("À propos de Sonavel_V5"));
        QCOMPARE(f.lblTitle.Caption(), QStringLiteral("Sonavel_V5"));
        QCOMPARE(f.lblDescription.Caption(), QStringLiteral("Sonavel Lecteur / Mixeur jingles 3 pistes multimédia"));
        QVERIFY(f.lblDisclaimer.Caption().startsWith(QStringLiteral("Conception / développement - ")));
        QVERIFY(f.lblDisclaimer.Caption().contains(QLatin1Char('\n')));
        QCOMPARE(f.cmdSysInfo.Caption(), QStringLiteral("&Infos système..."));

        // The close box only hides; shown again, the load does not run twice.
        const QString credits = f.lblDisclaimer.Caption();
        f.Show();
        QCloseEvent e;
        QCoreApplication::sendEvent(&f, &e);
        QVERIFY(!e.isAccepted());
        QVERIFY(frmAbout::existe() && !f.isVisible());
        f.Show();
        QCOMPARE(f.lblDisclaimer.Caption(), credits);
        f.cmdOK.click();
        QVERIFY(!f.isVisible());
    }

    void pages_du_site() {
        frmAbout& f = frmAbout::instance();
        f.Show();
        {
            Lancements l;
            f.Label2_Click();
            QCOMPARE(ouvert(l), Site);
            QVERIFY(f.isVisible());
        }
        {
            Lancements l(false);  // no browser: nothing is said
            Repondeur r;
            f.Image2_Click();
            QCOMPARE(ouvert(l), Site);
            QVERIFY(r.boites().isEmpty());
        }
        Lancements l;
        f.Image1_Click();
        QCOMPARE(ouvert(l), Telechargement);
        QVERIFY(!f.isVisible());
    }

    void outil_d_informations_systeme() {
        frmAbout& f = frmAbout::instance();
        {
            ProgrammesFactices p({"kinfocenter", "hardinfo"});
            Lancements l;
            f.cmdSysInfo.click();
            QCOMPARE(l.demandes().size(), 1);
            QCOMPARE(l.demandes()[0].cible, p.dossier() + QStringLiteral("/hardinfo"));
        }
        ProgrammesFactices p;
        Lancements l;
        Repondeur r;
        r.attendre_message();
        f.StartSysInfo();
        QVERIFY(l.demandes().isEmpty());
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Les informations système ne sont pas disponibles actuellement"));
        QCOMPARE(r.messages()[0].style, 0);
    }

    void boite_d_informations_web() {
        infoplus& w = infoplus::instance();
        QCOMPARE(w.Label2.Caption(), QStringLiteral("Sonavel_V5 - Version : 5.8.0"));
        w.Label2_Click();
        QCOMPARE(w.Label2.Caption(), QStringLiteral("Sonavel_V5 - Version : 5.8.0"));

        for (int i = 0; i < 2; ++i) {
            w.Label3.setToolTip(QString());
            w.Label3_MouseMove();
            QCOMPARE(w.Label3.toolTip(), QStringLiteral("Mise a jour de Sonavel_V5"));
        }

        Repondeur r;
        r.attendre_message();
        w.Label4_Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].style, 64);
        QCOMPARE(r.messages()[0].titre, QStringLiteral("Sonavel_V5"));  // the default title
        const QStringList lignes = r.messages()[0].texte.split(QLatin1Char('\r'));
        QCOMPARE(lignes.size(), 6);
        QCOMPARE(lignes[0], QStringLiteral("Info mise a jour\n"));
        QCOMPARE(lignes[1], QStringLiteral("\n"));
        QCOMPARE(lignes[2], QStringLiteral("1° télecharger la derniere version de Sonavel_V5"));
        QVERIFY(lignes[3].contains(Telechargement));
        QCOMPARE(lignes[4], QStringLiteral("Rechercher le dossier d'installation : ") + programme::dossier());
        QCOMPARE(lignes[5], QStringLiteral("2°Ecraser ou remplacer l'ancienne version exécutable"));
    }

    void liens_de_la_boite_web() {
        infoplus& w = infoplus::instance();
        w.Show();
        {
            Lancements l;
            w.Label1_Click();
            QCOMPARE(ouvert(l), QStringLiteral("mailto:") + QString::fromLatin1(frmAbout::AdresseCourriel));
            QVERIFY(w.isVisible());
        }
        {
            Lancements l;
            w.Image1_Click();
            QCOMPARE(ouvert(l), Site);
            QVERIFY(!w.isVisible());
        }
        w.Show();
        Lancements l;
        w.Label3_Click();
        QCOMPARE(ouvert(l), Telechargement);
        QVERIFY(!w.isVisible());
    }
};

SONAVEL_TEST_MAIN(TestAPropos)
#include "test_apropos.moc"
