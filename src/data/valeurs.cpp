#include "valeurs.h"

#include "encodage.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

OuvertureLecture ouvrirEnLecture(QFile &fichier, const QString &chemin)
{
#ifdef Q_OS_UNIX
    // Without O_NONBLOCK, opening a named pipe waits for a writer that never
    // comes; then only a plain file is read (a device would never end).
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? OuvertureLecture::Absent : OuvertureLecture::Refusee;
    struct stat etat {};
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(fd);
        return OuvertureLecture::PasUnFichier;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fichier.setFileName(chemin);
    if (!fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return OuvertureLecture::Refusee;
    }
    return OuvertureLecture::Ouvert;
#else
    fichier.setFileName(chemin);
    if (fichier.open(QIODevice::ReadOnly))
        return OuvertureLecture::Ouvert;
    return QFileInfo::exists(chemin) ? OuvertureLecture::Refusee : OuvertureLecture::Absent;
#endif
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
    QFile fichier;
    switch (ouvrirEnLecture(fichier, chemin)) {
    case OuvertureLecture::Ouvert:
        break;
    case OuvertureLecture::Absent:
        return lecture;   // removed in between
    case OuvertureLecture::PasUnFichier:
        return illisible(QStringLiteral("ce n'est pas un fichier ordinaire (tube ou périphérique)."));
    case OuvertureLecture::Refusee:
        return illisible(QStringLiteral("la lecture en est refusée (droits du fichier, ou fichier "
                                        "bloqué par un autre programme)."));
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
