#pragma once
// The list file as the playlist window sees it: rows of the list view built from records and
// records built from rows, the whole-file reads and writes, and the reports of file errors
// that the list commands share.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "playlist/TypeEnregListe.h"

class Erreur;
class ListView;
class QIODevice;
class QTreeWidgetItem;

namespace fichier_liste {
// The default list of the program folder.
constexpr const char* NomDefaut = "liste.dfm";

// A list name as the program uses it: a relative name means the program folder.
QString chemin_complet(const QString& nom);

// The six cells of a row for a stored record: path trimmed, start and end "####0.00" (an end
// that is not a number shown as it is), genre trimmed, volume, duration trimmed.
QStringList cellules(const TypeEnregListe& stocke);
// A stored record as the current entry takes it: path, end (lower case) and genre trimmed,
// start, volume and duration as stored.
TypeEnregListe entree_lue(const TypeEnregListe& stocke);
// The record a row gives: start and volume converted (0 when a cell is not a number), the
// texts as they are.
TypeEnregListe entree_de_ligne(const QTreeWidgetItem* ligne);
// Whether a path fits the record's path field in the bytes it would be stored as; when it
// does not, says so (a path cut short would name another file) and returns false.
bool chemin_accepte(const QString& chemin, bool modification = false);
// Every complete record of a file's bytes as rows appended to the list view, in one go.
void ajouter_lignes(ListView& vue, const QByteArray& contenu);
// The bytes of a list file holding every row of the view, in row order.
QByteArray octets_de_la_vue(const ListView& vue);
// Empty cells of the view take their defaults as a save gives them (the last column the row's
// number at that moment). Done once, every cell is filled.
void completer_cellules(ListView& vue);
// Both in one pass: the cells completed, and the bytes of the view written to a device block
// by block (the safe writer's temporary file). After a refused write the rows left are still
// completed, and nothing more is written.
void completer_et_ecrire(ListView& vue, QIODevice& sortie);
// Reads a whole list file; a missing file is error 53 and nothing is created.
QByteArray lire(const QString& nom);
// Record numero (1-based) of a list file, read-only; a number past the end is error 63.
TypeEnregListe lire_enregistrement(const QString& nom, int numero);
// Writes record numero (1-based, at most one past the last) of an existing list file, the
// whole file replaced at once: a crash leaves the old list or the new one. The single-record
// writers call this, then Liste_son::charge_liste. A missing file is error 53 (never created).
void ecrire_enregistrement(const QString& nom, int numero, const TypeEnregListe& e);
// False, with the maintenance commands' message, for a list that is not a ".dfm" (an older
// ".rfm" just imported has other records: one written over it would break it).
bool au_format_dfm(const QString& nom);
// The same test without the message, and the message.
bool est_dfm(const QString& nom);
QString refus_hors_dfm();
// The number of the record of list nom that holds chemin: numero when it still does, else
// the first that does; 0 when none does.
int numero_de(const QString& nom, int numero, const QString& chemin);

// The report of the list commands that handle file errors by number: 5 and 32755 silent,
// 70 71 74 75 76 reset the music folder to the program folder and show the description,
// any other "Erreur " number description; critical boxes.
void signaler(const Erreur& e);
// A list file that could not be written: a critical box and, while the journal is on, a
// journal line; from a tick of list play, the notice window instead. The list view keeps its
// rows.
void signaler_ecriture(const QString& chemin, const Erreur& e);
}  // namespace fichier_liste
