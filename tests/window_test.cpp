// The game's real window, headless: keys, message boxes and questions as a player meets them.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "character/creation.h"
#include "character/pet_panel.h"
#include "explore/island.h"
#include "frontend/main_window.h"
#include "frontend/qt_dialogs.h"
#include "items/item_panel.h"
#include "items/worn_items.h"
#include "net/net_panels.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "shell/wiring.h"
#include "state/state_ops.h"
#include "test_support.h"
#include "view/message_log.h"

namespace quill {
namespace {

using testing_support::GameFixture;

// The window over a started game whose dialogs are real message boxes.
struct WindowFixture : GameFixture {
    frontend::QtDialogs boxes;
    std::unique_ptr<frontend::MainWindow> window;

    // With real_boxes false the messages are only recorded (GameFixture's dialogs).
    explicit WindowFixture(bool real_boxes = true) {
        if (real_boxes) game.dialogs = &boxes;
        WireHandlers(game);
        FormCreate(game, 1);
        window = std::make_unique<frontend::MainWindow>(game, false);
        boxes.set_parent(window.get());
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }

    // A key pressed and released where the keyboard's focus is.
    static void key(int k, QWidget* fallback) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : fallback;
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier);
        if (QApplication::focusWidget()) target = QApplication::focusWidget();
        QApplication::sendEvent(target, &release);
    }

    // The ranking panel opened on the entries in memory (fetched a minute ago), as shown.
    void open_ranking() {
        game.ranking_loaded = true;
        game.state.last_rank_send_minute = game.clock->minute_of_hour();
        l_btn70MouseDown(game);
        window->sync();
        QApplication::processEvents();
    }

    // A left click (press and release) at a point of the widget, as the mouse gives it.
    static void click(QWidget* target, QPointF at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
};

// Answers the message boxes as they open, one answer each, with the keyboard: the button
// is given the focus and Enter pressed on it, as a player tabbing to it would.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(std::deque<QMessageBox::StandardButton> answers)
        : answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
    }
    std::vector<std::string> seen;  // the texts of the boxes answered
    // What the game's screen mode was while each box was open, just before its answer.
    std::vector<int32_t> modes_before;
    // Ticks the game ran while the boxes were open.
    int32_t ticks_while_open = 0;
    Game* game = nullptr;
    int hold_ms = 0;  // how long each box stays open before it is answered

  private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // Boxes are made anew for every message, often at the same address: a property
        // marks the one already answered.
        if (!box || box->property("answered").toBool() || answers_.empty()) return;
        box->setProperty("answered", true);
        seen.push_back(box->text().toStdString());
        QAbstractButton* button = box->button(answers_.front());
        answers_.pop_front();
        const int32_t ticks_at_open = game ? game->tick_count : 0;
        QTimer::singleShot(hold_ms, box, [this, box, button, ticks_at_open] {
            answer(box, button, ticks_at_open);
        });
    }
    void answer(QMessageBox* box, QAbstractButton* button, int32_t ticks_at_open) {
        if (game) {
            modes_before.push_back(game->screen_mode);
            ticks_while_open += game->tick_count - ticks_at_open;
        }
        box->activateWindow();
        button->setFocus();
        QApplication::processEvents();
        WindowFixture::key(Qt::Key_Return, button);
    }
    std::deque<QMessageBox::StandardButton> answers_;
    QTimer timer_;
};

TEST(Window, TheEnterThatClosesTheNetworkMessageStaysInTheBox) {
    WindowFixture f;
    Game& g = f.game;
    ASSERT_EQ(g.screen_mode, kBoot);
    f.window->start();
    BoxAnswerer answerer({QMessageBox::Ok});
    answerer.game = &g;
    answerer.hold_ms = 300;  // about three ticks of the game
    WindowFixture::key(Qt::Key_F10, f.window.get());
    ASSERT_EQ(answerer.seen, (std::vector<std::string>{"ネット非対応に変更しました"}));
    EXPECT_EQ(g.state.net_off, 1);
    // The credit picture is still shown: the Enter only closed the box; and the game
    // stood still while the box was open.
    EXPECT_EQ(g.screen_mode, kBoot);
    EXPECT_EQ(answerer.ticks_while_open, 0);
}

