#pragma once
// Files of fixed-length records (lists, old lists, saved searches): random access by 1-based
// record number, and the field codecs of a record.
//
// Text fields are written in Windows-1252 (the format's own code page, so older lists keep
// their bytes) when every character has a code there, else as UTF-8, padded with spaces; they
// are read as UTF-8, or as Windows-1252 when the bytes are not valid UTF-8. A text too long for
// its field is refused where it enters (champ::tient); the codec cuts it at a character
// boundary only as a last resort. A text field ends at its first NUL byte.
// Numbers are little-endian: 16-bit integers and IEEE-754 doubles.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QVector>
#include <cstdint>

class FichierEnregistrements {
public:
    enum class Acces {
        Lecture,         // the file must exist; nothing is written
        LectureEcriture  // the file is created when missing
    };

    // Opens the file. Errors: 52 empty name, 53 missing file (reading), 76 missing folder,
    // 75 a folder or an inaccessible path, 70 permission.
    FichierEnregistrements(const QString& chemin, int longueur, Acces acces = Acces::LectureEcriture);

    int longueur_enregistrement() const { return m_longueur; }
    // Complete records in the file: its length divided by the record length, rounded down.
    int nombre() const;

    // Record numero (1-based). A record beyond the end reads as zero bytes, without error.
    // numero < 1: error 63.
    QByteArray lire(int numero);
    // Every complete record, read in one go.
    QVector<QByteArray> lire_tout();
    // Writes record numero, extending the file as needed (records skipped over read as zero
    // bytes). A shorter record is padded with zero bytes; a longer one is error 59.
    void ecrire(int numero, const QByteArray& enregistrement);
    // Writes after the last complete record.
    void ajouter(const QByteArray& enregistrement) { ecrire(nombre() + 1, enregistrement); }

    void fermer() { m_fichier.close(); }

private:
    QFile m_fichier;
    int m_longueur;
};

namespace champ {
// The bytes of a text field's content: Windows-1252 when the page holds every character, else UTF-8.
QByteArray octets_de(const QString& s);
// Whether s fits a field of largeur bytes.
bool tient(const QString& s, int largeur);
// A text field of largeur bytes, padded with spaces (cut at a character boundary when too long).
QByteArray texte(const QString& s, int largeur);
// The text of a field (padding kept; it ends at the first NUL byte).
QString decoder(const QByteArray& octets);

// Field access inside a record. Reads beyond the record give empty text or zero; writes
// beyond it grow the record.
QString lire_texte(const QByteArray& enreg, int position, int largeur);
void ecrire_texte(QByteArray& enreg, int position, int largeur, const QString& s);
int16_t lire_entier16(const QByteArray& enreg, int position);
void ecrire_entier16(QByteArray& enreg, int position, int16_t valeur);
double lire_reel64(const QByteArray& enreg, int position);
void ecrire_reel64(QByteArray& enreg, int position, double valeur);
}  // namespace champ
