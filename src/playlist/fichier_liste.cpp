#include "playlist/fichier_liste.h"

#include <QDir>
#include <QTreeWidgetItem>

#include "config/etat.h"
#include "config/journal.h"
#include "config/reglages_radio.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/enregistrements.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "platform/liste_vue.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"

namespace fichier_liste {

QString chemin_complet(const QString& nom) { return QDir(programme::dossier()).filePath(nom); }

QStringList cellules(const TypeEnregListe& s) {
    const QString fin = rt::Trim(s.fin_lecture);
    return {rt::Trim(s.chemin),
            rt::format_nombre(s.debut_lecture),
            rt::IsNumeric(fin) ? rt::format_nombre(rt::CDbl(fin)) : fin,
            rt::Trim(s.genre),
            QString::number(s.volume),
            rt::Trim(s.duree_piste)};
}

TypeEnregListe entree_de_ligne(const QTreeWidgetItem* ligne) {
    TypeEnregListe e;
    e.chemin = ligne->text(0);
    // A cell that does not convert still gives a record, with 0 in that field.
    try {
        e.debut_lecture = rt::CDbl(ligne->text(1));
    } catch (const Erreur&) {
        e.debut_lecture = 0;
    }
    e.fin_lecture = ligne->text(2);
    e.genre = ligne->text(3);
    try {
        e.volume = rt::CInt(ligne->text(4));
    } catch (const Erreur&) {
        e.volume = 0;
    }
    e.duree_piste = ligne->text(5);
    return e;
}

void ajouter_lignes(ListView& vue, const QByteArray& contenu) {
    const int n = contenu.size() / enreg_liste::Longueur;
    QList<QTreeWidgetItem*> lignes;
    lignes.reserve(n);
    for (int i = 0; i < n; ++i) {
        const QByteArray enreg = contenu.mid(qsizetype(i) * enreg_liste::Longueur, enreg_liste::Longueur);
        lignes.append(new QTreeWidgetItem(cellules(enreg_liste::decoder(enreg))));
    }
    vue.addTopLevelItems(lignes);
}

QByteArray octets_de_la_vue(const ListView& vue) {
    const int n = vue.ListCount();
    QByteArray octets;
    octets.reserve(qsizetype(n) * enreg_liste::Longueur);
    for (int i = 0; i < n; ++i) octets.append(enreg_liste::encoder(entree_de_ligne(vue.topLevelItem(i))));
    return octets;
}

QByteArray lire(const QString& nom) { return fichiers::lire_fichier(chemin_complet(nom)); }

TypeEnregListe lire_enregistrement(const QString& nom, int numero) {
    FichierEnregistrements f(chemin_complet(nom), enreg_liste::Longueur, FichierEnregistrements::Acces::Lecture);
    if (numero > f.nombre()) throw Erreur(err::NumeroEnregistrement);
    return enreg_liste::decoder(f.lire(numero));
}

void signaler(const Erreur& e) {
    switch (e.numero()) {
    case err::AppelInvalide:
    case err::Annulation:
        return;
    case err::PermissionRefusee:
    case err::DisqueNonPret:
    case err::RenommerAutreUnite:
    case err::AccesCheminFichier:
    case err::CheminIntrouvable:
        Radio::Chemin_dernier_fichier = Radio::dossier_programme();
        MsgBox(e.description(), boites::Critique);
        return;
    default:
        MsgBox(QStringLiteral("Erreur ") + QString::number(e.numero()) + QStringLiteral(" ") + e.description(),
               boites::Critique);
    }
}

void signaler_ecriture(const QString& chemin, const Erreur& e) {
    const QString texte = QStringLiteral("Ecriture de la liste impossible : ") + chemin + QStringLiteral("\r") +
                          e.description();
    if (Radio::journal_actif == Vrai)
        journal::ecrire(journal::horodatage() + QStringLiteral(" ") + texte.simplified());
    MsgBox(texte, boites::Critique);
}
}  // namespace fichier_liste
