#pragma once

#include <QString>

namespace kl {

// The program's major, minor and revision numbers.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The version the program was built as (the project's version in the build files).
ProgramVersion programVersion();

// The splash window's form: "Version 1.0.0".
QString splashVersionText(const ProgramVersion& version);

// The about boxes' form: "Version", two spaces, then "1 . 0 . 0".
QString aboutVersionText(const ProgramVersion& version);

} // namespace kl
