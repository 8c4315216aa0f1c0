#pragma once
// The pupil window: "Qui es-tu ?", then the exercise loop on the words of the
// chosen pupil, then saving on leaving. The caller runs exec() and, when
// echecListeMots() is true afterwards, leads the user to the teacher module.
#include "data/listemots.h"
#include "data/phrases.h"
#include "data/tableprogression.h"
#include "platform/plateforme.h"
#include "data/etatprogramme.h"

#include <QDialog>
#include <QElapsedTimer>
#include <memory>

class EcranExercice;
class Journal;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class Verrou;
class Seance;

class FrmEleve : public QDialog {
    Q_OBJECT
public:
    FrmEleve(EtatProgramme &etat, Plateforme plateforme, QWidget *parent = nullptr);
    ~FrmEleve() override;

    // Mots.dat is missing (no level given yet): the window closes as soon as
    // it is shown, and the caller leads to the teacher module.
    bool echecListeMots() const { return echecListeMots_; }
    // Mots.dat cannot be read or is damaged: the window closes as soon as it
    // is shown, after asking the child to call the teacher; nothing is written.
    bool listeMotsAbimee() const { return listeMotsAbimee_; }

    // Read-only views for the caller and the tests.
    const TableProgression &fgEleve() const { return fgEleve_; }
    const QString &nomEleve() const { return nomEleve_; }
    const QString &motCourant() const;
    int ligneCourante() const;
    int etapeCourante() const;
    // The exercise this window shows.
    Seance &seance() const { return *seance_; }

    // Chooses the next word from row `depart` (-1: a random row) and presents
    // and plays it, or shows the end-of-list message.
    void ProposerMot(int depart);
    void RafraichirPoints();

    // The session ends (the computer shuts down, the user logs out): the
    // work is saved at once, without a box that nobody would answer. False
    // when it could not be (the reason went to the error output).
    bool enregistrerFinDeSession();
    // Why the last save made after an answer failed; empty when it worked.
    // Quitter saves again and tells the child's adult what is wrong.
    const QString &echecEnCours() const { return echecEnCours_; }

public slots:
    // Closing by the frame or by Escape comes here: saves like "&Quitter".
    void reject() override;

protected:
    void showEvent(QShowEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;

private:
    // Visit (frmeleve.cpp)
    void construireIdentification();
    void construireMiseAJour();
    void chargerListeMots();
    void appliquerAffichage();
    void identifier();
    void quitter();
    bool enregistrerAvantDepart();
    QString enregistrerTravail();
    void enregistrerReponse();
    void couvrirFenetre(QWidget *cadre);

    void montrerResume();

    // Exercise (exercice.cpp)
    void relierSeance();
    void afficherSeance();
    void afficherEchelle();
    void afficherLecture();
    void valider();
    void suivant();

    // Playback and report (lecture.cpp)
    void cliquerSon();
    void cliquerPhrase();
    void JouerMot(const QString &mot);
    void JouerPhrase(const QString &mot, bool apresLeMot);
    void arreterLecture();
    QString phraseEcoutable(const QString &mot) const;
    void imprimer();

    EtatProgramme &etat_;
    Plateforme plateforme_;
    ListeMots fgMots_;
    ListePhrases phrases_;   // read once the pupil is known
    QElapsedTimer debutMot_;   // when the last word started, for the pause before its sentence
    int dureeMotMs_ = 0;
    TableProgression fgEleve_;
    QString nomEleve_;
    bool echecListeMots_ = false;
    bool listeMotsAbimee_ = false;
    bool garderCopie_ = false;       // the pupil file goes to Sauvegardes before the save
    bool echecEnregistrement_ = false;   // told once by Quitter: the next one may leave unsaved
    QString echecEnCours_;
    Seance *seance_ = nullptr;
    // The pupil's lock, from identification until the work is saved.
    std::unique_ptr<Verrou> verrou_;
    // The answers, for the teacher; never needed by the exercise.
    std::unique_ptr<Journal> journal_;

    EcranExercice *ecran_ = nullptr;
    QGroupBox *frameEleve_ = nullptr;
    QComboBox *cmbEleve_ = nullptr;
    QPushButton *cmdIdentite_ = nullptr;
    QFrame *frameMiseAJour_ = nullptr;
};
