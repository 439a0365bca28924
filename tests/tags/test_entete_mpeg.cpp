// The MPEG audio frame-header reader on byte fixtures: tables, names, skipped candidates,
// constant-bit-rate figures, XING and VBRI headers, the strict flag.
#include "support/sonavel_test.h"
#include "tags/TypeTagMpeg.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

namespace {
// Version and layer indexes as the header holds them.
constexpr int V25 = 0, V2 = 2, V1 = 3;
constexpr int L3 = 1, L2 = 2, L1 = 3;
constexpr int Mono = 3;

QByteArray entete(int version, int layer, int debit, int frequence, int mode = 0, int ext = 0) {
    QByteArray e(4, '\0');
    e[0] = char(0xFF);
    e[1] = char(0xE0 | version << 3 | layer << 1 | 1);
    e[2] = char(debit << 4 | frequence << 2);
    e[3] = char(mode << 6 | ext << 4);
    return e;
}
// The reference header: MPEG 1.0 layer III, 128 kbit/s, 44100 Hz, stereo.
QByteArray entete_type() { return entete(V1, L3, 9, 0); }

QByteArray gros_boutiste(quint32 v, int n = 4) {
    QByteArray o;
    for (int i = n - 1; i >= 0; --i) o += char(v >> (8 * i));
    return o;
}

// `taille` zero bytes with `morceaux` laid at their offsets.
QByteArray fichier(int taille, const QList<QPair<int, QByteArray>>& morceaux) {
    QByteArray f(taille, '\0');
    for (const auto& [pos, octets] : morceaux) f.replace(pos, octets.size(), octets);
    return f.left(taille);
}

TypeTagMpeg lire(const QByteArray& octets, bool strict = false) {
    QBuffer flux;
    flux.setData(octets);
    flux.open(QIODevice::ReadOnly);
    TypeTagMpeg objet;
    const TypeTagMpeg copie = objet.lire_entete(flux, strict);
    // The returned copy and the object read agree.
    if (copie.EntetePos() != objet.EntetePos() || copie.BitRate() != objet.BitRate() ||
        copie.Duree() != objet.Duree() || copie.Frames() != objet.Frames() ||
        copie.Vbr() != objet.Vbr() || copie.Valide() != objet.Valide() || copie.Mode() != objet.Mode())
        qFatal("copy differs from the object read");
    return copie;
}

bool etat_initial(const TypeTagMpeg& t) {
    return !t.Valide() && t.Taille() == 0 && t.EntetePos() == 0 && t.BitRate() == 0 &&
           t.Frequence() == 0 && t.Mpeg().isEmpty() && t.Layer().isEmpty() && t.Vbr().isEmpty();
}
}  // namespace

