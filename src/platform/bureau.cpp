#include "platform/bureau.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamWriter>

#include "platform/erreur.h"
#include "platform/fichiers.h"

namespace bureau {
namespace {
// Marks the files this program wrote, so that a later run replaces them without asking.
const QString MarqueEntree = QStringLiteral("X-Sonavel-Association=true");
const QString MarquePaquet = QStringLiteral("<!-- Sonavel association -->");
constexpr int TailleIcone = 128;

QString donnees() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }

QString suffixe(const Association& a) { return a.extension.mid(1).toLower(); }

QString nom_icone(const Association& a) {
    return a.nom + QLatin1Char('-') + QString(type_mime(a)).replace(QLatin1Char('/'), QLatin1Char('-'));
}

QString lire_texte(const QString& chemin) {
    try {
        return QString::fromUtf8(fichiers::lire_fichier(chemin));
    } catch (const Erreur&) {
        return QString();  // missing, special or unreadable: as if empty
    }
}

void ecrire_texte(const QString& chemin, const QString& texte) {
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    fichiers::reecrire_fichier(chemin, texte.toUtf8());
}

// The key file's lines of [section]: the index of its header and of the line after its last
// non-blank line (-1, -1 when the section is missing).
std::pair<int, int> bornes_section(const QStringList& lignes, const QString& section) {
    const QString entete = QLatin1Char('[') + section + QLatin1Char(']');
    int debut = -1;
    for (int i = 0; i < lignes.size(); ++i) {
        const QString l = lignes[i].trimmed();
        if (debut < 0) {
            if (l == entete) debut = i;
        } else if (l.startsWith(QLatin1Char('['))) {
            int fin = i;
            while (fin > debut + 1 && lignes[fin - 1].trimmed().isEmpty()) --fin;
            return {debut, fin};
        }
    }
    if (debut < 0) return {-1, -1};
    int fin = lignes.size();
    while (fin > debut + 1 && lignes[fin - 1].trimmed().isEmpty()) --fin;
    return {debut, fin};
}

int ligne_cle(const QStringList& lignes, std::pair<int, int> bornes, const QString& cle) {
    for (int i = bornes.first + 1; i < bornes.second; ++i) {
        const int egal = lignes[i].indexOf(QLatin1Char('='));
        if (egal > 0 && lignes[i].left(egal).trimmed() == cle) return i;
    }
    return -1;
}

QStringList liste_valeurs(const QString& valeur) {
    QStringList l = valeur.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& v : l) v = v.trimmed();
    return l;
}

bool est_a_nous(const QString& chemin, const QString& marque) {
    return !QFileInfo::exists(chemin) || lire_texte(chemin).contains(marque);
}

void ecrire_entree(const Association& a, const QString& type) {
    const QString chemin = chemin_entree(a);
    // The types associated earlier stay in the entry; a foreign entry gives none.
    QStringList types;
    const QString ancienne = lire_texte(chemin);
    if (ancienne.contains(MarqueEntree)) types = liste_valeurs(lire_cle(ancienne, QStringLiteral("Desktop Entry"), QStringLiteral("MimeType")));
    if (!types.contains(type)) types << type;
    QString t = QStringLiteral("[Desktop Entry]\n"
                               "Type=Application\n");
    t += QStringLiteral("Name=") + a.nom + QLatin1Char('\n');
    t += QStringLiteral("Comment=") + a.classe + QLatin1Char('\n');
    t += QStringLiteral("Exec=") + argument_exec(a.programme) + QStringLiteral(" %f\n");
    if (!a.icone_programme.isEmpty()) t += QStringLiteral("Icon=") + a.icone_programme + QLatin1Char('\n');
    t += QStringLiteral("Terminal=false\n"
                        "Categories=AudioVideo;Audio;Player;\n");
    t += QStringLiteral("MimeType=") + types.join(QLatin1Char(';')) + QStringLiteral(";\n");
    t += MarqueEntree + QLatin1Char('\n');
    ecrire_texte(chemin, t);
}

void ecrire_paquet(const Association& a, const QString& type, bool propre, bool icone) {
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeComment(MarquePaquet.mid(4, MarquePaquet.size() - 7));
    w.writeStartElement(QStringLiteral("mime-info"));
    w.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    w.writeStartElement(QStringLiteral("mime-type"));
    w.writeAttribute(QStringLiteral("type"), type);
    if (propre) w.writeTextElement(QStringLiteral("comment"), a.classe);
    if (icone) {
        w.writeEmptyElement(QStringLiteral("icon"));
        w.writeAttribute(QStringLiteral("name"), nom_icone(a));
    }
    if (propre) {
        w.writeEmptyElement(QStringLiteral("glob"));
        w.writeAttribute(QStringLiteral("pattern"), QStringLiteral("*") + a.extension.toLower());
    }
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    ecrire_texte(chemin_paquet(a), QString::fromUtf8(xml));
}

void ecrire_icone(const Association& a) {
    if (!QFileInfo::exists(a.icone)) throw Erreur(err::FichierIntrouvable);
    QImage image(a.icone);
    if (image.isNull()) throw Erreur(321, QStringLiteral("Format de fichier non valide"));
    image = image.scaled(TailleIcone, TailleIcone, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QString chemin = chemin_icone(a);
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    fichiers::reecrire_fichier(chemin, [&](QIODevice& d) {
        if (!image.save(&d, "PNG")) throw Erreur(err::ErreurEntreeSortie);
    });
}

void ecrire_defauts(const QString& entree, const QString& type) {
    const QString chemin = chemin_applications_defaut();
    QString t = lire_texte(chemin);
    t = poser_cle(t, QStringLiteral("Default Applications"), type, entree);
    // First in the list of programs that can open the type, the others kept after it.
    QStringList autres = liste_valeurs(lire_cle(t, QStringLiteral("Added Associations"), type));
    autres.removeAll(entree);
    autres.prepend(entree);
    t = poser_cle(t, QStringLiteral("Added Associations"), type, autres.join(QLatin1Char(';')) + QLatin1Char(';'));
    ecrire_texte(chemin, t);
}

// The desktop's cache tools, when installed; their failure leaves the files in place.
void rafraichir(const QString& outil, const QString& dossier) {
    const QString programme = QStandardPaths::findExecutable(outil);
    if (programme.isEmpty()) return;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(programme, {dossier});
    if (!p.waitForFinished(30000)) p.kill();
}
}  // namespace

