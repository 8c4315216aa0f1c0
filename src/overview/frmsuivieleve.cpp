#include "frmsuivieleve.h"

#include "colonnessuivi.h"
#include "data/dates.h"
#include "engine/etapes.h"
#include "engine/selection.h"
#include "modelesuivi.h"
#include "panneauerreurs.h"
#include "engine/rapport.h"
#include "textessuivi.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <optional>

namespace {

enum Colonne { kMot, kEtape, kNiveau, kDate, kRevoir, kNombreColonnes };
inline constexpr int kRoleEtape = Qt::UserRole + 2;
// In the level filter: the rows whose level is not one of 1 to 5.
const QString kAucunNiveau = QStringLiteral("-");

// Keeps the rows of one step and one level (empty: any).
class FiltreMots : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    int etape = -1;
    QString niveau;
    void changer(int e, const QString &n)
    {
        etape = e;
        niveau = n;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int ligne, const QModelIndex &parent) const override
    {
        const QAbstractItemModel *m = sourceModel();
        if (etape >= 0 && m->index(ligne, kEtape, parent).data(kRoleEtape).toInt() != etape)
            return false;
        if (niveau.isEmpty())
            return true;
        const QString n = m->index(ligne, kNiveau, parent).data().toString();
        return niveau == kAucunNiveau ? !niveauValide(n) : n == niveau;
    }
};

// The day a waiting word comes back in the exercise: the first day the
// selection's own rule finds its wait over (today when it already is).
std::optional<QDate> dateRetour(const LigneProgression &ligne, int etape, const QDate &aujourdhui)
{
    if (etape < kEtapeUnJour || etape > kEtapeUnMois)
        return std::nullopt;
    // A month's wait, with room for the longest month.
    constexpr int kAttenteMaximale = 32;
    for (int jours = 0; jours <= kAttenteMaximale; ++jours)
        if (const QDate jour = aujourdhui.addDays(jours); attenteFinie(ligne, jour))
            return jour;
    return std::nullopt;
}

QStandardItemModel *creerModele(const SuiviEleve &eleve, const QDate &aujourdhui, QObject *parent)
{
    const TableProgression &table = eleve.table;
    QStringList mots;
    for (int r = 0; r < table.nombreLignes(); ++r)
        if (const int etape = table.etapeDeLigne(r); etape >= 0)
            mots << table.cellule(r, etape);
    const QHash<QString, int> rangs = rangsAlphabetiques(mots);
    auto *modele = new QStandardItemModel(0, kNombreColonnes, parent);
    modele->setHorizontalHeaderLabels({TextesSuivi::colMot, TextesSuivi::etape.chopped(2), TextesSuivi::colNiveau,
                                       TextesSuivi::colDate, TextesSuivi::colRevoir});
    modele->horizontalHeaderItem(kDate)->setToolTip(TextesSuivi::bulleDate);
    modele->horizontalHeaderItem(kRevoir)->setToolTip(TextesSuivi::bulleRevoir);
    for (int r = 0; r < table.nombreLignes(); ++r) {
        const int etape = table.etapeDeLigne(r);
        if (etape < 0)
            continue;
        // A word never met carries the day it came into the list, which
        // says nothing about the pupil: no date.
        const QString date = etape == kEtapeNouveau ? QString() : table.cellule(r, kColonneDate);
        auto *mot = new QStandardItem(table.cellule(r, etape));
        mot->setData(rangs.value(table.cellule(r, etape)), kRoleTri);
        auto *nom = new QStandardItem(nomEtape(etape));
        nom->setData(etape, kRoleEtape);
        nom->setData(etape, kRoleTri);
        auto *niveau = new QStandardItem(table.cellule(r, kColonneNiveau));
        niveau->setData(table.cellule(r, kColonneNiveau), kRoleTri);
        auto *jour = new QStandardItem(date);
        jour->setData(lireDate(date), kRoleTri);
        const std::optional<QDate> retour = dateRetour(table.ligne(r), etape, aujourdhui);
        auto *revoir = new QStandardItem(!retour ? QString()
                                         : *retour <= aujourdhui ? TextesSuivi::revoirAujourdhui
                                                                 : TextesSuivi::revoirLe.arg(texteDate(*retour)));
        revoir->setData(retour ? QVariant(*retour) : QVariant(), kRoleTri);
        modele->appendRow({mot, nom, niveau, jour, revoir});
    }
    return modele;
}

} // namespace

