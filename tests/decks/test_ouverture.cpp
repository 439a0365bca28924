// Opening a file onto a deck: the dialog, drops from other programs and from the file
// manager, the failures, and the open buttons' pictures. Real media on generated files.
#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include "config/etat.h"
#include "platform/programme.h"
#include "platform/reglages.h"
#include "support/fixtures.h"
#include "support/graphe_simule.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
const QString Filtre = QStringLiteral(
    "fichier multimédia |*.mp3;*.wav;*.wma;*.mid;*.avi;*.mpg|fichier (*.mp3)|*.mp3|fichier (*.wav)|*.wav|"
    "fichier (*.mid)|*.mid|fichier vidéo (*.avi)|*.avi|fichier audio (*.wma)|*.wma|Tous fichiers (*.*)|*.*");

void mode_manuel(Radio_FM& f) {
    f.a_mode_auto.setChecked(false);
    f.a_mode_manuel.setChecked(true);
    f.Timer3.setEnabled(false);
}
bool en_mode_automatique(const Radio_FM& f) {
    return f.a_mode_auto.Checked() && !f.a_mode_manuel.Checked() && f.Timer3.Enabled();
}

QString dossier_programme_sans_separateur() {
    QString d = programme::dossier();
    d.chop(1);
    return d;
}
}  // namespace

class TestOuverture : public QObject {
    Q_OBJECT
    QTemporaryDir m_musique;

    // A copy of a generated file under a short name, in the music folder.
    QString copie(const QString& source, const QString& nom) {
        const QString chemin = m_musique.path() + QLatin1Char('/') + nom;
        QFile::remove(chemin);
        QFile::copy(source, chemin);
        return chemin;
    }

private slots:
    void init() {
        sonavel_test::nouveau_programme();
        Chemin_programme = programme::dossier();
        Chemin_dernier_fichier = m_musique.path() + QLatin1Char('/');
        glisser_deplacer_actif = Vrai;
    }

    void le_dialogue_ouvre_le_fichier_sur_le_lecteur() {
        const QString chanson = copie(fixtures::mp3(2), QStringLiteral("Chanson.MP3"));
        Radio_FM& f = Radio_FM::instance();
        f.Command3.setEnabled(false);
        f.HLBSoftBttn1.setEnabled(false);
        Repondeur r;
        r.attendre_fichier(chanson);
        f.Command1_Click();

        const Repondeur::Boite& b = r.boites().at(0);
        QCOMPARE(b.genre, boites::Genre::Ouvrir);
        QCOMPARE(b.titre, QStringLiteral("Ouvrir un fichier multimédia"));
        QCOMPARE(b.filtre, Filtre);
        QCOMPARE(b.dossier, m_musique.path() + QLatin1Char('/'));
        QCOMPARE(b.fichier, QString());
        QCOMPARE(chemin_lecteur1, chanson);
        QCOMPARE(f.Label2.Caption(), QStringLiteral("Chanson ( 00:00:02 )"));
        QCOMPARE(f.Label6.Caption(), QStringLiteral("2"));
        QCOMPARE(f.picProgBack.Max(), 2);
        QVERIFY(f.Command3.isEnabled());
        QVERIFY(f.HLBSoftBttn1.isEnabled());
        QVERIFY(f.lecteur1.graphe.GetState(0) != etat_graphe::EnLecture);  // opened, not played
        QCOMPARE(Chemin_dernier_fichier, m_musique.path() + QLatin1Char('/'));
        QCOMPARE(reglages::lire(QStringLiteral("Sonavel V5"), QStringLiteral("Config"),
                                QStringLiteral("Chemin_dernier_fichier")),
                 m_musique.path() + QLatin1Char('/'));
    }

