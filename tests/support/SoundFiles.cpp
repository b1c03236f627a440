#include "SoundFiles.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstdint>

namespace velmor::test {

namespace {

void put16(QByteArray& out, uint16_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void put32(QByteArray& out, uint32_t value) {
    put16(out, static_cast<uint16_t>(value & 0xFFFF));
    put16(out, static_cast<uint16_t>(value >> 16));
}

void put32be(QByteArray& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

void putVariable(QByteArray& out, uint32_t value) {
    uint8_t bytes[5];
    int count = 0;
    do {
        bytes[count++] = value & 0x7F;
        value >>= 7;
    } while (value);
    for (int i = count - 1; i >= 0; --i)
        out.append(static_cast<char>(bytes[i] | (i ? 0x80 : 0)));
}

} // namespace

QByteArray sineWav(double frequency, double seconds, int sampleRate) {
    const uint32_t samples = static_cast<uint32_t>(seconds * sampleRate);
    QByteArray data;
    for (uint32_t i = 0; i < samples; ++i) {
        double value = 0.5 * std::sin(2 * M_PI * frequency * i / sampleRate);
        put16(data, static_cast<uint16_t>(static_cast<int16_t>(value * 32767)));
    }
    QByteArray wav("RIFF");
    put32(wav, 36 + data.size());
    wav.append("WAVEfmt ");
    put32(wav, 16);
    put16(wav, 1); // PCM
    put16(wav, 1); // mono
    put32(wav, sampleRate);
    put32(wav, sampleRate * 2);
    put16(wav, 2);
    put16(wav, 16);
    wav.append("data");
    put32(wav, data.size());
    wav.append(data);
    return wav;
}

QByteArray chordMidi(double seconds) {
    const int division = 96; // ticks per quarter note; 120 beats a minute gives 192 ticks a second
    QByteArray track;
    auto event = [&](uint32_t delta, std::initializer_list<int> bytes) {
        putVariable(track, delta);
        for (int b : bytes)
            track.append(static_cast<char>(b));
    };
    event(0, {0xC0, 0});       // acoustic grand piano
    event(0, {0x90, 60, 110}); // C4
    event(0, {0x90, 64, 110}); // E4
    event(0, {0x90, 67, 110}); // G4
    event(static_cast<uint32_t>(seconds * 192), {0x80, 60, 0});
    event(0, {0x80, 64, 0});
    event(0, {0x80, 67, 0});
    event(0, {0xFF, 0x2F, 0x00}); // end of track

    QByteArray midi("MThd");
    put32be(midi, 6);
    midi.append('\0').append('\0'); // format 0
    midi.append('\0').append('\1'); // one track
    midi.append(static_cast<char>(division >> 8)).append(static_cast<char>(division & 0xFF));
    midi.append("MTrk");
    put32be(midi, track.size());
    midi.append(track);
    return midi;
}

double AudioTail::rms() const {
    if (left.empty()) return 0;
    double sum = 0;
    for (double s : left)
        sum += s * s;
    return std::sqrt(sum / left.size());
}

double AudioTail::power(double frequency, int sampleRate) const {
    if (left.empty()) return 0;
    const double coefficient = 2 * std::cos(2 * M_PI * frequency / sampleRate);
    double previous = 0, beforePrevious = 0;
    for (double s : left) {
        double current = s + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    double power =
        previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    return power / (static_cast<double>(left.size()) * left.size());
}

AudioTail readAudioTail(const QString& path, double seconds) {
    AudioTail tail;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return tail;
    const qint64 frameBytes = 4;
    qint64 wanted = static_cast<qint64>(seconds * 44100) * frameBytes;
    qint64 size = file.size() / frameBytes * frameBytes;
    qint64 start = std::max<qint64>(0, size - wanted);
    file.seek(start);
    QByteArray bytes = file.read(size - start);
    for (qsizetype i = 0; i + 3 < bytes.size(); i += frameBytes) {
        int16_t sample =
            static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8));
        tail.left.push_back(sample / 32768.0);
    }
    return tail;
}

qint64 audioWritten(const QString& path) {
    return QFileInfo(path).size();
}

} // namespace velmor::test
