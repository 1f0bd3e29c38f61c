// Tones of a given pitch and length on the default audio output (Qt Multimedia). Without an
// audio output, or built without Qt Multimedia, the tones are silently not played.
#pragma once

#include "services.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class QAudioSink;
class QBuffer;

namespace zw::platform {

class QtTones final : public QObject, public ToneService {
public:
    QtTones();
    ~QtTones() override;
    void beep(int hz, int ms) override;

    // 16-bit mono PCM of a sine tone with short fades (no clicks), at `sampleRate`.
    static QByteArray toneSamples(int hz, int ms, int sampleRate);

private:
    void playPending();

    QByteArray pending_;
    QAudioSink* sink_ = nullptr;
    std::unique_ptr<QBuffer> playing_;
    bool noOutput_ = false;
};

}  // namespace zw::platform
