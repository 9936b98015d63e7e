#include "TabFile.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class RandomDocuments {
public:
    explicit RandomDocuments(unsigned seed) : random_(seed) {}

    // Any byte but a line break; ";" made common, since it is what the format terminates with.
    std::string line(std::size_t length) {
        std::string text(length, ' ');
        for (char& c : text) {
            const unsigned roll = random_() % 256;
            c = roll < 40 ? ';' : static_cast<char>(roll);
            if (c == '\r' || c == '\n')
                c = '-';
        }
        return text;
    }

    // Lengths mostly short, some up to the longest rows users write.
    std::size_t length() {
        switch (random_() % 4) {
        case 0:
            return 0;
        case 1:
            return random_() % 10;
        case 2:
            return random_() % 2000;
        default:
            return random_() % 100001;
        }
    }

    io::TabDocument next() {
        io::TabDocument doc;
        doc.title = line(length() % 300);
        for (auto& row : doc.rows)
            row = line(length());
        // The author is the rest of the file: it may hold whole line breaks too.
        doc.author = line(length() % 300) + (random_() % 2 ? "\r\n" + line(5) : "");
        return doc;
    }

private:
    std::mt19937 random_;
};

} // namespace

TEST(TabFileRoundTripTest, SaveThenLoadRestoresEveryText) {
    RandomDocuments documents(8122026);
    for (int i = 0; i < 150; ++i) {
        const io::TabDocument doc = documents.next();
        const io::TabDocument loaded = io::readTabFile(io::writeTabFile(doc));
        ASSERT_EQ(loaded, doc) << "document " << i;
    }
}
