#include "toolkit/DisplayFacts.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QStringList>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A real connection, as Qt's xcb plugin would make it (authority included):
// a display whose server is gone or refuses us is found out here.
bool ProbeX11(const std::string& display)
{
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    bool ok = xcb_connection_has_error(c) == 0;
    xcb_disconnect(c);
    return ok;
}

// A compositor listens on a Unix socket named by WAYLAND_DISPLAY, relative to
// XDG_RUNTIME_DIR unless it is an absolute path.
bool ProbeWayland(const std::string& display)
{
    std::string path = display;
    if (path.front() != '/') {
        std::string runtime = Env("XDG_RUNTIME_DIR");
        if (runtime.empty())
            return false;
        path = runtime + "/" + display;
    }
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return ok;
}

// The folders Qt searches for platform plugins, in its order.
QStringList PlatformPluginFolders()
{
    QStringList folders;
    QString direct = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!direct.isEmpty())
        folders << direct;
    for (const QString& path : qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
        folders << path + "/platforms";
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms";
    return folders;
}

// A plugin that declares the key "wayland" and whose library loads (its own
// dependencies found).
bool ProbeWaylandPlugin()
{
    for (const QString& folder : PlatformPluginFolders()) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files)) {
            QPluginLoader plugin(dir.filePath(file));
            const QJsonArray keys = plugin.metaData().value("MetaData").toObject().value("Keys").toArray();
            if (keys.contains(QStringLiteral("wayland")) && plugin.load())
                return true;
        }
    }
    return false;
}

} // namespace

TDisplayFacts TDisplayFacts::FromEnvironment()
{
    TDisplayFacts f;
    f.Platform = Env("QT_QPA_PLATFORM");
    f.X11Display = Env("DISPLAY");
    f.WaylandDisplay = Env("WAYLAND_DISPLAY");
    f.X11Answers = [display = f.X11Display] { return ProbeX11(display); };
    f.WaylandAnswers = [display = f.WaylandDisplay] { return ProbeWayland(display); };
    f.WaylandPluginLoads = [] { return ProbeWaylandPlugin(); };
    return f;
}
