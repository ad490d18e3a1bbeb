// The state of one command as its handler decides it: enabled, checked (or radio-marked), text.
#pragma once

#include <QString>

#include <optional>

namespace tessary::fw {

class CCmdUI {
public:
    explicit CCmdUI(int id) : id_(id) {}

    int id() const { return id_; }

    void enable(bool on = true) { enabled_ = on; }
    void setCheck(bool on) {
        checked_ = on;
        radio_ = false;
    }
    void setRadio(bool on) {
        checked_ = on;
        radio_ = true;
    }
    void setText(const QString& text) { text_ = text; }

    bool enabled() const { return enabled_; }
    bool checked() const { return checked_; }
    bool radio() const { return radio_; }
    const std::optional<QString>& text() const { return text_; }

private:
    int id_;
    bool enabled_ = true;
    bool checked_ = false;
    bool radio_ = false;
    std::optional<QString> text_;
};

// Anything commands can be routed to: a view, a document, a frame, the application.
class CCommandTarget {
public:
    virtual ~CCommandTarget() = default;

    // Returns true when this target has a handler for the command; it may then set the command's
    // state (a handled command is enabled unless the handler says otherwise).
    virtual bool onUpdateCommand(CCmdUI& /*ui*/) { return false; }
    // Runs the command; returns true when this target handled it.
    virtual bool onCommand(int /*id*/) { return false; }
};

} // namespace tessary::fw
