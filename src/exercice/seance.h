#pragma once
// One pupil's visit to the exercise: the word presented, its stage, the
// "same word" flag, whether the answer box is locked, the verdict of the last
// answer and where it differs from the word. The screen shows what this says
// and forwards clicks and keys; playback is asked for by a signal and its end
// reported back, so nothing waits in a nested event loop.
#include "data/tableprogression.h"
#include "engine/alignement.h"
#include "engine/erreurs.h"
#include "engine/evaluation.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <array>
#include <functional>

class Seance : public QObject {
    Q_OBJECT
public:
    enum class Verdict { Aucun, Juste, Faux };

    // table: the pupil's progress, owned by the caller and changed here.
    // aujourdhui: the day the waits are measured to.
    Seance(TableProgression &table, std::function<QDate()> aujourdhui, QObject *parent = nullptr);

    // The word that plays (kept after the answer, empty between words).
    const QString &motCourant() const { return motCourant_; }
    // The word the answer is judged against: empty once answered.
    const QString &motAttendu() const { return motAttendu_; }
    int ligne() const { return ligne_; }
    int etape() const { return etape_; }
    const QString &niveau() const { return niveau_; }
    // The stage the word was presented at (the model and titles shown).
    int etapePresentee() const { return etapePresentee_; }
    bool modeleVisible() const { return modeleVisible_; }
    QString texteModele() const;
    bool memeMot() const { return memeMot_; }
    bool verrouillee() const { return verrouillee_; }
    bool listeFinie() const { return listeFinie_; }
    // The word is playing, or its sentence, or the pause between them.
    bool lectureEnCours() const { return lecture_ != Lecture::Aucune; }
    // The sentence alone is playing (or is about to, after the word).
    bool phraseEnCours() const { return lecture_ == Lecture::Phrase; }
    // The sentence of the word presented, empty when it has none.
    const QString &phrase() const { return phrase_; }
    // The sentence with the word taken out, when the class shows it and the
    // word can be taken out; else empty.
    const QString &phraseATrou() const { return phraseATrou_; }
    Verdict verdict() const { return verdict_; }
    const QString &reponse() const { return reponse_; }   // the answer as shown back
    const QList<CaseAlignee> &alignement() const { return alignement_; }
    // The sentence of the answer zone: the instruction, a word after an
    // answer, or the end of the list.
    const QString &consigne() const { return consigne_; }
    bool consigneMessage() const { return consigneMessage_; }
    const std::array<bool, 7> &points() const { return points_; }
    int motsAcquis() const { return motsAcquis_; }

    // What the visit did, for the summary at the end.
    int motsEcrits() const { return motsEcrits_; }
    int justesPremierCoup() const { return justesPremierCoup_; }
    QString resume() const;

    // Where a wrong answer's sounds are compared, to tell the child kindly
    // when it wrote another word that sounds the same. Without it, every
    // wrong answer gets the usual sentences.
    void definirSourcePhonemes(SourcePhonemes source) { source_ = std::move(source); }
    // How each listed word is shown and which spellings are right (the
    // class's spelling setting); without it, the word as listed, alone.
    void choisirFormes(std::function<FormesMot(const QString &)> formes) { formesDe_ = std::move(formes); }
    // Each word's sentence (empty: none), heard after the word; montrerTrou:
    // the class also shows it with the word taken out.
    void choisirPhrases(std::function<QString(const QString &)> phraseDe, bool montrerTrou)
    {
        phraseDe_ = std::move(phraseDe);
        montrerTrou_ = montrerTrou;
    }

    // Chooses the next word from row depart (-1: a row drawn at random),
    // presents it and asks for it to be played, or ends the list.
    void proposerMot(int depart);
    // Validates the answer typed; nothing when locked or no word is waiting.
    void repondre(const QString &reponse);
    // The Next button: the same word at its new stage, or another word.
    void suivant();
    // The loudspeaker: plays the word again, then its sentence, unless
    // something is still playing.
    void ecouter();
    // The sentence's button: plays the sentence alone, unless something is
    // still playing.
    void ecouterPhrase();
    // The sound service says what it was asked to play is over.
    void terminerLecture();
    void compterMotsAcquis();

signals:
    // A word (or the empty screen of the end of the list) was presented.
    void presente();
    // An answer was judged; the journal and the save listen here.
    void reponseJugee(const QString &attendu, const QString &reponse, bool juste, int etape);
    // The ladder squares or the acquired count changed.
    void echelleChangee();
    // Play this word (empty: the end of the list is told), then call
    // terminerLecture().
    void lectureDemandee(const QString &mot);
    // Play the word's sentence (apresLeMot: after a short pause from the end
    // of the word just heard), then call terminerLecture().
    void phraseDemandee(const QString &mot, bool apresLeMot);
    void lectureChangee(bool enCours);

private:
    void ouvrirProposition();
    void presenter(int ligne, int etape, const QString &mot, const QString &niveau);
    void presenterAucunMot();
    void lire(bool avecPhrase);
    void montrerPoints(int nombre);
    void cacherPoints();

    QString phraseApres(bool juste, const QString &reponse, const QString &attendu);

    TableProgression &table_;
    std::function<QDate()> aujourdhui_;
    SourcePhonemes source_;
    std::function<FormesMot(const QString &)> formesDe_;
    std::function<QString(const QString &)> phraseDe_;
    bool montrerTrou_ = false;
    QString phrase_;
    QString phraseATrou_;
    FormesMot formes_;   // of the word presented
    QString motCourant_;
    QString motAttendu_;
    QString niveau_;
    int ligne_ = 0;
    int etape_ = 0;
    int etapePresentee_ = 0;
    bool modeleVisible_ = false;
    bool memeMot_ = false;
    bool verrouillee_ = false;
    bool listeFinie_ = false;
    // What the sound service is playing for the visit; the word's sentence
    // follows it when phraseApresMot_.
    enum class Lecture { Aucune, Mot, Phrase };
    Lecture lecture_ = Lecture::Aucune;
    bool phraseApresMot_ = false;
    bool cacherApresLecture_ = false;
    Verdict verdict_ = Verdict::Aucun;
    QString reponse_;
    QList<CaseAlignee> alignement_;
    QString consigne_;
    bool consigneMessage_ = false;
    std::array<bool, 7> points_{};
    int motsAcquis_ = 0;
    int reponsesDonnees_ = 0;   // picks the sentence said after an answer
    bool premierEssai_ = false;
    int ligneRepondue_ = -1;
    QString motRepondu_;
    int motsEcrits_ = 0;
    int justesPremierCoup_ = 0;
};
