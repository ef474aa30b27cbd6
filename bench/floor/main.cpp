// The least a Qt 6 Widgets program can do: one window holding one label. The start-up benchmark
// measures every program against it.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Floor"), &window));
    window.show();
    return application.exec();
}
