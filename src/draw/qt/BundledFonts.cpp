#include "draw/qt/BundledFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

// Resources of a static library are registered by hand; Q_INIT_RESOURCE has to be used outside
// any namespace.
static void initialiseFontResources() {
    Q_INIT_RESOURCE(fonts);
}

namespace morvane {
namespace {

bool registered = false;
bool loaded = false;
bool helveticaOnSystem = false;

bool isHelvetica(std::string_view name) {
    constexpr std::string_view helvetica = "helvetica";
    if (name.size() != helvetica.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c =
            name[i] >= 'A' && name[i] <= 'Z' ? static_cast<char>(name[i] - 'A' + 'a') : name[i];
        if (c != helvetica[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool registerBundledFonts() {
    if (registered) {
        return loaded;
    }
    registered = true;
    initialiseFontResources();
    helveticaOnSystem = QFontDatabase::families().contains("Helvetica", Qt::CaseInsensitive);
    loaded = true;
    for (const char* face : {":/morvane/fonts/LiberationSans-Regular.ttf",
                             ":/morvane/fonts/LiberationSans-Bold.ttf"}) {
        loaded = QFontDatabase::addApplicationFont(face) >= 0 && loaded;
    }
    if (loaded && !helveticaOnSystem) {
        // For QFont users that name the family themselves (windows, dialogs).
        QFont::insertSubstitution("Helvetica", bundledFontFamily());
    }
    return loaded;
}

QString bundledFontFamily() {
    return QStringLiteral("Liberation Sans");
}

bool systemHasHelvetica() {
    return helveticaOnSystem;
}

QString resolveFontFamily(std::string_view name) {
    if (name.empty() || (isHelvetica(name) && !helveticaOnSystem)) {
        return bundledFontFamily();
    }
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace morvane
