// A soak test: a long seeded run of random user actions on the real program
// (chooser picks with the mouse and the keys, typing numbers and junk, Tab,
// Swap, options, favourites, recent items, Find Unit, the About box, exits with and without
// saving), after every one of which the window, its menus and (after an
// exit) the settings file are compared with the model of soak_model.h. A
// failure is replayed from a fresh start and shortened before it is shown.
//
// It runs only when asked (ctest runs it as e2e_soak):
//   METROVA_SOAK_SECONDS=N   run for about N seconds, start-up included
//   METROVA_SOAK_ACTIONS=N   or stop after N actions (both: whichever comes first)
//   METROVA_SOAK_SEED=N      the seed (default: from the clock; printed either way)
//   METROVA_SOAK_REPLAY=CODE replay the sequence a failure printed, once
//   METROVA_SOAK_SHRINK_SECONDS=N  time allowed for replaying and shortening a
//                            failure (default 180)
//
// The generator keeps every answer within the double range or beyond it:
// an answer below it shows what double arithmetic gives, which the model does
// not reproduce, so an action that would lead there is never chosen.
#include "tests/e2e/driver.h"
#include "tests/e2e/soak_actions.h"
#include "tests/e2e/soak_model.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sstream>

namespace {

// ---- Comparing --------------------------------------------------------------------------

void Flatten(const std::vector<MenuEntry>& entries, int depth, std::vector<SoakMenuItem>* out)
{
    for (const MenuEntry& e : entries) {
        out->push_back({ depth, e.popup ? -1 : e.id, e.checked, e.separator, e.popup, e.text });
        if (e.popup) Flatten(e.items, depth + 1, out);
    }
}

std::string MenuLine(const SoakMenuItem& i)
{
    if (i.separator) return "separator";
    return (i.popup ? std::string("pop-up") : std::to_string(i.id)) + " \"" + i.text + "\"" +
           (i.checked ? " (checked)" : "");
}

bool SameItem(const SoakMenuItem& a, const SoakMenuItem& b)
{
    if (a.depth != b.depth || a.separator != b.separator || a.popup != b.popup) return false;
    if (a.separator) return true;
    return a.id == b.id && a.text == b.text && a.checked == b.checked;
}

// A flattened menu taken apart: the recent items, the favourite items, and
// everything else in order.
struct MenuParts {
    std::vector<std::string> recent, favorites;
    std::vector<SoakMenuItem> rest;
};

MenuParts Parts(const std::vector<SoakMenuItem>& items)
{
    MenuParts parts;
    std::string popup;
    bool below = false;
    for (const SoakMenuItem& i : items) {
        if (i.depth == 0) {
            popup = i.text;
            below = false;
        } else if (i.depth == 1 && below && (popup == "&Go" || popup == "&Favorites")) {
            (popup == "&Go" ? parts.recent : parts.favorites).push_back(MenuLine(i));
            continue;
        } else if (i.depth == 1 && i.separator) {
            below = true;
        }
        parts.rest.push_back(i);
    }
    return parts;
}

std::string ListText(const std::vector<std::string>& items)
{
    std::string out;
    for (const std::string& i : items) out += "\n      " + i;
    return items.empty() ? " (none)" : out;
}

void CompareMenus(const std::vector<SoakMenuItem>& expectedItems, const std::vector<SoakMenuItem>& shownItems,
                  std::vector<std::string>* d)
{
    const MenuParts expected = Parts(expectedItems), shown = Parts(shownItems);
    if (expected.recent != shown.recent)
        d->push_back("recent items in \"&Go\", expected:" + ListText(expected.recent) + "\n    shown:" +
                     ListText(shown.recent));
    if (expected.favorites != shown.favorites)
        d->push_back("favourite items, expected:" + ListText(expected.favorites) + "\n    shown:" +
                     ListText(shown.favorites));
    const size_t n = std::max(expected.rest.size(), shown.rest.size());
    for (size_t i = 0; i < n; ++i) {
        const bool both = i < expected.rest.size() && i < shown.rest.size();
        if (both && SameItem(expected.rest[i], shown.rest[i])) continue;
        d->push_back("menu item " + std::to_string(i) + ": expected " +
                     (i < expected.rest.size() ? MenuLine(expected.rest[i]) : "none") + ", shown " +
                     (i < shown.rest.size() ? MenuLine(shown.rest[i]) : "none"));
        if (!both) break;
    }
}

std::vector<std::string> Differences(MetrovaApp* app, const SoakModel& m)
{
    std::vector<std::string> d;
    if (!IsRunning(app)) return { "Metrova is not running" };
    auto box = [&](int side) {
        const SoakBox& expected = m.box[side - 1];
        const std::string shown = Utf8FromWide(WindowTextWide(side == 1 ? FromBox(*app) : ToBox(*app)));
        if (expected.known && shown != expected.text)
            d.push_back(std::string(side == 1 ? "From" : "To") + " box shows \"" + shown + "\", expected \"" +
                        expected.text + "\"");
    };
    box(1);
    box(2);
    auto chooser = [&](const char* name, HWND c, int expected) {
        const int shown = ComboSelection(c);
        if (shown != expected)
            d.push_back(std::string(name) + " selection " + std::to_string(shown) + ", expected " +
                        std::to_string(expected));
    };
    chooser("category", CategoryChooser(*app), m.category);
    chooser("from-unit", FromUnitChooser(*app), m.fromUnit);
    chooser("to-unit", ToUnitChooser(*app), m.toUnit);
    const int count = SoakUnitCount(m.category);
    if (ComboCount(FromUnitChooser(*app)) != count || ComboCount(ToUnitChooser(*app)) != count)
        d.push_back("unit choosers hold " + std::to_string(ComboCount(FromUnitChooser(*app))) + " and " +
                    std::to_string(ComboCount(ToUnitChooser(*app))) + " units, expected " + std::to_string(count));
    const std::string title = WindowText(app->window);
    if (title != SoakTitle()) d.push_back("title \"" + title + "\", expected \"" + SoakTitle() + "\"");
    std::string focusClass;
    const int focusId = FocusedControlId(app, &focusClass);
    if (focusId != SoakFocusId(m.focus) || focusClass != SoakFocusClass(m.focus))
        d.push_back("focus on " + focusClass + " " + std::to_string(focusId) + ", expected the " +
                    SoakFocusName(m.focus));

    std::vector<MenuEntry> bar;
    if (!ReadMenu(app, &bar)) {
        d.push_back("the menu cannot be read");
        return d;
    }
    std::vector<SoakMenuItem> shown;
    Flatten(bar, 0, &shown);
    CompareMenus(SoakExpectedMenu(m), shown, &d);
    return d;
}

// Waits for the program to handle what was sent, then compares; an answer
// that is late is waited for a little.
std::vector<std::string> Check(MetrovaApp* app, const SoakModel& m, bool realInput)
{
    if (realInput && IsRunning(app)) WaitForInputHandled(app);
    const DWORD start = GetTickCount();
    for (;;) {
        std::vector<std::string> d = Differences(app, m);
        if (d.empty() || GetTickCount() - start > (realInput ? 2000u : 500u)) return d;
        Sleep(30);
    }
}

// ---- Runs ------------------------------------------------------------------------------

using Clock = std::chrono::steady_clock;

double EnvNumber(const char* name, double fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? std::atof(v) : fallback;
}

struct Outcome {
    bool failed;
    size_t at;                        // the action after which the window differed
    std::vector<std::string> differences;
    bool unfinished;                  // the time ran out before the end
};

// A fresh start: no settings file, a new program, the model likewise.
bool StartFresh(MetrovaApp* app, SoakModel* m, std::string* why)
{
    StopMetrova(app);
    ClearSettings();
    *m = SoakFreshModel();
    SoakStart(m);
    if (!StartMetrova(app, why)) return false;
    if (!BringToFront(app)) {
        *why = "cannot bring Metrova to the front";
        return false;
    }
    SoakParkPointer();
    return true;
}

// Replays actions from a fresh start and reports the first one after which
// the window differs from the model, unless the deadline comes first.
Outcome Replay(const std::vector<SoakAction>& actions, Clock::time_point deadline)
{
    MetrovaApp app = {};
    SoakModel m;
    std::string why;
    Outcome outcome = { false, 0, {}, false };
    if (!StartFresh(&app, &m, &why)) return { true, 0, { "cannot start: " + why }, false };
    std::vector<std::string> d = Check(&app, m, true);
    for (size_t i = 0; i < actions.size() && d.empty(); ++i) {
        if (Clock::now() >= deadline) {
            outcome.unfinished = true;
            break;
        }
        d = SoakPerform(actions[i], &m, &app);
        if (d.empty()) d = Check(&app, m, SoakUsesRealInput(actions[i]));
        if (!d.empty()) outcome = { true, i, d, false };
    }
    if (!d.empty() && !outcome.failed) outcome = { true, 0, d, false };   // the start itself
    StopMetrova(&app);
    ClearSettings();
    return outcome;
}

// Shortens a failing sequence: drops chunks of halving size, then single
// actions, keeping each cut that still fails from a fresh start.
std::vector<SoakAction> Shrink(std::vector<SoakAction> actions, Outcome* last, Clock::time_point deadline)
{
    size_t chunk = std::max<size_t>(1, actions.size() / 2);
    for (;;) {
        bool cut = false;
        for (size_t i = 0; i < actions.size() && Clock::now() < deadline;) {
            std::vector<SoakAction> trial(actions.begin(), actions.begin() + i);
            trial.insert(trial.end(), actions.begin() + std::min(actions.size(), i + chunk), actions.end());
            if (trial.empty()) {
                i += chunk;
                continue;
            }
            Outcome o = Replay(trial, deadline);
            if (o.failed) {
                trial.resize(o.at + 1);
                actions = trial;
                *last = o;
                cut = true;
                std::printf("[soak] shortened to %zu actions\n", actions.size());
                std::fflush(stdout);
            } else {
                i += chunk;
            }
        }
        if (Clock::now() >= deadline) break;
        if (chunk == 1 && !cut) break;
        if (chunk > 1) chunk /= 2;
    }
    return actions;
}

// The actions numbered from 1, or only the last `most` of them.
std::string Listing(const std::vector<SoakAction>& actions, size_t most = SIZE_MAX)
{
    std::string out;
    const size_t first = actions.size() > most ? actions.size() - most : 0;
    if (first > 0) out += "  (" + std::to_string(first) + " earlier actions left out)\n";
    for (size_t i = first; i < actions.size(); ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "  %3zu. ", i + 1);
        out += number + SoakDescribe(actions[i]) + "\n";
    }
    return out;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines) out += "  - " + l + "\n";
    return out;
}

