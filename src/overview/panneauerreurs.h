#pragma once
// One pupil's mistakes for the teacher: the totals by kind at the top, then
// the newest wrong answers, each written above the right spelling letter by
// letter with the differing letters marked (colour, bold and underline, so a
// black and white print shows them too), and what kind of mistake it is.
#include "engine/erreurs.h"

#include <QWidget>

class QLabel;
class QVBoxLayout;

class PanneauErreurs : public QWidget {
    Q_OBJECT
public:
    explicit PanneauErreurs(QWidget *parent = nullptr);

    // Reads the pupil's journal in the data folder and shows its mistakes.
    void AfficherEleve(const QString &dossier, const QString &eleve, int maxRecentes = 30);
    // Shows mistakes already summed (for instance in the background).
    void AfficherBilan(const QString &eleve, const BilanErreurs &bilan);

    const BilanErreurs &bilan() const { return bilan_; }

private:
    QWidget *construireLigne(const ErreurRecente &erreur);

    BilanErreurs bilan_;
    QLabel *lblTitre_ = nullptr;
    QLabel *lblIncomplet_ = nullptr;
    QLabel *lblSommes_ = nullptr;
    QWidget *liste_ = nullptr;
    QVBoxLayout *lignes_ = nullptr;
};

// The two aligned lines as rich text: the answer above, the word below, a
// missing letter shown as a gap, each differing letter marked.
QString texteAlignementRiche(const QString &tapee, const QString &attendue);
