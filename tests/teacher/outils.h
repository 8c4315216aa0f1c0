#pragma once
// A throwaway installation folder and a teacher window opened on it, with
// fake messages and fonts.
#include "support/plateformefactice.h"
#include "teacher/dialogueajoutmots.h"
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
    // The word's recordings put in Corbeille, by name: "chat (2026-12-07 09h41m05).wav".
    QStringList dansCorbeille(const QString &mot) const
    {
        static const QRegularExpression date(u" \\(\\d{4}-\\d{2}-\\d{2} \\d{2}h\\d{2}m\\d{2}\\)\\.wav$"_s);
        QStringList noms;
        for (const QString &nom : QDir(fichier(u"Corbeille"_s)).entryList(QDir::Files))
            if (nom.startsWith(mot + u' ') && date.match(nom).capturedStart() == mot.size())
                noms << nom;
        return noms;
    }
    // The content of the word's only recording in Corbeille.
    QByteArray lireCorbeille(const QString &mot) const
    {
        const QStringList noms = dansCorbeille(mot);
        return noms.size() == 1 ? lire(u"Corbeille/"_s + noms[0]) : QByteArray("<%1 dans la corbeille>").replace("%1", QByteArray::number(noms.size()));
    }
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
    // The word list: cell c of the k-th row from the top of the view (c: 0
    // the word, 1 the level box, 2 the loudspeaker, 3 "…"); invalid below the last word.
    QTableView *vue() const { return w<QTableView>(u"vueMots"_s); }
    QModelIndex cellule(int k, int c) const
    {
        return vue()->model()->index(vue()->verticalScrollBar()->value() + k, c);
    }
    QString mot(int k) const { return cellule(k, 0).data().toString(); }
    QString niveau(int k) const { return cellule(k, 1).data().toString(); }
    void clic(int k, int c) const
    {
        const QRect r = vue()->visualRect(cellule(k, c));
        QVERIFY2(vue()->viewport()->rect().contains(r), "the cell is not in sight");
        QTest::mouseClick(vue()->viewport(), Qt::LeftButton, {}, r.center());
    }
    void clicNiveau(int k) const { clic(k, 1); }
    // The colour drawn inside the k-th level box, away from its digit.
    QColor fond(int k) const
    {
        const QRect r = vue()->visualRect(cellule(k, 1));
        return vue()->viewport()->grab(r).toImage().pixelColor(3, 3);
    }
    // Opens the k-th row's "…" menu and picks the action named nom.
    void menu(int k, const QString &nom) const
    {
        clic(k, 3);
        auto *menu = f->findChild<QMenu *>(u"menuMot"_s);
        QVERIFY(menu && menu->isVisible());
        auto *action = menu->findChild<QAction *>(nom);
        QVERIFY(action && action->isVisible());
        menu->hide();
        action->trigger();
    }
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

// "Ajouter des mots…" opened, the text put in and "Ajouter" clicked: the
// dialog once its work is done; null if it did not open or never finished.
inline DialogueAjoutMots *ajouterMots(const Fenetre &fen, const QString &saisie)
{
    fen.clic(u"cmdAjouterMots"_s);
    auto *dialogue = fen.f->findChild<DialogueAjoutMots *>();
    if (!dialogue || !dialogue->isVisible())
        return nullptr;
    dialogue->findChild<QPlainTextEdit *>(u"txtAjoutMots"_s)->setPlainText(saisie);
    QTest::mouseClick(dialogue->findChild<QPushButton *>(u"cmdAjoutMots"_s), Qt::LeftButton);
    return QTest::qWaitFor([dialogue] { return !dialogue->enCours(); }, 120000) ? dialogue : nullptr;
}