// Reports a failure: replays it from a fresh start, shortens it and prints
// what still fails. A sequence too long to replay in the time allowed is
// reported by its seed and length instead.
void ReportFailure(uint64_t seed, std::vector<SoakAction> actions, const Outcome& first)
{
    const size_t LISTED_AT_MOST = 60;   // actions printed of a sequence not shortened
    const double seconds = EnvNumber("METROVA_SOAK_SHRINK_SECONDS", 180);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(int64_t(seconds * 1000));
    std::printf("[soak] seed %llu: the window differs after action %zu; replaying from a fresh start\n",
                (unsigned long long)seed, first.at + 1);
    std::fflush(stdout);
    actions.resize(first.at + 1);
    Outcome last = Replay(actions, deadline);
    std::string note;
    if (last.failed) {
        actions.resize(last.at + 1);
        actions = Shrink(actions, &last, deadline);
    } else {
        note = last.unfinished ? "(too long to replay in " + std::to_string(int(seconds)) + " s, so not shortened)\n"
                               : "(it did not fail again on a replay from a fresh start: a matter of timing?)\n";
        last = first;
    }
    const bool shortened = note.empty();
    std::ostringstream report;
    report << "Soak failure, seed " << seed << ": METROVA_SOAK_SEED=" << seed
           << " METROVA_SOAK_ACTIONS=" << first.at + 1 << " replays the run up to it.\n"
           << "After the last of these " << actions.size() << " actions from a fresh start:\n"
           << note << Listing(actions, shortened ? SIZE_MAX : LISTED_AT_MOST)
           << "the window differs from the model:\n" << Joined(last.differences);
    if (actions.size() <= 500)
        report << "Replay exactly these with METROVA_SOAK_REPLAY='" << SoakEncode(actions) << "'\n";
    ADD_FAILURE() << report.str();
}

