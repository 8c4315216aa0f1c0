// From "C'est moi." to the first word on screen, for a pupil whose progress
// file is loaded and reconciled with a large word list (playback wait excluded:
// the sound device is a double that does not wait).
#include "pupil/frmeleve.h"
#include "support/plateformefactice.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

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
