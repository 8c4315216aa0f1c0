#pragma once
// One pupil's own font, height of the small letters and letter spacing,
// chosen with a preview of a word as he will see it. Each choice can stay
// the class's; "Comme la classe" gives all three back to the class.
#include "data/affichageeleve.h"
#include "platform/plateforme.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

class DialogueAffichageEleve : public QDialog {
    Q_OBJECT
public:
    DialogueAffichageEleve(const QString &dossierInstallation, const QString &nomEleve, const ReglageFonte &fonteClasse,
                           Plateforme plateforme, QWidget *parent);

    // What the three lists say now.
    AffichageEleve choix() const;

    // The words of a setting, for the pupil list: "comme la classe" or
    // "Andika, petites lettres de 6 mm, espacement large".
    static QString resume(const AffichageEleve &affichage);

public slots:
    // OK: writes the setting (removes the file when every choice is the
    // class's). A failure is told and the dialog stays open.
    void accept() override;

private:
    void remplirPolices(const QString &actuelle);
    void actualiserApercu();
    void revenirALaClasse();
    bool enregistrer(const AffichageEleve &affichage);

    QString dossier_;
    QString nomEleve_;
    ReglageFonte fonteClasse_;
    ReglagesAffichage affichageClasse_;
    Plateforme plateforme_;
    QComboBox *cmbPolice_;
    QComboBox *cmbTaille_;
    QComboBox *cmbEspacement_;
    QLabel *lblApercu_;
    QLabel *lblMesure_;
    QPushButton *cmdCommeLaClasse_;
};
