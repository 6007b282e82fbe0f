// StderrCapture: while it lives, whatever the process writes to standard
// error (an image library's own messages, such as "libpng error: ...") goes
// to a hidden buffer instead of the terminal, so that colbalance's errors
// stay one line: what was captured is folded into the program's own message,
// or dropped when the operation succeeded.
#pragma once

#include <string>

class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // What was written so far, on one line and cut to a readable length.
    std::string text() const;

    // The capture in force (null when none).  A library that ends the
    // program itself (some call exit on a write error) leaves its capture in
    // force; the program's exit handler takes the text from here and puts
    // standard error back with release().
    static StderrCapture* current();
    void release();

private:
    int saved_ = -1;    // the real standard error
    int capture_ = -1;  // the buffer it points at meanwhile
};
