// The demonstration screen read from its stored description, driven with real mouse and key
// events: handlers bound by name fire, the combo box shows its flags, the list view its squad,
// the popup menu its items, and a player dragged from the list onto the crest reaches the crest's
// drag handlers with the list as the source. With TARVELON_DEMO_SHOT=<file.png> the test also
// saves a picture of the screen.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

#include "platform/forms/drag_drop.h"
#include "platform/forms/keys.h"
#include "tests/platform/forms_test_support.h"
#include "tests/platform/stdctrls_demo_form.h"

namespace tarvelon {
namespace {

using test::Pump;
using test::TFormDemo;

class DemoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = CreateForm<TFormDemo>(nullptr);
        form->Show();
        Pump(20);
    }
    void TearDown() override { Free(form); }

    QPoint CenterOf(TControl* control) const
    {
        return QPoint(control->Left() + control->Width() / 2, control->Top() + control->Height() / 2);
    }

    TFormDemo* form = nullptr;
};

TEST_F(DemoTest, TheDescriptionIsReadWithoutProblems)
{
    EXPECT_TRUE(form->ReadProblems().Ok()) << form->ReadProblems().Message();
    EXPECT_EQ(form->Caption(), "Demonstração");
    EXPECT_EQ(form->ClientWidth(), 560);
    EXPECT_TRUE(form->KeyPreview());
    auto* label = form->FindChild<TLabel>("Label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), "Nome do técnico:");
    EXPECT_TRUE(label->Font().Style().Contains(fsBold));
    EXPECT_GT(label->Width(), 60);  // sized to its text
    EXPECT_EQ(form->Edit1->MaxLength(), 12);
    EXPECT_EQ(form->combopais->Items().Count(), 3);
    EXPECT_EQ(form->combopais->ImageIndex(2), 2);
    EXPECT_EQ(form->ListView1->Columns().Count(), 4);
    EXPECT_EQ(form->ListView1->Columns()[2]->Alignment(), taRightJustify);
    EXPECT_EQ(form->list1->Items().Strings(2), "Meia-atacante");
    EXPECT_EQ(form->list1->Items().Strings(3), "Atacante");
    EXPECT_EQ(form->GradButton1->Parent(), form->FindChild<TPanel>("Panel1"));
    EXPECT_EQ(form->GradButton1->GlowColor(), clYellow);
    EXPECT_EQ(form->PopupMenu1->Items().Count(), 3);
    EXPECT_EQ(form->PopupMenu1->Items()[2]->GetShortCut(), scCtrl | 'F');
    EXPECT_EQ(GetPopupMenu(form->ListView1), form->PopupMenu1);
    EXPECT_EQ(form->FindChild<TBitBtn>("bt3")->ModalResult(), mrCancel);
    EXPECT_EQ(form->FindChild<TRadioGroup>("RadioGroup1")->ItemIndex(), 0);
}

TEST_F(DemoTest, ButtonsFireTheirHandlersOnRealClicksAndKeys)
{
    QTest::mouseClick(form->btjogar->Widget(), Qt::LeftButton);
    EXPECT_EQ(form->playClicks, 1);
    // The drawn button of the base library: press and release inside.
    QWidget* glow = form->GradButton1->Widget();
    QTest::mouseClick(glow, Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
    EXPECT_EQ(form->glowClicks, 1);
    // The check box by mouse and by the space bar, once each.
    QTest::mouseClick(form->CheckBox1->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    EXPECT_TRUE(form->CheckBox1->Checked());
    form->CheckBox1->SetFocus();
    QTest::keyClick(form->CheckBox1->Widget(), Qt::Key_Space);
    EXPECT_FALSE(form->CheckBox1->Checked());
    EXPECT_EQ(form->checkClicks, 2);
    // Enter on the edit reaches the form first (key preview), then presses the default button.
    form->Edit1->SetFocus();
    QTest::keyClick(form->Edit1->Widget(), Qt::Key_Return);
    EXPECT_EQ(form->keys.back(), VK_RETURN);
    EXPECT_EQ(form->playClicks, 2);
}

TEST_F(DemoTest, TheEditReportsEveryChangeTypedOrSetInCode)
{
    form->Edit1->SetFocus();
    QTest::keyClicks(form->Edit1->Widget(), "Z");
    test::PressKey(form->Edit1->Widget(), Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
    ASSERT_EQ(form->editChanges.size(), 2u);
    EXPECT_EQ(form->editChanges[1], "Zé");
    form->Edit1->SetText("Telê Santana");
    EXPECT_EQ(form->editChanges.back(), "Telê Santana");
    EXPECT_EQ(form->editChanges.size(), 3u);
    // Typing stops at MaxLength (12 characters).
    QTest::keyClicks(form->Edit1->Widget(), "xyz");
    EXPECT_EQ(form->Edit1->Text(), "Telê Santana");
    EXPECT_EQ(form->editChanges.size(), 3u);
}

TEST_F(DemoTest, TheCountryComboShowsFlagsAndReportsTheUsersChoice)
{
    auto* combo = qobject_cast<QComboBox*>(form->combopais->Widget());
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(1), QStringLiteral("Argentina"));
    const QImage flag = combo->itemIcon(0).pixmap(20, 14).toImage();
    EXPECT_EQ(flag.pixelColor(2, 2).rgb() & 0xFFFFFF, 0x009C3Bu);
    form->combopais->SetItemIndex(0);  // code: no event
    EXPECT_TRUE(form->countryChoices.empty());
    form->combopais->SetFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    ASSERT_EQ(form->countryChoices.size(), 1u);
    EXPECT_EQ(form->countryChoices[0], 1);
    EXPECT_EQ(form->combopais->Text(), "Argentina");
}

TEST_F(DemoTest, ClickingARowOfTheListViewSelectsThatPlayer)
{
    auto* tree = qobject_cast<QTreeWidget*>(form->ListView1->Widget());
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(tree->isColumnHidden(3));  // the id column of width 0
    const QRect row = tree->visualItemRect(tree->topLevelItem(2));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    ASSERT_EQ(form->selectedPlayers.size(), 1u);
    EXPECT_EQ(form->selectedPlayers[0], "Kaká");
    EXPECT_EQ(form->ListView1->ItemIndex(), 2);
    EXPECT_EQ(form->ListView1->Selected()->SubItems().Strings(2), "2");
    form->ListView1->SetItemIndex(0);  // code selects too
    EXPECT_EQ(form->selectedPlayers.back(), "Rogério");
}

TEST_F(DemoTest, TheListViewsPopupMenuOpensOnARightClickAndRunsTheChosenItem)
{
    auto* tree = qobject_cast<QTreeWidget*>(form->ListView1->Widget());
    QTest::mouseClick(tree->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(40, 30));
    ASSERT_EQ(form->popups, 1);
    QMenu* menu = form->PopupMenu1->ShownMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(form->PopupMenu1->PopupComponent(), form->ListView1);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_TRUE(menu->actions()[1]->isSeparator());
    EXPECT_EQ(menu->actions()[2]->text(), QStringLiteral("Sair do jogo\tCtrl+F"));
    Pump(20);
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(menu->actions()[0]).center());
    Pump(20);
    ASSERT_EQ(form->menuChoices.size(), 1u);
    EXPECT_EQ(form->menuChoices[0], "Salvar");
    // The menu's short cuts work on the control that names it.
    form->ListView1->SetFocus();
    QTest::keyClick(tree, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(form->menuChoices.back(), "Sair");
}

TEST_F(DemoTest, APlayerDraggedFromTheListOntoTheCrestReachesTheCrestsHandlers)
{
    auto* list = qobject_cast<QListWidget*>(form->list1->Widget());
    QWidget* viewport = list->viewport();
    const QPoint start = list->visualItemRect(list->item(1)).center();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    EXPECT_EQ(form->list1->ItemIndex(), 1);
    // Moving past the drag threshold, then over the crest: the mouse stays with the pressed list.
    const auto moveTo = [&](QPoint formPoint) {
        const QPoint local = viewport->mapFromGlobal(form->Widget()->mapToGlobal(formPoint));
        test::MoveMouse(viewport, local, Qt::LeftButton);
        Pump(5);
    };
    moveTo(form->Widget()->mapFromGlobal(viewport->mapToGlobal(start + QPoint(0, 12))));
    ASSERT_TRUE(DragManager().Active());
    moveTo(CenterOf(form->escudo));
    ASSERT_FALSE(form->dragOverSources.empty());
    EXPECT_EQ(form->dragOverSources.back(), form->list1);
    EXPECT_TRUE(DragManager().Accepted());
    const QPoint drop = viewport->mapFromGlobal(form->Widget()->mapToGlobal(CenterOf(form->escudo)));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, drop);
    Pump(5);
    ASSERT_EQ(form->dropSources.size(), 1u);
    EXPECT_EQ(form->dropSources[0], form->list1);
    EXPECT_EQ(form->escudo->Hint(), "Zagueiro");
    ASSERT_EQ(form->endDragTargets.size(), 1u);
    EXPECT_EQ(form->endDragTargets[0], form->escudo);
}

TEST_F(DemoTest, TheScreenDrawsItsControls)
{
    const QImage shot = form->Widget()->grab().toImage();
    // The gauge's progress (navy) and its background (aqua), the circle's lime, the panel's colour.
    EXPECT_EQ(shot.pixelColor(12 + 20, 350 + 8).rgb() & 0xFFFFFF, 0x000080u);
    EXPECT_EQ(shot.pixelColor(12 + 100, 350 + 8).rgb() & 0xFFFFFF, 0x00FFFFu);
    EXPECT_EQ(shot.pixelColor(440, 116).rgb() & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(shot.pixelColor(12 + 300, 268 + 50).rgb() & 0xFFFFFF, 0xCCFFCCu);
    if (const QByteArray path = qgetenv("TARVELON_DEMO_SHOT"); !path.isEmpty()) {
        form->combopais->SetItemIndex(0);
        form->ListView1->SetItemIndex(3);
        Pump(20);
        EXPECT_TRUE(form->Widget()->grab().save(QString::fromLocal8Bit(path)));
    }
}

}  // namespace
}  // namespace tarvelon
