#pragma once

#include <QString>
#include <string_view>

namespace morvane {

// The items of the one menu bar as an enabling rule sees them, found by item name
// ("FileSave2", "ViewNormierteWertezeigen"). Before the rules run, every item is disabled and
// loses its check mark (except "Linien glätten", whose mark is program state); the rules only
// enable and set marks. Captions keep what the last rule set.
// Implemented by Menu (src/app); tests may record the calls.
class MenuItems {
public:
    virtual void enable(std::string_view item) = 0;
    virtual void setChecked(std::string_view item, bool checked) = 0;
    virtual void setCaption(std::string_view item, const QString& caption) = 0;

protected:
    ~MenuItems() = default;
};

} // namespace morvane
