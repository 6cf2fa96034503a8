#include "mainwindow/TempoControl.h"

#include "mainwindow/Ini.h"
#include "mainwindow/RunController.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
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

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(label_);
    layout->addWidget(slider_);

    // Wide enough for the longest of its texts, so the control does not jump while it moves.
    int breite = 110;
    for (const QString& text : {Text(5000, false), Text(1, true)}) {
        breite = std::max(breite, label_->fontMetrics().horizontalAdvance(text) + 8);
    }
    setFixedWidth(breite);
    ShowSetting();
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
