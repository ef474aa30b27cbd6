#include "ui/form1_widgets.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "ui/control_colours.h"
#include "ui/form1_layout.h"
#include "ui/notes_box.h"
#include "ui/setting_check_box.h"
#include "ui/tick_timer.h"
#include "ui/widget_values.h"

namespace hobwatch {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont MakeFont(const FontSpec& wanted) {
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
    return entry;
}

QObject* MakeControl(const ControlSpec& row, QWidget& container, const Clock& clock) {
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
            if (row.Extra.MultiLine) {
                auto* notes = new NotesBox(&container);
                SetNotesText(*notes, row.Caption);
                return notes;
            }
            return new QLineEdit(caption, &container);
        case ControlKind::Frame:
            return new QGroupBox(caption, &container);
        case ControlKind::ComboBox:
            return MakeEntry(caption, container);
        case ControlKind::Timer:
            return new TickTimer(clock, row.Extra.IntervalMs, &container);
        case ControlKind::Label:
            return new QLabel(caption, &container);
    }
    return nullptr;
}

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::Text, colour);
    }
    widget.setPalette(palette);
}

// A frame's caption colour reaches its children through the palette; they keep the window's own.
void KeepWindowTextColours(QWidget& widget, const QPalette& windowPalette) {
    QPalette palette = widget.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, windowPalette.color(group, role));
        }
    }
    widget.setPalette(palette);
}

void ApplyProperties(const ControlSpec& row, QWidget& widget, const QWidget& window) {
    const auto pixelsX = [&](int twips) { return TwipsToPixels(twips, window.logicalDpiX()); };
    const auto pixelsY = [&](int twips) { return TwipsToPixels(twips, window.logicalDpiY()); };
    widget.setGeometry(pixelsX(row.Left), pixelsY(row.Top), pixelsX(row.Width),
                       pixelsY(row.Height));
    widget.setFont(MakeFont(row.Extra.Font.value_or(kDefaultFont)));
    if (row.Container != kWindowName) {
        KeepWindowTextColours(widget, window.palette());
    }
    if (row.Extra.CaptionColour) {
        SetTextColour(widget, VisibleColour(*row.Extra.CaptionColour));
    }
    if (row.Extra.BackColour) {
        SetBackColour(widget, *row.Extra.BackColour);
    }
    widget.setEnabled(!row.Extra.Disabled);
    const QString accessibleName =
        ToQString(row.Extra.AccessibleName.empty() ? row.Caption : row.Extra.AccessibleName);
    widget.setAccessibleName(accessibleName);
    // On Linux an entry's own accessible name is its text; its edit field, which takes the focus,
    // carries the name.
    if (auto* entry = qobject_cast<QComboBox*>(&widget)) {
        entry->lineEdit()->setAccessibleName(accessibleName);
    }
}

template <typename T>
T* Control(const QHash<QString, QObject*>& controls, const char* name) {
    return qobject_cast<T*>(controls.value(QString::fromLatin1(name)));
}

}  // namespace

Form1Widgets BuildForm1Widgets(QWidget& window, const Clock& clock) {
    window.setObjectName(ToQString(kWindowName));
    window.setWindowTitle(ToQString(kWindowCaption));
    window.setFont(MakeFont(kDefaultFont));
    window.resize(TwipsToPixels(kClientWidthTwips, window.logicalDpiX()),
                  TwipsToPixels(kClientHeightTwips, window.logicalDpiY()));

    QHash<QString, QObject*> controls;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlSpec& row : kForm1Controls) {
        QWidget* container = row.Container == kWindowName
                                 ? &window
                                 : qobject_cast<QWidget*>(controls.value(ToQString(row.Container)));
        QObject* control = MakeControl(row, *container, clock);
        control->setObjectName(ToQString(row.Name));
        controls.insert(control->objectName(), control);
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            ApplyProperties(row, *widget, window);
            // Only what can take the focus is chained: links through the frames and the label
            // put "Cancel" in the wrong place.
            if (widget->focusPolicy() != Qt::NoFocus) {
                tabOrder.emplace_back(row.TabIndex, widget);
            }
        }
    }

    // Later siblings are drawn on top: raise from the back of the table to its front.
    for (auto row = kForm1Controls.rbegin(); row != kForm1Controls.rend(); ++row) {
        if (auto* widget = qobject_cast<QWidget*>(controls.value(ToQString(row->Name)))) {
            widget->raise();
        }
    }
    // Disabled controls stay in the chain; Tab passes over them while they are disabled.
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }

    return Form1Widgets{
        .Form1 = &window,
        .Check1 = Control<SettingCheckBox>(controls, "Check1"),
        .Check2 = Control<SettingCheckBox>(controls, "Check2"),
        .Check3 = Control<SettingCheckBox>(controls, "Check3"),
        .cmdTips = Control<QPushButton>(controls, "cmdTips"),
        .Command1 = Control<QPushButton>(controls, "Command1"),
        .Command2 = Control<QPushButton>(controls, "Command2"),
        .Command3 = Control<QPushButton>(controls, "Command3"),
        .Combo1 = Control<QComboBox>(controls, "Combo1"),
        .Combo2 = Control<QComboBox>(controls, "Combo2"),
        .Text1 = Control<NotesBox>(controls, "Text1"),
        .Text2 = Control<QLineEdit>(controls, "Text2"),
        .Text3 = Control<QLineEdit>(controls, "Text3"),
        .Frame1 = Control<QGroupBox>(controls, "Frame1"),
        .Frame2 = Control<QGroupBox>(controls, "Frame2"),
        .Label1 = Control<QLabel>(controls, "Label1"),
        .Timer1 = Control<TickTimer>(controls, "Timer1"),
    };
}

}  // namespace hobwatch
