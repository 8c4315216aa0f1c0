#pragma once
// The teacher's guide, in a window of its own that never blocks the teacher
// window: a contents list made from the guide's headings, the guide in a
// browser. The text is aide/guide.html, compiled into the program, so that
// it can be edited without touching the code.
#include <QDialog>
#include <QString>

class QListWidget;
class QTextBrowser;

namespace TextesAide {
inline const QString bouton = QStringLiteral("&Aide");
inline const QString bulle = QStringLiteral(" Le guide de l'enseignant (touche F1). ");
}  // namespace TextesAide

class FrmAide : public QDialog {
    Q_OBJECT
public:
    // ecran: the screen's available size; the window stays inside it.
    FrmAide(QSize ecran, QWidget *parent = nullptr);

    // Shows the subject of the contents list's row `ligne` at the top of the browser.
    void allerA(int ligne);

private:
    void remplirSommaire();

    QListWidget *lstSommaire_ = nullptr;
    QTextBrowser *txtAide_ = nullptr;
};

// French typography keeps « and » with their word, and a colon, semicolon,
// question or exclamation mark with the word before: texts are written with
// plain spaces, easy to edit, and get the non-breaking ones from here.
QString lierPonctuation(QString texte);

// Shows the guide over `fenetre`, in front and without blocking it; the same
// window each time, so the teacher finds the page where he left it.
FrmAide *ouvrirAide(QWidget *fenetre, QSize ecran);
