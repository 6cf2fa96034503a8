#include "Animate.h"

#include "ClipCache.h"

#include <QPainter>

#include <algorithm>

namespace tovak {

TAnimate::TAnimate(QWidget* parent) : QWidget(parent) {
    resize(kSize, kSize);
    // No background of its own: the clips' transparent parts show the bus drawing underneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TAnimate::Advance);
}

bool TAnimate::SetFileName(const QString& path) {
    auto clip = LoadClip(path);
    if (!clip) {
        return false;
    }
    m_timer.stop();
    m_clip = std::move(clip);
    m_scaled.clear();
    m_fileName = path;
    m_index = m_first = m_last = 0;
    update();
    return true;
}

int TAnimate::FrameCount() const {
    return m_clip ? static_cast<int>(m_clip->frames.size()) : 0;
}

int TAnimate::CurrentFrame() const {
    return m_clip ? m_index + 1 : 0;
}

int TAnimate::ClampIndex(int frame) const {
    return std::clamp(frame, 1, std::max(FrameCount(), 1)) - 1;
}

void TAnimate::Play(int fromFrame, int toFrame) {
    if (!m_clip) {
        return;
    }
    m_first = ClampIndex(std::min(fromFrame, toFrame));
    m_last = ClampIndex(std::max(fromFrame, toFrame));
    m_index = m_first;
    m_timer.start(m_clip->frameIntervalMs);
    update();
}

void TAnimate::Stop() {
    m_timer.stop();
}

void TAnimate::Seek(int frame) {
    m_timer.stop();
    if (!m_clip) {
        return;
    }
    m_index = ClampIndex(frame);
    update();
}

void TAnimate::Advance() {
    m_index = m_index >= m_last ? m_first : m_index + 1;
    update();
}

void TAnimate::paintEvent(QPaintEvent* /*event*/) {
    if (!m_clip || m_index >= m_clip->frames.size()) {
        return;
    }
    const QImage& image = m_clip->frames.at(m_index);
    // Centred; the clip grows with a control larger than the usual size (the window's zoom),
    // and a clip larger than the control is shrunk to fit.
    QSize size = image.size();
    const int side = std::min(width(), height());
    if (side > kSize) {
        size = (QSizeF(size) * (double(side) / kSize)).toSize();
    }
    if (size.width() > width() || size.height() > height()) {
        const double factor =
            std::min(double(width()) / size.width(), double(height()) / size.height());
        size = QSize(std::max(1, int(size.width() * factor)),
                     std::max(1, int(size.height() * factor)));
    }
    const QPoint topLeft((width() - size.width()) / 2, (height() - size.height()) / 2);
    // Drawn pixel for pixel at the screen's scale: the frame is scaled once to the device
    // pixels it covers, smoothly (a whole multiple of a smaller clip stays crisp instead).
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(size) * ratio).toSize();
    QPainter painter(this);
    if (device == image.size()) {
        QImage frame = image;
        frame.setDevicePixelRatio(ratio);
        painter.drawImage(topLeft, frame);
        return;
    }
    if (m_scaledSize != device || m_scaled.size() != m_clip->frames.size()) {
        m_scaled = QVector<QImage>(m_clip->frames.size());
        m_scaledSize = device;
    }
    QImage& frame = m_scaled[m_index];
    if (frame.isNull()) {
        const bool whole = device.width() % image.width() == 0 &&
                           device.height() % image.height() == 0 && device.width() > image.width();
        frame = image.scaled(device, Qt::IgnoreAspectRatio,
                             whole ? Qt::FastTransformation : Qt::SmoothTransformation);
        frame.setDevicePixelRatio(ratio);
    }
    painter.drawImage(topLeft, frame);
}

} // namespace tovak