class TestEnteteMpeg : public QObject {
    Q_OBJECT

private slots:
    void tables_des_debits_et_frequences() {
        const QList<int> v1l1 = {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448};
        const QList<int> v1l2 = {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
        const QList<int> v1l3 = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
        const QList<int> v2l1 = {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256};
        const QList<int> v2l23 = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
        struct Ligne { int version, layer; const char *mpeg, *nom_layer; QList<int> debits, frequences; };
        const QList<int> f1 = {44100, 48000, 32000}, f2 = {22050, 24000, 16000}, f25 = {11025, 12000, 8000};
        const QList<Ligne> lignes = {
            {V1, L1, "1.0", "I", v1l1, f1},    {V1, L2, "1.0", "II", v1l2, f1},
            {V1, L3, "1.0", "III", v1l3, f1},  {V2, L1, "2.0", "I", v2l1, f2},
            {V2, L2, "2.0", "II", v2l23, f2},  {V2, L3, "2.0", "III", v2l23, f2},
            {V25, L1, "2.5", "I", v2l1, f25},  {V25, L2, "2.5", "II", v2l23, f25},
            {V25, L3, "2.5", "III", v2l23, f25}};
        for (const Ligne& l : lignes) {
            for (int d = 1; d <= 14; ++d) {
                for (int f = 0; f < 3; ++f) {
                    const TypeTagMpeg t = lire(fichier(400, {{0, entete(l.version, l.layer, d, f)}}));
                    const QByteArray cas = QByteArray(l.mpeg) + " " + l.nom_layer + " " +
                                           QByteArray::number(d) + "/" + QByteArray::number(f);
                    QVERIFY2(t.Valide() && t.EntetePos() == 0, cas);
                    QVERIFY2(t.Mpeg() == l.mpeg && t.Layer() == l.nom_layer, cas);
                    QVERIFY2(t.BitRate() == l.debits[d - 1], cas);
                    QVERIFY2(t.Frequence() == l.frequences[f], cas);
                    QVERIFY2(t.Taille() == 400 && t.Vbr().isEmpty(), cas);
                }
            }
        }
    }

    void noms_du_mode_et_de_son_extension_data() {
        QTest::addColumn<int>("layer");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("ext");
        QTest::addColumn<QString>("nom_mode");
        QTest::addColumn<QString>("nom_ext");
        QTest::newRow("stéréo") << L3 << 0 << 3 << "Stereo" << "";
        QTest::newRow("double") << L3 << 2 << 1 << "Double Cha" << "";
        QTest::newRow("mono") << L2 << 3 << 2 << "Mono" << "";
        const QStringList ext3 = {"Stereo : OFF - MS Stereo : OFF", "Stereo : ON - MS Stereo : OFF",
                                  "Stereo : OFF - MS Stereo : ON", "Stereo : ON - MS Stereo : ON"};
        for (int e = 0; e < 4; ++e) {
            QTest::addRow("joint III %d", e) << L3 << 1 << e << "Joint Stereo" << ext3[e];
            QTest::addRow("joint II %d", e) << L2 << 1 << e << "Joint Stereo"
                                            << QString("Bands %1 to 31").arg(4 * (e + 1));
        }
        QTest::newRow("joint I") << L1 << 1 << 1 << "Joint Stereo" << "Bands 8 to 31";
    }
    void noms_du_mode_et_de_son_extension() {
        QFETCH(int, layer);
        QFETCH(int, mode);
        QFETCH(int, ext);
        const TypeTagMpeg t = lire(fichier(400, {{0, entete(V1, layer, 5, 0, mode, ext)}}));
        QTEST(t.Mode(), "nom_mode");
        QTEST(t.ModeExt(), "nom_ext");
    }

    void bits_et_emphase() {
        const QStringList emphases = {"Aucun", "50/15 ms", "Réservé", "CCIT J.17"};
        for (int e = 0; e < 4; ++e) {
            QByteArray h = entete_type();
            h[3] = char(h[3] | e);
            QCOMPARE(lire(fichier(400, {{0, h}})).Emphasis(), emphases[e]);
        }
        const TypeTagMpeg rien = lire(fichier(400, {{0, entete_type()}}));
        QVERIFY(!rien.CRC() && !rien.Padded() && !rien.PrivateBit() && !rien.Copyright() && !rien.Original());
        QByteArray h = entete_type();
        h[1] = char(h[1] & ~1);  // protection bit 0: a checksum follows
        h[2] = char(h[2] | 2 | 1);
        h[3] = char(h[3] | 8 | 4);
        const TypeTagMpeg tout = lire(fichier(400, {{0, h}}));
        QVERIFY(tout.CRC() && tout.Padded() && tout.PrivateBit() && tout.Copyright() && tout.Original());
    }

    void candidats_ecartes_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<int>("position");  // -1: nothing accepted
        const QByteArray bon = entete_type();
        auto devant = [&](const QByteArray& rejete) { return fichier(400, {{0, rejete}, {4, bon}}); };
        QTest::newRow("FF 00") << devant(QByteArray::fromHex("FF000000")) << 4;
        QTest::newRow("FF 01") << devant(QByteArray::fromHex("FF010000")) << 4;
        QTest::newRow("débit 0") << devant(entete(V1, L3, 0, 0)) << 4;
        QTest::newRow("débit 15") << devant(entete(V1, L3, 15, 0)) << 4;
        QTest::newRow("fréquence 3") << devant(entete(V1, L3, 9, 3)) << 4;
        QTest::newRow("version réservée") << devant(entete(1, L3, 9, 0)) << 4;
        QTest::newRow("layer réservé") << devant(entete(V1, 0, 9, 0)) << 4;
        QTest::newRow("FF FF puis en-tête") << fichier(400, {{0, "\xff"}, {1, bon}}) << 1;
        QTest::newRow("après des données") << fichier(400, {{0, "ID3 donn\xe9" "es"}, {123, bon}}) << 123;
        QTest::newRow("en-tête coupé par la fin") << fichier(3, {{0, bon}}) << -1;
        QTest::newRow("un seul FF") << QByteArray("\xff") << -1;
        QTest::newRow("vide") << QByteArray() << -1;
        QTest::newRow("aucun en-tête") << QByteArray(5000, '\x7f') << -1;
        QTest::newRow("que des FF") << QByteArray(5000, '\xff') << -1;
        QTest::newRow("en-tête court accepté") << fichier(4, {{0, bon}}) << 0;
    }
    void candidats_ecartes() {
        QFETCH(QByteArray, octets);
        QFETCH(int, position);
        const TypeTagMpeg t = lire(octets);
        if (position < 0) {
            QVERIFY(etat_initial(t));
        } else {
            QVERIFY(t.Valide());
            QCOMPARE(t.EntetePos(), position);
            QCOMPARE(t.Taille(), octets.size());
        }
    }

