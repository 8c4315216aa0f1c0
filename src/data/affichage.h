#pragma once
// Affichage.dat: how the exercise text is shown, beyond the font and size of
// Fonte.dat (which keeps its two values, so older installations read it
// unchanged and ignore this file). One "name","value" pair per line.
#include "ecriture.h"

#include <QString>
#include <optional>

inline const QString kFichierAffichage = QStringLiteral("Affichage.dat");

// Room between the letters of the model and the answer.
enum class Espacement { Normal, Large, TresLarge };

struct ReglagesAffichage {
    Espacement espacement = Espacement::Normal;
    bool operator==(const ReglagesAffichage &) const = default;
};

// The settings of the file; the defaults for whatever is missing, unreadable
// or unknown (a file written by a newer version keeps working).
ReglagesAffichage lireAffichage(const QString &dossierInstallation);
QString texteAffichage(const ReglagesAffichage &reglages);
ResultatEcriture enregistrerAffichage(const QString &dossierInstallation, const ReglagesAffichage &reglages);

// The spacing as the files write it: "normal", "large", "tres large";
// read in any case, "très large" too. No value for another word.
QString nomEspacement(Espacement espacement);
std::optional<Espacement> lireEspacement(const QString &texte);

// The spacing as a percentage of the font's own (100, 115, 130).
double pourcentageEspacement(Espacement espacement);
