#include "windows/Liste_son.h"

Liste_son::Liste_son() {
    setWindowTitle(QStringLiteral("Fichier liste"));
    resize(760, 420);
    Label4.setCaption(QStringLiteral("00:00:00"));
    Option1.setCaption(QStringLiteral("Lecture continue"));
    Option2.setCaption(QStringLiteral("Lecture aléatoire"));
    Option3.setCaption(QStringLiteral("Fin définie"));
    Option4.setCaption(QStringLiteral("Durée piste"));
    Option1.Click = [this] { Option1_Click(); };
}
