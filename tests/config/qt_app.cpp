#include <gtest/gtest.h>

#include <QApplication>

#include "program/program_title.h"

namespace {

// The widget tests need one application object for the whole run.
class QtApplication : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "config_dialogs_test";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        QApplication::setApplicationName(kProgramTitle);
    }
    void TearDown() override { delete app_; }

  private:
    QApplication* app_ = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
