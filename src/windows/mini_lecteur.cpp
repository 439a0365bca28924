#include "windows/mini_lecteur.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

mini_lecteur::mini_lecteur() {
    setWindowTitle(QStringLiteral("Sonavel"));
    const struct {
        CommandButton& bouton;
        const char* legende;
        const char* bulle;
    } boutons[] = {
        {Command6, "◀◀", "Arrière"},
        {Command1, "▶", "Lecture"},
        {Command3, "■", "Stop (barre espace)"},
        {Command7, "▶▶", "Avant"},
        {Command2, "Zap", "Fichier suivant (Z ou S)"},
        {Command4, "Liste", "Liste (L)"},
        {Command5, "✕", "Fermer le mini lecteur (Esc)"},
    };
    auto* rang = new QHBoxLayout;
    rang->setSpacing(4);
    for (const auto& b : boutons) {
        b.bouton.setCaption(QString::fromUtf8(b.legende));
        b.bouton.setToolTip(QString::fromUtf8(b.bulle));
        b.bouton.setFixedSize(44, 30);
        rang->addWidget(&b.bouton);
    }
    Label1.setReadOnly(true);
    Label1.setAlignment(Qt::AlignCenter);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);
    v->addLayout(rang);
    v->addWidget(&Label1);
    setFixedSize(sizeHint());
}
