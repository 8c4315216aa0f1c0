#pragma once
// "Corbeille…": the recordings taken out of Sons (word, date, level when
// known), newest first; one can be heard, or put back in Sons and its word
// in the list. The folder's logic is Corbeille (data/corbeille.h).
#include "data/corbeille.h"
#include "platform/plateforme.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

class DialogueCorbeille : public QDialog {
    Q_OBJECT
public:
    // remis: the recording is back in Sons; the window puts the word back in
    // its list, true when it was not there.
    DialogueCorbeille(const QString &dossierInstallation, Plateforme plateforme,
                      std::function<bool(const EnregistrementJete &)> remis, QWidget *parent = nullptr);

    // Reads the folder again.
    void actualiser();

private:
    const EnregistrementJete *choisi() const;
    void ecouter();
    void remettre();

    Corbeille corbeille_;
    Plateforme plateforme_;
    std::function<bool(const EnregistrementJete &)> remis_;
    QList<EnregistrementJete> jetes_;
    QTreeWidget *lstCorbeille_ = nullptr;
    QLabel *lblVide_ = nullptr;
    QPushButton *cmdEcouter_ = nullptr;
    QPushButton *cmdRemettre_ = nullptr;
};