TEST(Window, TheResetQuestionsAnsweredByKeyLeaveTheCreditPicture) {
    WindowFixture f;
    Game& g = f.game;
    // A known adventurer: an Enter reaching the game would land it on the island.
    g.state.event_flags[0] = 1;
    g.state.money = 4321;
    BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok});
    answerer.game = &g;
    WindowFixture::key(Qt::Key_F1, f.window.get());
    ASSERT_EQ(answerer.seen.size(), 4u);
    EXPECT_EQ(answerer.seen[3], "初期化完了....");
    for (int32_t mode : answerer.modes_before) EXPECT_EQ(mode, kBoot);
    EXPECT_EQ(g.screen_mode, kBoot);
    EXPECT_EQ(g.map_shown, 0);
    EXPECT_FALSE(adventurer_exists(g));
    EXPECT_EQ(g.state.money, 50);
    // Enter now, with every box closed, leaves the credit picture as it should.
    WindowFixture::key(Qt::Key_Return, f.window.get());
    EXPECT_EQ(g.screen_mode, kTitle);
}

TEST(Window, TheNameBoxShowsItsHintAndKeepsOnlySavableText) {
    WindowFixture f(false);
    Game& g = f.game;
    g.screen_mode = kGame;
    ShowCreationPanel(g);
    f.window->sync();
    auto* edit = f.window->findChild<QLineEdit*>(QStringLiteral("name_l"));
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(edit->placeholderText(), QStringLiteral("しすみ"));

    // Typed as an input method commits it.
    edit->setFocus();
    edit->insert(QStringLiteral("😀ルカ"));
    EXPECT_EQ(edit->text(), QStringLiteral("ルカ"));
    EXPECT_EQ(g.form.name_l.text, "ルカ");
    EXPECT_EQ(f.dialogs.messages, (std::vector<std::string>{"その文字は名前に使えません"}));
    edit->insert(QStringLiteral("〜"));
    EXPECT_EQ(edit->text(), QStringLiteral("ルカ～"));
}

// Every caption of the creation panel is shown whole on its button.
TEST(Window, CreationCaptionsFitTheirButtons) {
    WindowFixture f(false);
    f.game.screen_mode = kGame;
    ShowCreationPanel(f.game);
    f.window->sync();
    for (platform::Label* b : f.game.form.button_labels()) {
        if (!b->parent || b->parent != &f.game.form.bp_box) continue;
        auto* label = f.window->findChild<QLabel*>(QString::fromStdString(b->name));
        ASSERT_NE(label, nullptr) << b->name;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(needed, label->contentsRect().width() - 4) << b->name << " " << b->caption;
    }
}

// The ホーシオ screen at its fullest: level 40 with all nine books gives thirteen slots, each
// holding one of the ホーシオ with the longest descriptions. The real box shows every slot
// on a line of its own, the last one inside the box, each name whole.
TEST(Window, EveryHoshioSlotShowsInItsBox) {
    WindowFixture f(false);
    Game& g = f.game;
    g.screen_mode = kGame;
    g.adventurer().level = 40;
    for (int32_t book = 600; book <= 608; ++book) g.state.item_count[book] = 1;
    std::vector<int32_t> hoshio;
    for (int32_t id = 1; id < kItemTableSize; ++id) {
        if (g.items[id].category == kItemHoshio) hoshio.push_back(id);
    }
    std::sort(hoshio.begin(), hoshio.end(), [&](int32_t a, int32_t b) {
        return g.items[a].description.size() > g.items[b].description.size();
    });
    ASSERT_GE(hoshio.size(), 13u);
    ASSERT_EQ(UsableHoshioSlots(g), 13);
    for (int slot = 0; slot < 13; ++slot) {
        g.state.item_count[hoshio[slot]] = 1;
        g.state.hoshio_slots[slot] = hoshio[slot];
    }
    g.item_screen = ItemScreen::kHoshio;
    RefreshItemPanel(g);
    f.window->sync();
    auto* box = f.window->findChild<QLabel*>(QStringLiteral("item_l3"));
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->isVisible());
    const QStringList lines = box->text().split('\n');
    ASSERT_EQ(lines.size(), 14);  // the heading and thirteen slots
    const int width = box->contentsRect().width();
    for (const QString& line : lines) {
        EXPECT_LE(box->fontMetrics().horizontalAdvance(line), width) << line.toStdString();
    }
    EXPECT_LE(box->heightForWidth(width), box->contentsRect().height());
    for (int slot = 0; slot < 13; ++slot) {
        const std::string name = "【" + g.items[hoshio[slot]].name + "】";
        EXPECT_TRUE(lines[slot + 1].toStdString().starts_with(name)) << name;
    }
}

