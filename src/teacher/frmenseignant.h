#pragma once
// The teacher window: a level from 1 to 5 for each word of the sound library,
// as many rows at a time as the height allows (ten at least; a table over the
// list's model, see modelemots.h and vuemots.h), a filter on the
// words and their levels, a level for every word shown at once; a word can be
// heard, its recording replaced, or the word removed (its recording goes to
// Corbeille, from where "Corbeille…" puts it back); the exercise font; the pupil list panel. Levels and the font are
// saved when it closes; a removal is saved at once.
//
// The caller shows it maximized and modal with montrer() (or showMaximized()
// then exec()), then resets etat.accessGranted.
#include "data/listemots.h"
#include "platform/plateforme.h"
#include "data/etatprogramme.h"
#include "langue/tableslangue.h"

#include <QDialog>
#include <functional>
#include <QSet>
#include <memory>
#include <optional>
#include <vector>

struct EnregistrementJete;
class FiltreMots;
class ModeleMots;
class QHBoxLayout;
class QModelIndex;
class PanneauEleves;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class VueMots;

struct LignesMots;

class FrmEnseignant : public QDialog {
    Q_OBJECT
public:
    // The fewest rows shown, however low the window.
    static constexpr int kLignes = 10;

    // Opening: fills the font list, opens the word list (merged with the
    // recordings) and shows its first words. What the opening found wrong
    // is told at once through plateforme.messages.
    FrmEnseignant(EtatProgramme &etat, Plateforme plateforme, QWidget *parent = nullptr);

    // Shows the window maximized and waits until it is closed.
    int montrer();

    // How many rows the list shows now (kLignes at least).
    int lignes() const;

    const ListeMots &tableur() const { return tableur_; }

    // Puts words in the list: a new word at the end, a listed word given its
    // level when it has one; then saves Mots.dat at once (a failure is told).
    void ajouterMots(const ListeMots &mots);
    // What "Remplacer l'enregistrement..." does with a word; the action stays
    // hidden while none is given.
    void setRemplacer(std::function<void(const QString &mot)> remplacer);
    // What it does unless told otherwise: asks "voix de l'ordinateur",
    // "micro" or a sound file, writes the new recording, then moves the old
    // one to Corbeille.
    void remplacerEnregistrement(const QString &mot);

    // Every way out ("&Quitter", the close box) ends here: saves the word list
    // and the font. When a file cannot be written the window stays open unless
    // the teacher chooses to close without saving.
    void done(int resultat) override;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *objet, QEvent *e) override;

private:
    void construire();
    QWidget *construireLignes();
    QWidget *construireTextes();
    QWidget *construirePolice();
    void ouvrirListe();
    void construireMenu();
    void activer(const QModelIndex &index);
    void filtrer();
    // The list changed without the model (words added): the rows are read
    // again, row premiere of the words shown at the top.
    void filtrerSansDefiler(int premiere);
    // The entry of tableur_ that row r of the filter shows; -1 when none.
    qsizetype entree(int r) const;
    void ecouter(int r);
    void remplacer(int r);
    void supprimer(int r);
    void corrigerOrthographe(int r);
    // "Phrase…": the word's context sentence typed, changed or removed; a
    // new one is spoken into Phrases/<word>.wav.
    void modifierPhrase(int r);
    void garderPhrase(const QString &mot, const QString &phrase);
    void suivrePhrase(const QString &ancien, const QString &nouveau);
    // The other common words that sound like this one (none without the tables).
    QStringList homophonesDe(const QString &mot);
    // The mark of a word of the list: the words it sounds like while it has no sentence.
    QString marqueMot(const QString &mot);
    // Phrases.dat changed: the marks are made again.
    void relirePhrases();
    // "Corbeille…", and a word it puts back: true when it was not listed.
    void ouvrirCorbeille();
    bool remettreMot(const EnregistrementJete &jete);
    void donnerNiveauAuxMotsAffiches();

    void remplirPolices();
    void changerTextePolice(const QString &nom);
    void choisirPolice(const QString &nom);
    void appliquerPoliceMots(const QString &nom, double taille);

    bool enregistrer();

    void construireBoutonsMots(QHBoxLayout *boutons);
    void ouvrirAjoutMots(const LignesMots *fichier);
    void importerListe();

    EtatProgramme &etat_;
    Plateforme plateforme_;
    ListeMots tableur_;
    bool enregistre_ = false;

    std::function<void(const QString &)> remplacer_;
    // The language tables, read at their first question.
    std::unique_ptr<TablesLangue> langue_;
    std::optional<QSet<QString>> motsAvecPhrase_;   // read at the first mark

    ModeleMots *modele_ = nullptr;
    FiltreMots *filtre_ = nullptr;
    VueMots *vueMots_ = nullptr;
    QScrollBar *vscroll_ = nullptr;
    // One menu for every word: it acts on the row it was opened for.
    QMenu *menuMot_ = nullptr;
    QAction *actRemplacer_ = nullptr;
    int ligneMenu_ = -1;
    QLineEdit *txtFiltre_ = nullptr;
    QComboBox *cmbFiltreNiveau_ = nullptr;
    QComboBox *cmbNiveauTous_ = nullptr;
    QPushButton *cmdNiveauTous_ = nullptr;
    QComboBox *cmbPolices_ = nullptr;
    QLabel *lblTestPolice_ = nullptr;
    QLabel *lblTaille_ = nullptr;
    QPushButton *cmdAjouterMots_ = nullptr;
    QPushButton *cmdImporter_ = nullptr;
    QPushButton *cmdEleves_ = nullptr;
    QPushButton *cmdQuitter_ = nullptr;
    PanneauEleves *frameEleves_ = nullptr;
};
