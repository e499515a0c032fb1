// Where the splitter between the product grid and the tabs may go: never closer than 500
// twips to either edge of the window's inner area. A drag beyond that is ignored and the
// splitter stays where it was. The position is kept as a whole percentage of the window's
// width (a half goes to the even neighbour).
#pragma once

// std
#include <optional>

namespace vendara {

class SplitterRule
{
public:
    static constexpr double EdgeDistance = 500; // twips
    static constexpr int MostSplit = 98;        // percent, applied when the window is resized

    struct Move
    {
        double position = 0; // new splitter left, twips
        int screenSplit = 0; // percent of the window's width
    };

    // The splitter at `splitterLeft`, the pointer at `pointerX` from the splitter's left edge
    // (all in twips); nothing when the new position is too close to an edge.
    [[nodiscard]] static std::optional<Move> drag(double splitterLeft, double pointerX,
                                                  double innerWidth, double windowWidth);
};

} // namespace vendara
