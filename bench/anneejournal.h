#pragma once
// A school year of answers for a benchmark: 180 days of 20 answers, a quarter
// of them wrong, on the starter words; the misspellings are those children
// make (a double letter single, a silent end left out, another accent, a vowel
// or a letter changed), so the same ones come back, as in a class. Needs
// ORTHOVAL_SOURCE (the source folder) to find the starter words.
#include "data/journal.h"

#include <QDateTime>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

namespace annee {

constexpr int kJours = 180;
constexpr int kReponsesParJour = 20;
constexpr int kEleves = 30;
inline const QDate kAujourdhui(2026, 12, 7);

inline QStringList motsDepart()
{
    QStringList mots;
    QFile fichier(QStringLiteral(ORTHOVAL_SOURCE "/resources/mots-depart.txt"));
    if (!fichier.open(QIODevice::ReadOnly))
        return mots;
    for (const QString &ligne : QString::fromUtf8(fichier.readAll()).split(u'\n')) {
        const QString propre = ligne.trimmed();
        if (!propre.isEmpty() && !propre.startsWith(u'#'))
            mots << propre.mid(1).trimmed();
    }
    return mots;
}

inline QString estropier(const QString &mot, QRandomGenerator &hasard)
{
    QString t = mot;
    const int i = int(hasard.bounded(qsizetype(t.size())));
    switch (hasard.bounded(6)) {
    case 0:  // a double letter written single
        for (int k = 1; k < t.size(); ++k)
            if (t[k] == t[k - 1])
                return t.remove(k, 1);
        return t + u'e';
    case 1:  // the silent end left out
        return t.chopped(1);
    case 2:  // another accent
        return t.replace(u'é', u'è').replace(u'ê', u'è').replace(u'â', u'a');
    case 3:  // a vowel changed
        return t.replace(u'o', QStringLiteral("au"));
    case 4:
        return t.remove(i, 1);
    default:
        t[i] = QChar(u'a' + char16_t(hasard.bounded(26)));
        return t;
    }
}

// The journal of one pupil for a school year, written as the pupil window does.
inline void ecrireAnnee(const QString &dossier, const QString &eleve, quint32 graine)
{
    static const QStringList mots = motsDepart();
    QRandomGenerator hasard(graine);
    Journal journal(dossier, eleve);
    for (int jour = 0; jour < kJours; ++jour) {
        const QDate date = kAujourdhui.addDays(-365 + 2 * jour);
        for (int n = 0; n < kReponsesParJour; ++n) {
            const QString mot = mots[int(hasard.bounded(qsizetype(mots.size())))];
            const bool juste = hasard.bounded(4) != 0;
            journal.AjouterReponse(QDateTime(date, QTime(9, n)), mot, juste ? mot : estropier(mot, hasard), juste,
                                   3 + int(hasard.bounded(7)));
        }
    }
}

} // namespace annee
