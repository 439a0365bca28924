#include "playlist/suivi_liste.h"

#include <QTreeWidget>
#include <algorithm>

#include "config/etat.h"

using namespace Radio;

SuiviListe::SuiviListe(QTreeWidget& vue) : m_vue(vue) {
    m_suivis = {{&index_liste_en_cours, Retrait::Precedente},
                {&num_enreg_courant, Retrait::Aucune},
                {&num_enreg_destinataire, Retrait::Aucune},
                {&index_fin_jingle_auto, Retrait::Precedente},
                {&index_fin_new_auto, Retrait::Precedente}};
    for (Suivi& s : m_suivis) s.vu = *s.valeur;
    QAbstractItemModel* m = vue.model();
    connect(m, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] { synchroniser(); });
    connect(m, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int premier, int dernier) {
                if (!parent.isValid()) apres_insertion(premier, dernier);
            });
    connect(m, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int premier, int dernier) {
                if (!parent.isValid()) avant_retrait(premier, dernier);
            });
    connect(m, &QAbstractItemModel::rowsRemoved, this, [this] { apres_changement(); });
    connect(m, &QAbstractItemModel::rowsAboutToBeMoved, this, [this] { synchroniser(); });
    connect(m, &QAbstractItemModel::rowsMoved, this, [this] { apres_changement(); });
    connect(m, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] { synchroniser(); });
    connect(m, &QAbstractItemModel::layoutChanged, this, [this] { apres_changement(); });
    connect(m, &QAbstractItemModel::modelAboutToBeReset, this, [this] { synchroniser(); });
    connect(m, &QAbstractItemModel::modelReset, this, [this] { apres_remise_a_zero(); });
}

SuiviListe::~SuiviListe() {
    // The view goes with its window: the item must not outlive it in the shared state.
    if (element_courant && m_vue.indexOfTopLevelItem(element_courant) >= 0) element_courant = nullptr;
}

QPersistentModelIndex SuiviListe::index_de(int32_t ligne) const {
    if (ligne < 1 || ligne > m_vue.topLevelItemCount()) return {};
    return QPersistentModelIndex(m_vue.model()->index(ligne - 1, 0));
}

void SuiviListe::synchroniser_tires() {
    const int32_t n = std::clamp(nb_index_tires, 0, int32_t(index_tires.size()));
    bool meme = m_tires.size() == n;
    for (int32_t i = 0; meme && i < n; ++i) meme = m_tires[i].vu == index_tires[i];
    if (meme) {
        // Numbers kept through a clear name their rows again once the rows are back.
        for (Tire& t : m_tires)
            if (!t.index.isValid() && !t.deplace) t.index = index_de(t.vu);
        return;
    }
    m_tires.resize(n);
    for (int32_t i = 0; i < n; ++i) m_tires[i] = Tire{index_tires[i], index_de(index_tires[i])};
}

void SuiviListe::ecrire_tires() {
    if (m_tires.isEmpty()) return;
    QVector<Tire> restants;
    restants.reserve(m_tires.size());
    for (Tire& t : m_tires) {
        if (t.retire) continue;
        if (t.index.isValid()) t.vu = t.index.row() + 1;
        restants.append(t);
    }
    m_tires = restants;
    index_tires.resize(m_tires.size());
    for (int32_t i = 0; i < m_tires.size(); ++i) index_tires[i] = m_tires[i].vu;
    nb_index_tires = int32_t(m_tires.size());
}

void SuiviListe::synchroniser() {
    synchroniser_tires();
    // A variable written since the last edit names the row of its new value.
    for (Suivi& s : m_suivis) {
        const int32_t v = *s.valeur;
        if (v == s.vu && (s.index.isValid() || s.deplace)) continue;
        if (v != s.vu) s.deplace = false;
        s.vu = v;
        if (!s.deplace) s.index = index_de(v);
    }
    if (element_courant != m_element_vu || (element_courant && !m_element.isValid() && !m_element_deplace)) {
        m_element_vu = element_courant;
        m_element_deplace = false;
        const int r = element_courant ? m_vue.indexOfTopLevelItem(element_courant) : -1;
        m_element = r >= 0 ? QPersistentModelIndex(m_vue.model()->index(r, 0)) : QPersistentModelIndex();
        // An item that is no row of the list is no current entry.
        if (r < 0) element_courant = m_element_vu = nullptr;
    }
}

