#include "frmsuivi.h"

#include "platform/synthesechargee.h"
#include "colonnessuivi.h"
#include "data/dates.h"
#include "frmsuivieleve.h"
#include "modelesuivi.h"
#include "sortiessuivi.h"
#include "textessuivi.h"

#include <QCheckBox>
#include <QDir>
#include <QScreen>
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
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setWordWrap(true);
    table->horizontalHeader()->setSectionsClickable(true);
    return table;
}

// Each column as wide as its title and values; the last one (the remarks, in
// the class table) takes what is left of the width and wraps its text, so the
// table never needs sideways scrolling for it.
void ajusterColonnes(QTableView *table)
{
    QHeaderView *titres = table->horizontalHeader();
    const int derniere = titres->count() - 1;
    for (int c = 0; c < derniere; ++c)
        table->resizeColumnToContents(c);
    if (derniere >= 0)
        titres->setSectionResizeMode(derniere, QHeaderView::Stretch);
}

// The colours of the bar, named, so it reads without guessing; one label
// that wraps between entries when the window is narrow.
QWidget *creerLegende(QWidget *parent)
{
    QStringList entrees;
    for (const SegmentEtape &s : segmentsEtapes())
        entrees << QStringLiteral("<span style=\"background-color:#%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>&nbsp;%2")
                       .arg(s.rgb, 6, 16, QLatin1Char('0'))
                       .arg(s.nom.toHtmlEscaped().replace(u' ', QStringLiteral("&nbsp;")));
    auto *legende = new QLabel(TextesSuivi::legende.toHtmlEscaped() + QStringLiteral(" &nbsp; ")
                                   + entrees.join(QStringLiteral(" &nbsp; ")),
                               parent);
    legende->setObjectName(QStringLiteral("lblLegende"));
    legende->setTextFormat(Qt::RichText);
    legende->setWordWrap(true);
    return legende;
}

} // namespace

FrmSuivi::FrmSuivi(const QString &dossierInstallation, const ListeMots &liste, Plateforme plateforme,
                   QWidget *parent)
    : FrmSuivi(dossierInstallation, liste, plateforme, phonemesDuProgramme(), parent)
{
}

FrmSuivi::FrmSuivi(const QString &dossierInstallation, const ListeMots &liste, Plateforme plateforme,
                   SourcePhonemes phonemes, QWidget *parent)
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
    // As large as a small laptop's screen allows, no larger than needed.
    const QRect ecran = screen()->availableGeometry();
    resize(std::min(1200, ecran.width()), std::min(680, ecran.height()));

    QStringList noms;
    for (const SuiviEleve &e : classe_.eleves)
        noms << e.nom;
    connect(&erreurs_, &QFutureWatcherBase::finished, this, &FrmSuivi::ajouterErreursLues);
    erreurs_.setFuture(QtConcurrent::run([dossierInstallation, noms, phonemes] {
        return resumerErreursClasse(dossierInstallation, noms, phonemes);
    }));
}

FrmSuivi::~FrmSuivi()
{
    erreurs_.waitForFinished();
    // The tables read the class while they hide, which QDialog does after
    // the class is gone: they go first.
    delete onglets_;
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
    // The journals tell which words were missed, and how often.
    motsDifficiles_ = compterMotsDifficiles(classe_);
    modeleMots_->changer(motsDifficiles_);
    ajusterColonnes(tblMots_);
    ajusterColonnes(tblClasse_);
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
    auto *ligne = new QHBoxLayout;
    ligne->addWidget(new QLabel(TextesSuivi::consigne, zone));
    ligne->addStretch(1);
    chkEtapes_ = new QCheckBox(TextesSuivi::afficherEtapes, zone);
    chkEtapes_->setObjectName(QStringLiteral("chkEtapes"));
    chkEtapes_->setToolTip(TextesSuivi::bulleAfficherEtapes);
    ligne->addWidget(chkEtapes_);
    colonne->addLayout(ligne);

    tblClasse_ = creerTable("tblClasse", modele_, zone);
    tri_ = static_cast<QSortFilterProxyModel *>(tblClasse_->model());
    const auto &colonnes = colonnesSuivi();
    for (size_t c = 0; c < colonnes.size(); ++c)
        if (colonnes[c].genre == ColonneSuivi::Genre::Barre)
            tblClasse_->setItemDelegateForColumn(int(c), new DelegueBarre(tblClasse_));
    tblClasse_->sortByColumn(0, Qt::AscendingOrder);
    afficherEtapes(false);
    connect(chkEtapes_, &QCheckBox::toggled, this, &FrmSuivi::afficherEtapes);
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
    modeleMots_ = new ModeleMotsDifficiles(motsDifficiles_, zone);
    QTableView *table = creerTable("tblMotsDifficiles", modeleMots_, zone);
    tblMots_ = table;
    // Already hardest first; sorting starts when the teacher clicks a title.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ajusterColonnes(table);
    colonne->addWidget(table, 1);
    return zone;
}

void FrmSuivi::afficherEtapes(bool afficher)
{
    const auto &colonnes = colonnesSuivi();
    const auto cachee = afficher ? ColonneSuivi::Vue::Ensemble : ColonneSuivi::Vue::Etapes;
    for (size_t c = 0; c < colonnes.size(); ++c)
        tblClasse_->setColumnHidden(int(c), colonnes[c].vue == cachee);
    ajusterColonnes(tblClasse_);
    if (chkEtapes_->isChecked() != afficher)
        chkEtapes_->setChecked(afficher);
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
