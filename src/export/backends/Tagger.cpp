#include "export/backends/Tagger.h"

#include "core/Error.h"
#include "core/Translate.h"

#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include <algorithm>
#include <iterator>

namespace arvento::exporting {

namespace {

TagLib::String Utf8(const std::string& text) {
  return TagLib::String(text, TagLib::String::UTF8);
}

// Each opens the file in the stream, sets its tags and saves it back into
// the stream; false when TagLib cannot.

bool TagWav(TagLib::ByteVectorStream& stream, const Tags& tags) {
  TagLib::RIFF::WAV::File file(&stream);
  if (!file.isValid())
    return false;
  file.InfoTag()->setTitle(Utf8(tags.title));
  return file.save(TagLib::RIFF::WAV::File::Info);
}

bool TagFlac(TagLib::ByteVectorStream& stream, const Tags& tags) {
  TagLib::FLAC::File file(&stream, TagLib::ID3v2::FrameFactory::instance());
  if (!file.isValid())
    return false;
  file.xiphComment(true)->setTitle(Utf8(tags.title));
  return file.save();
}

bool TagOgg(TagLib::ByteVectorStream& stream, const Tags& tags) {
  TagLib::Ogg::Vorbis::File file(&stream);
  if (!file.isValid())
    return false;
  file.tag()->setTitle(Utf8(tags.title));
  if (tags.loop)
    file.tag()->addField("ANDROID_LOOP", "true");
  return file.save();
}

// ID3v2.3: the version that every telephone reads.
bool TagMp3(TagLib::ByteVectorStream& stream, const Tags& tags) {
  TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance());
  if (!file.isValid())
    return false;
  file.ID3v2Tag(true)->setTitle(Utf8(tags.title));
  return file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers, TagLib::ID3v2::v3);
}

bool TagMp4(TagLib::ByteVectorStream& stream, const Tags& tags) {
  TagLib::MP4::File file(&stream);
  if (!file.isValid())
    return false;
  file.tag()->setTitle(Utf8(tags.title));
  return file.save();
}

using Tagger = bool (*)(TagLib::ByteVectorStream&, const Tags&);
struct FormatTagger {
  AudioFormat format;
  Tagger tag;
};
constexpr FormatTagger kTaggers[] = {
    {AudioFormat::Wav, TagWav}, {AudioFormat::Flac, TagFlac}, {AudioFormat::Ogg, TagOgg},
    {AudioFormat::Mp3, TagMp3}, {AudioFormat::M4r, TagMp4},
};
static_assert(std::size(kTaggers) == kFormats.size(), "a tagger for every format");

} // namespace

void WriteTags(std::vector<std::uint8_t>& file, AudioFormat format, const Tags& tags) {
  TagLib::ByteVectorStream stream(
      TagLib::ByteVector(reinterpret_cast<const char*>(file.data()), static_cast<unsigned>(file.size())));
  const auto tagger = std::find_if(std::begin(kTaggers), std::end(kTaggers),
                                   [format](const FormatTagger& entry) { return entry.format == format; });
  if (!tagger->tag(stream, tags))
    throw Error(Tr("Не удалось записать название в файл %1", ShownDescription(format)));
  const TagLib::ByteVector& tagged = *stream.data();
  file.assign(tagged.begin(), tagged.end());
}

} // namespace arvento::exporting
