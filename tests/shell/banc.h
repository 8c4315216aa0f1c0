#pragma once
// A main window over a temporary installation folder, with fake services and
// modal windows that record their opening instead of waiting for a click.
#include "shell/frmorthoval.h"
#include "support/plateformefactice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct Banc {
    QTemporaryDir dossier;
    PlateformeFactice plateforme;
    EtatProgramme etat;
    std::unique_ptr<FrmOrthoval> fenetre;

    // Every modal window opened, in order: "eleve", "code", "enseignant", "fin".
    QStringList journal;
    bool codeAccepte = true;         // the verdict of the access-code dialog
    bool eleveSansListeMots = false; // the pupil window finds no word list
    std::function<void()> pendantCode;
    std::function<void()> pendantEnseignant;
    Lanceur *autreLanceur = nullptr;  // replaces the fake that starts everything

    Banc() { etat.dossierInstallation = dossier.path(); }

    QString chemin(const QString &nom) const { return dossier.filePath(nom); }
    void creerFichier(const QString &nom, const QByteArray &octets = {}) const
    {
        QFile f(chemin(nom));
        if (f.open(QIODevice::WriteOnly))
            f.write(octets);
    }
    void creerSons() const { QDir(dossier.path()).mkdir(QStringLiteral("Sons")); }

    FrmOrthoval &demarrer()
    {
        Plateforme services = plateforme.services();
        if (autreLanceur)
            services.lanceur = autreLanceur;
        fenetre = std::make_unique<FrmOrthoval>(etat, services);
        FenetresModales f;
        f.code = [this](EtatProgramme &e, Plateforme, QWidget *) {
            journal << QStringLiteral("code");
            if (pendantCode)
                pendantCode();
            e.accessGranted = codeAccepte;
        };
        f.enseignant = [this](EtatProgramme &e, Plateforme, QWidget *) {
            journal << (e.accessGranted ? QStringLiteral("enseignant")
                                        : QStringLiteral("enseignant sans code"));
            if (pendantEnseignant)
                pendantEnseignant();
        };
        f.eleve = [this](EtatProgramme &, Plateforme, QWidget *) {
            journal << QStringLiteral("eleve");
            return eleveSansListeMots;
        };
        f.terminer = [this] { journal << QStringLiteral("fin"); };
        fenetre->remplacerFenetres(f);
        return *fenetre;
    }

    template<typename T = QWidget>
    T *element(const QString &nom) const { return fenetre->findChild<T *>(nom); }
};
