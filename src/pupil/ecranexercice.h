#pragma once
// The widgets of the exercise screen. Their arrangement is designed in twips
// for an 800 x 600 screen; the screen fills the window and scales the whole
// design by one factor (the largest that fits), so texts, pictures and the
// exercise font grow with the window. The keyboard band alone takes more:
// its keys widen and heighten into the room beside and around them, so that
// they are a finger's size (44 pixels) as soon as the window allows.
// Pure construction and appearance: the window drives them.
#include "twips.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

class ClavierLettres;
class EtiquetteCliquable;
class EtiquetteModele;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class VueCorrection;
class ZoneReponse;

inline const QColor kFondReponse(0xFF, 0xFF, 0xC0);
inline const QColor kFondJuste(0x00, 0xFF, 0x00);
inline const QColor kFondFaux(0xFF, 0x00, 0x00);

class EcranExercice : public QWidget {
    Q_OBJECT
public:
    explicit EcranExercice(const Echelle &echelle, QWidget *parent = nullptr);

    // The smallest size, where the design is drawn at the screen's DPI.
    QSize tailleDessin() const;
    // The factor applied to the design now (1 at the smallest size).
    double facteur() const { return facteur_; }

    // The exercise font goes to the hidden word, the model, the answer box
    // and the correction (bold, never italic), with the letter spacing as a
    // percentage; it grows with the screen. petitesLettresMm, when given,
    // sets the height of the small letters instead of the font's size. A
    // size too tall for the line is drawn at the tallest that fits, never clipped.
    void appliquerPoliceExercice(const QFont &police, double espacementPourcent = 100.0, double petitesLettresMm = 0);
    // The hidden word's height: one line of the exercise font.
    int hauteurLigne() const;
    void colorerReponse(const QColor &fond);
    void montrerSonOccupe(bool occupe);
    // The sentence's button: shown for a word that has a sentence, framed
    // while the sentence plays.
    void montrerBoutonPhrase(bool visible, bool occupe);
    // The sentence with its gap, in the exercise font, on the line of the
    // keyboard's hint (which it replaces); empty: the hint.
    void montrerPhraseATrou(const QString &texte);
    // The sentence of the answer zone: the instruction, a word of
    // encouragement, or the end of the list (in blue, not red).
    void afficherConsigne(const QString &texte, bool message = false);

    QGroupBox *frameMot = nullptr;
    QLabel *consigne = nullptr;
    ZoneReponse *txtMot = nullptr;
    QPushButton *cmdOk = nullptr;
    QGroupBox *frameModele = nullptr;
    EtiquetteModele *lblModele = nullptr;
    VueCorrection *correction = nullptr;
    QLabel *lblMot = nullptr;
    QLabel *lblNiveau = nullptr;
    std::array<QLabel *, 7> lblPoints{};
    QLabel *lblMotsConnus = nullptr;
    QLabel *imgOui = nullptr;
    QLabel *imgNon = nullptr;
    QLabel *imgOuiNon = nullptr;
    QPushButton *cmdSuivant = nullptr;
    EtiquetteCliquable *imgSon = nullptr;
    EtiquetteCliquable *imgPhrase = nullptr;
    QLabel *lblPhrase = nullptr;
    QLabel *lblLigneClavier = nullptr;
    QToolButton *cmdImprimer = nullptr;
    QPushButton *cmdQuitter = nullptr;
    ClavierLettres *clavier = nullptr;

protected:
    void resizeEvent(QResizeEvent *evenement) override;

private:
    void construireZoneReponse();
    void construireModele();
    void construireEchelle();
    void construireBas();
    // Remembers a widget's design place (twips, in its parent) and font size
    // (points); an empty place scales the font alone.
    void placer(QWidget *w, const QRect &twips, double points = 0);

    // Scaling (dispositionecran.cpp)
    void disposer();
    void disposerClavier();
    void placerLigneReponse();
    void placerPhrase();
    static void centrerEncre(QLineEdit *zone);
    QRect rectEchelle(const QRect &twips, bool racine) const;

    struct Place {
        QPointer<QWidget> widget;
        QRect twips;
        double points = 0;
    };
    std::vector<Place> places_;
    Echelle echelle_;       // the design at the screen's DPI
    double facteur_ = 1.0;
    QPoint origine_;        // top left corner of the scaled design
    QFont policeExercice_;
    double espacement_ = 100.0;
    double petitesLettresMm_ = 0;
};
