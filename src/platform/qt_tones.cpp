#include "qt_tones.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cmath>
#include <cstdint>
#include <numbers>

#ifdef ZW_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#endif

namespace zw::platform {
namespace {
constexpr int kSampleRate = 22050;
}

QtTones::QtTones() {
    if (QCoreApplication::instance()) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
#ifdef ZW_HAVE_MULTIMEDIA
            if (sink_) sink_->stop();
#endif
            noOutput_ = true;
        });
    }
}
QtTones::~QtTones() {
#ifdef ZW_HAVE_MULTIMEDIA
    if (sink_) sink_->stop();
    delete sink_;
#endif
}

QByteArray QtTones::toneSamples(int hz, int ms, int sampleRate) {
    const int count = std::max(0, static_cast<int>(static_cast<std::int64_t>(sampleRate) * ms / 1000));
    const int fade = std::min(count / 2, sampleRate / 200);  // 5 ms
    QByteArray pcm(count * 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<std::int16_t*>(pcm.data());
    for (int i = 0; i < count; ++i) {
        double level = 0.35;
        if (i < fade) level *= static_cast<double>(i) / fade;
        if (count - i <= fade) level *= static_cast<double>(count - i - 1) / fade;
        const double value = std::sin(2.0 * std::numbers::pi * hz * i / sampleRate) * level;
        out[i] = static_cast<std::int16_t>(value * 32767.0);
    }
    return pcm;
}

void QtTones::beep(int hz, int ms) {
    if (hz <= 0 || ms <= 0 || noOutput_) return;
#ifdef ZW_HAVE_MULTIMEDIA
    if (!sink_) {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            noOutput_ = true;
            return;
        }
        QAudioFormat format;
        format.setSampleRate(kSampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) {
            noOutput_ = true;
            return;
        }
        sink_ = new QAudioSink(device, format, this);
        connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::IdleState) playPending();
        });
    }
    pending_ += toneSamples(hz, ms, kSampleRate);
    if (sink_->state() != QAudio::ActiveState) playPending();
#else
    noOutput_ = true;
#endif
}

void QtTones::playPending() {
#ifdef ZW_HAVE_MULTIMEDIA
    if (pending_.isEmpty()) {
        sink_->stop();
        return;
    }
    sink_->stop();
    playing_ = std::make_unique<QBuffer>();
    playing_->setData(pending_);
    pending_.clear();
    playing_->open(QIODevice::ReadOnly);
    sink_->start(playing_.get());
#endif
}

}  // namespace zw::platform
