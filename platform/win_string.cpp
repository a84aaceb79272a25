#include "platform/win_string.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

int _strnicmp(const char* a, const char* b, unsigned n) {
    const auto* ua = reinterpret_cast<const unsigned char*>(a);
    const auto* ub = reinterpret_cast<const unsigned char*>(b);
    for (; n > 0; --n, ++ua, ++ub) {
        const int ca = std::tolower(*ua);
        const int cb = std::tolower(*ub);
        if (ca != cb || ca == 0)
            return ca - cb;
    }
    return 0;
}

int _stricmp(const char* a, const char* b) {
    return _strnicmp(a, b, UINT_MAX); // the compare stops at the first difference or NUL
}

char* _strlwr(char* text) {
    for (char* p = text; *p; ++p)
        *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    return text;
}

char* _strupr(char* text) {
    for (char* p = text; *p; ++p)
        *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
    return text;
}

char* _gcvt(double value, int digits, char* buffer) {
    char raw[64];
    std::snprintf(raw, sizeof raw, "%.*g", digits, value);
    char* exponent = std::strchr(raw, 'e');
    char mantissa[64];
    const size_t mantissaLength = exponent ? static_cast<size_t>(exponent - raw) : std::strlen(raw);
    std::memcpy(mantissa, raw, mantissaLength);
    mantissa[mantissaLength] = '\0';
    const bool finite = std::strpbrk(mantissa, "0123456789") != nullptr;
    if (finite && !std::strchr(mantissa, '.'))
        std::strcat(mantissa, ".");
    if (!exponent) {
        std::strcpy(buffer, mantissa);
        return buffer;
    }
    const char sign = exponent[1];
    int power = 0;
    std::sscanf(exponent + 2, "%d", &power);
    std::sprintf(buffer, "%se%c%03d", mantissa, sign, power);
    return buffer;
}
