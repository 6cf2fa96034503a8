// A small clip player: shows one frame of an AVI clip or loops a range of frames.
#pragma once

#include "ClipDecoder.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <memory>

namespace tovak {

class TAnimate : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSize = 32;

    explicit TAnimate(QWidget* parent = nullptr);

    // Loads the clip and shows its first frame. A missing or unreadable file returns
    // false and leaves the control exactly as it was.
    bool SetFileName(const QString& path);
    QString FileName() const { return m_fileName; }
    int FrameCount() const;
    // 1-based number of the frame on show; 0 without a clip.
    int CurrentFrame() const;

    // Loops the frames fromFrame..toFrame (1-based, clamped to the clip) until stopped.
    // Without a clip nothing happens.
    void Play(int fromFrame, int toFrame);
    // Stops on the frame on show.
    void Stop();
    // Stops and shows one frame.
    void Seek(int frame);
    bool Active() const { return m_timer.isActive(); }

    QSize sizeHint() const override { return {kSize, kSize}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Advance();
    int ClampIndex(int frame) const;

    std::shared_ptr<const DecodedClip> m_clip;
    QString m_fileName;
    QTimer m_timer;
    // The frames scaled to the device pixels of the control, made when first shown.
    QVector<QImage> m_scaled;
    QSize m_scaledSize;
    int m_index = 0; // 0-based frame on show
    int m_first = 0;
    int m_last = 0;
};

} // namespace tovak
