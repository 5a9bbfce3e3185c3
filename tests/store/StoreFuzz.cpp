// A seeded mutation loop over the decoders of what the preference store holds, from archives
// the encoders made: no crash or sanitizer finding (ctest's time-out and the memory cap in
// CMakeLists.txt catch hangs and bloat); the fast and the general reading agree; what decodes
// lies within the bounds, reads back alike when saved again and draws.
// Catches a damaged store that crashes or wipes the rest, or reads points outside the screens.
// store_fuzz [inputs] [seed]
#include "bets/XArchiving.h"
#include "overlay/XGridWindowData.h"
#include "platform/XPreferenceStore.h"

#include "SampleGridLayout.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {
const XStoredBounds kBounds = XStoredBounds::forScreens({{QRectF(0, 0, 1920, 1080), 1.0}});

long g_input = 0;
int g_failures = 0;
void expect(bool condition, const char* what)
{
    if (!condition && ++g_failures <= 20)
        std::fprintf(stderr, "store_fuzz: input %ld %s\n", g_input, what);
}

// Saved again, a point keeps six decimals.
bool alike(const std::vector<XMouseData>& a, const std::vector<XMouseData>& b, double tolerance = 1e-6)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [tolerance](auto x, const auto& y) {
        const QPointF d = x.mousePoint() - y.mousePoint();
        x.setMousePoint(y.mousePoint());
        return x.isEqual(y) && std::abs(d.x()) <= tolerance && std::abs(d.y()) <= tolerance;
    });
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
    expect(again && alike({*again}, {*fast}), "changed a record on saving it");
}

void checkTableMouseData(const QByteArray& bytes)
{
    const auto fast = XUnarchiveTableMouseDataWithin(bytes, kBounds);
    const auto object = XArchiveObject(bytes);
    const auto general = object ? XDecodeTableMouseData(*object, kBounds) : std::nullopt;
    expect(fast.has_value() == general.has_value() &&
               (!fast || (alike(fast->mouseDatas(), general->mouseDatas(), 0) &&
                          fast->note() == general->note() && fast->name() == general->name())),
           "read a saved bet two ways differently");
    if (!fast)
        return;
    for (const XMouseData& record : fast->mouseDatas())
        expect(kBounds.containsPoint(record.mousePoint()), "kept a saved bet's record out of bounds");
    const auto again = XUnarchiveTableMouseDataWithin(XArchiveTableMouseData(*fast), kBounds);
    // A lone surrogate in a note is saved as the replacement character.
    expect(again && again->note() == QString::fromUtf8(fast->note().toUtf8()) &&
               alike(again->mouseDatas(), fast->mouseDatas()),
           "changed a saved bet on saving it");
}

void checkLayout(const QByteArray& bytes)
{
    const auto d = XUnarchiveGridWindowDataWithin(bytes, kBounds);
    if (!d)
        return;
    expect(kBounds.containsRect(d->windowFrame), "kept a frame out of bounds");
    for (QPointF p : {d->graphicRect.topPoint, d->graphicRect.leftPoint, d->graphicRect.bottomPoint,
                      d->graphicRect.rightPoint})
        expect(kBounds.containsPoint(p), "kept a corner out of bounds");
    // Applied as the overlay applies it, the grid draws.
    XGraphic g;
    g.setRowCount(3);
    g.setColumnCount(13);
    if (!XIsZeroGraphicRect(d->graphicRect))
        g.setGraphicRect(d->graphicRect);
    g.setZeroZoneWidth(d->graphicZeroZoneWidth);
    if (d->topGaps.size() == 14)
        g.setTopGaps(d->topGaps);
    if (d->leftGaps.size() == 4)
        g.setLeftGaps(d->leftGaps);
    QImage image(160, 90, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.scale(160.0 / 1920, 90.0 / 1080);
    g.drawGraphic(painter);
    g.drawHandles(painter);
}

// The input as the saved bets of the store's file, after a setting that must survive it.
void checkStoreFile(const QByteArray& bytes, const QString& file)
{
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        out.write("[General]\nkept=1\nkXGridManagerViewControllerTableMouseDatasKey=" + bytes + "\n");
    }
    XPreferenceStore store(file);
    expect(store.objectForKey(QStringLiteral("kept")) == QStringLiteral("1"), "lost another setting");
    if (const auto archives = XArchivesFromVariant(
            store.objectForKey(QStringLiteral("kXGridManagerViewControllerTableMouseDatasKey")))) {
        for (const QByteArray& archive : *archives)
            checkTableMouseData(archive);
    }
}

