#include "Library/files/wav_writer.h"

#include "Library/core/stream.h"

bool WriteWav(Stream& target, const WavFormat& format, const void* samples, uint32_t dataBytes) {
    const uint16_t frameBytes = static_cast<uint16_t>(format.channels * format.bits / 8);
    return target.Write("RIFF", 4) == kStreamOk && target.WriteValue<uint32_t>(dataBytes + 36) &&
           target.Write("WAVEfmt ", 8) == kStreamOk && target.WriteValue<uint32_t>(16) &&
           target.WriteValue<uint16_t>(1) && target.WriteValue(format.channels) &&
           target.WriteValue(format.rate) && target.WriteValue(format.rate * frameBytes) &&
           target.WriteValue(frameBytes) && target.WriteValue(format.bits) &&
           target.Write("data", 4) == kStreamOk && target.WriteValue(dataBytes) &&
           target.Write(samples, static_cast<int>(dataBytes)) == kStreamOk;
}
