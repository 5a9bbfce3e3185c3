// Registers global hot keys through the hot-key center on the real X11 platform and prints
// one line per event on standard output, for the end-to-end tests and the benchmark:
//   registered CODE FLAGS ID | refused CODE FLAGS
//   fired CODE X Y FLAGS                 (the key-up event an action receives)
//   raw press|release KEYCODE            (every key event the X server sends, for counting)
//   char CODE TEXT                       (for each code of a line "chars CODE…" on standard input)
//   recorded CODE FLAGS TEXT             (with --field: what the recording field recorded)
// Usage: tableclick-hotkey-probe [--field] [CODE:FLAGS…]   (flags in hexadecimal)
#include "hotkeys/HKHotKeyCenter.h"
#include "hotkeys/HKHotKeyTextField.h"
#include "platform/XQtPlatform.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QSocketNotifier>
#include <QStringList>

#include <xcb/xcb.h>

#include <cstdio>
#include <unistd.h>

namespace {
class Printer : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    void hotKeyReleased(const HKKeyEvent& event, const QVariant&)
    {
        std::printf("fired %u %.9g %.9g %llx\n", event.keyCode, event.locationInWindow.x(),
                    event.locationInWindow.y(), static_cast<unsigned long long>(event.modifierFlags));
        std::fflush(stdout);
    }
};

// Sees the key events before the platform's filter does.
class RawKeyLogger : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const int type = event->response_type & 0x7f;
        if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
            std::printf("raw %s %u\n", type == XCB_KEY_PRESS ? "press" : "release",
                        reinterpret_cast<const xcb_key_press_event_t*>(event)->detail);
            std::fflush(stdout);
        }
        return false;
    }
};
} // namespace

int main(int argc, char** argv)
{
    XQtPlatform::initializeThreads();
    QApplication app(argc, argv);
    XQtPlatform platform;
    HKHotKeyCenter center(platform.hotKeys());
    Printer printer;
    std::vector<std::shared_ptr<HKHotKey>> hotKeys;
    int refused = 0;
    std::unique_ptr<HKHotKeyTextField> field;
    for (const QString& argument : app.arguments().mid(1)) {
        if (argument == QLatin1String("--field")) {
            field = std::make_unique<HKHotKeyTextField>(platform.hotKeys());
            field->setWindowTitle(QStringLiteral("tableclick-hotkey-probe field"));
            field->resize(300, 40);
            QObject::connect(field.get(), &HKHotKeyTextField::hotKeyRecorded, [&field] {
                const auto& hotKey = *field->hotKey();
                std::printf("recorded %u %llx %s\n", hotKey.keyCode(),
                            static_cast<unsigned long long>(hotKey.modifierFlags()),
                            qPrintable(field->text()));
                std::fflush(stdout);
            });
            field->show();
            continue;
        }
        const auto code = static_cast<std::uint16_t>(argument.section(QLatin1Char(':'), 0, 0).toUInt());
        const std::uint64_t flags = argument.section(QLatin1Char(':'), 1, 1).toULongLong(nullptr, 16);
        auto hotKey = center.registerHotKeyWithKeyCode(code, flags, &printer, "hotKeyReleased");
        if (hotKey) {
            std::printf("registered %u %llx %u\n", code, static_cast<unsigned long long>(flags),
                        hotKey->hotKeyID());
            hotKeys.push_back(std::move(hotKey));
        } else {
            std::printf("refused %u %llx\n", code, static_cast<unsigned long long>(flags));
            ++refused;
        }
    }
    std::fflush(stdout);
    RawKeyLogger logger;
    app.installNativeEventFilter(&logger);
    // Asked after start-up, the characters follow the layout in use then.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[256];
        const ssize_t size = read(STDIN_FILENO, line, sizeof line - 1);
        if (size <= 0) {
            input.setEnabled(false);
            return;
        }
        const QStringList words =
            QString::fromLocal8Bit(line, size).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& word : words.mid(1)) {
            const auto code = static_cast<std::uint16_t>(word.trimmed().toUInt());
            std::printf("char %u %s\n", code, qPrintable(platform.hotKeys().characterForKeyCode(code)));
        }
        std::fflush(stdout);
    });
    const int status = app.exec();
    app.removeNativeEventFilter(&logger);
    return status != 0 ? status : (refused ? 2 : 0);
}

#include "HotKeyProbe.moc"
