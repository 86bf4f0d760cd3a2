#include "XDesktop.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

using namespace Qt::StringLiterals;

extern char** environ;

namespace kl::testing {

namespace {

XDesktop* g_current = nullptr;

using Clock = std::chrono::steady_clock;

// Starts `path` with `args` and `env`; `keepFd` (when not -1) stays open in the program, every other
// descriptor of ours is closed on exec, and its output goes nowhere. Only async-signal-safe calls run
// between fork and exec.
pid_t spawn(const char* path, std::vector<std::string> args, const std::vector<std::string>& env,
            int keepFd) {
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> envCopy = env;
    std::vector<char*> envp;
    for (std::string& e : envCopy) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        if (keepFd >= 0) {
            fcntl(keepFd, F_SETFD, 0);
        }
        execve(path, argv.data(), envp.data());
        _exit(127);
    }
    return pid;
}

// This program's environment, with `name` set to `value` when a name is given.
std::vector<std::string> environmentWith(const std::string& name = {}, const std::string& value = {}) {
    std::vector<std::string> env;
    const std::string prefix = name + '=';
    for (char** e = environ; *e != nullptr; ++e) {
        if (name.empty() || std::strncmp(*e, prefix.c_str(), prefix.size()) != 0) {
            env.emplace_back(*e);
        }
    }
    if (!name.empty()) {
        env.push_back(prefix + value);
    }
    return env;
}

// Ends the program started as `pid`: asks first, then insists.
void endProcess(pid_t pid) {
    if (pid <= 0) {
        return;
    }
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// The display number that Xvfb writes to its -displayfd descriptor, one line; empty when none came in time.
std::string readDisplayNumber(int fd, int timeoutMs) {
    std::string line;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (line.find('\n') == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return {};
        }
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0) {
            return {};
        }
        char buf[32];
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n <= 0) {
            return {};
        }
        line.append(buf, static_cast<std::size_t>(n));
    }
    return line.substr(0, line.find('\n'));
}

// The atom of `name`; none when the server does not answer.
xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

XDesktop XDesktop::start() {
    XDesktop desktop;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        desktop.m_error = u"no pipe for the display number"_s;
        return desktop;
    }
    desktop.m_server = spawn(
        "/usr/bin/Xvfb",
        {"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
        environmentWith(), fds[1]);
    close(fds[1]);
    const std::string number = readDisplayNumber(fds[0], 15000);
    close(fds[0]);
    if (desktop.m_server < 0 || number.empty()) {
        desktop.m_error = u"Xvfb gave no display"_s;
        desktop.stop();
        return desktop;
    }
    desktop.m_display = u":"_s + QString::fromStdString(number);
    const std::string display = desktop.m_display.toStdString();
    desktop.m_connection = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(desktop.m_connection) != 0) {
        desktop.m_error = u"no connection to "_s + desktop.m_display;
        desktop.stop();
        return desktop;
    }
    desktop.m_windowManager =
        spawn("/usr/bin/openbox", {"openbox", "--sm-disable"}, environmentWith("DISPLAY", display), -1);
    if (desktop.m_windowManager < 0 || !desktop.waitForWindowManager(15000)) {
        desktop.m_error = u"openbox did not come up on "_s + desktop.m_display;
        desktop.stop();
        return desktop;
    }
    g_current = &desktop;
    return desktop;
}

XDesktop XDesktop::forPlatform() {
    if (qgetenv("QT_QPA_PLATFORM") != "xcb") {
        return XDesktop();
    }
    XDesktop desktop = start();
    if (desktop.ready()) {
        qputenv("DISPLAY", desktop.m_display.toLocal8Bit());
    }
    return desktop;
}

XDesktop::XDesktop(XDesktop&& other) noexcept
    : m_server(other.m_server), m_windowManager(other.m_windowManager), m_display(std::move(other.m_display)),
      m_error(std::move(other.m_error)), m_connection(other.m_connection) {
    other.m_server = -1;
    other.m_windowManager = -1;
    other.m_connection = nullptr;
    if (g_current == &other) {
        g_current = this;
    }
}

XDesktop::~XDesktop() {
    stop();
}

void XDesktop::stop() {
    if (g_current == this) {
        g_current = nullptr;
    }
    if (m_connection != nullptr) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
    }
    endProcess(m_windowManager);
    m_windowManager = -1;
    endProcess(m_server);
    m_server = -1;
}

