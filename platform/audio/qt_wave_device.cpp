// Qt Multimedia's sound output: one QSoundEffect per alias (short wave files, low latency).
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>

#include "platform/audio/wave_device.h"

namespace tarvelon {
namespace {

class TQtWaveDevice : public TWaveDevice {
public:
    bool Available() const override { return !QMediaDevices::audioOutputs().isEmpty(); }

    bool Open(const std::string& alias, const std::string& file) override
    {
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(file)));
        if (effect->status() == QSoundEffect::Error)
            return false;
        effects_[alias] = std::move(effect);
        return true;
    }

    bool Play(const std::string& alias) override
    {
        QSoundEffect* effect = Find(alias);
        if (!effect || effect->status() == QSoundEffect::Error)
            return false;
        effect->stop();
        effect->play();
        return true;
    }

    void Stop(const std::string& alias) override
    {
        if (QSoundEffect* effect = Find(alias))
            effect->stop();
    }

    void Close(const std::string& alias) override { effects_.erase(alias); }

private:
    QSoundEffect* Find(const std::string& alias) const
    {
        auto found = effects_.find(alias);
        return found == effects_.end() ? nullptr : found->second.get();
    }

    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace

std::unique_ptr<TWaveDevice> CreateQtWaveDevice()
{
    return std::make_unique<TQtWaveDevice>();
}

}  // namespace tarvelon
