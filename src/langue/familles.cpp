#include "familles.h"

#include <QSet>

namespace {
// Invariable words whose ending looks like a plural or a feminine, among
// the words a dictation pairs with others ("mes" and "mais", "dent" and
// "dans", "prés" and "près").
const QSet<QString> kInvariables{
    QStringLiteral("mais"), QStringLiteral("dans"), QStringLiteral("sans"), QStringLiteral("sous"),
    QStringLiteral("vers"), QStringLiteral("très"), QStringLiteral("près"), QStringLiteral("après"),
    QStringLiteral("dès"), QStringLiteral("puis"), QStringLiteral("depuis"), QStringLiteral("alors"),
    QStringLiteral("lors"), QStringLiteral("hors"), QStringLiteral("jamais"), QStringLiteral("toujours"),
    QStringLiteral("moins"), QStringLiteral("plus"), QStringLiteral("fois"), QStringLiteral("parfois"),
    QStringLiteral("autrefois"), QStringLiteral("ailleurs"), QStringLiteral("volontiers"), QStringLiteral("jadis"),
    QStringLiteral("certes"), QStringLiteral("tandis"), QStringLiteral("mieux"), QStringLiteral("ceux"),
    QStringLiteral("eux"), QStringLiteral("deux"), QStringLiteral("trois"), QStringLiteral("six"),
    QStringLiteral("dix"), QStringLiteral("encore"), QStringLiteral("comme"), QStringLiteral("quelque"),
};
}  // namespace

QStringList basesDe(const QString &forme)
{
    QStringList bases{forme};
    if (kInvariables.contains(forme))
        return bases;
    for (const QString &fin : {QStringLiteral("es"), QStringLiteral("s"), QStringLiteral("x"), QStringLiteral("e")}) {
        if (forme.size() > fin.size() && forme.endsWith(fin))
            bases << forme.chopped(fin.size());
    }
    // The verb's plural: "ils jouent" is "il joue", "ils jouaient" "je jouai".
    if (forme.size() > 3 && forme.endsWith(QStringLiteral("ent")))
        bases << forme.chopped(2) << forme.chopped(3);
    // The persons of the imparfait: "il jouait" is "je jouais".
    for (const QString &fin : {QStringLiteral("aient"), QStringLiteral("ait")}) {
        if (forme.size() > fin.size() && forme.endsWith(fin)) {
            bases << forme.chopped(fin.size()) + QStringLiteral("ais");
            break;
        }
    }
    return bases;
}

bool memeFamille(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    // A compound takes its plural on each part: "grand-mère", "grands-mères".
    if (a.contains(u'-') && b.contains(u'-')) {
        const QStringList partiesA = a.split(u'-');
        const QStringList partiesB = b.split(u'-');
        if (partiesA.size() == partiesB.size()) {
            bool parties = true;
            for (qsizetype i = 0; i < partiesA.size() && parties; ++i)
                parties = memeFamille(partiesA[i], partiesB[i]);
            if (parties)
                return true;
        }
    }
    const QStringList basesA = basesDe(a);
    for (const QString &base : basesDe(b)) {
        if (basesA.contains(base))
            return true;
    }
    return false;
}
