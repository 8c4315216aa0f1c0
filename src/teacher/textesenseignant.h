#pragma once
// Every fixed text of the teacher module, gathered so they can be read at a glance.
#include <QString>
#include <QStringList>

namespace TextesCode {
inline const QString consigne =
    QStringLiteral("Pour ouvrir le module \"enseignant\", vous devez entrer votre code d'accès.");
inline const QString premiereFois = QStringLiteral(
    "Si vous accédez à ce module pour la première fois, entrez un code dont vous devrez vous "
    "souvenir (notez-le dans un endroit sûr).");
inline const QString bulleCode = QStringLiteral(" 6 caractères maxi ");
inline const QString ok = QStringLiteral("O&k");
inline const QString annuler = QStringLiteral("&Annuler");
inline const QString titreEchec = QStringLiteral("Code d'accès");
inline const QString confirmer =
    QStringLiteral("Tapez ce code une seconde fois, pour être sûr de ne pas vous tromper.");
inline const QString incorrect = QStringLiteral(
    "Code incorrect.\nVérifiez les majuscules et les minuscules, puis tapez-le de nouveau.");
inline const QString differents = QStringLiteral(
    "Les deux codes tapés sont différents : aucun code n'a été enregistré.\n"
    "Choisissez un code, puis tapez-le deux fois de suite.");
}  // namespace TextesCode

