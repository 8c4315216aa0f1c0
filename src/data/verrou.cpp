#include "verrou.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
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
// reader) is removed. Removing a link removes the link, never its target.
void deblayer(const QString &chemin)
{
    const QFileInfo info(chemin);
    if (info.isSymLink() || (info.exists() && !info.isFile() && !info.isDir()))
        QFile::remove(chemin);
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
    // O_EXCL (CREATE_NEW on Windows) never creates through a link.
    if (!occupeParUnAutreOrdinateur() && verrou_->tryLock(0ms)) {
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

QString cheminVerrouEnseignant(const QString &dossierInstallation)
{
    return dossierInstallation + QStringLiteral("/Enseignant.verrou");
}
