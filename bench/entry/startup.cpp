// Time from process start to the first paint of a window, and the peak resident memory, for the
// data-entry window and for a plain window of 60 labels and 60 line edits built here, both taken when
// the first paint is done.
//
// Without arguments it is the driver: it starts itself again as a child once per run, alternating
// the two windows, and prints the medians and ratios. With "--child ingreso|plain" it is the child:
// it shows that window and writes the monotonic clock and its peak memory to stdout once the first
// paint is done.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ingreso_window.h"
#include "twips.h"

namespace {

constexpr int kRuns = 15;             // per window, alternating
constexpr int kPlainPairs = 60;       // 60 labels and 60 line edits make the baseline's 120 controls
constexpr double kTimeTarget = 1.2;   // data entry at most 1.2x the baseline's start-up time
constexpr double kMemoryTarget = 1.15;
constexpr int kPaintTimeoutMs = 20000;

long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Watches every widget of the application: a window whose contents fill it (a main window with a
// scroll area) gets no paint event of its own, only its children do.
// The peak resident memory so far: at the first paint, before the work the window leaves for idle time.
long peakResidentKb()
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status) {
        return 0;
    }
    char line[256];
    long kb = 0;
    while (std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) {
            break;
        }
    }
    std::fclose(status);
    return kb;
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QWidget *window) : window_(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_ && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == window_) {
            seen_ = true;
            // Queued behind the paint pass, so the children have painted and the frame is flushed.
            QTimer::singleShot(0, [] {
                std::printf("%lld %ld\n", monotonicNs(), peakResidentKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QWidget *window_;
    bool seen_ = false;
};

std::unique_ptr<QWidget> plainWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Ventana simple"));
    window->setFixedSize(recibo::ui::sizeOf(11880, 8595));
    for (int i = 0; i < kPlainPairs; ++i) {
        const int column = i / 20;
        const int row = i % 20;
        auto *label = new QLabel(QStringLiteral("Campo número %1").arg(i + 1), window.get());
        label->setGeometry(recibo::ui::rectOf(120 + column * 3900, 120 + row * 410, 1900, 300));
        auto *edit = new QLineEdit(QStringLiteral("0"), window.get());
        edit->setGeometry(recibo::ui::rectOf(2080 + column * 3900, 100 + row * 410, 1700, 345));
    }
    return window;
}

int child(int argc, char **argv, const std::string &which)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (which == "ingreso") {
        window = std::make_unique<recibo::entry::IngresoWindow>();
    } else {
        window = plainWindow();
    }
    FirstPaint probe(window.get());
    app.installEventFilter(&probe);
    window->show();
    // A window that never paints fails the run instead of holding the driver forever.
    QTimer::singleShot(kPaintTimeoutMs, [] { QCoreApplication::exit(1); });
    return app.exec();
}

struct Sample {
    double ms;
    long rssKb;
};

bool runOnce(const char *self, const char *which, Sample &out)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return false;
    }
    const long long start = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(self, self, "--child", which, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string text;
    char buffer[64];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return false;
    }
    long long paintedNs = 0;
    if (std::sscanf(text.c_str(), "%lld %ld", &paintedNs, &out.rssKb) != 2 || out.rssKb <= 0) {
        return false;
    }
    out.ms = static_cast<double>(paintedNs - start) / 1e6;
    return true;
}

template <class T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        return child(argc, argv, argv[2]);
    }
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform: %s, %d runs of each window, medians\n", platform ? platform : "(default)", kRuns);

    std::vector<double> ingresoMs, plainMs;
    std::vector<long> ingresoKb, plainKb;
    for (int i = 0; i < kRuns; ++i) {
        Sample s{};
        if (!runOnce("/proc/self/exe", "plain", s)) {
            std::fprintf(stderr, "the plain window did not start\n");
            return 1;
        }
        plainMs.push_back(s.ms);
        plainKb.push_back(s.rssKb);
        if (!runOnce("/proc/self/exe", "ingreso", s)) {
            std::fprintf(stderr, "the data-entry window did not start\n");
            return 1;
        }
        ingresoMs.push_back(s.ms);
        ingresoKb.push_back(s.rssKb);
    }
    const double ti = median(ingresoMs), tp = median(plainMs);
    const long mi = median(ingresoKb), mp = median(plainKb);
    std::printf("%-28s %10s %14s\n", "window", "first paint", "peak RSS");
    std::printf("%-28s %8.1f ms %11ld KiB\n", "plain (60 labels+60 edits)", tp, mp);
    std::printf("%-28s %8.1f ms %11ld KiB\n", "ingreso", ti, mi);
    const double timeRatio = ti / tp;
    const double memoryRatio = static_cast<double>(mi) / static_cast<double>(mp);
    std::printf("ratio time %.3f (target <= %.2f) %s\n", timeRatio, kTimeTarget, timeRatio <= kTimeTarget ? "ok" : "OVER");
    std::printf("ratio memory %.3f (target <= %.2f) %s\n", memoryRatio, kMemoryTarget,
                memoryRatio <= kMemoryTarget ? "ok" : "OVER");
    return 0;
}
