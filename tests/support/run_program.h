#pragma once
// Runs a program through the shell and collects its output (stdout and stderr) and exit code.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace ovis::test {

struct ProgramRun {
    int exitCode = -1;
    std::string output;
};

enum class Output { StdoutAndStderr, StdoutOnly };

inline ProgramRun RunProgram(const std::string& commandLine, Output output = Output::StdoutAndStderr) {
    ProgramRun run;
    const char* redirect = output == Output::StdoutAndStderr ? " 2>&1" : " 2>/dev/null";
    FILE* pipe = popen((commandLine + redirect).c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) run.output.append(buffer.data(), n);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// A path as one single-quoted shell word.
inline std::string ShellQuoted(const std::filesystem::path& p) {
    std::string out = "'";
    for (char c : p.string()) out += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

#ifdef OVISCTL_PATH
inline ProgramRun Ovisctl(const std::string& arguments, Output output = Output::StdoutAndStderr) {
    return RunProgram(std::string(OVISCTL_PATH) + " " + arguments, output);
}
#endif

}  // namespace ovis::test
