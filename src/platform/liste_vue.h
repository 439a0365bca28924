#pragma once
// The list view: rows of a main text and sub-items (columns 1..n), numbered from 1 as the
// system numbers them. Its own sorting is never enabled (sorting is a command of the system).
// ItemClick runs only for what the user does (a click on a row, or moving the current row
// with the keyboard): code that fills, rewrites or selects rows runs no handler.
#include <QTreeWidget>
#include <functional>

#include "platform/couleurs.h"
#include "platform/evenements.h"

class ListView : public QTreeWidget, public Couleurs {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    // A column with its header text and width in pixels.
    void ajouter_colonne(const QString& titre, int largeur);

    int ListCount() const { return topLevelItemCount(); }
    // Row n (1-based); error 35600 outside 1..ListCount().
    QTreeWidgetItem* ListItem(int index) const;
    // Adds a row at the end, or before row `index` (1-based).
    QTreeWidgetItem* AddItem(const QString& texte, int index = 0);
    void RemoveItem(int index);
    void Clear();

    // Row number (1-based) of a row of this list; 0 for none.
    int Index(const QTreeWidgetItem* item) const;
    // Sub-item i (1-based: the column after the main text).
    static QString SubItem(const QTreeWidgetItem* item, int i);
    static void setSubItem(QTreeWidgetItem* item, int i, const QString& texte);

    // The current row (null when the list is empty or nothing is current).
    QTreeWidgetItem* SelectedItem() const { return currentItem(); }
    // Makes a row current and selected; runs no handler.
    void setSelectedItem(QTreeWidgetItem* item);
    void EnsureVisible(QTreeWidgetItem* item) { scrollToItem(item); }

    // Drags `donnees` from this view (called from a mouse move over it) and returns when the
    // drop or the cancel is over. The drag takes the button's release, so the view then
    // forgets the press and the move under way: the next click on a row is a click.
    Qt::DropAction glisser(QMimeData* donnees, Qt::DropActions actions);

    std::function<void(QTreeWidgetItem* item)> ItemClick;
    Gestion DblClick;
    std::function<void(int colonne)> ColumnClick;  // 1-based
    GestionSouris MouseDown;
    GestionSouris MouseUp;

protected:
    void couleurs_changees() override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool m_glisse = false;  // a drag ran inside the mouse move now being handled
};