QString type_mime(const Association& a) {
    const QString ext = suffixe(a);
    if (ext == QLatin1String("dfm")) return a.type_liste;
    static const QHash<QString, QString> connus = {
        {QStringLiteral("mp3"), QStringLiteral("audio/mpeg")},
        {QStringLiteral("wav"), QStringLiteral("audio/x-wav")},
        {QStringLiteral("wma"), QStringLiteral("audio/x-ms-wma")},
        {QStringLiteral("avi"), QStringLiteral("video/x-msvideo")},
    };
    if (connus.contains(ext)) return connus.value(ext);
    // A type of our own made by an earlier run is found here too, so a second run agrees.
    const QList<QMimeType> types = QMimeDatabase().mimeTypesForFileName(QStringLiteral("x.") + ext);
    if (!types.isEmpty()) return types.first().name();
    return QStringLiteral("application/x-") + a.nom.toLower() + QLatin1Char('-') + ext;
}

bool type_propre(const Association& a, const QString& type) {
    return type == a.type_liste || type.startsWith(QStringLiteral("application/x-") + a.nom.toLower() + QLatin1Char('-'));
}

QString chemin_entree(const Association& a) {
    return donnees() + QStringLiteral("/applications/") + a.nom + QStringLiteral(".desktop");
}

QString chemin_paquet(const Association& a) {
    return donnees() + QStringLiteral("/mime/packages/") + a.nom + QLatin1Char('-') + suffixe(a) + QStringLiteral(".xml");
}

QString chemin_icone(const Association& a) {
    return donnees() + QStringLiteral("/icons/hicolor/%1x%1/mimetypes/").arg(TailleIcone) + nom_icone(a) +
           QStringLiteral(".png");
}

QString chemin_applications_defaut() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/mimeapps.list");
}

QStringList fichiers_etrangers(const Association& a) {
    QStringList l;
    if (!est_a_nous(chemin_entree(a), MarqueEntree)) l << chemin_entree(a);
    const bool paquet = type_propre(a, type_mime(a)) || !a.icone.isEmpty();
    if (paquet && !est_a_nous(chemin_paquet(a), MarquePaquet)) l << chemin_paquet(a);
    return l;
}

void associer(const Association& a) {
    const QString type = type_mime(a);
    const bool propre = type_propre(a, type);
    const bool icone = !a.icone.isEmpty();
    if (icone) ecrire_icone(a);
    ecrire_entree(a, type);
    if (propre || icone) {
        ecrire_paquet(a, type, propre, icone);
    } else if (QFileInfo::exists(chemin_paquet(a)) && est_a_nous(chemin_paquet(a), MarquePaquet)) {
        // No icon any more for a type the desktop knows: our package would only hold the old one.
        QFile::remove(chemin_paquet(a));
    }
    ecrire_defauts(QFileInfo(chemin_entree(a)).fileName(), type);
    rafraichir(QStringLiteral("update-mime-database"), donnees() + QStringLiteral("/mime"));
    rafraichir(QStringLiteral("update-desktop-database"), donnees() + QStringLiteral("/applications"));
}

QString argument_exec(const QString& argument) {
    // Inside the quotes ", `, $ and \ take a backslash; then the key's own string escapes
    // double every backslash; a percent sign is doubled so it is no field code.
    QString quote;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quote += QLatin1Char('\\');
        quote += c;
    }
    QString valeur;
    for (const QChar c : quote) {
        if (c == QLatin1Char('\\')) valeur += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n')) valeur += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t')) valeur += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r')) valeur += QStringLiteral("\\r");
        else if (c == QLatin1Char('%')) valeur += QStringLiteral("%%");
        else valeur += c;
    }
    return QLatin1Char('"') + valeur + QLatin1Char('"');
}

QString poser_cle(const QString& texte, const QString& section, const QString& cle, const QString& valeur) {
    QStringList lignes = texte.split(QLatin1Char('\n'));
    if (!lignes.isEmpty() && lignes.last().isEmpty()) lignes.removeLast();
    const QString ligne = cle + QLatin1Char('=') + valeur;
    const auto bornes = bornes_section(lignes, section);
    if (bornes.first < 0) {
        if (!lignes.isEmpty() && !lignes.last().trimmed().isEmpty()) lignes << QString();
        lignes << QLatin1Char('[') + section + QLatin1Char(']') << ligne;
    } else if (const int i = ligne_cle(lignes, bornes, cle); i >= 0) {
        lignes[i] = ligne;
    } else {
        lignes.insert(bornes.second, ligne);
    }
    return lignes.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString lire_cle(const QString& texte, const QString& section, const QString& cle) {
    const QStringList lignes = texte.split(QLatin1Char('\n'));
    const auto bornes = bornes_section(lignes, section);
    if (bornes.first < 0) return QString();
    const int i = ligne_cle(lignes, bornes, cle);
    return i < 0 ? QString() : lignes[i].mid(lignes[i].indexOf(QLatin1Char('=')) + 1).trimmed();
}
}  // namespace bureau
