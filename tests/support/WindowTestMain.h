#pragma once

#include <QApplication>
#include <QtTest>

namespace morvane::test {

// Runs before the QApplication exists: the offscreen platform unless one was chosen, a fresh
// home folder for this process (removed at exit) and QStandardPaths' test mode, so that the
// configuration folder is <fresh home>/.qttest/config and parallel test runs never share it.
void prepareQtTestEnvironment();

// Registers the bundled faces once the QApplication exists, as the program does at start.
void registerTestFonts();

} // namespace morvane::test

// main() of a QtTest executable with one test class.
#define MORVANE_QTTEST_MAIN(TestClass)                                                             \
    int main(int argc, char** argv) {                                                              \
        morvane::test::prepareQtTestEnvironment();                                                 \
        QApplication application(argc, argv);                                                      \
        morvane::test::registerTestFonts();                                                        \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
