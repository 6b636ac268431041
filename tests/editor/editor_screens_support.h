#pragma once
// What the editor's screen tests share: a copy of the sample database in a folder of the test's
// own, the editor opened from the title screen with real clicks, grid cells found and clicked,
// message boxes answered and recorded, and the club files read back with core's reader.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/persist/club_file.h"
#include "editor/editor_main_window.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/message_box.h"
#include "screens/common/form_references.h"
#include "screens/common/screen_registry.h"
#include "screens/start/title_screen.h"
#include "screens/screens_registration.h"
#include "editor/model/editor_tables.h"
#include "tests/platform/forms_test_support.h"
#include "tests/platform/modal_driver.h"
#include "tools/sampledata/sample_database.h"

namespace tarvelon::test {

class EditorScreensTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterGameScreens();
        master_ = std::make_unique<QTemporaryDir>();
        report_ = sampledata::WriteSampleDatabase(master_->path().toStdString(), 5);
    }
    static void TearDownTestSuite() { master_.reset(); }

    void SetUp() override
    {
        namespace fs = std::filesystem;
        ASSERT_TRUE(folder_.isValid());
        previous_ = fs::current_path();
        fs::copy(fs::path(master_->path().toStdString()) / "teams", fs::path(folder_.path().toStdString()) / "teams",
                 fs::copy_options::recursive);
        fs::current_path(folder_.path().toStdString());
        ClearEditorTables();
        SetMessageBoxAnswerer([this](const TMessageBoxRequest& request) {
            messages_.push_back(request.text);
            return answer_;
        });
    }

    void TearDown() override
    {
        SetMessageBoxAnswerer({});
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            delete Screen->Forms(i);
        Application->ResetTerminated();
        std::filesystem::current_path(previous_);
    }

    static void Click(QWidget* widget, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, modifiers);
        SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, modifiers);
        Pump();
    }

    static void DoubleClick(QWidget* widget, QPoint at)
    {
        Click(widget, at);
        SendMouse(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        Pump();
    }

    // The middle of a cell of a grid, in the grid's own coordinates.
    static QPoint CellPoint(TDataGrid* grid, const std::string& column, int row)
    {
        const TRect rect = grid->GetCellRect(grid->ColumnByName(column)->Index(), row);
        return QPoint((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
    }

    static void ClickCell(TDataGrid* grid, const std::string& column, int row)
    {
        Click(grid->Widget(), CellPoint(grid, column, row));
    }

    // The centre of a control in its own widget's coordinates (windowed) or its parent's.
    static QPoint Middle(TControl* control) { return QPoint(control->Width() / 2, control->Height() / 2); }

    // Opens the title screen and clicks "Editor Equipes": the loading screen runs modally and
    // leaves the main window open.
    TForm3* OpenEditorFromTitle()
    {
        TForm1* title = CreateTitleScreen();
        title->Show();
        Pump();
        Click(title->Widget(), QPoint(200, 240));
        PumpUntil([] { return static_cast<bool>(Form3); });
        return Form3.As<TForm3>();
    }

    static ClubFile ReadBack(int club)
    {
        ClubFile file;
        EXPECT_EQ(ReadClubFile(EditorClubPaths[static_cast<std::size_t>(club)], file), DatabaseFileError::None);
        return file;
    }

    static int CellInt(TDataGrid* grid, const std::string& column, int row)
    {
        return std::stoi(grid->GetCellTextByName(column, row));
    }

    // Runs `act` on the form of `formClass` once it is open (from inside its modal loop).
    void WhenOpen(const std::string& formClass, std::function<void(TGameForm*)> act)
    {
        AnswerTopForm(formClass, [this, formClass, act](TForm& top) {
            seen_.push_back(formClass);
            act(static_cast<TGameForm*>(&top));
        });
    }

    static void Type(TWinControl* control, const QString& text)
    {
        control->SetFocus();
        QTest::keyClicks(control->Widget(), text);
        Pump();
    }

    static inline std::unique_ptr<QTemporaryDir> master_;
    static inline sampledata::SampleDatabaseReport report_;
    QTemporaryDir folder_;
    std::filesystem::path previous_;
    std::vector<std::string> messages_;
    TModalResult answer_ = mrOk;
    std::vector<std::string> seen_;  // the forms WhenOpen acted on
};

}  // namespace tarvelon::test
