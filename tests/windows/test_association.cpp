// File-type association: the desktop files written into the user's own folders (desktop
// entry, MIME package, icon, default list), the refusals, a file of another program, a second
// run, and the desktop's own lookup and opening of a list through the association.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <functional>
#include <memory>

#include "config/etat.h"
#include "platform/bureau.h"
#include "platform/programme.h"
#include "support/repondeur.h"
#include "support/sonavel_test.h"
#include "windows/Association.h"
#include "windows/Radio_FM.h"

using namespace Radio;

namespace {
QString donnees() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }
QString entree() { return donnees() + QStringLiteral("/applications/Sonavel_V5.desktop"); }
QString paquet(const QString& ext) { return donnees() + QStringLiteral("/mime/packages/Sonavel_V5-") + ext + ".xml"; }
QString defauts() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/mimeapps.list");
}

QString lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void ecrire(const QString& chemin, const QByteArray& contenu) {
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

void effacer_bureau() {
    QDir(donnees()).removeRecursively();
    QFile::remove(defauts());
}

// The key of the desktop entry's group.
QString cle(const QString& texte, const char* nom) {
    return bureau::lire_cle(texte, QStringLiteral("Desktop Entry"), QString::fromLatin1(nom));
}

struct TypeMime {
    QString type, commentaire, icone;
    QStringList motifs;
};

// The package's one MIME type, read as XML.
TypeMime lire_paquet(const QString& chemin) {
    TypeMime t;
    QXmlStreamReader x(lire(chemin));
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement) continue;
        if (x.name() == QLatin1String("mime-type")) t.type = x.attributes().value("type").toString();
        else if (x.name() == QLatin1String("comment")) t.commentaire = x.readElementText();
        else if (x.name() == QLatin1String("icon")) t.icone = x.attributes().value("name").toString();
        else if (x.name() == QLatin1String("glob")) t.motifs << x.attributes().value("pattern").toString();
    }
    if (x.hasError()) t.type = QStringLiteral("XML: ") + x.errorString();
    return t;
}

// Applies with the option and answers the success message.
void appliquer(OptionButton& option, Repondeur& r) {
    Association& a = Association::instance();
    option.setValue(true);
    r.attendre_message();
    a.CréationAssociation_Click();
}

QString icone_ico() {
    const QString chemin = sonavel_test::dossier_images() + QStringLiteral("/Sonavel_liste.ico");
    return chemin;
}
}  // namespace

class TestAssociation : public QObject {
    Q_OBJECT
private slots:
    void init() {
        sonavel_test::nouveau_programme();
        effacer_bureau();
        Chemin_programme = programme::dossier();
    }

    void fenetre_au_chargement() {
        Association& a = Association::instance();
        QCOMPARE(a.Caption(), QStringLiteral("Association de fichiers"));
        QCOMPARE(a.Label3.Caption(), QStringLiteral("Associer les fichiers liste de Sonavel_V5"));
        for (OptionButton* o : {&a.Option1, &a.Option2, &a.Option3, &a.Option4, &a.Option5, &a.Option6})
            QVERIFY(!o->Value());
        // Each option names its extension in the icon label; the typed one as typed.
        const QStringList attendus = {".mp3", ".wav", ".wma", ".avi", "..xxx", ".dfm"};
        OptionButton* options[] = {&a.Option1, &a.Option2, &a.Option3, &a.Option4, &a.Option5, &a.Option6};
        for (int i = 0; i < 6; ++i) {
            options[i]->setValue(true);
            QCOMPARE(a.Command3.Caption(), QStringLiteral("Chercher icone pour fichier ") + attendus[i]);
        }
    }

