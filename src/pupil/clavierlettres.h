#pragma once
// The on-screen keyboard: 43 keys (lblLettre_0 .. lblLettre_42) placed as in
// the keyboard table, vowels red, consonants blue, signs green. The widget
// covers just the keys' bounding box.
#include "twips.h"

#include <QPoint>
#include <QWidget>
#include <array>

class QLabel;

class ClavierLettres : public QWidget {
    Q_OBJECT
public:
    explicit ClavierLettres(const Echelle &echelle, QWidget *parent = nullptr);

    QLabel *touche(int indice) const { return touches_[indice]; }
    // Top left corner of the keys' bounding box, in twips of the window.
    static QPoint origineTwips();

signals:
    void toucheCliquee(int indice);

private:
    std::array<QLabel *, 43> touches_{};
};
