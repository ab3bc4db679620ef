#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The user settings that outlive a run: program font, one opacity per window and the
// three behaviour switches.
struct SettingsRecord {
    static constexpr int WindowCount = 11;
    static constexpr int16_t Opaque = 255;

    QString ProgramFont = QStringLiteral("MS Sans Serif");
    std::array<int16_t, WindowCount> transparency{Opaque, Opaque, Opaque, Opaque, Opaque, Opaque,
                                                  Opaque, Opaque, Opaque, Opaque, Opaque};
    bool ShowInfo = true;
    bool Pre4ertaiPriMestene = true;
    bool ShowDrawOptions = false;

    bool operator==(const SettingsRecord& other) const;
    bool operator!=(const SettingsRecord& other) const { return !(*this == other); }
};

// Index of each window in the transparency table.
enum class SettingsWindow : int {
    Main = 0,
    AddObject = 1,
    Sketchpad = 2,
    AddTable = 3,
    Buffers = 4,
    EditTable = 5,
    DiagramPreview = 6,
    PrintPreview = 7,
    Settings = 8,
    TextDialog = 9,
    JpgQuality = 10,
};
