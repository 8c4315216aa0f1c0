#include "frmcode.h"

#include "codeacces.h"
#include "data/ecriture.h"
#include "data/reglages.h"
#include "textesenseignant.h"

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
QLabel *texte(const QString &contenu, const char *nom, const char *couleur, QWidget *parent)
{
    auto *l = new QLabel(contenu, parent);
    l->setObjectName(QLatin1String(nom));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(couleur)));
    QFont police = l->font();
    police.setPointSizeF(10.5);
    police.setBold(true);
    l->setFont(police);
    return l;
}
}  // namespace

FrmCode::FrmCode(EtatProgramme &etat, Plateforme plateforme, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), etat_(etat), plateforme_(plateforme)
{
    setObjectName(QStringLiteral("frmCode"));
    setModal(true);

    // Without a title bar the dialog draws its own edge.
    auto *cadre = new QFrame(this);
    cadre->setObjectName(QStringLiteral("cadreCode"));
    cadre->setFrameShape(QFrame::Panel);
    cadre->setFrameShadow(QFrame::Raised);
    cadre->setLineWidth(3);

    lblConsigne_ = texte(TextesCode::consigne, "lblConsigne", "rgb(0,0,255)", cadre);
    auto *bas = texte(TextesCode::premiereFois, "lblPremiereFois", "rgb(255,0,0)", cadre);

    txtCode_ = new QLineEdit(cadre);
    txtCode_->setObjectName(QStringLiteral("txtCode"));
    txtCode_->setMaxLength(6);
    txtCode_->setEchoMode(QLineEdit::Password);
    txtCode_->setStyleSheet(QStringLiteral("QLineEdit{lineedit-password-character: 167}"));
    txtCode_->setToolTip(TextesCode::bulleCode);
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(15.75);
    police.setBold(true);
    txtCode_->setFont(police);
    txtCode_->setAlignment(Qt::AlignCenter);
    txtCode_->setFixedWidth(txtCode_->fontMetrics().horizontalAdvance(QStringLiteral("§§§§§§§§")) + 16);
    // A double quote could not be stored between the quotes of Code.dat, and
    // a control character cannot be typed back.
    txtCode_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^\"\\x00-\\x1f\\x7f]*")), txtCode_));

    cmdOk_ = new QPushButton(TextesCode::ok, cadre);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdAnnule_ = new QPushButton(TextesCode::annuler, cadre);
    cmdAnnule_->setObjectName(QStringLiteral("cmdAnnule"));
    cmdAnnule_->setAutoDefault(false);

    auto *ligne = new QHBoxLayout;
    ligne->addStretch();
    ligne->addWidget(txtCode_);
    ligne->addSpacing(12);
    ligne->addWidget(cmdOk_);
    ligne->addWidget(cmdAnnule_);
    ligne->addStretch();

    auto *colonne = new QVBoxLayout(cadre);
    colonne->setContentsMargins(18, 14, 18, 14);
    colonne->setSpacing(14);
    colonne->addWidget(lblConsigne_);
    colonne->addLayout(ligne);
    colonne->addWidget(bas);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(cadre);
    setFixedWidth(440);

    connect(cmdOk_, &QPushButton::clicked, this, &FrmCode::valider);
    connect(cmdAnnule_, &QPushButton::clicked, this, &FrmCode::reject);

    // A Code.dat that cannot be created shows up at the first "O&k", when the
    // chosen code cannot be written.
    creerSiAbsent(QDir(etat_.dossierInstallation).filePath(kFichierCode));
    // A code that cannot be read, or a file that holds no possible code, is
    // not "no code yet": taken for a first use, any code typed would replace
    // the teacher's.
    const LectureCode lecture = lireFichierCode(etat_.dossierInstallation);
    codeStocke_ = lecture.code;
    codeInutilisable_ = lecture.probleme;
    // Once a code is chosen, the advice for the first use only confuses.
    bas->setVisible(lecture.premiereUtilisation());
    txtCode_->setFocus();
}

void FrmCode::recommencerSaisie(const QString &consigne)
{
    lblConsigne_->setText(consigne);
    txtCode_->clear();
    txtCode_->setFocus();
}

void FrmCode::valider()
{
    if (!codeInutilisable_.isEmpty()) {
        plateforme_.messages->information(this, TextesCode::titreEchec, codeInutilisable_);
        reject();
        return;
    }
    const DecisionCode decision = deciderCode(codeStocke_, codeAConfirmer_, txtCode_->text());
    bool accorde = false;
    switch (decision.suite) {
    case SuiteCode::Refuser:
        break;
    case SuiteCode::Accorder:
        accorde = true;
        break;
    // A slip of the finger: the dialog stays open for another try.
    case SuiteCode::Incorrect:
        plateforme_.messages->information(this, TextesCode::titreEchec, TextesCode::incorrect);
        recommencerSaisie(TextesCode::consigne);
        return;
    case SuiteCode::Confirmer:
        codeAConfirmer_ = decision.code;
        recommencerSaisie(TextesCode::confirmer);
        return;
    case SuiteCode::Differents:
        codeAConfirmer_.clear();
        plateforme_.messages->information(this, TextesCode::titreEchec, TextesCode::differents);
        recommencerSaisie(TextesCode::consigne);
        return;
    case SuiteCode::Enregistrer: {
        cmdOk_->setCursor(Qt::WaitCursor);
        const ResultatEcriture resultat = enregistrerCodeAcces(etat_.dossierInstallation, decision.code);
        cmdOk_->unsetCursor();
        accorde = resultat.ok;
        if (!resultat.ok)
            plateforme_.messages->information(this, TextesCode::titreEchec, resultat.message());
        break;
    }
    }
    etat_.accessGranted = accorde;
    QDialog::done(accorde ? Accepted : Rejected);
}

void FrmCode::reject()
{
    etat_.accessGranted = false;
    QDialog::reject();
}
