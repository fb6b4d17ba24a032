// Where the ranking server is: the command line, dat/server.txt, or the local one.
#include <gtest/gtest.h>

#include <fstream>

#include "frontend/options.h"
#include "net/server_address.h"
#include "test_support.h"

namespace quill {
namespace {

TEST(ServerAddress, TheCommandLineThenServerTxtThenTheLocalServer) {
    testing_support::TempFolder folder;
    const platform::Folders f(folder.path());
    std::filesystem::create_directories(f.dat());
    EXPECT_EQ(ServerAddress(std::nullopt, f), "http://127.0.0.1:8229");  // no server.txt

    struct Case {
        std::string file;
        std::string expected;
    };
    const Case cases[] = {
        {"http://rank.example:8080/\r\nsecond line\r\n", "http://rank.example:8080/"},
        {"  https://rank.example/q  \n", "https://rank.example/q"},
        {"ftp://rank.example/\n", "http://127.0.0.1:8229"},
        {"http://\n", "http://127.0.0.1:8229"},
        {"http://bad host/\n", "http://127.0.0.1:8229"},
        {std::string("http://\x82\xa0.example/\n"), "http://127.0.0.1:8229"},
        {"", "http://127.0.0.1:8229"},
    };
    for (const Case& c : cases) {
        std::ofstream(f.dat_file("server.txt"), std::ios::binary) << c.file;
        EXPECT_EQ(ServerAddress(std::nullopt, f), c.expected) << c.file;
    }
    EXPECT_EQ(ServerAddress(std::string("http://given:1/"), f), "http://given:1/");

    std::string error;
    auto o = frontend::parse_options({"--server", "http://127.0.0.1:9000"}, error);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->server, "http://127.0.0.1:9000");
    EXPECT_FALSE(frontend::parse_options({"--server", "127.0.0.1:9000"}, error));
    EXPECT_NE(error.find("--server needs an http:// or https:// address"), std::string::npos);
    EXPECT_FALSE(frontend::parse_options({"--server"}, error));
}

}  // namespace
}  // namespace quill
