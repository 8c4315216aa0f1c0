#include "texte.h"

#include "clavier.h"

namespace {

constexpr QChar kEspace = u' ';
constexpr QChar kApostrophe = u'\'';
constexpr QChar kTrait = u'-';

// One clean-up step: "wherever the pair (gauche, droite) occurs, remove its
// space, and start again from the beginning until the pair is gone", done in
// one left-to-right pass. Removing a space only joins its two neighbours, so a
// pair reappears only at the place just worked on: checking that place again
// gives the same text as the repeated search from the start.
QString retirerEspace(const QString &texte, QChar gauche, QChar droite)
{
    QString sortie;
    sortie.reserve(texte.size());
    for (QChar c : texte) {
        if (droite == kEspace) {
            // "x " : the space on the right goes.
            if (c == kEspace && !sortie.isEmpty() && sortie.back() == gauche)
                continue;
        } else {
            // " x" : the space on the left goes, and the one before it, if any.
            while (c == droite && !sortie.isEmpty() && sortie.back() == kEspace)
                sortie.chop(1);
        }
        sortie.append(c);
    }
    return sortie;
}

// Only code 32 counts as a blank here: a tab or a non-breaking space stays.
QString retirerEspacesExterieurs(const QString &texte)
{
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    while (debut < fin && texte[debut] == kEspace)
        ++debut;
    while (fin > debut && texte[fin - 1] == kEspace)
        --fin;
    return texte.mid(debut, fin - debut);
}

// The class of each Latin-1 character, read once from the letter keys.
struct ClassesLettres {
    std::array<signed char, 256> classe{};

    ClassesLettres()
    {
        classe.fill(-1);
        const auto &touches = touchesClavier();
        for (int i = 0; i < kNombreTouchesLettres; ++i) {
            const Touche &t = touches[i];
            if (t.legende.size() == 1 && t.legende.front().unicode() < 256)
                classe[t.legende.front().unicode()] = static_cast<signed char>(t.classe);
        }
    }
};

// The letters written "œ" and "æ" have no key: a child types them as two
// vowels, so they are hidden with the vowels. Capitals stay, as for the keys.
bool estLigatureMinuscule(QChar c)
{
    return c == u'œ' || c == u'æ';
}

QString masquer(const QString &mot, ClasseTouche cible)
{
    static const ClassesLettres classes;
    QString resultat = mot;
    for (QChar &c : resultat)
        if ((c.unicode() < 256 && classes.classe[c.unicode()] == static_cast<signed char>(cible))
            || (cible == ClasseTouche::Voyelle && estLigatureMinuscule(c)))
            c = kCaractereMasque;
    return resultat;
}

// The two letters a ligature is typed with, or an empty text.
QString lettresDeLigature(QChar c)
{
    switch (c.unicode()) {
    case u'œ': return QStringLiteral("oe");
    case u'Œ': return QStringLiteral("OE");
    case u'æ': return QStringLiteral("ae");
    case u'Æ': return QStringLiteral("AE");
    default: return {};
    }
}

} // namespace

QString NormaliserReponse(const QString &reponse)
{
    QString texte = retirerEspacesExterieurs(reponse);
    texte = retirerEspace(texte, kEspace, kEspace);
    texte = retirerEspace(texte, kApostrophe, kEspace);
    texte = retirerEspace(texte, kEspace, kApostrophe);
    texte = retirerEspace(texte, kTrait, kEspace);
    texte = retirerEspace(texte, kEspace, kTrait);
    return texte;
}

bool EstLigature(QChar c)
{
    return !lettresDeLigature(c).isEmpty();
}

bool ReponseEgaleMot(const QString &reponse, const QString &mot)
{
    qsizetype j = 0;
    for (QChar lettre : mot) {
        if (j < reponse.size() && reponse[j] == lettre) {
            ++j;
            continue;
        }
        const QString enDeux = lettresDeLigature(lettre);
        if (enDeux.isEmpty() || QStringView(reponse).mid(j, 2) != enDeux)
            return false;
        j += 2;
    }
    return j == reponse.size();
}

QString MasquerVoyelles(const QString &mot)
{
    return masquer(mot, ClasseTouche::Voyelle);
}

QString MasquerConsonnes(const QString &mot)
{
    return masquer(mot, ClasseTouche::Consonne);
}

QString SansAccents(const QString &texte)
{
    const QString decompose = texte.normalized(QString::NormalizationForm_KD);
    QString resultat;
    resultat.reserve(decompose.size());
    for (const QChar c : decompose)
        if (!c.isMark())
            resultat += c;
    return resultat;
}
