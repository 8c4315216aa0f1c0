// Recording through Qt Multimedia, in the same module as playback: the
// program loads it only when a recording window opens.
#include "plateforme.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const QString kAucuneEntree =
    QStringLiteral("Aucun micro n'est branché sur cet ordinateur, ou le système ne le trouve pas.");

class MicroMultimedia : public Micro {
public:
    QString raisonIndisponible() override
    {
        return QMediaDevices::defaultAudioInput().isNull() ? kAucuneEntree : QString();
    }

    bool demarrer(int frequence, Reception recevoir) override
    {
        arreter();
        const QAudioDevice entree = QMediaDevices::defaultAudioInput();
        if (entree.isNull())
            return false;
        QAudioFormat format;
        format.setSampleRate(frequence);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!entree.isFormatSupported(format))
            return false;
        source_ = std::make_unique<QAudioSource>(entree, format);
        source_->setBufferSize(frequence / 10 * 2);   // about a tenth of a second: a lively meter
        flux_ = source_->start();
        if (!flux_) {
            source_.reset();
            return false;
        }
        recevoir_ = std::move(recevoir);
        QObject::connect(flux_, &QIODevice::readyRead, flux_, [this] { transmettre(); });
        return true;
    }

    void arreter() override
    {
        if (!source_)
            return;
        transmettre();
        source_->stop();
        source_.reset();
        flux_ = nullptr;
        reste_.clear();
        recevoir_ = nullptr;
    }

    ~MicroMultimedia() override { arreter(); }

private:
    void transmettre()
    {
        if (!flux_ || !recevoir_)
            return;
        reste_ += flux_->readAll();
        const qsizetype n = reste_.size() / 2;
        if (n == 0)
            return;
        std::vector<qint16> bloc(std::size_t(n), 0);
        std::copy_n(reinterpret_cast<const uchar *>(reste_.constData()), n * 2,
                    reinterpret_cast<uchar *>(bloc.data()));
        reste_.remove(0, n * 2);   // an odd byte waits for its other half
        int crete = 0;
        for (const qint16 e : bloc)
            crete = std::max(crete, std::abs(int(e)));
        recevoir_(bloc, crete / 32768.0);
    }

    std::unique_ptr<QAudioSource> source_;
    QIODevice *flux_ = nullptr;   // owned by source_
    QByteArray reste_;
    Reception recevoir_;
};

} // namespace

extern "C" Q_DECL_EXPORT Micro *orthoval_creerMicro()
{
    return new MicroMultimedia;
}
