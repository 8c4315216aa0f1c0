#pragma once
// A typed answer set against the right spelling, letter by letter, the way a
// teacher corrects: a missing letter shows as a gap in the answer, an extra one
// as a gap in the word, and only the letters that differ are marked.
#include <QList>
#include <QString>

struct CaseAlignee {
    QChar tapee;     // null: the child left this letter out
    QChar attendue;  // null: a letter the word does not have
    bool differe() const { return tapee != attendue; }
};

// The shortest edit (substitutions, insertions, deletions, and two neighbours
// swapped as one edit) from the answer to the word, so "balon" against
// "ballon" marks one gap, not every letter after it. Among equally short
// edits, letters are paired from the end of the words. Case and accents
// count: "e" and "é" differ.
QList<CaseAlignee> AlignerReponse(const QString &tapee, const QString &attendue);

// The two lines of an alignment, a gap shown as gap (one character each).
struct LignesAlignees {
    QString tapee;
    QString attendue;
};
LignesAlignees TexteAligne(const QList<CaseAlignee> &cases, QChar trou = QChar(u'_'));

// Close enough to say "almost": at most two letters to change and most of
// the word's letters in their place. A right answer (no column differs) is
// not "close", it is right.
bool reponseProche(const QList<CaseAlignee> &cases);
