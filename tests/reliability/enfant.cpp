#include "enfant.h"

#include "versions.h"

#include <QString>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace fiabilite {
namespace {

// The versions are built once, so that the loop spends its time saving.
struct Contenus {
    QList<TableProgression> tables;
    QList<ListeMots> listes;
    Contenus()
    {
        for (int v = 0; v < kVersions; ++v) {
            tables << tableVersion(v);
            listes << listeVersion(v);
        }
    }
};

ResultatEcriture enregistrer(const Contenus &contenus, const QString &sorte, const QString &dossier, int version)
{
    if (sorte == QLatin1String("mots"))
        return EnregistrerListeMots(dossier, contenus.listes[version]);
    return EnregistrerBilan(contenus.tables[version], dossier, kEleve);
}

// Saves versions 1, 2, 0, 1, ... until killed. "pret" tells the parent that
// the saving has begun.
int boucle(const QString &sorte, const QString &dossier)
{
    const Contenus contenus;
    std::puts("pret");
    std::fflush(stdout);
    for (int n = 1;; ++n) {
        const ResultatEcriture resultat = enregistrer(contenus, sorte, dossier, n % kVersions);
        if (!resultat.ok) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(resultat.message()));
            return 2;
        }
    }
}

// A disk that fills up: the system refuses to let any file grow past the
// limit, and the signal it would send is ignored so the write just fails.
int disquePlein(const QString &sorte, const QString &dossier, rlim_t limite)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limiteFichier{limite, limite};
    if (setrlimit(RLIMIT_FSIZE, &limiteFichier) != 0)
        return 3;
    const Contenus contenus;
    const ResultatEcriture resultat = enregistrer(contenus, sorte, dossier, 2);
    std::printf("%s\n", resultat.ok ? "ok" : qUtf8Printable(resultat.message()));
    return 0;
}

} // namespace

int lancerEnfant(int argc, char **argv)
{
    if (argc < 4)
        return -1;
    const QString sorte = QString::fromLocal8Bit(argv[2]);
    const QString dossier = QString::fromLocal8Bit(argv[3]);
    if (std::strcmp(argv[1], kModeBoucle) == 0)
        return boucle(sorte, dossier);
    if (std::strcmp(argv[1], kModeDisquePlein) == 0 && argc >= 5)
        return disquePlein(sorte, dossier, rlim_t(std::strtoull(argv[4], nullptr, 10)));
    return -1;
}

} // namespace fiabilite
