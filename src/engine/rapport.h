#pragma once
// The printed report: acquired words, words under study (closest to
// acquisition first) and words not yet proposed.
#include "data/tableprogression.h"

#include <QDate>
#include <QString>

// Plain text with LF line breaks; every listed word is followed by " / ".
QString composerRapport(const TableProgression &table, const QString &nomEleve, const QDate &jour);
