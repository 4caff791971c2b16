#include "outside/video/core/VideoClip.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

#include "platform/files/RegularFile.h"

namespace vantorel::video {

// The player's own handle on one regular file, or bytes in memory.
class ClipSource {
 public:
  virtual ~ClipSource() = default;
  virtual int read(uint8_t* out, int size) = 0;
  virtual int64_t seek(int64_t offset, int whence) = 0;
};

namespace {

constexpr int kIoBufferSize = 64 * 1024;
// Packets of other streams, or packets that give no picture, before the clip counts as ended.
constexpr int kMaxPacketsPerFrame = 4096;
// Frames decoded forward from a seek point before giving up on the target time.
constexpr int kMaxFramesPerSeek = 10000;
constexpr auto kOpenTimeLimit = std::chrono::seconds(5);
constexpr auto kReadTimeLimit = std::chrono::seconds(2);

class FileSource final : public ClipSource {
 public:
  explicit FileSource(files::FilePtr file) : owner_(std::move(file)), file_(owner_.get()) {}
  int read(uint8_t* out, int size) override {
    const size_t n = std::fread(out, 1, static_cast<size_t>(size), file_);
    return n == 0 ? AVERROR_EOF : static_cast<int>(n);
  }
  int64_t seek(int64_t offset, int whence) override {
    if (whence == AVSEEK_SIZE) {
      const long here = std::ftell(file_);
      if (std::fseek(file_, 0, SEEK_END) != 0) return -1;
      const long size = std::ftell(file_);
      std::fseek(file_, here, SEEK_SET);
      return size;
    }
    if (std::fseek(file_, static_cast<long>(offset), whence & ~AVSEEK_FORCE) != 0) return -1;
    return std::ftell(file_);
  }

 private:
  files::FilePtr owner_;
  std::FILE* file_;
};

class MemorySource final : public ClipSource {
 public:
  explicit MemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
  int read(uint8_t* out, int size) override {
    if (position_ >= bytes_.size()) return AVERROR_EOF;
    const size_t n = std::min(static_cast<size_t>(size), bytes_.size() - position_);
    std::memcpy(out, bytes_.data() + position_, n);
    position_ += n;
    return static_cast<int>(n);
  }
  int64_t seek(int64_t offset, int whence) override {
    const auto size = static_cast<int64_t>(bytes_.size());
    int64_t target = 0;
    switch (whence & ~AVSEEK_FORCE) {
      case AVSEEK_SIZE: return size;
      case SEEK_SET: target = offset; break;
      case SEEK_CUR: target = static_cast<int64_t>(position_) + offset; break;
      case SEEK_END: target = size + offset; break;
      default: return -1;
    }
    if (target < 0 || target > size) return -1;
    position_ = static_cast<size_t>(target);
    return target;
  }

 private:
  std::string bytes_;
  size_t position_ = 0;
};

int readPacket(void* opaque, uint8_t* out, int size) {
  return static_cast<ClipSource*>(opaque)->read(out, size);
}

int64_t seekSource(void* opaque, int64_t offset, int whence) {
  return static_cast<ClipSource*>(opaque)->seek(offset, whence);
}

// Nothing but the one file: playlists and lists of other files do not reach the disc or the net.
int refuseNestedOpen(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**) {
  return AVERROR(EPERM);
}

struct Deadline {
  std::chrono::steady_clock::time_point until;
};

int pastDeadline(void* opaque) {
  return std::chrono::steady_clock::now() > static_cast<Deadline*>(opaque)->until ? 1 : 0;
}

std::string errorText(int code) {
  char buffer[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, buffer, sizeof buffer);
  return buffer;
}

bool usableRate(AVRational r) {
  if (r.num <= 0 || r.den <= 0) return false;
  const double fps = av_q2d(r);
  return fps >= 0.5 && fps <= 240;
}

}  // namespace

struct VideoClip::Impl {
  std::unique_ptr<ClipSource> source;
  AVIOContext* io = nullptr;
  AVFormatContext* format = nullptr;
  AVCodecContext* codec = nullptr;
  AVFrame* frame = nullptr;    // the frame held
  AVFrame* decoded = nullptr;  // the frame being decoded
  AVPacket* packet = nullptr;
  SwsContext* scaler = nullptr;
  Deadline deadline;
  int stream = -1;
  AVRational timeBase{1, 1};
  int64_t startTime = 0;  // in the stream's time base
  double fps = kFallbackFramesPerSecond;
  int64_t interval = 40000;
  int64_t duration = 0;
  int64_t position = 0;         // of the frame held
  int64_t decodedPosition = 0;  // of the frame last decoded
  bool holding = false;
  bool pending = false;  // `decoded` holds the frame after the one held
  bool draining = false;
  bool ended = false;
  int decodedCount = 0;

