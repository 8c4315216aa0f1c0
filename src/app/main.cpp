// OrthoVal: the main window over the data folder decided at start-up (see
// platform/dossierdonnees.h).
//   orthoval [--donnees DOSSIER] [--verifier]
#include "data/etatprogramme.h"
#include "installer/preparerdonnees.h"
#include "pupil/frmeleve.h"
#include "platform/dossierdonnees.h"
#include "platform/finsession.h"
#include "platform/plateformeqt.h"
#include "shell/frmorthoval.h"
#include "verification.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>
#include <cstring>

namespace {

const QString kTitreSansDonnees = QStringLiteral("OrthoVal ne peut pas démarrer");
const QString kTitreSansBibliotheque = QStringLiteral("Bibliothèque de départ absente");

bool demande(int argc, char **argv, const char *option)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return true;
    return false;
}

// The pupil's work of the open pupil window, saved without a word: the
// session is ending and nobody would answer a box.
void enregistrerEleves()
{
    for (QWidget *fenetre : QApplication::topLevelWidgets())
        if (auto *eleve = qobject_cast<FrmEleve *>(fenetre))
            eleve->enregistrerFinDeSession();
}

PreparationDonnees preparer(ChoixDonnees &choix)
{
    choix = choisirDossierDonnees(lireEnvironnementDonnees(QCoreApplication::arguments()));
    return preparerDossierDonnees(choix, trouverBibliotheque(QCoreApplication::applicationDirPath()));
}

}  // namespace

int main(int argc, char *argv[])
{
    if (demande(argc, argv, "--verifier")) {
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("OrthoVal"));
        ChoixDonnees choix;
        const PreparationDonnees preparation = preparer(choix);
        QTextStream sortie(stdout);
        return verifierInstallation(choix, preparation, sortie);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrthoVal"));
    // No display name: Qt would append " — OrthoVal" to every window title,
    // which already names the program ("OrthoVal - Enseignant").
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // The standard buttons of message boxes ("Oui", "Annuler") in French,
    // when the translations are installed.
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

#ifdef ORTHOVAL_ICONE
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orthoval.png")));
#endif

    PlateformeQt plateforme;
    ChoixDonnees choix;
    const PreparationDonnees preparation = preparer(choix);
    if (!preparation.ok()) {
        // Never another folder instead: a pupil's progress would be split.
        QTextStream(stderr) << preparation.erreur << '\n';
        plateforme.services().messages->information(nullptr, kTitreSansDonnees, preparation.erreur);
        return 1;
    }
    if (!preparation.avertissement.isEmpty())
        plateforme.services().messages->information(nullptr, kTitreSansBibliotheque, preparation.avertissement);

    plateforme.protegerDossierDonnees(choix.dossier);
    // Shut down or logged out during a visit: the work is saved, then every
    // event loop ends (the pupil window's too) without closing the windows
    // one by one, which could ask a question nobody is there to answer.
    FinDeSession finDeSession;
    QObject::connect(&finDeSession, &FinDeSession::enregistrementDemande, &enregistrerEleves);
    QObject::connect(&finDeSession, &FinDeSession::arretDemande, [](int) {
        enregistrerEleves();
        QCoreApplication::exit(0);
    });

    EtatProgramme etat;
    etat.dossierInstallation = choix.dossier;
    etat.dossierProgramme = QCoreApplication::applicationDirPath();
    FrmOrthoval principal(etat, plateforme.services());
    principal.afficherDossierDonnees(decrireDossierDonnees(choix));
    principal.show();
    return application.exec();
}
