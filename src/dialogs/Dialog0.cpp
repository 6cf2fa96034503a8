#include "dialogs/Dialog0.h"

#include "dialogs/ToolWindowParts.h"
#include "machine/Befehle.h"
#include "util/Launcher.h"
#include "widgets/SpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

namespace tovak {

int DialogOkay = 0;

namespace {

const QStringList kFamilies{QStringLiteral("DejaVu Sans")};
constexpr const char* kTagProperty = "Tag";
constexpr int kPanelHeight = 41;
constexpr QSize kButtonSize{75, 25};
constexpr int kInnerMargin = 8;

bool IsPlainEnter(const QKeyEvent* key) {
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    return enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

QFont TFDialog0::SystemFont() {
    return PixelFont(kFamilies, 13, true);
}

QFont TFDialog0::PlainFont() {
    return PixelFont(kFamilies, 14);
}

TFDialog0::TFDialog0(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(SystemFont());

    groupBox1_ = new QGroupBox(this);
    groupBox1_->setObjectName(QStringLiteral("GroupBox1"));

    bnOkay_ = new QPushButton(QStringLiteral("&Ok"), this);
    bnOkay_->setObjectName(QStringLiteral("BnOkay"));
    bnOkay_->setDefault(true);
    bnAbbruch_ = new QPushButton(QStringLiteral("Abbruch"), this);
    bnAbbruch_->setObjectName(QStringLiteral("BnAbbruch"));
    bnAbbruch_->setAutoDefault(false);
    connect(bnOkay_, &QPushButton::clicked, this, [this] { BnOkayClick(); });
    connect(bnAbbruch_, &QPushButton::clicked, this, &TFDialog0::BnAbbruchClick);

    panel1_ = new QFrame(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameShape(QFrame::Panel);
    panel1_->setFrameShadow(QFrame::Sunken);
    lStatusBar_ = new QLabel(panel1_);
    lStatusBar_->setObjectName(QStringLiteral("LStatusBar"));
    lStatusBar_->setFont(PixelFont(kFamilies, 12, true));
    // Long descriptions wrap onto a second line instead of running out of the panel.
    lStatusBar_->setWordWrap(true);
    lStatusBar_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette red = lStatusBar_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lStatusBar_->setPalette(red);

    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    lkRechner_ = popupMenu1_->addAction(QStringLiteral("&Rechner"));
    lkRechner_->setObjectName(QStringLiteral("LkRechner"));
    connect(lkRechner_, &QAction::triggered, this, &TFDialog0::LkRechnerClick);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { popupMenu1_->popup(mapToGlobal(pos)); });

    SetFrame({411, 183}, {8, 8, 397, 133}, {192, 152}, {296, 152});
}

void TFDialog0::SetFrame(QSize client, QRect groupBox, QPoint okay, QPoint abbruch) {
    setFixedSize(client);
    groupBox1_->setGeometry(groupBox);
    bnOkay_->setGeometry(QRect(okay, kButtonSize));
    bnAbbruch_->setGeometry(QRect(abbruch, kButtonSize));
    panel1_->setGeometry(0, client.height() - kPanelHeight, client.width(), kPanelHeight);
    lStatusBar_->setGeometry(8, 3, client.width() - 16, kPanelHeight - 6);
}

QRadioButton* TFDialog0::AddRadio(const char* name, int befehl, int x, int y) {
    auto* radio = new QRadioButton(groupBox1_);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setProperty(kTagProperty, befehl);
    radio->move(x, y);
    connect(radio, &QRadioButton::clicked, this, [this, radio] { RadioClick(radio); });
    connect(radio, &QRadioButton::toggled, this, &TFDialog0::UpdateRadioFocus);
    radios_.push_back(radio);
    UpdateRadioFocus();
    ChainTabOrder();
    return radio;
}

QLabel* TFDialog0::AddLabel(const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, groupBox1_);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

TSpinEdit* TFDialog0::AddSpin(const char* name, QRect geometry, int minValue, int maxValue) {
    auto* spin = new TSpinEdit(groupBox1_);
    spin->setObjectName(QString::fromLatin1(name));
    spin->SetRange(minValue, maxValue);
    // A right click anywhere in the dialog offers the calculator.
    spin->setContextMenuPolicy(Qt::NoContextMenu);
    for (QWidget* part : spin->findChildren<QWidget*>()) {
        part->setContextMenuPolicy(Qt::NoContextMenu);
    }
    // The designed width, or wider when the largest value would not fit; a wider field
    // grows to the left rather than out of the group box.
    geometry.setWidth(std::max(geometry.width(), spin->sizeHint().width()));
    const int right = groupBox1_->width() - kInnerMargin;
    if (geometry.x() + geometry.width() > right) {
        geometry.moveLeft(std::max(0, right - geometry.width()));
    }
    spin->setGeometry(geometry);
    inputs_.push_back(spin);
    ChainTabOrder();
    return spin;
}

QLineEdit* TFDialog0::AddLineEdit(const char* name, QRect geometry) {
    auto* edit = new QLineEdit(groupBox1_);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    inputs_.push_back(edit);
    ChainTabOrder();
    return edit;
}

QRadioButton* TFDialog0::Radio(int befehl) const {
    for (QRadioButton* radio : radios_) {
        if (Tag(radio) == befehl) {
            return radio;
        }
    }
    return nullptr;
}

int TFDialog0::Tag(const QRadioButton* radio) {
    return radio != nullptr ? radio->property(kTagProperty).toInt() : 0;
}

void TFDialog0::SetRadioButtons() {
    for (QRadioButton* radio : radios_) {
        const int n = Tag(radio);
        if (n < 1 || n > BefehlsTabellenGroesse) {
            continue;
        }
        const auto index = static_cast<std::size_t>(n);
        radio->setText(QString::fromStdString(Befehlsnamen[index]));
        radio->setToolTip(QString::fromStdString(Befehlsbeschreibungen[index]));
        radio->adjustSize();
    }
}

void TFDialog0::ShowDescription(const QRadioButton* radio) {
    lStatusBar_->setText(radio != nullptr ? radio->toolTip() : QString());
}

QRadioButton* TFDialog0::CheckedRadio() const {
    for (QRadioButton* radio : radios_) {
        if (radio->isChecked()) {
            return radio;
        }
    }
    return nullptr;
}

void TFDialog0::AddRadios(std::span<const RadioZeile> zeilen, int x) {
    for (const RadioZeile& zeile : zeilen) {
        AddRadio(zeile.name, zeile.befehl, x, zeile.y);
    }
}

void TFDialog0::BnOkayClick() {
    const QRadioButton* checked = CheckedRadio();
    befehl_ = checked != nullptr ? Tag(checked) : 0;
    DialogOkay = 1;
    accept();
}

void TFDialog0::BnAbbruchClick() {
    reject();
}

void TFDialog0::LkRechnerClick() {
    StartCalculator();
}

void TFDialog0::ChainTabOrder() {
    std::vector<QWidget*> chain(radios_.begin(), radios_.end());
    chain.insert(chain.end(), inputs_.begin(), inputs_.end());
    chain.push_back(bnOkay_);
    chain.push_back(bnAbbruch_);
    for (std::size_t i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
}

void TFDialog0::UpdateRadioFocus() {
    // The radio buttons form one Tab stop, the selected one; the arrow keys move inside.
    for (QRadioButton* radio : radios_) {
        radio->setFocusPolicy(radio->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void TFDialog0::MoveToRadio(const QRadioButton* from, int step) {
    const auto it = std::find(radios_.begin(), radios_.end(), from);
    if (it == radios_.end()) {
        return;
    }
    const int count = static_cast<int>(radios_.size());
    int index = static_cast<int>(it - radios_.begin());
    for (int tried = 1; tried < count; ++tried) {
        index = (index + step + count) % count;
        QRadioButton* next = radios_[static_cast<std::size_t>(index)];
        if (next->isEnabled() && next->isVisibleTo(this)) {
            next->setFocus(Qt::OtherFocusReason);
            next->click();
            return;
        }
    }
}

void TFDialog0::PopupAtFocus(QWidget* focus) {
    const QPoint pos = focus->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, pos, focus->mapToGlobal(pos));
    QApplication::sendEvent(focus, &menu);
}

bool TFDialog0::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsPlainEnter(key)) {
        BnOkayClick();
        return true;
    }
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        BnAbbruchClick();
        return true;
    }
    if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            PopupAtFocus(widget);
            return true;
        }
    }
    if (auto* radio = qobject_cast<QRadioButton*>(watched);
        radio != nullptr && key->modifiers() == Qt::NoModifier) {
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            MoveToRadio(radio, -1);
            return true;
        case Qt::Key_Down:
        case Qt::Key_Right:
            MoveToRadio(radio, 1);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFDialog0::showEvent(QShowEvent* event) {
    if (!keysWatched_) {
        keysWatched_ = true;
        // Enter confirms from every control, as the form's own key handler would.
        for (QWidget* child : findChildren<QWidget*>()) {
            if (qobject_cast<QMenu*>(child) == nullptr &&
                qobject_cast<QMenu*>(child->window()) == nullptr) {
                child->installEventFilter(this);
            }
        }
        if (const QScreen* area = screen()) {
            move(area->availableGeometry().center() - QPoint(width() / 2, height() / 2));
        }
        if (QRadioButton* checked = CheckedRadio()) {
            checked->setFocus(Qt::OtherFocusReason);
        }
    }
    QDialog::showEvent(event);
}

} // namespace tovak
