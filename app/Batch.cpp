#include "Batch.h"

#include "RowsReport.h"
#include "palette/Palettes.h"

#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <sstream>
#include <string>
#include <vector>

namespace vyn::app {
namespace {

// What one document's process printed, and how it ended.
struct Finished {
    std::string out, err;
    std::string rows; // the rows' facts as --json gives them, for the palettes
    Outcome outcome = Outcome::Done;
};

// A file in memory that a child writes and its parent reads once the child
// has ended: no pipe to fill up while nobody reads it.
class MemoryFile {
  public:
    MemoryFile() : fd_(::memfd_create("vyncolors-output", MFD_CLOEXEC)) {
        if (fd_ < 0) throw std::runtime_error(std::string("cannot make room for a build's output: ") +
                                              std::strerror(errno));
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile &) = delete;
    MemoryFile &operator=(const MemoryFile &) = delete;

    void write(std::string_view bytes) const {
        while (!bytes.empty()) {
            const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) return; // nothing better to do in a child that is ending
            bytes.remove_prefix(static_cast<std::size_t>(put));
        }
    }
    std::string contents() const {
        std::string bytes;
        char buffer[1 << 14];
        for (off_t at = 0;;) {
            const ssize_t got = ::pread(fd_, buffer, sizeof buffer, at);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return bytes;
            bytes.append(buffer, static_cast<std::size_t>(got));
            at += got;
        }
    }

  private:
    int fd_;
};

struct Child {
    std::size_t index;
    std::unique_ptr<MemoryFile> out, err, rows;
};

// The lines a document's process printed on standard error, each said of
// its input: "vyncolors: NAME: ...", or "NAME: ..." for an alert; a line
// that names the file already stays as it is.
std::string ofInput(const std::string &err, const std::string &name) {
    std::istringstream lines(err);
    std::string said, line;
    const std::string program = "vyncolors: ";
    while (std::getline(lines, line)) {
        if (line.rfind(name + ":", 0) == 0 || line.rfind(program + name + ":", 0) == 0)
            said += line;
        else if (line.rfind(program, 0) == 0)
            said += program + name + ": " + line.substr(program.size());
        else
            said += name + ": " + line;
        said += "\n";
    }
    return said;
}

const char *signalName(int signal) {
    const char *name = ::strsignal(signal);
    return name ? name : "unknown signal";
}

// How a child ended, as an outcome; a child killed by a signal is a failure
// that its own messages cannot have said.
Outcome outcomeOf(int status, Finished &finished) {
    if (WIFEXITED(status)) {
        const int code = WEXITSTATUS(status);
        if (code <= static_cast<int>(Outcome::Failed)) return static_cast<Outcome>(code);
    } else if (WIFSIGNALED(status)) {
        finished.err += "vyncolors: the build ended by signal " + std::to_string(WTERMSIG(status)) + " (" +
                        signalName(WTERMSIG(status)) + ")\n";
    }
    return Outcome::Failed;
}

// Shows "vyncolors: K of N files done" on a terminal, from a second on.
class Progress {
  public:
    Progress(std::size_t total, std::ostream &err) : total_(total), err_(err), shown_(::isatty(STDERR_FILENO)) {}

    void update(std::size_t done) {
        if (!shown_ || (drawn_ && done == done_) ||
            std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1))
            return;
        err_ << "\r\x1b[Kvyncolors: " << done << " of " << total_ << " files done" << std::flush;
        drawn_ = true;
        done_ = done;
    }
    // Before anything else is printed on the terminal.
    void clear() {
        if (drawn_) err_ << "\r\x1b[K" << std::flush;
        drawn_ = false;
    }

  private:
    std::size_t total_;
    std::ostream &err_;
    bool shown_;
    bool drawn_ = false;
    std::size_t done_ = 0;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The child's side: one document, its output into the memory files.
[[noreturn]] void buildInChild(const Options &options, std::size_t index, const Child &child,
                               const sigset_t &mask, const SingleRun &single) {
    ::sigprocmask(SIG_SETMASK, &mask, nullptr);
    Options one = options;
    one.documents = {options.documents[index]};
    // The batch writes the palettes, of every document's rows.
    std::ostringstream out, err, rows;
    if (!one.documents[0].palettes.empty()) {
        one.documents[0].palettes.clear();
        one.rowsForBatch = &rows;
    }
    Outcome outcome = Outcome::Failed;
    try {
        outcome = single(one, out, err);
    } catch (const std::exception &e) {
        err << "vyncolors: " << e.what() << "\n";
    }
    child.out->write(out.str());
    child.err->write(err.str());
    child.rows->write(rows.str());
    // No exit handlers or stream flushes of the parent's state.
    ::_exit(static_cast<int>(outcome));
}

// Prints the rows of the documents, in the order of the inputs.
class Printer {
  public:
    Printer(const Options &options, std::ostream &out, std::ostream &err, Progress &progress)
        : options_(options), out_(out), err_(err), progress_(progress) {}

