#include "lignesmots.h"

#include "encodage.h"
#include "tableprogression.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {
// The characters Windows refuses in a file name (besides the separators).
const QString kInterdits = QStringLiteral(":*?\"<>|");
constexpr int kOctetsNomFichierMax = 255;
const QString kExtension = QStringLiteral(".wav");
// How much of a line that is not text the report shows.
constexpr int kApercuLigne = 40;
// A few NUL bytes are a damaged line; more are not a text file.
constexpr qsizetype kNulsTolere = 8;

struct Morceau {
    int ligne;
    QString texte;
};

// Splits "word<sep>level": the level is after the last tab or semicolon, or
// is the last space-separated piece when that piece is a number.
// niveau is empty when there is none; niveauLu is what was written there.
void separerNiveau(const QString &texte, QString &mot, QString &niveauLu)
{
    qsizetype position = std::max(texte.lastIndexOf(u'\t'), texte.lastIndexOf(u';'));
    if (position < 0) {
        const qsizetype espace = texte.lastIndexOf(u' ');
        if (espace > 0) {
            const QString fin = texte.mid(espace + 1);
            bool nombre = !fin.isEmpty();
            for (QChar c : fin)
                nombre = nombre && c.isDigit();
            if (nombre)
                position = espace;
        }
    }
    if (position < 0) {
        mot = texte;
        niveauLu.clear();
        return;
    }
    mot = texte.left(position).trimmed();
    niveauLu = texte.mid(position + 1).trimmed();
}

LignesMots lire(const QList<Morceau> &morceaux, const QStringList &existants)
{
    QHash<QString, QString> parMinuscules;   // lower case -> spelling already taken
    for (const QString &mot : existants)
        parMinuscules.insert(mot.toLower(), mot);
    QSet<QString> dejaVus;        // words taken from this text
    QSet<QString> doublesSignales;

    LignesMots resultat;
    for (const Morceau &m : morceaux) {
        const QString texte = m.texte.trimmed();
        if (texte.isEmpty())
            continue;
        QString mot;
        QString niveau;
        separerNiveau(texte, mot, niveau);
        auto refuser = [&](const QString &raison) { resultat.refuses.append({m.ligne, texte, raison}); };
        if (!niveau.isEmpty() && !niveauValide(niveau)) {
            refuser(QStringLiteral("le niveau « %1 » n'existe pas : un niveau va de 1 à 5.").arg(niveau));
            continue;
        }
        const QString raison = raisonMotRefuse(mot);
        if (!raison.isEmpty()) {
            refuser(raison);
            continue;
        }
        if (dejaVus.contains(mot)) {
            if (!doublesSignales.contains(mot)) {
                doublesSignales.insert(mot);
                refuser(QStringLiteral("« %1 » est écrit plusieurs fois : il n'est ajouté qu'une fois.").arg(mot));
            }
            continue;
        }
        const QString cle = mot.toLower();
        const auto autre = parMinuscules.constFind(cle);
        if (autre != parMinuscules.constEnd() && *autre != mot) {
            refuser(QStringLiteral("le mot existe déjà écrit « %1 » : deux enregistrements qui ne "
                                   "diffèrent que par les majuscules se confondent sous Windows.")
                        .arg(*autre));
            continue;
        }
        parMinuscules.insert(cle, mot);
        dejaVus.insert(mot);
        resultat.acceptes.append({mot, niveau});
    }
    return resultat;
}
}  // namespace

QString raisonMotRefuse(const QString &mot)
{
    if (mot.isEmpty())
        return QStringLiteral("le mot est vide.");
    if (mot == QLatin1String("*") || mot == QLatin1String(".") || mot == QLatin1String(".."))
        return QStringLiteral("« %1 » ne peut pas servir de mot.").arg(mot);
    for (QChar c : mot) {
        if (c == u'/' || c == u'\\' || kInterdits.contains(c))
            return QStringLiteral("un mot ne peut pas contenir le caractère « %1 ».").arg(c);
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("un mot ne peut pas contenir de caractère de contrôle.");
    }
    const qsizetype position = positionNonRepresentable(mot);
    if (position >= 0)
        return QStringLiteral("un mot ne peut pas contenir le caractère %1.").arg(decrireCaractere(mot, position));
    // A name starting with a dot is a hidden file: the list would lose it.
    if (mot.startsWith(u'.'))
        return QStringLiteral("un mot ne peut pas commencer par un point.");
    if (mot.endsWith(u'.') || mot.back().isSpace())
        return QStringLiteral("un mot ne peut pas se terminer par un point ou une espace.");
    if (QFile::encodeName(mot + kExtension).size() > kOctetsNomFichierMax)
        return QStringLiteral("le mot est trop long pour servir de nom de fichier.");
    // The rules of the word list itself, should they ever grow.
    if (!motEnregistrable(mot))
        return QStringLiteral("« %1 » ne peut pas être enregistré dans la liste des mots.").arg(mot);
    return QString();
}

LignesMots lireMotsTapes(const QString &texte, const QStringList &existants)
{
    QList<Morceau> morceaux;
    const QStringList lignes = texte.split(u'\n');
    for (int i = 0; i < lignes.size(); ++i) {
        QString ligne = lignes.at(i);
        if (ligne.endsWith(u'\r'))
            ligne.chop(1);
        for (const QString &piece : ligne.split(u','))
            morceaux.append({i + 1, piece});
    }
    return lire(morceaux, existants);
}

LignesMots lireMotsFichier(const QByteArray &octets, const QStringList &existants)
{
    QList<Morceau> morceaux;
    QList<MotRefuse> horsTexte;
    qsizetype nonVides = 0;
    const QStringList lignes = decoderLignesFichier(octets);
    for (int i = 0; i < lignes.size(); ++i) {
        const QString &ligne = lignes.at(i);
        if (ligne.trimmed().isEmpty())
            continue;
        ++nonVides;
        const qsizetype position = positionHorsTexte(ligne);
        if (position < 0) {
            morceaux.append({i + 1, ligne});
            continue;
        }
        // Shown to the teacher: the bytes that are not text are not.
        QString lisible = ligne.left(kApercuLigne);
        for (QChar &c : lisible)
            if (positionHorsTexte(QString(c)) == 0)
                c = QChar::ReplacementCharacter;
        if (ligne.size() > kApercuLigne)
            lisible += u'…';
        horsTexte.append({i + 1, lisible.trimmed(),
                          QStringLiteral("cette ligne n'est pas du texte (caractère %1) : elle est ignorée.")
                              .arg(decrireCaractere(ligne, position))});
    }
    LignesMots resultat;
    // No text file holds NUL bytes (a UTF-16 one is read as such); and a
    // list whose lines are mostly not text is something else with a few
    // letters in it, not a list with a few bad lines.
    const qsizetype nuls = octets.startsWith("\xFF\xFE") || octets.startsWith("\xFE\xFF") ? 0 : octets.count('\0');
    if (nuls > std::max<qsizetype>(kNulsTolere, octets.size() / 100) || horsTexte.size() * 2 > nonVides) {
        resultat.pasDuTexte = true;
        return resultat;
    }
    resultat = lire(morceaux, existants);
    // In line order, with the others.
    resultat.refuses.append(horsTexte);
    std::stable_sort(resultat.refuses.begin(), resultat.refuses.end(),
                     [](const MotRefuse &a, const MotRefuse &b) { return a.ligne < b.ligne; });
    return resultat;
}
