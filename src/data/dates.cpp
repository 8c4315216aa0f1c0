#include "dates.h"

namespace {

// Reads 1 to maxChiffres digits at p; -1 when there is none or too many.
int lireNombre(const QChar *&p, const QChar *fin, int minChiffres, int maxChiffres)
{
    int valeur = 0;
    int chiffres = 0;
    while (p < fin && p->unicode() >= u'0' && p->unicode() <= u'9') {
        if (++chiffres > maxChiffres)
            return -1;
        valeur = valeur * 10 + (p->unicode() - u'0');
        ++p;
    }
    return chiffres < minChiffres ? -1 : valeur;
}

bool lireSeparateur(const QChar *&p, const QChar *fin, char16_t separateur)
{
    if (p == fin || p->unicode() != separateur)
        return false;
    ++p;
    return true;
}

QDate dateSiReelle(int annee, int mois, int jour)
{
    if (annee < 1 || mois < 1 || jour < 1)
        return QDate();
    return QDate(annee, mois, jour); // invalid (null) when the day does not exist
}

} // namespace

QString texteDate(const QDate &date)
{
    if (!date.isValid())
        return QString();
    const int annee = date.year();
    if (annee < 1000 || annee > 9999)
        return date.toString(QStringLiteral("dd/MM/yyyy"));
    const char16_t texte[10] = {
        char16_t(u'0' + date.day() / 10),   char16_t(u'0' + date.day() % 10),   u'/',
        char16_t(u'0' + date.month() / 10), char16_t(u'0' + date.month() % 10), u'/',
        char16_t(u'0' + annee / 1000),      char16_t(u'0' + annee / 100 % 10),
        char16_t(u'0' + annee / 10 % 10),   char16_t(u'0' + annee % 10),
    };
    return QString(reinterpret_cast<const QChar *>(texte), 10);
}

QDate lireDate(const QString &texte)
{
    const QString net = texte.trimmed();
    const QChar *p = net.constData();
    const QChar *const fin = p + net.size();
    if (net.size() >= 5 && net[4] == u'-') { // ISO yyyy-MM-dd
        const int annee = lireNombre(p, fin, 4, 4);
        if (annee < 0 || !lireSeparateur(p, fin, u'-'))
            return QDate();
        const int mois = lireNombre(p, fin, 1, 2);
        if (mois < 0 || !lireSeparateur(p, fin, u'-'))
            return QDate();
        const int jour = lireNombre(p, fin, 1, 2);
        return (jour < 0 || p != fin) ? QDate() : dateSiReelle(annee, mois, jour);
    }
    const int jour = lireNombre(p, fin, 1, 2);
    if (jour < 0 || !lireSeparateur(p, fin, u'/'))
        return QDate();
    const int mois = lireNombre(p, fin, 1, 2);
    if (mois < 0 || !lireSeparateur(p, fin, u'/'))
        return QDate();
    const int annee = lireNombre(p, fin, 4, 4);
    return (annee < 0 || p != fin) ? QDate() : dateSiReelle(annee, mois, jour);
}

QDate dateOuAujourdhui(const QString &texte, const QDate &aujourdhui)
{
    const QDate date = lireDate(texte);
    return date.isValid() ? date : aujourdhui;
}

bool dateLisible(const QString &texte)
{
    // The program's own form, dd/MM/yyyy, is checked without building a date:
    // a pupil file holds one per word.
    if (texte.size() == 10 && texte[2] == u'/' && texte[5] == u'/') {
        const auto chiffre = [&texte](int i) { return int(texte[i].unicode()) - int(u'0'); };
        bool chiffres = true;
        for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
            chiffres = chiffres && chiffre(i) >= 0 && chiffre(i) <= 9;
        if (chiffres) {
            const int annee = chiffre(6) * 1000 + chiffre(7) * 100 + chiffre(8) * 10 + chiffre(9);
            return annee >= 1 && QDate::isValid(annee, chiffre(3) * 10 + chiffre(4), chiffre(0) * 10 + chiffre(1));
        }
    }
    return lireDate(texte).isValid();
}
