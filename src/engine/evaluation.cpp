#include "evaluation.h"

#include "data/bilan.h"
#include "data/dates.h"
#include "etapes.h"
#include "texte.h"

#include <algorithm>

namespace {

bool etapePresentable(int etape)
{
    return etape == kEtapeNouveau || (etape >= kEtapeModele && etape <= kEtapeUnMois);
}

// The waits before stages 7, 8 and 9 are measured from the last success.
bool dateRenouveleeApres(int etape)
{
    return etape == kEtapeSansModele || etape == kEtapeUnJour || etape == kEtapeUneSemaine;
}

} // namespace

FormesMot formesDuMot(const QString &mot, ReglageOrthographe reglage, const QStringList &variantes,
                      bool motRectifie)
{
    if (variantes.isEmpty() || reglage == ReglageOrthographe::LesDeux)
        return {mot, QStringList{mot} + variantes};
    const bool veutRectifiee = reglage == ReglageOrthographe::Rectifiee;
    // The word already is the spelling wanted, or its first counterpart is.
    const QString forme = veutRectifiee == motRectifie ? mot : variantes.first();
    return {forme, {forme}};
}

Evaluation EvaluerReponse(TableProgression &table, const QString &reponse, const QString &motAttendu,
                          int ligne, int etape, bool modeleVisible, const QDate &aujourdhui,
                          const QStringList &formesJustes)
{
    Evaluation e;
    e.reponseNormalisee = NormaliserReponse(reponse);
    // No word presented (after the end-of-list message), or a state that no
    // presentation can produce: the table must stay as it is. Moving a word
    // that is not in the given cell would leave its row with two words.
    if (motAttendu.isEmpty() || ligne < 0 || ligne >= table.nombreLignes() || !etapePresentable(etape)
        || table.cellule(ligne, etape) != motAttendu) {
        e.nouvelleEtape = etape;
        e.motsAcquis = CompterMotsAcquis(table);
        return e;
    }

    e.evaluee = true;
    const QStringList justes = formesJustes.isEmpty() ? QStringList{motAttendu} : formesJustes;
    e.juste = std::any_of(justes.cbegin(), justes.cend(),
                          [&](const QString &forme) { return ReponseEgaleMot(e.reponseNormalisee, forme); });
    e.celluleVidee = etape;
    table.ecrireCellule(ligne, etape, QString());

    if (!e.juste) {
        e.celluleEcrite = kEtapeModele;
        e.nouvelleEtape = kEtapeModele;
        e.echelle = Evaluation::Echelle::ToutEteindre;
        e.memeMot = true;
    } else if (etape == kEtapeNouveau && !modeleVisible) {
        // Known at the first try: acquired at once, and the next choice is fresh.
        e.celluleEcrite = kEtapeAcquis;
        e.nouvelleEtape = kEtapeNouveau;
        e.echelle = Evaluation::Echelle::ToutAllumer;
        e.memeMot = false;
    } else if (etape == kEtapeNouveau) {
        e.celluleEcrite = kEtapeModele;
        e.nouvelleEtape = kEtapeModele;
        e.memeMot = true;
    } else {
        e.celluleEcrite = etape + 1;
        e.nouvelleEtape = etape + 1;
        e.echelle = Evaluation::Echelle::AllumerUn;
        e.pointAllume = etape - kEtapeModele;
        e.dateRenouvelee = dateRenouveleeApres(etape);
        e.memeMot = true;
    }

    table.ecrireCellule(ligne, e.celluleEcrite, motAttendu);
    if (e.dateRenouvelee)
        table.ecrireCellule(ligne, kColonneDate, texteDate(aujourdhui));
    e.motsAcquis = CompterMotsAcquis(table);
    return e;
}
