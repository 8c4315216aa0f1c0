#pragma once
// The 43 keys of the on-screen letter keyboard. Their classes (vowel drawn in
// red, consonant in blue, sign in green) also decide which letters the masked
// models hide.
#include <QChar>
#include <QString>
#include <array>

enum class ClasseTouche { Voyelle, Consonne, Signe };

struct Touche {
    QString legende;      // the caption drawn on the key (" Espace " for the space bar)
    ClasseTouche classe;
    int gauche, haut;     // position in twips
    int largeur, hauteur; // size in twips
    QString infobulle;    // empty for the letter keys

    // The text the key inserts: its caption, or one space for the space bar.
    QString texteInsere() const;
};

inline constexpr int kNombreTouches = 43;
inline constexpr int kNombreTouchesLettres = 40; // keys 0 to 39: the letters, each with a class
inline constexpr int kToucheTraitUnion = 40;
inline constexpr int kToucheApostrophe = 41;
inline constexpr int kToucheEspace = 42;

const std::array<Touche, kNombreTouches> &touchesClavier();

// The index of the letter key (0 to 39) whose caption is this character, or -1.
int toucheDeLettre(QChar c);
// The key a typed character inserts (letters lowered first, "-", "'", space),
// or -1 when the character has no key.
int toucheDeCaractere(QChar c);
