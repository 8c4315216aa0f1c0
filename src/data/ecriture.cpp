#include "ecriture.h"

#include "encodage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScopeGuard>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QString ResultatEcriture::message() const
{
    if (ok)
        return QString();
    const QString nom = QFileInfo(chemin).fileName();
    QString debut;
    switch (action) {
    case Action::Enregistrer:
        debut = QStringLiteral("Impossible d'enregistrer le fichier « %1 »");
        break;
    case Action::Supprimer:
        debut = QStringLiteral("Impossible de supprimer le fichier « %1 »");
        break;
    case Action::Creer:
        debut = QStringLiteral("Impossible de créer le fichier « %1 »");
        break;
    }
    debut = debut.arg(nom);
    return detail.isEmpty() ? debut + u'.' : debut + QStringLiteral(" : ") + detail;
}

ResultatEcriture ResultatEcriture::reussite(const QString &chemin)
{
    ResultatEcriture resultat;
    resultat.chemin = chemin;
    return resultat;
}

ResultatEcriture ResultatEcriture::echec(const QString &chemin, const QString &detail, Action action)
{
    ResultatEcriture resultat;
    resultat.ok = false;
    resultat.chemin = chemin;
    resultat.detail = detail;
    resultat.action = action;
    return resultat;
}

// The system's reasons are English and sometimes beside the point (a folder
// that is gone is reported as "Filename refers to a directory", a full disk
// as "Unknown error"): what a school computer usually does is told in French;
// anything else keeps the system's words.
QString expliquerEchecEcriture(const QString &chemin, bool ouverture, const QString &systeme)
{
    const QFileInfo fichier(chemin);
    const QFileInfo dossier(fichier.absolutePath());
    if (!dossier.exists())
        return QStringLiteral("le dossier « %1 » est introuvable (clé ou disque retiré ?).")
            .arg(QDir::toNativeSeparators(dossier.absoluteFilePath()));
    if (!dossier.isDir())
        return QStringLiteral("« %1 » n'est pas un dossier.").arg(QDir::toNativeSeparators(dossier.absoluteFilePath()));
    if (fichier.isDir())
        return QStringLiteral("c'est un dossier.");
    if (!dossier.isWritable() || (fichier.exists() && !fichier.isWritable()))
        return QStringLiteral("le fichier ou son dossier est protégé en écriture.");
    if (!ouverture)
        return QStringLiteral("l'écriture a échoué ; le disque est peut-être plein.");
    return systeme;
}

QString raisonRemplacementRefuse(const QString &chemin)
{
    const QFileInfo info(chemin);
    // The folder is writable by every pupil account: a planted link would make
    // the program write wherever it points (QSaveFile follows links).
    if (info.isSymLink())
        return QStringLiteral("c'est un lien symbolique ; par sécurité, OrthoVal n'écrit pas à travers un lien. "
                              "Supprimez ce lien.");
    // A named pipe or a device planted at a data file's name is nothing of
    // the class's: left alone, and told.
    if (info.exists() && !info.isDir() && !info.isFile())
        return QStringLiteral("ce n'est pas un fichier ordinaire ; OrthoVal ne l'ouvre pas. Supprimez-le.");
    // Replacing a file nobody could read would lose what it holds.
    if (info.exists() && !info.isDir() && !info.isReadable())
        return QStringLiteral("le fichier existe mais ne peut pas être lu ; il n'est pas remplacé tant qu'il "
                              "ne peut pas être lu.");
    return QString();
}

#ifdef Q_OS_UNIX
namespace {

// The system's reason for errno, in French where a school computer meets it.
QString expliquerErreur(const QString &chemin, int erreur)
{
    switch (erreur) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("le disque est plein (ou l'espace permis à ce compte est épuisé) ; "
                              "l'ancien fichier est resté tel qu'il était.");
    case EFBIG:
        return QStringLiteral("le fichier dépasse la taille permise ; l'ancien fichier est resté tel qu'il était.");
    case EIO:
        return QStringLiteral("erreur d'écriture sur le disque ; l'ancien fichier est resté tel qu'il était.");
    default:
        return expliquerEchecEcriture(chemin, true, QString::fromLocal8Bit(std::strerror(erreur)));
    }
}

