// Any bytes through the rich-text reader, and what it read through the writer and back: no
// crash, and what the writer wrote reads back into the same file.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdlib>

#include "platform/rtf.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTextDocument doc;
    rtf::lire(QByteArray(reinterpret_cast<const char*>(data), int(size)), doc);
    const QByteArray premier = rtf::ecrire(doc);
    QTextDocument relu;
    rtf::lire(premier, relu);
    if (rtf::ecrire(relu) != premier) std::abort();
    return 0;
}
