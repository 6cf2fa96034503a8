// Double clicks in the memory and register grids, answered in the real value dialogs.
#include "GuiFixture.h"

#include "support/ModalAnswer.h"
#include "widgets/OroGrid.h"
#include "widgets/SpinEdit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace tovak::test {
namespace {

// Row r shows address r - 1.
inline constexpr std::initializer_list<Zeile> kOperanden = {
    {323, "Jump zu Adresse"}, {1000}, {66, "Move Akku, Register"},  {5},
    {67, "Move Reg, Akku"},   {5},    {65, "Move Akku, Konstante"}, {7},
    {452, "Go Sub"},          {100},  {323, "Jump zu Adresse"},     {451, "NOP"},
};

class GridEdit : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Laden(Programm("operanden.CPU", kOperanden));
    }

    // Types into the field that has the focus when the dialog opens, then presses the key.
    static std::function<void(QDialog&)> Type(QString text, Qt::Key key = Qt::Key_Return) {
        return [text, key](QDialog& d) {
            QWidget* focus = d.focusWidget();
            ASSERT_NE(focus, nullptr);
            QTest::keyClicks(focus, text);
            QTest::keyClick(focus, key);
        };
    }

    std::string Cell(int col, int row) const {
        return window->Diagram().gridSpeicher->CellText(col, row).toStdString();
    }
};

TEST_F(GridEdit, OperandRowsOpenTheDialogTheInstructionAboveAsksFor) {
    struct Fall {
        int row;
        const char* typed;
        const char* dialog;
        const char* label;
        int stored;
        const char* hex;
    };
    for (const Fall& f : {
             Fall{2, "", "FEditJumpAdresse", "Adresse (0 bis 4000)", 1000, " 0x03E8"},
             Fall{2, "5000", "FEditJumpAdresse", "Adresse (0 bis 4000)", 4000, " 0x0FA0"},
             Fall{4, "200", "FChangeValueInRam", "Adresse (0 bis 127)", 127, " 0x007F"},
             Fall{6, "300", "FChangeValueInRam", "Adresse (0 bis 65535)", 300, " 0x012C"},
             Fall{8, "70000", "FChangeValueInRam", "Adresse (0 bis 65535)", 65535, " 0xFFFF"},
             // "Go Sub" names no "Adresse": its target is taken as a plain word.
             Fall{10, "4500", "FChangeValueInRam", "Adresse (0 bis 65535)", 4500, " 0x1194"},
         }) {
        SCOPED_TRACE(f.row);
        SCOPED_TRACE(f.typed);
        Laden(Programm("operanden.CPU", kOperanden));
        QString label;
        ModalAnswer answer([&](QDialog& d) {
            for (const char* name : {"LabelAdresse", "Label2"}) {
                if (auto* l = d.findChild<QLabel*>(name)) {
                    label = l->text();
                }
            }
            EXPECT_EQ(d.windowTitle(), "Bearbeiten der Sprungadresse");
            Type(f.typed)(d);
        });
        window->GridSpeicherDblClick(f.row);
        EXPECT_EQ(answer.Seen().toStdString(), f.dialog);
        EXPECT_FALSE(answer.LeftOpen());
        EXPECT_EQ(label.toStdString(), f.label);
        EXPECT_EQ(window->Machine().Units().speicher.GetValue(f.row - 1), f.stored);
        EXPECT_FALSE(window->Machine().Units().speicher.IstBefehl(f.row - 1));
        EXPECT_EQ(Cell(1, f.row), f.hex);
        EXPECT_EQ(Cell(2, f.row), std::to_string(f.stored));
        EXPECT_TRUE(boxes.boxes.empty());
    }
}

