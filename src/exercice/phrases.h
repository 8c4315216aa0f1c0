#pragma once
// The sentences of the exercise's answer zone, in one place.
#include <QString>
#include <QStringList>

namespace phrases_seance {

inline const QString kConsigne = QStringLiteral(
    "Écris dans la zone jaune, puis clique sur Ok quand tu as terminé.");
// Shown in the answer zone once the list is over.
inline const QString kTravailFini = QStringLiteral(
    "Bravo, tu as fini pour aujourd'hui ! Clique sur Quitter.");

// Said after an answer, in turn. The ladder is not changed by them.
inline const QStringList kPhrasesJuste = {
    QStringLiteral("Bravo, c'est juste !"),
    QStringLiteral("Très bien !"),
    QStringLiteral("Super, tu l'as bien écrit !"),
    QStringLiteral("C'est parfait !"),
};
// After an answer close to the word: one or two letters to change.
inline const QStringList kPhrasesProche = {
    QStringLiteral("Presque ! Regarde les lettres en couleur."),
    QStringLiteral("Tu y es presque ! Compare les deux lignes."),
};
// After an answer far from the word: kind, and never "almost".
inline const QStringList kPhrasesLoin = {
    QStringLiteral("Ce n'est pas grave. Regarde bien le mot, puis clique sur Suivant."),
    QStringLiteral("On apprend en se trompant. Regarde les lettres soulignées."),
};
// After another real word that sounds like the one heard (dans for dent):
// the child was not careless, and the right spelling is not given away.
inline const QString kPhraseHomophone = QStringLiteral(
    "Ton mot se dit pareil, mais ce n'est pas celui-là ! Écoute encore le mot.");
// The same, for a word that has a sentence: the sentence tells them apart.
inline const QString kPhraseHomophoneEcouterPhrase = QStringLiteral(
    "Ton mot se dit pareil, mais ce n'est pas celui-là ! Écoute la phrase.");

// The end of the visit, at Quitter.
inline const QString kResumeVide = QStringLiteral("À bientôt !");
inline const QString kResume = QStringLiteral("Aujourd'hui tu as écrit %1, %2 du premier coup. À bientôt !");
inline QString motsEcrits(int n) { return n == 1 ? QStringLiteral("1 mot") : QStringLiteral("%1 mots").arg(n); }
inline QString justes(int n) { return n <= 1 ? QStringLiteral("%1 juste").arg(n) : QStringLiteral("%1 justes").arg(n); }

} // namespace phrases_seance
