// The RTF writer: font and colour tables first, then one \pard ... \par per paragraph and one
// group per run of same-formatted characters. The output is 7-bit ASCII.
#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QVariant>
#include <atomic>
#include <vector>

#include "platform/rtf.h"
#include "platform/rtf_commun.h"
#include "platform/windows1252.h"

namespace rtf_commun {

TypeImage type_image(const QByteArray& octets) {
    if (octets.startsWith("\x89PNG\r\n\x1a\n")) return TypeImage::Png;
    if (octets.startsWith("\xff\xd8\xff")) return TypeImage::Jpeg;
    return TypeImage::Aucun;
}

QByteArray en_png(const QImage& image) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    return octets;
}

QUrl nom_image_nouveau() {
    static std::atomic<int> compteur{0};
    return QUrl(QStringLiteral("rtf-image:%1").arg(++compteur));
}

}  // namespace rtf_commun

namespace {

struct Morceau {
    QString texte;
    QTextCharFormat format;
};

struct Paragraphe {
    Qt::Alignment alignement;
    std::vector<Morceau> morceaux;
};

void echapper(QByteArray& sortie, const QString& texte) {
    for (const QChar c : texte) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            sortie += '\\';
            sortie += char(u);
        } else if (u == '\t') {
            sortie += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            sortie += "\\line ";
        } else if (u == 0x00A0) {
            sortie += "\\~";
        } else if (u >= 0x20 && u < 0x7F) {
            sortie += char(u);
        } else if (windows1252::code(c) >= 0x80) {
            sortie += "\\'" + QByteArray::number(windows1252::code(c), 16).rightJustified(2, '0');
        } else {
            // One \u per UTF-16 unit (surrogates included), "?" for readers without Unicode.
            // Each in its own group: some readers skip one character too many after it.
            sortie += "{\\u" + QByteArray::number(int(int16_t(u))) + "?}";
        }
    }
}

QString famille(const QTextCharFormat& f, const QTextDocument& doc) {
    const QStringList familles = f.fontFamilies().toStringList();
    if (!familles.isEmpty() && !familles.first().isEmpty()) return familles.first();
    return doc.defaultFont().family();
}

int demi_points(const QTextCharFormat& f, const QTextDocument& doc) {
    double pt = f.fontPointSize();
    if (pt <= 0) pt = doc.defaultFont().pointSizeF();
    if (pt <= 0) pt = 12;
    return qMax(1, qRound(pt * 2));
}

// The picture's bytes as the file carries them (PNG or JPEG), converting other images to PNG.
QByteArray octets_image(const QTextImageFormat& f, const QTextDocument& doc, QSize& taille) {
    const QVariant r = doc.resource(QTextDocument::ImageResource, QUrl(f.name()));
    QImage image;
    QByteArray octets;
    if (r.userType() == QMetaType::QByteArray) {
        octets = r.toByteArray();
        image.loadFromData(octets);
        if (rtf_commun::type_image(octets) == rtf_commun::TypeImage::Aucun) octets.clear();
    } else if (r.userType() == QMetaType::QImage) {
        image = r.value<QImage>();
    } else if (r.userType() == QMetaType::QPixmap) {
        image = r.value<QPixmap>().toImage();
    }
    if (image.isNull()) return {};
    taille = image.size();
    return octets.isEmpty() ? rtf_commun::en_png(image) : octets;
}

class Ecrivain {
public:
    explicit Ecrivain(const QTextDocument& doc) : m_doc(doc) {}

