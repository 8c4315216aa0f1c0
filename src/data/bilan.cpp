#include "bilan.h"

#include "dates.h"
#include "valeurs.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <limits>
#include <set>

namespace {

const QString kMarqueur = QStringLiteral("*");

// Steps 1 to 4 of the loading: values laid eleven to a row; the row left
// after the last value stays, even when it received nothing; a single row
// with nothing but a date is no row at all.
void repartirValeurs(QList<LigneProgression> &lignes, const QStringList &valeurs)
{
    lignes.reserve(valeurs.size() / kColonnes + 1);
    lignes.append(LigneProgression{});
    int colonne = 0;
    for (const QString &valeur : valeurs) {
        lignes.last()[colonne] = valeur;
        if (colonne == kColonnes - 1) {
            lignes.append(LigneProgression{});
            colonne = 0;
        } else {
            ++colonne;
        }
    }
    if (lignes.size() == 1) {
        bool vide = true;
        for (int c = 0; c < kColonnes; ++c)
            if (c != kColonneDate && !lignes[0][c].isEmpty())
                vide = false;
        if (vide)
            lignes.clear();
    }
}

// Step 5: one row per record of Mots.dat; the value after "*" goes to
// column 0, every later value of the record to column 1.
void construireDepuisMots(QList<LigneProgression> &lignes, const QStringList &valeursMots)
{
    bool premiere = false;
    for (const QString &valeur : valeursMots) {
        if (valeur == kMarqueur) {
            lignes.append(LigneProgression{});
            premiere = true;
        } else if (!lignes.isEmpty()) {
            lignes.last()[premiere ? 0 : kColonneNiveau] = valeur;
            premiere = false;
        }
    }
}

// Steps 6 and 7: today's date where none, then the rows holding nothing but a
// date are dropped.
void daterEtNettoyer(QList<LigneProgression> &lignes, const QDate &aujourdhui)
{
    const QString date = texteDate(aujourdhui);
    qsizetype gardees = 0;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        LigneProgression &ligne = lignes[i];
        if (ligne[kColonneDate].isEmpty())
            ligne[kColonneDate] = date;
        bool vide = true;
        for (int c = 0; c < kColonnes && vide; ++c)
            if (c != kColonneDate && !ligne[c].isEmpty())
                vide = false;
        if (!vide) {
            if (gardees != i)
                lignes[gardees] = std::move(ligne);
            ++gardees;
        }
    }
    lignes.resize(gardees);
}

QString motDe(const LigneProgression &ligne)
{
    for (int c : kColonnesMot)
        if (!ligne[c].isEmpty())
            return ligne[c];
    return QString();
}

void remplacerLignes(TableProgression &table, QList<LigneProgression> &&lignes)
{
    table.vider();
    table.reserver(int(lignes.size()));
    for (LigneProgression &ligne : lignes)
        table.ajouterLigne(std::move(ligne));
}

} // namespace

QString cheminBilan(const QString &dossierInstallation, const QString &nomEleve)
{
    return QDir(dossierInstallation).filePath(nomEleve + QStringLiteral(".bil"));
}

void remplirTableProgression(TableProgression &table, const QStringList &valeursBilan,
                             const QStringList &valeursMots, const QDate &aujourdhui)
{
    QList<LigneProgression> lignes;
    repartirValeurs(lignes, valeursBilan);
    if (lignes.isEmpty())
        construireDepuisMots(lignes, valeursMots);
    daterEtNettoyer(lignes, aujourdhui);
    remplacerLignes(table, std::move(lignes));
}

void ChargerBilan(TableProgression &table, const QString &dossierInstallation, const QString &nomEleve,
                  const QDate &aujourdhui)
{
    QList<LigneProgression> lignes;
    repartirValeurs(lignes, lireFichierValeurs(cheminBilan(dossierInstallation, nomEleve)).value_or(QStringList()));
    if (lignes.isEmpty()) {
        const QString cheminMots = QDir(dossierInstallation).filePath(kFichierMots);
        construireDepuisMots(lignes, lireFichierValeurs(cheminMots).value_or(QStringList()));
    }
    daterEtNettoyer(lignes, aujourdhui);
    remplacerLignes(table, std::move(lignes));
}

