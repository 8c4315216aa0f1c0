#pragma once
// The class at a glance, read from the pupils' files: for each pupil, how many
// words stand at each step of the ladder, how many wait no longer, and when
// the pupil last came. Read only: no file is written, no lock is taken (a
// pupil at work still has a whole file on disk, the one of his last visit).
#include "data/listemots.h"
#include "engine/erreurs.h"
#include "data/tableprogression.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <array>
#include <optional>

struct SuiviEleve {
    enum class Etat {
        Lu,
        // Read with damage, as the pupil window would read it: the counts are
        // those the child will meet, but the file needs a look.
        Abime,
        // Exists but cannot be read (raison says why): no count at all.
        Illisible,
    };
    QString nom;
    Etat etat = Etat::Lu;
    QString raison;

    // Words by the column that holds them: 0 new, 3 to 9 the ladder, 10 acquired.
    std::array<int, 11> parEtape{};
    int aRevoir = 0;      // waiting at 7, 8 or 9 with the wait over today
    int nonProposes = 0;  // new, with a level: the child will meet them
    int sansNiveau = 0;   // new, without a level: never proposed
    // The file's last change: every visit ends by saving the file. None for
    // a pupil whose file is still empty (never came).
    std::optional<QDateTime> derniereVisite;

    // His mistakes by kind, from his answer journal, with the newest ones;
    // filled apart (resumerErreursClasse), since sorting them out asks the
    // speech engine. The journal is read even when the progress file cannot be.
    BilanErreurs erreurs;

    // The table as the pupil window would have it now (reconciled with the list).
    TableProgression table;

    bool lisible() const { return etat != Etat::Illisible; }
    int acquis() const { return parEtape[10]; }
    int enCours() const;
    int auModele() const { return parEtape[3]; }
    // Mistakes whose sounds differ from the word's, and those whose sounds are right.
    int erreursDeSon() const;
    int erreursDOrthographe() const;
    // Whether the two counts above can be shown: false when some mistakes
    // could not be sorted by sound, whose counts would look complete.
    bool erreursComparees() const { return !erreurs.nonCompare(); }
    // Days since the last visit; none when never came.
    std::optional<qint64> joursDepuisVisite(const QDate &aujourdhui) const;
};

// What makes a pupil stand out in the class table.
inline constexpr int kJoursSansVisite = 14;
inline constexpr int kMotsAuModele = 10;
// How many of a pupil's newest mistakes are kept for his detail.
inline constexpr int kErreursRecentes = 30;
// Why this pupil needs a look, in French, one reason per item; empty when none.
QStringList raisonsAttention(const SuiviEleve &eleve, const QDate &aujourdhui);

// Counts one table (already read) for one pupil.
void compterTable(SuiviEleve &eleve, const QDate &aujourdhui);

// Reads one pupil's file with the program's reader and reconciles it with the
// word list, as the pupil window would at his next visit.
SuiviEleve lireSuiviEleve(const QString &dossierInstallation, const QString &nom, const ListeMots &liste,
                          const QDate &aujourdhui);
class IndexMots;
SuiviEleve lireSuiviEleve(const QString &dossierInstallation, const QString &nom, const ListeMots &liste,
                          const IndexMots &index, const QDate &aujourdhui);

struct SuiviClasse {
    QDate jour;
    QList<SuiviEleve> eleves;   // by name
};

// The synthesizer's phonemes and the homophones shipped with the program:
// how the overview compares the sounds of a mistake.
SourcePhonemes phonemesDuProgramme();

// Each pupil's mistakes, from his journal, in the order of the names; the
// sounds compared by the source (phonemesDuProgramme when none is given).
QList<BilanErreurs> resumerErreursClasse(const QString &dossierInstallation, const QStringList &noms);
QList<BilanErreurs> resumerErreursClasse(const QString &dossierInstallation, const QStringList &noms,
                                         const SourcePhonemes &source);
void ajouterErreurs(SuiviClasse &classe, const QList<BilanErreurs> &erreurs);

// Every pupil of the folder, read on every core. liste: the word list as the
// teacher has it now.
SuiviClasse lireSuiviClasse(const QString &dossierInstallation, const ListeMots &liste, const QDate &aujourdhui);

// The words the class finds hard, over the pupils whose file could be read.
// A pupil missed a word when his journal holds a wrong answer to it, or, for
// a word his journal never saw (no journal, or one begun after the word),
// when his file has it on the ladder: only a wrong answer puts a word there.
// A pupil met a word when he answered it or his file has it past the start.
// Only words met by someone are listed; hardest first: most pupils who
// missed it, then most wrong answers, then most pupils still at work on it.
struct MotDifficile {
    QString mot;
    QString niveau;
    int manque = 0;       // pupils who missed it
    int fautes = 0;       // wrong answers in the journals
    int rencontre = 0;    // pupils who met it
    int enCours = 0;      // stages 3 to 9
    int acquis = 0;
};
QList<MotDifficile> compterMotsDifficiles(const SuiviClasse &classe);
