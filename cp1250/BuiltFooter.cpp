#include "BuiltFooter.h"

#include "BuildConfig.h"
#include "Cp1250.h"

namespace cp1250 {

io::Footer footerOf(const char* program, const char* author, const char* email,
                    const char* homePage) {
    return {encode(QString::fromUtf8(program)),
            encode(QString::fromUtf8(author) + QStringLiteral(" (e-mail: ") +
                   QString::fromUtf8(email) + QLatin1Char(')')),
            encode(QString::fromUtf8(homePage))};
}

io::Footer builtFooter() {
    return footerOf(build_config::kProgramCaption, build_config::kAuthor, build_config::kEmail,
                    build_config::kHomePage);
}

} // namespace cp1250
