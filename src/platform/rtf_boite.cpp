#include "platform/rtf_boite.h"

#include <QImage>
#include <QMouseEvent>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/couleurs.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "platform/rtf.h"
#include "platform/rtf_commun.h"

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(true);
    // The right button is the window's own pop-up menu (MouseUp), not the toolkit's.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void RichTextBox::LoadFile(const QString& chemin) { setTextRTF(fichiers::lire_fichier(chemin)); }

void RichTextBox::SaveFile(const QString& chemin) { fichiers::reecrire_fichier(chemin, TextRTF()); }

QByteArray RichTextBox::TextRTF() const { return rtf::ecrire(*document()); }

void RichTextBox::setTextRTF(const QByteArray& donnees) {
    rtf::lire(donnees, *document());
    document()->setModified(false);
    moveCursor(QTextCursor::Start);
}

int RichTextBox::SelLength() const {
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void RichTextBox::setSelColor(int32_t couleur) {
    QTextCharFormat f;
    f.setForeground(couleur_qt(couleur));
    mergeCurrentCharFormat(f);
}

void RichTextBox::setSelFont(const QString& nom, double taille, bool gras, bool italique, bool barre,
                             bool souligne) {
    QTextCharFormat f;
    if (!nom.isEmpty()) f.setFontFamilies(QStringList{nom});
    if (taille > 0) f.setFontPointSize(taille);
    f.setFontWeight(gras ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italique);
    f.setFontStrikeOut(barre);
    f.setFontUnderline(souligne);
    mergeCurrentCharFormat(f);
}

bool RichTextBox::inserer_image(const QString& chemin) {
    QByteArray octets;
    try {
        octets = fichiers::lire_fichier(chemin);
    } catch (const Erreur&) {
        return false;
    }
    QImage image;
    if (!image.loadFromData(octets)) return false;
    if (rtf_commun::type_image(octets) == rtf_commun::TypeImage::Aucun) octets = rtf_commun::en_png(image);
    const QUrl nom = rtf_commun::nom_image_nouveau();
    document()->addResource(QTextDocument::ImageResource, nom, QVariant(octets));
    QTextImageFormat f;
    f.setName(nom.toString());
    f.setWidth(image.width());
    f.setHeight(image.height());
    textCursor().insertImage(f);
    return true;
}

void RichTextBox::setBackColor(int32_t couleur) {
    QPalette p = palette();
    p.setColor(QPalette::Base, couleur_qt(couleur));
    setPalette(p);
}

void RichTextBox::setForeColor(int32_t couleur) {
    QPalette p = palette();
    p.setColor(QPalette::Text, couleur_qt(couleur));
    setPalette(p);
}

bool RichTextBox::SelPrint(QPrinter& imprimante) const {
    // Through the codec, so the selection's pictures come along.
    QTextDocument a_imprimer;
    a_imprimer.setDefaultFont(document()->defaultFont());
    rtf::lire(rtf::ecrire_selection(textCursor()), a_imprimer);
    a_imprimer.print(&imprimante);
    return imprimante.printerState() != QPrinter::Error;
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* e) {
    QTextEdit::mouseReleaseEvent(e);
    evenement::souris(MouseUp, e);
}
