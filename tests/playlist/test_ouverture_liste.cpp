// Opening, saving under a name, forgetting and deleting lists from the playlist window.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "config/etat.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"

using namespace Radio;

namespace {
QString dans_programme(const QString& nom) { return programme::dossier() + nom; }

QByteArray liste_de(const QStringList& chemins) {
    QByteArray b;
    for (const QString& c : chemins) {
        TypeEnregListe e;
        e.chemin = c;
        e.volume = 100;
        e.fin_lecture = QStringLiteral("0");
        e.genre = QStringLiteral("pop");
        e.duree_piste = QStringLiteral("00:01:00");
        b += enreg_liste::encoder(e);
    }
    return b;
}

QStringList chemins_de(const Liste_son& l) {
    QStringList r;
    for (int i = 1; i <= l.ListView1.ListCount(); ++i) r << l.ListView1.ListItem(i)->text(0);
    return r;
}

const QString Refus = QStringLiteral(
    "Traitement impossible avec l'option\rNe pas sauver les modifications dans le fichier par défaut"
    "\n\r\n\rSauvegarder cette liste");
}  // namespace

class TestOuvertureListe : public QObject {
    Q_OBJECT
    QTemporaryDir ailleurs;

    QString fichier(const QString& nom, const QStringList& chemins) {
        const QString c = ailleurs.filePath(nom);
        fichiers::reecrire_fichier(c, liste_de(chemins));
        return c;
    }

private slots:
    void init() {
        sonavel_test::nouveau_programme();
        QLocale::setDefault(QLocale(QLocale::C));
    }

    // Into an empty view: the file becomes current, nothing is written.
    void ouvrir_dans_une_vue_vide() {
        Liste_son& l = Liste_son::instance();
        const QString source = fichier("soir.dfm", {"/m/a.mp3", "/m/b.mp3"});
        Repondeur r;
        r.attendre_fichier(source);
        l.A_liste_Click();
        const Repondeur::Boite& d = r.boites()[0];
        QCOMPARE(d.titre, QStringLiteral("Ouvrir un fichier liste"));
        QCOMPARE(d.fichier, QStringLiteral("*.dfm"));
        QCOMPARE(d.filtre, QStringLiteral("fichier (*.dfm)|*.dfm"));
        QCOMPARE(d.dossier, programme::dossier());
        QCOMPARE(chemins_de(l), (QStringList{"/m/a.mp3", "/m/b.mp3"}));
        QCOMPARE(chemin_liste, source);
        QCOMPARE(fichier_impression, source);
        QCOMPARE(l.chemin_liste_ouverte, source);
        QCOMPARE(l.nom_fichier_liste, QStringLiteral("soir.dfm"));
        QCOMPARE(l.Label1.Caption(), QStringLiteral("Lecture en attente .. Nb : 2"));
        QCOMPARE(l.Caption(), QStringLiteral("Fichier liste : ") + source);
        QCOMPARE(l.Supprimer_fichier.Caption(), QStringLiteral("Supprimer le fichier ") + source);
        QVERIFY(!QFile::exists(dans_programme("liste.dfm")));
        QVERIFY(l.prechar.Enabled());
    }

    // Into a view with rows: appended, the whole written to "liste.dfm", the source untouched.
    void ouvrir_ajoute_et_laisse_la_source() {
        Liste_son& l = Liste_son::instance();
        const QString source = fichier("soir.dfm", {"/m/c.mp3"});
        const QByteArray avant = fichiers::lire_fichier(source);
        l.ListView1.AddItem(QStringLiteral("/m/a.mp3"));
        Repondeur r;
        r.attendre_fichier(source);
        l.A_liste_Click();
        QCOMPARE(chemins_de(l), (QStringList{"/m/a.mp3", "/m/c.mp3"}));
        QCOMPARE(chemin_liste, QStringLiteral("liste.dfm"));
        QCOMPARE(QFile(dans_programme("liste.dfm")).size(), qint64(2 * 418));
        QCOMPARE(fichiers::lire_fichier(source), avant);
    }

    // A cancel, or a file that cannot be read, changes nothing and says nothing.
    void ouvrir_annule_ne_change_rien() {
        Liste_son& l = Liste_son::instance();
        chemin_liste = QStringLiteral("liste.dfm");
        Repondeur r;
        r.attendre_annulation().attendre_fichier(ailleurs.filePath("absente.dfm"));
        l.A_liste_Click();
        l.A_liste_Click();
        QCOMPARE(chemin_liste, QStringLiteral("liste.dfm"));
        QVERIFY(fichier_impression.isEmpty());
        QCOMPARE(l.ListView1.ListCount(), 0);
        QCOMPARE(r.messages().size(), 0);
        QVERIFY(!QFile::exists(ailleurs.filePath("absente.dfm")));
    }

