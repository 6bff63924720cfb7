// SPDX-License-Identifier: MIT
// One QApplication for every test of the program, created before the first test runs, in the
// program's style. The tests run without a display unless a platform is chosen from outside.
#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

#include "support/widgets/ProgramStyle.h"

namespace {

class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
        // The program's look, as vardex sets it: the windows are tested as users see them.
        QApplication::setStyle(new vardex::ProgramStyle);
    }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[32] = "vardex_test";
    char *m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] testing::Environment *const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
