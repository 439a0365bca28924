#pragma once
// Our own rich-text (RTF) reader and writer, for the subset the programs use: fonts, sizes,
// colours, bold, italic, underline, strike-out, paragraph alignment, line breaks, tabs, any
// Unicode character (\'hh in Windows-1252, else \uN) and embedded PNG or JPEG pictures.
//
//   QTextDocument doc;
//   rtf::lire(fichiers::lire_fichier(chemin), doc);   // RTF, or plain text
//   fichiers::reecrire_fichier(chemin, rtf::ecrire(doc));
//
// The reader never fails: a malformed or truncated file gives what could be read; unknown
// control words and destinations are skipped. A text that does not start with "{\rtf" is
// taken as plain text (UTF-8, else Windows-1252; CR LF, LF or CR end a paragraph).
// The writer gives 7-bit text that word processors and independent readers open.
#include <QByteArray>

class QTextDocument;
class QTextCursor;

namespace rtf {
// Does the content start as RTF ("{\rtf", spaces before it allowed)?
bool est_rtf(const QByteArray& donnees);
// Replaces the document's content with the RTF (or plain text) read.
void lire(const QByteArray& donnees, QTextDocument& doc);
// Inserts the RTF's content at the cursor (the document's pictures go into its resources).
void inserer(const QByteArray& donnees, QTextCursor& curseur);
// The whole document as RTF.
QByteArray ecrire(const QTextDocument& doc);
// Only the cursor's selection, as RTF (the whole document when nothing is selected).
QByteArray ecrire_selection(const QTextCursor& curseur);
}  // namespace rtf
