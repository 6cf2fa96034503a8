#include "dialogs/ChangeValueInRam.h"
#include "dialogs/EditJumpAdresse.h"
#include "dialogs/EditRegister.h"
#include "support/ModalAnswer.h"
#include "widgets/SpinEdit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace tovak {
namespace {

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<TValueDialog>()> make;
    const char* caption;
    const char* heading;
    const char* group;
    const char* label;
    const char* labelText;
    const char* field;
    int maxValue;
    bool escapeCloses;
};

std::vector<DialogCase> Cases() {
    return {
        {"EditRegister", [] { return std::make_unique<TFEditRegister>(); },
         "Eingabe des Registerwertes und des Namens", "Eingabe des Registerwertes und des Namens",
         "Werte", "Label2", "Inhalt (0 bis 65535)", "ERegValue", 65535, false},
        {"EditJumpAdresse", [] { return std::make_unique<TFEditJumpAdresse>(); },
         "Bearbeiten der Sprungadresse", "Bearbeiten der Sprungadresse", "Sprungadresse",
         "LabelAdresse", "Adresse (0 bis 4000)", "ERamValue", 4000, true},
        {"ChangeValueInRam", [] { return std::make_unique<TFChangeValueInRam>(); },
         "Bearbeiten der Sprungadresse", "Bearbeiten der Konstante / Register", "Datenwert",
         "Label2", "Adresse (0 bis 65535)", "ERegValue", 65535, false},
    };
}

TEST(ValueDialogs, TextsLimitsAndButtonsAndEveryTextFits) {
    for (const DialogCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        auto dialog = c.make();
        dialog->show();
        EXPECT_EQ(dialog->windowTitle(), c.caption);
        EXPECT_EQ(dialog->Heading()->text(), c.heading);
        EXPECT_EQ(dialog->GroupBox1()->title(), c.group);
        auto* label = dialog->findChild<QLabel*>(c.label);
        auto* field = dialog->findChild<TSpinEdit*>(c.field);
        ASSERT_NE(label, nullptr);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(label->text(), c.labelText);
        EXPECT_EQ(field->MinValue(), 0);
        EXPECT_EQ(field->MaxValue(), c.maxValue);
        EXPECT_EQ(dialog->BnOk()->text(), "&Ok");
        EXPECT_TRUE(dialog->BnOk()->isDefault());
        EXPECT_EQ(dialog->BnEsc()->text(), "&Abbrechen");
        EXPECT_EQ(dialog->BnEsc()->width(), 97);
        EXPECT_FALSE(dialog->Ok());
        // The spin edit hands its focus to its line edit.
        EXPECT_TRUE(field->isAncestorOf(dialog->focusWidget()));

        for (auto* l : dialog->findChildren<QLabel*>()) {
            const QRect needed(l->pos(), l->fontMetrics().size(0, l->text()));
            EXPECT_TRUE(l->parentWidget()->rect().contains(needed)) << l->text().toStdString();
            const QRect in = needed.translated(l->parentWidget()->mapTo(dialog.get(), QPoint()));
            EXPECT_TRUE(dialog->rect().contains(in)) << l->text().toStdString();
        }
        EXPECT_LT(label->x() + label->fontMetrics().horizontalAdvance(label->text()), field->x());
    }
}

TEST(ValueDialogs, EnterTakesAValueBeyondTheLimitsAsTheLimitEscapeOnlyWhereItCancels) {
    for (const DialogCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        auto dialog = c.make();
        auto* field = dialog->findChild<TSpinEdit*>(c.field);
        dialog->show();
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_EQ(dialog->isVisible(), !c.escapeCloses);
        EXPECT_FALSE(dialog->Ok());

        for (const auto& [typed, expected] :
             {std::pair{"99999", c.maxValue}, {"-3", 0}, {"12", 12}, {"abc", 0}}) {
            auto confirmed = c.make();
            field = confirmed->findChild<TSpinEdit*>(c.field);
            confirmed->show();
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_FALSE(confirmed->isVisible()) << typed;
            EXPECT_TRUE(confirmed->Ok()) << typed;
            EXPECT_EQ(confirmed->Value(), expected) << typed;
        }
    }
}

TEST(ValueDialogs, ExecuteShowsTheGivenValueHeldToTheLimitAndReportsOk) {
    struct Run {
        int wert;
        int maximum;
        bool confirm;
        const char* shown;
        const char* label;
    };
    for (const Run& r : {Run{300, 127, true, "127", "Adresse (0 bis 127)"},
                         Run{5, 65535, false, "5", "Adresse (0 bis 65535)"},
                         Run{-7, 127, true, "0", "Adresse (0 bis 127)"}}) {
        TFChangeValueInRam dialog;
        QString shown;
        test::ModalAnswer answer([&](QDialog&) {
            shown = dialog.ERegValue()->Text();
            (r.confirm ? dialog.BnOk() : dialog.BnEsc())->click();
        });
        EXPECT_EQ(dialog.Execute(r.wert, r.maximum), r.confirm);
        EXPECT_EQ(answer.Seen(), "FChangeValueInRam");
        EXPECT_EQ(dialog.Label2()->text(), r.label);
        EXPECT_EQ(shown, r.shown);
    }

    TFEditRegister reg;
    test::ModalAnswer keep([&](QDialog&) { reg.BnOk()->click(); });
    EXPECT_TRUE(reg.Execute(70000, QStringLiteral("Zähler")));
    EXPECT_EQ(reg.Value(), 65535);
    EXPECT_EQ(reg.Kommentar(), "Zähler");

    TFEditJumpAdresse jump;
    test::ModalAnswer close([&](QDialog& d) { d.close(); });
    EXPECT_FALSE(jump.Execute(1000));
    EXPECT_EQ(jump.ERamValue()->Text(), "1000");
}

} // namespace
} // namespace tovak
