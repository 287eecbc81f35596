#include "base/Mathe.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace morvane::Mathe {

double pi = 4.0 * std::atan(1.0);

void InitMathe() {
    pi = 4.0 * std::atan(1.0);
}

namespace {

std::mutex& sinkMutex() {
    static std::mutex mutex;
    return mutex;
}

LogSink& installedSink() {
    static LogSink sink;
    return sink;
}

void writeToEnvironmentTarget(std::string_view message) {
    static const char* target = std::getenv("MORVANE_TRACE");
    if (target == nullptr || *target == '\0') {
        return;
    }
    const std::string_view name(target);
    if (name == "1" || name == "stderr") {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
        return;
    }
    if (std::FILE* file = std::fopen(target, "a")) {
        std::fprintf(file, "%.*s\n", static_cast<int>(message.size()), message.data());
        std::fclose(file);
    }
}

} // namespace

void log(std::string_view message) {
    std::lock_guard lock(sinkMutex());
    if (installedSink()) {
        installedSink()(message);
    } else {
        writeToEnvironmentTarget(message);
    }
}

LogSink setLogSink(LogSink sink) {
    std::lock_guard lock(sinkMutex());
    LogSink previous = std::move(installedSink());
    installedSink() = std::move(sink);
    return previous;
}

ScopedLogCapture::ScopedLogCapture()
    : m_previous(setLogSink([this](std::string_view line) { m_lines.emplace_back(line); })) {}

ScopedLogCapture::~ScopedLogCapture() {
    setLogSink(std::move(m_previous));
}

} // namespace morvane::Mathe
