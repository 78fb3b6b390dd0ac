// The sound module: the game's sound output on Qt Multimedia, loaded with
// the first sound (see Tonausgabe.h).

#include "ui/Tonausgabe.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <memory>

namespace steinfall {

namespace {

class QtTonausgabe : public Tonausgabe {
public:
    ~QtTonausgabe() override { Anhalten(); }

    bool Vorhanden() override { return !QMediaDevices::audioOutputs().isEmpty(); }

    void Spielen(const QByteArray& proben, const Wellenformat& welle) override {
        Anhalten();
        QAudioFormat format;
        format.setChannelCount(welle.Kanaele);
        format.setSampleRate(welle.Rate);
        format.setSampleFormat(welle.Bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        puffer_ = std::make_unique<QBuffer>();
        puffer_->setData(proben);
        puffer_->open(QIODevice::ReadOnly);
        ausgabe_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
        ausgabe_->start(puffer_.get());
    }

    void Anhalten() override {
        if (ausgabe_) {
            ausgabe_->stop();
        }
        ausgabe_.reset();
        puffer_.reset();
    }

private:
    std::unique_ptr<QBuffer> puffer_;
    std::unique_ptr<QAudioSink> ausgabe_;
};

} // namespace

} // namespace steinfall

extern "C" Q_DECL_EXPORT steinfall::Tonausgabe* SteinfallTonausgabe() {
    static steinfall::QtTonausgabe ausgabe;
    return &ausgabe;
}
