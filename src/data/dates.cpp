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
