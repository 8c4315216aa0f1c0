#pragma once
// The access-code dialog shown before the teacher window. It only sets
// etat.accessGranted; the caller opens the teacher window when it is true and
// resets it afterwards:
//     FrmCode code(etat, plateforme, this);
//     code.exec();
//     if (etat.accessGranted) { FrmEnseignant f(etat, plateforme, this); f.montrer(); }
//     etat.accessGranted = false;
#include "platform/plateforme.h"
#include "data/etatprogramme.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class FrmCode : public QDialog {
    Q_OBJECT
public:
    // Creates Code.dat empty when it is missing and reads the stored code. A
    // Code.dat that cannot be read or is damaged opens nothing: "O&k" says so.
    // A wrong code is told and may be typed again; at first use the code is
    // asked twice and stored only when both match.
    FrmCode(EtatProgramme &etat, Plateforme plateforme, QWidget *parent = nullptr);

    // Escape, like "&Annuler", refuses access.
    void reject() override;

private:
    void valider();
    void recommencerSaisie(const QString &consigne);

    EtatProgramme &etat_;
    Plateforme plateforme_;
    QString codeStocke_;
    QString codeInutilisable_; // why Code.dat cannot be used (unreadable, damaged); empty when it can
    QString codeAConfirmer_;   // first use: the code typed once, to be typed again
    QLabel *lblConsigne_;
    QLineEdit *txtCode_;
    QPushButton *cmdOk_;
    QPushButton *cmdAnnule_;
};
