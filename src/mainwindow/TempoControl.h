// The tempo of continuous runs on the window: a slider from 2 s to 1 ms per Takt on a
// logarithmic scale, with "Schnelllauf" at its fast end, and its value in words above it.
// It shows and stores the same value as the settings dialog ("Main_Dauer").
#pragma once

#include <QFont>
#include <QWidget>
#include <iterator>

class QBoxLayout;
class QLabel;
class QSlider;
class QStatusBar;

namespace tovak {

class RunController;

class TempoControl final : public QWidget {
    Q_OBJECT

public:
    // The slider's steps from slow to fast; the step after the last is "Schnelllauf".
    static constexpr int kStufen[] = {2000, 1500, 1000, 700, 500, 400, 300, 200, 150, 100, 70, 50,
                                      40,   30,   20,   15,  10,  7,   5,   4,   3,   2,   1};
    static constexpr int kStufenzahl = static_cast<int>(std::size(kStufen));
    static constexpr int kSchnelllauf = kStufenzahl; // the slider position of "Schnelllauf"

    explicit TempoControl(QWidget* parent = nullptr);

    // From now on the run controller goes at the shown tempo; it takes the stored one at once.
    void Steuert(RunController& run);
    // Shows the stored setting again (after the settings dialog) and applies it.
    void ShowSetting();
    // Where the window is too narrow for the whole toolbar (a 1024-pixel projector), the
    // tempo moves into the status bar, label beside slider, and back when there is room;
    // while the status bar is hidden, into spareRow (in the menu bar) instead. shown is the
    // area that shows the toolbar.
    void KeepVisible(QWidget* shown, QStatusBar* statusBar, QBoxLayout* spareRow = nullptr);
    bool OutsideToolbar() const { return outside_; }
    // The window's projector zoom: its place in the toolbar and its texts grow with the
    // toolbar's buttons.
    void SetZoom(double factor);

    // The slider position nearest to a pace in milliseconds, on the logarithmic scale.
    static int Position(int ms);
    static QString Text(int ms, bool schnell);

    QSlider* Slider() const { return slider_; }
    QLabel* Label() const { return label_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SliderMoved(int position);
    void Apply();
    // resized: its size changed, so it is placed again even where it stays.
    void Place(bool resized = false);
    QRect Home() const;
    int Width() const;

    QSlider* slider_ = nullptr;
    QLabel* label_ = nullptr;
    RunController* run_ = nullptr;
    QBoxLayout* layout_ = nullptr;
    QWidget* shown_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QBoxLayout* spareRow_ = nullptr;
    QWidget* toolbar_ = nullptr;
    QRect home_; // its place in the toolbar at 100 %
    int width_ = 0;
    QFont font_;
    double zoom_ = 1.0;
    bool outside_ = false;
};

} // namespace tovak
