#pragma once
// Properties of one list entry, with its own preview player: the start and end marks are taken
// by ear from the playing position, and "Valider" writes the entry back into its list.
#include <cstdint>

#include "platform/barre_position.h"
#include "platform/controles.h"
#include "platform/form.h"
#include "platform/images.h"
#include "platform/media.h"
#include "platform/timer.h"

class Propriete : public FormInstance<Propriete> {
public:
    Propriete();

    Label Label1{this, QStringLiteral("Nom du fichier")};
    TextBox Text1{this};  // start of play
    TextBox Text2{this};  // end of play
    TextBox Text3{this};  // genre
    TextBox Text4{this};  // volume %
    TextBox Text5{this};  // duration
    Label Label11{this, QStringLiteral("Lecture")};
    Label Label12{this, QStringLiteral("Début")};
    Label Label13{this, QStringLiteral("Fin")};
    Label Label14{this, QStringLiteral("Stop")};
    Label Label7{this, QStringLiteral("<")};   // start mark back
    Label Label9{this, QStringLiteral(">")};   // start mark forward
    Label Label8{this, QStringLiteral("<")};   // end mark back
    Label Label10{this, QStringLiteral(">")};  // end mark forward
    OwnerDrawnButton AnyButton1{this, QStringLiteral("Fermer")};
    OwnerDrawnButton AnyButton2{this, QStringLiteral("Valider")};
    PositionBar picProgBack{this};
    Timer Timer1{this, 1000};  // the bar follows the preview
    Timer Timer2{this, 1000};  // the start mark follows the preview
    Timer Timer3{this, 1000};  // the end mark follows the preview

    // The preview graph's views.
    IMediaControl graphe;
    IMediaPosition position;
    IBasicAudio audio;

    // The entry shown: its list file, record number and path, as they were when the dialog
    // was filled. "Valider" writes there even if the playlist has changed since.
    void prendre_entree(const QString& liste, int32_t numero, const QString& chemin);
    QString liste_ouverte() const { return m_liste; }
    int32_t numero_ouvert() const { return m_numero; }

    void Label11_Click();
    void Label12_Click();
    void Label13_Click();
    void Label14_Click();
    void Label7_Click();
    void Label8_Click();
    void Label9_Click();
    void Label10_Click();
    void AnyButton1_Click();
    void AnyButton2_Click();
    void picProgBack_info_bulle(float X);
    void picProgBack_positionner(float X);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Text1_Click();
    void Text2_Click();
    void Form_KeyPress(int16_t KeyAscii);
    void Form_Unload(int16_t& Cancel);
    void Form_MouseMove();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    // A mark's box: the preview moved by `pas` seconds, the new position written there.
    void pas_marque(TextBox& marque, double pas, bool seulement_au_dessus_de_zero);

    QString m_liste;
    int32_t m_numero = 0;
    QString m_chemin;
};
