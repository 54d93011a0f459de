#pragma once
// The application object: initialisation, the main form, the event loop, the
// idle event, the exception handler and the active form.
#include <exception>
#include <functional>
#include <string>

#include "toolkit/Component.h"

class TForm;
class TWinControl;

using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

class TApplication : public TComponent {
public:
    TK_CLASS_NAME(TApplication)
    // The program's name, version and desktop-file id (the launcher's file
    // name without ".desktop"), as window managers, task bars and the
    // accessibility tree see them. Call before Initialize.
    static void SetIdentity(const std::string& name, const std::string& version, const std::string& desktopId);
    // Creates the Qt application and the global Application and Screen objects.
    // A window system Qt cannot start ends the program with a message on
    // stderr and exit code 1 (Qt itself would abort).
    static void Initialize(int& argc, char** argv);
    // Destroys the forms while the application can still hear of it.
    ~TApplication() override;

    // The first form created becomes the main form; closing it ends Run.
    template <class T>
    T* CreateForm()
    {
        T* form = new T(this);
        if (!FMainForm)
            FMainForm = form;
        return form;
    }
    TForm* MainForm() const { return FMainForm; }
    void SetMainForm(TForm* form) { FMainForm = form; }

    // Shows the main form (as its window state says) and runs the event loop
    // until Terminate; returns the exit code.
    int Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // Raised each time the event queue has run empty, once the main form has painted.
    TIdleEvent OnIdle;
    // Replaces the message box for errors raised inside event handlers.
    TExceptionEvent OnException;

    // Runs f; an exception it raises goes to the exception handler and the
    // program carries on. deferBox: show the message box later (inside a paint).
    template <class F>
    void Guard(TObject* sender, F&& f, bool deferBox = false)
    {
        try {
            f();
        } catch (const std::exception& e) {
            HandleException(sender, e, deferBox);
        } catch (...) {
            HandleException(sender, std::runtime_error("Unknown error"), deferBox);
        }
    }
    void HandleException(TObject* sender, const std::exception& e, bool deferBox = false);
    void ShowException(const std::string& message);

    // An event from the keyboard (or a screen reader's action) is being handled.
    bool HandlingKeyboard() const;

    TForm* ActiveForm() const;
    // The form that is now the active window: the previous one hears that it
    // was deactivated, then the new one that it was activated, synchronously.
    void SetActiveForm(TForm* form);
    void FormDeactivated(TForm* form);
    void FormDestroyed(TForm* form);

    // The first paint of any surface; idle events start after the main form's.
    void SurfacePainted(TWinControl* control);
    bool MainFormPainted() const { return FMainFormPainted; }

    // The icon of every window, from PNG data.
    void SetIcon(const unsigned char* png, size_t size);

private:
    explicit TApplication(TComponent* AOwner);
    void DoIdle();

    TForm* FMainForm = nullptr;
    TGuard<TForm> FActiveForm;
    bool FTerminated = false;
    bool FRunning = false;
    bool FMainFormPainted = false;
    bool FInIdle = false;
};

extern TApplication* Application;
