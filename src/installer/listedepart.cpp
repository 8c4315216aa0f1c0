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

ListeDepart lireListeDepart(const QString &texte)
{
    ListeDepart liste;
    QSet<QString> dejaVus;
    const QStringList lignes = texte.split(u'\n');
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QString ligne = lignes[i].trimmed();
        if (ligne.isEmpty() || ligne.startsWith(u'#'))
            continue;
        const auto refuser = [&](const QString &raison) {
            liste.erreurs << QStringLiteral("ligne %1 : %2").arg(i + 1).arg(raison);
        };
        const QChar premier = ligne[0];
        if (premier < u'1' || premier > u'5' || ligne.size() < 2 || !ligne[1].isSpace()) {
            refuser(QStringLiteral("un niveau de 1 à 5 suivi d'un mot est attendu"));
            continue;
        }
        const QString mot = ligne.mid(2).trimmed();
        if (const QString raison = refusMotDepart(mot); !raison.isEmpty()) {
            refuser(raison);
            continue;
        }
        if (dejaVus.contains(mot)) {
            refuser(QStringLiteral("« %1 » figure déjà dans la liste").arg(mot));
            continue;
        }
        dejaVus.insert(mot);
        liste.mots.append({mot, premier.digitValue()});
    }
    return liste;
}

std::optional<ListeDepart> lireFichierListeDepart(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return std::nullopt;
    return lireListeDepart(decoderTexteFichier(fichier.readAll()));
}

PhrasesDepart lirePhrasesDepart(const QString &texte)
{
    PhrasesDepart liste;
    QSet<QString> dejaVus;
    const QStringList lignes = texte.split(u'\n');
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QString ligne = lignes[i].trimmed();
        if (ligne.isEmpty() || ligne.startsWith(u'#'))
            continue;
        const auto refuser = [&](const QString &raison) {
            liste.erreurs << QStringLiteral("ligne %1 : %2").arg(i + 1).arg(raison);
        };
        const qsizetype tabulation = ligne.indexOf(u'\t');
        if (tabulation < 0) {
            refuser(QStringLiteral("un mot, une tabulation puis sa phrase sont attendus"));
            continue;
        }
        const QString mot = ligne.left(tabulation).trimmed();
        const QString phrase = normaliserPhrase(ligne.mid(tabulation + 1));
        QString raison = refusMotDepart(mot);
        if (raison.isEmpty() && !raisonPhraseRefusee(phrase).isEmpty())
            raison = QStringLiteral("phrase de « %1 » : %2").arg(mot, raisonPhraseRefusee(phrase));
        if (raison.isEmpty() && dejaVus.contains(mot))
            raison = QStringLiteral("« %1 » a déjà une phrase").arg(mot);
        if (!raison.isEmpty()) {
            refuser(raison);
            continue;
        }
        dejaVus.insert(mot);
        liste.phrases.append({mot, phrase});
    }
    return liste;
}

std::optional<PhrasesDepart> lireFichierPhrasesDepart(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return std::nullopt;
    return lirePhrasesDepart(decoderTexteFichier(fichier.readAll()));
}
