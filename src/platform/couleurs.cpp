#include "platform/couleurs.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <iterator>

QPalette::ColorRole role_systeme(int index) {
    switch (index) {
    case 0x00: return QPalette::Button;           // scroll bar
    case 0x01: return QPalette::Dark;             // desktop
    case 0x02: return QPalette::Highlight;        // active caption
    case 0x03: return QPalette::Mid;              // inactive caption
    case 0x04: return QPalette::Window;           // menu
    case 0x05: return QPalette::Base;             // window (inside of boxes and lists)
    case 0x06: return QPalette::Shadow;           // window frame
    case 0x07: return QPalette::WindowText;       // menu text
    case 0x08: return QPalette::Text;             // window text
    case 0x09: return QPalette::HighlightedText;  // caption text
    case 0x0A: return QPalette::Window;           // active border
    case 0x0B: return QPalette::Window;           // inactive border
    case 0x0C: return QPalette::Dark;             // application workspace
    case 0x0D: return QPalette::Highlight;
    case 0x0E: return QPalette::HighlightedText;
    case 0x0F: return QPalette::Button;           // button face
    case 0x10: return QPalette::Dark;             // button shadow
    case 0x11: return QPalette::PlaceholderText;  // grey text
    case 0x12: return QPalette::ButtonText;
    case 0x13: return QPalette::Text;             // inactive caption text
    case 0x14: return QPalette::Light;            // button highlight
    case 0x15: return QPalette::Shadow;           // 3D dark shadow
    case 0x16: return QPalette::Midlight;         // 3D light
    case 0x17: return QPalette::ToolTipText;
    case 0x18: return QPalette::ToolTipBase;
    default: return QPalette::Window;
    }
}

QColor couleur_systeme(int index) {
    // Our own fixed palette: light faces with dark text, as the stored defaults were drawn
    // where they come from (a grey button with the button-text colour reads dark on light),
    // whatever the desktop's theme. Selection and window text keep 4.5:1 on their grounds.
    static constexpr QRgb table[] = {
        0xC8C8C8,  // scroll bar
        0x3A6EA5,  // desktop
        0x99B4D1,  // active caption
        0xBFCDDB,  // inactive caption
        0xF0F0F0,  // menu
        0xFFFFFF,  // window
        0x646464,  // window frame
        0x000000,  // menu text
        0x000000,  // window text
        0x000000,  // caption text
        0xB4B4B4,  // active border
        0xF4F7FC,  // inactive border
        0xABABAB,  // application workspace
        0x0063B1,  // highlight
        0xFFFFFF,  // highlighted text
        0xF0F0F0,  // button face
        0xA0A0A0,  // button shadow
        0x6D6D6D,  // grey text
        0x000000,  // button text
        0x000000,  // inactive caption text
        0xFFFFFF,  // button highlight
        0x696969,  // 3D dark shadow
        0xE3E3E3,  // 3D light
        0x000000,  // tooltip text
        0xFFFFE1,  // tooltip back
    };
    if (index < 0 || index >= int(std::size(table))) return QColor(table[0x0F]);
    return QColor(table[index]);
}

QColor couleur_qt(int32_t valeur) {
    const uint32_t v = static_cast<uint32_t>(valeur);
    if (v & 0x80000000u) return couleur_systeme(int(v & 0xFF));
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

namespace {
double luminance(const QColor& c) {
    auto canal = [](int v) {
        const double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(c.red()) + 0.7152 * canal(c.green()) + 0.0722 * canal(c.blue());
}
}  // namespace

double contraste(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int32_t valeur_couleur(const QColor& c) { return couleur::rgb(c.red(), c.green(), c.blue()); }

void appliquer_couleur_fond(QWidget* w, int32_t valeur) {
    const QColor c = couleur_qt(valeur);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Button, c);
    // Only boxes that hold text take it as their inside; the box of an option button or a
    // check box keeps its own colour.
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractScrollArea*>(w))
        p.setColor(QPalette::Base, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void appliquer_couleur_texte(QWidget* w, int32_t valeur) {
    const QColor c = couleur_qt(valeur);
    QColor terne = c;
    terne.setAlpha(110);
    QPalette p = w->palette();
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Active, r, c);
        p.setColor(QPalette::Inactive, r, c);
        p.setColor(QPalette::Disabled, r, terne);
    }
    w->setPalette(p);
}

Couleurs::Couleurs(QWidget* w, int32_t fond, int32_t texte) : m_widget(w), m_fond(fond), m_texte(texte) {}

void Couleurs::setBackColor(int32_t valeur) {
    m_fond = valeur;
    couleurs_changees();
}

void Couleurs::setForeColor(int32_t valeur) {
    m_texte = valeur;
    couleurs_changees();
}

void Couleurs::couleurs_changees() {
    appliquer_couleur_fond(m_widget, m_fond);
    appliquer_couleur_texte(m_widget, m_texte);
}
