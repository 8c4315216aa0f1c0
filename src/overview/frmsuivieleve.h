#pragma once
// One pupil, word by word: each word with its step, level and date, filtered
// by step and level; his printed report, the one his own window prints. The
// words sit in the first tab, his mistakes (from his answer journal) in the
// second.
#include "platform/plateforme.h"
#include "suiviclasse.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

class FrmSuiviEleve : public QDialog {
    Q_OBJECT
public:
    // eleve must outlive the window (the overview owns it).
    FrmSuiviEleve(const SuiviEleve &eleve, Plateforme plateforme, QWidget *parent = nullptr);

    QTabWidget *onglets() const { return onglets_; }
    // Rows shown with the filters as they are.
    int motsAffiches() const;
    void imprimerBilan();

private:
    void filtrer();

    const SuiviEleve &eleve_;
    Plateforme plateforme_;
    QTabWidget *onglets_ = nullptr;
    QComboBox *cmbEtape_ = nullptr;
    QComboBox *cmbNiveau_ = nullptr;
    QLabel *lblCompte_ = nullptr;
    QTableView *tblMots_ = nullptr;
    QSortFilterProxyModel *filtre_ = nullptr;
};
