#include "windows/MenuHost.h"

namespace morvane {
namespace {

MenuHost* currentHost = nullptr;

} // namespace

MenuHost::MenuHost() {
    currentHost = this;
}

MenuHost::~MenuHost() {
    if (currentHost == this) {
        currentHost = nullptr;
    }
}

MenuHost* MenuHost::current() {
    return currentHost;
}

void MenuHost::attachTo(QMainWindow& window) {
    if (currentHost) {
        currentHost->attach(window);
    }
}

void MenuHost::refresh() {
    if (currentHost) {
        currentHost->evaluate();
    }
}

} // namespace morvane
