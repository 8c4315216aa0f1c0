#pragma once
// The panel "Gestion de la liste d'élèves": adds and deletes pupils, each
// one the "<name>.bil" file of the installation folder, and gives one his
// own font when the class's does not suit him.
#include "platform/plateforme.h"

#include <QGroupBox>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class PanneauEleves : public QGroupBox {
    Q_OBJECT
public:
    PanneauEleves(const QString &dossierInstallation, Plateforme plateforme, QWidget *parent);

    // Fills the list from the folder, selects the first pupil and shows the
    // panel over its parent, which it covers whole.
    void ouvrir();

private:
    void remplirListe(const QString &aSelectionner = QString());
    void ajouter();
    void valider();
    void supprimer();
    void restaurer();
    void choisirAffichage();
    void actualiserAffichage();
    void terminer();
    void signaler(const QString &titre, const QString &texte);

    QString dossier_;
    Plateforme plateforme_;
    QComboBox *cmbEleves_;
    QFrame *frameSaisie_;
    QLineEdit *txtEleve_;
    QPushButton *cmdOk_;
    QPushButton *cmdAjouter_;
    QPushButton *cmdSupprimer_;
    QPushButton *cmdRestaurer_;
    QPushButton *cmdAffichage_;
    QLabel *lblAffichage_;
    QPushButton *cmdTermine_;
};
