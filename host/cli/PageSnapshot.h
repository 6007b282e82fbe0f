// colbalance --page NAME --snapshot PAGE.png: one of the effect's property
// pages as the host's page editor shows it, drawn offscreen.
#pragma once

#include <string>

#include "host/common/ParamValues.h"

struct PageSnapshotRequest {
    std::string page;    // "main", "curves", "simple" or "help"
    std::string output;  // the PNG written
    std::string input;   // the frame the page shows (the curves page's histogram); may be empty
    ParamSources params;
    double time = 0;  // the host's current time
};

// True when `name` is one of the pages.
bool isPageName(const std::string& name);

// Opens the page on the effect with the parameters, lets it pull and count
// the frame at the time, and writes the picture atomically.  False with a
// one-line reason.
bool writePageSnapshot(const PageSnapshotRequest& request, std::string& error);
