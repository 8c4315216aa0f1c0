#pragma once
// "Suivi des élèves": the class at a glance, in the teacher module. One row
// per pupil with a bar drawing his words at each step, or, on demand, the
// count at each step (either way the table fits a 1366x768 screen);
// the words the class finds hard; printing the class sheet and exporting the
// table. Double-clicking a pupil opens his words one by one. Reads the
// pupils' files once, when it opens; writes none of them. The counts come
// at once; the mistakes by kind follow a moment later, read in the background
// (printing, exporting or opening a pupil waits for them).
#include "data/listemots.h"
#include "platform/plateforme.h"
#include "suiviclasse.h"

#include <QDialog>
#include <QFutureWatcher>

class ModeleClasse;
class ModeleMotsDifficiles;
class QCheckBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTabWidget;

class FrmSuivi : public QDialog {
    Q_OBJECT
public:
    // liste: the word list as the teacher has it now (levels not yet saved included).
    FrmSuivi(const QString &dossierInstallation, const ListeMots &liste, Plateforme plateforme,
             QWidget *parent = nullptr);
    // phonemes: how the mistakes' sounds are compared (the synthesizer's above).
    FrmSuivi(const QString &dossierInstallation, const ListeMots &liste, Plateforme plateforme,
             SourcePhonemes phonemes, QWidget *parent = nullptr);
    ~FrmSuivi() override;

    const SuiviClasse &classe() const { return classe_; }
    // The tabs ("La classe", "Mots difficiles"), for views added later.
    QTabWidget *onglets() const { return onglets_; }

    // Opens the pupil shown at this row of the class table (after sorting).
    void ouvrirEleve(int ligneAffichee);
    void imprimer();
    void exporter();
    // Returns once the pupils' mistakes are in the table.
    void attendreErreurs();
    // Shows or hides the step-by-step counts in the class table.
    void afficherEtapes(bool afficher);

private:
    void ajouterErreursLues();
    void afficherResume();

    QWidget *construireClasse();
    QWidget *construireMotsDifficiles();

    Plateforme plateforme_;
    SuiviClasse classe_;
    QList<MotDifficile> motsDifficiles_;
    ModeleClasse *modele_ = nullptr;
    ModeleMotsDifficiles *modeleMots_ = nullptr;
    QCheckBox *chkEtapes_ = nullptr;
    QSortFilterProxyModel *tri_ = nullptr;
    QTabWidget *onglets_ = nullptr;
    QTableView *tblClasse_ = nullptr;
    QTableView *tblMots_ = nullptr;
    QLabel *lblResume_ = nullptr;
    QFutureWatcher<QList<BilanErreurs>> erreurs_;
    bool erreursAjoutees_ = false;
};
