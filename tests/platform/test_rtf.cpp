// The rich-text codec: round trips, files from other writers, an independent reader, and
// broken input.
#include <QBuffer>
#include <QImage>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>

#include "platform/rtf.h"
#include "support/sonavel_test.h"

namespace {

// One line per run of text: the characters and every formatting the codec keeps.
QStringList description(const QTextDocument& doc) {
    QStringList lignes;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const Qt::Alignment a = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        lignes << QStringLiteral("¶ %1").arg(int(a == Qt::AlignLeading ? Qt::AlignLeft : a));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat c = f.charFormat();
            QString ligne = QStringLiteral("%1|%2|%3|%4%5%6%7|%8")
                                .arg(f.text(), c.fontFamilies().toStringList().value(0))
                                .arg(c.fontPointSize())
                                .arg(c.fontWeight() > QFont::Medium ? "b" : "-", c.fontItalic() ? "i" : "-",
                                     c.fontUnderline() ? "u" : "-", c.fontStrikeOut() ? "s" : "-",
                                     c.hasProperty(QTextFormat::ForegroundBrush)
                                         ? c.foreground().color().name()
                                         : QStringLiteral("auto"));
            if (c.isImageFormat()) {
                const QTextImageFormat im = c.toImageFormat();
                QImage lue;
                const QVariant r = doc.resource(QTextDocument::ImageResource, QUrl(im.name()));
                if (r.userType() == QMetaType::QByteArray) lue.loadFromData(r.toByteArray());
                else lue = r.value<QImage>();
                ligne += QStringLiteral("|image %1x%2 shown %3x%4 pixel %5")
                             .arg(lue.width()).arg(lue.height()).arg(im.width()).arg(im.height())
                             .arg(lue.isNull() ? 0 : lue.pixel(1, 1), 0, 16);
            }
            lignes << ligne;
        }
    }
    return lignes;
}

QByteArray octets_image(const QImage& image, const char* format) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, format);
    return octets;
}

QTextCharFormat format(const QString& famille, double taille, bool gras = false, bool italique = false,
                       bool souligne = false, bool barre = false, QColor couleur = QColor()) {
    QTextCharFormat f;
    f.setFontFamilies({famille});
    f.setFontPointSize(taille);
    f.setFontWeight(gras ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italique);
    f.setFontUnderline(souligne);
    f.setFontStrikeOut(barre);
    if (couleur.isValid()) f.setForeground(couleur);
    return f;
}

// A document with every feature the codec keeps.
void remplir(QTextDocument& doc) {
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("Aide Sonavel "), format("DejaVu Sans", 16, true));
    c.insertText(QStringLiteral("été, œuvre à 5 € "), format("DejaVu Serif", 10.5, false, true));
    c.insertText(QStringLiteral("{\\} α😀"), format("DejaVu Sans Mono", 9, false, false, true, false, QColor(200, 30, 10)));
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centre);
    c.insertText(QStringLiteral("barré\tet\u2028ligne"), format("DejaVu Sans", 12, true, true, true, true, QColor(0, 128, 0)));
    QTextBlockFormat droite;
    droite.setAlignment(Qt::AlignRight);
    c.insertBlock(droite);
    QImage png(8, 6, QImage::Format_RGB32);
    png.fill(QColor(10, 200, 30));
    doc.addResource(QTextDocument::ImageResource, QUrl("png"), QVariant(octets_image(png, "PNG")));
    QTextImageFormat im;
    im.setName("png");
    im.setWidth(16);
    im.setHeight(12);
    c.insertImage(im);
    QImage jpeg(20, 10, QImage::Format_RGB32);
    jpeg.fill(QColor(250, 250, 250));
    doc.addResource(QTextDocument::ImageResource, QUrl("jpeg"), QVariant(octets_image(jpeg, "JPEG")));
    im.setName("jpeg");
    im.setWidth(20);
    im.setHeight(10);
    c.insertImage(im);
    QTextBlockFormat justifie;
    justifie.setAlignment(Qt::AlignJustify);
    c.insertBlock(justifie);
    c.insertText(QStringLiteral("fin"), format("DejaVu Sans", 12));
}

