#pragma once
// Colours as the system stores them: 32-bit signed values in the platform layout, low byte
// red, then green, then blue. Negative values (high bit set) name a system colour by its
// index in the low byte (0x80000012, that is -2147483630, is the button text colour).
#include <QColor>
#include <QPalette>
#include <cstdint>

class QWidget;

namespace couleur {
constexpr int32_t systeme(int index) { return INT32_MIN + index; }

// System colours used as control defaults.
constexpr int32_t BarreDefilement = systeme(0x00);
constexpr int32_t FondFenetre = systeme(0x05);    // back of text boxes and lists
constexpr int32_t TexteFenetre = systeme(0x08);
constexpr int32_t Surbrillance = systeme(0x0D);
constexpr int32_t TexteSurbrillance = systeme(0x0E);
constexpr int32_t FaceBouton = systeme(0x0F);     // back of windows, labels and buttons
constexpr int32_t TexteBouton = systeme(0x12);

// From red, green and blue (0 to 255).
constexpr int32_t rgb(int r, int g, int b) { return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16; }
}  // namespace couleur

// The colour a stored value stands for. A system colour comes from our own fixed palette
// (couleur_systeme), not from the desktop's theme; an unknown index gives the button face.
QColor couleur_qt(int32_t valeur);
QColor couleur_systeme(int index);
// The contrast ratio of two colours, 1 to 21 (relative luminance, sRGB); 4.5 reads well.
double contraste(const QColor& a, const QColor& b);
// The stored value of a colour (never a system colour).
int32_t valeur_couleur(const QColor& c);
// The palette role behind a system colour index.
QPalette::ColorRole role_systeme(int index);

// Back colour of a widget (window, label, box, button); the widget paints its background.
void appliquer_couleur_fond(QWidget* w, int32_t valeur);
// Text colour of a widget; a disabled widget shows it dimmed.
void appliquer_couleur_texte(QWidget* w, int32_t valeur);

// The BackColor / ForeColor properties that most controls carry. The values read back are
// the values written.
class Couleurs {
public:
    explicit Couleurs(QWidget* w, int32_t fond = couleur::FaceBouton,
                      int32_t texte = couleur::TexteBouton);
    virtual ~Couleurs() = default;

    int32_t BackColor() const { return m_fond; }
    void setBackColor(int32_t valeur);
    int32_t ForeColor() const { return m_texte; }
    void setForeColor(int32_t valeur);

protected:
    // Applies the two colours; controls that paint themselves redraw instead.
    virtual void couleurs_changees();
    QWidget* widget_couleurs() const { return m_widget; }

private:
    QWidget* m_widget;
    int32_t m_fond;
    int32_t m_texte;
};
