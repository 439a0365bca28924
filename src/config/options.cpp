// Behaviour of the options dialog: field checks on focus loss, the two insertion check
// boxes, loading, saving, the list choosers and the help panel.
#include <QPixmap>

#include "config/Radio.h"
#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/boites.h"
#include "platform/chaines.h"
#include "platform/chemins.h"
#include "platform/conversions.h"
#include "windows/Form_options.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
const QString CR = QStringLiteral("\r");
const QString PARA = QStringLiteral("\n\r\n\r");

// A plain range rule: the low test first, then the high bound. Values are those of the
// shared variable; the box is rewritten whenever a rule replaces the value.
struct RegleChamp {
    TextBox Form_options::*champ;
    int16_t* variable;
    const char* vide;   // text put in an empty box
    const char* echec;  // text put in the box when the text is not a whole number
    enum Bas { SousOuEgal, Sous, Nul } bas;
    int16_t seuil_bas, valeur_bas;
    bool borne_haute;
    int16_t seuil_haut, valeur_haute;
    bool zero_sans_reecrire;  // 0 sets the variable to valeur_bas but the box keeps "0"
};

const RegleChamp k_regles[] = {
    {&Form_options::Text3, &prechargement_en_cours, "7", "7", RegleChamp::SousOuEgal, 0, 7, true, 10, 10, false},
    {&Form_options::Text4, &superposition, "6", "6", RegleChamp::SousOuEgal, 0, 6, true, 20, 20, false},
    {&Form_options::Text5, &valeur_max_jingles, "30", "30", RegleChamp::Nul, 0, 30, false, 0, 0, false},
    {&Form_options::Text6, &Mix_audio_vitesse, "40", "40", RegleChamp::SousOuEgal, 10, 10, true, 100, 100, false},
    {&Form_options::Text14, &Mix_audio, "13", "13", RegleChamp::SousOuEgal, 5, 5, true, 20, 20, false},
    {&Form_options::Text7, &Mix_audio_attenuation, "3", "3", RegleChamp::Sous, 0, 3, true, 10, 10, true},
    {&Form_options::Text8, &Valeur_vitesse_timer, "1000", "1000", RegleChamp::Sous, 500, 800, true, 1000, 1000, false},
    {&Form_options::Text11, &Forcer_Mix_Jingles, "0", "0", RegleChamp::SousOuEgal, 0, 0, true, 3, 3, false},
};

void verifier(Form_options& f, const RegleChamp& r) {
    TextBox& boite = f.*(r.champ);
    if (boite.Text().isEmpty()) boite.setText(QString::fromUtf8(r.vide));
    try {
        const int16_t v = rt::CInt(boite.Text());
        *r.variable = v;
        bool bas = false;
        switch (r.bas) {
        case RegleChamp::SousOuEgal: bas = v <= r.seuil_bas; break;
        case RegleChamp::Sous: bas = v < r.seuil_bas; break;
        case RegleChamp::Nul: bas = v == r.seuil_bas; break;
        }
        if (bas) {
            *r.variable = r.valeur_bas;
            boite.setText(QString::number(r.valeur_bas));
        } else if (r.zero_sans_reecrire && v == 0) {
            *r.variable = r.valeur_bas;
        } else if (r.borne_haute && v > r.seuil_haut) {
            *r.variable = r.valeur_haute;
            boite.setText(QString::number(r.valeur_haute));
        }
    } catch (const Erreur&) {
        boite.setText(QString::fromUtf8(r.echec));
    }
}

void verifier(Form_options& f, TextBox Form_options::*champ) {
    for (const RegleChamp& r : k_regles)
        if (r.champ == champ) return verifier(f, r);
}

int16_t sur_16_bits(int v) {
    if (v < INT16_MIN || v > INT16_MAX) throw Erreur(err::Depassement);
    return int16_t(v);
}

