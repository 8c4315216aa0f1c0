#pragma once
// What the access-code dialog decides when "O&k" is pressed.
#include <QString>

struct DecisionCode {
    bool accorde = false;
    // First use with a code typed: the code to write to Code.dat (access is
    // granted only once it is written).
    QString codeAEnregistrer;
};

// stocke: the code read from Code.dat (empty at first use); saisi: the text of
// the field. Blanks around the typed code do not count; case does.
DecisionCode deciderCode(const QString &stocke, const QString &saisi);
