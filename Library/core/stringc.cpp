#include "Library/core/stringc.h"

#include "Library/core/stream.h"
#include "Library/core/tracked_new.h"
#include "platform/win_string.h"

#include <cassert>
#include <cctype>
#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int TextLength(const char* text, int limit = INT_MAX) {
    return text == nullptr || limit <= 0 ? 0 : static_cast<int>(strnlen(text, limit));
}

// A text of the buffer's present length goes into it (false, changing nothing, for any
// other): copying the same names over and over allocates nothing.
bool CopyInPlace(char* buffer, const char* text, int length) {
    if (buffer == nullptr || length != static_cast<int>(std::strlen(buffer)))
        return false;
    if (length > 0)
        std::memmove(buffer, text, static_cast<size_t>(length));
    return true;
}

char* NewText(const char* text, int length) {
    char* buffer = NEW char[length + 1];
    if (length > 0)
        std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return buffer;
}

struct NumberText {
    explicit NumberText(int value) { std::snprintf(text, sizeof text, "%d", value); }
    explicit NumberText(unsigned value) { std::snprintf(text, sizeof text, "%u", value); }
    explicit NumberText(double value) { _gcvt(value, 15, text); }
    char text[32];
};

// Calls visit with strtol (base 0) of every '|'-separated field, in order.
template <class Visit> void ForEachField(const char* text, Visit visit) {
    for (const char* field = text;;) {
        visit(std::strtol(field, nullptr, 0));
        field = std::strchr(field, '|');
        if (field == nullptr)
            return;
        ++field;
    }
}

} // namespace

Stringc::Stringc() : m_text(NewText("", 0)) {}

Stringc::Stringc(const char* text) : Stringc(text, INT_MAX) {}

Stringc::Stringc(const Stringc& other) : Stringc(other.m_text, INT_MAX) {}

Stringc::Stringc(const char* text, int count) : m_text(NewText(text, TextLength(text, count))) {}

Stringc::Stringc(const Stringc& other, int count) : Stringc(other.m_text, count) {}

Stringc::Stringc(int value) : Stringc(NumberText(value).text) {}

Stringc::Stringc(unsigned value) : Stringc(NumberText(value).text) {}

Stringc::Stringc(double value) : Stringc(NumberText(value).text) {}

Stringc::~Stringc() {
    Release();
}

void Stringc::Release() {
    DELETE[] m_text;
    m_text = nullptr;
    DestroyChain();
}

void Stringc::TakeBuffer(char* buffer) {
    DELETE[] m_text;
    m_text = buffer;
}

// Iterative, so a long directory listing cannot exhaust the stack.
void Stringc::DestroyChain() {
    Stringc* next = m_next;
    m_next = nullptr;
    while (next != nullptr) {
        Stringc* after = next->m_next;
        next->m_next = nullptr;
        DELETE next;
        next = after;
    }
}

void Stringc::SetText(const char* text) {
    SetTextN(text, INT_MAX);
}

void Stringc::SetTextN(const char* text, int count) {
    const int length = TextLength(text, count);
    if (!CopyInPlace(m_text, text, length))
        TakeBuffer(NewText(text, length));
}

void Stringc::AppendText(const char* text) {
    const int length = Length();
    const int extra = TextLength(text);
    char* buffer = NEW char[length + extra + 1];
    std::memcpy(buffer, m_text, length);
    if (extra > 0)
        std::memcpy(buffer + length, text, extra);
    buffer[length + extra] = '\0';
    TakeBuffer(buffer);
}

void Stringc::Clear() {
    Release();
    m_text = NewText("", 0);
}

Stringc& Stringc::operator=(const Stringc& other) {
    if (m_next == nullptr && other.m_next == nullptr &&
        CopyInPlace(m_text, other.m_text, other.Length()))
        return *this;
    // Copy before destroying: the source may be this string or part of its chain.
    char* text = NewText(other.m_text, other.Length());
    Stringc* next = other.m_next != nullptr ? NEW Stringc(*other.m_next) : nullptr;
    DestroyChain();
    TakeBuffer(text);
    m_next = next;
    return *this;
}

