#include "valeurs.h"

#include "encodage.h"

#include <QFile>
#include <QFileInfo>

namespace {

inline bool estSeparateur(char16_t c)
{
    return c == u',' || c == u'\r' || c == u'\n';
}

inline bool estBlanc(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// Empty values are by far the most common cell: share one null string
// instead of allocating.
inline QString valeur(const char16_t *debut, qsizetype longueur)
{
    return longueur == 0 ? QString() : QString(reinterpret_cast<const QChar *>(debut), longueur);
}

} // namespace

QStringList lireValeurs(const QString &texte)
{
    QStringList valeurs;
    parcourirValeurs(texte, [&valeurs](QString &&valeur) { valeurs.append(std::move(valeur)); });
    return valeurs;
}

void parcourirValeurs(const QString &texte, const std::function<void(QString &&)> &recevoir)
{
    const char16_t *p = reinterpret_cast<const char16_t *>(texte.constData());
    const char16_t *const fin = p + texte.size();
    while (p < fin) {
        while (p < fin && estBlanc(*p))
            ++p;
        if (p == fin)
            break;
        if (*p == u'"') {
            const char16_t *debut = ++p;
            while (p < fin && *p != u'"')
                ++p;
            recevoir(valeur(debut, p - debut));
            if (p == fin)
                break;
            // Whatever stands between the closing quote and the separator is dropped.
            while (p < fin && !estSeparateur(*p))
                ++p;
        } else {
            const char16_t *debut = p;
            while (p < fin && !estSeparateur(*p))
                ++p;
            const char16_t *finValeur = p;
            while (finValeur > debut && estBlanc(finValeur[-1]))
                --finValeur;
            recevoir(valeur(debut, finValeur - debut));
        }
        if (p < fin) {
            if (*p == u'\r' && p + 1 < fin && p[1] == u'\n')
                ++p;
            ++p;
        }
    }
}

LectureFichier lireFichier(const QString &chemin)
{
    LectureFichier lecture;
    const QFileInfo info(chemin);
    const auto illisible = [&lecture](const QString &raison) {
        lecture.etat = LectureFichier::Etat::Illisible;
        lecture.raison = raison;
        return lecture;
    };
    if (info.isSymLink())
        return illisible(QStringLiteral("c'est un lien symbolique, qu'OrthoVal ne suit pas par sécurité."));
    if (!info.exists())
        return lecture;
    if (info.isDir())
        return illisible(QStringLiteral("c'est un dossier."));
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(chemin))
            return lecture;   // removed in between
        return illisible(fichier.error() == QFileDevice::OpenError || !info.isReadable()
                             ? QStringLiteral("la lecture en est refusée (droits du fichier, ou fichier "
                                              "bloqué par un autre programme).")
                             : fichier.errorString());
    }
    const QByteArray octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError)
        return illisible(QStringLiteral("erreur de lecture (%1).").arg(fichier.errorString()));
    lecture.etat = LectureFichier::Etat::Lu;
    lecture.texte = decoderTexteFichier(octets);
    return lecture;
}

std::optional<QString> lireFichierTexte(const QString &chemin)
{
    LectureFichier lecture = lireFichier(chemin);
    if (!lecture.lu())
        return std::nullopt;
    return std::move(lecture.texte);
}

std::optional<QStringList> lireFichierValeurs(const QString &chemin)
{
    const std::optional<QString> texte = lireFichierTexte(chemin);
    if (!texte)
        return std::nullopt;
    return lireValeurs(*texte);
}

QString ligneValeurs(const QStringList &valeurs)
{
    QString ligne;
    for (qsizetype i = 0; i < valeurs.size(); ++i) {
        if (i > 0)
            ligne += u',';
        ligne += u'"';
        ligne += valeurs[i];
        ligne += u'"';
    }
    ligne += QLatin1String("\r\n");
    return ligne;
}
