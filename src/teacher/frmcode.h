#pragma once
// The access-code dialog shown before the teacher window. It only sets
// etat.accessGranted; the caller opens the teacher window when it is true and
// resets it afterwards:
//     FrmCode code(etat, plateforme, this);
//     code.exec();
//     if (etat.accessGranted) { FrmEnseignant f(etat, plateforme, this); f.montrer(); }
//     etat.accessGranted = false;
#include "platform/plateforme.h"
#include "shell/programme.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class FrmCode : public QDialog {
    Q_OBJECT
public:
    // Creates Code.dat empty when it is missing and reads the stored code.
    FrmCode(EtatProgramme &etat, Plateforme plateforme, QWidget *parent = nullptr);

    // Escape, like "&Annuler", refuses access.
    void reject() override;

private:
    void valider();

    EtatProgramme &etat_;
    Plateforme plateforme_;
    QString codeStocke_;
    QLineEdit *txtCode_;
    QPushButton *cmdOk_;
    QPushButton *cmdAnnule_;
};
