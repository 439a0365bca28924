// List maintenance: start point, drive letter and volume for the whole list, in-place path
// editing and the external audio editor.
#include <QLineEdit>
#include <QLocale>
#include <QFile>
#include <QTest>

#include <sys/mount.h>

#include "config/etat.h"
#include "platform/boites.h"
#include "platform/fichiers.h"
#include "platform/lancement.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"

using namespace Radio;

namespace {
// The working list with these paths, volume 40, start 2.5, saved.
Liste_son& liste(const QStringList& chemins) {
    Liste_son& l = Liste_son::instance();
    for (const QString& c : chemins) {
        QTreeWidgetItem* r = l.ListView1.AddItem(c);
        r->setText(1, QStringLiteral("2.50"));
        r->setText(4, QStringLiteral("40"));
    }
    l.sauve_tout();
    l.ListView1.setSelectedItem(l.ListView1.ListItem(1));
    return l;
}

QVector<TypeEnregListe> enregistrements() {
    const QByteArray o = fichier_liste::lire(QStringLiteral("liste.dfm"));
    QVector<TypeEnregListe> v;
    for (int i = 0; i + enreg_liste::Longueur <= o.size(); i += enreg_liste::Longueur)
        v.append(enreg_liste::decoder(o.mid(i, enreg_liste::Longueur)));
    return v;
}

QByteArray octets() { return fichier_liste::lire(QStringLiteral("liste.dfm")); }

const QStringList Trois{QStringLiteral("/m/a.mp3"), QStringLiteral("/m/b.mp3"), QStringLiteral("/m/c.mp3")};
}  // namespace

class TestMaintenanceListe : public QObject {
    Q_OBJECT
private slots:
    void init() {
        sonavel_test::nouveau_programme();
        QLocale::setDefault(QLocale::c());
    }

    void debut_sur_toute_la_liste_data() {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<QString>("cellule");
        QTest::addColumn<double>("stocke");
        QTest::newRow("12") << "12" << "12.00" << 12.0;
        QTest::newRow("0.5") << "0.5" << "0.50" << 0.5;
        QTest::newRow("annule") << "" << "0.10" << 0.1;
    }
    void debut_sur_toute_la_liste() {
        QFETCH(QString, reponse);
        QFETCH(QString, cellule);
        QFETCH(double, stocke);
        Liste_son& l = liste(Trois);
        l.ListView1.ListItem(2)->setText(0, QStringLiteral("/m/tape.mp3"));  // not yet written
        Repondeur r;
        r.attendre_saisie(reponse);
        l.a_debutpiste_Click();
        QCOMPARE(r.boites()[0].titre, QStringLiteral("Lecture a :"));
        QCOMPARE(r.boites()[0].defaut, QStringLiteral("0.10"));
        for (int i = 1; i <= 3; ++i) QCOMPARE(l.ListView1.ListItem(i)->text(1), cellule);
        const auto e = enregistrements();
        QCOMPARE(e.size(), 3);
        for (const auto& x : e) {
            QCOMPARE(x.debut_lecture, stocke);
            QCOMPARE(x.volume, int16_t(40));
        }
        // A rebuilt row takes its path from the file: the unwritten edit is gone.
        QCOMPARE(e[1].chemin.trimmed(), QStringLiteral("/m/b.mp3"));
        QCOMPARE(l.a_debutpiste.Caption(), QStringLiteral("Début piste de la liste a : ") +
                                               (reponse.isEmpty() ? QString() : cellule));
    }

    // After a refused save the rows on screen are the list: a command that would rebuild them
    // from the old file says why and changes nothing.
    void lignes_gardees_apres_une_sauvegarde_refusee() {
        Liste_son& l = liste(Trois);
        const QByteArray dossier = QFile::encodeName(sonavel_test::dossier_programme());
        if (::mount(dossier.constData(), dossier.constData(), nullptr, MS_BIND, nullptr) != 0)
            QSKIP("no bind mount here (needs root)");
        struct Demonter {
            QByteArray d;
            ~Demonter() { ::umount2(d.constData(), MNT_DETACH); }
        } demonter{dossier};
        if (::mount(nullptr, dossier.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            QSKIP("the program folder cannot be made read-only here");
        l.ListView1.ListItem(2)->setText(0, QStringLiteral("/m/nouveau.mp3"));
        const QByteArray avant = octets();
        Repondeur r;
        r.attendre_message().attendre_message().attendre_message();
        l.sauve_tout();
        l.a_debutpiste_Click();
        l.Modifier_volume_Click();
        QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral("Ecriture de la liste impossible")));
        for (int i : {1, 2})
            QVERIFY(r.messages()[i].texte.startsWith(QStringLiteral("La liste n'a pas pu être enregistrée")));
        QCOMPARE(l.ListView1.ListCount(), 3);
        QCOMPARE(l.ListView1.ListItem(2)->text(0), QStringLiteral("/m/nouveau.mp3"));
        QCOMPARE(octets(), avant);
    }

