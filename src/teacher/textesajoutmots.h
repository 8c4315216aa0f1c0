#pragma once
// The texts of "Ajouter des mots…", shared by its two files.
#include <QString>

namespace TextesAjoutMots {
inline const QString titre = QStringLiteral("Ajouter des mots");
inline const QString consigne = QStringLiteral(
    "Tapez ou collez les mots, un par ligne ou séparés par des virgules. Vous pouvez donner un "
    "niveau de 1 à 5 après le mot : « chat 1 », « hérisson;4 », « pomme de terre 3 ».\n"
    "Pour un mot qui se prononce comme un autre, ajoutez une courte phrase après un point-virgule : "
    "« dent 1 ; j'ai mal à une dent ».\n"
    "Chaque mot est prononcé par la voix de l'ordinateur et enregistré dans le dossier Sons.");
inline const QString ajouter = QStringLiteral("&Ajouter");
inline const QString annuler = QStringLiteral("A&nnuler");
inline const QString fermer = QStringLiteral("&Fermer");
inline const QString micro = QStringLiteral("&Enregistrer au micro…");
inline const QString bulleMicro = QStringLiteral(
    " Enregistrer avec le micro, au lieu de la voix de l'ordinateur, le mot de la ligne où se trouve le curseur. ");
inline const QString uneLigne = QStringLiteral("Placez le curseur sur la ligne d'un seul mot à enregistrer au micro.");
inline const QString microRefus = QStringLiteral("« %1 » : %2");
inline const QString microGarde = QStringLiteral("« %1 » est enregistré avec votre voix.");
inline const QString enCours = QStringLiteral("Enregistrement de « %1 »… (%2 sur %3)");
inline const QString ajoutes = QStringLiteral("Mots ajoutés : %1.");
inline const QString motAjoute = QStringLiteral("  « %1 »");
inline const QString motAjouteNiveau = QStringLiteral("  « %1 », niveau %2");
inline const QString niveaux = QStringLiteral("Mots déjà dans la liste dont le niveau a été changé : %1.");
inline const QString niveauChange = QStringLiteral("  « %1 » : %2 → %3");
inline const QString niveauN = QStringLiteral("niveau %1");
inline const QString sansNiveau = QStringLiteral("sans niveau");
inline const QString inchanges = QStringLiteral("Mots déjà dans la liste, laissés tels quels : %1.");
inline const QString aucun = QStringLiteral("Aucun mot n'a été ajouté.");
inline const QString titreRefuses = QStringLiteral("Mots refusés :");
inline const QString refus = QStringLiteral("  ligne %1, « %2 » : %3");
inline const QString echec = QStringLiteral("  « %1 » : %2");
inline const QString titreEchecs = QStringLiteral("Mots non enregistrés :");
inline const QString annule = QStringLiteral("Ajout annulé. Mots non ajoutés : %1.");
inline const QString sansSynthese = QStringLiteral("la voix de l'ordinateur n'est pas disponible.");
inline const QString enCoursPhrase = QStringLiteral("Enregistrement de la phrase de « %1 »… (%2 sur %3)");
inline const QString phrasesDites = QStringLiteral("Phrases enregistrées : %1.");
inline const QString phraseDite = QStringLiteral("  « %1 » : %2");
inline const QString titreEchecsPhrases = QStringLiteral("Phrases non enregistrées :");
inline const QString titrePhrasesRefusees = QStringLiteral("Phrases refusées :");
inline const QString unSeulMot = QStringLiteral("une phrase ne peut suivre qu'un seul mot.");
inline const QString homophone = QStringLiteral(
    "« %1 » se prononce comme %2 : donnez-lui une phrase pour que l'élève les distingue "
    "(« %1 ; … », ou « Phrase… » dans le menu du mot).");
inline const QString guillemets = QStringLiteral("« %1 »");
inline const QString ou = QStringLiteral(" ou ");
// What a word dropped by a cancel is marked with.
inline const QString annuleMarque = QStringLiteral("annulé");
}  // namespace TextesAjoutMots
