#include "playlist/fichier_liste.h"

#include <QDir>
#include <QSignalBlocker>
#include <QTreeWidgetItem>
#include <QIODevice>
#include <algorithm>
#include <cmath>

#include "automation/avis.h"
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

namespace {
// A cell that does not convert gives 0 in its field.
template <class F>
auto ou_zero(F conversion) -> decltype(conversion()) {
    try {
        return conversion();
    } catch (const Erreur&) {
        return 0;
    }
}
}  // namespace

TypeEnregListe entree_lue(const TypeEnregListe& s) {
    TypeEnregListe lue;
    lue.chemin = rt::Trim(s.chemin);
    lue.debut_lecture = s.debut_lecture;
    lue.fin_lecture = rt::Trim(s.fin_lecture).toLower();
    lue.genre = rt::Trim(s.genre);
    lue.volume = s.volume;
    lue.duree_piste = s.duree_piste;
    return lue;
}

namespace {
// The numbers of a row: a plain number text directly, any other through the general
// conversion (0 when it does not convert).
double reel_de(const QString& texte) {
    double v;
    if (rt::nombre_simple(texte, v)) return v;
    return ou_zero([&] { return rt::CDbl(texte); });
}

int16_t entier_de(const QString& texte) {
    double v;
    if (rt::nombre_simple(texte, v)) {
        const double r = std::nearbyint(v);  // halves to even, as CInt rounds
        if (r >= -32768.0 && r <= 32767.0) return int16_t(r);
    }
    return ou_zero([&] { return rt::CInt(texte); });
}

constexpr int Colonnes = 6;

// The texts are moved into the entry.
TypeEnregListe entree_des_textes(QString (&t)[Colonnes]) {
    TypeEnregListe e;
    e.chemin = std::move(t[0]);
    e.debut_lecture = reel_de(t[1]);
    e.fin_lecture = std::move(t[2]);
    e.genre = std::move(t[3]);
    e.volume = entier_de(t[4]);
    e.duree_piste = std::move(t[5]);
    return e;
}

// A cell's text as QTreeWidgetItem::text gives it, taken out of the cell's value with no
// second copy of the string.
QString texte_de(const QTreeWidgetItem* ligne, int colonne) {
    QVariant v = ligne->data(colonne, Qt::DisplayRole);
    if (v.metaType() == QMetaType::fromType<QString>()) return std::move(*static_cast<QString*>(v.data()));
    return v.toString();
}

// The rows whose cells were completed, told to the view at once. While it lives the model says
// nothing: each cell it would report looks for its row's number from the end of the list, which
// for a long list of new rows made the completion quadratic.
class Completion {
public:
    explicit Completion(ListView& vue) : m_modele(vue.model()), m_silence(m_modele) {}
    ~Completion() {
        m_silence.unblock();
        if (m_premiere >= 0)
            emit m_modele->dataChanged(m_modele->index(m_premiere, 1), m_modele->index(m_derniere, Colonnes - 1));
    }
    // The cells after the path of row `index` (0-based), each read once; an empty one takes its
    // default in the view and in t.
    void ligne(QTreeWidgetItem* ligne, int index, QString (&t)[Colonnes]) {
        static const QString defauts[] = {QStringLiteral("0.10"), QStringLiteral("0.00"), QStringLiteral("divers"),
                                          QStringLiteral("0")};
        for (int c = 1; c < Colonnes; ++c) t[c] = texte_de(ligne, c);
        bool change = false;
        for (int c = 1; c <= 4; ++c)
            if (t[c].isEmpty()) {
                ligne->setText(c, t[c] = defauts[c - 1]);
                change = true;
            }
        if (t[5].isEmpty()) {
            ligne->setText(5, t[5] = QString::number(index + 1));
            change = true;
        }
        if (change) {
            if (m_premiere < 0) m_premiere = index;
            m_derniere = index;
        }
    }

private:
    QAbstractItemModel* m_modele;
    QSignalBlocker m_silence;
    int m_premiere = -1, m_derniere = -1;
};
}  // namespace

TypeEnregListe entree_de_ligne(const QTreeWidgetItem* ligne) {
    QString t[Colonnes];
    for (int c = 0; c < Colonnes; ++c) t[c] = texte_de(ligne, c);
    return entree_des_textes(t);
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
    // One buffer of the final size, each record written in its place.
    const int n = vue.ListCount();
    QByteArray octets(qsizetype(n) * enreg_liste::Longueur, Qt::Uninitialized);
    char* p = octets.data();
    for (int i = 0; i < n; ++i, p += enreg_liste::Longueur) enreg_liste::encoder_dans(entree_de_ligne(vue.topLevelItem(i)), p);
    return octets;
}

