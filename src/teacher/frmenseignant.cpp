#include "frmenseignant.h"

#include "aide.h"
#include "data/reglages.h"
#include "overview/frmsuivi.h"
#include "modelemots.h"
#include "panneaueleves.h"
#include "textesenseignant.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
// Enough of the refused names to recognise them; the rest are counted.
constexpr int kRefusesMontres = 15;

// A coloured block of paragraphs, one label each so that every text stays whole.
QFrame *bloc(const char *nom, const QString &fond, const QString &style, const QStringList &paragraphes,
             QWidget *parent)
{
    auto *cadre = new QFrame(parent);
    cadre->setObjectName(QLatin1String(nom));
    cadre->setStyleSheet(QStringLiteral("QFrame#%1{background: %2;} QLabel{%3}")
                             .arg(QLatin1String(nom), fond, style));
    auto *colonne = new QVBoxLayout(cadre);
    colonne->setContentsMargins(8, 6, 8, 6);
    colonne->setSpacing(4);
    for (const QString &texte : paragraphes) {
        auto *l = new QLabel(texte, cadre);
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        colonne->addWidget(l);
    }
    return cadre;
}
}  // namespace

FrmEnseignant::FrmEnseignant(EtatProgramme &etat, Plateforme plateforme, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      etat_(etat), plateforme_(plateforme)
{
    setObjectName(QStringLiteral("frmEnseignant"));
    setWindowTitle(TextesEnseignant::titre);
    setModal(true);
    construire();
    remplirPolices();
    ouvrirListe();
}

int FrmEnseignant::montrer()
{
    showMaximized();
    return exec();
}

void FrmEnseignant::construire()
{
    auto *gauche = new QVBoxLayout;
    gauche->addWidget(construirePolice());
    gauche->addSpacing(8);
    gauche->addWidget(construireLignes(), 1);

    auto *corps = new QHBoxLayout;
    corps->addLayout(gauche, 1);
    corps->addSpacing(12);
    corps->addWidget(construireTextes(), 1);

    cmdEleves_ = new QPushButton(TextesEnseignant::eleves, this);
    cmdEleves_->setObjectName(QStringLiteral("cmdEleves"));
    auto *cmdSuivi = new QPushButton(TextesEnseignant::suivi, this);
    cmdSuivi->setObjectName(QStringLiteral("cmdSuivi"));
    cmdSuivi->setToolTip(TextesEnseignant::bulleSuivi);
    auto *cmdCorbeille = new QPushButton(TextesEnseignant::corbeille, this);
    cmdCorbeille->setObjectName(QStringLiteral("cmdCorbeille"));
    cmdCorbeille->setToolTip(TextesEnseignant::bulleCorbeille);
    cmdQuitter_ = new QPushButton(TextesEnseignant::quitter, this);
    cmdQuitter_->setObjectName(QStringLiteral("cmdQuitter"));
    // No default button: Enter in the pupil name field or the font list must
    // not close the window.
    cmdCorbeille->setAutoDefault(false);
    for (QPushButton *b : {cmdSuivi, cmdEleves_, cmdQuitter_}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(130);
    }
    auto *cmdAide = new QPushButton(TextesAide::bouton, this);
    cmdAide->setObjectName(QStringLiteral("cmdAide"));
    cmdAide->setToolTip(TextesAide::bulle);
    cmdAide->setAutoDefault(false);
    auto *boutons = new QHBoxLayout;
    construireBoutonsMots(boutons);
    boutons->addWidget(cmdCorbeille);
    boutons->addStretch(1);
    boutons->addWidget(cmdSuivi);
    boutons->addWidget(cmdEleves_);
    boutons->addSpacing(12);
    boutons->addWidget(cmdAide);
    boutons->addWidget(cmdQuitter_);

    // The word list takes the height the window has.
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(12, 10, 12, 10);
    page->addLayout(corps, 1);
    page->addLayout(boutons);

    frameEleves_ = new PanneauEleves(etat_.dossierInstallation, plateforme_, this);

    connect(cmdEleves_, &QPushButton::clicked, frameEleves_, &PanneauEleves::ouvrir);
    connect(cmdQuitter_, &QPushButton::clicked, this, &FrmEnseignant::accept);
    connect(cmdCorbeille, &QPushButton::clicked, this, &FrmEnseignant::ouvrirCorbeille);
    // With the levels as they stand, saved or not.
    connect(cmdSuivi, &QPushButton::clicked, this, [this] {
        auto *suivi = new FrmSuivi(etat_.dossierInstallation, tableur_, plateforme_, this);
        suivi->setAttribute(Qt::WA_DeleteOnClose);
        suivi->showMaximized();
        suivi->open();
    });
    setRemplacer([this](const QString &mot) { remplacerEnregistrement(mot); });

    // The guide stays open beside the window while the teacher works.
    const auto ouvrirGuide = [this] {
        ouvrirAide(this, plateforme_.ecran ? plateforme_.ecran->taille() : screen()->availableSize());
    };
    connect(cmdAide, &QPushButton::clicked, this, ouvrirGuide);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, ouvrirGuide);
}

