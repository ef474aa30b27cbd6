#include "ui/window_widgets.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "ui/control_table.h"
#include "ui/look/frame_style.h"
#include "ui/notes/notes_box.h"
#include "ui/qt_text.h"
#include "ui/setting_check_box.h"
#include "ui/sunken_panel.h"
#include "ui/tick_timer.h"
#include "ui/widget_values.h"
#include "ui/window_accessibility.h"
#include "ui/window_colours.h"

namespace hobwatch {
namespace {

QFont MakeFont(const FontChoice& wanted) {
    QFont font;
    QStringList faces{ToQString(wanted.Face)};
    if (!wanted.Substitutes.empty()) {
        faces += ToQString(wanted.Substitutes).split(u',');
    }
    font.setFamilies(faces);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(wanted.PointSize);
    font.setWeight(static_cast<QFont::Weight>(wanted.Weight));
    return font;
}

QComboBox* MakeEntry(const QString& text, QWidget& container) {
    auto* entry = new QComboBox(&container);
    entry->setEditable(true);
    // The lists are filled once at start-up: Enter must not add the typed text as an item, and
    // the text stays as typed, without completion from the list.
    entry->setInsertPolicy(QComboBox::NoInsert);
    entry->setCompleter(nullptr);
    entry->setEditText(text);
    // Text dropped on an entry goes to the window, which reads it as a time phrase.
    entry->lineEdit()->setAcceptDrops(false);
    return entry;
}

// `frameStyle`: the style for the frames, or none for the application's own.
QObject* MakeControl(const ControlRow& row, QWidget& container, const Clock& clock,
                     QStyle* frameStyle) {
    const QString caption = ToQString(row.Caption);
    switch (row.Kind) {
        case ControlKind::CheckBox: {
            auto* box = new SettingCheckBox(caption, &container);
            SetCheckValue(*box, row.Extra.Value.value_or(0));
            return box;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(caption, &container);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::TextBox:
            if (row.Extra.Panel) {
                return new SunkenPanel(&container);
            }
            if (row.Extra.MultiLine) {
                auto* notes = new NotesBox(&container);
                notes->SetNotes(std::string(row.Caption));
                return notes;
            }
            return new QLineEdit(caption, &container);
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(caption, &container);
            if (frameStyle != nullptr) {
                frame->setStyle(frameStyle);
            }
            return frame;
        }
        case ControlKind::ComboBox:
            return MakeEntry(caption, container);
        case ControlKind::Timer:
            return new TickTimer(clock, &container);
        case ControlKind::Label:
            return new QLabel(caption, &container);
    }
    return nullptr;
}

void ApplyProperties(const ControlRow& row, QWidget& widget, const QWidget& window) {
    const auto pixelsX = [&](int twips) { return TwipsToPixels(twips, window.logicalDpiX()); };
    const auto pixelsY = [&](int twips) { return TwipsToPixels(twips, window.logicalDpiY()); };
    widget.setGeometry(pixelsX(row.Left), pixelsY(row.Top), pixelsX(row.Width),
                       pixelsY(row.Height));
    widget.setFont(MakeFont(row.Extra.Font.value_or(kDefaultFont)));
    widget.setEnabled(!row.Extra.Disabled);
    const QString accessibleName =
        ToQString(row.Extra.AccessibleName.empty() ? row.Caption : row.Extra.AccessibleName);
    widget.setAccessibleName(accessibleName);
    // The edit field takes the keyboard for its entry and is announced by the same name.
    if (auto* entry = qobject_cast<QComboBox*>(&widget)) {
        entry->lineEdit()->setAccessibleName(accessibleName);
    }
    if (!row.Extra.Description.empty()) {
        widget.setToolTip(ToQString(row.Extra.Description));
        widget.setAccessibleDescription(ToQString(row.Extra.Description));
    }
}

template <typename T>
T* Control(const std::unordered_map<std::string_view, QObject*>& byRole, std::string_view role) {
    return qobject_cast<T*>(byRole.at(role));
}

}  // namespace

WindowWidgets BuildWindowWidgets(QWidget& window, const Clock& clock) {
    // Before any control exists: Qt keeps the first accessible description it makes of each.
    InstallWindowAccessibility();
    window.setWindowTitle(ToQString(kIdleCaption));
    AnnounceCaptionChanges(window);
    window.setFont(MakeFont(kDefaultFont));
    window.resize(TwipsToPixels(kClientWidthTwips, window.logicalDpiX()),
                  TwipsToPixels(kClientHeightTwips, window.logicalDpiY()));

    // Every widget by its name in the table, for the frames that hold controls and the stacking.
    std::unordered_map<std::string_view, QWidget*> byName{{kWindowName, &window}};
    std::unordered_map<std::string_view, QObject*> byRole;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    QStyle* frameStyle = nullptr;
    if (FrameStyleFits()) {
        frameStyle = new FrameStyle;
        frameStyle->setParent(&window);
    }
    for (const ControlRow& row : kControls) {
        QObject* control = MakeControl(row, *byName.at(row.Container), clock, frameStyle);
        control->setObjectName(ToQString(row.Role));
        byRole.emplace(row.Role, control);
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            byName.emplace(row.Name, widget);
            ApplyProperties(row, *widget, window);
            // Only what can take the focus is chained: links through the frames and the label
            // put "Cancel" in the wrong place.
            if (widget->focusPolicy() != Qt::NoFocus) {
                tabOrder.emplace_back(row.TabIndex, widget);
            }
        }
    }

    // Later siblings are drawn on top: raise from the back of the table to its front.
    for (auto row = kControls.rbegin(); row != kControls.rend(); ++row) {
        if (const auto widget = byName.find(row->Name); widget != byName.end()) {
            widget->second->raise();
        }
    }
    // Disabled controls stay in the chain; Tab passes over them while they are disabled.
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }
    PaintWindowColours(window);
    FollowPaletteChanges(window);

    return WindowWidgets{
        .Window = &window,
        .BellAlarm = Control<SettingCheckBox>(byRole, role::kBellAlarm),
        .ToneAlarm = Control<SettingCheckBox>(byRole, role::kToneAlarm),
        .AutomaticExit = Control<SettingCheckBox>(byRole, role::kAutomaticExit),
        .Tips = Control<QPushButton>(byRole, role::kTips),
        .StartMinutes = Control<QPushButton>(byRole, role::kStartMinutes),
        .StartHours = Control<QPushButton>(byRole, role::kStartHours),
        .Cancel = Control<QPushButton>(byRole, role::kCancel),
        .MinutesEntry = Control<QComboBox>(byRole, role::kMinutesEntry),
        .HoursEntry = Control<QComboBox>(byRole, role::kHoursEntry),
        .Notes = Control<NotesBox>(byRole, role::kNotes),
        .Ticker = Control<TickTimer>(byRole, role::kTicker),
    };
}

}  // namespace hobwatch
