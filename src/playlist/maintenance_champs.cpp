// List maintenance: one field changed on every entry (start point, drive letter, volume) or on
// one entry (start point), in-place path editing, the properties of an entry and the external
// audio editor. The field commands rebuild rows from the stored records and rewrite the list.
#include <QRegularExpression>
#include <functional>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/lancement.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "playlist/sablier.h"
#include "playlist/volume_liste.h"
#include "windows/Liste_son.h"
#include "windows/Propriete.h"
#include "windows/Radio_FM.h"
#include "windows/fsauve.h"

using namespace Radio;

namespace {
const QString CR = QStringLiteral("\r");
const QString Paragraphe = QStringLiteral("\n\r\n\r");

// Record `numero` of the current list as stored (volume a percent); errors are thrown.
TypeEnregListe stocke(int32_t numero) {
    programme::aller_au_dossier();
    return fichier_liste::lire_enregistrement(chemin_liste, numero);
}

// Rows premier..dernier rebuilt from their stored records (texts trimmed, the end as the
// record reader gives it), each then changed by `changer`. Every record is read before the
// first row changes: an error leaves the view, and so the file, as they were.
void reconstruire(ListView& vue, int32_t premier, int32_t dernier, const std::function<void(QStringList&)>& changer) {
    if (dernier < premier) return;
    programme::aller_au_dossier();
    const QByteArray contenu = fichier_liste::lire(chemin_liste);
    if (premier < 1 || qsizetype(dernier) * enreg_liste::Longueur > contenu.size())
        throw Erreur(err::NumeroEnregistrement);
    QVector<QStringList> lignes;
    for (int32_t n = premier; n <= dernier; ++n) {
        const TypeEnregListe s =
            enreg_liste::decoder(contenu.mid(qsizetype(n - 1) * enreg_liste::Longueur, enreg_liste::Longueur));
        QStringList c{rt::Trim(s.chemin),      rt::format_nombre(s.debut_lecture), rt::Trim(s.fin_lecture).toLower(),
                      rt::Trim(s.genre),       QString::number(s.volume),          rt::Trim(s.duree_piste)};
        changer(c);
        lignes.append(c);
    }
    for (int32_t n = premier; n <= dernier; ++n) {
        QTreeWidgetItem* ligne = vue.ListItem(n);
        const QStringList& c = lignes[n - premier];
        for (int i = 0; i < c.size(); ++i) ligne->setText(i, c[i]);
    }
    num_enreg_destinataire = dernier;
    vue.setSelectedItem(vue.ListItem(dernier));
}

// The start point as typed: a number in the list's format; a cancel gives "" (the rewrite
// stores its default). Anything else is refused as a type mismatch.
QString demander_debut() {
    const QString invite = QStringLiteral("Démarrer la lecture a :") + CR +
                           QStringLiteral("Entrez la nouvelle valeur pour cette session") + CR +
                           QStringLiteral("voir parametre régionaux si erreur Type incompatible") + CR +
                           QStringLiteral("Remplacer la virgule par un point dans séparation des décimales") +
                           Paragraphe + QStringLiteral("Exemple en secondes (minimun)") + CR + QStringLiteral("0.10");
    const QString reponse = InputBox(invite, QStringLiteral("Lecture a :"), QStringLiteral("0.10"));
    if (reponse.isEmpty()) return reponse;
    if (!rt::IsNumeric(reponse)) throw Erreur(err::TypeIncompatible);
    return rt::format_nombre(rt::CDbl(reponse));
}

// The selected row, read from the file: its number (now num_enreg_destinataire) and record.
TypeEnregListe lire_ligne_choisie(const ListView& vue) {
    QTreeWidgetItem* choisie = vue.SelectedItem();
    if (!choisie) throw Erreur(err::VariableObjetNonDefinie);
    num_enreg_destinataire = vue.Index(choisie);
    return stocke(num_enreg_destinataire);
}

// The confirmation of a command that changes the whole list.
bool confirmer(const QString& question) { return MsgBox(question, 292, programme::nom()) == boites::Oui; }

void signaler_debut(const Erreur& e) { MsgBox(QStringLiteral(" erreur ") + QString::number(e.numero()), 0); }
}  // namespace

