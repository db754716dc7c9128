// Fuzzes the report file both ways. Inputs whose first byte is even are read as a file of any
// content: the reader must end, never crash, and keep at most a full plan. Odd ones describe a
// plan as the windows can hold it (texts without line breaks, link lengths and angles as
// number-like texts without blanks, a mid-assist point, a fill part): written and read back,
// it must come back exactly (vertical bends and inclines included), with nothing said to be
// missing.
#include "report/report.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>

namespace {

using namespace tensora;

std::string one_line_text(FuzzedDataProvider& data) {
    std::string text = data.ConsumeRandomLengthString(40);
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

// A length or angle as the planner keeps it: a number text without blanks around it.
std::string number_text(FuzzedDataProvider& data) {
    static constexpr char kCharacters[] = "0123456789.,-+eE";
    std::string text;
    const std::size_t length = data.ConsumeIntegralInRange<std::size_t>(1, 16);
    for (std::size_t i = 0; i < length; ++i) {
        text.push_back(kCharacters[data.ConsumeIntegralInRange<std::size_t>(0, 15)]);
    }
    return text;
}

[[noreturn]] void fail(const std::string& what, const std::string& text) {
    std::cerr << "round trip lost " << what << "\n--- report ---\n" << text << '\n';
    std::abort();
}

void read_anything(const std::uint8_t* bytes, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(bytes), size));
    const ReadReport report = read_report(in);
    if (report.links.size() > static_cast<std::size_t>(kMaxLinks)) {
        std::abort();
    }
    if (report.mid_assist_link &&
        (*report.mid_assist_link < 1 ||
         static_cast<std::size_t>(*report.mid_assist_link) > report.links.size())) {
        std::abort();
    }
}

void write_then_read(FuzzedDataProvider& data) {
    ReportContents contents;
    contents.path = "/" + one_line_text(data);
    PullPlanReport plan;
    plan.description = one_line_text(data);
    plan.allowable = one_line_text(data);
    plan.weight = one_line_text(data);
    plan.friction = one_line_text(data);
    plan.back_tension = data.ConsumeBool() ? "0" : one_line_text(data);
    const std::size_t links = data.ConsumeIntegralInRange<std::size_t>(0, 120);
    static const char* const kBends[] = {"Angle", "Up", "Down"};
    for (std::size_t i = 0; i < links; ++i) {
        const bool straight = data.ConsumeBool();
        const bool inclined = straight && data.ConsumeBool();
        plan.links.push_back({std::to_string(i + 1),
                              straight ? "Straight" : kBends[data.ConsumeIntegralInRange(0, 2)],
                              number_text(data), straight && !inclined ? "0" : number_text(data),
                              one_line_text(data), one_line_text(data), one_line_text(data),
                              one_line_text(data), inclined});
    }
    // The result texts are the planner's own: numbers, "Out of range" or "no length".
    for (ReportLink& link : plan.links) {
        for (std::string* text :
             {&link.forward, &link.forward_sidewall, &link.reverse, &link.reverse_sidewall}) {
            *text = text->empty() ? "no length" : std::to_string(text->size() * 37);
        }
    }
    const int point = links == 0 ? 0 : data.ConsumeIntegralInRange<int>(0, static_cast<int>(links));
    if (point > 0) {
        plan.caption = "Mid-assist pull point between links " + std::to_string(point) + " and " +
                       std::to_string(point + 1);
    }
    contents.pull_plan = plan;
    contents.units_shown = data.ConsumeBool() ? UnitSystem::Metric : UnitSystem::InchPound;
    if (data.ConsumeBool()) {
        static const char* const kStandards[] = {"", "Schedule 40", "SDR 11", "SDR 13.5"};
        FillReport fill;
        fill.standard = kStandards[data.ConsumeIntegralInRange<int>(0, 3)];
        const std::size_t cables = data.ConsumeIntegralInRange<std::size_t>(0, 6);
        for (std::size_t i = 0; i < cables; ++i) {
            fill.diameters.push_back(number_text(data));
        }
        fill.count = std::to_string(cables) + " cables";
        fill.pair_width_label = "Maximum combined pair width (in)";
        fill.preferred_max = data.ConsumeBool() ? "60" : one_line_text(data);
        fill.rows = {{"1/2", "0.602", ".2845", "over"}, {"2", "2.067", "3.3539", "9.5%"}};
        contents.fill = fill;
    }

    const std::string text = report_text(contents);
    std::istringstream in(text);
    const ReadReport back = read_report(in);
    if (!back.is_report || !back.has_plan || !back.notes.empty()) {
        fail("the plan part", text);
    }
    if (back.description != plan.description || back.allowable != plan.allowable ||
        back.weight != plan.weight || back.friction != plan.friction ||
        back.back_tension.value_or("0") != plan.back_tension) {
        fail("a cable text", text);
    }
    if (back.units_shown.value_or(UnitSystem::InchPound) != contents.units_shown) {
        fail("the units shown", text);
    }
    if (back.links.size() != plan.links.size()) {
        fail("links", text);
    }
    for (std::size_t i = 0; i < links; ++i) {
        const PullLinkTexts& link = back.links[i];
        if (link.number != plan.links[i].number || link.type != plan.links[i].type ||
            link.length != plan.links[i].length || link.angle != plan.links[i].angle ||
            link.inclined != plan.links[i].inclined) {
            fail("link " + std::to_string(i + 1), text);
        }
    }
    if (back.mid_assist_link.value_or(0) != point) {
        fail("the mid-assist point", text);
    }
    if (contents.fill) {
        if (!back.fill || back.fill->standard != contents.fill->standard ||
            back.fill->diameters != contents.fill->diameters ||
            back.fill->preferred_max.value_or("60") != contents.fill->preferred_max) {
            fail("the fill part", text);
        }
    } else if (back.fill) {
        fail("nothing: a fill part appeared", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    if (bytes[0] % 2 == 0) {
        read_anything(bytes + 1, size - 1);
        return 0;
    }
    FuzzedDataProvider data(bytes + 1, size - 1);
    write_then_read(data);
    return 0;
}