  ~Impl() {
    sws_freeContext(scaler);
    av_frame_free(&frame);
    av_frame_free(&decoded);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    if (io) {
      av_freep(&io->buffer);
      avio_context_free(&io);
    }
  }

  void allowFor(std::chrono::steady_clock::duration limit) {
    deadline.until = std::chrono::steady_clock::now() + limit;
  }

  int64_t micros(int64_t pts) const { return av_rescale_q(pts - startTime, timeBase, AVRational{1, 1000000}); }

  // The next picture into `decoded`; false at the end or on a clip that gives no more.
  bool decodeOne() {
    if (ended) return false;
    allowFor(kReadTimeLimit);
    for (int guard = 0; guard < kMaxPacketsPerFrame; ++guard) {
      const int got = avcodec_receive_frame(codec, decoded);
      if (got == 0) {
        const int64_t pts = decoded->best_effort_timestamp;
        const int64_t previous = decodedPosition;
        if (decodedCount == 0) {
          decodedPosition = pts == AV_NOPTS_VALUE ? 0 : micros(pts);
        } else if (pts == AV_NOPTS_VALUE || micros(pts) <= previous) {
          // No time, or one that goes back: the frame follows the last one at the clip's rate.
          decodedPosition = previous + interval;
        } else {
          decodedPosition = micros(pts);
        }
        ++decodedCount;
        return true;
      }
      if (got == AVERROR_EOF) break;
      if (got != AVERROR(EAGAIN)) continue;  // a damaged frame: try the next packet
      if (draining) break;
      const int read = av_read_frame(format, packet);
      if (read < 0) {
        // End of the file (or a damaged tail): let the decoder hand out what it still holds.
        draining = true;
        avcodec_send_packet(codec, nullptr);
        continue;
      }
      if (packet->stream_index == stream) avcodec_send_packet(codec, packet);
      av_packet_unref(packet);
    }
    ended = true;
    return false;
  }

  void hold() {
    av_frame_unref(frame);
    av_frame_move_ref(frame, decoded);
    position = decodedPosition;
    holding = true;
    pending = false;
  }

