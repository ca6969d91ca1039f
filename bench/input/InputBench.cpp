// What polling the gamepads costs the game.
//
// The benchmarks time the first Poll(), and then one Poll(): without SDL2 (the call alone, the
// baseline), with SDL2 and no pad, and with one pad connected (SDL's virtual
// game controller, which SDL updates like a real one but without reading a
// device file).
//
// With --paced=SECONDS the program then polls as the window's timer would,
// sleeping between polls as long as Poll() asks, for SECONDS per stretch, and
// prints the CPU time the whole process used (SDL's own threads included) and
// how often its threads woke up; three rounds, medians. The baselines are
// the same sleeps with no poll at the two rates: rarely (no pad) and often
// (a pad connected).
#include "data/Clock.h"
#include "input/GamepadInput.h"

#include <benchmark/benchmark.h>

#include <SDL.h>

#include <QDir>
#include <QFile>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace zindo;

/// SDL's virtual game controller, plugged in while it lives.
class TBenchPad {
public:
    TBenchPad()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Bench Pad";
        Index = SDL_JoystickAttachVirtualEx(&desc);
    }
    ~TBenchPad()
    {
        if (Index >= 0)
            SDL_JoystickDetachVirtual(Index);
    }
    int Index = -1;
};

/// The first Poll(), which opens SDL's game controllers (the library itself
/// is loaded already, as it is in the game once the sound has started).
void BM_FirstPoll(benchmark::State& State)
{
    for (auto _ : State) {
        auto input = std::make_unique<TGamepadInput>(SystemClock());
        benchmark::DoNotOptimize(input->Poll());
        State.PauseTiming();
        input.reset();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_FirstPoll)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_PollWithoutSdl(benchmark::State& State)
{
    TGamepadInput input(SystemClock(), QStringLiteral("libzindo-no-such-sdl.so.0"));
    for (auto _ : State)
        benchmark::DoNotOptimize(input.Poll());
}
BENCHMARK(BM_PollWithoutSdl);

void BM_PollWithoutPad(benchmark::State& State)
{
    TGamepadInput input(SystemClock());
    input.Poll();
    for (auto _ : State)
        benchmark::DoNotOptimize(input.Poll());
}
BENCHMARK(BM_PollWithoutPad);

void BM_PollWithOnePad(benchmark::State& State)
{
    TGamepadInput input(SystemClock());
    input.Poll();
    TBenchPad pad;
    input.Poll();
    if (input.PadNames().size() != 1)
        State.SkipWithError("the virtual pad did not connect");
    for (auto _ : State)
        benchmark::DoNotOptimize(input.Poll());
}
BENCHMARK(BM_PollWithOnePad);

/// CPU seconds of the whole process so far.
double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

/// Context switches of all the process's threads so far: each is a wake-up.
long long Wakeups()
{
    long long total = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches") || line.startsWith("nonvoluntary_ctxt_switches"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    }
    return total;
}

struct TStretch {
    double CpuMsPerSecond = 0; ///< CPU ms of the process per second of wall time
    double WakeupsPerSecond = 0;
    double PollsPerSecond = 0;
};

/// Runs Step (which answers the ms to sleep) for Seconds and measures it.
TStretch Measure(int Seconds, const std::function<int()>& Step)
{
    using namespace std::chrono;
    const auto start = steady_clock::now();
    const auto end = start + seconds(Seconds);
    const double cpuBefore = ProcessCpuSeconds();
    const long long wakeupsBefore = Wakeups();
    long long polls = 0;
    while (steady_clock::now() < end) {
        const int wait = Step();
        ++polls;
        std::this_thread::sleep_for(milliseconds(wait < 0 ? 500 : wait));
    }
    const double wall = duration<double>(steady_clock::now() - start).count();
    TStretch stretch;
    stretch.CpuMsPerSecond = (ProcessCpuSeconds() - cpuBefore) * 1000 / wall;
    stretch.WakeupsPerSecond = double(Wakeups() - wakeupsBefore) / wall;
    stretch.PollsPerSecond = double(polls) / wall;
    return stretch;
}

double Median(std::vector<double> Values)
{
    std::sort(Values.begin(), Values.end());
    return Values[Values.size() / 2];
}

void RunPaced(int Seconds)
{
    constexpr int Rounds = 3;
    const char* names[] = {"baseline: sleeping at the idle interval", "no pad: Poll() at its interval",
                           "baseline: sleeping at the pad interval", "one pad: Poll() at its interval"};
    std::vector<TStretch> results[4];
    for (int round = 0; round < Rounds; ++round) {
        results[0].push_back(Measure(Seconds, [] { return TGamepadInput::IdlePollInterval; }));
        {
            TGamepadInput input(SystemClock());
            input.Poll();
            results[1].push_back(Measure(Seconds, [&] { return input.Poll(); }));
        }
        results[2].push_back(Measure(Seconds, [] { return TGamepadInput::PadPollInterval; }));
        {
            TGamepadInput input(SystemClock());
            input.Poll();
            TBenchPad pad;
            input.Poll();
            results[3].push_back(Measure(Seconds, [&] { return input.Poll(); }));
        }
    }
    std::printf("\nPaced polling, %d s per stretch, median of %d rounds:\n", Seconds, Rounds);
    double cpu[4];
    for (int i = 0; i < 4; ++i) {
        std::vector<double> c, w, p;
        for (const TStretch& s : results[i]) {
            c.push_back(s.CpuMsPerSecond);
            w.push_back(s.WakeupsPerSecond);
            p.push_back(s.PollsPerSecond);
        }
        cpu[i] = Median(c);
        std::printf("  %-42s %7.3f ms CPU/s (%.4f %% of a core), %6.1f wake-ups/s, %6.1f polls/s\n", names[i], cpu[i],
                    cpu[i] / 10, Median(w), Median(p));
    }
    std::printf("  no pad / its baseline: %.2f; one pad / its baseline: %.2f\n", cpu[1] / cpu[0], cpu[3] / cpu[2]);
}

} // namespace

int main(int argc, char** argv)
{
    int paced = 0;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--paced=", 8) == 0)
            paced = std::atoi(argv[i] + 8);
        else
            args.push_back(argv[i]);
    }
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (paced > 0)
        RunPaced(paced);
    return 0;
}
