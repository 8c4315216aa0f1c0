#pragma once
// The size of the exercise font: the largest of 1.5, 2, ... 25.5 points at
// which one line of text is no taller than the reference height.
#include <functional>

// 435 twips: 29 pixels at 96 dots per inch.
inline constexpr int kHauteurReferenceTwips = 435;

// hauteurTwips gives the line height, in twips, at a size in points. Starts at
// 1 point and raises by half points, at most 49 times, stopping before the
// first size that is too tall: 1 when even 1.5 is too tall, 25.5 at most.
double chercherTaillePolice(const std::function<int(double taille)> &hauteurTwips,
                            int limiteTwips = kHauteurReferenceTwips);