QWidget *FrmEnseignant::construireTextes()
{
    auto *zone = new QWidget(this);
    zone->setObjectName(QStringLiteral("zoneTextes"));
    auto *colonne = new QVBoxLayout(zone);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(8);

    QFont texte = zone->font();
    texte.setPointSizeF(std::max(texte.pointSizeF(), 9.5));
    zone->setFont(texte);

    auto *attention = bloc("frameAttention", QStringLiteral("rgb(255,192,192)"), QString(),
                           {TextesEnseignant::attention}, zone);
    QFont gras = texte;
    gras.setBold(true);
    attention->findChild<QLabel *>()->setFont(gras);
    colonne->addWidget(attention);
    colonne->addWidget(bloc("frameConseils", QStringLiteral("rgb(255,255,192)"),
                            QStringLiteral("color: rgb(0,0,192);"), TextesEnseignant::conseils, zone));
    auto *etapes = bloc("frameEtapes", QStringLiteral("rgb(192,255,255)"),
                        QStringLiteral("color: rgb(0,0,192);"),
                        QStringList{TextesEnseignant::titreEtapes} + TextesEnseignant::etapes, zone);
    etapes->findChild<QLabel *>()->setFont(gras);
    colonne->addWidget(etapes);
    colonne->addStretch(1);
    return zone;
}

void FrmEnseignant::ouvrirListe()
{
    OuvertureListeMots ouverture = OuvrirListeMots(etat_.dossierInstallation);
    tableur_ = std::move(ouverture.liste);

    if (!ouverture.enregistrementsRefuses.isEmpty()) {
        const QStringList &refuses = ouverture.enregistrementsRefuses;
        QStringList lignes{TextesEnseignant::enregistrementsRefuses};
        for (int i = 0; i < refuses.size() && i < kRefusesMontres; ++i)
            lignes << QStringLiteral("  ") + refuses.at(i);
        if (refuses.size() > kRefusesMontres)
            lignes << TextesEnseignant::autresRefuses.arg(refuses.size() - kRefusesMontres);
        plateforme_.messages->information(this, TextesEnseignant::titreEnregistrementsRefuses,
                                          lignes.join(QLatin1Char('\n')));
    }
    if (ouverture.sonsIllisible)
        plateforme_.messages->information(this, TextesEnseignant::titreSons,
                                          TextesEnseignant::sonsIllisible);
    // Named before anything replaces it.
    if (!ouverture.motsDatIllisible.isEmpty())
        plateforme_.messages->information(this, TextesEnseignant::titreMotsDat,
                                          TextesEnseignant::motsDatIllisible.arg(ouverture.motsDatIllisible));
    else if (ouverture.motsDatAbime)
        plateforme_.messages->information(this, TextesEnseignant::titreMotsDat, TextesEnseignant::motsDatAbime);

    modele_->recharger();
}

void FrmEnseignant::done(int resultat)
{
    if (!enregistre_) {
        if (!enregistrer())
            return;
        enregistre_ = true;
    }
    QDialog::done(resultat);
}

bool FrmEnseignant::enregistrer()
{
    QStringList erreurs;
    const ResultatEcriture mots = EnregistrerListeMots(etat_.dossierInstallation, tableur_);
    if (!mots.ok)
        erreurs << mots.message();

    const QFont police = lblTestPolice_->font();
    etat_.policeExercice = ReglageFonte{police.family(), police.pointSizeF()};
    const ResultatEcriture fonte = enregistrerFonte(etat_.dossierInstallation, etat_.policeExercice);
    if (!fonte.ok)
        erreurs << fonte.message();

    if (erreurs.isEmpty())
        return true;
    // Staying open keeps the levels in memory; the next close tries again.
    erreurs << TextesEnseignant::fermerQuandMeme;
    return plateforme_.messages->question(this, TextesEnseignant::titreEnregistrement,
                                          erreurs.join(QStringLiteral("\n\n")));
}

void FrmEnseignant::keyPressEvent(QKeyEvent *e)
{
    // Only "&Quitter" and the close box leave the window.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void FrmEnseignant::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    if (frameEleves_->isVisible())
        frameEleves_->setGeometry(rect());
}