    QByteArray ecrire(int debut, int fin) {
        const std::vector<Paragraphe> paragraphes = decouper(debut, fin);
        for (const Paragraphe& p : paragraphes)
            for (const Morceau& m : p.morceaux) {
                indice_police(famille(m.format, m_doc));
                indice_couleur(m.format);
            }

        QByteArray s = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
        for (int i = 0; i < m_polices.size(); ++i) {
            s += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            echapper(s, QString(m_polices[i]).remove(QLatin1Char(';')));
            s += ";}";
        }
        s += "}\n{\\colortbl ;";
        for (const QColor& c : m_couleurs)
            s += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
                 "\\blue" + QByteArray::number(c.blue()) + ';';
        s += "}\n";

        for (size_t i = 0; i < paragraphes.size(); ++i) {
            const Paragraphe& p = paragraphes[i];
            s += "\\pard";
            const Qt::Alignment a = p.alignement & Qt::AlignHorizontal_Mask;
            s += a & Qt::AlignHCenter ? "\\qc" : a & Qt::AlignRight ? "\\qr" : a & Qt::AlignJustify ? "\\qj" : "\\ql";
            for (const Morceau& m : p.morceaux) morceau(s, m);
            if (i + 1 < paragraphes.size()) s += "\\par\n";
        }
        s += "}\n";
        return s;
    }

private:
    std::vector<Paragraphe> decouper(int debut, int fin) const {
        std::vector<Paragraphe> resultat;
        for (QTextBlock b = m_doc.findBlock(debut); b.isValid() && b.position() <= fin; b = b.next()) {
            Paragraphe p{b.blockFormat().alignment(), {}};
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                const int s = qMax(f.position(), debut);
                const int e = qMin(f.position() + f.length(), fin);
                if (s >= e) continue;
                QString texte = f.text().mid(s - f.position(), e - s);
                // Control characters are not text, and a replacement character is only a
                // picture in a picture's format: runs left empty are not written at all.
                const bool image = f.charFormat().isImageFormat();
                texte.removeIf([image](QChar c) {
                    return (c.unicode() < 0x20 && c != QLatin1Char('\t')) ||
                           (c == QChar::ObjectReplacementCharacter) != image;
                });
                if (!texte.isEmpty()) p.morceaux.push_back({texte, f.charFormat()});
            }
            resultat.push_back(std::move(p));
        }
        if (resultat.empty()) resultat.push_back({Qt::AlignLeft, {}});
        return resultat;
    }

    int indice_police(const QString& nom) {
        int i = m_polices.indexOf(nom);
        if (i < 0) {
            m_polices.append(nom);
            i = m_polices.size() - 1;
        }
        return i;
    }

    // 0 for the automatic colour, else the colour's place in the table (from 1).
    int indice_couleur(const QTextCharFormat& f) {
        if (!f.hasProperty(QTextFormat::ForegroundBrush) || f.foreground().style() == Qt::NoBrush)
            return 0;
        const QColor c = f.foreground().color();
        for (size_t i = 0; i < m_couleurs.size(); ++i)
            if (m_couleurs[i].rgb() == c.rgb()) return int(i) + 1;
        m_couleurs.push_back(c);
        return int(m_couleurs.size());
    }

    void morceau(QByteArray& s, const Morceau& m) {
        const QTextCharFormat& f = m.format;
        s += "{\\f" + QByteArray::number(indice_police(famille(f, m_doc))) + "\\fs" +
             QByteArray::number(demi_points(f, m_doc));
        const int c = indice_couleur(f);
        if (c > 0) s += "\\cf" + QByteArray::number(c);
        if (f.fontWeight() > QFont::Medium) s += "\\b";
        if (f.fontItalic()) s += "\\i";
        if (f.fontUnderline()) s += "\\ul";
        if (f.fontStrikeOut()) s += "\\strike";
        s += ' ';
        if (f.isImageFormat()) {
            for (const QChar ch : m.texte)
                if (ch == QChar::ObjectReplacementCharacter) image(s, f.toImageFormat());
        } else {
            echapper(s, m.texte);
        }
        s += '}';
    }

    void image(QByteArray& s, const QTextImageFormat& f) {
        QSize taille;
        const QByteArray octets = octets_image(f, m_doc, taille);
        if (octets.isEmpty()) return;
        const int l = f.width() > 0 ? qRound(f.width()) : taille.width();
        const int h = f.height() > 0 ? qRound(f.height()) : taille.height();
        s += rtf_commun::type_image(octets) == rtf_commun::TypeImage::Jpeg ? "{\\pict\\jpegblip" : "{\\pict\\pngblip";
        s += "\\picw" + QByteArray::number(taille.width()) + "\\pich" + QByteArray::number(taille.height()) +
             "\\picwgoal" + QByteArray::number(l * 15) + "\\pichgoal" + QByteArray::number(h * 15) + '\n';
        const QByteArray hex = octets.toHex();
        for (int i = 0; i < hex.size(); i += 128) s += hex.mid(i, 128) + '\n';
        s += '}';
    }

    const QTextDocument& m_doc;
    QStringList m_polices;
    std::vector<QColor> m_couleurs;
};

}  // namespace

namespace rtf {

QByteArray ecrire(const QTextDocument& doc) {
    return Ecrivain(doc).ecrire(0, qMax(0, doc.characterCount() - 1));
}

QByteArray ecrire_selection(const QTextCursor& curseur) {
    const QTextDocument* doc = curseur.document();
    if (!doc) return Ecrivain(QTextDocument()).ecrire(0, 0);
    if (!curseur.hasSelection()) return ecrire(*doc);
    return Ecrivain(*doc).ecrire(curseur.selectionStart(), curseur.selectionEnd());
}

}  // namespace rtf
