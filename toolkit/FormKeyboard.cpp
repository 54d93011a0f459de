// Keys a form answers for itself, wherever its focus is.
#include "toolkit/Application.h"
#include "toolkit/Form.h"

void TForm::Help()
{
    // A window without help of its own shows the program's.
    TNotifyEvent handler = OnHelp;
    if (!handler && Application->MainForm())
        handler = Application->MainForm()->OnHelp;
    if (handler)
        handler(this);
}
