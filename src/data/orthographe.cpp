#include "orthographe.h"

#include "bilan.h"
#include "eleves.h"
#include "enregistrement.h"
#include "lignesmots.h"
#include "valeurs.h"
#include "verrou.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <vector>

namespace TextesOrthographe {
const QString identique = QStringLiteral("le mot est déjà écrit ainsi.");
const QString refuse = QStringLiteral("« %1 » ne peut pas devenir un mot de la liste : %2");
const QString dejaListe = QStringLiteral("le mot « %1 » est déjà dans la liste.");
const QString dejaEnregistre = QStringLiteral("le dossier Sons a déjà un enregistrement de « %1 ».");
const QString unEleve = QStringLiteral(
    "%1 a déjà travaillé le mot « %2 » : ses progrès sur ce mot seraient perdus. Gardez le mot tel qu'il est, "
    "ou supprimez-le puis ajoutez le mot bien écrit (il repartira du début).");
const QString plusieursEleves = QStringLiteral(
    "%1 ont déjà travaillé le mot « %2 » : leurs progrès sur ce mot seraient perdus. Gardez le mot tel qu'il "
    "est, ou supprimez-le puis ajoutez le mot bien écrit (il repartira du début).");
const QString et = QStringLiteral(" et ");
const QString illisibles = QStringLiteral(
    "le fichier de %1 ne peut pas être lu : impossible de savoir si le mot « %2 » a déjà été travaillé.");
const QString auTravail = QStringLiteral(
    "%1 est en train de travailler : le mot « %2 » pourrait lui être proposé. Réessayez quand la séance sera "
    "finie.");
const QString illisibleEnregistrement = QStringLiteral("l'enregistrement de « %1 » ne peut pas être lu : %2");
const QString pasUnFichier = QStringLiteral("ce n'est pas un fichier ordinaire que l'on peut lire.");
const QString ancienReste = QStringLiteral(
    "le mot est corrigé, mais l'ancien enregistrement « %1 » n'a pas pu être retiré : %2");
}  // namespace TextesOrthographe

namespace {
// "Léa", "Léa et Tom", "Léa, Noé et Tom".
QString enumerer(const QStringList &noms)
{
    if (noms.size() <= 1)
        return noms.value(0);
    return noms.first(noms.size() - 1).join(QStringLiteral(", ")) + TextesOrthographe::et + noms.last();
}

CorrectionOrthographe refus(const QString &raison, const QStringList &eleves = {})
{
    return {false, raison, eleves};
}
}  // namespace

QStringList elevesAyantRencontre(const QString &dossierInstallation, const QString &mot, QStringList *illisibles)
{
    QStringList eleves;
    const QDate aujourdhui = QDate::currentDate();
    for (const QString &nom : listerEleves(dossierInstallation)) {
        TableProgression table;
        const ChargementBilan chargement = ChargerBilan(table, dossierInstallation, nom, aujourdhui);
        if (!chargement.lu) {
            if (illisibles)
                *illisibles << nom;
            continue;
        }
        // A row at the initial test was given to every pupil when the word
        // was added; only an answer moves it on.
        for (int i = 0; i < table.nombreLignes(); ++i) {
            if (table.etapeDeLigne(i) > 0 && table.motDeLigne(i) == mot) {
                eleves << nom;
                break;
            }
        }
    }
    return eleves;
}

CorrectionOrthographe corrigerOrthographe(const QString &dossierInstallation, ListeMots &liste, qsizetype rang,
                                          const QString &nouveau)
{
    using namespace TextesOrthographe;
    const QString ancien = liste.at(rang).mot;
    if (nouveau == ancien)
        return refus(identique);
    if (const QString raison = raisonMotRefuse(nouveau); !raison.isEmpty())
        return refus(refuse.arg(nouveau, raison));
    // Two recordings differing only by capitals are one file under Windows.
    for (qsizetype i = 0; i < liste.size(); ++i)
        if (i != rang && liste.at(i).mot.compare(nouveau, Qt::CaseInsensitive) == 0)
            return refus(dejaListe.arg(liste.at(i).mot));
    if (!cheminEnregistrement(dossierInstallation, nouveau).isEmpty())
        return refus(dejaEnregistre.arg(nouveau));

    // Every pupil's file is held while it is read and the word changes, so
    // that none meets the word in between.
    std::vector<std::unique_ptr<Verrou>> verrous;
    for (const QString &nom : listerEleves(dossierInstallation)) {
        auto verrou = std::make_unique<Verrou>(cheminVerrouEleve(dossierInstallation, nom));
        if (verrou->occupe() || verrou->abime())
            return refus(auTravail.arg(nom, ancien));
        verrous.push_back(std::move(verrou));
    }
    QStringList illisiblesEleves;
    const QStringList eleves = elevesAyantRencontre(dossierInstallation, ancien, &illisiblesEleves);
    if (!eleves.isEmpty())
        return refus((eleves.size() == 1 ? unEleve : plusieursEleves).arg(enumerer(eleves), ancien), eleves);
    if (!illisiblesEleves.isEmpty())
        return refus(illisibles.arg(enumerer(illisiblesEleves), ancien));

    const QString cheminAncien = cheminEnregistrement(dossierInstallation, ancien);
    QString cheminNouveau;
    if (!cheminAncien.isEmpty()) {
        // A link planted in the folder every pupil can write to would copy
        // another file's bytes into Sons.
        QFile fichier;
        if (QFileInfo(cheminAncien).isSymLink()
            || ouvrirEnLecture(fichier, cheminAncien) != OuvertureLecture::Ouvert)
            return refus(illisibleEnregistrement.arg(ancien, pasUnFichier));
        const QByteArray octets = fichier.readAll();
        if (fichier.error() != QFile::NoError)
            return refus(illisibleEnregistrement.arg(ancien, fichier.errorString()));
        const ResultatEcriture ecrit =
            ecrireEnregistrement(dossierInstallation, nomEnregistrement(nouveau), octets, Remplacement::Jamais);
        if (!ecrit.ok)
            return refus(ecrit.message());
        cheminNouveau = ecrit.chemin;
    }

    ListeMots corrigee = liste;
    corrigee[rang].mot = nouveau;
    const ResultatEcriture motsDat = EnregistrerListeMots(dossierInstallation, corrigee);
    if (!motsDat.ok) {
        if (!cheminNouveau.isEmpty())
            supprimerFichier(cheminNouveau);
        return refus(motsDat.message());
    }
    liste = corrigee;
    if (!cheminAncien.isEmpty()) {
        const ResultatEcriture retire = supprimerFichier(cheminAncien);
        if (!retire.ok)
            return {true, ancienReste.arg(QFileInfo(cheminAncien).fileName(), retire.detail), {}};
    }
    return {true, {}, {}};
}
