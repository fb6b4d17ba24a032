// The network mode's HTTP client against small servers on loopback that answer well, badly
// or not at all.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "loopback_server.h"
#include "platform/http_client.h"

namespace quill::platform {
namespace {

using quill::testing_support::LoopbackServer;

TEST(HttpClient, AnAnswerComesBackWholeAndEveryFailureHasItsKind) {
    LoopbackServer s;
    s.server.Post("/echo", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content("got " + req.body, "text/plain");
    });
    s.server.Get("/broken", [](const httplib::Request&, httplib::Response& res) {
        res.status = 500;
        res.set_content("oops", "text/plain");
    });
    s.server.Get("/elsewhere", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("http://example.invalid/");
    });
    s.server.Get("/endless", [](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("text/plain", [](size_t, httplib::DataSink& sink) {
            static const std::string block(4096, 'x');
            return sink.write(block.data(), block.size());
        });
    });
    s.server.Get("/silent", [](const httplib::Request&, httplib::Response& res) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        res.set_content("late", "text/plain");
    });
    s.start();

    const HttpAnswer echo = http_post(s.url("/echo"), "a=%82%A0&b=1");
    EXPECT_TRUE(echo.ok());
    EXPECT_EQ(echo.body, "got a=%82%A0&b=1");

    const HttpAnswer broken = http_get(s.url("/broken"));
    EXPECT_EQ(broken.failure, HttpFailure::BadStatus);
    EXPECT_EQ(broken.status, 500);
    EXPECT_TRUE(broken.body.empty());

    EXPECT_EQ(http_get(s.url("/elsewhere")).failure, HttpFailure::BadStatus);  // not followed

    HttpLimits small;
    small.max_bytes = 64 * 1024;
    const HttpAnswer endless = http_get(s.url("/endless"), small);
    EXPECT_EQ(endless.failure, HttpFailure::TooLarge);
    EXPECT_TRUE(endless.body.empty());

    HttpLimits quick;
    quick.total_ms = 300;
    const auto before = std::chrono::steady_clock::now();
    const HttpAnswer silent = http_get(s.url("/silent"), quick);
    const auto waited = std::chrono::steady_clock::now() - before;
    EXPECT_EQ(silent.failure, HttpFailure::TimedOut);
    EXPECT_LT(waited, std::chrono::milliseconds(1200));
}

TEST(HttpClient, NobodyListeningAndBadAddressesAreUnreachable) {
    int free_port = 0;
    {
        LoopbackServer s;
        s.start();
        free_port = s.port;
    }  // closed again: nobody listens there now
    const std::string url = "http://127.0.0.1:" + std::to_string(free_port) + "/";
    EXPECT_EQ(http_get(url).failure, HttpFailure::Unreachable);
    EXPECT_EQ(http_get("file:///etc/passwd").failure, HttpFailure::Unreachable);
    EXPECT_EQ(http_get("not a url at all").failure, HttpFailure::Unreachable);
}


TEST(HttpClient, AWaitIsAskedOftenKeepsItsLimitsAndCanBeGivenUp) {
    LoopbackServer s;
    s.server.Post("/echo", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content("got " + req.body, "text/plain");
    });
    s.server.Get("/silent", [](const httplib::Request&, httplib::Response& res) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        res.set_content("late", "text/plain");
    });
    s.start();
    // Waited for in slices, the answer is the same.
    int asked = 0;
    const HttpAnswer echo = http_post(s.url("/echo"), "a=1", {}, [&] { return ++asked, true; });
    EXPECT_TRUE(echo.ok());
    EXPECT_EQ(echo.body, "got a=1");

    // A silent server: the wait is asked many times a second, and the limit still holds.
    HttpLimits quick;
    quick.total_ms = 500;
    asked = 0;
    auto before = std::chrono::steady_clock::now();
    const HttpAnswer silent = http_get(s.url("/silent"), quick, [&] { return ++asked, true; });
    auto waited = std::chrono::steady_clock::now() - before;
    EXPECT_EQ(silent.failure, HttpFailure::TimedOut);
    EXPECT_LT(waited, std::chrono::milliseconds(1200));
    EXPECT_GE(asked, 10) << "the window would stand unpainted between turns";

    // Given up by the one waiting (the program ends): at once, and said so.
    asked = 0;
    before = std::chrono::steady_clock::now();
    const HttpAnswer given_up = http_get(s.url("/silent"), {}, [&] { return ++asked < 3; });
    waited = std::chrono::steady_clock::now() - before;
    EXPECT_EQ(given_up.failure, HttpFailure::Cancelled);
    EXPECT_TRUE(given_up.body.empty());
    EXPECT_LT(waited, std::chrono::milliseconds(500));
}

}  // namespace
}  // namespace quill::platform
