// The standard controls on a form built in code, driven with real Qt events: edits and their
// selection, check boxes and radio buttons, list boxes, the up-down, the track bar, the notebook,
// and what the drawn ones paint.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>

#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/ranges.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::Pump;

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(10, 10, 400, 300);
        form->SetColor(clWhite);
    }
    void TearDown() override { Free(form); }

    template <typename T>
    T* Add(int left, int top, int width, int height, TWinControl* parent = nullptr)
    {
        T* control = new T(form);
        control->SetBounds(left, top, width, height);
        control->SetParent(parent ? parent : form);
        return control;
    }

    void ShowForm()
    {
        form->Show();
        Pump(10);
    }

    TForm* form = nullptr;
};

TEST_F(ControlsTest, EditSelectionReadOnlyPasswordAndMargins)
{
    auto* edit = Add<TEdit>(10, 10, 200, 22);
    edit->SetAutoSelect(false);  // the focus it gets when the form shows would select everything
    edit->SetText("Corinthians");
    edit->SetSelStart(2);
    edit->SetSelLength(4);  // before the window exists
    ShowForm();
    auto* line = qobject_cast<QLineEdit*>(edit->Widget());
    EXPECT_EQ(line->selectedText(), QStringLiteral("rint"));
    EXPECT_EQ(edit->SelText(), "rint");
    edit->SetSelText("RINT");
    EXPECT_EQ(edit->Text(), "CoRINThians");
    EXPECT_EQ(edit->SelStart(), 6);
    edit->SelectAll();
    EXPECT_EQ(edit->SelLength(), 11);

    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetReadOnly(true);
    edit->SetFocus();
    QTest::keyClicks(line, "abc");
    EXPECT_EQ(edit->Text(), "CoRINThians");
    EXPECT_EQ(changes, 0);
    edit->SetReadOnly(false);
    edit->SetPasswordChar(U'*');
    EXPECT_EQ(line->echoMode(), QLineEdit::Password);
    edit->SetMargins(5, 7);
    EXPECT_EQ(line->textMargins().left(), 5);
    EXPECT_EQ(line->textMargins().right(), 7);
    edit->Clear();
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(line->text().isEmpty());
}

TEST_F(ControlsTest, AKeyPressHandlerFiltersWhatIsTyped)
{
    auto* edit = Add<TEdit>(10, 10, 100, 22);
    // Only digits, as the bid and wage fields take.
    edit->OnKeyPress = [](TObject*, char32_t& key) {
        if (key < U'0' || key > U'9')
            key = 0;
    };
    ShowForm();
    edit->SetFocus();
    QTest::keyClicks(edit->Widget(), "1a2-3");
    EXPECT_EQ(edit->Text(), "123");
}

