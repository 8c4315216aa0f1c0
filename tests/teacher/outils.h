#pragma once
// A throwaway installation folder for the teacher windows, and small helpers.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

struct Installation {
    QTemporaryDir dossier;

    QString chemin() const { return dossier.path(); }
    QString fichier(const QString &nom) const { return QDir(chemin()).filePath(nom); }

    // One empty recording per word (their content does not matter here).
    void ajouterSons(const QStringList &mots) const
    {
        QDir(chemin()).mkpath(QStringLiteral("Sons"));
        for (const QString &mot : mots) {
            QFile f(fichier(QStringLiteral("Sons/") + mot + QStringLiteral(".wav")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("RIFF");
        }
    }
    void ecrire(const QString &nom, const QByteArray &octets) const
    {
        QFile f(fichier(nom));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    QByteArray lire(const QString &nom) const
    {
        QFile f(fichier(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    bool existe(const QString &nom) const { return QFileInfo::exists(fichier(nom)); }
};

// One line of Mots.dat, as the teacher window writes it.
inline QByteArray ligneMots(const QByteArray &mot, const QByteArray &niveau)
{
    return "\"*\",\"" + mot + "\",\"" + niveau + "\"\r\n";
}

// Types text the way a keyboard would, accents included (keyClicks cannot).
inline void taper(QWidget *cible, const QString &texte)
{
    for (const QChar c : texte) {
        QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(cible, &appui);
        QKeyEvent relache(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(cible, &relache);
    }
}

template <typename T>
T *enfant(QWidget *parent, const QString &nom)
{
    T *trouve = parent->findChild<T *>(nom);
    if (!trouve)
        qFatal("widget %s not found", qPrintable(nom));
    return trouve;
}

int lancerTestsLogique(int argc, char **argv);
int lancerTestsCode(int argc, char **argv);
int lancerTestsEnseignant(int argc, char **argv);
int lancerTestsPolice(int argc, char **argv);
int lancerTestsEleves(int argc, char **argv);
