// The exercise loop: choosing and presenting a word, judging the answer,
// moving on. The order of each step is the one the screen always had, so an
// answer given while the word still plays is kept where it was.
#include "seance.h"

#include "data/bilan.h"
#include "engine/etapes.h"
#include "engine/evaluation.h"
#include "engine/selection.h"
#include "phraseatrou.h"
#include "phrases.h"

#include <utility>

using namespace phrases_seance;

Seance::Seance(TableProgression &table, std::function<QDate()> aujourdhui, QObject *parent)
    : QObject(parent), table_(table), aujourdhui_(std::move(aujourdhui)), consigne_(kConsigne)
{
}

QString Seance::texteModele() const
{
    return ::texteModele(formes_.montree, etapePresentee_);
}

QString Seance::resume() const
{
    if (motsEcrits_ == 0)
        return kResumeVide;
    return kResume.arg(phrases_seance::motsEcrits(motsEcrits_), phrases_seance::justes(justesPremierCoup_));
}

void Seance::compterMotsAcquis()
{
    motsAcquis_ = CompterMotsAcquis(table_);
    emit echelleChangee();
}

void Seance::proposerMot(int depart)
{
    ouvrirProposition();
    const int ligneDepart = depart < 0 ? tirerLigneDepart(table_.nombreLignes()) : depart;
    const Proposition p = ChoisirMot(table_, ligneDepart, aujourdhui_());
    if (p.trouvee) {
        presenter(p.ligne, p.etape, p.mot, p.niveau);
        return;
    }
    presenterAucunMot();
    if (depart >= 0) {
        // Nothing from the word just answered on: a fresh choice, once.
        proposerMot(-1);
        return;
    }
    // No word at all: the box stays locked, so validating changes nothing,
    // and the child is told the work is done.
    verrouillee_ = true;
    listeFinie_ = true;
    consigne_ = kTravailFini;
    consigneMessage_ = true;
    emit presente();
    ecouter();   // the end-of-list message
}

void Seance::ouvrirProposition()
{
    // Whatever still plays belongs to the word before: the next one is
    // heard at once, never after it nor under it (the sound service stops
    // it when asked for the next).
    lecture_ = Lecture::Aucune;
    phraseApresMot_ = false;
    motCourant_.clear();
    phrase_.clear();
    phraseATrou_.clear();
    formes_ = {};
    modeleVisible_ = false;
    verdict_ = Verdict::Aucun;
    alignement_.clear();
    reponse_.clear();
    consigne_ = kConsigne;
    consigneMessage_ = false;
}

void Seance::presenter(int ligne, int etape, const QString &mot, const QString &niveau)
{
    const PresentationEtape vue = presentationEtape(etape);
    motCourant_ = mot;
    motAttendu_ = mot;
    formes_ = formesDe_ ? formesDe_(mot) : FormesMot{mot, {mot}};
    phrase_ = phraseDe_ ? phraseDe_(mot) : QString();
    if (montrerTrou_ && !phrase_.isEmpty())
        phraseATrou_ = ::phraseATrou(phrase_, QStringList{mot, formes_.montree} + formes_.justes);
    ligne_ = ligne;
    etape_ = etape;
    etapePresentee_ = etape;
    niveau_ = niveau;
    modeleVisible_ = vue.modeleVisible;
    // The same word again (its next step, or after a mistake) is not a new word.
    premierEssai_ = !(ligne == ligneRepondue_ && mot == motRepondu_);
    if (vue.pointsAllumes > 0)
        montrerPoints(vue.pointsAllumes);
    else
        cacherPoints();
    emit presente();
    ecouter();
}

// The screen of the initial test, with no word in it.
void Seance::presenterAucunMot()
{
    etape_ = kEtapeNouveau;
    etapePresentee_ = kEtapeNouveau;
    modeleVisible_ = false;
    motAttendu_.clear();
    premierEssai_ = false;
    cacherPoints();
}

