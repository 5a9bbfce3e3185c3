#include "hotkeys/HKHotKeyCenter.h"

#include "platform/XFakeHotKeyService.h"

#include <QObject>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::_;
using testing::ElementsAre;
using testing::Pair;

namespace {
constexpr std::uint64_t kCmdShift = XCommandKeyMask | XShiftKeyMask;
constexpr std::uint32_t kCarbonCmdShift = XCarbonCmdKey | XCarbonShiftKey;

class Receiver : public QObject
{
    Q_OBJECT
public:
    std::vector<HKKeyEvent> events;
    std::vector<QVariant> objects;
    int eventOnlyCalls = 0;

public Q_SLOTS:
    void hotKeyFired(const HKKeyEvent& event, const QVariant& object)
    {
        events.push_back(event);
        objects.push_back(object);
    }
    void eventOnly(const HKKeyEvent& event)
    {
        events.push_back(event);
        ++eventOnlyCalls;
    }
};

void none(const HKKeyEvent&) {}

struct HKHotKeyCenterTest : testing::Test
{
    XFakeHotKeyService service;
    HKHotKeyCenter center{service};
};

std::vector<std::uint32_t> ids(const HKHotKeyCenter::HotKeys& hotKeys)
{
    std::vector<std::uint32_t> result;
    for (const auto& hotKey : hotKeys)
        result.push_back(hotKey->hotKeyID());
    std::sort(result.begin(), result.end());
    return result;
}
} // namespace

// Catches a number reused or used up by a refusal, one combination registered twice, and an equal
// hot key grabbed again or its going away releasing the registered one.
TEST_F(HKHotKeyCenterTest, NumbersSuccessfulRegistrationsFromOneAndNeverReusesThem)
{
    Receiver receiver;

    const auto first = center.registerHotKeyWithKeyCode(0, kCmdShift, &receiver, "hotKeyFired");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->hotKeyID(), 1u);
    ASSERT_TRUE(first->hotKeyRef());
    EXPECT_EQ(first->hotKeyRef()->signature, 0x68746B31u);
    // The same combination again, whatever it would invoke.
    EXPECT_FALSE(center.registerHotKeyWithKeyCode(0, kCmdShift, none));
    EXPECT_TRUE(center.hasRegisteredHotKeyWithKeyCode(0, kCmdShift));

    const auto second = center.registerHotKeyWithKeyCode(1, kCmdShift, none);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->hotKeyID(), 2u);

    center.unregisterHotKey(*first);
    EXPECT_FALSE(first->hotKeyRef());
    // Another program holds this one: no number is used up.
    service.refuse(2, XCarbonControlKey);
    EXPECT_FALSE(center.registerHotKeyWithKeyCode(2, XControlKeyMask, none));
    const auto third = center.registerHotKeyWithKeyCode(0, kCmdShift, none);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->hotKeyID(), 3u);
    // Registered again, an unregistered hot key gets a new number.
    center.unregisterHotKey(*third);
    ASSERT_EQ(center.registerHotKey(third), third);
    EXPECT_EQ(third->hotKeyID(), 4u);

    ASSERT_EQ(service.registrations().size(), 2u);
    EXPECT_EQ(service.registrations()[0].id, 2u);
    const XFakeHotKeyService::Registration& r = service.registrations()[1];
    EXPECT_EQ(std::tie(r.signature, r.id, r.keyCode, r.carbonModifiers),
              std::make_tuple(HKHotKeyCenter::kSignature, 4u, std::uint16_t{0}, kCarbonCmdShift));
    EXPECT_EQ(ids(center.registeredHotKeys()), (std::vector<std::uint32_t>{2, 4}));

    // A hot key equal to a registered one comes back unregistered, and its going away leaves
    // the registered one alone. Every flag bit counts, Caps Lock's too.
    auto twin = HKHotKey::hotKeyWithKeyCode(0, kCmdShift, none);
    EXPECT_TRUE(twin->isEqual(*third));
    EXPECT_EQ(twin->hash(), third->hash());
    EXPECT_EQ(center.registerHotKey(twin), twin);
    EXPECT_FALSE(twin->hotKeyRef());
    EXPECT_EQ(twin->hotKeyID(), 0u);
    EXPECT_EQ(service.registrationLog().size(), 4u);
    EXPECT_FALSE(HKHotKey::hotKeyWithKeyCode(0, kCmdShift | XCapsLockKeyMask, {})->isEqual(*third));
    EXPECT_FALSE(center.registerHotKey(nullptr));
    twin.reset();
    EXPECT_EQ(service.registrations().size(), 2u);
    EXPECT_EQ(service.unregistrations().size(), 2u);
    EXPECT_EQ(center.registeredHotKeys().size(), 2u);
}

