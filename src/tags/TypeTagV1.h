#pragma once
// One ID3v1.1 tag (an ID3v1.0 tag is read too): the last 128 bytes of an MP3 file. Texts are held as Unicode and stored on
// disk in Windows-1252.
#include <QString>
#include <cstdint>

class TypeTagV1 {
public:
    // Widths of the text fields in the tag.
    static constexpr int LargeurTitre = 30;
    static constexpr int LargeurArtiste = 30;
    static constexpr int LargeurAlbum = 30;
    static constexpr int LargeurAnnee = 4;
    static constexpr int LargeurCommentaire = 28;     // ID3v1.1: a zero byte and the track follow
    static constexpr int LargeurCommentaireV10 = 30;  // ID3v1.0: no track
    static constexpr int32_t SansGenre = 255;
    static constexpr int32_t GenreMax = 147;

    // Read accessors return the field as stored. The text setters clean the value and cut it
    // to the field's width; the genre setter turns anything but 0..147 and 255 into 255;
    // `Valide` and `Piste` are stored as given (a track outside 0..255 fails only on writing).
    bool Valide() const { return m_valide; }
    void setValide(bool valide) { m_valide = valide; }
    QString Artiste() const { return m_artiste; }
    void setArtiste(const QString& texte);
    QString Album() const { return m_album; }
    void setAlbum(const QString& texte);
    int16_t Piste() const { return m_piste; }
    void setPiste(int16_t piste) { m_piste = piste; }
    QString Titre() const { return m_titre; }
    void setTitre(const QString& texte);
    int32_t Genre() const { return m_genre; }
    void setGenre(int32_t genre);
    QString Annee() const { return m_annee; }
    void setAnnee(const QString& texte);
    QString Commentaire() const { return m_commentaire; }
    void setCommentaire(const QString& texte);

    // Reads the tag of a file into this object (texts as found, cut at their first zero byte)
    // and returns a copy made through the setters (texts cleaned). A missing, unreadable or
    // untagged file, or one shorter than 128 bytes, leaves `Valide` False and `Genre` 255.
    TypeTagV1 lire_tag(const QString& chemin);

    // With `Valide` True, writes this tag over the file's old one or appends it; with `Valide`
    // False, cuts the tag off. The file is changed in place and the audio bytes never move; on
    // any failure (missing, read-only or short file, track or genre that does not fit a byte,
    // full disk) the file is untouched and False is returned.
    bool ecrire_tag(const QString& chemin) const;

private:
    void reinitialiser();
    // `longueur` characters from the 1-based `debut`, cut before the first `terminateur`
    // (the zero character when empty).
    static QString extraire_champ(const QString& texte, int debut, int longueur,
                                  const QString& terminateur = QString());
    // Keeps what follows the last zero character, then only the characters the tag's code page
    // prints and CR-LF pairs.
    static QString nettoyer_texte(const QString& texte);
    // Exactly `largeur` characters: the text's first ones, padded with zero characters.
    static QString completer_champ(const QString& texte, int largeur);

    bool m_valide = false;
    QString m_artiste;
    QString m_album;
    int16_t m_piste = 0;
    QString m_titre;
    int32_t m_genre = 0;
    QString m_annee;
    QString m_commentaire;
};