    // The toolkit's own dialog, as the user sees it: a name in capitals is offered and opens.
    void le_vrai_dialogue_offre_les_noms_en_capitales() {
        QTemporaryDir dossier;
        const QString chanson = dossier.filePath(QStringLiteral("SONG.MP3"));
        QFile::copy(fixtures::mp3(2), chanson);
        QFile(dossier.filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
        Chemin_dernier_fichier = dossier.path();
        Radio_FM& f = Radio_FM::instance();
        QStringList offerts;
        QString titre;
        const boites::Interception garde = boites::definir_interception({});
        QTimer::singleShot(0, [&] {
            QFileDialog* dlg = nullptr;
            // A failed check leaves no dialog waiting for a user.
            const auto fermer = qScopeGuard([] {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
            });
            QTRY_VERIFY_WITH_TIMEOUT((dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())), 10000);
            titre = dlg->windowTitle();
            auto* vue = dlg->findChild<QAbstractItemView*>(QStringLiteral("treeView"));
            QAbstractItemModel* m = vue->model();
            // The folder is listed in the background.
            QTRY_VERIFY_WITH_TIMEOUT(m->rowCount(vue->rootIndex()) > 0, 10000);
            for (int i = 0; i < m->rowCount(vue->rootIndex()); ++i) {
                const QModelIndex x = m->index(i, 0, vue->rootIndex());
                if (m->flags(x) & Qt::ItemIsEnabled) offerts << x.data().toString();
            }
            // The user types the name and confirms.
            dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("SONG.MP3"));
            QMetaObject::invokeMethod(dlg, "accept");
        });
        f.Command1_Click();
        boites::definir_interception(garde);
        QCOMPARE(titre, QStringLiteral("Ouvrir un fichier multimédia"));
        QCOMPARE(offerts, QStringList{QStringLiteral("SONG.MP3")});
        QCOMPARE(f.Label2.Caption(), QStringLiteral("SONG ( 00:00:02 )"));
    }

    void une_demi_seconde_va_a_la_seconde_paire() {
        GrapheSimule::Installation simule;
        GrapheSimule::definir(QStringLiteral("/musique/Court.mp3"), 2.5);
        Radio_FM& f = Radio_FM::instance();
        Repondeur r;
        r.attendre_fichier(QStringLiteral("/musique/Court.mp3"));
        f.Command2_Click();
        QCOMPARE(f.Label1.Caption(), QStringLiteral("2"));
        QCOMPARE(f.picProgBack1.Max(), 2);
        QVERIFY(f.Command4.isEnabled());
    }

    void annuler_ne_change_rien() {
        Radio_FM& f = Radio_FM::instance();
        chemin_lecteur2 = QStringLiteral("/avant.mp3");
        f.Label3.setCaption(QStringLiteral("Avant"));
        f.Command4.setEnabled(false);
        Repondeur r;
        r.attendre_annulation();
        f.Command2_Click();
        QCOMPARE(chemin_lecteur2, QStringLiteral("/avant.mp3"));
        QCOMPARE(f.Label3.Caption(), QStringLiteral("Avant"));
        QVERIFY(!f.Command4.isEnabled());
        QCOMPARE(Chemin_dernier_fichier, m_musique.path() + QLatin1Char('/'));
    }

    void un_dossier_disparu_ramene_au_dossier_du_programme() {
        Radio_FM& f = Radio_FM::instance();
        Chemin_dernier_fichier = m_musique.path() + QStringLiteral("/disparu/");
        reglages::ecrire(QStringLiteral("Sonavel V5"), QStringLiteral("Config"), QStringLiteral("Chemin_dernier_fichier"),
                         Chemin_dernier_fichier);
        Repondeur r;
        r.attendre_message();
        f.Command7_Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, Erreur::description_standard(err::CheminIntrouvable));
        QCOMPARE(r.messages()[0].style, 16);
        QCOMPARE(Chemin_dernier_fichier, dossier_programme_sans_separateur());
        // Memory only: the store keeps what it had.
        QCOMPARE(reglages::lire(QStringLiteral("Sonavel V5"), QStringLiteral("Config"),
                                QStringLiteral("Chemin_dernier_fichier")),
                 m_musique.path() + QStringLiteral("/disparu/"));

        r.attendre_annulation();
        f.Command7_Click();
        QCOMPARE(r.boites().last().dossier, dossier_programme_sans_separateur());
    }

    void un_fichier_refuse_laisse_le_lecteur_en_attente_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("duree");
        QTest::addColumn<bool>("message_seul");
        QTest::newRow("0.6 s") << fixtures::mp3(0.6) << "1" << true;
        QTest::newRow("texte nommé mp3") << fixtures::texte_nomme_mp3() << "7" << false;
    }
    void un_fichier_refuse_laisse_le_lecteur_en_attente() {
        QFETCH(QString, fichier);
        QFETCH(QString, duree);
        QFETCH(bool, message_seul);
        Radio_FM& f = Radio_FM::instance();
        f.Label9.setCaption(QStringLiteral("7"));
        f.Command6.setEnabled(false);
        Repondeur r;
        r.attendre_fichier(fichier).attendre_message();
        f.Command7_Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].style, 16);
        QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral("Erreur lecture fichier ")));
        QCOMPARE(r.messages()[0].texte == QStringLiteral("Erreur lecture fichier "), message_seul);
        QCOMPARE(f.Label4.Caption(), QStringLiteral(" - En attente"));
        QCOMPARE(f.Label9.Caption(), duree);
        QVERIFY(!f.Command6.isEnabled());
        QCOMPARE(Chemin_dernier_fichier, m_musique.path() + QLatin1Char('/'));
    }

    void trois_fichiers_deposes_ouvrent_le_premier() {
        const QString a = copie(fixtures::mp3(2), QStringLiteral("A.mp3"));
        const QString b = copie(fixtures::mp3(2), QStringLiteral("B.mp3"));
        const QString c = copie(fixtures::mp3(2), QStringLiteral("C.mp3"));
        Radio_FM& f = Radio_FM::instance();
        mode_manuel(f);
        QMimeData donnees;
        donnees.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b), QUrl::fromLocalFile(c)});
        QDragEnterEvent entree(QPoint(5, 5), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.Command2, &entree);
        QVERIFY(entree.isAccepted());
        QDropEvent depot(QPointF(5, 5), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.Command2, &depot);  // no dialog: the Repondeur's guard is on
        QCOMPARE(chemin_lecteur2, a);
        QCOMPARE(f.chemin_fichier_depose, a);
        QCOMPARE(f.Label3.Caption(), QStringLiteral("A ( 00:00:02 )"));
        QCOMPARE(fichier_depose, Faux);
        QCOMPARE(Chemin_dernier_fichier, m_musique.path() + QLatin1Char('/'));
        QVERIFY(en_mode_automatique(f));
    }

    void un_texte_depose_ouvre_le_dialogue() {
        Radio_FM& f = Radio_FM::instance();
        mode_manuel(f);
        Repondeur r;
        r.attendre_annulation();
        f.Command7_OLEDragDrop({});
        QCOMPARE(r.boites().size(), 1);
        QCOMPARE(r.boites()[0].titre, QStringLiteral("Ouvrir un fichier multimédia"));
        QVERIFY(en_mode_automatique(f));  // whatever the open did
    }

    void sans_glisser_deposer_rien_ne_se_passe() {
        Radio_FM& f = Radio_FM::instance();
        glisser_deplacer_actif = Faux;
        mode_manuel(f);
        f.Command1_OLEDragDrop({copie(fixtures::mp3(2), QStringLiteral("A.mp3"))});
        QCOMPARE(chemin_lecteur1, QString());
        QCOMPARE(fichier_depose, Faux);
        QVERIFY(f.a_mode_manuel.Checked());
    }

    void un_echec_ne_laisse_pas_les_drapeaux_du_depot() {
        Radio_FM& f = Radio_FM::instance();
        Repondeur r;
        r.attendre_message();
        f.Command1_OLEDragDrop({fixtures::texte_nomme_mp3()});
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(fichier_depose, Faux);
        QCOMPARE(glisser_fichier_en_cours, Faux);
        // The next open asks for a file again instead of reopening the refused one.
        r.attendre_annulation();
        f.Command1_Click();
        QCOMPARE(r.boites().last().genre, boites::Genre::Ouvrir);
    }

    void glisser_depuis_le_gestionnaire() {
        const QString chanson = copie(fixtures::mp3(3), QStringLiteral("Glisse.mp3"));
        Radio_FM& f = Radio_FM::instance();
        enreg_dragdrop.chemin = chanson;

        glisser_fichier_en_cours = Faux;
        f.Command2_DragDrop();
        QCOMPARE(chemin_lecteur2, QString());

        glisser_fichier_en_cours = Vrai;
        f.Command2_DragDrop();
        QVERIFY(Liste_son::instance().Option1.Value());
        QCOMPARE(chemin_lecteur2, chanson);
        QCOMPARE(f.Label1.Caption(), QStringLiteral("3"));
        QCOMPARE(glisser_fichier_en_cours, Faux);
    }

    void images_et_info_bulle_du_bouton() {
        Radio_FM& f = Radio_FM::instance();
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::gray);
        for (const char* nom : {"bouton_vide_noir.gif", "Open_noir.gif"})
            QVERIFY(image.save(programme::dossier() + QLatin1String(nom), "PNG"));
        f.Command1.MouseDown(1, 0, 3, 3);
        QCOMPARE(f.Command1.Picture(), programme::dossier() + QStringLiteral("bouton_vide_noir.gif"));
        f.Command1.MouseUp(1, 0, 3, 3);
        QCOMPARE(f.Command1.Picture(), programme::dossier() + QStringLiteral("Open_noir.gif"));
        // A picture that cannot be loaded leaves the one shown.
        QFile::remove(programme::dossier() + QStringLiteral("bouton_vide_noir.gif"));
        f.Command1.MouseDown(1, 0, 3, 3);
        QCOMPARE(f.Command1.Picture(), programme::dossier() + QStringLiteral("Open_noir.gif"));

        f.Command1.MouseMove(0, 0, 3, 3);
        QCOMPARE(f.Command1.toolTip(), QStringLiteral("Chemin par défaut : ") + Chemin_dernier_fichier);
    }
};

SONAVEL_TEST_MAIN(TestOuverture)
#include "test_ouverture.moc"
