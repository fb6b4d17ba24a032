// One exchange with the ranking server, as every exchange of the game runs it: refused at
// once in the offline mode, otherwise told in the status line, carried out in one blocking
// request on the game's thread (nothing else runs meanwhile), and every failure told as
// the one status the player knows.
#pragma once

#include <optional>
#include <string>

#include "state/game.h"

namespace quill {

enum class Exchange { SendRank, FetchRank, PostReport, FetchReports };

// Shows net_status_text on both panels' status lines, in the log when no scene is running,
// and repaints the window now.
void show_net_status(Game& g);

// Sets the status text and shows it.
void SetNetStatus(Game& g, const std::string& text);

// True in the network mode; otherwise shows "ネット非対応です。ﾀｲﾄﾙ画面でF10で切り替え".
bool NetworkOn(Game& g);

// Runs the exchange (in the network mode) up to its answer: the answer's body when the
// server answered 200, else nothing, with the status telling the player
// ("タイムアウトエラー しばらく待ってみましょう"). net_busy is set while it runs.
std::optional<std::string> RunExchange(Game& g, Exchange kind, const std::string& body = {});

// The address of an exchange at the server (the configured address may end with "/").
std::string ExchangeUrl(const std::string& server, Exchange kind);

}  // namespace quill
