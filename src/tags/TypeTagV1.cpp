#include "tags/TypeTagV1.h"

#include "platform/windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int TailleTag = 128;

bool commence_par_tag(const QByteArray& octets) {
    return octets.size() >= 3 && octets.left(3).toUpper() == "TAG";
}

// The last 128 bytes of an open file, or nothing when the file is shorter or cannot be read.
QByteArray derniers_octets(QFile& fichier) {
    const qint64 longueur = fichier.size();
    if (longueur < TailleTag || !fichier.seek(longueur - TailleTag)) return {};
    QByteArray octets = fichier.read(TailleTag);
    return octets.size() == TailleTag ? octets : QByteArray();
}

// A file the user marked read-only stays so, even for a user (root) whom the system would let
// write it.
bool modifiable(const QString& chemin) {
    const QFileInfo info(chemin);
    const auto ecriture = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isFile() && info.isWritable() && (info.permissions() & ecriture);
}
}  // namespace

void TypeTagV1::setArtiste(const QString& texte) {
    m_artiste = nettoyer_texte(texte).left(LargeurArtiste);
}
void TypeTagV1::setAlbum(const QString& texte) {
    m_album = nettoyer_texte(texte).left(LargeurAlbum);
}
void TypeTagV1::setTitre(const QString& texte) {
    m_titre = nettoyer_texte(texte).left(LargeurTitre);
}
void TypeTagV1::setAnnee(const QString& texte) {
    m_annee = nettoyer_texte(texte).left(LargeurAnnee);
}
void TypeTagV1::setCommentaire(const QString& texte) {
    m_commentaire = nettoyer_texte(texte).left(LargeurCommentaire);
}
void TypeTagV1::setGenre(int32_t genre) {
    m_genre = ((genre >= 0 && genre <= GenreMax) || genre == SansGenre) ? genre : SansGenre;
}

void TypeTagV1::reinitialiser() {
    *this = TypeTagV1();
    m_genre = SansGenre;
}

TypeTagV1 TypeTagV1::lire_tag(const QString& chemin) {
    TypeTagV1 resultat;
    reinitialiser();
    resultat.reinitialiser();

    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) return resultat;
    const QByteArray tag = derniers_octets(fichier);
    fichier.close();
    if (!commence_par_tag(tag)) return resultat;

    // Each byte is one character, so positions in the text are positions in the tag.
    const QString texte = windows1252::decoder(tag.mid(3, 124));
    m_artiste = extraire_champ(texte, 31, LargeurArtiste);
    m_album = extraire_champ(texte, 61, LargeurAlbum);
    m_titre = extraire_champ(texte, 1, LargeurTitre);
    m_annee = extraire_champ(texte, 91, LargeurAnnee);
    // ID3v1.1 keeps a track number in the comment's last byte, behind a zero byte. Otherwise
    // (ID3v1.0) the comment has all 30 bytes and there is no track.
    const bool avec_piste = tag[125] == '\0' && tag[126] != '\0';
    m_commentaire = extraire_champ(texte, 95, avec_piste ? LargeurCommentaire : LargeurCommentaireV10);
    m_piste = avec_piste ? static_cast<unsigned char>(tag[126]) : 0;
    const int genre = static_cast<unsigned char>(tag[127]);
    if (genre <= GenreMax) m_genre = genre;
    m_valide = true;

    resultat.setArtiste(m_artiste);
    resultat.setAlbum(m_album);
    resultat.setPiste(m_piste);
    resultat.setTitre(m_titre);
    resultat.setGenre(m_genre);
    resultat.setAnnee(m_annee);
    resultat.m_commentaire = nettoyer_texte(m_commentaire);  // 30 characters in an ID3v1.0 tag
    resultat.setValide(m_valide);
    return resultat;
}

bool TypeTagV1::ecrire_tag(const QString& chemin) const {
    QByteArray tag;
    if (m_valide) {
        if (m_piste < 0 || m_piste > 255 || m_genre < 0 || m_genre > 255) return false;
        // A 30-character comment read from an ID3v1.0 tag, with no track, is written back whole.
        const bool v10 = m_piste == 0 && m_commentaire.size() > LargeurCommentaire;
        const QString texte = QStringLiteral("TAG") + completer_champ(m_titre, LargeurTitre) +
                              completer_champ(m_artiste, LargeurArtiste) +
                              completer_champ(m_album, LargeurAlbum) +
                              completer_champ(m_annee, LargeurAnnee) +
                              completer_champ(m_commentaire, v10 ? LargeurCommentaireV10 : LargeurCommentaire);
        tag = windows1252::encoder(texte);
        if (!v10) {
            tag.append('\0');
            tag.append(static_cast<char>(m_piste));
        }
        tag.append(static_cast<char>(m_genre));
    }

    if (!modifiable(chemin)) return false;
    // In place: the tag's 128 bytes are overwritten, appended or cut off, each in one call, so
    // the audio is never rewritten and the file keeps its inode, owner, group, mode and links.
    // A writer killed at any moment leaves the old tag or the new one.
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = false;
    struct stat etat {};
    if (::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode) && etat.st_size >= TailleTag) {
        const off_t longueur = etat.st_size;
        QByteArray ancien(TailleTag, '\0');
        if (::pread(fd, ancien.data(), TailleTag, longueur - TailleTag) == TailleTag) {
            const bool deja = commence_par_tag(ancien);
            if (!m_valide) {
                ok = !deja || ::ftruncate(fd, longueur - TailleTag) == 0;
            } else {
                const off_t ou = deja ? longueur - TailleTag : longueur;
                const ssize_t ecrit = ::pwrite(fd, tag.constData(), TailleTag, ou);
                ok = ecrit == TailleTag;
                // A short append (full disk) is taken back; an overwrite of a page-cache
                // block is all or nothing.
                if (!ok && !deja && ecrit > 0) (void)::ftruncate(fd, longueur);
            }
            if (ok) ok = ::fsync(fd) == 0;
        }
    }
    ::close(fd);
    return ok;
}

QString TypeTagV1::extraire_champ(const QString& texte, int debut, int longueur,
                                  const QString& terminateur) {
    const QString champ = texte.mid(debut - 1, longueur);
    const QString fin = terminateur.isEmpty() ? QString(QChar(0)) : terminateur;
    const int position = champ.indexOf(fin);
    return position < 0 ? champ : champ.left(position);
}

QString TypeTagV1::nettoyer_texte(const QString& texte) {
    const QString reste = texte.mid(texte.lastIndexOf(QChar(0)) + 1);
    QString propre;
    propre.reserve(reste.size());
    for (int i = 0; i < reste.size(); ++i) {
        const QChar c = reste[i];
        if (c == QChar('\r') && i + 1 < reste.size() && reste[i + 1] == QChar('\n')) {
            propre += QStringLiteral("\r\n");
            ++i;
        } else if (windows1252::imprimable(c)) {
            propre += c;
        }
    }
    return propre;
}

QString TypeTagV1::completer_champ(const QString& texte, int largeur) {
    return texte.left(largeur).leftJustified(largeur, QChar(0));
}
