// The AAC module: FFmpeg's AAC encoder and MPEG-4 muxer, and the demuxer and
// decoder that read the file back, all in memory. Built as a module of its
// own and loaded by AacCodec.cpp on the first m4r export.

#include "export/backends/AacModuleEntry.h"

#include "core/Translate.h"
#include "export/backends/MemoryFile.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>

namespace arvento::exporting {

namespace {

// A ringtone sounds through a telephone's speaker: 160 kb/s is transparent there.
constexpr std::int64_t kBitRate = 160000;
constexpr int kIoBufferBytes = 64 * 1024;

// FFmpeg reports trouble through the return values that the messages below
// carry; its own log would only repeat them on standard error.
void QuietLog() {
  static std::once_flag once;
  std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

std::string Reason(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

// failure is the source text of what went wrong, %1 in it standing for FFmpeg's reason.
void Check(int code, const char* failure) {
  if (code < 0)
    throw AacFailure{failure, Reason(code)};
}

template <class T, void (*Free)(T**)> struct FreeWith {
  void operator()(T* pointer) const { Free(&pointer); }
};
using CodecContext = std::unique_ptr<AVCodecContext, FreeWith<AVCodecContext, avcodec_free_context>>;
using Frame = std::unique_ptr<AVFrame, FreeWith<AVFrame, av_frame_free>>;
using Packet = std::unique_ptr<AVPacket, FreeWith<AVPacket, av_packet_free>>;
using Resampler = std::unique_ptr<SwrContext, FreeWith<SwrContext, swr_free>>;

// A converter between two sample formats of one channel layout and rate, with
// the frame and packet the coder works through; failure tells why it did not open.
struct Conversion {
  Conversion(AVChannelLayout& layout, AVSampleFormat to, AVSampleFormat from, int rate, const char* failure) {
    SwrContext* raw = nullptr;
    Check(swr_alloc_set_opts2(&raw, &layout, to, rate, &layout, from, rate, 0, nullptr), failure);
    resampler.reset(raw);
    Check(swr_init(resampler.get()), failure);
    if (!frame || !packet)
      throw AacFailure{TrLater("Не хватает памяти для AAC"), {}};
  }
  Resampler resampler;
  Frame frame{av_frame_alloc()};
  Packet packet{av_packet_alloc()};
};

struct IoFree {
  void operator()(AVIOContext* io) const {
    av_freep(&io->buffer);
    avio_context_free(&io);
  }
};
using Io = std::unique_ptr<AVIOContext, IoFree>;

struct OutputFree {
  void operator()(AVFormatContext* format) const { avformat_free_context(format); }
};
struct InputFree {
  void operator()(AVFormatContext* format) const { avformat_close_input(&format); }
};

// FFmpeg's I/O on the file in memory that the muxer writes and the demuxer
// reads.
int ReadPacket(void* data, std::uint8_t* to, int size) {
  const auto read = static_cast<int>(static_cast<MemoryFile*>(data)->Read(to, size));
  return read == 0 ? AVERROR_EOF : read;
}

int WritePacket(void* data, std::uint8_t* from, int size) {
  return static_cast<int>(static_cast<MemoryFile*>(data)->Write(from, size));
}

std::int64_t SeekPacket(void* data, std::int64_t offset, int whence) {
  MemoryFile& file = *static_cast<MemoryFile*>(data);
  whence &= ~AVSEEK_FORCE;
  if (whence == AVSEEK_SIZE)
    return file.Size();
  if (whence != SEEK_SET && whence != SEEK_CUR && whence != SEEK_END)
    return AVERROR(EINVAL);
  return file.Seek(offset, whence);
}

Io MemoryIo(MemoryFile& file, bool write) {
  auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferBytes));
  if (buffer == nullptr)
    throw AacFailure{TrLater("Не хватает памяти для AAC"), {}};
  AVIOContext* io =
      avio_alloc_context(buffer, kIoBufferBytes, write ? 1 : 0, &file, write ? nullptr : ReadPacket,
                         write ? WritePacket : nullptr, SeekPacket);
  if (io == nullptr) {
    av_free(buffer);
    throw AacFailure{TrLater("Не хватает памяти для AAC"), {}};
  }
  return Io(io);
}

// Sends one frame to the encoder (none to drain it) and writes every packet
// it has ready into the file.
void EncodeFrame(AVCodecContext& encoder, const AVFrame* frame, AVFormatContext& format, AVStream& stream,
                 AVPacket& packet) {
  Check(avcodec_send_frame(&encoder, frame), TrLater("Кодер AAC не принял звук: %1"));
  for (;;) {
    const int received = avcodec_receive_packet(&encoder, &packet);
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
      return;
    Check(received, TrLater("Кодер AAC не выдал звук: %1"));
    av_packet_rescale_ts(&packet, encoder.time_base, stream.time_base);
    packet.stream_index = stream.index;
    Check(av_interleaved_write_frame(&format, &packet),
          TrLater("Не удалось записать звук в контейнер MPEG-4: %1"));
  }
}

std::vector<std::uint8_t> EncodeAacMp4(std::span<const float> interleavedStereo, int sampleRate,
                                       const Progress& progress) {
  QuietLog();
  const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_AAC);
  if (codec == nullptr)
    throw AacFailure{TrLater("В FFmpeg нет кодера AAC"), {}};
  // The ipod muxer writes MPEG-4 audio with the M4A brand that ringtones carry.
  AVFormatContext* rawFormat = nullptr;
  Check(avformat_alloc_output_context2(&rawFormat, nullptr, "ipod", nullptr),
        TrLater("Нет контейнера MPEG-4: %1"));
  const std::unique_ptr<AVFormatContext, OutputFree> format(rawFormat);

