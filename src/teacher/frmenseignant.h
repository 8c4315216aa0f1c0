#pragma once
// The teacher window: a level from 1 to 5 for each word of the sound library,
// ten words at a time; the exercise font; the pupil list panel. Everything it
// changes in the word list and the font is saved when it closes.
//
// The caller shows it maximized and modal with montrer() (or showMaximized()
// then exec()), then resets etat.accessGranted.
#include "data/listemots.h"
#include "platform/plateforme.h"
#include "shell/programme.h"

#include <QDialog>
#include <array>

class EtiquetteCliquable;
class QHBoxLayout;
class PanneauEleves;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

class FrmEnseignant : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLignes = 10;

    // Opening: fills the font list, opens the word list (merged with the
    // recordings) and shows its first ten words. What the opening found wrong
    // is told at once through plateforme.messages.
    FrmEnseignant(EtatProgramme &etat, Plateforme plateforme, QWidget *parent = nullptr);

    // Shows the window maximized and waits until it is closed.
    int montrer();

    // Fills the ten display rows from list row premiere; stops at the end of
    // the list, leaving the rows below as they were.
    void AfficherLignes(int premiere);
    // The background of level box k, from its text.
    void ColorerNiveau(int k);

    const ListeMots &tableur() const { return tableur_; }

    // Puts words in the list: a new word at the end, a listed word given its
    // level when it has one; then saves Mots.dat at once (a failure is told).
    void ajouterMots(const ListeMots &mots);

    // Every way out ("&Quitter", the close box) ends here: saves the word list
    // and the font. When a file cannot be written the window stays open unless
    // the teacher chooses to close without saving.
    void done(int resultat) override;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void construire();
    QWidget *construireLignes();
    QWidget *construireTextes();
    QWidget *construirePolice();
    void ouvrirListe();
    void cliquerNiveau(int k);
    void defiler(int valeur);

    void remplirPolices();
    void changerTextePolice(const QString &nom);
    void choisirPolice(const QString &nom);
    void appliquerPoliceMots(const QString &nom, double taille);

    bool enregistrer();

    void construireBoutonsMots(QHBoxLayout *boutons);
    void ouvrirAjoutMots(const QByteArray *fichier);
    void importerListe();

    EtatProgramme &etat_;
    Plateforme plateforme_;
    ListeMots tableur_;
    bool enregistre_ = false;

    std::array<QLabel *, kLignes> lblMot_{};
    std::array<EtiquetteCliquable *, kLignes> lbl1_{};
    QScrollBar *vscroll_ = nullptr;
    QComboBox *cmbPolices_ = nullptr;
    QLabel *lblTestPolice_ = nullptr;
    QLabel *lblTaille_ = nullptr;
    QPushButton *cmdAjouterMots_ = nullptr;
    QPushButton *cmdImporter_ = nullptr;
    QPushButton *cmdEleves_ = nullptr;
    QPushButton *cmdQuitter_ = nullptr;
    PanneauEleves *frameEleves_ = nullptr;
};
