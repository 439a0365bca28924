// A list being saved survives a kill at any moment: a child process rewrites a 10,000-row
// list over and over and is killed (SIGKILL) at random moments; after each kill the list file
// is the old content or the new one, whole.
#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include "config/etat.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "playlist/fichier_liste.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"

namespace {
constexpr int Lignes = 10000;
constexpr const char* VariableEcrivain = "SONAVEL_ECRIVAIN_LISTE";

// Every cell filled, so the defaults of the rewrite play no part; the two versions differ in
// every record.
void remplir(Liste_son& l, const QString& genre) {
    if (l.ListView1.ListCount() == 0)
        for (int i = 1; i <= Lignes; ++i) {
            QTreeWidgetItem* r = l.ListView1.AddItem(QStringLiteral("/musique/titre %1.mp3").arg(i));
            for (int c = 1; c <= 5; ++c) r->setText(c, QStringLiteral("1"));
        }
    for (int i = 0; i < Lignes; ++i) l.ListView1.topLevelItem(i)->setText(3, genre);
}

// The child: rewrites the default list of the given program folder until it is killed.
int ecrire_sans_fin(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    programme::definir_dossier(qEnvironmentVariable(VariableEcrivain));
    Liste_son& l = Liste_son::instance();
    for (bool b = true;; b = !b) {
        remplir(l, b ? QStringLiteral("B") : QStringLiteral("A"));
        l.sauve_tout();
        fputs("ok\n", stdout);
        fflush(stdout);
    }
}
}  // namespace

class TestListeCoupure : public QObject {
    Q_OBJECT
private slots:
    void tuee_cent_fois_jamais_coupee() {
        Liste_son& l = Liste_son::instance();
        remplir(l, QStringLiteral("A"));
        const QByteArray a = fichier_liste::octets_de_la_vue(l.ListView1);
        remplir(l, QStringLiteral("B"));
        const QByteArray b = fichier_liste::octets_de_la_vue(l.ListView1);
        const QString liste = programme::dossier() + QStringLiteral("liste.dfm");
        fichiers::reecrire_fichier(liste, a);

        int nouveaux = 0;
        // Kills fall within this many ms after a first save; while every kill has found the
        // newer version, the saves are slower than that here (fsync under load, sanitizers),
        // so the window widens until a kill lands between saves.
        int fenetre_ms = 120;
        for (int essai = 0; essai < 100; ++essai) {
            QProcess enfant;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QString::fromLatin1(VariableEcrivain), programme::dossier());
            enfant.setProcessEnvironment(env);
            enfant.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(enfant.waitForStarted());
            // Once it has written at least once, let it run a random time, then kill it.
            QVERIFY(enfant.waitForReadyRead(20000));
            QThread::msleep(QRandomGenerator::global()->bounded(fenetre_ms));
            enfant.kill();
            QVERIFY(enfant.waitForFinished());
            const QByteArray apres = fichiers::lire_fichier(liste);
            QVERIFY2(apres == a || apres == b,
                     qPrintable(QStringLiteral("kill %1: %2 bytes, neither version").arg(essai).arg(apres.size())));
            if (apres == b) ++nouveaux;
            if (nouveaux == essai + 1) fenetre_ms = std::min(fenetre_ms * 3 / 2, 8000);
        }
        // Both versions were seen: the kills did fall between saves and not only before one.
        QVERIFY(nouveaux > 0 && nouveaux < 100);
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet(VariableEcrivain)) return ecrire_sans_fin(argc, argv);
    sonavel_test::preparer_environnement();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sonavel_V5");
    sonavel_test::nouveau_programme();
    TestListeCoupure tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "test_liste_coupure.moc"
