#include "net/exchange.h"
#include "state/scene_kinds.h"

#include "platform/http_client.h"
#include "view/frame.h"
#include "view/message_log.h"

namespace quill {
namespace {

struct ExchangeKind {
    const char* path;
    bool post;
    const char* starting;
};

const ExchangeKind& kind_of(Exchange e) {
    static const ExchangeKind kinds[] = {
        {"/zkv/zkv_rank.exe?write", true, "RANK情報を送信中...."},
        {"/zkv/zkv_rank.exe", false, "RANK情報を受信中...."},
        {"/zkv/zkv_report.exe?write", true, "レポートデータ送信中...."},
        {"/zkv/zkv_report.exe", false, "レポートデータ受信中...."},
    };
    return kinds[static_cast<int>(e)];
}

// The window as it stands, shown at once; the frame is composed again only on the game's
// screen, the one whose log the status joins.
void repaint_now(Game& g) {
    if (!g.repaint_window) return;
    if (g.screen_mode == kGame) ComposeFrame(g);
    g.repaint_window();
}

}  // namespace

void show_net_status(Game& g) {
    g.form.rank_l.caption = g.net_status_text;
    g.form.world_l.caption = g.net_status_text;
    if (g.scene_kind == scene::kInn) LogLine(g, g.net_status_text);
    repaint_now(g);
}

void SetNetStatus(Game& g, const std::string& text) {
    g.net_status_text = text;
    show_net_status(g);
}

bool NetworkOn(Game& g) {
    if (g.state.net_off != 1) return true;
    SetNetStatus(g, "ネット非対応です。ﾀｲﾄﾙ画面でF10で切り替え");
    return false;
}

std::string ExchangeUrl(const std::string& server, Exchange kind) {
    std::string url = server;
    if (!url.empty() && url.back() == '/') url.pop_back();
    return url + kind_of(kind).path;
}

std::optional<std::string> RunExchange(Game& g, Exchange kind, const std::string& body) {
    const ExchangeKind& k = kind_of(kind);
    g.net_busy = true;
    SetNetStatus(g, k.starting);
    const std::string url = ExchangeUrl(g.server_url, kind);
    platform::HttpWaiting waiting;
    if (g.network_waiting) waiting = [&g] { return g.network_waiting(); };
    platform::HttpAnswer answer = k.post ? platform::http_post(url, body, g.http_limits, waiting)
                                         : platform::http_get(url, g.http_limits, waiting);
    if (g.network_wait_over) g.network_wait_over();
    g.net_busy = false;
    if (!answer.ok()) {
        SetNetStatus(g, "タイムアウトエラー しばらく待ってみましょう");
        return std::nullopt;
    }
    return std::move(answer.body);
}

}  // namespace quill
