#include "windows/Chargement.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "config/reglages_radio.h"
#include "platform/jalons.h"
#include "platform/programme.h"
#include "windows/Radio_FM.h"

Chargement::Chargement() {
    setWindowTitle(QStringLiteral("Sonavel"));
    setWindowFlag(Qt::FramelessWindowHint, true);
    resize(480, 300);
    Image1.setStretch(true);
}

void Chargement::Form_Load() {
    programme::aller_au_dossier();
    // A frameless splash: the picture fills the whole window.
    Image1.setGeometry(rect());
}

void Chargement::Form_Activate() {
    if (m_active) return;
    m_active = true;
    Radio::ReprendreSurErreur essayer;
    essayer([] { programme::aller_au_dossier(); });
    if (!QApplication::overrideCursor()) QApplication::setOverrideCursor(Qt::BusyCursor);
    repaint();
    essayer([] {
        jalons::marquer("activation");
        Radio_FM& principale = Radio_FM::instance();
        jalons::au_premier_affichage(principale, "affichee");
        principale.Show();
    });
    m_active = false;
    if (Radio_FM::existe() && Radio_FM::instance().isVisible()) {
        QApplication::restoreOverrideCursor();
        // Unloaded once this event is over: the window must not go while its handler runs.
        QTimer::singleShot(0, qApp, [] {
            if (!Chargement::existe()) return;
            int16_t annuler = -1;
            Chargement::instance().Form_Unload(annuler);
            if (!annuler) Chargement::decharger();
        });
    }
}

void Chargement::Form_Unload(int16_t& Cancel) { Cancel = 0; }

void Chargement::changeEvent(QEvent* e) {
    Form::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
}
