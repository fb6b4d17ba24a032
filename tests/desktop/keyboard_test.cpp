// The keyboard, as a player uses it instead of the mouse: Space for the click on the picture,
// the digits for the command cards, Escape for a panel's close button, the arrows for the
// open list. Every key comes from the X server, through the window manager and Qt's focus.
#include <csignal>
#include <fstream>
#include <thread>

#include "desktop_fixture.h"

// After the others: Xlib's macros would change their names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace quill::desktop {
namespace {

const QRect kWhole(0, 0, 640, 480);
// Where the bobbing prompt shows while the game waits for a click.
const QRect kPromptArea(600, 445, 35, 30);
// The message log at the left of a battle, its seven lines.
const QRect kBattleLog(0, 156, 340, 180);
// The enemy's name, HP, MP and TP at the top left, and where its floating numbers rise.
const QRect kEnemyStatus(0, 0, 300, 90);
// The adventurer's picture at the right of a battle, below the cards.
const QRect kAdventurer(480, 80, 150, 320);
// The adventurer's name, level and experience, below the log.
const QRect kExperience(0, 350, 130, 24);
// The top two technique cards at the right edge.
const QRect kFirstCards(470, 6, 165, 50);
// A point of the map that no place covers.
const QPoint kOpenSea(450, 250);

class Keyboard : public DesktopTest {
  protected:
    bool prompt_shown() const {
        const QImage area = game->grab_board(kPromptArea);
        for (int y = 0; y < area.height(); ++y) {
            for (int x = 0; x < area.width(); ++x) {
                if ((area.pixel(x, y) & 0xFFFFFF) == 0xFFF2B8) return true;
            }
        }
        return false;
    }
    // Waits until more than `share` of the area differs from `from`.
    bool changes(const QRect& area, const QImage& from, double share,
                 std::chrono::milliseconds limit = 5s) const {
        return wait_until([&] { return difference(game->grab_board(area), from) > share; }, limit);
    }
    // Space pressed or let go, as a key held down is. The server's repeats are off while
    // it is held: this is the one press held, never a row of presses.
    void hold_space(bool down) {
        Display* d = desktop.display();
        if (down) XAutoRepeatOff(d);
        XTestFakeKeyEvent(d, XKeysymToKeycode(d, XK_space), down ? True : False, CurrentTime);
        if (!down) XAutoRepeatOn(d);
        XSync(d, False);
    }
    // The island map of a level 5 adventurer, the pointer over the sea.
    void land_on_the_map() {
        program.write_island_save(5);
        start();
        pass_title();
        game->move_to_board(kOpenSea);
        ASSERT_TRUE(wait_until_settled(kWhole)) << "the map did not come to rest";
    }
    // Clicks a place of the map and waits until the item panel shows over it.
    void open_item_panel(const platform::Picture& place) {
        game->click_board(board_rect(place).center());
        const QRect list = board_rect(form.item_list);
        ASSERT_TRUE(wait_for_colour(list.bottomRight() - QPoint(20, 4), qRgb(0x10, 0x18, 0x20)))
            << "the item panel did not open";
        // The pointer leaves the panel's buttons alone; the panel comes to rest.
        game->move_to_board(QPoint(600, 470));
        ASSERT_TRUE(wait_until_settled(kWhole));
    }
};

TEST_F(Keyboard, SpaceAdvancesTheBattleAndADigitPlaysATechniqueCard) {
    ASSERT_NO_FATAL_FAILURE(land_on_the_map());
    game->click_board(board_rect(form.map_b1).center());  // the free walk: a battle
    ASSERT_TRUE(wait_until([&] { return prompt_shown(); }, 15s))
        << "the battle's first line did not wait for a click";
    ASSERT_TRUE(wait_until_settled(kBattleLog));
    const QImage no_cards = game->grab_board(kFirstCards);
    const QImage experience = game->grab_board(kExperience);

    // Space is the click that the waiting line asks for: the log goes on (to the next step,
    // which may wait for its own click).
    QImage log = game->grab_board(kBattleLog);
    desktop.key("space");
    ASSERT_TRUE(changes(kBattleLog, log, 0.01)) << "Space did not take the battle on";

    // Space again while the turn's steps want their clicks (the enemy may act first), until
    // the adventurer's turn lays out the technique cards.
    bool cards = false;
    for (int press = 0; press < 10 && !cards; ++press) {
        ASSERT_TRUE(wait_until_settled(kWhole));
        cards = difference(game->grab_board(kFirstCards), no_cards) > 0.3;
        if (cards) break;
        const QImage before = game->grab_board(kWhole);
        desktop.key("space");
        ASSERT_TRUE(changes(kWhole, before, 0.001)) << "Space " << press + 2 << " did nothing";
    }
    ASSERT_TRUE(cards) << "the technique cards never came";
    ASSERT_TRUE(wait_until_settled(kWhole));
    const QImage shown_cards = game->grab_board(kFirstCards);

    // The cards wait for a choice: Space does not make one.
    desktop.key("space");
    std::this_thread::sleep_for(800ms);
    EXPECT_LT(difference(game->grab_board(kFirstCards), shown_cards), 0.05) << "Space chose a card";

    // "1" plays the top card, the first technique: the cards go, the log names it.
    log = game->grab_board(kBattleLog);
    desktop.key("1");
    EXPECT_TRUE(changes(kFirstCards, shown_cards, 0.3)) << "1 left the cards in place";
    EXPECT_TRUE(changes(kBattleLog, log, 0.01)) << "1 did not start a technique";
    ASSERT_TRUE(wait_until_settled(kWhole));
    // The first technique is an attack: at its next step the enemy takes the blow (or the
    // miss), and its corner shows it, while the battle goes on. The second card, escaping,
    // leaves that corner be or ends the battle.
    const QImage enemy = game->grab_board(kEnemyStatus);
    const QImage adventurer = game->grab_board(kAdventurer);
    desktop.key("space");
    EXPECT_TRUE(changes(kEnemyStatus, enemy, 0.002, 3s)) << "the attack did not reach the enemy";
    ASSERT_TRUE(wait_until_settled(kWhole));
    EXPECT_LT(difference(game->grab_board(kAdventurer), adventurer), 0.02)
        << "the battle is over: it was no attack";

    // Held down, Space is the button held: the enemy's turn runs through, step by step, to
    // the adventurer's cards with no other press (a tap takes one step). Unless the blow
    // felled the enemy, as the adventurer's experience shows: then the battle's end waits.
    if (difference(game->grab_board(kExperience), experience) > 0) return;
    hold_space(true);
    const bool cards_again =
        wait_until([&] { return difference(game->grab_board(kFirstCards), no_cards) > 0.3; }, 8s);
    hold_space(false);
    EXPECT_TRUE(cards_again) << "held Space did not carry the enemy's turn through";
}

TEST_F(Keyboard, EscapeClosesTheEquipmentPanel) {
    ASSERT_NO_FATAL_FAILURE(land_on_the_map());
    const QImage map = game->grab_board(kWhole);
    ASSERT_NO_FATAL_FAILURE(open_item_panel(form.Image7));  // 装備
    const QImage panel = game->grab_board(kWhole);
    ASSERT_GT(difference(panel, map), 0.5);
    game->move_to_board(kOpenSea);
    desktop.key("Escape");
    // The map as it was before, the panel gone.
    EXPECT_TRUE(wait_until([&] { return difference(game->grab_board(kWhole), map) < 0.01; }, 5s))
        << "share of the board unlike the map: " << difference(game->grab_board(kWhole), map);
}

TEST_F(Keyboard, DownMovesInTheTechniqueListWithoutAClickOnIt) {
    ASSERT_NO_FATAL_FAILURE(land_on_the_map());
    ASSERT_NO_FATAL_FAILURE(open_item_panel(form.Image8));  // 強化: the techniques known
    const QRect list = board_rect(form.item_list);
    const QRect detail = board_rect(form.item_l);
    const QImage rows = game->grab_board(list);
    const QImage text = game->grab_board(detail);
    // Nothing chosen yet: Down chooses the first row, as a click on it does.
    desktop.key("Down");
    EXPECT_TRUE(changes(list, rows, 0.005)) << "no row was chosen";
    EXPECT_TRUE(changes(detail, text, 0.005)) << "the chosen row's detail did not show";
    ASSERT_TRUE(wait_until_settled(kWhole));
    const QImage first_rows = game->grab_board(list);
    const QImage first = game->grab_board(detail);
    // Down again: the second technique; Up: the first one's detail again, pixel for pixel.
    desktop.key("Down");
    EXPECT_TRUE(changes(list, first_rows, 0.005)) << "the choice did not move down";
    EXPECT_TRUE(changes(detail, first, 0.005)) << "the second row's detail did not show";
    desktop.key("Up");
    EXPECT_TRUE(wait_until([&] { return difference(game->grab_board(detail), first) == 0; }, 5s))
        << "Up did not bring the first row's detail back";
}

// A Space held down is one press, as the held button is one click, though the desktop lets
// go of it and presses it again many times a second while it is held.
TEST_F(Keyboard, AHeldSpaceIsOnePressThroughTheDesktopsRepeats) {
    const std::filesystem::path recording = program.path() / "held.txt";
    program.write_island_save(5);
    ASSERT_NO_FATAL_FAILURE(start({"--record", recording.string()}));
    pass_title();
    game->move_to_board(kOpenSea);
    Display* d = desktop.display();
    XAutoRepeatOn(d);
    XTestFakeKeyEvent(d, XKeysymToKeycode(d, XK_space), True, CurrentTime);
    XSync(d, False);
    std::this_thread::sleep_for(1500ms);  // well past the repeat's delay
    XTestFakeKeyEvent(d, XKeysymToKeycode(d, XK_space), False, CurrentTime);
    XSync(d, False);
    std::this_thread::sleep_for(500ms);
    game->signal(SIGTERM);
    ASSERT_TRUE(game->wait_exit(20s));
    std::ifstream in(recording);
    int presses = 0, releases = 0;
    for (std::string line; std::getline(in, line);) {
        presses += line == "key Space" || line == "keydown Space";
        releases += line == "keyup Space";
    }
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(releases, 1);
}

}  // namespace
}  // namespace quill::desktop
