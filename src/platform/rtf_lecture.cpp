// The RTF reader: a byte tokenizer and a state stack per group, writing into a QTextCursor.
#include <QColor>
#include <QImage>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QHash>
#include <vector>

#include "platform/rtf.h"
#include "platform/rtf_commun.h"
#include "platform/windows1252.h"

namespace {

enum class Destination { Texte, Ignorer, Polices, Couleurs, Image };

struct Etat {
    Destination destination = Destination::Texte;
    int police = -1;          // -1: the default font (\deff)
    int demi_points = 24;     // \fs, in half-points
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    int couleur = 0;          // \cf, 0 = automatic
    int alignement = -1;      // -1 unset, else Qt alignment
    int uc = 1;               // characters to skip after \uN
};

struct Image {
    enum Type { Inconnu, Png, Jpeg, Autre } type = Inconnu;
    QByteArray octets;
    int demi_octet = -1;
    int largeur_but = 0, hauteur_but = 0;    // twips
    int echelle_x = 100, echelle_y = 100;
};

// Deeper groups are counted but not kept: a hostile file cannot grow the stack without end.
constexpr int ProfondeurMax = 1000;
// Longer numbers are clamped: the format allows a signed 16- or 32-bit value.
constexpr int ChiffresMax = 10;

class Lecteur {
public:
    Lecteur(const QByteArray& d, QTextCursor& c) : m_d(d), m_curseur(c) {}

    void lire() {
        m_pile.push_back(Etat{});
        m_pos = 0;
        while (m_pos < m_d.size()) {
            const char c = m_d[m_pos++];
            switch (c) {
            case '{': ouvrir_groupe(); break;
            case '}': fermer_groupe(); break;
            case '\\': controle(); break;
            case '\r':
            case '\n': break;
            default: octet(uint8_t(c)); break;
            }
        }
        // A truncated file: close what is still open, so a pending picture is not lost.
        while (m_pile.size() > 1) fermer_groupe();
        vider();
        appliquer_alignement();
    }

private:
    Etat& etat() { return m_pile.back(); }

    void ouvrir_groupe() {
        vider();
        m_a_sauter = 0;
        if (int(m_pile.size()) >= ProfondeurMax) {
            ++m_en_trop;
            return;
        }
        m_pile.push_back(m_pile.back());
        m_groupe_nouveau = true;
        m_etoile = false;
    }

    void fermer_groupe() {
        vider();
        m_a_sauter = 0;
        m_etoile = false;
        if (m_en_trop > 0) {
            --m_en_trop;
            return;
        }
        if (m_pile.size() <= 1) return;  // an unbalanced brace
        // The document's own group ends: its last paragraph takes the alignment in force.
        if (m_pile.size() == 2) appliquer_alignement();
        const Destination quittee = etat().destination;
        // A font entry ends with its own group ("{\f1 Arial}" without ";").
        if (quittee == Destination::Polices && int(m_pile.size()) == m_profondeur_police) fin_police();
        m_pile.pop_back();
        if (quittee == Destination::Image && etat().destination != Destination::Image) poser_image();
    }

    int lire_nombre(bool& present) {
        bool negatif = false;
        if (m_pos < m_d.size() && m_d[m_pos] == '-') {
            negatif = true;
            ++m_pos;
        }
        qint64 v = 0;
        int chiffres = 0;
        while (m_pos < m_d.size() && m_d[m_pos] >= '0' && m_d[m_pos] <= '9') {
            if (chiffres++ < ChiffresMax) v = v * 10 + (m_d[m_pos] - '0');
            ++m_pos;
        }
        present = chiffres > 0;
        v = qBound(qint64(INT32_MIN), negatif ? -v : v, qint64(INT32_MAX));
        return int(v);
    }

    static int hex(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    void controle() {
        if (m_pos >= m_d.size()) return;
        const char c = m_d[m_pos];
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            const int debut = m_pos;
            while (m_pos < m_d.size() && ((m_d[m_pos] >= 'a' && m_d[m_pos] <= 'z') ||
                                          (m_d[m_pos] >= 'A' && m_d[m_pos] <= 'Z')))
                ++m_pos;
            const QByteArray mot = m_d.mid(debut, qMin(m_pos - debut, 32));
            bool present = false;
            const int n = lire_nombre(present);
            if (m_pos < m_d.size() && m_d[m_pos] == ' ') ++m_pos;
            mot_controle(mot, n, present);
            return;
        }
        ++m_pos;
        if (c == '\'') {
            if (m_pos + 1 < m_d.size() && hex(m_d[m_pos]) >= 0 && hex(m_d[m_pos + 1]) >= 0) {
                const int v = hex(m_d[m_pos]) * 16 + hex(m_d[m_pos + 1]);
                m_pos += 2;
                caractere_code(uint8_t(v));
            } else {
                m_pos = qMin(m_pos + 2, int(m_d.size()));
            }
            return;
        }
        if (c == '*') {
            m_etoile = true;
            return;
        }
        m_groupe_nouveau = false;
        switch (c) {
        case '\\': case '{': case '}': texte(QChar(QLatin1Char(c))); break;
        case '~': texte(QChar(0x00A0)); break;
        case '_': texte(QChar(0x2011)); break;
        case '\r': case '\n': paragraphe(); break;  // "\" before a line end is \par
        default: break;                               // \-, \| and others: nothing shown
        }
    }

