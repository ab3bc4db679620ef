#pragma once

// The largest pictures the program takes, in pixels per side: an imported image file, and a
// picture of the library (which is loaded at every start, so it stays smaller).
constexpr int LargestImportedPictureSide = 8192;
constexpr int LargestLibraryPictureSide = 4096;
