#include "platform/enregistrements.h"
#include "platform/windows1252.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QtEndian>
#include <cstring>

#include "platform/erreur.h"
#include "platform/fichiers.h"

FichierEnregistrements::FichierEnregistrements(const QString& chemin, int longueur, Acces acces)
    : m_fichier(chemin), m_longueur(longueur) {
    if (longueur <= 0) throw Erreur(err::AppelInvalide);
    const bool ecriture = acces == Acces::LectureEcriture;
    fichiers::verifier_fichier_ordinaire(chemin);
    if (chemin.isEmpty() || QFileInfo(chemin).isDir() ||
        !m_fichier.open(ecriture ? QIODevice::ReadWrite : QIODevice::ReadOnly))
        throw Erreur(fichiers::numero_erreur_ouverture(chemin, ecriture));
}

int FichierEnregistrements::nombre() const { return int(m_fichier.size() / m_longueur); }

QByteArray FichierEnregistrements::lire(int numero) {
    if (numero < 1) throw Erreur(err::NumeroEnregistrement);
    QByteArray enreg(m_longueur, '\0');
    const qint64 position = qint64(numero - 1) * m_longueur;
    if (position >= m_fichier.size()) return enreg;
    if (!m_fichier.seek(position)) throw Erreur(err::ErreurEntreeSortie);
    const qint64 lus = m_fichier.read(enreg.data(), m_longueur);
    if (lus < 0) throw Erreur(fichiers::numero_erreur_ecriture(m_fichier));
    return enreg;  // a trailing partial record keeps zero bytes after the file's end
}

QVector<QByteArray> FichierEnregistrements::lire_tout() {
    QVector<QByteArray> enregs;
    const int n = nombre();
    if (!m_fichier.seek(0)) throw Erreur(err::ErreurEntreeSortie);
    const QByteArray tout = m_fichier.read(qint64(n) * m_longueur);
    if (tout.size() != qint64(n) * m_longueur) throw Erreur(fichiers::numero_erreur_ecriture(m_fichier));
    enregs.reserve(n);
    for (int i = 0; i < n; ++i) enregs.append(tout.mid(qsizetype(i) * m_longueur, m_longueur));
    return enregs;
}

void FichierEnregistrements::ecrire(int numero, const QByteArray& enregistrement) {
    if (numero < 1) throw Erreur(err::NumeroEnregistrement);
    if (enregistrement.size() > m_longueur) throw Erreur(err::LongueurEnregistrement);
    if (!m_fichier.isWritable()) throw Erreur(err::ModeAccesIncorrect);
    QByteArray enreg = enregistrement;
    if (enreg.size() < m_longueur) enreg.append(m_longueur - enreg.size(), '\0');
    // Seeking past the end and writing leaves zero bytes in between.
    if (!m_fichier.seek(qint64(numero - 1) * m_longueur) || m_fichier.write(enreg) != m_longueur ||
        !m_fichier.flush())
        throw Erreur(fichiers::numero_erreur_ecriture(m_fichier));
}

namespace champ {
QString decoder(const QByteArray& octets) {
    const qsizetype nul = octets.indexOf('\0');
    const QByteArray utiles = nul < 0 ? octets : octets.left(nul);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8.decode(utiles);
    return utf8.hasError() ? windows1252::decoder(utiles) : s;
}

QByteArray octets_de(const QString& s) {
    QByteArray page;
    page.reserve(s.size());
    bool hors_ascii = false;
    for (const QChar c : s) {
        const int o = windows1252::code(c);
        if (o < 0) return s.toUtf8();  // not in the code page: UTF-8
        hors_ascii |= o >= 0x80;
        page.append(char(o));
    }
    if (!hors_ascii) return page;
    // Bytes that would read back as valid UTF-8 would read back as other characters.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString relu = utf8.decode(page);  // the decoder converts only when taken as a string
    Q_UNUSED(relu);
    return utf8.hasError() ? page : s.toUtf8();
}

bool tient(const QString& s, int largeur) { return octets_de(s).size() <= largeur; }

QByteArray texte(const QString& s, int largeur) {
    QByteArray octets = octets_de(s);
    if (octets.size() > largeur) {
        // In UTF-8, back up over continuation bytes (10xxxxxx) so no character is cut in half;
        // a single-byte code page cuts anywhere.
        int coupe = largeur;
        if (octets != windows1252::encoder(s))
            while (coupe > 0 && (uchar(octets[coupe]) & 0xC0) == 0x80) --coupe;
        octets.truncate(coupe);
    }
    octets.append(largeur - octets.size(), ' ');
    return octets;
}

QString lire_texte(const QByteArray& enreg, int position, int largeur) {
    return decoder(enreg.mid(position, largeur));
}

namespace {
char* place(QByteArray& enreg, int position, int largeur) {
    if (enreg.size() < position + largeur) enreg.append(position + largeur - enreg.size(), '\0');
    return enreg.data() + position;
}
template <typename T>
T lire_le(const QByteArray& enreg, int position) {
    if (position < 0 || enreg.size() < position + qsizetype(sizeof(T))) return T(0);
    return qFromLittleEndian<T>(enreg.constData() + position);
}
}  // namespace

void ecrire_texte(QByteArray& enreg, int position, int largeur, const QString& s) {
    std::memcpy(place(enreg, position, largeur), texte(s, largeur).constData(), size_t(largeur));
}

int16_t lire_entier16(const QByteArray& enreg, int position) { return lire_le<int16_t>(enreg, position); }

void ecrire_entier16(QByteArray& enreg, int position, int16_t valeur) {
    qToLittleEndian<int16_t>(valeur, place(enreg, position, 2));
}

double lire_reel64(const QByteArray& enreg, int position) {
    const quint64 bits = lire_le<quint64>(enreg, position);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void ecrire_reel64(QByteArray& enreg, int position, double valeur) {
    quint64 bits;
    std::memcpy(&bits, &valeur, sizeof bits);
    qToLittleEndian<quint64>(bits, place(enreg, position, 8));
}
}  // namespace champ
