#include "config/utilitaires.h"

#include <QGuiApplication>
#include <QNetworkInformation>
#include <QScreen>

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "config/etat.h"
#include "platform/form.h"

namespace Radio {
namespace {
QSize taille_ecran_twips() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QSize px = ecran ? ecran->geometry().size() : QSize();
    return px * TwipsParPixel;
}

void porte_cd(unsigned long commande) {
    const int fd = ::open("/dev/cdrom", O_RDONLY | O_NONBLOCK);
    if (fd < 0) return;
    (void)::ioctl(fd, commande, 0);
    ::close(fd);
}
}  // namespace

int16_t connexion_internet() {
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend()) return Faux;
    const QNetworkInformation* info = QNetworkInformation::instance();
    return info && info->reachability() == QNetworkInformation::Reachability::Online ? Vrai : Faux;
}

void centre_fenetre(Form& fenetre) {
    const QSize ecran = taille_ecran_twips();
    fenetre.setTop(int((float(ecran.height()) - float(fenetre.Height())) / 2.0f));
    fenetre.setLeft(int((float(ecran.width()) - float(fenetre.Width())) / 2.0f));
}

void centre_haut(Form& fenetre) {
    const QSize ecran = taille_ecran_twips();
    fenetre.setTop(TwipsParPixel);
    fenetre.setLeft(int((float(ecran.width()) - float(fenetre.Width())) / 2.0f));
}

void ouvre_cd() { porte_cd(CDROMEJECT); }
void ferme_cd() { porte_cd(CDROMCLOSETRAY); }
}  // namespace Radio