  const CodecContext encoder(avcodec_alloc_context3(codec));
  if (!encoder)
    throw AacFailure{TrLater("Не хватает памяти для AAC"), {}};
  encoder->sample_fmt = AV_SAMPLE_FMT_FLTP;
  encoder->sample_rate = sampleRate;
  encoder->bit_rate = kBitRate;
  encoder->time_base = {1, sampleRate};
  av_channel_layout_default(&encoder->ch_layout, 2);
  if (format->oformat->flags & AVFMT_GLOBALHEADER)
    encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  // The fast coder takes half the time of the default one, and at this bit
  // rate no telephone speaker tells them apart.
  av_opt_set(encoder->priv_data, "aac_coder", "fast", 0);
  Check(avcodec_open2(encoder.get(), codec, nullptr), TrLater("Кодер AAC не открылся: %1"));

  AVStream* stream = avformat_new_stream(format.get(), nullptr);
  if (stream == nullptr)
    throw AacFailure{TrLater("Не хватает памяти для AAC"), {}};
  stream->time_base = encoder->time_base;
  Check(avcodec_parameters_from_context(stream->codecpar, encoder.get()),
        TrLater("Кодер AAC не описал поток: %1"));

  MemoryFile memory;
  const Io io = MemoryIo(memory, true);
  format->pb = io.get();
  Check(avformat_write_header(format.get(), nullptr), TrLater("Не удалось начать файл MPEG-4: %1"));

