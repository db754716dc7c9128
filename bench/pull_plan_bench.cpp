// The pull planner recomputes every column after every keystroke: the calculation alone, and
// the window's whole recalculation (calculation and columns, drawn offscreen).
#include "pullplan/pull_advice.h"
#include "pullplan/pull_plan_links.h"
#include "widgets/platform.h"
#include "widgets/window_registry.h"
#include "windows/profile/tension_profile_window.h"
#include "windows/pullplan/pull_calculator_window.h"
#include "windows/pullplan/pull_check_window.h"
#include "windows/route/route_view_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

const tensora::NumberLocale kEnglish{".", ","};

// Alternating straight sections and gentle bends (a long duct run with slight offsets), with a
// friction low enough that every tension of even the longest plan stays a whole number of
// lbs that the columns write out digit by digit: the costliest case for the columns.
void fill(tensora::PullPlanLinks& plan, int links) {
    static const char* const kAngles[] = {"1", "1.25", "1.5", "0.75"};
    for (int i = 0; i < links; ++i) {
        if (i % 2 == 0) {
            plan.append("Straight", std::to_string(100 + i % 400), "0");
        } else {
            plan.append("Angle", "3", kAngles[i % 4]);
        }
    }
}

// The same run over rolling ground: every fourth bend turns up or down by 8 degrees, and every
// tenth straight sets an incline, so that the route climbs and drops along its whole length.
void fill_with_elevation(tensora::PullPlanLinks& plan, int links) {
    static const char* const kAngles[] = {"1", "1.25", "1.5", "0.75"};
    for (int i = 0; i < links; ++i) {
        if (i % 2 == 0) {
            const bool inclined = i % 20 == 0;
            plan.append("Straight", std::to_string(100 + i % 400), inclined ? "2" : "0", inclined);
        } else if (i % 8 == 1) {
            plan.append(i % 16 == 1 ? "Up" : "Down", "6", "8");
        } else {
            plan.append("Angle", "3", kAngles[i % 4]);
        }
    }
}

tensora::PullSettingsTexts settings() {
    tensora::PullSettingsTexts texts;
    texts.friction = "0.05";
    texts.weight = "200";
    texts.allowable = "10,000";
    return texts;
}

void BM_CalculatePull(benchmark::State& state) {
    tensora::PullPlanLinks plan(kEnglish);
    fill(plan, static_cast<int>(state.range(0)));
    tensora::PullResults results;
    for (auto _ : state) {
        plan.calculate(settings(), results);
        benchmark::DoNotOptimize(results.forward_percent);
    }
}
BENCHMARK(BM_CalculatePull)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_CalculatePullWithElevation(benchmark::State& state) {
    tensora::PullPlanLinks plan(kEnglish);
    fill_with_elevation(plan, static_cast<int>(state.range(0)));
    tensora::PullResults results;
    for (auto _ : state) {
        plan.calculate(settings(), results);
        benchmark::DoNotOptimize(results.forward_percent);
    }
}
BENCHMARK(BM_CalculatePullWithElevation)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// A route in space: straights and bends tilted every way (offsets that turn and climb at
// once), and horizontal bends on the inclines they leave (target: 50 ms at 32,767 links).
void fill_tilted(tensora::PullPlanLinks& plan, int links) {
    static const char* const kTilts[] = {"30", "-45", "60", "-20", "150"};
    for (int i = 0; i < links; ++i) {
        if (i % 2 == 0) {
            plan.append("Straight", std::to_string(40 + i % 60), "0");
        } else if (i % 6 == 5) {
            plan.append({"Angle", "3", "20", "", false, i % 12 == 5});
        } else {
            plan.append({"Tilted", "4", "12", "", false, false, kTilts[i % 5]});
        }
    }
}

void tilted(benchmark::State& state, bool across) {
    tensora::PullPlanLinks plan(kEnglish);
    fill_tilted(plan, static_cast<int>(state.range(0)));
    tensora::PullSettingsTexts texts = settings();
    texts.weight_across = across;
    tensora::PullResults results;
    for (auto _ : state) {
        plan.calculate(texts, results);
        benchmark::DoNotOptimize(results.forward_percent);
    }
}

void BM_CalculatePullOverTiltedBends(benchmark::State& state) {
    tilted(state, false);
}
BENCHMARK(BM_CalculatePullOverTiltedBends)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The same with all of the cable's weight pressing in the bends: stepped where no closed form
// exists.
void BM_CalculatePullOverTiltedBendsAllWeight(benchmark::State& state) {
    tilted(state, true);
}
BENCHMARK(BM_CalculatePullOverTiltedBendsAllWeight)
    ->Arg(1000)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond);

