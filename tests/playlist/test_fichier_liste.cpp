// The list file behind the playlist window: the whole-list rewrite, the reload, and the two
// record readers.
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTreeWidgetItem>
#include <algorithm>
#include <functional>

#include "config/etat.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "platform/programme.h"
#include "playlist/enregistrement_liste.h"
#include "playlist/fichier_liste.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"
#include "windows/err_form.h"

using namespace Radio;

namespace {
QString dans_programme(const QString& nom) { return programme::dossier() + nom; }

// A record with its text fields blank, then patched: {offset, hex bytes}.
struct Octets {
    int position;
    const char* hex;
};
QByteArray enregistrement(std::initializer_list<Octets> champs) {
    QByteArray r(418, ' ');
    r.replace(400, 10, QByteArray(10, '\0'));  // volume and start: numbers
    for (const Octets& c : champs) {
        const QByteArray b = QByteArray::fromHex(c.hex);
        r.replace(c.position, b.size(), b);
    }
    return r;
}

void ligne(Liste_son& l, const QStringList& cellules) {
    QTreeWidgetItem* i = l.ListView1.AddItem(cellules.value(0));
    for (int c = 1; c <= 5; ++c) ListView::setSubItem(i, c, cellules.value(c));
}

QStringList cellules(const Liste_son& l, int n) {
    QStringList r;
    QTreeWidgetItem* i = l.ListView1.ListItem(n);
    for (int c = 0; c <= 5; ++c) r << i->text(c);
    return r;
}

void ecrire_liste(const QString& chemin, const QVector<TypeEnregListe>& entrees, int octets_en_trop = 0) {
    QByteArray b;
    for (const TypeEnregListe& e : entrees) b += enreg_liste::encoder(e);
    fichiers::reecrire_fichier(chemin, b + QByteArray(octets_en_trop, 'x'));
}

TypeEnregListe entree(const QString& chemin, int16_t volume, double debut = 0.1, const QString& fin = "185.5") {
    TypeEnregListe e;
    e.chemin = chemin;
    e.volume = volume;
    e.debut_lecture = debut;
    e.fin_lecture = fin;
    e.genre = QStringLiteral("rock");
    e.duree_piste = QStringLiteral("00:03:05");
    return e;
}
}  // namespace

class TestFichierListe : public QObject {
    Q_OBJECT
private slots:
    void init() {
        sonavel_test::nouveau_programme();
        QLocale::setDefault(QLocale(QLocale::C));
    }

    // Each empty cell takes its default in the view and in the file; the row number stands
    // for a missing duration.
    void sauve_tout_ecrit_la_vue_avec_les_defauts() {
        Liste_son& l = Liste_son::instance();
        ligne(l, {"/m/a.mp3", "1.50", "200.00", "pop", "80", "00:03:20"});
        ligne(l, {"/m/b.mp3"});
        index_liste_en_cours = 2;
        // The view is told of the cells the save filled, so it shows them.
        QSignalSpy changes(l.ListView1.model(), &QAbstractItemModel::dataChanged);
        l.sauve_tout();
        QVERIFY(std::any_of(changes.cbegin(), changes.cend(), [](const QList<QVariant>& a) {
            const auto debut = a[0].toModelIndex(), fin = a[1].toModelIndex();
            return debut.row() <= 1 && fin.row() >= 1 && debut.column() <= 1 && fin.column() >= 5;
        }));

        const QByteArray attendu =
            enregistrement({{0, "2f6d2f612e6d7033"},          // "/m/a.mp3"
                            {200, "3230302e3030"},            // "200.00"
                            {300, "706f70"},                  // "pop"
                            {400, "5000"},                    // 80
                            {402, "000000000000f83f"},        // 1.5
                            {410, "30303a30333a3230"}}) +     // "00:03:20"
            enregistrement({{0, "2f6d2f622e6d7033"},          // "/m/b.mp3"
                            {200, "302e3030"},                // "0.00"
                            {300, "646976657273"},            // "divers"
                            {400, "0000"},                    // 0
                            {402, "9a9999999999b93f"},        // 0.1
                            {410, "32"}});                    // "2"
        QCOMPARE(fichiers::lire_fichier(dans_programme("liste.dfm")), attendu);
        QCOMPARE(cellules(l, 2), (QStringList{"/m/b.mp3", "0.10", "0.00", "divers", "0", "2"}));
        QCOMPARE(chemin_liste, QStringLiteral("liste.dfm"));
        QCOMPARE(l.Text2.Text(), QStringLiteral("liste.dfm"));
        QCOMPARE(l.Caption(), QStringLiteral("Fichier liste ( Modification : liste.dfm )"));
        QCOMPARE(l.ListView1.Index(l.ListView1.SelectedItem()), 2);
        // No entry on air stays none: a cut or a kept volume must not go into row 1's entry.
        QCOMPARE(num_enreg_courant, 0);
        QVERIFY(l.a_modif.Enabled());

        // An empty view gives an empty file.
        l.ListView1.Clear();
        l.sauve_tout();
        QCOMPARE(QFile(dans_programme("liste.dfm")).size(), qint64(0));
    }

