#include "rapport.h"

#include "data/dates.h"
#include "engine/etapes.h"

namespace {

const QString kAcquis = QStringLiteral(
    "MOTS ACQUIS (bien orthographiés un mois après leur étude ou déjà connus)");
const QString kEnCours = QStringLiteral(
    "MOTS EN COURS D'ÉTUDE (il faut parfois attendre avant de les rencontrer à nouveau)");
const QString kNonProposes = QStringLiteral("MOTS NON PROPOSÉS");
const QString kSeparateur = QStringLiteral(" / ");

void ajouterColonne(QString &texte, const TableProgression &table, int colonne)
{
    for (const LigneProgression &ligne : table.lignes())
        if (!ligne[colonne].isEmpty())
            texte += ligne[colonne] + kSeparateur;
}

} // namespace

QString composerRapport(const TableProgression &table, const QString &nomEleve, const QDate &jour)
{
    const QString lf2 = QStringLiteral("\n\n");
    QString texte = nomEleve + QStringLiteral(" - ") + texteDate(jour) + lf2;
    texte += kAcquis + lf2;
    ajouterColonne(texte, table, kColonneAcquis);
    texte += lf2 + kEnCours + lf2;
    for (int etape = kEtapeUnMois; etape >= kEtapeModele; --etape)
        ajouterColonne(texte, table, etape);
    texte += lf2 + kNonProposes + lf2;
    ajouterColonne(texte, table, kEtapeNouveau);
    return texte;
}
