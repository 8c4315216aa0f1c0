#pragma once
// A throwaway installation folder and a teacher window opened on it, with
// fake messages and fonts.
#include "support/plateformefactice.h"
#include "teacher/frmcode.h"
#include "teacher/frmenseignant.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

struct Installation {
    QTemporaryDir dossier;
    QString fichier(const QString &nom) const { return QDir(dossier.path()).filePath(nom); }
    void ecrire(const QString &nom, const QByteArray &octets) const
    {
        QFile f(fichier(nom));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    QByteArray lire(const QString &nom) const
    {
        QFile f(fichier(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    QStringList fichiers(const QString &filtre) const { return QDir(dossier.path()).entryList({filtre}, QDir::Files); }
};

// One line of Mots.dat, as the teacher window writes it.
inline QByteArray ligneMots(const QByteArray &mot, const QByteArray &niveau)
{
    return "\"*\",\"" + mot + "\",\"" + niveau + "\"\r\n";
}

// Types text the way a keyboard would, accents included (keyClicks cannot).
inline void taper(QWidget *cible, const QString &texte)
{
    for (const QChar c : texte) {
        QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(cible, &appui);
    }
}

// The teacher window, shown, on a folder with one empty recording per word
// and an empty file per pupil; avant runs first, to put files or settings in place.
struct Fenetre {
    Installation inst;
    PlateformeFactice p;
    EtatProgramme etat;
    std::unique_ptr<FrmEnseignant> f;

    explicit Fenetre(const QStringList &sons, const QStringList &eleves = {},
                     const std::function<void(Fenetre &)> &avant = {})
    {
        QDir(inst.dossier.path()).mkpath(u"Sons"_s);
        for (const QString &mot : sons)
            inst.ecrire(u"Sons/"_s + mot + u".wav"_s, "RIFF");
        for (const QString &eleve : eleves)
            inst.ecrire(eleve + u".bil"_s, {});
        etat.dossierInstallation = inst.dossier.path();
        if (avant)
            avant(*this);
        f = std::make_unique<FrmEnseignant>(etat, p.services());
        f->resize(800, 600);
        f->show();
    }
    template <typename T = QLabel>
    T *w(const QString &nom) const { return f->findChild<T *>(nom); }
    QLabel *boite(int k) const { return w(u"lbl1_%1"_s.arg(k)); }
    QLabel *mot(int k) const { return w(u"lblMot_%1"_s.arg(k)); }
    void clic(QWidget *cible) const { QTest::mouseClick(cible, Qt::LeftButton); }
    void clic(const QString &bouton) const { clic(w<QPushButton>(bouton)); }
    // The pupil list panel: "A&jouter", the name typed, then Enter.
    void ajouter(const QString &nom) const
    {
        clic(u"cmdAjouter"_s);
        taper(w<QLineEdit>(u"txtEleve"_s), nom);
        QTest::keyClick(w<QLineEdit>(u"txtEleve"_s), Qt::Key_Return);
    }
    QStringList liste() const
    {
        QStringList noms;
        for (auto *cmb = w<QComboBox>(u"cmbEleves"_s); noms.size() < cmb->count();)
            noms << cmb->itemText(int(noms.size()));
        return noms;
    }
};

inline QColor fond(const QLabel *l) { return l->palette().color(QPalette::Window); }
