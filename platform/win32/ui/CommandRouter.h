#pragma once
// Menu, toolbar and accelerator commands routed by identifier. Each command has a handler
// and may have an availability handler; a command without a handler is unavailable.
#include <functional>
#include <map>

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class CommandRouter {
  public:
    using Handler = std::function<void()>;
    using Availability = std::function<CommandState()>;

    void Add(unsigned id, Handler handler, Availability availability = {});
    CommandState State(unsigned id) const;
    // Carries the command out only when it is available; false otherwise.
    bool Run(unsigned id) const;

  private:
    struct Command {
        Handler handler;
        Availability availability;
    };
    std::map<unsigned, Command> commands_;
};

// Availability handlers for the common cases.
inline CommandRouter::Availability EnabledWhen(std::function<bool()> condition) {
    return [condition] { return CommandState{condition(), false}; };
}
inline CommandRouter::Availability CheckedWhen(std::function<bool()> condition) {
    return [condition] { return CommandState{true, condition()}; };
}
