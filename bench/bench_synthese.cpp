// Speech synthesis: one word spoken and written into Sons; 300 words imported
// through the "Ajouter des mots…" dialog, with the longest time the interface
// thread went without handling its timer while they were spoken.
#include "audio/synthese.h"
#include "teacher/dialogueajoutmots.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

void BM_UnMot(benchmark::State &state)
{
    QTemporaryDir dossier;
    const QString installation = dossier.path();
    const QString mot = QStringLiteral("hérisson");
    SyntheseEspeak synthese;
    // The engine starts once in the program's life, not at every word.
    synthese.enregistrer(installation, QStringLiteral("chat")).waitForFinished();
    for (auto _ : state) {
        const QString erreur = synthese.enregistrer(installation, mot).result();
        state.PauseTiming();
        if (!erreur.isEmpty())
            state.SkipWithError(erreur.toUtf8().constData());
        QFile::remove(installation + QStringLiteral("/Sons/") + mot + QStringLiteral(".wav"));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UnMot)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// 300 distinct pronounceable words, one a line with a level.
QByteArray liste300()
{
    const char *syllabes[] = {"ba", "ché", "di", "fo", "gu", "la", "mé", "ni", "po", "ru",
                              "sa", "té", "vo", "zi", "rou"};
    QByteArray liste;
    int n = 0;
    for (const char *a : syllabes)
        for (const char *b : syllabes)
            for (const char *c : {"ton", "lette", "ment"}) {
                if (n++ == 300)
                    return liste;
                liste += QByteArray(a) + b + c + ' ' + QByteArray::number(n % 5 + 1) + "\r\n";
            }
    return liste;
}

void BM_Import300(benchmark::State &state)
{
    const QByteArray liste = liste300();
    SyntheseEspeak synthese;
    double blocageMax = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dossier;
        QDir(dossier.path()).mkpath(QStringLiteral("Sons"));
        int ajoutes = 0;
        auto *dialogue = new DialogueAjoutMots(dossier.path(), {}, &synthese, [&](const ListeMots &m) { ajoutes = int(m.size()); });
        dialogue->show();
        bool fini = false;
        QObject::connect(dialogue, &DialogueAjoutMots::termine, [&] { fini = true; });
        QElapsedTimer horloge;
        qint64 dernier = 0;
        double blocage = 0;
        QTimer tic;
        tic.setInterval(5);
        QObject::connect(&tic, &QTimer::timeout, [&] {
            const qint64 maintenant = horloge.elapsed();
            blocage = std::max(blocage, double(maintenant - dernier));
            dernier = maintenant;
        });
        state.ResumeTiming();

        horloge.start();
        tic.start();
        dialogue->importer(lireMotsFichier(liste, {}));
        while (!fini)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

        state.PauseTiming();
        tic.stop();
        blocageMax = std::max(blocageMax, blocage);
        if (ajoutes != 300)
            state.SkipWithError("not every word was written");
        delete dialogue;
        state.ResumeTiming();
    }
    state.counters["blocage_max_ms"] = blocageMax;
}
BENCHMARK(BM_Import300)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