TEST_F(GridEdit, RowsWithoutAnOperandWarnOrDoNothing) {
    struct Fall {
        int row;
        const char* warning; // nullptr: no box at all
    };
    for (const Fall& f :
         {Fall{0, nullptr}, Fall{1, nullptr}, Fall{3, "Die Konstante ist fehlerhaft"},
          Fall{12, "Die Adresse ist fehlerhaft"}}) {
        SCOPED_TRACE(f.row);
        boxes.boxes.clear();
        const std::string before = Cell(1, f.row) + Cell(2, f.row);
        ModalAnswer answer(Type("9"));
        window->GridSpeicherDblClick(f.row);
        EXPECT_TRUE(answer.Seen().isEmpty());
        EXPECT_EQ(Cell(1, f.row) + Cell(2, f.row), before);
        if (f.warning == nullptr) {
            EXPECT_TRUE(boxes.boxes.empty());
            continue;
        }
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].kind, "warning");
        EXPECT_EQ(boxes.boxes[0].caption, "Hinweis");
        EXPECT_EQ(boxes.boxes[0].text, f.warning);
    }
}

TEST_F(GridEdit, EscapeCancelsOnlyTheJumpAddressAndCancelChangesNothing) {
    for (int row : {2, 4}) {
        ModalAnswer answer(Type("77", Qt::Key_Escape));
        window->GridSpeicherDblClick(row);
        // The value dialog stays open on Escape; the answer then cancels it.
        EXPECT_EQ(answer.LeftOpen(), row == 4) << row;
        EXPECT_EQ(Cell(2, row), row == 2 ? "1000" : "5") << row;
    }
    window->Machine().Units().reg.SetValue(3, 9);
    ModalAnswer answer(Type("77", Qt::Key_Escape));
    window->GridRegisterDblClick(4);
    EXPECT_EQ(answer.Seen(), "FEditRegister");
    EXPECT_TRUE(answer.LeftOpen());
    EXPECT_EQ(window->Machine().Units().reg.GetValue(3), 9);
}

TEST_F(GridEdit, RegisterDialogShowsValueAndNameAndWritesBothBack) {
    window->Machine().Units().reg.SetValue(5, 255);
    window->Machine().Units().reg.SetName(5, "Zähler");
    QString shownValue;
    QString shownName;
    ModalAnswer unchanged([&](QDialog& d) {
        shownValue = d.findChild<TSpinEdit*>("ERegValue")->Text();
        shownName = d.findChild<QLineEdit*>("EComment")->text();
        Type("")(d);
    });
    window->GridRegisterDblClick(6);
    EXPECT_EQ(unchanged.Seen(), "FEditRegister");
    EXPECT_EQ(shownValue, "255");
    EXPECT_EQ(shownName, "Zähler");
    EXPECT_EQ(window->Machine().Units().reg.GetValue(5), 255);
    EXPECT_EQ(window->Machine().Units().reg.GetName(5), "Zähler");
    EXPECT_EQ(window->Diagram().gridRegister->CellText(2, 6), "Zähler");

    ModalAnswer changed([&](QDialog& d) {
        QTest::keyClicks(d.focusWidget(), "70000");
        auto* comment = d.findChild<QLineEdit*>("EComment");
        comment->setFocus();
        comment->selectAll();
        QTest::keyClicks(comment, "Summe");
        QTest::keyClick(comment, Qt::Key_Return);
    });
    window->GridRegisterDblClick(6);
    EXPECT_EQ(window->Machine().Units().reg.GetValue(5), 65535);
    EXPECT_EQ(window->Machine().Units().reg.GetName(5), "Summe");
    EXPECT_EQ(window->Diagram().gridRegister->CellText(1, 6), " 0xFFFF");
}

TEST_F(GridEdit, ARealDoubleClickReachesBothHandlers) {
    for (TOroGrid* grid : {window->Diagram().gridSpeicher, window->Diagram().gridRegister}) {
        SCOPED_TRACE(grid->objectName().toStdString());
        const QRect cell = grid->visualRect(grid->model()->index(3, 2));
        // A real double click starts with a plain click.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        ModalAnswer answer(Type("3"));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(answer.Seen(),
                  grid == window->Diagram().gridSpeicher ? "FChangeValueInRam" : "FEditRegister");
    }
    EXPECT_EQ(window->Machine().Units().speicher.GetValue(3), 3);
    EXPECT_EQ(window->Machine().Units().reg.GetValue(3), 3);
}

} // namespace
} // namespace tovak::test
