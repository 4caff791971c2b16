#include "kestrin/tests/TestApp.h"

#include <gtest/gtest.h>

namespace {

// Made before the tests and deleted after them rather than at exit: Qt's input-device registry
// is a static of its own, and the application's pointing device must leave it while it exists.
class ApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { app_ = new QApplication(argc_, argv_); }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
  }

 private:
  int argc_ = 1;
  char name_[14] = "kestrin-tests";
  char* argv_[2] = {name_, nullptr};
  QApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

QApplication& testApp() {
  return *qApp;
}
