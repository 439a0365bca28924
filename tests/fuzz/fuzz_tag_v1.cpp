// Any file and any field values through the ID3v1 reader and writer: no crash, a write keeps
// the audio byte for byte, and what was written reads back as it was set.
#include "tags/TypeTagV1.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

namespace {
void verifier(bool condition) {
    if (!condition) std::abort();
}

QString chemin_essai() {
    const QString dossier = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return QStringLiteral("%1/sonavel_fuzz_tag_%2.mp3").arg(dossier).arg(getpid());
}

QString texte(FuzzedDataProvider& fdp) {
    const std::string octets = fdp.ConsumeRandomLengthString(80);
    if (fdp.ConsumeBool()) return QString::fromUtf8(octets.data(), int(octets.size()));
    QString unites;
    for (size_t i = 0; i + 1 < octets.size(); i += 2)
        unites += QChar(char16_t((uint8_t(octets[i]) << 8) | uint8_t(octets[i + 1])));
    return unites;
}

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
    FuzzedDataProvider fdp(data, taille);
    const std::string brut = fdp.ConsumeRandomLengthString(600);
    const QByteArray fichier(brut.data(), int(brut.size()));
    const QString chemin = chemin_essai();
    {
        QFile f(chemin);
        verifier(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        verifier(f.write(fichier) == fichier.size());
    }
    const bool assez_long = fichier.size() >= 128;
    const bool marque = assez_long && fichier.right(128).left(3).toUpper() == "TAG";

    TypeTagV1 lu;
    const TypeTagV1 copie = lu.lire_tag(chemin);
    verifier(lu.Valide() == marque && copie.Valide() == marque);
    verifier(copie.Titre().size() <= 30 && copie.Commentaire().size() <= 28);
    verifier(lu.Genre() == 255 || (lu.Genre() >= 0 && lu.Genre() <= 147));

    TypeTagV1 tag;
    tag.setValide(fdp.ConsumeBool());
    tag.setTitre(texte(fdp));
    tag.setArtiste(texte(fdp));
    tag.setAlbum(texte(fdp));
    tag.setAnnee(texte(fdp));
    tag.setCommentaire(texte(fdp));
    tag.setPiste(fdp.ConsumeIntegral<int16_t>());
    tag.setGenre(fdp.ConsumeIntegral<int32_t>());
    for (const QString& t : {tag.Titre(), tag.Artiste(), tag.Album(), tag.Annee(), tag.Commentaire()})
        verifier(!t.contains(QChar(0)));

    const bool piste_ok = tag.Piste() >= 0 && tag.Piste() <= 255;
    const bool ecrit = tag.ecrire_tag(chemin);
    verifier(ecrit == (assez_long && (!tag.Valide() || piste_ok)));
    const QByteArray apres = contenu(chemin);
    if (!ecrit) {
        verifier(apres == fichier);
    } else {
        const QByteArray corps = marque ? fichier.left(fichier.size() - 128) : fichier;
        verifier(apres.size() == corps.size() + (tag.Valide() ? 128 : 0));
        verifier(apres.startsWith(corps));
        if (tag.Valide()) {
            TypeTagV1 relu;
            relu.lire_tag(chemin);
            verifier(relu.Valide());
            verifier(relu.Titre() == tag.Titre() && relu.Artiste() == tag.Artiste() &&
                     relu.Album() == tag.Album() && relu.Annee() == tag.Annee() &&
                     relu.Commentaire() == tag.Commentaire() && relu.Piste() == tag.Piste());
            verifier(relu.Genre() == (tag.Genre() <= 147 ? tag.Genre() : 255));
        }
    }
    QFile::remove(chemin);
    return 0;
}
