#pragma once
// What the main window and the mini player share: the always-on-top layer, the window states
// and the keyboard preview.
#include <QObject>
#include <QWidget>
#include <functional>

namespace fenetres {
// Puts the window on the always-on-top layer or takes it off, without moving it and without
// taking the focus (the window manager's hint; a shown window stays shown).
void premier_plan(QWidget& fenetre, bool dessus);
bool est_au_premier_plan(const QWidget& fenetre);
// Window states 1 (minimised) and 0 (normal); a hidden window keeps the state for its showing.
void minimiser(QWidget& fenetre);
void etat_normal(QWidget& fenetre);
// The screen's size in twips.
QSize ecran_twips();
}  // namespace fenetres

// The window's key preview: every key typed in the window (or in one of its controls) comes
// first to the handler, with the character it types (evenement::code_caractere). Keys held
// with Ctrl or Alt alone are menu shortcuts and do not come. The handler returns true to
// swallow the key, false to let the control that has the focus have it as well.
class ApercuClavier : public QObject {
public:
    using Gestion = std::function<bool(int code)>;
    ApercuClavier(QWidget& fenetre, Gestion gestion);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QWidget& m_fenetre;
    Gestion m_gestion;
    // The key press taken last, until the next key starts: the same press goes on up to the
    // parents after the handler, and a box it opened has moved the focus meanwhile.
    const QEvent* m_prise = nullptr;
    int m_en_cours = 0;  // the handler is running (a box it opened runs its own loop)
};