bool Liste_son::liste_au_format_dfm() {
    if (!liste_sauvegardee()) return false;
    if (chemin_liste_ouverte.isEmpty()) chemin_liste_ouverte = QString::fromLatin1(fichier_liste::NomDefaut);
    extension_fichier = chemin_liste_ouverte.right(3).toLower();
    return fichier_liste::au_format_dfm(chemin_liste_ouverte);
}

namespace {
// The start point asked for, put in rows premier..dernier, shown in the menu item's caption and
// written with the whole list.
void changer_debut(Liste_son& l, bool toute_la_liste, MenuItem& item, const QString& legende) {
    try {
        if (!l.liste_au_format_dfm()) return;
        const QString debut = demander_debut();
        {
            Sablier sablier(l);
            const int32_t premier = toute_la_liste ? 1 : ligne_insertion;
            const int32_t dernier = toute_la_liste ? l.ListView1.ListCount() : ligne_insertion;
            reconstruire(l.ListView1, premier, dernier, [&](QStringList& c) { c[1] = debut; });
        }
        item.setCaption(legende + debut);
        l.sauve_tout();
    } catch (const Erreur& e) {
        signaler_debut(e);
    }
}
}  // namespace

void Liste_son::a_debutpiste_Click() {
    changer_debut(*this, true, a_debutpiste, QStringLiteral("Début piste de la liste a : "));
}

void Liste_son::a_debutpiste_fichier_Click() {
    changer_debut(*this, false, a_debutpiste_fichier, QStringLiteral("Début piste de ce fichier a : "));
}

// Lists copied to another disk keep their folders: "X:" at the front of a path becomes the
// new letter. Paths without a drive letter (every path of this system) stay as they are.
void Liste_son::Modifier_lettre_lecteur_Click() {
    try {
        if (!liste_au_format_dfm()) return;
        volume_nul_signale = Vrai;
        if (ListView1.ListCount() == 0) return;
        const QString question =
            QStringLiteral("Aprés la copie de vos fichiers sur un autre disque") + CR +
            QStringLiteral("Vous avez la possibilité de modifier uniquement la lettre du lecteur") + CR +
            QStringLiteral("Cette option est utilisé que dans la mesure ou les dossiers se trouvent au méme emplacement !") +
            CR + QStringLiteral("Le niveau du son va etre également réinitialisé.") + Paragraphe +
            QStringLiteral("Attention cette action sera appliqué sur toute la liste") + Paragraphe +
            QStringLiteral("Continuez ?");
        if (!confirmer(question)) return;
        const QString en_cours = rt::Trim(lire_ligne_choisie(ListView1).chemin).left(1);
        QString lettre = rt::Trim(InputBox(QStringLiteral("Cette action sera appliqué sur toute la liste") + Paragraphe +
                                               QStringLiteral("En cours :") + en_cours + QStringLiteral(" Enreg. (") +
                                               QString::number(num_enreg_destinataire) + QStringLiteral(")"),
                                           QStringLiteral(" Modification de la lettre du disque (nom du volume) "),
                                           QStringLiteral("c")));
        if (lettre.isEmpty()) lettre = QStringLiteral("c");
        static const QRegularExpression une_lettre(QStringLiteral("^[A-Za-z]:?$"));
        if (!une_lettre.match(lettre).hasMatch()) {
            MsgBox(QStringLiteral("Lettre du lecteur incorrecte : ") + lettre, boites::Exclamation);
            return;
        }
        static const QRegularExpression avec_lettre(QStringLiteral("^[A-Za-z]:"));
        if (!liste_sauvegardee()) return;
        Sablier sablier(*this);
        reconstruire(ListView1, 1, ListView1.ListCount(), [&](QStringList& c) {
            if (avec_lettre.match(c[0]).hasMatch()) c[0] = rt::Trim((lettre.left(1) + c[0].mid(1)).left(200));
            c[4] = QStringLiteral("100");
        });
        sauve_tout();
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Critique);
    }
}

