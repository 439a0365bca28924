// Run-time helpers: rounding, text to number, number formats, slicing and searching.
#include <QLocale>

#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "support/sonavel_test.h"

using sonavel_test::erreur_de;

class TestExecution : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        QLocale::setDefault(QLocale::system());
        rt::definir_horloge({});
    }

    void arrondi_16_bits_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("attendu");  // the value, or minus the error number
        QTest::newRow("2.5 vers le pair") << "2.5" << 2;
        QTest::newRow("3.5 vers le pair") << "3.5" << 4;
        QTest::newRow("-2.5 vers le pair") << "-2.5" << -2;
        QTest::newRow("0.5") << "0.5" << 0;
        QTest::newRow("2.51") << "2.51" << 3;
        QTest::newRow("virgule") << "59,5" << 60;
        QTest::newRow("espaces autour") << "  12  " << 12;
        QTest::newRow("signe plus") << "+7" << 7;
        QTest::newRow("exposant") << "1e3" << 1000;
        QTest::newRow("limite haute") << "32767.4" << 32767;
        QTest::newRow("limite basse") << "-32768.5" << -32768;
        QTest::newRow("32767.5 deborde") << "32767.5" << -6;
        QTest::newRow("32768 deborde") << "32768" << -6;
        QTest::newRow("enorme") << "1e400" << -6;
        QTest::newRow("vide") << "" << -13;
        QTest::newRow("blancs") << "   " << -13;
        QTest::newRow("texte") << "abc" << -13;
        QTest::newRow("suite de texte") << "12abc" << -13;
        QTest::newRow("deux separateurs") << "1.234,5" << -13;
        QTest::newRow("signe seul") << "-" << -13;
    }
    void arrondi_16_bits() {
        QFETCH(QString, texte);
        QFETCH(int, attendu);
        int16_t v = 0;
        const int e = erreur_de([&] { v = rt::CInt(texte); });
        QCOMPARE(e ? -e : int(v), attendu);
    }

    void arrondi_32_bits_et_des_doubles() {
        QCOMPARE(rt::CInt(59.5), int16_t(60));
        QCOMPARE(rt::CInt(60.5), int16_t(60));
        QCOMPARE(rt::CLng(QStringLiteral("-2147483630")), int32_t(-2147483630));
        QCOMPARE(rt::CLng(2147483647.4), int32_t(2147483647));
        QCOMPARE(erreur_de([] { rt::CLng(2147483647.5); }), err::Depassement);
        QCOMPARE(erreur_de([] { rt::CLng(QStringLiteral("99999999999")); }), err::Depassement);
        QCOMPARE(erreur_de([] { rt::CInt(std::nan("")); }), err::Depassement);
    }

    void conversion_stricte_et_souple_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("numerique");
        QTest::addColumn<double>("strict");  // when numeric
        QTest::addColumn<double>("souple");
        QTest::newRow("point") << "12.5" << true << 12.5 << 12.5;
        QTest::newRow("virgule") << "12,5" << true << 12.5 << 12.5;
        QTest::newRow("negatif") << " -3,25 " << true << -3.25 << -3.25;
        QTest::newRow("sans entier") << ".5" << true << 0.5 << 0.5;
        QTest::newRow("unite") << "12.5 s" << false << 0.0 << 12.5;
        QTest::newRow("texte") << "abc" << false << 0.0 << 0.0;
        QTest::newRow("vide") << "" << false << 0.0 << 0.0;
        QTest::newRow("e sans chiffre") << "3e" << false << 0.0 << 3.0;
    }
    void conversion_stricte_et_souple() {
        QFETCH(QString, texte);
        QFETCH(bool, numerique);
        QFETCH(double, strict);
        QFETCH(double, souple);
        QCOMPARE(rt::IsNumeric(texte), numerique);
        if (numerique) QCOMPARE(rt::CDbl(texte), strict);
        else QCOMPARE(erreur_de([&] { rt::CDbl(texte); }), err::TypeIncompatible);
        QCOMPARE(rt::Val(texte), souple);
    }

    void format_nombre_data() {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QString>("point");
        QTest::addColumn<QString>("virgule");
        QTest::newRow("zero") << 0.0 << "0.00" << "0,00";
        QTest::newRow("dixieme") << 0.1 << "0.10" << "0,10";
        QTest::newRow("moitie de centieme") << 0.125 << "0.13" << "0,13";
        QTest::newRow("negatif") << -1.5 << "-1.50" << "-1,50";
        QTest::newRow("presque zero negatif") << -0.001 << "0.00" << "0,00";
        QTest::newRow("sans groupes") << 123456.789 << "123456.79" << "123456,79";
    }
    void format_nombre() {
        QFETCH(double, valeur);
        QFETCH(QString, point);
        QFETCH(QString, virgule);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(rt::format_nombre(valeur), point);
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(rt::format_nombre(valeur), virgule);
        // What the list shows converts back to the same hundredths, whatever the separator.
        QCOMPARE(rt::CDbl(virgule), rt::CDbl(point));
        QCOMPARE(rt::format_nombre(rt::CDbl(point)), virgule);
    }

    void texte_decimal_au_separateur_de_l_utilisateur() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(rt::CStr(0.1), QString("0,1"));
        QCOMPARE(rt::CStr(60), QString("60"));
        QCOMPARE(rt::CDbl(rt::CStr(12.345)), 12.345);
    }

    void decoupage_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("attendu");  // "#5" for error 5
        QTest::newRow("Left") << "Left" << 3 << 0 << "abc";
        QTest::newRow("Left trop long") << "Left" << 50 << 0 << "abcdef";
        QTest::newRow("Left zero") << "Left" << 0 << 0 << "";
        QTest::newRow("Left negatif") << "Left" << -1 << 0 << "#5";
        QTest::newRow("Right") << "Right" << 2 << 0 << "ef";
        QTest::newRow("Right trop long") << "Right" << 9 << 0 << "abcdef";
        QTest::newRow("Right negatif") << "Right" << -3 << 0 << "#5";
        QTest::newRow("Mid") << "Mid" << 2 << 3 << "bcd";
        QTest::newRow("Mid reste") << "Mid" << 4 << -1 << "def";
        QTest::newRow("Mid au-dela") << "Mid" << 9 << 2 << "";
        QTest::newRow("Mid debut 0") << "Mid" << 0 << 2 << "#5";
        QTest::newRow("Mid longueur negative") << "Mid" << 2 << -2 << "#5";
    }
    void decoupage() {
        QFETCH(QString, operation);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, attendu);
        const QString s = QStringLiteral("abcdef");
        QString r;
        const int e = erreur_de([&] {
            r = operation == "Left" ? rt::Left(s, a) : operation == "Right" ? rt::Right(s, a) : rt::Mid(s, a, b);
        });
        QCOMPARE(e ? QStringLiteral("#%1").arg(e) : r, attendu);
    }

    void recherche_a_partir_de_1() {
        const QString s = QStringLiteral("C:\\Musique\\a.mp3");
        QCOMPARE(rt::InStr(s, "\\"), 3);
        QCOMPARE(rt::InStr(4, s, "\\"), 11);
        QCOMPARE(rt::InStr(s, "MP3"), 0);
        QCOMPARE(rt::InStr(s, "MP3", Qt::CaseInsensitive), 14);
        QCOMPARE(rt::InStr(s, ""), 1);
        QCOMPARE(rt::InStr(99, s, "a"), 0);
        QCOMPARE(rt::InStrRev(s, "\\"), 11);
        QCOMPARE(rt::InStrRev(s, "\\", 10), 3);
        QCOMPARE(rt::InStrRev(s, "zz"), 0);
        QCOMPARE(rt::InStrRev("abab", "ab", 3), 1);  // the match must end by the start position
        QCOMPARE(erreur_de([&] { rt::InStr(0, s, "a"); }), err::AppelInvalide);
        QCOMPARE(erreur_de([&] { rt::InStrRev(s, "a", 0); }), err::AppelInvalide);
    }

    void espaces_seulement() {
        const QString s = QStringLiteral("  \tnom \r ");
        QCOMPARE(rt::Trim(s), QString("\tnom \r"));
        QCOMPARE(rt::LTrim(s), QString("\tnom \r "));
        QCOMPARE(rt::RTrim(s), QString("  \tnom \r"));
        QCOMPARE(rt::Trim("    "), QString());
    }

    void date_et_heure_du_systeme() {
        rt::definir_horloge([] { return QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3)); });
        QCOMPARE(rt::Date(), QString("07/03/2024"));
        QCOMPARE(rt::Time(), QString("09:05:03"));
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(rt::texte_date_longue(QDate(2024, 3, 7)), QString("jeudi, 07 mars 2024"));
    }
};

SONAVEL_TEST_MAIN(TestExecution)
#include "test_execution.moc"
