#pragma once
// Small widgets for the toolkit tests: a filled box that logs its events.

#include "ui/toolkit/FnTDraw.h"
#include "ui/toolkit/FnTObject.h"

#include <functional>
#include <string>
#include <vector>

class LogBox : public FnTObject {
public:
    LogBox(const char* name, std::vector<std::string>* log, float x, float y, float w, float h,
           FnColour colour = {1, 1, 1})
        : FnTObject(name), log_(log) {
        SetPosition(x, y);
        SetSize(w, h);
        SetColour(colour);
    }
    ~LogBox() override {
        if (destroyed_) ++*destroyed_;
    }

    FnTObject* HitTest(FnPoint, FnPoint) override {
        SetTarget(nullptr);
        return this;
    }
    void Draw() override {
        FnTDraw::SetColour(colour_);
        FillRect(x_, y_, x_ + width_, y_ + height_);
    }
    int OnDrag(FnPoint p) override {
        Log("drag", p);
        return dragResult;
    }
    int OnPress(FnPoint p) override {
        Log("press", p);
        if (onPress) onPress();
        return FnTObject::OnPress(p);
    }
    int OnRelease() override {
        Log("release");
        return FnTObject::OnRelease();
    }
    int OnEnter(FnPoint p) override {
        Log("enter", p);
        return FnTObject::OnEnter(p);
    }
    int OnLeave() override {
        Log("leave");
        return FnTObject::OnLeave();
    }

    int dragResult = 1;
    int* destroyed_ = nullptr;
    std::function<void()> onPress;

private:
    void Log(const char* what, FnPoint p) {
        if (log_)
            log_->push_back(std::string(what) + " " + Name() + " " + std::to_string(int(p.x)) +
                            "," + std::to_string(int(p.y)));
    }
    void Log(const char* what) {
        if (log_) log_->push_back(std::string(what) + " " + Name());
    }
    std::vector<std::string>* log_;
};

// A widget that draws whatever the test asks for and takes no events.
class SketchWidget : public FnTObject {
public:
    explicit SketchWidget(std::function<void()> draw)
        : FnTObject("sketch"), draw_(std::move(draw)) {
        SetSize(1000, 1000);
    }
    FnTObject* HitTest(FnPoint, FnPoint) override { return nullptr; }
    void Draw() override {
        if (draw_) draw_();
    }
    int OnDrag(FnPoint) override { return 0; }

private:
    std::function<void()> draw_;
};
