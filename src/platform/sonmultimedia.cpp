// Playback through Qt Multimedia, built as a module of its own: the program
// loads it (and the audio libraries behind it) only when a word is first
// spoken, so starting the program does not pay for them.
#include "plateforme.h"

#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

class SonMultimedia : public Son {
public:
    int dureeMs(const QString &) override { return 0; }   // read with libsndfile by the caller
    void jouer(const QString &chemin) override
    {
        effet_.setSource(QUrl::fromLocalFile(chemin));
        effet_.play();
    }
    void arreter() override { effet_.stop(); }
    // The caller times the end itself (SonQt); here for completeness.
    void signalerFin(double secondes, std::function<void()> fin) override
    {
        QTimer::singleShot(qMax(0, int(secondes * 1000.0 + 0.5)), &effet_, std::move(fin));
    }

private:
    QSoundEffect effet_;
};

} // namespace

extern "C" Q_DECL_EXPORT Son *orthoval_creerSon()
{
    return new SonMultimedia;
}
