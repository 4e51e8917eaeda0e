#pragma once
// The application object: owns the windows it creates and runs the message loop.

#include "platform/component.h"

class TForm;

class TApplication : public TComponent {
public:
    TApplication() = default;

    void Initialize() {}
    void SetMainFormOnTaskBar(bool value) { FMainFormOnTaskBar = value; }
    void SetTitle(const QString& value) { FTitle = value; }

    // Creates a form owned by the application; the first one becomes the main form.
    template <class Form>
    void CreateForm(Form*& reference) {
        reference = new Form(this);
        if (!FMainForm) FMainForm = reference;
    }
    TForm* MainForm() const { return FMainForm; }

    // Shows the main form and runs the message loop until it closes.
    int Run();
    void ProcessMessages();
    void Terminate();
    // Deletes every window; called before the Qt application ends.
    void DestroyComponents() override;

private:
    TForm* FMainForm = nullptr;
    bool FMainFormOnTaskBar = false;
    QString FTitle;
};

// The program's one application object.
TApplication* Application();