    // A destination name right after "{" (or "{\*"): reading that group as text or not.
    bool destination(const QByteArray& mot) {
        static const QByteArray ignorees[] = {
            "info", "stylesheet", "header", "headerl", "headerr", "headerf", "footer",
            "footerl", "footerr", "footerf", "footnote", "annotation", "fldinst", "objdata",
            "objclass", "objname", "nonshppict", "listtable", "listoverridetable", "rsidtbl",
            "revtbl", "filetbl", "xmlnstbl", "themedata", "colorschememapping", "latentstyles",
            "datastore", "generator", "pgdsctbl", "bkmkstart", "bkmkend", "txe", "xe", "tc",
            "author", "operator", "title", "subject", "keywords", "comment", "doccomm", "atnid",
            "atnauthor", "atrfstart", "atrfend"};
        for (const QByteArray& i : ignorees)
            if (mot == i) {
                etat().destination = Destination::Ignorer;
                return true;
            }
        if (mot == "fonttbl") {
            etat().destination = Destination::Polices;
            m_police_def = -1;
            m_nom_police.clear();
            return true;
        }
        if (mot == "colortbl") {
            etat().destination = Destination::Couleurs;
            m_couleurs.clear();
            m_couleur_en_cours = QColor(0, 0, 0);
            m_couleur_definie = false;
            return true;
        }
        if (mot == "shppict") return true;  // the picture inside is read
        if (mot == "pict") {
            etat().destination = Destination::Image;
            m_image = Image{};
            return true;
        }
        return false;
    }