    // A write that fails is reported; the old file and the view's rows stay.
    void sauve_tout_en_echec_signale_et_garde_tout() {
        Liste_son& l = Liste_son::instance();
        QDir(programme::dossier()).mkdir(QStringLiteral("liste.dfm"));  // cannot be replaced by a file
        ligne(l, {"/m/a.mp3", "0.10", "0.00", "divers", "100", "1"});
        journal_actif = Vrai;
        Repondeur r;
        r.attendre_message();
        l.sauve_tout();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].style, 16);
        QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral("Ecriture de la liste impossible : ")));
        QVERIFY(QFileInfo(dans_programme("liste.dfm")).isDir());
        QCOMPARE(l.ListView1.ListCount(), 1);
        QVERIFY(QString::fromUtf8(fichiers::lire_fichier(dans_programme("journal.doc")))
                    .contains(QStringLiteral("Ecriture de la liste impossible")));
    }

    // A long path of the format's code page is written in it and survives rewrites whole;
    // one that fits in no encoding is refused where it would enter the list.
    void chemin_long_garde_ou_refuse() {
        QDir(dans_programme("liste.dfm")).removeRecursively();  // the folder an earlier case put there
        Liste_son& l = Liste_son::instance();
        const QString long_ = QStringLiteral("/musique/René/") + QString(181, QChar(u'é'));
        QCOMPARE(long_.size(), 195);
        ligne(l, {long_, "0.10", "0.00", "divers", "100", "1"});
        l.sauve_tout();
        const QByteArray octets = fichiers::lire_fichier(dans_programme("liste.dfm"));
        QCOMPARE(octets.left(12), QByteArray("/musique/Ren"));
        QCOMPARE(quint8(octets[12]), quint8(0xE9));  // one byte: the list's own code page
        chemin_liste = QStringLiteral("liste.dfm");
        l.charge_liste();
        l.sauve_tout();
        QCOMPARE(cellules(l, 1)[0], long_);
        QCOMPARE(fichiers::lire_fichier(dans_programme("liste.dfm")), octets);

        QVERIFY(fichier_liste::chemin_accepte(long_));
        Repondeur r;
        r.attendre_message();
        QVERIFY(!fichier_liste::chemin_accepte(QStringLiteral("/m/") + QString(120, QChar(u'П'))));
        QVERIFY(r.messages()[0].texte.startsWith(QStringLiteral("Chemin trop long pour une liste")));
    }

    // n whole records and a partial one: n rows; the cells as the list shows them.
    void charge_liste_lit_les_enregistrements_entiers() {
        Liste_son& l = Liste_son::instance();
        ecrire_liste(dans_programme("l.dfm"),
                     {entree("/m/a.mp3", 100, 2.5), entree("/m/b.mp3", 45, 0, "fin"), entree("/m/c.mp3", 0)}, 100);
        ligne(l, {"/ancienne.mp3"});
        chemin_liste = QStringLiteral("l.dfm");
        index_liste_en_cours = 3;
        l.charge_liste();
        QCOMPARE(l.ListView1.ListCount(), 3);
        QCOMPARE(cellules(l, 1), (QStringList{"/m/a.mp3", "2.50", "185.50", "rock", "100", "00:03:05"}));
        QCOMPARE(cellules(l, 2)[2], QStringLiteral("fin"));  // an end that is not a number as it is
        QCOMPARE(l.ListView1.Index(l.ListView1.SelectedItem()), 3);
        QCOMPARE(l.Supprimer_fichier.Caption(), QStringLiteral("Supprimer le fichier l.dfm"));
        QVERIFY(element_courant == nullptr);
    }

    // Reading never creates a list: a missing file is an error of the caller's path.
    void lecteurs_sans_fichier_ne_creent_rien() {
        Liste_son& l = Liste_son::instance();
        chemin_liste = QStringLiteral("absente.dfm");
        {
            Repondeur r;
            r.attendre_message();
            l.charge_liste();
            QCOMPARE(r.messages()[0].texte, QStringLiteral("Erreur 53 Fichier introuvable"));
        }
        // The entry readers read the view, not the file: a row the view does not have is
        // error 63 for the caller, never a box (list play calls them from its ticks).
        enreg_destinataire.chemin = QStringLiteral("garde");
        const auto numero_d_erreur = [](const std::function<void()>& lire) {
            try {
                lire();
            } catch (const Erreur& e) {
                return e.numero();
            }
            return 0;
        };
        QCOMPARE(numero_d_erreur([&] { l.lire_enreg_destinataire(); }), 63);
        QCOMPARE(numero_d_erreur([&] { l.lire_enreg_dragdrop(); }), 63);
        QCOMPARE(enreg_destinataire.chemin, QStringLiteral("garde"));
        QVERIFY(!QFile::exists(dans_programme("absente.dfm")));
    }

    void lire_enreg_destinataire_volumes_et_numero() {
        QFETCH(int, stocke);
        QFETCH(int, niveau);
        Liste_son& l = Liste_son::instance();
        l.volume_nul_signale = Vrai;  // the notice has its own test
        ecrire_liste(dans_programme("l.dfm"), {entree("  /m/Été.mp3 ", int16_t(stocke), 0.125, " 12.5 FIN ")});
        chemin_liste = QStringLiteral("l.dfm");
        l.charge_liste();
        // The row as shown is the entry: the stored record's file no longer plays a part.
        QFile::remove(dans_programme("l.dfm"));
        num_enreg_destinataire = 0;
        l.lire_enreg_destinataire();
        QCOMPARE(num_enreg_destinataire, 1);
        QCOMPARE(int(enreg_destinataire.volume), niveau);
        QCOMPARE(enreg_destinataire.chemin, QStringLiteral("/m/Été.mp3"));
        QCOMPARE(enreg_destinataire.fin_lecture, QStringLiteral("12.5 fin"));
        QCOMPARE(enreg_destinataire.debut_lecture, rt::CDbl(rt::format_nombre(0.125)));  // the start as shown
        QCOMPARE(enreg_destinataire.duree_piste, QStringLiteral("00:03:05"));
        QCOMPARE(nom_fichier_affiche, QStringLiteral("Été.mp3"));
    }
    void lire_enreg_destinataire_volumes_et_numero_data() {
        QTest::addColumn<int>("stocke");
        QTest::addColumn<int>("niveau");
        QTest::newRow("10 %") << 10 << -3800;
        QTest::newRow("100 %") << 100 << 0;
        QTest::newRow("5 %: not in the table") << 5 << 5;
        QTest::newRow("12: not in the table") << 12 << 12;
        QTest::newRow("0 %") << 0 << -4000;
    }

    // A row past the end is an error, not a blank entry, and the entry in hand stays.
    void lire_au_dela_de_la_fin_est_une_erreur() {
        Liste_son& l = Liste_son::instance();
        ecrire_liste(dans_programme("l.dfm"), {entree("/m/a.mp3", 100)});
        chemin_liste = QStringLiteral("l.dfm");
        l.charge_liste();
        enreg_destinataire = entree("/avant.mp3", -200);
        num_enreg_destinataire = 2;
        int numero = 0;
        try {
            l.lire_enreg_destinataire();
        } catch (const Erreur& e) {
            numero = e.numero();
        }
        QCOMPARE(numero, 63);
        QCOMPARE(enreg_destinataire.chemin, QStringLiteral("/avant.mp3"));
        QCOMPARE(enreg_destinataire.volume, int16_t(-200));
    }

    // Once per life of the window, with the deck sliders at full level when a deck is current.
    void notice_de_volume_nul_une_fois() {
        Liste_son& l = Liste_son::instance();
        Radio_FM& f = Radio_FM::instance();
        f.Slider1.setValue(7);
        ecrire_liste(dans_programme("l.dfm"), {entree("/m/a.mp3", 0), entree("/m/b.mp3", 0)});
        chemin_liste = QStringLiteral("l.dfm");
        l.charge_liste();
        lecteur_en_cours = 2;
        num_enreg_destinataire = 1;
        l.lire_enreg_destinataire();
        QVERIFY(err_form::instance().isVisible());
        QCOMPARE(err_form::instance().Label1.Caption(),
                 QStringLiteral("le niveau son est nul\rvous devez si vous utilisez des listes\n\r\n\r"
                                "créés avec une version anterieure de Sonavel\r"
                                "Mettez a jour vos listes (voir menu clic droit)\r"
                                "- Mettre a jour les infos de la liste -"));
        QCOMPARE(f.Slider1.Value(), 0);
        QCOMPARE(l.volume_nul_signale, Vrai);
        err_form::instance().hide();
        f.Slider1.setValue(7);
        num_enreg_destinataire = 2;
        l.lire_enreg_destinataire();
        QVERIFY(!err_form::instance().isVisible());
        QCOMPARE(f.Slider1.Value(), 7);
    }

    void lire_enreg_dragdrop_garde_le_pourcentage() {
        Liste_son& l = Liste_son::instance();
        ecrire_liste(dans_programme("l.dfm"), {entree("/m/a.mp3", 10), entree("/m/b.mp3", 45, 1.23456, "20")});
        chemin_liste = QStringLiteral("l.dfm");
        l.charge_liste();
        l.num_enreg_survol = 2;
        l.lire_enreg_dragdrop();
        // The row as shown: the start and end as the list writes them.
        QCOMPARE(enreg_dragdrop.chemin, QStringLiteral("/m/b.mp3"));
        QCOMPARE(enreg_dragdrop.volume, int16_t(45));
        QCOMPARE(enreg_dragdrop.debut_lecture, 1.23);
        QCOMPARE(enreg_dragdrop.fin_lecture, QStringLiteral("20.00"));
    }

    // One record replaced in place of the whole file; a missing list is not created.
    void ecrire_un_enregistrement() {
        ecrire_liste(dans_programme("l.dfm"), {entree("/m/a.mp3", 100), entree("/m/b.mp3", 100)}, 17);
        fichier_liste::ecrire_enregistrement(QStringLiteral("l.dfm"), 2, entree("/m/z.mp3", 55));
        const QByteArray b = fichiers::lire_fichier(dans_programme("l.dfm"));
        QCOMPARE(b.size(), 2 * 418);
        QCOMPARE(enreg_liste::decoder(b.mid(418)).volume, int16_t(55));
        QCOMPARE(enreg_liste::decoder(b.left(418)).chemin.trimmed(), QStringLiteral("/m/a.mp3"));
        fichier_liste::ecrire_enregistrement(QStringLiteral("l.dfm"), 3, entree("/m/c.mp3", 10));
        QCOMPARE(QFile(dans_programme("l.dfm")).size(), qint64(3 * 418));
        QCOMPARE(sonavel_test::erreur_de([] {
                     fichier_liste::ecrire_enregistrement(QStringLiteral("l.dfm"), 5, TypeEnregListe());
                 }),
                 63);
        QCOMPARE(sonavel_test::erreur_de([] {
                     fichier_liste::ecrire_enregistrement(QStringLiteral("absente.dfm"), 1, TypeEnregListe());
                 }),
                 53);
        QVERIFY(!QFile::exists(dans_programme("absente.dfm")));
    }

    // The record of a row is the same whether its numbers take the direct path or the general
    // conversion: the start's bits and the volume, for plain texts, odd ones, and texts that
    // do not convert (0).
    void nombres_de_ligne_comme_la_conversion_generale() {
        QStringList textes{"0", "1", "-3", "12.34", "0.10", "0.00", "100", "-0", "-0.00", "007", "1.5", "2.5",
                           "-2.5", "32767", "32767.5", "-32768", "-32768.5", "40000", "999999999999999",
                           "0.000000000000001", "123456789012.345", "9007199254740993", "1234567890123456",
                           "0.1000000000000000055", "1e308", "1e999", "-1e999", "1,5", " 2", "2 ", "+4",
                           "1e3", "1E-2", ".5", "5.", "", "abc", "-", "1.2.3", "１２", "1-", "--1"};
        // Plain texts of every length and scale, from a fixed seed.
        QRandomGenerator g(1234);
        for (int k = 0; k < 5000; ++k) {
            QString t = QString::number(g.bounded(Q_INT64_C(1000000000000000)));
            t.truncate(1 + g.bounded(15));
            const int point = g.bounded(t.size() + 1);
            if (point > 0 && point < t.size()) t.insert(point, QLatin1Char('.'));
            textes << (g.bounded(2) ? QLatin1Char('-') + t : t);
        }
        int directs = 0;
        for (const QString& t : textes) {
            QTreeWidgetItem ligne(QStringList{"/m/é.mp3", t, "0.00", "divers", t, "1"});
            TypeEnregListe general;
            general.chemin = QStringLiteral("/m/é.mp3");
            general.fin_lecture = QStringLiteral("0.00");
            general.genre = QStringLiteral("divers");
            general.duree_piste = QStringLiteral("1");
            try {
                general.debut_lecture = rt::CDbl(t);
            } catch (const Erreur&) {
            }
            try {
                general.volume = rt::CInt(t);
            } catch (const Erreur&) {
            }
            QCOMPARE(enreg_liste::encoder(fichier_liste::entree_de_ligne(&ligne)), enreg_liste::encoder(general));
            double v;
            directs += rt::nombre_simple(t, v);
        }
        QVERIFY(directs > 5000);
        double v = 0;
        for (const char* direct : {"0", "-3", "12.34", "0.10", "999999999999999"})
            QVERIFY(rt::nombre_simple(direct, v));
        for (const char* general : {"-0", "1,5", " 2", "1e3", "", "abc", ".5", "5.", "1234567890123456"})
            QVERIFY(!rt::nombre_simple(general, v));
    }

    void convertir_valeur_son_ecriture() {
        Liste_son& l = Liste_son::instance();
        enreg_destinataire.volume = -3800;
        l.convertir_valeur_son_ecriture();
        QCOMPARE(enreg_destinataire.volume, int16_t(10));
        enreg_destinataire.volume = -3600;
        l.convertir_valeur_son_ecriture();
        QCOMPARE(enreg_destinataire.volume, int16_t(-3600));
    }
};

SONAVEL_TEST_MAIN(TestFichierListe)
#include "test_fichier_liste.moc"
