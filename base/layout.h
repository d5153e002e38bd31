#pragma once

#include <optional>

namespace corvanna {

// The main window's two arrangements. All values are twips, single precision, as the window's
// properties give them: a control's Left and Top relative to the window's inner area, the
// window's own size its outer size, borders included.

// Window states as the settings store and the layout number them.
enum WindowStateNumber { kStateNormal = 0, kStateMinimised = 1, kStateMaximised = 2 };

struct TwipsRect {
    float left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// The places of the controls that the layout moves; the others (the date pickers inside their
// frames) never move.
struct MainWindowPlaces {
    TwipsRect Frame1, Frame2, PushButton4, PushButton5, ListView1;
    TwipsRect PushButton1, PushButton2, PushButton3, PushButton6;
    friend bool operator==(const MainWindowPlaces&, const MainWindowPlaces&) = default;
};

// The design arrangement (inner area 9960 by 7845 twips).
MainWindowPlaces designPlaces();

struct LayoutOutcome {
    std::optional<MainWindowPlaces> places; // nothing: every control stays where it is
    bool layoutMoved = false;               // the window's LayoutMoved from now on
    bool centre = false;                    // move the window to the middle of the screen
};

// What a size or state change does to the main window. Maximised: the list takes the extra room
// and the frames and buttons stand in two columns 120 twips apart around the middle. Back to
// normal once the controls have moved (layoutMoved): the normal arrangement, and the window
// centred. Otherwise nothing. A maximised window too short for the list gives it no height.
LayoutOutcome mainWindowLayout(int windowState, float outerWidth, float outerHeight,
                               bool layoutMoved);

} // namespace corvanna
