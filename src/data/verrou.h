#pragma once
// One program at a time on a pupil's file, one teacher module at a time: a
// lock file in the installation folder, so that two classroom computers
// sharing that folder never overwrite each other's work.
//
// The files: "<pupil>.bil.verrou" while the pupil works, "Enseignant.verrou"
// while the teacher module is open, and for an instant, while a lock left by a
// crash is cleared, the same name followed by ".rmlock". None ends in ".bil",
// so none is ever listed as a pupil.
#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>

class QLockFile;
class QTimer;

class Verrou {
public:
    // Tries once, without waiting, to take the lock at chemin. A lock left by
    // a program that died on this computer is taken over at once; one left
    // by another computer, once it has not been refreshed for a while.
    explicit Verrou(const QString &chemin);
    ~Verrou();   // releases the lock
    Verrou(const Verrou &) = delete;
    Verrou &operator=(const Verrou &) = delete;

    bool tenu() const;
    // Held when taken, and its file no longer names this program: the folder
    // changed under it (a network drive unmounted, leaving its empty mount
    // point) or another computer took over a lock left unrefreshed. Saving
    // then would split a pupil's work between two places, or overwrite it.
    bool perdu() const;
    // Another program holds the lock, here or on another computer. A lock
    // that cannot be written at all (read-only folder) is not "occupe": the
    // save will tell what is wrong.
    bool occupe() const { return occupe_; }
    // Something that is not a lock file sits at the lock's name (a folder
    // with something inside): nobody can work until the teacher module sets
    // it aside (ecarterVerrousAbimes).
    bool abime() const { return abime_; }
    // The holder's computer name as it wrote it (empty when unknown), and
    // whether it is this computer.
    const QString &ordinateur() const { return ordinateur_; }
    bool surCetOrdinateur() const { return surCetOrdinateur_; }

    void liberer();

    // How often a held lock is refreshed, and how old an unrefreshed lock of
    // another computer must be to count as abandoned. Tests shorten them.
    static void reglerDelais(std::chrono::milliseconds rafraichissement,
                             std::chrono::milliseconds peremption);

private:
    bool occupeParUnAutreOrdinateur();
    bool ecarterVerrouAbandonne();

    QString chemin_;
    std::unique_ptr<QLockFile> verrou_;
    std::unique_ptr<QTimer> rafraichir_;
    bool occupe_ = false;
    bool abime_ = false;
    QString ordinateur_;
    bool surCetOrdinateur_ = false;
};

QString cheminVerrouEleve(const QString &dossierInstallation, const QString &nom);
QString cheminVerrouEnseignant(const QString &dossierInstallation);

// Sets aside every folder standing at a lock's name in the data folder (an
// empty one is removed, another renamed "<name>-abime-<date-time>"), so that
// the pupils it kept out can work again. Returns their names.
QStringList ecarterVerrousAbimes(const QString &dossierInstallation);

// What the windows say when the lock is held elsewhere.
namespace textes_verrou {
inline const QString kTitreEleveOccupe = QStringLiteral("Élève déjà au travail");
inline const QString kTitreEnseignantOccupe = QStringLiteral("Module Enseignant déjà ouvert");
inline const QString kTitreSuppressionImpossible = QStringLiteral("Suppression impossible");
inline const QString kTitreRestaurationImpossible = QStringLiteral("Restauration impossible");
inline const QString kTitreVerrouAbime = QStringLiteral("Verrou abîmé");

// To the child at "Qui es-tu ?" when his lock is damaged.
QString verrouEleveAbime(const QString &nom);
// To the teacher, once the damaged locks have been set aside.
QString verrousEcartes(const QStringList &noms);
// To the teacher, when a damaged lock could not be set aside.
QString verrouNonEcarte(const QString &chemin);

// To the child at "Qui es-tu ?".
QString eleveOccupe(const QString &nom, const Verrou &verrou);
// To the teacher opening the teacher module.
QString enseignantOccupe(const Verrou &verrou);
// To the teacher deleting a pupil who is working.
QString suppressionImpossible(const QString &nom, const Verrou &verrou);
// To the teacher restoring the work of a pupil who is working.
QString restaurationImpossible(const QString &nom, const Verrou &verrou);
} // namespace textes_verrou
