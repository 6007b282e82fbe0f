// StderrCapture: while it lives, whatever the process writes to standard
// error (an image library's own messages, such as "libpng error: ...") goes
// to a hidden buffer instead of the terminal, so that colbalance's errors
// stay one line: what was captured is folded into the program's own message,
// or dropped when the operation succeeded.
//
// Captures may overlap, also on several threads (a sequence decodes one
// frame while it encodes another): standard error is redirected while any
// capture lives, and each capture's text is what was written since it began
// (with overlapping captures, a message written meanwhile by another
// thread's library shows in both).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // What was written since this capture began, on one line and cut to a
    // readable length.
    std::string text() const;

    // A capture in force (null when none).  A library that ends the program
    // itself (some call exit on a write error) leaves its capture in force;
    // the program's exit handler takes the text from here and puts standard
    // error back with release(), for every capture.
    static StderrCapture* current();
    void release();

    // The standard error the program started with, for what must reach the
    // user while a capture lives, maybe on another thread (a progress bar,
    // a program's own message); -1 when it cannot be had.
    static int terminal();
    // Writes the text there (to standard error when there is none).
    static void toTerminal(std::string_view text);

private:
    int64_t start_ = 0;  // offset of this capture's text in the buffer
    bool active_ = false;
};