// The item panel's rows are drawn in the colours the game gives them.
TEST(Window, ItemListRowsShowTheirColours) {
    WindowFixture f(false);
    Game& g = f.game;
    g.screen_mode = kGame;
    g.state.skill_level[0] = 1;
    g.state.skill_level[22] = 1;
    g.state.skill_seen[22] = 99;
    g.item_screen = ItemScreen::kTechniques;
    RefreshItemPanel(g);
    f.window->sync();
    auto* list = f.window->findChild<QListWidget*>(QStringLiteral("item_list"));
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Lv 1 踏みつぶす"));
    EXPECT_EQ(list->item(0)->foreground().color(), QColor(0xFF, 0x00, 0xFF));  // never opened
    EXPECT_EQ(list->item(1)->foreground().color(), QColor(0xFF, 0xFF, 0xFF));
}

TEST(Window, ALongShopListScrollsChoosesByKeyAndBuysWithItsBox) {
    WindowFixture f;
    Game& g = f.game;
    g.screen_mode = kGame;
    g.adventurer().level = 99;
    g.state.money = 20000;
    g.adventurer().max_hp = 20;
    g.item_screen = ItemScreen::kShop;
    RefreshItemPanel(g);
    f.window->sync();
    QApplication::processEvents();
    auto* list = f.window->findChild<QListWidget*>(QStringLiteral("item_list"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), static_cast<int>(g.form.item_list.items.size()));
    ASSERT_GT(list->verticalScrollBar()->maximum(), 0);  // longer than the box
    // The last row, scrolled into view, chosen with the keyboard from the row above it.
    list->setFocus();
    const int last = list->count() - 1;
    g.form.item_list.item_index = last - 1;
    f.window->sync();
    QApplication::processEvents();
    WindowFixture::key(Qt::Key_Down, list);
    QApplication::processEvents();
    EXPECT_EQ(g.form.item_list.item_index, last);
    EXPECT_EQ(g.panel_selection, g.panel_rows[last]);
    EXPECT_NE(g.form.item_l.caption.find("値段: "), std::string::npos);
    const QRect shown = list->visualItemRect(list->item(last));
    EXPECT_TRUE(list->viewport()->rect().contains(shown)) << "the chosen row is scrolled to";
    // ファトマの号令 bought through the real button: the raise's box is a real message box.
    g.item_screen = ItemScreen::kFatma;
    RefreshItemPanel(g);
    const auto& items = g.form.item_list.items;
    const auto row = std::find(items.begin(), items.end(), "   ファトマの号令") - items.begin();
    ASSERT_LT(row, static_cast<long>(items.size()));
    g.form.item_list.item_index = static_cast<int>(row);
    item_listMouseDown(g);
    f.window->sync();
    BoxAnswerer answerer({QMessageBox::Ok});
    auto* buy = f.window->findChild<QWidget*>(QStringLiteral("l_btn10"));
    ASSERT_NE(buy, nullptr);
    ASSERT_TRUE(buy->isVisible());
    const QPointF at(5, 5);
    WindowFixture::click(buy, at);
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0], "最大HPが 1上昇!! → 21");
    EXPECT_EQ(g.state.money, 20000 - 100);
    f.window->sync();
    EXPECT_EQ(list->count(), static_cast<int>(items.size()));
}

