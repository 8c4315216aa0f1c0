#pragma once
// Recording one word with the microphone: the teacher records, listens,
// starts again as often as needed, and keeps the take as Sons/<word>.wav,
// its silences trimmed and its loudness that of the other words.
#include "platform/plateforme.h"

#include <QDialog>
#include <QTemporaryDir>
#include <span>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

class DialogueEnregistrement : public QDialog {
    Q_OBJECT
public:
    DialogueEnregistrement(const QString &dossierInstallation, const QString &mot, Plateforme plateforme,
                           QWidget *parent = nullptr);
    ~DialogueEnregistrement() override;

    // The file "Garder" wrote (Sons/<word>.wav); empty until then.
    QString cheminEnregistrement() const { return cheminEcrit_; }

    void done(int resultat) override;

private:
    void construire();
    void commencerEnregistrement();
    void arreterEnregistrement();
    void recevoirEchantillons(std::span<const qint16> echantillons, double niveau);
    void ecouterPrise();
    void recommencerPrise();
    void garderPrise();
    void actualiserBoutons();

    QString dossierInstallation_;
    QString mot_;
    Plateforme plateforme_;
    QString raisonSansMicro_;        // why nothing can be recorded; empty when it can
    bool enCours_ = false;
    std::vector<qint16> brut_;       // the take as heard
    std::vector<qint16> prise_;      // the take trimmed and normalised
    QTemporaryDir dossierEcoute_;    // where a take is written to be heard
    int prisesEcoutees_ = 0;
    QString cheminEcrit_;

    QLabel *lblEtat_ = nullptr;
    QProgressBar *barNiveau_ = nullptr;
    QPushButton *cmdEnregistrer_ = nullptr;
    QPushButton *cmdArreter_ = nullptr;
    QPushButton *cmdEcouter_ = nullptr;
    QPushButton *cmdRecommencer_ = nullptr;
    QPushButton *cmdGarder_ = nullptr;
    QPushButton *cmdAnnuler_ = nullptr;
};
