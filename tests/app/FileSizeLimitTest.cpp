#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

extern char** environ;

namespace {

// The pictures the start-up shows: the splash window's three and the top menu's six.
constexpr int StartUpPictures = 9;

// What the test's own folders replace in the program's environment.
std::vector<std::string> environmentFor(const QTemporaryDir& dir) {
    const std::string base = QFile::encodeName(dir.path()).toStdString();
    const std::vector<std::string> own{
        "TMPDIR=" + base + "/tmp",           "XDG_RUNTIME_DIR=" + base + "/runtime",
        "XDG_CACHE_HOME=" + base + "/cache", "XDG_CONFIG_HOME=" + base + "/config",
        "QT_QPA_PLATFORM=offscreen",
    };
    const auto isOwn = [&own](const std::string& entry) {
        for (const std::string& o : own) {
            if (entry.starts_with(o.substr(0, o.find('=') + 1))) {
                return true;
            }
        }
        return false;
    };
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (!isOwn(*e)) {
            env.emplace_back(*e);
        }
    }
    env.insert(env.end(), own.begin(), own.end());
    return env;
}

std::string describe(int status) {
    if (WIFEXITED(status)) {
        return "exited with " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return std::string("killed by ") + strsignal(WTERMSIG(status));
    }
    return "status " + std::to_string(status);
}

// The picture files that come and go in the watched folder, counted from the watch's events.
struct PictureFiles {
    int made = 0;
    int removed = 0;

    void read(int watch) {
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(watch, buffer, sizeof buffer);
            if (n <= 0) {
                return;
            }
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0 && std::strncmp(event->name, "~rs", 3) == 0) {
                    made += (event->mask & IN_CREATE) != 0 ? 1 : 0;
                    removed += (event->mask & IN_DELETE) != 0 ? 1 : 0;
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }
};

} // namespace

// Run under a file-size limit of nothing at all, the program starts as usual: its picture writes fail
// instead of the limit's signal ending it, and every picture file it made is gone again.
TEST(FileSizeLimit, ProgramStartsAndLeavesNoPictureFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir root(dir.path());
    for (const char* folder : {"tmp", "runtime", "cache", "config"}) {
        ASSERT_TRUE(root.mkdir(QString::fromLatin1(folder)));
    }
    ASSERT_TRUE(QFile::setPermissions(root.filePath(u"runtime"_s),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString tmp = root.filePath(u"tmp"_s);

    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0) << std::strerror(errno);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(tmp).constData(), IN_CREATE | IN_DELETE), 0);

    // Everything the child needs is made before it is forked: between fork and exec it only calls
    // what is safe there.
    const std::string program = KL_PROGRAM;
    std::vector<std::string> env = environmentFor(dir);
    std::vector<char*> envp;
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
    rlimit noFiles{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &noFiles), 0);
    noFiles.rlim_cur = 0;
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(devNull, 0);

    const pid_t child = fork();
    ASSERT_GE(child, 0) << std::strerror(errno);
    if (child == 0) {
        ::dup2(devNull, STDOUT_FILENO);
        if (setrlimit(RLIMIT_FSIZE, &noFiles) != 0) {
            _exit(126);
        }
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    ::close(devNull);

    // Until the start-up has shown its pictures, or the program has ended.
    PictureFiles files;
    int status = 0;
    bool ended = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    while (files.removed < StartUpPictures && std::chrono::steady_clock::now() < deadline) {
        pollfd p{watch, POLLIN, 0};
        ::poll(&p, 1, 100);
        files.read(watch);
        if (waitpid(child, &status, WNOHANG) == child) {
            ended = true;
            break;
        }
    }
    if (!ended) {
        kill(child, SIGTERM);
        ASSERT_EQ(waitpid(child, &status, 0), child);
    }
    files.read(watch);
    ::close(watch);

    EXPECT_FALSE(ended) << "the program ended during its start-up: " << describe(status);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << describe(status);
    EXPECT_GE(files.removed, StartUpPictures) << "picture files made " << files.made;
    EXPECT_EQ(files.made, files.removed);
    EXPECT_EQ(QDir(tmp)
                  .entryList({u"~rs*"_s}, QDir::AllEntries | QDir::Hidden | QDir::System)
                  .join(u' ')
                  .toStdString(),
              "");
}