QString lire_texte(const QByteArray& rtf) {
    QTextDocument doc;
    rtf::lire(rtf, doc);
    return doc.toPlainText();
}

}  // namespace

class TestRtf : public QObject {
    Q_OBJECT
private slots:
    void aller_retour_garde_texte_et_mise_en_forme() {
        QTextDocument doc;
        remplir(doc);
        const QByteArray rtf = rtf::ecrire(doc);
        for (const char c : rtf) QVERIFY2(uint8_t(c) < 0x80, "7-bit output");
        QVERIFY(rtf.contains("\\'e9t\\'e9"));   // accents as Windows-1252
        QVERIFY(rtf.contains("{\\u945?}"));        // beyond the code page: \uN
        QVERIFY(rtf.contains("\\jpegblip"));     // a JPEG stays a JPEG
        QTextDocument lu;
        rtf::lire(rtf, lu);
        QCOMPARE(description(lu), description(doc));
        // Written again, the file is the same: nothing drifts from one save to the next.
        QCOMPARE(rtf::ecrire(lu), rtf);
    }

    void document_vide() {
        QTextDocument doc;
        const QByteArray rtf = rtf::ecrire(doc);
        QVERIFY(rtf::est_rtf(rtf));
        QCOMPARE(lire_texte(rtf), QString());
    }

