#include "mainwindow/TempoControl.h"

#include "mainwindow/Ini.h"
#include "mainwindow/RunController.h"

#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tovak {

TempoControl::TempoControl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tempo"));
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("LTempo"));
    label_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("SlTempo"));
    slider_->setRange(0, kSchnelllauf);
    slider_->setPageStep(3);
    slider_->setFocusPolicy(Qt::StrongFocus);
    slider_->setToolTip(QStringLiteral("Zeit je Takt bei „Start von 0“ und „Start von IP“: "
                                       "nach rechts schneller, ganz rechts Schnelllauf (Alt+T)"));
    label_->setBuddy(slider_);
    connect(slider_, &QSlider::valueChanged, this, &TempoControl::SliderMoved);

    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(label_);
    layout_->addWidget(slider_);

    // Wide enough for the longest of its texts, so the control does not jump while it moves.
    int breite = 110;
    for (const QString& text : {Text(5000, false), Text(1, true)}) {
        breite = std::max(breite, label_->fontMetrics().horizontalAdvance(text) + 8);
    }
    label_->setMinimumWidth(breite - 8);
    setFixedWidth(breite);
    ShowSetting();
}

void TempoControl::KeepVisible(QWidget* shown, QStatusBar* statusBar) {
    shown_ = shown;
    statusBar_ = statusBar;
    toolbar_ = parentWidget();
    home_ = geometry();
    shown_->installEventFilter(this);
    Place();
}

bool TempoControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == shown_ && event->type() == QEvent::Resize) {
        Place();
    }
    return QWidget::eventFilter(watched, event);
}

void TempoControl::Place() {
    // A window without status bar (the compact layout) keeps it in the toolbar.
    const bool narrow = shown_->width() <= home_.right() && !statusBar_->isHidden();
    if (narrow == inStatusBar_) {
        return;
    }
    inStatusBar_ = narrow;
    constexpr int kSliderBreite = 140;
    if (narrow) {
        layout_->setDirection(QBoxLayout::LeftToRight);
        layout_->setSpacing(6);
        label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setFixedWidth(home_.width() + 6 + kSliderBreite);
        statusBar_->insertPermanentWidget(0, this);
    } else {
        statusBar_->removeWidget(this);
        setParent(toolbar_);
        layout_->setDirection(QBoxLayout::TopToBottom);
        layout_->setSpacing(0);
        label_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        setFixedWidth(home_.width());
        setGeometry(home_);
    }
    show();
}

void TempoControl::Steuert(RunController& run) {
    run_ = &run;
    Apply();
}

void TempoControl::ShowSetting() {
    {
        const QSignalBlocker stumm(slider_);
        slider_->setValue(Ini::TempoSchnelllauf() ? kSchnelllauf : Position(Ini::MainDauer()));
    }
    label_->setText(Text(Ini::MainDauer(), Ini::TempoSchnelllauf()));
    Apply();
}

int TempoControl::Position(int ms) {
    const double log = std::log(std::max(ms, 1));
    int best = 0;
    for (int i = 1; i < kStufenzahl; ++i) {
        if (std::abs(std::log(kStufen[i]) - log) < std::abs(std::log(kStufen[best]) - log)) {
            best = i;
        }
    }
    return best;
}

QString TempoControl::Text(int ms, bool schnell) {
    return schnell ? QStringLiteral("&Tempo: Schnelllauf")
                   : QStringLiteral("&Tempo: %1 ms").arg(ms);
}

void TempoControl::SliderMoved(int position) {
    const bool schnell = position >= kSchnelllauf;
    if (!schnell) {
        Ini::SetMainDauer(kStufen[std::clamp(position, 0, kStufenzahl - 1)]);
    }
    Ini::SetTempoSchnelllauf(schnell);
    label_->setText(Text(Ini::MainDauer(), schnell));
    Apply();
}

void TempoControl::Apply() {
    if (run_ != nullptr) {
        run_->SetTempo(Ini::MainDauer(), Ini::TempoSchnelllauf());
    }
}

} // namespace tovak