    void ouvrir_la_liste_par_defaut() {
        Liste_son& l = Liste_son::instance();
        Repondeur r;
        r.attendre_message();
        l.A_liste_anciene_Click();  // none yet
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Fichier introuvable"));
        QCOMPARE(r.messages()[0].style, 16);

        fichiers::reecrire_fichier(dans_programme("liste.dfm"), liste_de({"/m/a.mp3", "/m/b.mp3"}));
        l.A_liste_anciene_Click();
        QCOMPARE(l.ListView1.ListCount(), 2);
        QCOMPARE(chemin_liste, dans_programme("liste.dfm"));
        QCOMPARE(l.Caption(), QStringLiteral("Fichier liste : ") + dans_programme("liste.dfm"));
        QVERIFY(l.cursor().shape() != Qt::BusyCursor);
    }

    // Save-as writes "X" for an empty duration and no other default; the saved file becomes
    // current and the do-not-save option goes off.
    void enregistrer_sous() {
        Liste_son& l = Liste_son::instance();
        QTreeWidgetItem* i = l.ListView1.AddItem(QStringLiteral("/m/a.mp3"));
        ListView::setSubItem(i, 4, QStringLiteral("80"));
        l.a_Ne_pas_Sauve_Click();
        const QString cible = ailleurs.filePath("Nouvelle.dfm");
        Repondeur r;
        r.attendre_fichier(cible);
        l.Label8_Click();
        QCOMPARE(r.boites()[0].titre, QStringLiteral("Enregistrer sous"));
        QCOMPARE(r.boites()[0].filtre, QStringLiteral("fichier liste (*.dfm)|*.dfm"));
        const QByteArray b = fichiers::lire_fichier(cible);
        QCOMPARE(b.size(), 418);
        const TypeEnregListe e = enreg_liste::decoder(b);
        QCOMPARE(e.duree_piste, QStringLiteral("X       "));
        QCOMPARE(e.genre.trimmed(), QString());
        QCOMPARE(e.fin_lecture.trimmed(), QString());
        QCOMPARE(e.volume, int16_t(80));
        QCOMPARE(e.debut_lecture, 0.0);
        QCOMPARE(i->text(5), QStringLiteral("X"));
        QCOMPARE(chemin_liste, cible);
        QCOMPARE(l.chemin_liste_ouverte, QStringLiteral("Nouvelle.dfm"));
        QCOMPARE(l.Caption(), QStringLiteral("Fichier liste : Nouvelle.dfm"));
        QVERIFY(l.A_sauve.Checked() && !l.a_Ne_pas_Sauve.Checked() && l.A_ecoute.Enabled());
    }

    // Nothing to save, a name that is not a list, a cancel, "No" to the overwrite question:
    // nothing written, nothing changed.
    void enregistrer_sous_sans_effet() {
        Liste_son& l = Liste_son::instance();
        Repondeur r;
        r.attendre_message();
        l.Label8_Click();
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Rien a sauvegarder !"));
        QCOMPARE(r.messages()[0].style, 48);

        l.ListView1.AddItem(QStringLiteral("/m/a.mp3"));
        chemin_liste = QStringLiteral("liste.dfm");
        const QString existante = fichier("garde.dfm", {"/m/z.mp3"});
        const QByteArray avant = fichiers::lire_fichier(existante);
        r.attendre_fichier(ailleurs.filePath("notes.txt"));
        r.attendre_annulation();
        r.attendre_fichier(ailleurs.filePath("GARDE.DFM"));
        r.attendre_message(boites::Non);
        l.Label8_Click();
        l.Label8_Click();
        l.Label8_Click();
        const Repondeur::Boite q = r.messages().last();
        QCOMPARE(q.texte, QStringLiteral("Attention le fichier : GARDE.DFM existe \ril va ètre écrasé !\n\r\n\rContinuer ?"));
        QCOMPARE(q.style, 276);
        QCOMPARE(q.titre, QStringLiteral("Sonavel_V5"));
        QCOMPARE(fichiers::lire_fichier(existante), avant);
        QCOMPARE(chemin_liste, QStringLiteral("liste.dfm"));
        QVERIFY(!QFile::exists(ailleurs.filePath("notes.txt")));
        QVERIFY(!QFile::exists(ailleurs.filePath("GARDE.DFM")));

        // "Yes" replaces the file found, under its own name.
        r.attendre_fichier(ailleurs.filePath("GARDE.DFM"));
        r.attendre_message(boites::Oui);
        l.Label8_Click();
        QCOMPARE(chemins_de(l), QStringList{"/m/a.mp3"});
        QCOMPARE(enreg_liste::decoder(fichiers::lire_fichier(existante)).chemin.trimmed(), QStringLiteral("/m/a.mp3"));
        QCOMPARE(chemin_liste, existante);
    }

