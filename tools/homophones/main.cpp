// Makes the homophone index the program ships: every form of a French word
// list read by espeak-ng's French voice, grouped by what is heard. A group is
// kept only when it holds two different words, not just a word with its own
// plural or feminine. One group a line, its forms separated by a space.
// The forms of the third file are left out (resources/langue/formes-ecartees.txt:
// slips of the list, rarities, literary tenses; see tools/orthographe), those
// of the fourth added (resources/langue/formes-ajoutees.txt: elided forms).
//   orthoval_homophones /usr/share/dict/french langue/homophones.txt formes-ecartees.txt formes-ajoutees.txt
#include "audio/synthese.h"
#include "langue/familles.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {
// A form a child may be asked to write: French small letters, a hyphen or an
// apostrophe inside; no proper noun, abbreviation, number or elided form
// ("d'"). Of one letter, only "a" and "à": wfrench lists every letter of the
// alphabet too ("b", "t"), no words to write, and espeak-ng reads "y" alone
// as the letter's name.
bool formeRetenue(const QString &forme)
{
    static const QStringList motsDUneLettre{QStringLiteral("a"), QStringLiteral("à")};
    if (forme.size() == 1)
        return motsDUneLettre.contains(forme);
    if (forme.size() < 2 || !forme.front().isLower() || !forme.back().isLower())
        return false;
    static const QString lettres = QStringLiteral("abcdefghijklmnopqrstuvwxyzàâäçéèêëîïôöùûüÿœæ-'");
    return std::all_of(forme.cbegin(), forme.cend(), [](QChar c) { return lettres.contains(c); });
}

// The whole file, or nothing after saying why.
std::optional<QString> lireUtf8(const char *chemin)
{
    QFile fichier(QString::fromLocal8Bit(chemin));
    if (!fichier.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", chemin, qPrintable(fichier.errorString()));
        return {};
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texte = utf8.decode(fichier.readAll());
    if (utf8.hasError()) {
        std::fprintf(stderr, "%s: not UTF-8\n", chemin);
        return {};
    }
    return texte;
}

bool deuxMots(const QStringList &groupe)
{
    for (qsizetype i = 0; i < groupe.size(); ++i)
        for (qsizetype j = i + 1; j < groupe.size(); ++j)
            if (!memeFamille(groupe[i], groupe[j]))
                return true;
    return false;
}
}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: orthoval_homophones LISTE_DE_MOTS SORTIE FORMES_ECARTEES FORMES_AJOUTEES\n");
        return 2;
    }
    const std::optional<QString> liste = lireUtf8(argv[1]);
    const std::optional<QString> listeEcartees = lireUtf8(argv[3]);
    const std::optional<QString> listeAjoutees = lireUtf8(argv[4]);
    if (!liste || !listeEcartees || !listeAjoutees)
        return 1;
    const QString texte = *liste + u'\n' + *listeAjoutees;
    QSet<QString> ecartees;
    for (const QStringView ligne : QStringView(*listeEcartees).split(u'\n', Qt::SkipEmptyParts)) {
        if (!ligne.startsWith(u'#'))
            ecartees.insert(ligne.trimmed().toString());
    }

    QHash<QString, QStringList> parSon;
    QSet<QString> vues;   // an added form wfrench may list one day
    qsizetype lues = 0;
    for (const QStringView ligne : QStringView(texte).split(u'\n', Qt::SkipEmptyParts)) {
        const QString forme = ligne.trimmed().toString();
        if (!formeRetenue(forme) || ecartees.contains(forme) || vues.contains(forme))
            continue;
        vues.insert(forme);
        ++lues;
        const QString son = convertirEnPhonemes(forme);
        if (son.isEmpty()) {
            std::fprintf(stderr, "espeak-ng gives no phonemes for \"%s\"\n", qPrintable(forme));
            return 1;
        }
        parSon[son] << forme;
    }

    QStringList lignes;
    for (QStringList &groupe : parSon) {
        if (groupe.size() < 2 || !deuxMots(groupe))
            continue;
        groupe.sort();
        lignes << groupe.join(u' ');
    }
    lignes.sort();

    QSaveFile sortie(QString::fromLocal8Bit(argv[2]));
    if (!sortie.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(sortie.errorString()));
        return 1;
    }
    const QByteArray octets = (QStringLiteral("# French forms that sound the same (espeak-ng), one group a line; "
                                              "made by tools/homophones from ")
                               + QString::fromLocal8Bit(argv[1]) + u'\n' + lignes.join(u'\n') + u'\n')
                                  .toUtf8();
    if (sortie.write(octets) != octets.size() || !sortie.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(sortie.errorString()));
        return 1;
    }
    std::printf("%lld forms, %lld groups of homophones\n", static_cast<long long>(lues),
                static_cast<long long>(lignes.size()));
    return 0;
}
