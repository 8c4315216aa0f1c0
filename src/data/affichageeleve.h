#pragma once
// One pupil's own way of showing the exercise text, when the class's does
// not suit him: "<name>.aff" beside his "<name>.bil", never inside it (the
// pupil file keeps its bytes, and older installations ignore this file).
//
// Windows-1252, one "key","value" pair per line, CR LF, like Affichage.dat:
//   "Police","Andika"              the font family
//   "Petites lettres","6"          the height of the small letters, in mm
//   "Espacement","large"           normal, large or tres large
// Every pair is optional: a key that is missing, or whose value cannot be
// used, leaves that choice to the class. Unknown keys are ignored.
#include "affichage.h"
#include "ecriture.h"
#include "reglages.h"

#include <QString>
#include <QStringList>
#include <optional>

inline const QString kExtensionAffichageEleve = QStringLiteral(".aff");

// Heights of the small letters a setting may hold, in millimetres.
inline constexpr double kPetitesLettresMinMm = 3.0;
inline constexpr double kPetitesLettresMaxMm = 12.0;

struct AffichageEleve {
    QString police;                          // empty: the class's font
    double petitesLettresMm = 0;             // 0: the class's size
    std::optional<Espacement> espacement;    // none: the class's spacing
    bool commeLaClasse() const { return police.isEmpty() && petitesLettresMm <= 0 && !espacement; }
    bool operator==(const AffichageEleve &) const = default;
};

QString cheminAffichageEleve(const QString &dossierInstallation, const QString &nomEleve);

// The pupil's setting; the class's for whatever is missing, damaged or
// unreadable (a missing file, a link, a huge or binary file): never a failure.
AffichageEleve lireAffichageEleve(const QString &dossierInstallation, const QString &nomEleve);
QString texteAffichageEleve(const AffichageEleve &affichage);
// Writes the file with the rights of the folder; a setting that is the
// class's in every point removes it. A font name holding a double quote is
// refused (it could not be read back).
ResultatEcriture enregistrerAffichageEleve(const QString &dossierInstallation, const QString &nomEleve,
                                           const AffichageEleve &affichage);

// What the pupil screen shows for this pupil: his choices over the class's.
// A font that is not among the installed families is the class's (a font
// removed since, or a setting copied from another computer); an empty list
// accepts any name.
struct AffichageExercice {
    ReglageFonte fonte;
    double petitesLettresMm = 0;   // 0: sized from fonte.taille, as for the class
    Espacement espacement = Espacement::Normal;
};
AffichageExercice resoudreAffichage(const AffichageEleve &eleve, const ReglageFonte &fonteClasse,
                                    const ReglagesAffichage &affichageClasse,
                                    const QStringList &famillesInstallees);

// The pupil leaves: his setting goes into Sauvegardes as "<name> (date).aff",
// so that a new pupil of the same name starts with the class's. nomRange
// receives its name there (empty when he had none).
ResultatEcriture rangerAffichageEleve(const QString &dossierInstallation, const QString &nomEleve,
                                      QString *nomRange = nullptr);
// Undoes rangerAffichageEleve when the pupil could not be deleted after all.
void remettreAffichageEleve(const QString &dossierInstallation, const QString &nomEleve, const QString &nomRange);
// The pupil's file restored: his latest setting kept in Sauvegardes comes
// back, unless he has one now (the teacher's newer choice wins). True when a
// setting was brought back.
bool ramenerAffichageEleve(const QString &dossierInstallation, const QString &nomEleve);
