// colbalance's command line as one table: each mode takes the options the
// table gives it and refuses the others in its own words, the table holds
// together (names, outputs, modes), and the usage the README shows is the
// one the table makes.
#include "host/cli/CommandLine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

// Parses and checks a command line given as one string (no quoting).
struct Checked {
    bool ok = false;
    CommandLine cl;
    std::string error;
};

Checked check(const std::string& line) {
    std::vector<std::string> words{"colbalance"};
    std::istringstream in(line);
    for (std::string w; in >> w;) words.push_back(w);
    std::vector<const char*> argv;
    for (const std::string& w : words) argv.push_back(w.c_str());
    Checked c;
    std::string help;
    c.ok = parseCommandLine(int(argv.size()), argv.data(), c.cl, c.error, help) &&
           checkCommandLine(c.cl, c.error);
    return c;
}

std::string squeezed(const std::string& text) {
    std::istringstream in(text);
    std::string out, w;
    while (in >> w) out += (out.empty() ? "" : " ") + w;
    return out;
}

}  // namespace

TEST(CommandLine, TheOptionsGivenPickTheMode) {
    const std::pair<const char*, CommandMode> cases[] = {
        {"a.png -o b.png --set master-hue=3 --roi 1,1,2,2 --zoom 2", CommandMode::Render},
        {"a.png --overlay-snapshot v.png", CommandMode::Render},
        {"a.png -o b.png --histogram h.csv", CommandMode::Render},
        {"a.png --histogram h.csv --roi 0,0,4,4", CommandMode::Count},
        {"a.png --tone-report r.png --params p.json --frame 3", CommandMode::Report},
        {"--page curves --snapshot p.png a.png --set master-hue=3", CommandMode::Page},
        {"--list-params", CommandMode::List},
    };
    for (const auto& [line, mode] : cases) {
        const Checked c = check(line);
        ASSERT_TRUE(c.ok) << line << ": " << c.error;
        EXPECT_EQ(c.cl.mode, mode) << line;
    }
    EXPECT_TRUE(check("a.png -o b.png --histogram h.csv").cl.counting);
}

TEST(CommandLine, EachModeRefusesWhatDoesNotGoWithItInItsOwnWords) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.png --histogram h.csv --set master-hue=3",
         "--set needs -o OUT: without it nothing is rendered"},
        {"a.png --histogram h.csv --zoom 2", "--zoom needs -o OUT: without it nothing is rendered"},
        {"a.png --tone-report r.png -o b.png", "-o does not go with --tone-report"},
        {"a.png --tone-report r.png --roi 1,1,1,1", "--roi does not go with --tone-report"},
        {"--page main --snapshot p.png --frames 1-2", "--frames does not go with --page"},
        {"--page main --snapshot p.png --tone-report r.png",
         "--tone-report does not go with --page"},
        {"--list-params a.png", "IN does not go with --list-params"},
        {"--page main", "--page and --snapshot go together"},
        {"a.png --overlay-snapshot v.png --frames 1-2",
         "--overlay-snapshot shows one frame: leave out --frames"},
        {"a.png", "need IN and -o OUT"},
        {"-o b.png", "need IN and -o OUT"},
        {"a.png -o b.png --zoom 0", "--zoom wants a number above 0"},
        {"a.png -o b.png --depth 12", "--depth"},
        {"--page front --snapshot p.png", "--page"},
    };
    for (const auto& [line, error] : cases) {
        const Checked c = check(line);
        EXPECT_FALSE(c.ok) << line;
        EXPECT_EQ(c.error.rfind(error, 0), 0u) << line << ": " << c.error;
        EXPECT_EQ(c.error.find('\n'), std::string::npos) << c.error;
    }
}

TEST(CommandLine, TheTableHoldsTogether) {
    std::set<std::string> shown;
    for (const CommandOption& o : commandOptions()) {
        EXPECT_TRUE(shown.insert(o.shown).second) << o.shown << " twice";
        EXPECT_NE(o.goesWith, 0u) << o.shown << " goes with no mode";
        if (o.asks != CommandMode::None) {
            EXPECT_TRUE(o.goesWith & unsigned(o.asks)) << o.shown << " refuses its own mode";
        }
        if (o.output != CommandOption::Output::None) {
            EXPECT_TRUE(std::holds_alternative<std::string CommandLine::*>(o.field)) << o.shown;
        }
        EXPECT_EQ(std::holds_alternative<bool CommandLine::*>(o.field), !*o.value) << o.shown;
    }
    // Every mode is asked for by some option.
    for (CommandMode m : {CommandMode::Render, CommandMode::Count, CommandMode::Report,
                          CommandMode::Page, CommandMode::List}) {
        bool asked = false;
        for (const CommandOption& o : commandOptions()) asked = asked || o.asks == m;
        EXPECT_TRUE(asked) << unsigned(m);
    }
}

// The README's synopsis is the usage colbalance prints.
TEST(CommandLine, TheReadmeShowsTheUsageTheTableMakes) {
    std::ifstream in(FN_SOURCE_DIR "/README.md");
    ASSERT_TRUE(in);
    std::string line, block;
    bool inSection = false, inBlock = false;
    while (std::getline(in, line)) {
        if (line == "## colbalance") inSection = true;
        if (!inSection) continue;
        if (line.rfind("    colbalance", 0) == 0) inBlock = true;
        if (inBlock && line.empty()) break;
        if (inBlock) block += line + "\n";
    }
    EXPECT_EQ(squeezed(block), squeezed(commandUsage())) << block << "\n" << commandUsage();
}
