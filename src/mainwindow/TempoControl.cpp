#include "mainwindow/TempoControl.h"

#include "mainwindow/DiagramZoom.h"
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
    width_ = breite;
    font_ = font();
    setFixedWidth(breite);
    // The zoom of the diagram leaves it alone: it may sit in the status bar.
    setProperty(DiagramZoom::kZoomsItself, true);
    ShowSetting();
}

void TempoControl::KeepVisible(QWidget* shown, QStatusBar* statusBar, QBoxLayout* spareRow) {
    shown_ = shown;
    statusBar_ = statusBar;
    spareRow_ = spareRow;
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

void TempoControl::SetZoom(double factor) {
    if (factor == zoom_) {
        return;
    }
    zoom_ = factor;
    QFont font = font_;
    if (font_.pointSizeF() > 0) {
        font.setPointSizeF(font_.pointSizeF() * factor);
    }
    setFont(font);
    if (shown_ == nullptr) {
        return;
    }
    // Placed afresh at the new size, wherever it is now.
    Place(true);
}

QRect TempoControl::Home() const {
    return QRect(qRound(home_.x() * zoom_), qRound(home_.y() * zoom_), Width(),
                 qRound(home_.height() * zoom_));
}

int TempoControl::Width() const {
    return qRound(width_ * zoom_);
}

void TempoControl::Place(bool resized) {
    // Without status bar (the compact layout) it goes into the spare row, if there is one.
    QBoxLayout* row = statusBar_->isHidden() ? spareRow_ : nullptr;
    const bool narrow =
        shown_->width() <= Home().right() && (row != nullptr || !statusBar_->isHidden());
    if (narrow == outside_ && !resized) {
        return;
    }
    const bool wasOutside = outside_;
    outside_ = narrow;
    label_->setMinimumWidth(Width() - 8);
    if (narrow) {
        layout_->setDirection(QBoxLayout::LeftToRight);
        layout_->setSpacing(6);
        label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setFixedWidth(Width() + 6 + qRound(140 * zoom_));
        if (!wasOutside && row != nullptr) {
            row->insertWidget(0, this);
        } else if (!wasOutside) {
            statusBar_->insertPermanentWidget(0, this);
        }
    } else {
        if (wasOutside) {
            // Taken back from the status bar or the spare row, whichever held it.
            statusBar_->removeWidget(this);
            setParent(toolbar_);
        }
        layout_->setDirection(QBoxLayout::TopToBottom);
        layout_->setSpacing(0);
        label_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        setFixedWidth(Width());
        setGeometry(Home());
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