std::vector<QByteArray> seeds(const QString& file)
{
    XMouseData action = XMouseData::mouseDataWithIndex(2, 3);
    action.setMousePoint({412.5, 1079});
    action.setEventType(3);
    XTableMouseData bet;
    bet.setMouseDatas({XMouseData::mouseDataWithIndex(5, 1), action});
    bet.setNote(QStringLiteral("Neighbours of 5 — \u00e9\U0001F3B2"));
    std::vector<QByteArray> result{
        XArchiveMouseData(action), XArchiveTableMouseData(bet), XArchiveGridWindowData(XSampleGridLayout()),
        R"({"kXGridWindowFrameKey":"{{100, 200}, {800, 600}}","kXGridWindowGraphicRectKey":)"
        R"(["{10, 20}",{"x":10,"y":580},[790,580],"790,20"]})"};
    // An array of archives as the store's file holds it.
    XPreferenceStore(file).setObject(QStringLiteral("k"), XArchivesToVariant({result[0], result[1]}));
    QFile in(file);
    if (in.open(QIODevice::ReadOnly)) {
        const QByteArray text = in.readAll();
        result.push_back(text.mid(text.indexOf("k=") + 2).trimmed());
    }
    return result;
}

QByteArray mutate(QByteArray bytes, const std::vector<QByteArray>& seeds, std::mt19937& random)
{
    static const QList<QByteArray> interesting =
        QByteArray(
            "1e308 -1e308 3.5e38 9000012 -9000012 2800012 9.2e18 1e999 -0 NaN 18446744073709551616 0.5 "
            "4e-320 \"\xff\xfe\" \xc3( \xed\xa0\x80 \\u0000 \\ud800 [] {} null \"\" , @Variant( \\0")
            .split(' ');
    const auto pick = [&](qsizetype n) { return n > 0 ? static_cast<qsizetype>(random() % n) : 0; };
    for (int step = 1 + pick(4); step > 0; --step) {
        const qsizetype at = pick(bytes.size());
        const auto digit = [&](qsizetype i) {
            return i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9';
        };
        switch (random() % 6) {
        case 0:
            if (!bytes.isEmpty())
                bytes[at] = static_cast<char>(random());
            break;
        case 1:
            bytes.remove(at, pick(16));
            break;
        case 2:
            bytes.insert(at, interesting[pick(interesting.size())]);
            break;
        case 3: {
            const QByteArray& other = seeds[pick(seeds.size())];
            bytes.insert(at, other.mid(pick(other.size()), pick(64)));
            break;
        }
        case 4: {
            // A number in the text becomes an awkward one.
            qsizetype from = at;
            while (from < bytes.size() && !digit(from))
                ++from;
            qsizetype to = from;
            while (digit(to) || (to < bytes.size() && bytes[to] == '.'))
                ++to;
            bytes.replace(from, to - from, interesting[pick(interesting.size())]);
            break;
        }
        default:
            bytes.truncate(at);
        }
    }
    return bytes;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const long inputs = argc > 1 ? std::atol(argv[1]) : 24000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 20261206u;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fuzz.conf"));
    const std::vector<QByteArray> corpus = seeds(file);
    std::mt19937 random(seed);
    for (g_input = 0; g_input < inputs; ++g_input) {
        const QByteArray bytes =
            mutate(corpus[static_cast<std::size_t>(g_input) % corpus.size()], corpus, random);
        checkMouseData(bytes);
        checkTableMouseData(bytes);
        checkLayout(bytes);
        if (g_input % 16 == 0)
            checkStoreFile(bytes, file);
    }
    std::printf("store_fuzz: %ld inputs from seed %u, %d failed checks\n", inputs, seed, g_failures);
    return g_failures == 0 ? 0 : 1;
}
