#pragma once
// Records the captions that every window of class W takes, in order, while the recorder lives
// (a progress window whose caption changes faster than a test can look, even when the window
// is unloaded and made again meanwhile).
#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QWidget>

namespace sonavel_test {
template <class W>
class TitresFenetres : public QObject {
public:
    TitresFenetres() { qApp->installEventFilter(this); }
    QStringList vus;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::WindowTitleChange)
            if (auto* w = dynamic_cast<W*>(objet)) vus << w->windowTitle();
        return false;
    }
};
}  // namespace sonavel_test
