// Every picture the programs load by name is shipped and readable; the banners move.
#include <QImage>
#include <QMovie>

#include "support/sonavel_test.h"

class TestImages : public QObject {
    Q_OBJECT
private slots:
    void chaque_image_se_lit_data() {
        QTest::addColumn<QString>("nom");
        for (const char* nom :
             {"main_.jpg", "fond_noir1.jpg", "Logo_liste1.gif", "Liste_sonavel1.jpg", "Menu_fichier_noir.gif",
              "Logo_form_option.jpg", "bouton_noir_gros.jpg", "bouton_noir_grosdoux.jpg",
              "bouton_noir_moyendoux.jpg", "bouton_noir_petitdoux.jpg", "bouton_vide_noir.gif", "Open_noir.gif",
              "tplay_noir.gif", "bouton_fleche_noir.gif", "boutons_bas.jpg", "micro_desactive.jpg", "b1noir.jpg",
              "b2noir.jpg", "b3noir.jpg", "b4noir.jpg", "b5noir.jpg", "b6noir.jpg", "b7noir.jpg", "bandeau.gif",
              "bandeau_Flash.gif", "Sonavel_V5.png", "Aide_Sonavel.png", "Sonavel_liste.png"})
            QTest::newRow(nom) << QString::fromUtf8(nom);
    }
    void chaque_image_se_lit() {
        QFETCH(QString, nom);
        const QImage image(sonavel_test::dossier_images() + QLatin1Char('/') + nom);
        QVERIFY2(!image.isNull(), qPrintable(nom));
        QVERIFY(image.width() > 1 && image.height() > 1);
    }

    void les_bandeaux_sont_animes() {
        for (const char* nom : {"bandeau.gif", "bandeau_Flash.gif"}) {
            QMovie film(sonavel_test::dossier_images() + QLatin1Char('/') + QString::fromUtf8(nom));
            QVERIFY2(film.isValid() && film.frameCount() > 1, nom);
        }
    }
};

SONAVEL_TEST_MAIN(TestImages)
#include "test_images.moc"
