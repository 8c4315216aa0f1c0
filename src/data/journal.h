#pragma once
// The answer journal: one line per answer a pupil validates, in
// Journal/<pupil>.txt beside the pupil files, so that a teacher can read the
// mistakes afterwards. The exercise never needs it: older installations
// ignore the folder, and a journal that is missing, damaged or cannot be
// written changes nothing for the child.
//
// Format: UTF-8, LF, one answer a line, five fields separated by a TAB:
//
//   2026-12-07T08:15:03 <TAB> maison <TAB> méson <TAB> faux <TAB> 4
//
// local date and time (yyyy-MM-ddTHH:mm:ss), the word, what the child typed
// after the usual clean-up of spaces, "juste" or "faux", and the step the word
// stood on when it was answered (0 initial test, 3 to 9 the ladder). A TAB or
// line break typed by the child is written as a space.
// A line "<date and time> <TAB> incomplet" marks answers that could not be
// written before that moment (full disk, folder protected...).
//
// Each answer is added by one write() on the file opened for appending, so a
// crash leaves at worst a torn last line, which the reader skips like any line
// it cannot read. The file keeps one year of answers and at most
// kPlafondJournal bytes: when its first line is more than a year and a month
// old, or the file is larger, the lines older than a year and the oldest
// beyond three quarters of the cap are dropped, at most once per visit,
// through a whole-file atomic rewrite.
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>

inline constexpr qint64 kPlafondJournal = 512 * 1024;
inline const QString kDossierJournal = QStringLiteral("Journal");

struct LigneJournal {
    QDate date;
    QTime heure;
    QString mot;
    QString tapee;  // the answer after the clean-up
    bool juste = false;
    int etape = 0;  // the step the word stood on when answered
};

struct LectureJournal {
    QList<LigneJournal> lignes;  // in the order they were written
    // Some answers are missing: a write failed (marked in the file, or by
    // Journal/<eleve>.incomplet until the next answer that could be written).
    bool incomplet = false;
};

// dossier/Journal/<eleve>.txt
QString cheminJournal(const QString &dossier, const QString &eleve);

// The lines of a journal's bytes; a line that does not parse, and a last line
// without its line feed, are skipped. incomplet is set by a gap marker.
LectureJournal AnalyserJournal(const QByteArray &octets);

// Reads the pupil's journal; a missing journal gives no line. A symbolic link
// is not followed. incomplet also when a failed write was recorded but not yet
// marked in the file.
LectureJournal LireJournal(const QString &dossier, const QString &eleve);

// Appends to one pupil's journal during one visit.
class Journal {
public:
    Journal(QString dossier, QString eleve, qint64 plafond = kPlafondJournal);

    // Adds one answer. False when it could not be written (full disk,
    // protected folder, symbolic link, not a file...); the gap is then
    // recorded and marked in the file at the next answer that can be.
    bool AjouterReponse(const QDateTime &moment, const QString &mot, const QString &tapee, bool juste,
                        int etape);

private:
    bool ecrire(const QByteArray &ligne, const QDate &aujourdhui);

    QString dossier_;
    QString eleve_;
    qint64 plafond_;
    bool rotationFaite_ = false;
    bool lacune_ = false;
};
