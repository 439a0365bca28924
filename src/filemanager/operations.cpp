#include "filemanager/operations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/erreur.h"
#include "platform/fichiers.h"

namespace operations {
namespace {
int numero_errno(int e) {
    switch (e) {
    case ENOENT: return err::FichierIntrouvable;
    case EEXIST:
    case ENOTEMPTY: return 58;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return err::PermissionRefusee;
    case EXDEV: return err::RenommerAutreUnite;
    case ENOSPC:
    case EDQUOT: return err::DisquePlein;
    default: return err::AccesCheminFichier;
    }
}

[[noreturn]] void echouer(int e, const QString& chemin) {
    const int n = numero_errno(e);
    throw Erreur(n, Erreur::description_standard(n) + QStringLiteral(" : ") + chemin);
}

bool stat_lien(const QString& chemin, struct stat& s) { return ::lstat(QFile::encodeName(chemin).constData(), &s) == 0; }
}  // namespace

bool nom_valide(const QString& nom) {
    return !nom.isEmpty() && nom != QStringLiteral(".") && nom != QStringLiteral("..") && !nom.contains(QLatin1Char('/')) &&
           !nom.contains(QChar(0));
}

bool existe(const QString& chemin) {
    struct stat s;
    return stat_lien(chemin, s);
}

bool meme_fichier(const QString& a, const QString& b) {
    const QFileInfo ia(a), ib(b);
    if (!ia.exists() || !ib.exists()) return false;
    if (ia.canonicalFilePath() == ib.canonicalFilePath()) return true;
    struct stat sa, sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool lecture_seule(const QString& chemin) {
    struct stat s;
    if (::stat(QFile::encodeName(chemin).constData(), &s) != 0) return false;
    return (s.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(QFile::encodeName(chemin).constData(), W_OK) != 0;
}

bool dossier_lisible(const QString& chemin) {
    struct stat s;
    const QByteArray c = QFile::encodeName(chemin);
    if (::stat(c.constData(), &s) != 0 || !S_ISDIR(s.st_mode)) return false;
    if ((s.st_mode & (S_IRUSR | S_IRGRP | S_IROTH)) == 0 || (s.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0) return false;
    return ::access(c.constData(), R_OK | X_OK) == 0;
}

void supprimer_fichier(const QString& chemin) {
    struct stat s;
    if (!stat_lien(chemin, s)) echouer(ENOENT, chemin);
    if (S_ISDIR(s.st_mode)) echouer(EISDIR, chemin);
    // A link goes by itself; a write-protected file stays, as the user protected it.
    if (!S_ISLNK(s.st_mode) && (s.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) echouer(EACCES, chemin);
    if (::unlink(QFile::encodeName(chemin).constData()) != 0) echouer(errno, chemin);
}

void renommer(const QString& source, const QString& destination, bool remplacer) {
    const QByteArray s = QFile::encodeName(source), d = QFile::encodeName(destination);
    if (!existe(source)) echouer(ENOENT, source);
    if (remplacer) {
        if (::rename(s.constData(), d.constData()) != 0) echouer(errno, destination);
        return;
    }
    if (::renameat2(AT_FDCWD, s.constData(), AT_FDCWD, d.constData(), RENAME_NOREPLACE) == 0) return;
    if (errno != EINVAL && errno != ENOSYS) echouer(errno, destination);
    // A file system without the exclusive rename: a hard link cannot replace anything.
    struct stat st;
    if (stat_lien(source, st) && !S_ISDIR(st.st_mode)) {
        if (::link(s.constData(), d.constData()) != 0) echouer(errno, destination);
        if (::unlink(s.constData()) != 0) {
            const int e = errno;
            ::unlink(d.constData());
            echouer(e, source);
        }
        return;
    }
    if (existe(destination)) echouer(EEXIST, destination);
    if (::rename(s.constData(), d.constData()) != 0) echouer(errno, destination);
}

void copier(const QString& source, const QString& destination, bool remplacer) {
    if (meme_fichier(source, destination))
        throw Erreur(err::AccesCheminFichier,
                     QStringLiteral("La source et la destination sont le même fichier : ") + destination);
    if (!remplacer && existe(destination)) echouer(EEXIST, destination);
    QFile entree(source);
    if (!QFileInfo(source).isFile()) echouer(existe(source) ? EINVAL : ENOENT, source);
    if (!entree.open(QIODevice::ReadOnly)) echouer(EACCES, source);

    const QFileInfo cible(destination);
    if (!cible.absoluteDir().exists()) echouer(ENOENT, destination);
    fichiers::supprimer_provisoires(cible.absolutePath(), QStringLiteral(".sonavel_copie_"));
    QTemporaryFile provisoire(cible.absolutePath() + QStringLiteral("/.sonavel_copie_XXXXXX"));
    if (!provisoire.open()) echouer(EACCES, destination);
    // Plain system calls: the system's own reason (a disk that fills part-way included) is what
    // the user is told.
    const int fd = provisoire.handle();
    QByteArray bloc;
    for (;;) {
        bloc = entree.read(1 << 20);
        if (bloc.isEmpty()) {
            if (entree.error() != QFileDevice::NoError) echouer(EIO, source);
            break;
        }
        const char* p = bloc.constData();
        size_t reste = size_t(bloc.size());
        while (reste > 0) {
            const ssize_t n = ::write(fd, p, reste);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) echouer(errno, destination);
            if (n == 0) echouer(ENOSPC, destination);
            p += n;
            reste -= size_t(n);
        }
    }
    // On the disk before it takes the destination's name.
    if (::fsync(fd) != 0) echouer(errno, destination);
    provisoire.setPermissions(entree.permissions());
    // The temporary file takes the destination's name only when complete.
    renommer(provisoire.fileName(), destination, remplacer);
    provisoire.setAutoRemove(false);
}

QStringList tous_les_fichiers(const QString& dossier) {
    return QDir(dossier).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
}
}  // namespace operations
