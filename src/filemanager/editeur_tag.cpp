// The ID3v1 tag panel of the file manager: loading, writing, the genre names, the default
// artist and comment, the field buttons and drops, and the tag mask file.
#include <QFileInfo>
#include <cmath>

#include "config/etat.h"
#include "filemanager/commun.h"
#include "filemanager/ini_masque.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "tags/TagType.h"
#include "windows/ajout_fichier.h"

namespace {
// Genre names 0..147, in number order.
const char* const kGenres[genres::Nombre] = {
    "Divers", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Jingles", "Hip-Hop", "Jazz", "Metal",
    "Ambiance", "Blues", "Autre", "Pop", "R&B", "Rap", "Reggae", "Rock", "Techno", "Industrial",
    "Alternative", "Ska", "Death Metal", "Pranks", "Soundtrack", "Euro-Techno", "Ambient", "Trip-Hop", "Vocal",
    "Jazz+Funk", "Fusion", "Trance", "Classical", "Instrumental", "Acid", "House", "Game", "Sound Clip", "Gospel",
    "Noise", "Alternative Rock", "Bass", "Soul", "Punk", "Space", "Meditative", "Instrumental Pop",
    "Instrumental Rock", "Ethnic", "Gothic", "Darkwave", "Techno-Industrial", "Electronic", "Pop-Folk",
    "Eurodance", "Dream", "Southern Rock", "Comedy", "Cult", "Gangsta", "Top 40", "Christian Rap", "Pop/Funk",
    "Jungle", "Native US", "Cabaret", "New Wave", "Psychadelic", "Rave", "Showtunes", "Trailer", "Lo-Fi",
    "Tribal", "Acid Punk", "Acid Jazz", "Polka", "Retro", "Musical", "Rock & Roll", "Hard Rock", "Folk",
    "Folk-Rock", "National Folk", "Swing", "Fast Fusion", "Bebob", "Latin", "Revival", "Celtic", "Bluegrass",
    "Avantgarde", "Gothic Rock", "Progressive Rock", "Psychedelic Rock", "Symphonic Rock", "Slow Rock",
    "Big Band", "Chorus", "Easy Listening", "Acoustic", "Humour", "Speech", "Chanson", "Opera", "Chamber Music",
    "Sonata", "Symphony", "Booty Bass", "Primus", "Porn Groove", "Satire", "Slow Jam", "Club", "Tango", "Samba",
    "Folklore", "Ballad", "Power Ballad", "Rhytmic Soul", "Freestyle", "Duet", "Punk Rock", "Drum Solo",
    "Acapella", "Euro-House", "Dance Hall", "Goa", "Drum & Bass", "Club-House", "Hardcore", "Terror", "Indie",
    "BritPop", "Negerpunk", "Polsk Punk", "Beat", "Christian Gangsta", "Heavy Metal", "Black Metal", "Crossover",
    "Contemporary C", "Christian Rock", "Merengue", "Salsa", "Thrash Metal", "Anime", "JPop", "Divers_autres"};

// The number a text begins with, blanks, tabs and line feeds ignored wherever they stand;
// reading stops at the first character that cannot continue it; no digits give 0.
double nombre_en_tete(const QString& texte) {
    QString n;
    bool chiffres = false, point = false, exposant = false;
    for (const QChar c : texte) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) continue;
        if (c.isDigit() && c.unicode() < 128) {
            n += c;
            chiffres = true;
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) &&
                   (n.isEmpty() || n.endsWith(QLatin1Char('e')))) {
            n += c;
        } else if (c == QLatin1Char('.') && !point && !exposant) {
            n += c;
            point = true;
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E') || c == QLatin1Char('d') || c == QLatin1Char('D')) &&
                   chiffres && !exposant) {
            n += QLatin1Char('e');
            exposant = true;
        } else {
            break;
        }
    }
    if (!chiffres) return 0;
    while (!n.isEmpty() && !n.back().isDigit()) n.chop(1);  // "12e" reads as 12
    bool ok = false;
    const double v = n.toDouble(&ok);
    return ok ? v : 0;
}
}  // namespace

