#include "tests/platform/ui/qt/QtTestApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "platform/ui/qt/QtBackends.h"

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        application_ = std::make_unique<QApplication>(argc_, argv_);
        backends_ = std::make_unique<platform::ui::qt::QtBackends>();
    }
    void TearDown() override {
        backends_.reset();
        application_.reset();
    }

  private:
    int argc_ = 1;
    char name_[14] = "velorin-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<platform::ui::qt::QtBackends> backends_;
};

// gtest owns and deletes the environment.
[[maybe_unused]] const auto* const g_environment =
    ::testing::AddGlobalTestEnvironment(std::make_unique<QtEnvironment>().release());

}  // namespace
