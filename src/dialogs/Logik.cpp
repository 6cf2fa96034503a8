#include "dialogs/Logik.h"

#include "dialogs/OperandChecks.h"
#include "util/MessageBoxes.h"
#include "util/NumberTexts.h"
#include "widgets/SpinEdit.h"

#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

namespace tovak {

namespace {

// In table order; register forms have odd numbers, constant forms even ones, 199 is NOT.
constexpr RadioZeile kRadios[] = {
    {"RadioAndAR", 193, 20}, {"RadioAndAK", 194, 44},  {"RadioOrAR", 195, 68},
    {"RadioOrAK", 196, 92},  {"RadioXOrAR", 197, 120}, {"RadioXOrAK", 198, 144},
    {"RadioNot", 199, 172},
};

} // namespace

TFLogik::TFLogik(QWidget* parent) : TFDialog0(QStringLiteral("Logikbefehle"), parent) {
    setObjectName(QStringLiteral("FLogik"));
    setFont(PlainFont());
    SetFrame({482, 340}, {4, 8, 469, 205}, {276, 232}, {380, 232});

    // The caption comes and goes with the constant input. Drawn on the frame line it never
    // moves the frame, as a caption above the frame would (onto the first radio button).
    const int halbeZeile = QFontMetrics(GroupBox1()->font()).height() / 2;
    GroupBox1()->setStyleSheet(
        QStringLiteral("QGroupBox#GroupBox1 { border: 1px solid palette(mid); border-radius: 3px; "
                       "margin-top: %1px; } QGroupBox#GroupBox1::title { subcontrol-origin: "
                       "margin; subcontrol-position: top left; left: 8px; padding: 0 3px; }")
            .arg(halbeZeile));
    AddRadios(kRadios, 24);
    AddLabel("Label1", QStringLiteral("Konstante"), 324, 36);
    eKonstante_ = AddLineEdit("EKonstante", {324, 60, 125, 25});
    eKonstante_->setToolTip(QStringLiteral("Popupmenü mit Binär- und Hexadezimalsystem"));
    AddLabel("Label2", QStringLiteral("Register"), 324, 116);
    eRegister_ = AddSpin("ERegister", {392, 112, 61, 26}, 0, 127);

    popupMenuZahlensystem_ = new QMenu(eKonstante_);
    popupMenuZahlensystem_->setObjectName(QStringLiteral("PopupMenuZahlensystem"));
    struct Eintrag {
        const char* name;
        QString caption;
        void (TFLogik::*click)();
    };
    const Eintrag eintraege[] = {
        {"LkDezimalsystem", QStringLiteral("&Dezimalsystem"), &TFLogik::LkDezimalsystemClick},
        {"LkHexadezimalsystem", QStringLiteral("&Hexadezimalsystem"),
         &TFLogik::LkHexadezimalsystemClick},
        {"LkBinaerSystem", QStringLiteral("&Binärsystem"), &TFLogik::LkBinaerSystemClick},
    };
    for (const Eintrag& eintrag : eintraege) {
        QAction* item = popupMenuZahlensystem_->addAction(eintrag.caption);
        item->setObjectName(QString::fromLatin1(eintrag.name));
        connect(item, &QAction::triggered, this, eintrag.click);
    }
    eKonstante_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(eKonstante_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        popupMenuZahlensystem_->popup(eKonstante_->mapToGlobal(pos));
    });

    // The style sheet keeps the dialog's font from reaching the box's controls.
    for (QWidget* control : GroupBox1()->findChildren<QWidget*>()) {
        if (!control->testAttribute(Qt::WA_SetFont)) {
            control->setFont(font());
            if (qobject_cast<QLabel*>(control) != nullptr ||
                qobject_cast<QRadioButton*>(control) != nullptr) {
                control->adjustSize();
            }
        }
    }

    eRegister_->SetMaxValue(127);
    eKonstante_->setText(QStringLiteral("0"));
    eRegister_->SetText(QStringLiteral("0"));
    zahlensystem_ = Dezimal;
    SetRadioButtons();
    QRadioButton* start = Radio(193);
    start->setChecked(true);
    eKonstante_->setEnabled(false);
    ShowZahlensystem();
    ShowDescription(start);
}

TFLogik::Form TFLogik::FormOf(const QRadioButton* radio) {
    const int befehl = Tag(radio);
    if (befehl == 199) {
        return Form::Ohne;
    }
    return befehl % 2 == 1 ? Form::Register : Form::Konstante;
}

TFLogik::Form TFLogik::Selected() const {
    const QRadioButton* checked = CheckedRadio();
    return checked != nullptr ? FormOf(checked) : Form::Ohne;
}

void TFLogik::RadioClick(QRadioButton* radio) {
    const Form form = FormOf(radio);
    eKonstante_->setEnabled(form == Form::Konstante);
    eRegister_->setEnabled(form == Form::Register);
    ShowDescription(radio);
    ShowZahlensystem();
}

void TFLogik::ShowZahlensystem() {
    if (!eKonstante_->isEnabled()) {
        GroupBox1()->setTitle(QString());
        return;
    }
    switch (zahlensystem_) {
    case Hexadezimal:
        GroupBox1()->setTitle(QStringLiteral("Hexadezimale Eingabe"));
        break;
    case Binaer:
        GroupBox1()->setTitle(QStringLiteral("Binäre Eingabe"));
        break;
    default:
        GroupBox1()->setTitle(QStringLiteral("Dezimale Eingabe"));
        break;
    }
}

void TFLogik::LkDezimalsystemClick() {
    zahlensystem_ = Dezimal;
    ShowZahlensystem();
}

void TFLogik::LkHexadezimalsystemClick() {
    zahlensystem_ = Hexadezimal;
    ShowZahlensystem();
}

void TFLogik::LkBinaerSystemClick() {
    zahlensystem_ = Binaer;
    ShowZahlensystem();
}

bool TFLogik::ReadConstant(int& value) const {
    const std::string text = eKonstante_->text().toStdString();
    switch (zahlensystem_) {
    case Hexadezimal:
        // The readers of the other bases show "Fehlerhafte Eingabe" themselves.
        return HexToInt(text, value);
    case Binaer:
        return BinToInt(text, value);
    default:
        if (!StrToIntOk(text, value)) {
            ShowErrorBox("Fehler", "Fehler bei der Eingabe der Konstanten");
            return false;
        }
        return true;
    }
}

void TFLogik::BnOkayClick() {
    const Form form = Selected();
    if (form == Form::Register && !ReadRegister(eRegister_->Text(), operand_)) {
        return;
    }
    if (form == Form::Konstante && (!ReadConstant(operand_) || !CheckKonstantenBereich(operand_))) {
        return;
    }
    TFDialog0::BnOkayClick();
}

} // namespace tovak
