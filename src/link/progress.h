#pragma once
// The progress window of an Interface action: the text of the current step, a progress bar
// and "Abbrechen" (which requests the abort of the link). Created per action; closed when
// the object is destroyed.
#include <memory>
#include <string>

namespace ovis {

class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void SetStepText(const std::string& text) = 0;
    virtual void SetMaximum(int maximum) = 0;
    virtual void SetPosition(int position) = 0;
};

class ProgressWindows {
public:
    virtual ~ProgressWindows() = default;
    // Creates and shows a progress window with `stepText`.
    virtual std::unique_ptr<ProgressWindow> Open(const std::string& stepText) = 0;
};

}  // namespace ovis
