#include "windows/Association.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QRegularExpression>

#include "config/etat.h"
#include "filemanager/commun.h"
#include "platform/boites.h"
#include "platform/bureau.h"
#include "platform/chemins.h"
#include "platform/erreur.h"
#include "platform/programme.h"
#include "windows/Radio_FM.h"

using namespace Radio;

Association::Association() {
    setWindowTitle(QStringLiteral("Association de fichiers"));
    setMouseTracking(true);
    // The colour theme finds the two text boxes by name.
    Text1.setObjectName(QStringLiteral("Text1"));
    Text2.setObjectName(QStringLiteral("Text2"));
    Text1.setText(QStringLiteral(".xxx"));
    Text1.setToolTip(QStringLiteral("Attention la frappe de toutes les extentions commencent par un POINT et se "
                                    "termine par trois lettres"));
    Text2.setReadOnly(true);
    Command3.setToolTip(QStringLiteral("Chercher un icone"));
    CréationAssociation.setToolTip(QStringLiteral("Appliquer"));
    Command2.setToolTip(QStringLiteral("Fermer"));
    Label1.setWordWrap(true);
    Shape1.hide();
    Shape2.hide();

    QFont titre = Label3.font();
    titre.setBold(true);
    titre.setPointSize(titre.pointSize() + 2);
    Label3.setFont(titre);
    auto* g = new QGridLayout(this);
    g->setContentsMargins(16, 12, 16, 12);
    g->addWidget(&Label3, 0, 0, 1, 2);
    g->addWidget(&Label1, 1, 0, 1, 2);
    g->addWidget(&Option1, 2, 0);
    g->addWidget(&Option2, 3, 0);
    g->addWidget(&Option3, 4, 0);
    g->addWidget(&Option4, 5, 0);
    g->addWidget(&Option6, 2, 1);
    g->addWidget(&Option5, 3, 1);
    g->addWidget(&Text1, 4, 1);
    g->addWidget(&Command3, 6, 0, 1, 2);
    g->addWidget(&Text2, 7, 0, 1, 2);
    auto* bas = new QHBoxLayout;
    bas->addWidget(&CréationAssociation);
    bas->addStretch();
    bas->addWidget(&Command2);
    g->addLayout(bas, 8, 0, 1, 2);
    for (Label* l : {&Command3, &CréationAssociation, &Command2}) {
        l->setCursor(Qt::PointingHandCursor);
        l->MouseMove = [this, l](int, int, float, float) { survol(*l); };
    }

    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    Option3.Click = [this] { Option3_Click(); };
    Option4.Click = [this] { Option4_Click(); };
    Option5.Click = [this] { Option5_Click(); };
    Option6.Click = [this] { Option6_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    CréationAssociation.Click = [this] { CréationAssociation_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    resize(480, 300);
}

void Association::Form_Load() {
    Label3.setCaption(QStringLiteral("Associer les fichiers liste de ") + programme::nom());
    for (OptionButton* o : {&Option1, &Option2, &Option3, &Option4, &Option5}) o->setChecked(false);
}

void Association::choisir(const QString& extension) {
    Command3.setEnabled(true);
    CréationAssociation.setEnabled(true);
    Command3.setCaption(QStringLiteral("Chercher icone pour fichier ") + extension);
}

void Association::Option1_Click() { choisir(QStringLiteral(".mp3")); }
void Association::Option2_Click() { choisir(QStringLiteral(".wav")); }
void Association::Option3_Click() { choisir(QStringLiteral(".wma")); }
void Association::Option4_Click() { choisir(QStringLiteral(".avi")); }
void Association::Option5_Click() { choisir(QStringLiteral(".") + Text1.Text()); }
void Association::Option6_Click() { choisir(QStringLiteral(".dfm")); }

void Association::Command3_Click() {
    DialogueCommun& d = Radio_FM::instance().Dialogue1;
    d.DialogTitle = QStringLiteral("Chercher un icone pour pour cette association ");
    d.FileName.clear();
    d.Filter = QStringLiteral("fichier icone |*.ico");
    d.ShowOpen();
    Text2.setText(QStringLiteral(".../") + chemins::nom_fichier(d.FileName));
    chemin_icone = d.FileName;
}

bool Association::extension_valide(const QString& extension) {
    static const QRegularExpression motif(QStringLiteral("^\\.[A-Za-z0-9]{1,10}$"));
    return motif.match(extension).hasMatch();
}

void Association::CréationAssociation_Click() {
    // The last selected option in the order 1..6 names the extension.
    QString extension;
    bool tapee = false;
    if (Option1.Value()) extension = QStringLiteral(".mp3");
    if (Option2.Value()) extension = QStringLiteral(".wav");
    if (Option3.Value()) extension = QStringLiteral(".wma");
    if (Option4.Value()) extension = QStringLiteral(".avi");
    if (Option5.Value()) {
        extension = Text1.Text();
        tapee = true;
    }
    if (Option6.Value()) {
        extension = QStringLiteral(".dfm");
        tapee = false;
    }
    if (tapee && !extension_valide(extension)) {
        MsgBox(QStringLiteral("Extension incorrecte : ") + extension + QStringLiteral("\r") +
                   QStringLiteral("Une extension commence par un POINT suivi de 1 à 10 lettres ou chiffres "
                                  "(exemple : .ogg)"),
               boites::Exclamation);
        return;
    }
    if (extension.isEmpty()) {
        MsgBox(QStringLiteral("Choisissez d'abord le type de fichier à associer"), boites::Exclamation);
        return;
    }

    bureau::Association a;
    a.extension = extension;
    a.classe = QStringLiteral("Audio - Sonavel ") + extension;
    a.nom = programme::nom();
    a.programme = chemins::joindre(Chemin_programme.isEmpty() ? programme::dossier() : Chemin_programme, a.nom);
    a.icone = chemin_icone;
    a.icone_programme = chemins::joindre(programme::dossier(), a.nom + QStringLiteral(".png"));
    a.type_liste = QString::fromLatin1(TypeListe);
    try {
        // A file another program made is replaced only when the user agrees.
        for (const QString& f : bureau::fichiers_etrangers(a)) {
            if (MsgBox(QStringLiteral("Le fichier ") + f + QStringLiteral(" existe déjà et appartient à un autre "
                                                                          "programme.") +
                           QStringLiteral("\r") + QStringLiteral("Voulez-vous le remplacer ?"),
                       boites::OuiNon + boites::Critique + boites::DeuxiemeBouton) != boites::Oui)
                return;
        }
        bureau::associer(a);
    } catch (const Erreur& e) {
        MsgBox(e.description(), 0);
        return;
    }
    MsgBox(QStringLiteral("Ajout effectué avec succès !"), boites::Information);
    CréationAssociation.setEnabled(false);
}

void Association::Command2_Click() { hide(); }

void Association::closeEvent(QCloseEvent* e) {
    e->ignore();
    evenement::utilisateur([this] { Command2_Click(); });
}

void Association::survol(Label& l) { gestionnaire::survol(l); }

void Association::fin_survol() { gestionnaire::fin_survol({&Command3, &CréationAssociation, &Command2}); }

void Association::mouseMoveEvent(QMouseEvent* e) {
    fin_survol();
    Form::mouseMoveEvent(e);
}
