// Sons.exe: installs the starter sound library beside the program. The
// program starts it with --cache when the Sons folder is missing at start-up
// (no window); the teacher button starts it without, and then it shows what
// it did.
#include "fenetreinstallation.h"
#include "installerbibliotheque.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <cstring>

namespace {

bool demandeSansFenetre(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--cache") == 0)
            return true;
    }
    return false;
}

ResultatInstallation installerAupresDuProgramme()
{
    const QString dossier = QCoreApplication::applicationDirPath();
    return InstallerBibliotheque(QDir(dossier).filePath(QStringLiteral("bibliotheque")), dossier);
}

}  // namespace

int main(int argc, char **argv)
{
    if (demandeSansFenetre(argc, argv)) {
        QCoreApplication application(argc, argv);
        const ResultatInstallation resultat = installerAupresDuProgramme();
        QTextStream sortie(resultat.ok ? stdout : stderr);
        sortie << resultat.message() << '\n';
        for (const QString &avertissement : resultat.avertissements)
            sortie << avertissement << '\n';
        return resultat.ok ? 0 : 1;
    }

    QApplication application(argc, argv);
    FenetreInstallation fenetre(installerAupresDuProgramme);
    fenetre.show();
    return application.exec();
}
