#pragma once
// The services the windows reach the outside world through. Each is an
// interface so that a test can hand a window a double and check what it was
// asked to do; the Qt implementations are in plateformeqt.h.
#include "parole.h"

#include <QDate>
#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTextDocumentFragment>

#include <functional>
#include <span>

class QWidget;

class Messages {
public:
    virtual ~Messages() = default;
    // A modal box with an OK button.
    virtual void information(QWidget *parent, const QString &titre, const QString &texte) = 0;
    // A modal box with Yes and No; true for Yes.
    virtual bool question(QWidget *parent, const QString &titre, const QString &texte) = 0;
    // A modal list to pick one of the choices from; its index, or -1 when
    // cancelled.
    virtual int choisir(QWidget *parent, const QString &titre, const QString &texte, const QStringList &choix) = 0;
    // A modal file chooser for opening a file (filtre as in "Listes (*.txt)");
    // the chosen path, or empty when cancelled.
    virtual QString choisirFichier(QWidget *parent, const QString &titre, const QString &filtre) = 0;
    // A modal file chooser for saving, opened on nomPropose; the chosen
    // path, or empty when cancelled.
    virtual QString choisirFichierEnregistrement(QWidget *parent, const QString &titre, const QString &filtre,
                                                 const QString &nomPropose) = 0;
};

class Polices {
public:
    virtual ~Polices() = default;
    // The installed font families that can write every French letter, in the
    // platform's order.
    virtual QStringList familles() = 0;
    // The height of one line of text in this font, in twips (pixels x 1440 / logical DPI).
    virtual int hauteurLigneTwips(const QFont &police) = 0;
};

class Ecran {
public:
    virtual ~Ecran() = default;
    virtual QSize taille() = 0;   // available screen size, in pixels
};

class Son {
public:
    virtual ~Son() = default;
    // Length of a WAV recording in milliseconds; 0 when missing or not a WAV.
    virtual int dureeMs(const QString &chemin) = 0;
    // Starts playing and returns at once; silent without an audio device.
    virtual void jouer(const QString &chemin) = 0;
    virtual void arreter() = 0;
    // Calls fin once, this many seconds from now (the length of the word just
    // started, with the caller's margin): playback has ended. It returns at
    // once; a new call replaces the call still waiting.
    virtual void signalerFin(double secondes, std::function<void()> fin) = 0;
};

class Imprimante {
public:
    virtual ~Imprimante() = default;
    // Asks for a printer and prints the plain text in this font, wrapped at the
    // page edge. False when cancelled or failed (the caller stays silent).
    virtual bool imprimer(QWidget *parent, const QString &texte, const QFont &police) = 0;
    // The same for rich text (tables, colours), on a landscape page when asked.
    // Unless a printer knows better, the text alone is printed.
    virtual bool imprimerHtml(QWidget *parent, const QString &html, const QFont &police, bool paysage);
};

class Lanceur {
public:
    virtual ~Lanceur() = default;
    // Starts a program with these arguments, without waiting; false when it
    // cannot be started.
    virtual bool lancer(const QString &chemin, const QStringList &arguments) = 0;
};

class Horloge {
public:
    virtual ~Horloge() = default;
    virtual QDate aujourdhui() = 0;
};

class Micro {
public:
    // A block of 16-bit mono samples as it comes, with its level from 0 to 1
    // for a meter.
    using Reception = std::function<void(std::span<const qint16> echantillons, double niveau)>;

    virtual ~Micro() = default;
    // Empty when there is an input to record from; else why not, in French,
    // for the teacher (shown as a tooltip).
    virtual QString raisonIndisponible() = 0;
    // Starts recording at this many samples a second; false when it cannot
    // start. Blocks arrive through recevoir on the interface thread until
    // arreter().
    virtual bool demarrer(int frequence, Reception recevoir) = 0;
    virtual void arreter() = 0;
};

inline bool Imprimante::imprimerHtml(QWidget *parent, const QString &html, const QFont &police, bool)
{
    return imprimer(parent, QTextDocumentFragment::fromHtml(html).toPlainText(), police);
}

// Everything a window may need; the pointers outlive the windows.
struct Plateforme {
    Messages *messages = nullptr;
    Polices *polices = nullptr;
    Ecran *ecran = nullptr;
    Son *son = nullptr;
    Imprimante *imprimante = nullptr;
    Lanceur *lanceur = nullptr;
    Horloge *horloge = nullptr;
    Micro *micro = nullptr;
    Synthese *synthese = nullptr;
};
