#pragma once
// After a wrong answer: the answer typed above the right spelling, letter
// under letter, a missing letter shown as a gap, and each letter that differs
// marked three ways (a tinted box, a thick bar under it, a colour), so that a
// child who does not tell red from green still sees where.
#include "engine/alignement.h"

#include <QFont>
#include <QWidget>

class VueCorrection : public QWidget {
    Q_OBJECT
public:
    explicit VueCorrection(QWidget *parent = nullptr);

    // The exercise font; the view shrinks it only when a long word would
    // not fit.
    void setPolice(const QFont &police);
    void montrer(const QString &tapee, const QString &attendue);
    void montrer(const QList<CaseAlignee> &cases);

    // What is shown: the two lines (a gap as "_") and the columns marked.
    LignesAlignees lignes() const { return TexteAligne(cases_); }
    QList<int> colonnesMarquees() const;

protected:
    void paintEvent(QPaintEvent *evenement) override;

private:
    QFont policeAjustee(int largeurDispo) const;

    QFont police_;
    QList<CaseAlignee> cases_;
};
