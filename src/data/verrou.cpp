#include "verrou.h"

#include "ecriture.h"

#include <QCoreApplication>
#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace textes_verrou {
namespace {
QString ou(const Verrou &verrou)
{
    if (verrou.surCetOrdinateur())
        return QStringLiteral("sur cet ordinateur, dans une autre fenêtre d'OrthoVal");
    if (verrou.ordinateur().isEmpty())
        return QStringLiteral("sur un autre ordinateur");
    // Non-breaking hyphens: "salle-B-03" stays whole on one line.
    QString nom = verrou.ordinateur();
    return QStringLiteral("sur un autre ordinateur («\u00A0%1\u00A0»)").arg(nom.replace(u'-', QChar(0x2011)));
}
} // namespace

QString eleveOccupe(const QString &nom, const Verrou &verrou)
{
    return QStringLiteral("«\u00A0%1\u00A0» travaille déjà %2.\n"
                          "Si c'est bien toi, quitte d'abord OrthoVal là-bas avec le bouton «\u00A0Quitter\u00A0», "
                          "puis reviens ici. Sinon, choisis ton nom dans la liste.")
        .arg(nom, ou(verrou));
}

QString enseignantOccupe(const Verrou &verrou)
{
    return QStringLiteral("Le module Enseignant est déjà ouvert %1.\n"
                          "Fermez-le d'abord là-bas : deux modules Enseignant ouverts en même temps "
                          "effaceraient le travail l'un de l'autre.")
        .arg(ou(verrou));
}

QString suppressionImpossible(const QString &nom, const Verrou &verrou)
{
    return QStringLiteral("«\u00A0%1\u00A0» travaille en ce moment %2.\n"
                          "Cet élève ne peut pas être supprimé pendant son travail : "
                          "réessayez quand il aura quitté OrthoVal.")
        .arg(nom, ou(verrou));
}

QString restaurationImpossible(const QString &nom, const Verrou &verrou)
{
    return QStringLiteral("«\u00A0%1\u00A0» travaille en ce moment %2.\n"
                          "Son travail ne peut pas être restauré pendant qu'il travaille : "
                          "réessayez quand il aura quitté OrthoVal.")
        .arg(nom, ou(verrou));
}
QString verrouEleveAbime(const QString &nom)
{
    return QStringLiteral("Le travail de «\u00A0%1\u00A0» ne peut pas s'ouvrir : son verrou «\u00A0%2\u00A0» "
                          "est abîmé (c'est un dossier).\n"
                          "Demande à ton enseignant d'ouvrir le module Enseignant : il le mettra de côté.")
        .arg(nom, QFileInfo(cheminVerrouEleve(QString(), nom)).fileName());
}

QString verrousEcartes(const QStringList &noms)
{
    return QStringLiteral("Des verrous abîmés (des dossiers à la place des fichiers de verrou) empêchaient de "
                          "travailler ; ils ont été mis de côté (renommés «\u00A0…-abime-<date>\u00A0», ou supprimés "
                          "s'ils étaient vides) :\n%1")
        .arg(noms.join(u'\n'));
}
QString verrouNonEcarte(const QString &chemin)
{
    return QStringLiteral("«\u00A0%1\u00A0» est un dossier à la place d'un fichier de verrou, et OrthoVal n'a pas pu "
                          "le mettre de côté.\nSupprimez-le ou renommez-le avec le gestionnaire de fichiers.")
        .arg(QDir::toNativeSeparators(chemin));
}
} // namespace textes_verrou

namespace {

using namespace std::chrono_literals;

// A pupil may work for an hour, and a lock of another computer can only be
// judged by its age: that computer's process cannot be asked whether it still
// lives. So a held lock has its modification time refreshed every minute, and
// a lock of another computer is taken over only when it has not been
// refreshed for five minutes: its program has surely died (or lost the
// share). A lock of this computer whose program has died is taken over at
// once (QLockFile checks the process). On Windows the held lock file stays
// open without delete sharing, so no computer can remove it while its program
// lives, refreshed or not. The margin also absorbs a few minutes of clock
// difference between the computers and the server.
std::chrono::milliseconds g_rafraichissement = 1min;
std::chrono::milliseconds g_peremption = 5min;

bool estCetOrdinateur(const QString &nom)
{
    return nom.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0;
}

// The folder is writable by every pupil account: whatever sits at a lock's
// name and is not a plain file (a planted link, a pipe that would block its
// reader) is removed. Removing a link removes the link, never its target. An
// empty folder goes too; one with something inside is left for the teacher
// (see ecarterVerrousAbimes): nothing of anyone's is deleted.
void deblayer(const QString &chemin)
{
    const QFileInfo info(chemin);
    if (info.isSymLink() || (info.exists() && !info.isFile() && !info.isDir()))
        QFile::remove(chemin);
    else if (info.isDir())
        QDir().rmdir(chemin);
}


// Touches the lock itself, never through a link.
void toucher([[maybe_unused]] const QByteArray &chemin)
{
#ifdef Q_OS_UNIX
    ::utimensat(AT_FDCWD, chemin.constData(), nullptr, AT_SYMLINK_NOFOLLOW);
#endif
}

} // namespace

void Verrou::reglerDelais(std::chrono::milliseconds rafraichissement, std::chrono::milliseconds peremption)
{
    g_rafraichissement = rafraichissement;
    g_peremption = peremption;
}

