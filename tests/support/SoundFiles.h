#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace velmor::test {

// A 16-bit mono WAV holding a sine tone.
QByteArray sineWav(double frequency, double seconds, int sampleRate = 44100);

// A Standard MIDI File that holds one long piano chord.
QByteArray chordMidi(double seconds);

// Reading what SDL's disk audio driver writes: 16-bit stereo frames at 44100 Hz.
struct AudioTail {
    std::vector<double> left; // samples of the left channel, -1..1

    double rms() const;
    // Relative strength of one frequency (Goertzel), comparable between frequencies of one tail.
    double power(double frequency, int sampleRate = 44100) const;
};

// The last `seconds` of the file the disk driver writes to.
AudioTail readAudioTail(const QString& path, double seconds);

// The number of bytes the disk driver has written so far.
qint64 audioWritten(const QString& path);

} // namespace velmor::test
