// Registers global hot keys through the hot-key center on the real X11 platform and prints
// one line per event on standard output, for the end-to-end tests:
//   registered CODE FLAGS ID | refused CODE FLAGS
//   fired CODE X Y FLAGS                 (the key-up event an action receives)
// Usage: tableclick-hotkey-probe [CODE:FLAGS…]   (flags in hexadecimal)
#include "hotkeys/HKHotKeyCenter.h"
#include "platform/XQtPlatform.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

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
    for (const QString& argument : app.arguments().mid(1)) {
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
    const int status = app.exec();
    return status != 0 ? status : (refused ? 2 : 0);
}

#include "HotKeyProbe.moc"
