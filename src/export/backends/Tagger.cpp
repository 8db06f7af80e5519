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

} // namespace

void WriteTags(std::vector<std::uint8_t>& file, AudioFormat format, const Tags& tags) {
  TagLib::ByteVectorStream stream(
      TagLib::ByteVector(reinterpret_cast<const char*>(file.data()), static_cast<unsigned>(file.size())));
  bool saved = false;
  switch (format) {
    case AudioFormat::Wav:
      saved = TagWav(stream, tags);
      break;
    case AudioFormat::Flac:
      saved = TagFlac(stream, tags);
      break;
    case AudioFormat::Ogg:
      saved = TagOgg(stream, tags);
      break;
    case AudioFormat::Mp3:
      saved = TagMp3(stream, tags);
      break;
    case AudioFormat::M4r:
      saved = TagMp4(stream, tags);
      break;
  }
  if (!saved)
    throw Error(Tr("Не удалось записать название в файл %1", ShownDescription(format)));
  const TagLib::ByteVector& tagged = *stream.data();
  file.assign(tagged.begin(), tagged.end());
}

} // namespace arvento::exporting
