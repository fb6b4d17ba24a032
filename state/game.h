// The owner of everything the running game shares: the saved state, the three combatants,
// the window's widgets, the pictures and the run flags. Every part of the game works on
// one Game, on one thread.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/bitmap.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/folders.h"
#include "platform/http_client.h"
#include "state/combatant.h"
#include "state/command_table.h"
#include "state/form.h"
#include "state/game_state.h"
#include "state/item_screen.h"
#include "state/item_table.h"
#include "state/net_records.h"
#include "state/skill_table.h"

namespace quill {

enum ScreenMode : int32_t { kBoot = -2, kTitle = -1, kGame = 0 };

constexpr int kSpriteSlots = 46;
// Sprite slots with a job of their own.
enum SpriteSlot : int {
    kSpriteEffects = 0,
    kSpriteAdventurer = 1,
    kSpriteBackground = 6,  // every scene's background is drawn into this slot
    kSpriteMerchant = 12,
    kSpriteShip = 16,
    kSpriteSmoke = 18,
    kSpriteStarSheetLarge = 20,
    kSpriteStarSheetSmall = 21,
    kSpriteLargeStars = 22,  // 22..27: six 20 x 20 frames
    kSpriteSmallStars = 28,  // 28..33: six 10 x 10 frames
    kSpritePetPlace = 36,
    kSpritePet = 37,
    kSpriteFinishedMark = 38,
    kSpriteEndingPlaces = 40,  // 40..45: the pins of the six places the ending opens
};

constexpr int kBoardWidth = 640;
constexpr int kBoardHeight = 480;
constexpr int kStartInterval = 87;  // ms between ticks at start
// The message speeds: a waiting line goes on at the click, or by itself after a pause.
constexpr int32_t kMessageOnClick = 0, kMessageSlow = 1, kMessageNormal = 2, kMessageFast = 3;

// One star of the title screen's star field.
struct TitleStar {
    int32_t age = 0;  // 0 = free
    int32_t x = 0, y = 0;
    int32_t speed_x = 0, speed_y = 0;
    int32_t kind = 0;   // 0 large, 1 small
    int32_t frame = 0;  // 0..5
    int32_t lifetime = 0;
};

constexpr int kSoundQueueLength = 10;
constexpr int kEncounterNames = 226;

// One line of the message log.
struct LogEntry {
    std::string text;
    int32_t kind = 0;  // colour kind: 0 white, 2 and 301..313 palettes, 4 unchanged
};
constexpr int kLogEntries = 21;

// One slot of the pop-up store: a text or an effect animation at a point of the picture.
struct Popup {
    int32_t age = 0;                   // 0 = free
    int32_t x = 0, y = 0;              // current point
    int32_t start_x = 0, start_y = 0;  // where it began
    int32_t x3 = 0, y3 = 0;            // two further coordinates for moving effects
    int32_t type = 0;
    std::string text;
    int32_t work = 0;  // the effect's own counter
};
constexpr int kPopupSlots = 100;

struct Game {
    Game() = default;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    platform::Folders folders;
    platform::Clock* clock = &platform::system_clock();
    platform::Dialogs* dialogs = &platform::headless_dialogs();

    GameState state;
    // my.dat as it was last read or written whole; kept as a backup when the next save
    // replaces it.
    std::string saved_bytes;
    std::array<Combatant, 3> combatants;
    Combatant& adventurer() { return combatants[0]; }
    Combatant& enemy() { return combatants[1]; }
    Combatant& pet() { return combatants[2]; }

    // the static tables
    SkillTable skills;
    CommandTable commands;
    ItemTable items;
    std::array<std::string, kEncounterNames> encounter_names;

    Form form;
    platform::Bitmap bak;     // overlay OR-combined onto every frame
    platform::Bitmap haikei;  // a background picture on its way into the background buffer
    std::array<platform::Bitmap, kSpriteSlots> sprites;
    platform::Bitmap& cg() { return form.cg.picture; }
    platform::Bitmap& background() { return sprites[kSpriteBackground]; }

    // screen and run flags
    int32_t screen_mode = kBoot;
    int32_t closing = 0;          // 1 while running, -1 once the window has begun to close
    bool quit_requested = false;  // the game asks the window to close
    int32_t button_held = 0;
    int32_t mouse_down = 0;  // 1 while the left button is held down on the main picture
    int32_t pointer_x = 0, pointer_y = 0;
    int32_t awaiting_click = 0;
    int32_t turn_pending = 0;
    int32_t command_mode = 0;
    int32_t game_over = 0;
    int32_t in_battle = 0;
    int32_t map_shown = 0;
    int32_t shake_ticks = 0;

    // the tick and its governor
    int32_t tick_count = 0;
    int32_t steps_this_second = 0;
    double governor_deadline = 0.0;
    int32_t timer_interval = kStartInterval;

    // the step sequencer and the action performer
    int32_t sequence_step = -1;
    int32_t scene_kind = 0;
    int32_t active_side = 0;
    int32_t turn_count = 0;       // enemy turns begun in this battle
    int32_t walks_since_inn = 0;  // encounters since the last night at the inn
    int32_t action_step = 0;
    int32_t action_technique = 0;
    int32_t milestone_suppressed = 0;  // ＭＲＬ handed over: no use milestone this time