// Keeps the two insertion intervals at least 2 apart.
void verifier_intervalle(TextBox& boite, int16_t& n, int16_t m, CheckBox& coche) {
    n = 0;
    if (boite.Text().isEmpty()) boite.setText(QStringLiteral("2"));
    try {
        n = rt::CInt(boite.Text());
        auto remplacer = [&](int nouveau) {
            n = sur_16_bits(nouveau);
            boite.setText(QString::number(n));
            coche.setValue(1);
        };
        if (n == sur_16_bits(m - 1))
            remplacer(m - 2);
        else if (n == sur_16_bits(m + 1))
            remplacer(m + 2);
        else if (n == m)
            remplacer(m + 2);
        else if (n == 0)
            coche.setValue(1);
    } catch (const Erreur&) {
        boite.setText(QStringLiteral("3"));
    }
}

void basculer(TextBox& boite, int16_t& coche) {
    if (coche) {
        boite.setText(QStringLiteral("0"));
        boite.setEnabled(false);
        coche = Faux;
    } else {
        boite.setEnabled(true);
        boite.setText(QStringLiteral("2"));
        coche = Vrai;
    }
}

void ecrire_ou_erreur(const char* cle_config, const QString& valeur) {
    if (!ecrire_reglage_discret(cle::Config, cle_config, valeur)) throw Erreur(err::AccesCheminFichier);
}

QString nom_de_liste(const QString& chemin) { return rt::Trim(chemins::nom_fichier(chemin)); }

QString version() { return QStringLiteral("Sonavel V5 - Version ") + version_texte(); }
}  // namespace

void Form_options::Text3_LostFocus() { verifier(*this, &Form_options::Text3); }
void Form_options::Text4_LostFocus() { verifier(*this, &Form_options::Text4); }
void Form_options::Text5_LostFocus() { verifier(*this, &Form_options::Text5); }
void Form_options::Text6_LostFocus() { verifier(*this, &Form_options::Text6); }
void Form_options::Text14_LostFocus() { verifier(*this, &Form_options::Text14); }
void Form_options::Text7_LostFocus() { verifier(*this, &Form_options::Text7); }
void Form_options::Text8_LostFocus() { verifier(*this, &Form_options::Text8); }
void Form_options::Text11_LostFocus() { verifier(*this, &Form_options::Text11); }

void Form_options::Text1_LostFocus() { verifier_intervalle(Text1, Nb_fichier_aleatoire, Nb_fichier_aleatoire1, Check1); }
void Form_options::Text13_LostFocus() {
    verifier_intervalle(Text13, Nb_fichier_aleatoire1, Nb_fichier_aleatoire, Check2);
}

void Form_options::Text10_LostFocus() {
    if (Text10.Text().isEmpty()) Text10.setText(QStringLiteral("3"));
    try {
        pas_retour_rapide = rt::CInt(Text10.Text());
        if (pas_retour_rapide == 0.0) pas_retour_rapide = 3.0;
    } catch (const Erreur&) {
        Text10.setText(QStringLiteral("3"));
    }
}

void Form_options::Check1_Click() { basculer(Text1, jingle_coche); }
void Form_options::Check2_Click() { basculer(Text13, new_coche); }
void Form_options::Check1_LostFocus() { Nb_fichier_aleatoire = 0; }
void Form_options::Check2_LostFocus() { Nb_fichier_aleatoire1 = 0; }
void Form_options::Label12_DblClick() { Text11.setReadOnly(false); }

void Form_options::Form_Load() {
    images_trouvees = Vrai;
    jingle_coche = Faux;
    new_coche = Faux;
    if (!Image1.setPicture(Chemin_programme + QStringLiteral("bouton_noir_gros.jpg"))) images_trouvees = Faux;
    Label1.setCaption(QStringLiteral("Sonavel V ") + version_texte());
    if (!m_fond.load(Chemin_programme + QStringLiteral("Logo_form_option.jpg"))) {
        m_fond = QPixmap();
        images_trouvees = Faux;
    }
    update();
}