namespace TextesEnseignant {
inline const QString titre = QStringLiteral("OrthoVal - Enseignant");
inline const QString attention = QStringLiteral(
    "ATTENTION : si vous n'affectez pas de niveau à un mot, ce mot ne sera pas proposé à l'élève.");
inline const QStringList conseils{
    QStringLiteral("En affectant un niveau à chaque mot, vous effectuez un classement en 5 groupes "
                   "au maximum."),
    QStringLiteral("On peut par exemple affecter le niveau 1 aux mots les plus simples à écrire et "
                   "le niveau 5 aux plus difficiles."),
    QStringLiteral("Les mots de niveau 1 seront proposés en priorité, puis ceux de niveau 2..."),
};
inline const QString titreEtapes = QStringLiteral("Que devra faire l'élève ?");
inline const QStringList etapes{
    QStringLiteral("1. Un test d'écriture est proposé pour chaque mot. S'il réussit ce test, le "
                   "mot ne sera plus proposé. Sinon :"),
    QStringLiteral("2. Il devra copier le mot avec le modèle."),
    QStringLiteral("3. Il devra retouver les voyelles du mot."),
    QStringLiteral("4. Il devra retrouver les consonnes du mot."),
    QStringLiteral("5. Il devra écrire le mot entendu."),
    QStringLiteral("6. Il devra écrire le mot 1 jour plus tard au minimum, puis une semaine plus "
                   "tard au minimum, puis 4 semaines plus tard au minimum : on peut alors "
                   "considérer que l'orthographe du mot est acquise."),
    QStringLiteral("S'il échoue à un seul de ces exercices, il devra repasser par toutes les "
                   "étapes d'apprentissage et de mémorisation (de l'étape 2 à l'étape 6)."),
};
inline const QString bulleNiveau = QStringLiteral(" Cliquer pour affecter un niveau. ");
inline const QString bulleMot =
    QStringLiteral(" Cliquer pour entendre le mot. ");
inline const QString bulleEcouter = QStringLiteral(" Écouter ce mot. ");
inline const QString bulleActions = QStringLiteral(" Remplacer l'enregistrement ou supprimer ce mot. ");
inline const QString ecouter = QStringLiteral("&Écouter");
inline const QString remplacer = QStringLiteral("&Remplacer l'enregistrement…");
inline const QString supprimerMot = QStringLiteral("&Supprimer ce mot…");
inline const QString filtre = QStringLiteral("&Chercher :");
inline const QString filtreIndication = QStringLiteral("début du mot");
inline const QString bulleFiltre = QStringLiteral(
    " Montrer les mots qui commencent ainsi (majuscules et accents ne comptent pas). ");
inline const QString tousNiveaux = QStringLiteral("Tous les niveaux");
inline const QString sansNiveau = QStringLiteral("Sans niveau");
inline const QString niveauN = QStringLiteral("Niveau %1");
inline const QString bulleFiltreNiveau = QStringLiteral(" Montrer seulement les mots de ce niveau. ");
inline const QString donnerNiveau = QStringLiteral("&Donner à tous les mots affichés :");
inline const QString bulleDonnerNiveau =
    QStringLiteral(" Donner ce niveau, en une fois, à tous les mots que la liste montre. ");
inline const QString titreDonnerNiveau = QStringLiteral("Niveau de plusieurs mots");
inline const QString confirmerNiveau = QStringLiteral("Donner le niveau %1 aux %2 mots affichés ?");
inline const QString confirmerSansNiveau = QStringLiteral(
    "Retirer le niveau des %1 mots affichés ?\nUn mot sans niveau n'est pas proposé à l'élève.");
inline const QString titreSupprimer = QStringLiteral("Supprimer un mot");
inline const QString confirmerSupprimer = QStringLiteral(
    "Le mot « %1 » va être retiré de la liste.\n"
    "Son enregistrement sera déplacé dans le dossier « Corbeille », d'où il pourra être remis dans « Sons ».\n"
    "Souhaitez-vous continuer ?");
inline const QString corbeilleImpossible = QStringLiteral(
    "L'enregistrement de « %1 » n'a pas pu être déplacé dans le dossier « Corbeille » : %2\n"
    "Le mot reste dans la liste.");
inline const QString titreEcouter = QStringLiteral("Écouter un mot");
inline const QString aucunEnregistrement =
    QStringLiteral("Le mot « %1 » n'a plus d'enregistrement dans le dossier « Sons ».");
inline const QString eleves = QStringLiteral("&Liste d'élèves");
inline const QString suivi = QStringLiteral("S&uivi des élèves");
inline const QString bulleSuivi =
    QStringLiteral(" Où en est chaque élève, et quels mots la classe trouve difficiles. ");
inline const QString quitter = QStringLiteral("&Quitter");

inline const QString consignePolice =
    QStringLiteral("Choisissez la police à utiliser pour les exercices.");
inline const QString bullePolices =
    QStringLiteral(" Choisir la police qui sera utilisée pour les exercices. ");
inline const QString testPolice = QStringLiteral("Test police");

inline const QString titreEnregistrementsRefuses = QStringLiteral("Enregistrements ignorés");
inline const QString enregistrementsRefuses = QStringLiteral(
    "Les enregistrements suivants ont un nom qui ne peut pas figurer dans la liste des mots ; "
    "ils sont ignorés. Renommez-les pour les utiliser :");
inline const QString autresRefuses = QStringLiteral("... et %1 autre(s).");
inline const QString titreSons = QStringLiteral("Bibliothèque de sons");
inline const QString sonsIllisible = QStringLiteral(
    "Le dossier des sons « Sons » est absent ou illisible.\n"
    "La liste des mots est affichée telle qu'elle a été enregistrée.");
inline const QString titreMotsDat = QStringLiteral("Liste des mots");
inline const QString motsDatIllisible = QStringLiteral(
    "Le fichier « Mots.dat », qui garde les niveaux des mots, ne peut pas être lu : %1\n\n"
    "Les mots sont affichés sans leur niveau. Le fichier ne sera pas remplacé tant qu'il ne "
    "pourra pas être lu : rendez-le lisible (droits du fichier, antivirus), puis rouvrez ce module.");
inline const QString motsDatAbime = QStringLiteral(
    "Le fichier « Mots.dat », qui garde les niveaux des mots, est abîmé : aucun mot n'a pu y être lu.\n\n"
    "Les mots sont affichés sans leur niveau. À la fermeture de ce module, l'ancien fichier sera "
    "d'abord copié dans le dossier « Sauvegardes », d'où il pourra être restauré.");
inline const QString titreEnregistrement = QStringLiteral("Enregistrement impossible");
inline const QString titreRemplacer = QStringLiteral("Remplacer l'enregistrement");
inline const QString choixRemplacer = QStringLiteral(
    "Comment enregistrer de nouveau « %1 » ?\nL'ancien enregistrement ira dans le dossier « Corbeille ».");
inline const QString parLaVoix = QStringLiteral("Par la voix de l'ordinateur");
inline const QString parLeMicro = QStringLiteral("Avec le micro");
inline const QString depuisFichier = QStringLiteral("Depuis un fichier son…");
inline const QString titreFichierSon = QStringLiteral("Choisir le fichier son du mot");
inline const QString filtreFichierSon =
    QStringLiteral("Fichiers son (*.wav *.WAV *.flac *.FLAC *.ogg *.OGG *.oga);;Tous les fichiers (*)");
inline const QString fichierSilencieux = QStringLiteral("le fichier « %1 » ne contient que du silence.");
inline const QString corbeille = QStringLiteral("Cor&beille…");
inline const QString bulleCorbeille = QStringLiteral(
    " Les enregistrements des mots supprimés ou enregistrés de nouveau : les écouter, les remettre. ");
inline const QString remplace = QStringLiteral("Le nouvel enregistrement de « %1 » est en place ; l'ancien est dans « Corbeille ».");
inline const QString wavImpossible = QStringLiteral("l'enregistrement n'a pas pu être préparé.");
inline const QString remplacementRate = QStringLiteral("« %1 » n'a pas pu être enregistré de nouveau : %2");
inline const QString fermerQuandMeme =
    QStringLiteral("Fermer quand même sans enregistrer ?");
}  // namespace TextesEnseignant

