#pragma once

#include <optional>

class QKeyEvent;

// The character code a key press types, as a terminal keyboard would deliver it (Ctrl+V gives
// 22); nothing for keys that type no character, such as the arrows, Home, End and Delete.
std::optional<short> keyCodeOf(const QKeyEvent &event);
