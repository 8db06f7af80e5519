#include "export/backends/SndfileCodec.h"

#include "core/Error.h"
#include "core/Translate.h"
#include "export/backends/MemoryFile.h"

#include <sndfile.h>

#include <algorithm>
#include <memory>
#include <string>

namespace arvento::exporting {

namespace {

// Sound is handed to the encoder a second at a time, to report progress.
constexpr sf_count_t kChunkFrames = 44100;

int SndfileFormat(AudioFormat format) {
  switch (format) {
    case AudioFormat::Wav:
      return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case AudioFormat::Flac:
      return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case AudioFormat::Ogg:
      return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    case AudioFormat::Mp3:
      return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    case AudioFormat::M4r:
      break;
  }
  throw Error(Tr("libsndfile не пишет формат %1", ShownDescription(format)));
}

// libsndfile's virtual I/O on a file in memory.
sf_count_t Length(void* data) {
  return static_cast<MemoryFile*>(data)->Size();
}

sf_count_t Seek(sf_count_t offset, int whence, void* data) {
  return static_cast<MemoryFile*>(data)->Seek(offset, whence);
}

sf_count_t Read(void* to, sf_count_t count, void* data) {
  return static_cast<MemoryFile*>(data)->Read(to, count);
}

sf_count_t Write(const void* from, sf_count_t count, void* data) {
  return static_cast<MemoryFile*>(data)->Write(from, count);
}

sf_count_t Tell(void* data) {
  return static_cast<MemoryFile*>(data)->at;
}

struct Closer {
  void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, Closer>;

} // namespace

std::vector<std::uint8_t> EncodeWithSndfile(AudioFormat format, std::span<const float> interleavedStereo,
                                            int sampleRate, const Progress& progress,
                                            const WrittenBytes& written) {
  MemoryFile memory;
  std::size_t handed = 0;
  const auto handOn = [&] {
    if (written && memory.bytes.size() > handed)
      written(std::span(memory.bytes).subspan(handed));
    handed = memory.bytes.size();
  };
  SF_VIRTUAL_IO io = {Length, Seek, Read, Write, Tell};
  SF_INFO info{};
  info.samplerate = sampleRate;
  info.channels = 2;
  info.format = SndfileFormat(format);
  SoundFile file(sf_open_virtual(&io, SFM_WRITE, &info, &memory));
  if (!file)
    throw Error(Tr("Не удалось начать запись %1: %2", ShownDescription(format), sf_strerror(nullptr)));
  // Samples beyond full scale are clipped, not wrapped round, in 16-bit files.
  sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
  const auto frames = static_cast<sf_count_t>(interleavedStereo.size() / 2);
  for (sf_count_t done = 0; done < frames;) {
    const sf_count_t chunk = std::min(kChunkFrames, frames - done);
    if (sf_writef_float(file.get(), interleavedStereo.data() + 2 * done, chunk) != chunk)
      throw Error(Tr("Не удалось записать %1: %2", ShownDescription(format), sf_strerror(file.get())));
    done += chunk;
    handOn();
    progress.Report(static_cast<double>(done) / static_cast<double>(frames));
  }
  if (sf_close(file.release()) != 0)
    throw Error(Tr("Не удалось закончить запись %1", ShownDescription(format)));
  handOn();
  return std::move(memory.bytes);
}

std::vector<float> DecodeWithSndfile(std::span<const std::uint8_t> bytes) {
  MemoryFile memory{{bytes.begin(), bytes.end()}};
  SF_VIRTUAL_IO io = {Length, Seek, Read, Write, Tell};
  SF_INFO info{};
  SoundFile file(sf_open_virtual(&io, SFM_READ, &info, &memory));
  if (!file || info.channels != 2)
    throw Error(Tr("Не удалось прочитать записанный звук: %1", sf_strerror(file.get())));
  std::vector<float> samples(static_cast<std::size_t>(info.frames) * 2);
  samples.resize(static_cast<std::size_t>(sf_readf_float(file.get(), samples.data(), info.frames)) * 2);
  return samples;
}

} // namespace arvento::exporting
