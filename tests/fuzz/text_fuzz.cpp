// Numbered text files ("{12}Hello") as the text directory holds them, looked up by number
// line by line and in runs, as the screens and dialogues ask for them.

#include "Library/core/mem_mgr.h"
#include "Library/files/text_reader.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

std::vector<std::string> FuzzSeeds() {
    return {"{1}New game\r\n{2}Load game\r\n{2}a second line two\r\n{10}Quit\r\n",
            "no braces here\n{3}three\n{-4}minus\n{99999999999}long\n{}empty\n{5",
            "{7}}odd}{8}\n\n{7}seven again\r"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    UseScratchDataPaths();
    FuzzFile("text/menu.txt", data, size);
    TextReader reader;
    if (!reader.Open("menu.dat"))
        return 0;
    Stringc text;
    for (const int number : {1, 2, 3, 7, 10, -4})
        reader.FindLine(number, text);
    if (reader.FindLine(2, text)) {
        MemMgr<Stringc> lines(4);
        reader.CollectLines(2, lines);
    }
    reader.FindLine(0, text);
    while (reader.ReadLine(text))
        TextReader::MatchId(7, text, text);
    return 0;
}