Stringc& Stringc::operator=(const char* text) {
    SetText(text);
    return *this;
}

Stringc& Stringc::operator=(int value) {
    SetText(NumberText(value).text);
    return *this;
}

Stringc& Stringc::operator=(unsigned value) {
    SetText(NumberText(value).text);
    return *this;
}

Stringc& Stringc::operator=(double value) {
    SetText(NumberText(value).text);
    return *this;
}

Stringc& Stringc::operator=(char character) {
    const char text[2] = {character, '\0'};
    SetText(text);
    return *this;
}

void Stringc::Assign(const char* text, int count) {
    SetTextN(text, count);
}

int Stringc::Length() const {
    return static_cast<int>(std::strlen(m_text));
}

char Stringc::operator[](int index) const {
    return m_text[index];
}

void Stringc::SetAt(int index, char character) {
    m_text[index] = character;
}

int Stringc::DropLastChar() {
    const int length = Length();
    if (length >= 1)
        m_text[length - 1] = '\0';
    return length;
}

int Stringc::ToInt() const {
    return std::atoi(m_text);
}

long Stringc::ToLong() const {
    return std::atol(m_text);
}

double Stringc::ToFloat() const {
    return std::atof(m_text);
}

unsigned Stringc::ToFlags() const {
    unsigned flags = 0;
    ForEachField(m_text, [&](long value) { flags |= static_cast<unsigned>(value); });
    return flags;
}

unsigned Stringc::ToPackedBytes() const {
    uint64_t packed = 0;
    int shift = 8 * CountChar('|');
    ForEachField(m_text, [&](long value) {
        if (shift < 64) // numbers shifted past the top are lost, as bytes pushed out
            packed |= static_cast<uint64_t>(value) << shift;
        shift -= 8;
    });
    return static_cast<unsigned>(packed);
}

int Stringc::Compare(const char* text) const {
    return _stricmp(m_text, text != nullptr ? text : "");
}

Stringc& Stringc::operator+=(const char* text) {
    AppendText(text);
    return *this;
}

Stringc& Stringc::operator+=(const Stringc& other) {
    AppendText(other.m_text);
    return *this;
}

Stringc& Stringc::Append(const Stringc& other) {
    return *this += other;
}

Stringc& Stringc::operator+=(char character) {
    const char text[2] = {character, '\0'};
    AppendText(text);
    return *this;
}

Stringc& Stringc::operator+=(int value) {
    AppendText(NumberText(value).text);
    return *this;
}

Stringc& Stringc::operator+=(unsigned value) {
    AppendText(NumberText(value).text);
    return *this;
}

Stringc& Stringc::operator+=(double value) {
    AppendText(NumberText(value).text);
    return *this;
}

Stringc Stringc::operator+(const char* text) const {
    Stringc result(*this);
    return result += text;
}

Stringc Stringc::operator+(const Stringc& other) const {
    Stringc result(*this);
    return result += other;
}

Stringc Stringc::operator+(int value) const {
    Stringc result(*this);
    return result += value;
}

Stringc Stringc::operator+(unsigned value) const {
    Stringc result(*this);
    return result += value;
}

Stringc Stringc::operator+(double value) const {
    Stringc result(*this);
    return result += value;
}

Stringc Stringc::Left(int count) const {
    return Stringc(m_text, count);
}

Stringc Stringc::Right(int count) const {
    const int length = Length();
    if (count <= 0)
        return Stringc();
    return Stringc(count >= length ? m_text : m_text + length - count);
}

Stringc Stringc::Mid(int from, int to) const {
    const int length = Length();
    if (from < 0 || from >= length || to < 0 || to > length || to <= from)
        return Stringc();
    return Stringc(m_text + from, to - from);
}

int Stringc::Find(char character) const {
    const char* found = character != '\0' ? std::strchr(m_text, character) : nullptr;
    return found != nullptr ? static_cast<int>(found - m_text) : -1;
}

