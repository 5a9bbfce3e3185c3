// A seeded mutation loop over the decoders of everything the preference store holds: click
// records, saved bets, grid layouts, and arrays of them as the store reads them back. The
// seeds are archives made by the encoders. For every input: no crash or sanitizer finding;
// what decodes lies within the bounds; the fast reading of the program's own archives gives
// what the general one gives; what decodes encodes and decodes again to the same; a decoded
// layout applied to a grid draws. Each input must finish within a second and may not take
// more than 512 MB of heap; otherwise the input is written to a file and the run aborts.
//
// Catches a damaged store that crashes, hangs or bloats the program, or reads outside the screens.
// store_fuzz [inputs] [seed]
#include "bets/XArchiving.h"
#include "overlay/XGridWindowData.h"
#include "platform/XPreferenceStore.h"

#include "SampleGridLayout.h"

#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <malloc.h>
#include <mutex>
#include <random>
#include <thread>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
extern "C" void __sanitizer_set_death_callback(void (*callback)());
#endif

namespace {
constexpr auto kTimeCap = std::chrono::seconds(1);
constexpr std::size_t kMemoryCap = std::size_t{512} << 20;
const XStoredBounds kBounds = XStoredBounds::forScreens({{QRectF(0, 0, 1920, 1080), 1.0}});

// Heap bytes in use: the sanitizer's allocator count, or malloc's.
std::size_t heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// What the watchdog and the crash handlers need: the input being decoded.
char g_input[1 << 16];
std::atomic<std::size_t> g_inputSize{0};
std::atomic<long> g_inputNumber{-1};

void saveInput(const char* why)
{
    char name[64];
    std::snprintf(name, sizeof name, "store-fuzz-%ld.bin", g_inputNumber.load());
    const int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd, g_input, g_inputSize.load());
        ::close(fd);
    }
    std::fprintf(stderr, "store_fuzz: input %ld %s; saved as %s\n", g_inputNumber.load(), why, name);
}

void onDeath()
{
    saveInput("crashed");
}

#if !defined(__SANITIZE_ADDRESS__)
void onSignal(int signal)
{
    onDeath();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

class Watchdog
{
public:
    Watchdog()
        : m_thread([this](std::stop_token stop) {
              while (!stop.stop_requested()) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(2));
                  const long number = g_inputNumber.load();
                  const auto elapsed = std::chrono::steady_clock::now() - m_startedAt.load();
                  if (number >= 0 && number == m_watched.load() && elapsed > kTimeCap) {
                      saveInput("took over a second");
                      std::abort();
                  }
                  check();
              }
          })
    {
    }
    void started(long number)
    {
        m_baseline = heapInUse();
        m_startedAt = std::chrono::steady_clock::now();
        m_watched = number;
    }
    // Also called between the steps of an input, so a short peak is seen too.
    void check() const
    {
        const std::size_t used = heapInUse();
        if (used > m_baseline.load() + kMemoryCap) {
            saveInput("took over 512 MB");
            std::abort();
        }
    }

private:
    std::atomic<std::chrono::steady_clock::time_point> m_startedAt{std::chrono::steady_clock::now()};
    std::atomic<long> m_watched{-1};
    std::atomic<std::size_t> m_baseline{0};
    std::jthread m_thread;
};

int g_failures = 0;
void expect(bool condition, const char* what)
{
    if (condition)
        return;
    if (++g_failures <= 20)
        saveInput(what);
}

bool sameRecords(const std::vector<XMouseData>& a, const std::vector<XMouseData>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const XMouseData& x, const XMouseData& y) { return x.isEqual(y); });
}

// Saved again, a point keeps six decimals; from then on it stays as it is.
bool savedAlike(const XMouseData& saved, const XMouseData& read)
{
    XMouseData rounded = read;
    rounded.setMousePoint(saved.mousePoint());
    return rounded.isEqual(saved) && std::abs(saved.mousePoint().x() - read.mousePoint().x()) <= 1e-6 &&
           std::abs(saved.mousePoint().y() - read.mousePoint().y()) <= 1e-6;
}

bool savedAlike(const std::vector<XMouseData>& saved, const std::vector<XMouseData>& read)
{
    return std::equal(saved.begin(), saved.end(), read.begin(), read.end(),
                      [](const XMouseData& x, const XMouseData& y) { return savedAlike(x, y); });
}

bool sameBets(const std::optional<XTableMouseData>& a, const std::optional<XTableMouseData>& b)
{
    return a.has_value() == b.has_value() && (!a || (sameRecords(a->mouseDatas(), b->mouseDatas()) &&
                                                     a->note() == b->note() && a->name() == b->name()));
}

bool sameLayouts(const XGridWindowData& a, const XGridWindowData& b)
{
    return a.windowFrame == b.windowFrame && XEqualGraphicRects(a.graphicRect, b.graphicRect) &&
           a.graphicZeroZoneWidth == b.graphicZeroZoneWidth && a.topGaps == b.topGaps &&
           a.leftGaps == b.leftGaps && a.bottomGaps == b.bottomGaps && a.rightGaps == b.rightGaps &&
           a.graphicColor == b.graphicColor;
}

