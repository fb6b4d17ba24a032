#include "frontend/script.h"

#include <Qt>

#include <gtest/gtest.h>

#include "frontend/options.h"

namespace quill::frontend {
namespace {

TEST(Script, ParsesEveryCommand) {
    std::string error;
    auto s = parse_script(
        "# a comment\r\n\nwait 3\nclick 10 20\nrclick 1 2\nrelease\nmove 5 6\nkey Enter\n"
        "shot out.png\nquit\n",
        error);
    ASSERT_TRUE(s) << error;
    ASSERT_EQ(s->size(), 8u);
    EXPECT_EQ((*s)[0].op, ScriptOp::Wait);
    EXPECT_EQ((*s)[0].x, 3);
    EXPECT_EQ((*s)[0].line, 3);
    EXPECT_EQ((*s)[1].op, ScriptOp::Click);
    EXPECT_EQ((*s)[1].y, 20);
    EXPECT_EQ((*s)[5].text, "Enter");
    EXPECT_EQ((*s)[6].text, "out.png");
    EXPECT_EQ((*s)[7].op, ScriptOp::Quit);

    s = parse_script(
        "press l_btn8\ntype name_l 風の 旅人\nselect item_list 3\nanswer no\nlog a.log\n"
        "dump b.json\n",
        error);
    ASSERT_TRUE(s) << error;
    ASSERT_EQ(s->size(), 6u);
    EXPECT_EQ((*s)[0].widget, "l_btn8");
    EXPECT_EQ((*s)[1].text, "風の 旅人");
    EXPECT_EQ((*s)[2].op, ScriptOp::Select);
    EXPECT_EQ((*s)[2].widget, "item_list");
    EXPECT_EQ((*s)[2].x, 3);
    EXPECT_EQ((*s)[4].op, ScriptOp::Log);
    EXPECT_EQ((*s)[4].text, "a.log");
    EXPECT_EQ((*s)[5].op, ScriptOp::Dump);
    EXPECT_EQ((*s)[5].text, "b.json");

    // The keys by name, held or pressed, and the message speed.
    s = parse_script("key 7\nkey F11\nkeydown Space\nkeyup Space\nkey PageDown\nmessage-speed 2\n",
                     error);
    ASSERT_TRUE(s) << error;
    ASSERT_EQ(s->size(), 6u);
    EXPECT_EQ((*s)[0].text, "7");
    EXPECT_EQ(key_code_named("7"), Qt::Key_7);
    EXPECT_EQ(key_code_named((*s)[1].text), Qt::Key_F11);
    EXPECT_EQ((*s)[2].op, ScriptOp::KeyDown);
    EXPECT_EQ((*s)[3].op, ScriptOp::KeyUp);
    EXPECT_EQ(name_of_key_code(Qt::Key_PageDown), "PageDown");
    EXPECT_EQ(name_of_key_code(Qt::Key_Enter), "Enter");
    EXPECT_EQ((*s)[5].op, ScriptOp::MessageSpeed);
    EXPECT_EQ((*s)[5].x, 2);
    for (const char* wrong :
         {"message-speed 4\n", "message-speed\n", "keydown\n", "keyup Hyper\n"}) {
        EXPECT_FALSE(parse_script(wrong, error)) << wrong;
    }
}

TEST(Script, ARecordingsSeedMiddleClicksAndEmptiedBoxes) {
    std::string error;
    auto s = parse_script(
        "# recorded\nseed 18446744073709551615\nmclick 3 4\ntype name_l\n"
        "type name_l  　two spaces \n",
        error);
    ASSERT_TRUE(s) << error;
    ASSERT_EQ(s->size(), 4u);
    EXPECT_EQ((*s)[0].op, ScriptOp::Seed);
    EXPECT_EQ((*s)[0].seed, 18446744073709551615u);
    EXPECT_EQ((*s)[1].op, ScriptOp::MiddleClick);
    EXPECT_EQ((*s)[1].y, 4);
    EXPECT_EQ((*s)[2].text, "");
    EXPECT_EQ((*s)[3].text, " 　two spaces ");
    for (const char* bad : {"wait 1\nseed 3\n", "seed\n", "seed -1\n", "seed 1 2\n",
                            "seed 18446744073709551616\n", "type\n"}) {
        EXPECT_FALSE(parse_script(bad, error)) << bad;
    }
}

TEST(Script, MistakesNameTheirLine) {
    const char* bad[] = {"wait\n",
                         "wait -1\n",
                         "click 1\n",
                         "click a b\n",
                         "key Hyper\n",
                         "shot\n",
                         "fly 1 2\n",
                         "release now\n",
                         "quit 1\n",
                         "log\n",
                         "dump a b\n",
                         "select item_list\n",
                         "select item_list -1\n",
                         "select item_list x\n"};
    for (const char* text : bad) {
        std::string error;
        std::string script = std::string("wait 1\n") + text;
        EXPECT_FALSE(parse_script(script, error)) << text;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    }
}

TEST(Options, ParsesTheCommandLine) {
    std::string error;
    auto o = parse_options({"--offscreen", "--seed", "42", "--turbo", "--script", "a.txt"}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_TRUE(o->offscreen);
    EXPECT_TRUE(o->turbo);
    EXPECT_EQ(o->seed.value(), 42u);
    EXPECT_EQ(o->script->string(), "a.txt");
    EXPECT_FALSE(parse_options({"--seed"}, error));
    EXPECT_FALSE(parse_options({"--seed", "x1"}, error));
    EXPECT_FALSE(parse_options({"--bogus"}, error));
    EXPECT_NE(error.find("--bogus"), std::string::npos);

    o = parse_options({"--scale", "3", "--fullscreen", "--music-volume", "0", "--effects-volume",
                       "100", "--mute", "--record", "run.txt"},
                      error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->scale, 3);
    EXPECT_TRUE(o->fullscreen);
    EXPECT_EQ(o->music_volume, 0);
    EXPECT_EQ(o->effects_volume, 100);
    EXPECT_TRUE(o->mute);
    EXPECT_EQ(o->record->string(), "run.txt");
    for (std::vector<std::string> bad : {std::vector<std::string>{"--scale", "0"},
                                         {"--scale", "5"},
                                         {"--scale", "2x"},
                                         {"--music-volume", "101"},
                                         {"--effects-volume", "-1"},
                                         {"--record"}}) {
        EXPECT_FALSE(parse_options(bad, error)) << bad[0];
    }
}

}  // namespace
}  // namespace quill::frontend