    void print(std::size_t index, const Finished &finished) {
        const DocumentJob &job = options_.documents[index];
        const std::string name = job.input.string();
        if (!finished.err.empty()) {
            progress_.clear();
            err_ << ofInput(finished.err, name);
        }
        if (options_.json) {
            // Each document's rows, one element of an array.
            std::string_view rows = finished.out;
            while (!rows.empty() && rows.back() == '\n')
                rows.remove_suffix(1);
            if (rows.empty()) return;
            progress_.clear();
            out_ << (printedJson_ ? ",\n" : "[\n") << rows;
            printedJson_ = true;
        } else if (!finished.out.empty() || finished.outcome == Outcome::Done) {
            if (options_.verbosity == Verbosity::Quiet && !job.list) return;
            progress_.clear();
            out_ << (printedText_ ? "\n" : "") << name << ":\n" << finished.out;
            printedText_ = true;
        }
        out_.flush();
        err_.flush();
    }
    void finish() {
        if (options_.json) out_ << (printedJson_ ? "\n]\n" : "[]\n") << std::flush;
    }

  private:
    const Options &options_;
    std::ostream &out_, &err_;
    Progress &progress_;
    bool printedJson_ = false, printedText_ = false;
};

} // namespace

Outcome runBatch(const Options &options, std::ostream &out, std::ostream &err, const SingleRun &single) {
    const std::size_t total = options.documents.size();
    // SIGCHLD is held, so that the wait for the next child to end can also
    // wake to draw the progress line.
    sigset_t childEnded, before;
    sigemptyset(&childEnded);
    sigaddset(&childEnded, SIGCHLD);
    ::sigprocmask(SIG_BLOCK, &childEnded, &before);

    std::map<pid_t, Child> running;
    std::vector<std::optional<Finished>> finished(total);
    Progress progress(total, err);
    Printer printer(options, out, err, progress);
    std::size_t started = 0, printed = 0, done = 0, failed = 0;
    std::vector<std::string> reports; // of the documents charted, in input order
    Outcome worst = Outcome::Done;
    out.flush();
    err.flush();
    while (printed < total) {
        while (started < total && running.size() < static_cast<std::size_t>(options.jobs)) {
            Child child{started, std::make_unique<MemoryFile>(), std::make_unique<MemoryFile>(),
                        std::make_unique<MemoryFile>()};
            const pid_t pid = ::fork();
            if (pid < 0) {
                if (running.empty())
                    throw std::runtime_error(std::string("cannot start a build: ") + std::strerror(errno));
                break; // try again once one has ended
            }
            if (pid == 0) buildInChild(options, started, child, before, single);
            running.emplace(pid, std::move(child));
            ++started;
        }
        int status = 0;
        const pid_t ended = ::waitpid(-1, &status, WNOHANG);
        if (ended > 0) {
            auto it = running.find(ended);
            if (it == running.end()) continue;
            Finished result{it->second.out->contents(), it->second.err->contents(), it->second.rows->contents()};
            result.outcome = outcomeOf(status, result);
            if (result.outcome != Outcome::Done) ++failed;
            if (exitStatusOf(result.outcome) > exitStatusOf(worst)) worst = result.outcome;
            finished[it->second.index] = std::move(result);
            running.erase(it);
            ++done;
            for (; printed < total && finished[printed]; ++printed) {
                printer.print(printed, *finished[printed]);
                if (!finished[printed]->rows.empty()) reports.push_back(std::move(finished[printed]->rows));
                finished[printed].reset();
            }
            progress.update(done);
            continue;
        }
        const timespec tick{0, 250'000'000};
        ::sigtimedwait(&childEnded, nullptr, &tick);
        progress.update(done);
    }
    progress.clear();
    ::sigprocmask(SIG_SETMASK, &before, nullptr);
    printer.finish();
    // Each palette holds the rows of every document charted, named by its
    // own file.
    const auto &palettes = options.documents.front().palettes;
    if (!palettes.empty()) {
        std::ostream dropped(nullptr); // the notes of a quiet run
        const std::vector<RowFacts> rows = mergedRows(reports);
        for (const std::filesystem::path &palette : palettes)
            if (!writePalettes(rows, {palette}, palette.stem().string(), err,
                               options.verbosity == Verbosity::Quiet ? dropped : err) &&
                exitStatusOf(Outcome::NotWritten) > exitStatusOf(worst))
                worst = Outcome::NotWritten;
    }
    if (options.verbosity != Verbosity::Quiet || failed > 0)
        err << "vyncolors: " << total << " files: " << (total - failed) << (options.documents.front().list ? " listed" : " charted")
            << ", " << failed << " failed\n";
    return worst;
}

} // namespace vyn::app
