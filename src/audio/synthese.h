#pragma once
// Words spoken by the built-in synthesizer (libespeak-ng, French voice, at a
// child's pace) and written as Sons/<word>.wav, 16-bit PCM mono like the
// starter library.
//
// libespeak-ng is one global engine per process that must not be used from
// two threads: every call to it runs on the one thread that owns it (a
// thread pool of one), in the order asked. Windows reach it through the
// Synthese service of the platform (SyntheseEspeak below), whose futures
// they watch; nothing ever waits for it on the interface thread.
#include "engine/erreurs.h"
#include "platform/parole.h"

#include <QString>
#include <QStringList>

class SyntheseEspeak : public Synthese {
public:
    QFuture<MotParle> prononcer(const QString &mot) override;
    QFuture<QString> enregistrer(const QString &dossierInstallation, const QString &mot) override;
};

// Speaks the word into memory as the starter library's words are spoken:
// same voice and pace, the word at once and the end-of-sentence pause after
// it. Only on the engine's thread.
MotParle synthetiserMot(const QString &mot);

// Speaks the word and writes it as its recording in Sons (enregistrerMot);
// never replaces an existing one. Empty when written, else why not (in
// French). Only on the engine's thread.
QString ecrireMotParle(const QString &dossierInstallation, const QString &mot);

// How the synthesizer says a word in French, as IPA phonemes, for comparing
// two spellings by ear: stress and length marks and spaces dropped, and the vowel pairs
// many French speakers do not tell apart merged (è into é, ɔ into o, œ into
// eu, ɑ into a). "maison" and "méson" both give "mezõ". Empty when the engine
// cannot start. Only on the engine's thread.
QString convertirEnPhonemes(const QString &mot);

// The same on the engine's thread, remembered per word for the whole run, so
// a word is converted once. Waits for that thread: for the workers that
// classify answers, never the interface thread.
QString phonemesMot(const QString &mot);

// Remembers the phonemes of all these words, the new ones converted in one
// turn of the engine's thread (many words cost far less than one at a time).
// Waits like phonemesMot.
void prevoirPhonemes(const QStringList &mots);

// phonemesMot and prevoirPhonemes, for classifying mistakes.
SourcePhonemes phonemesSynthese();
