#include "platform/erreur.h"

#include <QHash>

Erreur::Erreur(int numero, QString description)
    : m_numero(numero), m_description(std::move(description)),
      m_what(QStringLiteral("%1: %2").arg(numero).arg(m_description).toUtf8()) {}

Erreur::Erreur(int numero) : Erreur(numero, description_standard(numero)) {}

QString Erreur::description_standard(int numero) {
    static const QHash<int, QString> textes = {
        {3, QStringLiteral("Return sans GoSub")},
        {5, QStringLiteral("Appel de procédure ou argument incorrect")},
        {6, QStringLiteral("Dépassement de capacité")},
        {7, QStringLiteral("Mémoire insuffisante")},
        {9, QStringLiteral("L'indice n'appartient pas à la sélection")},
        {11, QStringLiteral("Division par zéro")},
        {13, QStringLiteral("Type incompatible")},
        {52, QStringLiteral("Nom ou numéro de fichier incorrect")},
        {53, QStringLiteral("Fichier introuvable")},
        {54, QStringLiteral("Mode d'accès au fichier incorrect")},
        {55, QStringLiteral("Fichier déjà ouvert")},
        {57, QStringLiteral("Erreur d'entrée/sortie de périphérique")},
        {58, QStringLiteral("Ce fichier existe déjà")},
        {59, QStringLiteral("Longueur d'enregistrement incorrecte")},
        {61, QStringLiteral("Disque plein")},
        {62, QStringLiteral("L'entrée dépasse la fin de fichier")},
        {63, QStringLiteral("Numéro d'enregistrement incorrect")},
        {68, QStringLiteral("Périphérique non disponible")},
        {70, QStringLiteral("Permission refusée")},
        {71, QStringLiteral("Disque non prêt")},
        {74, QStringLiteral("Impossible de renommer avec un lecteur différent")},
        {75, QStringLiteral("Erreur d'accès au chemin/fichier")},
        {76, QStringLiteral("Chemin d'accès introuvable")},
        {91, QStringLiteral("Variable objet ou variable bloc With non définie")},
        {380, QStringLiteral("Valeur de propriété non valide")},
        {381, QStringLiteral("Indice de tableau de propriétés non valide")},
        {482, QStringLiteral("Erreur d'imprimante")},
        {32755, QStringLiteral("Annulation")},
    };
    return textes.value(numero, QStringLiteral("Erreur définie par l'application ou par l'objet"));
}
