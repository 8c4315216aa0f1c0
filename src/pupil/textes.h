#pragma once
// Every text the pupil window shows, in one place.
#include <QString>
#include <QStringList>

#include "exercice/phrases.h"

namespace textes_eleve {

inline const QString kTitreFenetre = QStringLiteral("OrthoVal - Élève");
inline const QString kSeparateurTitre = QStringLiteral(" : ");

inline const QString kQuiEsTu = QStringLiteral("Qui es-tu ?");
inline const QString kCestMoi = QStringLiteral("C'est &moi.");
inline const QString kChoisisTonNom = QStringLiteral("Choisis ton nom");
inline const QString kMiseAJour = QStringLiteral(
    "Je vérifie la bibliothèque sonore\npour une éventuelle mise à jour.\n\nPATIENCE !");
inline const QString kQuitter = QStringLiteral("&Quitter");

inline const QString kTitreAvertissement = QStringLiteral("Avertissement");
inline const QString kListeMotsIllisible = QStringLiteral(
    "Vous devez d'abord affecter un niveau aux mots de la bibliothèque sonore\n"
    "en ouvrant le module Enseignant.\n");

inline const QString kTitreListeMotsAbimee = QStringLiteral("Liste des mots abîmée");
inline const QString kListeMotsAbimee = QStringLiteral(
    "La liste des mots (le fichier « Mots.dat ») est abîmée : aucun mot n'a pu y être lu.\n\n"
    "Appelle ton maître ou ta maîtresse : il faut ouvrir le module Enseignant pour la réparer.\n"
    "Ton travail n'a pas été touché.");
inline const QString kListeMotsNonLue = QStringLiteral(
    "La liste des mots (le fichier « Mots.dat ») ne peut pas être lue : %1\n\n"
    "Appelle ton maître ou ta maîtresse.\n"
    "Ton travail n'a pas été touché.");
inline const QString kTitreBilanIllisible = QStringLiteral("Fichier illisible");
inline const QString kBilanIllisible = QStringLiteral(
    "Ton fichier de travail (« %1 ») ne peut pas être lu : %2\n\n"
    "Appelle ton maître ou ta maîtresse. Ton travail n'a pas été touché.");

inline const QString kTitreEnregistrement = QStringLiteral("Enregistrement impossible");
inline const QString kEnregistrementRate = QStringLiteral(
    "\n\nLes progrès de cette séance sont encore en mémoire. "
    "Corrigez le problème (dossier protégé, disque plein...) puis cliquez de nouveau sur Quitter.");
inline const QString kVerrouPerdu = QStringLiteral(
    "Le travail de %1 n'a pas été enregistré : le dossier « %2 » n'est plus celui où la séance a "
    "commencé (lecteur réseau déconnecté ?), ou un autre ordinateur a repris le travail de cet élève. "
    "Rien n'a été écrit, pour ne pas partager ses progrès entre deux endroits.");
inline const QString kQuitterSansEnregistrer = QStringLiteral(
    "\n\nQuitter sans enregistrer ? Les progrès de cette séance seront perdus.");

using phrases_seance::kConsigne;
inline const QString kOk = QStringLiteral("O&k");
inline const QString kSuivant = QStringLiteral("Sui&vant");
inline const QString kMotDeNiveau = QStringLiteral("Mot de niveau ");
inline const QString kMotsAcquis = QStringLiteral("mots acquis ");
inline const QString kNiveauAtteint = QStringLiteral("  Niveau   atteint");
inline const QString kLigneClavier = QStringLiteral(
    "Tu peux utiliser le clavier ou cliquer sur les lettres et les signes.");
inline const QString kInfobulleSon = QStringLiteral(" Clique ici pour écouter le mot. ");
inline const QString kInfobullePhrase = QStringLiteral(" Clique ici pour écouter la phrase du mot. ");
inline const QString kInfobulleImprimer = QStringLiteral(
    "Imprime la liste des mots connus, étudiés en partie et à étudier.");

inline const QString kTitreFinDeListe = QStringLiteral("Fin de liste");
inline const QString kFinDeListe = QStringLiteral(
    "Il n'y a plus de mots pour aujourd'hui.\n"
    "Tu as fini ton travail : bravo !\n"
    "\n"
    "Tu pourras continuer un autre jour.");
using phrases_seance::kTravailFini;
// How long the summary of the visit stays over the window underneath.
inline constexpr int kDureeResumeMs = 5000;

// Captions of the two lines of the correction.
inline const QString kLegendeTapee = QStringLiteral("Tu as écrit");
inline const QString kLegendeAttendue = QStringLiteral("Le mot");

} // namespace textes_eleve
