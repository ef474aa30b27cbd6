#include "ui/window_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "runtime/number_format.h"
#include "runtime/number_reading.h"
#include "ui/widget_values.h"

namespace hobwatch {
namespace {

// A minutes or hours entry: a combo box whose name is its accessible name, whose value is the
// number it holds, as a start button reads it, and whose range is that of its list.
class EntryAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit EntryAccessible(QComboBox* entry) : QAccessibleWidget(entry, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return Entry().currentText();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.expandable = true;
        return state;
    }

    // The edit field takes the keyboard for its entry.
    QAccessibleInterface* focusChild() const override {
        return QAccessible::queryAccessibleInterface(Entry().lineEdit());
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << QAccessibleActionInterface::showMenuAction();
    }

    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::showMenuAction()) {
            Entry().showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QVariant currentValue() const override { return ReadEntryNumber(EntryTextOf(Entry())); }

    void setCurrentValue(const QVariant& value) override {
        if (Entry().isEnabled()) {
            SetEntryText(Entry(), FloatToText(value.toDouble()));
        }
    }

    QVariant minimumValue() const override { return ItemValue(0); }
    QVariant maximumValue() const override { return ItemValue(Entry().count() - 1); }
    QVariant minimumStepSize() const override { return ItemValue(1) - ItemValue(0); }

private:
    QComboBox& Entry() const { return *static_cast<QComboBox*>(widget()); }
    double ItemValue(int index) const { return ReadNumber(Entry().itemText(index).toStdString()); }
};

QAccessibleInterface* WindowAccessibleFactory(const QString& className, QObject* object) {
    if (className == u"QComboBox") {
        auto* entry = static_cast<QComboBox*>(object);
        return entry->isEditable() ? new EntryAccessible(entry) : nullptr;
    }
    // Reached for a widget of our own class that Qt knows nothing more of: Qt would present a
    // top-level one as filler.
    if (className == u"QWidget") {
        auto* widget = static_cast<QWidget*>(object);
        if (widget->isWindow() && widget->parentWidget() == nullptr) {
            return new QAccessibleWidget(widget, QAccessible::Window);
        }
    }
    return nullptr;
}

}  // namespace

void InstallWindowAccessibility() { QAccessible::installFactory(&WindowAccessibleFactory); }

}  // namespace hobwatch