    void debit_constant_data() {
        QTest::addColumn<QByteArray>("tete");
        QTest::addColumn<int>("longueur_frame");
        QTest::addColumn<int>("duree");
        // 300 frames after 100 bytes of something else.
        QByteArray rembourre = entete_type();
        rembourre[2] = char(rembourre[2] | 2);
        QTest::newRow("1.0 III 128k 44100") << entete_type() << 417 << 7;
        QTest::newRow("rembourré") << rembourre << 418 << 7;
        QTest::newRow("2.0 III 64k 22050") << entete(V2, L3, 8, 0) << 208 << 7;
        QTest::newRow("2.5 III 8k 8000") << entete(V25, L3, 1, 2) << 72 << 21;
        QTest::newRow("1.0 I 256k 48000") << entete(V1, L1, 8, 1) << 256 << 2;
        QTest::newRow("1.0 II 192k 32000") << entete(V1, L2, 10, 2) << 864 << 10;
    }
    void debit_constant() {
        QFETCH(QByteArray, tete);
        QFETCH(int, longueur_frame);
        const TypeTagMpeg t = lire(fichier(100 + 300 * longueur_frame, {{100, tete}}));
        QCOMPARE(t.EntetePos(), 100);
        QCOMPARE(t.Frames(), 300);
        QTEST(t.Duree(), "duree");
        QVERIFY(t.Valide() && t.Vbr().isEmpty());
    }

    void xing_selon_version_et_mode_data() {
        QTest::addColumn<QByteArray>("tete");
        QTest::addColumn<int>("decalage");
        QTest::addColumn<bool>("trouve");
        QTest::newRow("1.0 stéréo à 36") << entete_type() << 36 << true;
        QTest::newRow("1.0 mono à 21") << entete(V1, L3, 9, 0, Mono) << 21 << true;
        QTest::newRow("2.0 stéréo à 21") << entete(V2, L3, 8, 0) << 21 << true;
        QTest::newRow("2.0 mono à 13") << entete(V2, L3, 8, 0, Mono) << 13 << true;
        QTest::newRow("2.5 joint à 21") << entete(V25, L3, 8, 0, 1) << 21 << true;
        QTest::newRow("1.0 mono à 36: ignoré") << entete(V1, L3, 9, 0, Mono) << 36 << false;
        QTest::newRow("2.0 stéréo à 36: ignoré") << entete(V2, L3, 8, 0) << 36 << false;
    }
    void xing_selon_version_et_mode() {
        QFETCH(QByteArray, tete);
        QFETCH(int, decalage);
        QFETCH(bool, trouve);
        const int pos = 10;
        // 1000 frames give 25 s of average; 160000 bytes of stream are 1280 kbit.
        const QByteArray octets = fichier(160010, {{pos, tete}, {pos + decalage, "Xing" + gros_boutiste(3)},
                                                   {pos + decalage + 8, gros_boutiste(1000) + gros_boutiste(160010)}});
        const TypeTagMpeg t = lire(octets);
        QVERIFY(t.Valide());
        QCOMPARE(t.EntetePos(), pos);
        if (trouve) {
            QCOMPARE(t.Vbr(), QString("VBR"));
            QCOMPARE(t.Frames(), 1000);
            QCOMPARE(t.BitRate(), int16_t(1280 / 25));
            QCOMPARE(t.Duree(), 25);  // 1280 / 51
        } else {
            QVERIFY(t.Vbr().isEmpty());
            QVERIFY(t.Frames() != 1000);
        }
        QCOMPARE(t.Frequence(), tete[1] & 0x08 ? 44100 : (tete[1] & 0x10 ? 22050 : 11025));
    }

