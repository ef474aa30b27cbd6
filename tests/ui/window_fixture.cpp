#include "window_fixture.h"

#include <fstream>
#include <iterator>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include "ui/tick_timer.h"

namespace hobwatch::testing {
namespace {

std::string SettingsPath(const QTemporaryDir& directory) {
    return directory.filePath(QStringLiteral("Hobwatch.txt")).toStdString();
}

}  // namespace

WindowTest::WindowTest()
    : window(std::make_unique<Form1>(clock, sounds, messageBox, topmost, programDirectory.path())) {
}

void WindowTest::WriteSettingsFile(std::string_view bytes) const {
    std::ofstream file(SettingsPath(programDirectory), std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string WindowTest::SettingsFileBytes() const {
    std::ifstream file(SettingsPath(programDirectory), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WindowTest::SettingsFileExists() const {
    return std::ifstream(SettingsPath(programDirectory)).good();
}

void WindowTest::Click(const char* buttonName) {
    QTest::mouseClick(&Control<QPushButton>(buttonName), Qt::LeftButton);
}

void WindowTest::TickAt(std::int64_t milliseconds) {
    clock.SetAfterNoon(milliseconds);
    Control<TickTimer>("Timer1").Fire();
}

QColor ShownBackground(QWidget& entry) {
    // Right of a short text and left of the drop-down button.
    const QImage image = entry.grab().toImage();
    return image.pixelColor(image.width() - 25, image.height() / 2);
}

std::string FocusedControlName(QWidget& window) {
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (widget == &window) {
            break;
        }
        // Qt names the inner parts of its widgets "qt_...".
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(u"qt_")) {
            return widget->objectName().toStdString();
        }
    }
    return "(none)";
}

}  // namespace hobwatch::testing