TEST_F(ControlsTest, CheckBoxesAndRadioButtonsReportClicksOnce)
{
    auto* box = Add<TCheckBox>(10, 10, 100, 17);
    auto* r1 = Add<TRadioButton>(10, 40, 100, 17);
    auto* r2 = Add<TRadioButton>(10, 60, 100, 17);
    int boxClicks = 0;
    int r2Clicks = 0;
    box->OnClick = [&](TObject*) { ++boxClicks; };
    r2->OnClick = [&](TObject*) { ++r2Clicks; };
    box->SetChecked(true);  // code fires OnClick too, as a click would
    EXPECT_EQ(boxClicks, 1);
    box->SetChecked(true);
    EXPECT_EQ(boxClicks, 1);
    r1->SetChecked(true);
    ShowForm();
    QTest::mouseClick(r2->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
    EXPECT_EQ(r2Clicks, 1);
    QTest::mouseClick(r2->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    EXPECT_EQ(r2Clicks, 1);  // already checked
    EXPECT_TRUE(r2->Checked());
}

// A box or radio button is one window: a click on its blank right part, past a short caption,
// takes it as a click on the mark does (the national invitations' wide radio buttons).
TEST_F(ControlsTest, ABoxOrRadioButtonTakesAClickAnywhereInItsBounds)
{
    auto* box = Add<TCheckBox>(10, 10, 180, 20);
    auto* r1 = Add<TRadioButton>(10, 40, 180, 20);
    auto* r2 = Add<TRadioButton>(10, 70, 180, 20);
    box->SetCaption("Sim");
    r1->SetCaption("Chile");
    r2->SetCaption("Suíça");
    r1->SetChecked(true);
    ShowForm();
    const QPoint farRight(170, 10);
    QTest::mouseClick(box->Widget(), Qt::LeftButton, Qt::NoModifier, farRight);
    EXPECT_TRUE(box->Checked());
    QTest::mouseClick(r2->Widget(), Qt::LeftButton, Qt::NoModifier, farRight);
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
    QTest::mouseClick(box->Widget(), Qt::LeftButton, Qt::NoModifier, farRight);
    EXPECT_FALSE(box->Checked());
}

TEST_F(ControlsTest, ListBoxClickChoosesAndSortedListsStaySorted)
{
    auto* list = Add<TListBox>(10, 10, 150, 120);
    list->SetSorted(true);
    for (const char* name : {"Santos", "flamengo", "Atlético", "Bahia"})
        list->Items().Add(name);
    EXPECT_EQ(list->Items().ToVector(), (std::vector<std::string>{"Atlético", "Bahia", "flamengo", "Santos"}));
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    list->SetItemIndex(1);
    EXPECT_EQ(clicks, 0);  // code fires nothing
    ShowForm();
    auto* widget = qobject_cast<QListWidget*>(list->Widget());
    ASSERT_EQ(widget->count(), 4);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, widget->visualItemRect(widget->item(2)).center());
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    list->SetFocus();
    QTest::keyClick(widget, Qt::Key_Down);
    EXPECT_EQ(list->ItemIndex(), 3);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list->ItemAtPos(Point(5, widget->visualItemRect(widget->item(0)).center().y() + widget->viewport()->y())), 0);
    list->Items().Delete(3);
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ControlsTest, UpDownStepsItsPositionAndShowsItInTheEdit)
{
    auto* edit = Add<TEdit>(10, 10, 80, 21);
    auto* upDown = Add<TUpDown>(90, 10, 17, 21);
    upDown->SetMin(0);
    upDown->SetMax(3);
    upDown->SetAssociate(edit);
    std::vector<TUDBtnType> presses;
    upDown->OnClick = [&](TObject*, TUDBtnType button) { presses.push_back(button); };
    ShowForm();
    QWidget* arrows = upDown->Widget();
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(arrows, Qt::LeftButton, Qt::NoModifier, QPoint(8, 3));
    EXPECT_EQ(upDown->Position(), 3);  // held at Max
    EXPECT_EQ(edit->Text(), "3");
    QTest::mouseClick(arrows, Qt::LeftButton, Qt::NoModifier, QPoint(8, 18));
    EXPECT_EQ(upDown->Position(), 2);
    ASSERT_EQ(presses.size(), 6u);
    EXPECT_EQ(presses.back(), btPrev);
    upDown->SetWrap(true);
    upDown->SetPosition(3);
    upDown->Press(btNext);
    EXPECT_EQ(upDown->Position(), 0);
}

TEST_F(ControlsTest, TrackBarReportsItsPositionFromKeysAndCode)
{
    auto* track = Add<TTrackBar>(10, 10, 200, 30);
    track->SetMin(16);
    track->SetMax(42);
    track->SetPosition(25);
    std::vector<int> positions;
    track->OnChange = [&](TObject* sender) { positions.push_back(static_cast<TTrackBar*>(sender)->Position()); };
    ShowForm();
    track->SetFocus();
    QTest::keyClick(track->Widget(), Qt::Key_Right);
    EXPECT_EQ(track->Position(), 26);
    track->SetPosition(100);
    EXPECT_EQ(track->Position(), 42);
    EXPECT_EQ(positions, (std::vector<int>{26, 42}));
    EXPECT_EQ(qobject_cast<QSlider*>(track->Widget())->value(), 42);
}

