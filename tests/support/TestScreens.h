#pragma once

// Screens of the offscreen platform for the widget tests and the
// screenshots. The platform's own 800 x 800 screen stays the primary one, so
// a window opens where it always did; beside it lie the screens of
// kTestScreenSizes, for dialogs that size themselves to their screen.

#include <QByteArray>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QSize>
#include <QTemporaryFile>

#include <array>
#include <memory>

inline constexpr std::array<QSize, 2> kTestScreenSizes { QSize(1600, 1000), QSize(1024, 700) };

// Writes the platform's screen list and points QT_QPA_PLATFORM at it. Call
// before the QApplication is made and keep the file until it is gone; when
// the file cannot be written the platform keeps its single screen.
inline std::unique_ptr<QTemporaryFile> useOffscreenTestScreens()
{
    QJsonArray screens;
    const auto screen = [&screens](const QString& name, int x, QSize size) {
        screens.append(QJsonObject { { QStringLiteral("name"), name }, { QStringLiteral("x"), x },
            { QStringLiteral("y"), 0 }, { QStringLiteral("width"), size.width() },
            { QStringLiteral("height"), size.height() }, { QStringLiteral("logicalDpi"), 96 },
            { QStringLiteral("logicalBaseDpi"), 96 }, { QStringLiteral("dpr"), 1.0 } });
    };
    int x = 0;
    screen(QString(), x, QSize(800, 800));
    x += 800;
    for (const QSize size : kTestScreenSizes) {
        screen(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()), x, size);
        x += size.width();
    }
    auto file = std::make_unique<QTemporaryFile>();
    QByteArray platform("offscreen");
    if (file->open() && file->write(QJsonDocument(QJsonObject { { QStringLiteral("screens"), screens } }).toJson()) > 0
        && file->flush())
        platform += ":configfile=" + file->fileName().toLocal8Bit();
    qputenv("QT_QPA_PLATFORM", platform);
    return file;
}

// The test screen of that size; nullptr when the platform has none.
inline QScreen* testScreen(QSize size)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->geometry().size() == size)
            return screen;
    return nullptr;
}
