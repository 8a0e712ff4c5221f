// The style handed to MessageBoxExW and the mapping of its answer, for every kind and button
// set the program knows and for values it does not.
#include "shell/SetupMessageBox.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct KindCase {
    uint8_t kind;
    unsigned icon;
};

// Warning 0x30, Error 0x10, Information 0x40, Confirmation 0x20; anything else is an error.
const KindCase kKinds[] = {
    {0, 0x30}, {1, 0x10}, {2, 0x40}, {3, 0x20}, {4, 0x10}, {255, 0x10},
};

struct ButtonCase {
    shell::ButtonSet buttons;
    unsigned style;
};

// Only the five whole values are recognised. The sums of per-button flags that contain a
// known set (116 = Abort/Retry/Ignore + OK, 15 = Yes/No + OK/Cancel, 43 = Retry/Cancel +
// Yes/No) catch a test on bits instead of on equality.
const ButtonCase kButtonSets[] = {
    {112, 2}, {12, 1}, {40, 5}, {3, 4}, {11, 3},
    {4, 0}, {0, 0}, {9, 0}, {8, 0}, {16, 0}, {116, 0}, {15, 0}, {43, 0}, {0xFFFF, 0},
};

constexpr unsigned kTaskModal = 0x2000;

TEST(MessageBoxStyle, IsIconPlusButtonsPlusTaskModalAndNothingElse) {
    for (const KindCase& kind : kKinds) {
        for (const ButtonCase& set : kButtonSets) {
            SCOPED_TRACE(testing::Message() << "kind " << int(kind.kind) << ", buttons " << set.buttons);
            EXPECT_EQ(shell::MessageBoxStyle(kind.kind, set.buttons), kind.icon | set.style | kTaskModal);
        }
    }
}

TEST(MessageBoxAnswer, KeepsCancelToNoAndTurnsEverythingElseIntoOK) {
    const struct {
        int answer;
        shell::DialogResult result;
    } cases[] = {
        {0, 1}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 1}, {9, 1},
        {1000000, 1}, {INT_MAX, 1}, {-1, 1}, {INT_MIN, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shell::MapMessageBoxAnswer(c.answer), c.result) << "answer " << c.answer;
    }
}

} // namespace
