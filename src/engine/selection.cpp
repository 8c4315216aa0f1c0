#include "selection.h"

#include "data/dates.h"
#include "etapes.h"

#include <QTime>

#include <algorithm>
#include <random>

namespace {

// The passes in their order: words whose wait is over (stages 9, 8, 7), words
// in the middle of the ladder (6 down to 3), then new words of levels 1 to 5.
constexpr int kPassesAttente = 3;
constexpr int kPasseNouveaux = 7;
constexpr int kNombrePasses = kPasseNouveaux + 5;
constexpr int kAucunePasse = kNombrePasses;

struct Attente { int etape; int jours; };
constexpr Attente kAttentes[kPassesAttente] = {{kEtapeUnMois, 30}, {kEtapeUneSemaine, 7}, {kEtapeUnJour, 1}};

int etapeDePasse(int passe)
{
    if (passe < kPassesAttente)
        return kAttentes[passe].etape;
    return passe < kPasseNouveaux ? kEtapeSansModele - (passe - kPassesAttente) : kEtapeNouveau;
}

// The first pass that would take this row, or kAucunePasse. The cheap test
// (is the cell filled?) comes first, so only waiting words have their date read.
class Classement {
public:
    explicit Classement(const QDate &aujourdhui) : aujourdhui_(aujourdhui)
    {
        for (int i = 0; i < kPassesAttente; ++i)
            limites_[i] = aujourdhui.addDays(-kAttentes[i].jours);
    }

    int passe(const LigneProgression &l) const
    {
        for (int i = 0; i < kPassesAttente; ++i)
            if (!l[kAttentes[i].etape].isEmpty() && dateOuAujourdhui(l[kColonneDate], aujourdhui_) <= limites_[i])
                return i;
        for (int etape = kEtapeSansModele; etape >= kEtapeModele; --etape)
            if (!l[etape].isEmpty())
                return kPassesAttente + kEtapeSansModele - etape;
        const QString &niveau = l[kColonneNiveau];
        if (!l[kEtapeNouveau].isEmpty() && niveauValide(niveau))
            return kPasseNouveaux + (niveau[0].unicode() - u'1');
        return kAucunePasse;
    }

private:
    QDate aujourdhui_;
    QDate limites_[kPassesAttente];
};

} // namespace

bool attenteFinie(const LigneProgression &ligne, const QDate &aujourdhui)
{
    return Classement(aujourdhui).passe(ligne) < kPassesAttente;
}

// Each pass takes the first row meeting its condition in the order
// depart .. end, then depart .. 0, and the first pass that finds a row wins.
// The pass found is the best pass of any row, and a row meeting that pass has
// it as its own best; so one sweep that ranks every row gives the same choice
// as eight (twelve, counting levels) scans, with far fewer trips through memory.
Proposition ChoisirMot(const TableProgression &table, int depart, const QDate &aujourdhui)
{
    const QList<LigneProgression> &lignes = table.lignes();
    const int n = int(lignes.size());
    if (n == 0)
        return {};
    // A continuation may name a row that has gone since: start as near as possible.
    depart = std::clamp(depart, 0, n - 1);

    const Classement classement(aujourdhui);
    int meilleure = kAucunePasse;
    int ligne = -1;
    for (int r = depart; r < n && meilleure > 0; ++r) {
        const int p = classement.passe(lignes[r]);
        if (p < meilleure) {
            meilleure = p;
            ligne = r;
        }
    }
    // Backward, only a better pass than the forward scan's can win.
    for (int r = depart; r >= 0 && meilleure > 0; --r) {
        const int p = classement.passe(lignes[r]);
        if (p < meilleure) {
            meilleure = p;
            ligne = r;
        }
    }
    if (ligne < 0)
        return {};

    Proposition proposition;
    proposition.trouvee = true;
    proposition.ligne = ligne;
    proposition.etape = etapeDePasse(meilleure);
    proposition.mot = lignes[ligne][proposition.etape];
    proposition.niveau = meilleure < kPasseNouveaux ? lignes[ligne][kColonneNiveau]
                                                     : QString::number(meilleure - kPasseNouveaux + 1);
    return proposition;
}

int tirerLigneDepart(int nombreLignes, int secondesDepuisMinuit)
{
    if (nombreLignes <= 0)
        return 0;
    std::mt19937 generateur(static_cast<std::mt19937::result_type>(secondesDepuisMinuit));
    return std::uniform_int_distribution<int>(0, nombreLignes - 1)(generateur);
}

int tirerLigneDepart(int nombreLignes)
{
    return tirerLigneDepart(nombreLignes, QTime::currentTime().msecsSinceStartOfDay() / 1000);
}
