#include "settings/SettingsRecord.h"

bool SettingsRecord::operator==(const SettingsRecord& other) const {
    return ProgramFont == other.ProgramFont && transparency == other.transparency &&
           ShowInfo == other.ShowInfo && Pre4ertaiPriMestene == other.Pre4ertaiPriMestene &&
           ShowDrawOptions == other.ShowDrawOptions;
}
