#pragma once
// What a key press does to a typed text: the erase keys remove the last character, and only
// printable characters are ever added.

#include <SDL/SDL.h>

inline bool IsEraseKey(const SDL_KeyboardEvent& key) {
    return key.keysym.sym == SDLK_BACKSPACE || key.keysym.sym == SDLK_DELETE;
}

// The character the key types (32-126; '0'-'9' alone with digitsOnly), or 0 for none.
inline char TypedChar(const SDL_KeyboardEvent& key, bool digitsOnly) {
    const Uint16 code = key.keysym.unicode;
    if (code < 32 || code > 126)
        return 0;
    if (digitsOnly && (code < '0' || code > '9'))
        return 0;
    return static_cast<char>(code);
}
