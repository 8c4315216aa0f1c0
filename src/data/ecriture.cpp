#include "ecriture.h"

#include "encodage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    // Replacing a file nobody could read would lose what it holds.
    if (info.exists() && !info.isDir() && !info.isReadable())
        return QStringLiteral("le fichier existe mais ne peut pas être lu ; il n'est pas remplacé tant qu'il "
                              "ne peut pas être lu.");
    return QString();
}

ResultatEcriture ecrireFichier(const QString &chemin, const QByteArray &octets)
{
    const QString refus = raisonRemplacementRefuse(chemin);
    if (!refus.isEmpty())
        return ResultatEcriture::echec(chemin, refus);
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return ResultatEcriture::echec(chemin, expliquerEchecEcriture(chemin, true, fichier.errorString()));
    if (fichier.write(octets) != octets.size()) {
        const QString detail = expliquerEchecEcriture(chemin, false, fichier.errorString());
        fichier.cancelWriting();
        return ResultatEcriture::echec(chemin, detail);
    }
    if (!fichier.commit())
        return ResultatEcriture::echec(chemin, expliquerEchecEcriture(chemin, false, fichier.errorString()));
    return ResultatEcriture::reussite(chemin);
}

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
    if (fichier.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return true;
    return QFileInfo(chemin).isFile();
}
