#include "adapters/gui/qt_hot_key_code.h"
#include "platform/hot_key_code.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace zm {
namespace {

constexpr Qt::KeyboardModifier kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifier kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifier kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifier kPad = Qt::KeypadModifier;

QKeyCombination K(Qt::KeyboardModifiers modifiers, Qt::Key key) {
    return QKeyCombination(modifiers, key);
}

TEST(QtHotKeyCode, TypedCombinationsBecomeCodesAndBack) {
    struct Case {
        QKeyCombination typed;
        uint16_t code;
    };
    const Case cases[] = {
        {K(kCtrl | kAlt, Qt::Key_K), 0x064B}, {K(kCtrl | kAlt, Qt::Key_Left), 0x0E25},
        {K(kShift, Qt::Key_Home), 0x0924},    {K(kCtrl, Qt::Key_Insert), 0x0A2D},
        {K(kAlt, Qt::Key_F12), 0x047B},       {K(kCtrl | kAlt, Qt::Key_7), 0x0637},
        {K(kCtrl | kPad, Qt::Key_7), 0x0267}, {K(kCtrl | kPad, Qt::Key_Slash), 0x0A6F},
        {K(kCtrl, Qt::Key_Slash), 0x02BF},    {K(kShift | kCtrl, Qt::Key_Delete), 0x0B2E},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HotKeyCodeOfQtKey(c.typed), c.code) << c.typed.toCombined();
        EXPECT_EQ(QtKeyOfHotKeyCode(c.code), c.typed) << std::hex << c.code;
    }
    // Keys without a code: modifiers alone, shifted characters; and codes without a key.
    EXPECT_EQ(HotKeyCodeOfQtKey(K(kCtrl, Qt::Key_Control)), 0);
    EXPECT_EQ(HotKeyCodeOfQtKey(K(kShift, Qt::Key_Exclam)), 0);
    EXPECT_EQ(QtKeyOfHotKeyCode(0).key(), Qt::Key_unknown);
    EXPECT_EQ(QtKeyOfHotKeyCode(0x06FF).key(), Qt::Key_unknown);
    // The Windows-key modifier and the keypad flag stay out of the stored code.
    EXPECT_EQ(HotKeyCodeOfQtKey(K(Qt::MetaModifier | kCtrl, Qt::Key_K)), 0x024B);
}

TEST(QtHotKeyCode, KeySymsAreThoseOfTheXProtocol) {
    struct Case {
        uint8_t vk;
        uint32_t keySym;
    };
    const Case cases[] = {
        {'A', XK_a},
        {'Z', XK_z},
        {'0', XK_0},
        {0x70, XK_F1},
        {0x87, XK_F24},
        {0x25, XK_Left},
        {0x26, XK_Up},
        {0x24, XK_Home},
        {0x23, XK_End},
        {0x21, XK_Prior},
        {0x22, XK_Next},
        {0x2D, XK_Insert},
        {0x2E, XK_Delete},
        {0x60, XK_KP_0},
        {0x69, XK_KP_9},
        {0x6F, XK_KP_Divide},
        {0x6A, XK_KP_Multiply},
        {0x0D, XK_Return},
        {0x1B, XK_Escape},
        {0x20, XK_space},
        {0x13, XK_Pause},
        {0x2C, XK_Print},
        {0x90, XK_Num_Lock},
        {0xBA, XK_semicolon},
        {0xBF, XK_slash},
        {0xC0, XK_grave},
        {0xDE, XK_apostrophe},
        {0x5D, XK_Menu},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeySymOfVirtualKey(c.vk), c.keySym) << std::hex << int(c.vk);
}

} // namespace
} // namespace zm