// openbox names its check window before its start-up is over, and a window mapped meanwhile can stay
// unmanaged and never be exposed (seen on a busy machine). It is ready once it has framed a window of ours;
// the probe is mapped again until then.
bool XDesktop::waitUntilManaging(std::chrono::steady_clock::time_point deadline) {
    xcb_connection_t* c = m_connection;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t probe = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    bool framed = false;
    while (!framed && Clock::now() < deadline) {
        xcb_unmap_window(c, probe);
        xcb_map_window(c, probe);
        xcb_flush(c);
        const auto retry = std::min(deadline, Clock::now() + std::chrono::milliseconds(250));
        while (!framed && Clock::now() < retry) {
            xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, probe), nullptr);
            framed = tree != nullptr && tree->parent != screen->root;
            std::free(tree);
            if (!framed) {
                if (waitpid(m_windowManager, nullptr, WNOHANG) != 0) {
                    m_windowManager = -1;
                    xcb_destroy_window(c, probe);
                    xcb_flush(c);
                    return false;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    }
    xcb_destroy_window(c, probe);
    xcb_flush(c);
    return framed;
}

// A window manager that follows the desktop conventions names its check window on the root window.
bool XDesktop::waitForWindowManager(int timeoutMs) {
    const xcb_atom_t check = internAtom(m_connection, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE) {
        return false;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr);
        const bool set = reply != nullptr && xcb_get_property_value_length(reply) > 0;
        std::free(reply);
        if (set) {
            return waitUntilManaging(deadline);
        }
        if (waitpid(m_windowManager, nullptr, WNOHANG) != 0) {
            m_windowManager = -1;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

XDesktop* XDesktop::current() {
    return g_current;
}

QImage XDesktop::grabFromScreen(const QWidget& widget) {
    const WId id = widget.window()->winId();
    XDesktop* desktop = current();
    if (desktop == nullptr || desktop->m_connection == nullptr) {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen != nullptr ? screen->grabWindow(id).toImage() : QImage();
    }
    xcb_connection_t* c = desktop->m_connection;
    const auto window = static_cast<xcb_window_t>(id);
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    if (geometry == nullptr) {
        return {};
    }
    const int width = geometry->width;
    const int height = geometry->height;
    std::free(geometry);
    xcb_get_image_reply_t* reply =
        xcb_get_image_reply(c,
                            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          static_cast<uint16_t>(width), static_cast<uint16_t>(height), ~0U),
                            nullptr);
    // A window that is not viewable has no image.
    if (reply == nullptr) {
        return {};
    }
    QImage image;
    const int length = xcb_get_image_data_length(reply);
    if (reply->depth == 24 && length == width * height * 4) {
        image = QImage(xcb_get_image_data(reply), width, height, width * 4, QImage::Format_RGB32).copy();
    }
    std::free(reply);
    return image;
}

xcb_connection_t* XDesktop::currentConnection() {
    return g_current != nullptr ? g_current->m_connection : nullptr;
}

std::vector<quint32> XDesktop::windowValues(const QWidget& widget, const char* property) {
    xcb_connection_t* c = currentConnection();
    if (c == nullptr) {
        return {};
    }
    const auto window = static_cast<xcb_window_t>(widget.window()->winId());
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, internAtom(c, property), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
        nullptr);
    std::vector<quint32> values;
    if (reply != nullptr && reply->format == 32) {
        const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

QStringList XDesktop::windowAtoms(const QWidget& widget, const char* property) {
    xcb_connection_t* c = currentConnection();
    QStringList names;
    for (const quint32 atom : windowValues(widget, property)) {
        xcb_get_atom_name_reply_t* reply = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atom), nullptr);
        if (reply != nullptr) {
            names.append(
                QString::fromLatin1(xcb_get_atom_name_name(reply), xcb_get_atom_name_name_length(reply)));
        }
        std::free(reply);
    }
    return names;
}

QSize XDesktop::windowSize(const QWidget& widget) {
    xcb_connection_t* c = currentConnection();
    if (c == nullptr) {
        return {};
    }
    const auto window = static_cast<xcb_window_t>(widget.window()->winId());
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    const QSize size = geometry != nullptr ? QSize(geometry->width, geometry->height) : QSize();
    std::free(geometry);
    return size;
}

void XDesktop::requestState(const QWidget& widget, const char* state, const char* second) {
    xcb_connection_t* c = currentConnection();
    if (c == nullptr) {
        return;
    }
    constexpr quint32 add = 1;
    constexpr quint32 fromPager = 2;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(widget.window()->winId());
    message.type = internAtom(c, "_NET_WM_STATE");
    message.data.data32[0] = add;
    message.data.data32[1] = internAtom(c, state);
    message.data.data32[2] = second != nullptr ? internAtom(c, second) : xcb_atom_t(XCB_ATOM_NONE);
    message.data.data32[3] = fromPager;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

} // namespace kl::testing
