#include "platform/evenements.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QtDebug>
#include <exception>

#include "platform/erreur.h"

namespace evenement {
int bouton(Qt::MouseButtons b) {
    int v = 0;
    if (b & Qt::LeftButton) v |= 1;
    if (b & Qt::RightButton) v |= 2;
    if (b & Qt::MiddleButton) v |= 4;
    return v;
}

int shift(Qt::KeyboardModifiers m) {
    int v = 0;
    if (m & Qt::ShiftModifier) v |= 1;
    if (m & Qt::ControlModifier) v |= 2;
    if (m & Qt::AltModifier) v |= 4;
    return v;
}

void souris(const GestionSouris& gestion, QMouseEvent* e) {
    if (!gestion) return;
    // A press or release names the button that changed; a move names those held down.
    const Qt::MouseButtons b = e->type() == QEvent::MouseMove ? e->buttons() : Qt::MouseButtons(e->button());
    const QPointF p = e->position();
    utilisateur([&] { gestion(bouton(b), shift(e->modifiers()), float(p.x()), float(p.y())); });
}

int code_caractere(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    default: break;
    }
    const QString t = e->text();
    return t.isEmpty() ? 0 : t.at(0).unicode();
}

void utilisateur(const Gestion& gestion) {
    if (!gestion) return;
    try {
        gestion();
    } catch (const Erreur& e) {
        qWarning().noquote() << "Erreur" << e.numero() << e.description();
    } catch (const std::exception& e) {
        qWarning().noquote() << "Erreur" << e.what();
    }
}
}  // namespace evenement

QString texte_affiche(const QString& caption) {
    QString t = caption;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}
