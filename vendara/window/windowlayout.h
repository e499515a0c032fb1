// The main window's stored layout: position and size of the window, the splitter position
// as a percentage of the window's width, and the width of the "Part Number" column, all in
// twips, under the settings keys MainLeft, MainTop, MainWidth, MainHeight, ScreenSplit and
// Colwidth.
#pragma once

namespace vendara {

class SettingsStore;

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
};

} // namespace vendara
