#pragma once

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "auxiliary/form_browser.h"
#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "directory/form_amis.h"
#include "directory/form_connectes.h"
#include "directory/form_debug.h"
#include "directory/form_infos.h"
#include "directory/form_salons.h"
#include "main/form_main.h"
#include "program/program_state.h"
#include "main/qt_test_app.h"
#include "platform/exe_dir.h"
#include "widgets/mdi_tab.h"

// A shown main window without splash, whose data files live in a temporary directory.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TestApplication();
        ASSERT_TRUE(data_dir_.isValid());
        platform::SetExeDirOverride(data_dir_.path().toStdString());
        window_ = std::make_unique<Tform_main>(state_, MainWindowOptions{false});
        window_->resize(1000, 700);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    void TearDown() override {
        window_.reset();
        platform::SetExeDirOverride("");
    }

    // The child form shown in a tab, nullptr when the tab holds none.
    QWidget* FormInTab(int index) {
        auto* window = qobject_cast<QMdiSubWindow*>(window_->Tabs()->Window(index));
        return window ? window->widget() : nullptr;
    }

    Tform_main& main() { return *window_; }

    QTemporaryDir data_dir_;
    ProgramState state_;
    std::unique_ptr<Tform_main> window_;
};
