#pragma once
// A label that reports a click, like the level boxes the teacher clicks.
#include <QLabel>
#include <QMouseEvent>

class EtiquetteCliquable : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clique();

protected:
    // A click is a press and a release of the left button over the label.
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton)
            e->accept();
        else
            QLabel::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            emit clique();
        else
            QLabel::mouseReleaseEvent(e);
    }
};
