#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Small maths module shared by the diagrams, and the diagnostic trace.
namespace morvane::Mathe {

// Pi as 4 * arctan(1). Valid from static initialisation on; InitMathe computes it again so that
// start-up follows the documented order without a window in which pi is still zero.
extern double pi;
void InitMathe();

// Diagnostic trace for developers (crossing test of the tetrahedron edges). Silent unless the
// environment variable MORVANE_TRACE is set: "1" or "stderr" writes to standard error, any
// other value is a file that lines are appended to. Never shown to the user. Thread-safe.
void log(std::string_view message);

// Replaces the sink (tests capture the trace with it); returns the previous sink. An empty
// function restores the environment-controlled default.
using LogSink = std::function<void(std::string_view)>;
LogSink setLogSink(LogSink sink);

// Captures trace lines for the lifetime of the object.
class ScopedLogCapture {
public:
    ScopedLogCapture();
    ~ScopedLogCapture();
    ScopedLogCapture(const ScopedLogCapture&) = delete;
    ScopedLogCapture& operator=(const ScopedLogCapture&) = delete;

    const std::vector<std::string>& lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines;
    LogSink m_previous;
};

} // namespace morvane::Mathe
