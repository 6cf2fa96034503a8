// Answers an instruction dialog as a learner would: choose the instruction, type the field,
// press Enter.
#pragma once

#include "dialogs/Dialog0.h"
#include "widgets/SpinEdit.h"

#include <QRadioButton>
#include <QTest>

namespace tovak::test {

inline void DialogAusfuellen(TFDialog0& dialog, int befehl, const char* field, const char* text) {
    dialog.Radio(befehl)->click();
    if (field != nullptr) {
        auto* spin = dialog.findChild<TSpinEdit*>(QString::fromLatin1(field));
        spin->setFocus();
        spin->SetText(QString::fromLatin1(text));
    }
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
}

} // namespace tovak::test