    void selection_seule() {
        QTextDocument doc;
        remplir(doc);
        QTextCursor c(&doc);
        c.setPosition(5);
        c.setPosition(doc.findBlockByNumber(1).position() + 5, QTextCursor::KeepAnchor);
        QTextDocument lu;
        rtf::lire(rtf::ecrire_selection(c), lu);
        QCOMPARE(lu.toPlainText(), c.selection().toPlainText());
        QCOMPARE(lu.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        c.clearSelection();
        QCOMPARE(rtf::ecrire_selection(c), rtf::ecrire(doc));
    }

    // Files as other writers make them.
    void fichiers_d_autres_programmes_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("texte");
        QTest::newRow("code page and \\uN with its replacement")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\u8364?\\uc2\\u945 xy\\u946\\'3f\\'3fz}")
            << QStringLiteral("café €αβz");
        QTest::newRow("unknown optional groups and skipped destinations")
            << QByteArray("{\\rtf1{\\*\\generator Writer;}{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}"
                          "{\\*\\unknown{\\nested x}}a{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt lien}}b}")
            << QStringLiteral("alienb");
        QTest::newRow("paragraphs, line ends in the source, symbols")
            << QByteArray("{\\rtf1 un\r\n\\par deux\\line trois\\tab\\~\\emdash\\{\\}\\\\}")
            << QStringLiteral("un\ndeux\ntrois\t \u2014{}\\");  // as plain text: \line and \~ too
        QTest::newRow("plain text in UTF-8")
            << QByteArray("Aide Sonavel\r\nété\r\n\r\nfin") << QStringLiteral("Aide Sonavel\nété\n\nfin");
        QTest::newRow("plain text in Windows-1252")
            << QByteArray("f\xe8netre\r\n\x80") << QStringLiteral("fènetre\n€");
    }
    void fichiers_d_autres_programmes() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, texte);
        QCOMPARE(lire_texte(rtf), texte);
    }

    void tables_et_etats_d_autres_programmes() {
        const QByteArray rtf =
            "{\\rtf1\\ansi\\deff1{\\fonttbl\\f0\\froman Times;\\f1\\fswiss{\\*\\panose 0} Arial;}"
            "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
            "\\qc a{\\b\\cf2 b}\\b c\\b0 d\\plain\\f0\\fs40\\ul e\\ulnone f\\par\\pard g}";
        QTextDocument doc;
        rtf::lire(rtf, doc);
        const QStringList d = description(doc);
        QCOMPARE(d, (QStringList{"¶ 4", "a|Arial|12|----|auto", "b|Arial|12|b---|#0000ff",
                                 "c|Arial|12|b---|auto", "d|Arial|12|----|auto", "e|Times|20|--u-|auto",
                                 "f|Times|20|----|auto", "¶ 1", "g|Times|20|----|auto"}));
    }

    void images_d_autres_programmes() {
        QImage png(4, 4, QImage::Format_RGB32);
        png.fill(Qt::red);
        const QByteArray hex = octets_image(png, "PNG").toHex();
        // Word's pair: a PNG for readers that know it, a metafile for the others (skipped);
        // then the same picture as \bin raw bytes; an undecodable picture is dropped.
        const QByteArray rtf = "{\\rtf1 a{\\*\\shppict{\\pict\\pngblip\\picwgoal120\\pichgoal60 " + hex +
                               "}}{\\nonshppict{\\pict\\wmetafile8 0102}}b{\\pict\\pngblip\\bin" +
                               QByteArray::number(octets_image(png, "PNG").size()) + " " +
                               octets_image(png, "PNG") + "}c{\\pict\\pngblip 00ff}d}";
        QTextDocument doc;
        rtf::lire(rtf, doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("a\ufffcb\ufffccd"));
        const QStringList d = description(doc);
        QVERIFY2(d.value(2).endsWith("image 4x4 shown 8x4 pixel ffff0000"), qPrintable(d.join('\n')));
        QVERIFY2(d.value(4).endsWith("image 4x4 shown 0x0 pixel ffff0000"), qPrintable(d.join('\n')));
    }

    // Every cut of a real file, and hostile shapes: what can be read is kept, nothing crashes.
    void fichiers_abimes() {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
        QTextDocument doc;
        remplir(doc);
        const QByteArray rtf = rtf::ecrire(doc);
        for (int n = 0; n <= rtf.size(); n += 7) {
            QTextDocument lu;
            rtf::lire(rtf.left(n), lu);
            QVERIFY(lu.characterCount() <= doc.characterCount());
        }
        QCOMPARE(lire_texte(rtf.left(rtf.indexOf("Sonavel") + 7)), QStringLiteral("Aide Sonavel"));
        const QByteArray hostiles[] = {
            "{\\rtf1 " + QByteArray(200000, '{') + "x",
            "{\\rtf1 a}}}}}b{{{",
            "{\\rtf1\\u-99999999999999999999\\fs-5\\cf99999999999\\uc999 a\\'zz\\'",
            "{\\rtf1{\\pict\\bin999999999 12}",
            "{\\rtf1{\\colortbl" + QByteArray(50000, ';') + "}\\cf40000 x}",
            "{\\rtf1\\" + QByteArray(100, 'a') + "123456789012345678 x}",
        };
        for (const QByteArray& h : hostiles) {
            QTextDocument lu;
            rtf::lire(h, lu);
        }
        QCOMPARE(lire_texte(hostiles[1]), QStringLiteral("ab"));
    }

    // An independent reader (unrtf) finds the same text in what we write, accents included.
    void lu_par_un_lecteur_independant() {
        const QString unrtf = QStandardPaths::findExecutable("unrtf");
        if (unrtf.isEmpty()) QSKIP("unrtf is not installed (tools/setup.sh installs it)");
        QTextDocument doc;
        QTextCursor c(&doc);
        c.insertText(QStringLiteral("Première ligne: été, œuvre, 5 €"), format("DejaVu Sans", 14, true));
        c.insertBlock();
        c.insertText(QStringLiteral("Deuxième {ligne} \\ α"), format("DejaVu Serif", 10, false, true));
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("essai.rtf");
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(rtf::ecrire(doc));
        f.close();
        QProcess p;
        // Its HTML output names every character; its text output knows only one code page.
        p.start(unrtf, {"--html", "--nopict", chemin});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        QTextDocument html;
        html.setHtml(QString::fromUtf8(p.readAllStandardOutput()));
        const QString sortie = html.toPlainText();
        QVERIFY2(sortie.contains(QStringLiteral("Première ligne: été, œuvre, 5 €")), qPrintable(sortie));
        QVERIFY2(sortie.contains(QStringLiteral("Deuxième {ligne} \\ α")), qPrintable(sortie));
    }
};

SONAVEL_TEST_MAIN(TestRtf)
#include "test_rtf.moc"
