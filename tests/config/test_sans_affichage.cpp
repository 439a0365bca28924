// Started without any display, both programs say so in French and English and end with code 1,
// never with an abort.
#include <QProcess>

#include "support/sonavel_test.h"

class TestSansAffichage : public QObject {
    Q_OBJECT
private slots:
    void message_et_code_1_data() {
        QTest::addColumn<QString>("programme");
        QTest::addColumn<QString>("display");
        QTest::newRow("Sonavel_V5, no DISPLAY") << SONAVEL_PROGRAMME << QString();
        QTest::newRow("Sonavel_V5, unreachable DISPLAY") << SONAVEL_PROGRAMME << ":1999";
        QTest::newRow("Aide_Sonavel, no DISPLAY") << SONAVEL_AIDE << QString();
    }
    void message_et_code_1() {
        QFETCH(QString, programme);
        QFETCH(QString, display);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
        if (!display.isEmpty()) env.insert("DISPLAY", display);
        p.setProcessEnvironment(env);
        p.start(programme, {});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        const QString erreurs = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(erreurs.contains("un affichage graphique est nécessaire"), qPrintable(erreurs));
        QVERIFY2(erreurs.contains("a graphical display is needed"), qPrintable(erreurs));
    }
};

SONAVEL_TEST_MAIN(TestSansAffichage)
#include "test_sans_affichage.moc"
