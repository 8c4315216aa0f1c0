#pragma once
// Test doubles for the platform services: they record what a window asked for
// and answer what the test says, without any modal dialog or sound device.
#include "audio/traitement.h"
#include "platform/plateforme.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QList>
#include <QPromise>
#include <cmath>
#include <functional>
#include <memory>
#include <utility>

struct MessageDemande {
    QString titre;
    QString texte;
    bool question = false;
};

class MessagesFactices : public Messages {
public:
    QList<MessageDemande> demandes;
    bool reponseQuestion = true;                 // the answer to every Yes/No question
    int reponseChoix = 0;                        // the index picked in every list (-1: cancelled)
    QStringList choixProposes;                   // the choices of the last list
    std::function<void()> pendantMessage;        // runs while a box is "open"

    void information(QWidget *, const QString &titre, const QString &texte) override
    {
        demandes.append({titre, texte, false});
        if (pendantMessage)
            pendantMessage();
    }
    bool question(QWidget *, const QString &titre, const QString &texte) override
    {
        demandes.append({titre, texte, true});
        if (pendantMessage)
            pendantMessage();
        return reponseQuestion;
    }
    int choisir(QWidget *, const QString &titre, const QString &texte, const QStringList &choix) override
    {
        demandes.append({titre, texte, true});
        choixProposes = choix;
        if (pendantMessage)
            pendantMessage();
        return reponseChoix;
    }
    QString reponseFichier;                      // the path every file chooser answers ("": cancelled)
    QString choisirFichier(QWidget *, const QString &titre, const QString &) override
    {
        demandes.append({titre, QString(), true});
        return reponseFichier;
    }
    QString nomPropose;                          // the name the last saving chooser offered
    QString choisirFichierEnregistrement(QWidget *, const QString &titre, const QString &,
                                         const QString &nom) override
    {
        demandes.append({titre, QString(), true});
        nomPropose = nom;
        return reponseFichier;
    }
    QStringList titres() const
    {
        QStringList t;
        for (const auto &d : demandes)
            t << d.titre;
        return t;
    }
};

class PolicesFactices : public Polices {
public:
    QStringList listeFamilles{QStringLiteral("Comic Sans MS"), QStringLiteral("Andika"),
                              QStringLiteral("DejaVu Sans")};
    QStringList familles() override { return listeFamilles; }
    // Measured at 96 dots per inch, like the offscreen platform.
    int hauteurLigneTwips(const QFont &police) override
    {
        return int(QFontMetrics(police).height() * 1440.0 / 96.0 + 0.5);
    }
};

class EcranFactice : public Ecran {
public:
    QSize tailleEcran{800, 600};
    QSize taille() override { return tailleEcran; }
};

class SonFactice : public Son {
public:
    QStringList joues;                     // every path played, in order
    QHash<QString, int> durees;            // path -> milliseconds (absent: 0)
    QList<double> attentes;                // every wait asked, in seconds
    std::function<void()> pendantAttente;  // runs during a wait (e.g. a second click)
    int arrets = 0;

    int dureeMs(const QString &chemin) override { return durees.value(chemin, 0); }
    void jouer(const QString &chemin) override { joues.append(chemin); }
    void arreter() override { ++arrets; }
    // true: the end of playback waits for finir(), as a real word takes its
    // time; false: the word ends at once, after pendantAttente.
    bool retenirFin = false;
    std::function<void()> finEnAttente;
    void signalerFin(double secondes, std::function<void()> fin) override
    {
        attentes.append(secondes);
        if (pendantAttente) {
            auto action = pendantAttente;
            pendantAttente = nullptr;   // once, so a re-entrant click cannot loop
            action();
        }
        if (retenirFin)
            finEnAttente = std::move(fin);
        else
            fin();
    }
    void finir()
    {
        if (auto fin = std::exchange(finEnAttente, nullptr))
            fin();
    }
};

class ImprimanteFactice : public Imprimante {
public:
    QStringList textes;
    QList<QFont> polices;
    bool reussite = true;
    bool imprimer(QWidget *, const QString &texte, const QFont &police) override
    {
        textes.append(texte);
        polices.append(police);
        return reussite;
    }
};

class LanceurFactice : public Lanceur {
public:
    struct Lancement {
        QString chemin;
        QStringList arguments;
    };
    QList<Lancement> lancements;
    bool reussite = true;
    bool lancer(const QString &chemin, const QStringList &arguments) override
    {
        lancements.append({chemin, arguments});
        return reussite;
    }
};