    // the story line queue of the sequencer: one line per advance, from index 0 at step -1
    std::vector<std::string> story_lines;
    // the lines an event shows after its enemy falls, one per advance, and the next one
    std::vector<std::string> post_battle_lines;
    int32_t post_battle_cursor = 0;
    // the technique histories of the two sides (newest first, -1 empty)
    std::array<std::array<int32_t, 6>, 2> technique_history{};
    int32_t battle_list_last_index = -1;  // the row of battle_list chosen last
    // Steps of the sequencer that other parts of the game own (the rest, the inn, the shop
    // keepers, the pet's nest), registered by number at start-up.
    std::array<void (*)(Game&), 100> scene_steps{};
    // The item panel: the id each row of item_list stands for (0 for a header), the id
    // chosen last (-1 none), and the growth's strengthening rule for its "強化" button.
    std::vector<int32_t> panel_rows;
    int32_t panel_selection = -1;
    ItemScreen item_screen = ItemScreen::kRareItems;  // the panel's screen, open or last open
    std::string (*strengthen)(Game&, int32_t) = nullptr;
    // After a won battle's lines: the techniques learned (owned by the growth of techniques,
    // which sits above the battle); the battle goes on to the item find without it.
    void (*learn_techniques)(Game&) = nullptr;
    bool return_to_area = false;  // when the queue ends, land on the island again
    // Lands on the island again; set by the shell, so the sequencer needs no island code.
    void (*enter_area)(Game&) = nullptr;

    // the command cards
    int32_t hovered_card = -1;
    int32_t cards_laid_out = 0;
    int32_t clicked_card = -1;  // the card the last frame saw clicked, for the tick to act on
    std::vector<int32_t> card_order;  // the shown cards, first laid out first (keys 1 to 9)
    // How long the game has waited for the player (the message speed goes on from it), and
    // how long the red screen of a death has stood (it takes a click only after a pause).
    int32_t waited_ticks = 0;
    int32_t death_ticks = 0;
    // the treasure chest and the sickness of the walk
    int32_t chest_points = 0, chest_points_start = 0;
    int32_t sickness_points = 0, sickness_points_start = 0;
    bool ranking_panel_marked = false;  // the inn moved the adventurer up the ranking

    // What the last record export counted, for the ranking upload.
    struct RecordCounts {
        int32_t equipment_kinds = 0, rare_item_kinds = 0, record_kinds = 0;
        int32_t learned_technique_kinds = 0;
    } record_counts;
    bool record_failure_told = false;  // a 記録.txt that cannot be written is told once

    // the island
    bool arrival_reported = false;                 // once per run: the first landing's news
    std::array<int32_t, 2> merchant_visited = {};  // marks of the two travelling merchants

    // the title screen
    std::array<TitleStar, 30> stars;
    std::string last_background;  // the picture ShowBackground drew last

    // sounds waiting for the next tick step, and the mixer that plays them
    std::array<std::string, kSoundQueueLength> sound_queue;
    platform::Audio audio;
    bool window_visible = true;

    // the message log (0 newest) and the pop-ups
    std::array<LogEntry, kLogEntries> message_log;
    std::array<Popup, kPopupSlots> popups;
    int32_t popup_position = 0;
    // The colour the main picture's font had last: a log line of an unknown colour keeps it.
    platform::Color canvas_font_color = platform::colors::kWhite;

    // the status display
    struct Shown {
        int32_t hp = 0, mp = 0, tp = 0, exp = 0, money = 0, score = 0;
        int32_t enemy_hp = 0, enemy_mp = 0, enemy_tp = 0;
    } shown;
    int32_t enemy_shake = 0;             // frames the enemy panel still shakes
    int32_t jitter_x = 0, jitter_y = 0;  // screen-shake offsets the effects follow

    // the ranking server: where it is, the limits of one exchange, and what came from it
    std::string server_url = "http://127.0.0.1:8229";
    platform::HttpLimits http_limits;
    bool net_busy = false;                // an exchange runs (clicks on the picture and map wait)
    std::string net_status_text;          // the last status of the network
    std::vector<RankEntry> rank_entries;  // at most kRankEntries, in the server's order
    std::array<ReportEntry, kReportEntries> report_entries;
    bool ranking_loaded = false, reports_loaded = false;
    std::vector<std::string> reports_sent;  // the report lines posted in this run
    int32_t recent_players = 0;
    int32_t newer_version = 0;
    int32_t rank_selected = -1;     // the net_list row whose details are shown
    std::vector<int32_t> net_rows;  // the rank_entries index each net_list row shows
    // Shows the window as it stands now, while the game's thread is busy (an exchange); set
    // by the window, absent without one. Nothing else runs meanwhile.
    std::function<void()> repaint_window;
    // Asked again and again while an exchange waits for the server (the window keeps itself
    // painted and drops the player's input meanwhile); false gives the exchange up, as the
    // program is ending. network_wait_over is called once the exchange is over.
    std::function<bool()> network_waiting;
    std::function<void()> network_wait_over;
    // Opens the short guide to the game (遊び方) and returns when it is closed; set by the
    // window (a script run prints the guide instead), absent without one.
    std::function<void()> open_help;

    // How lines that wait for a click go on: kMessageOnClick waits for the click (or Space);
    // the others go on by themselves after a pause. Choices always wait. A desktop setting,
    // never saved with the game.
    int32_t message_speed = 0;

    // taken when a game starts from the title
    int32_t run_start_score = 0;
    int32_t run_start_money = 0;
    int32_t run_start_exp = 0;
};

}  // namespace quill