    // One entry: the row last clicked. A start that is not a number is refused.
    void debut_sur_ce_fichier() {
        Liste_son& l = liste(Trois);
        ligne_insertion = 2;
        Repondeur r;
        r.attendre_saisie(QStringLiteral("7,25")).attendre_saisie(QStringLiteral("vite")).attendre_message();
        l.a_debutpiste_fichier_Click();
        const auto e = enregistrements();
        QCOMPARE(e[0].debut_lecture, 2.5);
        QCOMPARE(e[1].debut_lecture, 7.25);
        QCOMPARE(l.a_debutpiste_fichier.Caption(), QStringLiteral("Début piste de ce fichier a : 7.25"));
        const QByteArray avant = octets();
        l.a_debutpiste_fichier_Click();
        QCOMPARE(r.messages()[0].texte, QStringLiteral(" erreur 13"));
        QCOMPARE(r.messages()[0].style, 0);
        QCOMPARE(octets(), avant);
    }

    void volume_sur_toute_la_liste_data() {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<int>("stocke");
        QTest::newRow("150") << "150" << 100;
        QTest::newRow("37") << "37" << 35;
        QTest::newRow("-5") << "-5" << 0;
        QTest::newRow("5 between 0 and 10") << "5" << 10;
        QTest::newRow("90") << "90" << 90;
    }
    void volume_sur_toute_la_liste() {
        QFETCH(QString, reponse);
        QFETCH(int, stocke);
        Liste_son& l = liste(Trois);
        Repondeur r;
        r.attendre_message(boites::Oui).attendre_saisie(reponse);
        l.Modifier_volume_Click();
        QCOMPARE(r.boites()[0].style, 292);
        QCOMPARE(r.boites()[0].titre, QStringLiteral("Sonavel_V5"));
        QCOMPARE(r.boites()[1].texte, QStringLiteral("Cette action sera appliqué sur toute la liste\n\r\n\rEn cours : Enreg. (1)"));
        for (const auto& x : enregistrements()) QCOMPARE(x.volume, int16_t(stocke));
        QCOMPARE(l.ListView1.ListItem(3)->text(4), QString::number(stocke));
        QCOMPARE(l.volume_nul_signale, Vrai);
    }

    // No, a text that is not a number and an empty list change nothing.
    void volume_sans_effet() {
        Liste_son& l = liste(Trois);
        const QByteArray avant = octets();
        Repondeur r;
        r.attendre_message(boites::Non);
        l.Modifier_volume_Click();
        r.attendre_message(boites::Oui).attendre_saisie(QStringLiteral("fort")).attendre_message();
        l.Modifier_volume_Click();
        QCOMPARE(r.messages().last().style, 16);
        QVERIFY(r.messages().last().texte.endsWith(QStringLiteral(" err N° 13")));
        QCOMPARE(octets(), avant);
        l.ListView1.Clear();
        l.Modifier_volume_Click();
        l.Modifier_lettre_lecteur_Click();
        QCOMPARE(r.boites().size(), 4);
    }

    // Only paths that start with a drive letter change; every volume goes back to 100.
    void lettre_du_lecteur_data() {
        QTest::addColumn<QString>("reponse");
        QTest::newRow("d") << "d";
        QTest::newRow("d:") << "d:";
        QTest::newRow("D: with spaces") << " d: ";
    }
    void lettre_du_lecteur() {
        QFETCH(QString, reponse);
        const QString long_chemin = QStringLiteral("C:") + QString(198, QLatin1Char('x'));
        Liste_son& l = liste({QStringLiteral("C:\\musique\\a.mp3"), QStringLiteral("/home/radio/b.mp3"),
                              QStringLiteral("\\\\serveur\\c.mp3"), long_chemin});
        Repondeur r;
        r.attendre_message(boites::Oui).attendre_saisie(reponse);
        l.Modifier_lettre_lecteur_Click();
        QCOMPARE(r.boites()[1].texte, QStringLiteral("Cette action sera appliqué sur toute la liste\n\r\n\rEn cours :C Enreg. (1)"));
        QCOMPARE(r.boites()[1].defaut, QStringLiteral("c"));
        const auto e = enregistrements();
        QCOMPARE(e[0].chemin.trimmed(), QStringLiteral("d:\\musique\\a.mp3"));
        QCOMPARE(e[1].chemin.trimmed(), QStringLiteral("/home/radio/b.mp3"));
        QCOMPARE(e[2].chemin.trimmed(), QStringLiteral("\\\\serveur\\c.mp3"));
        QCOMPARE(e[3].chemin.trimmed(), QStringLiteral("d:") + QString(198, QLatin1Char('x')));
        for (const auto& x : e) QCOMPARE(x.volume, int16_t(100));
    }

