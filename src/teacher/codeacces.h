#pragma once
// What the access-code dialog does when "O&k" is pressed.
#include <QString>

enum class SuiteCode {
    Refuser,      // close, access refused (nothing typed at first use)
    Accorder,     // close, access granted
    Incorrect,    // wrong code: say so and let the teacher try again
    Confirmer,    // first use: ask for the same code a second time
    Differents,   // first use: the two codes differ; start the choice again
    Enregistrer,  // first use: both codes match; write it, then grant access
};

struct DecisionCode {
    SuiteCode suite = SuiteCode::Refuser;
    QString code;   // with Confirmer and Enregistrer: the code chosen
};

// stocke: the code read from Code.dat (empty at first use); aConfirmer: at
// first use, the code typed the first time (empty before); saisi: the text of
// the field. Blanks around a typed code do not count; case does.
DecisionCode deciderCode(const QString &stocke, const QString &aConfirmer, const QString &saisi);
