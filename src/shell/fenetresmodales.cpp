// The real modal windows behind the main window's doors. Each is built only
// when its door is used, so start-up stays light.
#include "portes.h"

#include "pupil/frmeleve.h"
#include "teacher/frmcode.h"
#include "teacher/frmenseignant.h"

#include <QCoreApplication>

FenetresModales fenetresModalesQt()
{
    FenetresModales f;
    f.code = [](EtatProgramme &etat, Plateforme plateforme, QWidget *parent) {
        FrmCode dialogue(etat, plateforme, parent);
        dialogue.exec();
    };
    f.enseignant = [](EtatProgramme &etat, Plateforme plateforme, QWidget *parent) {
        FrmEnseignant fenetre(etat, plateforme, parent);
        fenetre.montrer();
    };
    f.eleve = [](EtatProgramme &etat, Plateforme plateforme, QWidget *parent) {
        FrmEleve fenetre(etat, plateforme, parent);
        fenetre.exec();
        return fenetre.echecListeMots();
    };
    f.terminer = [] { QCoreApplication::quit(); };
    return f;
}
