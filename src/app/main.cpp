// OrthoVal: the main window over the installation folder, which is the folder
// of the program itself.
#include "platform/plateformeqt.h"
#include "shell/frmorthoval.h"
#include "shell/programme.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
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

    EtatProgramme etat;
    etat.dossierInstallation = QDir::cleanPath(QCoreApplication::applicationDirPath());
    PlateformeQt plateforme;
    FrmOrthoval principal(etat, plateforme.services());
    principal.show();
    return application.exec();
}
