// The Kdenlive description installed beside the frei0r filter, held against
// the parameter table and against the filter itself: every parameter a
// frame reads, in the table's order, under the filter's names, with the
// page range, the default and the list texts, so that Kdenlive's units
// (offset + factor x fraction) land where the effect's values are.
#include <dlfcn.h>
extern "C" {
#include <frei0r.h>
}
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "effect/ColBalanceParams.h"
#include "resources/FnStrings.h"

namespace {

struct XmlParam {
    std::string type, name, shownName, paramlist, display;
    double def = 0, min = 0, max = 0, factor = 1, offset = 0;
    bool hasRange = false;
};

std::string attr(xmlNode* n, const char* name) {
    xmlChar* v = xmlGetProp(n, reinterpret_cast<const xmlChar*>(name));
    std::string s = v ? reinterpret_cast<const char*>(v) : "";
    xmlFree(v);
    return s;
}

double number(xmlNode* n, const char* name, double otherwise) {
    const std::string s = attr(n, name);
    return s.empty() ? otherwise : std::strtod(s.c_str(), nullptr);
}

std::string childText(xmlNode* n, const char* name) {
    for (xmlNode* c = n->children; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE && xmlStrEqual(c->name, (const xmlChar*)name)) {
            xmlChar* t = xmlNodeGetContent(c);
            std::string s = reinterpret_cast<const char*>(t);
            xmlFree(t);
            return s;
        }
    return {};
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::stringstream in(s);
    for (std::string item; std::getline(in, item, sep);) out.push_back(item);
    return out;
}

class KdenliveEffect : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        doc_ = xmlReadFile(FN_KDENLIVE_EFFECT, nullptr, XML_PARSE_NONET);
        ASSERT_NE(doc_, nullptr) << FN_KDENLIVE_EFFECT;
        root_ = xmlDocGetRootElement(doc_);
        for (xmlNode* n = root_->children; n; n = n->next) {
            if (n->type != XML_ELEMENT_NODE || !xmlStrEqual(n->name, (const xmlChar*)"parameter"))
                continue;
            XmlParam p;
            p.type = attr(n, "type");
            p.name = attr(n, "name");
            p.shownName = childText(n, "name");
            p.def = number(n, "default", -1);
            p.hasRange = !attr(n, "min").empty() && !attr(n, "max").empty();
            p.min = number(n, "min", 0);
            p.max = number(n, "max", 0);
            p.factor = number(n, "factor", 1);
            p.offset = number(n, "offset", 0);
            p.paramlist = attr(n, "paramlist");
            p.display = childText(n, "paramlistdisplay");
            params_.push_back(p);
        }
    }
    static void TearDownTestSuite() {
        xmlFreeDoc(doc_);
        doc_ = nullptr;
    }

    static xmlDoc* doc_;
    static xmlNode* root_;
    static std::vector<XmlParam> params_;
};
xmlDoc* KdenliveEffect::doc_ = nullptr;
xmlNode* KdenliveEffect::root_ = nullptr;
std::vector<XmlParam> KdenliveEffect::params_;

TEST_F(KdenliveEffect, NamesTheFilterAsMltDoes) {
    EXPECT_STREQ((const char*)root_->name, "effect");
    EXPECT_EQ(attr(root_, "tag"), "frei0r.k_colbalance");
    EXPECT_EQ(childText(root_, "name"), fnLoadString(1));
}

// Every table row but the page-only ones, in order, with the page's range
// and default in Kdenlive's units.
TEST_F(KdenliveEffect, HoldsEveryParameterOfTheTable) {
    size_t i = 0;
    for (const ColBalanceParamSpec* row : kColBalanceParams) {
        if (row->home == ColBalanceParamSpec::Home::Page) continue;
        ASSERT_LT(i, params_.size()) << "missing " << fnLoadString(row->nameId);
        const XmlParam& p = params_[i++];
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.name, fnLoadString(row->nameId));
        EXPECT_EQ(p.shownName, p.name);
        if (row->type == VT_R8) {
            EXPECT_EQ(p.type, "animated");
            ASSERT_TRUE(p.hasRange);
            EXPECT_EQ(p.min, row->pageMin);
            EXPECT_EQ(p.max, row->pageMax);
            // Fractions 0 and 1 are the range's ends, the default is the
            // effect's.
            EXPECT_EQ(p.offset, row->pageMin);
            EXPECT_EQ(p.offset + p.factor, row->pageMax);
            EXPECT_NEAR(p.offset + p.factor * p.def, row->defaultValue, 1e-9);
            EXPECT_GE(p.def, 0.0);
            EXPECT_LE(p.def, 1.0);
        } else if (row->listCount > 1) {
            EXPECT_EQ(p.type, "list");
            const auto values = split(p.paramlist, ';');
            const auto texts = split(p.display, ',');
            ASSERT_EQ(values.size(), row->listCount);
            ASSERT_EQ(texts.size(), row->listCount);
            for (uint32_t k = 0; k < row->listCount; ++k) {
                // The filter takes the item nearest f x (items - 1).
                const double f = std::strtod(values[k].c_str(), nullptr);
                EXPECT_NEAR(f * (row->listCount - 1), k, 1e-9);
                EXPECT_EQ(texts[k], fnLoadString(row->listItems[k]));
            }
            EXPECT_NEAR(p.def * (row->listCount - 1), row->defaultValue, 1e-9);
        } else {
            EXPECT_EQ(p.type, "bool");
            EXPECT_EQ(p.def, row->defaultValue != 0 ? 1.0 : 0.0);
        }
    }
    EXPECT_EQ(i, params_.size()) << "parameters the table does not have";
}

// Kdenlive hands values to the filter by name: the names and the defaults
// are the filter's own.
TEST_F(KdenliveEffect, MatchesTheFilter) {
    struct Closer {
        void operator()(void* h) const { dlclose(h); }
    };
    std::unique_ptr<void, Closer> so(dlopen(FN_FREI0R_PLUGIN, RTLD_NOW | RTLD_LOCAL));
    ASSERT_TRUE(so) << dlerror();
    auto sym = [&](const char* name) {
        void* p = dlsym(so.get(), name);
        EXPECT_NE(p, nullptr) << name;
        return p;
    };
    auto info = reinterpret_cast<void (*)(f0r_plugin_info_t*)>(sym("f0r_get_plugin_info"));
    auto paramInfo = reinterpret_cast<void (*)(f0r_param_info_t*, int)>(sym("f0r_get_param_info"));
    auto construct = reinterpret_cast<f0r_instance_t (*)(unsigned, unsigned)>(sym("f0r_construct"));
    auto destruct = reinterpret_cast<void (*)(f0r_instance_t)>(sym("f0r_destruct"));
    auto get =
        reinterpret_cast<void (*)(f0r_instance_t, f0r_param_t, int)>(sym("f0r_get_param_value"));
    ASSERT_TRUE(info && paramInfo && construct && destruct && get);
    f0r_plugin_info_t plugin{};
    info(&plugin);
    ASSERT_EQ(size_t(plugin.num_params), params_.size());
    f0r_instance_t instance = construct(8, 8);
    ASSERT_NE(instance, nullptr);
    for (int i = 0; i < plugin.num_params; ++i) {
        f0r_param_info_t p{};
        paramInfo(&p, i);
        EXPECT_EQ(params_[size_t(i)].name, p.name);
        EXPECT_EQ(params_[size_t(i)].type == "bool", p.type == F0R_PARAM_BOOL) << p.name;
        double value = -1;
        get(instance, &value, i);
        EXPECT_EQ(params_[size_t(i)].def, value) << p.name;
    }
    destruct(instance);
}

}  // namespace
