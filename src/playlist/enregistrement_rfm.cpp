#include "playlist/enregistrement_rfm.h"

#include "platform/enregistrements.h"

namespace enreg_rfm {

TypeEnregRfm decoder(const QByteArray& octets) {
    TypeEnregRfm e;
    e.chemin = champ::lire_texte(octets, 0, 200);
    e.fin_lecture = champ::lire_texte(octets, 200, 100);
    e.genre = champ::lire_texte(octets, 300, 100);
    e.volume = champ::lire_entier16(octets, 400);
    e.duree_piste = champ::lire_texte(octets, 402, 8);
    return e;
}

QVector<TypeEnregRfm> decoder_tout(const QByteArray& contenu) {
    QVector<TypeEnregRfm> r;
    const int n = int(contenu.size() / Longueur);
    r.reserve(n);
    for (int i = 0; i < n; ++i) r.append(decoder(contenu.mid(qsizetype(i) * Longueur, Longueur)));
    return r;
}
}  // namespace enreg_rfm
