// Stored calendar values, each then taken through the arithmetic and names the game's
// clock and the save screens use.

#include "Library/files/date_time.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

std::vector<std::string> FuzzSeeds() {
    const auto stored = [](std::initializer_list<DateTime> dates) {
        return WrittenBytes([&](Stream& stream) {
            for (const DateTime& date : dates)
                if (!date.Write(stream))
                    return false;
            return true;
        });
    };
    DateTime noon, leap, late;
    noon.Set(0, 0, 0, 12, 15, 6, 1066);
    leap.Set(999, 59, 59, 23, 29, 2, 2000);
    late.Set(1, 2, 3, 4, 31, 12, 9999);
    return {stored({DateTime(), noon}), stored({leap, late})};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    DateTime previous;
    DateTime date;
    while (date.Read(input)) {
        DateTime reread;
        const std::string stored = WrittenBytes([&](Stream& stream) { return date.Write(stream); });
        FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
        if (!reread.Read(again) || reread != date)
            std::abort(); // a stored value reads back as itself

        date.DayNumber();
        date.DayOfWeek();
        date.DayName();
        date.MonthName();
        date.HoursOfDay();
        date.TotalHours();
        date.MinutesOfDay();
        date.MsOfMinute();
        date.IsZeroTime();
        (void)(date < previous);
        const DateTime sum = date + previous;
        DateTime later(date);
        later.AddMilliseconds(date.GetMilliseconds());
        later.AddMinutes(date.GetMinutes());
        later.AddHours(date.GetHours());
        later.AddDays(date.TotalHours() / 24.0);
        DateTime fromDay;
        fromDay.SetDayNumber(date.DayNumber());
        previous = sum;
    }
    return 0;
}