QString ajout_fichier::nom_genre(int16_t numero) {
    if (numero < 0 || numero >= genres::Nombre) return QString();
    return QString::fromUtf8(kGenres[numero]);
}

int16_t ajout_fichier::numero_genre(const QString& nom) {
    if (nom.startsWith(QLatin1Char('('))) {
        if (nom.startsWith(QStringLiteral("(("))) return 255;
        // No range check here: the tag turns what does not fit into 255. Past 16 bits it is
        // the overflow error.
        return rt::CInt(nombre_en_tete(nom.mid(1)));
    }
    const QString haut = nom.toUpper();
    for (int16_t n = 0; n < genres::Nombre; ++n)
        if (QString::fromUtf8(kGenres[n]).toUpper() == haut) return n;
    if (nom.isEmpty() || QStringLiteral("0123456789").contains(nom.front())) {
        const double v = nombre_en_tete(nom);
        if (v >= 0 && v <= genres::Nombre - 1) return rt::CInt(v);
    }
    return 255;
}

void ajout_fichier::loadtags(const QString& chemin) {
    // Loading never reports a failure: an untagged or unreadable file shows empty fields.
    try {
        TypeTagV1 lu;
        // A list names its files without regard to case: the tag is read under the name on disk.
        const QString sur_disque = chemins::chemin_sur_disque(chemin);
        const TypeTagV1 tag = lu.lire_tag(sur_disque.isEmpty() ? chemin : sur_disque);
        txtv1Titre.setText(tag.Titre());
        txtv1Annee.setText(tag.Annee());
        const QString piste = QString::number(tag.Piste());
        txtv1Piste.setText(piste == QStringLiteral("0") ? QString() : piste);
        txtv1Artiste.setText(tag.Artiste());
        txtv1Album.setText(tag.Album());
        const QString genre = nom_genre(int16_t(tag.Genre()));
        Combo2.setText(genre);
        Radio::genre_fichier = genre;
        txtv1Commentaire.setText(tag.Commentaire());
    } catch (const Erreur&) {
    }
    // A text longer than its box is read from its start.
    for (QLineEdit* t : std::initializer_list<QLineEdit*>{&txtv1Titre, &txtv1Annee, &txtv1Piste, &txtv1Artiste,
                                                        &txtv1Album, &txtv1Commentaire, Combo2.lineEdit()})
        if (t) t->setCursorPosition(0);
}

void ajout_fichier::cmdv1v2_Click() {
    gestionnaire::pointeur_sablier();
    const QString chemin = dossier_courant() + File1.FileName();
    bool ecrit = false;
    try {
        // Only an MP3 takes a tag: a double click must never write one into a WAV or a program.
        if (File1.FileName().isEmpty() || !chemins::a_extension(chemin, QStringLiteral("mp3")))
            throw Erreur(err::NomFichierIncorrect);
        TagType tag;
        tag.TagV1.setValide(true);
        // The track comes from its box (empty is 0); a tag holds 0..255.
        const QString piste = rt::Trim(txtv1Piste.Text());
        const int16_t numero = piste.isEmpty() ? int16_t(0) : rt::CInt(piste);
        if (numero < 0 || numero > 255) throw Erreur(err::ValeurPropriete);
        tag.TagV1.setPiste(numero);
        tag.TagV1.setTitre(txtv1Titre.Text());
        tag.TagV1.setArtiste(txtv1Artiste.Text());
        tag.TagV1.setAlbum(txtv1Album.Text());
        tag.TagV1.setAnnee(txtv1Annee.Text());
        tag.TagV1.setGenre(numero_genre(Combo2.Text()));
        tag.TagV1.setCommentaire(txtv1Commentaire.Text());
        ecrit = Module1::ecrire_tag_v1(chemin, tag);
    } catch (const Erreur&) {
        ecrit = false;
    }
    gestionnaire::pointeur_defaut();
    // A write that failed (missing, read-only or locked file) is reported, never silent.
    if (!ecrit) MsgBox(QStringLiteral("une erreur est survenue lors de l'attribution des tags "), boites::Critique);
}

