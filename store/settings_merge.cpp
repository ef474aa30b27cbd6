#include "store/settings_merge.h"

namespace hobwatch {
namespace {

template <typename Field>
const Field& Merged(const Field& loaded, const Field& current, const Field& onDisk) {
    return current != loaded ? current : onDisk;
}

}  // namespace

SettingsRecord MergeSettings(const SettingsRecord& loaded, const SettingsRecord& current,
                             const SettingsRecord& onDisk) {
    return {
        .ToneAlarm = Merged(loaded.ToneAlarm, current.ToneAlarm, onDisk.ToneAlarm),
        .BellAlarm = Merged(loaded.BellAlarm, current.BellAlarm, onDisk.BellAlarm),
        .AutomaticExit = Merged(loaded.AutomaticExit, current.AutomaticExit, onDisk.AutomaticExit),
        .MinutesEntry = Merged(loaded.MinutesEntry, current.MinutesEntry, onDisk.MinutesEntry),
        .HoursEntry = Merged(loaded.HoursEntry, current.HoursEntry, onDisk.HoursEntry),
        .Notes = Merged(loaded.Notes, current.Notes, onDisk.Notes),
    };
}

}  // namespace hobwatch
