// recordProgramFolder: the host records where its programs live, as an
// installer does, so that the help page's Online Help finds the manual the
// build puts beside them.
#pragma once

// Writes the running program's folder to the page host's registry.  Does
// nothing when the folder cannot be found.
void recordProgramFolder();
