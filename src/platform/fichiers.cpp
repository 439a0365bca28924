#include "platform/fichiers.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/erreur.h"

namespace fichiers {
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

QByteArray lire_fichier(const QString& chemin) {
    QFile f(chemin);
    if (chemin.isEmpty() || QFileInfo(chemin).isDir() || !f.open(QIODevice::ReadOnly))
        throw Erreur(numero_erreur_ouverture(chemin, false));
    QByteArray contenu = f.readAll();
    if (f.error() != QFileDevice::NoError) throw Erreur(numero_erreur_ecriture(f));
    return contenu;
}

void reecrire_fichier(const QString& chemin, const std::function<void(QIODevice&)>& ecrire) {
    if (chemin.isEmpty() || QFileInfo(chemin).isDir()) throw Erreur(numero_erreur_ouverture(chemin, true));
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) {
        const int n = numero_erreur_ouverture(chemin, true);
        // The file itself may be writable while its folder is not: the temporary file fails.
        throw Erreur(n == err::AccesCheminFichier && QFileInfo::exists(chemin) ? err::PermissionRefusee : n);
    }
    ecrire(f);  // throwing leaves f uncommitted: its destructor removes the temporary file
    if (f.error() != QFileDevice::NoError) {
        const int n = numero_erreur_ecriture(f);
        f.cancelWriting();
        throw Erreur(n);
    }
    if (!f.commit()) {
        throw Erreur(f.error() == QFileDevice::RenameError ? err::AccesCheminFichier : numero_erreur_ecriture(f));
    }
}

void reecrire_fichier(const QString& chemin, const QByteArray& contenu) {
    reecrire_fichier(chemin, [&contenu](QIODevice& d) { d.write(contenu); });
}
}  // namespace fichiers
