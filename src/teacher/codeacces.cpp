#include "codeacces.h"

DecisionCode deciderCode(const QString &stocke, const QString &aConfirmer, const QString &saisi)
{
    const QString code = saisi.trimmed();
    if (!stocke.isEmpty())
        return {code == stocke ? SuiteCode::Accorder : SuiteCode::Incorrect, {}};
    if (aConfirmer.isEmpty())
        return code.isEmpty() ? DecisionCode{} : DecisionCode{SuiteCode::Confirmer, code};
    // A slip in either typing must not lock the teacher out.
    if (code != aConfirmer)
        return {SuiteCode::Differents, {}};
    return {SuiteCode::Enregistrer, code};
}
