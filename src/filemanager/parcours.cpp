// The file manager window: browsing, what selecting a file measures, the folder's listening
// time, the drive change, always-on-top, hover colours, load and close.
#include <QDir>
#include <QFile>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QStorageInfo>
#include <dirent.h>
#include <memory>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "filemanager/commun.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/mesure.h"
#include "platform/programme.h"
#include "platform/travail.h"
#include "tags/TypeTagV1.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/ajout_fichier.h"
#include "windows/copie.h"

using namespace Radio;

namespace {
// Whether the folder's entries can be read, as the system grants it to this process.
bool lisible(const QString& dossier) {
    DIR* d = ::opendir(QFile::encodeName(dossier).constData());
    if (!d) return false;
    ::closedir(d);
    return true;
}
}  // namespace

void ajout_fichier::Form_Load() {
    // The mask button stays off while the mask file exists.
    if (!chemins::trouver_fichier_sans_casse(programme::dossier(), QStringLiteral("radio_fm_tag.ini")).isEmpty())
        Command6.setEnabled(false);
    for (int16_t n = 0; n < genres::Nombre; ++n) Combo2.AddItem(nom_genre(n));
    File1.setPattern(Combo1.Text());
    toujours_visible = Faux;
}

QString ajout_fichier::dossier_courant() const { return chemins::avec_separateur(Dir1.Path()); }

void ajout_fichier::Combo1_Click() { File1.setPattern(Combo1.Text()); }
void ajout_fichier::Combo1_Change() { File1.setPattern(Combo1.Text()); }

void ajout_fichier::Dir1_Click() {
    const QString p = Dir1.List(Dir1.ListIndex());
    Dir1.setPath(p);
    QDir::setCurrent(p);
}

void ajout_fichier::Dir1_Change() {
    try {
        File1.setPath(Dir1.Path());
        Text1.setText(Dir1.Path());
        // A folder that cannot be listed would look empty: the user is told why instead.
        if (!lisible(Dir1.Path()))
            throw Erreur(err::PermissionRefusee, QStringLiteral("Dossier illisible : ") + Dir1.Path() +
                                                     gestionnaire::retour_ligne +
                                                     Erreur::description_standard(err::PermissionRefusee));
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Exclamation);
    }
}

void ajout_fichier::File1_PathChange() {
    // The list has just read its new folder: it is read again only to bring it back to the
    // folder list's path.
    if (File1.Path() != Dir1.Path()) {
        try {
            File1.setPath(Dir1.Path());
        } catch (const Erreur&) {
            File1.Refresh();
        }
    }
    A_deplace_tout.setCaption(QStringLiteral("Copier tous les fichiers ") + Combo1.Text());
    A_supprime_tout.setCaption(QStringLiteral("Supprimer tous les fichiers ") + Combo1.Text());
}

void ajout_fichier::selectionner(int index) {
    File1.setListIndex(index);
    File1_Click();
}

