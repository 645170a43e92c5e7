#pragma once

// The main window's client area as the reference tests stand it in: a top-level widget whose left
// part the input pane takes, with the figure area right of it. Sizes in logical pixels.

// The input pane's width, 4900 twips, and the client width of a main window 11000 twips wide
// outside.
inline constexpr int inputPanePixels = 327;
inline constexpr int clientPixelsAt11000 = 725;
inline constexpr int clientHeightPixels = 440;
