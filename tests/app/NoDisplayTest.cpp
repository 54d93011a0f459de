// Started where no usable desktop is, the program says why in one line and
// ends with exit code 1: no display, a display nobody answers on, a platform
// plugin that cannot be loaded. Never Qt's abort and its advice to reinstall.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

// An X display number that no server holds now.
QString FreeDisplay()
{
    int n = 917;
    while (n < 10000 && (QFileInfo::exists(QString("/tmp/.X11-unix/X%1").arg(n)) ||
                         QFileInfo::exists(QString("/tmp/.X%1-lock").arg(n))))
        ++n;
    return QString(":%1").arg(n);
}

struct Case {
    const char* what;
    QStringList environment; // NAME=VALUE, over an environment without any display
    const char* says;
};

} // namespace

TEST(NoDisplay, ProgramExplainsAndExitsWithCodeOne)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QString dead = FreeDisplay();
    const Case cases[] = {
        {"no display", {}, "no display was found"},
        {"X display nobody answers on", {"DISPLAY=" + dead}, "cannot be reached"},
        {"Wayland display nobody answers on", {"WAYLAND_DISPLAY=no-compositor-here"}, "cannot be reached"},
        {"xcb asked for, display dead", {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + dead}, "cannot be reached"},
        {"plugin that does not exist", {"QT_QPA_PLATFORM=no-such-platform"},
         "platform plugin \"no-such-platform\" could not be loaded"},
        {"plugin that cannot reach its display", {"QT_QPA_PLATFORM=wayland-egl", "WAYLAND_DISPLAY=no-compositor-here"},
         "platform plugin \"wayland-egl\" could not be loaded, or could not reach its display"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            env.remove(name);
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        for (const QString& setting : c.environment)
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(SETTINGS_BINARY, {});
        ASSERT_TRUE(program.waitForFinished(10000));
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << err.toStdString();
        EXPECT_EQ(program.exitCode(), 1) << err.toStdString();
        EXPECT_TRUE(err.contains(c.says)) << err.toStdString();
        EXPECT_TRUE(err.contains("board-settings: ")) << err.toStdString();
        EXPECT_FALSE(err.contains("Reinstalling")) << err.toStdString();
    }
}
