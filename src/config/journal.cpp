#include "config/journal.h"

#include <QFile>

#include "platform/boites.h"
#include "platform/conversions.h"
#include "platform/programme.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

namespace journal {
void ecrire(const QString& texte) {
    programme::aller_au_dossier();
    QFile f(QString::fromUtf8(Fichier));
    QByteArray octets = texte.toUtf8();
    octets += "\r\n";
    const bool ok = f.open(QIODevice::WriteOnly | QIODevice::Append) && f.write(octets) == octets.size() && f.flush();
    f.close();
    if (!ok || f.error() != QFileDevice::NoError)
        MsgBox(QStringLiteral("Erreur écriture journal"), boites::Critique);
}

QString horodatage() { return rt::Date() + QStringLiteral(" - ") + rt::Time(); }
}  // namespace journal

void Radio_FM::journal() { journal::ecrire(ligne_journal); }
void Liste_son::journal() { journal::ecrire(ligne_journal); }
