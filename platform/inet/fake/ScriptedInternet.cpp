#include "platform/inet/fake/ScriptedInternet.h"

namespace platform::inet::fake {

void ScriptedInternet::SetReachable(const std::string& address, bool reachable) {
    if (reachable) {
        reachable_.insert(address);
    } else {
        reachable_.erase(address);
    }
}

bool ScriptedInternet::OpenUrl(std::string_view address) {
    tried_.emplace_back(address);
    return reachable_.find(address) != reachable_.end();
}

}  // namespace platform::inet::fake
