// Temporary definitions of procedures that deck playback calls and that other work provides
// (journal, time display, file names, stored volume, transport buttons, menu bar). Each does
// the least the callers rely on; the real ones replace this file.
#include <QFile>
#include <QMenuBar>

#include "config/etat.h"
#include "platform/chemins.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "windows/Radio_FM.h"

using namespace Radio;

void Radio_FM::journal() {
    QFile f(programme::dossier() + QStringLiteral("journal.doc"));
    if (f.open(QIODevice::Append)) f.write((ligne_journal + QStringLiteral("\r\n")).toUtf8());
}

void Radio_FM::HLBSoftBttn12_Click() { A_pause(); }
void Radio_FM::HLBSoftBttn13_Click() { A_pause_1(); }
void Radio_FM::HLBSoftBttn14_Click() { A_pause_2(); }

void Radio_FM::Form_DblClick() {
    if (barre_menus()) barre_menus()->setVisible(true);
}