TEST(Soak, RandomUserActionsAgreeWithTheModel)
{
    const char* replay = std::getenv("METROVA_SOAK_REPLAY");
    const char* seedText = std::getenv("METROVA_SOAK_SEED");
    const double seconds = EnvNumber("METROVA_SOAK_SECONDS", 0);
    const double maxActions = EnvNumber("METROVA_SOAK_ACTIONS", 0);
    if (!(replay && *replay) && !(seedText && *seedText) && seconds <= 0 && maxActions <= 0)
        GTEST_SKIP() << "the soak runs when METROVA_SOAK_SECONDS, _ACTIONS, _SEED or _REPLAY is set (ctest: e2e_soak)";

    if (replay && *replay) {
        std::vector<SoakAction> actions;
        ASSERT_TRUE(SoakDecode(replay, &actions)) << "METROVA_SOAK_REPLAY is not a sequence the soak printed";
        std::printf("[soak] replaying %zu actions:\n%s", actions.size(), Listing(actions).c_str());
        const Outcome o = Replay(actions, Clock::time_point::max());
        EXPECT_FALSE(o.failed) << "the window differs after action " << o.at + 1 << ":\n" << Joined(o.differences);
        return;
    }

    const Clock::time_point begun = Clock::now();
    const uint64_t seed = seedText && *seedText ? std::strtoull(seedText, 0, 10)
                                                : uint64_t(std::time(0)) * 1000 + GetTickCount() % 1000;
    const double limit = seconds > 0 ? seconds : (maxActions > 0 ? 1e9 : 100);
    std::printf("[soak] seed %llu (METROVA_SOAK_SEED=%llu replays it), %g s%s\n", (unsigned long long)seed,
                (unsigned long long)seed, limit >= 1e9 ? 0.0 : limit,
                maxActions > 0 ? (", at most " + std::to_string(int64_t(maxActions)) + " actions").c_str() : "");
    std::fflush(stdout);

    SoakRng rng = { seed };
    MetrovaApp app = {};
    SoakModel m;
    std::string why;
    ASSERT_TRUE(StartFresh(&app, &m, &why)) << why;
    std::vector<SoakAction> done;
    Outcome failure = { false, 0, Check(&app, m, true), false };
    failure.failed = !failure.differences.empty();
    SoakActionKind last = ACT_KINDS;
    Clock::time_point nextReport = begun + std::chrono::seconds(60);
    int kinds[ACT_KINDS] = {};
    int favoritesFull = 0, recentFull = 0, scientific = 0, toActive = 0;
    while (!failure.failed) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - begun).count();
        if (elapsed >= limit || (maxActions > 0 && double(done.size()) >= maxActions)) break;
        const SoakAction a = SoakGenerate(m, rng, last);
        last = a.kind;
        done.push_back(a);
        ++kinds[a.kind];
        std::vector<std::string> d = SoakPerform(a, &m, &app);
        if (d.empty()) d = Check(&app, m, SoakUsesRealInput(a));
        if (!d.empty()) failure = { true, done.size() - 1, d, false };
        favoritesFull += m.favorites.size() == size_t(SOAK_FAVORITES_MAX);
        recentFull += m.recentCount == SOAK_RECENT_SLOTS;
        scientific += m.numFormat == 0;
        toActive += m.activeSide == 2;
        if (Clock::now() >= nextReport) {
            std::printf("[soak] %zu actions, %.0f s\n", done.size(), elapsed);
            std::fflush(stdout);
            nextReport += std::chrono::seconds(60);
        }
    }
    StopMetrova(&app);
    ClearSettings();
    const double elapsed = std::chrono::duration<double>(Clock::now() - begun).count();
    if (failure.failed) {
        std::printf("[soak] seed %llu: failed after %zu actions, %.0f s\n", (unsigned long long)seed, done.size(),
                    elapsed);
        ReportFailure(seed, done, failure);
    } else {
        std::printf("[soak] seed %llu: %zu actions held with no difference, %.0f s\n", (unsigned long long)seed,
                    done.size(), elapsed);
    }
    std::string counts;
    for (int k = 0; k < ACT_KINDS; ++k)
        counts += std::string(" ") + SOAK_KIND_CODES[k] + "=" + std::to_string(kinds[k]);
    std::printf("[soak] actions by kind:%s\n[soak] actions that left 20 favourites: %d, a full recent ring: %d, "
                "scientific notation: %d, the To box active: %d\n",
                counts.c_str(), favoritesFull, recentFull, scientific, toActive);
    std::fflush(stdout);
}

}  // namespace