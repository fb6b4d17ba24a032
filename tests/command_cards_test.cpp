// The command cards as the player sees them: flying in, lit under the pointer, greyed
// when unaffordable, and the technique's info box.
#include <gtest/gtest.h>

#include "tools/fixtures/busy_frame.h"
#include "view/command_cards.h"
#include "view/frame.h"

namespace quill {
namespace {

using platform::Color;

TEST(CommandCards, TheyFlyInWithoutOvershootingAndAreHitAtTheirPlace) {
    auto g = std::make_unique<Game>();
    testing_support::MakeBusyBattleFrameWithCards(*g);
    g->awaiting_click = 0;
    ShowCards(*g, kTechniqueCards);  // from the right edge again
    const CommandEntry& first = g->commands[0];
    EXPECT_EQ(first.x, 640);
    EXPECT_EQ(first.target_x, 635 - 165);
    // The pointer over the final place hits the card while it is still outside.
    g->pointer_x = first.target_x + 2;
    g->pointer_y = first.target_y + 2;
    ComposeFrame(*g);
    EXPECT_EQ(g->hovered_card, 0);
    int32_t last = first.x;
    for (int frame = 0; frame < 12; ++frame) {
        ComposeFrame(*g);
        EXPECT_LE(first.x, last);
        EXPECT_GE(first.x, first.target_x);
        last = first.x;
    }
    EXPECT_EQ(first.x, first.target_x);
    // Eighteen cards in one column, 26 pixels apart from y = 6.
    EXPECT_EQ(g->commands[17].target_y, 6 + 17 * 26);
}

// A colour laid over another at an opacity out of 255, as the picture blends them.
Color blend(Color under, Color over, int opacity) {
    auto mix = [opacity](int u, int o) {
        return static_cast<uint8_t>((u * (255 - opacity) + o * opacity) / 255);
    };
    return Color{mix(under.r, over.r), mix(under.g, over.g), mix(under.b, over.b)};
}

TEST(CommandCards, TheHoveredCardIsLitAndItsTechniqueExplained) {
    auto g = std::make_unique<Game>();
    testing_support::MakeBusyBattleFrameWithCards(*g);
    g->adventurer().mp = 0;  // technique 2 costs MP: greyed
    ComposeFrame(*g);
    const CommandEntry& hovered = g->commands[0];
    const CommandEntry& other = g->commands[1];
    // The cards let the picture show through (the adventurer's face stands under them), the
    // hovered one least: over the sky's 0x18203A here.
    const Color sky = Color::rgb(0x18203A);
    EXPECT_EQ(g->cg().pixel(hovered.x + 4, hovered.y + 4), blend(sky, Color::rgb(0x000077), 235));
    EXPECT_EQ(g->cg().pixel(other.x + 4, other.y + 4), blend(sky, Color::rgb(0x323D47), 165));
    EXPECT_EQ(g->cg().pixel(hovered.x, hovered.y), Color::rgb(0x424D57));
    // The adventurer's blue coat under the fourth card shows through it.
    const CommandEntry& over_coat = g->commands[3];
    ASSERT_LE(over_coat.x, 600);
    EXPECT_EQ(g->cg().pixel(600, over_coat.y + 3),
              blend(Color::rgb(0x3366CC), Color::rgb(0x323D47), 165));
    // The info box: light grey left of the cards, from y 7 to 71.
    EXPECT_EQ(g->cg().pixel(440, 8), Color::rgb(0xCCCCCC));
    EXPECT_EQ(g->cg().pixel(440, 70), Color::rgb(0xCCCCCC));
    // A greyed card's text is drawn in the grey of the unaffordable.
    const CommandEntry& costly = g->commands[2];
    bool grey = false;
    for (int x = costly.x; x < costly.x + costly.width && !grey; ++x) {
        for (int y = costly.y; y < costly.y + costly.height && !grey; ++y) {
            grey = g->cg().pixel(x, y) == Color::rgb(0x665555);
        }
    }
    EXPECT_TRUE(grey);
}

}  // namespace
}  // namespace quill
