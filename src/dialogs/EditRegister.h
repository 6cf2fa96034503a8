// Changes the content and the comment (the name) of one register.
#pragma once

#include "dialogs/ValueDialog.h"

class QLineEdit;

namespace tovak {

class TFEditRegister final : public TValueDialog {
    Q_OBJECT

public:
    static constexpr int kMaxWert = 65535;

    explicit TFEditRegister(QWidget* parent = nullptr);

    // Fills the fields (the value held to 0..65535), shows the dialog modally and returns Ok.
    bool Execute(int wert, const QString& kommentar);

    // The comment as typed, read after confirmation.
    QString Kommentar() const;

    TSpinEdit* ERegValue() const { return eRegValue_; }
    QLineEdit* EComment() const { return eComment_; }

private:
    TSpinEdit* eRegValue_ = nullptr;
    QLineEdit* eComment_ = nullptr;
};

} // namespace tovak