// Creates "<name>.ecriture-XXXXXX" beside the file, never through a link and
// never over an existing entry; -1 with errno set on failure.
int creerTemporaire(int dossier, const QByteArray &nom, QByteArray &temporaire)
{
    static constexpr char kLettres[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int essai = 0; essai < 100; ++essai) {
        temporaire = nom + ".ecriture-";
        for (int i = 0; i < 6; ++i)
            temporaire += kLettres[QRandomGenerator::global()->bounded(int(sizeof kLettres) - 1)];
        const int fd = ::openat(dossier, temporaire.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

namespace {

// A folder shared by a group: setgid (its files take its group) and
// group-writable. Every account of the class must be able to save its files.
bool dossierPartage(const struct stat &dossier)
{
    return (dossier.st_mode & S_ISGID) && (dossier.st_mode & S_IWGRP);
}

} // namespace

bool ecrireTout(int fd, const QByteArray &octets)
{
    const char *debut = octets.constData();
    qsizetype reste = octets.size();
    while (reste > 0) {
        const ssize_t ecrits = ::write(fd, debut, size_t(reste));
        if (ecrits < 0 && errno == EINTR)
            continue;
        if (ecrits <= 0) {
            if (ecrits == 0)
                errno = ENOSPC;
            return false;
        }
        debut += ecrits;
        reste -= ecrits;
    }
    return true;
}

unsigned modeNouveauFichier(int dossier)
{
    struct stat etat {};
    if (::fstat(dossier, &etat) != 0)
        return 0644;
    // The bits the folder grants, without execution; read and write for the
    // group of a shared folder, for its owner always.
    mode_t mode = etat.st_mode & 0666;
    if (dossierPartage(etat))
        mode |= S_IRGRP | S_IWGRP;
    return mode | S_IRUSR | S_IWUSR;
}

void donnerDroitsDuDossier(const QString &chemin)
{
    const QFileInfo info(chemin);
    const int dossier = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dossier < 0)
        return;
    const int fd = ::openat(dossier, QFile::encodeName(info.fileName()).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat etat {};
    if (fd >= 0 && ::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode) && etat.st_uid == ::geteuid())
        ::fchmod(fd, (etat.st_mode & 0777) | modeNouveauFichier(dossier));
    if (fd >= 0)
        ::close(fd);
    ::close(dossier);
}

ResultatEcriture ecrireFichier(const QString &chemin, const QByteArray &octets)
{
    const QString refus = raisonRemplacementRefuse(chemin);
    if (!refus.isEmpty())
        return ResultatEcriture::echec(chemin, refus);
    const QFileInfo info(chemin);
    const int dossier = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dossier < 0)
        return ResultatEcriture::echec(chemin, expliquerEchecEcriture(chemin, true, QString::fromLocal8Bit(std::strerror(errno))));
    const auto fermerDossier = qScopeGuard([dossier] { ::close(dossier); });
    const QByteArray nom = QFile::encodeName(info.fileName());

    struct stat cible {};
    const bool existe = ::fstatat(dossier, nom.constData(), &cible, AT_SYMLINK_NOFOLLOW) == 0;
    if (existe && !S_ISREG(cible.st_mode))
        return ResultatEcriture::echec(chemin, S_ISDIR(cible.st_mode) ? QStringLiteral("c'est un dossier.")
                                                                      : raisonRemplacementRefuse(chemin));
    // A file write-protected on purpose stays so, although the folder would
    // let it be replaced; but in a folder shared by a group, a file of that
    // group made by another account is the class's.
    struct stat etatDossier {};
    const bool partage = ::fstat(dossier, &etatDossier) == 0 && dossierPartage(etatDossier);
    if (existe && !(partage && cible.st_gid == etatDossier.st_gid)
        && ::faccessat(dossier, nom.constData(), W_OK, AT_EACCESS) != 0)
        return ResultatEcriture::echec(chemin, QStringLiteral("le fichier ou son dossier est protégé en écriture."));

    QByteArray temporaire;
    const int fd = creerTemporaire(dossier, nom, temporaire);
    if (fd < 0)
        return ResultatEcriture::echec(chemin, expliquerEchecEcriture(chemin, true, QString::fromLocal8Bit(std::strerror(errno))));
    // The replaced file's rights and group, or the folder's for a new file.
    // (An account outside the replaced file's group leaves the folder's.)
    if (existe)
        static_cast<void>(::fchown(fd, uid_t(-1), cible.st_gid) == 0);
    const mode_t groupe = partage ? (S_IRGRP | S_IWGRP) : 0;
    ::fchmod(fd, existe ? (cible.st_mode & 0777) | groupe : modeNouveauFichier(dossier));
    // Every step checked: a small write is only known to have failed at the
    // sync (or the close, on a network share), and the rename must never put
    // a short file in place of a whole one.
    struct stat ecrit {};
    const bool ok = ecrireTout(fd, octets) && ::fsync(fd) == 0 && ::fstat(fd, &ecrit) == 0
        && (ecrit.st_size == octets.size() || (errno = EIO, false));
    const int erreurEcriture = ok ? 0 : errno;
    const bool ferme = ::close(fd) == 0;
    const int erreur = !ok ? erreurEcriture : !ferme ? errno : 0;
    if (erreur != 0 || ::renameat(dossier, temporaire.constData(), dossier, nom.constData()) != 0) {
        const int raison = erreur != 0 ? erreur : errno;
        ::unlinkat(dossier, temporaire.constData(), 0);
        return ResultatEcriture::echec(chemin, expliquerErreur(chemin, raison));
    }
    // The rename itself reaches the disk with the folder.
    ::fsync(dossier);
    return ResultatEcriture::reussite(chemin);
}
bool creerDossierPartage(const QString &chemin)
{
    const QByteArray nom = QFile::encodeName(chemin);
    if (::mkdir(nom.constData(), 0700) == 0) {
        // mkdir's mode passes through the umask, and a chmod without the setgid
        // bit would clear it: the parent's bits, setgid with them.
        struct stat parent {};
        if (::stat(QFile::encodeName(QFileInfo(chemin).absolutePath()).constData(), &parent) == 0)
            ::chmod(nom.constData(), parent.st_mode & 02777);
    } else if (errno != EEXIST) {
        return false;
    }
    struct stat etat {};
    return ::lstat(nom.constData(), &etat) == 0 && S_ISDIR(etat.st_mode);
}
#else
bool creerDossierPartage(const QString &chemin)
{
    return QDir().mkdir(chemin) || (QFileInfo(chemin).isDir() && !QFileInfo(chemin).isSymLink());
}

unsigned modeNouveauFichier(int)
{
    return 0644;
}

void donnerDroitsDuDossier(const QString &)
{
}

ResultatEcriture ecrireFichier(const QString &chemin, const QByteArray &octets)
{
    const QString refus = raisonRemplacementRefuse(chemin);
    if (!refus.isEmpty())
        return ResultatEcriture::echec(chemin, refus);
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return ResultatEcriture::echec(chemin, expliquerEchecEcriture(chemin, true, fichier.errorString()));
    // commit() alone does not report a failed flush of a small write.
    if (fichier.write(octets) != octets.size() || !fichier.flush()) {
        const QString detail = expliquerEchecEcriture(chemin, false, fichier.errorString());
        fichier.cancelWriting();
        return ResultatEcriture::echec(chemin, detail);
    }
    if (!fichier.commit())
        return ResultatEcriture::echec(chemin, expliquerEchecEcriture(chemin, false, fichier.errorString()));
    return ResultatEcriture::reussite(chemin);
}
#endif

ResultatEcriture ecrireFichierTexte(const QString &chemin, const QString &texte)
{
    const std::optional<QByteArray> octets = encoderWindows1252(texte);
    if (!octets) {
        const QString caractere = decrireCaractere(texte, positionNonRepresentable(texte));
        return ResultatEcriture::echec(
            chemin, QStringLiteral("le caractère %1 ne peut pas être écrit dans ce fichier.").arg(caractere));
    }
    return ecrireFichier(chemin, *octets);
}

ResultatEcriture ecrireFichierUtf8(const QString &chemin, const QString &texte)
{
    return ecrireFichier(chemin, QByteArrayLiteral("\xEF\xBB\xBF") + texte.toUtf8());
}

ResultatEcriture supprimerFichier(const QString &chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists() && !info.isSymLink())
        return ResultatEcriture::reussite(chemin);
    if (info.isDir())
        return ResultatEcriture::echec(chemin, QStringLiteral("c'est un dossier."),
                                       ResultatEcriture::Action::Supprimer);
    QFile fichier(chemin);
    if (fichier.remove() || !QFileInfo::exists(chemin))
        return ResultatEcriture::reussite(chemin);
    return ResultatEcriture::echec(chemin, fichier.errorString(), ResultatEcriture::Action::Supprimer);
}

bool creerSiAbsent(const QString &chemin)
{
    // NewOnly never opens, so never truncates, a file that already exists.
    QFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        fichier.close();
        donnerDroitsDuDossier(chemin);
        return true;
    }
    return QFileInfo(chemin).isFile();
}
