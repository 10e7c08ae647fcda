// A dialog: a caption, a size in twips, controls as members, and the life of a form of the
// old platform: Load (runs Form_Load once), Show (modal: returns when the form is hidden or
// unloaded), Hide, Unload (runs Form_Unload, which may cancel).
#pragma once

#include <string>

#include "common/forms/container.h"

namespace norvel::common {
class Ui;
class Error;
}  // namespace norvel::common

namespace norvel::common::forms {

enum class FormProperty { Caption, Size, Visible, Loaded };

// What a renderer implements to follow a form.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void controlChanged(Control& control, ControlProperty property) = 0;
    virtual void formChanged(FormProperty property) = 0;
};

class Form : public Container {
  public:
    // `name` is the dialog's class name ("frmOP"); the caption is what its title bar shows.
    Form(Ui& ui, std::string name, std::string caption, int width, int height);
    ~Form() override = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    int width() const { return width_; }
    int height() const { return height_; }
    void setWidth(int width);
    void setHeight(int height);
    // Where the form stands on the screen, in twips; renderers may centre it when unset.
    int left = 0;
    int top = 0;

    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }

    // Runs Form_Load the first time (and again after an Unload). Errors from Form_Load reach
    // the caller, as they did.
    void Load();
    // Loads, then shows; a modal show returns when the form is hidden or unloaded.
    void Show(bool modal = true);
    void Hide();
    // Runs Form_Unload; unless it cancels, the form is hidden and unloaded.
    void Unload();

    Control* activeControl() const { return activeControl_; }
    // Moves the focus; the control that had it gets LostFocus first, the new one GotFocus.
    void moveFocusTo(Control* control);

    FormObserver* observer() const { return observer_; }
    void setObserver(FormObserver* observer) { observer_ = observer; }

    Ui& ui() const { return ui_; }

    // The error record an error dialog shows; none for every other form. Lets a headless
    // renderer write the error line without knowing the dialog's class.
    virtual const Error* reportedError() const { return nullptr; }

    Form* containerForm() override { return this; }
    void childChanged(Control& control, ControlProperty property) override;

  protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(bool& cancel) {}

  private:
    void notifyForm(FormProperty property);

    Ui& ui_;
    std::string name_;
    std::string caption_;
    int width_;
    int height_;
    bool loaded_ = false;
    bool visible_ = false;
    Control* activeControl_ = nullptr;
    FormObserver* observer_ = nullptr;
};

}  // namespace norvel::common::forms
