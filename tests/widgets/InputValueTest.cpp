#include "dialogs/InputValue.h"

#include "support/RecordingMessageBoxes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace tovak {
namespace {

class InputValueTest : public ::testing::Test {
protected:
    void Type(const QString& text) {
        dialog.MainTab()->setCurrentIndex(0);
        dialog.EValue()->setText(text);
    }
    void PressOk() { dialog.BnOk()->click(); }
    std::vector<std::string> WarningTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes.boxes) {
            EXPECT_EQ(box.kind, "warning");
            EXPECT_EQ(box.caption, "Hinweis");
            texts.push_back(box.text);
        }
        return texts;
    }

    test::RecordingMessageBoxes boxes;
    TFInputValue dialog;
};

TEST_F(InputValueTest, StartsEmptyOnTheDecimalPageWithNoValue) {
    EXPECT_EQ(dialog.windowTitle(), "Eingabe eines Wertes für E/A-Wert");
    EXPECT_EQ(dialog.MainTab()->tabText(0), "Dezimalwert");
    EXPECT_EQ(dialog.MainTab()->tabText(1), "Binärwert");
    EXPECT_EQ(dialog.MainTab()->currentIndex(), 0);
    EXPECT_TRUE(dialog.EValue()->text().isEmpty());
    EXPECT_EQ(dialog.Value(), -1);
    EXPECT_EQ(dialog.BnOk()->text(), "&Ok");
    EXPECT_EQ(dialog.BnEsc()->text(), "&Abbrechen");
    EXPECT_TRUE(dialog.BnOk()->isDefault());
}

TEST_F(InputValueTest, AcceptsEveryValueOfTheSixteenBitWord) {
    for (const auto& [text, expected] :
         {std::pair{QString("300"), 300}, {" 0 ", 0}, {"65535", 65535}, {"+7", 7}}) {
        TFInputValue one;
        one.EValue()->setText(text);
        one.BnOk()->click();
        EXPECT_EQ(one.result(), QDialog::Accepted) << text.toStdString();
        EXPECT_EQ(one.Value(), expected) << text.toStdString();
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(InputValueTest, RejectsMissingAndOutOfRangeInputAndStaysOpen) {
    dialog.show();
    for (const char* text : {"", "   ", "abc", "12a"}) {
        Type(text);
        PressOk();
    }
    for (const char* text : {"70000", "-1", "65536"}) {
        Type(text);
        PressOk();
    }
    const std::vector<std::string> expected{
        "Bitte einen Wert eingeben",
        "Bitte einen Wert eingeben",
        "Bitte einen Wert eingeben",
        "Bitte einen Wert eingeben",
        "Bitte einen Wert zwischen 0 und 255 eingeben",
        "Bitte einen Wert zwischen 0 und 255 eingeben",
        "Bitte einen Wert zwischen 0 und 255 eingeben",
    };
    EXPECT_EQ(WarningTexts(), expected);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Value(), -1);
}

TEST_F(InputValueTest, CancelAfterARejectedTryGivesMinusOne) {
    dialog.show();
    Type("70000");
    PressOk();
    dialog.BnEsc()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Value(), -1);

    TFInputValue closedByFrame;
    closedByFrame.show();
    closedByFrame.EValue()->setText("5");
    closedByFrame.close();
    EXPECT_EQ(closedByFrame.Value(), -1);
}

TEST_F(InputValueTest, EscapeDoesNotCancelButEnterConfirms) {
    dialog.show();
    Type("42");
    QTest::keyClick(dialog.EValue(), Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(dialog.EValue(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Value(), 42);
}

TEST_F(InputValueTest, BinaryPageAddsTheWeightsOfTheCheckedBits) {
    dialog.EValue()->setText("not used on this page");
    dialog.MainTab()->setCurrentIndex(1);
    EXPECT_EQ(dialog.Bit(7)->text(), "7");
    EXPECT_EQ(dialog.Bit(0)->text(), "0");
    EXPECT_EQ(dialog.Bit(8), nullptr);
    dialog.Bit(7)->setChecked(true);
    dialog.Bit(0)->setChecked(true);
    PressOk();
    EXPECT_EQ(dialog.Value(), 129);
    EXPECT_TRUE(boxes.boxes.empty());

    TFInputValue none;
    none.MainTab()->setCurrentIndex(1);
    none.BnOk()->click();
    EXPECT_EQ(none.Value(), 0);
}

} // namespace
} // namespace tovak