void checkMouseData(const QByteArray& bytes)
{
    const auto fast = XUnarchiveMouseDataWithin(bytes, kBounds);
    const auto object = XArchiveObject(bytes);
    const auto general = object ? XDecodeMouseData(*object, kBounds) : std::nullopt;
    expect(fast.has_value() == general.has_value() && (!fast || fast->isEqual(*general)),
           "read a record two ways differently");
    if (!fast)
        return;
    expect(kBounds.containsPoint(fast->mousePoint()), "kept a record out of bounds");
    const auto again = XUnarchiveMouseDataWithin(XArchiveMouseData(*fast), kBounds);
    expect(again && savedAlike(*again, *fast), "changed a record on saving it");
    const auto third = again ? XUnarchiveMouseDataWithin(XArchiveMouseData(*again), kBounds) : again;
    expect(third && third->isEqual(*again), "changed a record on saving it again");
}

void checkTableMouseData(const QByteArray& bytes)
{
    const auto fast = XUnarchiveTableMouseDataWithin(bytes, kBounds);
    const auto object = XArchiveObject(bytes);
    const auto general = object ? XDecodeTableMouseData(*object, kBounds) : std::nullopt;
    expect(sameBets(fast, general), "read a saved bet two ways differently");
    if (!fast)
        return;
    for (const XMouseData& record : fast->mouseDatas())
        expect(kBounds.containsPoint(record.mousePoint()), "kept a saved bet's record out of bounds");
    const auto again = XUnarchiveTableMouseDataWithin(XArchiveTableMouseData(*fast), kBounds);
    // A lone surrogate in a note is saved as the replacement character.
    const QString savedNote = QString::fromUtf8(fast->note().toUtf8());
    expect(again && again->note() == savedNote && savedAlike(again->mouseDatas(), fast->mouseDatas()),
           "changed a saved bet on saving it");
    if (again)
        expect(sameBets(XUnarchiveTableMouseDataWithin(XArchiveTableMouseData(*again), kBounds), again),
               "changed a saved bet on saving it again");
}

void checkLayout(const QByteArray& bytes, Watchdog& watchdog)
{
    const auto layout = XUnarchiveGridWindowDataWithin(bytes, kBounds);
    if (!layout)
        return;
    const XGridWindowData& d = *layout;
    expect(kBounds.containsRect(d.windowFrame), "kept a frame out of bounds");
    for (QPointF p : {d.graphicRect.topPoint, d.graphicRect.leftPoint, d.graphicRect.bottomPoint,
                      d.graphicRect.rightPoint})
        expect(kBounds.containsPoint(p), "kept a corner out of bounds");
    for (const XGapArray* gaps : {&d.topGaps, &d.leftGaps, &d.bottomGaps, &d.rightGaps}) {
        for (double gap : *gaps)
            expect(XIsFiniteAsFloat(gap) && std::abs(gap) <= kBounds.limit(), "kept a gap out of bounds");
    }
    const auto again = XUnarchiveGridWindowDataWithin(XArchiveGridWindowData(d), kBounds);
    expect(again && sameLayouts(*again, d), "changed a layout on saving it again");

    // Applied as the overlay applies it, the grid draws in bounded time.
    XGraphic g;
    g.setRowCount(3);
    g.setColumnCount(13);
    if (!XIsZeroGraphicRect(d.graphicRect))
        g.setGraphicRect(d.graphicRect);
    g.setZeroZoneWidth(d.graphicZeroZoneWidth);
    if (d.topGaps.size() == 14)
        g.setTopGaps(d.topGaps);
    if (d.leftGaps.size() == 4)
        g.setLeftGaps(d.leftGaps);
    QImage image(160, 90, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(160.0 / 1920, 90.0 / 1080);
    g.drawGraphic(painter);
    g.drawHandles(painter);
    watchdog.check();
}

// Arrays of archives as the store reads them back from its file.
void checkStoreFile(const QByteArray& bytes, const QString& file)
{
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        out.write("[General]\nkXGridManagerViewControllerTableMouseDatasKey=");
        out.write(bytes);
        out.write("\n");
    }
    XPreferenceStore store(file);
    if (const auto archives = XArchivesFromVariant(
            store.objectForKey(QStringLiteral("kXGridManagerViewControllerTableMouseDatasKey")))) {
        for (const QByteArray& archive : *archives)
            checkTableMouseData(archive);
    }
}

