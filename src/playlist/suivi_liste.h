#pragma once
// The list on air follows its entries. List play keeps row numbers of the playlist view in
// shared variables (the cursor index_liste_en_cours, the entry on air num_enreg_courant, the
// record to read num_enreg_destinataire, the end markers of the automatic insertions) and one
// item (element_courant). Whatever code edits the view (delete, drag, add, drop, import, the
// file check, the chaining's removals, jingle insertion, sort, clear), this object, listening
// to the view's model, moves those numbers with their entries, so nobody else has to.
//
// Reading: the variables themselves always hold the right rows. A row number out of the
// view's range (0, or past the end) is a plain number, kept as it is.
// When the row of a variable leaves the list:
// - the cursor and the insertion markers name the row before it (0 for the first): list
//   order then goes on with the entry that followed;
// - num_enreg_courant and num_enreg_destinataire become 0 (nothing to write to);
// - element_courant becomes null (it never dangles).
// A row moved by `deplacer` (a drag) keeps its variables.
// A clear keeps the numbers (a reload of the same file shows the same rows again).
// The random draw's history (index_tires) follows its rows the same way; a drawn row that
// leaves the list leaves the history, so the draw without repeat still counts the rows it
// can draw from.
#include <QObject>
#include <QPersistentModelIndex>
#include <QVector>
#include <cstdint>

class QTreeWidget;
class QTreeWidgetItem;

class SuiviListe : public QObject {
public:
    explicit SuiviListe(QTreeWidget& vue);
    ~SuiviListe() override;

    // The entry on air as a persistent index of the view (invalid when none, or when it left
    // the list): long work compares its rows with it.
    QPersistentModelIndex entree_en_ondes();
    // Whether an item is a row of the list now.
    bool contient(const QTreeWidgetItem* ligne) const;
    // Moves a row of the view to row `vers` (0-based, counted once the row is out): what
    // followed it follows it there.
    void deplacer(QTreeWidgetItem* ligne, int vers);

private:
    enum class Retrait { Precedente, Aucune };
    struct Suivi {
        int32_t* valeur;
        Retrait retrait;
        int32_t vu = 0;
        QPersistentModelIndex index;
        bool deplace = false;  // its row is out of the view for a move
    };
    // A row of the draw history.
    struct Tire {
        int32_t vu = 0;
        QPersistentModelIndex index;
        bool deplace = false;
        bool retire = false;
    };
    void synchroniser();
    void synchroniser_tires();
    void ecrire_tires();
    void avant_retrait(int premier, int dernier);
    void apres_changement();
    void apres_insertion(int premier, int dernier);
    void apres_remise_a_zero();
    QPersistentModelIndex index_de(int32_t ligne) const;

    QTreeWidget& m_vue;
    QVector<Suivi> m_suivis;
    QVector<Tire> m_tires;
    QTreeWidgetItem* m_element_vu = nullptr;
    QPersistentModelIndex m_element;
    bool m_element_deplace = false;
    QTreeWidgetItem* m_deplace = nullptr;  // the row being moved
};
