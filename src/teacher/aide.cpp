#include "aide.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const QString kTitre = QStringLiteral("OrthoVal - Aide de l'enseignant");
const QString kFermer = QStringLiteral("&Fermer");
const QString kGuide = QStringLiteral(":/aide/guide.html");

// Large enough for lines of about 90 characters beside the contents list; the
// rest of the screen stays for the teacher window the guide talks about.
constexpr QSize kTailleVoulue(980, 700);
// What window frames and a desktop panel take around the window.
constexpr int kMargeEcran = 60;

// The size of the guide's text, in points: the contents list matches it.
constexpr double kTaillePoints = 11.0;

QString lireGuide()
{
    QFile fichier(kGuide);
    // Compiled in: only a program built without it could miss it.
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    return lierPonctuation(QString::fromUtf8(fichier.readAll()));
}
}  // namespace

FrmAide::FrmAide(QSize ecran, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAide"));
    setWindowTitle(kTitre);
    setModal(false);

    txtAide_ = new QTextBrowser(this);
    txtAide_->setObjectName(QStringLiteral("txtAide"));
    txtAide_->setOpenLinks(true);
    txtAide_->setOpenExternalLinks(false);
    txtAide_->setHtml(lireGuide());
    txtAide_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    lstSommaire_ = new QListWidget(this);
    lstSommaire_->setObjectName(QStringLiteral("lstSommaire"));
    QFont sommaire = lstSommaire_->font();
    sommaire.setPointSizeF(kTaillePoints);
    lstSommaire_->setFont(sommaire);
    lstSommaire_->setSpacing(3);
    remplirSommaire();
    connect(lstSommaire_, &QListWidget::currentRowChanged, this, &FrmAide::allerA);
    // Again after reading on: the subject chosen is still the current one.
    connect(lstSommaire_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *sujet) { allerA(lstSommaire_->row(sujet)); });

    auto *cmdFermer = new QPushButton(kFermer, this);
    cmdFermer->setObjectName(QStringLiteral("cmdFermerAide"));
    cmdFermer->setAutoDefault(false);
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::close);

    auto *corps = new QHBoxLayout;
    corps->addWidget(lstSommaire_);
    corps->addWidget(txtAide_, 1);
    auto *boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(cmdFermer);
    auto *page = new QVBoxLayout(this);
    page->addLayout(corps, 1);
    page->addLayout(boutons);

    // Every title whole, without a scroll bar of its own.
    lstSommaire_->setFixedWidth(lstSommaire_->sizeHintForColumn(0) + 2 * lstSommaire_->frameWidth() + 16);
    resize(kTailleVoulue.boundedTo(ecran - QSize(kMargeEcran, kMargeEcran)));
}

// The subjects are the guide's second-level titles: a title added to the
// guide is in the list without a change here.
void FrmAide::remplirSommaire()
{
    const QTextDocument *document = txtAide_->document();
    for (QTextBlock bloc = document->begin(); bloc.isValid(); bloc = bloc.next()) {
        if (bloc.blockFormat().headingLevel() != 2)
            continue;
        auto *sujet = new QListWidgetItem(bloc.text().simplified(), lstSommaire_);
        sujet->setData(Qt::UserRole, bloc.blockNumber());
    }
}

void FrmAide::allerA(int ligne)
{
    const QListWidgetItem *sujet = lstSommaire_->item(ligne);
    if (!sujet)
        return;
    const QTextDocument *document = txtAide_->document();
    const QTextBlock titre = document->findBlockByNumber(sujet->data(Qt::UserRole).toInt());
    const QRectF place = document->documentLayout()->blockBoundingRect(titre);
    txtAide_->verticalScrollBar()->setValue(int(place.top()));
}

QString lierPonctuation(QString texte)
{
    // A plain loop: the main window calls this before it first shows, and a
    // regular expression's first use costs milliseconds there.
    constexpr QChar kInsecable(0x00a0);
    for (qsizetype i = 0; i + 1 < texte.size(); ++i) {
        const QChar suivant = texte.at(i + 1);
        if (texte.at(i) == u' ' && QStringView(u":;?!»").contains(suivant))
            texte[i] = kInsecable;
        else if (texte.at(i) == u'«' && suivant == u' ')
            texte[i + 1] = kInsecable;
    }
    return texte;
}

FrmAide *ouvrirAide(QWidget *fenetre, QSize ecran)
{
    auto *aide = fenetre->findChild<FrmAide *>(QString(), Qt::FindDirectChildrenOnly);
    if (!aide)
        aide = new FrmAide(ecran, fenetre);
    aide->show();
    aide->raise();
    aide->activateWindow();
    return aide;
}
