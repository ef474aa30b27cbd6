#include "store/settings_merge.h"

namespace hobwatch {
namespace {

template <typename Field>
const Field& Merged(const Field& base, const Field& current, const Field& onDisk,
                    bool fileHoldsIt) {
    return current != base || !fileHoldsIt ? current : onDisk;
}

// Notes that a file cut in the middle of a line left: no line end after them, and the window's
// own notes go on from where they stop.
bool NotesCutShort(const SettingsRecord& base, const SettingsRecord& onDisk,
                   const SettingsTextExtent& extent) {
    return !extent.NotesEnded && onDisk.Notes.size() < base.Notes.size() &&
           base.Notes.starts_with(onDisk.Notes);
}

}  // namespace

SettingsRecord MergeSettings(const SettingsRecord& base, const SettingsRecord& current,
                             const SettingsRecord& onDisk, const SettingsTextExtent& extent) {
    const int lines = extent.ValueLines;
    return {
        .ToneAlarm = Merged(base.ToneAlarm, current.ToneAlarm, onDisk.ToneAlarm, lines >= 1),
        .BellAlarm = Merged(base.BellAlarm, current.BellAlarm, onDisk.BellAlarm, lines >= 2),
        .AutomaticExit =
            Merged(base.AutomaticExit, current.AutomaticExit, onDisk.AutomaticExit, lines >= 3),
        .MinutesEntry =
            Merged(base.MinutesEntry, current.MinutesEntry, onDisk.MinutesEntry, lines >= 4),
        .HoursEntry = Merged(base.HoursEntry, current.HoursEntry, onDisk.HoursEntry, lines >= 5),
        .Notes = Merged(base.Notes, current.Notes, onDisk.Notes,
                        extent.HasNotes && !NotesCutShort(base, onDisk, extent)),
    };
}

}  // namespace hobwatch
