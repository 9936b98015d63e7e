#include "FileAccess.h"
#include "FileBytes.h"
#include "FileSizeLimit.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FileAccessTest, ExtensionIsAddedOnlyWhenMissing) {
    using file_access::withExtension;
    EXPECT_EQ(withExtension("a", ".tab"), "a.tab");
    EXPECT_EQ(withExtension("a.tab", ".tab"), "a.tab");
    EXPECT_EQ(withExtension("a.TAB", ".tab"), "a.TAB.tab");
    EXPECT_EQ(withExtension("song.txt", ".txt"), "song.txt");
    EXPECT_EQ(withExtension("song.tab", ".txt"), "song.tab.txt");
}

TEST(FileAccessTest, WholeFilesRoundTripAnyBytes) {
    QTemporaryDir dir;
    const QString name = dir.filePath("bytes.tab");
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes.push_back(static_cast<char>(i));
    file_access::writeWholeFile(name, bytes);
    EXPECT_EQ(file_access::readWholeFile(name), bytes);
    file_access::writeWholeFile(name, "");
    EXPECT_EQ(file_access::readWholeFile(name), "");
}

TEST(FileAccessTest, ASaveThatRunsOutOfSpaceLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString name = dir.filePath("song.tab");
    file_access::writeWholeFile(name, "the old song");
    {
        const FileSizeLimit limit(1000);
        EXPECT_THROW(file_access::writeWholeFile(name, std::string(5000, 'x')),
                     file_access::FileError);
    }
    EXPECT_EQ(bytesOf(name), "the old song");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"song.tab"});
}

TEST(FileAccessTest, FailuresNameTheFile) {
    try {
        file_access::readWholeFile("/nonexistent/song.tab");
        FAIL() << "no error";
    } catch (const file_access::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/song.tab"), std::string::npos);
    }
    EXPECT_THROW(file_access::writeWholeFile("/proc/strunomat-song.tab", "x"),
                 file_access::FileError);
}
