#include "playlist/travail_liste.h"

#include <QObject>
#include <QPointer>
#include <vector>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/liste_vue.h"

namespace travail_liste {
namespace {
struct Etat {
    bool occupe = false;
    QMetaObject::Connection fin_fenetre;
    std::vector<std::function<void()>> ensuite;
};
Etat& etat() {
    static Etat e;
    return e;
}
}  // namespace

bool occupe() { return etat().occupe; }

bool refuser_si_occupe() {
    if (!occupe()) return false;
    MsgBox(QStringLiteral("Traitement en cours ......Patientez !"), boites::Information);
    return true;
}

void commencer(QObject* fenetre) {
    Etat& e = etat();
    e.occupe = true;
    QObject::disconnect(e.fin_fenetre);
    // The window destroyed with its work (the program ends): nothing is left to wait for.
    if (fenetre)
        e.fin_fenetre = QObject::connect(fenetre, &QObject::destroyed, [] {
            etat().occupe = false;
            Radio::maj_liste_en_cours = Faux;
            etat().ensuite.clear();
        });
}

void terminer() {
    Etat& e = etat();
    e.occupe = false;
    QObject::disconnect(e.fin_fenetre);
    // Taken out first: an action may start another work or unload the window.
    std::vector<std::function<void()>> actions;
    actions.swap(e.ensuite);
    for (auto& a : actions) a();
}

int ligne_de(const QPersistentModelIndex& p) { return p.isValid() ? p.row() + 1 : 0; }

QPersistentModelIndex index_de(ListView& vue, int ligne) {
    return QPersistentModelIndex(vue.model()->index(ligne - 1, 0));
}

void apres(std::function<void()> action) {
    if (!occupe()) {
        action();
        return;
    }
    etat().ensuite.push_back(std::move(action));
}
}  // namespace travail_liste
