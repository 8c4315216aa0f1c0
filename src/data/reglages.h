#pragma once
// The two small settings files: Code.dat (the teacher's access code) and
// Fonte.dat (the exercise font).
#include "ecriture.h"

#include <QString>
#include <optional>

inline const QString kFichierCode = QStringLiteral("Code.dat");
inline const QString kFichierFonte = QStringLiteral("Fonte.dat");

// A code the access-code dialog can store and a teacher can type back: 1 to 6
// printable characters with a Windows-1252 byte, no double quote, no blank
// around.
bool codeAccesValable(const QString &code);

// What Code.dat holds. Blank values are skipped; the last value is the code.
// A file that exists but cannot be read, or holds a value that is no
// possible code (a PDF printed over it, binary bytes, a long text), gives no
// code and a reason: it must open nothing, and above all not pass for a first
// use, which would let anyone choose a new code.
struct LectureCode {
    QString code;       // empty: no code chosen yet (missing or empty file), or a reason below
    QString probleme;   // French, for the teacher; empty when the file can be used
    bool premiereUtilisation() const { return code.isEmpty() && probleme.isEmpty(); }
};
LectureCode lireFichierCode(const QString &dossierInstallation);

// The stored code alone: empty when there is none or the file cannot be used.
QString lireCodeAcces(const QString &dossierInstallation);
// Writes Code.dat as one quoted line. A code that codeAccesValable refuses is
// not written (it could not be read back, or typed).
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