    void xing_cas_limites_data() {
        QTest::addColumn<QByteArray>("marque");
        QTest::addColumn<int>("drapeaux");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("octets_flux");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<int>("debit");
        QTest::addColumn<int>("duree");
        // Header at 10 of a 160010-byte file: the constant-bit-rate figures are 128 kbit/s, 10 s.
        QTest::newRow("Xing") << QByteArray("Xing") << 3 << 1000 << 160010 << true << true << 51 << 25;
        QTest::newRow("XING") << QByteArray("XING") << 3 << 1000 << 160010 << true << true << 51 << 25;
        QTest::newRow("xInG") << QByteArray("xInG") << 3 << 1000 << 160010 << true << true << 51 << 25;
        QTest::newRow("sans taille: la longueur du fichier") << QByteArray("Xing") << 1 << 1000 << 5 << true << true << 51 << 25;
        QTest::newRow("taille donnée") << QByteArray("Xing") << 3 << 1000 << 80010 << true << true << 25 << 25;
        QTest::newRow("sans nombre de frames") << QByteArray("Xing") << 2 << 1000 << 160010 << true << false << 128 << 10;
        QTest::newRow("76 frames: T = 1") << QByteArray("Xing") << 3 << 76 << 160010 << true << true << 1280 << 1;
        QTest::newRow("75 frames: T = 0") << QByteArray("Xing") << 3 << 75 << 160010 << false << false << 0 << 0;
        QTest::newRow("0 frame") << QByteArray("Xing") << 3 << 0 << 160010 << false << false << 0 << 0;
        QTest::newRow("frames négatives") << QByteArray("Xing") << 3 << -5000 << 160010 << false << false << 0 << 0;
        QTest::newRow("flux avant l'en-tête") << QByteArray("Xing") << 3 << 1000 << 5 << false << false << 0 << 0;
        QTest::newRow("débit hors de 16 bits") << QByteArray("Xing") << 3 << 1000 << 0x7fffffff << false << false << 0 << 0;
        QTest::newRow("XINF: rien") << QByteArray("XINF") << 3 << 1000 << 160010 << true << true << 128 << 10;
    }
    void xing_cas_limites() {
        QFETCH(QByteArray, marque);
        QFETCH(int, drapeaux);
        QFETCH(int, frames);
        QFETCH(int, octets_flux);
        QFETCH(bool, accepte);
        QFETCH(bool, valide);
        const int x = 10 + 36;
        const TypeTagMpeg t = lire(fichier(160010, {{10, entete_type()}, {x, marque + gros_boutiste(drapeaux)},
                                                    {x + 8, gros_boutiste(frames) + gros_boutiste(octets_flux)}}));
        if (!accepte) {
            QVERIFY(etat_initial(t));
            return;
        }
        QCOMPARE(t.EntetePos(), 10);
        QCOMPARE(t.Valide(), valide);
        QTEST(int(t.BitRate()), "debit");
        QTEST(t.Duree(), "duree");
        QVERIFY(t.BitRate() > 0 && t.Duree() >= 0);
    }

    void xing_coupe_par_la_fin() {
        // The frame count would lie past the end of the file: the candidate is dropped.
        const QByteArray octets = fichier(10 + 36 + 10, {{10, entete_type()}, {46, "Xing" + gros_boutiste(1)}});
        QVERIFY(etat_initial(lire(octets)));
    }