TEST_F(ControlsTest, ScrollBarSpinEditProgressBarAndMemoKeepTheirValues)
{
    auto* bar = Add<TScrollBar>(10, 10, 17, 100);
    bar->SetKind(sbVertical);
    bar->SetMax(10);
    bar->SetSmallChange(2);
    std::vector<TScrollCode> codes;
    bar->OnScroll = [&](TObject*, TScrollCode code, int& position) {
        codes.push_back(code);
        if (position > 7)
            position = 7;  // a handler may hold the position back
    };
    auto* spin = Add<TSpinEdit>(40, 10, 80, 22);
    spin->SetMinValue(1);
    spin->SetMaxValue(5);
    int spinChanges = 0;
    spin->OnChange = [&](TObject*) { ++spinChanges; };
    spin->SetValue(9);
    auto* progress = Add<TProgressBar>(40, 40, 100, 16);
    progress->SetMax(45);
    progress->SetStep(20);
    auto* memo = Add<TMemo>(150, 10, 200, 80);
    int memoChanges = 0;
    memo->OnChange = [&](TObject*) { ++memoChanges; };
    ShowForm();
    bar->SetFocus();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(bar->Widget(), Qt::Key_Down);
    EXPECT_EQ(bar->Position(), 7);
    EXPECT_EQ(codes.front(), SB_LINEDOWN);
    EXPECT_EQ(spin->Value(), 5);
    EXPECT_EQ(spin->Text(), "5");
    EXPECT_EQ(spinChanges, 1);
    progress->StepIt();
    progress->StepIt();
    progress->StepIt();
    EXPECT_EQ(progress->Position(), 45);
    memo->Lines().Add("Primeira linha");
    memo->Lines().Add("Segunda");
    EXPECT_EQ(memo->Text(), "Primeira linha\r\nSegunda\r\n");
    memo->SetFocus();
    QTest::keyClick(memo->Widget(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(memo->Widget(), Qt::Key_Return);
    QTest::keyClicks(memo->Widget(), "fim");
    EXPECT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(memo->Lines().Strings(2), "fim");
    EXPECT_GE(memoChanges, 4);
}

TEST_F(ControlsTest, ScrollBoxMovesItsChildrenWithItsBar)
{
    auto* box = Add<TScrollBox>(10, 10, 200, 100);
    auto* panel = Add<TPanel>(0, 0, 180, 400, box);
    ShowForm();
    box->SetVertRange(panel->Height() + 2);
    EXPECT_TRUE(box->ScrollBarVisible(sbVertical));
    box->PerformScroll(sbVertical, SB_PAGEDOWN);
    EXPECT_EQ(box->VertPosition(), box->ClientHeight());
    EXPECT_EQ(panel->Top(), -box->ClientHeight());
    box->SetVertPosition(10000);  // held at the end of the range
    EXPECT_EQ(box->VertPosition(), 402 - box->ClientHeight());
    EXPECT_EQ(panel->Top() + panel->Height() + 2, box->ClientHeight());
    test::SendWheel(box->Widget(), QPoint(50, 50), 120);
    EXPECT_EQ(box->VertPosition(), 402 - box->ClientHeight() - 24);
    box->SetVertRange(50);  // everything fits: back to the top
    EXPECT_EQ(box->VertPosition(), 0);
    EXPECT_EQ(panel->Top(), 0);
}

TEST_F(ControlsTest, AnEditableComboReportsTypingAndChoices)
{
    auto* combo = Add<TComboBox>(10, 10, 150, 22);
    combo->Items().Assign({"6 meses", "1 ano", "2 anos"});
    std::vector<std::string> changes;
    combo->OnChange = [&](TObject* sender) { changes.push_back(static_cast<TComboBox*>(sender)->Text()); };
    combo->SetItemIndex(0);
    EXPECT_EQ(combo->Text(), "6 meses");
    EXPECT_TRUE(changes.empty());
    ShowForm();
    auto* widget = qobject_cast<QComboBox*>(combo->Widget());
    ASSERT_NE(widget->lineEdit(), nullptr);
    widget->lineEdit()->selectAll();
    QTest::keyClicks(widget->lineEdit(), "1 ano");
    EXPECT_EQ(combo->Text(), "1 ano");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes.back(), "1 ano");
    combo->SetText("3 anos");  // code: no event; no item of that text
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(widget->currentText(), QStringLiteral("3 anos"));
    combo->SetStyle(csDropDownList);
    combo->SetItemIndex(2);
    combo->SetFocus();
    QTest::keyClick(combo->Widget(), Qt::Key_Up);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes.back(), "1 ano");
}

TEST_F(ControlsTest, ALongDropDownListDropsBelowItsBoxWithDropDownCountRows)
{
    auto* combo = Add<TComboBox>(10, 10, 150, 22);
    combo->SetStyle(csDropDownList);
    std::vector<std::string> clubs;
    for (int i = 0; i < 200; ++i)
        clubs.push_back("Clube " + std::to_string(i));
    combo->Items().Assign(clubs);
    combo->SetDropDownCount(8);
    ShowForm();
    auto* widget = qobject_cast<QComboBox*>(combo->Widget());
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(40, 11));
    Pump(10);
    QAbstractItemView* list = widget->view();
    ASSERT_TRUE(list->isVisible());
    const QRect popup = list->window()->geometry();
    EXPECT_GE(popup.top(), widget->mapToGlobal(QPoint(0, 0)).y() + widget->height() - 1);  // below the box
    const int row = list->sizeHintForRow(0);
    EXPECT_LE(popup.height(), 10 * row);  // eight rows and the frame, not two hundred
    widget->hidePopup();
    Pump(10);
}

