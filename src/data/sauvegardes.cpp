#include "sauvegardes.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <tuple>

namespace {

// "Paul.bil" -> "Paul" and ".bil"; a name without extension keeps it all.
std::pair<QString, QString> separerNom(const QString &nomFichier)
{
    const qsizetype point = nomFichier.lastIndexOf(u'.');
    if (point <= 0)
        return {nomFichier, QString()};
    return {nomFichier.left(point), nomFichier.mid(point)};
}

// Copies of this file: "<base> (yyyy-MM-dd HHhmmmss).<ext>", with an optional
// " n" when two copies fall in the same second.
QRegularExpression motifCopies(const QString &nomFichier)
{
    const auto [base, extension] = separerNom(nomFichier);
    return QRegularExpression(QStringLiteral("^%1 \\((\\d{4}-\\d{2}-\\d{2} \\d{2}h\\d{2}m\\d{2})(?: (\\d+))?\\)%2$")
                                  .arg(QRegularExpression::escape(base), QRegularExpression::escape(extension)));
}

QString dossierCopies(const QString &dossierDonnees)
{
    return QDir(dossierDonnees).filePath(kDossierSauvegardes);
}

bool occupe(const QString &chemin);

// "<base> (yyyy-MM-dd HHhmmmss)<extension>" in the folder, " n" added to the
// date when two fall in the same second: a name no file or link has.
QString nomDate(const QString &dossier, const QString &base, const QString &extension, const QDateTime &moment)
{
    const QString date = moment.toString(QStringLiteral("yyyy-MM-dd HH'h'mm'm'ss"));
    QString nom = QStringLiteral("%1 (%2)%3").arg(base, date, extension);
    for (int n = 2; occupe(QDir(dossier).filePath(nom)); ++n)
        nom = QStringLiteral("%1 (%2 %3)%4").arg(base, date).arg(n).arg(extension);
    return nom;
}

bool occupe(const QString &chemin)
{
    const QFileInfo info(chemin);
    return info.exists() || info.isSymLink();
}

// The bytes of a file, never through a link; the French reason on failure.
QString lireOctets(const QString &chemin, QByteArray &octets)
{
    if (QFileInfo(chemin).isSymLink())
        return QStringLiteral("« %1 » est un lien symbolique.").arg(QFileInfo(chemin).fileName());
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return QFileInfo::exists(chemin) ? QStringLiteral("le fichier « %1 » ne peut pas être lu.").arg(QFileInfo(chemin).fileName())
                                         : QStringLiteral("le fichier « %1 » a disparu.").arg(QFileInfo(chemin).fileName());
    octets = fichier.readAll();
    return QString();
}

// The copy of sauvegarderCopie; elaguer: then remove the oldest copies
// beyond kSauvegardesGardees.
ResultatEcriture copier(const QString &chemin, const QDateTime &moment, bool elaguer);

// True when both names hold the same bytes: one file under two names, or
// two files alike.
bool memesOctets(const QString &chemin, const QString &autre)
{
    const QFileInfo a(chemin), b(autre);
    if (!a.isFile() || !b.isFile() || a.isSymLink() || b.isSymLink() || a.size() != b.size())
        return false;
#ifdef Q_OS_UNIX
    struct stat sa {}, sb {};
    if (::stat(QFile::encodeName(chemin).constData(), &sa) == 0
        && ::stat(QFile::encodeName(autre).constData(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino)
        return true;
#endif
    QByteArray octetsA, octetsB;
    return lireOctets(chemin, octetsA).isEmpty() && lireOctets(autre, octetsB).isEmpty() && octetsA == octetsB;
}

// The copy as a second name for the same bytes: the file is about to be
// replaced by a rename, never rewritten in place, so the old bytes stay, under
// this name only, without being read, written and synced again (a pupil's
// visit waited for that). Where the folder takes no hard link (some network
// shares), the bytes are copied.
ResultatEcriture copierOuLier(const QString &chemin, const QString &copie)
{
#ifdef Q_OS_UNIX
    const QFileInfo info(chemin);
    if (info.isFile() && info.isReadable()
        && ::link(QFile::encodeName(chemin).constData(), QFile::encodeName(copie).constData()) == 0)
        return ResultatEcriture::reussite(copie);
#endif
    QByteArray octets;
    const QString raison = lireOctets(chemin, octets);
    if (!raison.isEmpty())
        return ResultatEcriture::echec(copie, raison);
    return ecrireFichier(copie, octets);
}

} // namespace

QStringList listerSauvegardes(const QString &dossierDonnees, const QString &nomFichier)
{
    const QString dossier = dossierCopies(dossierDonnees);
    if (QFileInfo(dossier).isSymLink())
        return {};
    const QRegularExpression motif = motifCopies(nomFichier);
    QList<std::tuple<QString, int, QString>> copies;   // date, number, name
    for (const QString &nom : QDir(dossier).entryList(QDir::Files)) {
        const QRegularExpressionMatch m = motif.match(nom);
        if (m.hasMatch())
            copies.append({m.captured(1), m.captured(2).toInt(), nom});
    }
    std::sort(copies.begin(), copies.end(), std::greater<>());
    QStringList noms;
    for (const auto &copie : copies)
        noms.append(std::get<2>(copie));
    return noms;
}

ResultatEcriture sauvegarderCopie(const QString &chemin, const QDateTime &moment)
{
    return copier(chemin, moment, true);
}

namespace {

ResultatEcriture copier(const QString &chemin, const QDateTime &moment, bool elaguer)
{
    const QFileInfo info(chemin);
    if (!info.exists() && !info.isSymLink())
        return ResultatEcriture::reussite(chemin);
    const QString dossierDonnees = info.absolutePath();
    const QString dossier = dossierCopies(dossierDonnees);
    const auto refus = [&chemin](const QString &raison) {
        return ResultatEcriture::echec(
            chemin, QStringLiteral("la copie de sauvegarde à faire avant de le remplacer a échoué : %1").arg(raison));
    };
    if (info.isSymLink())
        return refus(QStringLiteral("« %1 » est un lien symbolique.").arg(info.fileName()));
    if (QFileInfo(dossier).isSymLink())
        return refus(QStringLiteral("« %1 » est un lien symbolique.").arg(kDossierSauvegardes));
    const bool nouveau = !QFileInfo(dossier).isDir();
    if (nouveau && !creerDossierPartage(dossier))
        return refus(expliquerEchecEcriture(dossier, true,
                                            QStringLiteral("le dossier « %1 » ne peut pas être créé.").arg(kDossierSauvegardes)));

    // A save that failed after its copy, tried again (after every answer,
    // at every Quitter), finds the file already kept: a second copy would
    // push an older one out for nothing.
    const QString derniere = listerSauvegardes(dossierDonnees, info.fileName()).value(0);
    if (!derniere.isEmpty() && memesOctets(chemin, QDir(dossier).filePath(derniere)))
        return ResultatEcriture::reussite(chemin);

    const auto [base, extension] = separerNom(info.fileName());
    const QString nomCopie = nomDate(dossier, base, extension, moment);
    const ResultatEcriture copie = copierOuLier(chemin, QDir(dossier).filePath(nomCopie));
    if (!copie.ok) {
        if (nouveau)
            QDir(dossierDonnees).rmdir(kDossierSauvegardes);   // only when still empty
        return refus(copie.detail);
    }

    if (!elaguer)
        return ResultatEcriture::reussite(chemin);
    const QStringList copies = listerSauvegardes(dossierDonnees, info.fileName());
    for (qsizetype i = kSauvegardesGardees; i < copies.size(); ++i)
        QFile::remove(QDir(dossier).filePath(copies[i]));
    return ResultatEcriture::reussite(chemin);
}

} // namespace

QDateTime momentSauvegarde(const QString &nomCopie)
{
    static const QRegularExpression motif(QStringLiteral(" \\((\\d{4}-\\d{2}-\\d{2} \\d{2}h\\d{2}m\\d{2})(?: \\d+)?\\)[^()]*$"));
    const QRegularExpressionMatch m = motif.match(nomCopie);
    if (!m.hasMatch())
        return {};
    return QDateTime::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd HH'h'mm'm'ss"));
}

ResultatEcriture restaurerSauvegarde(const QString &dossierDonnees, const QString &nomFichier,
                                     const QString &nomCopie)
{
    const QString chemin = QDir(dossierDonnees).filePath(nomFichier);
    if (!motifCopies(nomFichier).match(nomCopie).hasMatch())
        return ResultatEcriture::echec(chemin, QStringLiteral("« %1 » n'est pas une copie de ce fichier.").arg(nomCopie));
    QByteArray octets;
    const QString raison = lireOctets(QDir(dossierCopies(dossierDonnees)).filePath(nomCopie), octets);
    if (!raison.isEmpty())
        return ResultatEcriture::echec(chemin, raison);
    // The copy chosen may be the only one holding what the teacher wants
    // back, and the oldest: restoring removes none.
    const ResultatEcriture avant = copier(chemin, QDateTime::currentDateTime(), false);
    if (!avant.ok)
        return avant;
    return ecrireFichier(chemin, octets);
}

namespace {

// Moves the file into the folder sousDossier of the data folder (created,
// shared, when missing; refused when a link) under a dated name.
ResultatEcriture ranger(const QString &dossierDonnees, const QString &sousDossier, const QString &chemin,
                        const QString &base, QString *nomRange, const QDateTime &moment)
{
    if (nomRange)
        nomRange->clear();
    const QFileInfo info(chemin);
    if (!info.exists() && !info.isSymLink())
        return ResultatEcriture::reussite(chemin);
    const QString dossier = QDir(dossierDonnees).filePath(sousDossier);
    if (QFileInfo(dossier).isSymLink())
        return ResultatEcriture::echec(chemin, QStringLiteral("« %1 » est un lien symbolique.").arg(sousDossier));
    if (!QFileInfo(dossier).isDir() && !creerDossierPartage(dossier))
        return ResultatEcriture::echec(
            chemin, expliquerEchecEcriture(dossier, true,
                                           QStringLiteral("le dossier « %1 » ne peut pas être créé.").arg(sousDossier)));
    const QString extension = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    const QString nom = nomDate(dossier, base, extension, moment);
    // Same disk: a rename, which moves a link as a link and never replaces a name.
    QFile fichier(chemin);
    if (!fichier.rename(QDir(dossier).filePath(nom)))
        return ResultatEcriture::echec(chemin, expliquerEchecEcriture(chemin, false, fichier.errorString()));
    if (nomRange)
        *nomRange = nom;
    return ResultatEcriture::reussite(chemin);
}

} // namespace

ResultatEcriture rangerDansSauvegardes(const QString &dossierDonnees, const QString &chemin, const QString &base,
                                       QString *nomRange, const QDateTime &moment)
{
    return ranger(dossierDonnees, kDossierSauvegardes, chemin, base, nomRange, moment);
}

ResultatEcriture mettreALaCorbeille(const QString &dossierInstallation, const QString &chemin, QString *nomRange,
                                    const QDateTime &moment)
{
    return ranger(dossierInstallation, kDossierCorbeille, chemin, QFileInfo(chemin).completeBaseName(), nomRange,
                  moment);
}

ResultatEcriture mettreALaCorbeille(const QString &dossierInstallation, const QString &sousDossier,
                                    const QString &chemin, QString *nomRange, const QDateTime &moment)
{
    const QString corbeille = QDir(dossierInstallation).filePath(kDossierCorbeille);
    const QFileInfo info(corbeille);
    if (info.isSymLink())
        return ResultatEcriture::echec(chemin,
                                       QStringLiteral("« %1 » est un lien symbolique.").arg(kDossierCorbeille));
    if (QFileInfo::exists(chemin) && !info.isDir() && !creerDossierPartage(corbeille))
        return ResultatEcriture::echec(
            chemin, expliquerEchecEcriture(corbeille, true, QStringLiteral("le dossier « %1 » ne peut pas être créé.")
                                                                .arg(kDossierCorbeille)));
    return ranger(corbeille, sousDossier, chemin, QFileInfo(chemin).completeBaseName(), nomRange, moment);
}
