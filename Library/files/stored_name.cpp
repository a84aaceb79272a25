#include "Library/files/stored_name.h"

#include "Library/core/stringc.h"

#include <cctype>
#include <cstdio>

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

} // namespace

bool StoredName::IsContained(const char* name) {
    if (name == nullptr || IsSeparator(name[0]))
        return false;
    if (std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':')
        return false;
    for (const char* component = name; *component;) {
        size_t length = 0;
        while (component[length] && !IsSeparator(component[length]))
            ++length;
        if (length == 2 && component[0] == '.' && component[1] == '.')
            return false;
        component += length;
        if (*component)
            ++component;
    }
    return true;
}

bool StoredName::Check(const Stringc& name) {
    if (IsContained(name.c_str()))
        return true;
    std::fprintf(stderr, "The stored name \"%s\" leads out of its folder: refused as damaged\n",
                 name.c_str());
    return false;
}
