#pragma once
// Every fixed text of the class overview, gathered so they can be read at a glance.
#include <QString>

namespace TextesSuivi {
// Steps of the ladder, as the class table and the filters name them.
inline const QString etapeNouveau = QStringLiteral("Non proposé");
inline const QString etapeModele = QStringLiteral("Copie avec modèle");
inline const QString etapeVoyelles = QStringLiteral("Voyelles à écrire");
inline const QString etapeConsonnes = QStringLiteral("Consonnes à écrire");
inline const QString etapeSansModele = QStringLiteral("Sans modèle");
inline const QString etapeUnJour = QStringLiteral("Attente 24 heures");
inline const QString etapeUneSemaine = QStringLiteral("Attente 1 semaine");
inline const QString etapeUnMois = QStringLiteral("Attente 1 mois");
inline const QString etapeAcquis = QStringLiteral("Acquis");

// Columns of the class table (also the header of the exported file).
inline const QString colEleve = QStringLiteral("Élève");
inline const QString colVisite = QStringLiteral("Dernière visite");
inline const QString bulleVisite =
    QStringLiteral("Le jour où l'élève a quitté sa dernière séance (le fichier de l'élève est enregistré à ce moment).");
inline const QString colMots = QStringLiteral("Ses mots, étape par étape");
inline const QString bulleMots = QStringLiteral(
    "Chaque couleur est une étape, dans les couleurs des carrés que voit l'élève ; gris : pas encore proposés.");
inline const QString colAcquis = QStringLiteral("Acquis");
inline const QString bulleAcquis = QStringLiteral("Mots acquis (réussis un mois après leur étude, ou déjà connus).");
inline const QString colEnCours = QStringLiteral("En cours");
inline const QString bulleEnCours = QStringLiteral("Mots en cours d'étude, de la copie à l'attente d'un mois.");
inline const QString colModele = QStringLiteral("Copie");
inline const QString colVoyelles = QStringLiteral("Voyelles");
inline const QString colConsonnes = QStringLiteral("Consonnes");
inline const QString colSansModele = QStringLiteral("Sans modèle");
inline const QString colUnJour = QStringLiteral("24 h");
inline const QString colUneSemaine = QStringLiteral("1 semaine");
inline const QString colUnMois = QStringLiteral("1 mois");
inline const QString colARevoir = QStringLiteral("À revoir ce jour");
inline const QString bulleARevoir =
    QStringLiteral("Mots dont l'attente est finie : ils seront proposés en premier à la prochaine séance.");
inline const QString colNonProposes = QStringLiteral("Non proposés");
inline const QString bulleNonProposes =
    QStringLiteral("Mots qui ont un niveau mais que l'élève n'a pas encore rencontrés.");
inline const QString colSansNiveau = QStringLiteral("Sans niveau");
inline const QString bulleSansNiveau =
    QStringLiteral("Mots sans niveau : ils ne seront jamais proposés tant qu'ils n'en ont pas.");
inline const QString colErreursSon = QStringLiteral("Erreurs : son changé");
inline const QString bulleErreursSon = QStringLiteral(
    "Réponses fausses dont les sons ne sont pas ceux du mot (poison pour poisson) : travail sur les sons. "
    "D'après le journal des réponses, sur un an au plus ; vide quand l'élève n'a pas de journal ; "
    "« non comparé » quand la synthèse vocale manquait pour comparer les sons.");
inline const QString colErreursOrthographe = QStringLiteral("Erreurs : son juste");
inline const QString bulleErreursOrthographe = QStringLiteral(
    "Réponses fausses qui se prononcent comme le mot (méson pour maison) : l'orthographe n'est pas encore "
    "mémorisée. D'après le journal des réponses, sur un an au plus.");
inline const QString nonCompare = QStringLiteral("non comparé");
inline const QString colAttention = QStringLiteral("À surveiller");
inline const QString bulleAttention = QStringLiteral(
    "Élèves absents depuis au moins 14 jours, avec au moins 10 mots revenus à la copie, dont le "
    "fichier est abîmé ou illisible, ou dont le journal des réponses a des trous.");
inline const QString ongletErreurs = QStringLiteral("&Erreurs");
inline const QString marqueAttention = QStringLiteral("⚠ ");
inline const QString illisible = QStringLiteral("Fichier illisible");
inline const QString jamais = QStringLiteral("jamais venu");

// The window.
inline const QString titre = QStringLiteral("Suivi des élèves");
inline const QString ongletClasse = QStringLiteral("&La classe");
inline const QString ongletMots = QStringLiteral("&Mots difficiles");
inline const QString resume = QStringLiteral("%1 élève(s) le %2 ; %3 à surveiller (marqués ⚠).");
inline const QString consigne = QStringLiteral(
    "Double-cliquez sur un élève pour voir ses mots un par un. Cliquez sur un titre de colonne pour trier.");
inline const QString aucunEleve = QStringLiteral(
    "Aucun élève pour l'instant : ajoutez des élèves avec le bouton « Liste d'élèves ».");
inline const QString afficherEtapes = QStringLiteral("&Détail par étape");
inline const QString bulleAfficherEtapes = QStringLiteral(
    "Montre, à la place de la barre, des erreurs et des remarques, le nombre de mots de chaque élève à "
    "chaque étape (aussi dans la bulle de la barre, à l'impression et dans le fichier exporté).");
inline const QString legende = QStringLiteral("Couleurs :");
inline const QString voirEleve = QStringLiteral("&Voir l'élève…");
inline const QString imprimer = QStringLiteral("&Imprimer…");
inline const QString exporter = QStringLiteral("&Exporter…");
inline const QString fermer = QStringLiteral("&Fermer");

// Hard words.
inline const QString colMot = QStringLiteral("Mot");
inline const QString colNiveau = QStringLiteral("Niveau");
inline const QString colMotManque = QStringLiteral("Élèves qui l'ont manqué");
inline const QString bulleMotManque = QStringLiteral(
    "Élèves qui ont écrit ce mot faux au moins une fois, d'après leur journal des réponses, ou d'après "
    "leur fichier quand le journal n'en dit rien (un mot en cours d'étude a été manqué).");
inline const QString colMotFautes = QStringLiteral("Réponses fausses");
inline const QString bulleMotFautes = QStringLiteral("Réponses fausses à ce mot notées dans les journaux des élèves.");
inline const QString colMotEnCours = QStringLiteral("Élèves l'étudiant encore");
inline const QString colMotAcquis = QStringLiteral("Élèves l'ayant acquis");
inline const QString colMotRencontre = QStringLiteral("Élèves l'ayant rencontré");
inline const QString consigneMots = QStringLiteral(
    "Les mots que le plus d'élèves ont manqués viennent en premier : ce sont les mots à retravailler avec "
    "toute la classe. Seuls les mots qu'au moins un élève a rencontrés sont listés.");

// Exporting.
inline const QString titreExport = QStringLiteral("Exporter le suivi de la classe");
inline const QString filtreExport = QStringLiteral("Tableur (*.csv)");
inline const QString nomExport = QStringLiteral("Suivi des élèves %1.csv");
inline const QString titreExportEchoue = QStringLiteral("Exportation impossible");
inline const QString exportReussi = QStringLiteral("Le tableau de la classe est enregistré dans « %1 ».");

// The printed class sheet.
inline const QString titreFeuille = QStringLiteral("Suivi des élèves du %1");
inline const QString motsDifficilesFeuille = QStringLiteral("Mots à retravailler avec la classe");
inline const QString ligneMotDifficile =
    QStringLiteral("%1 : manqué par %2 élève(s) sur %3, %4 réponse(s) fausse(s)");

// One pupil.
inline const QString titreEleve = QStringLiteral("Suivi de %1");
inline const QString ongletMotsEleve = QStringLiteral("Ses &mots");
inline const QString toutesEtapes = QStringLiteral("Toutes les étapes");
inline const QString tousNiveaux = QStringLiteral("Tous les niveaux");
inline const QString niveauN = QStringLiteral("Niveau %1");
inline const QString sansNiveau = QStringLiteral("Sans niveau");
inline const QString etape = QStringLiteral("Étape :");
inline const QString niveau = QStringLiteral("Niveau :");
inline const QString colDate = QStringLiteral("Date");
inline const QString bulleDate = QStringLiteral(
    "Date de la dernière réussite sans modèle (les attentes se comptent depuis ce jour) ; vide pour un mot "
    "que l'élève n'a pas encore rencontré.");
inline const QString colRevoir = QStringLiteral("À revoir");
inline const QString bulleRevoir = QStringLiteral("Le jour où un mot en attente revient dans l'exercice.");
inline const QString revoirAujourdhui = QStringLiteral("dès aujourd'hui");
inline const QString revoirLe = QStringLiteral("le %1");
inline const QString compteMots = QStringLiteral("%1 mot(s) affiché(s) sur %2");
inline const QString imprimerBilan = QStringLiteral("&Imprimer son bilan…");
inline const QString bulleImprimerBilan =
    QStringLiteral("Imprime le même bilan que celui que l'élève imprime depuis sa fenêtre.");
inline const QString fichierIllisible = QStringLiteral("Le fichier de %1 ne peut pas être lu : %2");
inline const QString fichierAbime = QStringLiteral(
    "Le fichier de %1 est abîmé : voici les mots que le programme a pu y lire, ceux que l'élève "
    "retrouvera à sa prochaine séance.");
}  // namespace TextesSuivi