    void mot_controle(const QByteArray& mot, int n, bool present) {
        const bool premier = m_groupe_nouveau;
        m_groupe_nouveau = false;
        Etat& e = etat();
        if (e.destination == Destination::Ignorer) return;
        if (premier && destination(mot)) {
            m_etoile = false;
            return;
        }
        if (m_etoile) {
            // An optional destination we do not know ("{\*\name ...}"): the whole group goes.
            m_etoile = false;
            e.destination = Destination::Ignorer;
            return;
        }
        if (e.destination == Destination::Polices) {
            if (mot == "f") {
                fin_police();
                m_police_def = n;
                m_profondeur_police = int(m_pile.size());
            } else if (mot == "u" && present) {
                m_nom_police += QChar(char16_t(n < 0 ? n + 65536 : n));
                m_a_sauter = e.uc;
            } else if (mot == "uc") {
                e.uc = qBound(0, n, 10);
            }
            return;
        }
        if (e.destination == Destination::Couleurs) {
            const int v = qBound(0, n, 255);
            if (mot == "red") m_couleur_en_cours.setRed(v), m_couleur_definie = true;
            else if (mot == "green") m_couleur_en_cours.setGreen(v), m_couleur_definie = true;
            else if (mot == "blue") m_couleur_en_cours.setBlue(v), m_couleur_definie = true;
            return;
        }
        if (e.destination == Destination::Image) {
            if (mot == "pngblip") m_image.type = Image::Png;
            else if (mot == "jpegblip") m_image.type = Image::Jpeg;
            else if (mot == "wmetafile" || mot == "emfblip" || mot == "macpict" ||
                     mot == "dibitmap" || mot == "wbitmap" || mot == "pmmetafile")
                m_image.type = Image::Autre;
            else if (mot == "picwgoal") m_image.largeur_but = n;
            else if (mot == "pichgoal") m_image.hauteur_but = n;
            else if (mot == "picscalex") m_image.echelle_x = n;
            else if (mot == "picscaley") m_image.echelle_y = n;
            else if (mot == "bin" && present && n > 0) {
                const int taille = qMin(n, int(m_d.size()) - m_pos);
                m_image.octets += m_d.mid(m_pos, taille);
                m_pos += taille;
            }
            return;
        }

        if (m_a_sauter > 0) {
            --m_a_sauter;
            return;
        }
        const auto drapeau = [&](bool& b) {
            vider();
            b = !present || n != 0;
        };
        if (mot == "par") paragraphe();
        else if (mot == "line") texte(QChar(QChar::LineSeparator));
        else if (mot == "tab") texte(QChar('\t'));
        else if (mot == "u" && present) {
            texte(QChar(char16_t(n < 0 ? n + 65536 : n)));
            m_a_sauter = e.uc;
        } else if (mot == "uc") e.uc = qBound(0, n, 10);
        else if (mot == "b") drapeau(e.gras);
        else if (mot == "i") drapeau(e.italique);
        else if (mot == "ul") drapeau(e.souligne);
        else if (mot == "uld" || mot == "uldb" || mot == "ulw" || mot == "uldash") drapeau(e.souligne);
        else if (mot == "ulnone") vider(), e.souligne = false;
        else if (mot == "strike") drapeau(e.barre);
        else if (mot == "f") vider(), e.police = n;
        else if (mot == "fs") vider(), e.demi_points = n > 0 ? qMin(n, 3276) : 24;
        else if (mot == "cf") vider(), e.couleur = n;
        else if (mot == "plain") {
            vider();
            e.police = -1;
            e.demi_points = 24;
            e.gras = e.italique = e.souligne = e.barre = false;
            e.couleur = 0;
        } else if (mot == "pard") e.alignement = -1;
        else if (mot == "ql") e.alignement = Qt::AlignLeft;
        else if (mot == "qc") e.alignement = Qt::AlignHCenter;
        else if (mot == "qr") e.alignement = Qt::AlignRight;
        else if (mot == "qj") e.alignement = Qt::AlignJustify;
        else if (mot == "deff") m_police_defaut = n;
        else if (mot == "ansicpg") { /* every code page is read as Windows-1252 */ }
        else if (mot == "emdash") texte(QChar(0x2014));
        else if (mot == "endash") texte(QChar(0x2013));
        else if (mot == "lquote") texte(QChar(0x2018));
        else if (mot == "rquote") texte(QChar(0x2019));
        else if (mot == "ldblquote") texte(QChar(0x201C));
        else if (mot == "rdblquote") texte(QChar(0x201D));
        else if (mot == "bullet") texte(QChar(0x2022));
        else if (mot == "emspace" || mot == "enspace") texte(QChar(' '));
    }

    void octet(uint8_t c) {
        m_groupe_nouveau = false;
        m_etoile = false;
        switch (etat().destination) {
        case Destination::Ignorer: return;
        case Destination::Image: {
            const int v = hex(char(c));
            if (v < 0) return;
            if (m_image.demi_octet < 0) {
                m_image.demi_octet = v;
            } else {
                m_image.octets += char(m_image.demi_octet * 16 + v);
                m_image.demi_octet = -1;
            }
            return;
        }
        case Destination::Polices:
            if (c == ';') fin_police();
            else caractere_code(c);
            return;
        case Destination::Couleurs:
            if (c == ';') nouvelle_couleur();
            return;
        case Destination::Texte:
            caractere_code(c);
            return;
        }
    }

    // A character given by its Windows-1252 byte (plain or \'hh).
    void caractere_code(uint8_t c) {
        m_groupe_nouveau = false;
        const Destination d = etat().destination;
        if (d != Destination::Texte && d != Destination::Polices) return;
        if (m_a_sauter > 0) {
            --m_a_sauter;
            return;
        }
        if (c < 0x20 && c != '\t') return;
        texte(windows1252::decoder(QByteArray(1, char(c))).at(0));
    }

    void texte(QChar c) {
        if (etat().destination == Destination::Polices) {
            if (c.unicode() >= 0x20) m_nom_police += c;
        } else if (etat().destination == Destination::Texte) {
            m_tampon += c;
        }
    }

    void fin_police() {
        if (m_police_def >= 0) {
            const QString nom = m_nom_police.trimmed();
            if (!nom.isEmpty() && !m_polices.contains(m_police_def)) m_polices.insert(m_police_def, nom);
        }
        m_police_def = -1;
        m_nom_police.clear();
    }

    void nouvelle_couleur() {
        m_couleurs.push_back(m_couleur_definie ? m_couleur_en_cours : QColor());
        if (m_couleurs.size() > 4096) m_couleurs.pop_back();
        m_couleur_en_cours = QColor(0, 0, 0);
        m_couleur_definie = false;
    }

