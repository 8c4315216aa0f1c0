#pragma once
// The main window: first and last window of the program, with its three
// doors (pupil, teacher, quit) over a blue-to-cyan gradient.
#include "platform/plateforme.h"
#include "portes.h"
#include "data/etatprogramme.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;

class FrmOrthoval : public QWidget {
    Q_OBJECT
public:
    FrmOrthoval(EtatProgramme &etat, Plateforme plateforme, QWidget *parent = nullptr);

    // Tests hand in windows that do not block.
    void remplacerFenetres(FenetresModales fenetres);

    // Where the data are, in the information text.
    void afficherDossierDonnees(const QString &texte);

    // The pupils listed at start-up or at the last activation.
    const QStringList &eleves() const { return eleves_; }

signals:
    // The window has been painted once: what it does not need to look
    // right can follow.
    void affichee();

protected:
    bool event(QEvent *evenement) override;
    void paintEvent(QPaintEvent *evenement) override;

private:
    void construire();
    void demarrer();
    void activer();
    void afficherPolice();
    void cliquerEleve();
    void cliquerMaitre();
    void ouvrirPorteEnseignant();
    void finirAffichage();

    EtatProgramme &etat_;
    Plateforme plateforme_;
    FenetresModales fenetres_;
    QStringList eleves_;

    QPushButton *cmdEleve_ = nullptr;
    QPushButton *cmdMaitre_ = nullptr;
    QPushButton *cmdQuitter_ = nullptr;
    QLabel *lblPolice_ = nullptr;
    QLabel *lblDonnees_ = nullptr;
    QLabel *lblDocumentation_ = nullptr;
    bool peinte_ = false;
};
