// settings.ini: decode any bytes, then save and read back what was decoded.

#include "FuzzSupport.h"

#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<SettingsRecord> record = SettingsFile::decode(FuzzBytes(data, size));
    if (!record)
        return 0;
    for (const int16_t value : record->transparency)
        FUZZ_CHECK(value >= 0 && value <= SettingsRecord::Opaque);
    FUZZ_CHECK(!record->ProgramFont.isEmpty());

    // What was read is what gets saved, and the saved file reads back the same; only a double
    // quote in the font name, which the notation cannot hold, comes back as an apostrophe.
    SettingsRecord expected = *record;
    expected.ProgramFont.replace(QLatin1Char('"'), QLatin1Char('\''));
    const QByteArray saved = SettingsFile::encode(*record);
    const std::optional<SettingsRecord> again = SettingsFile::decode(saved);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(*again == expected);
    FUZZ_CHECK(SettingsFile::encode(*again) == saved);
    return 0;
}
