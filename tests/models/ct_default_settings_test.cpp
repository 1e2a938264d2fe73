#include "models/ct_default_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

// Every setting at its replacement value: the worked example.
constexpr CtSettings kDefaults = {2,   0, 0, 41, 3, 1, 1, 0, 0, 0, 3200,
                                  832, 0, 0, 0,  0, 0, 0, 0, 0, 0};

const std::string kDefaultRecord =
    B("<x02><x1B><x41><x1B><x50><x47><x00><x00><x02><x00><x00><x00><x00>"
      "<x29><x03><x01><x01><x00><x00><x00><x00><x0C><x80><x03><x40><x00>"
      "<x00><x00><x00><x00><x00><x00><x00><x00><x00><x00><x1B><x5A><x03>");

int Send(const char* printer, const CtSettings& s) {
  return PrnCTDefault(printer, s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7],
                      s[8], s[9], s[10], s[11], s[12], s[13], s[14], s[15],
                      s[16], s[17], s[18], s[19], s[20]);
}

using CtDefaultTest = JobTest;

TEST_F(CtDefaultTest, WorkedExampleSendsThe39ByteRecord) {
  ASSERT_EQ(kDefaultRecord.size(), 39u);
  EXPECT_EQ(Send(kPrinter, kDefaults), 1);
  ASSERT_EQ(SentJobs(), 1);
  EXPECT_EQ(Show(LastSentJob()), Show(kDefaultRecord));
  EXPECT_EQ(LastSentJobName(), "VP Job");
}

TEST_F(CtDefaultTest, SettingsBecomeBytesOrAreReplaced) {
  // Each case changes one or two settings (numbered from 1) and names the
  // record bytes that change from the worked example.
  struct Change {
    int setting;
    int value;
  };
  struct Case {
    std::vector<Change> changes;
    std::size_t offset;
    const char* bytes;
    int code;
  } cases[] = {
      {{{11, 400}}, 21, "<x01><x90>", 1},
      {{{13, -792}}, 25, "<xFC><xE8>", 1},
      {{{13, 792}}, 25, "<x03><x18>", 1},
      {{{13, 793}}, 25, "<x00><x00>", 268},
      {{{14, -793}}, 27, "<x00><x00>", 269},
      {{{16, -1}}, 30, "<xFF>", 1},
      {{{16, -99}}, 30, "<x9D>", 1},
      {{{4, 65}}, 13, "<x29>", 259},
      {{{4, 46}}, 13, "<x2E>", 1},
      {{{11, 3201}}, 21, "<x0C><x80>", 266},
      {{{12, -1}}, 23, "<x03><x40>", 267},
      {{{12, 0}}, 23, "<x00><x00>", 1},
      {{{1, 4}}, 8, "<x04><x00>", 1},
      {{{1, 9}}, 8, "<x02><x00>", 256},
      {{{5, 0}}, 14, "<x03>", 260},
      {{{6, 3}}, 15, "<x01>", 261},
      {{{7, 0}}, 16, "<x00><x00>", 1},
      {{{15, 63}}, 29, "<x3F>", 1},
      {{{15, 64}}, 29, "<x00>", 270},
      {{{20, 40}}, 34, "<x28>", 1},
      {{{20, 41}}, 34, "<x00>", 275},
      {{{21, 1}}, 35, "<x01><x1B><x5A><x03>", 1},
      {{{1, 9}, {21, 2}}, 8, "<x02>", 276},
      {{{21, 2}, {2, 7}}, 10, "<x00>", 276},
      {{{17, 100}, {18, -100}}, 31, "<x00><x00>", 273},
  };
  for (const Case& c : cases) {
    CtSettings settings = kDefaults;
    for (const Change& change : c.changes)
      settings[static_cast<std::size_t>(change.setting - 1)] = change.value;
    EXPECT_EQ(Send(kPrinter, settings), c.code) << c.offset;
    const std::string sent = LastSentJob();
    ASSERT_EQ(sent.size(), 39u);
    const std::string expected = B(c.bytes);
    EXPECT_EQ(Show(sent.substr(c.offset, expected.size())), Show(expected))
        << "at offset " << c.offset;
    // Everything else is the worked example's.
    std::string rest = sent;
    rest.replace(c.offset, expected.size(),
                 kDefaultRecord.substr(c.offset, expected.size()));
    EXPECT_EQ(Show(rest), Show(kDefaultRecord)) << "at offset " << c.offset;
  }
}

TEST_F(CtDefaultTest, EverySettingOutOfRangeHasItsOwnCode) {
  const int outside[kCtSettingCount] = {5,  3,   2,    47,  6,   3,   2,
                                        2,  2,   2,    -1,  833, 793, -793,
                                        64, 100, -100, 100, 2,   41,  -1};
  for (int i = 0; i < kCtSettingCount; ++i) {
    CtSettings settings = kDefaults;
    settings[static_cast<std::size_t>(i)] = outside[i];
    CheckCode code;
    EXPECT_EQ(Show(CtSettingsRecord(settings, code)), Show(kDefaultRecord))
        << "setting " << i + 1;
    EXPECT_EQ(code.Code(), 256 + i);
  }
}

TEST_F(CtDefaultTest, DropsAnOpenJobAndRefusesAnUnknownPrinter) {
  OpenJob();
  EXPECT_EQ(Send("Nowhere", kDefaults), 0);
  EXPECT_EQ(SentJobs(), 0);
  EXPECT_EQ(Send(nullptr, kDefaults), 0);

  EXPECT_EQ(Send(kPrinter, kDefaults), 1);
  EXPECT_EQ(PrnEnd(), 0);
  EXPECT_EQ(SentJobs(), 1);
}

}  // namespace
}  // namespace vxcl::test