void SuiviListe::avant_retrait(int premier, int dernier) {
    synchroniser();
    const bool deplacement = m_deplace && m_vue.indexOfTopLevelItem(m_deplace) == premier && premier == dernier;
    const auto retire = [&](const QPersistentModelIndex& i) {
        return i.isValid() && i.row() >= premier && i.row() <= dernier;
    };
    for (Suivi& s : m_suivis) {
        if (!retire(s.index)) continue;
        if (deplacement) {
            s.deplace = true;
            continue;
        }
        if (s.retrait == Retrait::Precedente) {
            s.vu = premier;
            s.index = index_de(premier);
        } else {
            s.vu = 0;
            s.index = QPersistentModelIndex();
        }
    }
    for (Tire& t : m_tires) {
        if (!retire(t.index)) continue;
        if (deplacement)
            t.deplace = true;
        else
            t.retire = true;
    }
    if (retire(m_element)) {
        if (deplacement)
            m_element_deplace = true;
        else
            m_element = QPersistentModelIndex();
    }
}

void SuiviListe::apres_insertion(int premier, int dernier) {
    if (m_deplace) {
        const int r = m_vue.indexOfTopLevelItem(m_deplace);
        if (r >= premier && r <= dernier) {
            const QPersistentModelIndex arrivee(m_vue.model()->index(r, 0));
            for (Suivi& s : m_suivis)
                if (s.deplace) {
                    s.deplace = false;
                    s.index = arrivee;
                }
            if (m_element_deplace) {
                m_element_deplace = false;
                m_element = arrivee;
            }
            for (Tire& t : m_tires)
                if (t.deplace) {
                    t.deplace = false;
                    t.index = arrivee;
                }
        }
    }
    apres_changement();
}

void SuiviListe::apres_changement() {
    for (Suivi& s : m_suivis) {
        if (s.index.isValid()) *s.valeur = s.index.row() + 1;
        else if (!s.deplace) *s.valeur = s.vu;
        s.vu = *s.valeur;
    }
    // A row out for a move is written back once it is in again.
    if (std::none_of(m_tires.begin(), m_tires.end(), [](const Tire& t) { return t.deplace; })) ecrire_tires();
    if (!m_element_deplace) {
        element_courant = m_element.isValid() ? m_vue.topLevelItem(m_element.row()) : nullptr;
        m_element_vu = element_courant;
    }
}

void SuiviListe::apres_remise_a_zero() {
    // The numbers stay: a reload of the same file shows the same rows again.
    for (Suivi& s : m_suivis) {
        s.index = QPersistentModelIndex();
        s.deplace = false;
    }
    m_element = QPersistentModelIndex();
    m_element_deplace = false;
    element_courant = m_element_vu = nullptr;
    for (Tire& t : m_tires) t = Tire{t.vu};
}

void SuiviListe::deplacer(QTreeWidgetItem* ligne, int vers) {
    const int de = m_vue.indexOfTopLevelItem(ligne);
    if (de < 0) return;
    m_deplace = ligne;
    m_vue.takeTopLevelItem(de);
    m_vue.insertTopLevelItem(vers, ligne);
    m_deplace = nullptr;
    // Not put back: nothing follows it any more.
    for (Suivi& s : m_suivis)
        if (s.deplace) {
            s.deplace = false;
            s.vu = 0;
            *s.valeur = 0;
        }
    if (m_element_deplace) {
        m_element_deplace = false;
        element_courant = m_element_vu = nullptr;
    }
    for (Tire& t : m_tires)
        if (t.deplace) t.retire = true;
    ecrire_tires();
}

QPersistentModelIndex SuiviListe::entree_en_ondes() {
    synchroniser();
    return QPersistentModelIndex(index_de(num_enreg_courant));
}

bool SuiviListe::contient(const QTreeWidgetItem* ligne) const {
    return ligne && m_vue.indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(ligne)) >= 0;
}
