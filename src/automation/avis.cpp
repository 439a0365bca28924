#include "automation/avis.h"

#include "config/etat.h"
#include "config/journal.h"
#include "platform/boites.h"
#include "windows/err_form.h"

namespace avis {
namespace {
int s_tics = 0;
}

DansUnTic::DansUnTic() { ++s_tics; }
DansUnTic::~DansUnTic() { --s_tics; }
bool dans_un_tic() { return s_tics > 0; }

void signaler(const QString& texte) {
    if (Radio::journal_actif == Vrai) journal::ecrire(journal::horodatage() + QStringLiteral(" ") + texte.simplified());
    err_form& f = err_form::instance();
    f.Label1.setCaption(texte);
    f.Show();
}

void message(const QString& texte, int style) {
    if (dans_un_tic())
        signaler(texte);
    else
        MsgBox(texte, style);
}
}  // namespace avis
