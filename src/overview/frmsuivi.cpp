#include "frmsuivi.h"

#include "colonnessuivi.h"
#include "data/dates.h"
#include "frmsuivieleve.h"
#include "modelesuivi.h"
#include "sortiessuivi.h"
#include "textessuivi.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentRun>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QTableView *creerTable(const char *nom, QAbstractItemModel *modele, QWidget *parent)
{
    auto *tri = new QSortFilterProxyModel(parent);
    tri->setSourceModel(modele);
    tri->setSortRole(kRoleTri);
    auto *table = new QTableView(parent);
    table->setObjectName(QLatin1String(nom));
    table->setModel(tri);
    table->setSortingEnabled(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionsClickable(true);
    return table;
}

// The colours of the bar, named, so it reads without guessing.
QWidget *creerLegende(QWidget *parent)
{
    auto *legende = new QWidget(parent);
    auto *ligne = new QHBoxLayout(legende);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->addWidget(new QLabel(TextesSuivi::legende, legende));
    for (const SegmentEtape &s : segmentsEtapes()) {
        auto *carre = new QLabel(legende);
        carre->setFixedSize(14, 14);
        carre->setStyleSheet(QStringLiteral("background: #%1; border: 1px solid #606060;")
                                 .arg(s.rgb, 6, 16, QLatin1Char('0')));
        ligne->addWidget(carre);
        ligne->addWidget(new QLabel(s.nom, legende));
        ligne->addSpacing(6);
    }
    ligne->addStretch(1);
    return legende;
}

} // namespace

FrmSuivi::FrmSuivi(const QString &dossierInstallation, const ListeMots &liste, Plateforme plateforme,
                   QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      plateforme_(plateforme),
      classe_(lireSuiviClasse(dossierInstallation, liste, plateforme.horloge->aujourdhui())),
      motsDifficiles_(compterMotsDifficiles(classe_))
{
    setObjectName(QStringLiteral("frmSuivi"));
    setWindowTitle(TextesSuivi::titre);

    onglets_ = new QTabWidget(this);
    onglets_->setObjectName(QStringLiteral("ongletsSuivi"));
    onglets_->addTab(construireClasse(), TextesSuivi::ongletClasse);
    onglets_->addTab(construireMotsDifficiles(), TextesSuivi::ongletMots);

    auto *cmdVoir = new QPushButton(TextesSuivi::voirEleve, this);
    cmdVoir->setObjectName(QStringLiteral("cmdVoirEleve"));
    auto *cmdImprimer = new QPushButton(TextesSuivi::imprimer, this);
    cmdImprimer->setObjectName(QStringLiteral("cmdImprimer"));
    auto *cmdExporter = new QPushButton(TextesSuivi::exporter, this);
    cmdExporter->setObjectName(QStringLiteral("cmdExporter"));
    auto *cmdFermer = new QPushButton(TextesSuivi::fermer, this);
    cmdFermer->setObjectName(QStringLiteral("cmdFermer"));
    auto *boutons = new QHBoxLayout;
    boutons->addWidget(cmdVoir);
    boutons->addStretch(1);
    for (QPushButton *b : {cmdImprimer, cmdExporter, cmdFermer}) {
        b->setAutoDefault(false);
        boutons->addWidget(b);
    }

    auto *page = new QVBoxLayout(this);
    page->addWidget(onglets_, 1);
    page->addLayout(boutons);

    connect(cmdVoir, &QPushButton::clicked, this, [this] {
        const QModelIndex courant = tblClasse_->currentIndex();
        ouvrirEleve(courant.isValid() ? courant.row() : 0);
    });
    connect(tblClasse_, &QTableView::doubleClicked, this, [this](const QModelIndex &i) { ouvrirEleve(i.row()); });
    connect(cmdImprimer, &QPushButton::clicked, this, &FrmSuivi::imprimer);
    connect(cmdExporter, &QPushButton::clicked, this, &FrmSuivi::exporter);
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::accept);
    resize(1100, 600);

    QStringList noms;
    for (const SuiviEleve &e : classe_.eleves)
        noms << e.nom;
    connect(&erreurs_, &QFutureWatcherBase::finished, this, &FrmSuivi::ajouterErreursLues);
    erreurs_.setFuture(QtConcurrent::run(resumerErreursClasse, dossierInstallation, noms));
}

