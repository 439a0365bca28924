#include "platform/form.h"

#include <QEventLoop>
#include <QPointer>
#include <algorithm>

namespace {
std::vector<Form*>& registre() {
    static std::vector<Form*> fenetres;
    return fenetres;
}
}  // namespace

Form::Form(QWidget* parent) : QWidget(parent) {
    registre().push_back(this);
}

Form::~Form() {
    auto& r = registre();
    r.erase(std::remove(r.begin(), r.end(), this), r.end());
}

int Form::Top() const { return y() * TwipsParPixel; }
int Form::Left() const { return x() * TwipsParPixel; }
int Form::Width() const { return frameGeometry().width() * TwipsParPixel; }
int Form::Height() const { return frameGeometry().height() * TwipsParPixel; }
void Form::setTop(int twips) { move(x(), twips / TwipsParPixel); }
void Form::setLeft(int twips) { move(twips / TwipsParPixel, y()); }
void Form::setWidth(int twips) { resize(twips / TwipsParPixel, height()); }
void Form::setHeight(int twips) { resize(width(), twips / TwipsParPixel); }

void Form::Show(bool modal) {
    if (!modal) {
        show();
        raise();
        return;
    }
    // A modal window blocks its caller until it is hidden or destroyed.
    QPointer<Form> garde(this);
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop boucle;
    while (garde && isVisible()) boucle.processEvents(QEventLoop::WaitForMoreEvents);
    if (garde) setWindowModality(Qt::NonModal);
}

const std::vector<Form*>& Form::fenetres_chargees() { return registre(); }

void Form::decharger_tout() {
    while (!registre().empty()) decharger_fenetre(registre().back());
}

void decharger_fenetre(Form* form) {
    form->Form_Unload();
    form->oublier_instance();
    delete form;
}
