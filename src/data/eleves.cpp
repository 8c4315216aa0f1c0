#include "eleves.h"

#include "affichageeleve.h"
#include "bilan.h"
#include "encodage.h"
#include "journal.h"
#include "sauvegardes.h"
#include "trinoms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A name a child reads in a list and a teacher types; longer ones made file
// names too long for the lock beside the pupil's file. A file already there
// with a longer name still opens: the limit is checked at creation only.
constexpr int kLongueurNomMax = 40;
constexpr int kOctetsNomFichierMax = 255;
const QString kInterdits = QStringLiteral("/\\:*?\"<>|");

} // namespace

QStringList listerEleves(const QString &dossierInstallation)
{
    QDir dossier(dossierInstallation);
    // Case-sensitive: a "Paul.BIL" would be read and written as "Paul.bil".
    dossier.setFilter(QDir::Files | QDir::CaseSensitive);
    dossier.setNameFilters({QStringLiteral("*") + kExtensionBilan});
    QStringList noms;
    for (const QString &fichier : dossier.entryList()) {
        const QString nom = fichier.chopped(kExtensionBilan.size());
        if (!nom.isEmpty())
            noms.append(nom);
    }
    trierNoms(noms);
    return noms;
}

QString raisonNomEleveRefuse(const QString &nom)
{
    if (nom.trimmed().isEmpty())
        return QStringLiteral("Le nom de l'élève est vide.");
    if (nom == QLatin1String(".") || nom == QLatin1String(".."))
        return QStringLiteral("Le nom « %1 » ne peut pas servir de nom de fichier.").arg(nom);
    for (QChar c : nom) {
        if (kInterdits.contains(c))
            return QStringLiteral("Le nom de l'élève ne peut pas contenir le caractère « %1 ».").arg(c);
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("Le nom de l'élève ne peut pas contenir de caractère de contrôle.");
    }
    const qsizetype position = positionNonRepresentable(nom);
    if (position >= 0)
        return QStringLiteral("Le nom de l'élève ne peut pas contenir le caractère %1.")
            .arg(decrireCaractere(nom, position));
    if (nom.endsWith(u'.') || nom.back().isSpace())
        return QStringLiteral("Le nom de l'élève ne peut pas se terminer par un point ou une espace.");
    if (nom.size() > kLongueurNomMax
        || QFile::encodeName(nom + kExtensionBilan).size() > kOctetsNomFichierMax)
        return QStringLiteral("Le nom de l'élève est trop long (%1 caractères au plus).").arg(kLongueurNomMax);
    return QString();
}

ResultatEcriture creerEleve(const QString &dossierInstallation, const QString &nom)
{
    const QString chemin = cheminBilan(dossierInstallation, nom);
    const QString raison = raisonNomEleveRefuse(nom);
    if (!raison.isEmpty())
        return ResultatEcriture::echec(chemin, raison, ResultatEcriture::Action::Creer);
    QFile fichier(chemin);
    // NewOnly: an existing pupil keeps his file as it is.
    if (fichier.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        fichier.close();
        // The pupil's own account must be able to save it on a shared folder.
        donnerDroitsDuDossier(chemin);
        // A setting left by an earlier pupil of that name (his file removed
        // by hand) is his, not the new one's: it is kept aside.
        rangerAffichageEleve(dossierInstallation, nom);
        return ResultatEcriture::reussite(chemin);
    }
    if (QFileInfo(chemin).isFile())
        return ResultatEcriture::reussite(chemin);
    return ResultatEcriture::echec(chemin, fichier.errorString(), ResultatEcriture::Action::Creer);
}

ResultatEcriture supprimerEleve(const QString &dossierInstallation, const QString &nom, QString *journalRange)
{
    if (journalRange)
        journalRange->clear();
    const QString chemin = cheminBilan(dossierInstallation, nom);
    // Names come from the folder listing; a separator would reach another folder.
    if (nom.isEmpty() || nom.contains(u'/') || nom.contains(u'\\'))
        return ResultatEcriture::echec(chemin, QStringLiteral("nom d'élève invalide."),
                                       ResultatEcriture::Action::Supprimer);
    // The journal leaves with the pupil, so that a new pupil of the same name
    // starts clean; it is kept, as his backups are, not destroyed. A Journal
    // folder that is a link is not the program's: nothing is taken from it.
    const QString journal = cheminJournal(dossierInstallation, nom);
    const QString dossierJournal = QFileInfo(journal).path();
    QString range;
    if (!QFileInfo(dossierJournal).isSymLink()) {
        QString base = QStringLiteral("Journal de %1").arg(nom);
        if (QFile::encodeName(base).size() > kOctetsNomFichierMax - 40)
            base = QStringLiteral("Journal");
        const ResultatEcriture rangement = rangerDansSauvegardes(dossierInstallation, journal, base, &range);
        if (!rangement.ok)
            return ResultatEcriture::echec(
                chemin,
                QStringLiteral("son journal des réponses n'a pas pu être rangé dans « %1 » : %2")
                    .arg(kDossierSauvegardes, rangement.detail),
                ResultatEcriture::Action::Supprimer);
    }
    const QString journalDeplace = QDir(dossierInstallation).filePath(kDossierSauvegardes + u'/' + range);
    // His own font setting leaves with him too, kept beside his journal.
    QString affichage;
    const ResultatEcriture rangementAffichage = rangerAffichageEleve(dossierInstallation, nom, &affichage);
    const ResultatEcriture suppression =
        rangementAffichage.ok ? supprimerFichier(chemin)
                              : ResultatEcriture::echec(chemin,
                                                        QStringLiteral("son réglage d'affichage n'a pas pu être rangé dans « %1 » : %2")
                                                            .arg(kDossierSauvegardes, rangementAffichage.detail),
                                                        ResultatEcriture::Action::Supprimer);
    if (!suppression.ok) {
        if (!range.isEmpty())
            QFile::rename(journalDeplace, journal);   // the pupil stays, with his journal
        remettreAffichageEleve(dossierInstallation, nom, affichage);
        return suppression;
    }
    if (!QFileInfo(dossierJournal).isSymLink())
        QFile::remove(dossierJournal + u'/' + nom + QStringLiteral(".incomplet"));
    if (journalRange)
        *journalRange = range;
    return suppression;
}
