// The driver that answers modal windows in tests: it answers a form or a message box once it shows,
// also one opened from inside another's answer; and a broken answer (its window never shows, or its
// steps click nothing) fails the test within its deadline and ends the modal loop, so that the test
// goes on instead of hanging.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QMessageBox>

#include "platform/forms/form.h"
#include "platform/stdctrls/message_box.h"
#include "tests/platform/forms_test_support.h"
#include "tests/support/modal_driver.h"

namespace tarvelon {
namespace {

class TAskForm : public TForm {
public:
    using TForm::TForm;
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

// The test waits for a window that the code under test never opens, while another one waits modally.
TEST(ModalDriverTest, AWindowThatNeverShowsFailsWithinTheDeadlineAndEndsTheModalLoop)
{
    TInnerForm other(nullptr);
    TModalResult result = mrNone;
    QElapsedTimer clock;
    clock.start();
    const auto openTheOtherOne = [&] {
        test::Answer<TAskForm>([](TAskForm& shown) { shown.SetModalResult(mrOk); }, kShortDeadlineMs);
        result = other.ShowModal();
    };
    EXPECT_NONFATAL_FAILURE(openTheOtherOne(), "TAskForm did not show within 300 ms");
    EXPECT_EQ(result, mrCancel);
    EXPECT_LT(clock.elapsed(), kShortDeadlineMs + kLateness);
    EXPECT_FALSE(test::AnyModalWindow());
    // The next answer works again.
    test::Answer<TInnerForm>([](TInnerForm& shown) { shown.SetModalResult(mrOk); });
    EXPECT_EQ(other.ShowModal(), mrOk);
}

// The steps click nothing: the window stays open, and the loop is ended for the test.
TEST(ModalDriverTest, StepsThatLeaveTheWindowOpenFailWithinTheDeadlineAndEndTheModalLoop)
{
    TAskForm form(nullptr);
    form.OnCloseQuery = [](TObject*, bool& canClose) { canClose = false; };  // would refuse a plain Close
    TModalResult result = mrNone;
    bool stepsRan = false;
    QElapsedTimer clock;
    clock.start();
    const auto answerWithNothing = [&] {
        test::Answer<TAskForm>([&](TAskForm&) { stepsRan = true; }, kShortDeadlineMs);
        result = form.ShowModal();
    };
    EXPECT_NONFATAL_FAILURE(answerWithNothing(), "TAskForm was still open 300 ms after its steps");
    EXPECT_TRUE(stepsRan);
    EXPECT_EQ(result, mrCancel);
    EXPECT_LT(clock.elapsed(), 2 * kShortDeadlineMs + kLateness);
    EXPECT_FALSE(test::AnyModalWindow());
}

// A message box left unanswered is closed the same way.
TEST(ModalDriverTest, AMessageBoxLeftOpenIsClosed)
{
    TModalResult result = mrOk;
    const auto answerWithNothing = [&] {
        test::AnswerDialog<QMessageBox>([](QMessageBox&) {}, kShortDeadlineMs);
        result = MessageDlg("Sair?", mtConfirmation, {mbYes, mbNo});
    };
    EXPECT_NONFATAL_FAILURE(answerWithNothing(), "QMessageBox was still open");
    EXPECT_NE(result, mrYes);
    EXPECT_FALSE(test::AnyModalWindow());
}

}  // namespace
}  // namespace tarvelon
