#include "toolkit/Application.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "toolkit/Accessible.h"
#include "toolkit/Form.h"
#include "toolkit/Pointer.h"
#include "toolkit/X11Frames.h"
#include "toolkit/QtApplication.h"
#include "toolkit/WinApi.h"
#include "toolkit/Screen.h"

TApplication* Application = nullptr;

namespace {
int gArgc = 0;
QApplication* gQtApp = nullptr;
QtMessageHandler gPreviousHandler = nullptr;

// While Qt starts its platform plugin, a fatal message means that no plugin
// could be loaded or could reach its display; Qt would then abort with advice
// to reinstall. Say what failed and end with exit code 1 instead; every other
// message goes on as before.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        if (gPreviousHandler)
            gPreviousHandler(type, context, text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
        return;
    }
    QString name = QCoreApplication::applicationName();
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", "xcb").section(':', 0, 0);
    QString available;
    if (int at = text.indexOf("Available platform plugins are:"); at >= 0)
        available = " " + text.mid(at).trimmed();
    std::fprintf(stderr,
                 "%s: the window system cannot be started: Qt's platform plugin \"%s\" could not be loaded, "
                 "or could not reach its display.%s\n",
                 qPrintable(name.isEmpty() ? QStringLiteral("program") : name), qPrintable(platform),
                 qPrintable(available));
    std::fflush(stderr);
    _exit(1);
}
} // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication()
{
    OnIdle = nullptr;
    DestroyComponents();
    if (Application == this)
        Application = nullptr;
}

void TApplication::SetIdentity(const std::string& name, const std::string& version, const std::string& desktopId)
{
    QCoreApplication::setApplicationName(QString::fromStdString(name));
    QCoreApplication::setApplicationVersion(QString::fromStdString(version));
    QGuiApplication::setDesktopFileName(QString::fromStdString(desktopId));
}

void TApplication::Initialize(int& argc, char** argv)
{
    if (Application)
        return;
    gArgc = argc;
    gPreviousHandler = qInstallMessageHandler(StartupMessageHandler);
    gQtApp = new TkQtApplication(gArgc, argv);
    qInstallMessageHandler(gPreviousHandler);
    TkAccessible::Install();
    gQtApp->setQuitOnLastWindowClosed(false);
    Application = new TApplication(nullptr);
    Screen = new TScreen(nullptr);
    TkPointer::Install();
    TkX11Frames::Start();
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, gQtApp,
                     [] {
                         if (Application)
                             Application->DoIdle();
                     });
}

void TApplication::DoIdle()
{
    if (!FMainFormPainted || FInIdle || !OnIdle)
        return;
    FInIdle = true;
    bool done = true;
    // Copy: the handler may unhook itself.
    TIdleEvent idle = OnIdle;
    Guard(this, [&] { idle(this, done); });
    FInIdle = false;
}

int TApplication::Run()
{
    if (FMainForm && !FTerminated)
        FMainForm->Show();
    if (FTerminated)
        return 0;
    FRunning = true;
    int code = QApplication::exec();
    FRunning = false;
    return code;
}

void TApplication::Terminate()
{
    FTerminated = true;
    // Outside Run there is no loop to end; Run then returns at once. Telling
    // Qt anyway would end every later loop, nested ones included.
    if (FRunning)
        QCoreApplication::exit(0);
}

void TApplication::HandleException(TObject* sender, const std::exception& e, bool deferBox)
{
    if (OnException) {
        OnException(sender, e);
        return;
    }
    std::string message = e.what();
    if (deferBox) {
        QTimer::singleShot(0, [message] { Application->ShowException(message); });
        return;
    }
    ShowException(message);
}

void TApplication::ShowException(const std::string& message)
{
    MessageBox(message, "Error", MB_OK | MB_ICONSTOP);
}

TForm* TApplication::ActiveForm() const
{
    return FActiveForm.Get();
}

void TApplication::SetActiveForm(TForm* form)
{
    // A hidden form is never the active one: the window system's activation
    // of a window can arrive after the program has hidden it again.
    if (form && !form->Visible())
        return;
    TForm* old = FActiveForm.Get();
    if (old == form)
        return;
    TGuard<TForm> previous(old);
    TGuard<TForm> next(form);
    FActiveForm = next;
    if (TForm* p = previous.Get())
        p->Activated(false);
    // The deactivation handler may have moved the activation on already, or
    // hidden the form that was to become active.
    TForm* n = next.Get();
    if (!n || FActiveForm.Get() != n)
        return;
    if (!n->Visible()) {
        FActiveForm = TGuard<TForm>();
        return;
    }
    n->Activated(true);
}

void TApplication::FormDeactivated(TForm* form)
{
    if (FActiveForm.Get() == form)
        SetActiveForm(nullptr);
}

void TApplication::FormDestroyed(TForm* form)
{
    if (FActiveForm.Get() == form)
        FActiveForm = TGuard<TForm>();
    if (FMainForm == form)
        FMainForm = nullptr;
}

void TApplication::SurfacePainted(TWinControl* control)
{
    if (FMainFormPainted || !FMainForm)
        return;
    // A panel that covers the main form's client area paints in its stead:
    // any surface inside the main form counts as the main form painting.
    const TControl* root = control;
    while (root->Parent())
        root = root->Parent();
    if (root == FMainForm)
        FMainFormPainted = true;
}

void TApplication::SetIcon(const unsigned char* png, size_t size)
{
    QPixmap pixmap;
    if (pixmap.loadFromData(png, uint(size)))
        QApplication::setWindowIcon(QIcon(pixmap));
}
