#pragma once

// quorvel-solve run as a user runs it: the built program with arguments and a standard input,
// its standard output, standard error and exit status read back; each test has a folder of its
// own for the files it gives the program and the files the program writes.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#ifndef QUORVEL_SOLVE_PATH
#error "QUORVEL_SOLVE_PATH must name the built quorvel-solve"
#endif

namespace solverrun {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string slurp(const fs::path &path)
{
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

inline void spit(const fs::path &path, const std::string &text)
{
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream << text;
}

class SolverTest : public ::testing::Test {
protected:
    // The test's folder is called <prefix><process id>-<test name>, in the temporary folder.
    explicit SolverTest(std::string prefix) : m_prefix(std::move(prefix)) {}

    void SetUp() override
    {
        m_dir = fs::temp_directory_path()
            / (m_prefix + std::to_string(::getpid()) + "-"
               + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // Runs the solver with `args`, `input` on its standard input. A program ended by a signal
    // gives 128 and the signal's number, as a shell says it.
    Result run(const std::vector<std::string> &args, const std::string &input = "")
    {
        const fs::path in = m_dir / "stdin", out = m_dir / "stdout", err = m_dir / "stderr";
        spit(in, input);
        std::vector<std::string> argv{QUORVEL_SOLVE_PATH};
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<char *> pointers;
        for (std::string &arg : argv)
            pointers.push_back(arg.data());
        pointers.push_back(nullptr);

        const pid_t child = ::fork();
        if (child == 0) {
            const int inFd = ::open(in.c_str(), O_RDONLY);
            const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (inFd < 0 || outFd < 0 || errFd < 0 || ::dup2(inFd, 0) < 0 || ::dup2(outFd, 1) < 0
                || ::dup2(errFd, 2) < 0)
                ::_exit(127);
            ::execv(pointers[0], pointers.data());
            ::_exit(127);
        }
        Result result;
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child) {
            ADD_FAILURE() << "cannot run " << QUORVEL_SOLVE_PATH;
            return result;
        }
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        result.out = slurp(out);
        result.err = slurp(err);
        return result;
    }

    // A file of the test's folder holding `text`.
    fs::path file(const std::string &name, const std::string &text)
    {
        const fs::path path = m_dir / name;
        spit(path, text);
        return path;
    }

    fs::path m_dir;

private:
    std::string m_prefix;
};

} // namespace solverrun
