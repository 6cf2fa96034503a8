// Entering instructions through the "&Befehle" menu: dialog, memory cells, IP and grid.
#include "DialogAusfuellen.h"
#include "GuiFixture.h"

#include "dialogs/Dialog0.h"
#include "mainwindow/Ini.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QTest>

namespace tovak::test {
namespace {

class Befehle : public GuiTest {
protected:
    // Opens the dialog through its menu item and answers it as the learner would: choose
    // the instruction, type the field, press Enter (befehl 0: press Escape instead).
    void Eingeben(const char* item, int befehl, const char* field = nullptr,
                  const char* text = nullptr) {
        window->Hooks().befehlsDialog = [=, this](TFDialog0& dialog) {
            titles << dialog.windowTitle();
            if (befehl == 0) {
                QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
                return;
            }
            DialogAusfuellen(dialog, befehl, field, text);
        };
        window->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }
    std::vector<int> Cells(int from, int count) {
        std::vector<int> values;
        for (int a = from; a < from + count; ++a) {
            values.push_back(window->Machine().Units().speicher.GetValue(a));
        }
        return values;
    }
    std::string GridText(int address) {
        return window->Diagram().gridSpeicher->CellText(2, address + 1).toStdString();
    }

    QStringList titles;
};

TEST_F(Befehle, EachGroupWritesAtTheIpAndTheGridFollows) {
    window->Machine().Units().steuerwerk.SetIP(10);
    Eingeben("MnTransportbefehle", 65, "EKonstante", "5");
    EXPECT_EQ(Cells(10, 2), (std::vector<int>{65, 5}));
    EXPECT_TRUE(window->Machine().Units().speicher.IstBefehl(10));
    EXPECT_FALSE(window->Machine().Units().speicher.IstBefehl(11));
    EXPECT_EQ(GridText(10), "Move Akku, Konstante");
    EXPECT_EQ(GridText(11), "5");
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 12);
    EXPECT_EQ(Panel("PInstructionPointer"), "0x000C");
    EXPECT_EQ(window->Diagram().gridSpeicher->Row(), 13);

    Eingeben("MnArithmetikbefehle", 140);
    Eingeben("MnLogikbefehle", 199);
    Eingeben("MnSchiebebefehle", 262, "EAnzahl", "3");
    Eingeben("MnSprungbefehle", 325, "EAdresse", "12");
    Eingeben("MnEABefehler", 388, "spRegister", "4");
    Eingeben("MnSteuerbefehle", 452, "EAdresse", "40");
    EXPECT_EQ(Cells(12, 11), (std::vector<int>{140, 199, 262, 3, 325, 12, 388, 4, 452, 40, 0}));
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 22);
    EXPECT_EQ(window->Diagram().gridSpeicher->Row(), 23);
    EXPECT_EQ(titles,
              (QStringList{"Transportbefehle", "Arithmetikbefehle", "Logikbefehle",
                           "Schiebebefehle", "Sprungbefehle", "E/A Befehle", "Steuerbefehle"}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Befehle, CancelAfterAConfirmedDialogWritesNothing) {
    Eingeben("MnSteuerbefehle", 451);
    EXPECT_EQ(DialogOkay, 1);
    for (const char* item : {"MnTransportbefehle", "MnSprungbefehle", "MnEABefehler"}) {
        Eingeben(item, 0);
    }
    EXPECT_EQ(DialogOkay, 0);
    EXPECT_EQ(Cells(0, 3), (std::vector<int>{451, 0, 0}));
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 1);
}

TEST_F(Befehle, NumberInputIntoARegisterWritesThreeInstructions) {
    Ini::SetLiesZahlInRegister(2);
    Eingeben("MnEABefehler", 390, "spRegister", "7");
    Ini::SetLiesZahlInRegister(0);
    EXPECT_EQ(Cells(0, 5), (std::vector<int>{390, 385, 67, 7, 0}));
    EXPECT_EQ(GridText(2), "Move Reg, Akku");
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 4);
}

TEST_F(Befehle, WritesBeyondTheMemoryGoToTheErrorDisplay) {
    window->Machine().Units().steuerwerk.SetIP(3999);
    Eingeben("MnSprungbefehle", 323, "EAdresse", "7");
    EXPECT_EQ(window->Machine().Units().speicher.GetValue(4000), 7);
    EXPECT_EQ(window->Machine().Units().speicher.GetValue(3999), 323);
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 4001);
    Eingeben("MnArithmetikbefehle", 139);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Fehler");
    EXPECT_EQ(boxes.boxes[0].text, "Fehler bei Bereichsprüfung");
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 4001);
}

} // namespace
} // namespace tovak::test
