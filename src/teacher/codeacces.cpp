#include "codeacces.h"

DecisionCode deciderCode(const QString &stocke, const QString &saisi)
{
    const QString code = saisi.trimmed();
    if (stocke.isEmpty()) {
        if (code.isEmpty())
            return {};
        return {false, code};
    }
    return {code == stocke, QString()};
}