  // The encoder takes the left and right samples apart, in frames of its own size.
  const Conversion split(encoder->ch_layout, AV_SAMPLE_FMT_FLTP, AV_SAMPLE_FMT_FLT, sampleRate,
                         TrLater("Не удалось разделить каналы: %1"));
  const auto frames = static_cast<std::int64_t>(interleavedStereo.size() / 2);
  for (std::int64_t done = 0; done < frames;) {
    const int count = static_cast<int>(std::min<std::int64_t>(encoder->frame_size, frames - done));
    split.frame->nb_samples = count;
    split.frame->format = AV_SAMPLE_FMT_FLTP;
    split.frame->sample_rate = sampleRate;
    Check(av_channel_layout_copy(&split.frame->ch_layout, &encoder->ch_layout),
          TrLater("Не удалось разделить каналы: %1"));
    Check(av_frame_get_buffer(split.frame.get(), 0), TrLater("Не хватает памяти для AAC: %1"));
    const auto* in = reinterpret_cast<const std::uint8_t*>(interleavedStereo.data() + 2 * done);
    Check(swr_convert(split.resampler.get(), split.frame->data, count, &in, count),
          TrLater("Не удалось разделить каналы: %1"));
    split.frame->pts = done;
    EncodeFrame(*encoder, split.frame.get(), *format, *stream, *split.packet);
    av_frame_unref(split.frame.get());
    done += count;
    progress.Report(static_cast<double>(done) / static_cast<double>(frames));
  }
  EncodeFrame(*encoder, nullptr, *format, *stream, *split.packet);
  Check(av_write_trailer(format.get()), TrLater("Не удалось закончить файл MPEG-4: %1"));
  avio_flush(io.get());
  return std::move(memory.bytes);
}

std::vector<float> DecodeAacMp4(std::span<const std::uint8_t> bytes) {
  QuietLog();
  MemoryFile memory{{bytes.begin(), bytes.end()}};
  const Io io = MemoryIo(memory, false);
  AVFormatContext* rawFormat = avformat_alloc_context();
  if (rawFormat == nullptr)
    throw AacFailure{TrLater("Не хватает памяти для AAC"), {}};
  rawFormat->pb = io.get();
  // On failure avformat_open_input frees the context itself.
  Check(avformat_open_input(&rawFormat, nullptr, nullptr, nullptr),
        TrLater("Не удалось прочитать записанный AAC: %1"));
  const std::unique_ptr<AVFormatContext, InputFree> format(rawFormat);
  Check(avformat_find_stream_info(format.get(), nullptr), TrLater("Не удалось прочитать записанный AAC: %1"));
  const AVCodec* codec = nullptr;
  const int streamIndex = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
  Check(streamIndex, TrLater("В записанном файле нет звука: %1"));
  const CodecContext decoder(avcodec_alloc_context3(codec));
  if (!decoder)
    throw AacFailure{TrLater("Не хватает памяти для AAC"), {}};
  Check(avcodec_parameters_to_context(decoder.get(), format->streams[streamIndex]->codecpar),
        TrLater("Не удалось прочитать записанный AAC: %1"));
  Check(avcodec_open2(decoder.get(), codec, nullptr), TrLater("Декодер AAC не открылся: %1"));

  const Conversion mix(decoder->ch_layout, AV_SAMPLE_FMT_FLT, decoder->sample_fmt, decoder->sample_rate,
                       TrLater("Не удалось свести каналы: %1"));
  std::vector<float> samples;
  const auto takeFrames = [&] {
    for (;;) {
      const int received = avcodec_receive_frame(decoder.get(), mix.frame.get());
      if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
        return;
      Check(received, TrLater("Не удалось прочитать записанный AAC: %1"));
      const std::size_t at = samples.size();
      samples.resize(at + static_cast<std::size_t>(mix.frame->nb_samples) * 2);
      auto* out = reinterpret_cast<std::uint8_t*>(samples.data() + at);
      Check(swr_convert(mix.resampler.get(), &out, mix.frame->nb_samples,
                        const_cast<const std::uint8_t**>(mix.frame->extended_data), mix.frame->nb_samples),
            TrLater("Не удалось свести каналы: %1"));
    }
  };
  while (av_read_frame(format.get(), mix.packet.get()) >= 0) {
    if (mix.packet->stream_index == streamIndex) {
      Check(avcodec_send_packet(decoder.get(), mix.packet.get()),
            TrLater("Не удалось прочитать записанный AAC: %1"));
      takeFrames();
    }
    av_packet_unref(mix.packet.get());
  }
  Check(avcodec_send_packet(decoder.get(), nullptr), TrLater("Не удалось прочитать записанный AAC: %1"));
  takeFrames();
  return samples;
}

} // namespace

} // namespace arvento::exporting

const arvento::exporting::AacModuleEntry* ArventoAacModule() {
  static constexpr arvento::exporting::AacModuleEntry kEntry = {arvento::exporting::EncodeAacMp4,
                                                                arvento::exporting::DecodeAacMp4};
  return &kEntry;
}
