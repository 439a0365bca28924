#pragma once
// The rich-text box: a QTextEdit that loads and saves its content as RTF (platform/rtf.h),
// with the selection's colour and font, picture insertion and printing of the selection or
// the whole text.
#include <QTextEdit>
#include <cstdint>

#include "platform/evenements.h"

class QPrinter;

class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Reads the file (RTF, or plain text) as the whole content; errors as fichiers::lire_fichier.
    void LoadFile(const QString& chemin);
    // Writes the whole content as RTF, safely (a failed write leaves the old file whole and
    // throws the Erreur of fichiers::reecrire_fichier).
    void SaveFile(const QString& chemin);
    QByteArray TextRTF() const;
    void setTextRTF(const QByteArray& rtf);

    // The selection (or the insertion point when nothing is selected).
    int SelLength() const;
    void setSelColor(int32_t couleur);
    void setSelFont(const QString& nom, double taille, bool gras, bool italique, bool barre, bool souligne);
    // Inserts a picture file at the insertion point, embedded in the text (PNG and JPEG stay
    // as they are, other kinds become PNG). False when the file is not a picture.
    bool inserer_image(const QString& chemin);

    // Back colour of the text, and the colour of text that has none of its own.
    void setBackColor(int32_t couleur);
    void setForeColor(int32_t couleur);

    // Prints the selection, or the whole text when nothing is selected. False when the
    // printer could not print.
    bool SelPrint(QPrinter& imprimante) const;

    GestionSouris MouseUp;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};
