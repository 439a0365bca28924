#pragma once
// Until the entry record's own reader and volume table land: what the quick-load lists need
// of them.
#include <QByteArray>

#include "playlist/TypeEnregListe.h"

// The fields of a 418-byte record as stored: texts with their padding, the volume percent.
TypeEnregListe enreg_stocke_attente(const QByteArray& octets);
// The deck level of a stored percent; a number outside the table passes unchanged.
int16_t niveau_depuis_pourcent_attente(int16_t pourcent);
