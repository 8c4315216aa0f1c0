#include "panneauerreurs.h"

#include "suiviclasse.h"

#include "engine/alignement.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The panel's texts, for the teacher.
const QString kTitre = QStringLiteral("Les erreurs de %1");
const QString kIncomplet = QStringLiteral(
    "Journal incomplet : certaines réponses n'ont pas pu être notées (disque plein ou dossier protégé).");
const QString kAucuneReponse = QStringLiteral("Aucune réponse notée pour l'instant.");
const QString kReponses = QStringLiteral("%1 réponse(s) dans le journal, dont %2 erreur(s).");
const QString kSonChange = QStringLiteral("Le son a changé : <b>%1</b>");
const QString kSonGarde = QStringLiteral("Le son est juste, l'orthographe n'est pas encore mémorisée : <b>%1</b>");
const QString kDetail = QStringLiteral("%1 : %2");
const QString kNonCompare = QStringLiteral("Sons non comparés : %1");
const QString kAucuneErreur = QStringLiteral("Aucune erreur.");
const QString kTape = QStringLiteral("écrit :");
const QString kAttendu = QStringLiteral("attendu :");
const QString kDate = QStringLiteral("dd/MM/yyyy");

// Red and bold, and underlined for a black and white print.
const QString kMarque = QStringLiteral("<span style=\"color:#c00000; font-weight:bold; text-decoration:underline\">%1</span>");
const QString kPoliceAlignement = QStringLiteral("DejaVu Sans Mono");
constexpr QChar kTrou = u'_';

QString echapper(QChar c)
{
    return c == u' ' ? QStringLiteral("&nbsp;") : QString(c).toHtmlEscaped();
}

} // namespace

QString texteAlignementRiche(const QString &tapee, const QString &attendue)
{
    const QList<CaseAlignee> cases = AlignerReponse(tapee, attendue);
    QString haut, bas;
    for (const CaseAlignee &c : cases) {
        const QString t = echapper(c.tapee.isNull() ? kTrou : c.tapee);
        const QString a = echapper(c.attendue.isNull() ? kTrou : c.attendue);
        haut += c.differe() ? kMarque.arg(t) : t;
        bas += c.differe() ? kMarque.arg(a) : a;
    }
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\" style=\"font-family:'%1'; font-size:large\">"
                          "<tr><td style=\"color:#555\">%2&nbsp;</td><td>%3</td></tr>"
                          "<tr><td style=\"color:#555\">%4&nbsp;</td><td>%5</td></tr></table>")
        .arg(kPoliceAlignement, kTape, haut, kAttendu, bas);
}

PanneauErreurs::PanneauErreurs(QWidget *parent) : QWidget(parent)
{
    auto *colonne = new QVBoxLayout(this);
    lblTitre_ = new QLabel(this);
    lblTitre_->setObjectName(QStringLiteral("lblTitreErreurs"));
    lblTitre_->setTextFormat(Qt::PlainText);
    QFont grand = lblTitre_->font();
    grand.setPointSizeF(grand.pointSizeF() * 1.3);
    grand.setBold(true);
    lblTitre_->setFont(grand);
    lblIncomplet_ = new QLabel(kIncomplet, this);
    lblIncomplet_->setObjectName(QStringLiteral("lblIncomplet"));
    lblIncomplet_->setWordWrap(true);
    lblIncomplet_->setStyleSheet(QStringLiteral("color:#c00000; font-weight:bold"));
    lblIncomplet_->hide();
    lblSommes_ = new QLabel(this);
    lblSommes_->setObjectName(QStringLiteral("lblSommes"));
    lblSommes_->setWordWrap(true);
    lblSommes_->setTextFormat(Qt::RichText);

    auto *defilement = new QScrollArea(this);
    defilement->setWidgetResizable(true);
    defilement->setFrameShape(QFrame::NoFrame);
    liste_ = new QWidget;
    liste_->setObjectName(QStringLiteral("listeErreurs"));
    lignes_ = new QVBoxLayout(liste_);
    lignes_->addStretch();
    defilement->setWidget(liste_);

    colonne->addWidget(lblTitre_);
    colonne->addWidget(lblIncomplet_);
    colonne->addWidget(lblSommes_);
    colonne->addWidget(defilement, 1);
}

void PanneauErreurs::AfficherEleve(const QString &dossier, const QString &eleve, int maxRecentes)
{
    AfficherBilan(eleve, ResumerErreursEleve(dossier, eleve, phonemesDuProgramme(), maxRecentes));
}

void PanneauErreurs::AfficherBilan(const QString &eleve, const BilanErreurs &bilan)
{
    bilan_ = bilan;
    lblTitre_->setText(kTitre.arg(eleve));
    lblIncomplet_->setVisible(bilan.incomplet);

    QStringList sommes;
    if (bilan.reponses == 0) {
        sommes << kAucuneReponse;
    } else {
        sommes << kReponses.arg(bilan.reponses).arg(bilan.erreurs);
        if (bilan.erreurs == 0)
            sommes << kAucuneErreur;
    }
    if (bilan.erreurs > 0) {
        const auto n = [&](SorteErreur s) { return bilan.parSorte[size_t(s)]; };
        sommes << kSonChange.arg(n(SorteErreur::SonChange));
        int garde = 0;
        QStringList detail;
        for (const SorteErreur s : {SorteErreur::FinaleMuette, SorteErreur::ConsonneDouble, SorteErreur::Accent,
                                    SorteErreur::Signes, SorteErreur::AutreOrthographe, SorteErreur::Homophone}) {
            garde += n(s);
            if (n(s) > 0)
                detail << kDetail.arg(libelleCourt(s).toLower().toHtmlEscaped()).arg(n(s));
        }
        sommes << kSonGarde.arg(garde) + (detail.isEmpty() ? QString() : QStringLiteral(" (") + detail.join(QStringLiteral(", ")) + u')');
        if (n(SorteErreur::Inconnue) > 0)
            sommes << kNonCompare.arg(n(SorteErreur::Inconnue));
    }
    lblSommes_->setText(sommes.join(QStringLiteral("<br>")));

    while (lignes_->count() > 1) {
        QLayoutItem *element = lignes_->takeAt(0);
        delete element->widget();
        delete element;
    }
    for (qsizetype i = 0; i < bilan.recentes.size(); ++i)
        lignes_->insertWidget(int(i), construireLigne(bilan.recentes[i]));
}

QWidget *PanneauErreurs::construireLigne(const ErreurRecente &erreur)
{
    auto *cadre = new QFrame;
    cadre->setObjectName(QStringLiteral("erreur"));
    cadre->setFrameShape(QFrame::StyledPanel);
    auto *grille = new QGridLayout(cadre);
    auto *date = new QLabel(erreur.date.toString(kDate));
    date->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *lettres = new QLabel(texteAlignementRiche(erreur.tapee, erreur.mot));
    lettres->setObjectName(QStringLiteral("lblAlignement"));
    lettres->setTextFormat(Qt::RichText);
    auto *sorte = new QLabel(libelleSorte(erreur.sorte));
    sorte->setObjectName(QStringLiteral("lblSorte"));
    sorte->setWordWrap(true);
    if (erreur.sorte == SorteErreur::SonChange)
        sorte->setStyleSheet(QStringLiteral("font-weight:bold"));
    grille->addWidget(date, 0, 0);
    grille->addWidget(lettres, 0, 1);
    grille->addWidget(sorte, 0, 2);
    grille->setColumnStretch(2, 1);
    grille->setColumnMinimumWidth(1, 220);
    return cadre;
}
