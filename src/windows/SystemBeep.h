#pragma once

#include <functional>

// The system beep, with a way for tests to hear it.
namespace morvane::SystemBeep {

// Sounds the system beep and tells the listener, if there is one.
void sound();
// Replaces the listener (an empty function removes it); returns the previous one.
std::function<void()> setListener(std::function<void()> listener);

} // namespace morvane::SystemBeep
