#include "windows/SystemBeep.h"

#include <QApplication>

namespace morvane::SystemBeep {
namespace {

std::function<void()>& listener() {
    static std::function<void()> current;
    return current;
}

} // namespace

void sound() {
    QApplication::beep();
    if (listener()) {
        listener()();
    }
}

std::function<void()> setListener(std::function<void()> newListener) {
    return std::exchange(listener(), std::move(newListener));
}

} // namespace morvane::SystemBeep
