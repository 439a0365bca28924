#include "filemanager/commun.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <utility>

#include "config/Radio.h"
#include "config/etat.h"
#include "platform/boites.h"
#include "platform/controles.h"
#include "platform/erreur.h"
#include "platform/listes_fichiers.h"
#include "platform/liste_vue.h"

namespace gestionnaire {
void pointeur_sablier() {
    if (!QApplication::overrideCursor()) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void pointeur_defaut() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

bool pointeur_occupe() { return QApplication::overrideCursor() != nullptr; }

QString texte_duree(int64_t secondes) {
    if (secondes < 0) secondes = 0;
    auto deux = [](int64_t n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return deux(secondes / 3600) + QLatin1Char(':') + deux(secondes / 60 % 60) + QLatin1Char(':') +
           deux(secondes % 60);
}
int inserer_lignes(ListView& vue, const QList<QTreeWidgetItem*>& lignes, int ligne) {
    const int n = vue.ListCount();
    if (ligne < 1 || ligne > n + 1) ligne = n + 1;
    if (lignes.isEmpty()) return ligne;
    vue.insertTopLevelItems(ligne - 1, lignes);
    return ligne;
}

QString texte_omis(const QString& titre, const QStringList& lignes) {
    // A box stays readable: a search from the root may meet hundreds of closed folders.
    constexpr int Montres = 12;
    QString t = titre;
    for (int i = 0; i < lignes.size() && i < Montres; ++i) t += retour_ligne + lignes[i];
    if (lignes.size() > Montres) t += retour_ligne + QStringLiteral("... (+%1)").arg(lignes.size() - Montres);
    return t;
}

int message(const QString& texte, int style, const QString& titre) {
    Radio::texte_message = texte;
    const int reponse = MsgBox(Radio::texte_message, style, titre);
    Radio::texte_message.clear();
    return reponse;
}

void survol(Label& l) {
    try {
        l.setForeColor(int32_t(int64_t(Radio::coul_label) + 18000));
    } catch (const Erreur&) {
    }
}

void fin_survol(std::initializer_list<Label*> labels) {
    // The action labels lie on the window colour: the default look's readable text there.
    for (Label* l : labels) l->setForeColor(Radio::texte_lisible(Radio::coul_label, Radio::coul_fenètre));
}

void labels_boutons(std::initializer_list<Label*> labels) {
    for (Label* l : labels) {
        l->setFrameShape(QFrame::Box);
        l->setAlignment(Qt::AlignCenter);
        l->MouseMove = [l](int, int, float, float) { survol(*l); };
    }
}

void montrer_volume(DriveListBox& lecteurs, const QString& chemin) {
    Gestion changement = std::exchange(lecteurs.Change, Gestion());
    try {
        lecteurs.setDrive(chemin);
    } catch (const Erreur&) {
    }
    lecteurs.Change = std::move(changement);
}

void changer_volume(DriveListBox& lecteurs, DirListBox& dossiers, int style_entree, int style_absent) {
    const QString ancien = QStorageInfo(QDir::currentPath()).rootPath();
    const QString nouveau = lecteurs.Drive();
    auto revenir = [&] {
        try {
            lecteurs.setDrive(ancien);
        } catch (const Erreur&) {
        }
    };
    try {
        const QStorageInfo volume(nouveau);
        if (!QFileInfo(nouveau).isDir()) throw Erreur(err::PeripheriqueNonDisponible);
        if (!volume.isValid() || !volume.isReady()) throw Erreur(err::DisqueNonPret);
        const QFileInfo info(nouveau);
        if (!info.isReadable() || !info.isExecutable() || !QDir::setCurrent(nouveau)) throw Erreur(err::AppelInvalide);
        dossiers.setPath(nouveau);
    } catch (const Erreur& e) {
        switch (e.numero()) {
        case err::AppelInvalide:
            MsgBox(QStringLiteral(" Aucun changement de lecteur n'a été effectué "), style_entree);
            revenir();
            break;
        case err::PeripheriqueNonDisponible:
            MsgBox(QStringLiteral(" Ce lecteur n'est pas disponible. ") + QStringLiteral(" .. Ou Insérer une disquette '"),
                   style_absent);
            revenir();
            break;
        case err::DisqueNonPret:
            MsgBox(QStringLiteral(" Lecteur non valide ") + QStringLiteral(" .. Ou Insérer une disquette '"),
                   boites::Critique, QStringLiteral(" Erreur disque "));
            revenir();
            break;
        default:
            break;
        }
    }
}
}  // namespace gestionnaire
