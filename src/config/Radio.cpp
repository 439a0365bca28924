#include "config/Radio.h"

#include <QApplication>
#include <QTimer>

#include "config/etat.h"
#include "config/reglages_radio.h"
#include "config/table_reglages.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/jalons.h"
#include "platform/media.h"
#include "platform/programme.h"
#include "windows/Chargement.h"
#include "windows/Radio_FM.h"

namespace Radio {
namespace {
QString& ligne_commande() {
    static QString l;
    return l;
}
bool& demarrage() {
    static bool d = false;
    return d;
}
}  // namespace

QString version_texte() {
    return QStringLiteral("%1.%2.%3").arg(VersionMajeure).arg(VersionMineure).arg(VersionRevision);
}

QString Command() { return ligne_commande(); }
void definir_ligne_commande(const QString& texte) { ligne_commande() = texte; }

QString fichier_de_ligne_commande(const QString& ligne) {
    const QString f = rt::Trim(ligne);
    const QChar guillemet(u'"');
    if (f.size() >= 2 && f.startsWith(guillemet) && f.endsWith(guillemet)) return f.mid(1, f.size() - 2);
    return f;
}

bool demarrage_en_cours() { return demarrage(); }
void definir_demarrage(bool en_cours) { demarrage() = en_cours; }

void demarrer() {
    ReprendreSurErreur essayer;
    essayer([] { programme::aller_au_dossier(); });
    type_affichage = lire_reglage(cle::Config, cle::type_affichage);
    essayer([] { coul_label = rt::CLng(lire_reglage(cle::Couleur_liste, cle::coul_label)); });
    essayer([] { coul_fenètre = rt::CLng(lire_reglage(cle::Couleur_liste, cle::coul_fenetre)); });
    if (essayer.Number() > 0) {
        ecrire_reglage_discret(cle::Couleur_liste, cle::coul_label, QString::fromUtf8(valeur::coul_label_demarrage));
        coul_label = couleur::TexteBouton;
        ecrire_reglage_discret(cle::Couleur_liste, cle::coul_fenetre, QString::fromUtf8(valeur::coul_fenetre_demarrage));
        coul_fenètre = couleur::FaceBouton;
        ecrire_reglage_discret(cle::Config, cle::type_affichage, QString::fromUtf8(valeur::T_perso));
    }
    jalons::marquer("reglages_affichage");
    Radio_FM::precharger_images_du_chargement();
    Chargement& splash = Chargement::instance();
    splash.Image1.setPicture(QStringLiteral("main_.jpg"));
    jalons::au_premier_affichage(splash, "chargement_affiche");
    splash.Show();
    // Without a window manager the splash may never be activated: the first activation is
    // also asked for once the event loop runs.
    QTimer::singleShot(0, &splash, [] {
        if (Chargement::existe()) Chargement::instance().Form_Activate();
    });
}

int Main(int argc, char** argv) {
    jalons::marquer("main");
    programme::preparer_plateforme();
    QApplication app(argc, argv);
    jalons::marquer("qapplication");
    // GStreamer's one-time costs are paid in a thread while the windows come up: the first
    // file loaded does not hold the window thread for them.
    FilgraphManager::prechauffer_en_fond();
    programme::affichage_ouvert();
    QApplication::setApplicationName(QStringLiteral("Sonavel_V5"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    definir_ligne_commande(arguments.join(QLatin1Char(' ')));
    definir_demarrage(true);
    demarrer();
    return app.exec();
}
}  // namespace Radio
