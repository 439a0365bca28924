// Time texts of the decks and the playlist window, and the scrolling deck titles.
#include "config/etat.h"
#include "decks/commun.h"
#include "platform/chaines.h"
#include "platform/conversions.h"
#include "platform/erreur.h"
#include "windows/Liste_son.h"
#include "windows/Radio_FM.h"

namespace {
QString deux_chiffres(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
}  // namespace

void Radio_FM::format_heure() {
    using namespace Radio;
    // Past 16 bits (32767.5 s and more) the conversion fails and the caller sees the error.
    const int s = decks::secondes_entieres(duree_fichier);
    duree_texte = deux_chiffres(s / 3600) + QLatin1Char(':') + deux_chiffres(s / 60 % 60) + QLatin1Char(':') +
                  deux_chiffres(s % 60);
}

void Radio_FM::compteur() {
    Label& affichage = Liste_son::instance().Label4;
    const QString c = affichage.Caption();
    try {
        QString hh = rt::Mid(c, 1, 2), mm = rt::Mid(c, 4, 2), ss = rt::Mid(c, 7, 2);
        int secondes;
        if (ss == QStringLiteral("00")) {
            secondes = 60;
            const int minutes = rt::CInt(mm) - 1;
            if (minutes < 0) {
                // The countdown stops at zero.
                if (c == QStringLiteral("00:00:00")) return;
                mm = QStringLiteral("59");
                hh = deux_chiffres(rt::CInt(hh) - 1);
            } else {
                mm = deux_chiffres(minutes);
            }
        } else {
            secondes = rt::CInt(ss);
        }
        ss = deux_chiffres(secondes - 1);
        affichage.setCaption(hh + QLatin1Char(':') + mm + QLatin1Char(':') + ss);
    } catch (const Erreur&) {
        // Not an hh:mm:ss text: left as it is.
    }
}

void Radio_FM::defiler_titre(int n) {
    Label& titre = deck(n).titre;
    const QString c = titre.Caption();
    // L - 0.5 rounded halves to even: an odd length rotates by one character, an even one
    // first gains a copy of its first character.
    const int garde = rt::CInt(c.size() - 0.5);
    titre.setCaption(rt::Right(c, garde) + rt::Left(c, 1));
}

void Radio_FM::Timer5_Timer() { defiler_titre(1); }
void Radio_FM::Timer6_Timer() { defiler_titre(2); }
void Radio_FM::Timer7_Timer() { defiler_titre(3); }
