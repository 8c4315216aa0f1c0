#include "phraseatrou.h"

#include "engine/texte.h"

#include <QList>
#include <algorithm>
#include <utility>

namespace {

// A text compared without case or accents, each of its characters tied to
// the character of the original it comes from (œ gives two).
struct TexteCompare {
    QString texte;
    QList<qsizetype> origine;
};

TexteCompare comparable(const QString &original)
{
    TexteCompare t;
    for (qsizetype i = 0; i < original.size(); ++i) {
        QString c = SansAccents(QString(original.at(i))).toLower();
        // A typed sentence may have the typographic apostrophe, the list the straight one.
        c.replace(u'\u2019', u'\'').replace(u'œ', QStringLiteral("oe")).replace(u'æ', QStringLiteral("ae"));
        for (const QChar d : std::as_const(c)) {
            t.texte += d;
            t.origine.append(i);
        }
    }
    return t;
}

bool lettre(QChar c)
{
    return c.isLetterOrNumber();
}

} // namespace

QString phraseATrou(const QString &phrase, const QStringList &formes)
{
    const TexteCompare p = comparable(phrase);
    QList<std::pair<qsizetype, qsizetype>> trous;   // [start, end) in the sentence
    QStringList cherchees;
    for (const QString &forme : formes) {
        const QString f = comparable(forme).texte;
        if (f.isEmpty() || cherchees.contains(f))
            continue;
        cherchees << f;
        for (qsizetype de = p.texte.indexOf(f); de >= 0; de = p.texte.indexOf(f, de + 1)) {
            if (de > 0 && lettre(p.texte.at(de - 1)))
                continue;   // inside another word: checked below
            const qsizetype debut = p.origine.at(de);
            qsizetype fin = p.origine.at(de + f.size() - 1) + 1;
            while (fin < phrase.size() && lettre(phrase.at(fin)))
                ++fin;   // the rest of the form: dent-s
            trous.append({debut, fin});
        }
    }
    if (trous.isEmpty())
        return {};
    std::sort(trous.begin(), trous.end());
    QString resultat;
    qsizetype lu = 0;
    for (const auto &[debut, fin] : std::as_const(trous)) {
        if (fin <= lu)
            continue;
        if (debut >= lu) {
            resultat += QStringView(phrase).mid(lu, debut - lu);
            resultat += kTrou;
        }
        lu = fin;
    }
    resultat += QStringView(phrase).mid(lu);
    const QString reste = comparable(resultat).texte;
    for (const QString &f : std::as_const(cherchees))
        if (reste.contains(f))
            return {};
    return resultat;
}
