// Stored texts, one after another, each then taken through the conversions and path
// operations loaded names and table cells go through.

#include "Library/core/stringc.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

std::vector<std::string> FuzzSeeds() {
    const auto stored = [](std::initializer_list<const char*> texts) {
        return WrittenBytes([&](Stream& stream) {
            for (const char* text : texts)
                if (!Stringc(text).Write(stream))
                    return false;
            return true;
        });
    };
    return {stored({"art/anim/hero/walk.ani", "", "DATA\\Tables\\Rules.txt"}),
            stored({"1|2|0x10", "-42", "3.5e2", "7|8|9|10|11|12|13|14|15"}),
            stored({"  two  words\nand a line", "/", "name.", ".hidden/dir/"})};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    Stringc text;
    while (text.Read(input)) {
        Stringc reread;
        const std::string stored = WrittenBytes([&](Stream& stream) { return text.Write(stream); });
        FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
        // What was read and can be stored again must read back the same.
        if (!stored.empty() &&
            (!reread.Read(again) || reread != text || reread.Length() != text.Length()))
            std::abort();

        text.ToInt();
        text.ToFloat();
        text.ToFlags();
        text.ToPackedBytes();
        Stringc directory, fileName;
        text.SplitPath(directory, fileName);
        Stringc path(text);
        path.BackslashToSlash();
        path.NormaliseDirectory();
        Stringc(text).FileName();
        Stringc(text).Extension();
        Stringc(text).Directory();
        Stringc(text).StripExtension();
        Stringc words(text);
        bool newline = false;
        while (words.Length() > 0 && words.NextWord(newline).Length() > 0) {
        }
        Stringc trimmed(text);
        trimmed.Trim();
        trimmed.TrimLeft();
    }
    return 0;
}
