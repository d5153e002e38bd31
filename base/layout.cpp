#include "base/layout.h"

namespace corvanna {

namespace {

constexpr float kGap = 120; // between the two columns, and between button rows
constexpr float kListTop = 1590;
constexpr float kBelowList = 105;     // from the list's bottom to the first button row
constexpr float kSideMargins = 330;   // the list's width is the window's less this
constexpr float kHalfColumnGap = 360; // the left column ends this far left of the middle

// The bottom four buttons in two rows below the list, the second column kGap right of the first.
void placeBottomButtons(MainWindowPlaces& p, float firstLeft) {
    p.PushButton1.left = firstLeft;
    p.PushButton1.top = p.ListView1.height + p.ListView1.top + kBelowList;
    p.PushButton2.left = p.PushButton1.width + p.PushButton1.left + kGap;
    p.PushButton2.top = p.PushButton1.top;
    p.PushButton3.left = p.PushButton1.left;
    p.PushButton3.top = p.PushButton1.height + p.PushButton1.top + kGap;
    p.PushButton6.left = p.PushButton3.width + p.PushButton3.left + kGap;
    p.PushButton6.top = p.PushButton3.top;
}

void placeUpperColumns(MainWindowPlaces& p, float firstLeft) {
    p.Frame1.left = firstLeft;
    p.Frame2.left = p.Frame1.width + p.Frame1.left + kGap;
    p.PushButton4.left = p.Frame1.left;
    p.PushButton5.left = p.PushButton4.width + p.PushButton4.left + kGap;
}

} // namespace

MainWindowPlaces designPlaces() {
    MainWindowPlaces p;
    p.Frame1 = {120, 120, 4800, 840};
    p.Frame2 = {5040, 120, 4800, 840};
    p.PushButton4 = {120, 1080, 4800, 405};
    p.PushButton5 = {5040, 1080, 4800, 405};
    p.ListView1 = {120, kListTop, 9720, 5130};
    p.PushButton1 = {120, 6830, 4800, 405};
    p.PushButton2 = {5040, 6830, 4800, 405};
    p.PushButton3 = {120, 7340, 4800, 405};
    p.PushButton6 = {5040, 7340, 4800, 405};
    return p;
}

LayoutOutcome mainWindowLayout(int windowState, float outerWidth, float outerHeight,
                               bool layoutMoved) {
    // The layout changes no size but the list's, so every other size is the design's.
    MainWindowPlaces p = designPlaces();
    const float w = outerWidth;
    const float h = outerHeight;

    if (windowState == kStateMaximised) {
        placeUpperColumns(p, w / 2 - p.Frame1.width - kHalfColumnGap);
        p.ListView1.width = w - kSideMargins;
        const float listHeight = h - 3 * p.PushButton4.height - 1200 - p.Frame1.height;
        p.ListView1.height = listHeight > 0 ? listHeight : 0;
        placeBottomButtons(p, w / 2 - p.PushButton1.width - kHalfColumnGap);
        return {p, true, false};
    }
    if (windowState == kStateNormal && layoutMoved) {
        // The list keeps its design place; the columns are laid out again from the left edge.
        placeUpperColumns(p, 120);
        placeBottomButtons(p, 120);
        return {p, true, true};
    }
    return {std::nullopt, layoutMoved, false};
}

} // namespace corvanna
