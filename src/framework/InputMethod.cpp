#include "framework/InputMethod.h"

#include <QWidget>

namespace tessary::fw {
namespace {

constexpr const char* kOpenProperty = "tessaryInputMethodOpen";

CInputMethod* installed = nullptr;

} // namespace

CInputMethod& CInputMethod::current() {
    static CDefaultInputMethod fallback;
    return installed != nullptr ? *installed : fallback;
}

void CInputMethod::setCurrent(CInputMethod* inputMethod) {
    installed = inputMethod;
}

bool CDefaultInputMethod::isOpen(QWidget* widget) {
    return widget != nullptr && widget->property(kOpenProperty).toBool();
}

void CDefaultInputMethod::setOpen(QWidget* widget, bool open) {
    if (widget != nullptr) {
        widget->setProperty(kOpenProperty, open);
    }
}

} // namespace tessary::fw
