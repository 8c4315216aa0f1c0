#pragma once
// A throwaway installation folder (Mots.dat, pupil files and recordings
// written byte for byte as the program keeps them) and a pupil window driven
// the way a child does, with fake sound, messages, printer and clock.
#include "data/tableprogression.h"
#include "pupil/frmeleve.h"
#include "support/plateformefactice.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

using namespace Qt::StringLiterals;

// The bytes of a pupil file: every cell quoted on its own line, CR LF.
inline QByteArray octetsBilan(const QList<LigneProgression> &lignes)
{
    QString texte;
    for (const LigneProgression &ligne : lignes)
        for (const QString &cellule : ligne)
            texte += u'"' + cellule + u"\"\r\n"_s;
    return QStringEncoder("windows-1252").encode(texte);
}

// A row with the word in the column of its stage.
inline LigneProgression ligne(const QString &mot, int etape, const QString &niveau, const QString &date)
{
    LigneProgression l{};
    l[etape] = mot;
    l[kColonneNiveau] = niveau;
    l[kColonneDate] = date;
    return l;
}

struct Installation {
    QTemporaryDir dossier;
    QString chemin(const QString &nom) const { return dossier.path() + u'/' + nom; }
    QString cheminSon(const QString &mot) const { return chemin(u"Sons/"_s + mot + u".wav"_s); }
    void ecrire(const QString &nom, const QByteArray &octets) const
    {
        QFile f(chemin(nom));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(octets);
    }
    void ecrireBilan(const QString &eleve, const QList<LigneProgression> &l) const { ecrire(eleve + u".bil"_s, octetsBilan(l)); }
    QByteArray lireBilan(const QString &eleve) const
    {
        QFile f(chemin(eleve + u".bil"_s));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    // Mots.dat with these words at level 1, an empty recording for each (the
    // fake sound device answers the lengths), and an empty file for Paul.
    void preparer(const QStringList &mots) const
    {
        QString texte;
        QDir(dossier.path()).mkpath(u"Sons"_s);
        for (const QString &mot : mots) {
            texte += u"\"*\",\"%1\",\"1\"\r\n"_s.arg(mot);
            ecrire(u"Sons/"_s + mot + u".wav"_s, {});
        }
        ecrire(u"Mots.dat"_s, QStringEncoder("windows-1252").encode(texte));
        ecrireBilan(u"Paul"_s, {});
    }
};

// A key event carrying its text, as a keyboard sends it (keyClicks cannot
// type accented letters).
inline void frapper(QWidget *cible, const QString &texte, int touche = 0, Qt::KeyboardModifiers mods = {})
{
    QKeyEvent appui(QEvent::KeyPress, touche, mods, texte);
    QApplication::sendEvent(cible, &appui);
}

struct Pilote {
    PlateformeFactice plateforme;
    EtatProgramme etat;
    std::unique_ptr<FrmEleve> fenetre;

    explicit Pilote(const Installation &inst, const QString &eleve = {}, QDate jour = QDate(2026, 12, 5),
                    const ReglageFonte &police = kPoliceExerciceParDefaut, const QString &dossierProgramme = {})
    {
        plateforme.horloge.jour = jour;
        etat.dossierInstallation = inst.dossier.path();
        // As the program sets it, the folder of the running program, unless
        // the test gives one.
        etat.dossierProgramme = dossierProgramme.isEmpty() ? QCoreApplication::applicationDirPath() : dossierProgramme;
        etat.policeExercice = police;
        fenetre = std::make_unique<FrmEleve>(etat, plateforme.services());
        fenetre->show();
        if (!eleve.isEmpty())
            identifier(eleve);
    }
    template <typename T = QLabel>
    T *w(const QString &nom) const { return fenetre->findChild<T *>(nom); }
    QLineEdit *txtMot() const { return w<QLineEdit>(u"txtMot"_s); }
    QString texte(const QString &etiquette) const { return w(etiquette)->text(); }
    void clic(const QString &bouton) const { w<QPushButton>(bouton)->click(); }
    void identifier(const QString &nom)
    {
        auto *liste = w<QComboBox>(u"cmbEleve"_s);
        liste->setCurrentIndex(liste->findText(nom));
        clic(u"cmdIdentite"_s);
    }
    void repondre(const QString &reponse)
    {
        for (QChar c : reponse)
            frapper(txtMot(), QString(c), c.isLetter() ? c.toUpper().unicode() : 0);
        QTest::keyClick(txtMot(), Qt::Key_Return);
    }
    void suivant() const { clic(u"cmdSuivant"_s); }
    void quitter() const { clic(u"cmdQuitter"_s); }
    // The lit squares of the ladder, by index.
    QList<int> points() const
    {
        QList<int> allumes;
        for (int k = 0; k < 7; ++k)
            if (!w(u"lblPoints_%1"_s.arg(k))->isHidden())
                allumes << k;
        return allumes;
    }
    bool modeleVisible() const { return !w<QGroupBox>(u"frameModele"_s)->isHidden(); }
    QColor fondReponse() const { return txtMot()->palette().color(QPalette::Base); }
    QString etiquetteSuivant() const { return w<QPushButton>(u"cmdSuivant"_s)->property("tag").toString(); }
    int messages(const QString &titre) const { return int(plateforme.messages.titres().count(titre)); }
};
