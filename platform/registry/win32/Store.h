#pragma once
// On Windows a key handle of the layer is one open registry key. It remembers the root and path
// it was reached by, so keys below it are created with rights of their own (the registry asks the
// parent handle for the right to create, the layer lets any handle do it) and a write batch can
// undo what it made.
#include <windows.h>

#include <string>

namespace platform::registry {

class Store {
  public:
    Store(HKEY handle, HKEY root, std::string path)
        : handle_(handle), root_(root), path_(std::move(path)) {}
    ~Store() { ::RegCloseKey(handle_); }
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    HKEY handle() const { return handle_; }
    // The root key the path starts from (a predefined key or the stand-in for one; not owned).
    HKEY root() const { return root_; }
    const std::string& path() const { return path_; }

  private:
    HKEY handle_;
    HKEY root_;
    std::string path_;
};

}  // namespace platform::registry
