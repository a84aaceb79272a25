#include "Source/entities/speech_bubble.h"

#include "Library/core/stream.h"

bool SpeechBubble::Read(Stream& stream) {
    return stream.ReadValue(m_saved);
}

bool SpeechBubble::Write(Stream& stream) const {
    return stream.WriteValue(m_saved);
}
