// The instruction dialogs driven by keyboard as a learner uses them: what they hand back,
// what they refuse and how their inputs behave.
#include "dialogs/Arithmetik.h"
#include "dialogs/InOut.h"
#include "dialogs/Jump.h"
#include "dialogs/Logik.h"
#include "dialogs/Move.h"
#include "dialogs/Shift.h"
#include "dialogs/Steuerbefehle.h"
#include "machine/Befehle.h"
#include "support/RecordingMessageBoxes.h"
#include "widgets/SpinEdit.h"

#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace tovak {
namespace {

enum Art { Move, Arith, Logik, Shift, Jump, InOut0, InOut1, InOut2, Steuer };

std::unique_ptr<TFDialog0> Make(Art art) {
    switch (art) {
    case Move:
        return std::make_unique<TFMove>();
    case Arith:
        return std::make_unique<TFArithmetik>();
    case Logik:
        return std::make_unique<TFLogik>();
    case Shift:
        return std::make_unique<TFShift>();
    case Jump:
        return std::make_unique<TFJump>();
    case InOut0:
    case InOut1:
    case InOut2:
        return std::make_unique<TFInOut>([setting = art - InOut0] { return setting; });
    case Steuer:
        return std::make_unique<TFSteuerbefehle>();
    }
    return nullptr;
}

std::string Str(const QString& text) {
    return text.toStdString();
}

class InstructionDialog : public ::testing::Test {
protected:
    void SetUp() override {
        BefehlstabellenFuellen();
        DialogOkay = 0;
    }

