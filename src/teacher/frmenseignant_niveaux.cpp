// The display rows of the teacher window, as many as its height allows, with
// their level boxes, the filters above them and "give this level to every
// word shown".
#include "platform/etiquettecliquable.h"
#include "frmenseignant.h"
#include "niveaux.h"
#include "textesenseignant.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {
constexpr int kEspaceLignes = 3;
constexpr int kLargeurNiveau = 44;
constexpr int kLargeurBouton = 28;

// The key a word is found by: accents and capitals dropped, ligatures spread.
QString cleFiltre(const QString &texte)
{
    const QString decompose = texte.normalized(QString::NormalizationForm_KD);
    QString cle;
    cle.reserve(decompose.size());
    for (const QChar c : decompose) {
        if (c.isMark())
            continue;
        if (c == u'œ' || c == u'Œ')
            cle += u"oe";
        else if (c == u'æ' || c == u'Æ')
            cle += u"ae";
        else
            cle += c.toCaseFolded();
    }
    return cle;
}

// The levels of the level filter, after "every level": "" for no level.
const QStringList kNiveaux{QString(), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5")};

bool estNiveau(const QString &niveau) { return kNiveaux.indexOf(niveau) > 0; }
}  // namespace

// The rows' area: lays the rows out itself, as many as fit, and lets the
// mouse wheel move the scroll bar.
class ZoneLignes : public QWidget {
public:
    ZoneLignes(FrmEnseignant *fenetre) : QWidget(fenetre), fenetre_(fenetre) {}

protected:
    void resizeEvent(QResizeEvent *) override { fenetre_->disposerLignes(this); }
    void wheelEvent(QWheelEvent *e) override
    {
        QScrollBar *barre = fenetre_->vscroll_;
        if (barre && barre->isEnabled()) {
            const int crans = e->angleDelta().y() / 120;
            barre->setValue(barre->value() - crans * barre->singleStep());
        }
        e->accept();
    }

private:
    FrmEnseignant *fenetre_;
};

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

    auto *zone = new ZoneLignes(this);
    zone->setParent(bloc);
    zone->setObjectName(QStringLiteral("zoneLignes"));
    zoneLignes_ = zone;
    // Tall enough for a line of the exercise font at its largest size.
    hauteurLigne_ = std::max(30, logicalDpiY() * 435 / 1440 + 2);
    zone->setMinimumSize(120 + kLargeurNiveau + 2 * kLargeurBouton + 40,
                         kLignes * (hauteurLigne_ + kEspaceLignes));
    zone->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    colonne->addWidget(zone, 1);

    vscroll_ = new QScrollBar(Qt::Vertical, zone);
    vscroll_->setObjectName(QStringLiteral("VScroll"));
    vscroll_->setSingleStep(1);
    vscroll_->setPageStep(kLignes);
    for (int k = 0; k < kLignes; ++k)
        creerLigne();
    nombreLignes_ = kLignes;

    connect(vscroll_, &QScrollBar::valueChanged, this, &FrmEnseignant::defiler);
    connect(txtFiltre_, &QLineEdit::textChanged, this, &FrmEnseignant::filtrer);
    connect(cmbFiltreNiveau_, &QComboBox::currentIndexChanged, this, &FrmEnseignant::filtrer);
    connect(cmdNiveauTous_, &QPushButton::clicked, this, &FrmEnseignant::donnerNiveauAuxMotsAffiches);
    return bloc;
}

