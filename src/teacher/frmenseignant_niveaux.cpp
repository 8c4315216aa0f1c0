// The ten display rows of the teacher window and their level boxes.
#include "platform/etiquettecliquable.h"
#include "frmenseignant.h"
#include "niveaux.h"
#include "textesenseignant.h"

#include <QGridLayout>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
// Lets the mouse wheel over the rows move the scroll bar.
class ZoneLignes : public QWidget {
public:
    using QWidget::QWidget;
    QScrollBar *barre = nullptr;

protected:
    void wheelEvent(QWheelEvent *e) override
    {
        if (barre && barre->isEnabled()) {
            const int crans = e->angleDelta().y() / 120;
            barre->setValue(barre->value() - crans * barre->singleStep());
        }
        e->accept();
    }
};
}  // namespace

QWidget *FrmEnseignant::construireLignes()
{
    auto *zone = new ZoneLignes(this);
    zone->setObjectName(QStringLiteral("zoneLignes"));
    auto *grille = new QGridLayout(zone);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->setHorizontalSpacing(6);
    grille->setVerticalSpacing(3);

    QFont policeNiveau(QStringLiteral("Comic Sans MS"));
    policeNiveau.setPointSizeF(14.25);
    policeNiveau.setBold(true);

    // Tall enough for a line of the exercise font at its largest size.
    const int hauteurLigne = std::max(30, logicalDpiY() * 435 / 1440 + 2);
    for (int k = 0; k < kLignes; ++k) {
        auto *mot = new QLabel(zone);
        mot->setObjectName(QStringLiteral("lblMot_%1").arg(k));
        mot->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        mot->setMinimumHeight(hauteurLigne);
        mot->setMinimumWidth(120);
        mot->setTextFormat(Qt::PlainText);
        QPalette rouge = mot->palette();
        rouge.setColor(QPalette::WindowText, QColor(255, 0, 0));
        mot->setPalette(rouge);
        lblMot_[k] = mot;

        auto *niveau = new EtiquetteCliquable(zone);
        niveau->setObjectName(QStringLiteral("lbl1_%1").arg(k));
        niveau->setFrameShape(QFrame::Box);
        niveau->setAlignment(Qt::AlignCenter);
        niveau->setFont(policeNiveau);
        niveau->setToolTip(TextesEnseignant::bulleNiveau);
        niveau->setAutoFillBackground(true);
        niveau->setFixedSize(44, hauteurLigne);
        niveau->setCursor(Qt::PointingHandCursor);
        QPalette bleu = niveau->palette();
        bleu.setColor(QPalette::WindowText, QColor(0, 0, 255));
        niveau->setPalette(bleu);
        lbl1_[k] = niveau;

        grille->addWidget(mot, k, 0);
        grille->addWidget(niveau, k, 1);
        connect(niveau, &EtiquetteCliquable::clique, this, [this, k] { cliquerNiveau(k); });
    }

    vscroll_ = new QScrollBar(Qt::Vertical, zone);
    vscroll_->setObjectName(QStringLiteral("VScroll"));
    vscroll_->setSingleStep(1);
    vscroll_->setPageStep(kLignes);
    grille->addWidget(vscroll_, 0, 2, kLignes, 1);
    grille->setColumnStretch(0, 1);
    zone->barre = vscroll_;
    connect(vscroll_, &QScrollBar::valueChanged, this, &FrmEnseignant::defiler);
    return zone;
}

void FrmEnseignant::AfficherLignes(int premiere)
{
    for (int k = 0; k < kLignes; ++k) {
        const qsizetype r = qsizetype(premiere) + k;
        if (r < 0 || r >= tableur_.size())
            return;
        lblMot_[k]->setText(tableur_.at(r).mot);
        lbl1_[k]->setText(tableur_.at(r).niveau);
    }
}

void FrmEnseignant::ColorerNiveau(int k)
{
    QLabel *boite = lbl1_.at(k);
    QPalette p = boite->palette();
    p.setColor(QPalette::Window, couleurNiveau(boite->text()).value_or(palette().color(QPalette::Window)));
    boite->setPalette(p);
}

void FrmEnseignant::cliquerNiveau(int k)
{
    const QString mot = lblMot_[k]->text();
    if (mot.isEmpty())
        return;
    const QString niveau = niveauSuivant(lbl1_[k]->text());
    lbl1_[k]->setText(niveau);
    ColorerNiveau(k);
    affecterNiveau(tableur_, mot, niveau);
}

void FrmEnseignant::defiler(int valeur)
{
    AfficherLignes(valeur);
    for (int k = 0; k < kLignes; ++k)
        ColorerNiveau(k);
}