// The drop-down list takes the mouse in the middle of the press that opened it, and the release
// goes to the list: once an item is chosen, the next click in the window is the clicked control's
// (it went to the combo box, and was lost).
TEST_F(ControlsTest, TheFirstClickAfterADropDownListClosesIsNotLost)
{
    auto* combo = Add<TComboBox>(10, 10, 150, 22);
    combo->SetStyle(csDropDownList);
    combo->Items().Assign(std::vector<std::string>{"Brasil", "Argentina", "Uruguai"});
    auto* start = Add<TPanel>(10, 200, 120, 30);
    int starts = 0;
    start->OnClick = [&starts](TObject*) { ++starts; };
    int changes = 0;
    combo->OnChange = [&changes](TObject*) { ++changes; };
    ShowForm();
    auto* widget = qobject_cast<QComboBox*>(combo->Widget());
    for (int round = 1; round <= 2; ++round) {
        test::SendMouse(widget, QEvent::MouseButtonPress, QPoint(40, 11), Qt::LeftButton, Qt::LeftButton);
        Pump(QApplication::doubleClickInterval() + 50);  // a list just opened lets a quick release pass
        QAbstractItemView* list = widget->view();
        ASSERT_TRUE(list->isVisible());
        const QRect item = list->visualRect(list->model()->index(round, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
        Pump(10);
        ASSERT_FALSE(list->isVisible());
        EXPECT_EQ(combo->ItemIndex(), round);
        QTest::mouseClick(start->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
        EXPECT_EQ(starts, round);
    }
    EXPECT_EQ(changes, 2);
}

// Pixels of a grabbed control as dark as its black text.
int DarkPixels(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width() - 22; ++x)  // the combo box's arrow button left out
            dark += qGray(image.pixel(x, y)) < 0x40;
    return dark;
}

// A disabled combo box or check box is drawn greyed: its text grey, the combo box's field no
// longer white (they looked enabled).
TEST_F(ControlsTest, DisabledBoxesAreDrawnGreyed)
{
    auto* combo = Add<TComboBox>(10, 10, 150, 22);
    combo->SetStyle(csDropDownList);
    combo->Items().Assign(std::vector<std::string>{"Pontos corridos", "Mata-mata"});
    combo->SetItemIndex(0);
    auto* tick = Add<TCheckBox>(10, 50, 200, 20);
    tick->SetCaption("Copa dos campeões");
    ShowForm();
    for (TWinControl* box : {static_cast<TWinControl*>(combo), static_cast<TWinControl*>(tick)}) {
        box->Font().SetColor(clBlack);
        const int enabledDark = DarkPixels(box->Widget());
        EXPECT_GT(enabledDark, 20) << box->ClassName();
        box->SetEnabled(false);
        Pump(10);
        EXPECT_EQ(DarkPixels(box->Widget()), 0) << box->ClassName();
        box->SetEnabled(true);
    }
    combo->SetEnabled(false);
    Pump(10);
    const QImage field = combo->Widget()->grab().toImage();
    EXPECT_NE(field.pixel(110, 11) & 0xFFFFFFu, 0xFFFFFFu);
}

TEST_F(ControlsTest, KeysTypedIntoTheEditorOfASpinEditOrComboReachTheFormsKeyPreviewOnce)
{
    auto* spin = Add<TSpinEdit>(10, 10, 100, 22);
    spin->SetMaxValue(99);
    spin->SetValue(5);
    auto* combo = Add<TComboBox>(10, 50, 150, 22);
    form->SetKeyPreview(true);
    std::vector<unsigned short> previewed;
    form->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) {
        previewed.push_back(key);
        if (key == VK_F2)
            key = 0;  // the form swallows it
    };
    ShowForm();

    spin->SetFocus();
    auto* spinEditor = spin->Widget()->findChild<QLineEdit*>();
    ASSERT_NE(spinEditor, nullptr);
    test::PressKey(spinEditor, Qt::Key_Up);
    EXPECT_EQ(previewed, (std::vector<unsigned short>{VK_UP}));
    EXPECT_EQ(spin->Value(), 6);  // the spin box still steps

    combo->SetFocus();
    QLineEdit* comboEditor = qobject_cast<QComboBox*>(combo->Widget())->lineEdit();
    ASSERT_NE(comboEditor, nullptr);
    test::PressKey(comboEditor, Qt::Key_A, Qt::NoModifier, "a");
    test::PressKey(comboEditor, Qt::Key_F2);
    EXPECT_EQ(previewed, (std::vector<unsigned short>{VK_UP, 'A', VK_F2}));
    EXPECT_EQ(combo->Text(), "a");
}

TEST_F(ControlsTest, NotebookShowsOnePageAtATime)
{
    auto* book = Add<TNotebook>(10, 10, 200, 100);
    book->SetPageNames({"default", "resultado"});
    ASSERT_EQ(book->PageCount(), 2);
    auto* label = new TLabel(form);
    label->SetParent(book->Page(1));
    ShowForm();
    EXPECT_TRUE(book->Page(0)->Visible());
    EXPECT_FALSE(book->Page(1)->Visible());
    EXPECT_FALSE(label->Showing());
    int changes = 0;
    book->OnPageChanged = [&](TObject*) { ++changes; };
    book->SetActivePage("resultado");
    EXPECT_EQ(book->PageIndex(), 1);
    EXPECT_TRUE(label->Showing());
    EXPECT_EQ(book->Page(1)->Width(), 200);  // a page fills the notebook
    EXPECT_EQ(changes, 1);
    book->SetPageIndex(5);
    EXPECT_EQ(book->PageIndex(), 1);
}

// A panel showing its parent's background shows what the parent paints now, even when it is
// painted before the parent has got round to it.
TEST_F(ControlsTest, APanelOverItsParentsBackgroundShowsItsLatestPicture)
{
    auto* panel = Add<TPanel>(100, 10, 120, 60);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clYellow);
    panel->SetParentBackground(true);
    ShowForm();
    const auto middle = [panel] { return panel->BackingImage().pixel(60, 30) & 0xFFFFFFu; };
    EXPECT_EQ(middle(), 0xFFFFFFu) << "the form's white";
    form->SetColor(clRed);
    form->Invalidate();
    panel->Invalidate();
    panel->Update();
    EXPECT_EQ(middle(), 0xFF0000u) << "the form's new red, not the white it had";
}

