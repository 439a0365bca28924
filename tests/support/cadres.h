#pragma once
// Windows under a real window manager, for the tests that read frames and the screen.
#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace cadres_test {
// Shows the window and waits as the program does: framed, no place asked for still waiting
// for the frame, and the frame standing still for 500 ms; with `attendu`, also where the test
// asked for it (the window manager answers a framed window's move in its own time). Returns
// the frame.
QRect cadre_montre(QWidget& w, const std::function<bool(const QRect&)>& attendu = {});
// Why these tests cannot run here (no X display, no window manager framing windows), or "".
QString sans_gestionnaire_de_fenetres();
// With SONAVEL_CAPTURES naming a folder, the whole screen as the user sees it, frames included,
// saved there as NOM.png.
void capture(const QString& nom);
}  // namespace cadres_test
