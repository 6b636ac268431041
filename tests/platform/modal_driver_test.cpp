// The driver that answers modal windows in tests: it answers a form or a message box once it shows,
// also one opened from inside another's answer; and a broken answer (its window never shows, or its
// steps click nothing) fails the test within its deadline and ends the modal loop, so that the test
// goes on instead of hanging.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QMessageBox>

#include <functional>
#include <string>

#include "platform/forms/form.h"
#include "platform/stdctrls/message_box.h"
#include "tests/platform/forms_test_support.h"
#include "tests/platform/modal_answer_each.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

class TAskForm : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TAskForm"; }
};
class TInnerForm : public TForm {
public:
    using TForm::TForm;
};

constexpr int kShortDeadlineMs = 300;
// What a loaded machine may add to a deadline before the driver's timer gets its turn.
constexpr int kLateness = 5000;

TEST(ModalDriverTest, AnswersAFormThatShowsLateAndShowModalReturnsItsResult)
{
    TAskForm form(nullptr);
    test::Answer<TAskForm>([](TAskForm& shown) { shown.SetModalResult(mrOk); });
    test::Pump(200);  // the code under test is slow to open it
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(test::AnyModalWindow());
}

TEST(ModalDriverTest, AnswersAWindowOpenedFromInsideAnotherAnswer)
{
    TAskForm outer(nullptr);
    TInnerForm inner(nullptr);
    TModalResult innerResult = mrNone;
    test::Answer<TAskForm>([&](TAskForm& shown) {
        test::Answer<TInnerForm>([](TInnerForm& confirm) { confirm.SetModalResult(mrYes); });
        innerResult = inner.ShowModal();
        shown.SetModalResult(mrOk);
    });
    EXPECT_EQ(outer.ShowModal(), mrOk);
    EXPECT_EQ(innerResult, mrYes);
}

TEST(ModalDriverTest, AnswersAMessageBoxWithItsButton)
{
    test::AnswerDialog<QMessageBox>([](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            if (button->text().remove(QLatin1Char('&')) == QStringLiteral("Não"))
                QTest::mouseClick(button, Qt::LeftButton);
    });
    EXPECT_EQ(MessageDlg("Sair?", mtConfirmation, {mbYes, mbNo}), mrNo);
}

// A stretch of play opens one window after another: each is answered in turn.
TEST(ModalDriverTest, AnswersEachFormOfAClassAsItShows)
{
    TAskForm first(nullptr);
    TAskForm second(nullptr);
    const test::AnswerEach<TAskForm> answer([](TAskForm& shown) { shown.SetModalResult(mrOk); });
    EXPECT_EQ(first.ShowModal(), mrOk);
    EXPECT_EQ(second.ShowModal(), mrOk);
    EXPECT_EQ(first.ShowModal(), mrOk);
    EXPECT_EQ(answer.Seen().size(), 3u);
}

// Runs `open`, which shows a modal window under a broken answer: the driver fails the test with
// `failure` within the answer's deadline (twice it, for a wait to show and then one to close) and
// ends every modal loop.
void ExpectFailureInTime(const std::function<void()>& open, const std::string& failure, int deadlines = 1)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_NONFATAL_FAILURE(open(), failure);
    EXPECT_LT(clock.elapsed(), deadlines * kShortDeadlineMs + kLateness);
    EXPECT_FALSE(test::AnyModalWindow());
}

// The test waits for a window that the code under test never opens, while another one waits modally.
TEST(ModalDriverTest, AWindowThatNeverShowsFailsWithinTheDeadlineAndEndsTheModalLoop)
{
    TInnerForm other(nullptr);
    TModalResult result = mrNone;
    ExpectFailureInTime(
        [&] {
            test::Answer<TAskForm>([](TAskForm& shown) { shown.SetModalResult(mrOk); }, kShortDeadlineMs);
            result = other.ShowModal();
        },
        "TAskForm did not show within 300 ms");
    EXPECT_EQ(result, mrCancel);
}

// The steps click nothing: the window stays open, and the loop is ended for the test, even for a
// form that would refuse a plain Close.
TEST(ModalDriverTest, StepsThatLeaveTheWindowOpenFailWithinTheDeadlineAndEndTheModalLoop)
{
    TAskForm form(nullptr);
    form.OnCloseQuery = [](TObject*, bool& canClose) { canClose = false; };
    TModalResult result = mrNone;
    bool stepsRan = false;
    ExpectFailureInTime(
        [&] {
            test::Answer<TAskForm>([&](TAskForm&) { stepsRan = true; }, kShortDeadlineMs);
            result = form.ShowModal();
        },
        "TAskForm was still open 300 ms after its steps", 2);
    EXPECT_TRUE(stepsRan);
    EXPECT_EQ(result, mrCancel);
}

TEST(ModalDriverTest, AFormThatEachAnswerLeavesOpenFailsWithinTheDeadlineAndEndsTheModalLoop)
{
    TAskForm form(nullptr);
    TModalResult result = mrNone;
    ExpectFailureInTime(
        [&] {
            const test::AnswerEach<TAskForm> answer([](TAskForm&) {}, {}, kShortDeadlineMs);
            result = form.ShowModal();
        },
        "TAskForm was still open 300 ms after its steps");
    EXPECT_EQ(result, mrCancel);
}

// A message box left unanswered is closed the same way.
TEST(ModalDriverTest, AMessageBoxLeftOpenIsClosed)
{
    TModalResult result = mrOk;
    ExpectFailureInTime(
        [&] {
            test::AnswerDialog<QMessageBox>([](QMessageBox&) {}, kShortDeadlineMs);
            result = MessageDlg("Sair?", mtConfirmation, {mbYes, mbNo});
        },
        "QMessageBox was still open", 2);
    EXPECT_NE(result, mrYes);
}

}  // namespace
}  // namespace tarvelon