FrmSuiviEleve::FrmSuiviEleve(const SuiviEleve &eleve, Plateforme plateforme, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      eleve_(eleve), plateforme_(plateforme)
{
    setObjectName(QStringLiteral("frmSuiviEleve"));
    setWindowTitle(TextesSuivi::titreEleve.arg(eleve.nom));

    auto *page = new QVBoxLayout(this);
    if (eleve.etat != SuiviEleve::Etat::Lu) {
        auto *avis = new QLabel(eleve.lisible() ? TextesSuivi::fichierAbime.arg(eleve.nom)
                                                : TextesSuivi::fichierIllisible.arg(eleve.nom, eleve.raison),
                                this);
        avis->setObjectName(QStringLiteral("lblAvis"));
        avis->setWordWrap(true);
        avis->setStyleSheet(QStringLiteral("background: rgb(255,228,200); padding: 4px;"));
        page->addWidget(avis);
    }

    auto *zone = new QWidget(this);
    auto *colonne = new QVBoxLayout(zone);
    auto *filtres = new QHBoxLayout;
    cmbEtape_ = new QComboBox(zone);
    cmbEtape_->setObjectName(QStringLiteral("cmbEtape"));
    cmbEtape_->addItem(TextesSuivi::toutesEtapes, -1);
    for (const SegmentEtape &s : segmentsEtapes())
        cmbEtape_->addItem(s.nom, s.etape);
    cmbNiveau_ = new QComboBox(zone);
    cmbNiveau_->setObjectName(QStringLiteral("cmbNiveau"));
    cmbNiveau_->addItem(TextesSuivi::tousNiveaux, QString());
    for (int n = 1; n <= 5; ++n)
        cmbNiveau_->addItem(TextesSuivi::niveauN.arg(n), QString::number(n));
    cmbNiveau_->addItem(TextesSuivi::sansNiveau, kAucunNiveau);
    lblCompte_ = new QLabel(zone);
    lblCompte_->setObjectName(QStringLiteral("lblCompte"));
    filtres->addWidget(new QLabel(TextesSuivi::etape, zone));
    filtres->addWidget(cmbEtape_);
    filtres->addSpacing(12);
    filtres->addWidget(new QLabel(TextesSuivi::niveau, zone));
    filtres->addWidget(cmbNiveau_);
    filtres->addStretch(1);
    filtres->addWidget(lblCompte_);
    colonne->addLayout(filtres);

    filtre_ = new FiltreMots(this);
    filtre_->setSourceModel(creerModele(eleve, plateforme.horloge->aujourdhui(), this));
    filtre_->setSortRole(kRoleTri);
    tblMots_ = new QTableView(zone);
    tblMots_->setObjectName(QStringLiteral("tblMots"));
    tblMots_->setModel(filtre_);
    tblMots_->setSortingEnabled(true);
    tblMots_->sortByColumn(kEtape, Qt::DescendingOrder);
    tblMots_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblMots_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblMots_->verticalHeader()->hide();
    tblMots_->horizontalHeader()->setStretchLastSection(true);
    tblMots_->resizeColumnsToContents();
    colonne->addWidget(tblMots_, 1);

    onglets_ = new QTabWidget(this);
    onglets_->setObjectName(QStringLiteral("ongletsEleve"));
    onglets_->addTab(zone, TextesSuivi::ongletMotsEleve);
    // Built when first shown: thirty aligned answers cost more than the words.
    auto *pageErreurs = new QWidget(this);
    auto *zoneErreurs = new QVBoxLayout(pageErreurs);
    zoneErreurs->setContentsMargins(0, 0, 0, 0);
    onglets_->addTab(pageErreurs, TextesSuivi::ongletErreurs);
    connect(onglets_, &QTabWidget::currentChanged, this, [this, pageErreurs, zoneErreurs](int) {
        if (onglets_->currentWidget() != pageErreurs || zoneErreurs->count() > 0)
            return;
        auto *erreurs = new PanneauErreurs(pageErreurs);
        erreurs->setObjectName(QStringLiteral("panneauErreurs"));
        erreurs->AfficherBilan(eleve_.nom, eleve_.erreurs);
        zoneErreurs->addWidget(erreurs);
    });
    page->addWidget(onglets_, 1);

    auto *cmdImprimer = new QPushButton(TextesSuivi::imprimerBilan, this);
    cmdImprimer->setObjectName(QStringLiteral("cmdImprimerBilan"));
    cmdImprimer->setToolTip(TextesSuivi::bulleImprimerBilan);
    cmdImprimer->setEnabled(eleve.lisible());
    auto *cmdFermer = new QPushButton(TextesSuivi::fermer, this);
    cmdFermer->setObjectName(QStringLiteral("cmdFermer"));
    auto *boutons = new QHBoxLayout;
    boutons->addStretch(1);
    for (QPushButton *b : {cmdImprimer, cmdFermer}) {
        b->setAutoDefault(false);
        boutons->addWidget(b);
    }
    page->addLayout(boutons);

    connect(cmbEtape_, &QComboBox::currentIndexChanged, this, &FrmSuiviEleve::filtrer);
    connect(cmbNiveau_, &QComboBox::currentIndexChanged, this, &FrmSuiviEleve::filtrer);
    connect(cmdImprimer, &QPushButton::clicked, this, &FrmSuiviEleve::imprimerBilan);
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::accept);
    filtrer();
    resize(640, 560);
}

int FrmSuiviEleve::motsAffiches() const
{
    return filtre_->rowCount();
}

void FrmSuiviEleve::filtrer()
{
    static_cast<FiltreMots *>(filtre_)->changer(cmbEtape_->currentData().toInt(), cmbNiveau_->currentData().toString());
    lblCompte_->setText(TextesSuivi::compteMots.arg(filtre_->rowCount()).arg(filtre_->sourceModel()->rowCount()));
}

// The report of the pupil window, in its font.
void FrmSuiviEleve::imprimerBilan()
{
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(9.75);
    plateforme_.imprimante->imprimer(this, composerRapport(eleve_.table, eleve_.nom, plateforme_.horloge->aujourdhui()),
                                     police);
}