    void vbri_data() {
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("accepte");
        QTest::newRow("1000 frames") << 1000 << true;
        QTest::newRow("50 frames") << 50 << false;
    }
    void vbri() {
        QFETCH(int, frames);
        const int pos = 10, delai = 576;
        // 80000 bytes of stream after the header and the delay: 640 kbit over T = 25.
        const QByteArray octets = fichier(100000, {{pos, entete(V2, L3, 8, 0)}, {pos + 36, "VBRI"},
                                                   {pos + 42, gros_boutiste(delai, 2)},
                                                   {pos + 46, gros_boutiste(pos + delai + 80000) + gros_boutiste(frames)}});
        const TypeTagMpeg t = lire(octets, true);
        QFETCH(bool, accepte);
        if (!accepte) {
            QVERIFY(etat_initial(t));
            return;
        }
        QCOMPARE(t.Vbr(), QString("VBRI"));
        QCOMPARE(t.Frames(), 1000);
        QCOMPARE(t.BitRate(), int16_t(640 / 25));
        QCOMPARE(t.Duree(), 640 / 25);
        QCOMPARE(t.Frequence(), 22050);
        QVERIFY(t.Valide() && t.Mpeg() == "2.0");
    }

    void xing_passe_avant_vbri() {
        const QByteArray octets = fichier(100000, {{0, entete(V1, L3, 9, 0, Mono)}, {21, "Xing" + gros_boutiste(1)},
                                                   {29, gros_boutiste(1000)}, {36, "VBRI"}});
        QCOMPARE(lire(octets).Vbr(), QString("VBR"));
    }

    void drapeau_strict_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("position_stricte");  // -1: nothing accepted
        const QByteArray xing2 = fichier(50000, {{0, entete(V2, L3, 8, 0)}, {21, "Xing" + gros_boutiste(1)},
                                                 {29, gros_boutiste(1000)}});
        QTest::newRow("layer I puis III") << fichier(600, {{0, entete(V1, L1, 5, 0)}, {200, entete_type()}}) << 0 << 200;
        QTest::newRow("layer II") << fichier(600, {{0, entete(V1, L2, 5, 0)}}) << 0 << 0;
        QTest::newRow("layer I seul") << fichier(600, {{0, entete(V1, L1, 5, 0)}}) << 0 << -1;
        QTest::newRow("2.0 sans en-tête VBR") << fichier(600, {{0, entete(V2, L3, 5, 0)}}) << 0 << -1;
        QTest::newRow("2.0 puis 1.0") << fichier(600, {{0, entete(V2, L3, 5, 0)}, {300, entete_type()}}) << 0 << 300;
        QTest::newRow("2.0 avec XING") << xing2 << 0 << 0;
        QTest::newRow("2.5 sans en-tête VBR") << fichier(600, {{0, entete(V25, L3, 5, 0)}}) << 0 << 0;
    }
    void drapeau_strict() {
        QFETCH(QByteArray, octets);
        QFETCH(int, position);
        QFETCH(int, position_stricte);
        QCOMPARE(lire(octets).EntetePos(), position);
        const TypeTagMpeg t = lire(octets, true);
        if (position_stricte < 0) {
            QVERIFY(etat_initial(t));
        } else {
            QCOMPARE(t.EntetePos(), position_stricte);
            QVERIFY(t.Layer() == "II" || t.Layer() == "III");
        }
    }

    void lecture_d_un_fichier() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("a.mp3");
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(fichier(1000, {{7, entete_type()}}));
        f.close();
        TypeTagMpeg t;
        const TypeTagMpeg copie = t.lire_entete(chemin);
        QVERIFY(t.Valide() && copie.Valide());
        QCOMPARE(copie.EntetePos(), 7);
        QCOMPARE(copie.Taille(), 1000);
        // A missing file puts the object back in its initial state.
        QVERIFY(etat_initial(t.lire_entete(dossier.filePath("absent.mp3"))));
        QVERIFY(etat_initial(t));
    }
};

SONAVEL_TEST_MAIN(TestEnteteMpeg)
#include "test_entete_mpeg.moc"