// A default kept for the session fills its box; the first use asks for it. The window leaves
// the top layer first, so the prompt is not hidden.
void ajout_fichier::defaut_de_session(QString& defaut, const QString& invite, const QString& titre,
                                      const QString& propose, TextBox& boite) {
    try {
        liberer_du_dessus();
        if (defaut.isEmpty()) defaut = InputBox(invite, titre, propose);
        boite.setText(defaut);
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Exclamation);
    }
}

void ajout_fichier::Command10_Click() {
    defaut_de_session(artiste_par_defaut,
                      QStringLiteral("Nom de l'artiste par défaut") + gestionnaire::retour_ligne +
                          QStringLiteral("Entrez le nom") + gestionnaire::saut_paragraphe +
                          QStringLiteral("pour cette session "),
                      QStringLiteral("Nom de l'artiste"), QStringLiteral("www.sonavel.fr"), txtv1Artiste);
}

void ajout_fichier::Command11_Click() {
    defaut_de_session(commentaire_par_defaut,
                      QStringLiteral("Commentaire par défaut") + gestionnaire::retour_ligne +
                          QStringLiteral("Entrez votre commentaire") + gestionnaire::saut_paragraphe +
                          QStringLiteral("pour cette session "),
                      QStringLiteral("Votre commentaire"), QStringLiteral("Sonavel - lecteur multimedia"),
                      txtv1Commentaire);
}

void ajout_fichier::Command8_Click() { artiste_par_defaut.clear(); }
void ajout_fichier::Command12_Click() { commentaire_par_defaut.clear(); }
void ajout_fichier::Command13_Click() { txtv1Annee.setText(rt::maintenant().toString(QStringLiteral("yyyy"))); }
void ajout_fichier::Command9_Click() { txtv1Album.setText(QStringLiteral("Album ??")); }
void ajout_fichier::Command7_Click() { recup_N_fich(); }

void ajout_fichier::recup_N_fich() {
    try {
        const QString nom = File1.FileName();
        const QString titre = rt::Left(nom, nom.size() - 4);
        txtv1Titre.setText(titre);
        txtv1Artiste.setText(titre);
    } catch (const Erreur&) {
    }
}

// Collapsing leaves the browsing side only; the panel starts at 7470 twips.
void ajout_fichier::Command4_Click() { setWidth(6690); }
void ajout_fichier::a_edite_Click() { setWidth(11100); }

void ajout_fichier::txtv1Titre_DragDrop() { txtv1Titre.setText(File1.FileName()); }
void ajout_fichier::txtv1Artiste_DragDrop() { txtv1Artiste.setText(File1.FileName()); }
void ajout_fichier::txtv1Commentaire_DragDrop() { txtv1Commentaire.setText(File1.FileName()); }
void ajout_fichier::txtv1Album_DragDrop() { txtv1Album.setText(Dir1.Path()); }

void ajout_fichier::Command6_Click() {
    try {
        // The mask file keeps the spelling it has on disk.
        QString nom = chemins::trouver_fichier_sans_casse(programme::dossier(), QStringLiteral("radio_fm_tag.ini"));
        if (nom.isEmpty()) nom = QStringLiteral("radio_fm_tag.ini");
        const QString rapport = Module2::ecrire_ini(programme::dossier() + nom, QStringLiteral("global"),
                                                    QStringLiteral("masque"), txtmasque.Text());
        if (rapport.isEmpty()) return;
        MsgBox(QStringLiteral("Sauvegarde Ok !"), boites::Information);
        Command6.setEnabled(false);
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Exclamation);
    }
}
