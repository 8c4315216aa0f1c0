#include "reglagephrase.h"

#include "valeurs.h"

#include <QDir>

namespace {

const QString kCle = QStringLiteral("PhraseATrou");
const QString kOui = QStringLiteral("oui");
const QString kNon = QStringLiteral("non");

} // namespace

bool lireReglagePhraseATrou(const QString &dossierInstallation)
{
    bool montrer = false;
    const QStringList valeurs =
        lireFichierValeurs(QDir(dossierInstallation).filePath(kFichierReglagePhrase)).value_or(QStringList());
    for (qsizetype i = 0; i + 1 < valeurs.size(); i += 2)
        if (valeurs[i].trimmed().compare(kCle, Qt::CaseInsensitive) == 0)
            montrer = valeurs[i + 1].trimmed().compare(kOui, Qt::CaseInsensitive) == 0;
    return montrer;
}

QString texteReglagePhraseATrou(bool montrer)
{
    return ligneValeurs({kCle, montrer ? kOui : kNon});
}

ResultatEcriture enregistrerReglagePhraseATrou(const QString &dossierInstallation, bool montrer)
{
    return ecrireFichierTexte(QDir(dossierInstallation).filePath(kFichierReglagePhrase),
                              texteReglagePhraseATrou(montrer));
}
