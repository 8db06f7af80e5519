#include "AudioReading.h"

#include "TestSupport.h"

#include <ebur128.h>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <sstream>

namespace fs = std::filesystem;

namespace arvento::test {

namespace {

std::string FormatName(int format) {
  SF_FORMAT_INFO info{};
  info.format = format;
  sf_command(nullptr, SFC_GET_FORMAT_INFO, &info, sizeof info);
  return info.name != nullptr ? info.name : "?";
}

// Format, codec, channels, rate, length and samples as libsndfile reads them.
void ReadWithSndfile(const fs::path& file, AudioReading& audio) {
  SF_INFO info{};
  SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
  ASSERT_NE(sound, nullptr) << "libsndfile cannot read " << file << ": " << sf_strerror(nullptr);
  audio.format = FormatName(info.format & SF_FORMAT_TYPEMASK);
  audio.codec = FormatName(info.format & SF_FORMAT_SUBMASK);
  audio.channels = info.channels;
  audio.sampleRate = info.samplerate;
  audio.seconds = static_cast<double>(info.frames) / info.samplerate;
  std::vector<float> samples(static_cast<std::size_t>(info.frames * info.channels));
  const sf_count_t read = sf_readf_float(sound, samples.data(), info.frames);
  sf_close(sound);
  ASSERT_EQ(read, info.frames) << file;
  ASSERT_EQ(info.channels, 2) << file;
  audio.samples = std::move(samples);
}

// The "key=value" lines of ffprobe for the file.
std::map<std::string, std::string> Probe(const fs::path& file) {
  const CommandResult probe =
      RunCommand("ffprobe -v error -show_entries "
                 "format=format_name,duration:format_tags:stream=codec_name,channels,sample_rate:stream_tags "
                 "-of default=noprint_wrappers=1 '" +
                 file.string() + "'");
  EXPECT_EQ(probe.status, 0) << "ffprobe cannot read " << file << ": " << probe.err;
  std::map<std::string, std::string> entries;
  std::istringstream lines(probe.out);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos)
      entries[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return entries;
}

void Measure(AudioReading& audio) {
  ebur128_state* meter =
      ebur128_init(2, static_cast<unsigned long>(audio.sampleRate), EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
  ASSERT_NE(meter, nullptr);
  ebur128_add_frames_float(meter, audio.samples.data(), audio.samples.size() / 2);
  double left = 0, right = 0;
  ebur128_loudness_global(meter, &audio.loudness);
  ebur128_true_peak(meter, 0, &left);
  ebur128_true_peak(meter, 1, &right);
  ebur128_destroy(&meter);
  audio.truePeak = 20 * std::log10(std::max(left, right));
}

} // namespace

AudioReading ReadAudio(const fs::path& file) {
  AudioReading audio;
  const std::map<std::string, std::string> probe = Probe(file);
  for (const auto& [key, value] : probe) {
    if (!key.starts_with("TAG:"))
      continue;
    std::string name = key.substr(4);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    audio.tags[name] = value;
  }
  if (file.extension() == ".m4r") {
    // The sound as ffmpeg decodes it; the container's figures as ffprobe reads them.
    const TempDir dir;
    const fs::path decoded = dir.path() / "decoded.wav";
    const CommandResult ffmpeg =
        RunCommand("ffmpeg -v error -i '" + file.string() + "' -c:a pcm_f32le '" + decoded.string() + "'");
    EXPECT_EQ(ffmpeg.status, 0) << "ffmpeg cannot decode " << file << ": " << ffmpeg.err;
    ReadWithSndfile(decoded, audio);
    audio.format = probe.count("format_name") ? probe.at("format_name") : "";
    audio.codec = probe.count("codec_name") ? probe.at("codec_name") : "";
    audio.channels = probe.count("channels") ? std::stoi(probe.at("channels")) : 0;
    audio.sampleRate = probe.count("sample_rate") ? std::stoi(probe.at("sample_rate")) : 0;
    audio.seconds = probe.count("duration") ? std::stod(probe.at("duration")) : 0;
  } else {
    ReadWithSndfile(file, audio);
  }
  if (audio.sampleRate > 0 && !audio.samples.empty())
    Measure(audio);
  return audio;
}

double PeakDb(const AudioReading& audio, double from, double to) {
  const auto frame = [&](double seconds) {
    return std::min(audio.samples.size() / 2,
                    static_cast<std::size_t>(std::max(0.0, seconds) * audio.sampleRate));
  };
  float peak = 0;
  for (std::size_t i = 2 * frame(from); i < 2 * frame(to); ++i)
    peak = std::max(peak, std::fabs(audio.samples[i]));
  return 20 * std::log10(peak);
}

} // namespace arvento::test
