#pragma once
// The model label: its text keeps the mask character (code 127) where a letter
// is hidden, and each one is drawn as a grey blank of one letter's width, so
// the child sees where a letter is missing.
#include <QLabel>

class EtiquetteModele : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetteModele(QWidget *parent = nullptr);

    // Left margin of the text, chosen so that the model's letters stand above
    // the letters typed in the answer box.
    void setMargeTexte(int pixels);

protected:
    void paintEvent(QPaintEvent *evenement) override;

private:
    int margeTexte_ = 4;
};