    // A list the user made read-only: the save after each edit refuses it with the system's
    // write error and the file stays; the save-as the user confirmed replaces it.
    void liste_en_lecture_seule() {
        Liste_son& l = Liste_son::instance();
        const QString defaut = dans_programme(QStringLiteral("liste.dfm"));
        fichiers::reecrire_fichier(defaut, liste_de({"/m/garde.mp3"}));
        QVERIFY(QFile::setPermissions(defaut, QFile::Permissions(0x4444)));
        l.ListView1.AddItem(QStringLiteral("/m/a.mp3"));
        Repondeur r;
        r.attendre_message();
        l.sauve_tout();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte,
                 QStringLiteral("Ecriture de la liste impossible : ") + defaut + QStringLiteral("\rPermission refusée"));
        QCOMPARE(fichiers::lire_fichier(defaut), liste_de({"/m/garde.mp3"}));

        const QString protegee = fichier("protegee.dfm", {"/m/z.mp3"});
        QVERIFY(QFile::setPermissions(protegee, QFile::Permissions(0x4444)));
        r.attendre_fichier(protegee).attendre_message(boites::Oui);
        l.Label8_Click();
        QCOMPARE(r.messages().size(), 2);  // the question only
        QCOMPARE(enreg_liste::decoder(fichiers::lire_fichier(protegee)).chemin.trimmed(), QStringLiteral("/m/a.mp3"));
        QFile::setPermissions(defaut, QFile::Permissions(0x6644));
    }

    // A failed write is reported, and the current list stays.
    void enregistrer_sous_en_echec() {
        Liste_son& l = Liste_son::instance();
        l.ListView1.AddItem(QStringLiteral("/m/a.mp3"));
        chemin_liste = QStringLiteral("liste.dfm");
        Repondeur r;
        r.attendre_fichier(ailleurs.filePath("pas/de/dossier.dfm")).attendre_message();
        l.Label8_Click();
        QCOMPARE(r.messages()[0].style, 16);
        QCOMPARE(l.erreur_enregistrement, Vrai);
        QCOMPARE(chemin_liste, QStringLiteral("liste.dfm"));
    }

    void effacer_la_liste() {
        Liste_son& l = Liste_son::instance();
        Nom_radio_fm = QStringLiteral("Radio Test");
        fichiers::reecrire_fichier(dans_programme("liste.dfm"), liste_de({"/m/a.mp3"}));
        l.ListView1.AddItem(QStringLiteral("/m/a.mp3"));
        chemin_liste = QStringLiteral("liste.dfm");
        l.coller_.setEnabled(true);
        l.Effacer_liste_Click();
        QCOMPARE(l.ListView1.ListCount(), 0);
        QVERIFY(chemin_liste.isEmpty());
        QCOMPARE(l.Caption(), QStringLiteral("Radio Test"));
        QCOMPARE(Radio_FM::instance().Caption(), QStringLiteral("Radio Test"));
        QCOMPARE(l.Label1.Caption(), QStringLiteral("Ouverture en attente"));
        QCOMPARE(l.Label3.Caption(), QStringLiteral("Liste"));
        QCOMPARE(l.Label4.Caption(), QStringLiteral("00:00:00"));
        QVERIFY(!l.coller_.Enabled());
        QVERIFY(QFile::exists(dans_programme("liste.dfm")));  // nothing deleted
    }

    void supprimer_le_fichier() {
        Liste_son& l = Liste_son::instance();
        Repondeur r;
        r.attendre_message();
        l.Supprimer_fichier_Click();
        QCOMPARE(r.messages()[0].texte, QStringLiteral(" Aucun fichier en mémoire"));
        QCOMPARE(r.messages()[0].titre, QStringLiteral(" Suppréssion Fichier impossible "));
        QCOMPARE(r.messages()[0].style, 16);

        const QString source = fichier("a_effacer.dfm", {"/m/a.mp3"});
        chemin_liste = source;
        l.ListView1.AddItem(QStringLiteral("/m/a.mp3"));
        r.attendre_message(boites::Non);
        l.Supprimer_fichier_Click();
        QVERIFY(QFile::exists(source));
        const QString question = QStringLiteral(" Vous allez supprimer le fichier :  ") + source +
                                 QStringLiteral("\n\r\n\rATTENTION si le NOM de FICHIER est : *.dfm\r"
                                                "Vous SUPPRIMEZ TOUS LES FICHIERS LISTES\n\r\n\rVoulez vous continuer ? ");
        QCOMPARE(r.messages()[1].texte, question);
        QCOMPARE(r.messages()[1].style, 276);
        QCOMPARE(r.messages()[1].titre, QStringLiteral(" Suppréssion Fichier ?"));

        r.attendre_message(boites::Oui);
        l.Supprimer_fichier_Click();
        QVERIFY(!QFile::exists(source));
        QVERIFY(chemin_liste.isEmpty());
        QCOMPARE(l.ListView1.ListCount(), 0);
    }

    // A pattern is one literal name, never every list; a file that will not go is reported
    // and the window keeps its list.
    void supprimer_jamais_un_motif() {
        Liste_son& l = Liste_son::instance();
        const QString autre = fichier("autre.dfm", {"/m/a.mp3"});
        chemin_liste = ailleurs.filePath("*.dfm");
        l.ListView1.AddItem(QStringLiteral("/m/a.mp3"));
        Repondeur r;
        r.attendre_message(boites::Oui).attendre_message();
        l.Supprimer_fichier_Click();
        QVERIFY(QFile::exists(autre));
        QVERIFY(r.messages()[1].texte.endsWith(QStringLiteral(
            "\rAutorisation de suppréssion refusée\n\r\n\rvérifier si le fichier n'est pas caché ou protégé")));
        QCOMPARE(r.messages()[1].titre, QStringLiteral(" Suppréssion Fichier impossible "));
        QCOMPARE(chemin_liste, ailleurs.filePath("*.dfm"));
        QCOMPARE(l.ListView1.ListCount(), 1);
    }

    void option_ne_pas_sauver() {
        Liste_son& l = Liste_son::instance();
        QVERIFY(l.A_sauve.Checked());
        QVERIFY(!l.sauvegarde_refusee());
        l.a_Ne_pas_Sauve_Click();
        QVERIFY(l.a_Ne_pas_Sauve.Checked() && !l.A_sauve.Checked() && !l.A_ecoute.Enabled());
        Repondeur r;
        r.attendre_message();
        QVERIFY(l.sauvegarde_refusee());
        QCOMPARE(r.messages()[0].texte, Refus);
        QCOMPARE(r.messages()[0].style, 64);
        l.A_sauve_Click();
        QVERIFY(!l.a_Ne_pas_Sauve.Checked() && l.A_sauve.Checked() && l.A_ecoute.Enabled());
    }

    void recup_nom() {
        Liste_son& l = Liste_son::instance();
        const struct {
            const char* texte;
            const char* nom;
        } cas[] = {{" /m/dossier/Soir.dfm ", "Soir.dfm"}, {"C:\\listes\\matin.dfm", "matin.dfm"}, {"seul.dfm", "seul.dfm"}};
        for (const auto& c : cas) {
            l.Text2.setText(QString::fromUtf8(c.texte));
            l.recup_nom();
            QCOMPARE(l.nom_fichier_liste, QString::fromUtf8(c.nom));
        }
    }

    // The entry's folder stays in Text2; a missing file is reported unless the check is off,
    // and a network path is never tested.
    void recup_nom_du_fichier() {
        Liste_son& l = Liste_son::instance();
        const QString present = ailleurs.filePath("Present.mp3");
        fichiers::reecrire_fichier(present, QByteArray("x"));
        l.Text2.setText(ailleurs.filePath("present.MP3"));
        l.recup_nom_du_fichier();
        QCOMPARE(l.Text2.Text(), ailleurs.path());
        QVERIFY(!err_form::existe() || !err_form::instance().isVisible());

        for (const QString& t : {QStringLiteral("\\\\serveur\\son\\a.mp3"), ailleurs.filePath("absent.mp3")}) {
            ajout_sans_controle = t.startsWith(QLatin1Char('\\')) ? Faux : Vrai;
            chemin_entree_liste = t;
            l.Text2.setText(t);
            l.recup_nom_du_fichier();
            QCOMPARE(chemin_entree_liste, t);
        }
        ajout_sans_controle = Faux;
        chemin_entree_liste = ailleurs.filePath("absent.mp3");
        chemin_lecteur1 = chemin_entree_liste;
        l.Image1.setEnabled(false);
        l.Text2.setText(chemin_entree_liste);
        l.recup_nom_du_fichier();
        QCOMPARE(err_form::instance().Label1.Caption(),
                 QStringLiteral("Recupération du nom de fichier\n\r\n\r") + ailleurs.filePath("absent.mp3") +
                     QStringLiteral("\rCe fichier est NON TROUVE !\rIl est peut etre situé sur le réseau ?"));
        QVERIFY(chemin_entree_liste.isEmpty() && chemin_lecteur1.isEmpty());
        QCOMPARE(l.Label2.Caption(), QStringLiteral("Fichier non trouve"));
        QCOMPARE(Radio_FM::instance().Label2.Caption(), QStringLiteral("Fichier non trouve"));
        QVERIFY(l.Image1.isEnabled());
    }
};

SONAVEL_TEST_MAIN(TestOuvertureListe)
#include "test_ouverture_liste.moc"