  bool rewind(int64_t target) {
    const int64_t ts = av_rescale_q(target, AVRational{1, 1000000}, timeBase) + startTime;
    allowFor(kReadTimeLimit);
    if (av_seek_frame(format, stream, ts, AVSEEK_FLAG_BACKWARD) < 0 &&
        avformat_seek_file(format, stream, INT64_MIN, startTime, startTime, 0) < 0)
      return false;
    avcodec_flush_buffers(codec);
    draining = false;
    ended = false;
    pending = false;
    decodedCount = 0;
    decodedPosition = 0;
    return true;
  }
};

VideoClip::VideoClip(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
VideoClip::~VideoClip() = default;

namespace {

VideoClip::Opened fault(ClipFault f, std::string detail = {}) {
  VideoClip::Opened o;
  o.fault = f;
  o.detail = std::move(detail);
  return o;
}

}  // namespace

VideoClip::Opened VideoClip::openFile(const std::string& path) {
  files::FilePtr file = files::openRegularFile(path);
  if (!file) {
    std::error_code ec;
    return fault(std::filesystem::exists(path, ec) ? ClipFault::NotAFile : ClipFault::NotFound, path);
  }
  return openSource(std::make_unique<FileSource>(std::move(file)), path);
}

VideoClip::Opened VideoClip::openBytes(std::string bytes, const std::string& name) {
  return openSource(std::make_unique<MemorySource>(std::move(bytes)), name);
}

VideoClip::Opened VideoClip::openSource(std::unique_ptr<ClipSource> source, const std::string& name) {
  // The player shows its faults in its own window; FFmpeg's notes on damaged files would only
  // fill the terminal.
  static const bool quiet = [] {
    av_log_set_level(AV_LOG_QUIET);
    return true;
  }();
  (void)quiet;
  auto impl = std::make_unique<Impl>();
  impl->source = std::move(source);
  auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
  if (!buffer) return fault(ClipFault::NotAVideo, "out of memory");
  impl->io = avio_alloc_context(buffer, kIoBufferSize, 0, impl->source.get(), readPacket, nullptr, seekSource);
  if (!impl->io) {
    av_free(buffer);
    return fault(ClipFault::NotAVideo, "out of memory");
  }
  impl->format = avformat_alloc_context();
  if (!impl->format) return fault(ClipFault::NotAVideo, "out of memory");
  impl->format->pb = impl->io;
  impl->format->flags |= AVFMT_FLAG_CUSTOM_IO;
  impl->format->io_open = refuseNestedOpen;
  impl->format->interrupt_callback = AVIOInterruptCB{pastDeadline, &impl->deadline};
  impl->allowFor(kOpenTimeLimit);
  AVDictionary* options = nullptr;
  av_dict_set(&options, "protocol_whitelist", "none", 0);
  int r = avformat_open_input(&impl->format, name.c_str(), nullptr, &options);
  av_dict_free(&options);
  if (r < 0) {
    impl->format = nullptr;  // freed by the failed open
    return fault(ClipFault::NotAVideo, errorText(r));
  }
  r = avformat_find_stream_info(impl->format, nullptr);
  if (r < 0) return fault(ClipFault::NotAVideo, errorText(r));

  const AVCodec* decoder = nullptr;
  impl->stream = av_find_best_stream(impl->format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
  if (impl->stream == AVERROR_DECODER_NOT_FOUND) return fault(ClipFault::Unsupported, "no decoder");
  if (impl->stream < 0 || !decoder) return fault(ClipFault::NoPicture, "no video stream");
  AVStream* stream = impl->format->streams[impl->stream];
  const AVCodecParameters* parameters = stream->codecpar;
  if (parameters->width <= 0 || parameters->height <= 0 || parameters->width > kMaxFrameSide ||
      parameters->height > kMaxFrameSide)
    return fault(ClipFault::Unsupported, "frame size");
  impl->codec = avcodec_alloc_context3(decoder);
  if (!impl->codec || avcodec_parameters_to_context(impl->codec, parameters) < 0)
    return fault(ClipFault::Unsupported, "decoder set-up");
  impl->codec->thread_count = 1;  // decoding stays on the thread that plays
  r = avcodec_open2(impl->codec, decoder, nullptr);
  if (r < 0) return fault(ClipFault::Unsupported, errorText(r));

  impl->timeBase = stream->time_base.num > 0 && stream->time_base.den > 0 ? stream->time_base : AVRational{1, 1000000};
  impl->startTime = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
  const AVRational rate = usableRate(stream->avg_frame_rate) ? stream->avg_frame_rate
                          : usableRate(stream->r_frame_rate) ? stream->r_frame_rate
                                                             : AVRational{0, 1};
  impl->fps = rate.num > 0 ? av_q2d(rate) : kFallbackFramesPerSecond;
  impl->interval = static_cast<int64_t>(1e6 / impl->fps);
  if (impl->format->duration > 0) {
    impl->duration = av_rescale_q(impl->format->duration, AV_TIME_BASE_Q, AVRational{1, 1000000});
  } else if (stream->duration > 0) {
    impl->duration = av_rescale_q(stream->duration, impl->timeBase, AVRational{1, 1000000});
  }
  impl->frame = av_frame_alloc();
  impl->decoded = av_frame_alloc();
  impl->packet = av_packet_alloc();
  if (!impl->frame || !impl->decoded || !impl->packet) return fault(ClipFault::NotAVideo, "out of memory");

  // A clip is only a clip when at least its first picture decodes.
  if (!impl->decodeOne()) return fault(ClipFault::NoPicture, "no frame decodes");
  impl->hold();
  Opened opened;
  opened.clip.reset(new VideoClip(std::move(impl)));
  return opened;
}

int VideoClip::width() const {
  return impl_->frame->width > 0 ? impl_->frame->width : impl_->codec->width;
}

int VideoClip::height() const {
  return impl_->frame->height > 0 ? impl_->frame->height : impl_->codec->height;
}

double VideoClip::pixelAspect() const {
  const AVRational sar = impl_->frame->sample_aspect_ratio;
  if (sar.num <= 0 || sar.den <= 0) return 1;
  const double aspect = av_q2d(sar);
  return aspect >= 0.1 && aspect <= 10 ? aspect : 1;
}

double VideoClip::framesPerSecond() const {
  return impl_->fps;
}

int64_t VideoClip::frameIntervalMicros() const {
  return impl_->interval;
}

int64_t VideoClip::durationMicros() const {
  return impl_->duration;
}

int64_t VideoClip::positionMicros() const {
  return impl_->position;
}

int VideoClip::framesDecoded() const {
  return impl_->decodedCount;
}

bool VideoClip::next() {
  if (impl_->pending) {
    impl_->hold();
    return true;
  }
  if (!impl_->decodeOne()) return false;
  impl_->hold();
  return true;
}

bool VideoClip::seek(int64_t micros) {
  micros = std::max<int64_t>(micros, 0);
  if (!impl_->rewind(micros) || !impl_->decodeOne()) return false;
  impl_->hold();
  // From the key frame before the target, decode forward to the last frame that starts by then;
  // a frame decoded beyond it waits for the next step of playing.
  for (int i = 0; i < kMaxFramesPerSeek && impl_->position < micros; ++i) {
    if (!impl_->decodeOne()) break;
    if (impl_->decodedPosition > micros) {
      impl_->pending = true;
      break;
    }
    impl_->hold();
  }
  return true;
}

bool VideoClip::copyFrame(int width, int height, uint8_t* pixels, int stride) {
  const AVFrame* f = impl_->frame;
  if (!impl_->holding || !pixels || width <= 0 || height <= 0 || width > kMaxFrameSide || height > kMaxFrameSide ||
      stride < width * 4 || f->width <= 0 || f->height <= 0 || f->format < 0)
    return false;
  impl_->scaler = sws_getCachedContext(impl_->scaler, f->width, f->height, static_cast<AVPixelFormat>(f->format), width,
                                       height, AV_PIX_FMT_RGB32, SWS_BICUBIC, nullptr, nullptr, nullptr);
  if (!impl_->scaler) return false;
  uint8_t* planes[4] = {pixels, nullptr, nullptr, nullptr};
  const int strides[4] = {stride, 0, 0, 0};
  return sws_scale(impl_->scaler, f->data, f->linesize, 0, f->height, planes, strides) == height;
}

const char* faultName(ClipFault fault) {
  switch (fault) {
    case ClipFault::None: return "none";
    case ClipFault::NotFound: return "not found";
    case ClipFault::NotAFile: return "not a file";
    case ClipFault::NotAVideo: return "not a video";
    case ClipFault::NoPicture: return "no picture";
    case ClipFault::Unsupported: return "unsupported";
  }
  return "?";
}

}  // namespace vantorel::video
