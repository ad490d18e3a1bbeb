// Switching the input method (Japanese input) of a text field on and off. Windows offers a
// switch per window; here the interface remembers the state per widget, so the rules that
// depend on it behave the same, and a platform that has a real switch can plug it in.
#pragma once

class QWidget;

namespace tessary::fw {

class CInputMethod {
public:
    virtual ~CInputMethod() = default;

    // Whether the input method of `widget` is open (converting input).
    virtual bool isOpen(QWidget* widget) = 0;
    virtual void setOpen(QWidget* widget, bool open) = 0;

    // The input method the dialogs use: the one installed with setCurrent, else the default.
    static CInputMethod& current();
    // Installs `inputMethod` (not owned; nullptr restores the default).
    static void setCurrent(CInputMethod* inputMethod);
};

// The Linux input method: no portable switch exists, so the state is kept on the widget itself
// (closed until opened), and goes away with it.
class CDefaultInputMethod : public CInputMethod {
public:
    bool isOpen(QWidget* widget) override;
    void setOpen(QWidget* widget, bool open) override;
};

} // namespace tessary::fw
