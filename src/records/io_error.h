#pragma once
// The input/output error of a file operation. Its text is German and names the file; the caller
// shows it (error box in the GUI, stderr in ovisctl) and ends the operation in hand.
#include <stdexcept>
#include <string>

namespace ovis {

class IoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace ovis
