#include "framework/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace tessary::fw {

namespace {

// The frame the window system puts around the window, as far as it is known yet. Before the
// window manager has framed the window, some window systems guess from the window's place on the
// screen and can report negative or huge margins: those count as not known yet.
QMargins frameMargins(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    if (handle == nullptr) {
        return {};
    }
    const QMargins m = handle->frameMargins();
    constexpr int kLargest = 200;
    for (const int side : {m.left(), m.top(), m.right(), m.bottom()}) {
        if (side < 0 || side > kLargest) {
            return {};
        }
    }
    return m;
}

// A window is within reach when the left half of it lies partly on some screen.
QRect ontoSomeScreen(QRect frame) {
    const QRect leftHalf = frame.adjusted(0, 0, -frame.width() / 2, -10);
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(leftHalf)) {
            return frame;
        }
    }
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        const QRect area = primary->availableGeometry();
        frame.setSize(frame.size().boundedTo(area.size()));
        frame.moveTopLeft(area.topLeft() + QPoint(10, 10));
    }
    return frame;
}

// Places the window so that its outer rectangle is `frame` with the frame known now. The inner
// rectangle is set directly, with the same margins for position and size: a window system may
// otherwise apply one frame to the position and another, later one to the size.
void fitInto(QWidget& window, const QRect& frame) {
    window.setGeometry(frame.marginsRemoved(frameMargins(window)));
}

// The outer rectangle asked for, and the inner one it was given, kept on the window while it
// starts maximised: the window system knows the frame of the normal state only once the window
// is shown in it.
constexpr const char* kAskedFrame = "tessaryAskedFrame";
constexpr const char* kGivenGeometry = "tessaryGivenGeometry";

// Many window systems tell the frame only once the window is on the screen, after the window
// was sized without it. This watcher sizes the window once more as soon as the frame of its
// normal state is known, and goes away at the latest when the window is first drawn in its normal
// state: later moves are the user's.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget& window, const QRect& frame)
        : QObject(&window), window_(window), frame_(frame), assumed_(frameMargins(window)) {
        // The native window hears of the frame and of being drawn; the widget does not.
        window.windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_.windowHandle()) {
            return false;
        }
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
        case QEvent::Expose:
            break;
        case QEvent::Hide:
            // Closed before it was framed: a later showing is placed anew.
            done();
            return false;
        default:
            return false;
        }
        if (window_.isMaximized() || window_.isMinimized() || window_.isFullScreen()) {
            return false;
        }
        if (frameMargins(window_) != assumed_) {
            fitInto(window_, frame_);
            done();
        } else if (event->type() == QEvent::Expose) {
            done();
        }
        return false;
    }

private:
    void done() {
        window_.windowHandle()->removeEventFilter(this);
        window_.setProperty(kAskedFrame, QVariant());
        window_.setProperty(kGivenGeometry, QVariant());
        deleteLater();
    }

    QWidget& window_;
    QRect frame_;
    QMargins assumed_;
};

// The outer rectangle of the window in its normal state: the frame geometry of a normal window,
// the rectangle a maximised or minimised window returns to, frame included.
QRect normalFrameGeometry(const QWidget& window) {
    if (!window.isMaximized() && !window.isMinimized() && !window.isFullScreen()) {
        return window.frameGeometry();
    }
    // Never shown in its normal state: the rectangle it was asked to take.
    const QVariant asked = window.property(kAskedFrame);
    if (asked.isValid() && window.normalGeometry() == window.property(kGivenGeometry).toRect()) {
        return asked.toRect();
    }
    return window.normalGeometry().marginsAdded(frameMargins(window));
}

// The smallest window the stored rectangle may give.
constexpr int kMinimumWidth = 160;
constexpr int kMinimumHeight = 120;

} // namespace

void placeWindow(QWidget& window, const PlacementText& place) {
    // The stored rectangle is the outer one, title bar and frame included.
    QRect frame(place.left, place.top, std::max(place.right - place.left, kMinimumWidth),
                std::max(place.bottom - place.top, kMinimumHeight));
    frame = ontoSomeScreen(frame);
    // Creating the native window first lets window systems that know their frame in advance
    // report it before the window is sized.
    window.winId();
    fitInto(window, frame);
    new FrameWatcher(window, frame);
    if (place.maximised) {
        window.setProperty(kAskedFrame, frame);
        window.setProperty(kGivenGeometry, window.geometry());
        window.showMaximized();
    } else {
        window.showNormal();
    }
}

PlacementText windowPlacement(const QWidget& window) {
    const QRect r = normalFrameGeometry(window);
    return {window.isMaximized(), r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace tessary::fw
