#include "suiviclasse.h"

#include "platform/synthesechargee.h"
#include "data/bilan.h"
#include "data/eleves.h"
#include "engine/etapes.h"
#include "engine/selection.h"
#include "exercice/motsfrancais.h"

#include "data/reconciliation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentMap>
#include <QHash>
#include <algorithm>

int SuiviEleve::enCours() const
{
    int n = 0;
    for (int etape = kEtapeModele; etape <= kEtapeUnMois; ++etape)
        n += parEtape[etape];
    return n;
}

int SuiviEleve::erreursDeSon() const
{
    return erreurs.parSorte[size_t(SorteErreur::SonChange)];
}

int SuiviEleve::erreursDOrthographe() const
{
    int n = 0;
    for (int sorte = 0; sorte < kNombreSortes; ++sorte)
        if (sonGarde(SorteErreur(sorte)))
            n += erreurs.parSorte[size_t(sorte)];
    return n;
}

std::optional<qint64> SuiviEleve::joursDepuisVisite(const QDate &aujourdhui) const
{
    if (!derniereVisite)
        return std::nullopt;
    return derniereVisite->date().daysTo(aujourdhui);
}

QStringList raisonsAttention(const SuiviEleve &eleve, const QDate &aujourdhui)
{
    QStringList raisons;
    if (eleve.etat == SuiviEleve::Etat::Illisible)
        return {QStringLiteral("fichier illisible")};
    if (eleve.etat == SuiviEleve::Etat::Abime)
        raisons << QStringLiteral("fichier abîmé");
    const std::optional<qint64> jours = eleve.joursDepuisVisite(aujourdhui);
    if (!jours)
        raisons << QStringLiteral("jamais venu");
    else if (*jours >= kJoursSansVisite)
        raisons << QStringLiteral("pas venu depuis %1 jours").arg(*jours);
    if (eleve.auModele() >= kMotsAuModele)
        raisons << QStringLiteral("%1 mots revenus à la copie").arg(eleve.auModele());
    if (eleve.erreurs.incomplet)
        raisons << QStringLiteral("journal des réponses incomplet");
    return raisons;
}

void compterTable(SuiviEleve &eleve, const QDate &aujourdhui)
{
    eleve.parEtape.fill(0);
    eleve.aRevoir = eleve.nonProposes = eleve.sansNiveau = 0;
    const TableProgression &table = eleve.table;
    for (int r = 0; r < table.nombreLignes(); ++r) {
        const int etape = table.etapeDeLigne(r);
        if (etape < 0)
            continue;   // a row with no word: never proposed, never listed
        const LigneProgression &ligne = table.ligne(r);
        ++eleve.parEtape[etape];
        if (etape == kEtapeNouveau)
            ++(niveauValide(ligne[kColonneNiveau]) ? eleve.nonProposes : eleve.sansNiveau);
        else if (etape >= kEtapeUnJour && etape <= kEtapeUnMois && attenteFinie(ligne, aujourdhui))
            ++eleve.aRevoir;
    }
}

SuiviEleve lireSuiviEleve(const QString &dossierInstallation, const QString &nom, const ListeMots &liste,
                          const QDate &aujourdhui)
{
    return lireSuiviEleve(dossierInstallation, nom, liste, IndexMots(liste), aujourdhui);
}

SuiviEleve lireSuiviEleve(const QString &dossierInstallation, const QString &nom, const ListeMots &liste,
                          const IndexMots &index, const QDate &aujourdhui)
{
    SuiviEleve eleve;
    eleve.nom = nom;
    const QFileInfo fichier(cheminBilan(dossierInstallation, nom));
    const ChargementBilan chargement = ChargerBilan(eleve.table, dossierInstallation, nom, aujourdhui);
    if (!chargement.lu) {
        eleve.etat = SuiviEleve::Etat::Illisible;
        eleve.raison = chargement.raison;
        eleve.table.vider();
        return eleve;
    }
    if (chargement.abime)
        eleve.etat = SuiviEleve::Etat::Abime;
    // An empty file is a pupil the teacher created who has not come yet; the
    // first visit writes the file whole.
    if (fichier.size() > 0)
        eleve.derniereVisite = fichier.lastModified();
    ActualiserBilan(eleve.table, liste, index, aujourdhui);
    compterTable(eleve, aujourdhui);
    return eleve;
}

