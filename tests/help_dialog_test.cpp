// The guide (遊び方) through its real widgets, headless: turning the pages by button and by
// key, closing it, every page shown whole, and the settings dialog opening it.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "frontend/help_dialog.h"
#include "frontend/settings_dialog.h"
#include "view/help_pages.h"

namespace quill {
namespace {

using frontend::HelpDialog;

// The guide as the player sees it: shown, active, the keys on one of its buttons.
struct ShownGuide {
    HelpDialog dialog{nullptr};
    ShownGuide() {
        dialog.show();
        dialog.activateWindow();
        QApplication::processEvents();
    }
    // A key pressed where the keyboard's focus is in the guide (the guide itself when
    // nothing in it has the focus).
    void key(int k) {
        QWidget* focus = QApplication::focusWidget();
        QWidget* target = focus && focus->window() == &dialog ? focus : &dialog;
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
        QApplication::processEvents();
    }
    // What the guide shows: the page counter and which of the turning buttons can be used.
    void expect_page(int page, const std::string& how) {
        const int count = dialog.page_count();
        EXPECT_EQ(dialog.page(), page) << how;
        EXPECT_EQ(dialog.counter_label->text(), QStringLiteral("%1 / %2").arg(page + 1).arg(count))
            << how;
        EXPECT_EQ(dialog.title_label->text().toStdString(), HelpPages()[page].title) << how;
        EXPECT_EQ(dialog.previous_button->isEnabled(), page > 0) << how;
        EXPECT_EQ(dialog.next_button->isEnabled(), page < count - 1) << how;
    }
};

TEST(HelpDialog, OpensOnTheFirstPageAndTurnsByButtonAndKey) {
    struct Way {
        const char* name;
        std::function<void(ShownGuide&)> forward, back;
    };
    const Way ways[] = {
        {"buttons", [](ShownGuide& g) { g.dialog.next_button->click(); },
         [](ShownGuide& g) { g.dialog.previous_button->click(); }},
        {"arrows", [](ShownGuide& g) { g.key(Qt::Key_Right); },
         [](ShownGuide& g) { g.key(Qt::Key_Left); }},
        {"page keys", [](ShownGuide& g) { g.key(Qt::Key_PageDown); },
         [](ShownGuide& g) { g.key(Qt::Key_PageUp); }},
    };
    for (const Way& way : ways) {
        ShownGuide g;
        EXPECT_EQ(g.dialog.windowTitle(), QStringLiteral("遊び方"));
        const int count = g.dialog.page_count();
        ASSERT_GE(count, 2);
        g.expect_page(0, std::string(way.name) + " at the start");
        // The keys go where a player's would: to the guide's button that has the focus.
        EXPECT_EQ(QApplication::focusWidget(), g.dialog.next_button) << way.name;
        way.back(g);
        g.expect_page(0, std::string(way.name) + " back from the first page");
        for (int page = 1; page < count; ++page) {
            way.forward(g);
            g.expect_page(page, std::string(way.name) + " forward");
        }
        way.forward(g);
        g.expect_page(count - 1, std::string(way.name) + " on past the last page");
        way.back(g);
        g.expect_page(count - 2, std::string(way.name) + " back");
        EXPECT_TRUE(g.dialog.isVisible()) << way.name << ": turning never closes the guide";
    }
}

TEST(HelpDialog, EscapeAndTheCloseButtonCloseIt) {
    {
        ShownGuide g;
        g.key(Qt::Key_Escape);
        EXPECT_FALSE(g.dialog.isVisible());
        EXPECT_EQ(g.dialog.result(), QDialog::Rejected);
    }
    {
        ShownGuide g;
        g.dialog.close_button->click();
        EXPECT_FALSE(g.dialog.isVisible());
        EXPECT_EQ(g.dialog.result(), QDialog::Rejected);
    }
}

// Each page is read without scrolling: its title on one line and its whole body inside the
// space the guide gives it.
TEST(HelpDialog, EveryPageFitsTheGuide) {
    ShownGuide g;
    for (int page = 0; page < g.dialog.page_count(); ++page) {
        const HelpPage& p = HelpPages()[page];
        EXPECT_FALSE(p.title.empty()) << page;
        EXPECT_FALSE(p.body.empty()) << page;
        g.dialog.show_page(page);
        QApplication::processEvents();
        const QLabel* title = g.dialog.title_label;
        const QLabel* body = g.dialog.body_label;
        EXPECT_LE(title->fontMetrics().horizontalAdvance(title->text()),
                  title->contentsRect().width())
            << p.title;
        EXPECT_LE(body->heightForWidth(body->width()), body->height())
            << p.title << ": the body needs more room than the guide has";
    }
}

TEST(HelpDialog, TheSettingsDialogOpensIt) {
    frontend::SettingsDialog settings(frontend::Settings{}, 1, nullptr);
    settings.show();
    QApplication::processEvents();
    bool guide_over_settings = false;
    int page = -1;
    // What opens is modal: it is looked at and closed from the event loop it runs (whatever
    // it is, so that a wrong window cannot hold the test).
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* opened = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!opened || opened == &settings) return;
        auto* guide = dynamic_cast<HelpDialog*>(opened);
        guide_over_settings = guide && guide->parentWidget() == &settings;
        if (guide) page = guide->page();
        opened->reject();
    });
    poll.start(5);
    settings.help_button->click();
    poll.stop();
    EXPECT_TRUE(guide_over_settings);
    EXPECT_EQ(page, 0);
    EXPECT_EQ(settings.help_button->text(), QStringLiteral("遊び方"));
}

}  // namespace
}  // namespace quill
