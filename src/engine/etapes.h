#pragma once
// The ladder of exercises a word climbs.
#include <QString>
#include <array>

inline constexpr int kEtapeNouveau = 0;     // initial test
inline constexpr int kEtapeModele = 3;      // copy with the whole word as model
inline constexpr int kEtapeVoyelles = 4;    // vowels masked in the model
inline constexpr int kEtapeConsonnes = 5;   // consonants masked in the model
inline constexpr int kEtapeSansModele = 6;  // no model
inline constexpr int kEtapeUnJour = 7;      // again after at least a day
inline constexpr int kEtapeUneSemaine = 8;  // again after at least a week
inline constexpr int kEtapeUnMois = 9;      // again after at least a month
inline constexpr int kEtapeAcquis = 10;

inline constexpr int kNombrePoints = 7;     // ladder squares, square i = stage i + 3 passed

struct PointEchelle {
    QString infobulle;
    unsigned rgb;   // background colour 0xRRGGBB
};
const std::array<PointEchelle, kNombrePoints> &pointsEchelle();

// How the model frame is shown for a stage (0 and "nothing found" alike: hidden,
// titled "Modèle", answer frame titled "Test initial").
struct PresentationEtape {
    QString titreCadreMot;   // "Test initial" at stage 0, empty otherwise
    bool modeleVisible;
    QString titreModele;     // "Modèle", "Modèle : les voyelles sont masquées", ...
    int pointsAllumes;       // squares 0 .. pointsAllumes-1 made visible (0: all hidden)
};
PresentationEtape presentationEtape(int etape);

// The model text shown at a stage: the word (3), masked (4, 5), or the word
// kept in the hidden label (other stages).
QString texteModele(const QString &mot, int etape);