FrmSuivi::~FrmSuivi()
{
    erreurs_.waitForFinished();
}

void FrmSuivi::attendreErreurs()
{
    erreurs_.waitForFinished();
    ajouterErreursLues();
}

void FrmSuivi::ajouterErreursLues()
{
    if (erreursAjoutees_)
        return;
    erreursAjoutees_ = true;
    ajouterErreurs(classe_, erreurs_.result());
    modele_->actualiser();
    afficherResume();
}

void FrmSuivi::afficherResume()
{
    lblResume_->setText(classe_.eleves.isEmpty() ? TextesSuivi::aucunEleve
                                                 : TextesSuivi::resume.arg(classe_.eleves.size())
                                                       .arg(texteDate(classe_.jour))
                                                       .arg(modele_->nombreASurveiller()));
}

QWidget *FrmSuivi::construireClasse()
{
    auto *zone = new QWidget(this);
    auto *colonne = new QVBoxLayout(zone);
    modele_ = new ModeleClasse(classe_, zone);

    lblResume_ = new QLabel(zone);
    lblResume_->setObjectName(QStringLiteral("lblResume"));
    afficherResume();
    colonne->addWidget(lblResume_);
    colonne->addWidget(new QLabel(TextesSuivi::consigne, zone));

    tblClasse_ = creerTable("tblClasse", modele_, zone);
    tri_ = static_cast<QSortFilterProxyModel *>(tblClasse_->model());
    const auto &colonnes = colonnesSuivi();
    for (size_t c = 0; c < colonnes.size(); ++c)
        if (colonnes[c].genre == ColonneSuivi::Genre::Barre)
            tblClasse_->setItemDelegateForColumn(int(c), new DelegueBarre(tblClasse_));
    tblClasse_->sortByColumn(0, Qt::AscendingOrder);
    tblClasse_->resizeColumnsToContents();
    tblClasse_->horizontalHeader()->setStretchLastSection(true);
    colonne->addWidget(tblClasse_, 1);
    colonne->addWidget(creerLegende(zone));
    return zone;
}

QWidget *FrmSuivi::construireMotsDifficiles()
{
    auto *zone = new QWidget(this);
    auto *colonne = new QVBoxLayout(zone);
    auto *consigne = new QLabel(TextesSuivi::consigneMots, zone);
    consigne->setWordWrap(true);
    colonne->addWidget(consigne);
    QTableView *table = creerTable("tblMotsDifficiles", new ModeleMotsDifficiles(motsDifficiles_, zone), zone);
    // Already hardest first; sorting starts when the teacher clicks a title.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    colonne->addWidget(table, 1);
    return zone;
}

void FrmSuivi::ouvrirEleve(int ligneAffichee)
{
    const QModelIndex source = tri_->mapToSource(tri_->index(ligneAffichee, 0));
    if (!source.isValid())
        return;
    attendreErreurs();
    auto *fenetre = new FrmSuiviEleve(modele_->eleve(source.row()), plateforme_, this);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->open();
}

void FrmSuivi::imprimer()
{
    attendreErreurs();
    QFont police = font();
    police.setPointSizeF(8);
    plateforme_.imprimante->imprimerHtml(this, htmlFeuilleClasse(classe_, motsDifficiles_), police, true);
}

void FrmSuivi::exporter()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir(documents).exists())
        documents = QDir::homePath();
    const QString propose = QDir(documents).filePath(
        TextesSuivi::nomExport.arg(classe_.jour.toString(QStringLiteral("yyyy-MM-dd"))));
    const QString chemin = plateforme_.messages->choisirFichierEnregistrement(this, TextesSuivi::titreExport,
                                                                               TextesSuivi::filtreExport, propose);
    if (chemin.isEmpty())
        return;
    attendreErreurs();
    const ResultatEcriture resultat = exporterCsvClasse(chemin, classe_);
    if (!resultat.ok)
        plateforme_.messages->information(this, TextesSuivi::titreExportEchoue, resultat.message());
    else
        plateforme_.messages->information(this, TextesSuivi::titreExport,
                                          TextesSuivi::exportReussi.arg(QDir::toNativeSeparators(chemin)));
}