class HorlogeFactice : public Horloge {
public:
    QDate jour{2026, 12, 5};
    QDate aujourdhui() override { return jour; }
};

// Speech synthesis a test drives: every word asked is kept, and answered at
// once (a half-second tone, a real WAV for enregistrer) unless retenir is
// set; held words are answered by repondre(), in order, or cancelled when
// the double goes.
class SyntheseFactice : public Synthese {
public:
    QStringList demandes;          // every word asked, in order
    bool retenir = false;          // true: answers wait for repondre()
    QString erreur;                // answered for every word when not empty

    QFuture<MotParle> prononcer(const QString &mot) override
    {
        demandes.append(mot);
        auto promesse = std::make_shared<QPromise<MotParle>>();
        promesse->start();
        attente_.append([this, promesse] {
            promesse->addResult(parler());
            promesse->finish();
        });
        return avancer(promesse->future());
    }
    QFuture<QString> enregistrer(const QString &dossierInstallation, const QString &mot) override
    {
        demandes.append(mot);
        auto promesse = std::make_shared<QPromise<QString>>();
        promesse->start();
        attente_.append([this, promesse, dossierInstallation, mot] {
            promesse->addResult(ecrire(dossierInstallation, mot));
            promesse->finish();
        });
        return avancer(promesse->future());
    }
    int enAttente() const { return int(attente_.size()); }
    // Answers the n oldest held words (all when n < 0).
    void repondre(int n = -1)
    {
        while (!attente_.isEmpty() && n-- != 0)
            attente_.takeFirst()();
    }

private:
    template <typename T>
    QFuture<T> avancer(QFuture<T> future)
    {
        if (!retenir)
            repondre();
        return future;
    }
    MotParle parler() const
    {
        MotParle parle;
        if (!erreur.isEmpty()) {
            parle.erreur = erreur;
            return parle;
        }
        parle.frequence = 22050;
        for (int i = 0; i < parle.frequence / 2; ++i)
            parle.echantillons.push_back(short(8000 * std::sin(i * 2 * 3.14159265 * 440 / parle.frequence)));
        return parle;
    }
    // Written as the real engine writes.
    QString ecrire(const QString &dossierInstallation, const QString &mot) const
    {
        const MotParle parle = parler();
        if (!parle.erreur.isEmpty())
            return parle.erreur;
        return enregistrerMot(dossierInstallation, mot, parle.echantillons, parle.frequence, Remplacement::Jamais)
            .detail;
    }
    QList<std::function<void()>> attente_;
};

// One of each, ready to hand to a window.
struct PlateformeFactice {
    MessagesFactices messages;
    PolicesFactices polices;
    EcranFactice ecran;
    SonFactice son;
    ImprimanteFactice imprimante;
    LanceurFactice lanceur;
    HorlogeFactice horloge;
    SyntheseFactice synthese;

    Plateforme services()
    {
        Plateforme p{&messages, &polices, &ecran, &son, &imprimante, &lanceur, &horloge};
        p.synthese = &synthese;
        return p;
    }
};

#include <algorithm>
#include <vector>

// A microphone a test speaks into: fournir() hands the samples to the window
// in blocks of a tenth of a second, as a real input does.
class MicroFactice : public Micro {
public:
    QString raison;              // why there is no input; empty: there is one
    bool reussiteDemarrage = true;
    int frequence = 0;           // as asked by the last start
    int demarrages = 0;
    int arrets = 0;

    QString raisonIndisponible() override { return raison; }
    bool demarrer(int frequenceDemandee, Reception recevoir) override
    {
        if (!reussiteDemarrage)
            return false;
        frequence = frequenceDemandee;
        recevoir_ = std::move(recevoir);
        ++demarrages;
        return true;
    }
    void arreter() override
    {
        recevoir_ = nullptr;
        ++arrets;
    }
    bool enCours() const { return bool(recevoir_); }
    void fournir(const std::vector<qint16> &echantillons)
    {
        const std::size_t bloc = std::max(1, frequence / 10);
        for (std::size_t debut = 0; debut < echantillons.size() && recevoir_; debut += bloc) {
            const std::span<const qint16> morceau(echantillons.data() + debut,
                                                  std::min(bloc, echantillons.size() - debut));
            int crete = 0;
            for (const qint16 e : morceau)
                crete = std::max(crete, e < 0 ? -int(e) : int(e));
            recevoir_(morceau, crete / 32768.0);
        }
    }

private:
    Reception recevoir_;
};
