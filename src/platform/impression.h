#pragma once
// Printing a plain text in one font, wrapped at the page edge.
#include <QFont>
#include <QString>

class QPrinter;

// False when the printer reports an error.
bool imprimerTexte(QPrinter &imprimante, const QString &texte, const QFont &police);

// Rich text (tables, colours) in this font as the default.
bool imprimerHtml(QPrinter &imprimante, const QString &html, const QFont &police);
