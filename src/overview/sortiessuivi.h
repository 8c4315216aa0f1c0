#pragma once
// The class table taken out of the program: a file a French spreadsheet opens
// as it is, and the page the teacher prints.
#include "data/ecriture.h"
#include "suiviclasse.h"

#include <QString>

// One line per pupil under a line of titles: ';' between values, CR LF,
// dates as 05/12/2026, a value quoted when it holds ';', a quote, a line end
// or blanks at either end (quotes doubled). A text a spreadsheet would take
// for a formula (=, +, -, @ first) starts with an apostrophe. The bar column
// is left out; a pupil whose file cannot be read has empty counts.
QString texteCsvClasse(const SuiviClasse &classe);

// Writes it as UTF-8 with its byte-order mark.
ResultatEcriture exporterCsvClasse(const QString &chemin, const SuiviClasse &classe);

// The class sheet (rich text for QTextDocument): the table with a small bar
// per pupil, then the hardest words.
QString htmlFeuilleClasse(const SuiviClasse &classe, const QList<MotDifficile> &motsDifficiles);

// How a value of the table is written: a number, a French date, or the text.
QString texteValeur(const QVariant &valeur);