SuiviClasse lireSuiviClasse(const QString &dossierInstallation, const ListeMots &liste, const QDate &aujourdhui)
{
    SuiviClasse classe;
    classe.jour = aujourdhui;
    const IndexMots index(liste);
    for (const QString &nom : listerEleves(dossierInstallation)) {
        classe.eleves.append(SuiviEleve{});
        classe.eleves.last().nom = nom;
    }
    // Each pupil on his own: the files, the list and its index are only read.
    QtConcurrent::blockingMap(classe.eleves, [&](SuiviEleve &eleve) {
        eleve = lireSuiviEleve(dossierInstallation, eleve.nom, liste, index, aujourdhui);
    });
    return classe;
}

SourcePhonemes phonemesDuProgramme()
{
    // The tables lie beside the program, as the speech module does.
    return ajouterHomophones(phonemesChargees(), QCoreApplication::applicationDirPath());
}

QList<BilanErreurs> resumerErreursClasse(const QString &dossierInstallation, const QStringList &noms)
{
    return resumerErreursClasse(dossierInstallation, noms, phonemesDuProgramme());
}

QList<BilanErreurs> resumerErreursClasse(const QString &dossierInstallation, const QStringList &noms,
                                         const SourcePhonemes &source)
{
    QList<BilanErreurs> erreurs;
    for (const QString &nom : noms)
        erreurs.append(ResumerErreursEleve(dossierInstallation, nom, source, kErreursRecentes));
    return erreurs;
}

void ajouterErreurs(SuiviClasse &classe, const QList<BilanErreurs> &erreurs)
{
    for (qsizetype i = 0; i < classe.eleves.size() && i < erreurs.size(); ++i)
        classe.eleves[i].erreurs = erreurs[i];
}

QList<MotDifficile> compterMotsDifficiles(const SuiviClasse &classe)
{
    QList<MotDifficile> mots;
    QHash<QString, qsizetype> indices;
    for (const SuiviEleve &eleve : classe.eleves) {
        if (!eleve.lisible())
            continue;
        const TableProgression &table = eleve.table;
        const QHash<QString, int> &fautesParMot = eleve.erreurs.fautesParMot;
        for (int r = 0; r < table.nombreLignes(); ++r) {
            const int etape = table.etapeDeLigne(r);
            if (etape < 0)
                continue;
            const QString &mot = table.cellule(r, etape);
            const auto reponses = fautesParMot.constFind(mot);
            const bool repondu = reponses != fautesParMot.constEnd();
            if (etape == kEtapeNouveau && !repondu)
                continue;
            auto it = indices.constFind(mot);
            if (it == indices.constEnd()) {
                it = indices.insert(mot, mots.size());
                mots.append({mot, table.cellule(r, kColonneNiveau)});
            }
            MotDifficile &m = mots[*it];
            const bool enCours = etape >= kEtapeModele && etape <= kEtapeUnMois;
            ++m.rencontre;
            m.fautes += repondu ? *reponses : 0;
            if (repondu ? *reponses > 0 : enCours)
                ++m.manque;
            m.enCours += enCours;
            m.acquis += etape == kEtapeAcquis;
        }
    }
    std::stable_sort(mots.begin(), mots.end(), [](const MotDifficile &a, const MotDifficile &b) {
        if (a.manque != b.manque)
            return a.manque > b.manque;
        if (a.fautes != b.fautes)
            return a.fautes > b.fautes;
        if (a.enCours != b.enCours)
            return a.enCours > b.enCours;
        return a.acquis < b.acquis;
    });
    return mots;
}