void completer_et_ecrire(ListView& vue, QIODevice& sortie) {
    // A long list is saved after every edit: one pass over the rows, each cell read once, and
    // the records go out through one small buffer used again and again, never the whole list
    // held in memory.
    constexpr int ParBloc = 256;
    QByteArray bloc(ParBloc * enreg_liste::Longueur, Qt::Uninitialized);
    const QTreeWidgetItem* racine = vue.invisibleRootItem();  // its rows without a lookup of the model each
    const int n = racine->childCount();
    QString t[Colonnes];
    Completion completion(vue);
    int debut = 0;
    for (; debut < n; debut += ParBloc) {
        const int fin = std::min(n, debut + ParBloc);
        char* p = bloc.data();
        for (int i = debut; i < fin; ++i, p += enreg_liste::Longueur) {
            QTreeWidgetItem* ligne = racine->child(i);
            t[0] = texte_de(ligne, 0);
            completion.ligne(ligne, i, t);
            enreg_liste::encoder_dans(entree_des_textes(t), p);
        }
        if (sortie.write(bloc.constData(), qint64(p - bloc.constData())) < 0) {
            debut += ParBloc;
            break;  // the writer keeps the error; the rows left are still completed
        }
    }
    for (int i = debut; i < n; ++i) completion.ligne(racine->child(i), i, t);
}

void completer_cellules(ListView& vue) {
    QString t[Colonnes];
    const QTreeWidgetItem* racine = vue.invisibleRootItem();
    const int n = racine->childCount();
    Completion completion(vue);
    for (int i = 0; i < n; ++i) completion.ligne(racine->child(i), i, t);
}

QByteArray lire(const QString& nom) { return fichiers::lire_fichier(chemin_complet(nom)); }

TypeEnregListe lire_enregistrement(const QString& nom, int numero) {
    FichierEnregistrements f(chemin_complet(nom), enreg_liste::Longueur, FichierEnregistrements::Acces::Lecture);
    if (numero > f.nombre()) throw Erreur(err::NumeroEnregistrement);
    return enreg_liste::decoder(f.lire(numero));
}

void ecrire_enregistrement(const QString& nom, int numero, const TypeEnregListe& e) {
    QByteArray contenu = lire(nom);
    contenu.truncate(contenu.size() - contenu.size() % enreg_liste::Longueur);  // whole records only
    const int n = contenu.size() / enreg_liste::Longueur;
    if (numero < 1 || numero > n + 1) throw Erreur(err::NumeroEnregistrement);
    contenu.replace(qsizetype(numero - 1) * enreg_liste::Longueur, enreg_liste::Longueur, enreg_liste::encoder(e));
    fichiers::reecrire_fichier(chemin_complet(nom), contenu);
}

bool chemin_accepte(const QString& chemin, bool modification) {
    if (champ::tient(chemin, enreg_liste::LargeurChemin)) return true;
    MsgBox(QStringLiteral("Chemin trop long pour une liste (") + QString::number(enreg_liste::LargeurChemin) +
               (modification ? QStringLiteral(" octets au plus), chemin non modifié :")
                             : QStringLiteral(" octets au plus), fichier non ajouté :")) +
               QStringLiteral("\r") + chemin,
           boites::Exclamation);
    return false;
}

bool est_dfm(const QString& nom) { return nom.right(4).toLower() == QLatin1String(".dfm"); }

QString refus_hors_dfm() { return QStringLiteral("Sauvegarder dans format .dfm avant traitement !"); }

bool au_format_dfm(const QString& nom) {
    if (est_dfm(nom)) return true;
    MsgBox(refus_hors_dfm(), boites::Exclamation);
    return false;
}

int numero_de(const QString& nom, int numero, const QString& chemin) {
    const QByteArray contenu = lire(nom);
    const int n = int(contenu.size() / enreg_liste::Longueur);
    const auto tient = [&](int i) {
        return i >= 1 && i <= n &&
               rt::Trim(enreg_liste::decoder(contenu.mid(qsizetype(i - 1) * enreg_liste::Longueur, enreg_liste::Longueur))
                            .chemin) == rt::Trim(chemin);
    };
    if (tient(numero)) return numero;
    for (int i = 1; i <= n; ++i)
        if (tient(i)) return i;
    return 0;
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
    // From a tick of list play: the notice window (which also writes the journal).
    if (avis::dans_un_tic()) {
        avis::signaler(texte);
        return;
    }
    if (Radio::journal_actif == Vrai)
        journal::ecrire(journal::horodatage() + QStringLiteral(" ") + texte.simplified());
    MsgBox(texte, boites::Critique);
}
}  // namespace fichier_liste
