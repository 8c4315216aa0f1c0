// OrthoVal: the main window over the data folder decided at start-up (see
// data/dossierdonnees.h).
//   orthoval [--donnees DOSSIER] [--verifier] [--help] [--version]
#include "data/etatprogramme.h"
#include "installer/preparerdonnees.h"
#include "pupil/frmeleve.h"
#include "data/dossierdonnees.h"
#include "platform/finsession.h"
#include "platform/plateformeqt.h"
#include "shell/frmorthoval.h"
#include "verification.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <utility>
#include <QTranslator>

namespace {

const QString kTitreSansDonnees = QStringLiteral("OrthoVal ne peut pas démarrer");
const QString kTitreSansBibliotheque = QStringLiteral("Bibliothèque de départ absente");

const QString kOptionVerifier = QStringLiteral("verifier");

const ProgrammeLigneCommande kProgramme{
    QStringLiteral("orthoval"),
    QStringLiteral("OrthoVal : j'apprends à écrire les mots."),
    QStringLiteral(ORTHOVAL_VERSION),
    {{kOptionVerifier, QStringLiteral("dit, sans fenêtre, où sont les données et si un élève peut s'exercer")}}};

// The standard buttons of message boxes ("Oui", "Annuler") in French,
// when the translations are installed.
void traduireBoutons(QTranslator &traduction)
{
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);
}

// The pupil's work of the open pupil window, saved without a word: the
// session is ending and nobody would answer a box.
void enregistrerEleves()
{
    for (QWidget *fenetre : QApplication::topLevelWidgets())
        if (auto *eleve = qobject_cast<FrmEleve *>(fenetre))
            eleve->enregistrerFinDeSession();
}

PreparationDonnees preparer(const LigneCommande &ligne, ChoixDonnees &choix)
{
    choix = choisirDossierDonnees(lireEnvironnementDonnees(ligne.dossierDonnees));
    return preparerDossierDonnees(choix, trouverBibliotheque(QCoreApplication::applicationDirPath()));
}

}  // namespace

int main(int argc, char *argv[])
{
    // Before any QApplication, which needs a display: --help and --version
    // answer on a text console too.
    const LigneCommande ligne = lireLigneCommande(argumentsBruts(argc, argv), kProgramme);
    if (const int code = repondreLigneCommande(ligne); code >= 0)
        return code;

    if (ligne.demande(kOptionVerifier)) {
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("OrthoVal"));
        ChoixDonnees choix;
        const PreparationDonnees preparation = preparer(ligne, choix);
        QTextStream sortie(stdout);
        return verifierInstallation(choix, preparation, sortie);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrthoVal"));
    // No display name: Qt would append " — OrthoVal" to every window title,
    // which already names the program ("OrthoVal - Enseignant").
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // Only what the main window needs comes before it is painted; the
    // translations and the icon follow, unless a message comes first.
    QTranslator traduction;
    bool demarrageFini = false;
    const auto finirDemarrage = [&traduction, &demarrageFini] {
        if (std::exchange(demarrageFini, true))
            return;
        traduireBoutons(traduction);
#ifdef ORTHOVAL_ICONE
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/orthoval.png")));
#endif
    };

    PlateformeQt plateforme;
    ChoixDonnees choix;
    const PreparationDonnees preparation = preparer(ligne, choix);
    if (!preparation.ok() || !preparation.avertissement.isEmpty())
        finirDemarrage();
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
    QObject::connect(&principal, &FrmOrthoval::affichee, finirDemarrage);
    return application.exec();
}
