// From "Suivant" to the first sample of the next word, heard through a
// private PulseAudio server whose sink writes what it plays into a FIFO:
// words without a sentence, words with one clicked on after the sentence,
// and words with one clicked on while the sentence still plays. A sentence
// must not delay the word after it.
//
// The word is a loud tone and the sentence a quiet one, so the first 10 ms
// of the capture louder than the sentence can be is the word. The window
// runs in this process on the real sound device; the time is taken from
// just before the click to that first loud window (the capture polled every
// half millisecond while the window's events are handled).
#include "audio/serveurson.h"
#include "data/phrases.h"
#include "exercice/seance.h"
#include "platform/plateformeqt.h"
#include "pupil/frmeleve.h"
#include "support/plateformefactice.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sndfile.h>

namespace {

ServeurSon *serveur = nullptr;
constexpr int kMots = 50;
constexpr qint64 kFenetre = ServeurSon::kFrequence / 100;
// A 10 ms window of the word's tone (amplitude 0.5) is about 1.2e-3; of the
// sentence's (0.02), 2e-6.
constexpr double kSeuilMot = 1e-4;

bool ecrireTon(const QString &chemin, double amplitude, double secondes, double hertz)
{
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *f = sf_open(QFile::encodeName(chemin).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    std::vector<double> x(size_t(secondes * info.samplerate));
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = amplitude * std::sin(2 * M_PI * hertz * double(i) / info.samplerate);
    sf_writef_double(f, x.data(), sf_count_t(x.size()));
    sf_close(f);
    return true;
}

// kMots words at level 1, each recorded (one tone, hard-linked), with a
// sentence or not, and the pupil Paul.
std::unique_ptr<QTemporaryDir> installation(bool phrases)
{
    auto dossier = std::make_unique<QTemporaryDir>();
    const QString racine = dossier->path();
    QDir(racine).mkpath(QStringLiteral("Sons"));
    QDir(racine).mkpath(kDossierPhrases);
    const QString mot = racine + QStringLiteral("/mot.wav"), phrase = racine + QStringLiteral("/phrase.wav");
    if (!ecrireTon(mot, 0.5, 0.4, 440) || !ecrireTon(phrase, 0.02, 2.0, 330))
        return nullptr;
    QString texte;
    ListePhrases liste;
    for (int i = 0; i < kMots; ++i) {
        const QString nom = QStringLiteral("mot%1").arg(i);
        std::error_code erreur;
        std::filesystem::create_hard_link(mot.toStdString(), (racine + QStringLiteral("/Sons/") + nom + QStringLiteral(".wav")).toStdString(), erreur);
        if (phrases) {
            std::filesystem::create_hard_link(phrase.toStdString(), (racine + u'/' + kDossierPhrases + u'/' + nom + QStringLiteral(".wav")).toStdString(), erreur);
            liste.append({nom, QStringLiteral("Voici le %1 dans une phrase.").arg(nom)});
        }
        texte += QStringLiteral("\"*\",\"%1\",\"1\"\r\n").arg(nom);
    }
    QFile mots(racine + QStringLiteral("/Mots.dat"));
    mots.open(QIODevice::WriteOnly);
    mots.write(texte.toLatin1());
    QFile(racine + QStringLiteral("/Paul.bil")).open(QIODevice::WriteOnly);
    if (phrases && !EnregistrerPhrases(racine, liste).ok)
        return nullptr;
    return dossier;
}

// The instant the capture first holds a window as loud as the word after
// the frame `de`, the window's events handled meanwhile; -1 after 5 s.
qint64 premierSonDuMot(qint64 de, const QElapsedTimer &horloge)
{
    qint64 t = de;
    while (horloge.elapsed() < 5000) {
        QCoreApplication::processEvents();
        for (const qint64 fin = serveur->trames(); t + kFenetre <= fin; t += kFenetre)
            if (serveur->energie(t, t + kFenetre) > kSeuilMot)
                return horloge.nsecsElapsed();
        QThread::usleep(500);
    }
    return -1;
}

enum Cas { SansPhrase, ApresLaPhrase, PendantLaPhrase };

void BM_SuivantPremierSon(benchmark::State &state)
{
    const Cas cas = Cas(state.range(0));
    const auto dossier = installation(cas != SansPhrase);
    if (!dossier) {
        state.SkipWithError("cannot write the installation");
        return;
    }
    PlateformeFactice factice;
    SonQt son;
    Plateforme services = factice.services();
    services.son = &son;
    EtatProgramme etat{dossier->path()};
    FrmEleve fenetre(etat, services);
    fenetre.show();
    auto *liste = fenetre.findChild<QComboBox *>(QStringLiteral("cmbEleve"));
    liste->setCurrentIndex(liste->findText(QStringLiteral("Paul")));
    fenetre.findChild<QPushButton *>(QStringLiteral("cmdIdentite"))->click();
    // The playback module and the server's stream are set up at the first
    // word: not part of what is measured.
    QTest::qWait(3000);
    auto *reponse = fenetre.findChild<QLineEdit *>(QStringLiteral("txtMot"));
    auto *ok = fenetre.findChild<QPushButton *>(QStringLiteral("cmdOk"));
    auto *suivant = fenetre.findChild<QPushButton *>(QStringLiteral("cmdSuivant"));
    const Seance &seance = fenetre.seance();
    for (auto _ : state) {
        // Where the child clicks: after everything, or in the sentence.
        if (cas == PendantLaPhrase) {
            if (!QTest::qWaitFor([&] { return seance.phraseEnCours(); }, 10000)) {
                state.SkipWithError("the sentence was never played");
                break;
            }
            QTest::qWait(900);   // the pause, then well into the sentence
        } else if (!QTest::qWaitFor([&] { return !seance.lectureEnCours(); }, 10000)) {
            state.SkipWithError("the playback never ended");
            break;
        }
        QTest::qWait(100);
        reponse->setText(seance.motAttendu());   // right: the next word is another one
        ok->click();
        QElapsedTimer horloge;
        const qint64 debut = serveur->trames();
        horloge.start();
        suivant->click();
        const qint64 son = premierSonDuMot(debut, horloge);
        if (son < 0) {
            state.SkipWithError("no word came through the sink");
            break;
        }
        state.SetIterationTime(double(son) / 1e9);
    }
}
BENCHMARK(BM_SuivantPremierSon)
    ->ArgName("cas")
    ->Arg(SansPhrase)
    ->Arg(ApresLaPhrase)
    ->Arg(PendantLaPhrase)
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Before the first word: the playback module connects to this server.
    ServeurSon serveurPrive;
    const QString erreur = serveurPrive.demarrer();
    if (!erreur.isEmpty()) {
        std::fprintf(stderr, "cannot start the sound server: %s\n", qPrintable(erreur));
        return 1;
    }
    serveur = &serveurPrive;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
