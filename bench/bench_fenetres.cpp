// The windows on large libraries (offscreen, no display needed): opening,
// scrolling and filtering the teacher window; from the pupil's "C'est moi." to the first
// word on screen (the sound device is a double, so no playback wait); one
// answer and the save that goes with it.
#include "platform/plateformeqt.h"
#include "pupil/frmeleve.h"
#include "teacher/frmenseignant.h"
#include "support/plateformefactice.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An installation folder with n recordings, half of them already in Mots.dat.
void preparer(const QString &dossier, int n)
{
    QDir(dossier).mkpath(QStringLiteral("Sons"));
    QFile mots(dossier + QStringLiteral("/Mots.dat"));
    mots.open(QIODevice::WriteOnly);
    for (int i = 0; i < n; ++i) {
        const QString mot = QStringLiteral("mot%1").arg(i);
        QFile(dossier + QStringLiteral("/Sons/") + mot + QStringLiteral(".wav")).open(QIODevice::WriteOnly);
        if (i % 2 == 0)
            mots.write(QStringLiteral("\"*\",\"%1\",\"%2\"\r\n").arg(mot).arg(1 + i % 5).toLatin1());
    }
}

void BM_OuvrirFenetreEnseignant(benchmark::State &state)
{
    QTemporaryDir dossier;
    preparer(dossier.path(), int(state.range(0)));
    PlateformeFactice factice;
    for (auto _ : state) {
        EtatProgramme etat{dossier.path()};
        FrmEnseignant fenetre(etat, factice.services());
        benchmark::DoNotOptimize(fenetre.tableur().size());
    }
}
BENCHMARK(BM_OuvrirFenetreEnseignant)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same opening with the installed fonts, each time from a fresh list (the
// program keeps the list it made at the first opening).
void BM_OuvrirFenetreEnseignantPolicesInstallees(benchmark::State &state)
{
    QTemporaryDir dossier;
    preparer(dossier.path(), int(state.range(0)));
    PlateformeFactice factice;
    for (auto _ : state) {
        PolicesQt polices;
        Plateforme services = factice.services();
        services.polices = &polices;
        EtatProgramme etat{dossier.path()};
        FrmEnseignant fenetre(etat, services);
        benchmark::DoNotOptimize(fenetre.tableur().size());
    }
}
BENCHMARK(BM_OuvrirFenetreEnseignantPolicesInstallees)->Arg(1000)->Unit(benchmark::kMillisecond);

// One move of the scroll bar in the shown window, painting included.
void BM_DefilerListe(benchmark::State &state)
{
    QTemporaryDir dossier;
    preparer(dossier.path(), int(state.range(0)));
    PlateformeFactice factice;
    EtatProgramme etat{dossier.path()};
    FrmEnseignant fenetre(etat, factice.services());
    fenetre.resize(1366, 768);
    fenetre.show();
    QApplication::processEvents();
    auto *barre = fenetre.findChild<QScrollBar *>(QStringLiteral("VScroll"));
    int valeur = 0;
    for (auto _ : state) {
        valeur = (valeur + 97) % (barre->maximum() + 1);
        barre->setValue(valeur);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DefilerListe)->Arg(10000)->Unit(benchmark::kMicrosecond);

// One key press in the filter field of the shown window, painting included:
// "mot" (every word) and "mot1" (one in nine) in turn, a digit typed then
// erased.
void BM_FiltrerListe(benchmark::State &state)
{
    QTemporaryDir dossier;
    preparer(dossier.path(), int(state.range(0)));
    PlateformeFactice factice;
    EtatProgramme etat{dossier.path()};
    FrmEnseignant fenetre(etat, factice.services());
    fenetre.resize(1024, 768);
    fenetre.show();
    auto *filtre = fenetre.findChild<QLineEdit *>(QStringLiteral("txtFiltre"));
    if (!filtre) {
        state.SkipWithError("no filter field");
        return;
    }
    filtre->setText(QStringLiteral("mot"));
    QApplication::processEvents();
    bool chiffre = true;
    for (auto _ : state) {
        QKeyEvent appui(QEvent::KeyPress, chiffre ? Qt::Key_1 : Qt::Key_Backspace, Qt::NoModifier,
                        chiffre ? QStringLiteral("1") : QString());
        QApplication::sendEvent(filtre, &appui);
        QApplication::processEvents();
        chiffre = !chiffre;
    }
    if (filtre->text().left(3) != QStringLiteral("mot"))
        state.SkipWithError("the filter field did not take the keys");
}
BENCHMARK(BM_FiltrerListe)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_IdentifierPremierMot(benchmark::State &state)
{
    QTemporaryDir dossier;
    QFile mots(dossier.path() + QStringLiteral("/Mots.dat"));
    mots.open(QIODevice::WriteOnly);
    for (int i = 0; i < state.range(0); ++i)
        mots.write(QStringLiteral("\"*\",\"mot%1\",\"%2\"\r\n").arg(i).arg(1 + i % 5).toLatin1());
    mots.close();
    PlateformeFactice factice;
    for (auto _ : state) {
        state.PauseTiming();
        QFile(dossier.path() + QStringLiteral("/Paul.bil")).open(QIODevice::WriteOnly);   // a new pupil
        EtatProgramme etat{dossier.path()};
        FrmEleve fenetre(etat, factice.services());
        fenetre.show();
        auto *moi = fenetre.findChild<QPushButton *>(QStringLiteral("cmdIdentite"));
        state.ResumeTiming();
        QTest::mouseClick(moi, Qt::LeftButton);
        state.PauseTiming();
        if (fenetre.motCourant().isEmpty())
            state.SkipWithError("no word was presented");
        fenetre.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_IdentifierPremierMot)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// From "C'est moi." to the first word for a pupil with his own font (1) and
// one with the class's (0): the installed fonts are listed from scratch, as
// for the first such pupil after the program starts.
void BM_IdentifierAvecPolicePropre(benchmark::State &state)
{
    QTemporaryDir dossier;
    preparer(dossier.path(), int(state.range(0)));
    const bool propre = state.range(1) != 0;   // 0: the class's font, for comparison
    if (propre) {
        QFile reglage(dossier.path() + QStringLiteral("/Paul.aff"));
        reglage.open(QIODevice::WriteOnly);
        reglage.write("\"Police\",\"Andika\"\r\n\"Petites lettres\",\"6\"\r\n");
    }
    PlateformeFactice factice;
    for (auto _ : state) {
        state.PauseTiming();
        QFile(dossier.path() + QStringLiteral("/Paul.bil")).open(QIODevice::WriteOnly);
        PolicesQt polices;
        Plateforme services = factice.services();
        services.polices = &polices;
        EtatProgramme etat{dossier.path()};
        FrmEleve fenetre(etat, services);
        fenetre.show();
        fenetre.findChild<QComboBox *>(QStringLiteral("cmbEleve"))->setCurrentIndex(0);
        auto *moi = fenetre.findChild<QPushButton *>(QStringLiteral("cmdIdentite"));
        state.ResumeTiming();
        QTest::mouseClick(moi, Qt::LeftButton);
        state.PauseTiming();
        if (fenetre.motCourant().isEmpty()
            || fenetre.findChild<QLineEdit *>(QStringLiteral("txtMot"))->font().family()
                   != (propre ? QStringLiteral("Andika") : QStringLiteral("Comic Sans MS"))) {
            state.SkipWithError("no word, or not in the pupil's font");
            break;
        }
        fenetre.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_IdentifierAvecPolicePropre)->Args({1000, 0})->Args({1000, 1})->Unit(benchmark::kMillisecond);

// One answer validated, the pupil file saved with it (a pupil who has
// studied every word of a library of n words); "Suivant" untimed.
void BM_RepondreEtEnregistrer(benchmark::State &state)
{
    QTemporaryDir dossier;
    QFile mots(dossier.path() + QStringLiteral("/Mots.dat"));
    QFile bilan(dossier.path() + QStringLiteral("/Paul.bil"));
    mots.open(QIODevice::WriteOnly);
    bilan.open(QIODevice::WriteOnly);
    for (int i = 0; i < state.range(0); ++i) {
        const QString mot = QStringLiteral("mot%1").arg(i);
        mots.write(QStringLiteral("\"*\",\"%1\",\"%2\"\r\n").arg(mot).arg(1 + i % 5).toLatin1());
        bilan.write(QStringLiteral("\"\"\r\n\"%1\"\r\n\"01/03/2026\"\r\n\"%2\"\r\n"
                                   "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n")
                        .arg(1 + i % 5).arg(mot).toLatin1());   // at the copy step
    }
    mots.close();
    bilan.close();
    PlateformeFactice factice;
    EtatProgramme etat{dossier.path()};
    FrmEleve fenetre(etat, factice.services());
    fenetre.show();
    fenetre.findChild<QComboBox *>(QStringLiteral("cmbEleve"))->setCurrentIndex(0);
    fenetre.findChild<QPushButton *>(QStringLiteral("cmdIdentite"))->click();
    auto *reponse = fenetre.findChild<QLineEdit *>(QStringLiteral("txtMot"));
    auto *suivant = fenetre.findChild<QPushButton *>(QStringLiteral("cmdSuivant"));
    for (auto _ : state) {
        state.PauseTiming();
        if (fenetre.motCourant().isEmpty())
            state.SkipWithError("no word was presented");
        reponse->setText(fenetre.motCourant());
        state.ResumeTiming();
        QTest::keyClick(reponse, Qt::Key_Return);
        state.PauseTiming();
        if (!fenetre.echecEnCours().isEmpty())
            state.SkipWithError("the save failed");
        suivant->click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RepondreEtEnregistrer)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
