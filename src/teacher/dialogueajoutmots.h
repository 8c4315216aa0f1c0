#pragma once
// "Ajouter des mots…": the teacher types or pastes words (one a line or
// separated by commas, each with an optional level); each accepted word is
// spoken by the synthesizer into Sons/<word>.wav, off the interface thread.
// An imported list goes through the same work. Refused words are listed with
// their reasons. Cancelling keeps the words already finished. A word may be
// followed by a context sentence, "dent 1 ; j'ai mal à une dent": it is kept
// in Phrases.dat and spoken into Phrases/<word>.wav once the words are done.
#include "data/lignesmots.h"
#include "data/phrases.h"
#include "platform/parole.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QHash>
#include <QStringList>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class DialogueAjoutMots : public QDialog {
    Q_OBJECT
public:
    // existants: the words of the list with their levels. ajouter receives, once per run (and
    // after a cancel), the words to put in the list: new words whose recording
    // was written, and listed words given a level. synthese speaks them (when
    // null, no word can be recorded and the report says why).
    DialogueAjoutMots(const QString &dossierInstallation, const ListeMots &existants, Synthese *synthese,
                      std::function<void(const ListeMots &)> ajouter, QWidget *parent = nullptr);
    // Returns at once: the word being spoken, if any, ends on the engine's
    // thread and its answer goes nowhere; the others are never started.
    ~DialogueAjoutMots() override = default;

    // Records a word with the microphone instead of the synthesizer; true when
    // its recording was kept. While unset, no microphone button shows.
    void setEnregistreur(std::function<bool(const QString &mot)> enregistrer);

    // Runs the words read from an imported file (lireMotsFichier), as
    // "Ajouter" does for typed text.
    void importer(const LignesMots &lignes);

    bool enCours() const { return total_ > 0 || phraseEnCours_; }

    // Which words sound like another common word (see TablesLangue); the
    // summary asks for a sentence for each new one given none.
    void setHomophones(std::function<QStringList(const QString &mot)> homophones);
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
    void parlerSuivant();
    void motFini(const QFutureWatcher<QString> &parole);
    void annuler();
    void finir();
    // The sentences typed with the words just written: kept, then spoken.
    void garderPhrases(const ListeMots &ecrits);
    void parlerPhraseSuivante();
    void phraseFinie();
    void conclure();

    QString dossierInstallation_;
    QStringList existants_;
    QHash<QString, QString> niveaux_;   // the level of each word of existants_
    Synthese *synthese_;
    std::function<void(const ListeMots &)> ajouter_;
    std::function<bool(const QString &)> enregistrer_;
    std::function<QStringList(const QString &)> homophones_;

    // The run in progress.
    ListeMots aParler_;                 // new words, in order
    QStringList erreurs_;               // one per word of aParler_, empty when written
    ListeMots niveauxSeuls_;            // listed words given another level
    QStringList anciensNiveaux_;        // their levels before, one per word of niveauxSeuls_
    ListeMots inchanges_;               // listed words written again with their level, or none
    QList<MotRefuse> refuses_;
    QHash<QString, QString> phrasesTapees_;   // word -> its typed sentence
    QHash<int, QString> phrasesDesLignes_;    // line -> its sentence, for a refused word
    QStringList phrasesRefusees_;             // why a typed sentence was not taken
    ListePhrases aDire_;                      // sentences to speak, in order
    QStringList rapportFinal_;                // the summary, while sentences are spoken
    QStringList echecsPhrases_;
    int phrasesDites_ = 0;
    bool phraseEnCours_ = false;
    int total_ = 0;
    int finis_ = 0;
    bool fermerApres_ = false;
    bool annule_ = false;

    QPlainTextEdit *txtMots_ = nullptr;
    QPushButton *cmdAjouter_ = nullptr;
    QPushButton *cmdMicro_ = nullptr;
    QProgressBar *progression_ = nullptr;
    QPushButton *cmdAnnuler_ = nullptr;
    QPushButton *cmdFermer_ = nullptr;
    QPlainTextEdit *txtRapport_ = nullptr;
    QLabel *lblEtat_ = nullptr;

    // A few words in flight: the engine speaks the next words while this
    // thread takes the last one, a cancel drops the words not yet asked for,
    // and the engine stays free for the rest of the program. Word i is
    // watched by paroles_[i % kEnVol]. Last, so that they go first: no
    // answer reaches a half-destroyed dialog.
    static constexpr int kEnVol = 4;
    int lances_ = 0;
    QFutureWatcher<QString> paroles_[kEnVol];
    QFutureWatcher<MotParle> phrase_;
};
