#pragma once

#include "draw/RecordingVectorRecorder.h"

#include <string>
#include <vector>

namespace morvane::test {

// A recording vector recorder that leaves its calls in `kept` when it is dropped: for code that
// makes, uses and drops its own recorder (CopyVectorImage).
class KeptRecorder : public RecordingVectorRecorder {
public:
    explicit KeptRecorder(std::vector<std::string>& kept) : m_kept(kept) {}
    KeptRecorder(const KeptRecorder&) = delete;
    KeptRecorder& operator=(const KeptRecorder&) = delete;
    ~KeptRecorder() override { m_kept = calls; }

private:
    std::vector<std::string>& m_kept;
};

} // namespace morvane::test
