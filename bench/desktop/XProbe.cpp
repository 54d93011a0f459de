// xprobe: times, from outside the program, how long a pointer entering a
// spot takes to bring a window's pixels onto the X server. It moves the real
// pointer (XWarpPointer: the server sends the program the same enter, leave
// and motion events as a mouse would) and reads the screen back with
// XGetImage until a rectangle shows what it should.
//
//   xprobe capture X Y W H FILE          wait until the rectangle is still, save it
//   xprobe hover AX AY RX RY  X Y W H REF LATER
//       pointer to the away point (AX, AY), wait until the rectangle is still;
//       pointer to (RX, RY) and time until the rectangle matches REF (first);
//       then LATER times: away again, wait until the rectangle is back to how
//       it was, onto the spot again, time until it matches REF.
//       Prints: first_ms later_ms later_ms ...
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTimeoutMs = 10000;
// A rectangle counts as still when it has not changed for this long.
constexpr int kStillMs = 300;
// Matching allows a sliver of difference (a blinking caret, a focus frame).
constexpr double kMatchFraction = 0.995;

struct Rect {
    int x, y, w, h;
};

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

std::vector<uint32_t> Grab(Display* dpy, const Rect& r)
{
    XImage* image = XGetImage(dpy, DefaultRootWindow(dpy), r.x, r.y, unsigned(r.w), unsigned(r.h), AllPlanes, ZPixmap);
    std::vector<uint32_t> pixels(size_t(r.w) * size_t(r.h));
    if (!image)
        return pixels;
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x)
            pixels[size_t(y) * size_t(r.w) + size_t(x)] = uint32_t(XGetPixel(image, x, y)) & 0xFFFFFFu;
    XDestroyImage(image);
    return pixels;
}

double Agreement(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    if (a.size() != b.size() || a.empty())
        return 0;
    size_t same = 0;
    for (size_t i = 0; i < a.size(); ++i)
        same += a[i] == b[i];
    return double(same) / double(a.size());
}

// Waits until the rectangle has stayed the same for kStillMs; returns it.
std::vector<uint32_t> WaitStill(Display* dpy, const Rect& r)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(kTimeoutMs);
    std::vector<uint32_t> last = Grab(dpy, r);
    auto since = Clock::now();
    while (Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::vector<uint32_t> now = Grab(dpy, r);
        if (now != last) {
            last = std::move(now);
            since = Clock::now();
        } else if (Ms(Clock::now() - since) >= kStillMs) {
            return last;
        }
    }
    std::fprintf(stderr, "xprobe: the rectangle never kept still\n");
    std::exit(2);
}

// Polls until the rectangle matches want; returns the time since start.
double TimeUntilMatch(Display* dpy, const Rect& r, const std::vector<uint32_t>& want, Clock::time_point start)
{
    while (Ms(Clock::now() - start) < kTimeoutMs) {
        if (Agreement(Grab(dpy, r), want) >= kMatchFraction)
            return Ms(Clock::now() - start);
    }
    std::fprintf(stderr, "xprobe: the rectangle never showed what it should\n");
    std::exit(3);
}

void Warp(Display* dpy, int x, int y)
{
    XWarpPointer(dpy, None, DefaultRootWindow(dpy), 0, 0, 0, 0, x, y);
    XSync(dpy, False);
}

void Save(const std::string& path, const Rect& r, const std::vector<uint32_t>& pixels)
{
    std::ofstream out(path, std::ios::binary);
    out << r.w << ' ' << r.h << '\n';
    out.write(reinterpret_cast<const char*>(pixels.data()), std::streamsize(pixels.size() * sizeof(uint32_t)));
}

std::vector<uint32_t> Load(const std::string& path, const Rect& r)
{
    std::ifstream in(path, std::ios::binary);
    int w = 0, h = 0;
    in >> w >> h;
    in.get();
    if (w != r.w || h != r.h) {
        std::fprintf(stderr, "xprobe: %s holds a %d x %d rectangle, not %d x %d\n", path.c_str(), w, h, r.w, r.h);
        std::exit(2);
    }
    std::vector<uint32_t> pixels(size_t(w) * size_t(h));
    in.read(reinterpret_cast<char*>(pixels.data()), std::streamsize(pixels.size() * sizeof(uint32_t)));
    return pixels;
}

int Usage()
{
    std::fprintf(stderr, "usage: xprobe capture X Y W H FILE\n"
                         "       xprobe hover AX AY RX RY X Y W H REF LATER\n");
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "xprobe: cannot open the display\n");
        return 1;
    }
    const std::string command = argv[1];
    if (command == "capture" && argc == 7) {
        const Rect r{std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5])};
        Save(argv[6], r, WaitStill(dpy, r));
        return 0;
    }
    if (command == "hover" && argc == 12) {
        const int ax = std::atoi(argv[2]), ay = std::atoi(argv[3]), rx = std::atoi(argv[4]), ry = std::atoi(argv[5]);
        const Rect r{std::atoi(argv[6]), std::atoi(argv[7]), std::atoi(argv[8]), std::atoi(argv[9])};
        const std::vector<uint32_t> want = Load(argv[10], r);
        const int later = std::atoi(argv[11]);
        Warp(dpy, ax, ay);
        const std::vector<uint32_t> away = WaitStill(dpy, r);
        for (int i = 0; i <= later; ++i) {
            if (i > 0) {
                Warp(dpy, ax, ay);
                TimeUntilMatch(dpy, r, away, Clock::now());
                WaitStill(dpy, r);
            }
            const auto start = Clock::now();
            Warp(dpy, rx, ry);
            std::printf("%s%.2f", i ? " " : "", TimeUntilMatch(dpy, r, want, start));
        }
        std::printf("\n");
        return 0;
    }
    return Usage();
}
