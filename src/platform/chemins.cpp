#include "platform/chemins.h"

#include <QDir>
#include <QFileInfo>

#include "platform/listes_fichiers.h"

namespace chemins {
namespace {
int dernier_separateur(const QString& chemin) {
    return qMax(chemin.lastIndexOf(QLatin1Char('/')), chemin.lastIndexOf(QLatin1Char('\\')));
}
bool separateur(QChar c) { return c == QLatin1Char('/') || c == QLatin1Char('\\'); }
}  // namespace

QString nom_fichier(const QString& chemin) { return chemin.mid(dernier_separateur(chemin) + 1); }

QString dossier(const QString& chemin) {
    const int i = dernier_separateur(chemin);
    if (i < 0) return QString();
    return i == 0 ? chemin.left(1) : chemin.left(i);
}

QString joindre(const QString& dossier, const QString& nom) {
    if (dossier.isEmpty()) return nom;
    int debut = 0;
    while (debut < nom.size() && separateur(nom[debut])) ++debut;
    return avec_separateur(dossier) + nom.mid(debut);
}

QString avec_separateur(const QString& dossier) {
    return dossier.isEmpty() || separateur(dossier.back()) ? dossier : dossier + QLatin1Char('/');
}

QString extension(const QString& chemin) {
    const QString nom = nom_fichier(chemin);
    const int point = nom.lastIndexOf(QLatin1Char('.'));
    return point < 0 ? QString() : nom.mid(point + 1);
}

QString sans_extension(const QString& chemin) {
    const QString nom = nom_fichier(chemin);
    const int point = nom.lastIndexOf(QLatin1Char('.'));
    return point < 0 ? chemin : chemin.left(chemin.size() - (nom.size() - point));
}

bool a_extension(const QString& chemin, const QString& ext) {
    return extension(chemin).compare(ext, Qt::CaseInsensitive) == 0 && !ext.isEmpty();
}

QString trouver_sans_casse(const QString& dossier, const QString& nom) {
    if (nom.isEmpty()) return QString();
    const QString base = dossier.isEmpty() ? QStringLiteral(".") : dossier;
    if (QFileInfo::exists(joindre(base, nom))) return nom;
    const QStringList noms = QDir(base).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& n : noms)
        if (n.compare(nom, Qt::CaseInsensitive) == 0) return n;
    return QString();
}

QString trouver_fichier_sans_casse(const QString& dossier, const QString& nom) {
    // One read of the folder, shared with the file lists.
    return listes_fichiers::fichier_sans_casse(dossier.isEmpty() ? QStringLiteral(".") : dossier, nom);
}

QString chemin_sur_disque(const QString& chemin) {
    if (chemin.isEmpty()) return QString();
    if (QFileInfo::exists(chemin)) return chemin;
    const bool absolu = chemin.startsWith(QLatin1Char('/'));
    QString resultat = absolu ? QStringLiteral("/") : QString();
    for (const QString& partie : chemin.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QString trouve = trouver_sans_casse(resultat, partie);
        if (trouve.isEmpty()) return QString();
        resultat = joindre(resultat, trouve);
    }
    return resultat;
}
}  // namespace chemins
