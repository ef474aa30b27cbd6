#include "ui/entry_lists.h"

#include <cstdint>
#include <string>

#include <QComboBox>

#include "runtime/number_format.h"
#include "ui/computed_list_model.h"
#include "ui/widget_values.h"

namespace hobwatch {
namespace {

constexpr int kMinutesItemCount = 600;
constexpr int kHoursItemCount = 48;

std::string MinutesItem(int row) { return IntegerToText(static_cast<std::int16_t>(row + 1)); }

// Quarters, which binary fractions hold exactly.
std::string HoursItem(int row) { return FloatToText(0.25 * (row + 1)); }

// A new list would replace the text the entry showed.
void SetItems(QComboBox& entry, int count, ComputedListModel::RowText itemText) {
    const std::string text = EntryTextOf(entry);
    entry.setModel(new ComputedListModel(count, itemText, &entry));
    SetEntryText(entry, text);
}

}  // namespace

void FillEntryLists(QComboBox& minutesEntry, QComboBox& hoursEntry) {
    SetItems(minutesEntry, kMinutesItemCount, MinutesItem);
    SetItems(hoursEntry, kHoursItemCount, HoursItem);
}

}  // namespace hobwatch