TEST(Window, TheRankingListIsChosenByClickAndKey) {
    WindowFixture f(false);
    Game& g = f.game;
    g.screen_mode = kGame;
    g.map_shown = 1;
    // A ranking fetched a minute ago: the panel shows it from memory.
    g.rank_entries.resize(3);
    g.rank_entries[0] = {.name = "ハル", .score = 900, .race_sex = 1, .level = 30};
    g.rank_entries[2] = {.name = "ソラ", .score = 400, .level = 8, .pet_name = "タマ"};
    f.open_ranking();
    auto* list = f.window->findChild<QListWidget*>(QStringLiteral("net_list"));
    auto* details = f.window->findChild<QLabel*>(QStringLiteral("net_l"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(details, nullptr);
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("3位 400点 -- ソラ"));
    EXPECT_EQ(list->item(0)->foreground().color(), QColor(0xFF, 0x00, 0xFF));
    EXPECT_EQ(list->item(1)->foreground().color(), QColor(0x00, 0xFF, 0xFF));
    EXPECT_TRUE(details->text().isEmpty());  // the adventurer is not ranked: nothing chosen

    // A click on the first row, as the mouse gives it.
    const QPoint at = list->visualItemRect(list->item(0)).center();
    WindowFixture::click(list->viewport(), at);
    f.window->sync();
    EXPECT_EQ(g.rank_selected, 0);
    EXPECT_TRUE(details->text().startsWith(QStringLiteral("ハル(ver0) Lv30")));
    // The key down: the second row, which is the third entry.
    list->setFocus();
    WindowFixture::key(Qt::Key_Down, list);
    f.window->sync();
    EXPECT_EQ(g.rank_selected, 1);
    EXPECT_TRUE(details->text().startsWith(QStringLiteral("ソラ(ver0) Lv8")));
    EXPECT_TRUE(details->text().contains(QStringLiteral("ペット: タマ Lv0")));
}

// The ranking at the longest the protocol allows: a thousand rows, scores of ten digits,
// names of 32 characters, titles and pet names of 64. The rows never scroll sideways and
// always show their rank and score; an eight-character name beside an eight-digit score
// shows whole. The details fit their box, beside the entry's picture and never under it.
TEST(Window, RankingRowsAndDetailsFitTheirBoxes) {
    WindowFixture f(false);
    Game& g = f.game;
    g.screen_mode = kGame;
    g.map_shown = 1;
    std::string wide_name, wide_text;
    for (int i = 0; i < 32; ++i) wide_name += "Ｗ";
    for (int i = 0; i < 64; ++i) wide_text += "Ｗ";
    g.rank_entries.resize(kRankEntries);
    g.rank_entries[0] = {.name = "あいうえおかきく",
                         .score = 88888888,
                         .level = 99,
                         .pet_name = "あいうえおかきく",
                         .pet_level = 99,
                         .version = 230};
    for (int k = 1; k < kRankEntries; ++k) {
        RankEntry& e = g.rank_entries[k];
        e = {.name = k % 2 ? wide_name : "ハルハルハルハル",
             .score = 2147483647 - k,
             .load_count = 2147483647,
             .date = wide_text,
             .level = 2147483647,
             .max_distance_m = 2147483647,
             .attack = 2147483647,
             .battle_count = 2147483647,
             .title = wide_text,
             .pet_name = wide_text,
             .pet_level = 2147483647,
             .version = 2147483647};
    }
    f.open_ranking();
    auto* list = f.window->findChild<QListWidget*>(QStringLiteral("net_list"));
    auto* details = f.window->findChild<QLabel*>(QStringLiteral("net_l"));
    auto* picture = f.window->findChild<QWidget*>(QStringLiteral("rank_Cg"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(details, nullptr);
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(list->count(), kRankEntries);
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int room = list->viewport()->width() - 2 * margin;
    // A row's own font when it has one, else the list's.
    auto font_of = [&](int row) {
        const QVariant own = list->item(row)->data(Qt::FontRole);
        return own.isValid() ? own.value<QFont>() : list->font();
    };
    auto width_of = [&](int row, const QString& text) {
        return QFontMetrics(font_of(row)).horizontalAdvance(text);
    };
    EXPECT_LE(width_of(0, list->item(0)->text()), room) << "the usual row shows whole";
    for (int row = 0; row < list->count(); ++row) {
        const QString text = list->item(row)->text();
        const QString rank_and_score = text.left(text.indexOf(QStringLiteral("-- ")) + 3);
        EXPECT_LE(width_of(row, rank_and_score), room) << text.toStdString();
        EXPECT_GE(font_of(row).pixelSize(), list->font().pixelSize() * 4 / 5);
    }
    EXPECT_LE(details->geometry().right(), picture->geometry().left());

    for (int row : {0, 1, kRankEntries - 1}) {
        g.form.net_list.item_index = row;
        net_listMouseDown(g);
        f.window->sync();
        const QStringList lines = details->text().split('\n');
        const int width = details->contentsRect().width();
        for (const QString& line : lines) {
            EXPECT_LE(details->fontMetrics().horizontalAdvance(line), width) << line.toStdString();
        }
        EXPECT_LE(details->heightForWidth(width), details->contentsRect().height()) << row;
        if (row == 0) {
            EXPECT_EQ(lines[0], QStringLiteral("あいうえおかきく(ver230) Lv99"));
            EXPECT_TRUE(lines.contains(QStringLiteral("ペット: あいうえおかきく Lv99")));
        } else {
            // The version comes on a line of its own after a name too long to share one.
            EXPECT_TRUE(lines[1].startsWith(QStringLiteral("(ver2147483647)"))) << row;
        }
    }
}

TEST(Window, ThePetIsNamedInTheRealBoxAndAnsweredInTheRealQuestion) {
    WindowFixture f;
    Game& g = f.game;
    g.screen_mode = kGame;
    g.sequence_step = 60;
    g.scene_steps[60](g);  // the pet house's panel
    f.window->sync();
    QApplication::processEvents();
    auto* edit = f.window->findChild<QLineEdit*>(QStringLiteral("pet_name_l"));
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->isVisible());
    // Typed in the real box: cut to sixteen bytes as it is typed.
    edit->setFocus();
    edit->insert(QStringLiteral("モコモコモコモコモコ"));
    f.window->sync();
    EXPECT_EQ(g.form.pet_name_l.text, "モコモコモコモコ");
    EXPECT_EQ(edit->text(), QStringLiteral("モコモコモコモコ"));
    // "決定", and the real question answered "はい".
    BoxAnswerer answerer({QMessageBox::Yes});
    auto* ok = f.window->findChild<QWidget*>(QStringLiteral("l_btn60"));
    ASSERT_NE(ok, nullptr);
    const QPointF at(5, 5);
    WindowFixture::click(ok, at);
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0], "良いですか？");
    EXPECT_EQ(g.pet().name, "モコモコモコモコ");
    f.window->sync();
    EXPECT_FALSE(edit->isVisible());
    auto* status = f.window->findChild<QLabel*>(QStringLiteral("pet_l"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->isVisible());
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("モコモコモコモコ Lv1")));
}

