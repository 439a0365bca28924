#include "filemanager/progression.h"

ProgressionFichiers::ProgressionFichiers(int nombre) {
    fsauve& f = fsauve::instance();
    f.setVisible(true);
    f.ProgressBar1.setMax(float(nombre));
    f.ProgressBar1.setValue(0);
    f.repaint();
}

void ProgressionFichiers::legende(const QString& activite) {
    fsauve::instance().setCaption(activite + m_points.texte());
}

void ProgressionFichiers::avancer(int index) {
    fsauve::instance().ProgressBar1.setValue(index);
    m_points.suivant();
}

void ProgressionFichiers::cacher() {
    if (fsauve::existe()) fsauve::instance().setVisible(false);
}

void ProgressionFichiers::decharger() { fsauve::decharger(); }
