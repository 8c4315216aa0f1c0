#pragma once
// Words a teacher types or imports, one a line (typed text may also separate
// them with commas), each with an optional level from 1 to 5 after a tab, a
// semicolon or a space: "chat 1", "hérisson;4", "pomme de terre 3". Every
// word is checked before anything is written; a refused word carries its
// reason and the others go on.
#include "listemots.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct MotRefuse {
    int ligne = 0;     // from 1
    QString texte;     // the line or piece as written, trimmed
    QString raison;    // in French, for the teacher
    bool operator==(const MotRefuse &) const = default;
};

struct LignesMots {
    ListeMots acceptes;          // in the order written, each word once
    QList<MotRefuse> refuses;
    // An imported file that is not a text file (a picture, a program, a
    // word-processor document): many NUL bytes, or most lines not text.
    // Nothing of it is to be taken.
    bool pasDuTexte = false;
};

// Why this word cannot become Sons/<mot>.wav and a record of Mots.dat, in
// French; empty when it can.
QString raisonMotRefuse(const QString &mot);

// Reads typed text (lines and commas) or the bytes of an imported list
// (one word a line, each line UTF-8 or Windows-1252, see
// decoderLignesFichier; a line holding what no text holds, a NUL or another
// control character, is refused as a whole). existants: the words already in
// the list; a word that is one of them in another case is refused, as is a
// second spelling of the same word in another case within the text. A word
// written twice is taken once and reported once.
LignesMots lireMotsTapes(const QString &texte, const QStringList &existants);
LignesMots lireMotsFichier(const QByteArray &octets, const QStringList &existants);
