#include "enregistrement.h"

#include "ecriture.h"

#include "listemots.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kExtension = QStringLiteral(".wav");

// A word read from a hand-edited Mots.dat is not trusted to be a file name.
bool motSansDetour(const QString &mot)
{
    return !mot.isEmpty() && mot != QLatin1String(".") && mot != QLatin1String("..") && !mot.contains(u'/')
        && !mot.contains(u'\\') && !mot.contains(QChar(0));
}

} // namespace

QString cheminEnregistrement(const QString &dossierInstallation, const QString &mot, const QString &dossier)
{
    if (!motSansDetour(mot))
        return {};
    const QString sons = dossierInstallation + u'/' + dossier + u'/';
    // The common case costs one look at the disk; the folder is read only
    // when the exact name is missing.
    const QString exact = sons + mot + kExtension;
    if (QFileInfo(exact).isFile())
        return exact;
    QString trouve;
    QDirIterator fichiers(sons, QDir::Files);
    while (fichiers.hasNext()) {
        const QString nom = fichiers.nextFileInfo().fileName();
        if (nom.size() == mot.size() + kExtension.size() && nom.startsWith(mot)
            && nom.endsWith(kExtension, Qt::CaseInsensitive) && (trouve.isEmpty() || nom < trouve))
            trouve = nom;
    }
    return trouve.isEmpty() ? QString() : sons + trouve;
}

QString nomEnregistrement(const QString &mot)
{
    return mot + kExtension;
}

namespace {

// Renames without ever replacing: renameat2 where the file system has it,
// else a second link then the first one removed (both refuse a taken name).
int renommerSansRemplacer(int dossier, const char *de, const char *vers)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(dossier, de, dossier, vers, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
#endif
    if (::linkat(dossier, de, dossier, vers, 0) != 0)
        return -1;
    ::unlinkat(dossier, de, 0);
    return 0;
}

const QString kSonsLien = QStringLiteral(
    "« Sons » est un lien symbolique ou n'est pas un dossier ; par sécurité, OrthoVal n'y écrit pas. "
    "Remplacez-le par un vrai dossier.");
const QString kProvisoireRemplace = QStringLiteral(
    "le fichier provisoire a été remplacé par un autre pendant l'écriture ; l'enregistrement n'est pas "
    "gardé. Recommencez.");
const QString kCibleRemplacee = QStringLiteral(
    "l'enregistrement a été remplacé par un autre fichier aussitôt écrit ; vérifiez le dossier Sons.");

// What a school computer usually answers, in French; the system's words otherwise.
QString expliquerErreur(int erreur)
{
    switch (erreur) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("le disque est plein.");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("le dossier Sons est protégé en écriture.");
    case ENOENT:
        return QStringLiteral("le dossier des données est introuvable (clé ou disque retiré ?).");
    case ELOOP:
    case ENOTDIR:
        return kSonsLien;
    case EISDIR:
        return QStringLiteral("c'est un dossier.");
    default:
        return QString::fromLocal8Bit(std::strerror(erreur));
    }
}