    QTextCharFormat format() const {
        const Etat& e = m_pile.back();
        QTextCharFormat f;
        const QString nom = m_polices.value(e.police < 0 ? m_police_defaut : e.police,
                                            m_polices.value(m_police_defaut));
        if (!nom.isEmpty()) f.setFontFamilies(QStringList{nom});
        f.setFontPointSize(e.demi_points / 2.0);
        f.setFontWeight(e.gras ? QFont::Bold : QFont::Normal);
        f.setFontItalic(e.italique);
        f.setFontUnderline(e.souligne);
        f.setFontStrikeOut(e.barre);
        // The first entry of a colour table written with a leading ";" is "automatic".
        if (e.couleur > 0 && e.couleur < int(m_couleurs.size()) && m_couleurs[e.couleur].isValid())
            f.setForeground(m_couleurs[e.couleur]);
        else if (e.couleur == 0 && !m_couleurs.empty() && m_couleurs[0].isValid())
            f.setForeground(m_couleurs[0]);
        return f;
    }

    void vider() {
        if (m_tampon.isEmpty()) return;
        m_curseur.insertText(m_tampon, format());
        m_tampon.clear();
        m_contenu = true;
    }

    void appliquer_alignement() {
        const int a = m_pile.back().alignement;
        if (a < 0) return;
        QTextBlockFormat b = m_curseur.blockFormat();
        b.setAlignment(Qt::Alignment(a));
        m_curseur.setBlockFormat(b);
    }

    void paragraphe() {
        if (etat().destination != Destination::Texte) return;
        vider();
        appliquer_alignement();
        m_curseur.insertBlock(QTextBlockFormat(), format());
        m_contenu = true;
    }

    void poser_image() {
        Image im = std::move(m_image);
        m_image = Image{};
        if (im.type == Image::Autre || im.octets.isEmpty()) return;
        QImage image;
        if (!image.loadFromData(im.octets)) return;
        QTextDocument* doc = m_curseur.document();
        if (!doc) return;
        vider();
        const QUrl nom = rtf_commun::nom_image_nouveau();
        // The bytes themselves are kept, so a JPEG is written back as the same JPEG.
        const bool brut = rtf_commun::type_image(im.octets) != rtf_commun::TypeImage::Aucun;
        doc->addResource(QTextDocument::ImageResource, nom,
                         brut ? QVariant(im.octets) : QVariant(image));
        QTextImageFormat f;
        f.setName(nom.toString());
        if (im.largeur_but > 0 && im.hauteur_but > 0) {
            const double l = double(im.largeur_but) * qBound(1, im.echelle_x, 1000) / 100.0 / 15.0;
            const double h = double(im.hauteur_but) * qBound(1, im.echelle_y, 1000) / 100.0 / 15.0;
            f.setWidth(qBound(1.0, l, 20000.0));
            f.setHeight(qBound(1.0, h, 20000.0));
        }
        m_curseur.insertImage(f);
        m_contenu = true;
    }

    const QByteArray& m_d;
    QTextCursor& m_curseur;
    int m_pos = 0;
    std::vector<Etat> m_pile;
    int m_en_trop = 0;
    bool m_groupe_nouveau = false;
    bool m_etoile = false;
    int m_a_sauter = 0;
    QString m_tampon;
    bool m_contenu = false;

    QHash<int, QString> m_polices;
    int m_police_defaut = 0;
    int m_police_def = -1;
    int m_profondeur_police = 0;
    QString m_nom_police;

    std::vector<QColor> m_couleurs;
    QColor m_couleur_en_cours{0, 0, 0};
    bool m_couleur_definie = false;

    Image m_image;
};

QString texte_simple(const QByteArray& d) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString t = utf8.decode(d);
    if (utf8.hasError()) t = windows1252::decoder(d);
    if (t.startsWith(QChar(0xFEFF))) t.remove(0, 1);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

}  // namespace

namespace rtf {

bool est_rtf(const QByteArray& donnees) {
    int i = 0;
    while (i < donnees.size() && (donnees[i] == ' ' || donnees[i] == '\t' || donnees[i] == '\r' ||
                                  donnees[i] == '\n'))
        ++i;
    return donnees.mid(i, 5) == "{\\rtf";
}

void inserer(const QByteArray& donnees, QTextCursor& curseur) {
    if (!est_rtf(donnees)) {
        curseur.insertText(texte_simple(donnees));
        return;
    }
    curseur.beginEditBlock();
    Lecteur(donnees, curseur).lire();
    curseur.endEditBlock();
}

void lire(const QByteArray& donnees, QTextDocument& doc) {
    doc.clear();
    QTextCursor c(&doc);
    inserer(donnees, c);
}

}  // namespace rtf
