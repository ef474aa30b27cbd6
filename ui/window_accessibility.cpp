#include "ui/window_accessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>

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

constexpr const char* kAlertTextProperty = "alertText";

// An alert of the window: no widget, only an object a screen reader sees with the alert role,
// named by the alert's text, that shows itself as each alert comes.
class AlertAccessible final : public QAccessibleObject {
public:
    AlertAccessible(QObject& alert, QWidget& window) : QAccessibleObject(&alert), window_(window) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(&window_);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? object()->property(kAlertTextProperty).toString()
                                         : QString();
    }
    QAccessible::Role role() const override { return QAccessible::AlertMessage; }
    QAccessible::State state() const override { return {}; }

private:
    QWidget& window_;
};

class CaptionAnnouncer final : public QObject {
public:
    explicit CaptionAnnouncer(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::WindowTitleChange) {
            QAccessibleEvent nameChanged(&window_, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&nameChanged);
        }
        return false;
    }

private:
    QWidget& window_;
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

void AnnounceCaptionChanges(QWidget& window) { new CaptionAnnouncer(window); }

void AnnounceAlert(QWidget& window, const QString& text) {
    const QString name = QStringLiteral("screenReaderAlert");
    auto* alert = window.findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
    if (alert == nullptr) {
        alert = new QObject(&window);
        alert->setObjectName(name);
        // Qt keeps it and deletes it with the object.
        QAccessible::registerAccessibleInterface(new AlertAccessible(*alert, window));
    }
    alert->setProperty(kAlertTextProperty, text);
    QAccessibleEvent shown(alert, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace hobwatch