    TFDialog0& Open(Art art) {
        dialog = Make(art);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(dialog->focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    // Selects an instruction with the mouse (0: keep the one selected at start).
    void Choose(int befehl) {
        if (befehl != 0) {
            QTest::mouseClick(dialog->Radio(befehl), Qt::LeftButton);
        }
    }
    // Replaces the field's text by typing, as a learner does after clicking into it.
    void Type(const char* field, const char* text) {
        auto* input = dialog->findChild<QWidget*>(QString::fromLatin1(field));
        ASSERT_NE(input, nullptr) << field;
        ASSERT_TRUE(input->isEnabled() && input->isVisible()) << field;
        input->setFocus(Qt::MouseFocusReason);
        if (auto* spin = qobject_cast<TSpinEdit*>(input)) {
            spin->selectAll();
        } else {
            qobject_cast<QLineEdit*>(input)->selectAll();
        }
        QTest::keyClick(input, Qt::Key_Delete);
        QTest::keyClicks(input, QString::fromLatin1(text));
    }
    void Base(const char* item) {
        dialog->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }
    QString FieldText(const char* field) const {
        auto* input = dialog->findChild<QWidget*>(QString::fromLatin1(field));
        if (auto* spin = qobject_cast<TSpinEdit*>(input)) {
            return spin->Text();
        }
        return qobject_cast<QLineEdit*>(input)->text();
    }

    test::RecordingMessageBoxes boxes;
    std::unique_ptr<TFDialog0> dialog;
};

TEST_F(InstructionDialog, LabelsStartSelectionAndFocusComeFromTheTables) {
    struct Fall {
        Art art;
        const char* caption;
        std::vector<int> order;
        int start;
    };
    const Fall faelle[] = {
        {Move, "Transportbefehle", {66, 65, 67}, 66},
        {Arith,
         "Arithmetikbefehle",
         {129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 140},
         129},
        {Logik, "Logikbefehle", {193, 194, 195, 196, 197, 198, 199}, 193},
        {Shift, "Schiebebefehle", {258, 257, 260, 259, 261, 262}, 257},
        {Jump,
         "Sprungbefehle",
         {322, 321, 323, 324, 325, 326, 327, 328, 329, 330, 331, 332, 333, 334, 335},
         323},
        {InOut0, "E/A Befehle", {390, 385, 386, 387, 388, 389}, 390},
        {Steuer, "Steuerbefehle", {449, 452, 450, 451}, 449},
    };
    for (const Fall& fall : faelle) {
        TFDialog0& d = Open(fall.art);
        SCOPED_TRACE(fall.caption);
        EXPECT_EQ(Str(d.windowTitle()), fall.caption);
        std::vector<int> order;
        for (const QRadioButton* radio : d.RadioButtons()) {
            const auto n = static_cast<std::size_t>(TFDialog0::Tag(radio));
            order.push_back(TFDialog0::Tag(radio));
            EXPECT_EQ(Str(radio->text()), Befehlsnamen[n]);
            EXPECT_EQ(Str(radio->toolTip()), Befehlsbeschreibungen[n]);
            EXPECT_EQ(radio->isChecked(), TFDialog0::Tag(radio) == fall.start);
        }
        EXPECT_EQ(order, fall.order);
        EXPECT_EQ(d.focusWidget(), d.Radio(fall.start));
        EXPECT_EQ(Str(d.LStatusBar()->text()), Befehlsbeschreibungen[fall.start]);
        EXPECT_EQ(d.BnOkay()->text(), "&Ok");
        EXPECT_TRUE(d.BnOkay()->isDefault());
        EXPECT_EQ(d.BnAbbruch()->text(), "Abbruch");
        EXPECT_EQ(d.LkRechner()->text(), "&Rechner");
    }
}

TEST_F(InstructionDialog, EnterHandsBackTheChosenInstructionAndOperand) {
    struct Fall {
        Art art;
        int choose;
        const char* mode; // the logic dialog's number base menu item, or nullptr
        const char* field;
        const char* text;
        int befehl;
        int operand;
    };
    const Fall faelle[] = {
        {Move, 0, nullptr, nullptr, nullptr, 66, 0},
        {Move, 65, nullptr, "EKonstante", " 12 ", 65, 12},
        {Move, 67, nullptr, "ERegister", "127", 67, 127},
        // The constant field stops at 255, but a typed 16-bit constant is accepted.
        {Arith, 130, nullptr, "EKonstante", "300", 130, 300},
        {Arith, 137, nullptr, "ERegister", "5", 137, 5},
        {Arith, 139, nullptr, nullptr, nullptr, 139, 0},
        {Logik, 193, nullptr, "ERegister", "7", 193, 7},
        {Logik, 194, nullptr, "EKonstante", "65535", 194, 65535},
        {Logik, 196, "LkHexadezimalsystem", "EKonstante", "ff", 196, 255},
        {Logik, 198, "LkHexadezimalsystem", "EKonstante", "FF", 198, 255},
        {Logik, 194, "LkHexadezimalsystem", "EKonstante", "", 194, 0},
        {Logik, 194, "LkBinaerSystem", "EKonstante", "1010", 194, 10},
        {Logik, 199, nullptr, nullptr, nullptr, 199, 0},
        {Shift, 0, nullptr, nullptr, nullptr, 257, 1},
        // Beyond the field's limit, confirmed straight from the field.
        {Shift, 258, nullptr, "EAnzahl", "20", 258, 20},
        {Shift, 261, nullptr, "EAnzahl", "abc", 261, 1},
        {Jump, 0, nullptr, nullptr, nullptr, 323, 0},
        {Jump, 322, nullptr, "EKonstante", "65535", 322, 65535},
        {Jump, 321, nullptr, "ERegister", "9", 321, 9},
        {Jump, 335, nullptr, "EAdresse", "4000", 335, 4000},
        {InOut0, 387, nullptr, nullptr, nullptr, 387, 0},
        {InOut0, 386, nullptr, "spRegister", "9", 386, 9},
        {InOut1, 0, nullptr, nullptr, nullptr, 390, 0},
        {InOut2, 0, nullptr, "spRegister", "7", 390, 7},
        {Steuer, 0, nullptr, nullptr, nullptr, 449, 0},
        {Steuer, 452, nullptr, "EAdresse", "200", 452, 200},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(testing::Message() << fall.befehl << " " << (fall.text ? fall.text : ""));
        DialogOkay = 0;
        TFDialog0& d = Open(fall.art);
        Choose(fall.choose);
        if (fall.mode != nullptr) {
            Base(fall.mode);
        }
        if (fall.field != nullptr) {
            Type(fall.field, fall.text);
        }
        Key(Qt::Key_Return);
        EXPECT_EQ(DialogOkay, 1);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.Befehl(), fall.befehl);
        EXPECT_EQ(d.Operand(), fall.operand);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(InstructionDialog, BadOperandsAreRefusedWithTheirMessageAndTheDialogStays) {
    const std::string registerBereich = "Fehlerhafter Bereich des Registerwertes (0..127)";
    const std::string konstantenBereich = "Fehlerhafter Bereich der Konstanten (0..65535)";
    const std::string konstantenFehler = "Fehler bei der Eingabe der Konstanten";
    struct Fall {
        Art art;
        int choose;
        const char* mode;
        const char* field;
        const char* text;
        std::string kind;
        std::string message;
    };
    const Fall faelle[] = {
        {Move, 65, nullptr, "EKonstante", "", "error", konstantenFehler},
        {Move, 65, nullptr, "EKonstante", "65536", "error", konstantenBereich},
        {Move, 66, nullptr, "ERegister", "128", "error", registerBereich},
        {Move, 67, nullptr, "ERegister", "x", "error", "Fehler bei der Eingabe des Registerwertes"},
        {Arith, 131, nullptr, "ERegister", "-1", "error", registerBereich},
        {Arith, 132, nullptr, "EKonstante", "70000", "error", konstantenBereich},
        {Arith, 134, nullptr, "EKonstante", "zwei", "error", konstantenFehler},
        {Logik, 194, nullptr, "EKonstante", "", "error", konstantenFehler},
        {Logik, 194, nullptr, "EKonstante", "65536", "error", konstantenBereich},
        {Logik, 196, "LkHexadezimalsystem", "EKonstante", "1G", "warning", "Fehlerhafte Eingabe"},
        {Logik, 196, "LkHexadezimalsystem", "EKonstante", "10000", "error", konstantenBereich},
        {Logik, 196, "LkHexadezimalsystem", "EKonstante", "FFFFFFFFF", "warning",
         "Fehlerhafte Eingabe: die Zahl ist zu groß"},
        {Logik, 198, "LkBinaerSystem", "EKonstante", "102", "warning", "Fehlerhafte Eingabe"},
        {Logik, 197, nullptr, "ERegister", "128", "error", registerBereich},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(testing::Message() << fall.choose << " '" << fall.text << "'");
        boxes.boxes.clear();
        TFDialog0& d = Open(fall.art);
        Choose(fall.choose);
        if (fall.mode != nullptr) {
            Base(fall.mode);
        }
        Type(fall.field, fall.text);
        Key(Qt::Key_Return);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].kind, fall.kind);
        EXPECT_EQ(boxes.boxes[0].caption, "Fehler");
        EXPECT_EQ(boxes.boxes[0].text, fall.message);
        EXPECT_EQ(DialogOkay, 0);
        EXPECT_EQ(d.Befehl(), 0);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Str(FieldText(fall.field)), fall.text);
    }
}

TEST_F(InstructionDialog, ArrowsWalkTheTableTabReachesTheFieldEscapeCancels) {
    TFDialog0& d = Open(Move);
    auto* konstante = static_cast<TFMove&>(d).EKonstante();
    Key(Qt::Key_Down);
    EXPECT_TRUE(d.Radio(65)->isChecked());
    EXPECT_EQ(d.focusWidget(), d.Radio(65));
    EXPECT_EQ(d.LStatusBar()->text(), "Move Konstante in Akku");
    EXPECT_TRUE(konstante->isEnabled());
    EXPECT_FALSE(static_cast<TFMove&>(d).ERegister()->isEnabled());
    Key(Qt::Key_Up);
    Key(Qt::Key_Up); // from the first back round to the last
    EXPECT_TRUE(d.Radio(67)->isChecked());
    Key(Qt::Key_Left);
    EXPECT_TRUE(d.Radio(65)->isChecked());

    // The radio buttons are one Tab stop; then the enabled field, "&Ok", "Abbruch".
    Key(Qt::Key_Tab);
    EXPECT_EQ(d.focusWidget(), konstante);
    Key(Qt::Key_Tab);
    EXPECT_EQ(d.focusWidget(), d.BnOkay());
    Key(Qt::Key_Tab);
    EXPECT_EQ(d.focusWidget(), d.BnAbbruch());
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(d.focusWidget(), d.Radio(65));

    // Enter with a modifier is no OK; Escape cancels.
    Key(Qt::Key_Return, Qt::ShiftModifier);
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(d.isVisible());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(DialogOkay, 0);
}

TEST_F(InstructionDialog, StatusLineFollowsTheChoiceButStaysInTheJumpDialog) {
    TFDialog0& arith = Open(Arith);
    Choose(139); // "Inc Akku" has no description
    EXPECT_TRUE(arith.Radio(139)->toolTip().isEmpty());
    EXPECT_TRUE(arith.LStatusBar()->text().isEmpty());
    Choose(138);
    EXPECT_EQ(arith.LStatusBar()->text(), "Dividiert den Akku durch eine Konstante (ganzzahlig)");

    TFDialog0& jump = Open(Jump);
    Choose(322);
    Key(Qt::Key_Down);
    EXPECT_TRUE(jump.Radio(321)->isChecked());
    EXPECT_EQ(jump.LStatusBar()->text(), "Jump zu Adresse");
}

TEST_F(InstructionDialog, LogicNumberBaseNamesTheGroupAndKeepsTheText) {
    auto& logik = static_cast<TFLogik&>(Open(Logik));
    EXPECT_TRUE(logik.GroupBox1()->title().isEmpty());
    // The frame stays put when the caption comes: a strip right of the caption, above the
    // inputs, holds the frame's top edge at the same height in both forms.
    auto rahmen = [&] { return logik.GroupBox1()->grab(QRect(220, 0, 80, 30)).toImage(); };
    const QImage ohneTitel = rahmen();
    EXPECT_EQ(logik.EKonstante()->toolTip(), "Popupmenü mit Binär- und Hexadezimalsystem");
    Choose(194);
    EXPECT_EQ(logik.GroupBox1()->title(), "Dezimale Eingabe");
    EXPECT_EQ(rahmen(), ohneTitel);
    Type("EKonstante", "101");
    Base("LkHexadezimalsystem");
    EXPECT_EQ(logik.GroupBox1()->title(), "Hexadezimale Eingabe");
    Base("LkBinaerSystem");
    EXPECT_EQ(logik.GroupBox1()->title(), "Binäre Eingabe");
    EXPECT_EQ(logik.EKonstante()->text(), "101");
    Choose(199);
    EXPECT_TRUE(logik.GroupBox1()->title().isEmpty());
    EXPECT_EQ(logik.Zahlensystem(), TFLogik::Binaer);

    QStringList captions;
    for (const QAction* item : logik.PopupMenuZahlensystem()->actions()) {
        captions << item->text();
    }
    EXPECT_EQ(captions, (QStringList{"&Dezimalsystem", "&Hexadezimalsystem", "&Binärsystem"}));
    // Every dialog starts in decimal.
    EXPECT_EQ(static_cast<TFLogik&>(Open(Logik)).Zahlensystem(), TFLogik::Dezimal);
}

TEST_F(InstructionDialog, SpinFieldsClampByArrowsAndOnLeavingButNotForAMessageBox) {
    auto& arith = static_cast<TFArithmetik&>(Open(Arith));
    Choose(130);
    Type("EKonstante", "300");
    // A message box taking the focus leaves the typed value as it is.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(arith.EKonstante(), &away);
    EXPECT_EQ(Str(arith.EKonstante()->Text()), "300");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Str(arith.EKonstante()->Text()), "255");
    arith.EKonstante()->setFocus();
    Key(Qt::Key_Up);
    EXPECT_EQ(arith.EKonstante()->Value(), 255);

