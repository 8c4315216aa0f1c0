#pragma once
// Design positions and sizes of the exercise screen, in twips.
// The exercise rows (the model, the answer) are taller than the original
// design: a school cursive needs about four times its small letters' height.
constexpr int kLargeurEcran = 11760, kHauteurEcran = 7200;
constexpr int kFrameMotX = 135, kFrameMotY = 1800, kFrameMotL = 10395, kFrameMotH = 1635;
constexpr int kReponseX = 2385, kReponseY = 240, kReponseL = 7155;
constexpr int kOkX = 9660, kOkL = 615;
constexpr int kModeleX = 2295, kModeleY = 60, kModeleL = 7635, kModeleH = 1560;
constexpr int kEtiquetteModeleX = 255, kEtiquetteModeleY = 180;
constexpr int kPointsX = 10920, kPointsY0 = 2580, kPointCote = 390;
constexpr int kBasY = 6480, kBasH = 540;
// The keyboard band: from under the answer frame to the line under the keys.
constexpr int kClavierHaut = kFrameMotY + kFrameMotH, kLigneClavierY = 6020;
constexpr int kLargeurToucheTwips = 315, kHauteurToucheTwips = 420;
constexpr int kEcartSignesTwips = 270;   // between the letters and the signs
constexpr int kGaucheLettres = 120, kHautLettres = 3840;   // the key "a"
// The sentence's button, right of the loudspeaker; the sentence with a gap,
// over the keyboard's hint and down to the buttons.
constexpr int kBoutonPhraseX = 1620, kBoutonPhraseCote = 600;
constexpr int kPhraseX = 120, kPhraseL = 10305;
