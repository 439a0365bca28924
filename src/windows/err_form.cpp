#include "windows/err_form.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "config/etat.h"
#include "platform/programme.h"

err_form::err_form() {
    setWindowTitle(QStringLiteral("ATTENTION ERREUR"));
    Label1.setCaption(QStringLiteral("err_"));
    Label1.setWordWrap(true);
    Label1.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1.setMinimumSize(320, 90);
    AnyButton1.setCaption(QStringLiteral("Fermer"));
    AnyButton2.setCaption(QStringLiteral("Actualiser"));
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(&Image1);
    boutons->addStretch();
    for (OwnerDrawnButton* b : {&AnyButton2, &AnyButton1}) {
        b->setFixedSize(96, 26);
        boutons->addWidget(b);
    }
    boutons->addWidget(&Image2);
    auto* v = new QVBoxLayout(this);
    v->addWidget(&Label1, 1);
    v->addLayout(boutons);
    AnyButton1.Click = [this] { AnyButton1_Click(); };
    AnyButton2.Click = [this] { AnyButton2_Click(); };
    resize(420, 180);
}

void err_form::AnyButton1_Click() { hide(); }

void err_form::AnyButton2_Click() {
    const QString cr = QStringLiteral("\r");
    const QString paragraphe = QStringLiteral("\n\r\n\r");
    setWindowTitle(programme::nom());
    Radio::texte_message = QStringLiteral("Info ") + cr + QStringLiteral("Nombre de fichiers ayant été lus") + paragraphe +
                           QStringLiteral(" Pour cette séssion") + paragraphe + QStringLiteral("Nb : ") +
                           QString::number(Radio::nb_fichiers_joues);
    Label1.setCaption(Radio::texte_message);
    Show();
    Radio::texte_message.clear();
}

void err_form::Form_KeyPress(int16_t code) {
    if (code == 27) hide();
}

void err_form::keyPressEvent(QKeyEvent* e) {
    const int code = evenement::code_caractere(e);
    if (code) evenement::utilisateur([&] { Form_KeyPress(int16_t(code)); });
    Form::keyPressEvent(e);
}

void err_form::closeEvent(QCloseEvent* e) {
    // Closing from the window frame hides the window; it is never destroyed before the end.
    e->ignore();
    hide();
}
