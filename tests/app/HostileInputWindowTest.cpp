#include "WindowHarness.h"

#include "FileBytes.h"
#include "TabFile.h"

#include <random>

namespace {

std::string randomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

} // namespace

class HostileInput : public WindowHarness {
protected:
    // Loads the file through the menu, saves it under another name and returns what was saved.
    std::string loadAndSave(const std::string& bytes, const char* saveAs) {
        const QString source = path("source.tab");
        writeBytes(source, bytes);
        dialogs->openAnswers.push_back(source);
        trigger("Nahrt1");
        dialogs->saveAnswers.push_back(path(saveAs));
        trigger("Uloitkeditaci1");
        EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("; ").toStdString();
        return bytesOf(path(saveAs));
    }
};

TEST_F(HostileInput, FilesTheProgramWroteComeBackByteForByte) {
    io::TabDocument big;
    big.title = "Five megabytes";
    for (std::size_t i = 0; i < big.rows.size(); ++i)
        big.rows[i] = std::string(640 * 1024, static_cast<char>('0' + i));
    big.author = "Author";
    const std::string fiveMegabytes = io::writeTabFile(big);
    ASSERT_GT(fiveMegabytes.size(), 5u * 1024 * 1024);
    EXPECT_EQ(loadAndSave(fiveMegabytes, "big.tab"), fiveMegabytes);

    io::TabDocument million;
    for (auto& row : million.rows)
        row = randomBytes(1000000, 7);
    for (auto& row : million.rows)
        for (char& c : row)
            if (c == '\r' || c == '\n')
                c = '-';
    const std::string millionRows = io::writeTabFile(million);
    EXPECT_EQ(loadAndSave(millionRows, "million.tab"), millionRows);
    EXPECT_EQ(text("struna6").size(), 1000000);
}

TEST_F(HostileInput, ForeignFilesLoadAndSaveStably) {
    const std::vector<std::pair<const char*, std::string>> files{
        {"binary", randomBytes(5 * 1024 * 1024, 42)},
        {"empty", ""},
        {"line breaks", std::string(1000, '\n') + std::string(1000, '\r')},
        {"no separators", std::string(3000, 'x')},
    };
    for (const auto& [what, bytes] : files) {
        const std::string saved = loadAndSave(bytes, "first.tab");
        // What was read is what is saved: reading the saved file gives the same ten texts,
        // and saving them again gives the same bytes.
        EXPECT_EQ(io::readTabFile(saved), io::readTabFile(bytes)) << what;
        EXPECT_EQ(loadAndSave(saved, "second.tab"), saved) << what;
    }
}
