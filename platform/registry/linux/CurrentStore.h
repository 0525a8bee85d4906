#pragma once
// The store this process works on: opened once and shared by every key handle, and opened again
// when the store path names another file (a test pointing VELORIN_REGISTRY elsewhere, a store
// file replaced or removed while the process runs).
#include <memory>
#include <string>

#include "platform/registry/linux/Store.h"

namespace platform::registry {

// The open store, or null with the reason in problem (when problem is given).
std::shared_ptr<Store> CurrentStore(std::string* problem = nullptr);

}  // namespace platform::registry
