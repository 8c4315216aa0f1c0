#pragma once
// The speech synthesis service of the platform (see plateforme.h), in QtCore
// only, so that the engine behind it needs no window system.
#include <QFuture>
#include <QString>
#include <QStringList>

#include <vector>

// Speech synthesis. The engine runs on a thread of its own: every call
// returns at once, and its future ends when the word is done, the words in
// the order asked. A future that is cancelled before its turn is skipped.
// A window takes the results through a QFutureWatcher it owns, so no answer
// ever reaches a window that has gone (with Qt 6.4, QFuture::then with a
// context object asserts when that object goes first).
struct MotParle {
    QString erreur;                  // why there are no samples, in French
    std::vector<short> echantillons; // 16-bit mono
    int frequence = 0;               // samples a second
};

class Synthese {
public:
    virtual ~Synthese() = default;
    // The word spoken into memory, with a short silence before and after.
    virtual QFuture<MotParle> prononcer(const QString &mot) = 0;
    // The word spoken and written as its recording, Sons/<mot>.wav in the
    // installation folder, never over an existing one: empty when written,
    // else why not (in French).
    virtual QFuture<QString> enregistrer(const QString &dossierInstallation, const QString &mot) = 0;
};

// What the speech module gives (orthoval_parole, beside the program, loaded
// at the first word spoken or compared: libespeak-ng and the sound server
// libraries it needs cost the program's start-up otherwise).
struct ModuleParole {
    Synthese *(*creerSynthese)();
    // How a word sounds (see audio/synthese.h phonemesMot); waits for the
    // engine: never on the interface thread.
    QString (*phonemes)(const QString &mot);
    void (*prevoirPhonemes)(const QStringList &mots);
};
