#pragma once
// The two small settings files: Code.dat (the teacher's access code) and
// Fonte.dat (the exercise font).
#include "ecriture.h"

#include <QString>
#include <optional>

inline const QString kFichierCode = QStringLiteral("Code.dat");
inline const QString kFichierFonte = QStringLiteral("Fonte.dat");

// The stored code: the last value of Code.dat; empty when the file is missing,
// empty or unreadable.
QString lireCodeAcces(const QString &dossierInstallation);
// Writes Code.dat as one quoted line. A code holding a double quote is refused
// (it could not be read back).
ResultatEcriture enregistrerCodeAcces(const QString &dossierInstallation, const QString &code);

struct ReglageFonte {
    QString nom;
    double taille = 15.75;
    bool operator==(const ReglageFonte &) const = default;
};
// Sizes outside this range are clamped when read, so a damaged file still
// gives a readable font.
inline constexpr double kTailleFonteMin = 6.0;
inline constexpr double kTailleFonteMax = 72.0;

// The last complete name-size pair of Fonte.dat; no value when the file is
// missing, unreadable, holds no pair, or the pair's name is empty. A size that
// cannot be read as a number (point or comma as decimal separator) gives
// 15.75; others are clamped into the range below.
std::optional<ReglageFonte> lireFonte(const QString &dossierInstallation);
// The two lines: "name" CR LF, size CR LF (15.75, 13.5, 12).
QString texteFonte(const ReglageFonte &fonte);
// Refuses a name holding a double quote (it could not be read back).
ResultatEcriture enregistrerFonte(const QString &dossierInstallation, const ReglageFonte &fonte);
// A size without superfluous zeros, point as decimal separator.
QString texteTaille(double taille);
