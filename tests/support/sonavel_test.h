#pragma once
// Test entry point: every test runs headless, with its own settings, data and program
// folders in a temporary directory, and fakesink for sound and picture.
#include <QApplication>
#include <QTest>

#include "platform/erreur.h"

namespace sonavel_test {
// Sets the environment before the application object exists, and the guards that fail a
// test on a box or a launch it did not prepare for (support/repondeur.h).
void preparer_environnement();
// The temporary program folder of this test run (ends with "/").
QString dossier_programme();
// The source folder of the pictures that the build copies beside the programs.
QString dossier_images();
// The run-time error number that f raises, 0 when it raises none.
template <typename F>
int erreur_de(F&& f) {
    try {
        f();
    } catch (const Erreur& e) {
        return e.numero();
    }
    return 0;
}
// Puts the shared state back to zero, unloads every window and empties the program folder's
// lists and journal, so a test starts from a fresh program.
void nouveau_programme();
}  // namespace sonavel_test

#define SONAVEL_TEST_MAIN(TestObject)                        \
    int main(int argc, char** argv) {                        \
        sonavel_test::preparer_environnement();              \
        QApplication app(argc, argv);                        \
        QApplication::setApplicationName("Sonavel_V5");      \
        sonavel_test::nouveau_programme();                   \
        TestObject tc;                                       \
        QTEST_SET_MAIN_SOURCE_PATH                           \
        return QTest::qExec(&tc, argc, argv);                \
    }
