#include "core/Error.h"
#include "melody/KeyboardRecording.h"
#include "melody/KeyboardTables.h"

#include <gtest/gtest.h>

using namespace arvento;
using melody::KeyboardRecording;

TEST(KeyboardRecording, RecordsStepsBackAndResets) {
  KeyboardRecording recording;
  for (const char key : std::string("asd"))
    EXPECT_TRUE(recording.Record(melody::KeyPressNote(key, -12, false)));
  EXPECT_EQ(recording.recordedNotes(), (std::vector<int>{72, 74, 76}));
  EXPECT_EQ(recording.recordedCount(), 3);

  recording.StepBack();
  EXPECT_EQ(recording.recordedCount(), 2);
  recording.Record(77);
  EXPECT_EQ(recording.recordedNotes(), (std::vector<int>{72, 74, 77}))
      << "the next pitch takes the third place";

  recording.Reset();
  EXPECT_EQ(recording.recordedCount(), 0);
  recording.StepBack();
  EXPECT_EQ(recording.recordedCount(), 0) << "stepping back over nothing changes nothing";
}

TEST(KeyboardRecording, KeepsTheFirstThousandPitches) {
  KeyboardRecording recording;
  for (int i = 0; i < KeyboardRecording::kLimit; ++i)
    ASSERT_TRUE(recording.Record(60 + i % 12));
  EXPECT_FALSE(recording.Record(100));
  EXPECT_EQ(recording.recordedCount(), 1000);
  EXPECT_EQ(recording.recordedNotes().back(), 60 + 999 % 12);
  recording.StepBack();
  EXPECT_TRUE(recording.Record(100));
  EXPECT_EQ(recording.recordedNotes().back(), 100);
}

TEST(KeyboardRecording, RefusesPitchesOutsideTheMidiRange) {
  KeyboardRecording recording;
  EXPECT_THROW(recording.Record(0), Error);
  EXPECT_THROW(recording.Record(128), Error);
  EXPECT_EQ(recording.recordedCount(), 0);
  EXPECT_THROW(KeyboardRecording({72, 0}), Error);
  EXPECT_THROW(KeyboardRecording(std::vector<int>(1001, 60)), Error);
  EXPECT_EQ(KeyboardRecording(std::vector<int>(1000, 60)).recordedCount(), 1000);
}
