#pragma once
// The fonts made for beginning and dyslexic readers, and the French school
// cursive, in the order the teacher is offered them: Andika (SIL, for
// beginning readers), OpenDyslexic, Comic Neue, and Écolier, the cursive
// taught in French schools (plain, and on Seyès ruled lines).
#include <QStringList>

inline const QStringList kPolicesJeunesLecteurs = {
    QStringLiteral("Andika"), QStringLiteral("OpenDyslexic"), QStringLiteral("Comic Neue"),
    QStringLiteral("Ecolier_court"), QStringLiteral("Ecolier_lignes_court"),
};

// The family without the " [foundry]" that a list adds to tell apart two
// families of the same name.
inline QString nomSansFonderie(const QString &famille)
{
    const qsizetype crochet = famille.indexOf(QLatin1String(" ["));
    return crochet < 0 ? famille : famille.left(crochet);
}

inline bool estPoliceJeunesLecteurs(const QString &famille)
{
    return kPolicesJeunesLecteurs.contains(nomSansFonderie(famille), Qt::CaseInsensitive);
}

// The young readers' fonts among the installed families, in the order above.
inline QStringList policesJeunesLecteurs(const QStringList &installees)
{
    QStringList trouvees;
    for (const QString &nom : kPolicesJeunesLecteurs)
        for (const QString &famille : installees)
            if (nomSansFonderie(famille).compare(nom, Qt::CaseInsensitive) == 0) {
                trouvees << famille;
                break;
            }
    return trouvees;
}

// The name a teacher reads for a family: the school cursive by its own name,
// not its file's. Other families keep theirs.
inline const QStringList kNomsAffichesJeunes = {
    QStringLiteral("Andika"), QStringLiteral("OpenDyslexic"), QStringLiteral("Comic Neue"),
    QStringLiteral("Écolier"), QStringLiteral("Écolier lignes"),
};

inline QString nomAffichePolice(const QString &famille)
{
    const qsizetype i = kPolicesJeunesLecteurs.indexOf(nomSansFonderie(famille), 0);
    return i < 0 ? famille : kNomsAffichesJeunes[i];
}

// The family behind a name shown (or typed) in the list.
inline QString familleDuNomAffiche(const QString &nom)
{
    for (qsizetype i = 0; i < kNomsAffichesJeunes.size(); ++i)
        if (nom.compare(kNomsAffichesJeunes[i], Qt::CaseInsensitive) == 0)
            return kPolicesJeunesLecteurs[i];
    return nom;
}
