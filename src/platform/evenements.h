#pragma once
// What the controls hand to their event handlers, and how a handler runs.
#include <QString>
#include <Qt>
#include <functional>

class QKeyEvent;
class QMouseEvent;

// Mouse handlers receive the button (1 left, 2 right, 4 middle), the shift state (1 shift,
// 2 control, 4 alt) and the pointer position in pixels from the control's top left corner.
using GestionSouris = std::function<void(int Button, int Shift, float X, float Y)>;
using Gestion = std::function<void()>;

namespace evenement {
int bouton(Qt::MouseButtons boutons);
int shift(Qt::KeyboardModifiers modificateurs);
// Calls a mouse handler with the event's values, when there is a handler.
void souris(const GestionSouris& gestion, QMouseEvent* e);
// The character code a key press gives to a KeyPress handler (27 for Esc, 13 for Enter,
// 8 for backspace); 0 when the key gives no character.
int code_caractere(const QKeyEvent* e);

// Runs a handler for something the user did. The handler stands at the top of the call
// stack: an error it did not handle itself is reported on the console and goes no further
// (it must not cross Qt's event dispatch).
void utilisateur(const Gestion& gestion);
}  // namespace evenement

// A caption as it is displayed: a carriage return alone, CR LF and LF CR each break the line
// (so LF CR LF CR leaves a blank line). The caption itself is kept as written.
QString texte_affiche(const QString& caption);
