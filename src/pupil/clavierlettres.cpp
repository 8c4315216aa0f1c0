#include "clavierlettres.h"

#include "engine/clavier.h"
#include "platform/etiquettecliquable.h"

#include <QApplication>
#include <climits>
#include <QPalette>

namespace {

QString styleTouche(ClasseTouche classe)
{
    // Letter keys: the platform's highlighted-text colour behind the letter.
    const QString fondLettre = QApplication::palette().color(QPalette::HighlightedText).name();
    QString fond = fondLettre, encre, survol = QStringLiteral("#E8EEFF");
    switch (classe) {
    case ClasseTouche::Voyelle:
        encre = QStringLiteral("#FF0000");
        break;
    case ClasseTouche::Consonne:
        encre = QStringLiteral("#0000FF");
        break;
    case ClasseTouche::Signe:
        fond = QStringLiteral("#00FF00");
        encre = QStringLiteral("#004000");
        survol = QStringLiteral("#66FF66");
        break;
    }
    return QStringLiteral("QLabel { background-color: %1; color: %2; border: 1px solid #8A8F99; }"
                          "QLabel:hover { background-color: %3; }")
        .arg(fond, encre, survol);
}

} // namespace

QPoint ClavierLettres::origineTwips()
{
    int gauche = INT_MAX, haut = INT_MAX;
    for (const Touche &t : touchesClavier()) {
        gauche = qMin(gauche, t.gauche);
        haut = qMin(haut, t.haut);
    }
    return {gauche, haut};
}

ClavierLettres::ClavierLettres(const Echelle &echelle, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("clavierLettres"));
    const QPoint origine = origineTwips();
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(12);
    QRect englobant;
    for (int i = 0; i < kNombreTouches; ++i) {
        const Touche &t = touchesClavier()[i];
        auto *touche = new EtiquetteCliquable(this);
        touche->setObjectName(QStringLiteral("lblLettre_%1").arg(i));
        touche->setText(t.legende);
        touche->setAlignment(Qt::AlignCenter);
        touche->setFont(police);
        touche->setAttribute(Qt::WA_Hover);
        touche->setStyleSheet(styleTouche(t.classe));
        if (!t.infobulle.isEmpty())
            touche->setToolTip(t.infobulle);
        const QRect place = echelle.rect(t.gauche - origine.x(), t.haut - origine.y(), t.largeur, t.hauteur);
        touche->setGeometry(place);
        englobant |= place;
        connect(touche, &EtiquetteCliquable::clique, this, [this, i] { emit toucheCliquee(i); });
        touches_[i] = touche;
    }
    resize(englobant.right() + 1, englobant.bottom() + 1);
}