// The table is searched for every word of the list. Only cells equal to a
// listed word matter, so each pass keeps, per listed word, where it stands.
void ActualiserBilan(TableProgression &table, const ListeMots &fgMots, const QDate &aujourdhui)
{
    QSet<QString> motsListe;
    motsListe.reserve(fgMots.size());
    for (const EntreeMot &entree : fgMots)
        motsListe.insert(entree.mot);
    const bool motVideListe = motsListe.contains(QString());

    // Pass 1: a word is present when any cell of any row equals it, the rows
    // appended by this pass included.
    QSet<QString> presents;
    for (const LigneProgression &ligne : table.lignes())
        for (const QString &cellule : ligne)
            if ((!cellule.isEmpty() || motVideListe) && motsListe.contains(cellule))
                presents.insert(cellule);
    const QString date = texteDate(aujourdhui);
    for (const EntreeMot &entree : fgMots) {
        if (presents.contains(entree.mot))
            continue;
        LigneProgression ligne;
        ligne[0] = entree.mot;
        ligne[kColonneNiveau] = entree.niveau;
        ligne[kColonneDate] = date;
        table.ajouterLigne(ligne);
        for (const QString &cellule : ligne)
            presents.insert(cellule);
    }

    // Pass 2: rows whose word left the list go; rows without a word stay.
    QList<LigneProgression> gardees;
    gardees.reserve(table.nombreLignes());
    for (const LigneProgression &ligne : table.lignes()) {
        const QString mot = motDe(ligne);
        if (mot.isEmpty() || motsListe.contains(mot))
            gardees.append(ligne);
    }
    remplacerLignes(table, std::move(gardees));

    // Pass 3: the first row from the top holding the word gets its level.
    // Column 1 changes as levels are copied, so it is followed apart: the other
    // columns give a fixed first row per word, column 1 a set of rows per word.
    constexpr int kAucune = std::numeric_limits<int>::max();
    QHash<QString, int> premiereFixe;
    QHash<QString, std::set<int>> lignesNiveau;
    for (int r = 0; r < table.nombreLignes(); ++r) {
        const LigneProgression &ligne = table.ligne(r);
        for (int c = 0; c < kColonnes; ++c) {
            const QString &cellule = ligne[c];
            if ((cellule.isEmpty() && !motVideListe) || !motsListe.contains(cellule))
                continue;
            if (c == kColonneNiveau)
                lignesNiveau[cellule].insert(r);
            else if (!premiereFixe.contains(cellule))
                premiereFixe.insert(cellule, r);
        }
    }
    for (const EntreeMot &entree : fgMots) {
        int r = premiereFixe.value(entree.mot, kAucune);
        const auto trouvee = lignesNiveau.constFind(entree.mot);
        if (trouvee != lignesNiveau.cend() && !trouvee->empty())
            r = std::min(r, *trouvee->begin());
        if (r == kAucune)
            continue;
        const QString ancien = table.cellule(r, kColonneNiveau);
        if (ancien == entree.niveau)
            continue;
        table.ecrireCellule(r, kColonneNiveau, entree.niveau);
        if (motsListe.contains(ancien))
            lignesNiveau[ancien].erase(r);
        if (motsListe.contains(entree.niveau))
            lignesNiveau[entree.niveau].insert(r);
    }
}

int CompterMotsAcquis(const TableProgression &table)
{
    int acquis = 0;
    for (const LigneProgression &ligne : table.lignes())
        if (!ligne[kColonneAcquis].isEmpty())
            ++acquis;
    return acquis;
}

QString texteBilan(const TableProgression &table)
{
    qsizetype taille = 0;
    for (const LigneProgression &ligne : table.lignes())
        for (const QString &cellule : ligne)
            taille += cellule.size() + 4;
    QString texte;
    texte.reserve(taille);
    for (const LigneProgression &ligne : table.lignes()) {
        for (const QString &cellule : ligne) {
            texte += u'"';
            texte += cellule;
            texte += QLatin1String("\"\r\n");
        }
    }
    return texte;
}

ResultatEcriture EnregistrerBilan(const TableProgression &table, const QString &dossierInstallation,
                                  const QString &nomEleve)
{
    return ecrireFichierTexte(cheminBilan(dossierInstallation, nomEleve), texteBilan(table));
}