void ajout_fichier::File1_Click() {
    // Each failing step is skipped and the next one runs.
    ReprendreSurErreur essayer;
    graphe_mesure = FilgraphManager::creer();
    position_mesure = graphe_mesure;
    audio_mesure = graphe_mesure;
    fichier_illisible = Faux;
    // The path-choice modes disable the filter: nothing is measured there.
    if (!Combo1.isEnabled()) return;

    gestionnaire::pointeur_sablier();
    const QString nom = File1.FileName();
    essayer([&] { extension_fichier = rt::Right(nom, 3).toLower(); });
    // An open copy dialog proposes the selected name.
    if (copie::existe()) copie::instance().Text2.setText(nom);
    chemin_selection = chemins::joindre(File1.Path(), nom);
    loadtags(chemin_selection);

    try {
        IMediaControl(graphe_mesure).RenderFile(chemin_selection);
    } catch (const Erreur& e) {
        if (e.numero() == err::RenduImpossible) {
            liberer_du_dessus();
            fichier_illisible = Vrai;
            gestionnaire::pointeur_defaut();
            texte_message = nom + gestionnaire::retour_ligne +
                            QStringLiteral("Ce fichier n'est pas lisible ou invalide erreur : ") +
                            QString::number(e.numero()) + gestionnaire::retour_ligne + e.description();
            MsgBox(texte_message, boites::Critique);
            graphe_mesure = nullptr;
            position_mesure = nullptr;
            audio_mesure = nullptr;
            return;
        }
    }
    double exacte = 0;
    // A selection shows the estimate and the exact count goes on in the background; the
    // folder walks measure on a worker (mesurer) and never come here.
    essayer([&] { exacte = position_mesure.Duration(); });
    // Whole seconds in 32 bits: a long recording does not overflow.
    essayer([&] { duree_secondes_fichier = rt::CLng(exacte); });
    duree_fichier = duree_secondes_fichier;
    if (duree_secondes_fichier < 1) duree_secondes_fichier = 1;
    duree_texte = gestionnaire::texte_duree(int64_t(duree_fichier));
    Label5.setCaption(QStringLiteral("Fichier : ") + nom +
                      (File1.isHidden() ? QString() : QStringLiteral(" (") + duree_texte + QLatin1Char(')')));

    enreg_dragdrop.chemin = rt::Trim(chemin_selection);
    enreg_dragdrop.fin_lecture = rt::CStr(exacte);
    enreg_dragdrop.genre = rt::Trim(Combo2.Text());
    enreg_dragdrop.volume = 100;
    enreg_dragdrop.debut_lecture = 0.10;
    enreg_dragdrop.duree_piste = duree_texte;

    Label10.setCaption(duree_texte);
    Label10.setEnabled(true);
    gestionnaire::pointeur_defaut();
    graphe_mesure = nullptr;
    position_mesure = nullptr;
    audio_mesure = nullptr;
    essayer([&] { Liste_son::instance().Label2.setCaption(Nom_radio_fm); });
}

void ajout_fichier::File1_DblClick() {
    if (HLBSoftBttn1.isEnabled() || !Label7.isEnabled()) return;
    Liste_son& liste = Liste_son::instance();
    if (liste.isVisible()) return;
    liste.show();
    Label7_Click();
}

void ajout_fichier::File1_KeyUp() {
    glisser_fichier_en_cours = Faux;
    enreg_dragdrop.chemin.clear();
}

void ajout_fichier::File1_MouseMove(int Button) {
    glisser_deplacer_actif = Vrai;
    if (Button != 1 || File1.FileName().isEmpty()) return;
    glisser_fichier_en_cours = Vrai;
    // The drag carries the file under the pointer: measured now if its click has not run yet.
    if (chemins::joindre(File1.Path(), File1.FileName()) != chemin_selection) File1_Click();
    // The drop targets (decks, playlist, tag boxes) read the program's own drag state.
    auto* drag = new QDrag(&File1);
    auto* donnees = new QMimeData;
    donnees->setData(QStringLiteral("application/x-sonavel-fichier"), chemin_selection.toUtf8());
    drag->setMimeData(donnees);
    drag->exec(Qt::CopyAction);
}

bool ajout_fichier::occupe() const { return m_travail && !m_travail->fini(); }

ajout_fichier::Mesure ajout_fichier::mesurer(const QString& chemin) {
    Mesure m;
    const mesure::Resultat r = mesure::mesurer(chemin);
    m.ok = r.ok;
    m.duree = r.duree;
    m.erreur = r.erreur;
    try {
        TypeTagV1 lu;
        m.genre = nom_genre(int16_t(lu.lire_tag(chemin).Genre()));
    } catch (const Erreur&) {
    }
    return m;
}

