#include "platform/images.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "platform/controles.h"

QStringList fichiers_deposes(const QMimeData* donnees) {
    QStringList f;
    if (!donnees) return f;
    for (const QUrl& u : donnees->urls())
        if (u.isLocalFile()) f << u.toLocalFile();
    return f;
}

// ---- Image

Image::Image(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAcceptDrops(true);
}

bool Image::setPicture(const QString& chemin) {
    if (!charger_image(chemin, m_image)) return false;
    m_chemin = chemin;
    update();
    return true;
}

void Image::setStretch(bool etire) {
    m_etire = etire;
    update();
}

void Image::setLegende(const QString& texte) {
    m_legende = texte;
    update();
}

void Image::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_image.isNull()) {
        if (m_etire) {
            p.drawPixmap(rect(), m_image);
        } else {
            const QPoint coin((width() - m_image.width()) / 2, (height() - m_image.height()) / 2);
            p.drawPixmap(coin, m_image);
        }
        if (m_legende_sur_image && !m_legende.isEmpty()) {
            const QPalette::ColorGroup g = isEnabled() ? QPalette::Active : QPalette::Disabled;
            const QColor texte = palette().color(g, QPalette::WindowText);
            // The caption sits on a plain plate: a lamp or a glow of the face never runs
            // through the letters.
            const int drapeaux = Qt::AlignCenter | Qt::TextWordWrap;
            const QRect place = p.fontMetrics().boundingRect(rect(), drapeaux, m_legende).adjusted(-3, 0, 3, 0);
            p.setPen(Qt::NoPen);
            p.setBrush(texte.lightness() > 127 ? QColor(20, 20, 22) : QColor(236, 236, 236));
            p.setRenderHint(QPainter::Antialiasing);
            p.drawRoundedRect(QRectF(place & rect()), 3, 3);
            p.setPen(texte);
            p.drawText(rect(), drapeaux, m_legende);
        }
        return;
    }
    if (m_legende.isEmpty()) return;
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QPalette::ColorGroup g = isEnabled() ? QPalette::Active : QPalette::Disabled;
    QColor bord = pal.color(g, QPalette::WindowText);
    bord.setAlpha(m_presse ? 200 : 90);
    p.setPen(QPen(bord, 1));
    p.setBrush(m_presse ? pal.color(QPalette::Highlight) : Qt::transparent);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setPen(pal.color(g, QPalette::WindowText));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_legende);
}

void Image::mousePressEvent(QMouseEvent* e) {
    m_presse = true;
    update();
    const bool tenu = QGuiApplication::mouseButtons() & e->button();
    evenement::souris(MouseDown, e);
    // A box the handler opened took the release: the press ends here, as a release
    // outside the control would end it.
    if (tenu && m_presse && !(QGuiApplication::mouseButtons() & e->button())) {
        m_presse = false;
        update();
        evenement::souris(MouseUp, e);
    }
}

void Image::mouseReleaseEvent(QMouseEvent* e) {
    const bool clic = m_presse && rect().contains(e->position().toPoint());
    m_presse = false;
    update();
    evenement::souris(MouseUp, e);
    if (clic) evenement::utilisateur(Click);
}

void Image::mouseDoubleClickEvent(QMouseEvent*) {
    m_presse = false;
    evenement::utilisateur(DblClick);
}

void Image::mouseMoveEvent(QMouseEvent* e) { evenement::souris(MouseMove, e); }

// A drag from one of our own widgets has a source; data from another program has none.
bool Image::accepte(const QDropEvent* e) const { return e->source() ? bool(DragDrop) : bool(OLEDragDrop); }

void Image::dragEnterEvent(QDragEnterEvent* e) {
    if (!accepte(e)) return;
    e->acceptProposedAction();
    const QStringList f = fichiers_deposes(e->mimeData());
    if (DragOver) evenement::utilisateur([&] { DragOver(f); });
}

void Image::dragMoveEvent(QDragMoveEvent* e) {
    if (accepte(e)) e->acceptProposedAction();
}

void Image::dropEvent(QDropEvent* e) {
    if (!accepte(e)) return;
    e->acceptProposedAction();
    if (e->source()) {
        evenement::utilisateur(DragDrop);
        return;
    }
    const QStringList f = fichiers_deposes(e->mimeData());
    evenement::utilisateur([&] { OLEDragDrop(f); });
}

// ---- OwnerDrawnButton

OwnerDrawnButton::OwnerDrawnButton(QWidget* parent, const QString& caption)
    : QPushButton(caption, parent), Couleurs(this) {
    setAttribute(Qt::WA_Hover);
    connect(this, &QPushButton::clicked, this, [this] { evenement::utilisateur(Click); });
}

void OwnerDrawnButton::setCaption(const QString& caption) {
    setText(caption);
    update();
}

bool OwnerDrawnButton::setPicture(const QString& chemin) {
    if (!charger_image(chemin, m_image)) return false;
    m_chemin = chemin;
    update();
    return true;
}

void OwnerDrawnButton::setBackColorDown(int32_t c) { m_fond_bas = c; update(); }
void OwnerDrawnButton::setBackColorOver(int32_t c) { m_fond_survol = c; update(); }
void OwnerDrawnButton::setForeColorDown(int32_t c) { m_texte_bas = c; update(); }
void OwnerDrawnButton::setForeColorOver(int32_t c) { m_texte_survol = c; update(); }

void OwnerDrawnButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool bas = isDown();
    const bool survol = m_survol && isEnabled() && !bas;
    const QColor fond = couleur_qt(bas ? m_fond_bas : survol ? m_fond_survol : BackColor());
    QColor texte = couleur_qt(bas ? m_texte_bas : survol ? m_texte_survol : ForeColor());
    if (!isEnabled()) texte.setAlpha(100);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setBrush(fond);
    p.setPen(QPen(fond.lightness() < 128 ? fond.lighter(170) : fond.darker(140), 1));
    p.drawRoundedRect(r, 3, 3);
    if (!m_image.isNull()) {
        const QPixmap img = m_image.scaled(size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawPixmap((width() - img.width()) / 2, (height() - img.height()) / 2, img);
    }
    if (!text().isEmpty()) {
        p.setPen(texte);
        p.drawText(rect(), Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        p.setPen(QPen(texte, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 2, 2);
    }
}

void OwnerDrawnButton::enterEvent(QEnterEvent* e) {
    QPushButton::enterEvent(e);
    m_survol = true;
    update();
    evenement::utilisateur(MouseOver);
}

void OwnerDrawnButton::leaveEvent(QEvent* e) {
    QPushButton::leaveEvent(e);
    m_survol = false;
    update();
}
