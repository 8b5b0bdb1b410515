#pragma once

#include <QString>

namespace dirdock::test {

// A temporary home and configuration folder for the whole test program.
class TestHome {
public:
    static void setUp();
    static void tearDown();
    // The folder HOME and XDG_CONFIG_HOME point into.
    static QString home();
};

} // namespace dirdock::test
