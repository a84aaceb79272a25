// The journal's stored form: any bytes read without a fault and, when taken, written back
// to bytes that read to the same journal; a journal that is refused stays as it was.
#include "Source/world/log_mgr.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

std::string Saved(const LogMgr& journal) {
    return WrittenBytes([&](Stream& stream) { return journal.Save(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    LogMgr journal;
    const std::string empty = Saved(journal);
    journal.AddEntry("Vault", "Find the vault under the meadow.");
    journal.AddEntry("Map", "");
    journal.ClearEntry("Map");
    journal.AddPairEntry("Vault", "The gate is locked.");
    journal.AddPairEntry("Map", "Drawn by the well.");
    journal.ClearPairEntry("Map", "Drawn by the well.");
    journal.SetText("Vault");
    return {empty, Saved(journal)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LogMgr journal;
    journal.AddEntry("kept", "until a journal is taken");
    const std::string before = Saved(journal);
    FuzzInput input(data, size);
    if (!journal.Load(input)) {
        if (Saved(journal) != before)
            std::abort();
        return 0;
    }
    const std::string saved = Saved(journal);
    FuzzInput again(reinterpret_cast<const uint8_t*>(saved.data()), saved.size());
    LogMgr reread;
    if (!reread.Load(again) || Saved(reread) != saved)
        std::abort();
    return 0;
}
