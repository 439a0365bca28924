#pragma once
// The journal "journal.doc" in the program folder: one record appended per call, the text as
// the caller built it followed by CR LF, in UTF-8. The callers decide whether the journal is
// on (journal_actif) and empty their pending text afterwards; Radio_FM::journal and
// Liste_son::journal append their window's ligne_journal through this.
#include <QString>

namespace journal {
constexpr const char* Fichier = "journal.doc";
// Makes the program folder current and appends one record. A failure shows
// "Erreur écriture journal" (critical) and the caller goes on; the record is lost.
void ecrire(const QString& texte);
// "dd/MM/yyyy - HH:mm:ss" of now, the head of the start and closing records.
QString horodatage();
// Notes how much of the journal earlier sessions left (none when there is no file); the load
// calls it before its start record.
void debut_session();
// The close's deletion when the user did not choose to keep the journal: what this session
// wrote goes, a journal kept by an earlier session stays as it was. A journal shorter than
// at the start was purged by the user meanwhile: all of it is this session's and goes.
void effacer_session();
}  // namespace journal
