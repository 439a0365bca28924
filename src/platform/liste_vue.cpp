#include "platform/liste_vue.h"

#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/erreur.h"

ListView::ListView(QWidget* parent) : QTreeWidget(parent), Couleurs(this, couleur::FondFenetre, couleur::TexteFenetre) {
    setSortingEnabled(false);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setColumnCount(0);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int c) {
        if (ColumnClick) evenement::utilisateur([&] { ColumnClick(c + 1); });
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (ItemClick) evenement::utilisateur([&] { ItemClick(item); });
    });
}

void ListView::ajouter_colonne(const QString& titre, int largeur) {
    const int n = columnCount();
    setColumnCount(n + 1);
    headerItem()->setText(n, titre);
    setColumnWidth(n, largeur);
}

QTreeWidgetItem* ListView::ListItem(int index) const {
    if (index < 1 || index > topLevelItemCount()) throw Erreur(35600, QStringLiteral("Index hors limites"));
    return topLevelItem(index - 1);
}

QTreeWidgetItem* ListView::AddItem(const QString& texte, int index) {
    if (index < 0 || index > topLevelItemCount() + 1) throw Erreur(35600, QStringLiteral("Index hors limites"));
    auto* item = new QTreeWidgetItem(QStringList{texte});
    if (index == 0)
        addTopLevelItem(item);
    else
        insertTopLevelItem(index - 1, item);
    return item;
}

void ListView::RemoveItem(int index) { delete ListItem(index); }

void ListView::Clear() { clear(); }

int ListView::Index(const QTreeWidgetItem* item) const {
    return item ? indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) + 1 : 0;
}

QString ListView::SubItem(const QTreeWidgetItem* item, int i) { return item->text(i); }

void ListView::setSubItem(QTreeWidgetItem* item, int i, const QString& texte) { item->setText(i, texte); }

void ListView::setSelectedItem(QTreeWidgetItem* item) {
    setCurrentItem(item);
    if (item) item->setSelected(true);
}

void ListView::couleurs_changees() {
    appliquer_couleur_fond(viewport(), BackColor());
    appliquer_couleur_fond(this, BackColor());
    appliquer_couleur_texte(this, ForeColor());
}

Qt::DropAction ListView::glisser(QMimeData* donnees, Qt::DropActions actions) {
    auto* glisse = new QDrag(viewport());
    glisse->setMimeData(donnees);
    const Qt::DropAction action = glisse->exec(actions);
    // The release ended the drag and never reaches the view: left pressed, it would take the
    // next press as part of a selection drag and emit no click.
    setState(NoState);
    m_glisse = true;
    return action;
}

void ListView::mousePressEvent(QMouseEvent* e) {
    m_glisse = false;
    QTreeWidget::mousePressEvent(e);
    evenement::souris(MouseDown, e);
}

void ListView::mouseMoveEvent(QMouseEvent* e) {
    // The move that started a drag ends with it: its buttons are no longer down.
    if (m_glisse) {
        m_glisse = false;
        return;
    }
    QTreeWidget::mouseMoveEvent(e);
}

void ListView::mouseReleaseEvent(QMouseEvent* e) {
    QTreeWidget::mouseReleaseEvent(e);
    evenement::souris(MouseUp, e);
}

void ListView::mouseDoubleClickEvent(QMouseEvent* e) {
    QTreeWidget::mouseDoubleClickEvent(e);
    evenement::utilisateur(DblClick);
}

void ListView::keyPressEvent(QKeyEvent* e) {
    QTreeWidgetItem* avant = currentItem();
    QTreeWidget::keyPressEvent(e);
    QTreeWidgetItem* apres = currentItem();
    if (apres && apres != avant && ItemClick) evenement::utilisateur([&] { ItemClick(apres); });
}
