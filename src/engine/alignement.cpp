#include "alignement.h"

#include <algorithm>
#include <vector>

QList<CaseAlignee> AlignerReponse(const QString &tapee, const QString &attendue)
{
    const qsizetype n = tapee.size(), m = attendue.size();
    // Optimal string alignment distance, then a walk back from the end.
    std::vector<int> d((n + 1) * (m + 1));
    auto at = [&](qsizetype i, qsizetype j) -> int & { return d[i * (m + 1) + j]; };
    for (qsizetype i = 0; i <= n; ++i) at(i, 0) = int(i);
    for (qsizetype j = 0; j <= m; ++j) at(0, j) = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const int cout = tapee[i - 1] == attendue[j - 1] ? 0 : 1;
            int v = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cout});
            if (i > 1 && j > 1 && tapee[i - 1] == attendue[j - 2] && tapee[i - 2] == attendue[j - 1])
                v = std::min(v, at(i - 2, j - 2) + 1);
            at(i, j) = v;
        }
    }
    QList<CaseAlignee> cases;
    qsizetype i = n, j = m;
    while (i > 0 || j > 0) {
        // Walking back from the end: a matching pair first, then a gap.
        if (i > 0 && j > 0 && tapee[i - 1] == attendue[j - 1] && at(i, j) == at(i - 1, j - 1)) {
            cases.append({tapee[i - 1], attendue[j - 1]});
            --i, --j;
        } else if (j > 0 && at(i, j) == at(i, j - 1) + 1) {
            cases.append({QChar(), attendue[j - 1]});
            --j;
        } else if (i > 0 && at(i, j) == at(i - 1, j) + 1) {
            cases.append({tapee[i - 1], QChar()});
            --i;
        } else if (i > 1 && j > 1 && tapee[i - 1] == attendue[j - 2] && tapee[i - 2] == attendue[j - 1]
                   && at(i, j) == at(i - 2, j - 2) + 1) {
            cases.append({tapee[i - 1], attendue[j - 1]});
            cases.append({tapee[i - 2], attendue[j - 2]});
            i -= 2, j -= 2;
        } else {
            cases.append({tapee[i - 1], attendue[j - 1]});
            --i, --j;
        }
    }
    std::reverse(cases.begin(), cases.end());
    return cases;
}

LignesAlignees TexteAligne(const QList<CaseAlignee> &cases, QChar trou)
{
    LignesAlignees lignes;
    for (const CaseAlignee &c : cases) {
        lignes.tapee += c.tapee.isNull() ? trou : c.tapee;
        lignes.attendue += c.attendue.isNull() ? trou : c.attendue;
    }
    return lignes;
}

bool reponseProche(const QList<CaseAlignee> &cases)
{
    int differentes = 0;
    int alignees = 0;
    int lettresMot = 0;
    for (const CaseAlignee &c : cases) {
        differentes += c.differe() ? 1 : 0;
        alignees += c.differe() ? 0 : 1;
        lettresMot += c.attendue.isNull() ? 0 : 1;
    }
    return differentes > 0 && differentes <= 2 && 2 * alignees > lettresMot;
}