// The advice on a plan: both directions' highest tensions and the best mid-assist point
// (targets: 1 ms at 1,000 links, 30 ms at 32,767).
void advise(benchmark::State& state, void (*fill_plan)(tensora::PullPlanLinks&, int)) {
    tensora::PullPlanLinks plan(kEnglish);
    fill_plan(plan, static_cast<int>(state.range(0)));
    const tensora::PullSettings read = tensora::read_pull_settings(settings(), kEnglish);
    for (auto _ : state) {
        const tensora::PullAdvice advice =
            tensora::advise_pull(plan.values(), read, 500.0, tensora::UnitSystem::InchPound);
        benchmark::DoNotOptimize(advice.mid_assist);
    }
}

void BM_Advice(benchmark::State& state) {
    advise(state, fill);
}
BENCHMARK(BM_Advice)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_AdviceWithElevation(benchmark::State& state) {
    advise(state, fill_with_elevation);
}
BENCHMARK(BM_AdviceWithElevation)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// A plan the advice has no exact search for: vertical bends throughout and one straight of
// negative length. Trying every point took 43 s at 2,000 links.
void fill_with_a_negative_length(tensora::PullPlanLinks& plan, int links) {
    for (int i = 0; i < links; ++i) {
        if (i % 2 == 0) {
            plan.append("Straight", i == links / 4 * 2 ? "-5" : "40", "0");
        } else {
            plan.append(i % 4 == 1 ? "Up" : "Down", "6", "20");
        }
    }
}

void BM_AdviceWithANegativeLength(benchmark::State& state) {
    advise(state, fill_with_a_negative_length);
}
BENCHMARK(BM_AdviceWithANegativeLength)->Arg(2000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The window-free form from texts, reading every link as well.
void BM_PullcalcFromTexts(benchmark::State& state) {
    std::vector<tensora::PullLinkTexts> links;
    for (int i = 0; i < state.range(0); ++i) {
        links.push_back(i % 2 == 0
                            ? tensora::PullLinkTexts{"Straight", "250", "0", std::to_string(i + 1)}
                            : tensora::PullLinkTexts{"Angle", "3", "1.5", std::to_string(i + 1)});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(tensora::pullcalc(links, settings(), kEnglish));
    }
}
BENCHMARK(BM_PullcalcFromTexts)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The desktop without the user's settings, in inch-pound units whatever the locale, so that
// every run measures the same planner.
class BenchPlatform : public tensora::DesktopPlatform {
public:
    tensora::UnitSystem localeUnits() const override { return tensora::UnitSystem::InchPound; }
    QString readSetting(const QString&, const QString&, const QString& fallback) override {
        return fallback;
    }
    void writeSetting(const QString&, const QString&, const QString&) override {}
};

struct Planner {
    explicit Planner(int links, bool elevation = false)
        : Planner(links, elevation ? fill_with_elevation : fill) {}
    Planner(int links, void (*fill_plan)(tensora::PullPlanLinks&, int))
        : registry(platform), window(registry.show<tensora::PullCalculator>()) {
        window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("0.05"));
        window.findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("200"));
        window.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("10000"));
        window.editPlan(
            [links, fill_plan](tensora::PullPlanLinks& plan) { fill_plan(plan, links); });
        window.pullcalc();
        QApplication::processEvents();
    }
    BenchPlatform platform;
    tensora::WindowRegistry registry;
    tensora::PullCalculator& window;
};

void BM_WindowRecalculation(benchmark::State& state) {
    Planner planner(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        planner.window.pullcalc();
        QApplication::processEvents(); // lay out and draw what changed, as the event loop does
    }
}
BENCHMARK(BM_WindowRecalculation)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_WindowRecalculationWithElevation(benchmark::State& state) {
    Planner planner(static_cast<int>(state.range(0)), true);
    for (auto _ : state) {
        planner.window.pullcalc();
        QApplication::processEvents();
    }
}
// The same in metric units: every column converted and written again.
void BM_WindowRecalculationMetric(benchmark::State& state) {
    Planner planner(static_cast<int>(state.range(0)));
    planner.registry.setUnits(tensora::UnitSystem::Metric);
    for (auto _ : state) {
        planner.window.pullcalc();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WindowRecalculationMetric)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_WindowRecalculationWithElevation)
    ->Arg(1000)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond);