    void mp3_sans_icone() {
        Association& a = Association::instance();
        Repondeur r;
        appliquer(a.Option1, r);
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].texte, QStringLiteral("Ajout effectué avec succès !"));
        QCOMPARE(r.messages()[0].style, 64);
        QVERIFY(!a.CréationAssociation.isEnabled());
        a.Option2.setValue(true);
        QVERIFY(a.CréationAssociation.isEnabled());

        const QString e = lire(entree());
        QCOMPARE(cle(e, "Type"), QStringLiteral("Application"));
        QCOMPARE(cle(e, "Name"), QStringLiteral("Sonavel_V5"));
        QCOMPARE(cle(e, "Exec"), QStringLiteral("\"") + programme::dossier() + QStringLiteral("Sonavel_V5\" %f"));
        QCOMPARE(cle(e, "MimeType"), QStringLiteral("audio/mpeg;"));
        QCOMPARE(cle(e, "Icon"), programme::dossier() + QStringLiteral("Sonavel_V5.png"));
        // A type the desktop knows needs no package without an icon.
        QVERIFY(!QFile::exists(paquet("mp3")));
        const QString d = lire(defauts());
        QCOMPARE(bureau::lire_cle(d, "Default Applications", "audio/mpeg"), QStringLiteral("Sonavel_V5.desktop"));
        QCOMPARE(bureau::lire_cle(d, "Added Associations", "audio/mpeg"), QStringLiteral("Sonavel_V5.desktop;"));
    }

    void liste_avec_icone_et_seconde_fois_identique() {
        Association& a = Association::instance();
        // What another program put in the default list stays.
        ecrire(defauts(), "[Default Applications]\ntext/plain=editeur.desktop\n\n[Added Associations]\n"
                          "application/x-sonavel-liste=autre.desktop;\n");
        Repondeur r;
        r.attendre_fichier(icone_ico());
        a.Command3_Click();
        QCOMPARE(a.Text2.Text(), QStringLiteral(".../Sonavel_liste.ico"));
        QCOMPARE(r.boites()[0].titre, QStringLiteral("Chercher un icone pour pour cette association "));
        QCOMPARE(r.boites()[0].filtre, QStringLiteral("fichier icone |*.ico"));
        appliquer(a.Option6, r);
        QCOMPARE(r.messages().last().texte, QStringLiteral("Ajout effectué avec succès !"));

        const TypeMime t = lire_paquet(paquet("dfm"));
        QCOMPARE(t.type, QString::fromLatin1(Association::TypeListe));
        QCOMPARE(t.commentaire, QStringLiteral("Audio - Sonavel .dfm"));
        QCOMPARE(t.motifs, QStringList{"*.dfm"});
        QVERIFY(!t.icone.isEmpty());
        const QImage icone(donnees() + QStringLiteral("/icons/hicolor/128x128/mimetypes/") + t.icone + ".png");
        QCOMPARE(icone.size(), QSize(128, 128));
        QCOMPARE(cle(lire(entree()), "MimeType"), QStringLiteral("application/x-sonavel-liste;"));
        const QString d = lire(defauts());
        QCOMPARE(bureau::lire_cle(d, "Default Applications", "text/plain"), QStringLiteral("editeur.desktop"));
        QCOMPARE(bureau::lire_cle(d, "Default Applications", "application/x-sonavel-liste"),
                 QStringLiteral("Sonavel_V5.desktop"));
        QCOMPARE(bureau::lire_cle(d, "Added Associations", "application/x-sonavel-liste"),
                 QStringLiteral("Sonavel_V5.desktop;autre.desktop;"));

        // The same choice again: the same files, byte for byte.
        const QStringList fichiers = {entree(), paquet("dfm"), defauts()};
        QStringList avant;
        for (const QString& f : fichiers) avant << lire(f);
        appliquer(a.Option6, r);
        for (int i = 0; i < fichiers.size(); ++i) QCOMPARE(lire(fichiers[i]), avant[i]);

        // Icon dialog cancelled: no icon any more.
        r.attendre_annulation();
        a.Command3_Click();
        QCOMPARE(a.Text2.Text(), QStringLiteral(".../"));
        QVERIFY(a.chemin_icone.isEmpty());
    }

    void types_associes_gardes_et_extension_tapee() {
        Association& a = Association::instance();
        Repondeur r;
        appliquer(a.Option4, r);
        a.Text1.setText(QStringLiteral(".Xyz9"));
        appliquer(a.Option5, r);
        const TypeMime t = lire_paquet(paquet("xyz9"));
        QCOMPARE(t.type, QStringLiteral("application/x-sonavel_v5-xyz9"));
        QCOMPARE(t.commentaire, QStringLiteral("Audio - Sonavel .Xyz9"));
        QCOMPARE(t.motifs, QStringList{"*.xyz9"});
        QVERIFY(t.icone.isEmpty());
        QCOMPARE(cle(lire(entree()), "MimeType"), QStringLiteral("video/x-msvideo;application/x-sonavel_v5-xyz9;"));
        // A typed extension the desktop knows keeps the desktop's type.
        a.Text1.setText(QStringLiteral(".ogg"));
        appliquer(a.Option5, r);
        QVERIFY(!QFile::exists(paquet("ogg")));
        QVERIFY(cle(lire(entree()), "MimeType").endsWith(QStringLiteral("audio/ogg;")));
    }

    void refus_data() {
        QTest::addColumn<int>("option");  // 0: none chosen, 5: Option5 with the text
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("debut");
        QTest::newRow("no extension") << 0 << ".mp3" << "Choisissez d'abord";
        for (const char* t : {"", "mp3", ".", ".mp3.", ". mp3", ".abcdefghijk", ".é", "./x", ".mp*"})
            QTest::newRow(t) << 5 << QString::fromUtf8(t) << "Extension incorrecte";
    }

    void refus() {
        QFETCH(int, option);
        QFETCH(QString, texte);
        QFETCH(QString, debut);
        Association& a = Association::instance();
        a.Text1.setText(texte);
        if (option == 5) a.Option5.setValue(true);
        Repondeur r;
        r.attendre_message();
        a.CréationAssociation_Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].style, 48);
        QVERIFY2(r.messages()[0].texte.startsWith(debut), qPrintable(r.messages()[0].texte));
        QVERIFY(!QDir(donnees()).exists() && !QFile::exists(defauts()));
        QVERIFY(a.CréationAssociation.isEnabled());
    }

    void fichier_d_un_autre_programme_data() {
        QTest::addColumn<bool>("liste");  // the list type (its package), else WMA (the entry)
        QTest::newRow("desktop entry") << false;
        QTest::newRow("MIME package") << true;
    }

    void fichier_d_un_autre_programme() {
        QFETCH(bool, liste);
        Association& a = Association::instance();
        const QString fichier = liste ? paquet("dfm") : entree();
        const QByteArray autre = liste ? QByteArray("<?xml version=\"1.0\"?>\n<mime-info/>\n")
                                       : QByteArray("[Desktop Entry]\nType=Application\nName=Autre\nExec=autre %f\n");
        ecrire(fichier, autre);
        Repondeur r;
        r.attendre_message(boites::Non);
        (liste ? a.Option6 : a.Option3).setValue(true);
        a.CréationAssociation_Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].style, 276);
        QVERIFY(r.messages()[0].texte.contains(fichier));
        QCOMPARE(lire(fichier).toUtf8(), autre);
        QVERIFY(!QFile::exists(defauts()));

        r.attendre_message(boites::Oui).attendre_message();
        a.CréationAssociation_Click();
        QCOMPARE(r.messages().last().texte, QStringLiteral("Ajout effectué avec succès !"));
        if (liste) QCOMPARE(lire_paquet(fichier).type, QString::fromLatin1(Association::TypeListe));
        else QCOMPARE(cle(lire(fichier), "MimeType"), QStringLiteral("audio/x-ms-wma;"));
    }

    void echec_d_ecriture_montre_sa_description() {
        Association& a = Association::instance();
        // The applications folder is a file: the entry cannot be written.
        ecrire(donnees() + QStringLiteral("/applications"), "x");
        Repondeur r;
        r.attendre_message();
        a.Option2.setValue(true);
        a.CréationAssociation_Click();
        QCOMPARE(r.messages().size(), 1);
        QCOMPARE(r.messages()[0].style, 0);
        QVERIFY(!r.messages()[0].texte.contains(QStringLiteral("succès")));
        QVERIFY(a.CréationAssociation.isEnabled());
    }

    void argument_exec_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("blanks, accents") << "/opt/Mes émissions/Sonavel_V5" << "\"/opt/Mes émissions/Sonavel_V5\"";
        QTest::newRow("quote, dollar, backquote") << "/a\"b$c`d" << "\"/a\\\\\"b\\\\$c\\\\`d\"";
        QTest::newRow("backslash") << "/a\\b" << "\"/a\\\\\\\\b\"";
        QTest::newRow("percent") << "/100%/x" << "\"/100%%/x\"";
    }

    void argument_exec() {
        QFETCH(QString, chemin);
        QFETCH(QString, attendu);
        QCOMPARE(bureau::argument_exec(chemin), attendu);
    }

    void survol_des_libelles() {
        Association& a = Association::instance();
        coul_label = 0x102030;
        a.survol(a.Command2);
        QCOMPARE(a.Command2.ForeColor(), 0x102030 + 18000);
        a.fin_survol();
        for (Label* l : {&a.Command3, &a.CréationAssociation, &a.Command2}) QCOMPARE(l->ForeColor(), 0x102030);
    }

    void fermer_ne_fait_que_cacher() {
        Association& a = Association::instance();
        a.Option4.setValue(true);
        a.Show();
        QCloseEvent e;
        QCoreApplication::sendEvent(&a, &e);
        QVERIFY(!a.isVisible() && Association::existe());
        a.Show();
        QVERIFY(a.Option4.Value());
    }

    // The desktop itself: its lookup names the program for lists, and opening a list
    // through it starts the program with the list as its one argument.
    void le_bureau_ouvre_une_liste_avec_le_programme() {
        const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (gio.isEmpty() || xvfb.isEmpty() || QStandardPaths::findExecutable("update-mime-database").isEmpty())
            QSKIP("gio, Xvfb or update-mime-database is not installed");
        QTemporaryDir maison;
        const QByteArray home = qgetenv("HOME");
        const std::unique_ptr<void, std::function<void(void*)>> retour(this, [home](void*) { qputenv("HOME", home); });
        qputenv("HOME", QFile::encodeName(maison.path()));

        // The program stands in as a script that writes down its arguments.
        const QString traces = programme::dossier() + QStringLiteral("arguments.txt");
        const QString prog = programme::dossier() + QStringLiteral("Sonavel_V5");
        ecrire(prog, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.tmp\" && mv \"$0.tmp\" \"" +
                         QFile::encodeName(traces) + "\"\n");
        QFile(prog).setPermissions(QFile(prog).permissions() | QFileDevice::ExeOwner);

        Association& a = Association::instance();
        Repondeur r;
        appliquer(a.Option6, r);

        QProcess x;
        x.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"), QStringLiteral("-screen"), QStringLiteral("0"),
                       QStringLiteral("640x480x24")});
        QVERIFY(x.waitForReadyRead(10000));
        const QString ecran = QStringLiteral(":") + QString::fromLatin1(x.readAllStandardOutput()).trimmed();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), ecran);

        QProcess requete;
        requete.setProcessEnvironment(env);
        requete.start(gio, {QStringLiteral("mime"), QString::fromLatin1(Association::TypeListe)});
        QVERIFY(requete.waitForFinished(10000));
        const QString reponse = QString::fromUtf8(requete.readAllStandardOutput());
        QVERIFY2(reponse.contains(QStringLiteral(": Sonavel_V5.desktop")), qPrintable(reponse));

        QTemporaryDir dossier;
        const QString liste = dossier.path() + QStringLiteral("/ma liste d'été.dfm");
        ecrire(liste, QByteArray(418, ' '));
        QProcess ouvrir;
        ouvrir.setProcessEnvironment(env);
        ouvrir.start(gio, {QStringLiteral("open"), liste});
        QVERIFY(ouvrir.waitForFinished(10000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(traces), 10000);
        QCOMPARE(lire(traces), liste + QLatin1Char('\n'));

        x.terminate();
        x.waitForFinished(5000);
    }
};

SONAVEL_TEST_MAIN(TestAssociation)
#include "test_association.moc"