Verrou::Verrou(const QString &chemin) : chemin_(chemin), verrou_(std::make_unique<QLockFile>(chemin))
{
    verrou_->setStaleLockTime(g_peremption);
    deblayer(chemin_);
    deblayer(chemin_ + QStringLiteral(".rmlock"));
    if (QFileInfo(chemin_).isDir()) {
        // Never taken for a lock held by someone: nobody could ever leave it.
        abime_ = true;
        return;
    }
    // O_EXCL (CREATE_NEW on Windows) never creates through a link.
    if (!occupeParUnAutreOrdinateur() && (verrou_->tryLock(0ms) || (ecarterVerrouAbandonne() && verrou_->tryLock(0ms)))) {
        // Another account of a shared folder must be able to take it over
        // if this program dies.
        donnerDroitsDuDossier(chemin_);
        rafraichir_ = std::make_unique<QTimer>();
        rafraichir_->setInterval(g_rafraichissement);
        QObject::connect(rafraichir_.get(), &QTimer::timeout,
                         [nom = QFile::encodeName(chemin_)] { toucher(nom); });
        rafraichir_->start();
        return;
    }
    occupe_ = occupe_ || verrou_->error() == QLockFile::LockFailedError;
    if (occupe_ && verrou_->getLockInfo(nullptr, &ordinateur_, nullptr))
        surCetOrdinateur_ = estCetOrdinateur(ordinateur_);
}

Verrou::~Verrou()
{
    liberer();
}

bool Verrou::tenu() const
{
    return verrou_->isLocked();
}

bool Verrou::perdu() const
{
    if (!verrou_->isLocked())
        return false;
    qint64 pid = 0;
    QString ordinateur, programme;
    if (!verrou_->getLockInfo(&pid, &ordinateur, &programme))
        return true;
    return pid != QCoreApplication::applicationPid() || ordinateur != QSysInfo::machineHostName();
}

void Verrou::liberer()
{
    rafraichir_.reset();
    verrou_->unlock();
}

// QLockFile clears an abandoned lock only when it can open it for writing:
// one left by another account of a shared folder (its rights, from before
// the folder's were given to locks) would keep everyone out for good. It is
// judged here like any other, by what it says and its age, and removed (the
// folder allows that) under the same guard against two removers.
bool Verrou::ecarterVerrouAbandonne()
{
#ifdef Q_OS_UNIX
    const QByteArray nom = QFile::encodeName(chemin_);
    if (verrou_->error() != QLockFile::LockFailedError || ::access(nom.constData(), W_OK) == 0 || errno != EACCES)
        return false;
    // Its program holds a lock of the system on it while it lives (on this
    // computer, and on most shares): taken here, it cannot be taken away
    // from a living program. Reading is enough to take it.
    const int fd = ::open(nom.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const auto fermer = qScopeGuard([fd] { ::close(fd); });
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return false;
    qint64 pid = 0;
    QString ordinateur;
    const qint64 age = QFileInfo(chemin_).lastModified().msecsTo(QDateTime::currentDateTime());
    const bool abandonne = std::chrono::milliseconds(qAbs(age)) >= g_peremption   // refreshed every minute while held
        || (verrou_->getLockInfo(&pid, &ordinateur, nullptr) && estCetOrdinateur(ordinateur) && pid > 0
            && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH);
    QLockFile garde(chemin_ + QStringLiteral(".rmlock"));
    return abandonne && garde.tryLock(0ms) && ::unlink(nom.constData()) == 0;
#else
    return false;
#endif
}

// QLockFile decides "same computer" by the machine identifier, which cloned
// classroom images share: a live lock of a computer with another name is
// trusted while it is fresh, whatever that identifier says.
bool Verrou::occupeParUnAutreOrdinateur()
{
    QString hote;
    if (!verrou_->getLockInfo(nullptr, &hote, nullptr) || hote.isEmpty() || estCetOrdinateur(hote))
        return false;
    const qint64 age = QFileInfo(chemin_).lastModified().msecsTo(QDateTime::currentDateTime());
    occupe_ = std::chrono::milliseconds(qAbs(age)) < g_peremption;
    return occupe_;
}

QString cheminVerrouEleve(const QString &dossierInstallation, const QString &nom)
{
    return dossierInstallation + u'/' + nom + QStringLiteral(".bil.verrou");
}

QStringList ecarterVerrousAbimes(const QString &dossierInstallation)
{
    QStringList ecartes;
    QDir dossier(dossierInstallation);
    const QString horodatage = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    for (const QFileInfo &entree : dossier.entryInfoList({QStringLiteral("*.verrou")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (entree.isSymLink() || !entree.isDir())
            continue;
        // Renamed in place: a rename moves the entry itself, never what a
        // link inside points to, and a folder of another account can be
        // renamed in its folder (not moved to another one). What it holds is
        // kept for whoever put it there.
        if (QDir().rmdir(entree.filePath())
            || dossier.rename(entree.fileName(), entree.fileName() + QStringLiteral("-abime-") + horodatage))
            ecartes << entree.fileName();
    }
    return ecartes;
}

QString cheminVerrouEnseignant(const QString &dossierInstallation)
{
    return dossierInstallation + QStringLiteral("/Enseignant.verrou");
}
