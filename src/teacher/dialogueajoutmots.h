#pragma once
// "Ajouter des mots…": the teacher types or pastes words (one a line or
// separated by commas, each with an optional level); each accepted word is
// spoken by the synthesizer into Sons/<word>.wav, off the interface thread.
// An imported list goes through the same work. Refused words are listed with
// their reasons. Cancelling keeps the words already finished.
#include "data/lignesmots.h"

#include <QDialog>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class DialogueAjoutMots : public QDialog {
    Q_OBJECT
public:
    // existants: the words of the list. ajouter receives, once per run (and
    // after a cancel), the words to put in the list: new words whose recording
    // was written, and listed words given a level.
    DialogueAjoutMots(const QString &dossierInstallation, const QStringList &existants,
                      std::function<void(const ListeMots &)> ajouter, QWidget *parent = nullptr);
    // Waits for the word being spoken, if any; the others are dropped.
    ~DialogueAjoutMots() override;

    // Records a word with the microphone instead of the synthesizer; true when
    // its recording was kept. While unset, no microphone button shows.
    void setEnregistreur(std::function<bool(const QString &mot)> enregistrer);

    // Runs the words read from an imported file (lireMotsFichier), as
    // "Ajouter" does for typed text.
    void importer(const LignesMots &lignes);

    bool enCours() const { return total_ > 0; }
    // What the last run did, as shown.
    QString rapport() const;

signals:
    void termine();

public slots:
    void reject() override;

private:
    void ajouterTexte();
    void enregistrerLigne();
    void lancer(const LignesMots &lignes);
    void motFini(int index, const QString &erreur);
    void annuler();
    void finir();

    QString dossierSons_;
    QStringList existants_;
    std::function<void(const ListeMots &)> ajouter_;
    std::function<bool(const QString &)> enregistrer_;

    // The run in progress.
    ListeMots aParler_;                 // new words, in order
    QStringList erreurs_;               // one per word of aParler_, empty when written
    ListeMots niveauxSeuls_;            // listed words given a level
    QList<MotRefuse> refuses_;
    int total_ = 0;
    int finis_ = 0;
    bool fermerApres_ = false;
    std::shared_ptr<std::atomic_bool> annule_;

    QPlainTextEdit *txtMots_ = nullptr;
    QPushButton *cmdAjouter_ = nullptr;
    QPushButton *cmdMicro_ = nullptr;
    QProgressBar *progression_ = nullptr;
    QPushButton *cmdAnnuler_ = nullptr;
    QPushButton *cmdFermer_ = nullptr;
    QPlainTextEdit *txtRapport_ = nullptr;
    QLabel *lblEtat_ = nullptr;
};
