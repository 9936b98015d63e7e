#include "BatchExport.h"

#include "TabFile.h"
#include "TextOutput.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>

namespace batch {

namespace {

constexpr const char* kUsage =
    "Použití: strunomat-txt [-w ŠÍŘKA] SOUBOR.tab...\n"
    "Zapíše textový výstup každé tabulatury vedle ní jako SOUBOR.txt.\n"
    "Soubor \"-\" se čte ze standardního vstupu a výstup jde na standardní výstup.\n"
    "\n"
    "  -w ŠÍŘKA    počet znaků v jednom řádku výstupu (výchozí 64)\n"
    "  -h, --help  vypíše tuto nápovědu\n";

constexpr std::int32_t kDefaultWidth = 64;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string reason() {
    return std::strerror(errno);
}

std::string readFile(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    if (!file)
        throw Failure("nelze otevřít: " + reason());
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        throw Failure("nelze přečíst: " + reason());
    return bytes;
}

// Written beside the final name and renamed over it only when complete, so a failure never
// leaves a half-written file where a good one stood.
void writeFile(const std::filesystem::path& name, const std::string& bytes) {
    std::filesystem::path temporary = name;
    temporary += ".part";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file)
            throw Failure("nelze zapsat " + name.string() + ": " + reason());
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.flush();
        if (!file) {
            const std::string why = reason();
            file.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw Failure("nelze zapsat " + name.string() + ": " + why);
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, name, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw Failure("nelze zapsat " + name.string() + ": " + error.message());
    }
}

std::filesystem::path outputName(const std::string& input) {
    std::filesystem::path name(input);
    if (name.extension() == ".tab")
        name.replace_extension();
    name += ".txt";
    return name;
}

bool parseWidth(const std::string& text, std::int32_t& width) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, width);
    return error == std::errc() && stop == end && width > 0;
}

} // namespace

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
    std::int32_t width = kDefaultWidth;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            out << kUsage;
            return 0;
        }
        if (arg == "-w") {
            if (i + 1 == args.size() || !parseWidth(args[i + 1], width)) {
                err << "strunomat-txt: šířka musí být celé číslo větší než 0\n";
                return 2;
            }
            ++i;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        err << kUsage;
        return 2;
    }

    const io::Footer footer = io::builtFooter();
    int status = 0;
    for (const std::string& name : files) {
        try {
            if (name == "-") {
                const std::string bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
                out << io::renderTextOutput(io::readTabFile(bytes), width, footer) << std::flush;
                if (!out)
                    throw Failure("nelze zapsat na standardní výstup: " + reason());
                continue;
            }
            const std::string text =
                io::renderTextOutput(io::readTabFile(readFile(name)), width, footer);
            writeFile(outputName(name), text);
        } catch (const std::exception& e) {
            err << "strunomat-txt: " << name << ": " << e.what() << '\n';
            status = 1;
        }
    }
    return status;
}

} // namespace batch