void Form_options::Command3_Click() {
    compteur_jingle_auto = 0;
    compteur_new_auto = 0;
    try {
        // The two insertions: the same steps with their own controls and keys.
        struct Insertion {
            CheckBox& coche;
            TextBox& intervalle;
            TextBox& liste;
            const char* message;
            const char* cle_valide;
            const char* cle_nb;
            int16_t& nb;
            Timer& minuterie;
            Drapeau& actif;
            Label& etat;
            const char* on;
            const char* off;
        };
        Radio_FM& r = Radio_FM::instance();
        Liste_son& l = Liste_son::instance();
        Insertion insertions[] = {
            {Check1, Text1, Text2, "Pas de fichier jingles : .dfm sélectionné", cle::valide_fichier_aleatoire,
             cle::Nb_fichier_aleatoire, Nb_fichier_aleatoire, r.Timer8, jingle_auto_actif, l.Label14, "Jingle auto On",
             "Jingle auto / Off"},
            {Check2, Text13, Text12, "Pas de fichier : .dfm sélectionné", cle::valide_fichier_aleatoire1,
             cle::Nb_fichier_aleatoire1, Nb_fichier_aleatoire1, r.Timer9, new_auto_actif, l.Label15, "New auto On",
             "New auto / Off"},
        };
        for (Insertion& i : insertions) {
            if (i.coche.Value() == 1) {
                const QString liste = i.liste.Text();
                if (liste == QLatin1String(valeur::Aucun_fichier) || liste.isEmpty()) {
                    MsgBox(QString::fromUtf8(i.message), boites::Information);
                    return;
                }
                ecrire_ou_erreur(i.cle_valide, QString::fromUtf8(valeur::Vrai));
                ecrire_ou_erreur(i.cle_nb, i.intervalle.Text());
                i.nb = rt::CInt(i.intervalle.Text());
                i.minuterie.setEnabled(true);
                i.actif = Vrai;
                i.etat.setCaption(QString::fromUtf8(i.on));
                ordre_aleatoire = Faux;
                r.A_ordre_continue.setChecked(true);
                r.A_ordre_aléatoire.setChecked(false);
                l.Option4.setValue(true);
            } else {
                i.actif = Faux;
                i.minuterie.setEnabled(false);
                ecrire_ou_erreur(i.cle_valide, QString::fromUtf8(valeur::Faux));
                ecrire_ou_erreur(i.cle_nb, QStringLiteral("0"));
                i.etat.setCaption(QString::fromUtf8(i.off));
            }
        }
        Chemin_fichier_aleatoire = Text2.Text();
        ecrire_ou_erreur(cle::Chemin_fichier_aleatoire, Chemin_fichier_aleatoire);
        Chemin_fichier_aleatoire1 = Text12.Text();
        ecrire_ou_erreur(cle::Chemin_fichier_aleatoire1, Chemin_fichier_aleatoire1);

        const struct {
            TextBox& champ;
            int16_t& variable;
            const char* cle;
        } nombres[] = {
            {Text3, prechargement_en_cours, cle::Prechargement},
            {Text4, superposition, cle::Mix},
            {Text5, valeur_max_jingles, cle::valeur_max_jingles},
            {Text6, Mix_audio_vitesse, cle::Mix_audio_vitesse},
            {Text14, Mix_audio, cle::Mix_audio},
            {Text7, Mix_audio_attenuation, cle::Mix_audio_attenuation},
            {Text8, Valeur_vitesse_timer, cle::Valeur_vitesse_timer},
            {Text11, Forcer_Mix_Jingles, cle::Forcer_Mix_Jingles},
        };
        for (const auto& n : nombres) {
            n.variable = rt::CInt(n.champ.Text());
            if (&n.variable == &superposition) Mix = superposition;
            ecrire_ou_erreur(n.cle, QString::number(n.variable));
        }
        MsgBox(QStringLiteral("Paramètres enregistrés"), boites::Information);
    } catch (const Erreur& e) {
        MsgBox(e.description(), boites::Critique);
    }
}

namespace {
// Asks for a list file in the playlist window's dialog; "" when cancelled.
QString choisir_liste() {
    DialogueCommun& d = Liste_son::instance().CommonDialog1;
    d.DialogTitle = QStringLiteral("Ouvrir un fichier liste");
    d.InitDir = Chemin_programme;
    d.FileName = QStringLiteral("*.dfm");
    d.Filter = QStringLiteral("fichier (*.dfm)|*.dfm");
    return d.ShowOpen() ? d.FileName : QString();
}
}  // namespace

void Form_options::Command1_Click() {
    const QString liste = choisir_liste();
    if (liste.isEmpty()) return;
    Text2.setText(liste);
    Chemin_fichier_aleatoire = liste;
    recup_nom1();
}

