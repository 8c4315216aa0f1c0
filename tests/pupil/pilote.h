#pragma once
// Drives a pupil window the way a child does: picks a name, types, validates,
// asks for the next word, with fake sound, messages, printer and clock.
#include "installation.h"
#include "pupil/frmeleve.h"
#include "support/plateformefactice.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace essai {

// A key event carrying its text, as a keyboard would send it (keyClicks
// cannot type accented letters).
inline void frapper(QWidget *cible, const QString &texte, int touche = 0,
                    Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent appui(QEvent::KeyPress, touche, mods, texte);
    QApplication::sendEvent(cible, &appui);
    QKeyEvent relache(QEvent::KeyRelease, touche, mods, texte);
    QApplication::sendEvent(cible, &relache);
}

inline void taperTexte(QWidget *cible, const QString &texte)
{
    for (QChar c : texte)
        frapper(cible, QString(c), c.isLetter() ? c.toUpper().unicode() : 0);
}

class Pilote {
public:
    explicit Pilote(const Installation &installation, QDate jour = QDate(2026, 12, 5))
    {
        plateforme.horloge.jour = jour;
        etat.dossierInstallation = installation.chemin();
        fenetre = std::make_unique<FrmEleve>(etat, plateforme.services());
        fenetre->show();
    }

    template <typename T>
    T *enfant(const QString &nom) const { return fenetre->findChild<T *>(nom); }
    QLineEdit *txtMot() const { return enfant<QLineEdit>(QStringLiteral("txtMot")); }
    QLabel *etiquette(const QString &nom) const { return enfant<QLabel>(nom); }
    QPushButton *bouton(const QString &nom) const { return enfant<QPushButton>(nom); }
    QGroupBox *cadre(const QString &nom) const { return enfant<QGroupBox>(nom); }

    void identifier(const QString &nom)
    {
        auto *liste = enfant<QComboBox>(QStringLiteral("cmbEleve"));
        liste->setCurrentIndex(liste->findText(nom));
        bouton(QStringLiteral("cmdIdentite"))->click();
    }
    void repondre(const QString &reponse)
    {
        taperTexte(txtMot(), reponse);
        QTest::keyClick(txtMot(), Qt::Key_Return);
    }
    void suivant() { bouton(QStringLiteral("cmdSuivant"))->click(); }

    // The lit squares of the ladder, by index.
    QList<int> points() const
    {
        QList<int> allumes;
        for (int k = 0; k < 7; ++k)
            if (!etiquette(QStringLiteral("lblPoints_%1").arg(k))->isHidden())
                allumes << k;
        return allumes;
    }
    int etapeCourante() const { return fenetre->etapeCourante(); }
    QString motCourant() const { return fenetre->motCourant(); }
    bool modeleVisible() const { return !cadre(QStringLiteral("frameModele"))->isHidden(); }
    QColor fondReponse() const { return txtMot()->palette().color(QPalette::Base); }
    QString etiquetteSuivant() const { return bouton(QStringLiteral("cmdSuivant"))->property("tag").toString(); }
    int messages(const QString &titre) const { return int(plateforme.messages.titres().count(titre)); }

    PlateformeFactice plateforme;
    EtatProgramme etat;
    std::unique_ptr<FrmEleve> fenetre;
};

} // namespace essai