bool memeFichier(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// True when the name, within the folder, is the file open as fd (a link or
// anything put in its place is not).
bool nomDuFichier(int dossier, const QByteArray &nom, int fd)
{
    struct stat ouvert {};
    struct stat nomme {};
    return ::fstat(fd, &ouvert) == 0 && ::fstatat(dossier, nom.constData(), &nomme, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISREG(nomme.st_mode) && memeFichier(ouvert, nomme);
}

} // namespace

EnregistrementProvisoire::EnregistrementProvisoire(const QString &dossierInstallation, const QByteArray &octets,
                                                   const QString &dossier)
    : sons_(dossierInstallation + u'/' + dossier)
{
    ecriture_ = ecrire(dossierInstallation, dossier, octets);
}

ResultatEcriture EnregistrementProvisoire::ecrire(const QString &dossierInstallation, const QString &dossier,
                                                  const QByteArray &octets)
{
    const auto echec = [this](int erreur) { return ResultatEcriture::echec(sons_, expliquerErreur(erreur)); };
    // The installation folder is the one the program was given (it may be
    // reached through a link the technician made); Sons inside it is not.
    const int installation =
        ::open(QFile::encodeName(dossierInstallation).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (installation < 0)
        return echec(errno);
    const QByteArray nomSons = QFile::encodeName(dossier);
    int erreur = ::mkdirat(installation, nomSons.constData(), 0777) == 0 ? 0 : errno;
    if (erreur == 0 || erreur == EEXIST) {
        dossier_ = ::openat(installation, nomSons.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        erreur = errno;
    }
    ::close(installation);
    if (dossier_ < 0)
        return echec(erreur);

    // A name nobody can have prepared: created here, or the next one is tried.
    for (int essai = 0; essai < 50 && fichier_ < 0; ++essai) {
        nomProvisoire_ = QByteArrayLiteral(".enregistrement-")
                       + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + QByteArrayLiteral(".tmp");
        fichier_ = ::openat(dossier_, nomProvisoire_.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fichier_ < 0 && errno != EEXIST)
            return echec(errno);
    }
    if (fichier_ < 0)
        return echec(EEXIST);
    ::fchmod(fichier_, modeNouveauFichier(dossier_));   // the folder's rights, not the umask's
    struct stat ecrit {};
    errno = 0;
    if (!ecrireTout(fichier_, octets) || ::fsync(fichier_) != 0 || ::fstat(fichier_, &ecrit) != 0
        || ecrit.st_size != octets.size()) {
        erreur = errno ? errno : EIO;
        retirer();
        return echec(erreur);
    }
    return ResultatEcriture::reussite(sons_);
}

EnregistrementProvisoire::~EnregistrementProvisoire()
{
    retirer();
    if (dossier_ >= 0)
        ::close(dossier_);
}

void EnregistrementProvisoire::retirer()
{
    if (fichier_ < 0)
        return;
    // unlinkat never follows a link nor removes a folder; and the name is
    // removed only while it is still the file created above.
    if (nomDuFichier(dossier_, nomProvisoire_, fichier_))
        ::unlinkat(dossier_, nomProvisoire_.constData(), 0);
    ::close(fichier_);
    fichier_ = -1;
}

ResultatEcriture EnregistrementProvisoire::placer(const QString &nomFichier, Remplacement remplacement)
{
    const QString chemin = sons_ + u'/' + nomFichier;
    if (!ecriture_.ok)
        return ResultatEcriture::echec(chemin, ecriture_.detail);
    if (fichier_ < 0 || !motSansDetour(nomFichier))
        return ResultatEcriture::echec(chemin, QStringLiteral("nom de fichier refusé."));
    if (!nomDuFichier(dossier_, nomProvisoire_, fichier_)) {
        ::close(fichier_);   // someone else's now: left where it is
        fichier_ = -1;
        return ResultatEcriture::echec(chemin, kProvisoireRemplace);
    }
    const QByteArray nom = QFile::encodeName(nomFichier);
    const int renomme = remplacement == Remplacement::Jamais
        ? renommerSansRemplacer(dossier_, nomProvisoire_.constData(), nom.constData())
        : ::renameat(dossier_, nomProvisoire_.constData(), dossier_, nom.constData());
    if (renomme != 0) {
        const int erreur = errno;
        retirer();
        return ResultatEcriture::echec(chemin, erreur == EEXIST ? kEnregistrementExistant : expliquerErreur(erreur));
    }
    const bool place = nomDuFichier(dossier_, nom, fichier_);
    ::fsync(dossier_);   // the rename itself survives a power cut
    ::close(fichier_);
    fichier_ = -1;
    if (!place)
        return ResultatEcriture::echec(chemin, kCibleRemplacee);
    return ResultatEcriture::reussite(chemin);
}

ResultatEcriture ecrireEnregistrement(const QString &dossierInstallation, const QString &nomFichier,
                                      const QByteArray &octets, Remplacement remplacement, const QString &dossier)
{
    EnregistrementProvisoire provisoire(dossierInstallation, octets, dossier);
    return provisoire.placer(nomFichier, remplacement);
}