int Stringc::FindText(const char* text) const {
    const char* found = text != nullptr ? std::strstr(m_text, text) : nullptr;
    return found != nullptr ? static_cast<int>(found - m_text) + 1 : -1;
}

int Stringc::CountChar(char character) const {
    int count = 0;
    for (const char* at = m_text; *at != '\0'; ++at)
        count += *at == character ? 1 : 0;
    return count;
}

const char* Stringc::FindLast(char character) const {
    const char* found = character != '\0' ? std::strrchr(m_text, character) : nullptr;
    return found != nullptr ? found : m_text;
}

void Stringc::ToLower() {
    _strlwr(m_text);
}

void Stringc::ToUpper() {
    _strupr(m_text);
}

void Stringc::ReplaceChar(char from, char to) {
    for (char* at = m_text; *at != '\0'; ++at) {
        if (*at == from)
            *at = to;
    }
}

void Stringc::BackslashToSlash() {
    ReplaceChar('\\', '/');
}

void Stringc::Trim() {
    int length = Length();
    if (length < 2)
        return;
    while (length > 0 && m_text[length - 1] == ' ')
        --length;
    SetTextN(m_text, length);
}

void Stringc::TrimLeft() {
    const char* start = m_text;
    while (*start == ' ')
        ++start;
    SetText(start);
}

int Stringc::Format(const char* format, ...) {
    char buffer[kMaxFormatLength + 1];
    va_list arguments;
    va_start(arguments, format);
    if (std::vsnprintf(buffer, sizeof buffer, format, arguments) < 0)
        buffer[0] = '\0';
    va_end(arguments);
    SetText(buffer);
    return Length();
}

Stringc Stringc::PadNumber(int value, int width) {
    const NumberText number(value);
    const int length = TextLength(number.text);
    if (width <= 0 || length > width + 1) {
        SetText("");
    } else if (length >= width) {
        SetText(number.text);
    } else {
        char* buffer = NEW char[width + 1];
        std::memset(buffer, '0', width - length);
        std::memcpy(buffer + width - length, number.text, length + 1);
        TakeBuffer(buffer);
    }
    return *this;
}

void Stringc::ReplaceAll(const char* source, const char* find, const char* replacement,
                         Stringc& out) {
    const int findLength = TextLength(find);
    if (findLength == 0) {
        out.SetText(source);
        return;
    }
    const int replacementLength = TextLength(replacement);
    int length = TextLength(source);
    const char* at = source;
    for (const char* found; (found = std::strstr(at, find)) != nullptr; at = found + findLength)
        length += replacementLength - findLength;
    char* buffer = NEW char[length + 1];
    char* to = buffer;
    at = source;
    for (const char* found; (found = std::strstr(at, find)) != nullptr; at = found + findLength) {
        std::memcpy(to, at, found - at);
        to += found - at;
        if (replacementLength > 0)
            std::memcpy(to, replacement, replacementLength);
        to += replacementLength;
    }
    std::strcpy(to, at);
    out.TakeBuffer(buffer);
}

Stringc Stringc::NextWord(bool& newline) {
    newline = false;
    int end = 0;
    while (m_text[end] != '\0' && !std::isspace(static_cast<unsigned char>(m_text[end])))
        ++end;
    if (m_text[end] == '\0') {
        Stringc word(*this);
        SetText("");
        return word;
    }
    newline = m_text[end] == '\n';
    Stringc word(m_text, end);
    word += ' ';
    SetText(m_text + end + 1);
    return word;
}

int Stringc::LastSlash() const {
    const char* slash = std::strrchr(m_text, '/');
    return slash != nullptr ? static_cast<int>(slash - m_text) : -1;
}

int Stringc::ExtensionDot() const {
    const char* dot = std::strrchr(m_text, '.');
    const int index = dot != nullptr ? static_cast<int>(dot - m_text) : -1;
    return index > LastSlash() + 1 ? index : -1;
}

const char* Stringc::StripExtension() {
    const int dot = ExtensionDot();
    if (dot >= 0)
        SetTextN(m_text, dot);
    return m_text;
}

