#include "platform/liste_simple.h"

#include "platform/erreur.h"

ListBox::ListBox(QWidget* parent) : QListWidget(parent), Couleurs(this, couleur::FondFenetre, couleur::TexteFenetre) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListBox::AddItem(const QString& texte) {
    addItem(texte);
    // New lines show at the bottom, as the trace is read.
    scrollToBottom();
}

QString ListBox::List(int i) const {
    if (i < 0 || i >= count()) throw Erreur(381);
    return item(i)->text();
}