// Catches an unregistration that takes the wrong hot keys or leaves their grabs behind.
TEST_F(HKHotKeyCenterTest, UnregistersByKeyTargetActionPredicateAndAll)
{
    Receiver a;
    Receiver b;
    const auto a1 = center.registerHotKeyWithKeyCode(0, XControlKeyMask, &a, "hotKeyFired"); // 1
    const auto a2 = center.registerHotKeyWithKeyCode(1, XControlKeyMask, &a, "eventOnly");   // 2
    const auto b1 = center.registerHotKeyWithKeyCode(2, XControlKeyMask, &b, "hotKeyFired"); // 3
    const auto b2 = center.registerHotKeyWithKeyCode(3, XControlKeyMask, &b, "hotKeyFired"); // 4
    const auto block = center.registerHotKeyWithKeyCode(4, XShiftKeyMask, none);             // 5
    const auto other = center.registerHotKeyWithKeyCode(5, XShiftKeyMask, none);             // 6
    ASSERT_EQ(center.registeredHotKeys().size(), 6u);

    center.unregisterHotKeysWithTarget(&a, "eventOnly");
    EXPECT_EQ(ids(center.registeredHotKeys()), (std::vector<std::uint32_t>{1, 3, 4, 5, 6}));
    center.unregisterHotKeysWithTarget(&b);
    EXPECT_EQ(ids(center.registeredHotKeys()), (std::vector<std::uint32_t>{1, 5, 6}));
    // Flags must match exactly.
    center.unregisterHotKeyWithKeyCode(4, XShiftKeyMask | XControlKeyMask);
    center.unregisterHotKeyWithKeyCode(4, XShiftKeyMask);
    EXPECT_EQ(ids(center.registeredHotKeys()), (std::vector<std::uint32_t>{1, 6}));
    center.unregisterHotKeysMatching([](const HKHotKey& hotKey) { return hotKey.keyCode() == 5; });
    EXPECT_EQ(ids(center.registeredHotKeys()), (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(center.hotKeysMatching([](const HKHotKey&) { return true; }).size(), 1u);

    center.registerHotKeyWithKeyCode(6, XShiftKeyMask, none); // 7
    center.unregisterAllHotKeys();
    EXPECT_TRUE(center.registeredHotKeys().empty());
    EXPECT_TRUE(service.registrations().empty());
    EXPECT_THAT(service.unregistrations(),
                ElementsAre(Pair(HKHotKeyCenter::kSignature, 2u), Pair(_, 3u), Pair(_, 4u), Pair(_, 5u),
                            Pair(_, 6u), Pair(_, 1u), Pair(_, 7u)));
    for (const auto& hotKey : {a1, a2, b1, b2, block, other})
        EXPECT_FALSE(hotKey->hotKeyRef());
}

// Catches a release invoking another number's hot key, an event that drops the pointer or flags, an
// action called without the event it takes or on a target that is gone, and a crash or second call
// when an action unregisters its own.
TEST_F(HKHotKeyCenterTest, AReleaseInvokesTheHotKeyOfItsNumberWithAKeyUpEventAndOddActionsAreSafe)
{
    Receiver receiver;
    std::vector<HKKeyEvent> blockEvents;
    center.registerHotKeyWithKeyCode(0, kCmdShift, &receiver, "hotKeyFired", QVariant(QStringLiteral("obj")));
    center.registerHotKeyWithKeyCode(122, 0, [&](const HKKeyEvent& event) { blockEvents.push_back(event); });

    service.fire(HKHotKeyCenter::kSignature, 2, QPointF(12.5, 30), XShiftKeyMask, 4.25);
    ASSERT_EQ(blockEvents.size(), 1u);
    EXPECT_TRUE(receiver.events.empty());
    const HKKeyEvent& e = blockEvents.front();
    EXPECT_EQ(std::tie(e.type, e.keyCode, e.locationInWindow, e.modifierFlags, e.timestamp, e.windowNumber),
              std::make_tuple(HKKeyEvent::kKeyUp, 122, QPointF(12.5, 30), XShiftKeyMask, 4.25, -1L));
    EXPECT_TRUE(e.characters.isEmpty() && e.charactersIgnoringModifiers.isEmpty() && !e.isARepeat);

    ASSERT_TRUE(service.fireCombination(0, kCarbonCmdShift, QPointF(1, 2)));
    ASSERT_EQ(receiver.events.size(), 1u);
    EXPECT_EQ(receiver.events[0].keyCode, 0);
    EXPECT_EQ(receiver.objects[0], QVariant(QStringLiteral("obj")));

    // Numbers that are not registered, or another signature: nothing.
    service.fire(HKHotKeyCenter::kSignature, 9);
    service.fire(0x41424344, 1);
    EXPECT_EQ(receiver.events.size(), 1u);
    EXPECT_EQ(blockEvents.size(), 1u);

    int blockCalls = 0;
    auto target = std::make_unique<Receiver>();
    const auto eventOnly = center.registerHotKey(
        HKHotKey::hotKeyWithKeyCode(0, XControlKeyMask, target.get(), "eventOnly(HKKeyEvent)"));
    const auto withBlock = center.registerHotKey(
        HKHotKey::hotKeyWithKeyCode(2, XControlKeyMask, [&](const HKKeyEvent&) { ++blockCalls; }));

    service.fire(HKHotKeyCenter::kSignature, eventOnly->hotKeyID());
    EXPECT_EQ(target->eventOnlyCalls, 1);
    EXPECT_EQ(target->events.size(), 1u);
    // The target gone: nothing, and no crash.
    target.reset();
    service.fire(HKHotKeyCenter::kSignature, eventOnly->hotKeyID());
    service.fire(HKHotKeyCenter::kSignature, withBlock->hotKeyID());
    EXPECT_EQ(blockCalls, 1);

    int calls = 0;
    center.registerHotKeyWithKeyCode(9, XControlKeyMask, [&](const HKKeyEvent& event) {
        ++calls;
        center.unregisterHotKeyWithKeyCode(event.keyCode, XControlKeyMask);
    });
    EXPECT_TRUE(service.fireCombination(9, XCarbonControlKey));
    EXPECT_FALSE(service.fireCombination(9, XCarbonControlKey));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(center.hasRegisteredHotKeyWithKeyCode(9, XControlKeyMask));
}

#include "HKHotKeyCenterTest.moc"
