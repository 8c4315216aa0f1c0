#include "clavier.h"

namespace {

constexpr int kLargeurTouche = 315;
constexpr int kHauteurTouche = 420;
constexpr int kHautRangee = 3840;
constexpr int kPasColonne = 315;
constexpr int kPasRangee = 420;
constexpr int kGaucheClavier = 120;

Touche lettre(QChar c, ClasseTouche classe, int gauche, int haut)
{
    return {QString(c), classe, gauche, haut, kLargeurTouche, kHauteurTouche, QString()};
}

// The column of a letter of the top row (a = 0).
int colonne(char base) { return kGaucheClavier + kPasColonne * (base - 'a'); }
// The top of the n-th row under the top row.
int rangee(int n) { return kHautRangee + kPasRangee * n; }

std::array<Touche, kNombreTouches> construireClavier()
{
    std::array<Touche, kNombreTouches> t;
    const QString voyelles = QStringLiteral("aeiouy");
    for (int i = 0; i < 26; ++i) {
        const char c = char('a' + i);
        const auto classe = voyelles.contains(QLatin1Char(c)) ? ClasseTouche::Voyelle : ClasseTouche::Consonne;
        t[i] = lettre(QLatin1Char(c), classe, colonne(c), rangee(0));
    }
    // Each accented letter sits in the column of its base letter, one row per variant.
    struct Accent { char16_t lettre; char base; int rang; };
    static constexpr Accent accents[] = {
        {u'à', 'a', 1}, {u'â', 'a', 2},
        {u'é', 'e', 1}, {u'è', 'e', 2}, {u'ê', 'e', 3}, {u'ë', 'e', 4},
        {u'î', 'i', 1}, {u'ï', 'i', 2},
        {u'ô', 'o', 1}, {u'ö', 'o', 2},
        {u'ù', 'u', 1}, {u'û', 'u', 2}, {u'ü', 'u', 3},
    };
    int i = 26;
    for (const Accent &a : accents)
        t[i++] = lettre(QChar(a.lettre), ClasseTouche::Voyelle, colonne(a.base), rangee(a.rang));
    t[39] = lettre(QChar(u'ç'), ClasseTouche::Consonne, colonne('c'), rangee(1));

    t[kToucheTraitUnion] = {QStringLiteral("-"), ClasseTouche::Signe, 8580, kHautRangee,
                            kLargeurTouche, kHauteurTouche, QStringLiteral(" Trait d'union ")};
    t[kToucheApostrophe] = {QStringLiteral("'"), ClasseTouche::Signe, 9015, kHautRangee,
                            kLargeurTouche, kHauteurTouche, QStringLiteral(" Apostrophe ")};
    t[kToucheEspace] = {QStringLiteral(" Espace "), ClasseTouche::Signe, 9450, kHautRangee,
                        975, 405, QStringLiteral(" N'oublie pas les espaces !!! ")};
    return t;
}

} // namespace

QString Touche::texteInsere() const
{
    return legende == QLatin1String(" Espace ") ? QStringLiteral(" ") : legende;
}

const std::array<Touche, kNombreTouches> &touchesClavier()
{
    static const std::array<Touche, kNombreTouches> clavier = construireClavier();
    return clavier;
}

int toucheDeLettre(QChar c)
{
    const auto &touches = touchesClavier();
    for (int i = 0; i < kNombreTouchesLettres; ++i)
        if (touches[i].legende.size() == 1 && touches[i].legende.front() == c)
            return i;
    return -1;
}

int toucheDeCaractere(QChar c)
{
    const int i = toucheDeLettre(c.toLower());
    if (i >= 0)
        return i;
    if (c == u'-')
        return kToucheTraitUnion;
    if (c == u'\'')
        return kToucheApostrophe;
    if (c == u' ')
        return kToucheEspace;
    return -1;
}
