// The built-in help text of the main program, written by "regenerate" as plain lines.
#include "help_viewer/aide_prog.h"

QStringList aide_prog::texte_aide(const Application& app) {
    const QString vide;
    QStringList t;
    // Heading and version line.
    t << app.EXEName
      << app.Title + QStringLiteral(" Version fichier d'aide : ") + QString::number(app.Major) + QLatin1Char('.') +
             QString::number(app.Minor) + QLatin1Char('.') + QString::number(app.Revision)
      << vide;
    // About this file.
    t << QStringLiteral("Ce fichier d 'aide est modifiable ,il est possible de conserver")
      << QStringLiteral("ses propes notes en fin de fichier") << QStringLiteral("elles seront sauvegardées en ferment")
      << vide << QStringLiteral("Possibillité de mise en forme de cette aide (voir Menu de cette aide)") << vide;
    // The program.
    t << app.FileDescription << QStringLiteral("lecture directe ou en liste de nombreux format audio ou vidéo") << vide;
    // First use.
    t << QStringLiteral("PREMIERE UTILISATION de Sonavel") << vide
      << QStringLiteral("Lors de la 1°UTILISATION entrez tous les paramètres demandés dans le menu OPTION (fenètre principale)");
    // Use.
    t << QStringLiteral("Utilisation de Sonavel") << vide
      << QStringLiteral("Astuces CHARGEMENT RAPIDE depuis la FENETRE PRINCIPALE")
      << QStringLiteral("Utilisation les listes déroulantes :") << QStringLiteral("Possibillité de choix de liste déroulante")
      << QStringLiteral("Le contenu de ces listes déroulantes (fichier .rfm )est modifiable depuis le menu :")
      << QStringLiteral("OUVRIR LISTE") << vide << QStringLiteral("Utilisation suite..:")
      << QStringLiteral("1°Sélection d'un fichier dans la liste déroulante") << QStringLiteral("2°barre d'espacement")
      << QStringLiteral("3°Sélectionner le lecteur voulu") << vide;
    // Main window keys.
    t << QStringLiteral("Touche raccourci clavier fenètre principale (Menu classique)")
      << QStringLiteral("B ou b : baisse le volume du lecteur en cours")
      << QStringLiteral("H ou h : monte le volume du lecteur en cours") << QStringLiteral("L ou l : Fenètre liste")
      << QStringLiteral("A ou a : affichage") << QStringLiteral("O ou o : option")
      << QStringLiteral("Z ou z : Zapper sur fichier suivant") << QStringLiteral("F1 Aide")
      << QStringLiteral("F2 Fenètre liste") << QStringLiteral("F4 Ecoute rapide")
      << QStringLiteral("M ou m : ouvre le Mini lecteur") << QStringLiteral("P ou p : pause lecteur") << vide;
    // Deck buttons.
    t << QStringLiteral("Bouton de Commande supplémentaire (voir raccourci clavier F8 F9 F11)")
      << QStringLiteral("Bouton a droite du volume permet de lancer le lecteur sélectionné sur un lecteur en cours")
      << QStringLiteral("Bouton (Flèche vers le bas)Permet de Zapper le lecteur en cours et de lancer le suivant si il est chargé")
      << QStringLiteral("Ou dans le cas de lecture de liste , passer au morceau suivant")
      << QStringLiteral("Bouton a gauche du volume sauvegarde niveau sonore en cours dans le cas de lecture liste")
      << QStringLiteral("Bouton Stp Stopper lecteur en cours") << QStringLiteral("Bouton II Pause et reprise lecture en cours")
      << QStringLiteral("Avance lecture : click sur la bande d'avancement") << vide
      << QStringLiteral("Ajout 14/09/2003 Click / Dblclick sur fenètre - Menu invisible") << vide;
    // List window.
    t << QStringLiteral("FENETRE LISTE :")
      << QStringLiteral("l'extention de fichier pour sauvegarde de liste est l'extention : .rfm") << vide
      << QStringLiteral("TOUTES LES LISTES CREES , MODIFIEES , prennent LE NOM : Liste.rfm")
      << QStringLiteral("Pour conserver une liste , l'enregistrer sous un autre nom") << vide
      << QStringLiteral("Click droit sur la liste : menu des commandes de la liste") << vide
      << QStringLiteral("Suppréssion d'un élément :") << QStringLiteral("Sélectionner l'élément puis barre d'espacement")
      << vide << QStringLiteral("Ajouter un élément :") << QStringLiteral("1°Menu Ajouter (ou touche A)")
      << QStringLiteral("2°Choisir le fichier ou le dossier dans la gestion de fichier")
      << QStringLiteral("3°Click sur Ajouter un fichier ou Ajouter un dossier") << vide
      << QStringLiteral("Charger un lecteur depuis la liste : glisser l'élément sur le bouton du lecteur") << vide
      << QStringLiteral("Tester l'existence des fichiers de la liste : menu Vérifier la liste")
      << QStringLiteral("Les fichiers absents sont retirés de la liste") << vide
      << QStringLiteral("Modification enregistrement (Info,Genre,(Volume maxi 0  min -4000))")
      << QStringLiteral("Double click sur la colonne à modifier") << vide
      << QStringLiteral("Ajouter une liste à la liste en cours : menu Ajouter une liste") << vide
      << QStringLiteral("Changer l'index pendant la lecture : la lecture continue au nouvel index") << vide
      << QStringLiteral("Double click sur un élément : chargement sur le lecteur 1") << vide;
    // List window keys.
    t << QStringLiteral("Touche raccourci clavier : LISTE") << QStringLiteral("C ou c : charger une liste")
      << QStringLiteral("V ou v : vide la liste de son contenu") << QStringLiteral("U ou u : Effacer ou supprimer fichier")
      << QStringLiteral("Barre d'espacement : Effacer ou supprimer un élément de la liste")
      << QStringLiteral("A ou a : ajouter / Rechercher un fichier , dossier a la liste")
      << QStringLiteral("P ou p : Play liste") << QStringLiteral("E ou e : Enregistre la liste (xxxx.rfm)")
      << QStringLiteral("Z ou z : Zapper sur fichier suivant") << QStringLiteral("S ou s : Stoppe la liste")
      << QStringLiteral("Touche Echap : fermer la fenètre") << vide;
    // Options.
    t << QStringLiteral("Option + Fenètre principale")
      << QStringLiteral("Journal : visible depuis ") + QStringLiteral("Sonavel") +
             QStringLiteral(" désactivé par défaut,détruit ou non a la fermeture")
      << QStringLiteral("Audio : Possiblité d'obtenir un dégradé de volume en fin de fichier")
      << QStringLiteral("ou sur un Zapping de fichier") << vide;
    // First change-history entries.
    t << QStringLiteral("Mise a jour du 09/08/2003") << QStringLiteral("Recherche de fichiers sur disque") << vide
      << QStringLiteral("Mise a jour du 25/08/2003 Version 3.4.886") << QStringLiteral("Bouton pause")
      << QStringLiteral("Menu affichage")
      << QStringLiteral("Fenètre liste : Click / Dblclick sur fenètre - Menu invisible (14/09/2003)")
      << QStringLiteral("Bouton Look Permet de donner un peu de couleur a  Sonavel ") << vide;
    // Chaining advice.
    t << QStringLiteral("INFORMATION sur LES ENCHAINEMENTS DES TITRES LORS D'UNE LECTURE DE LISTE")
      << QStringLiteral("La valeur du timer règle la surveillance des lecteurs (menu OPTION)")
      << QStringLiteral("Une valeur trop faible charge la machine")
      << QStringLiteral("Une valeur trop forte retarde les enchainements")
      << QStringLiteral("Valeur par défaut : 750 sur un Pentium 4 2 GHz et sur un Athlon 1,4 GHz")
      << QStringLiteral("Ajuster la valeur si les enchainements ne sont pas réguliers") << vide << vide
      << QStringLiteral("PROBLEME pouvant ètre RENCONTRE SUR CONFIGURATION SUIVANTE :")
      << QStringLiteral("DEUX LECTEURS DE CD SUR LE MEME CABLE")
      << QStringLiteral("LA LECTURE SIMULTANEE SUR LES DEUX LECTEURS")
      << QStringLiteral("PEUT PROVOQUER DES COUPURES") << vide
      << QStringLiteral("Plusieurs jingles de moins de 1 s ne pourront ètre lu en continu")
      << QStringLiteral("Sur une petite configuration") << vide << vide;
    // Further change history.
    t << QStringLiteral("20/02/2004") << QStringLiteral("Amélioration des enchainements de liste") << vide
      << QStringLiteral("20/04/2004") << QStringLiteral("Réglage du volume de chaque élément de la liste") << vide
      << QStringLiteral("14/05/2004") << QStringLiteral("Lecture des fichiers vidéo") << vide
      << QStringLiteral("31/05/2004") << QStringLiteral("Listes déroulantes de chargement rapide") << vide
      << QStringLiteral("30/06/2004") << QStringLiteral("Editeur de tag ID3v1 dans la gestion de fichier") << vide
      << QStringLiteral("20/08/2004  Version 3.6.93") << QStringLiteral("Association de différents format a Sonavel")
      << QStringLiteral("Association du format liste.rfm a Sonavel") << vide
      << QStringLiteral("30/08/2004  Version 3.7.14") << QStringLiteral("Ecoute rapide de fichier (F4)") << vide
      << QStringLiteral("23/10/2004  Version 3.7.14") << QStringLiteral("Mini lecteur")
      << QStringLiteral("S ou s : Fichier suivant ") << QStringLiteral("Stop : barre espace ")
      << QStringLiteral("L ou l : fenètre liste ") << QStringLiteral("Q ou q : quitter ") << QStringLiteral("Esc : quitter ")
      << QStringLiteral("F : Gestion de fichier") << QStringLiteral("A ou a : Affichage") << QStringLiteral("O ou o : OPTION")
      << QStringLiteral("P ou p : pause lecteur") << vide
      << QStringLiteral("17/12/2004  Version 3.7.323") << QStringLiteral("Mode mixage manuel et automatique") << vide
      << QStringLiteral("01/01/2005  Version 3.8.0") << QStringLiteral("Thèmes de couleur des fenètres") << vide
      << QStringLiteral("Mise a jour du 1502/2005  Version 3.8.5") << QStringLiteral("Import des anciennes listes") << vide
      << QStringLiteral("6/2/2004  Version 3.8.6") << QStringLiteral("Impression de la liste") << vide
      << QStringLiteral("Mise a jour du 6/03/2005  Version 3.9.1") << QStringLiteral("Recherches sauvegardées") << vide
      << QStringLiteral("Mise a jour du 24/04/4005  Version 3.9.3") << QStringLiteral("Mise a jour des informations de la liste")
      << vide;
    // Feedback.
    t << QStringLiteral("Vous trouvez Sonavel intéressant ?")
      << QStringLiteral("Vous avez trouvé des erreurs , des modifications a apporter ?")
      << QStringLiteral("Votre opinion sur ce freeware") << QStringLiteral("Merci de le faire savoir a sonavel@example.org")
      << vide;
    return t;
}
