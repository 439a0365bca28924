#include "windows/commandes_fenetres.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "platform/evenements.h"
#include "platform/form.h"

namespace fenetres {
void premier_plan(QWidget& fenetre, bool dessus) {
    if (est_au_premier_plan(fenetre) == dessus) return;
    const bool visible = fenetre.isVisible();
    // Changing a flag hides the window; showing it again must not steal the focus nor move
    // it by its frame.
    const QPoint coin = cadre::coin(fenetre);
    const bool sans_activation = fenetre.testAttribute(Qt::WA_ShowWithoutActivating);
    fenetre.setAttribute(Qt::WA_ShowWithoutActivating, true);
    fenetre.setWindowFlag(Qt::WindowStaysOnTopHint, dessus);
    if (visible) {
        cadre::placer(fenetre, coin);
        fenetre.show();
    }
    if (visible && dessus) fenetre.raise();
    fenetre.setAttribute(Qt::WA_ShowWithoutActivating, sans_activation);
}

bool est_au_premier_plan(const QWidget& fenetre) { return fenetre.windowFlags() & Qt::WindowStaysOnTopHint; }

void minimiser(QWidget& fenetre) {
    fenetre.setWindowState((fenetre.windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
}

void etat_normal(QWidget& fenetre) {
    fenetre.setWindowState(fenetre.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}

QSize ecran_twips() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return (ecran ? ecran->geometry().size() : QSize()) * TwipsParPixel;
}
}  // namespace fenetres

ApercuClavier::ApercuClavier(QWidget& fenetre, Gestion gestion)
    : QObject(&fenetre), m_fenetre(fenetre), m_gestion(std::move(gestion)) {
    qApp->installEventFilter(this);
}

bool ApercuClavier::eventFilter(QObject* objet, QEvent* e) {
    // Every new key sends its shortcut check first, and every press ends with a release. Keys
    // typed while the handler runs (the answer to a box it opened, and that key's release) are
    // not the next key: the press taken goes on up to the parents once the handler returns.
    if ((e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyRelease) && !m_en_cours) m_prise = nullptr;
    if (e->type() != QEvent::KeyPress || !objet->isWidgetType() || e == m_prise) return false;
    auto* w = static_cast<QWidget*>(objet);
    if (w->window() != &m_fenetre) return false;
    // A key goes to the control that has the focus, then up to its parents: take it once,
    // where it arrives first.
    QWidget* cible = QApplication::focusWidget();
    if (!cible || cible->window() != &m_fenetre) cible = &m_fenetre;
    if (w != cible) return false;
    auto* touche = static_cast<QKeyEvent*>(e);
    const Qt::KeyboardModifiers m = touche->modifiers();
    const bool ctrl = m & Qt::ControlModifier, alt = m & Qt::AltModifier;
    if (ctrl != alt) return false;  // Ctrl+Alt is AltGr on some systems: it types characters
    const int code = evenement::code_caractere(touche);
    if (!code) return false;
    bool avaler = false;
    m_prise = e;
    ++m_en_cours;
    evenement::utilisateur([&] { avaler = m_gestion(code); });
    --m_en_cours;
    m_prise = e;
    return avaler;
}
