// The parameter table against what stands elsewhere: every control the
// pages' dialog templates give a parameter sits at the id the page layout
// gives it, with the parameter's name and, for a number control, the range
// the table gives; the string table holds every name, description and list
// text the table names; every front end's name for a parameter is unique.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "effect/ColBalanceParams.h"
#include "resources/FnDialogs.h"
#include "resources/FnStrings.h"

namespace {

const FnDialogItem* ItemOf(const FnDialogTemplate& t, int id) {
    for (WORD i = 0; i < t.itemCount; ++i)
        if (t.items[i].id == id) return &t.items[i];
    return nullptr;
}

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

// The text of a host number control's static: its label, class and range.
std::string NumberControlText(const ColBalanceParamSpec& p) {
    return std::string(fnLoadString(p.nameId)) + ";class=dsnewnumberctrl;min=" + Number(p.pageMin) +
           ";max=" + Number(p.templateMax);
}

bool IsNumberControl(const FnDialogItem& item) {
    return std::string(item.text ? item.text : "").find(";class=dsnewnumberctrl") !=
           std::string::npos;
}

}  // namespace

TEST(ParamResources, EveryPageControlMatchesItsParameter) {
    for (const ColBalancePageLayout* layout : kColBalancePageLayouts) {
        const FnDialogTemplate* t = fnFindDialog(layout->dialogId);
        ASSERT_NE(t, nullptr) << layout->dialogId;
        for (size_t i = 0; i < layout->size(); ++i) {
            const ColBalanceParamSpec& p = *layout->params[i];
            const int id = layout->controlOf(i);
            const FnDialogItem* item = ItemOf(*t, id);
            ASSERT_NE(item, nullptr) << "dialog " << layout->dialogId << " has no control " << id;
            const std::string name = fnLoadString(p.nameId);
            const std::string className = item->className;
            const FnDialogItem* label = ItemOf(*t, fnLabelIdOf(id));
            if (p.type == VT_R8) {
                EXPECT_EQ(className, "STATIC") << id;
                EXPECT_EQ(item->text, NumberControlText(p)) << id;
            } else if (p.listCount) {
                EXPECT_EQ(className, "COMBOBOX") << id;
            } else {
                // A check box is its own caption.
                EXPECT_EQ(className, "BUTTON") << id;
                EXPECT_EQ(item->style & BS_TYPEMASK, BS_AUTOCHECKBOX) << id;
                EXPECT_EQ(item->text, name) << id;
                continue;
            }
            ASSERT_NE(label, nullptr) << "no caption for control " << id;
            EXPECT_EQ(std::string(label->className), "STATIC") << id;
            EXPECT_EQ(label->text, name) << id;
        }
    }
}

TEST(ParamResources, EveryNumberControlOfTheDialogsBelongsToAParameter) {
    size_t numbers = 0;
    for (const ColBalancePageLayout* layout : kColBalancePageLayouts) {
        const FnDialogTemplate* t = fnFindDialog(layout->dialogId);
        ASSERT_NE(t, nullptr);
        for (WORD i = 0; i < t->itemCount; ++i) {
            if (!IsNumberControl(t->items[i])) continue;
            ++numbers;
            const int record = t->items[i].id - layout->firstControl;
            ASSERT_TRUE(record >= 0 && size_t(record) < layout->size())
                << "dialog " << layout->dialogId << " control " << t->items[i].id;
            EXPECT_EQ(layout->params[size_t(record)]->type, VT_R8) << t->items[i].id;
        }
    }
    // Main: 4 x hue, saturation, luminance; both curves pages: 4 levels each.
    EXPECT_EQ(numbers, 20u);
}

TEST(ParamResources, TheTemplateRangeDiffersOnlyWhereThePageWidensIt) {
    for (const ColBalanceParamSpec* p : kColBalanceParams) {
        if (p == &ColBalanceParam::MasterSaturation) continue;
        EXPECT_EQ(p->templateMax, p->pageMax) << fnLoadString(p->nameId);
    }
    EXPECT_EQ(NumberControlText(ColBalanceParam::MasterSaturation),
              "Master Saturation;class=dsnewnumberctrl;min=0;max=10");
    EXPECT_EQ(ColBalanceParam::MasterSaturation.pageMax, 100);
}

TEST(ParamResources, TheStringTableHoldsEveryTextOfTheTable) {
    for (const ColBalanceParamSpec* p : kColBalanceParams) {
        ASSERT_NE(fnLoadString(p->nameId), nullptr) << p->nameId;
        EXPECT_NE(fnLoadString(p->descriptionId), nullptr) << p->descriptionId;
        for (size_t i = 0; i < p->listCount; ++i)
            EXPECT_NE(fnLoadString(p->listItems[i]), nullptr) << p->listItems[i];
    }
    EXPECT_EQ(ColBalanceParam::MasterHue.descriptionId, 1001u);
    EXPECT_STREQ(fnLoadString(ColBalanceParam::MaskAlpha.descriptionId), "Mask alpha channel.");
}

TEST(ParamAlias, FrontEndsNameEveryParameterUniquely) {
    EXPECT_EQ(fnParamAlias(ColBalanceParam::MasterHue), "master-hue");
    EXPECT_EQ(fnParamAlias(ColBalanceParam::HideOverlayControls), "hide-overlay-controls");
    EXPECT_EQ(fnParamAlias(ColBalanceParam::MaskRed), "mask-red-channel");
    EXPECT_EQ(fnAliasOf("  Render -- Tone?"), "render-tone");
    EXPECT_EQ(fnAliasOf("..."), "");
    std::set<std::string> seen;
    for (const ColBalanceParamSpec* p : kColBalanceParams) {
        const std::string alias = fnParamAlias(*p);
        EXPECT_FALSE(alias.empty());
        EXPECT_TRUE(seen.insert(alias).second) << alias;
    }
}
