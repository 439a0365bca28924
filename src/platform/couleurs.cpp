#include "platform/couleurs.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QApplication>
#include <QWidget>

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

QColor couleur_qt(int32_t valeur) {
    const uint32_t v = static_cast<uint32_t>(valeur);
    if (v & 0x80000000u) return QApplication::palette().color(QPalette::Active, role_systeme(int(v & 0xFF)));
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
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
