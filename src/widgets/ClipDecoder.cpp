#include "ClipDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>

namespace tovak {
namespace {

// Clips are tiny; anything beyond these limits is a damaged or foreign file.
constexpr int kMaxSide = 1024;
constexpr qsizetype kMaxFrames = 5000;
constexpr qint64 kMaxPixels = 32LL * 1024 * 1024; // all frames together, 128 MB decoded
constexpr int kFallbackIntervalMs = 50;

struct FormatCloser {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct CodecFreer {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct PacketFreer {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameFreer {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct ScalerFreer {
    void operator()(SwsContext* s) const { sws_freeContext(s); }
};

int IntervalMs(const AVStream& stream) {
    for (AVRational rate : {stream.avg_frame_rate, stream.r_frame_rate,
                            AVRational{stream.time_base.den, stream.time_base.num}}) {
        if (rate.num > 0 && rate.den > 0) {
            const double ms = 1000.0 * rate.den / rate.num;
            if (ms >= 5.0 && ms <= 5000.0) {
                return static_cast<int>(std::lround(ms));
            }
        }
    }
    return kFallbackIntervalMs;
}

class FrameCollector {
public:
    FrameCollector(int width, int height) : m_width(width), m_height(height) {}

    // Converts one decoded frame; false if it does not fit the clip.
    bool Add(const AVFrame& frame) {
        const qint64 pixels = (frames.size() + 1) * qint64(m_width) * m_height;
        if (frame.width != m_width || frame.height != m_height || frames.size() >= kMaxFrames ||
            pixels > kMaxPixels) {
            return false;
        }
        m_scaler.reset(sws_getCachedContext(
            m_scaler.release(), m_width, m_height, static_cast<AVPixelFormat>(frame.format),
            m_width, m_height, AV_PIX_FMT_RGB32, SWS_POINT, nullptr, nullptr, nullptr));
        if (!m_scaler) {
            return false;
        }
        QImage image(m_width, m_height, QImage::Format_RGB32);
        if (image.isNull()) {
            return false;
        }
        uint8_t* dst[4] = {image.bits(), nullptr, nullptr, nullptr};
        const int dstStride[4] = {static_cast<int>(image.bytesPerLine()), 0, 0, 0};
        sws_scale(m_scaler.get(), frame.data, frame.linesize, 0, m_height, dst, dstStride);
        frames.append(image);
        return true;
    }

    QVector<QImage> frames;

private:
    int m_width;
    int m_height;
    std::unique_ptr<SwsContext, ScalerFreer> m_scaler;
};

// Drains the decoder; false on a decoding error or a frame that does not fit.
bool Receive(AVCodecContext& codec, AVFrame& frame, FrameCollector& out) {
    for (;;) {
        const int rc = avcodec_receive_frame(&codec, &frame);
        if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) {
            return true;
        }
        if (rc < 0) {
            return false;
        }
        const bool added = out.Add(frame);
        av_frame_unref(&frame);
        if (!added) {
            return false;
        }
    }
}

void MakeBackgroundTransparent(QVector<QImage>& frames) {
    const QRgb key = frames.front().pixel(0, 0);
    for (QImage& image : frames) {
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (line[x] == key) {
                    line[x] = 0;
                }
            }
        }
    }
}

} // namespace

std::shared_ptr<const DecodedClip> DecodeClip(const QString& path) {
    // A refused clip is an ordinary outcome here; keep the library quiet about it.
    av_log_set_level(AV_LOG_QUIET);

    // Only AVI is probed, so a stray file of another kind is refused, not misread.
    const AVInputFormat* avi = av_find_input_format("avi");
    AVFormatContext* rawFormat = nullptr;
    if (avi == nullptr ||
        avformat_open_input(&rawFormat, path.toUtf8().constData(), avi, nullptr) < 0) {
        return nullptr;
    }
    std::unique_ptr<AVFormatContext, FormatCloser> format(rawFormat);

    const AVCodec* decoder = nullptr;
    const int index = av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (index < 0 || decoder == nullptr) {
        return nullptr;
    }
    const AVStream& stream = *format->streams[index];
    const AVCodecParameters& params = *stream.codecpar;
    if (params.width <= 0 || params.height <= 0 || params.width > kMaxSide ||
        params.height > kMaxSide || stream.nb_frames > kMaxFrames) {
        return nullptr;
    }

    std::unique_ptr<AVCodecContext, CodecFreer> codec(avcodec_alloc_context3(decoder));
    std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
    std::unique_ptr<AVFrame, FrameFreer> frame(av_frame_alloc());
    if (!codec || !packet || !frame || avcodec_parameters_to_context(codec.get(), &params) < 0 ||
        avcodec_open2(codec.get(), decoder, nullptr) < 0) {
        return nullptr;
    }

    FrameCollector collector(params.width, params.height);
    while (av_read_frame(format.get(), packet.get()) >= 0) {
        bool ok = true;
        if (packet->stream_index == index) {
            ok = avcodec_send_packet(codec.get(), packet.get()) >= 0 &&
                 Receive(*codec, *frame, collector);
        }
        av_packet_unref(packet.get());
        if (!ok) {
            return nullptr;
        }
    }
    if (avcodec_send_packet(codec.get(), nullptr) < 0 || !Receive(*codec, *frame, collector)) {
        return nullptr;
    }
    // A clip shorter than its header says has been cut off; refuse it as a whole.
    if (collector.frames.isEmpty() ||
        (stream.nb_frames > 0 && collector.frames.size() < stream.nb_frames)) {
        return nullptr;
    }

    auto clip = std::make_shared<DecodedClip>();
    clip->frames = std::move(collector.frames);
    clip->frameIntervalMs = IntervalMs(stream);
    MakeBackgroundTransparent(clip->frames);
    return clip;
}

} // namespace tovak
