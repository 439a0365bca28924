#include "config/journal.h"

#include <QFile>
#include <QFileInfo>

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
    // A FIFO or device in the journal's place would block the window: not a journal.
    const QFileInfo info(f.fileName());
    const bool ordinaire = !info.exists() || info.isFile();
    const bool ok = ordinaire && f.open(QIODevice::WriteOnly | QIODevice::Append) && f.write(octets) == octets.size() && f.flush();
    f.close();
    if (!ok || f.error() != QFileDevice::NoError)
        MsgBox(QStringLiteral("Erreur écriture journal"), boites::Critique);
}

QString horodatage() { return rt::Date() + QStringLiteral(" - ") + rt::Time(); }

namespace {
qint64 taille_au_debut = -1;
QString chemin() { return programme::dossier() + QString::fromUtf8(Fichier); }
}  // namespace

void debut_session() {
    const QFileInfo f(chemin());
    taille_au_debut = f.exists() ? f.size() : -1;
}

void effacer_session() {
    const QString c = chemin();
    const qint64 taille = QFileInfo(c).size();
    if (taille_au_debut <= 0 || taille < taille_au_debut) {
        QFile::remove(c);
        return;
    }
    QFile f(c);
    if (!f.resize(taille_au_debut)) MsgBox(QStringLiteral("Erreur écriture journal"), boites::Critique);
}
}  // namespace journal

void Radio_FM::journal() { journal::ecrire(ligne_journal); }
void Liste_son::journal() { journal::ecrire(ligne_journal); }