void Liste_son::Modifier_volume_Click() {
    try {
        if (!liste_au_format_dfm()) return;
        if (ListView1.ListCount() == 0) return;
        volume_nul_signale = Vrai;
        const QString question = QStringLiteral("Cette action n'a aucune incidence sur les fichiers") + Paragraphe +
                                 QStringLiteral("Elle sera appliquée sur toute la liste") + Paragraphe +
                                 QStringLiteral("Continuez ?");
        if (!confirmer(question)) return;
        lire_ligne_choisie(ListView1);
        const QString reponse = InputBox(QStringLiteral("Cette action sera appliqué sur toute la liste") + Paragraphe +
                                             QStringLiteral("En cours :") + QStringLiteral(" Enreg. (") +
                                             QString::number(num_enreg_destinataire) + QStringLiteral(")"),
                                         QStringLiteral(" Modification du volume) "), QStringLiteral("90"));
        // A volume off the table would play as a raw level: it is brought onto the table.
        const QString volume = QString::number(volume_liste::pourcent_de_table(rt::CDbl(reponse)));
        {
            Sablier sablier(*this);
            reconstruire(ListView1, 1, ListView1.ListCount(), [&](QStringList& c) { c[4] = volume; });
        }
        sauve_tout();
    } catch (const Erreur& e) {
        switch (e.numero()) {
        case err::PeripheriqueNonDisponible:
        case err::PermissionRefusee:
        case err::DisqueNonPret:
        case err::RenommerAutreUnite:
        case err::AccesCheminFichier:
        case err::CheminIntrouvable:
        case 35601:
            MsgBox(e.description(), boites::Critique);
            break;
        case err::ValeurPropriete:
            if (fsauve::existe()) fsauve::decharger();
            show();
            Radio_FM::instance().setWindowState(Qt::WindowNoState);
            MsgBox(QStringLiteral("Aucun fichier de valide !"), boites::Information);
            break;
        default:
            MsgBox(e.description() + QStringLiteral(" err N° ") + QString::number(e.numero()), boites::Critique);
        }
    }
}

void Liste_son::modifier_chemin_Click() {
    modif_chemin_autorisee = Vrai;
    modifier_chemin.setChecked(true);
    modifier_chemin_non.setChecked(false);
}

void Liste_son::modifier_chemin_non_Click() {
    modif_chemin_autorisee = Faux;
    modifier_chemin.setChecked(false);
    modifier_chemin_non.setChecked(true);
}

void Liste_son::a_modif_Click() {
    if (ListView1.ListCount() == 0) return;
    if (!liste_sauvegardee()) return;
    try {
        TypeEnregListe e = stocke(num_enreg_destinataire == 0 ? 1 : num_enreg_destinataire);
        if (num_enreg_destinataire == 0) num_enreg_destinataire = 1;
        chemin_fichier_maj = rt::Trim(e.chemin);
        Propriete& p = Propriete::instance();
        p.Label1.setCaption(chemins::nom_fichier(chemin_fichier_maj));
        p.Text1.setText(rt::CStr(e.debut_lecture));
        p.Text2.setText(rt::Trim(e.fin_lecture).toLower());
        p.Text3.setText(rt::Trim(e.genre));
        p.Text4.setText(QString::number(e.volume));
        p.Text5.setText(e.duree_piste);
        p.prendre_entree(chemin_liste, num_enreg_destinataire, chemin_fichier_maj);
        p.show();
        p.raise();
    } catch (const Erreur& e) {
        MsgBox(e.description() + QStringLiteral(" Pas de Modification "), boites::Information);
    }
}

void Liste_son::a_modifie_morceau_Click() {
    if (sauvegarde_refusee()) return;
    try {
        const QString chemin = rt::Trim(stocke(num_enreg_destinataire == 0 ? 1 : num_enreg_destinataire).chemin);
        if (chemin.isEmpty()) {
            MsgBox(QStringLiteral("Pas de nom de fichier!"), boites::Exclamation);
            return;
        }
        if (Chemin_editeur_audio.isEmpty() || Chemin_editeur_audio == QLatin1String("X")) {
            MsgBox(QStringLiteral("Aucun éditeur audio"), boites::Exclamation);
            return;
        }
        // The path is one argument, whatever spaces it holds: no shell reads it.
        if (!lancement::demarrer(Chemin_editeur_audio, {chemin})) throw Erreur(err::FichierIntrouvable);
        showMinimized();
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Information);
    }
}
