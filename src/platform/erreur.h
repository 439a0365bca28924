#pragma once
// The one error type of the system: a run-time error number and its French description.
// Procedures branch on the number; messages show the description.
#include <QString>
#include <exception>

class Erreur : public std::exception {
public:
    Erreur(int numero, QString description);
    explicit Erreur(int numero);  // the standard description of that number

    int numero() const { return m_numero; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

    // The platform's text for a run-time error number ("Dépassement de capacité" for 6, ...).
    static QString description_standard(int numero);

private:
    int m_numero;
    QString m_description;
    QByteArray m_what;
};

// Run-time error numbers the system branches on.
namespace err {
constexpr int AppelInvalide = 5;        // invalid procedure call or argument
constexpr int Depassement = 6;          // overflow
constexpr int MemoireInsuffisante = 7;  // a file far larger than any the program writes
constexpr int IndiceHorsLimites = 9;
constexpr int TypeIncompatible = 13;
constexpr int NomFichierIncorrect = 52;
constexpr int FichierIntrouvable = 53;
constexpr int ModeAccesIncorrect = 54;     // writing to a file opened for reading
constexpr int ErreurEntreeSortie = 57;
constexpr int LongueurEnregistrement = 59;
constexpr int DisquePlein = 61;
constexpr int NumeroEnregistrement = 63;   // a record number below 1
constexpr int PeripheriqueNonDisponible = 68;
constexpr int PermissionRefusee = 70;
constexpr int DisqueNonPret = 71;
constexpr int RenommerAutreUnite = 74;
constexpr int AccesCheminFichier = 75;
constexpr int CheminIntrouvable = 76;
constexpr int VariableObjetNonDefinie = 91;
constexpr int ValeurPropriete = 380;
constexpr int ErreurImprimante = 482;
constexpr int Annulation = 32755;       // a common dialog was cancelled
}  // namespace err
