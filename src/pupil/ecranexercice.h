#pragma once
// The widgets of the exercise screen, placed at their design positions (twips
// scaled to the screen's DPI) on a canvas of fixed size that the window keeps
// centred. Pure construction and appearance: the window drives them.
#include "twips.h"

#include <QColor>
#include <QWidget>
#include <array>

class ClavierLettres;
class EtiquetteCliquable;
class EtiquetteModele;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class ZoneReponse;

inline const QColor kFondReponse(0xFF, 0xFF, 0xC0);
inline const QColor kFondJuste(0x00, 0xFF, 0x00);
inline const QColor kFondFaux(0xFF, 0x00, 0x00);

class EcranExercice : public QWidget {
    Q_OBJECT
public:
    explicit EcranExercice(const Echelle &echelle, QWidget *parent = nullptr);

    // The exercise font goes to the hidden word, the model and the answer
    // box (bold, never italic); the box and the model are one line high.
    void appliquerPoliceExercice(const QFont &police);
    // The hidden word's height: one line of the exercise font.
    int hauteurLigne() const;
    void colorerReponse(const QColor &fond);
    void montrerSonOccupe(bool occupe);

    QGroupBox *frameMot = nullptr;
    QLabel *consigne = nullptr;
    ZoneReponse *txtMot = nullptr;
    QPushButton *cmdOk = nullptr;
    QGroupBox *frameModele = nullptr;
    EtiquetteModele *lblModele = nullptr;
    QLabel *lblMot = nullptr;
    QLabel *lblNiveau = nullptr;
    std::array<QLabel *, 7> lblPoints{};
    QLabel *lblMotsConnus = nullptr;
    QLabel *imgOui = nullptr;
    QLabel *imgNon = nullptr;
    QLabel *imgOuiNon = nullptr;
    QPushButton *cmdSuivant = nullptr;
    EtiquetteCliquable *imgSon = nullptr;
    QToolButton *cmdImprimer = nullptr;
    QPushButton *cmdQuitter = nullptr;
    ClavierLettres *clavier = nullptr;

private:
    void construireZoneReponse();
    void construireModele();
    void construireEchelle();
    void construireBas();
    void placerLigneReponse();

    Echelle echelle_;
};
