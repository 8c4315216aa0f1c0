#include "etapes.h"

#include "texte.h"

namespace {

const QString kTitreModele = QStringLiteral("Modèle");

} // namespace

const std::array<PointEchelle, kNombrePoints> &pointsEchelle()
{
    static const std::array<PointEchelle, kNombrePoints> points = {{
        {QStringLiteral(" Avec modèle "), 0xFF8000},
        {QStringLiteral(" Voyelles à écrire "), 0xFFC080},
        {QStringLiteral(" Consonnes à écrire "), 0xFFFF00},
        {QStringLiteral(" Mot à écrire sans modèle "), 0x00FF00},
        {QStringLiteral(" Mot à écrire après au moins 24 heures "), 0x00C000},
        {QStringLiteral("Mot à écrire après au moins 1 semaine "), 0x8080FF},
        {QStringLiteral("Mot à écrire après au moins 1 mois (acquis) "), 0x0000FF},
    }};
    return points;
}

PresentationEtape presentationEtape(int etape)
{
    switch (etape) {
    case kEtapeModele:
        return {QString(), true, kTitreModele, 0};
    case kEtapeVoyelles:
        return {QString(), true, QStringLiteral("Modèle : les voyelles sont masquées"), etape - kEtapeModele};
    case kEtapeConsonnes:
        return {QString(), true, QStringLiteral("Modèle : les consonnes sont masquées"), etape - kEtapeModele};
    case kEtapeSansModele:
    case kEtapeUnJour:
    case kEtapeUneSemaine:
    case kEtapeUnMois:
        // The squares of the stages passed before this one.
        return {QString(), false, kTitreModele, etape - kEtapeModele};
    default:
        // The initial test, and the screen left when no word is available.
        return {QStringLiteral("Test initial"), false, kTitreModele, 0};
    }
}

QString texteModele(const QString &mot, int etape)
{
    switch (etape) {
    case kEtapeVoyelles:
        return MasquerVoyelles(mot);
    case kEtapeConsonnes:
        return MasquerConsonnes(mot);
    default:
        return mot;
    }
}