    // An answer that is not one letter (and a list held in another format) is refused.
    void lettre_refusee() {
        Liste_son& l = liste({QStringLiteral("C:\\a.mp3")});
        const QByteArray avant = octets();
        Repondeur r;
        r.attendre_message(boites::Oui).attendre_saisie(QStringLiteral("dd")).attendre_message();
        l.Modifier_lettre_lecteur_Click();
        QCOMPARE(r.messages().last().style, 48);
        QCOMPARE(octets(), avant);
        l.chemin_liste_ouverte = QStringLiteral("ancienne.rfm");
        r.attendre_message();
        l.Modifier_lettre_lecteur_Click();
        QCOMPARE(r.messages().last().texte, QStringLiteral("Sauvegarder dans format .dfm avant traitement !"));
        QCOMPARE(octets(), avant);
    }

    // A path typed in place is stored by the next rewrite of the list.
    void chemin_modifie_sur_place() {
        Liste_son& l = liste(Trois);
        l.modifier_chemin_Click();
        QCOMPARE(modif_chemin_autorisee, Vrai);
        QVERIFY(l.modifier_chemin.Checked() && !l.modifier_chemin_non.Checked());
        l.ListView1_Click();
        QVERIFY(l.ListView1.editTriggers() != QAbstractItemView::NoEditTriggers);
        l.ListView1.ListItem(1)->setText(0, QStringLiteral("/m/nouveau.mp3"));
        QCOMPARE(enregistrements()[0].chemin.trimmed(), QStringLiteral("/m/a.mp3"));
        l.ListView1.setSelectedItem(l.ListView1.ListItem(3));
        l.supprime_Click();
        QCOMPARE(enregistrements()[0].chemin.trimmed(), QStringLiteral("/m/nouveau.mp3"));
        l.modifier_chemin_non_Click();
        l.ListView1_Click();
        QCOMPARE(l.ListView1.editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    // Typed in the real editor (F2, text, Enter): a path that fits is taken; one too long for
    // its record field is refused with a message and the row keeps its path.
    void chemin_sur_place_trop_long_refuse() {
        Liste_son& l = liste(Trois);
        l.modifier_chemin_Click();
        l.show();
        QVERIFY(QTest::qWaitForWindowExposed(&l));
        QTreeWidgetItem* premiere = l.ListView1.ListItem(1);
        QTest::mouseClick(l.ListView1.viewport(), Qt::LeftButton, {}, l.ListView1.visualItemRect(premiere).center());
        const auto taper = [&](const QString& texte) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the last editor
            QTest::keyClick(&l.ListView1, Qt::Key_F2);
            auto* editeur = l.ListView1.viewport()->findChild<QLineEdit*>();
            QVERIFY(editeur);
            editeur->selectAll();
            editeur->insert(texte);  // as an input method would: not every letter has a key
            QTest::keyClick(editeur, Qt::Key_Return);
        };
        Repondeur r;
        r.attendre_message();
        taper(QStringLiteral("/m/") + QString(120, QChar(u'П')));
        QTRY_COMPARE(r.messages().size(), 1);
        QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral("Chemin trop long pour une liste")));
        QCOMPARE(premiere->text(0), QStringLiteral("/m/a.mp3"));
        taper(QStringLiteral("/m/été.mp3"));
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(premiere->text(0), QStringLiteral("/m/été.mp3"));
    }

    // The editor gets the path as one argument; none chosen, or the do-not-save option, says so.
    void editeur_audio() {
        Liste_son& l = liste({QStringLiteral("/m/mon titre.wav")});
        num_enreg_destinataire = 1;
        Lancements lancements;
        Repondeur r;
        Chemin_editeur_audio = QStringLiteral("/usr/bin/editeur");
        l.a_modifie_morceau_Click();
        QCOMPARE(lancements.demandes().size(), 1);
        QCOMPARE(lancements.demandes()[0].cible, QStringLiteral("/usr/bin/editeur"));
        QCOMPARE(lancements.demandes()[0].arguments, QStringList{QStringLiteral("/m/mon titre.wav")});
        r.attendre_message().attendre_message().attendre_message();
        lancements.reussite = false;
        l.a_modifie_morceau_Click();
        QCOMPARE(r.messages()[0].style, 64);
        Chemin_editeur_audio = QStringLiteral("X");
        l.a_modifie_morceau_Click();
        QCOMPARE(r.messages()[1].texte, QStringLiteral("Aucun éditeur audio"));
        l.a_Ne_pas_Sauve_Click();
        l.a_modifie_morceau_Click();
        QVERIFY(r.messages()[2].texte.startsWith(QStringLiteral("Traitement impossible")));
        QCOMPARE(lancements.demandes().size(), 2);
    }
};

SONAVEL_TEST_MAIN(TestMaintenanceListe)
#include "test_maintenance_liste.moc"
