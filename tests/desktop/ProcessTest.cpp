// The program as a user starts it: its own process on the desktop, ended from
// the File menu or the window's close box, with exit code 0.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>

#include "common/Wait.h"

#ifndef SETTINGS_BINARY
#error "SETTINGS_BINARY must name the program"
#endif

namespace {
// Output of a short command, trimmed; empty when it failed.
QString Shell(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(5000) || p.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QString VisibleWindow(const QString& title)
{
    return Shell("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}).section('\n', 0, 0);
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X display (run under tools/with-desktop.sh)";
        // Whatever the program says (a sanitizer report, say) shows in the test log.
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(SETTINGS_BINARY, {});
        ASSERT_TRUE(program.waitForStarted(5000));
        // Up, with its help window over it.
        ASSERT_TRUE(WaitFor([&] { return !VisibleWindow("Instructions for Settings utility").isEmpty(); }, 15000));
        main = VisibleWindow("Setup");
        ASSERT_FALSE(main.isEmpty());
    }
    void TearDown() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    }
    bool Ended() { return WaitFor([&] { return program.state() == QProcess::NotRunning; }, 10000); }

    QProcess program;
    QString main;
};
} // namespace

TEST_F(ProgramTest, FileExitEndsTheProgramWithExitCodeZero)
{
    Shell("xdotool", {"windowactivate", "--sync", main});
    Shell("xdotool", {"key", "--clearmodifiers", "alt+f"});
    Shell("xdotool", {"key", "e"});
    ASSERT_TRUE(Ended());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(ProgramTest, TheCloseBoxEndsTheProgramWithExitCodeZero)
{
    Shell("xdotool", {"windowactivate", "--sync", main});
    Shell("xdotool", {"key", "--clearmodifiers", "alt+F4"});
    ASSERT_TRUE(Ended());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}
