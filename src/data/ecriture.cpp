#include "ecriture.h"

#include "encodage.h"

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

ResultatEcriture ecrireFichier(const QString &chemin, const QByteArray &octets)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return ResultatEcriture::echec(chemin, fichier.errorString());
    if (fichier.write(octets) != octets.size()) {
        const QString detail = fichier.errorString();
        fichier.cancelWriting();
        return ResultatEcriture::echec(chemin, detail);
    }
    if (!fichier.commit())
        return ResultatEcriture::echec(chemin, fichier.errorString());
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
