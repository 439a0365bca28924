#pragma once
// The first acceptable MPEG audio frame header of a file, with the XING or VBRI header of a
// variable-bit-rate file. Nothing is read until a caller runs `lire_entete`.
#include <QString>
#include <cstdint>

class QIODevice;

class TypeTagMpeg {
public:
    bool Valide() const { return m_valide; }
    int32_t Taille() const { return m_taille; }
    int32_t EntetePos() const { return m_entete_pos; }
    int32_t Duree() const { return m_duree; }
    QString Mpeg() const { return m_mpeg; }
    QString Layer() const { return m_layer; }
    bool CRC() const { return m_crc; }
    int16_t BitRate() const { return static_cast<int16_t>(m_bit_rate); }
    int32_t Frequence() const { return m_frequence; }
    bool Padded() const { return m_padded; }
    int32_t Frames() const { return m_frames; }
    bool PrivateBit() const { return m_private_bit; }
    QString Mode() const { return m_mode; }
    QString ModeExt() const { return m_mode_ext; }
    bool Copyright() const { return m_copyright; }
    bool Original() const { return m_original; }
    QString Emphasis() const { return m_emphasis; }
    QString Vbr() const { return m_vbr; }

    // Scans the file for a frame sync (0xFF then a non-zero byte), decodes the header and
    // scans on past every candidate that decodes to reserved or unusable values. Fills this
    // object and returns a copy of it. With `strict`, only layers II and III are accepted,
    // and MPEG 2.0 only with a XING or VBRI header. A missing or unreadable file, or one
    // without an acceptable header, gives the initial state (`Valide` False).
    TypeTagMpeg lire_entete(const QString& chemin, bool strict = false);
    // The same on an open, seekable device.
    TypeTagMpeg lire_entete(QIODevice& flux, bool strict = false);

private:
    void setValide(bool v) { m_valide = v; }
    void setTaille(int32_t v) { m_taille = v; }
    void setEntetePos(int32_t v) { m_entete_pos = v; }
    void setDuree(int32_t v) { m_duree = v; }
    void setMpeg(const QString& v) { m_mpeg = v; }
    void setLayer(const QString& v) { m_layer = v; }
    void setCRC(bool v) { m_crc = v; }
    void setBitRate(int16_t v) { m_bit_rate = v; }
    void setFrequence(int32_t v) { m_frequence = v; }
    void setPadded(bool v) { m_padded = v; }
    void setFrames(int32_t v) { m_frames = v; }
    void setPrivateBit(bool v) { m_private_bit = v; }
    void setMode(const QString& v) { m_mode = v; }
    void setModeExt(const QString& v) { m_mode_ext = v; }
    void setCopyright(bool v) { m_copyright = v; }
    void setOriginal(bool v) { m_original = v; }
    void setEmphasis(const QString& v) { m_emphasis = v; }
    void setVbr(const QString& v) { m_vbr = v; }

    friend class LectureEntete;

    bool m_valide = false;
    int32_t m_taille = 0;
    int32_t m_entete_pos = 0;
    int32_t m_duree = 0;
    QString m_mpeg;
    QString m_layer;
    bool m_crc = false;
    int32_t m_bit_rate = 0;
    int32_t m_frequence = 0;
    bool m_padded = false;
    int32_t m_frames = 0;
    bool m_private_bit = false;
    QString m_mode;
    QString m_mode_ext;
    bool m_copyright = false;
    bool m_original = false;
    QString m_emphasis;
    QString m_vbr;
};
