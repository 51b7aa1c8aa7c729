// One QApplication for every test of this program, on the offscreen platform unless the run
// names another.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = new QApplication(argc_, argv_);
  }
  void TearDown() override {
    delete application_;
    application_ = nullptr;
  }

 private:
  int argc_ = 1;
  char name_[9] = "qt_tests";
  char* argv_[2] = {name_, nullptr};
  QApplication* application_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
