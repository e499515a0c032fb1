// The main window's stored layout: position and size of the window, the splitter position
// as a percentage of the window's width, and the width of the "Part Number" column, all in
// twips, under the settings keys MainLeft, MainTop, MainWidth, MainHeight, ScreenSplit and
// Colwidth.
#pragma once

class QRect;

namespace vendara {

class SettingsStore;
class Twips;

struct WindowLayout
{
    double left = 1000;
    double top = 1000;
    double width = 9000;
    double height = 6500;
    int screenSplit = 50; // percent of the window's width
    int colWidth = 1100;  // twips

    // The stored layout; a missing key, or one whose text is not a number, gives its default.
    // A stored ScreenSplit of 0 becomes 50.
    [[nodiscard]] static WindowLayout read(const SettingsStore &settings);
    void write(SettingsStore &settings) const;

    // Whether the settings hold the window's place or size at all (they do from the first
    // close on).
    [[nodiscard]] static bool isStored(const SettingsStore &settings);
    // The first start's layout on a screen whose free area is `available` (pixels): a window
    // of about two thirds of that area, of the area's proportions, in its middle; the splitter
    // and the "Part Number" column at their defaults.
    [[nodiscard]] static WindowLayout firstStart(const QRect &available, const Twips &twips);
};

} // namespace vendara
