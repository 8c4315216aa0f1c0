#pragma once
// Dates in the data files: written as French short dates (05/12/2026); read
// from that form, from d/M/yyyy and from ISO yyyy-MM-dd.
#include <QDate>
#include <QString>

QString texteDate(const QDate &date);

// An invalid QDate when the text cannot be read as a real calendar day.
QDate lireDate(const QString &texte);

// True when lireDate reads a real day from the text (faster).
bool dateLisible(const QString &texte);

// The day a row is dated: its text read back, or today when unreadable.
QDate dateOuAujourdhui(const QString &texte, const QDate &aujourdhui);