TEST_F(ControlsTest, DrawnControlsPaintWhereTheyStand)
{
    auto* shape = new TShape(form);
    shape->SetBounds(10, 10, 40, 30);
    shape->Brush().SetColor(clRed);
    shape->SetParent(form);
    auto* panel = Add<TPanel>(100, 10, 120, 60);
    panel->SetColor(clYellow);
    auto* label = new TLabel(form);
    label->SetCaption("Artilheiro");
    label->SetColor(clAqua);
    label->SetLeft(5);
    label->SetTop(5);
    label->SetParent(panel);
    auto* gauge = new TGauge(form);
    gauge->SetBounds(10, 100, 102, 12);
    gauge->SetMaxValue(45);
    gauge->SetProgress(90);  // held at MaxValue
    gauge->SetForeColor(clNavy);
    gauge->SetShowText(false);
    gauge->SetParent(form);
    ShowForm();
    EXPECT_EQ(gauge->Progress(), 45);
    EXPECT_EQ(gauge->PercentDone(), 100);
    const QImage shot = form->Widget()->grab().toImage();
    const auto pixel = [&](int x, int y) { return shot.pixel(x, y) & 0xFFFFFFu; };
    EXPECT_EQ(pixel(30, 25), 0xFF0000u);    // inside the shape
    EXPECT_EQ(pixel(10, 10), 0x000000u);    // its black pen
    EXPECT_EQ(pixel(160, 60), 0xFFFF00u);   // the panel
    EXPECT_EQ(pixel(100 + 6, 10 + 6), 0x00FFFFu);  // the label's own colour
    EXPECT_EQ(pixel(100, 10), ToQColor(clBtnHighlight).rgb() & 0xFFFFFFu);  // the panel's raised bevel
    EXPECT_EQ(pixel(60, 106), 0x000080u);   // the full gauge
    EXPECT_GT(label->Width(), 30);
}

}  // namespace
}  // namespace tarvelon
