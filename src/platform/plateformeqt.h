#pragma once
// The real services: Qt message boxes, font database, screen, Qt Multimedia
// with libsndfile, the print dialog, detached processes and the system date;
// speech synthesis is libespeak-ng's, in a module loaded when first used.
#include "plateforme.h"
#include "synthesechargee.h"

#include <memory>

class QPrinter;

class MessagesQt : public Messages {
public:
    void information(QWidget *parent, const QString &titre, const QString &texte) override;
    bool question(QWidget *parent, const QString &titre, const QString &texte) override;
    int choisir(QWidget *parent, const QString &titre, const QString &texte, const QStringList &choix) override;
    QString choisirFichier(QWidget *parent, const QString &titre, const QString &filtre) override;
    QString choisirFichierEnregistrement(QWidget *parent, const QString &titre, const QString &filtre,
                                         const QString &nomPropose) override;
};

class PolicesQt : public Polices {
public:
    // Only the families that have a glyph for every letter of French, both
    // cases, accents, ç, œ and æ included: symbol fonts are left out.
    QStringList familles() override;
    int hauteurLigneTwips(const QFont &police) override;

private:
    QStringList famillesLisibles_;
};

class EcranQt : public Ecran {
public:
    QSize taille() override;
};

// An object made by a factory of the playback module beside the program
// (Qt Multimedia lives there, loaded at the first use, not at start-up);
// null when the module or the factory is missing.
QFunctionPointer resoudreDansModuleSon(const char *nom);
template <typename T>
T *creerDansModuleSon(const char *fabrique)
{
    using Fabrique = T *(*)();
    auto creer = reinterpret_cast<Fabrique>(resoudreDansModuleSon(fabrique));
    return creer ? creer() : nullptr;
}

class QTimer;

class SonQt : public Son {
public:
    SonQt();
    ~SonQt() override;
    int dureeMs(const QString &chemin) override;
    void jouer(const QString &chemin) override;
    void arreter() override;
    void signalerFin(double secondes, std::function<void()> fin) override;

private:
    Son *lecteur();
    std::unique_ptr<Son> lecteur_;   // the playback module, loaded at the first word
    bool moduleCharge_ = false;
    std::unique_ptr<QTimer> minuterie_;   // the end of the word playing
    std::function<void()> fin_;
};

// Recording from the default input, through the module that also plays.
class MicroQt : public Micro {
public:
    MicroQt();
    ~MicroQt() override;
    QString raisonIndisponible() override;
    bool demarrer(int frequence, Reception recevoir) override;
    void arreter() override;

private:
    Micro *entree();
    std::unique_ptr<Micro> entree_;
    bool moduleCharge_ = false;
};

// The print dialog; printing to a file obeys refusFichierImpression
// (sortieimpression.h): a refused file is told through messages and the
// dialog opens again on the Documents folder, until a good file, a printer or
// "Annuler".
class ImprimanteQt : public Imprimante {
public:
    explicit ImprimanteQt(Messages &messages) : messages_(messages) {}
    // The data folder no printed file may go into; set once it is decided.
    void protegerDossier(const QString &dossierDonnees) { dossierDonnees_ = dossierDonnees; }

    bool imprimer(QWidget *parent, const QString &texte, const QFont &police) override;
    bool imprimerHtml(QWidget *parent, const QString &html, const QFont &police, bool paysage) override;

private:
    bool choisirSortie(QPrinter &imprimante, QWidget *parent);

    Messages &messages_;
    QString dossierDonnees_;
};

class LanceurQt : public Lanceur {
public:
    bool lancer(const QString &chemin, const QStringList &arguments) override;
};

class HorlogeQt : public Horloge {
public:
    QDate aujourdhui() override;
};

// Owns one of each and hands them out as a Plateforme.
class PlateformeQt {
public:
    Plateforme services();
    // Once the data folder is decided: no printed file may go into it.
    void protegerDossierDonnees(const QString &dossier) { imprimante_.protegerDossier(dossier); }

private:
    MessagesQt messages_;
    PolicesQt polices_;
    EcranQt ecran_;
    SonQt son_;
    ImprimanteQt imprimante_{messages_};
    LanceurQt lanceur_;
    HorlogeQt horloge_;
    MicroQt micro_;
    SyntheseChargee synthese_;
};
