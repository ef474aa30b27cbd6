// The least a Qt 6 Widgets program can do: one window holding one label. The start-up benchmark
// measures every program against it. Started as "bench_floor ticking", it also rewrites its
// title once a second, the least a countdown can do, for the CPU benchmark.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Floor"), &window));
    QTimer ticker;
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("ticking")) {
        QObject::connect(&ticker, &QTimer::timeout, &window, [&window] {
            window.setWindowTitle(QTime::currentTime().toString(QStringLiteral("mm:ss")));
        });
        ticker.start(1000);
    }
    window.show();
    return application.exec();
}
