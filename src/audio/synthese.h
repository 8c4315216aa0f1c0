#pragma once
// Words spoken by the built-in synthesizer (libespeak-ng, French voice, at a
// child's pace) and written as Sons/<word>.wav, 16-bit PCM mono like the
// starter library.
//
// libespeak-ng is one global engine that must not be used from two threads:
// every synthesis runs on the single thread of ServiceSynthese, and the
// caller's thread never waits for it unless it asks to.
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

// A word spoken into memory: its samples (16-bit mono) at frequence samples a
// second, or why there are none (in French).
struct MotParle {
    QString erreur;
    std::vector<short> echantillons;
    int frequence = 0;
};

class ServiceSynthese {
public:
    // The program's one service; its thread starts at the first call.
    static ServiceSynthese &instance();

    ServiceSynthese(const ServiceSynthese &) = delete;
    ServiceSynthese &operator=(const ServiceSynthese &) = delete;
    ~ServiceSynthese();

    // Queues work for the synthesis thread, in order; returns at once.
    void executer(std::function<void()> travail);

    // Queues one word: its future gives an empty string when
    // dossierSons/<mot>.wav was written, else why not (in French).
    std::future<QString> parler(const QString &dossierSons, const QString &mot);

    // Queues one word spoken into memory, written nowhere.
    std::future<MotParle> prononcer(const QString &mot);

    // Queues the conversion of a word to its phonemes (see phonemesMot).
    std::future<QString> phonemes(const QString &mot);

    // Returns once everything queued so far is done.
    void attendre();

private:
    ServiceSynthese() = default;
    void boucler();

    std::mutex verrou_;
    std::condition_variable signal_;
    std::deque<std::function<void()>> file_;
    std::thread fil_;
    bool arret_ = false;
};

// Speaks the word into memory, with a short silence before and after. Only
// from the synthesis thread.
MotParle synthetiserMot(const QString &mot);

// Speaks the word and writes dossierSons/<mot>.wav through a temporary file
// in the same folder and a rename; never replaces an existing file. Empty
// when written, else why not (in French). Only from the synthesis thread
// (inside ServiceSynthese::executer).
QString ecrireMotParle(const QString &dossierSons, const QString &mot);

// How the synthesizer says a word in French, as IPA phonemes, for comparing
// two spellings by ear: stress and length marks and spaces dropped, and the vowel pairs
// many French speakers do not tell apart merged (è into é, ɔ into o, œ into
// eu, ɑ into a). "maison" and "méson" both give "mezõ". Empty when the engine
// cannot start. Only from the synthesis thread.
QString convertirEnPhonemes(const QString &mot);

// The same through ServiceSynthese, remembered per word for the whole run, so
// a word is converted once. Waits for the synthesis thread; never call it
// from that thread.
QString phonemesMot(const QString &mot);

// Remembers the phonemes of all these words, the new ones converted in one
// turn of the synthesis thread (many words cost far less than one at a time).
void prevoirPhonemes(const QStringList &mots);
