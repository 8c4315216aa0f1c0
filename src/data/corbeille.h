#pragma once
// The Corbeille folder beside Sons: the recordings of removed words and the
// old recordings of replaced ones, "<word> (yyyy-MM-dd HHhmmmss).wav". Older
// installations may hold plain "<word>.wav" there too. When a word leaves the
// list, a small hidden note beside its recording, ".<same name>.dat"
// (Windows-1252 values: the word, its level, the word listed before it, its
// context sentence and the name its recording was given in Corbeille/Phrases),
// keeps what is needed to put it back where it was; Mots.dat and Phrases.dat
// themselves are never changed for it.
#include "ecriture.h"
#include "enregistrement.h"
#include "listemots.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

struct EnregistrementJete {
    QString nomFichier;   // within Corbeille
    QString mot;
    QDateTime moment;     // from the name, else the file's time
    // Known only for a word that left the list with its note: its level
    // ("" for none) and the word listed before it ("" when it was first).
    std::optional<QString> niveau;
    std::optional<QString> precedent;
    // The context sentence it had, empty for none, and its recording's name
    // within Corbeille/Phrases, empty when it had none.
    QString phrase;
    QString enregistrementPhrase;
};

class Corbeille {
public:
    explicit Corbeille(QString dossierInstallation);

    // What the folder holds, newest first; a missing folder holds nothing,
    // and a Corbeille that is a link is not read. Files whose name cannot be
    // a word of the list, and links, are left out.
    QList<EnregistrementJete> lister() const;

    QString chemin(const EnregistrementJete &jete) const;

    // The recording of a word leaving the list, moved into Corbeille, and its
    // note written beside it from the word's entry liste[rang]; the recording
    // of its sentence goes to Corbeille/Phrases, the sentence into the note.
    // The note is a help, not a condition: a note that cannot be written
    // leaves the move done.
    ResultatEcriture jeterMot(const QString &cheminEnregistrement, const ListeMots &liste, qsizetype rang,
                              const QDateTime &moment = QDateTime::currentDateTime());

    enum class Issue { Remis, Occupe, Echec };
    // What became of the sentence the word left with.
    enum class IssuePhrase {
        Aucune,    // it had none
        Remise,    // back in Phrases.dat, with its recording when it had one
        Gardee,    // the word has a sentence or a sentence recording again: that one stays
        Echec,
    };
    struct Remise {
        Issue issue = Issue::Echec;
        QString detail;   // why, in French, for Echec
        IssuePhrase phrase = IssuePhrase::Aucune;
        QString detailPhrase;   // why, in French, for IssuePhrase::Echec
    };
    // Puts the recording back as Sons/<word>.wav and takes it (and its note)
    // out of Corbeille; the word's sentence comes back with it. While the word
    // has a recording in Sons (".wav" in any case), Remplacement::Jamais
    // changes nothing and answers Occupe; Remplacement::Remplacer moves that
    // one into Corbeille in turn, once the one coming back is written whole
    // beside it.
    Remise remettre(const EnregistrementJete &jete, Remplacement remplacement);

    // Puts the word back into the list: after the word it followed (first
    // when it was first, at the end when that word is gone or not known), with
    // its level when known. A word still listed is left as it is. The row it
    // was given, or -1.
    static qsizetype replacerDansListe(ListeMots &liste, const EnregistrementJete &jete);

private:
    QString dossier() const;
    Remise remettrePhrase(const EnregistrementJete &jete, Remise remise);
    QString dossierInstallation_;
};