void FrmEnseignant::creerLigne()
{
    const int k = int(lblMot_.size());
    QWidget *zone = zoneLignes_;

    auto *mot = new EtiquetteCliquable(zone);
    mot->setObjectName(QStringLiteral("lblMot_%1").arg(k));
    mot->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mot->setTextFormat(Qt::PlainText);
    mot->setToolTip(TextesEnseignant::bulleMot);
    mot->setCursor(Qt::PointingHandCursor);
    QPalette rouge = mot->palette();
    rouge.setColor(QPalette::WindowText, QColor(255, 0, 0));
    mot->setPalette(rouge);
    if (!lblMot_.empty())
        mot->setFont(lblMot_.front()->font());
    lblMot_.push_back(mot);

    auto *ecoute = new QToolButton(zone);
    ecoute->setObjectName(QStringLiteral("cmdEcouter_%1").arg(k));
    ecoute->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    ecoute->setToolTip(TextesEnseignant::bulleEcouter);
    ecoute->setAutoRaise(true);
    cmdEcouter_.push_back(ecoute);

    QFont policeNiveau(QStringLiteral("Comic Sans MS"));
    policeNiveau.setPointSizeF(14.25);
    policeNiveau.setBold(true);
    auto *niveau = new EtiquetteCliquable(zone);
    niveau->setObjectName(QStringLiteral("lbl1_%1").arg(k));
    niveau->setFrameShape(QFrame::Box);
    niveau->setAlignment(Qt::AlignCenter);
    niveau->setFont(policeNiveau);
    niveau->setToolTip(TextesEnseignant::bulleNiveau);
    niveau->setAutoFillBackground(true);
    niveau->setCursor(Qt::PointingHandCursor);
    QPalette bleu = niveau->palette();
    bleu.setColor(QPalette::WindowText, QColor(0, 0, 255));
    niveau->setPalette(bleu);
    lbl1_.push_back(niveau);

    auto *actions = new QToolButton(zone);
    actions->setObjectName(QStringLiteral("cmdActions_%1").arg(k));
    actions->setText(QStringLiteral("…"));
    actions->setToolTip(TextesEnseignant::bulleActions);
    actions->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(actions);
    menu->setObjectName(QStringLiteral("menuMot_%1").arg(k));
    QAction *ecouterAct = menu->addAction(TextesEnseignant::ecouter);
    ecouterAct->setObjectName(QStringLiteral("actEcouter_%1").arg(k));
    QAction *remplacerAct = menu->addAction(TextesEnseignant::remplacer);
    remplacerAct->setObjectName(QStringLiteral("actRemplacer_%1").arg(k));
    remplacerAct->setVisible(bool(remplacer_));
    QAction *supprimerAct = menu->addAction(TextesEnseignant::supprimerMot);
    supprimerAct->setObjectName(QStringLiteral("actSupprimer_%1").arg(k));
    actions->setMenu(menu);
    cmdActions_.push_back(actions);
    actRemplacer_.push_back(remplacerAct);

    connect(niveau, &EtiquetteCliquable::clique, this, [this, k] { cliquerNiveau(k); });
    connect(mot, &EtiquetteCliquable::clique, this, [this, k] { ecouter(k); });
    connect(ecoute, &QToolButton::clicked, this, [this, k] { ecouter(k); });
    connect(ecouterAct, &QAction::triggered, this, [this, k] { ecouter(k); });
    connect(remplacerAct, &QAction::triggered, this, [this, k] { remplacer(k); });
    connect(supprimerAct, &QAction::triggered, this, [this, k] { supprimer(k); });
}

// Rows from the top: word, level box (right beside the word, as ever),
// loudspeaker, actions; the scroll bar on the right. Rows below the last that
// fits are hidden.
void FrmEnseignant::disposerLignes(QWidget *zone)
{
    const int pas = hauteurLigne_ + kEspaceLignes;
    const int nombre = std::max(kLignes, (zone->height() + kEspaceLignes) / pas);
    while (int(lblMot_.size()) < nombre)
        creerLigne();
    const int barre = vscroll_->sizeHint().width();
    const int droite = zone->width() - barre - 6;
    const int xActions = droite - kLargeurBouton;
    const int xEcoute = xActions - 2 - kLargeurBouton;
    const int xNiveau = xEcoute - 4 - kLargeurNiveau;
    for (int k = 0; k < int(lblMot_.size()); ++k) {
        const bool visible = k < nombre;
        const int y = k * pas;
        lblMot_[k]->setGeometry(0, y, xNiveau - 6, hauteurLigne_);
        cmdEcouter_[k]->setGeometry(xEcoute, y, kLargeurBouton, hauteurLigne_);
        lbl1_[k]->setGeometry(xNiveau, y, kLargeurNiveau, hauteurLigne_);
        cmdActions_[k]->setGeometry(xActions, y, kLargeurBouton, hauteurLigne_);
        lblMot_[k]->setVisible(visible);
        lbl1_[k]->setVisible(visible);
    }
    vscroll_->setGeometry(zone->width() - barre, 0, barre, nombre * pas - kEspaceLignes);
    if (nombre != nombreLignes_) {
        nombreLignes_ = nombre;
        rafraichir();
    } else {
        defiler(vscroll_->value());
    }
}