// Buying from the middle of a long shelf: money spent takes dearer goods off the shelf above
// the bought item, and the item, still chosen, stays under the pointer that bought it.
TEST(Window, AfterAPurchaseTheBoughtItemStaysWhereItWas) {
    WindowFixture f;
    Game& g = f.game;
    g.screen_mode = kGame;
    g.adventurer().level = 99;
    g.item_screen = ItemScreen::kShop;
    // A long shelf: the first of every series is held, so the next ones are offered too.
    for (int32_t held :
         {24,  9,   12,  13,  14,  15,  16,  104, 105, 106, 107, 108, 114, 115, 116,
          117, 118, 157, 158, 159, 203, 204, 205, 206, 207, 208, 213, 214, 215, 216}) {
        g.state.item_count[held] = 1;
    }
    g.state.money = 9999999;
    RefreshItemPanel(g);
    // A piece of equipment far enough down to be scrolled to, and a dearer one above it that
    // the money left after buying it no longer reaches.
    int32_t id = 0, money = 0;
    for (size_t row = 24; row < g.panel_rows.size() && id == 0; ++row) {
        const int32_t x = g.panel_rows[row];
        if (x <= 0 || g.state.item_count[x] > 0 || g.items[x].category > kItemPendant) continue;
        for (size_t above = 0; above < row; ++above) {
            const int32_t y = g.panel_rows[above];
            if (y > 0 && g.state.item_count[y] == 0 && g.items[y].price >= g.items[x].price + 30) {
                id = x;
                money = g.items[y].price - 30;
                break;
            }
        }
    }
    ASSERT_GT(id, 0) << "no purchase on the shelf moves the rows above it";
    g.state.money = money;
    RefreshItemPanel(g);
    const int chosen = static_cast<int>(std::find(g.panel_rows.begin(), g.panel_rows.end(), id) -
                                        g.panel_rows.begin());
    ASSERT_LT(chosen, static_cast<int>(g.panel_rows.size()));
    f.window->sync();
    QApplication::processEvents();
    auto* list = f.window->findChild<QListWidget*>(QStringLiteral("item_list"));
    ASSERT_NE(list, nullptr);
    // Scrolled down to the row and chosen with a click on it, as a player does.
    list->scrollToItem(list->item(chosen), QAbstractItemView::PositionAtCenter);
    QApplication::processEvents();
    const QRect before = list->visualItemRect(list->item(chosen));
    ASSERT_GT(list->verticalScrollBar()->value(), 0);
    WindowFixture::click(list->viewport(), QRectF(before).center());
    ASSERT_EQ(g.panel_selection, id);
    const std::string name = g.items[id].name;
    auto* buy = f.window->findChild<QWidget*>(QStringLiteral("l_btn10"));
    ASSERT_NE(buy, nullptr);
    WindowFixture::click(buy, QPointF(5, 5));
    f.window->sync();
    QApplication::processEvents();
    ASSERT_EQ(g.state.item_count[id], 1) << name;
    const int now = g.form.item_list.item_index;
    ASSERT_GE(now, 0);
    EXPECT_LT(now, chosen) << "rows above the bought item left the shelf";
    EXPECT_EQ(g.panel_rows[now], id);
    EXPECT_EQ(list->currentRow(), now);
    EXPECT_EQ(list->visualItemRect(list->item(now)).top(), before.top())
        << "the bought item moved under the pointer";
    // A new shelf (another screen) starts at its top again.
    g.item_screen = ItemScreen::kFatma;
    RefreshItemPanel(g);
    f.window->sync();
    QApplication::processEvents();
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
}

