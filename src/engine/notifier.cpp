#include "engine/notifier.h"

#include <utility>

namespace kolvar {

namespace {

EngineNotifier& receiver()
{
    static EngineNotifier instance;
    return instance;
}

} // namespace

EngineNotifier setEngineNotifier(EngineNotifier notifier)
{
    return std::exchange(receiver(), std::move(notifier));
}

void engineNotify(const std::string& text)
{
    // Copy first: the receiver may replace itself while it runs.
    const EngineNotifier current = receiver();
    if (current)
        current(text);
}

} // namespace kolvar