void ajout_fichier::Label10_Click() {
    if (occupe()) return;
    // The files as listed now: the walk keeps its own copy, whatever later points the lists
    // elsewhere.
    const QString dossier = chemins::avec_separateur(File1.Path());
    QStringList noms;
    for (int i = 0; i < File1.ListCount(); ++i) noms << File1.List(i);
    const int n = int(noms.size());
    Label3.setCaption(QStringLiteral("Nb de Fichier(s) trouvé(s) : ") + QString::number(n));
    if (n == 0) {
        // Selecting the first file of nothing: the list's own error.
        MsgBox(Erreur(err::ValeurPropriete).description(), boites::Critique);
        return;
    }
    Label10.setEnabled(false);
    Label7.setEnabled(false);
    File1.hide();
    Dir1.hide();
    duree_fichier = 0;
    gestionnaire::pointeur_sablier();

    struct Etat {
        int64_t total = 0;
        QStringList refuses;
        QString erreur;
    };
    auto etat = std::make_shared<Etat>();
    QPointer<ajout_fichier> moi(this);
    m_travail = travail::lancer(
        n,
        [dossier, noms, moi, etat](int i) -> travail::Application {
            const Mesure m = mesurer(dossier + noms[i]);
            return [moi, etat, m, nom = noms[i]] {
                if (!moi) return;
                // What has no length adds nothing and is named at the end.
                if (!m.ok) {
                    etat->refuses << nom + QStringLiteral(" : ") + m.erreur;
                    return;
                }
                gestionnaire::appliquer(etat->erreur, [&] {
                    etat->total += rt::CLng(m.duree);
                    duree_fichier = double(etat->total);
                    duree_texte = gestionnaire::texte_duree(etat->total);
                    moi->Label5.setCaption(QStringLiteral("Fichier : ") + nom);
                    moi->Label10.setCaption(duree_texte);
                });
            };
        },
        [moi, etat](bool) {
            gestionnaire::pointeur_defaut();
            if (!moi) return;
            moi->File1.show();
            moi->Dir1.show();
            moi->Label7.setEnabled(true);
            moi->Label10.setEnabled(true);
            if (!etat->refuses.isEmpty())
                MsgBox(gestionnaire::texte_omis(QStringLiteral("Fichier(s) non comptés (lecture impossible) : ") +
                                                    QString::number(etat->refuses.size()),
                                                etat->refuses),
                       boites::Exclamation);
            if (!etat->erreur.isEmpty()) MsgBox(etat->erreur, boites::Critique);
        });
}

void ajout_fichier::Drive1_Change() {
    gestionnaire::changer_volume(Drive1, Dir1, boites::Information, boites::Exclamation);
}

void ajout_fichier::liberer_du_dessus() {
    retour_api = 1;
    if (!(windowFlags() & Qt::WindowStaysOnTopHint)) return;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    if (visible) show();
}

void ajout_fichier::garder_au_dessus() {
    retour_api = 1;
    if (windowFlags() & Qt::WindowStaysOnTopHint) return;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible) show();
}

void ajout_fichier::Command1_Click() {
    if (toujours_visible == Vrai) {
        toujours_visible = Faux;
        liberer_du_dessus();
        Command1.setCaption(QStringLiteral("Toujours visible / Off"));
    } else {
        toujours_visible = Vrai;
        garder_au_dessus();
        Command1.setCaption(QStringLiteral("Toujours visible / On"));
    }
}

void ajout_fichier::Label9_Click() {
    liberer_du_dessus();
    Liste_son::instance().show();
}

void ajout_fichier::survol(Label& l) { gestionnaire::survol(l); }

void ajout_fichier::fin_survol() { gestionnaire::fin_survol({&Label6, &Label7, &Label8, &Label9}); }

void ajout_fichier::Label6_Click() {
    Label7.setEnabled(true);
    lecture_gestionnaire = Faux;
    if (Radio_FM::existe()) Radio_FM::instance().HLBSoftBttn9.setEnabled(true);
    setCaption(QStringLiteral("Ajout / Suppression / recherche fichier(s)"));
    lance_recherche();
    liberer_du_dessus();
    Command1.setCaption(QStringLiteral("Toujours visible / Off :"));
    Label8.setEnabled(true);
    for (QWidget* b : std::initializer_list<QWidget*>{&HLBSoftBttn1, &HLBSoftBttn2, &HLBSoftBttn3}) b->setEnabled(false);
    if (Radio_FM::existe()) Radio_FM::instance().setWindowState(Qt::WindowNoState);
    hide();
}
