// Started where there is no desktop, the program says so and ends cleanly.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

TEST(NoDisplay, ProgramExplainsAndExitsWithoutCrashing)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(SETTINGS_BINARY, {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardError().contains("no display was found"));
}
