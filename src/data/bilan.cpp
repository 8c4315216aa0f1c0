#include "bilan.h"

#include "dates.h"
#include "encodage.h"
#include "reconciliation.h"
#include "sauvegardes.h"
#include "valeurs.h"

#include <QDir>
#include <QStringView>
#include <limits>
#include <memory>
#include <set>

namespace {

const QString kMarqueur = QStringLiteral("*");

// Steps 1 and 2 of the loading: values laid eleven to a row; the row left
// after the last value stays, even when it received nothing.
class Repartition {
public:
    explicit Repartition(QList<LigneProgression> &lignes) : lignes_(lignes) { lignes_.append(LigneProgression{}); }
    void ajouter(QString &&valeur)
    {
        lignes_.last()[colonne_] = std::move(valeur);
        if (colonne_ == kColonnes - 1) {
            lignes_.append(LigneProgression{});
            colonne_ = 0;
        } else {
            ++colonne_;
        }
    }

private:
    QList<LigneProgression> &lignes_;
    int colonne_ = 0;
};

bool videSaufDate(const LigneProgression &ligne)
{
    for (int c = 0; c < kColonnes; ++c)
        if (c != kColonneDate && !ligne[c].isEmpty())
            return false;
    return true;
}

// Step 4: a single row with nothing but a date is no row at all.
void oterLigneSeuleVide(QList<LigneProgression> &lignes)
{
    if (lignes.size() == 1 && videSaufDate(lignes[0]))
        lignes.clear();
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
// date are dropped. A date that cannot be read is replaced too: left as it
// is, it would keep a waiting word from ever being due again.
void daterEtNettoyer(QList<LigneProgression> &lignes, const QDate &aujourdhui)
{
    const QString date = texteDate(aujourdhui);
    for (LigneProgression &ligne : lignes)
        if (!dateLisible(ligne[kColonneDate]))
            ligne[kColonneDate] = date;
    lignes.removeIf(videSaufDate);
}

// The lines of a text: how many, and how many are exactly one quoted value,
// as every line of a pupil file is when the program writes it.
struct ComptageLignes {
    qsizetype total = 0;
    qsizetype propres = 0;
};

template <typename Recevoir>
void parcourirLignes(const QString &texte, Recevoir recevoir)
{
    const QChar *p = texte.constData();
    const QChar *const fin = p + texte.size();
    while (p < fin) {
        const QChar *debut = p;
        while (p < fin && *p != u'\r' && *p != u'\n')
            ++p;
        recevoir(QStringView(debut, p));
        if (p < fin && *p == u'\r' && p + 1 < fin && p[1] == u'\n')
            ++p;
        if (p < fin)
            ++p;
    }
}

bool lignePropre(QStringView ligne)
{
    return ligne.size() >= 2 && ligne.front() == u'"' && ligne.back() == u'"'
           && !ligne.sliced(1, ligne.size() - 2).contains(u'"');
}

ComptageLignes compterLignes(const QString &texte)
{
    ComptageLignes comptage;
    parcourirLignes(texte, [&comptage](QStringView ligne) {
        ++comptage.total;
        if (lignePropre(ligne))
            ++comptage.propres;
    });
    return comptage;
}

// The cell a damaged line held: its text without quotes, and without the
// commas and blanks a slip of the keyboard left at either end.
QString celluleDeLigne(QStringView ligne)
{
    if (lignePropre(ligne))
        return ligne.sliced(1, ligne.size() - 2).toString();
    QString cellule = ligne.toString();
    cellule.remove(u'"');
    const auto aOter = [](QChar c) { return c == u',' || c == u' ' || c == u'\t'; };
    qsizetype debut = 0;
    qsizetype fin = cellule.size();
    while (debut < fin && aOter(cellule[debut]))
        ++debut;
    while (fin > debut && aOter(cellule[fin - 1]))
        --fin;
    return cellule.mid(debut, fin - debut);
}

struct ComptageCaracteres {
    qsizetype lf = 0, cr = 0, illisibles = 0;
};

// Line ends and characters no text holds (NUL, the replacement character).
// Run on every file loaded, so written for the compiler's optimiser: blocks
// of a fixed length, which it turns into vector code even at -O2, where a
// loop of unknown length stays one character at a time.
ComptageCaracteres compterCaracteres(const QString &texte)
{
    constexpr qsizetype kBloc = 64;
    ComptageCaracteres comptes;
    const char16_t *p = reinterpret_cast<const char16_t *>(texte.constData());
    const char16_t *const fin = p + texte.size();
    const auto compter = [](char16_t c, quint16 &lf, quint16 &cr, quint16 &illisibles) {
        lf += c == u'\n';
        cr += c == u'\r';
        illisibles += (c == 0) | (c == char16_t(QChar::ReplacementCharacter));
    };
    for (; fin - p >= kBloc; p += kBloc) {
        quint16 lf = 0, cr = 0, illisibles = 0;
        for (qsizetype i = 0; i < kBloc; ++i)
            compter(p[i], lf, cr, illisibles);
        comptes.lf += lf;
        comptes.cr += cr;
        comptes.illisibles += illisibles;
    }
    quint16 lf = 0, cr = 0, illisibles = 0;
    for (; p < fin; ++p)
        compter(*p, lf, cr, illisibles);
    comptes.lf += lf;
    comptes.cr += cr;
    comptes.illisibles += illisibles;
    return comptes;
}

// Steps 1 to 3: the values of the file laid eleven to a row. True when the
// file shows damage: bytes no text holds, a count of values that is not
// whole rows, or a broken quote. A broken quote in a file of one quoted
// cell per line (the program's own layout) shifts every later cell, so such a
// file is read back one cell per line instead, which loses nothing.
bool repartirValeurs(const QString &texte, QList<LigneProgression> &lignes)
{
    // Enough for the files this program writes (each cell a quoted line);
    // a file of bare commas just grows the list as usual.
    lignes.reserve(texte.size() / (2 * kColonnes) + 1);
    qsizetype valeurs = 0;
    {
        Repartition repartition(lignes);
        parcourirValeurs(texte, [&repartition, &valeurs](QString &&valeur) {
            ++valeurs;
            repartition.ajouter(std::move(valeur));
        });
    }
    // One pass for the line ends and the characters no text holds; the
    // common case, a value per line, is told by the count of line ends alone.
    const ComptageCaracteres comptes = compterCaracteres(texte);
    const qsizetype lf = comptes.lf, cr = comptes.cr, illisibles = comptes.illisibles;
    bool abime = valeurs % kColonnes != 0 || illisibles > 0;
    const bool finSansSaut = !texte.isEmpty() && texte.back() != u'\n' && texte.back() != u'\r';
    if ((cr == 0 || lf == 0 || cr == lf) && std::max(cr, lf) + (finSansSaut ? 1 : 0) == valeurs)
        return abime;
    const ComptageLignes comptage = compterLignes(texte);
    const qsizetype tolerance = std::max<qsizetype>(1, comptage.total / 100);
    if (valeurs != comptage.total && comptage.total % kColonnes == 0
        && comptage.total - comptage.propres <= tolerance) {
        lignes.clear();
        Repartition repartition(lignes);
        parcourirLignes(texte, [&repartition](QStringView ligne) { repartition.ajouter(celluleDeLigne(ligne)); });
        abime = true;
    }
    return abime;
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
    lignes.reserve(valeursBilan.size() / kColonnes + 1);
    Repartition repartition(lignes);
    for (QString valeur : valeursBilan)
        repartition.ajouter(std::move(valeur));
    oterLigneSeuleVide(lignes);
    if (lignes.isEmpty())
        construireDepuisMots(lignes, valeursMots);
    daterEtNettoyer(lignes, aujourdhui);
    table.remplacerLignes(std::move(lignes));
}

ChargementBilan ChargerBilan(TableProgression &table, const QString &dossierInstallation, const QString &nomEleve,
                             const QDate &aujourdhui)
{
    ChargementBilan chargement;
    QList<LigneProgression> lignes;
    {
        const LectureFichier lecture = lireFichier(cheminBilan(dossierInstallation, nomEleve));
        if (lecture.illisible()) {
            chargement.lu = false;
            chargement.raison = lecture.raison;
            return chargement;
        }
        chargement.abime = repartirValeurs(lecture.texte, lignes);
    }
    oterLigneSeuleVide(lignes);
    if (lignes.isEmpty()) {
        const QString cheminMots = QDir(dossierInstallation).filePath(kFichierMots);
        construireDepuisMots(lignes, lireFichierValeurs(cheminMots).value_or(QStringList()));
    }
    daterEtNettoyer(lignes, aujourdhui);
    table.remplacerLignes(std::move(lignes));
    return chargement;
}

// The table is searched for every word of the list. Only cells equal to a
// listed word matter, so one scan of the table notes, for each listed word,
// whether it is present and where it will stand once the rows that leave are
// gone; the three passes then work from those notes. Same result as the
// three passes searching every cell for every word.
void ActualiserBilan(TableProgression &table, const ListeMots &fgMots, const QDate &aujourdhui)
{
    ActualiserBilan(table, fgMots, IndexMots(fgMots), aujourdhui);
}

void ActualiserBilan(TableProgression &table, const ListeMots &fgMots, const IndexMots &index,
                     const QDate &aujourdhui)
{
    constexpr int kAucune = std::numeric_limits<int>::max();
    struct Suivi {
        bool present = false;
        int premiereFixe = kAucune; // first row holding the word outside column 1
        // Rows whose column 1 holds the word: rare, so made only when needed.
        std::unique_ptr<std::set<int>> lignesNiveau;
        std::set<int> &niveaux()
        {
            if (!lignesNiveau)
                lignesNiveau = std::make_unique<std::set<int>>();
            return *lignesNiveau;
        }
    };
    std::vector<Suivi> suivis(index.nombreMots());
    QList<LigneProgression> lignes = table.extraireLignes();

    // Notes one row at its place in the final table.
    int place = 0;
    const auto noter = [&](const std::array<int, kColonnes> &indices, bool gardee) {
        for (int c = 0; c < kColonnes; ++c) {
            if (indices[c] < 0)
                continue;
            Suivi &suivi = suivis[indices[c]];
            suivi.present = true;
            if (!gardee)
                continue;
            if (c == kColonneNiveau)
                suivi.niveaux().insert(place);
            else if (suivi.premiereFixe == kAucune)
                suivi.premiereFixe = place;
        }
        if (gardee)
            ++place;
    };

    // Passes 1 and 2 read the same rows: presence counts every row; a row
    // stays when it has no word or a listed one.
    std::vector<bool> gardees(lignes.size());
    for (qsizetype r = 0; r < lignes.size(); ++r) {
        const LigneProgression &ligne = lignes[r];
        std::array<int, kColonnes> indices;
        for (int c = 0; c < kColonnes; ++c)
            indices[c] = index.indice(ligne[c]);
        bool gardee = true;
        for (int c : kColonnesMot) {
            if (!ligne[c].isEmpty()) {
                gardee = indices[c] >= 0;
                break;
            }
        }
        gardees[r] = gardee;
        noter(indices, gardee);
    }
    qsizetype suivante = 0;
    for (qsizetype r = 0; r < lignes.size(); ++r)
        if (gardees[r])
            lignes[suivante++] = std::move(lignes[r]);
    lignes.resize(suivante);

    // Pass 1 appends the words no cell holds; its rows are never removed, as
    // their word is listed (or empty).
    const QString date = texteDate(aujourdhui);
    for (qsizetype k = 0; k < fgMots.size(); ++k) {
        if (suivis[index.indicesEntrees()[k]].present)
            continue;
        LigneProgression ligne;
        ligne[0] = fgMots[k].mot;
        ligne[kColonneNiveau] = fgMots[k].niveau;
        ligne[kColonneDate] = date;
        std::array<int, kColonnes> indices;
        for (int c = 0; c < kColonnes; ++c)
            indices[c] = index.indice(ligne[c]);
        noter(indices, true);
        lignes.append(std::move(ligne));
    }

    // Pass 3: the first row from the top holding the word gets its level;
    // column 1 changes as it goes, and the notes follow.
    for (qsizetype k = 0; k < fgMots.size(); ++k) {
        const Suivi &suivi = suivis[index.indicesEntrees()[k]];
        int r = suivi.premiereFixe;
        if (suivi.lignesNiveau && !suivi.lignesNiveau->empty())
            r = std::min(r, *suivi.lignesNiveau->begin());
        if (r == kAucune)
            continue;
        QString &niveau = lignes[r][kColonneNiveau];
        if (niveau == fgMots[k].niveau)
            continue;
        const int ancien = index.indice(niveau);
        if (ancien >= 0)
            suivis[ancien].niveaux().erase(r);
        niveau = fgMots[k].niveau;
        const int nouveau = index.indice(niveau);
        if (nouveau >= 0)
            suivis[nouveau].niveaux().insert(r);
    }
    table.remplacerLignes(std::move(lignes));
}

int CompterLignesEtudiees(const TableProgression &table)
{
    int etudiees = 0;
    for (const LigneProgression &ligne : table.lignes())
        for (int c = kColonnesMot[1]; c < kColonnes; ++c)
            if (!ligne[c].isEmpty()) {
                ++etudiees;
                break;
            }
    return etudiees;
}

int CompterMotsAcquis(const TableProgression &table)
{
    int acquis = 0;
    for (const LigneProgression &ligne : table.lignes())
        if (!ligne[kColonneAcquis].isEmpty())
            ++acquis;
    return acquis;
}
