#include "windows/fsauve.h"

#include <QEvent>
#include <algorithm>

#include "filemanager/commun.h"
#include "platform/couleurs.h"
#include "platform/erreur.h"

BarreProgression::BarreProgression(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void BarreProgression::setMax(float maximum) {
    if (maximum < 0) throw Erreur(err::ValeurPropriete);
    setRange(0, int(maximum));
}

void BarreProgression::setValue(int valeur) {
    if (valeur < 0 || valeur > maximum()) throw Erreur(err::ValeurPropriete);
    QProgressBar::setValue(valeur);
}

const QString& PointsProgression::suivant() {
    m_texte += m_texte;
    if (m_texte.size() >= 8) m_texte = QStringLiteral(".");
    return m_texte;
}

fsauve::fsauve() {
    setWindowTitle(QStringLiteral("Traitement en cours"));
    const int32_t bleu = couleur::rgb(0, 0, 192);
    QFont gras = font();
    gras.setBold(true);
    Label3.setAlignment(Qt::AlignCenter);
    Label3.setForeColor(bleu);
    gras.setPointSizeF(13.5);
    Label3.setFont(gras);
    Label3.setAutoSize(true);
    // Sizes from the window's design, in pixels (twips / 15): client area 6780 x 1875, wider
    // when the title needs it.
    const int largeur = std::max(452, Label3.width() + 16);
    setFixedSize(largeur, 125);
    Label3.move((largeur - Label3.width()) / 2, 6);
    Frame1.setFrameShape(QFrame::Box);
    Frame1.setGeometry(12, 86, largeur - 27, 33);
    ProgressBar1.setGeometry(16, 96, largeur - 35, 17);
    Label2.setGeometry(161, 60, 7, 13);
    Label2.setForeColor(couleur::rgb(0, 255, 0));
    Label1.setGeometry(8, 38, largeur - 15, 43);
    Label1.setAlignment(Qt::AlignCenter);
    Label1.setForeColor(bleu);
    gras.setPointSizeF(9.75);
    Label1.setFont(gras);
    Label1.setWordWrap(true);
    m_differee.setSingleShot(true);
    connect(&m_differee, &QTimer::timeout, this, [this] {
        QEvent e(QEvent::UpdateRequest);
        event(&e);
    });
}

void fsauve::Form_Load() { update(); }

void fsauve::Form_Activate() { gestionnaire::pointeur_sablier(); }

void fsauve::showEvent(QShowEvent* e) {
    m_peinte.invalidate();  // the first paint of a showing is not held back
    Form::showEvent(e);
    Form_Activate();
}

void fsauve::hideEvent(QHideEvent* e) {
    // A held request is handed on: the window's painting must not stay waiting for it.
    if (m_differee.isActive()) {
        m_differee.stop();
        QEvent u(QEvent::UpdateRequest);
        Form::event(&u);
    }
    Form::hideEvent(e);
}

void fsauve::repaint() {
    if (m_peinte.isValid() && m_peinte.elapsed() < IntervallePeinture_ms)
        update();
    else
        QWidget::repaint();
}

// Every change of the bar or a caption asks the window for a paint, and a run turns the event
// loop after each item: the requests that come within the interval are held and served as
// one at its end, so an item costs no paint.
bool fsauve::event(QEvent* e) {
    if (e->type() == QEvent::UpdateRequest && isVisible()) {
        if (m_peinte.isValid() && m_peinte.elapsed() < IntervallePeinture_ms) {
            if (!m_differee.isActive()) m_differee.start(int(IntervallePeinture_ms - m_peinte.elapsed()));
            return true;
        }
        m_peinte.start();
    }
    return Form::event(e);
}