qsizetype FrmEnseignant::entree(int k) const
{
    if (k < 0 || k >= nombreLignes_ || lblMot_[k]->text().isEmpty())
        return -1;
    const qsizetype v = qsizetype(vscroll_->value()) + k;
    return v < qsizetype(vue_.size()) ? vue_[v] : -1;
}

void FrmEnseignant::AfficherLignes(int premiere)
{
    for (int k = 0; k < nombreLignes_; ++k) {
        const qsizetype r = qsizetype(premiere) + k;
        if (r < 0 || r >= qsizetype(vue_.size()))
            return;
        const EntreeMot &e = tableur_.at(vue_[r]);
        lblMot_[k]->setText(e.mot);
        lbl1_[k]->setText(e.niveau);
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
    const qsizetype r = entree(k);
    if (r < 0)
        return;
    const QString niveau = niveauSuivant(lbl1_[k]->text());
    lbl1_[k]->setText(niveau);
    ColorerNiveau(k);
    tableur_[r].niveau = niveau;
}

void FrmEnseignant::defiler(int valeur)
{
    AfficherLignes(valeur);
    for (int k = 0; k < nombreLignes_; ++k)
        ColorerNiveau(k);
    // A row without a word has nothing to hear or remove.
    for (int k = 0; k < int(lblMot_.size()); ++k) {
        const bool mot = k < nombreLignes_ && !lblMot_[k]->text().isEmpty();
        cmdEcouter_[k]->setVisible(mot);
        cmdActions_[k]->setVisible(mot);
    }
}

// The rows emptied, then filled again from the scroll bar, whose range
// follows the words shown.
void FrmEnseignant::rafraichir()
{
    if (nombreLignes_ == 0)
        return;
    for (int k = 0; k < nombreLignes_; ++k) {
        lblMot_[k]->clear();
        lbl1_[k]->clear();
    }
    const int maximum = std::max(0, int(vue_.size()) - nombreLignes_);
    const QSignalBlocker bloque(vscroll_);
    vscroll_->setRange(0, maximum);
    vscroll_->setPageStep(nombreLignes_);
    // With no more words than rows there is nothing to scroll.
    vscroll_->setEnabled(maximum > 0);
    defiler(vscroll_->value());
    cmdNiveauTous_->setEnabled(!vue_.empty());
}

void FrmEnseignant::filtrer() { filtrerSansDefiler(0); }

void FrmEnseignant::filtrerSansDefiler(int premiere)
{
    const QString debut = cleFiltre(txtFiltre_->text().trimmed());
    const int choix = cmbFiltreNiveau_->currentIndex();   // 0: every level
    if (!debut.isEmpty() && cles_.size() != tableur_.size()) {
        cles_.clear();
        cles_.reserve(tableur_.size());
        for (const EntreeMot &e : tableur_)
            cles_ << cleFiltre(e.mot);
    }
    vue_.clear();
    for (qsizetype i = 0; i < tableur_.size(); ++i) {
        if (!debut.isEmpty() && !cles_.at(i).startsWith(debut))
            continue;
        if (choix == 1 && estNiveau(tableur_.at(i).niveau))
            continue;
        if (choix > 1 && tableur_.at(i).niveau != kNiveaux.at(choix - 1))
            continue;
        vue_.push_back(i);
    }
    const QSignalBlocker bloque(vscroll_);
    vscroll_->setRange(0, std::max(0, int(vue_.size()) - nombreLignes_));
    vscroll_->setValue(premiere);
    rafraichir();
}

void FrmEnseignant::donnerNiveauAuxMotsAffiches()
{
    if (vue_.empty())
        return;
    const QString niveau = kNiveaux.value(cmbNiveauTous_->currentIndex());
    const QString question = niveau.isEmpty()
        ? TextesEnseignant::confirmerSansNiveau.arg(vue_.size())
        : TextesEnseignant::confirmerNiveau.arg(niveau).arg(vue_.size());
    if (!plateforme_.messages->question(this, TextesEnseignant::titreDonnerNiveau, question))
        return;
    for (qsizetype r : vue_)
        tableur_[r].niveau = niveau;
    // The words stay shown, with their new level, until the filters change.
    rafraichir();
}
