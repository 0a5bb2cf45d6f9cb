// The yardstick of the resident program's idle figures: a bare Qt program that shows a tray
// icon and a label whose text changes every 250 milliseconds. With ZANTIMORE_READY_FILE set it
// writes the monotonic clock's nanoseconds there when its event loop runs, as the program does.

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <ctime>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setBrush(Qt::blue);
        p.drawEllipse(1, 1, 14, 14);
    }
    QSystemTrayIcon tray{QIcon(pixmap)};
    tray.setToolTip(QStringLiteral("bare tray"));
    tray.show();

    QLabel label;
    label.setWindowTitle(QStringLiteral("bare tray"));
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, &label, [&label] {
        label.setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")));
    });
    clock.start(250);
    label.show();

    if (const QByteArray path = qgetenv("ZANTIMORE_READY_FILE"); !path.isEmpty())
        QTimer::singleShot(0, [path] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            QFile file(QString::fromLocal8Bit(path));
            if (file.open(QIODevice::WriteOnly))
                file.write(QByteArray::number(qint64(now.tv_sec) * 1000000000 + now.tv_nsec));
        });
    return QApplication::exec();
}
