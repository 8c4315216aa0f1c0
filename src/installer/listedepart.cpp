#include "listedepart.h"

#include "data/encodage.h"

#include <QFile>
#include <QSet>

QString refusMotDepart(const QString &mot)
{
    if (mot.isEmpty())
        return QStringLiteral("mot absent");
    if (mot != mot.toLower())
        return QStringLiteral("majuscule dans « %1 »").arg(mot);
    if (!representableEnWindows1252(mot))
        return QStringLiteral("caractère impossible en Windows-1252 dans « %1 »").arg(mot);
    // The word is a file name in Sons and a quoted value in Mots.dat.
    for (const QChar c : mot) {
        if (c == u'/' || c == u'\\' || c == u'"' || c.category() == QChar::Other_Control)
            return QStringLiteral("caractère interdit dans « %1 »").arg(mot);
    }
    if (mot.startsWith(u'.') || mot.startsWith(u'-'))
        return QStringLiteral("un mot ne commence ni par un point ni par un tiret : « %1 »").arg(mot);
    return {};
}

namespace {

// Both lists: one entry a line, blank lines and "#" comments skipped. lire
// takes a trimmed line and says why it is refused (empty: kept); each
// refusal is noted with its line number.
template <typename Lire>
void lireLignes(const QString &texte, QStringList &erreurs, Lire lire)
{
    const QStringList lignes = texte.split(u'\n');
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QString ligne = lignes[i].trimmed();
        if (ligne.isEmpty() || ligne.startsWith(u'#'))
            continue;
        if (const QString raison = lire(ligne); !raison.isEmpty())
            erreurs << QStringLiteral("ligne %1 : %2").arg(i + 1).arg(raison);
    }
}

template <typename Liste>
std::optional<Liste> lireFichier(const QString &chemin, Liste (*lire)(const QString &))
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return std::nullopt;
    return lire(decoderTexteFichier(fichier.readAll()));
}

} // namespace

ListeDepart lireListeDepart(const QString &texte)
{
    ListeDepart liste;
    QSet<QString> dejaVus;
    lireLignes(texte, liste.erreurs, [&](const QString &ligne) {
        const QChar premier = ligne[0];
        if (premier < u'1' || premier > u'5' || ligne.size() < 2 || !ligne[1].isSpace())
            return QStringLiteral("un niveau de 1 à 5 suivi d'un mot est attendu");
        const QString mot = ligne.mid(2).trimmed();
        if (QString raison = refusMotDepart(mot); !raison.isEmpty())
            return raison;
        if (dejaVus.contains(mot))
            return QStringLiteral("« %1 » figure déjà dans la liste").arg(mot);
        dejaVus.insert(mot);
        liste.mots.append({mot, premier.digitValue()});
        return QString();
    });
    return liste;
}

std::optional<ListeDepart> lireFichierListeDepart(const QString &chemin)
{
    return lireFichier(chemin, lireListeDepart);
}

PhrasesDepart lirePhrasesDepart(const QString &texte)
{
    PhrasesDepart liste;
    QSet<QString> dejaVus;
    lireLignes(texte, liste.erreurs, [&](const QString &ligne) {
        const qsizetype tabulation = ligne.indexOf(u'\t');
        if (tabulation < 0)
            return QStringLiteral("un mot, une tabulation puis sa phrase sont attendus");
        const QString mot = ligne.left(tabulation).trimmed();
        const QString phrase = normaliserPhrase(ligne.mid(tabulation + 1));
        if (QString raison = refusMotDepart(mot); !raison.isEmpty())
            return raison;
        if (const QString raison = raisonPhraseRefusee(phrase); !raison.isEmpty())
            return QStringLiteral("phrase de « %1 » : %2").arg(mot, raison);
        if (dejaVus.contains(mot))
            return QStringLiteral("« %1 » a déjà une phrase").arg(mot);
        dejaVus.insert(mot);
        liste.phrases.append({mot, phrase});
        return QString();
    });
    return liste;
}

std::optional<PhrasesDepart> lireFichierPhrasesDepart(const QString &chemin)
{
    return lireFichier(chemin, lirePhrasesDepart);
}