TEST(Window, TheShopSaysInOneLineWhyGoodsAreMissing) {
    WindowFixture f;
    Game& g = f.game;
    g.screen_mode = kGame;
    auto* line = f.window->findChild<QLabel*>(QStringLiteral("item_l4"));
    ASSERT_NE(line, nullptr);
    struct Case {
        int32_t level, money;
        bool said;
    };
    for (const Case c : {Case{1, 0, true}, Case{5, 500, true}, Case{99, 9999999, false}}) {
        g.adventurer().level = c.level;
        g.state.money = c.money;
        g.item_screen = ItemScreen::kShop;
        RefreshItemPanel(g);
        f.window->sync();
        QApplication::processEvents();
        EXPECT_EQ(line->isVisible(), c.said) << c.level << " " << c.money;
        if (!c.said) continue;
        EXPECT_NE(line->text().indexOf(QStringLiteral("は並んでいません")), -1);
        // One line, whole in its place.
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width())
            << line->text().toStdString();
    }
}

TEST(Window, TheArrowsMoveInTheOpenListWhereverTheKeysAre) {
    WindowFixture f;
    Game& g = f.game;
    g.screen_mode = kGame;
    for (int32_t id : {1, 20, 21, 100, 150}) g.state.item_count[id] = 1;
    g.item_screen = ItemScreen::kEquipment;
    RefreshItemPanel(g);
    f.window->sync();
    QApplication::processEvents();
    auto* list = f.window->findChild<QListWidget*>(QStringLiteral("item_list"));
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->count(), 3);
    f.window->setFocus();
    QApplication::processEvents();
    ASSERT_NE(QApplication::focusWidget(), list);
    WindowFixture::key(Qt::Key_Down, f.window.get());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(g.form.item_list.item_index, 0);
    EXPECT_EQ(g.panel_selection, g.panel_rows[0]);
    WindowFixture::key(Qt::Key_Down, f.window.get());
    WindowFixture::key(Qt::Key_Down, f.window.get());
    QApplication::processEvents();
    EXPECT_EQ(g.form.item_list.item_index, 2);
    EXPECT_EQ(g.panel_selection, g.panel_rows[2]);
    EXPECT_NE(g.form.item_l.caption.find(g.items[g.panel_rows[2]].name), std::string::npos);
    WindowFixture::key(Qt::Key_Up, f.window.get());
    QApplication::processEvents();
    EXPECT_EQ(g.panel_selection, g.panel_rows[1]);
    // Escape closes the panel as its close button does.
    WindowFixture::key(Qt::Key_Escape, list);
    f.window->sync();
    EXPECT_FALSE(g.form.item_box.visible);
    EXPECT_FALSE(list->isVisible());
}