std::vector<QByteArray> seeds()
{
    std::vector<QByteArray> result;
    XMouseData action = XMouseData::mouseDataWithIndex(2, 3);
    action.setMousePoint({412.5, 1079});
    action.setEventType(3);
    result.push_back(XArchiveMouseData(action));
    result.push_back(XArchiveMouseData(XMouseData::mouseDataWithIndex(36, 1)));
    XTableMouseData bet;
    bet.setMouseDatas({XMouseData::mouseDataWithIndex(5, 1), XMouseData::mouseDataWithIndex(10, 2), action});
    bet.setNote(QStringLiteral("Neighbours of 5 — \u00e9\U0001F3B2 \"quoted\" \\ end"));
    result.push_back(XArchiveTableMouseData(bet));
    bet.setNote(QStringLiteral(""));
    result.push_back(XArchiveTableMouseData(bet));
    result.push_back(XArchiveGridWindowData(XSampleGridLayout()));
    result.push_back(R"({"kXGridWindowFrameKey":"{{100, 200}, {800, 600}}","kXGridWindowGraphicRectKey":)"
                     R"(["{10, 20}",{"x":10,"y":580},[790,580],"790,20"]})");
    // An array of archives as the store's file holds it.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("seed.conf"));
    {
        XPreferenceStore store(file);
        store.setObject(QStringLiteral("k"), XArchivesToVariant({result[2], result[3]}));
        store.synchronize();
    }
    QFile in(file);
    if (in.open(QIODevice::ReadOnly)) {
        const QByteArray text = in.readAll();
        const qsizetype at = text.indexOf("k=");
        if (at >= 0)
            result.push_back(text.mid(at + 2).trimmed());
    }
    return result;
}

QByteArray mutate(QByteArray bytes, const std::vector<QByteArray>& seeds, std::mt19937& random)
{
    // Split at the spaces.
    static const QList<QByteArray> interesting =
        QByteArray(
            "1e308 -1e308 3.5e38 9000012 -9000012 2800012 9.2e18 1e999 -0 NaN 18446744073709551616 0.5 "
            "4e-320 \"\xff\xfe\" \xc3( \xed\xa0\x80 \\u0000 \\ud800 [] {} null \"\" , @Variant( \\0")
            .split(' ');
    std::uniform_int_distribution<int> byte(0, 255);
    const int steps = 1 + static_cast<int>(random() % 4);
    for (int step = 0; step < steps; ++step) {
        const auto at = [&] { return bytes.isEmpty() ? 0 : static_cast<qsizetype>(random() % bytes.size()); };
        switch (random() % 8) {
        case 0:
            if (!bytes.isEmpty())
                bytes[at()] = static_cast<char>(bytes[at()] ^ (1 << (random() % 8)));
            break;
        case 1:
            if (!bytes.isEmpty())
                bytes[at()] = static_cast<char>(byte(random));
            break;
        case 2: {
            const qsizetype from = at();
            bytes.remove(from, static_cast<qsizetype>(random() % 16));
            break;
        }
        case 3: {
            // A number in the text becomes an awkward one.
            qsizetype from = at();
            while (from < bytes.size() && !(bytes[from] >= '0' && bytes[from] <= '9'))
                ++from;
            qsizetype to = from;
            while (to < bytes.size() && ((bytes[to] >= '0' && bytes[to] <= '9') || bytes[to] == '.'))
                ++to;
            bytes.replace(from, to - from,
                          interesting[static_cast<qsizetype>(random() % interesting.size())]);
            break;
        }
        case 4:
            bytes.insert(at(), interesting[static_cast<qsizetype>(random() % interesting.size())]);
            break;
        case 5: {
            const QByteArray& other = seeds[random() % seeds.size()];
            const qsizetype from = other.isEmpty() ? 0 : static_cast<qsizetype>(random() % other.size());
            bytes.insert(at(), other.mid(from, static_cast<qsizetype>(random() % 64)));
            break;
        }
        case 6: {
            const qsizetype from = at();
            const QByteArray copy = bytes.mid(from, static_cast<qsizetype>(random() % 48));
            bytes.insert(from, copy);
            break;
        }
        default:
            bytes.truncate(at());
            break;
        }
    }
    return bytes.left(sizeof g_input);
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(onDeath);
#else
    std::signal(SIGSEGV, onSignal);
    std::signal(SIGABRT, onSignal);
    std::signal(SIGFPE, onSignal);
#endif
    const long inputs = argc > 1 ? std::atol(argv[1]) : 24000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 20261206u;
    const std::vector<QByteArray> corpus = seeds();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fuzz.conf"));
    std::mt19937 random(seed);
    Watchdog watchdog;
    const auto begin = std::chrono::steady_clock::now();
    for (long n = 0; n < inputs; ++n) {
        const QByteArray bytes = mutate(corpus[static_cast<std::size_t>(n) % corpus.size()], corpus, random);
        std::memcpy(g_input, bytes.constData(), static_cast<std::size_t>(bytes.size()));
        g_inputSize = static_cast<std::size_t>(bytes.size());
        g_inputNumber = n;
        watchdog.started(n);
        checkMouseData(bytes);
        checkTableMouseData(bytes);
        checkLayout(bytes, watchdog);
        if (n % 16 == 0)
            checkStoreFile(bytes, file);
        watchdog.check();
    }
    g_inputNumber = -1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::printf("store_fuzz: %ld inputs from seed %u in %.1f s, %d failed checks\n", inputs, seed, seconds,
                g_failures);
    return g_failures == 0 ? 0 : 1;
}