void Seance::repondre(const QString &reponse)
{
    const QString attendu = motAttendu_;
    if (verrouillee_ || attendu.isEmpty())
        return;
    const Evaluation e = EvaluerReponse(table_, reponse, attendu, ligne_, etape_, modeleVisible_, aujourdhui_(),
                                          formes_.justes);
    if (!e.evaluee)
        return;
    const int etapeJugee = etape_;
    etape_ = e.nouvelleEtape;
    memeMot_ = e.memeMot;
    verrouillee_ = true;
    verdict_ = e.juste ? Verdict::Juste : Verdict::Faux;
    reponse_ = e.reponseNormalisee;
    alignement_ = e.juste ? QList<CaseAlignee>() : AlignerReponse(e.reponseNormalisee, formes_.montree);
    ligneRepondue_ = ligne_;
    motRepondu_ = attendu;
    if (premierEssai_) {
        ++motsEcrits_;
        if (e.juste)
            ++justesPremierCoup_;
        premierEssai_ = false;
    }
    switch (e.echelle) {
    case Evaluation::Echelle::ToutAllumer:
        montrerPoints(kNombrePoints);
        break;
    case Evaluation::Echelle::ToutEteindre:
        cacherPoints();
        break;
    case Evaluation::Echelle::AllumerUn:
        points_[e.pointAllume] = true;
        break;
    case Evaluation::Echelle::Inchangee:
        break;
    }
    motsAcquis_ = e.motsAcquis;
    motAttendu_.clear();
    consigne_ = phraseApres(e.juste, e.reponseNormalisee, formes_.montree);
    consigneMessage_ = true;
    emit reponseJugee(attendu, e.reponseNormalisee, e.juste, etapeJugee);
    emit echelleChangee();
}

QString Seance::phraseApres(bool juste, const QString &reponse, const QString &attendu)
{
    if (!juste && source_.phonemes && ClasserErreur(reponse, attendu, source_) == SorteErreur::Homophone)
        return phrase_.isEmpty() ? kPhraseHomophone : kPhraseHomophoneEcouterPhrase;
    const QStringList &phrases = juste ? kPhrasesJuste : reponseProche(alignement_) ? kPhrasesProche : kPhrasesLoin;
    return phrases[reponsesDonnees_++ % phrases.size()];
}

void Seance::suivant()
{
    verrouillee_ = false;
    // The flag is read and cleared before the word is played: an answer
    // given while the word is still speaking sets it again and must keep it.
    const bool memeMot = memeMot_;
    memeMot_ = false;
    if (memeMot) {
        proposerMot(ligne_);
        return;
    }
    // A fresh word starts with an empty ladder once it has been heard,
    // unless it was already answered during its playback: then the ladder
    // shows that answer.
    cacherApresLecture_ = true;
    proposerMot(-1);
    if (!lectureEnCours())
        terminerLecture();
}

// The loudspeaker's border is the busy mark: a click while a word or its
// sentence is playing is ignored, so two quick clicks play them once.
void Seance::ecouter()
{
    if (lectureEnCours())
        return;
    lire(!phrase_.isEmpty());
}

void Seance::ecouterPhrase()
{
    if (lectureEnCours() || phrase_.isEmpty())
        return;
    lecture_ = Lecture::Phrase;
    emit lectureChangee(true);
    emit phraseDemandee(motCourant_, false);
}

void Seance::lire(bool avecPhrase)
{
    lecture_ = Lecture::Mot;
    phraseApresMot_ = avecPhrase;
    emit lectureChangee(true);
    emit lectureDemandee(motCourant_);
}

// The ladder is cleared when the word is over, the sentence or not: the
// child types while it plays, as while the word does.
void Seance::terminerLecture()
{
    const Lecture finie = std::exchange(lecture_, Lecture::Aucune);
    if (cacherApresLecture_) {
        cacherApresLecture_ = false;
        if (!verrouillee_) {
            cacherPoints();
            emit echelleChangee();
        }
    }
    if (finie == Lecture::Mot && std::exchange(phraseApresMot_, false)) {
        lecture_ = Lecture::Phrase;
        emit phraseDemandee(motCourant_, true);
        return;
    }
    if (finie != Lecture::Aucune)
        emit lectureChangee(false);
}

void Seance::montrerPoints(int nombre)
{
    for (int k = 0; k < nombre && k < kNombrePoints; ++k)
        points_[k] = true;
}

void Seance::cacherPoints()
{
    points_.fill(false);
}
