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