    auto& shift = static_cast<TFShift&>(Open(Shift));
    EXPECT_EQ(shift.EAnzahl()->MaxValue(), 15);
    Choose(261);
    shift.EAnzahl()->setFocus();
    Key(Qt::Key_Down);
    EXPECT_EQ(shift.EAnzahl()->Value(), 1);
    for (int i = 0; i < 20; ++i) {
        Key(Qt::Key_Up);
    }
    EXPECT_EQ(shift.EAnzahl()->Value(), 16);
    Choose(259);
    EXPECT_EQ(shift.EAnzahl()->MaxValue(), 127);
    EXPECT_EQ(shift.EAnzahl()->MinValue(), 1);

    auto& jump = static_cast<TFJump&>(Open(Jump));
    Type("EAdresse", "3999");
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(Str(jump.EAdresse()->Text()), "4000");
}

TEST_F(InstructionDialog, OperandsFromHiddenAndDisabledFields) {
    // The control dialog passes the disabled address field.
    auto& steuer = static_cast<TFSteuerbefehle&>(Open(Steuer));
    Choose(452);
    Type("EAdresse", "200");
    Choose(451);
    EXPECT_FALSE(steuer.EAdresse()->isEnabled());
    Key(Qt::Key_Return);
    EXPECT_EQ(steuer.Befehl(), 451);
    EXPECT_EQ(steuer.Operand(), 200);

    // A compare with a constant never passes the hidden address.
    auto& jump = static_cast<TFJump&>(Open(Jump));
    Type("EAdresse", "17");
    Choose(322);
    EXPECT_FALSE(jump.EAdresse()->isVisible());
    Type("EKonstante", "5");
    Key(Qt::Key_Return);
    EXPECT_EQ(jump.Operand(), 5);

    // With the number going into a register the field is back for "Lies Zahl".
    auto& inOut = static_cast<TFInOut&>(Open(InOut2));
    EXPECT_TRUE(inOut.SpRegister()->isVisible());
    Choose(387);
    EXPECT_FALSE(inOut.SpRegister()->isVisible());
    EXPECT_FALSE(inOut.LRegister()->isVisible());
    Choose(390);
    EXPECT_TRUE(inOut.SpRegister()->isVisible());

    auto& ohne = static_cast<TFInOut&>(Open(InOut0));
    Choose(388);
    Type("spRegister", "9");
    Choose(390);
    EXPECT_FALSE(ohne.SpRegister()->isVisible());
    Key(Qt::Key_Return);
    EXPECT_EQ(ohne.Befehl(), 390);
    EXPECT_EQ(ohne.Operand(), 0);
}

} // namespace
} // namespace tovak
