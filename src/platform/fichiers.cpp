#include "platform/fichiers.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/erreur.h"

namespace fichiers {
namespace {
constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Our suffixes mix letter cases or digits; a single-class suffix ("backup", "ANCIEN") is
// more likely a user's own file and is left alone.
bool suffixe_aleatoire(const QString& s) {
    if (s.size() != 6) return false;
    bool min = false, maj = false, chiffre = false;
    for (const QChar c : s) {
        if (c >= u'a' && c <= u'z') min = true;
        else if (c >= u'A' && c <= u'Z') maj = true;
        else if (c >= u'0' && c <= u'9') chiffre = true;
        else return false;
    }
    return int(min) + int(maj) + int(chiffre) >= 2;
}

// A suffix that suffixe_aleatoire recognises: upper case, lower case and a digit in place.
QByteArray nouveau_suffixe() {
    QByteArray s(6, 'A');
    auto* g = QRandomGenerator::global();
    for (char& c : s) c = Alphabet[g->bounded(int(sizeof Alphabet - 1))];
    s[0] = Alphabet[g->bounded(26)];
    s[1] = Alphabet[26 + g->bounded(26)];
    s[2] = Alphabet[52 + g->bounded(10)];
    return s;
}

void synchroniser_dossier(const QByteArray& dossier) {
    const int fd = ::open(dossier.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // the rename itself reaches the disk; a refusal here changes nothing already done
    ::close(fd);
}
}  // namespace

int numero_erreur_ouverture(const QString& chemin, bool ecriture) {
    if (chemin.isEmpty()) return err::NomFichierIncorrect;
    const QFileInfo fi(chemin);
    if (!QFileInfo(fi.absolutePath()).isDir()) return err::CheminIntrouvable;
    if (fi.isDir()) return err::AccesCheminFichier;
    if (!fi.exists()) return ecriture ? err::AccesCheminFichier : err::FichierIntrouvable;
    if (ecriture ? !fi.isWritable() : !fi.isReadable()) return err::PermissionRefusee;
    return err::AccesCheminFichier;
}

int numero_erreur_ecriture(const QFileDevice& fichier) {
    return fichier.error() == QFileDevice::ResourceError ? err::DisquePlein : err::ErreurEntreeSortie;
}

int numero_erreur_systeme(int code) {
    switch (code) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return err::DisquePlein;
    case EACCES:
    case EPERM:
    case EROFS: return err::PermissionRefusee;
    default: return err::ErreurEntreeSortie;
    }
}

void verifier_fichier_ordinaire(const QString& chemin, qint64 plafond) {
    struct stat s;
    if (chemin.isEmpty() || ::stat(QFile::encodeName(chemin).constData(), &s) != 0) return;
    if (S_ISDIR(s.st_mode) || !S_ISREG(s.st_mode)) throw Erreur(err::AccesCheminFichier);
    if (s.st_size > plafond) throw Erreur(err::MemoireInsuffisante);
}

QByteArray lire_fichier(const QString& chemin, qint64 plafond) {
    verifier_fichier_ordinaire(chemin, plafond);
    QFile f(chemin);
    if (chemin.isEmpty() || QFileInfo(chemin).isDir() || !f.open(QIODevice::ReadOnly))
        throw Erreur(numero_erreur_ouverture(chemin, false));
    QByteArray contenu = f.read(plafond + 1);  // never more than the cap, even if the file grew
    if (f.error() != QFileDevice::NoError) throw Erreur(numero_erreur_ecriture(f));
    if (contenu.size() > plafond) throw Erreur(err::MemoireInsuffisante);
    return contenu;
}

bool synchroniser(QFileDevice& fichier) {
    return fichier.flush() && ::fsync(fichier.handle()) == 0;
}

void supprimer_provisoires(const QString& dossier, const QString& prefixe) {
    QDir d(dossier);
    const qint64 limite = QDateTime::currentSecsSinceEpoch() - 60;  // a write under way keeps its file fresh
    const QStringList noms =
        d.entryList({prefixe + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& nom : noms) {
        if (!suffixe_aleatoire(nom.mid(prefixe.size()))) continue;
        const QByteArray c = QFile::encodeName(d.filePath(nom));
        struct stat s;
        if (::lstat(c.constData(), &s) != 0 || !S_ISREG(s.st_mode) || s.st_uid != ::geteuid() ||
            s.st_mtime > limite)
            continue;
        ::unlink(c.constData());
    }
}

void supprimer_provisoires(const QString& chemin) {
    const QFileInfo fi(chemin);
    supprimer_provisoires(fi.absolutePath(), fi.fileName() + QLatin1Char('.'));
}

void reecrire_fichier(const QString& chemin, const std::function<void(QIODevice&)>& ecrire) {
    if (chemin.isEmpty() || QFileInfo(chemin).isDir()) throw Erreur(numero_erreur_ouverture(chemin, true));
    const QFileInfo fi(chemin);
    if (!QFileInfo(fi.absolutePath()).isDir()) throw Erreur(err::CheminIntrouvable);

    // The whole content first: a writer that fails half-way leaves nothing on the disk.
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    ecrire(tampon);
    const QByteArray& contenu = tampon.data();

    supprimer_provisoires(chemin);
    const QByteArray final = QFile::encodeName(fi.absoluteFilePath());
    QByteArray provisoire;
    int fd = -1;
    for (int essai = 0; essai < 100 && fd < 0; ++essai) {
        provisoire = final + '.' + nouveau_suffixe();
        fd = ::open(provisoire.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int code = errno;
        if (code == ENOSPC || code == EDQUOT) throw Erreur(err::DisquePlein);
        const int n = numero_erreur_ouverture(chemin, true);
        // The file itself may be writable while its folder is not: the temporary file fails.
        throw Erreur(n == err::AccesCheminFichier && fi.exists() ? err::PermissionRefusee : n);
    }
    auto echouer = [&](int code) {
        ::close(fd);
        ::unlink(provisoire.constData());
        throw Erreur(numero_erreur_systeme(code));
    };
    struct stat ancien;
    if (::stat(final.constData(), &ancien) == 0) ::fchmod(fd, ancien.st_mode & 07777);

    // A full disk may accept part of a write without an error: count every byte.
    const char* p = contenu.constData();
    size_t reste = size_t(contenu.size());
    while (reste > 0) {
        const ssize_t n = ::write(fd, p, reste);
        if (n < 0) {
            if (errno == EINTR) continue;
            echouer(errno);
        }
        if (n == 0) echouer(ENOSPC);
        p += n;
        reste -= size_t(n);
    }
    if (::fsync(fd) != 0) echouer(errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(provisoire.constData());
        throw Erreur(numero_erreur_systeme(code));
    }
    if (::rename(provisoire.constData(), final.constData()) != 0) {
        ::unlink(provisoire.constData());
        throw Erreur(err::AccesCheminFichier);
    }
    synchroniser_dossier(QFile::encodeName(fi.absolutePath()));
}

void reecrire_fichier(const QString& chemin, const QByteArray& contenu) {
    reecrire_fichier(chemin, [&contenu](QIODevice& d) { d.write(contenu); });
}
}  // namespace fichiers
