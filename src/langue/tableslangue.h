#pragma once
// What the program knows of French spelling beyond the teacher's words:
// which forms sound the same, and which words have a second, reformed
// spelling (the 1990 rectifications taught at school). Both come as tables
// shipped beside the program, read at the first question. A table that is
// missing or damaged only means "no homophones" or "one spelling": the
// program never fails for it.
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <mutex>

// The file names, in the folder trouverDossierLangue gives.
inline const QString kFichierHomophones = QStringLiteral("homophones.txt");
inline const QString kFichierOrthographe = QStringLiteral("orthographe-1990.txt");

// The folder of the tables: langue/ beside the program (an installation
// folder, a build), or ../../share/orthoval/langue from a system
// installation's libexec/orthoval. Empty when none is found.
QString trouverDossierLangue(const QString &dossierProgramme);

class TablesLangue {
public:
    // dossier: the folder that holds the tables (trouverDossierLangue).
    explicit TablesLangue(const QString &dossier);
    TablesLangue(const TablesLangue &) = delete;
    TablesLangue &operator=(const TablesLangue &) = delete;

    // The other common spellings that sound like this word, without its own
    // plural and feminine and without its other accepted spelling; for a
    // verb's forms, one of each ("manger": "mangez", "mangé", not also
    // "mangée", "mangés"). Empty when there are none. Any thread.
    QStringList homophonesDe(const QString &mot) const;

    // The word's other accepted spelling, traditional <-> reformed
    // ("île" <-> "ile", "événement" <-> "évènement"); empty when the word
    // has one spelling. Any thread.
    QStringList variantesOrthographe(const QString &mot) const;

    // Whether this spelling is the reformed one of its pair ("ile", not
    // "île"); false for a word with one spelling. Any thread.
    bool estRectifiee(const QString &mot) const;

private:
    void chargerHomophones() const;
    void chargerOrthographe() const;

    QString dossier_;
    mutable std::once_flag homophonesCharges_;
    mutable std::once_flag orthographeChargee_;
    // Each form -> its group of forms that sound the same.
    mutable QList<QStringList> groupes_;
    mutable QHash<QString, qsizetype> groupeDe_;
    mutable QHash<QString, QStringList> variantes_;
    mutable QSet<QString> rectifiees_;
};
