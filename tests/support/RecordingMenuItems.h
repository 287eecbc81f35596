#pragma once

#include "windows/MenuHandlers.h"
#include "windows/MenuItems.h"

#include <QString>
#include <map>
#include <set>
#include <string>

namespace morvane::test {

// Records what an enabling rule did.
class RecordingMenuItems : public MenuItems {
public:
    void enable(std::string_view item) override { enabled.emplace(item); }
    void setChecked(std::string_view item, bool on) override { checked[std::string(item)] = on; }
    void setCaption(std::string_view item, const QString& caption) override {
        captions[std::string(item)] = caption;
    }

    std::set<std::string, std::less<>> enabled;
    std::map<std::string, bool> checked;
    std::map<std::string, QString> captions;
};

// The items a window's rule enables, with check marks and captions.
inline RecordingMenuItems evaluate(MenuHandlers& window) {
    RecordingMenuItems items;
    window.enableMenuItems(items);
    return items;
}

} // namespace morvane::test