TEST(Window, APlaceThatActsNowShowsAHandAndIsLitUnderThePointer) {
    WindowFixture f;
    Game& g = f.game;
    g.screen_mode = kGame;
    g.state.event_flags[0] = g.state.event_flags[1] = 1;
    for (int flag = 30; flag <= 39; ++flag) g.state.event_flags[flag] = 1;
    g.state.net_off = 1;
    g.adventurer().level = 5;  // the pet's nest waits for level 22
    EnterIsland(g);
    TickStep(g);
    f.window->sync();
    QApplication::processEvents();
    struct Case {
        const char* name;
        bool acts;
    };
    for (const Case c : {Case{"map_b1", true}, Case{"Image7", true}, Case{"map_b20", false}}) {
        QWidget* place = f.window->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(place, nullptr) << c.name;
        ASSERT_TRUE(place->isVisible()) << c.name;
        EXPECT_EQ(place->testAttribute(Qt::WA_SetCursor), c.acts) << c.name;
        if (c.acts) EXPECT_EQ(place->cursor().shape(), Qt::PointingHandCursor) << c.name;
        const QRect on_window(place->mapTo(f.window.get(), QPoint(0, 0)), place->size());
        const QImage before = f.window->grab(on_window).toImage();
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), place->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(place, &enter);
        const QImage lit = f.window->grab(on_window).toImage();
        EXPECT_EQ(lit != before, c.acts) << c.name;
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(place, &leave);
        EXPECT_EQ(f.window->grab(on_window).toImage(), before) << c.name;
    }
    // At level 22 the nest acts, and its hand comes with the next tick.
    g.adventurer().level = 22;
    TickStep(g);
    f.window->sync();
    QWidget* nest = f.window->findChild<QWidget*>(QStringLiteral("map_b20"));
    EXPECT_EQ(nest->cursor().shape(), Qt::PointingHandCursor);
}

// Space held down is the held button: the desktop's repeats (a release and a press with one
// time stamp, not always marked as repeats) neither take a waiting line each nor let go.
TEST(Window, AHeldSpaceIsOnePressThroughTheDesktopsRepeats) {
    WindowFixture f;
    Game& g = f.game;
    g.screen_mode = kGame;
    g.state.event_flags[0] = g.state.event_flags[1] = 1;
    g.story_lines = {"一つ目の行", "二つ目の行", "三つ目の行"};
    TellStoryAndReturn(g);
    f.window->sync();
    f.window->setFocus();
    QApplication::processEvents();
    auto space = [&f](QEvent::Type type, quint64 at) {
        QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        e.setTimestamp(at);
        QApplication::sendEvent(
            QApplication::focusWidget() ? QApplication::focusWidget() : f.window.get(), &e);
    };
    quint64 at = 5000;
    space(QEvent::KeyPress, at);
    ASSERT_EQ(LogLines(g).front(), "二つ目の行");
    for (int repeat = 0; repeat < 10; ++repeat) {
        at += 33;
        space(QEvent::KeyRelease, at);
        space(QEvent::KeyPress, at);
    }
    EXPECT_EQ(LogLines(g).front(), "二つ目の行") << "a repeat took a waiting line";
    EXPECT_EQ(g.mouse_down, 1);
    space(QEvent::KeyRelease, at + 40);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 150) QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(g.mouse_down, 0) << "the key was let go of";
    space(QEvent::KeyPress, at + 400);  // a new press takes the next line
    EXPECT_EQ(LogLines(g).front(), "三つ目の行");
}

}  // namespace
}  // namespace quill
