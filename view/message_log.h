// The message log: the newest lines of the game's story at the left of the main picture,
// in pulsing colours; and the item panel's one-line notice.
#pragma once

#include <string>
#include <string_view>

#include "platform/color.h"
#include "state/game.h"

namespace quill {

void LogLine(Game& g, std::string_view text);
// A plain line after which the game waits for a click ("▼").
void LogLineAndWait(Game& g, std::string_view text);
// A line in the colour named ("green", "pink2", "rainbow", ...).
void LogColouredLine(Game& g, std::string_view text, std::string_view colour);
// Empties the log (the oldest entry, never drawn, excepted).
void ClearLog(Game& g);
void SetItemNotice(Game& g, std::string_view text);

// The colour kind of a colour name; 4 for a name the game does not know.
int32_t ColourKind(std::string_view colour);

// The text colour of a line of `kind` at phase f (the tick count plus the line's index);
// `previous` when the kind leaves the colour as it was.
platform::Color LogTextColour(int32_t kind, int32_t f, platform::Color previous);

// The lines a text takes in the log's wrapping box (437 pixels of 12-pixel bold Gothic).
std::vector<std::string> WrapLogText(std::string_view text);

void DrawMessageLog(Game& g);

// The log's lines, newest first, without the empty ones at the old end. The oldest entry,
// which is never drawn and survives a clear, is left out.
std::vector<std::string> LogLines(const Game& g);

}  // namespace quill