namespace TextesEleves {
inline const QString titre = QStringLiteral("Gestion de la liste d'élèves");
inline const QString consigne = QStringLiteral("Saisissez le NOM et le prénom de l'élève ici.");
inline const QString ok = QStringLiteral("O&k");
inline const QString ajouter = QStringLiteral("A&jouter");
inline const QString supprimer = QStringLiteral("Su&pprimer");
inline const QString terminer = QStringLiteral("&Terminer");
inline const QString titreAvertissement = QStringLiteral("Avertissement");
inline const QString confirmation = QStringLiteral(
    "L'élève « %1 » et tous ses résultats vont être supprimés.\n"
    "Attention : opération irréversible !\nSouhaitez-vous continuer ?");
inline const QString titreNomRefuse = QStringLiteral("Nom d'élève refusé");
inline const QString casseDifferente = QStringLiteral(
    "Un élève nommé « %1 » existe déjà : « %2 » ne s'en distingue que par les majuscules.\n"
    "Choisissez l'élève existant dans la liste, ou saisissez un autre nom.");
inline const QString titreFichier = QStringLiteral("Liste d'élèves");
inline const QString restaurer = QStringLiteral("&Restaurer...");
inline const QString bulleRestaurer = QStringLiteral(
    " Remettre le travail de l'élève tel qu'il était avant une perte (copie du dossier « Sauvegardes »). ");
inline const QString titreRestaurer = QStringLiteral("Restaurer le travail d'un élève");
inline const QString aucuneCopie = QStringLiteral(
    "Il n'y a aucune copie de sauvegarde du travail de « %1 ».\n"
    "OrthoVal en fait une avant tout enregistrement qui ferait perdre des mots étudiés.");
inline const QString choisirCopie = QStringLiteral(
    "Choisissez la copie du travail de « %1 » à remettre en place.\n"
    "Le fichier actuel sera lui-même gardé dans « Sauvegardes ».");
inline const QString copieDu = QStringLiteral("Copie du %1 à %2");
inline const QString titreSupprime = QStringLiteral("Élève supprimé");
inline const QString journalRange = QStringLiteral(
    "L'élève « %1 » est supprimé.\nSon journal des réponses est gardé dans le dossier « %2 », sous le nom "
    "« %3 » ; un nouvel élève du même nom commencera sans erreurs passées.");
inline const QString copieRestauree = QStringLiteral("Le travail de « %1 » est revenu à la %2.");
}  // namespace TextesEleves

namespace TextesOrthographe {
inline const QString action = QStringLiteral("Corriger l'&orthographe…");
inline const QString titre = QStringLiteral("Corriger l'orthographe");
inline const QString consigne = QStringLiteral("Écrivez « %1 » correctement :");
inline const QString corriger = QStringLiteral("&Corriger");
inline const QString annuler = QStringLiteral("A&nnuler");
inline const QString impossible = QStringLiteral("L'orthographe de « %1 » ne peut pas être corrigée : %2");
inline const QString attention = QStringLiteral("« %1 » s'écrit maintenant « %2 », mais %3");
}  // namespace TextesOrthographe

namespace TextesPhrase {
inline const QString action = QStringLiteral("&Phrase…");
inline const QString titre = QStringLiteral("Phrase du mot");
inline const QString consigne = QStringLiteral(
    "Une courte phrase avec « %1 », dite après le mot, pour que l'élève sache de quel mot il s'agit "
    "(laissez vide pour n'en donner aucune) :");
inline const QString garder = QStringLiteral("&Enregistrer");
inline const QString annuler = QStringLiteral("A&nnuler");
inline const QString refusee = QStringLiteral("La phrase de « %1 » ne peut pas être gardée : %2");
inline const QString nonDite = QStringLiteral("La phrase de « %1 » est gardée, mais elle n'a pas pu être enregistrée : %2");
inline const QString corbeille = QStringLiteral("La phrase de « %1 » n'a pas pu être mise à la corbeille : %2");
inline const QString marque = QStringLiteral("se prononce comme : %1");
inline const QString separateur = QStringLiteral(", ");
}  // namespace TextesPhrase
