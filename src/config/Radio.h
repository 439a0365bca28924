#pragma once
// Procedures of the main module: the program's entry and start-up.
#include <QString>

namespace Radio {
// The release of the program, shown in captions and the options dialog.
constexpr int VersionMajeure = 5, VersionMineure = 8, VersionRevision = 0;
constexpr const char* Editeur = "Sonavel Radio";  // publisher field of the version
// "5.8.0"
QString version_texte();

// Program entry: the settings the splash needs, then the splash, which shows the main window.
int Main(int argc, char** argv);
// What Main does once the application object exists: program folder current, first look at
// the display settings (replacement values written when they are missing), splash shown.
void demarrer();

// The command line as the program received it (the arguments joined by spaces).
QString Command();
void definir_ligne_commande(const QString& texte);
// The file named on the command line: trimmed, and without the quotes when both its first
// and last characters are quotes (a path without quotes is taken whole).
QString fichier_de_ligne_commande(const QString& ligne);

// True while the program is starting for real: the main window's creation and load then run
// the start-up sequence. A main window made by a test of another part loads without it.
bool demarrage_en_cours();
void definir_demarrage(bool en_cours);

// Reads every setting into the shared state and the windows, detects a first start and
// applies the colour theme.
void lire_config();
// Paints every window with the six theme colours.
void appliquer_theme();
// The label colour, or the default look's dark text where white would not read on `fond`
// (only while the default colours are in use; chosen colours are kept as chosen).
int32_t texte_lisible(int32_t texte, int32_t fond);
// The light green of labels used as buttons under the pointer, or a dark green where it would
// not read on `fond` (the default look only).
int32_t survol_lisible(int32_t fond);
// The colour of the playlist window's labels at rest.
int32_t couleur_labels_liste();
}  // namespace Radio

class QWidget;
namespace Radio {
// Makes a picture the background of a window or control (tiled from the top left). A
// picture that cannot be read raises error 53 and leaves the background as it was.
void charger_image_fond(QWidget& w, const QString& chemin);
}  // namespace Radio
