// Writes the shipped help file: the built-in help text of the viewer, formatted (title, picture,
// headings), as RTF. Run by tools/make_help.sh; the result is committed in assets/.
#include <QGuiApplication>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>

#include "help_viewer/aide_prog.h"
#include "platform/rtf.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        qWarning("usage: generer_aide ICON.png OUT.rtf");
        return 2;
    }
    const QStringList lignes = aide_prog::texte_aide(aide_prog::Application{});
    const QRegularExpression titre_bloc(QStringLiteral(
        "^(PREMIERE UTILISATION|Utilisation de Sonavel|Touche raccourci|Bouton de Commande|FENETRE LISTE|"
        "Option \\+|INFORMATION sur|PROBLEME|Mise a jour du|\\d+/\\d+/\\d+|Mini lecteur|Vous trouvez)"));

    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat normal;
    normal.setFontFamilies({QStringLiteral("DejaVu Sans")});
    normal.setFontPointSize(10);
    QTextCharFormat grand = normal;
    grand.setFontPointSize(18);
    grand.setFontWeight(QFont::Bold);
    // Dark tints: the viewer shows the file on the list colour, mid-grey by default, where
    // only dark text reads (4.5:1 at least).
    grand.setForeground(QColor(0x28, 0x18, 0x00));
    QTextCharFormat version = normal;
    version.setFontItalic(true);
    QTextCharFormat titre = normal;
    titre.setFontPointSize(12);
    titre.setFontWeight(QFont::Bold);
    titre.setForeground(QColor(0x06, 0x18, 0x38));
    QTextCharFormat touche = normal;
    touche.setFontFamilies({QStringLiteral("DejaVu Sans Mono")});

    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    QTextBlockFormat gauche;
    gauche.setAlignment(Qt::AlignLeft);

    QFile icone(QString::fromLocal8Bit(argv[1]));
    if (!icone.open(QIODevice::ReadOnly)) return 1;
    const QUrl nom(QStringLiteral("icone"));
    doc.addResource(QTextDocument::ImageResource, nom, QVariant(icone.readAll()));
    QTextImageFormat image;
    image.setName(nom.toString());
    image.setFontFamilies({QStringLiteral("DejaVu Sans")});
    image.setWidth(64);
    image.setHeight(64);

    c.setBlockFormat(centre);
    c.insertImage(image);
    for (int i = 0; i < lignes.size(); ++i) {
        const QString& l = lignes[i];
        c.insertBlock(i < 2 ? centre : gauche);
        if (i == 0) c.insertText(l, grand);
        else if (i == 1) c.insertText(l, version);
        else if (titre_bloc.match(l).hasMatch()) c.insertText(l, titre);
        else if (l.contains(QLatin1String(" : ")) && l.size() < 70) c.insertText(l, touche);
        else c.insertText(l, normal);
    }
    QFile sortie(QString::fromLocal8Bit(argv[2]));
    if (!sortie.open(QIODevice::WriteOnly)) return 1;
    sortie.write(rtf::ecrire(doc));
    return 0;
}
