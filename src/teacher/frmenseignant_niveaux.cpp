// The word rows of the teacher window, as many as its height allows, with
// the filters above them and "give this level to every word shown".
#include "frmenseignant.h"
#include "modelemots.h"
#include "niveaux.h"
#include "textesenseignant.h"
#include "vuemots.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>

namespace {
constexpr int kEspaceLignes = 3;
}  // namespace

QWidget *FrmEnseignant::construireLignes()
{
    auto *bloc = new QWidget(this);
    auto *colonne = new QVBoxLayout(bloc);
    colonne->setContentsMargins(0, 0, 0, 0);

    txtFiltre_ = new QLineEdit(bloc);
    txtFiltre_->setObjectName(QStringLiteral("txtFiltre"));
    txtFiltre_->setPlaceholderText(TextesEnseignant::filtreIndication);
    txtFiltre_->setToolTip(TextesEnseignant::bulleFiltre);
    txtFiltre_->setClearButtonEnabled(true);
    auto *lblFiltre = new QLabel(TextesEnseignant::filtre, bloc);
    lblFiltre->setBuddy(txtFiltre_);
    cmbFiltreNiveau_ = new QComboBox(bloc);
    cmbFiltreNiveau_->setObjectName(QStringLiteral("cmbFiltreNiveau"));
    cmbFiltreNiveau_->setToolTip(TextesEnseignant::bulleFiltreNiveau);
    cmbFiltreNiveau_->addItem(TextesEnseignant::tousNiveaux);
    cmbNiveauTous_ = new QComboBox(bloc);
    cmbNiveauTous_->setObjectName(QStringLiteral("cmbNiveauTous"));
    for (const QString &niveau : kNiveaux) {
        const QString nom = niveau.isEmpty() ? TextesEnseignant::sansNiveau : TextesEnseignant::niveauN.arg(niveau);
        cmbFiltreNiveau_->addItem(nom);
        cmbNiveauTous_->addItem(nom);
    }
    cmbNiveauTous_->setCurrentIndex(1);
    cmdNiveauTous_ = new QPushButton(TextesEnseignant::donnerNiveau, bloc);
    cmdNiveauTous_->setObjectName(QStringLiteral("cmdNiveauTous"));
    cmdNiveauTous_->setToolTip(TextesEnseignant::bulleDonnerNiveau);
    cmdNiveauTous_->setAutoDefault(false);

    auto *filtres = new QHBoxLayout;
    filtres->addWidget(lblFiltre);
    filtres->addWidget(txtFiltre_, 1);
    filtres->addWidget(cmbFiltreNiveau_);
    auto *tous = new QHBoxLayout;
    tous->addStretch(1);
    tous->addWidget(cmdNiveauTous_);
    tous->addWidget(cmbNiveauTous_);
    colonne->addLayout(filtres);
    colonne->addLayout(tous);

    modele_ = new ModeleMots(tableur_, this);
    modele_->setMarque([this](const QString &mot) { return marqueMot(mot); });
    filtre_ = new FiltreMots(this);
    filtre_->setSourceModel(modele_);
    vueMots_ = new VueMots(bloc);
    vueMots_->setObjectName(QStringLiteral("vueMots"));
    vueMots_->setModel(filtre_);
    // Tall enough for a line of the exercise font at its largest size.
    const int hauteur = std::max(30, logicalDpiY() * 435 / 1440 + 2) + kEspaceLignes;
    vueMots_->setHauteurLigne(hauteur);
    vueMots_->setMinimumSize(120 + VueMots::kLargeurNiveau + 2 * VueMots::kLargeurBouton + 40, kLignes * hauteur);
    vueMots_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    vueMots_->viewport()->installEventFilter(this);
    colonne->addWidget(vueMots_, 1);
    vscroll_ = vueMots_->verticalScrollBar();
    construireMenu();

    connect(vueMots_, &VueMots::active, this, &FrmEnseignant::activer);
    connect(txtFiltre_, &QLineEdit::textChanged, this, &FrmEnseignant::filtrer);
    connect(cmbFiltreNiveau_, &QComboBox::currentIndexChanged, this, &FrmEnseignant::filtrer);
    connect(cmdNiveauTous_, &QPushButton::clicked, this, &FrmEnseignant::donnerNiveauAuxMotsAffiches);
    // Nothing to give a level to while no word is shown.
    const auto suivre = [this] { cmdNiveauTous_->setEnabled(filtre_->rowCount() > 0); };
    connect(filtre_, &QAbstractItemModel::modelReset, this, suivre);
    connect(filtre_, &QAbstractItemModel::layoutChanged, this, suivre);
    connect(filtre_, &QAbstractItemModel::rowsRemoved, this, suivre);
    connect(filtre_, &QAbstractItemModel::rowsInserted, this, suivre);
    return bloc;
}

int FrmEnseignant::lignes() const { return std::max(kLignes, vueMots_->lignesVisibles()); }

qsizetype FrmEnseignant::entree(int r) const { return filtre_->rangListe(r); }

// Each column of a row does what its widget did: the word and the
// loudspeaker play it, the level box takes the next level, "…" opens the menu.
void FrmEnseignant::activer(const QModelIndex &index)
{
    const int r = index.row();
    const qsizetype rang = entree(r);
    if (rang < 0)
        return;
    switch (index.column()) {
    case ModeleMots::ColonneNiveau: modele_->cyclerNiveau(int(rang)); break;
    case ModeleMots::ColonneActions:
        ligneMenu_ = r;
        menuMot_->popup(vueMots_->placeMenu(r));
        break;
    default: ecouter(r);
    }
}

// The tooltip of the cell under the mouse, as each widget of a row had its own.
bool FrmEnseignant::eventFilter(QObject *objet, QEvent *e)
{
    if (objet == vueMots_->viewport() && e->type() == QEvent::ToolTip) {
        auto *aide = static_cast<QHelpEvent *>(e);
        const QModelIndex index = vueMots_->indexAt(aide->pos());
        static const QString bulles[] = {TextesEnseignant::bulleMot, TextesEnseignant::bulleNiveau,
                                         TextesEnseignant::bulleEcouter, TextesEnseignant::bulleActions};
        if (index.isValid())
            QToolTip::showText(aide->globalPos(), bulles[index.column()], vueMots_->viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QDialog::eventFilter(objet, e);
}

void FrmEnseignant::filtrer()
{
    filtre_->setFiltres(txtFiltre_->text(), cmbFiltreNiveau_->currentIndex());
    vueMots_->scrollToTop();
}

void FrmEnseignant::filtrerSansDefiler(int premiere)
{
    modele_->recharger();
    vscroll_->setValue(premiere);
}

void FrmEnseignant::donnerNiveauAuxMotsAffiches()
{
    const int montres = filtre_->rowCount();
    if (montres == 0)
        return;
    const QString niveau = kNiveaux.value(cmbNiveauTous_->currentIndex());
    const QString question = niveau.isEmpty() ? TextesEnseignant::confirmerSansNiveau.arg(montres)
                                              : TextesEnseignant::confirmerNiveau.arg(niveau).arg(montres);
    if (!plateforme_.messages->question(this, TextesEnseignant::titreDonnerNiveau, question))
        return;
    // The words stay shown, with their new level, until the filters change.
    filtre_->donnerNiveau(niveau);
}
