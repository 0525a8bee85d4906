#include "platform/registry/Registry.h"

// A key handle is the same on every backend: what it holds is each backend's own Store.
namespace platform::registry {

Key::Key(std::shared_ptr<Store> store, std::int64_t id, Access access)
    : store_(std::move(store)), id_(id), access_(access) {}

Status Key::Close() {
    if (!store_) {
        return Status::StoreUnavailable;
    }
    store_.reset();
    return Status::Ok;
}

}  // namespace platform::registry
