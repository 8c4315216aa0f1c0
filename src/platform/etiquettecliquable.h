#pragma once
// A label that reports clicks: level boxes, letter keys, the loudspeaker. It never
// takes the keyboard focus, so the answer box keeps it while keys are clicked.
#include <QLabel>

class EtiquetteCliquable : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetteCliquable(QWidget *parent = nullptr);

signals:
    void clique();

protected:
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;

private:
    bool enfonce_ = false;
};
