// The program on a Wayland desktop that offers no XWayland: a headless weston
// (Debian's weston, no GPU needed) is the compositor. The program falls back to
// native Wayland and says once that the compositor places the popups; asked for
// a platform plugin that cannot be loaded, it ends with exit code 1 and a
// sentence, not Qt's abort.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "common/Wait.h"

#ifndef SETTINGS_APP_ID
#error "SETTINGS_APP_ID must name the program's desktop id"
#endif

namespace {

const char* const kSocket = "settings-test-wayland";

class NativeWaylandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        QProcessEnvironment env = Environment();
        env.remove("WAYLAND_DISPLAY");
        weston.setProcessEnvironment(env);
        weston.setProcessChannelMode(QProcess::MergedChannels);
        weston.start("weston", {"--backend=headless-backend.so", QString("--socket=") + kSocket, "--idle-time=0"});
        ASSERT_TRUE(weston.waitForStarted(5000)) << "weston is missing (tools/install-deps.sh installs it)";
        const QString socket = runtime.path() + "/" + kSocket;
        ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(socket); }, 10000))
            << weston.readAll().toStdString();
    }
    void TearDown() override
    {
        for (QProcess* p : {&program, &weston}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(5000)) {
                    p->kill();
                    p->waitForFinished(5000);
                }
            }
        }
    }
    // A Wayland session without X: no DISPLAY, no platform chosen.
    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "WAYLAND_SOCKET"})
            env.remove(name);
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("WAYLAND_DISPLAY", kSocket);
        return env;
    }
    void Start(const QProcessEnvironment& env)
    {
        program.setProcessEnvironment(env);
        QObject::connect(&program, &QProcess::readyReadStandardError, [this] { err += program.readAllStandardError(); });
        program.start(SETTINGS_BINARY, {});
        ASSERT_TRUE(program.waitForStarted(5000));
    }
    // The program's own lines on stderr (Qt's and the protocol trace aside).
    QStringList OwnLines() const
    {
        QStringList own;
        for (const QString& line : QString::fromLocal8Bit(err).split('\n'))
            if (line.startsWith("board-settings: "))
                own << line;
        return own;
    }

    QTemporaryDir runtime;
    QProcess weston;
    QProcess program;
    QByteArray err;
};

} // namespace

TEST_F(NativeWaylandTest, WithoutXWaylandTheProgramRunsOnWaylandAndSaysSoOnce)
{
    QProcessEnvironment env = Environment();
    // libwayland's protocol trace shows what the program asks of the compositor.
    env.insert("WAYLAND_DEBUG", "client");
    Start(env);
    // The help window comes up only after the main window has painted and the
    // program has gone idle: seeing it created means the program runs.
    ASSERT_TRUE(WaitFor([&] { return err.contains("set_title(\"Instructions for Settings utility\")"); }, 20000))
        << QString::fromLocal8Bit(err).right(2000).toStdString();
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_TRUE(err.contains("set_title(\"Setup\")"));
    // The compositor matches the windows to the launcher by this id.
    EXPECT_TRUE(err.contains("set_app_id(\"" SETTINGS_APP_ID "\")"));
    const QStringList own = OwnLines();
    ASSERT_EQ(own.size(), 1) << own.join('\n').toStdString();
    EXPECT_TRUE(own[0].contains("native Wayland")) << own[0].toStdString();
    EXPECT_TRUE(own[0].contains("the compositor, not the program, places the popups")) << own[0].toStdString();
}

TEST_F(NativeWaylandTest, APlatformPluginThatCannotLoadEndsWithExitCodeOne)
{
    QProcessEnvironment env = Environment();
    env.insert("QT_QPA_PLATFORM", "no-such-platform");
    Start(env);
    ASSERT_TRUE(WaitFor([&] { return program.state() == QProcess::NotRunning; }, 10000));
    err += program.readAllStandardError();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QStringList own = OwnLines();
    ASSERT_EQ(own.size(), 1) << QString::fromLocal8Bit(err).toStdString();
    EXPECT_TRUE(own[0].contains("platform plugin \"no-such-platform\" could not be loaded")) << own[0].toStdString();
    EXPECT_FALSE(err.contains("Reinstalling"));
}
