// A main window with a "&File" > "&Exit" menu and a supporter carrying the
// product wording of the real main window, for the supporter's tests.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "SetupCtrls/supporter/SetupSupporter.h"
#include "toolkit/Application.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Form.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"
#include "toolkit/MessageWindow.h"
#include "toolkit/WinApi.h"

struct RecordedError {
    TObject* sender;
    std::string message;
    bool outOfResources;
};

struct RecordedBox {
    std::string text;
    std::string caption;
    unsigned flags;
};

class SupporterTest : public testing::Test {
protected:
    void SetUp() override
    {
        main = new TForm(nullptr);
        main->SetName("MainForm");
        previousMain = Application->MainForm();
        Application->SetMainForm(main);
        menu = new TMainMenu(main);
        fileItem = AddMenuItem(menu->Items(), "File1", "&File");
        AddMenuItem(fileItem, "Exit2", "&Exit");
        main->SetMenu(menu);

        sup = new TSetupSupporter(main);
        sup->SetName("SetSup");
        sup->SetCompanyName("NORVEL");
        sup->SetCardNameA("LX-4410");
        sup->SetCardNameB("LX-4410");
        sup->SetCallHow("weekdays 8 to 5 at 555-0142");
        sup->SetMultiPort(true);
        sup->SetChannels(4);

        Application->OnException = [this](TObject* sender, const std::exception& e) {
            errors.push_back({sender, e.what(), dynamic_cast<const EOutOfResources*>(&e) != nullptr});
        };
    }

    void TearDown() override
    {
        Application->OnIdle = nullptr;
        Application->OnException = nullptr;
        SetMessageBoxHandler(nullptr);
        TMessageWindow::SetRefuseTimers(false);
        delete main;
        Application->SetMainForm(previousMain == main ? nullptr : previousMain);
    }

    TMenuItem* AddMenuItem(TMenuItem* parent, const std::string& name, const std::string& caption)
    {
        auto* item = new TMenuItem(main);
        item->SetName(name);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }

    // Runs the supporter's idle handler as the application would.
    void RunIdleOnce()
    {
        bool done = true;
        Application->Guard(Application, [&] { sup->AppIdle(Application, done); });
    }

    // Every message box is answered from answers (in turn; the last one repeats).
    void AnswerBoxes(std::vector<int> answers)
    {
        SetMessageBoxHandler([this, answers](const std::string& text, const std::string& caption, unsigned flags) {
            boxes.push_back({text, caption, flags});
            return answers.at(std::min(boxes.size(), answers.size()) - 1);
        });
    }

    TForm* main = nullptr;
    TForm* previousMain = nullptr;
    TMainMenu* menu = nullptr;
    TMenuItem* fileItem = nullptr;
    TSetupSupporter* sup = nullptr;
    std::vector<RecordedError> errors;
    std::vector<RecordedBox> boxes;
};
