#pragma once
// A throwaway installation folder for the pupil window: Mots.dat, pupil files
// and recordings, written byte for byte as the program keeps them.
#include "data/tableprogression.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace essai {

inline QByteArray cp1252(const QString &texte)
{
    QStringEncoder encodeur("windows-1252");
    return encodeur.encode(texte);
}

inline QString guillemets(const QString &valeur)
{
    return QLatin1Char('"') + valeur + QLatin1Char('"');
}

// The bytes of a pupil file: every cell quoted on its own line, CR LF.
inline QByteArray octetsBilan(const QList<LigneProgression> &lignes)
{
    QString texte;
    for (const LigneProgression &ligne : lignes)
        for (const QString &cellule : ligne)
            texte += guillemets(cellule) + QStringLiteral("\r\n");
    return cp1252(texte);
}

// A row with the word in the column of its stage.
inline LigneProgression ligne(const QString &mot, int etape, const QString &niveau, const QString &date)
{
    LigneProgression l{};
    l[etape] = mot;
    l[kColonneNiveau] = niveau;
    l[kColonneDate] = date;
    return l;
}

class Installation {
public:
    QString chemin() const { return dossier_.path(); }

    void ecrireFichier(const QString &nom, const QByteArray &octets) const
    {
        QFile f(chemin() + QLatin1Char('/') + nom);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(octets);
    }
    QByteArray lireFichier(const QString &nom) const
    {
        QFile f(chemin() + QLatin1Char('/') + nom);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool existe(const QString &nom) const { return QFile::exists(chemin() + QLatin1Char('/') + nom); }

    // Mots.dat: one record per line, "*","word","level" CR LF; each word also
    // gets a recording.
    void ecrireMots(const QList<QPair<QString, QString>> &mots) const
    {
        QString texte;
        for (const auto &[mot, niveau] : mots) {
            texte += QStringLiteral("\"*\",") + guillemets(mot) + QLatin1Char(',') + guillemets(niveau)
                     + QStringLiteral("\r\n");
            ajouterSon(mot);
        }
        ecrireFichier(QStringLiteral("Mots.dat"), cp1252(texte));
    }
    void ecrireBilan(const QString &eleve, const QList<LigneProgression> &lignes) const
    {
        ecrireFichier(eleve + QStringLiteral(".bil"), octetsBilan(lignes));
    }
    QByteArray lireBilan(const QString &eleve) const { return lireFichier(eleve + QStringLiteral(".bil")); }

    // An empty file is enough: the test sound device answers the lengths.
    void ajouterSon(const QString &mot) const
    {
        QDir(chemin()).mkpath(QStringLiteral("Sons"));
        QFile f(cheminSon(mot));
        if (f.open(QIODevice::WriteOnly))
            f.close();
    }
    QString cheminSon(const QString &mot) const { return chemin() + QStringLiteral("/Sons/") + mot + QStringLiteral(".wav"); }

private:
    QTemporaryDir dossier_;
};

} // namespace essai
