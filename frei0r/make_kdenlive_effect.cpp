// Writes the Kdenlive effect description of the frei0r filter: Kdenlive
// shows a frei0r double as a bare 0..1 slider unless a description maps it
// to real units.  Each number gets its page range, with factor and offset
// taking the host's fraction f to min + f x (max - min); the default is the
// default's fraction, as the filter reports it.
//
//   make_kdenlive_effect OUT.xml
//
// The file is written under a temporary name and renamed, so a failed run
// leaves no half-written description behind.
#include <libxml/xmlwriter.h>

#include <charconv>
#include <cstdio>
#include <string>

#include "frei0r/Frei0rParams.h"
#include "resources/FnStrings.h"

namespace {

// Shortest text that reads back as the same double.
std::string number(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// The unit a slider shows: hues are degrees, levels, eases and luminance
// offsets percent; saturation is a bare amount.
const char* unitOf(const ColBalanceParamSpec& r) {
    using namespace ColBalanceParam;
    for (const ColBalanceParamSpec* hue : {&MasterHue, &LowlightHue, &MidtonesHue, &HighlightHue})
        if (&r == hue) return "°";
    for (const ColBalanceParamSpec* percent :
         {&Lowlights, &Highlights, &LowlightsEase, &HighlightsEase, &MasterLuminance,
          &LowlightLuminance, &MidtonesLuminance, &HighlightLuminance})
        if (&r == percent) return "%";
    return nullptr;
}

const xmlChar* x(const char* s) { return reinterpret_cast<const xmlChar*>(s); }

class Writer {
public:
    explicit Writer(const std::string& path) : w_(xmlNewTextWriterFilename(path.c_str(), 0)) {
        if (!w_) ok_ = false;
    }
    ~Writer() {
        if (w_) xmlFreeTextWriter(w_);
    }
    // Flushes and closes the file; false when anything failed.
    bool finish() {
        if (w_ && xmlTextWriterEndDocument(w_) < 0) ok_ = false;
        if (w_) xmlFreeTextWriter(w_);
        w_ = nullptr;
        return ok_;
    }
    void check(int r) {
        if (r < 0) ok_ = false;
    }
    xmlTextWriterPtr get() const { return w_; }
    explicit operator bool() const { return w_ != nullptr; }

private:
    xmlTextWriterPtr w_;
    bool ok_ = true;
};

bool write(const std::string& path) {
    Writer w(path);
    if (!w) return false;
    auto attr = [&](const char* name, const std::string& value) {
        w.check(xmlTextWriterWriteAttribute(w.get(), x(name), x(value.c_str())));
    };
    auto element = [&](const char* name, const char* text) {
        w.check(xmlTextWriterWriteElement(w.get(), x(name), x(text)));
    };
    w.check(xmlTextWriterSetIndent(w.get(), 1));
    w.check(xmlTextWriterSetIndentString(w.get(), x("    ")));
    w.check(xmlTextWriterStartDocument(w.get(), nullptr, "UTF-8", nullptr));
    // Kdenlive translates the texts of descriptions of this document type.
    w.check(xmlTextWriterWriteDTD(w.get(), x("kpartgui"), nullptr, nullptr, nullptr));
    w.check(xmlTextWriterStartElement(w.get(), x("effect")));
    attr("tag", "frei0r.k_colbalance");
    attr("id", "frei0r.k_colbalance");
    attr("LC_NUMERIC", "C");
    element("name", fnLoadString(1));
    std::string about = fnLoadString(1100);
    while (!about.empty() && about.back() == '\n') about.pop_back();
    element("description", about.c_str());
    element("author", "Quorrel");
    for (const Frei0rParam& p : kFrei0rParams) {
        const ColBalanceParamSpec& r = p.row();
        w.check(xmlTextWriterStartElement(w.get(), x("parameter")));
        switch (p.kind()) {
        case Frei0rParam::Kind::Number: {
            attr("type", "animated");
            attr("name", p.name());
            attr("default", number(p.fractionOf(r.defaultValue)));
            attr("min", number(r.pageMin));
            attr("max", number(r.pageMax));
            attr("factor", number(r.pageMax - r.pageMin));
            if (r.pageMin != 0) attr("offset", number(r.pageMin));
            if (const char* unit = unitOf(r)) attr("suffix", unit);
            break;
        }
        case Frei0rParam::Kind::Switch:
            attr("type", "bool");
            attr("name", p.name());
            attr("default", number(p.fractionOf(r.defaultValue)));
            break;
        case Frei0rParam::Kind::Choice: {
            attr("type", "list");
            attr("name", p.name());
            attr("default", number(p.fractionOf(r.defaultValue)));
            std::string list;
            for (uint32_t i = 0; i < r.listCount; ++i) {
                if (i) list += ';';
                list += number(p.fractionOf(double(i)));
            }
            attr("paramlist", list);
            break;
        }
        }
        element("name", p.name());
        if (p.kind() == Frei0rParam::Kind::Choice) {
            std::string items;
            for (uint32_t i = 0; i < r.listCount; ++i) {
                if (i) items += ',';
                items += fnLoadString(r.listItems[i]);
            }
            element("paramlistdisplay", items.c_str());
        }
        element("comment", p.explanation());
        w.check(xmlTextWriterEndElement(w.get()));
    }
    w.check(xmlTextWriterEndElement(w.get()));
    return w.finish();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_kdenlive_effect OUT.xml\n");
        return 2;
    }
    const std::string out = argv[1], temp = out + ".tmp";
    if (!write(temp) || std::rename(temp.c_str(), out.c_str()) != 0) {
        std::remove(temp.c_str());
        std::fprintf(stderr, "make_kdenlive_effect: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
