#include "colonnessuivi.h"

#include "engine/etapes.h"
#include "textessuivi.h"

namespace {

using Genre = ColonneSuivi::Genre;

QVariant nombre(const SuiviEleve &e, int n)
{
    return e.lisible() ? QVariant(n) : QVariant();
}

// No journal, no count (rather than a zero that looks like no mistake); nor
// when the sounds could not be compared.
QVariant nombreErreurs(const SuiviEleve &e, int n)
{
    if (e.erreurs.reponses == 0)
        return {};
    return e.erreursComparees() ? QVariant(n) : QVariant(TextesSuivi::nonCompare);
}

ColonneSuivi colonneEtape(int etape, const QString &titre)
{
    return {titre, nomEtape(etape), Genre::Nombre,
            [etape](const SuiviEleve &e, const QDate &) { return nombre(e, e.parEtape[size_t(etape)]); }, ColonneSuivi::Vue::Etapes};
}

} // namespace

const std::vector<ColonneSuivi> &colonnesSuivi()
{
    static const std::vector<ColonneSuivi> colonnes = {
        {TextesSuivi::colEleve, QString(), Genre::Texte,
         [](const SuiviEleve &e, const QDate &) { return QVariant(e.nom); }},
        {TextesSuivi::colVisite, TextesSuivi::bulleVisite, Genre::Date,
         [](const SuiviEleve &e, const QDate &) {
             return e.derniereVisite ? QVariant(*e.derniereVisite) : QVariant();
         }},
        {TextesSuivi::colMots, TextesSuivi::bulleMots, Genre::Barre,
         [](const SuiviEleve &, const QDate &) { return QVariant(); }, ColonneSuivi::Vue::Ensemble},
        {TextesSuivi::colAcquis, TextesSuivi::bulleAcquis, Genre::Nombre,
         [](const SuiviEleve &e, const QDate &) { return nombre(e, e.acquis()); }},
        {TextesSuivi::colEnCours, TextesSuivi::bulleEnCours, Genre::Nombre,
         [](const SuiviEleve &e, const QDate &) { return nombre(e, e.enCours()); }, ColonneSuivi::Vue::Ensemble},
        colonneEtape(kEtapeModele, TextesSuivi::colModele),
        colonneEtape(kEtapeVoyelles, TextesSuivi::colVoyelles),
        colonneEtape(kEtapeConsonnes, TextesSuivi::colConsonnes),
        colonneEtape(kEtapeSansModele, TextesSuivi::colSansModele),
        colonneEtape(kEtapeUnJour, TextesSuivi::colUnJour),
        colonneEtape(kEtapeUneSemaine, TextesSuivi::colUneSemaine),
        colonneEtape(kEtapeUnMois, TextesSuivi::colUnMois),
        {TextesSuivi::colARevoir, TextesSuivi::bulleARevoir, Genre::Nombre,
         [](const SuiviEleve &e, const QDate &) { return nombre(e, e.aRevoir); }},
        {TextesSuivi::colNonProposes, TextesSuivi::bulleNonProposes, Genre::Nombre,
         [](const SuiviEleve &e, const QDate &) { return nombre(e, e.nonProposes); }, ColonneSuivi::Vue::Etapes},
        {TextesSuivi::colSansNiveau, TextesSuivi::bulleSansNiveau, Genre::Nombre,
         [](const SuiviEleve &e, const QDate &) { return nombre(e, e.sansNiveau); }, ColonneSuivi::Vue::Etapes},
        {TextesSuivi::colErreursSon, TextesSuivi::bulleErreursSon, Genre::Nombre,
         [](const SuiviEleve &e, const QDate &) { return nombreErreurs(e, e.erreursDeSon()); },
         ColonneSuivi::Vue::Ensemble},
        {TextesSuivi::colErreursOrthographe, TextesSuivi::bulleErreursOrthographe, Genre::Nombre,
         [](const SuiviEleve &e, const QDate &) { return nombreErreurs(e, e.erreursDOrthographe()); },
         ColonneSuivi::Vue::Ensemble},
        {TextesSuivi::colAttention, TextesSuivi::bulleAttention, Genre::Texte,
         [](const SuiviEleve &e, const QDate &jour) {
             QString texte = raisonsAttention(e, jour).join(QStringLiteral(", "));
             if (e.etat == SuiviEleve::Etat::Illisible && !e.raison.isEmpty())
                 texte += QStringLiteral(" : ") + e.raison;
             return QVariant(texte);
         },
         ColonneSuivi::Vue::Ensemble},
    };
    return colonnes;
}

const std::vector<SegmentEtape> &segmentsEtapes()
{
    static const std::vector<SegmentEtape> segments = [] {
        std::vector<SegmentEtape> s;
        s.push_back({kEtapeNouveau, nomEtape(kEtapeNouveau), 0xD8D8D8});
        for (int etape = kEtapeModele; etape <= kEtapeUnMois; ++etape)
            s.push_back({etape, nomEtape(etape), pointsEchelle()[size_t(etape - kEtapeModele)].rgb});
        s.push_back({kEtapeAcquis, nomEtape(kEtapeAcquis), 0x000070});
        return s;
    }();
    return segments;
}

QString nomEtape(int etape)
{
    switch (etape) {
    case kEtapeNouveau: return TextesSuivi::etapeNouveau;
    case kEtapeModele: return TextesSuivi::etapeModele;
    case kEtapeVoyelles: return TextesSuivi::etapeVoyelles;
    case kEtapeConsonnes: return TextesSuivi::etapeConsonnes;
    case kEtapeSansModele: return TextesSuivi::etapeSansModele;
    case kEtapeUnJour: return TextesSuivi::etapeUnJour;
    case kEtapeUneSemaine: return TextesSuivi::etapeUneSemaine;
    case kEtapeUnMois: return TextesSuivi::etapeUnMois;
    case kEtapeAcquis: return TextesSuivi::etapeAcquis;
    default: return QString();
    }
}
