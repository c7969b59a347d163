#include "platform/win32/ui/CommandRouter.h"

void CommandRouter::Add(unsigned id, Handler handler, Availability availability) {
    commands_[id] = {std::move(handler), std::move(availability)};
}

CommandState CommandRouter::State(unsigned id) const {
    auto it = commands_.find(id);
    if (it == commands_.end())
        return {false, false};
    return it->second.availability ? it->second.availability() : CommandState{};
}

bool CommandRouter::Run(unsigned id) const {
    if (!State(id).enabled)
        return false;
    const Handler handler = commands_.at(id).handler;  // may change the router
    handler();
    return true;
}