bool Stringc::HasExtension() const {
    return ExtensionDot() >= 0;
}

Stringc Stringc::FileName() {
    StripExtension();
    const int slash = LastSlash();
    if (slash >= 0)
        SetText(m_text + slash + 1);
    return *this;
}

Stringc Stringc::Extension() {
    const int dot = ExtensionDot();
    if (dot < 0)
        return Stringc();
    SetText(m_text + dot + 1);
    return *this;
}

Stringc Stringc::Directory() {
    const int slash = LastSlash();
    SetTextN(m_text, slash >= 0 ? slash : 0);
    return *this;
}

void Stringc::CutAtLastSlash() {
    const int slash = LastSlash();
    if (slash >= 0)
        SetTextN(m_text, slash);
}

void Stringc::NormaliseDirectory() {
    BackslashToSlash();
    int length = Length();
    while (length > 1 && m_text[length - 1] == '/')
        --length;
    SetTextN(m_text, length);
}

void Stringc::SplitPath(Stringc& directory, Stringc& fileName) const {
    const int slash = LastSlash();
    // Built apart first: either output may be this string.
    const Stringc head(m_text, slash >= 0 ? slash : 0);
    const Stringc tail(m_text + slash + 1);
    directory.SetText(head.m_text);
    fileName.SetText(tail.m_text);
}

const char* Stringc::RightPtr(int count) const {
    const int length = Length();
    return count >= length ? m_text : m_text + length - (count > 0 ? count : 0);
}

int Stringc::ChainCount() const {
    int count = 1;
    for (const Stringc* at = m_next; at != nullptr; at = at->m_next)
        ++count;
    return count;
}

Stringc* Stringc::ChainAt(int index) {
    Stringc* at = index >= 0 ? this : nullptr;
    for (; at != nullptr && index > 0; --index)
        at = at->m_next;
    return at;
}

Stringc& Stringc::ChainEnd() {
    Stringc* last = this;
    while (last->m_next != nullptr)
        last = last->m_next;
    return *last;
}

void Stringc::AppendToChain(const char* text) {
    ChainEnd().m_next = NEW Stringc(text);
}

void Stringc::LinkChain(Stringc* chain) {
    if (chain == nullptr)
        return;
    Stringc& last = ChainEnd();
    for (const Stringc* at = chain; at != nullptr; at = at->m_next)
        assert(at != this && "a chain linked into itself would be destroyed twice");
    last.m_next = chain;
}

Stringc* Stringc::InsertSorted(Stringc* head) {
    assert(m_next == nullptr);
    if (head == nullptr || *this <= *head) {
        m_next = head;
        return this;
    }
    Stringc* before = head;
    while (before->m_next != nullptr && *before->m_next < *this)
        before = before->m_next;
    m_next = before->m_next;
    before->m_next = this;
    return head;
}

bool Stringc::Write(Stream& stream) const {
    if (stream.CheckOpen() != kStreamOk)
        return false;
    const int length = Length();
    if (length > kMaxStoredLength) {
        std::fprintf(stderr, "Stringc: a text of %d characters is too long to store\n", length);
        return false;
    }
    if (length == 0)
        return stream.WriteValue(uint16_t{0});
    const uint16_t count = static_cast<uint16_t>(length + 1);
    return stream.WriteValue(count) && stream.Write(m_text, count) == kStreamOk;
}

bool Stringc::Read(Stream& stream) {
    Clear();
    uint16_t count = 0;
    if (stream.CheckOpen() != kStreamOk || !stream.ReadValue(count))
        return false;
    if (count == 0)
        return true;
    if (count > stream.Remaining()) {
        std::fprintf(stderr, "Stringc: a stored text of %u bytes runs past the end (%ld left)\n",
                     count, stream.Remaining());
        return false;
    }
    char* buffer = NEW char[count + 1];
    if (stream.Read(buffer, count) != kStreamOk) {
        DELETE[] buffer;
        return false;
    }
    buffer[count] = '\0'; // a record that lost its NUL still ends here
    TakeBuffer(buffer);
    return true;
}
