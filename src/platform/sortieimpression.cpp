#include "sortieimpression.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// %1: the file; %2: the data folder.
const QString kDansDonnees = QStringLiteral(
    "Le fichier « %1 » serait enregistré dans le dossier des données d'OrthoVal (« %2 »), où sont "
    "gardés le travail des élèves et les réglages de l'enseignant : une impression n'y est jamais "
    "enregistrée.");
// %1: the file.
const QString kPasUnPdf = QStringLiteral(
    "Le fichier « %1 » existe déjà et n'est pas un document PDF : il n'est pas remplacé.");
const QString kPasUnFichier = QStringLiteral("« %1 » n'est pas un fichier : choisissez un nom de fichier.");
const QString kDossierAbsent = QStringLiteral("Le dossier « %1 » n'existe pas.");
const QString kIllisible = QStringLiteral(
    "Le fichier « %1 » existe déjà et ne peut pas être lu : OrthoVal ne peut pas vérifier que c'est "
    "un document PDF, il n'est donc pas remplacé.");

const QByteArray kDebutPdf = QByteArrayLiteral("%PDF-");

QString natif(const QString &chemin)
{
    return QDir::toNativeSeparators(chemin);
}

// The same folder, whatever the path says: on a share that ignores case, or
// through a second mount of the same disk, two different spellings name one
// folder.
bool memeDossier(const QString &a, const QString &b)
{
#ifdef Q_OS_UNIX
    struct stat ia {}, ib {};
    if (::stat(QFile::encodeName(a).constData(), &ia) == 0 && ::stat(QFile::encodeName(b).constData(), &ib) == 0)
        return ia.st_dev == ib.st_dev && ia.st_ino == ib.st_ino;
#endif
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// True when dossier, or one of the folders above it, is the data folder.
// Both are canonical: no link left to mislead the walk up.
bool sousDossier(QString dossier, const QString &donnees)
{
    for (;;) {
        if (memeDossier(dossier, donnees))
            return true;
        const QString parent = QFileInfo(dossier).path();
        if (parent == dossier || parent.isEmpty())
            return false;
        dossier = parent;
    }
}

bool commencePdf(QFile &fichier)
{
    return fichier.read(kDebutPdf.size()) == kDebutPdf;
}

}  // namespace

QString refusFichierImpression(const QString &fichier, const QString &dossierDonnees)
{
    const QFileInfo cible(QFileInfo(fichier).absoluteFilePath());
    const QString nom = natif(cible.absoluteFilePath());
    if (fichier.isEmpty() || cible.fileName().isEmpty())
        return kPasUnFichier.arg(nom);

    // Where the bytes would really land: through a link to its target, else
    // into the real folder of the name.
    QString dossierReel;
    if (cible.exists()) {
        if (!cible.isFile())
            return kPasUnFichier.arg(nom);   // a folder, a FIFO, a device
        dossierReel = QFileInfo(cible.canonicalFilePath()).path();
    } else if (cible.isSymLink()) {
        return kPasUnFichier.arg(nom);       // a dangling link would create its target anywhere
    } else {
        dossierReel = QFileInfo(cible.path()).canonicalFilePath();
        if (dossierReel.isEmpty())
            return kDossierAbsent.arg(natif(cible.path()));
    }

    QString donnees = QFileInfo(dossierDonnees).canonicalFilePath();
    if (donnees.isEmpty())
        donnees = QDir::cleanPath(QFileInfo(dossierDonnees).absoluteFilePath());
    if (!dossierDonnees.isEmpty() && sousDossier(dossierReel, donnees))
        return kDansDonnees.arg(nom, natif(dossierDonnees));

    if (cible.exists()) {
        QFile existant(cible.absoluteFilePath());
        if (!existant.open(QIODevice::ReadOnly))
            return kIllisible.arg(nom);
        if (!commencePdf(existant))
            return kPasUnPdf.arg(nom);
    }
    return {};
}

QString dossierImpressionPropose()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

QString fichierImpressionPropose(const QString &refuse, const QString &nomParDefaut)
{
    const QString base = QFileInfo(refuse).completeBaseName();
    return QDir(dossierImpressionPropose()).filePath(base.isEmpty() ? nomParDefaut : base + QStringLiteral(".pdf"));
}