void Form_options::Command4_Click() {
    const QString liste = choisir_liste();
    if (liste.isEmpty()) return;
    Text12.setText(liste);
    Chemin_fichier_aleatoire1 = liste;
    recup_nom2();
}

void Form_options::recup_nom1() { nom_fichier_aleatoire = nom_de_liste(Chemin_fichier_aleatoire); }
void Form_options::recup_nom2() { nom_fichier_aleatoire1 = nom_de_liste(Chemin_fichier_aleatoire1); }

void Form_options::Command2_Click() { hide(); }
void Form_options::Image1_Click() {
    if (images_trouvees) hide();
}

void Form_options::Image1_MouseDown() {
    if (images_trouvees) Image1.setPicture(Chemin_programme + QStringLiteral("bouton_noir_grosdoux.jpg"));
}
void Form_options::Image1_MouseMove() {
    Label11.setCaption(texte_aide(&Image1));
    Image1_MouseDown();
}
void Form_options::Image1_MouseUp() {
    if (images_trouvees) Image1.setPicture(Chemin_programme + QStringLiteral("bouton_noir_gros.jpg"));
}

void Form_options::Form_MouseMove() {
    if (images_trouvees) {
        if (jingle_auto_actif) recup_nom1();
        if (new_auto_actif) recup_nom2();
    }
    Label11.setCaption(texte_aide(this));
    Image1_MouseUp();
}

void Form_options::aide_survol(QWidget* controle) {
    if (controle == &Text2) return Text2.setToolTip(Chemin_fichier_aleatoire);
    if (controle == &Text12) return Text12.setToolTip(Chemin_fichier_aleatoire1);
    if (controle == &Image1) return Image1_MouseMove();
    const QString texte = texte_aide(controle);
    if (!texte.isNull()) Label11.setCaption(texte);
}

