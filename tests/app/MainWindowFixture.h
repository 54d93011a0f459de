#pragma once
// The real main window, built from its definition and shown on the offscreen
// screen until the photograph has painted.
#include <gtest/gtest.h>

#include "SetupCtrls/board/BoardImage.h"
#include "common/Wait.h"
#include "template/MainForm.h"
#include "toolkit/Application.h"
#include "toolkit/SurfaceWidget.h"

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TMainForm(Application);
        Application->SetMainForm(form);
    }
    void TearDown() override
    {
        Application->OnIdle = nullptr;
        delete form;
        DrainEvents();
    }
    void ShowAndPaint()
    {
        form->Show();
        auto* board = static_cast<TkSurfaceWidget*>(form->BoardImage1->Handle());
        ASSERT_TRUE(WaitFor([&] { return board->Painted(); }));
        DrainEvents();
    }
    TMainForm* form = nullptr;
};
