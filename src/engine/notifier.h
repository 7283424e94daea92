#pragma once
// The engine shows one message of its own (a definition that refers to itself).
// It knows no windows, so the program connects a message box here at start-up
// and tests connect a recorder.
#include <functional>
#include <string>

namespace kolvar {

using EngineNotifier = std::function<void(const std::string& text)>;

// Installs the receiver of engine messages and returns the previous one.
// Without a receiver the messages go nowhere.
EngineNotifier setEngineNotifier(EngineNotifier notifier);

// Passes text to the installed receiver.
void engineNotify(const std::string& text);

} // namespace kolvar
