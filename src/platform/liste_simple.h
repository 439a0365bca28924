#pragma once
// A list box of text lines: AddItem, Clear, ListCount and List(i) (0-based), as the platform's
// list boxes have.
#include <QListWidget>

#include "platform/couleurs.h"

class ListBox : public QListWidget, public Couleurs {
public:
    explicit ListBox(QWidget* parent = nullptr);

    void AddItem(const QString& texte);
    void Clear() { clear(); }
    int ListCount() const { return count(); }
    // Line i from 0; error 381 outside the lines.
    QString List(int i) const;
};
