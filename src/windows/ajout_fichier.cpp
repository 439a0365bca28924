#include "windows/ajout_fichier.h"

#include <QGridLayout>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"

ajout_fichier::ajout_fichier() {
    setWindowTitle(QStringLiteral("Ajout / recherche fichier (s)"));
    // The colour theme and the label colour command find these by name.
    Drive1.setObjectName(QStringLiteral("Drive1"));
    Dir1.setObjectName(QStringLiteral("Dir1"));
    File1.setObjectName(QStringLiteral("File1"));
    auto* g = new QGridLayout(this);
    g->addWidget(&Drive1, 0, 0);
    g->addWidget(&Dir1, 1, 0);
    g->addWidget(&File1, 0, 1, 2, 1);
    g->addWidget(&Label7, 2, 0, 1, 2);
    g->setRowStretch(1, 1);
    Label7.setBackStyle(0);
    Label7.setEnabled(false);
    Label8.hide();
    Label7.Click = [this] { Label7_Click(); };
    resize(760, 480);
}

// The selected file (or every file listed, for a folder) goes into the playlist at its
// insertion row; the list is rewritten and the folder remembered.
void ajout_fichier::Label7_Click() {
    using namespace Radio;
    try {
        const QString mode = Label7.Caption();
        QStringList noms;
        if (mode == QLatin1String("Ajouter un dossier")) {
            for (int i = File1.ListCount() - 1; i >= 0; --i) noms.append(File1.List(i));  // listed order
        } else if (!File1.FileName().isEmpty()) {
            noms.append(File1.FileName());
        }
        if (noms.isEmpty()) return;
        QVector<QStringList> lignes;
        for (const QString& n : noms)
            lignes.append({chemins::joindre(File1.Path(), n), QStringLiteral("0.10"), QStringLiteral("0.00"),
                           QStringLiteral("divers"), QStringLiteral("100"), QString()});
        Liste_son& l = Liste_son::instance();
        l.inserer_au_point(lignes);
        l.sauve_tout();
        const bool jingle = mode == QLatin1String("Ajouter un jingles");
        (jingle ? Chemin_dossier_jingles : Chemin_dernier_fichier) = File1.Path();
        ecrire_reglage(cle::Config, jingle ? cle::Chemin_dossier_jingles : cle::Chemin_dernier_fichier, File1.Path());
        maj_sans_prechargement = Vrai;
        l.a_mettre_a_jour_liste_Click();
    } catch (const Erreur&) {
    }
}
