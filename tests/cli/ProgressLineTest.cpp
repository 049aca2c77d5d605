#include "cli/ProgressLine.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

std::string written(bool enabled) {
    std::FILE* file = std::tmpfile();
    {
        ProgressLine line(enabled, file);
        line.show({RunProgress::Stage::Walking, 3, 60});
    }
    std::rewind(file);
    std::string text(256, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}

} // namespace

TEST(ProgressLine, SaysWhereTheRunStands) {
    using Stage = RunProgress::Stage;
    EXPECT_EQ(ProgressLine::text({Stage::OpeningPortal, 0, 0}, 0.04), "opening the portal, 0.0 s");
    EXPECT_EQ(ProgressLine::text({Stage::Walking, 1, 1}, 2.5), "page 1, 1 row, 2.5 s");
    // an attached run also says which window it reads
    EXPECT_EQ(ProgressLine::text({Stage::Walking, 24, 2310, 150, "http://p/view"}, 3.14),
              "page 24 of 150, 2,310 rows, 3.1 s, in http://p/view");
    EXPECT_EQ(ProgressLine::text({Stage::Walking, 151, 1001000, 150}, 60),
              "page 151, 1,001,000 rows, 60.0 s");
}

TEST(ProgressLine, RewritesOneLineAndClearsItOrWritesNothing) {
    const std::string shown = written(true);
    EXPECT_TRUE(shown.starts_with("\r\033[Kveltrix: page 3, 60 rows, ")) << shown;
    EXPECT_TRUE(shown.ends_with("\r\033[K")) << shown;
    EXPECT_EQ(shown.find('\n'), std::string::npos);
    EXPECT_EQ(written(false), "");
}
