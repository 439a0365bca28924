#include "platform/lancement.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace lancement {
namespace {
Interception& interception() {
    static Interception f;
    return f;
}

QUrl adresse(const QString& cible) {
    if (cible.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + cible);
    const QUrl url(cible);
    // A scheme of one letter is a drive letter, not a web address.
    if (url.isValid() && url.scheme().size() > 1) return url;
    return QUrl::fromLocalFile(QFileInfo(cible).absoluteFilePath());
}
}  // namespace

bool demarrer(const QString& programme, const QStringList& arguments, const QString& dossier) {
    const Demande d{Demande::Programme, programme, arguments, dossier};
    if (interception()) return interception()(d);
    if (programme.isEmpty()) return false;
    return QProcess::startDetached(programme, arguments, dossier);
}

bool ouvrir(const QString& document_ou_adresse) {
    const Demande d{Demande::Document, document_ou_adresse, {}, {}};
    if (interception()) return interception()(d);
    if (document_ou_adresse.isEmpty()) return false;
    const QUrl url = adresse(document_ou_adresse);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return false;
    return QDesktopServices::openUrl(url);
}

bool ouvrir_et_verifier(const QString& document) {
    const Demande d{Demande::Document, document, {}, {}};
    if (interception()) return interception()(d);
    if (!QFileInfo::exists(document)) return false;
    const QString ouvreur = trouver_programme(QStringLiteral("xdg-open"));
    if (ouvreur.isEmpty()) return ouvrir(document);
    // Deleted only once it has ended: deleting it while it runs would kill the application the
    // opener became.
    auto* p = new QProcess;
    p->start(ouvreur, {QFileInfo(document).absoluteFilePath()});
    if (!p->waitForStarted(5000)) {
        delete p;
        return false;
    }
    if (!p->waitForFinished(3000)) {
        QObject::connect(p, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), p, &QObject::deleteLater);
        return true;
    }
    const bool ouvert = p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0;
    delete p;
    return ouvert;
}

QString trouver_programme(const QString& nom) { return QStandardPaths::findExecutable(nom); }

bool demarrer_premier(const QStringList& programmes, const QStringList& arguments, const QString& dossier,
                      QStringList* essayes) {
    for (const QString& nom : programmes) {
        const QString chemin = trouver_programme(nom);
        if (chemin.isEmpty()) continue;
        if (demarrer(chemin, arguments, dossier)) return true;
        if (essayes) essayes->append(nom);
    }
    return false;
}

Interception definir_interception(Interception f) {
    Interception ancienne = std::move(interception());
    interception() = std::move(f);
    return ancienne;
}
}  // namespace lancement
