#include "platform/barre_position.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/erreur.h"

PositionBar::PositionBar(QWidget* parent)
    : QWidget(parent), Couleurs(this, couleur::FondFenetre, couleur::TexteFenetre) {
    setFixedSize(Largeur, Hauteur);
    setMouseTracking(true);
}

void PositionBar::setMax(int max) {
    if (max < 1) throw Erreur(err::ValeurPropriete);
    m_max = max;
    if (m_valeur > m_max) m_valeur = m_max;
    update();
}

void PositionBar::setValue(int valeur) {
    m_valeur = qBound(0, valeur, m_max);
    update();
}

int PositionBar::Percent() const {
    if (m_valeur >= m_max) return 100;
    return int(qint64(m_valeur) * 100 / m_max);
}

void PositionBar::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void PositionBar::setFillColor(int32_t c) {
    m_remplissage = c;
    update();
}

void PositionBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor fond = couleur_qt(BackColor());
    p.fillRect(rect(), fond);
    const int plein = int(qint64(LargeurUtile) * m_valeur / m_max);
    p.fillRect(QRect(1, 1, plein, height() - 2), couleur_qt(m_remplissage));
    p.setPen(fond.lightness() < 128 ? fond.lighter(200) : fond.darker(150));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_caption.isEmpty()) {
        QFont f = font();
        f.setPixelSize(height() - 3);
        p.setFont(f);
        // Over the filled part the caption takes the bar's back colour, so it reads on both parts.
        p.setPen(couleur_qt(ForeColor()));
        p.setClipRect(QRect(1 + plein, 0, width(), height()));
        p.drawText(rect(), Qt::AlignCenter, m_caption);
        p.setPen(fond);
        p.setClipRect(QRect(0, 0, 1 + plein, height()));
        p.drawText(rect(), Qt::AlignCenter, m_caption);
    }
}

void PositionBar::mousePressEvent(QMouseEvent* e) { evenement::souris(MouseDown, e); }
void PositionBar::mouseReleaseEvent(QMouseEvent* e) { evenement::souris(MouseUp, e); }
void PositionBar::mouseMoveEvent(QMouseEvent* e) { evenement::souris(MouseMove, e); }
