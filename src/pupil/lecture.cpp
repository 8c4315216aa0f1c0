// Playing the current word and its sentence, and printing the report.
#include "frmeleve.h"

#include "data/enregistrement.h"
#include "exercice/seance.h"
#include "engine/rapport.h"
#include "textes.h"

#include <QPointer>

using namespace textes_eleve;

namespace {

// The silence between the end of the word and its sentence, as a teacher
// leaves it in a dictation.
constexpr int kPauseAvantPhraseMs = 600;

// The wait is 4/3 of the recording, so that it is surely over.
double attenteFin(int dureeMs)
{
    return double(float(dureeMs) / 1000.0f * 4.0f / 3.0f + 0.1f);
}

} // namespace

// The loudspeaker: the model ignores a click while the word still plays.
void FrmEleve::cliquerSon()
{
    seance_->ecouter();
}

// Starts the word and returns; the sound service reports its end to the
// model, and clicks and keys are handled meanwhile like at any other time.
void FrmEleve::JouerMot(const QString &mot)
{
    Son *son = plateforme_.son;
    son->arreter();
    if (mot.isEmpty())
        plateforme_.messages->information(this, kTitreFinDeListe, kFinDeListe);
    // "<word>.wav", or the same name with ".WAV" as copied from Windows;
    // nothing outside Sons, whatever a hand-edited word list says.
    const QString chemin = mot.isEmpty() ? QString() : cheminEnregistrement(etat_.dossierInstallation, mot);
    dureeMotMs_ = chemin.isEmpty() ? 0 : son->dureeMs(chemin);
    debutMot_.start();
    if (!chemin.isEmpty())
        son->jouer(chemin);
    son->signalerFin(attenteFin(dureeMotMs_), [seance = QPointer<Seance>(seance_), son] {
        if (!seance)
            return;   // the window is gone
        son->arreter();
        seance->terminerLecture();
    });
}

void FrmEleve::cliquerPhrase()
{
    seance_->ecouterPhrase();
}

// Like the word: started, and its end reported by the sound service. After
// the word, the sentence waits until the pause since the word's own end is
// over (the word's wait, with its margin, may have taken part of it).
void FrmEleve::JouerPhrase(const QString &mot, bool apresLeMot)
{
    Son *son = plateforme_.son;
    const qint64 resteMs = apresLeMot ? dureeMotMs_ + kPauseAvantPhraseMs - debutMot_.elapsed() : 0;
    const QString chemin = cheminEnregistrement(etat_.dossierInstallation, mot, kDossierPhrases);
    if (!apresLeMot)
        son->arreter();
    son->signalerFin(double(qMax<qint64>(0, resteMs)) / 1000.0, [seance = QPointer<Seance>(seance_), son, chemin] {
        if (!seance)
            return;
        const auto fin = [seance, son] {
            if (!seance)
                return;
            son->arreter();
            seance->terminerLecture();
        };
        // A recording gone since the word was presented is simply not heard.
        if (chemin.isEmpty()) {
            fin();
            return;
        }
        const int duree = son->dureeMs(chemin);
        son->jouer(chemin);
        son->signalerFin(attenteFin(duree), fin);
    });
}

// Leaving: nothing goes on speaking over the window underneath.
void FrmEleve::arreterLecture()
{
    plateforme_.son->arreter();
}

// A sentence is heard only with its recording; a word without either is
// heard alone.
QString FrmEleve::phraseEcoutable(const QString &mot) const
{
    const QString phrase = phraseDe(phrases_, mot);
    if (phrase.isEmpty() || cheminEnregistrement(etat_.dossierInstallation, mot, kDossierPhrases).isEmpty())
        return {};
    return phrase;
}

// Cancelling the printer dialog or a printing error ends silently.
void FrmEleve::imprimer()
{
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(9.75);
    plateforme_.imprimante->imprimer(this, composerRapport(fgEleve_, nomEleve_, plateforme_.horloge->aujourdhui()),
                                     police);
}