QString Form_options::texte_aide(const QWidget* c) {
    const auto n = [](auto v) { return QString::number(v); };
    const QString& nom1 = nom_fichier_aleatoire;
    const QString& nom2 = nom_fichier_aleatoire1;
    auto coche = [&](const char* quoi, const char* ou, const QString& nom) {
        return QString::fromUtf8(quoi) + CR + "Choisir un fichier ci contre" + CR + QString::fromUtf8(ou) + CR +
               "Extention .dfm" + CR + "En cours : " + nom + PARA +
               "Si les 2 options d'insertion sont utilisées en meme temps" + CR +
               "Il est conseillé de conserver un écart de passage de minimum + 2";
    };
    auto intervalle = [&](const char* quoi, const char* ou, const QString& nom, const char* attention) {
        return QString::fromUtf8(quoi) + CR + "Choisir un fichier ci contre" + CR + QString::fromUtf8(ou) + CR +
               "Extention .dfm" + PARA + "En cours : " + nom + PARA + QString::fromUtf8(attention);
    };
    const char* jingle = "Insérer un jingle aléatoirement en lecture liste";
    const char* ou_jingles = "Ou vous avez sauvegardé vos jingles";
    const char* morceau = "Insérer un morceaux aléatoirement en lecture liste";
    const char* ou_morceaux = "Ou vous avez sauvegardé vos morceaux";

    if (c == &Check1) return coche(jingle, ou_jingles, nom1);
    if (c == &Check2) return coche(morceau, ou_morceaux, nom2);
    if (c == &Text1) return intervalle(jingle, ou_jingles, nom1, "Attention le jingles est comptabilisé");
    if (c == &Text13) return intervalle(morceau, ou_morceaux, nom2, "Attention le morceaux est comptabilisé");
    if (c == &Command1) return "Rechercher un fichier" + PARA + "Extention .dfm" + CR + "En cours : " + CR + nom1;
    if (c == &Command4) return "Rechercher un fichier" + PARA + "Extention .dfm" + CR + "En cours : " + CR + nom2;
    if (c == &Label3)
        return "Entrez la nouvelle valeur temps de préchargement avant le mixage" + CR +
               "Cette valeur ne devrait pas ètre modifié" + CR +
               "Elle est également gérée en interne en fonction de la longueur des jingles" + PARA + "Par défaut 7" +
               CR + "En cours : " + n(prechargement_en_cours);
    if (c == &Label4)
        return "Valeur de superposition " + CR + "Entrez la nouvelle valeur" + CR +
               "(valeur superposition dans fenètre principale)" + PARA +
               "Ex en s un mp3 (convertion brute d'un CD 6 a 8)" + CR + "Ex en s un mp3 (sans les blancs 1 a 2)" +
               PARA + "Par défaut 6" + CR + "En cours : " + n(superposition);
    if (c == &Label5)
        return "Valeur_maxi d'un jingles" + CR + "Entrez la nouvelle valeur" + CR +
               "voir parametre régionaux si erreur Type incompatible" + CR +
               "Remplacer la virgule par un point dans séparation des décimales" + PARA + "Par défaut : 30" + CR +
               "En cours : " + n(valeur_max_jingles);
    if (c == &Label6)
        return "Vitesse fondu audio" + CR + "Temps fondu audio" + PARA + "Entrez les nouvelles valeurs fondu audio" +
               CR + "Minimum 10  (maxi 100 très long)" + CR + "Minimum 10  (maxi 20 très long)" + PARA +
               "En cours : " + n(Mix_audio_vitesse) + CR + "En cours : " + n(Mix_audio);
    if (c == &Text6)
        return "Vitesse fondu audio" + CR +
               "Entrez la nouvelle valeur fondu audio (rapidité) en fin de piste , en lecture liste ou Zapping" + CR +
               "Minimum 10  (maxi 100 très long)" + PARA + "Par défaut : 40" + CR + "En cours : " +
               n(Mix_audio_vitesse);
    if (c == &Text14)
        return "Temps fondu audio" + CR +
               "Entrez la nouvelle valeur fondu audio (temps) en fin de piste , en lecture liste ou Zapping" + PARA +
               "Maxi 20s avec une rapidité de valeur : 100" + CR + "Minimum 5 " + PARA + "Par défaut : 13" + CR +
               "En cours : " + n(Mix_audio);
    if (c == &Label7)
        return "Valeur atténuation audio pour mixage jingles" + CR +
               "Entrez la nouvelle valeur atténuation audio du lecteur en cours" + CR +
               "atténuation pour mixage jingles maxi 10 " + PARA + "Par défaut : 3" + CR + "En cours : " +
               n(Mix_audio_attenuation);
    if (c == &Label8)
        return "Entrez la nouvelle valeur (de 500 a 1000 (1000 = 1 S) " + PARA +
               "Plus la valeur est faible plus la vitesse de calcul est rapide" + CR +
               "A ajuster suivant PC (par défaut 1000)" + CR + "En cours valeur : " + n(Valeur_vitesse_timer) + CR +
               "Ne changer cette valeur que dans le cas de lecture liste," + CR +
               "en mode lecture continue ou aléatoire ," + CR +
               "si les enchainements ne sont pas réguliers (Voir aussi l'aide pour certain fichier)";
    if (c == &Label10)
        return "Pour retour arriere rapide" + CR + "Entrez la nouvelle valeur pour cette session" + CR +
               "voir parametre régionaux si erreur Type incompatible" + CR +
               "Remplacer la virgule par un point dans séparation des décimales" + PARA + "Exemple en secondes" + CR +
               "0.3";
    if (c == &Label12)
        return "Valeur superposition " + CR + "Lors d'un chargement d'un jingles" + CR +
               "Cette valeur ne devrait pas etre  modifié" + PARA + "En cours : " + n(Forcer_Mix_Jingles);
    if (c == &Image1) return version() + PARA + "Fermeture de la fenètre :" + CR + " Paramètres ";
    if (c == this) {
        if (images_trouvees) return version() + PARA + "Paramètres " + CR + "Options ";
        return "Attention" + CR + "Des fichiers graphique pour cette fenètre n'ont pas étés trouvés" + PARA +
               "fichier : Logo_form_option.jpg" + CR + "fichier : bouton_noir_gros.jpg" + CR +
               "fichier : bouton_noir_grosdoux.jpg" + PARA + "Ces fichiers sont a copier dans : " + Chemin_programme;
    }
    return QString();
}
