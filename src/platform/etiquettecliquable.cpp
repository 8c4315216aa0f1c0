#include "etiquettecliquable.h"

#include <QMouseEvent>

EtiquetteCliquable::EtiquetteCliquable(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void EtiquetteCliquable::mousePressEvent(QMouseEvent *evenement)
{
    enfonce_ = evenement->button() == Qt::LeftButton;
    evenement->accept();
}

// A click is a press and a release on the label, as on a button.
void EtiquetteCliquable::mouseReleaseEvent(QMouseEvent *evenement)
{
    const bool clic = enfonce_ && evenement->button() == Qt::LeftButton
                      && rect().contains(evenement->position().toPoint());
    enfonce_ = false;
    evenement->accept();
    if (clic)
        emit clique();
}
