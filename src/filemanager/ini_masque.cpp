#include "filemanager/ini_masque.h"

#include <QFileInfo>
#include <QStringList>

#include "platform/boites.h"
#include "platform/enregistrements.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"

namespace {
// A line of the profile: its text and, for a line read and left unchanged, its bytes as read,
// written back as they were whatever their code page (an older mask file is in Windows-1252)
// and even when another line decodes to the same text.
struct Ligne {
    QString texte;
    QByteArray octets;
    bool lue = false;
};

Ligne nouvelle_ligne(const QString& texte) { return {texte, QByteArray(), false}; }

// The lines of the profile with the key set: replaced in place when present, else added at
// the end of its section, else in a new section at the end.
void avec_cle(QList<Ligne>& lignes, const QString& section, const QString& cle, const QString& valeur) {
    const QString nouvelle = cle + QLatin1Char('=') + valeur;
    int debut = -1;
    for (int i = 0; i < lignes.size(); ++i) {
        const QString l = lignes[i].texte.trimmed();
        if (l.startsWith(QLatin1Char('[')) && l.endsWith(QLatin1Char(']'))) {
            if (debut >= 0) {
                // End of our section without the key: insert after its last non-empty line.
                int j = i;
                while (j > debut + 1 && lignes[j - 1].texte.trimmed().isEmpty()) --j;
                lignes.insert(j, nouvelle_ligne(nouvelle));
                return;
            }
            if (l.mid(1, l.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0) debut = i;
            continue;
        }
        if (debut < 0) continue;
        const int egal = l.indexOf(QLatin1Char('='));
        if (egal > 0 && l.left(egal).trimmed().compare(cle, Qt::CaseInsensitive) == 0) {
            lignes[i] = nouvelle_ligne(l.left(egal).trimmed() + QLatin1Char('=') + valeur);
            return;
        }
    }
    if (debut < 0) {
        if (!lignes.isEmpty() && !lignes.last().texte.trimmed().isEmpty()) lignes << nouvelle_ligne(QString());
        lignes << nouvelle_ligne(QLatin1Char('[') + section + QLatin1Char(']'));
    }
    lignes << nouvelle_ligne(nouvelle);
}
}  // namespace

namespace Module2 {
QString ecrire_ini(const QString& fichier, const QString& section, const QString& cle, const QString& valeur) {
    try {
        QList<Ligne> lignes;
        if (QFileInfo::exists(fichier)) {
            QByteArray contenu = fichiers::lire_fichier(fichier);
            contenu.replace("\r\n", "\n");
            QList<QByteArray> brutes = contenu.split('\n');
            if (!brutes.isEmpty() && brutes.last().isEmpty()) brutes.removeLast();
            for (const QByteArray& b : brutes) lignes.append({champ::decoder(b), b, true});
        }
        avec_cle(lignes, section, cle, valeur);
        QByteArray ecrit;
        for (const Ligne& l : lignes) ecrit += (l.lue ? l.octets : l.texte.toUtf8()) + "\r\n";
        fichiers::reecrire_fichier(fichier, ecrit);
    } catch (const Erreur&) {
        MsgBox(QStringLiteral("erreur lors de l'écriture"), boites::Critique);
        return QString();
    }
    const QString crlf2 = QStringLiteral("\r\n\r\n");
    return QStringLiteral("Ok - Ecriture de la ") + cle + QStringLiteral(" dans la ") + section +
           QStringLiteral(" du fichier : ") + crlf2 + fichier + crlf2 + QStringLiteral("Valeur de la clé = ") + valeur;
}
}  // namespace Module2