// One keystroke in the coefficient box: its change handling, the recalculation and the redraw
// of what changed.
void BM_CoefficientKeystroke(benchmark::State& state) {
    Planner planner(static_cast<int>(state.range(0)));
    auto* friction = planner.window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    bool flip = false;
    for (auto _ : state) {
        friction->setText(flip ? QStringLiteral("0.05") : QStringLiteral("0.06"));
        flip = !flip;
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CoefficientKeystroke)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_CoefficientKeystrokeWithElevation(benchmark::State& state) {
    Planner planner(static_cast<int>(state.range(0)), true);
    auto* friction = planner.window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    bool flip = false;
    for (auto _ : state) {
        friction->setText(flip ? QStringLiteral("0.05") : QStringLiteral("0.06"));
        flip = !flip;
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CoefficientKeystrokeWithElevation)
    ->Arg(1000)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond);

// What the advice holds the planner's window for once typing pauses, on the costliest plan
// (vertical bends throughout: the advice alone takes some 60 ms there at 32,767 links): the
// window only hands the advice off its thread and shows it when found (target: far below the
// 50 ms a window may be held).
void all_vertical(tensora::PullPlanLinks& plan, int links) {
    for (int i = 0; i < links; ++i) {
        i % 2 == 0 ? plan.append("Straight", "40", "0")
                   : plan.append(i % 4 == 1 ? "Up" : "Down", "6", "20");
    }
}

void BM_AdviceOverVerticalBends(benchmark::State& state) {
    advise(state, all_vertical);
}
BENCHMARK(BM_AdviceOverVerticalBends)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_PlannerHeldByTheAdvice(benchmark::State& state) {
    Planner planner(static_cast<int>(state.range(0)), all_vertical);
    auto* friction = planner.window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* timer = planner.window.findChild<QTimer*>(QStringLiteral("adviceTimer"));
    auto* line = planner.window.findChild<QLabel*>(QStringLiteral("adviceLabel"));
    bool flip = false;
    for (auto _ : state) {
        state.PauseTiming();
        friction->setText(flip ? QStringLiteral("0.05") : QStringLiteral("0.06"));
        flip = !flip;
        line->clear(); // so that the advice shown is seen to come
        state.ResumeTiming();
        timer->start(0); // the pause in typing, now
        QApplication::processEvents();
        state.PauseTiming();
        while (line->text().isEmpty()) { // found off the window's thread, then shown
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlannerHeldByTheAdvice)->Arg(32767)->Unit(benchmark::kMillisecond);

// The tension profile drawn again after a recalculation: the profile of the plan, its
// decimation and the chart's drawing.
void BM_ProfileRedraw(benchmark::State& state) {
    Planner planner(static_cast<int>(state.range(0)));
    auto& profile = planner.registry.show<tensora::TensionProfile>();
    QApplication::processEvents();
    for (auto _ : state) {
        profile.planRecalculated();
        profile.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ProfileRedraw)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The route view drawn again after a recalculation: the route's path sampled with the tension,
// then both drawings painted, zoomed in and panned (target: 100 ms at 32,767 links).
void BM_RouteRedraw(benchmark::State& state) {
    Planner planner(static_cast<int>(state.range(0)));
    auto& view = planner.registry.show<tensora::RouteView>();
    view.resize(1000, 660);
    QApplication::processEvents();
    for (auto _ : state) {
        view.planRecalculated();
        view.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RouteRedraw)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The route's drawing alone: the path sampled with the tension, and both sides painted.
void BM_RouteDrawing(benchmark::State& state) {
    Planner planner(static_cast<int>(state.range(0)));
    const auto& window = planner.window;
    tensora::RouteDrawing drawing;
    std::vector<tensora::LinkPath> path;
    for (auto _ : state) {
        tensora::draw_route(window.plan().values(), window.results(), window.calculatedSettings(),
                            true, 500, drawing, path);
        benchmark::DoNotOptimize(drawing.samples.data());
    }
}
BENCHMARK(BM_RouteDrawing)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_RoutePainting(benchmark::State& state) {
    Planner planner(static_cast<int>(state.range(0)));
    const auto& window = planner.window;
    const tensora::RouteDrawing drawing = tensora::route_drawing(
        window.plan().values(), window.results(), window.calculatedSettings(), true, 500);
    QImage image(1000, 400, QImage::Format_ARGB32_Premultiplied);
    const QRectF area(0, 0, 1000, 400);
    const auto side = state.range(1) ? tensora::RouteSide::Plan : tensora::RouteSide::Elevation;
    for (auto _ : state) {
        QPainter painter(&image);
        tensora::paint_route(painter, drawing, side, tensora::fitted_camera(drawing, side, area),
                             area, {});
    }
}
BENCHMARK(BM_RoutePainting)->Args({32767, 1})->Args({32767, 0})->Unit(benchmark::kMillisecond);

// The pull check following a recalculation: the corrected pull from both ends, every bend's
// pressure, and the table of bends shown again.
void BM_PullCheckRecheck(benchmark::State& state) {
    Planner planner(static_cast<int>(state.range(0)));
    auto& check = planner.registry.show<tensora::PullCheck>();
    check.findChild<QLineEdit*>(QStringLiteral("conduitId"))->setText(QStringLiteral("5.047"));
    check.findChild<QLineEdit*>(QStringLiteral("cableOd"))->setText(QStringLiteral("1.58"));
    QApplication::processEvents();
    for (auto _ : state) {
        check.planRecalculated();
        check.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PullCheckRecheck)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
